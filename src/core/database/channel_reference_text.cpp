// Reference lists as text: names one a line, identity rows, or a table with
// a header row.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "core/database/channel_order.h"

namespace dorvane {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::optional<int> integer(std::string_view text, int max) {
    const std::string t = trimmed(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || value < 0 || value > max) return std::nullopt;
    return value;
}

// UTF-8 to the Latin-1 of the records, where every character fits; other
// bytes stay as they are.
std::string latin1(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b == 0xC2 || b == 0xC3) && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            out += static_cast<char>(((b & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

char separatorOf(std::string_view line) {
    const auto count = [line](char c) { return std::count(line.begin(), line.end(), c); };
    if (count('\t') > 0) return '\t';
    return count(';') > count(',') ? ';' : ',';
}

// Fields split at the separator; quotes around a field keep it whole.
std::vector<std::string> fields(std::string_view line, char separator) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                out.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == separator && !quoted) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    for (std::string& f : out) f = trimmed(f);
    return out;
}

// "19.2E", "13E", "30W": tenths of a degree as the records store them.
std::optional<int> location(const std::string& text) {
    if (text.size() < 2) return std::nullopt;
    const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (side != 'E' && side != 'W') return std::nullopt;
    const std::string number = text.substr(0, text.size() - 1);
    const auto dot = number.find('.');
    const auto whole = integer(number.substr(0, dot), 180);
    const auto tenth = dot == std::string::npos ? std::optional<int>(0) : integer(number.substr(dot + 1), 9);
    if (!whole || !tenth || (dot != std::string::npos && number.size() != dot + 2)) return std::nullopt;
    const int value = *whole * 10 + *tenth;
    return side == 'E' ? value : 3600 - value;
}

void setSatellite(ReferenceChannel& r, const std::string& text) {
    if (const auto at = location(text))
        r.satelliteLocation = *at;
    else if (const auto number = integer(text, kEditableSatellites))
        r.satelliteNumber = *number;
    else
        r.satelliteName = latin1(text);
}

std::optional<int> polarisation(const std::string& text) {
    const char c = text.empty() ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (c == 'H' || c == 'L') return 1;
    if (c == 'V' || c == 'R') return 0;
    return std::nullopt;
}

// satellite, frequency, polarisation, service id [, name]; nothing when the
// line is not such a row (it is then a name).
std::optional<ReferenceChannel> identityRow(const std::string& line) {
    const std::vector<std::string> f = fields(line, separatorOf(line));
    if (f.size() != 4 && f.size() != 5) return std::nullopt;
    const auto frequency = integer(f[1], 65535);
    const auto pol = polarisation(f[2]);
    const auto sid = integer(f[3], 65535);
    if (!frequency || !pol || !sid || f[0].empty()) return std::nullopt;
    ReferenceChannel r;
    setSatellite(r, f[0]);
    r.frequency = *frequency;
    r.polarisation = *pol;
    r.serviceId = *sid;
    if (f.size() == 5) r.name = latin1(f[4]);
    return r;
}

struct Line {
    int number;
    std::string text;
};

std::vector<Line> linesOf(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        ++number;
        const std::string line = trimmed(text.substr(0, end));
        if (!line.empty() && line[0] != '#') lines.push_back({number, line});
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

Result<ChannelReference> fromTable(const std::vector<Line>& lines) {
    const char separator = separatorOf(lines[0].text);
    const std::vector<std::string> header = fields(lines[0].text, separator);
    auto column = [&](const char* name) {
        for (std::size_t k = 0; k < header.size(); ++k) {
            if (lower(header[k]) == name) return static_cast<int>(k);
        }
        return -1;
    };
    const int sat = column("satellite"), freq = column("frequency"), pol = column("polarisation");
    const int sid = column("serviceid"), name = column("name");
    ChannelReference ref;
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const std::vector<std::string> f = fields(lines[k].text, separator);
        auto cell = [&f](int c) {
            return c >= 0 && static_cast<std::size_t>(c) < f.size() ? f[static_cast<std::size_t>(c)] : std::string();
        };
        ReferenceChannel r;
        if (!cell(sat).empty()) setSatellite(r, cell(sat));
        r.frequency = integer(cell(freq), 65535).value_or(-1);
        r.polarisation = polarisation(cell(pol)).value_or(-1);
        r.serviceId = integer(cell(sid), 65535).value_or(-1);
        r.name = latin1(cell(name));
        if (!r.hasIdentity() && r.name.empty())
            return Result<ChannelReference>(Error::Corrupt, "line " + std::to_string(lines[k].number) +
                                                                ": neither a name nor frequency and service id");
        ref.channels.push_back(std::move(r));
    }
    return ref;
}

}  // namespace

Result<ChannelReference> parseReferenceText(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        return Result<ChannelReference>(Error::Corrupt, "not a text list (it holds NUL bytes)");
    const std::vector<Line> lines = linesOf(text);
    if (lines.empty()) return Result<ChannelReference>(Error::Corrupt, "the list names no channel");
    const std::vector<std::string> first = fields(lines[0].text, separatorOf(lines[0].text));
    const bool table = std::any_of(first.begin(), first.end(),
                                   [](const std::string& f) {
                                       const std::string l = lower(f);
                                       return l == "serviceid" || l == "name";
                                   }) &&
                       first.size() > 1;
    if (table) return fromTable(lines);
    ChannelReference ref;
    for (const Line& line : lines) {
        if (auto row = identityRow(line.text)) {
            ref.channels.push_back(std::move(*row));
        } else {
            ReferenceChannel r;
            r.name = latin1(line.text);
            ref.channels.push_back(std::move(r));
        }
    }
    return ref;
}

}  // namespace dorvane
