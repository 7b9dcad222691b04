#include "cli/commands_all.h"
#include "qtcore/app/settings.h"
#include "qtcore/bundle/support_bundle.h"
#include "qtcore/bundle/transfer_history.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane::cli {

namespace {

// The settings and the transfers are the window's.
constexpr char kWindowApplication[] = "Dorvane_QX";

int runBundle(const QStringList& args, const CommandLine& options) {
    if (args.size() != 1)
        return usageError(bundleCommand(), args.isEmpty() ? QStringLiteral("a file name is needed")
                                                          : QStringLiteral("only one file at a time"));
    BundleInputs inputs;
    inputs.settingsApplication = QString::fromLatin1(kWindowApplication);
    inputs.port = options.value("port");
    if (inputs.port.isEmpty())
        inputs.port = chooseStartPort(Settings(inputs.settingsApplication), CSerialPort::availablePorts()).name;
    inputs.transfersFolder = TransferHistory::defaultFolder();
    if (const Status written = writeSupportBundle(args.first(), inputs); !written.ok()) {
        err() << "dorvane: " << QString::fromStdString(written.message()) << Qt::endl;
        return kExitFailure;
    }
    out() << args.first() << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& bundleCommand() {
    static const Command command{"bundle",
                                 "FILE.zip",
                                 "Writes a support bundle: the program's version and build, the system,\n"
                                 "the serial ports with their details, the connection check without the\n"
                                 "STB's steps, the settings and the last transfers' logs, traces and\n"
                                 "receipts (names and sizes of files, never their content); at most 32 MiB,\n"
                                 "the oldest transfers left out first.",
                                 {{.name = "port",
                                   .valueName = "PORT",
                                   .needs = "a port name",
                                   .description = "the port to check; by default the configured one"}},
                                 runBundle};
    return command;
}

}  // namespace dorvane::cli
