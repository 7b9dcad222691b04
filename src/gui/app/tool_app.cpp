#include "app/tool_app.h"

#include <QTimer>

#include <cstdio>

#include "app/main_dialog.h"
#include "app/settings.h"
#include "app/version.h"

namespace dorvane {

CToolApp::StartOptions CToolApp::parseArguments(const QStringList& arguments) {
    StartOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            options.showHelp = true;
        } else if (a == QLatin1String("--edit")) {
            // Alone (a file association started without a file) it only
            // starts the window.
            options.edit = true;
        } else if (a == QLatin1String("--version")) {
            options.showVersion = true;
        } else if (a == QLatin1String("--port")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("--port needs a port name");
                return options;
            }
            options.portOverride = arguments.at(++i);
        } else if (a.startsWith(QLatin1String("--port="))) {
            options.portOverride = a.mid(7);
        } else if (a.startsWith(QLatin1Char('-'))) {
            options.error = QStringLiteral("unknown argument: %1").arg(a);
            return options;
        } else if (options.openPath.isEmpty()) {
            options.openPath = a;
        } else {
            options.error = QStringLiteral("only one file can be opened: %1").arg(a);
            return options;
        }
    }
    return options;
}

QString CToolApp::startPort(const StartOptions& options, const QString& settingsApplication) {
    if (!options.portOverride.isEmpty()) return options.portOverride;
    return chooseStartPort(Settings(settingsApplication), CSerialPort::availablePorts()).name;
}

int CToolApp::handleUsage(const StartOptions& options) {
    if (options.error.isEmpty() && options.showVersion && !options.showHelp) {
        std::printf("%s\n", versionAnswer("Dorvane_QX").c_str());
        return 0;
    }
    if (options.error.isEmpty() && !options.showHelp) return -1;
    std::fprintf(options.showHelp ? stdout : stderr,
                 "%s%susage: Dorvane_QX [--port NAME] [[--edit] FILE]\n\n"
                 "Service tool for digital satellite set-top boxes (STB): downloads firmware\n"
                 "images and channel data into the STB over its serial port, backs up its\n"
                 "channel data and edits it.\n\n"
                 "  FILE         an image or channel-data file to open at start, as \"Open\" does\n"
                 "  --edit FILE  open the channel-data FILE in the editor at once\n"
                 "  --port NAME  open this serial port for this run (e.g. COM3, /dev/ttyUSB0)\n"
                 "  --help       show this help\n"
                 "  --version    show the version and build\n",
                 options.error.isEmpty() ? "" : "Dorvane_QX: ", qPrintable(options.error + (options.error.isEmpty() ? "" : "\n")));
    return options.showHelp ? 0 : 2;
}

int CToolApp::run(const StartOptions& options) {

    // The setting is read once, here.
    CMainDialog::Options windowOptions;
    PortChoice choice{options.portOverride, {}};
    if (choice.name.isEmpty()) choice = chooseStartPort(Settings(), CSerialPort::availablePorts());
    windowOptions.portName = choice.name;
    CMainDialog window(windowOptions);
    // Nothing configured yet: say which port was taken and how to change it.
    if (!choice.reason.isEmpty())
        window.appendLog(QStringLiteral("Using %1: %2 (Configure chooses another).").arg(choice.name, choice.reason));
    if (!options.openPath.isEmpty()) {
        // Opened once the window shows, so that what the file logs, and any
        // question it asks, appears on the window.
        const QString path = options.openPath;
        const bool edit = options.edit;
        QTimer::singleShot(0, &window, [&window, path, edit] {
            if (edit)
                window.openFileForEditing(path);
            else
                window.openFile(path);
        });
    }
    window.exec();
    return 0;
}

}  // namespace dorvane
