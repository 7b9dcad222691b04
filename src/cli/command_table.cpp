#include "cli/commands_all.h"

namespace dorvane::cli {

const QList<Command>& commands() {
    static const QList<Command> all{
        inspectCommand(),  portsCommand(),  portCommand(),     doctorCommand(),   bundleCommand(),
        downloadCommand(), uploadCommand(), channelsCommand(), repackCommand(),   reorderCommand(),
        checkCommand(),    diffCommand(),   importCommand(),   demoDataCommand(), stationCommand(),
    };
    return all;
}

}  // namespace dorvane::cli
