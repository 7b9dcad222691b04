#include "cli/commands_all.h"
#include "qtcore/app/settings.h"

namespace dorvane::cli {

namespace {

// The settings are the window's: both programs open the same port.
constexpr char kWindowApplication[] = "Dorvane_QX";

int runPort(const QStringList& args, const CommandLine&) {
    if (args.size() > 1) return usageError(portCommand(), QStringLiteral("only one port at a time"));
    Settings settings(QString::fromLatin1(kWindowApplication));
    if (args.size() == 1) {
        const QString name = args.first().trimmed();
        if (name.isEmpty() || name.startsWith(QLatin1Char('-')))
            return usageError(portCommand(), QStringLiteral("not a port name: '%1'").arg(args.first()));
        settings.storePort(name);
    }
    out() << settings.configuredPort() << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& portCommand() {
    static const Command command{"port",
                                 "[PORT]",
                                 "Prints the port the window and the command line open, or first stores\n"
                                 "PORT as the window's \"Configure\" does: COM3 as the port number 3, a\n"
                                 "device path such as /dev/ttyUSB0 as it is.",
                                 {},
                                 runPort};
    return command;
}

}  // namespace dorvane::cli
