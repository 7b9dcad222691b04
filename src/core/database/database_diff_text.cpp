// The comparison of two lists as text lines.

#include "core/database/database_diff.h"

namespace dorvane {

namespace {

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

void count(std::vector<std::string>& parts, std::size_t n, const char* one, const char* many) {
    if (n > 0) parts.push_back(std::to_string(n) + " " + (n == 1 ? one : many));
}

std::string channelText(const ChannelRef& c) {
    return std::to_string(c.number) + " \"" + c.name + "\" (" + identityText(c) + ")";
}

std::string satelliteRefText(const SatelliteRef& s) {
    return s.location.empty() ? "\"" + s.name + "\"" : s.location + " \"" + s.name + "\"";
}

}  // namespace

std::string diffSummary(const DatabaseDiff& d) {
    if (d.equal()) return "No differences.";
    std::vector<std::string> parts;
    count(parts, d.channelsAdded.size(), "channel added", "channels added");
    count(parts, d.channelsRemoved.size(), "channel removed", "channels removed");
    count(parts, d.renamed.size(), "renamed", "renamed");
    count(parts, d.moved.size(), "moved", "moved");
    count(parts, d.pidsChanged.size(), "with PIDs changed", "with PIDs changed");
    count(parts, d.otherChanged.size(), "with other changes", "with other changes");
    count(parts, d.favouritesChanged.size(), "favourite group changed", "favourite groups changed");
    count(parts, d.satellitesAdded.size(), "satellite added", "satellites added");
    count(parts, d.satellitesRemoved.size(), "satellite removed", "satellites removed");
    count(parts, d.satellitesChanged.size(), "satellite changed", "satellites changed");
    if (d.satelliteOrderChanged) parts.push_back("satellite order changed");
    count(parts, d.transpondersAdded.size(), "transponder added", "transponders added");
    count(parts, d.transpondersRemoved.size(), "transponder removed", "transponders removed");
    count(parts, d.transpondersChanged.size(), "transponder changed", "transponders changed");
    return joined(parts, ", ") + ".";
}

std::vector<std::string> diffLines(const DatabaseDiff& d) {
    std::vector<std::string> lines{diffSummary(d)};
    for (const auto& c : d.channelsAdded) lines.push_back("Added channel " + channelText(c));
    for (const auto& c : d.channelsRemoved) lines.push_back("Removed channel " + channelText(c));
    for (const auto& c : d.renamed)
        lines.push_back("Renamed channel " + channelText(c.before) + " to \"" + c.after.name + "\"");
    for (const auto& c : d.moved)
        lines.push_back("Moved channel " + channelText(c.before) + " to " + std::to_string(c.after.number));
    for (const auto& c : d.pidsChanged)
        lines.push_back("PIDs of channel " + channelText(c.before) + ": " + joined(c.fields, ", "));
    for (const auto& c : d.otherChanged)
        lines.push_back("Changed channel " + channelText(c.before) + ": " + joined(c.fields, ", "));
    for (const auto& f : d.favouritesChanged)
        lines.push_back("Favourite group " + std::to_string(f.group + 1) + ": " + joined(f.fields, ", "));
    for (const auto& s : d.satellitesAdded) lines.push_back("Added satellite " + satelliteRefText(s));
    for (const auto& s : d.satellitesRemoved) lines.push_back("Removed satellite " + satelliteRefText(s));
    for (const auto& s : d.satellitesChanged)
        lines.push_back("Changed satellite " + s.what + ": " + joined(s.fields, ", "));
    if (d.satelliteOrderChanged) lines.push_back("The satellite order changed");
    for (const auto& t : d.transpondersAdded) lines.push_back("Added transponder " + t);
    for (const auto& t : d.transpondersRemoved) lines.push_back("Removed transponder " + t);
    for (const auto& t : d.transpondersChanged)
        lines.push_back("Changed transponder " + t.what + ": " + joined(t.fields, ", "));
    return lines;
}

}  // namespace dorvane
