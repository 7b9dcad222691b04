#include "core/database/database_diff.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <set>

namespace dorvane {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string change(const char* field, long before, long after) {
    return std::string(field) + " " + std::to_string(before) + " -> " + std::to_string(after);
}

std::string hexChange(const char* field, unsigned before, unsigned after) {
    char text[64];
    std::snprintf(text, sizeof text, "%s 0x%04X -> 0x%04X", field, before, after);
    return text;
}

// ---- identities -----------------------------------------------------------------------

std::string satelliteKey(const ReceiverDatabase& db, int slot) {
    const SatelliteRecord& s = db.satellite(slot);
    if (s.location >= 1 && s.location <= 3599) return "L" + std::to_string(s.location);
    return "N" + fixedText(s.name);
}

// "19.2E", "30.0W" (tenths of a degree, as the editor's Location column);
// empty out of range.
std::string positionText(std::int16_t location) {
    if (location < 1 || location > 3599) return {};
    const int tenths = location > 1800 ? 3600 - location : location;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + (location > 1800 ? "W" : "E");
}

std::string satelliteText(const ReceiverDatabase& db, int slot) {
    const SatelliteRecord& s = db.satellite(slot);
    const std::string position = positionText(s.location);
    return position.empty() ? fixedText(s.name) : position;
}

std::string transponderKey(const ReceiverDatabase& db, int number) {
    const TransponderRecord& t = db.transponder(number);
    const int slot = std::min(t.satellite > 0 ? t.satellite - 1 : 0, kSatelliteSlots - 1);
    return satelliteKey(db, slot) + "|" + std::to_string(t.frequency) + (t.polarisation != 0 ? "H" : "V");
}

std::string transponderText(const ReceiverDatabase& db, int number) {
    const TransponderRecord& t = db.transponder(number);
    const int slot = std::min(t.satellite > 0 ? t.satellite - 1 : 0, kSatelliteSlots - 1);
    return satelliteText(db, slot) + " " + std::to_string(t.frequency) + (t.polarisation != 0 ? " H" : " V");
}

std::string channelKey(const ReceiverDatabase& db, int number) {
    const ChannelRecord& c = db.channel(number);
    return transponderKey(db, c.transponder) + "|" + std::to_string(c.serviceId);
}

ChannelRef channelRef(const ReceiverDatabase& db, int number) {
    const ChannelRecord& c = db.channel(number);
    const TransponderRecord& t = db.transponder(c.transponder);
    return ChannelRef{number,      fixedText(c.name),   satelliteText(db, c.satellite),
                      t.frequency, t.polarisation != 0, c.serviceId};
}

// Keys in table order, and where each key stands (several for duplicates).
struct Keyed {
    std::vector<std::pair<std::string, int>> order;
    std::map<std::string, std::deque<int>> where;

    void add(std::string key, int index) {
        where[key].push_back(index);
        order.emplace_back(std::move(key), index);
    }
};

// Pairs A's indexes with B's of the same key, in order; -1 for none.
std::map<int, int> pairUp(const Keyed& a, Keyed b) {
    std::map<int, int> pairs;
    for (const auto& [key, index] : a.order) {
        auto it = b.where.find(key);
        if (it == b.where.end() || it->second.empty()) {
            pairs[index] = -1;
            continue;
        }
        pairs[index] = it->second.front();
        it->second.pop_front();
    }
    return pairs;
}

// ---- channels --------------------------------------------------------------------------------

Keyed usedChannels(const ReceiverDatabase& db) {
    Keyed keyed;
    for (int n = 0; n < kChannelSlots; ++n)
        if (!channelFree(db.channel(n))) keyed.add(channelKey(db, n), n);
    return keyed;
}

std::vector<std::string> pidChanges(const ChannelRecord& a, const ChannelRecord& b) {
    std::vector<std::string> out;
    if (a.videoPid != b.videoPid) out.push_back(change("VPid", a.videoPid, b.videoPid));
    if (a.audioPid != b.audioPid) out.push_back(change("APid", a.audioPid, b.audioPid));
    if (a.pcrPid != b.pcrPid) out.push_back(change("PPid", a.pcrPid, b.pcrPid));
    if (a.teletextPid != b.teletextPid) out.push_back(change("ttxt", a.teletextPid, b.teletextPid));
    return out;
}

std::vector<std::string> otherChanges(const ChannelRecord& a, const ChannelRecord& b) {
    std::vector<std::string> out;
    const unsigned flagsA = a.flags & ~kFlagMoveMark;
    const unsigned flagsB = b.flags & ~kFlagMoveMark;
    if (flagsA != flagsB) out.push_back(hexChange("flags", flagsA, flagsB));
    if (a.cas != b.cas) out.push_back(hexChange("CAS", a.cas, b.cas));
    if (a.videoType != b.videoType) out.push_back(change("video type", a.videoType, b.videoType));
    if (a.lead != b.lead || a.word20 != b.word20 || a.carried30 != b.carried30 || a.carried34 != b.carried34)
        out.push_back("other bytes");
    return out;
}

// The matched channels that are not on a longest common run of the two
// orders: the fewest that had to move.
std::vector<std::pair<int, int>> movedPairs(const std::vector<std::pair<int, int>>& matched) {
    const std::size_t n = matched.size();
    std::vector<int> tailIndex;  // index into matched of the tail of each run length
    std::vector<int> previous(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        const int value = matched[i].second;
        auto it = std::lower_bound(tailIndex.begin(), tailIndex.end(), value,
                                   [&](int idx, int v) { return matched[static_cast<std::size_t>(idx)].second < v; });
        if (it != tailIndex.begin()) previous[i] = *(it - 1);
        if (it == tailIndex.end())
            tailIndex.push_back(static_cast<int>(i));
        else
            *it = static_cast<int>(i);
    }
    std::vector<bool> stays(n, false);
    for (int i = tailIndex.empty() ? -1 : tailIndex.back(); i >= 0; i = previous[static_cast<std::size_t>(i)])
        stays[static_cast<std::size_t>(i)] = true;
    std::vector<std::pair<int, int>> out;
    for (std::size_t i = 0; i < n; ++i)
        if (!stays[i]) out.push_back(matched[i]);
    return out;
}

std::map<int, int> compareChannels(const ReceiverDatabase& a, const ReceiverDatabase& b, DatabaseDiff& diff) {
    const Keyed keyedA = usedChannels(a);
    const Keyed keyedB = usedChannels(b);
    const std::map<int, int> pairs = pairUp(keyedA, keyedB);
    std::set<int> matchedB;
    std::vector<std::pair<int, int>> matched;  // in A's order
    for (const auto& [key, na] : keyedA.order) {
        const int nb = pairs.at(na);
        if (nb < 0) {
            diff.channelsRemoved.push_back(channelRef(a, na));
            continue;
        }
        matchedB.insert(nb);
        matched.emplace_back(na, nb);
        const ChannelRecord& ca = a.channel(na);
        const ChannelRecord& cb = b.channel(nb);
        const ChannelChange base{channelRef(a, na), channelRef(b, nb), {}};
        if (base.before.name != base.after.name) diff.renamed.push_back(base);
        if (auto pids = pidChanges(ca, cb); !pids.empty()) diff.pidsChanged.push_back({base.before, base.after, pids});
        if (auto other = otherChanges(ca, cb); !other.empty())
            diff.otherChanged.push_back({base.before, base.after, other});
    }
    for (const auto& [key, nb] : keyedB.order)
        if (!matchedB.count(nb)) diff.channelsAdded.push_back(channelRef(b, nb));
    for (const auto& [na, nb] : movedPairs(matched)) diff.moved.push_back({channelRef(a, na), channelRef(b, nb), {}});
    return pairs;
}

// ---- satellites and transponders ------------------------------------------------------------

std::vector<std::string> satelliteChanges(const SatelliteRecord& a, const SatelliteRecord& b) {
    std::vector<std::string> out;
    if (fixedText(a.name) != fixedText(b.name))
        out.push_back("name " + quoted(fixedText(a.name)) + " -> " + quoted(fixedText(b.name)));
    if (a.location != b.location) out.push_back(change("location", a.location, b.location));
    if (a.lnbFrequency != b.lnbFrequency) out.push_back(change("LNB frequency", a.lnbFrequency, b.lnbFrequency));
    if (a.lnbType != b.lnbType) out.push_back(change("LNB type", a.lnbType, b.lnbType));
    if (a.lnbPower != b.lnbPower) out.push_back(change("LNB power", a.lnbPower, b.lnbPower));
    if (a.tone22k != b.tone22k) out.push_back(change("22 kHz", a.tone22k, b.tone22k));
    if (a.diseqcType != b.diseqcType) out.push_back(change("DiSEqC", a.diseqcType, b.diseqcType));
    if (a.diseqcPort != b.diseqcPort) out.push_back(change("DiSEqC port", a.diseqcPort, b.diseqcPort));
    if (a.dishPosition != b.dishPosition) out.push_back(change("dish position", a.dishPosition, b.dishPosition));
    if (a.carried18 != b.carried18 || a.carried20 != b.carried20 || a.lnbFrequencyChoice != b.lnbFrequencyChoice ||
        std::memcmp(a.carried30, b.carried30, sizeof a.carried30) != 0)
        out.push_back("other bytes");
    return out;
}

Keyed usedSatellites(const ReceiverDatabase& db) {
    Keyed keyed;
    for (int s = 0; s < kSatelliteSlots; ++s)
        if (satelliteInUse(db.satellite(s))) keyed.add(satelliteKey(db, s), s);
    return keyed;
}

// The satellites both lists hold, in display order.
std::vector<std::string> commonOrder(const ReceiverDatabase& db, const std::set<std::string>& common) {
    std::vector<std::string> out;
    for (int p = 0; p < kSatelliteSlots; ++p) {
        const int number = db.orderEntry(p);
        if (number == 0 || number > kSatelliteSlots) continue;
        const std::string key = satelliteKey(db, number - 1);
        if (common.count(key) && satelliteInUse(db.satellite(number - 1))) out.push_back(key);
    }
    return out;
}

void compareSatellites(const ReceiverDatabase& a, const ReceiverDatabase& b, DatabaseDiff& diff) {
    const Keyed keyedA = usedSatellites(a);
    const Keyed keyedB = usedSatellites(b);
    const std::map<int, int> pairs = pairUp(keyedA, keyedB);
    std::set<int> matchedB;
    std::set<std::string> common;
    for (const auto& [key, sa] : keyedA.order) {
        const int sb = pairs.at(sa);
        const SatelliteRef ref{positionText(a.satellite(sa).location), fixedText(a.satellite(sa).name)};
        if (sb < 0) {
            diff.satellitesRemoved.push_back(ref);
            continue;
        }
        matchedB.insert(sb);
        common.insert(key);
        if (auto fields = satelliteChanges(a.satellite(sa), b.satellite(sb)); !fields.empty())
            diff.satellitesChanged.push_back({satelliteText(a, sa) + " " + ref.name, fields});
    }
    for (const auto& [key, sb] : keyedB.order)
        if (!matchedB.count(sb))
            diff.satellitesAdded.push_back({positionText(b.satellite(sb).location), fixedText(b.satellite(sb).name)});
    diff.satelliteOrderChanged = commonOrder(a, common) != commonOrder(b, common);
}

std::vector<std::string> transponderChanges(const TransponderRecord& a, const TransponderRecord& b) {
    std::vector<std::string> out;
    if (a.symbolRate != b.symbolRate) out.push_back(change("symbol rate", a.symbolRate, b.symbolRate));
    if (a.fec != b.fec) out.push_back("FEC " + std::string(fecText(a.fec)) + " -> " + std::string(fecText(b.fec)));
    if (a.transmission != b.transmission)
        out.push_back(std::string(transmissionText(a.transmission)) + " -> " +
                      std::string(transmissionText(b.transmission)));
    if (a.modulation != b.modulation)
        out.push_back(std::string(modulationText(a.modulation)) + " -> " + std::string(modulationText(b.modulation)));
    if (a.carried6 != b.carried6 || a.carried8 != b.carried8 || a.carried10 != b.carried10 ||
        std::memcmp(a.carried12, b.carried12, sizeof a.carried12) != 0)
        out.push_back("other bytes");
    return out;
}

Keyed usedTransponders(const ReceiverDatabase& db) {
    Keyed keyed;
    for (int t = 0; t < kTransponderSlots; ++t)
        if (!transponderFree(db.transponder(t))) keyed.add(transponderKey(db, t), t);
    return keyed;
}

void compareTransponders(const ReceiverDatabase& a, const ReceiverDatabase& b, DatabaseDiff& diff) {
    const Keyed keyedA = usedTransponders(a);
    const Keyed keyedB = usedTransponders(b);
    const std::map<int, int> pairs = pairUp(keyedA, keyedB);
    std::set<int> matchedB;
    for (const auto& [key, ta] : keyedA.order) {
        const int tb = pairs.at(ta);
        if (tb < 0) {
            diff.transpondersRemoved.push_back(transponderText(a, ta));
            continue;
        }
        matchedB.insert(tb);
        if (auto fields = transponderChanges(a.transponder(ta), b.transponder(tb)); !fields.empty())
            diff.transpondersChanged.push_back({transponderText(a, ta), fields});
    }
    for (const auto& [key, tb] : keyedB.order)
        if (!matchedB.count(tb)) diff.transpondersAdded.push_back(transponderText(b, tb));
}

// ---- favourites -------------------------------------------------------------------------------

std::vector<int> members(const ReceiverDatabase& db, int group) {
    std::vector<int> out;
    for (int s = 0; s < kGroupSlots; ++s)
        if (const int c = db.groupSlot(group, s); c >= 0 && c < kChannelSlots) out.push_back(c);
    return out;
}

std::vector<std::string> groupChanges(const ReceiverDatabase& a, const ReceiverDatabase& b, int g,
                                      const std::map<int, int>& pairs) {
    std::vector<std::string> out;
    if (a.tvGroupName(g) != b.tvGroupName(g))
        out.push_back("TV name " + quoted(a.tvGroupName(g)) + " -> " + quoted(b.tvGroupName(g)));
    if (a.radioGroupName(g) != b.radioGroupName(g))
        out.push_back("radio name " + quoted(a.radioGroupName(g)) + " -> " + quoted(b.radioGroupName(g)));
    const std::vector<int> inB = members(b, g);
    std::vector<int> kept;  // A's members as B's channel numbers, in A's order
    for (int c : members(a, g)) {
        const auto it = pairs.find(c);
        const int nb = it == pairs.end() ? -1 : it->second;
        if (nb >= 0 && std::find(inB.begin(), inB.end(), nb) != inB.end())
            kept.push_back(nb);
        else
            out.push_back("- " + quoted(fixedText(a.channel(c).name)));
    }
    std::vector<int> keptInB;
    for (int nb : inB) {
        if (std::find(kept.begin(), kept.end(), nb) != kept.end())
            keptInB.push_back(nb);
        else
            out.push_back("+ " + quoted(fixedText(b.channel(nb).name)));
    }
    if (kept != keptInB) out.push_back("order changed");
    return out;
}

}  // namespace

bool DatabaseDiff::equal() const {
    return channelsAdded.empty() && channelsRemoved.empty() && renamed.empty() && moved.empty() &&
           pidsChanged.empty() && otherChanged.empty() && satellitesAdded.empty() && satellitesRemoved.empty() &&
           satellitesChanged.empty() && !satelliteOrderChanged && transpondersAdded.empty() &&
           transpondersRemoved.empty() && transpondersChanged.empty() && favouritesChanged.empty();
}

DatabaseDiff compareDatabases(const ReceiverDatabase& a, const ReceiverDatabase& b) {
    DatabaseDiff diff;
    const std::map<int, int> pairs = compareChannels(a, b, diff);
    compareSatellites(a, b, diff);
    compareTransponders(a, b, diff);
    for (int g = 0; g < kFavoriteGroups; ++g)
        if (auto fields = groupChanges(a, b, g, pairs); !fields.empty()) diff.favouritesChanged.push_back({g, fields});
    return diff;
}

std::string identityText(const ChannelRef& c) {
    return c.satellite + " " + std::to_string(c.frequency) + (c.horizontal ? " H" : " V") + " sid " +
           std::to_string(c.serviceId);
}

}  // namespace dorvane
