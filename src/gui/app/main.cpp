#include <QApplication>
#include <QStringList>

#include "app/process_setup.h"
#include "app/tool_app.h"

int main(int argc, char* argv[]) {
    dorvane::prepareProcess();
    // Bad usage and --help are answered before any window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const auto options = dorvane::CToolApp::parseArguments(arguments);
    if (const int status = dorvane::CToolApp::handleUsage(options); status >= 0) return status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane_QX"));
    return dorvane::CToolApp().run(options);
}
