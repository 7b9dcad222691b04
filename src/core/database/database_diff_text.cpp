// The comparison of two lists as text lines.

#include "database/database_diff.h"

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

// "1 channel added", "2 channels added": `what` is the plural, its first
// word loses its "s" for one.
void count(std::vector<std::string>& parts, std::size_t n, std::string what) {
    if (n == 0) return;
    if (const auto space = what.find(' '); n == 1 && space != std::string::npos && what[space - 1] == 's')
        what.erase(space - 1, 1);
    parts.push_back(std::to_string(n) + " " + what);
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
    count(parts, d.channelsAdded.size(), "channels added");
    count(parts, d.channelsRemoved.size(), "channels removed");
    count(parts, d.renamed.size(), "renamed");
    count(parts, d.moved.size(), "moved");
    count(parts, d.pidsChanged.size(), "with PIDs changed");
    count(parts, d.otherChanged.size(), "with other changes");
    count(parts, d.favouritesChanged.size(), "favourite groups changed");
    count(parts, d.satellitesAdded.size(), "satellites added");
    count(parts, d.satellitesRemoved.size(), "satellites removed");
    count(parts, d.satellitesChanged.size(), "satellites changed");
    if (d.satelliteOrderChanged) parts.push_back("satellite order changed");
    count(parts, d.transpondersAdded.size(), "transponders added");
    count(parts, d.transpondersRemoved.size(), "transponders removed");
    count(parts, d.transpondersChanged.size(), "transponders changed");
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
    for (const auto& s : d.satellitesChanged) lines.push_back("Changed satellite " + s.what + ": " + joined(s.fields, ", "));
    if (d.satelliteOrderChanged) lines.push_back("The satellite order changed");
    for (const auto& t : d.transpondersAdded) lines.push_back("Added transponder " + t);
    for (const auto& t : d.transpondersRemoved) lines.push_back("Removed transponder " + t);
    for (const auto& t : d.transpondersChanged)
        lines.push_back("Changed transponder " + t.what + ": " + joined(t.fields, ", "));
    return lines;
}

}  // namespace dorvane
