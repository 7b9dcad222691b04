// The editor session's operations on the order of the whole channel table:
// move to a number, swap, sort and keep, and the order of a reference list.
// Each is one edit; favourites keep naming their channels.

#include <algorithm>

#include "core/database/receiver_database.h"
#include "core/editor/editor_session.h"

namespace dorvane {

bool EditorSession::movesAcrossSatellites() const {
    return selectedLeft_.size() == 1 || (!selectedLeft_.empty() && selectedLeft_.size() == leftRows_.size());
}

std::string EditorSession::whyOrderIsOff(int wanted) const {
    if (traits().favourite) return "Channels are ordered in the \"Satellite\" view";
    if (isMovePending()) return "Finish or cancel the pending move first";
    if (addBefore_) return "Finish the add first";
    const int chosen = static_cast<int>(selectedChannels_.size());
    if (wanted == 2 && chosen != 2) return "Choose exactly two channels to swap them";
    if (chosen == 0) return "Choose channels first";
    return {};
}

// The records in the new order, one edit; `keepChosen` (present numbers)
// stay chosen under their new numbers.
Change EditorSession::reorder(const ChannelOrder& order, std::vector<int> keepChosen) {
    if (order == unchangedOrder()) return {};
    auto before = snapshot();
    if (!reorderChannels(db(), order)) return {};
    std::vector<int> newNumber(static_cast<std::size_t>(kChannelSlots));
    for (int k = 0; k < kChannelSlots; ++k) newNumber[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])] = k;
    for (int& n : keepChosen) n = newNumber[static_cast<std::size_t>(n)];
    std::sort(keepChosen.begin(), keepChosen.end());
    history_.recordEdit(std::move(before));
    db().buildKindLists();
    currentChannel_ = -1;
    relist();
    selectedChannels_.clear();
    for (int n : channelRows_) {
        if (std::binary_search(keepChosen.begin(), keepChosen.end(), n)) selectedChannels_.push_back(n);
    }
    if (!selectedChannels_.empty()) currentChannel_ = selectedChannels_.front();
    return {Change::Data | Change::Left | Change::Middle | Change::Channels, EditorList::Channels,
            selectedChannels_.empty() ? -1 : selectedChannels_.front()};
}

Change EditorSession::moveToNumber(int number) {
    if (!whyOrderIsOff(1).empty() || number < 0 || number >= kChannelSlots) return {};
    // The block in the order the list shows it.
    return reorder(orderMovingTo(selectedChannels_, number), selectedChannels_);
}

Change EditorSession::swapChannels() {
    if (!whyOrderIsOff(2).empty()) return {};
    return reorder(orderSwapping(selectedChannels_[0], selectedChannels_[1]), selectedChannels_);
}

Change EditorSession::sortAndKeep(ChannelSortKey key) {
    if (!whyOrderIsOff(1).empty()) return {};
    return reorder(orderSortingKept(database(), selectedChannels_, key), selectedChannels_);
}

ReferencePlan EditorSession::planReference(const ChannelReference& reference) const {
    return planReferenceOrder(database(), reference);
}

Change EditorSession::applyReference(const ChannelReference& reference, bool takeFavourites, ReferencePlan* applied) {
    if (isMovePending() || addBefore_) return {};
    ReferencePlan plan = planReference(reference);
    const bool favourites = takeFavourites && reference.hasFavourites;
    Change changed;
    if (!favourites) {
        changed = reorder(plan.order, {});
    } else {
        auto before = snapshot();
        applyReferencePlan(db(), reference, plan, true);
        if (database().sameTables(before->database)) return {};
        history_.recordEdit(std::move(before));
        db().buildKindLists();
        selectedChannels_.clear();
        currentChannel_ = -1;
        relist();
        changed = {Change::Data | Change::Lists};
    }
    if (applied) *applied = std::move(plan);
    return changed;
}

}  // namespace dorvane
