// The editor session's copy from another file and its clean-up: the
// duplicates filter and the removal of transponders without channels.

#include "core/database/receiver_database.h"
#include "core/editor/channel_cleanup.h"
#include "core/editor/editor_session.h"

namespace dorvane {

namespace {

std::string duplicatesQuestion(int duplicates) {
    return (duplicates == 1 ? std::string("1 of the channels to copy is")
                            : std::to_string(duplicates) + " of the channels to copy are") +
           " already in this file (the same satellite, transponder and service id).\n"
           "Skip them, replace the ones here, or keep both?";
}

}  // namespace

void EditorSession::markTwins() {
    twins_.assign(kChannelSlots, false);
    for (int n : duplicateChannels(database())) twins_[static_cast<std::size_t>(n)] = true;
}

Change EditorSession::copyFrom(const ReceiverDatabase& source, const CopySelection& selection,
                               std::optional<DuplicateChoice> choice, CopyReport* report) {
    if (isMovePending() || addBefore_ || selection.empty()) return {};
    if (!choice) {
        const int duplicates = countDuplicates(source, database(), selection);
        choice = DuplicateChoice::KeepBoth;
        if (duplicates > 0) {
            const int answer =
                questions_.choose(duplicatesQuestion(duplicates), {"Skip", "Replace", "Keep Both", "Cancel"});
            if (answer < 0 || answer > 2) return {};
            choice = static_cast<DuplicateChoice>(answer);
        }
    }
    auto before = snapshot();
    const CopyReport done = copyBetween(source, db(), selection, *choice);
    if (report) *report = done;
    if (!done.changedAnything()) {
        restore(*before);  // the counters only
        relist();
        return {Change::Lists};
    }
    if (traits().favourite) db().buildKindLists();
    Change changed = commit(std::move(before), Change::None);
    if (!traits().favourite && !done.channels.empty()) {
        selectedLeft_ = leftRows_;
        selectedMiddle_ = middleRows_;
        relist();
        selectedMiddle_ = middleRows_;
        listChannels();
        selectChannels(done.channels);
        changed.list = EditorList::Channels;
        changed.focusId = selectedChannels_.empty() ? -1 : selectedChannels_.front();
    }
    return changed;
}

Change EditorSession::setDuplicatesOnly(bool on) {
    if (isMovePending() || traits().favourite || on == duplicatesOnly_) return {};
    duplicatesOnly_ = on;
    if (on) markTwins();
    listChannels();
    return {Change::Channels};
}

Change EditorSession::selectAllDuplicates() {
    if (isMovePending() || addBefore_) return {};
    Change changed;
    if (traits().favourite) changed |= setView(EditorView::Satellites);
    duplicatesOnly_ = true;
    relist();
    selectedLeft_ = leftRows_;
    listMiddle();
    selectedMiddle_ = middleRows_;
    listChannels();
    selectChannels(channelRows_);
    changed.bits |= Change::Lists;
    return changed;
}

int EditorSession::unusedTransponderCount() const { return static_cast<int>(unusedTransponders(database()).size()); }

Change EditorSession::removeUnusedTransponders(int* removed) {
    if (removed) *removed = 0;
    if (isMovePending() || addBefore_) return {};
    const int unused = unusedTransponderCount();
    if (unused == 0) {
        tell("Every transponder carries a channel: none removed.", false);
        return {};
    }
    const std::string count = unused == 1 ? "1 transponder" : std::to_string(unused) + " transponders";
    if (!questions_.confirm("Remove " + count + " without a channel?")) return {};
    auto before = snapshot();
    const int done = dorvane::removeUnusedTransponders(db());
    if (removed) *removed = done;
    return commit(std::move(before), Change::None);
}

}  // namespace dorvane
