#pragma once

#include <QString>

#include <functional>

#include "core/history/list_history.h"

namespace dorvane {

// The environment variable that names the history folder instead (tests,
// portable set-ups).
inline constexpr char kHistoryFolderVariable[] = "DORVANE_HISTORY_DIR";

// Where the kept lists live, shared by the window and the command line:
// $DORVANE_HISTORY_DIR when set, else "Dorvane_QX/history" in the user's
// data folder ($XDG_DATA_HOME or ~/.local/share on Linux, %LOCALAPPDATA%
// on Windows, ~/Library/Application Support on macOS).
QString historyFolder();

// The program's history: that folder with the standard bounds.
ListHistory programHistory();

// Makes every upload and every replaced list go to programHistory().
// A failure to keep one is told to `report` (one line), never to the
// save or upload; by default the line goes to the standard error.
void installProgramHistory(std::function<void(const QString& line)> report = {});

}  // namespace dorvane
