#include "core/history/list_history.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <system_error>

#include "core/common/file_error.h"
#include "core/database/backup_blob.h"
#include "core/database/receiver_database.h"
#include "core/database/replace_file.h"
#include "core/image/image_file.h"

namespace fs = std::filesystem;

namespace dorvane {

namespace {

constexpr char kListExtension[] = ".irz";
constexpr char kInfoExtension[] = ".info";

std::tm utcTime(ListHistory::Clock::time_point when) {
    const std::time_t t = ListHistory::Clock::to_time_t(when);
    std::tm out{};
#ifdef _WIN32
    gmtime_s(&out, &t);
#else
    gmtime_r(&t, &out);
#endif
    return out;
}

std::string timeText(ListHistory::Clock::time_point when, const char* pattern) {
    const std::tm t = utcTime(when);
    char text[40] = "";
    std::strftime(text, sizeof text, pattern, &t);
    return text;
}

int millisecondsOf(ListHistory::Clock::time_point when) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    return static_cast<int>(((ms % 1000) + 1000) % 1000);
}

// Values stay on their line.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

std::optional<std::vector<std::uint8_t>> readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Flushed to the disk and put in place in one step, as every file here.
bool writeWhole(const fs::path& path, const void* data, std::size_t size) {
    return replaceFileAtomically(path, {static_cast<const std::uint8_t*>(data), size}).ok();
}

int toInt(const std::string& text) {
    try {
        return std::stoi(text);
    } catch (...) {
        return 0;
    }
}

void readInfo(HistoryEntry& entry, const fs::path& info) {
    std::ifstream in(info);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "time")
            entry.time = value;
        else if (key == "origin")
            entry.origin = value;
        else if (key == "source")
            entry.source = value;
        else if (key == "boot_version")
            entry.bootVersion = value;
        else if (key == "app_version")
            entry.appVersion = value;
        else if (key == "satellites")
            entry.counts.satellites = toInt(value);
        else if (key == "transponders")
            entry.counts.transponders = toInt(value);
        else if (key == "channels")
            entry.counts.channels = toInt(value);
        else if (key == "favourites")
            entry.counts.favourites = toInt(value);
    }
}

std::string infoText(const HistoryEntry& e) {
    return "time=" + e.time + "\norigin=" + oneLine(e.origin) + "\nsource=" + oneLine(e.source) +
           "\nboot_version=" + e.bootVersion + "\napp_version=" + e.appVersion +
           "\nsatellites=" + std::to_string(e.counts.satellites) +
           "\ntransponders=" + std::to_string(e.counts.transponders) +
           "\nchannels=" + std::to_string(e.counts.channels) + "\nfavourites=" + std::to_string(e.counts.favourites) +
           "\n";
}

// Entries are named "YYYYMMDD-HHMMSS-mmm" (and "-N" for a second one in
// the same millisecond); other files in the folder are not ours.
bool isEntryName(const std::string& stem) {
    if (stem.size() < 19 || stem[8] != '-' || stem[15] != '-') return false;
    return std::all_of(stem.begin(), stem.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
}

void removeEntry(const HistoryEntry& entry) {
    std::error_code ec;
    fs::remove(entry.file, ec);
    fs::remove(fs::path(entry.file).replace_extension(kInfoExtension), ec);
}

}  // namespace

KeptCounts countList(std::span<const std::uint8_t> bytes) {
    KeptCounts counts;
    auto db = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*db, bytes) != UnpackResult::Ok) return counts;
    for (int s = 0; s < kSatelliteSlots; ++s) counts.satellites += satelliteInUse(db->satellite(s)) ? 1 : 0;
    for (int t = 0; t < kTransponderSlots; ++t) counts.transponders += transponderFree(db->transponder(t)) ? 0 : 1;
    for (int c = 0; c < kChannelSlots; ++c) counts.channels += channelFree(db->channel(c)) ? 0 : 1;
    for (int g = 0; g < kFavoriteGroups; ++g) counts.favourites += db->groupSize(g);
    return counts;
}

ListHistory::ListHistory(fs::path folder, HistoryBounds bounds) : folder_(std::move(folder)), bounds_(bounds) {}

fs::path ListHistory::freshName(const std::string& stem) const {
    std::error_code ec;
    fs::path path = folder_ / (stem + kListExtension);
    for (int n = 2; fs::exists(path, ec) && n < 1000; ++n)
        path = folder_ / (stem + "-" + std::to_string(n) + kListExtension);
    return path;
}

Result<HistoryEntry> ListHistory::keep(const KeptList& list, Clock::time_point when) {
    const std::vector<HistoryEntry> kept = entries();
    if (!kept.empty() && kept.front().size == list.bytes.size()) {
        const auto newest = read(kept.front());
        if (newest.ok() && std::equal(newest->begin(), newest->end(), list.bytes.begin(), list.bytes.end()))
            return kept.front();
    }
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) return Status{Error::Failed, "Can't make the folder " + utf8Path(folder_) + ": " + ec.message() + "."};

    char millis[8];
    std::snprintf(millis, sizeof millis, "%03d", millisecondsOf(when));
    HistoryEntry entry;
    entry.file = freshName(timeText(when, "%Y%m%d-%H%M%S-") + millis);
    entry.name = entry.file.stem().string();
    entry.time = timeText(when, "%Y-%m-%d %H:%M:%S");
    entry.origin = list.origin;
    entry.source = utf8Path(list.source);
    if (list.bootVersion) entry.bootVersion = versionWordText(*list.bootVersion);
    if (list.appVersion) entry.appVersion = versionWordText(*list.appVersion);
    entry.counts = countList(list.bytes);
    entry.size = list.bytes.size();

    const fs::path info = fs::path(entry.file).replace_extension(kInfoExtension);
    const std::string text = infoText(entry);
    if (!writeWhole(entry.file, list.bytes.data(), list.bytes.size()) || !writeWhole(info, text.data(), text.size())) {
        removeEntry(entry);
        return Status{Error::Io, "Can't keep the list in " + utf8Path(folder_) + "."};
    }
    prune();
    return entry;
}

std::vector<HistoryEntry> ListHistory::entries() const {
    std::vector<HistoryEntry> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (path.extension() != kListExtension || !isEntryName(path.stem().string()) || !it->is_regular_file(ec))
            continue;
        HistoryEntry entry;
        entry.file = path;
        entry.name = path.stem().string();
        entry.size = it->file_size(ec);
        readInfo(entry, fs::path(path).replace_extension(kInfoExtension));
        out.push_back(std::move(entry));
    }
    std::sort(out.begin(), out.end(), [](const HistoryEntry& a, const HistoryEntry& b) { return a.name > b.name; });
    return out;
}

Result<std::vector<std::uint8_t>> ListHistory::read(const HistoryEntry& entry) const {
    if (auto bytes = readWhole(entry.file)) return std::move(*bytes);
    return Status{Error::NotFound, fileErrorText(Error::NotFound, utf8Path(entry.file))};
}

int ListHistory::prune() {
    std::vector<HistoryEntry> all = entries();
    std::uintmax_t total = 0;
    for (const HistoryEntry& e : all) total += e.size;
    int removed = 0;
    // The newest entry stays whatever its size.
    while (all.size() > 1 && (all.size() > bounds_.maxEntries || total > bounds_.maxBytes)) {
        total -= all.back().size;
        removeEntry(all.back());
        all.pop_back();
        ++removed;
    }
    return removed;
}

}  // namespace dorvane
