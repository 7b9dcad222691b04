#include <QApplication>
#include <QStringList>

#include "gui/app/app_language.h"
#include "gui/app/tool_app.h"
#include "qtcore/app/history_location.h"
#include "qtcore/app/path_text.h"
#include "qtcore/app/process_setup.h"

int main(int argc, char* argv[]) {
    dorvane::prepareProcess();
    // Bad usage and --help are answered before any window system is needed.
    QStringList arguments;
    // The arguments' own bytes: a file name that is no valid UTF-8 is kept.
    for (int i = 0; i < argc; ++i) arguments << dorvane::textFromNativeBytes(argv[i]);
    const auto options = dorvane::CToolApp::parseArguments(arguments);
    if (const int status = dorvane::CToolApp::handleUsage(options); status >= 0) return status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane_QX"));
    dorvane::installProgramHistory();
    dorvane::applyLanguage(dorvane::startLanguage(options.language));
    return dorvane::CToolApp().run(options);
}
