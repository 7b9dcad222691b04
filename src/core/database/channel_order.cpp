#include "core/database/channel_order.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <unordered_map>

#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool isPermutation(const ChannelOrder& order) {
    if (order.size() != at(kChannelSlots)) return false;
    std::vector<bool> seen(at(kChannelSlots), false);
    for (int n : order) {
        if (n < 0 || n >= kChannelSlots || seen[at(n)]) return false;
        seen[at(n)] = true;
    }
    return true;
}

}  // namespace

ChannelOrder unchangedOrder() {
    ChannelOrder order(at(kChannelSlots));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

bool reorderChannels(ReceiverDatabase& db, const ChannelOrder& order) {
    if (!isPermutation(order)) return false;
    std::vector<ChannelRecord> records(at(kChannelSlots));
    std::vector<int> newNumber(at(kChannelSlots));
    for (int k = 0; k < kChannelSlots; ++k) {
        records[at(k)] = db.channel(order[at(k)]);
        newNumber[at(order[at(k)])] = k;
    }
    for (int k = 0; k < kChannelSlots; ++k) db.channel(k) = records[at(k)];
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            std::int16_t& member = db.groupSlot(g, s);
            if (member >= 0 && member < kChannelSlots) member = static_cast<std::int16_t>(newNumber[at(member)]);
        }
    }
    return true;
}

ChannelOrder orderMovingTo(const std::vector<int>& channels, int position) {
    std::vector<bool> moving(at(kChannelSlots), false);
    std::vector<int> block;
    for (int n : channels) {
        if (n < 0 || n >= kChannelSlots || moving[at(n)]) continue;
        moving[at(n)] = true;
        block.push_back(n);
    }
    ChannelOrder rest;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (!moving[at(n)]) rest.push_back(n);
    }
    const int start = std::clamp(position, 0, static_cast<int>(rest.size()));
    rest.insert(rest.begin() + start, block.begin(), block.end());
    return rest;
}

ChannelOrder orderSwapping(int a, int b) {
    ChannelOrder order = unchangedOrder();
    if (a >= 0 && b >= 0 && a < kChannelSlots && b < kChannelSlots) std::swap(order[at(a)], order[at(b)]);
    return order;
}

ChannelOrder orderSortingKept(const ReceiverDatabase& db, const std::vector<int>& channels, ChannelSortKey key) {
    std::vector<int> chosen;
    std::vector<bool> seen(at(kChannelSlots), false);
    for (int n : channels) {
        if (n >= 0 && n < kChannelSlots && !seen[at(n)]) chosen.push_back(n);
        if (n >= 0 && n < kChannelSlots) seen[at(n)] = true;
    }
    std::vector<int> places = chosen;
    std::sort(places.begin(), places.end());
    std::vector<int> sorted = places;
    // Satellite positions looked up once, not per comparison.
    std::array<int, kSatelliteSlots> satellitePlace{};
    for (int s = 0; s < kSatelliteSlots; ++s) satellitePlace[at(s)] = db.satelliteOrderPosition(s);
    auto tp = [&db](const ChannelRecord& c) -> const TransponderRecord* {
        return c.transponder < kTransponderSlots ? &db.transponder(c.transponder) : nullptr;
    };
    auto less = [&](int a, int b) {
        const ChannelRecord& x = db.channel(a);
        const ChannelRecord& y = db.channel(b);
        switch (key) {
            case ChannelSortKey::Name: return db.compareChannels(a, b, 2) < 0;
            case ChannelSortKey::ServiceId: return x.serviceId < y.serviceId;
            case ChannelSortKey::SatelliteFrequency: break;
        }
        const int px = x.satellite < kSatelliteSlots ? satellitePlace[x.satellite] : -1;
        const int py = y.satellite < kSatelliteSlots ? satellitePlace[y.satellite] : -1;
        if (px != py) return px < py;
        const TransponderRecord* tx = tp(x);
        const TransponderRecord* ty = tp(y);
        const int fx = tx ? tx->frequency : -1, fy = ty ? ty->frequency : -1;
        if (fx != fy) return fx < fy;
        const int ox = tx ? (tx->polarisation != 0 ? 1 : 0) : -1;
        const int oy = ty ? (ty->polarisation != 0 ? 1 : 0) : -1;
        if (ox != oy) return ox < oy;
        return x.serviceId < y.serviceId;
    };
    std::stable_sort(sorted.begin(), sorted.end(), less);
    ChannelOrder order = unchangedOrder();
    for (std::size_t k = 0; k < places.size(); ++k) order[at(places[k])] = sorted[k];
    return order;
}

// ---- matching --------------------------------------------------------------------------

namespace {

std::string folded(std::string_view name) {
    std::string text;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        const bool capital = (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7);
        text += capital ? static_cast<char>(b + 0x20) : c;
    }
    // Spaces at either end do not make another channel.
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class Matcher {
public:
    Matcher(const ReceiverDatabase& db, const ChannelReference& reference) : db_(db), ref_(reference) {
        taken_.assign(at(kChannelSlots), false);
        for (int n = 0; n < kChannelSlots; ++n) {
            const ChannelRecord& c = db.channel(n);
            if (channelFree(c)) continue;
            used_.push_back(n);
            bySid_[c.serviceId].push_back(n);
            byName_[folded(fixedText(c.name))].push_back(n);
        }
    }

    ReferencePlan plan() {
        const int entries = static_cast<int>(ref_.channels.size());
        std::vector<int> found(at(entries), -1);
        std::vector<bool> byName(at(entries), false);
        for (int e = 0; e < entries; ++e) found[at(e)] = byIdentity(ref_.channels[at(e)]);
        for (int e = 0; e < entries; ++e) {
            if (found[at(e)] >= 0 || ref_.channels[at(e)].name.empty()) continue;
            found[at(e)] = byNameOf(ref_.channels[at(e)]);
            byName[at(e)] = found[at(e)] >= 0;
        }
        return planFrom(found, byName);
    }

private:
    bool sameSatellite(const ReferenceChannel& r, const ChannelRecord& c) const {
        if (c.satellite >= kSatelliteSlots) return false;
        const SatelliteRecord& s = db_.satellite(c.satellite);
        if (r.satelliteLocation >= 0) return s.location == r.satelliteLocation;
        if (r.satelliteNumber >= 0) return c.satellite + 1 == r.satelliteNumber;
        if (!r.satelliteName.empty()) return folded(fixedText(s.name)) == folded(r.satelliteName);
        return true;
    }

    int byIdentity(const ReferenceChannel& r) {
        if (!r.hasIdentity()) return -1;
        const auto found = bySid_.find(r.serviceId);
        if (found == bySid_.end()) return -1;
        for (int n : found->second) {
            const ChannelRecord& c = db_.channel(n);
            if (taken_[at(n)] || c.transponder >= kTransponderSlots || !sameSatellite(r, c)) continue;
            const TransponderRecord& tp = db_.transponder(c.transponder);
            if (std::abs(tp.frequency - r.frequency) > 1) continue;
            if (r.polarisation >= 0 && (tp.polarisation != 0 ? 1 : 0) != r.polarisation) continue;
            taken_[at(n)] = true;
            return n;
        }
        return -1;
    }

    int byNameOf(const ReferenceChannel& r) {
        const auto found = byName_.find(folded(r.name));
        if (found == byName_.end()) return -1;
        for (int n : found->second) {
            if (taken_[at(n)]) continue;
            taken_[at(n)] = true;
            return n;
        }
        return -1;
    }

    ReferencePlan planFrom(const std::vector<int>& found, const std::vector<bool>& byName) const {
        ReferencePlan plan;
        plan.usedChannels = static_cast<int>(used_.size());
        for (std::size_t e = 0; e < found.size(); ++e) {
            if (found[e] < 0) {
                plan.missing.push_back(static_cast<int>(e));
                continue;
            }
            plan.matched.push_back({static_cast<int>(e), found[e], byName[e]});
            byName[e] ? ++plan.byName : ++plan.byIdentity;
            plan.order.push_back(found[e]);
        }
        for (int n : used_) {
            if (!taken_[at(n)]) plan.unmatched.push_back(n);
        }
        plan.order.insert(plan.order.end(), plan.unmatched.begin(), plan.unmatched.end());
        for (int n = 0; n < kChannelSlots; ++n) {
            if (channelFree(db_.channel(n))) plan.order.push_back(n);
        }
        return plan;
    }

    const ReceiverDatabase& db_;
    const ChannelReference& ref_;
    std::vector<int> used_;
    std::vector<bool> taken_;
    std::unordered_map<int, std::vector<int>> bySid_;
    std::unordered_map<std::string, std::vector<int>> byName_;
};

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

ReferencePlan planReferenceOrder(const ReceiverDatabase& db, const ChannelReference& reference) {
    return Matcher(db, reference).plan();
}

void applyReferencePlan(ReceiverDatabase& db, const ChannelReference& reference, const ReferencePlan& plan,
                        bool takeFavourites) {
    if (takeFavourites && reference.hasFavourites) {
        std::vector<int> channelOf(reference.channels.size(), -1);
        for (const ReferenceMatch& m : plan.matched) channelOf[at(m.entry)] = m.channel;
        for (int g = 0; g < kFavoriteGroups; ++g) {
            std::vector<int> members;
            for (int entry : reference.groups[at(g)]) {
                const int n = entry >= 0 && at(entry) < channelOf.size() ? channelOf[at(entry)] : -1;
                if (n >= 0 && std::find(members.begin(), members.end(), n) == members.end()) members.push_back(n);
            }
            for (int s = 0; s < kGroupSlots; ++s) {
                db.groupSlot(g, s) = static_cast<std::int16_t>(at(s) < members.size() ? members[at(s)] : -1);
            }
            db.setTvGroupName(g, reference.tvNames[at(g)]);
            db.setRadioGroupName(g, reference.radioNames[at(g)]);
        }
    }
    reorderChannels(db, plan.order);
}

std::string referenceSummary(const ReferencePlan& plan) {
    std::string text = std::to_string(plan.matched.size()) + " of " + std::to_string(plan.usedChannels) +
                       " channels matched (" + std::to_string(plan.byIdentity) + " by identity, " +
                       std::to_string(plan.byName) + " by name); ";
    text += plan.unmatched.empty() ? std::string("none left over")
                                   : std::to_string(plan.unmatched.size()) + " not matched go to the end from number " +
                                         std::to_string(plan.unmatchedFrom());
    if (!plan.missing.empty())
        text += "; " + counted(plan.missing.size(), "reference entry", "reference entries") + " found no channel";
    return text;
}

// ---- reference sources ---------------------------------------------------------------------

ChannelReference referenceFromDatabase(const ReceiverDatabase& db) {
    ChannelReference ref;
    std::vector<int> entryOf(at(kChannelSlots), -1);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (channelFree(c)) continue;
        ReferenceChannel r;
        if (c.satellite < kSatelliteSlots) {
            r.satelliteLocation = db.satellite(c.satellite).location;
            r.satelliteName = fixedText(db.satellite(c.satellite).name);
        }
        if (c.transponder < kTransponderSlots) {
            r.frequency = db.transponder(c.transponder).frequency;
            r.polarisation = db.transponder(c.transponder).polarisation != 0 ? 1 : 0;
        }
        r.serviceId = c.serviceId;
        r.name = fixedText(c.name);
        entryOf[at(n)] = static_cast<int>(ref.channels.size());
        ref.channels.push_back(std::move(r));
    }
    ref.hasFavourites = true;
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = db.groupSlot(g, s);
            if (member >= 0 && member < kChannelSlots && entryOf[at(member)] >= 0)
                ref.groups[at(g)].push_back(entryOf[at(member)]);
        }
        ref.tvNames[at(g)] = db.tvGroupName(g);
        ref.radioNames[at(g)] = db.radioGroupName(g);
    }
    return ref;
}

Result<ChannelReference> readChannelReference(const std::filesystem::path& path) {
    // Far more than 5,000 lines of names or rows, or any channel-data file.
    constexpr std::uintmax_t kLargest = 16u << 20;
    std::ifstream in(path, std::ios::binary);
    if (!in) return Result<ChannelReference>(Error::NotFound, "File open failed!");
    std::error_code sizeError;
    if (std::filesystem::file_size(path, sizeError) > kLargest && !sizeError)
        return Result<ChannelReference>(Error::Corrupt, "too large for a reference list (more than 16 MiB)");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() >= 3 && bytes.compare(0, 3, "IRZ") == 0) {
        auto document = std::make_unique<ChannelDataDocument>();
        const Status opened = document->open(path);
        if (!opened.ok()) return Result<ChannelReference>(opened);
        return referenceFromDatabase(document->database());
    }
    return parseReferenceText(bytes);
}

}  // namespace dorvane
