#pragma once

#include <QString>
#include <QStringList>

namespace dorvane {

// Start-up of the windowed program: reads the port setting once, takes
// "--port NAME" for this run and a file to open, shows the main window
// modally and ends when it closes.
class CToolApp {
public:
    struct StartOptions {
        QString portOverride;  // --port NAME; empty: the setting
        QString openPath;      // FILE: opened as "Open" would, once the window is up
        bool edit = false;     // --edit: the editor opens on FILE at once
        bool station = false;  // --station: the Station view instead of the main window
        QString language;      // --lang CODE; empty: the setting, else the locale
        bool showHelp = false;
        bool showVersion = false;
        QString error;  // bad usage
    };

    static StartOptions parseArguments(const QStringList& arguments);

    // The port to open: the override, or "COM%d" of "PortNum" ("PortName"
    // on systems without COM numbers).
    static QString startPort(const StartOptions& options, const QString& settingsApplication = {});

    // Prints the usage for --help or bad usage, or the version; returns the exit status to
    // end with, or -1 to go on. Needs no QApplication (runs before one).
    static int handleUsage(const StartOptions& options);

    // Runs the program (inside a QApplication); returns the exit status.
    int run(const StartOptions& options);
};

}  // namespace dorvane
