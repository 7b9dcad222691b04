#include "gui/app/tool_app.h"

#include <QTimer>

#include <cstdio>

#include "core/app/version.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/main_dialog.h"
#include "gui/station/station_window.h"
#include "qtcore/app/command_line.h"
#include "qtcore/app/language.h"
#include "qtcore/app/settings.h"

namespace dorvane {

namespace {

const QList<OptionSpec>& windowOptions() {
    static const QList<OptionSpec> options{
        {.name = "port",
         .valueName = "NAME",
         .needs = "a port name",
         .description = "open this serial port for this run (e.g. COM3, /dev/ttyUSB0)"},
        {.name = "edit", .description = "open the channel-data FILE in the editor at once"},
        {.name = "station",
         .description = "open the Station view (many ports at once) with FILE for\n"
                        "every STB and a tile for every USB adapter"},
        {.name = "lang",
         .valueName = "CODE",
         .needs = "a language code",
         .description = "show the window in this language: en, de, fr, es, tr, ru, ar, fa or auto (the system's)"},
        {.name = "version", .description = "show the version and build"},
    };
    return options;
}

}  // namespace

CToolApp::StartOptions CToolApp::parseArguments(const QStringList& arguments) {
    StartOptions options;
    CommandLine line(windowOptions());
    if (!line.parse(arguments.mid(1))) {
        options.error = line.error();
        options.showHelp = line.helpAsked();
        return options;
    }
    options.showHelp = line.helpAsked();
    options.showVersion = line.isSet("version");
    // Alone (a file association started without a file) --edit only starts
    // the window.
    options.edit = line.isSet("edit");
    options.station = line.isSet("station");
    options.portOverride = line.value("port");
    options.language = line.value("lang");
    if (line.isSet("lang") && !knownLanguageChoice(options.language))
        options.error = QStringLiteral("unknown language '%1' (en, %2 or auto)")
                            .arg(options.language, shippedLanguages().join(QStringLiteral(", ")));
    const QStringList files = line.positional();
    if (files.size() > 1)
        options.error = QStringLiteral("only one file can be opened: %1").arg(files[1]);
    else if (!files.isEmpty())
        options.openPath = files.first();
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
    const QString usage = QStringLiteral("usage: Dorvane_QX %1 [FILE]\n\n").arg(optionSynopsis(windowOptions()));
    const QString help = usage +
                         QStringLiteral(
                             "Service tool for digital satellite set-top boxes (STB): downloads firmware\n"
                             "images and channel data into the STB over its serial port, backs up its\n"
                             "channel data and edits it.\n\n"
                             "  FILE  an image or channel-data file to open at start, as \"Open\" does\n\n"
                             "Options:\n") +
                         optionHelp(windowOptions() + QList{helpOption()});
    if (options.showHelp) {
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    std::fprintf(stderr, "Dorvane_QX: %s\n%s", qPrintable(options.error), qPrintable(help));
    return 2;
}

int CToolApp::run(const StartOptions& options) {
    if (options.station) {
        StationWindow station;
        if (!options.openPath.isEmpty()) station.setFile(options.openPath);
        if (!options.portOverride.isEmpty()) station.addPort(options.portOverride);
        station.addUsbPorts();
        station.exec();
        return 0;
    }

    // The setting is read once, here.
    CMainDialog::Options windowOptions;
    PortChoice choice{options.portOverride, {}};
    if (choice.name.isEmpty()) choice = chooseStartPort(Settings(), CSerialPort::availablePorts());
    windowOptions.portName = choice.name;
    // "--edit FILE": the editor comes first; the port opens when the
    // operator goes back to the window.
    windowOptions.deferPort = options.edit && !options.openPath.isEmpty();
    DialogPrompts prompts;
    CMainDialog window(windowOptions, prompts);
    prompts.setPortLender([&window](const QString& port, bool lend) { window.lendPort(port, lend); });
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
