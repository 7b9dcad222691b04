#include "app/tool_app.h"

#include <QTimer>

#include <cstdio>

#include "app/main_dialog.h"
#include "app/settings.h"

namespace dorvane {

CToolApp::StartOptions CToolApp::parseArguments(const QStringList& arguments) {
    StartOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            options.showHelp = true;
        } else if (a == QLatin1String("--port")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("--port needs a port name");
                return options;
            }
            options.portOverride = arguments.at(++i);
        } else if (a.startsWith(QLatin1String("--port="))) {
            options.portOverride = a.mid(7);
        } else if (a.startsWith(QLatin1Char('-')) || !options.file.isEmpty()) {
            options.error = QStringLiteral("unknown argument: %1").arg(a);
            return options;
        } else {
            options.file = a;
        }
    }
    return options;
}

QString CToolApp::startPort(const StartOptions& options, const QString& settingsApplication) {
    if (!options.portOverride.isEmpty()) return options.portOverride;
    return Settings(settingsApplication).configuredPort();
}

int CToolApp::handleUsage(const StartOptions& options) {
    if (options.error.isEmpty() && !options.showHelp) return -1;
    std::fprintf(options.showHelp ? stdout : stderr,
                 "%s%susage: Dorvane_QX [--port NAME] [FILE]\n"
                 "  --port NAME  open this serial port for this run (e.g. COM3, /dev/ttyUSB0)\n"
                 "  FILE         an image or channel-data file to open\n",
                 options.error.isEmpty() ? "" : "Dorvane_QX: ", qPrintable(options.error + (options.error.isEmpty() ? "" : "\n")));
    return options.showHelp ? 0 : 2;
}

int CToolApp::run(const StartOptions& options) {

    // The setting is read once, here.
    CMainDialog::Options windowOptions;
    windowOptions.portName = startPort(options);
    CMainDialog window(windowOptions);
    if (!options.file.isEmpty()) {
        const QString file = options.file;
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    }
    window.exec();
    return 0;
}

}  // namespace dorvane
