// The editor session: its state, the choices and the selection.

#include "core/editor/editor_session.h"

#include <algorithm>
#include <charconv>

#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"

namespace dorvane {

Change& Change::operator|=(const Change& other) {
    bits |= other.bits;
    if (other.focusId >= 0) {
        list = other.list;
        focusId = other.focusId;
    }
    return *this;
}

EditorSession::EditorSession(ChannelDataDocument& document, SessionQuestions& questions)
    : document_(document), questions_(questions) {}

EditorSession::~EditorSession() = default;

const ReceiverDatabase& EditorSession::database() const { return document_.database(); }
ReceiverDatabase& EditorSession::db() { return document_.database(); }
bool EditorSession::isReadOnly() const { return document_.isReadOnly(); }

Status EditorSession::open() {
    if (Status unpacked = document_.unpack(); !unpacked.ok()) return unpacked;
    history_.reset();
    pendingMove_.clear();
    beforeMove_.reset();
    addBefore_.reset();
    view_ = EditorView::Satellites;
    activeList_ = EditorList::None;
    selectedLeft_.clear();
    selectedMiddle_.clear();
    selectedChannels_.clear();
    currentChannel_ = lastTransponder_ = -1;
    currentGroup_ = 0;
    relist();
    return {};
}

std::string EditorSession::title() const {
    std::string text = "Edit Receiver Data";
    // UTF-8 on every system (a Windows name need not fit the code page).
    const std::u8string utf8 = document_.path().filename().u8string();
    const std::string name(utf8.begin(), utf8.end());
    if (!name.empty()) text += " - " + name;
    if (isDirty()) text += " *";
    if (isReadOnly()) text += " (read-only)";
    return text;
}

int EditorSession::sortOrder() const {
    switch (sortColumn_) {
        case kColumnNumber: return 0;
        case kColumnSatellite: return 1;
        case kColumnName: return 2;
        default: return -1;
    }
}

bool EditorSession::isMarkedForMove(int channel) const {
    return std::find(pendingMove_.begin(), pendingMove_.end(), channel) != pendingMove_.end();
}

int EditorSession::memberChannel(int position) const {
    const auto view = database().groupView();
    if (position < 0 || position >= static_cast<int>(view.size())) return -1;
    return view[static_cast<std::size_t>(position)].channel;
}

bool EditorSession::inCurrentGroup(int channel) const {
    for (int slot = 0; slot < kGroupSlots; ++slot) {
        if (database().groupSlot(currentGroup_, slot) == channel) return true;
    }
    return false;
}

std::string EditorSession::foundText() const {
    if (searchText_.empty() || traits().favourite) return {};
    std::string text = std::to_string(foundInView_) + " found";
    if (narrowed_) {
        const bool bySatellites = selectedLeft_.size() < leftRows_.size();
        text += ", " + std::to_string(counts_.listed) +
                (bySatellites ? " in the selected satellites" : " in the selected transponders");
    }
    return text;
}

// ---- buttons -------------------------------------------------------------------------

ButtonStates EditorSession::buttons() const {
    EditorFacts facts;
    facts.view = view_;
    facts.activeList = activeList_;
    facts.movePending = isMovePending();
    facts.dirty = isDirty();
    facts.canUndo = history_.canUndo();
    facts.canRedo = history_.canRedo();
    facts.selectedSatellites = static_cast<int>(selectedLeft_.size());
    facts.selectedTransponders = static_cast<int>(selectedMiddle_.size());
    facts.listedTransponders = static_cast<int>(middleRows_.size());
    facts.listedSatellites = static_cast<int>(leftRows_.size());
    return deriveButtonStates(facts);
}

std::string EditorSession::whyAddIsOff() const {
    if (isMovePending() || buttons().add) return {};
    if (traits().favourite) return "Choose channels in the list below to add them to the group";
    if (activeList_ == EditorList::Middle)
        return "Choose one transponder to copy, or one satellite without transponders";
    if (activeList_ == EditorList::None && searchedOnly_)
        return "Satellites are added with \"All Sat\" chosen; choose a list first";
    return "Choose a list first";
}

std::string EditorSession::whyDeleteIsOff() const {
    if (isMovePending() || buttons().remove) return {};
    if (traits().favourite) return "Choose members of the group to delete them";
    if (activeList_ == EditorList::None && searchedOnly_)
        return "Satellites are deleted with \"All Sat\" chosen; choose a list first";
    return "Choose what to delete first";
}

std::string EditorSession::whyMoveIsOff() const {
    if (isMovePending() || buttons().move) return {};
    if (traits().favourite) return "Choose members of the group to move them";
    if (activeList_ == EditorList::Channels && !movesAcrossSatellites())
        return "Channels are moved within a single satellite, or across all of them with every satellite chosen";
    return "Choose channels to move first";
}

// ---- choices ---------------------------------------------------------------------------

Change EditorSession::setView(EditorView view) {
    if (view == view_) return {};
    // A move waiting for its destination does not survive a change of view.
    cancelMove();
    view_ = view;
    activeList_ = EditorList::None;
    selectedLeft_.clear();
    selectedMiddle_.clear();
    selectedChannels_.clear();
    currentGroup_ = 0;
    // The kind lists are rebuilt here, so channels added, deleted or moved
    // in the satellite view are offered as they are now.
    db().buildKindLists();
    relist();
    return {Change::Everything};
}

Change EditorSession::setSearchedOnly(bool searchedOnly) {
    if (isMovePending()) return {};  // the choices are off while a move waits
    searchedOnly_ = searchedOnly;
    // Satellites are added and deleted only while every one is listed.
    if (searchedOnly && activeList_ == EditorList::Left) activeList_ = EditorList::None;
    selectedLeft_.clear();
    selectedMiddle_.clear();
    relist();
    return {Change::Left | Change::Middle | Change::Channels};
}

Change EditorSession::setKindFilter(KindFilter filter) {
    if (isMovePending()) return {};  // the choices are off while a move waits
    kindFilter_ = filter;
    listChannels();
    return {Change::Channels};
}

Change EditorSession::setAccessFilter(AccessFilter filter) {
    if (isMovePending()) return {};  // the choices are off while a move waits
    accessFilter_ = filter;
    listChannels();
    return {Change::Channels};
}

Change EditorSession::setSortOrder(int order) {
    if (isMovePending()) return {};  // the choices are off while a move waits
    static constexpr int kColumnOfOrder[] = {kColumnNumber, kColumnSatellite, kColumnName};
    if (order < 0 || order > 2) return {};
    sortColumn_ = kColumnOfOrder[order];
    sortDescending_ = false;
    listChannels();
    return {Change::Channels};
}

Change EditorSession::sortByColumn(int column) {
    if (isMovePending() || traits().favourite || column < 0 || column >= kChannelColumns) return {};
    sortDescending_ = column == sortColumn_ && !sortDescending_;
    sortColumn_ = column;
    listChannels();
    return {Change::Channels};
}

void EditorSession::restoreSort(int column, bool descending) {
    if (column < 0 || column >= kChannelColumns) return;
    sortColumn_ = column;
    sortDescending_ = descending;
}

Change EditorSession::setSearchText(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    searchText_ = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    int number = 0;
    const char* end = searchText_.data() + searchText_.size();
    const auto parsed = std::from_chars(searchText_.data(), end, number);
    searchIsNumber_ = !searchText_.empty() && parsed.ec == std::errc() && parsed.ptr == end && number >= 0;
    searchNumber_ = number;
    // Also while a move waits: the search helps to find the destination.
    if (traits().favourite)
        listPool();
    else
        listChannels();
    return {Change::Channels};
}

Change EditorSession::goToFirstHit(const std::function<void(std::vector<int>&)>& shownOrder) {
    Change changed;
    if (channelRows_.empty() && foundInView_ > 0 && !traits().favourite && !isMovePending()) {
        changed = selectLeft(leftRows_);
        changed.bits |= Change::Left;
    }
    if (channelRows_.empty()) return changed;
    int first = channelRows_.front();
    if (sortOrder() < 0 && !traits().favourite && shownOrder) {
        std::vector<int> shown = channelRows_;
        shownOrder(shown);
        first = shown.front();
    }
    if (!isMovePending()) changed |= selectChannels({first});
    selectedChannels_ = {first};
    changed.bits |= Change::Channels;
    changed.list = EditorList::Channels;
    changed.focusId = first;
    return changed;
}

// ---- selection ------------------------------------------------------------------------------

Change EditorSession::selectLeft(const std::vector<int>& ids) {
    if (isMovePending()) return {};  // a pending move keeps its group
    if (traits().favourite) {
        if (!ids.empty() && ids.front() >= 0 && ids.front() < kFavoriteGroups) {
            currentGroup_ = ids.front();
            selectedLeft_ = {currentGroup_};
            selectedMiddle_.clear();
            listGroup();
            listPool();
        }
        activeList_ = EditorList::Left;
        return {Change::Middle | Change::Channels};
    }
    selectedLeft_ = ids;
    keepSelected(selectedLeft_, leftRows_, false);
    selectedMiddle_.clear();
    listMiddle();
    // With every satellite listed the satellite list takes "Add" and
    // "Delete" for satellites; otherwise its click turns them off.
    activeList_ = searchedOnly_ ? EditorList::None : EditorList::Left;
    return {Change::Middle | Change::Channels};
}

Change EditorSession::selectMiddle(const std::vector<int>& ids) {
    if (isMovePending() && !traits().favourite) return {};
    selectedMiddle_ = ids;
    keepSelected(selectedMiddle_, middleRows_, false);
    activeList_ = EditorList::Middle;
    if (traits().favourite) return {};
    listChannels();
    return {Change::Channels};
}

Change EditorSession::selectChannels(const std::vector<int>& ids) {
    selectedChannels_ = ids;
    keepSelected(selectedChannels_, channelRows_, false);
    if (isMovePending()) return {};
    if (selectedChannels_.empty()) {
        // An empty list of one transponder still takes "Add": its first
        // channel.
        if (channelRows_.empty() && !traits().favourite && selectedMiddle_.size() == 1)
            activeList_ = EditorList::Channels;
        return {};
    }
    if (!traits().favourite) currentChannel_ = selectedChannels_.front();
    activeList_ = EditorList::Channels;
    return {};
}

void EditorSession::chooseRows(EditorList list, const std::vector<int>& ids) {
    switch (list) {
        case EditorList::Left:
            if (traits().favourite) return;
            selectedLeft_ = ids;
            keepSelected(selectedLeft_, leftRows_, false);
            break;
        case EditorList::Middle:
            selectedMiddle_ = ids;
            keepSelected(selectedMiddle_, middleRows_, false);
            break;
        case EditorList::Channels:
            selectedChannels_ = ids;
            keepSelected(selectedChannels_, channelRows_, false);
            break;
        case EditorList::None: break;
    }
}

Change EditorSession::activate(EditorList list) {
    if (isMovePending()) return {};
    if (list == EditorList::Left) {
        activeList_ = traits().favourite || !searchedOnly_ ? EditorList::Left : EditorList::None;
    } else if (list == EditorList::Channels) {
        if (selectedChannels_.empty()) {
            // An empty list (a new transponder) still takes "Add".
            if (!channelRows_.empty() || traits().favourite) return {};
        } else if (!traits().favourite) {
            currentChannel_ = selectedChannels_.front();
        }
        activeList_ = list;
    } else {
        activeList_ = list;
    }
    return {Change::None};
}

}  // namespace dorvane
