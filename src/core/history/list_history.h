#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"

namespace dorvane {

// How much a history folder holds before its oldest entries go.
struct HistoryBounds {
    std::size_t maxEntries = 200;
    std::uintmax_t maxBytes = std::uintmax_t{64} << 20;  // channel-data files, sidecars not counted
};

// The figures of a kept list (zero when its bytes do not unpack).
struct KeptCounts {
    int satellites = 0;
    int transponders = 0;
    int channels = 0;
    int favourites = 0;  // members over all favourite groups
};

// What is handed over to be kept.
struct KeptList {
    std::span<const std::uint8_t> bytes;
    // "upload" (received from an STB), "replaced" (a file a save replaced),
    // "restore" (the open list before a history entry replaced it).
    std::string origin;
    std::filesystem::path source;              // the file it came from or was saved to
    std::optional<std::uint32_t> bootVersion;  // the STB's, when known
    std::optional<std::uint32_t> appVersion;
};

// One kept list: a channel-data file NAME.irz and its sidecar NAME.info
// (lines "key=value").
struct HistoryEntry {
    std::string name;            // file name without extension; sorts by time
    std::filesystem::path file;  // the kept channel-data file
    std::string time;            // UTC, "2026-12-09 23:40:12"
    std::string origin;
    std::string source;       // UTF-8 path text
    std::string bootVersion;  // "%d.%d.%d", empty when unknown
    std::string appVersion;
    KeptCounts counts;
    std::uintmax_t size = 0;  // bytes of the kept file
};

// The figures of a channel-data blob; zero counts when it does not unpack.
KeptCounts countList(std::span<const std::uint8_t> bytes);

// A folder of kept channel-data lists, bounded by count and size: keeping
// one more removes the oldest entries until both bounds hold again (the
// newest entry always stays). Files in the folder that are not entries are
// left alone. Nothing here throws; failures come back as a Status.
class ListHistory {
public:
    using Clock = std::chrono::system_clock;

    explicit ListHistory(std::filesystem::path folder, HistoryBounds bounds = {});

    const std::filesystem::path& folder() const { return folder_; }
    const HistoryBounds& bounds() const { return bounds_; }

    // Keeps a copy of the bytes (the folder is made when missing). Bytes
    // the same as the newest entry's keep nothing new: that entry comes
    // back.
    Result<HistoryEntry> keep(const KeptList& list, Clock::time_point when = Clock::now());
    // Every entry, newest first.
    std::vector<HistoryEntry> entries() const;
    // The kept file's bytes.
    Result<std::vector<std::uint8_t>> read(const HistoryEntry& entry) const;
    // Removes oldest entries until the bounds hold; returns how many went.
    int prune();

private:
    std::filesystem::path freshName(const std::string& stem) const;

    std::filesystem::path folder_;
    HistoryBounds bounds_;
};

}  // namespace dorvane
