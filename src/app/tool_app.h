#pragma once

#include <QString>
#include <QStringList>

namespace dorvane {

// Start-up of the windowed program: reads the port setting once, takes
// "--port NAME" for this run, shows the main window modally and ends when
// it closes.
class CToolApp {
public:
    struct StartOptions {
        QString portOverride;  // --port NAME; empty: the setting
        bool showHelp = false;
        QString error;         // bad usage
    };

    static StartOptions parseArguments(const QStringList& arguments);

    // The port to open: the override, or "COM%d" of "PortNum" ("PortName"
    // on systems without COM numbers).
    static QString startPort(const StartOptions& options, const QString& settingsApplication = {});

    // Runs the program; returns the process's exit status.
    int run(const QStringList& arguments);
};

}  // namespace dorvane
