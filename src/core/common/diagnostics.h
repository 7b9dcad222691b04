#pragma once

#include <functional>
#include <string_view>

namespace dorvane {

// Where an operation's diagnostic lines go ("Invalid value in Factory_PGM",
// "BACKUP data compressed to N bytes"), each with its newline: the caller's
// choice. The command line prints them on standard error, the window keeps
// them for its support log. An empty sink drops them, as work the user did
// not ask for (a check, counting a kept list) should.
using DiagnosticSink = std::function<void(std::string_view line)>;

}  // namespace dorvane
