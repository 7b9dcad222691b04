// The editor session's edits: the records, the group names, add and delete.
// Every change records the state before it for undo.

#include <cstring>

#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"
#include "core/editor/editor_session.h"

namespace dorvane {

namespace {

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// " (12 favourite entries)" for the entries of the channels; "" for none.
std::string favouriteEntries(const ReceiverDatabase& db, const std::vector<bool>& going) {
    int entries = 0;
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = db.groupSlot(g, s);
            if (member >= 0 && member < kChannelSlots && going[static_cast<std::size_t>(member)]) ++entries;
        }
    }
    return entries == 0 ? std::string() : " (" + counted(entries, "favourite entry", "favourite entries") + ")";
}

// Names are Latin-1 in the file; the texts for the operator are UTF-8.
std::string nameText(const char* field, std::size_t size) {
    std::string text;
    for (unsigned char c : fixedText(field, size)) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// The file names a favourite by transponder and service id: a member that
// shares both with another channel comes back as the lower-numbered one.
std::string notUniqueWarning(const ReceiverDatabase& db, const std::vector<int>& channels) {
    std::string lines;
    for (int member : channels) {
        const ChannelRecord& c = db.channel(member);
        for (int n = 0; n < kChannelSlots; ++n) {
            const ChannelRecord& other = db.channel(n);
            if (n == member || channelFree(other) || other.transponder != c.transponder ||
                other.serviceId != c.serviceId)
                continue;
            lines += "\"" + nameText(c.name, sizeof c.name) + "\" (channel " + std::to_string(member) +
                     ") has the transponder and service id of \"" + nameText(other.name, sizeof other.name) +
                     "\" (channel " + std::to_string(n) + ").\n";
            break;
        }
    }
    if (lines.empty()) return {};
    return lines + "The file cannot tell such channels apart: the favourite may come back as the lower-numbered one.";
}

template <typename Record>
bool sameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

}  // namespace

// ---- undo states -------------------------------------------------------------------

std::unique_ptr<EditState> EditorSession::snapshot() const {
    auto state = std::make_unique<EditState>();
    state->database = database();
    state->losses = document_.losses();
    return state;
}

void EditorSession::restore(EditState& state) {
    db() = state.database;
    document_.setLosses(state.losses);
}

// An edit made: recorded (or, while an add waits for its dialog, left to
// the add), and the lists follow.
Change EditorSession::commit(std::unique_ptr<EditState> before, unsigned bits) {
    if (!addBefore_) history_.recordEdit(std::move(before));
    relist();
    return {bits | Change::Data | Change::Left | Change::Middle | Change::Channels};
}

// ---- record edits ---------------------------------------------------------------------

Change EditorSession::editSatellite(int slot, const SatelliteRecord& record) {
    if (isMovePending() || slot < 0 || slot >= kEditableSatellites) return {};
    if (sameBytes(record, database().satellite(slot))) return {};
    auto before = snapshot();
    db().satellite(slot) = record;
    return commit(std::move(before), Change::None);
}

Change EditorSession::editTransponder(int number, const TransponderRecord& record) {
    if (isMovePending() || number < 0 || number >= kTransponderSlots) return {};
    if (sameBytes(record, database().transponder(number))) return {};
    auto before = snapshot();
    const int satelliteBefore = database().transponder(number).satellite;
    db().transponder(number) = record;
    // Its channels go along to another satellite.
    if (record.satellite != satelliteBefore && record.satellite >= 1 && record.satellite <= kEditableSatellites) {
        for (int n = 0; n < kChannelSlots; ++n) {
            ChannelRecord& c = db().channel(n);
            if (!channelFree(c) && c.transponder == number)
                c.satellite = static_cast<std::uint8_t>(record.satellite - 1);
        }
    }
    return commit(std::move(before), Change::None);
}

Change EditorSession::editChannel(int number, const ChannelRecord& record) {
    if (isMovePending() || number < 0 || number >= kChannelSlots) return {};
    if (sameBytes(record, database().channel(number))) return {};
    auto before = snapshot();
    db().channel(number) = record;
    if (traits().favourite) db().buildKindLists();
    return commit(std::move(before), Change::None);
}

Change EditorSession::renameGroup(int group, const std::string& name) {
    if (isMovePending() || !traits().favourite || group < 0 || group >= kFavoriteGroups) return {};
    const bool tv = traits().kind == 0;
    const std::string wanted = name.substr(0, kGroupNameSize - 1);
    if (wanted == (tv ? database().tvGroupName(group) : database().radioGroupName(group))) return {};
    auto before = snapshot();
    tv ? db().setTvGroupName(group, wanted) : db().setRadioGroupName(group, wanted);
    return commit(std::move(before), Change::None);
}

// ---- add -------------------------------------------------------------------------------------

EditorSession::AddStart EditorSession::add(Change* changed) {
    if (isMovePending() || addBefore_) return {};
    if (traits().favourite) {
        const Change made = activeList_ == EditorList::Channels ? addToGroup() : Change{};
        if (changed) *changed = made;
        return {};
    }
    auto before = snapshot();
    AddStart start;
    switch (activeList_) {
        case EditorList::Left: start = addSatellite(); break;
        case EditorList::Middle: start = addTransponder(); break;
        case EditorList::Channels: start = addChannel(); break;
        case EditorList::None: break;
    }
    if (start.id < 0) return {};
    addBefore_ = std::move(before);
    addList_ = start.list;
    addId_ = start.id;
    db().recount();
    if (changed) *changed = {Change::Data | Change::Left | Change::Middle | Change::Channels, start.list, start.id};
    return start;
}

EditorSession::AddStart EditorSession::addSatellite() {
    const int slot = db().addSatellite();
    if (slot < 0) {
        tell("Cannot add satellite", true);
        return {};
    }
    return {EditorList::Left, slot};
}

EditorSession::AddStart EditorSession::addTransponder() {
    int number = -1;
    if (selectedMiddle_.empty() && middleRows_.empty()) {
        // The satellite has no transponder to copy: a new one on it.
        if (selectedLeft_.size() != 1) return {};
        number = db().addTransponder(selectedLeft_.front());
    } else {
        // The transponder last chosen may have been deleted since.
        const int source = selectedMiddle_.size() == 1 ? selectedMiddle_.front() : lastTransponder_;
        if (source < 0 || transponderFree(database().transponder(source))) return {};
        number = db().duplicateTransponder(source);
    }
    if (number < 0) {
        tell("Cannot add transponder", true);
        return {};
    }
    return {EditorList::Middle, number};
}

// A copy of the current channel; on an empty list the first channel of the
// one chosen transponder.
EditorSession::AddStart EditorSession::addChannel() {
    const bool hasSource = currentChannel_ >= 0 && !channelFree(database().channel(currentChannel_));
    if (!hasSource && selectedMiddle_.size() != 1) return {};
    int number = -1;
    if (hasSource) {
        number = db().duplicateChannel(currentChannel_);
    } else {
        for (int n = 0; n < kChannelSlots && number < 0; ++n) {
            if (channelFree(database().channel(n))) number = n;
        }
        if (number >= 0) {
            const int t = selectedMiddle_.front();
            ChannelRecord& c = db().channel(number);
            std::memset(&c, 0, sizeof c);
            setFixedText(c.name, "New Channel");
            c.flags = kFlagTv;
            c.transponder = static_cast<std::uint16_t>(t);
            c.satellite = static_cast<std::uint8_t>(database().transponder(t).satellite - 1);
        }
    }
    if (number < 0) {
        tell("Cannot add channel", true);
        return {};
    }
    return {EditorList::Channels, number};
}

// The record made by "Add" stays, with what its dialog did: one edit.
Change EditorSession::keepAdd() {
    if (!addBefore_) return {};
    history_.recordEdit(std::move(addBefore_));
    const EditorList list = addList_;
    const int id = addId_;
    addBefore_.reset();
    // The new record is listed and chosen.
    if (list == EditorList::Left) {
        selectedLeft_ = {id};
    } else if (list == EditorList::Middle) {
        selectedMiddle_ = {id};
        lastTransponder_ = id;
    } else if (list == EditorList::Channels) {
        selectedChannels_ = {id};
        currentChannel_ = id;
    }
    relist();
    if (list == EditorList::Left && selectedLeft_.empty()) activeList_ = EditorList::None;
    return {Change::Data | Change::Left | Change::Middle | Change::Channels, list, id};
}

Change EditorSession::dropAdd() {
    if (!addBefore_) return {};
    restore(*addBefore_);
    addBefore_.reset();
    relist();
    return {Change::Data | Change::Left | Change::Middle | Change::Channels};
}

// The chosen channels of the pool, each in the first empty slot of the
// group (so a gap left by a favourite that matched no channel is filled).
Change EditorSession::addToGroup() {
    const std::string full = "Max Favorite Count!!";
    if (groupSize_ >= kGroupSlots) {
        tell(full, false);
        return {};
    }
    auto before = snapshot();
    std::vector<int> added;
    for (int channel : selectedChannels_) {
        int slot = 0;
        while (slot < kGroupSlots && database().groupSlot(currentGroup_, slot) >= 0) ++slot;
        if (slot == kGroupSlots) break;
        if (!db().addToGroup(currentGroup_, channel, slot)) continue;
        added.push_back(channel);
        if (++groupSize_ >= kGroupSlots) {
            tell(full, false);
            break;
        }
    }
    if (added.empty()) return {Change::Middle};
    Change changed = commit(std::move(before), Change::None);
    if (const std::string warning = notUniqueWarning(database(), added); !warning.empty()) tell(warning, true);
    return changed;
}

// ---- delete ------------------------------------------------------------------------------------

std::string EditorSession::deleteQuestion() const {
    const ReceiverDatabase& d = database();
    std::vector<bool> going(kChannelSlots, false);
    int channels = 0;
    auto take = [&](auto goes) {
        for (int n = 0; n < kChannelSlots; ++n) {
            const ChannelRecord& c = d.channel(n);
            if (!channelFree(c) && goes(c, n)) going[static_cast<std::size_t>(n)] = true, ++channels;
        }
    };
    auto chosen = [](const std::vector<int>& ids, int id) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    switch (activeList_) {
        case EditorList::Left: {
            if (selectedLeft_.empty()) return {};
            int transponders = 0;
            for (int slot : selectedLeft_) transponders += d.transpondersOnSatellite(slot);
            take([&](const ChannelRecord& c, int) { return chosen(selectedLeft_, c.satellite); });
            return "Delete " + counted(static_cast<int>(selectedLeft_.size()), "satellite", "satellites") + ", their " +
                   counted(transponders, "transponder", "transponders") + " and " +
                   counted(channels, "channel", "channels") + favouriteEntries(d, going) + "?";
        }
        case EditorList::Middle: {
            if (selectedMiddle_.empty()) return {};
            take([&](const ChannelRecord& c, int) { return chosen(selectedMiddle_, c.transponder); });
            return "Delete " + counted(static_cast<int>(selectedMiddle_.size()), "transponder", "transponders") +
                   " and their " + counted(channels, "channel", "channels") + favouriteEntries(d, going) + "?";
        }
        case EditorList::Channels: {
            if (selectedChannels_.empty()) return {};
            take([&](const ChannelRecord&, int n) { return chosen(selectedChannels_, n); });
            return "Delete " + counted(channels, "channel", "channels") + favouriteEntries(d, going) + "?";
        }
        case EditorList::None: break;
    }
    return {};
}

Change EditorSession::remove() {
    if (isMovePending() || addBefore_) return {};
    if (traits().favourite) return activeList_ == EditorList::Middle ? removeMembers() : Change{};
    switch (activeList_) {
        case EditorList::Left: return removeSatellites();
        case EditorList::Middle: return removeTransponders();
        case EditorList::Channels: return removeChannels();
        case EditorList::None: break;
    }
    return {};
}

Change EditorSession::removeSatellites() {
    const std::string question = deleteQuestion();
    if (question.empty() || !questions_.confirm(question)) return {};
    auto before = snapshot();
    for (int slot : selectedLeft_) db().deleteSatellite(slot);
    selectedMiddle_.clear();
    selectedChannels_.clear();
    Change changed = commit(std::move(before), Change::None);
    // No satellite is chosen until the next click.
    selectedLeft_.clear();
    listMiddle();
    return changed;
}

Change EditorSession::removeTransponders() {
    const std::string question = deleteQuestion();
    if (question.empty() || !questions_.confirm(question)) return {};
    auto before = snapshot();
    for (int t : selectedMiddle_) db().deleteTransponder(t);
    selectedMiddle_.clear();
    selectedChannels_.clear();
    Change changed = commit(std::move(before), Change::None);
    return changed;
}

// The row after the last deleted one becomes the current row.
Change EditorSession::removeChannels() {
    const std::string question = deleteQuestion();
    if (question.empty() || !questions_.confirm(question)) return {};
    int next = -1;
    const auto last = std::find(channelRows_.begin(), channelRows_.end(), selectedChannels_.back());
    for (auto it = last; it != channelRows_.end(); ++it) {
        if (std::find(selectedChannels_.begin(), selectedChannels_.end(), *it) == selectedChannels_.end()) {
            next = *it;
            break;
        }
    }
    auto before = snapshot();
    for (int n : selectedChannels_) db().deleteChannel(n);
    selectedChannels_.clear();
    if (next >= 0) {
        selectedChannels_ = {next};
        currentChannel_ = next;
    }
    Change changed = commit(std::move(before), Change::None);
    changed.list = EditorList::Channels;
    changed.focusId = next;
    return changed;
}

Change EditorSession::removeMembers() {
    const std::string empty = "Favorite Group empty!!";
    if (groupSize_ <= 0) {
        tell(empty, false);
        return {};
    }
    auto before = snapshot();
    int removed = 0;
    int lastPosition = -1;
    for (int position : selectedMiddle_) {
        const int at = position - removed;
        if (!db().removeGroupMemberAt(currentGroup_, at)) continue;
        ++removed;
        lastPosition = at;
        if (--groupSize_ <= 0) {
            tell(empty, false);
            break;
        }
    }
    if (removed == 0) return {};
    Change changed = commit(std::move(before), Change::None);
    const int rows = static_cast<int>(middleRows_.size());
    selectedMiddle_.clear();
    if (lastPosition >= 0 && rows > 0) selectedMiddle_ = {std::min(lastPosition, rows - 1)};
    changed.list = EditorList::Middle;
    changed.focusId = selectedMiddle_.empty() ? -1 : selectedMiddle_.front();
    return changed;
}

}  // namespace dorvane
