#pragma once

#include <functional>

#include "core/history/list_history.h"

namespace dorvane {

// Where the program's lists go to be kept: the front ends install a keeper
// at start-up (a ListHistory in the user's data folder); without one,
// keeping does nothing. The keeper itself reports its failures (a log line);
// keepInHistory never fails the save or the upload that calls it.
using HistoryKeeper = std::function<void(const KeptList& list)>;

// Replaces the keeper; an empty function removes it.
void setHistoryKeeper(HistoryKeeper keeper);
bool historyKeeperInstalled();

// Hands the list to the keeper, if any. Nothing it throws gets out.
void keepInHistory(const KeptList& list) noexcept;

// A list received from an STB and saved to `target` (origin "upload").
void keepReceivedList(std::span<const std::uint8_t> bytes, const std::filesystem::path& target) noexcept;

// The file at `target`, before a save replaces it: kept when it exists and
// holds channel data that unpacks (origin "replaced").
void keepReplacedFile(const std::filesystem::path& target) noexcept;

}  // namespace dorvane
