#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/line_pacer.h"
#include "sim/receiver.h"
#include "sim/relay.h"

namespace dorvane::sim {

extern const char kSimUsage[];

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
};

// The simulator's command line (without the program name).
struct ParsedArgs {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    Config config;
    std::string error;  // for Error
};
ParsedArgs parseSimArgs(const std::vector<std::string>& args);

}  // namespace dorvane::sim
