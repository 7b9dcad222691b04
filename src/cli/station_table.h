#pragma once

#include <string>
#include <vector>

#include "qtcore/station/station_board.h"

namespace dorvane::cli {

// The station's table on a terminal: a header, one row per port (state,
// the last box's versions, progress, ETA, result) and a line of totals
// (done, failed, boxes per hour).
std::vector<std::string> stationTableLines(const StationBoard& board, Millis elapsed);

}  // namespace dorvane::cli
