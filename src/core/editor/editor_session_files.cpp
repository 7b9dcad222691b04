// The editor session's history and files: undo, redo, save, closing and
// import.

#include <algorithm>

#include "core/database/channel_data_document.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"
#include "core/editor/editor_session.h"

namespace dorvane {

namespace {

// The findings as lines, at most `limit` of them.
std::string findingLines(const std::vector<IntegrityFinding>& findings, bool losingOnly, int limit = 12) {
    std::string lines;
    int shown = 0;
    int left = 0;
    for (const IntegrityFinding& f : findings) {
        if (losingOnly && !f.losesData) continue;
        if (shown == limit) {
            ++left;
            continue;
        }
        if (shown++ > 0) lines += '\n';
        lines += "- " + f.text;
    }
    if (left > 0) lines += "\n... and " + std::to_string(left) + " more";
    return lines;
}

// The number each channel has after a save and reopen: the file keeps the
// channels in table order without the gaps.
std::vector<int> numbersAfterSaving(const ReceiverDatabase& db) {
    std::vector<int> number(kChannelSlots, -1);
    int next = 0;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (!channelFree(c) && db.transponder(c.transponder).frequency != 0)
            number[static_cast<std::size_t>(n)] = next++;
    }
    return number;
}

void renumber(std::vector<int>& ids, const std::vector<int>& number) {
    std::vector<int> kept;
    for (int id : ids) {
        if (id >= 0 && id < kChannelSlots && number[static_cast<std::size_t>(id)] >= 0)
            kept.push_back(number[static_cast<std::size_t>(id)]);
    }
    ids = std::move(kept);
}

}  // namespace

// ---- undo, redo -------------------------------------------------------------------------

Change EditorSession::undo() {
    if (isMovePending() || addBefore_ || !history_.canUndo()) return {};
    auto current = snapshot();
    history_.undo(*current);
    restore(*current);
    if (traits().favourite) db().buildKindLists();
    activeList_ = EditorList::None;
    relist();
    return {Change::Lists};
}

Change EditorSession::redo() {
    if (isMovePending() || addBefore_ || !history_.canRedo()) return {};
    auto current = snapshot();
    history_.redo(*current);
    restore(*current);
    if (traits().favourite) db().buildKindLists();
    activeList_ = EditorList::None;
    relist();
    return {Change::Lists};
}

// ---- save -------------------------------------------------------------------------------------

bool EditorSession::canSave() {
    if (isMovePending() || addBefore_) return false;
    if (isReadOnly()) {
        tell("This file cannot be saved: it holds data the editor would lose (" +
                 joinReasons(document_.readOnlyReasons()) + ").",
             true);
        return false;
    }
    return confirmIntegrity();
}

// Saving never drops data quietly: a database whose saving would lose
// channels is not saved; other findings are shown and the operator decides.
bool EditorSession::confirmIntegrity() {
    const std::vector<IntegrityFinding> findings = checkIntegrity(database());
    if (findings.empty()) return true;
    if (countLosingData(findings) > 0) {
        tell(lossSummary(findings) + " Not saved.\n\n" + findingLines(findings, true), true);
        return false;
    }
    return questions_.ask("The check before saving found:\n" + findingLines(findings, false), "Save anyway", "Cancel");
}

// The file now holds the database with its channel numbers closed up: the
// session takes the file's contents, so that the lists, exports and later
// imports see the numbers the file has.
bool EditorSession::afterSave(const Status& written, Change* changed) {
    if (!written.ok()) {
        tell(written.message(), true);
        return false;
    }
    const std::vector<int> number = numbersAfterSaving(database());
    std::unique_ptr<EditState> saved = snapshot();
    if (!document_.unpack().ok()) restore(*saved);
    renumber(selectedChannels_, number);
    if (currentChannel_ >= 0) currentChannel_ = number[static_cast<std::size_t>(currentChannel_)];
    history_.markSaved();
    if (traits().favourite) db().buildKindLists();
    relist();
    if (changed) *changed = {Change::Lists};
    return true;
}

bool EditorSession::save(Change* changed) {
    if (!isDirty()) return true;
    if (!canSave()) return false;
    return afterSave(document_.save(), changed);
}

bool EditorSession::saveAs(const std::filesystem::path& path, Change* changed) {
    if (!canSave()) return false;
    std::filesystem::path target = path;
    if (!target.has_extension()) target += ".irz";
    return afterSave(document_.saveAs(target), changed);
}

bool EditorSession::settleUnsavedEdits(Change* changed) {
    if (isMovePending() || addBefore_) return false;
    if (!isDirty()) return true;
    switch (questions_.askToSave("Do you want to save changes?")) {
        // A save that failed keeps the window open with the changes, so
        // nothing is lost without the operator seeing it.
        case SessionQuestions::SaveChoice::Save: return save(changed);
        case SessionQuestions::SaveChoice::DontSave: return true;
        case SessionQuestions::SaveChoice::Cancel: break;
    }
    return false;
}

// ---- import ----------------------------------------------------------------------------------------

// An import that could not be saved (a channel on a transponder that is not
// in use, say) is refused as a whole, as the command line refuses it.
Change EditorSession::import(const std::function<Status(ReceiverDatabase&)>& apply, bool replacesAll, Status* result) {
    if (isMovePending() || addBefore_) return {};
    auto before = snapshot();
    Status applied = apply(db());
    if (applied.ok()) {
        const std::vector<IntegrityFinding> findings = checkIntegrity(database());
        if (countLosingData(findings) > 0)
            applied = {Error::Corrupt, lossSummary(findings) + "\n" + findingLines(findings, true)};
    }
    if (!applied.ok()) {
        restore(*before);
        relist();
        tell("Nothing was imported: " + applied.message(), true);
        if (result) *result = applied;
        return {Change::Lists};
    }
    // The whole database now comes from the file, which is complete.
    if (replacesAll) document_.clearLosses();
    if (result) *result = applied;
    history_.recordEdit(std::move(before));
    db().buildKindLists();
    activeList_ = EditorList::None;
    selectedLeft_.clear();
    selectedMiddle_.clear();
    selectedChannels_.clear();
    currentGroup_ = 0;
    relist();
    return {Change::Lists};
}

}  // namespace dorvane
