#include "core/database/receiver_database.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace dorvane {

namespace {

constexpr std::size_t kNameBytesPerGroup = 2 * kGroupNameSize;

bool validChannel(int channel) { return channel >= 0 && channel < kChannelSlots; }
bool validGroup(int group) { return group >= 0 && group < kFavoriteGroups; }

std::string favName(int number) {
    char text[kGroupNameSize];
    std::snprintf(text, sizeof text, "Fav %d", number);
    return text;
}

}  // namespace

ReceiverDatabase::ReceiverDatabase() { clear(); }

void ReceiverDatabase::clear() {
    std::memset(satellites_.data(), 0, sizeof satellites_);
    order_.fill(0);
    std::memset(transponders_.data(), 0, sizeof transponders_);
    std::memset(channels_.data(), 0, sizeof channels_);
    for (auto& group : favorites_) group.fill(0);
    groupNames_.fill(0);
    prefix_.fill(0);
    std::memset(&header_, 0, sizeof header_);
    tvList_.fill(0);
    radioList_.fill(0);
    tvCount_ = radioCount_ = 0;
    groupView_.fill({0, 0});
    groupViewCount_ = 0;
    channelsPerSatellite_.fill(0);
    transpondersPerSatellite_.fill(0);
    channelsPerTransponder_.fill(0);
}

bool ReceiverDatabase::sameTables(const ReceiverDatabase& other) const {
    auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    return same(satellites_, other.satellites_) && same(order_, other.order_) &&
           same(transponders_, other.transponders_) && same(channels_, other.channels_) &&
           same(favorites_, other.favorites_) && same(groupNames_, other.groupNames_) && same(prefix_, other.prefix_) &&
           same(header_, other.header_);
}

void ReceiverDatabase::clearForFilling() {
    std::memset(satellites_.data(), 0, sizeof satellites_);
    order_.fill(0);
    std::memset(transponders_.data(), 0, sizeof transponders_);
    groupNames_.fill(0);
    prefix_.fill(0);
    std::memset(&header_, 0, sizeof header_);
    tvCount_ = radioCount_ = 0;
    groupViewCount_ = 0;
    channelsPerSatellite_.fill(0);
    transpondersPerSatellite_.fill(0);
    channelsPerTransponder_.fill(0);
}

int ReceiverDatabase::groupSize(int group) const {
    const auto& slots = favorites_[checked(group, kFavoriteGroups)];
    int size = 0;
    while (size < kGroupSlots && validChannel(slots[size])) ++size;
    return size;
}

std::string ReceiverDatabase::tvGroupName(int group) const {
    return fixedText(
        reinterpret_cast<const char*>(groupNames_.data()) + checked(group, kFavoriteGroups) * kNameBytesPerGroup,
        kGroupNameSize);
}

std::string ReceiverDatabase::radioGroupName(int group) const {
    return fixedText(reinterpret_cast<const char*>(groupNames_.data()) +
                         checked(group, kFavoriteGroups) * kNameBytesPerGroup + kGroupNameSize,
                     kGroupNameSize);
}

void ReceiverDatabase::setTvGroupName(int group, std::string_view name) {
    setFixedText(reinterpret_cast<char*>(groupNames_.data()) + checked(group, kFavoriteGroups) * kNameBytesPerGroup,
                 kGroupNameSize, name);
}

void ReceiverDatabase::setRadioGroupName(int group, std::string_view name) {
    setFixedText(reinterpret_cast<char*>(groupNames_.data()) + checked(group, kFavoriteGroups) * kNameBytesPerGroup +
                     kGroupNameSize,
                 kGroupNameSize, name);
}

std::span<std::uint8_t, kFavoriteGroups * 2 * kGroupNameSize> ReceiverDatabase::groupNameBytes() { return groupNames_; }

std::span<const std::uint8_t, kFavoriteGroups * 2 * kGroupNameSize> ReceiverDatabase::groupNameBytes() const {
    return groupNames_;
}

void ReceiverDatabase::resetChannel(int number) {
    ChannelRecord& c = channel(number);
    std::memset(&c, 0, sizeof c);
    c.lead = 0x80;
    setFixedText(c.name, "----");
}

void ReceiverDatabase::setDefaultFavorites() {
    groupNames_.fill(0);
    for (int g = 0; g < kFavoriteGroups; ++g) {
        setRadioGroupName(g, favName(g + 1));
        if (g >= 5) setTvGroupName(g, favName(g - 4));
        favorites_[g].fill(-1);
    }
}

int ReceiverDatabase::buildKindLists() {
    tvCount_ = radioCount_ = 0;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = channels_[n];
        if (c.transponder == kDeletedTransponder) continue;
        if (c.flags & kFlagTv)
            tvList_[tvCount_++] = n;
        else if ((c.flags & 0x3) == kFlagRadio)
            radioList_[radioCount_++] = n;
    }
    return selectGroupMembers(kKindTv, 0);
}

int ReceiverDatabase::selectGroupMembers(int kind, int group) {
    groupViewCount_ = 0;
    if (!validGroup(group)) return 0;
    int used = 0;
    for (int s = 0; s < kGroupSlots; ++s) {
        const int member = favorites_[group][s];
        if (!validChannel(member)) continue;
        ++used;
        if (channelKind(channels_[member]) == kind) groupView_[groupViewCount_++] = {member, s};
    }
    return used;
}

void ReceiverDatabase::recount() {
    channelsPerSatellite_.fill(0);
    transpondersPerSatellite_.fill(0);
    channelsPerTransponder_.fill(0);
    for (const ChannelRecord& c : channels_) {
        if (c.flags == 0) continue;
        if (c.satellite < kSatelliteSlots) ++channelsPerSatellite_[c.satellite];
        if (c.transponder < kTransponderSlots) ++channelsPerTransponder_[c.transponder];
    }
    for (const TransponderRecord& t : transponders_)
        if (t.satellite >= 1 && t.satellite <= kEditableSatellites) ++transpondersPerSatellite_[t.satellite - 1];
}

int ReceiverDatabase::addSatellite() {
    for (int s = 0; s < kEditableSatellites; ++s) {
        SatelliteRecord& sat = satellites_[s];
        if (satelliteInUse(sat)) continue;
        std::memset(&sat, 0, sizeof sat);
        char name[sizeof sat.name];
        std::snprintf(name, sizeof name, "SAT %d", s + 1);
        setFixedText(sat.name, name);
        sat.lnbFrequency = 10600;
        sat.dishPosition = 29;
        // Listed and saved like the others: it takes a place in the order
        // list, and the file's satellite section reaches as far as its slot.
        if (header_.satelliteCount < s + 1) header_.satelliteCount = static_cast<std::uint16_t>(s + 1);
        if (satelliteOrderPosition(s) < 0) {
            for (int position = 0; position < kEditableSatellites; ++position) {
                if (order_[position] != 0) continue;
                order_[position] = static_cast<std::uint8_t>(s + 1);
                if (header_.satelliteCount < position + 1)
                    header_.satelliteCount = static_cast<std::uint16_t>(position + 1);
                break;
            }
        }
        return s;
    }
    return -1;
}

int ReceiverDatabase::addTransponder(int satelliteSlot) {
    if (satelliteSlot < 0 || satelliteSlot >= kEditableSatellites) return -1;
    for (int t = 0; t < kTransponderSlots; ++t) {
        if (!transponderFree(transponders_[t])) continue;
        TransponderRecord& tp = transponders_[t];
        std::memset(&tp, 0, sizeof tp);
        tp.satellite = static_cast<std::uint8_t>(satelliteSlot + 1);
        tp.fec = 12;  // Auto
        tp.transmission = 1;
        tp.modulation = 2;
        return t;
    }
    return -1;
}

int ReceiverDatabase::duplicateTransponder(int source) {
    if (source < 0 || source >= kTransponderSlots) return -1;
    for (int t = 0; t < kTransponderSlots; ++t) {
        if (!transponderFree(transponders_[t])) continue;
        transponders_[t] = transponders_[source];
        return t;
    }
    return -1;
}

int ReceiverDatabase::duplicateChannel(int source) {
    if (!validChannel(source)) return -1;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (!channelFree(channels_[n])) continue;
        channels_[n] = channels_[source];
        return n;
    }
    return -1;
}

void ReceiverDatabase::deleteChannel(int number) {
    if (!validChannel(number)) return;
    ChannelRecord& c = channels_[number];
    std::memset(&c, 0, sizeof c);
    c.word20 = 0xFFFF;
    c.transponder = kDeletedTransponder;
    removeFromAllGroups(number);
}

void ReceiverDatabase::deleteTransponder(int number) {
    if (number < 0 || number >= kTransponderSlots) return;
    std::memset(&transponders_[number], 0, sizeof(TransponderRecord));
    for (int n = 0; n < kChannelSlots; ++n)
        if (channels_[n].transponder == number) deleteChannel(n);
}

void ReceiverDatabase::deleteSatellite(int slot) {
    if (slot < 0 || slot >= kSatelliteSlots) return;
    std::memset(&satellites_[slot], 0, sizeof(SatelliteRecord));
    for (int n = 0; n < kChannelSlots; ++n)
        if (channels_[n].satellite == slot) deleteChannel(n);
    for (int t = 0; t < kTransponderSlots; ++t)
        if (transponders_[t].satellite == slot + 1) deleteTransponder(t);
}

void ReceiverDatabase::setMoveMark(int number) {
    if (validChannel(number)) channels_[number].flags |= kFlagMoveMark;
}

void ReceiverDatabase::moveMarkedChannels(int destination) {
    if (destination < 0 || destination > kChannelSlots) return;
    auto* table = channels_.data();
    int w = destination - 1;
    for (int i = destination - 1; i >= 0; --i) {
        if (!(table[i].flags & kFlagMoveMark)) continue;
        std::rotate(table + i, table + i + 1, table + w + 1);
        table[w].flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
        --w;
    }
    w = destination;
    for (int i = destination; i < kChannelSlots; ++i) {
        if (!(table[i].flags & kFlagMoveMark)) continue;
        std::rotate(table + w, table + i, table + i + 1);
        table[w].flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
        ++w;
    }
}

bool ReceiverDatabase::addToGroup(int group, int number, int slot) {
    if (!validGroup(group) || !validChannel(number) || slot < 0 || slot >= kGroupSlots) return false;
    auto& slots = favorites_[group];
    if (std::find(slots.begin(), slots.end(), number) != slots.end()) return false;
    slots[slot] = static_cast<std::int16_t>(number);
    if (groupViewCount_ < kGroupSlots) groupView_[groupViewCount_++] = {number, slot};
    return true;
}

bool ReceiverDatabase::removeGroupMemberAt(int group, int viewPosition) {
    if (!validGroup(group) || viewPosition < 0 || viewPosition >= groupViewCount_) return false;
    auto& slots = favorites_[group];
    const int s = groupView_[viewPosition].slot;
    std::copy(slots.begin() + s + 1, slots.end(), slots.begin() + s);
    slots[kGroupSlots - 1] = -1;
    for (int k = viewPosition; k + 1 < groupViewCount_; ++k) {
        groupView_[k] = groupView_[k + 1];
        --groupView_[k].slot;
    }
    --groupViewCount_;
    return true;
}

bool ReceiverDatabase::removeFromGroup(int group, int number) {
    if (!validGroup(group)) return false;
    auto& slots = favorites_[group];
    const auto it = std::find(slots.begin(), slots.end(), number);
    if (it == slots.end() || number < 0) return false;
    std::copy(it + 1, slots.end(), it);
    slots[kGroupSlots - 1] = -1;
    return true;
}

void ReceiverDatabase::removeFromAllGroups(int number) {
    for (int g = 0; g < kFavoriteGroups; ++g) removeFromGroup(g, number);
}

void ReceiverDatabase::moveGroupMember(int group, int from, int to) {
    if (!validGroup(group) || from < 0 || from >= groupViewCount_ || to < -1 || to >= groupViewCount_) return;
    auto& slots = favorites_[group];
    auto* view = groupView_.data();
    const int moving = view[from].channel;
    auto place = [&](int k, int member) {
        view[k].channel = member;
        slots[view[k].slot] = static_cast<std::int16_t>(member);
    };
    if (from < to) {
        channels_[moving].flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
        for (int k = from; k < to; ++k) place(k, view[k + 1].channel);
        place(to, moving);
    } else if (from > to + 1) {
        channels_[moving].flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
        for (int k = from; k >= to + 2; --k) place(k, view[k - 1].channel);
        place(to + 1, moving);
    }
}

int ReceiverDatabase::satelliteOrderPosition(int slot) const {
    for (int i = 0; i < kEditableSatellites; ++i)
        if (order_[i] == slot + 1) return i;
    return -1;
}

int ReceiverDatabase::compareChannels(int a, int b, int order) const {
    switch (order) {
        case 0: return a - b;
        case 1: {
            const ChannelRecord& ca = channel(a);
            const ChannelRecord& cb = channel(b);
            const int byOrder = satelliteOrderPosition(ca.satellite) - satelliteOrderPosition(cb.satellite);
            if (byOrder != 0) return byOrder;
            return static_cast<int>(ca.transponder) - static_cast<int>(cb.transponder);
        }
        case 2: {
            const auto* na = reinterpret_cast<const unsigned char*>(channel(a).name);
            const auto* nb = reinterpret_cast<const unsigned char*>(channel(b).name);
            for (std::size_t i = 0; i < sizeof(ChannelRecord::name); ++i) {
                if (na[i] != nb[i]) return static_cast<int>(na[i]) - static_cast<int>(nb[i]);
                if (na[i] == 0) return 0;
            }
            return 0;
        }
        default: return 0;
    }
}

}  // namespace dorvane
