// The editor session's lists and counters: what each view lists for the
// current choices and selection.

#include <algorithm>

#include "core/database/receiver_database.h"
#include "core/editor/editor_session.h"

namespace dorvane {

namespace {

// Channels bucketed by transponder, in number order: the channels of
// transponder t are bucket[start[t] .. start[t + 1]).
struct ChannelsByTransponder {
    std::vector<int> start;
    std::vector<int> bucket;
};

ChannelsByTransponder bucketChannels(const ReceiverDatabase& db) {
    ChannelsByTransponder b;
    b.start.assign(kTransponderSlots + 1, 0);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& ch = db.channel(n);
        if (ch.flags != 0 && ch.transponder < kTransponderSlots) ++b.start[ch.transponder + 1u];
    }
    for (int t = 0; t < kTransponderSlots; ++t) b.start[t + 1u] += b.start[static_cast<std::size_t>(t)];
    b.bucket.resize(static_cast<std::size_t>(b.start[kTransponderSlots]));
    std::vector<int> fill(b.start.begin(), b.start.end() - 1);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& ch = db.channel(n);
        if (ch.flags != 0 && ch.transponder < kTransponderSlots)
            b.bucket[static_cast<std::size_t>(fill[ch.transponder]++)] = n;
    }
    return b;
}

// Names are Latin-1: its capitals A-Z and 0xC0-0xDE (but 0xD7) fold.
char foldCase(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
    return c;
}

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    auto lower = [](char c) { return foldCase(c); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

bool contains(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

}  // namespace

// The selection keeps the ids still listed, in list order; an empty one
// becomes every row when `allWhenNone`.
void EditorSession::keepSelected(std::vector<int>& selected, const std::vector<int>& rows, bool allWhenNone) {
    std::vector<int> kept;
    for (int id : rows) {
        if (contains(selected, id)) kept.push_back(id);
    }
    selected = kept.empty() && allWhenNone ? rows : std::move(kept);
}

void EditorSession::relist() {
    db().recount();
    if (duplicatesOnly_) markTwins();
    if (traits().favourite) {
        leftRows_.clear();
        for (int g = 0; g < kFavoriteGroups; ++g) leftRows_.push_back(g);
        if (currentGroup_ < 0 || currentGroup_ >= kFavoriteGroups) currentGroup_ = 0;
        selectedLeft_ = {currentGroup_};
        listGroup();
        listPool();
        return;
    }
    listLeft();
    keepSelected(selectedLeft_, leftRows_, true);
    listMiddle();
}

void EditorSession::listLeft() {
    const ReceiverDatabase& d = database();
    leftRows_.clear();
    for (int position = 0; position < kEditableSatellites; ++position) {
        const int number = d.orderEntry(position);
        if (number < 1 || number > kEditableSatellites) continue;
        const int slot = number - 1;
        if (!satelliteInUse(d.satellite(slot))) continue;
        if (searchedOnly_ && d.channelsOnSatellite(slot) == 0) continue;
        leftRows_.push_back(slot);
    }
}

// The transponders of the chosen satellites, in slot order within each;
// every one of them chosen unless a choice among them stands.
void EditorSession::listMiddle() {
    const ReceiverDatabase& d = database();
    std::vector<std::vector<int>> bySatellite(kEditableSatellites + 1);
    for (int t = 0; t < kTransponderSlots; ++t) {
        const int number = d.transponder(t).satellite;
        if (number >= 1 && number <= kEditableSatellites) bySatellite[static_cast<std::size_t>(number)].push_back(t);
    }
    middleRows_.clear();
    counts_.transponders = counts_.satelliteChannels = 0;
    for (int slot : selectedLeft_) {
        counts_.transponders += d.transpondersOnSatellite(slot);
        counts_.satelliteChannels += d.channelsOnSatellite(slot);
        for (int t : bySatellite[static_cast<std::size_t>(slot + 1)]) middleRows_.push_back(t);
    }
    keepSelected(selectedMiddle_, middleRows_, true);
    listChannels();
}

bool EditorSession::passesSearch(int channel) const {
    if (searchText_.empty()) return true;
    const ChannelRecord& c = database().channel(channel);
    if (searchIsNumber_) {
        const int n = searchNumber_;
        if (c.serviceId == n || c.videoPid == n || c.audioPid == n || c.pcrPid == n || c.teletextPid == n) return true;
    }
    return containsIgnoringCase(fixedText(c.name), searchText_);
}

void EditorSession::sortChannels(std::vector<int>& rows) const {
    const int order = sortOrder();
    if (order < 0) return;  // by a column's texts: the window's
    const ReceiverDatabase& d = database();
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return d.compareChannels(a, b, order) < 0; });
    // Descending keeps equal rows in their ascending order.
    if (sortDescending_)
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return d.compareChannels(a, b, order) > 0; });
}

void EditorSession::listChannels() {
    if (traits().favourite) {
        listPool();
        return;
    }
    listSatelliteChannels();
    if (!contains(channelRows_, currentChannel_) && !isMovePending()) currentChannel_ = -1;
    keepSelected(selectedChannels_, channelRows_, false);
}

// The filters and the search apply to the channels of the chosen
// transponders; the TV/radio and FTA/CAS counters count the channels the
// search lets through, before the filters. `found` counts the hits of the
// whole view (every listed satellite).
void EditorSession::listSatelliteChannels() {
    const ReceiverDatabase& d = database();
    counts_.zeroChannels();
    counts_.selectedChannels = 0;
    const ChannelsByTransponder channels = bucketChannels(d);
    channelRows_.clear();
    if (!selectedMiddle_.empty()) lastTransponder_ = selectedMiddle_.back();
    auto kept = [this, &d](int n) {
        const std::uint16_t flags = d.channel(n).flags;
        const bool isTv = (flags & kFlagTv) != 0;
        const bool isScrambled = (flags & kFlagScrambled) != 0;
        if ((kindFilter_ == KindFilter::Tv && !isTv) || (kindFilter_ == KindFilter::Radio && isTv)) return false;
        if (duplicatesOnly_ && !twins_[static_cast<std::size_t>(n)]) return false;
        return !((accessFilter_ == AccessFilter::FreeToAir && isScrambled) ||
                 (accessFilter_ == AccessFilter::Scrambled && !isScrambled));
    };
    for (int t : selectedMiddle_) {
        for (int k = channels.start[static_cast<std::size_t>(t)]; k < channels.start[t + 1u]; ++k) {
            const int n = channels.bucket[static_cast<std::size_t>(k)];
            const std::uint16_t flags = d.channel(n).flags;
            ++counts_.selectedChannels;
            if (!passesSearch(n)) continue;
            (flags & kFlagTv) != 0 ? ++counts_.tv : ++counts_.radio;
            (flags & kFlagScrambled) != 0 ? ++counts_.scrambled : ++counts_.freeToAir;
            if (kept(n)) channelRows_.push_back(n);
        }
    }
    sortChannels(channelRows_);
    counts_.listed = static_cast<int>(channelRows_.size());
    narrowed_ = selectedLeft_.size() < leftRows_.size() || selectedMiddle_.size() < middleRows_.size();
    foundInView_ = counts_.listed;
    if (searchText_.empty() || !narrowed_) return;
    foundInView_ = 0;
    std::vector<bool> listed(256, false);
    for (int slot : leftRows_) listed[static_cast<std::size_t>(slot + 1)] = true;
    for (int t = 0; t < kTransponderSlots; ++t) {
        if (!listed[d.transponder(t).satellite]) continue;
        for (int k = channels.start[static_cast<std::size_t>(t)]; k < channels.start[t + 1u]; ++k) {
            const int n = channels.bucket[static_cast<std::size_t>(k)];
            if (passesSearch(n) && kept(n)) ++foundInView_;
        }
    }
}

void EditorSession::listGroup() {
    ReceiverDatabase& d = db();
    groupSize_ = d.selectGroupMembers(traits().kind, currentGroup_);
    const int members = static_cast<int>(d.groupView().size());
    middleRows_.clear();
    for (int position = 0; position < members; ++position) middleRows_.push_back(position);
    keepSelected(selectedMiddle_, middleRows_, false);
    counts_.selectedChannels = members;
}

// Every channel of the view's kind, in the kind list's order, narrowed by
// the search.
void EditorSession::listPool() {
    const ReceiverDatabase& d = database();
    const bool tv = traits().kind == 0;
    const std::span<const int> pool = tv ? d.tvList() : d.radioList();
    channelRows_.clear();
    counts_.zeroChannels();
    for (int channel : pool) {
        const std::uint16_t flags = d.channel(channel).flags;
        if (flags == 0 || !passesSearch(channel)) continue;
        channelRows_.push_back(channel);
        (flags & kFlagScrambled) != 0 ? ++counts_.scrambled : ++counts_.freeToAir;
    }
    counts_.listed = static_cast<int>(channelRows_.size());
    counts_.tv = tv ? counts_.listed : 0;
    counts_.radio = tv ? 0 : counts_.listed;
    foundInView_ = counts_.listed;
    keepSelected(selectedChannels_, channelRows_, false);
}

}  // namespace dorvane
