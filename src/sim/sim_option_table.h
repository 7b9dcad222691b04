#pragma once

#include <span>
#include <string>

#include "sim/sim_options.h"

namespace dorvane::sim {

// One option of the simulator, declared once: the parser and --help are
// both made from the table of them.
struct SimOption {
    const char* name;   // "--start"; null: a heading of --help
    const char* value;  // "off|on|app", as --help shows it; null: a switch
    // For --help (or the heading); null: described with the next option.
    const char* help;
    // Sets the part of the config the option is for, from its value; throws
    // BadSimArgs for a bad one. Null: an option of the bench (--boxes,
    // --box), taken before a box's options are parsed.
    void (*set)(Config& config, const std::string& value);
    const char* alias = nullptr;  // "-h"
};

// Every option and heading, in the order of --help.
std::span<const SimOption> simOptions();

// The option of this name or alias; null for none.
const SimOption* findSimOption(const std::string& word);

// Thrown by a setter for a bad value, with the message after "dorvane-sim: ".
struct BadSimArgs {
    std::string message;
};
// Thrown by --help and --version: the parse ends there.
struct SimArgsFinished {
    ParsedArgs::Action action;
};

[[noreturn]] void badSimArgs(const std::string& message);

}  // namespace dorvane::sim
