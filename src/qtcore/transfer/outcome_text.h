#pragma once

#include <string>

#include "core/flow/operator_flow.h"

namespace dorvane {

// Boxes break their text with "\n"; a line of a report keeps each on one line.
std::string oneLine(const std::string& text);

// "succeeded", "timed-out", "port-error", ... as reports name an outcome.
const char* outcomeName(TransferOutcome outcome);

}  // namespace dorvane
