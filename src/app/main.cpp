#include <QApplication>
#include <QStringList>

#ifndef _WIN32
#include <csignal>
#endif

#include "app/tool_app.h"

int main(int argc, char* argv[]) {
#ifndef _WIN32
    // A file that may grow no further (a size limit on the process) is a
    // failed write to report, not a reason to die halfway through saving.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Bad usage and --help are answered before any window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const auto options = dorvane::CToolApp::parseArguments(arguments);
    if (const int status = dorvane::CToolApp::handleUsage(options); status >= 0) return status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane_QX"));
    return dorvane::CToolApp().run(options);
}
