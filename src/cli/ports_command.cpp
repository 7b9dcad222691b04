#include "cli/commands_all.h"
#include "cli/ports_listing.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane::cli {

namespace {

int runPorts(const QStringList& args, const CommandLine& options) {
    const bool json = options.isSet("json");
    if (!args.isEmpty()) return usageError(portsCommand(), QStringLiteral("unknown argument %1").arg(args.first()));
    const QList<SerialPortEntry> ports = CSerialPort::availablePorts();
    if (json)
        out() << QString::fromUtf8(portsJson(ports));
    else
        out() << portsText(ports);
    out().flush();
    if (ports.isEmpty() && !json)
        err() << "dorvane: no serial port found: plug in the adapter (USB serial adapters appear as "
                 "/dev/ttyUSB* or /dev/ttyACM* on Linux, COM ports on Windows)"
              << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& portsCommand() {
    static const Command command{"ports",
                                 "",
                                 "Lists the serial ports of this machine, one a line, fields separated\n"
                                 "by tabs: name, description, manufacturer, USB VID:PID, serial number,\n"
                                 "and \"free\" or \"busy\" (with the program that holds it where the system\n"
                                 "tells); \"-\" where the system says nothing. USB serial adapters show\n"
                                 "their VID:PID.",
                                 {{.name = "json", .description = "print the same as a JSON array"}},
                                 runPorts};
    return command;
}

}  // namespace dorvane::cli
