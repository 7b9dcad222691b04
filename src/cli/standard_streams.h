#pragma once

// Whether the program's standard streams are terminals (a person watching)
// or pipes and files (a script).

namespace dorvane {

bool standardInputIsTerminal();
bool standardOutputIsTerminal();
bool standardErrorIsTerminal();

}  // namespace dorvane
