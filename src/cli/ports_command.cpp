#include "cli/commands_all.h"
#include "serial/serial_port.h"

namespace dorvane::cli {

namespace {

int runPorts(const QStringList& args) {
    if (!args.isEmpty()) return usageError(portsCommand(), QStringLiteral("ports takes no arguments"));
    for (const SerialPortEntry& p : CSerialPort::availablePorts()) out() << p.name << '\t' << p.description << '\n';
    out().flush();
    return kExitOk;
}

}  // namespace

const Command& portsCommand() {
    static const Command command{"ports", "ports",
                                 "Lists the serial ports of this machine, one a line: its name, a tab,\n"
                                 "its description.",
                                 runPorts};
    return command;
}

}  // namespace dorvane::cli
