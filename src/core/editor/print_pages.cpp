#include "core/editor/print_pages.h"

#include <algorithm>

#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

// Names are Latin-1 in the file.
std::string utf8(const std::string& latin1) {
    std::string text;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

std::string kindText(const ChannelRecord& c) {
    switch (channelKind(c)) {
        case kKindTv: return "TV";
        case kKindRadio: return "Radio";
        default: return "";
    }
}

std::string satelliteText(const ReceiverDatabase& db, const ChannelRecord& c) {
    if (c.satellite >= kSatelliteSlots) return {};
    const SatelliteRecord& s = db.satellite(c.satellite);
    return utf8(fixedText(s.name)) + " (" + locationText(s.location) + ")";
}

std::vector<std::string> channelRow(const ReceiverDatabase& db, int n) {
    const ChannelRecord& c = db.channel(n);
    const TransponderRecord& tp = db.transponder(c.transponder);
    return {std::to_string(n),
            utf8(fixedText(c.name)),
            satelliteText(db, c),
            std::to_string(tp.frequency),
            std::string(polarisationText(tp.polarisation)),
            std::to_string(c.serviceId),
            kindText(c),
            casText(c.cas)};
}

int groupsWithMembers(const ReceiverDatabase& db) {
    int groups = 0;
    for (int g = 0; g < kFavoriteGroups; ++g) groups += db.groupSize(g) > 0;
    return groups;
}

}  // namespace

std::vector<PrintTable> printTables(const ReceiverDatabase& db) {
    std::vector<PrintTable> tables;
    PrintTable channels{"Channels", {"Ch_id", "Channel", "Satellite", "Freq.", "Pol", "Service id", "Type", "CAS"}, {}};
    for (int n = 0; n < kChannelSlots; ++n) {
        if (!channelFree(db.channel(n))) channels.rows.push_back(channelRow(db, n));
    }
    tables.push_back(std::move(channels));
    for (int g = 0; g < kFavoriteGroups; ++g) {
        if (db.groupSize(g) == 0) continue;
        PrintTable group{"Favourite group " + std::to_string(g + 1) + ": " + utf8(db.tvGroupName(g)) + " / " +
                             utf8(db.radioGroupName(g)),
                         {"Place", "Channel", "Satellite", "Type", "Ch_id"},
                         {}};
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = db.groupSlot(g, s);
            if (member < 0 || member >= kChannelSlots || channelFree(db.channel(member))) continue;
            const ChannelRecord& c = db.channel(member);
            group.rows.push_back({std::to_string(s + 1), utf8(fixedText(c.name)), satelliteText(db, c), kindText(c),
                                  std::to_string(member)});
        }
        tables.push_back(std::move(group));
    }
    return tables;
}

std::string printHeading(const ReceiverDatabase& db, const std::string& fileName, const std::string& date) {
    int channels = 0, tv = 0, radio = 0, transponders = 0, satellites = 0;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (channelFree(c)) continue;
        ++channels;
        tv += channelKind(c) == kKindTv;
        radio += channelKind(c) == kKindRadio;
    }
    for (int t = 0; t < kTransponderSlots; ++t) transponders += !transponderFree(db.transponder(t));
    for (int s = 0; s < kEditableSatellites; ++s) satellites += satelliteInUse(db.satellite(s));
    return fileName + ", " + date + ": " + std::to_string(channels) + " channels (" + std::to_string(tv) + " TV, " +
           std::to_string(radio) + " radio), " + std::to_string(transponders) + " transponders, " +
           std::to_string(satellites) + " satellites, " + std::to_string(groupsWithMembers(db)) + " favourite groups";
}

std::vector<PrintPage> paginate(const std::vector<PrintTable>& tables, const std::string& heading, int rowsPerPage) {
    const std::size_t perPage = static_cast<std::size_t>(std::max(rowsPerPage, 1));
    std::vector<PrintPage> pages;
    for (const PrintTable& table : tables) {
        std::size_t start = 0;
        do {
            const std::size_t end = std::min(table.rows.size(), start + perPage);
            PrintPage page{heading, table.title, table.columns, {}, {}};
            page.rows.assign(table.rows.begin() + static_cast<std::ptrdiff_t>(start),
                             table.rows.begin() + static_cast<std::ptrdiff_t>(end));
            if (start > 0) page.title += " (continued)";
            pages.push_back(std::move(page));
            start = end;
        } while (start < table.rows.size());
    }
    for (std::size_t i = 0; i < pages.size(); ++i)
        pages[i].footer = "Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size());
    return pages;
}

}  // namespace dorvane
