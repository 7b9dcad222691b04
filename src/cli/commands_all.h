#pragma once

#include "cli/command.h"

namespace dorvane::cli {

// One accessor per command; each lives in its own <name>_command.cpp.
const Command& inspectCommand();
const Command& portsCommand();
const Command& portCommand();
const Command& downloadCommand();
const Command& uploadCommand();
const Command& channelsCommand();
const Command& repackCommand();
const Command& reorderCommand();
const Command& checkCommand();
const Command& diffCommand();
const Command& importCommand();
const Command& demoDataCommand();
const Command& doctorCommand();
const Command& bundleCommand();
const Command& stationCommand();

}  // namespace dorvane::cli
