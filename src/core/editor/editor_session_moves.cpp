// The editor session's moves: channels in the table, members in a group,
// and the drops that do the same.

#include <algorithm>

#include "core/database/receiver_database.h"
#include "core/editor/channel_move.h"
#include "core/editor/editor_session.h"

namespace dorvane {

namespace {

const char* const kOtherDestination = "You must select another destination";
const char* const kOneOrAll =
    "Channels are moved within a single satellite, or across all of them with every satellite chosen";

}  // namespace

Change EditorSession::startMove() {
    if (isMovePending() || addBefore_) return {};
    return traits().favourite ? startMemberMove() : startChannelMove();
}

Change EditorSession::startChannelMove() {
    if (activeList_ != EditorList::Channels || selectedChannels_.empty() || !movesAcrossSatellites()) return {};
    beforeMove_ = snapshot();
    pendingMove_ = selectedChannels_;
    // The whole of the satellite's channels (or, with every satellite
    // chosen, of the whole table) in channel order, to pick the destination
    // from.
    sortColumn_ = kColumnNumber;
    sortDescending_ = false;
    selectedMiddle_ = middleRows_;
    listChannels();
    return {Change::Middle | Change::Channels};
}

Change EditorSession::startMemberMove() {
    if (activeList_ != EditorList::Middle || selectedMiddle_.empty()) return {};
    beforeMove_ = snapshot();
    pendingMove_.clear();
    for (int position : selectedMiddle_) {
        const int channel = memberChannel(position);
        if (channel >= 0) pendingMove_.push_back(channel);
    }
    if (pendingMove_.empty()) beforeMove_.reset();
    // The group stays the one the marks belong to until the move ends.
    return {Change::Middle};
}

Change EditorSession::moveTo(int destination) {
    if (!isMovePending()) return {};
    return traits().favourite ? moveMembersTo(destination) : moveChannelsTo(destination);
}

// The marked channels go in front of the destination; every favourite slot
// is renumbered with them, so each favourite keeps naming its channel.
Change EditorSession::moveChannelsTo(int destination) {
    if (activeList_ != EditorList::Channels || destination < 0 || destination >= kChannelSlots) return {};
    if (isMarkedForMove(destination)) {
        tell(kOtherDestination, false);
        return {};
    }
    moveChannelsKeepingFavourites(db(), pendingMove_, destination);
    pendingMove_.clear();
    history_.recordEdit(std::move(beforeMove_));
    activeList_ = EditorList::None;  // "Add" and "Delete" wait for the next click
    selectedChannels_.clear();
    currentChannel_ = -1;
    relist();
    return {Change::Data | Change::Left | Change::Middle | Change::Channels};
}

Change EditorSession::moveMembersTo(int position) {
    if (activeList_ != EditorList::Middle) return {};
    const int channel = memberChannel(position);
    if (channel < 0) return {};
    if (isMarkedForMove(channel)) {
        tell(kOtherDestination, false);
        return {};
    }
    std::vector<bool> marked;
    for (int row : middleRows_) marked.push_back(isMarkedForMove(memberChannel(row)));
    moveGroupMembers(db(), currentGroup_, marked, position);
    pendingMove_.clear();
    history_.recordEdit(std::move(beforeMove_));
    relist();
    selectedMiddle_ = {position};
    return {Change::Data | Change::Middle, EditorList::Middle, position};
}

Change EditorSession::cancelMove() {
    if (!isMovePending()) return {};
    pendingMove_.clear();
    beforeMove_.reset();
    if (!traits().favourite) activeList_ = EditorList::None;
    return {Change::Middle | Change::Channels};
}

// ---- drops ----------------------------------------------------------------------------------

std::string EditorSession::whyDropIsRefused(EditorList from, EditorList onto) const {
    if (isMovePending()) return "Finish or cancel the pending move first";
    if (!traits().favourite) {
        if (from != EditorList::Channels || onto != EditorList::Channels)
            return "Channels are dropped on a channel of the list to move them";
        if (!movesAcrossSatellites()) return kOneOrAll;
        return {};
    }
    if (from == EditorList::Middle && onto == EditorList::Middle) return {};
    if (from == EditorList::Channels && (onto == EditorList::Left || onto == EditorList::Middle)) return {};
    return "Drop channels on a group or its members, or members on a member";
}

Change EditorSession::dropChannelsOnChannel(int destination, std::string* why) {
    if (std::string reason = whyDropIsRefused(EditorList::Channels, EditorList::Channels); !reason.empty()) {
        if (why) *why = reason;
        return {};
    }
    if (selectedChannels_.empty() || destination < 0) return {};
    activeList_ = EditorList::Channels;
    Change changed = startMove();
    if (!isMovePending()) return changed;
    if (isMarkedForMove(destination)) {
        tell(kOtherDestination, false);
        cancelMove();
        return {Change::Middle | Change::Channels};
    }
    return moveTo(destination);
}

Change EditorSession::dropIntoGroup(int group, std::string* why) {
    if (std::string reason = whyDropIsRefused(EditorList::Channels, EditorList::Left); !reason.empty()) {
        if (why) *why = reason;
        return {};
    }
    if (group < 0 || group >= kFavoriteGroups) return {};
    const std::vector<int> chosen = selectedChannels_;
    Change changed = selectLeft({group});
    changed.bits |= Change::Left;
    selectedChannels_ = chosen;
    activeList_ = EditorList::Channels;
    Change added;
    add(&added);
    changed |= added;
    return changed;
}

Change EditorSession::dropMembersOnMember(int position, std::string* why) {
    if (std::string reason = whyDropIsRefused(EditorList::Middle, EditorList::Middle); !reason.empty()) {
        if (why) *why = reason;
        return {};
    }
    if (position < 0 || position >= static_cast<int>(middleRows_.size()) || selectedMiddle_.empty()) return {};
    activeList_ = EditorList::Middle;
    Change changed = startMove();
    if (!isMovePending()) return changed;
    changed |= moveTo(position);
    // A destination among the dragged members: said, and nothing moved.
    if (isMovePending()) changed |= cancelMove();
    return changed;
}

}  // namespace dorvane
