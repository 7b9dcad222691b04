#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/line_pacer.h"
#include "sim/receiver_options.h"
#include "sim/relay.h"

namespace dorvane::sim {

struct Config {
    ReceiverOptions receiver;
    std::optional<RelayOptions> relay;
    LineFaults faults;
    int rate = 115200;
    std::string start = "off";
    std::vector<std::pair<int, std::string>> at;
    bool readStdin = true;
    std::string captureIn;   // every byte the program sent, as read from the line
    std::string captureOut;  // every byte the program was sent, as written to the line
    // Switched on this long after the start: onAfterMs, or at random up to
    // onAfterMaxMs (from the fault seed and the box's number); -1: never.
    int onAfterMs = -1;
    int onAfterMaxMs = -1;
};

// The simulator's command line (without the program name).
struct ParsedArgs {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    Config config;              // the one box, or the options every box shares
    std::vector<Config> boxes;  // one per simulated STB (at least one for Run)
    std::string error;          // for Error
};
// With --boxes N, the options before the first --box K are every box's;
// those after --box K are box K's alone (from 1).
ParsedArgs parseSimArgs(const std::vector<std::string>& args);

// The --help text, made from the option table.
std::string simUsage();

}  // namespace dorvane::sim
