// Clicks, edit dialogs, add, delete and move of the Edit Receiver Data
// window. Every change records the state before it for undo.

#include <memory>

#include "database/receiver_database.h"
#include "editor/channel_move.h"
#include "editor/edit_channel_dialog.h"
#include "editor/edit_satellite_dialog.h"
#include "editor/edit_tp_dialog.h"
#include "editor/editor_prompts.h"
#include "editor/receiver_data_dialog.h"
#include "editor/record_list_model.h"
#include "editor/report_list_view.h"

namespace dorvane {

// ---- clicks ----------------------------------------------------------------------

void CReceiverDataDialog::leftListClicked() {
    if (movePending_) return;  // a pending move keeps its group
    if (viewTraits(viewMode_).favourite) {
        const int row = leftList_->firstSelectedRow();
        if (row >= 0) showGroup(leftModel_->idAt(row));
        activeList_ = LeftList;
    } else {
        listTransponders();
        // With every satellite listed the satellite list takes "Add" and
        // "Delete" for satellites; otherwise its click turns them off.
        activeList_ = searchedOnly_ == 0 ? LeftList : NoList;
    }
    updateButtons();
}

void CReceiverDataDialog::middleListClicked() {
    if (movePending_) return;
    if (!viewTraits(viewMode_).favourite) listChannels();
    activeList_ = MiddleList;
    updateButtons();
}

void CReceiverDataDialog::channelListClicked() {
    if (movePending_) return;
    const int row = channelList_->firstSelectedRow();
    if (row < 0) return;
    if (!viewTraits(viewMode_).favourite) currentChannelId_ = channelModel_->idAt(row);
    activeList_ = ChannelList;
    updateButtons();
}

// The keyboard's Delete and Insert act on the list that has the focus, as
// after a click on it.
void CReceiverDataDialog::activateList(int list) {
    if (movePending_) return;
    switch (list) {
        case LeftList: leftListClicked(); break;
        case MiddleList: middleListClicked(); break;
        case ChannelList: channelListClicked(); break;
        default: break;
    }
}

void CReceiverDataDialog::editFocusedRow(int list) {
    switch (list) {
        case LeftList: leftListDoubleClicked(); break;
        case MiddleList: middleListDoubleClicked(); break;
        case ChannelList: channelListDoubleClicked(); break;
        default: break;
    }
}

void CReceiverDataDialog::leftListDoubleClicked() {
    if (movePending_) return;
    if (viewTraits(viewMode_).favourite) {
        renameGroupClicked();
        return;
    }
    const int row = leftList_->firstSelectedRow();
    if (row < 0) return;
    if (editSatellite(leftModel_->idAt(row))) refreshSatelliteRow(row);
}

void CReceiverDataDialog::middleListDoubleClicked() {
    if (movePending_ || viewTraits(viewMode_).favourite) return;
    const int row = middleList_->firstSelectedRow();
    if (row < 0) return;
    if (editTransponder(middleModel_->idAt(row))) middleModel_->rowChanged(row);
}

void CReceiverDataDialog::channelListDoubleClicked() {
    if (movePending_) return;
    const int row = channelList_->firstSelectedRow();
    if (row < 0) return;
    if (!editChannel(channelModel_->idAt(row))) return;
    // The channel may now stand on another transponder or satellite: the
    // rows and counters are listed again.
    db_.recount();
    if (viewTraits(viewMode_).favourite) {
        channelModel_->rowChanged(row);
        return;
    }
    middleModel_->allRowsChanged();
    listChannels();
    refreshSelectedSatelliteRows();
    leftModel_->allRowsChanged();
}

// ---- edit dialogs ----------------------------------------------------------------

bool CReceiverDataDialog::editSatellite(int slot) {
    CEditSatelliteDialog dialog(satelliteDialogValues(db_.satellite(slot)), this);
    auto before = snapshot();
    if (editorPrompts().run(dialog) != QDialog::Accepted) return false;
    storeSatelliteDialogValues(dialog.values(), db_.satellite(slot));
    commitEdit(std::move(before));
    return true;
}

bool CReceiverDataDialog::editTransponder(int transponder) {
    CEditTpDialog dialog(transponderDialogValues(db_.transponder(transponder)), this);
    dialog.useDatabase(db_, transponder);
    auto before = snapshot();
    if (editorPrompts().run(dialog) != QDialog::Accepted) return false;
    TransponderRecord& record = db_.transponder(transponder);
    const int satelliteBefore = record.satellite;
    storeTransponderDialogValues(dialog.values(), record);
    // Its channels go along to another satellite.
    if (record.satellite != satelliteBefore) {
        for (int n = 0; n < kChannelSlots; ++n) {
            ChannelRecord& c = db_.channel(n);
            if (!channelFree(c) && c.transponder == transponder) c.satellite = static_cast<std::uint8_t>(record.satellite - 1);
        }
    }
    commitEdit(std::move(before));
    return true;
}

bool CReceiverDataDialog::editChannel(int channel) {
    auto before = snapshot();
    CEditChannelDialog dialog(db_, channel, this);
    if (editorPrompts().run(dialog) != QDialog::Accepted) return false;
    commitEdit(std::move(before));
    return true;
}

// ---- add ---------------------------------------------------------------------------

void CReceiverDataDialog::addClicked() {
    if (movePending_) return;
    if (viewTraits(viewMode_).favourite) {
        if (activeList_ == ChannelList) favouriteAdd();
        return;
    }
    switch (activeList_) {
        case LeftList: addSatellite(); break;
        case MiddleList: addTransponder(); break;
        case ChannelList: addChannel(); break;
        default: break;
    }
}

namespace {

// Adds a record at the end of a list, makes it the only selected row and
// scrolls it into view.
void appendAndSelect(ReportListView* list, RecordListModel* model, int id) {
    list->clearRowSelection();
    model->appendRow(id);
    const int row = model->rowCount() - 1;
    list->selectRow(row, true);
    list->scrollTo(model->index(row, 0));
}

}  // namespace

// A record made by "Add" is one edit together with its edit dialog; when
// the dialog is cancelled the database goes back to the state before the
// add, and nothing is recorded.
bool CReceiverDataDialog::finishAdd(std::unique_ptr<EditState> before, bool edited, RecordListModel* model, int id) {
    if (edited) {
        // The dialog's own record replaced the add's: one undo step.
        if (lastEditRecorded_) history_.replaceLastBefore(std::move(before));
        else history_.recordEdit(std::move(before));
        updateButtons();
        return true;
    }
    restore(*before);
    model->removeRowAt(model->rowOf(id));
    updateButtons();
    return false;
}

void CReceiverDataDialog::addSatellite() {
    auto before = snapshot();
    const int slot = db_.addSatellite();
    if (slot < 0) {
        showMessage(QStringLiteral("Cannot add satellite"), true);
        return;
    }
    appendAndSelect(leftList_, leftModel_, slot);
    const bool kept = finishAdd(std::move(before), editSatellite(slot), leftModel_, slot);
    refreshAfterChange();
    // A satellite left without a location is free again and not listed.
    if (kept) refreshSatelliteRow(leftModel_->rowOf(slot));
}

void CReceiverDataDialog::addTransponder() {
    auto before = snapshot();
    int number = -1;
    if (middleList_->selectedRowCount() == 0 && middleModel_->rowCount() == 0) {
        // The satellite has no transponder to copy: a new one on it.
        const int row = leftList_->firstSelectedRow();
        if (row < 0 || leftList_->selectedRowCount() != 1) return;
        number = db_.addTransponder(leftModel_->idAt(row));
    } else {
        // The last listed transponder may have been deleted since.
        if (lastTransponderId_ < 0 || transponderFree(db_.transponder(lastTransponderId_))) return;
        number = db_.duplicateTransponder(lastTransponderId_);
    }
    if (number < 0) {
        showMessage(QStringLiteral("Cannot add transponder"), true);
        return;
    }
    appendAndSelect(middleList_, middleModel_, number);
    finishAdd(std::move(before), editTransponder(number), middleModel_, number);
    refreshAfterChange();
}

void CReceiverDataDialog::addChannel() {
    // The remembered channel may have been deleted or moved away since.
    if (currentChannelId_ < 0 || channelFree(db_.channel(currentChannelId_))) return;
    auto before = snapshot();
    const int number = db_.duplicateChannel(currentChannelId_);
    if (number < 0) {
        showMessage(QStringLiteral("Cannot add channel"), true);
        return;
    }
    appendAndSelect(channelList_, channelModel_, number);
    finishAdd(std::move(before), editChannel(number), channelModel_, number);
    refreshAfterChange();
}

// ---- delete --------------------------------------------------------------------------

void CReceiverDataDialog::deleteClicked() {
    if (movePending_) return;
    if (viewTraits(viewMode_).favourite) {
        if (activeList_ == MiddleList) favouriteDelete();
        return;
    }
    switch (activeList_) {
        case LeftList: deleteSatellites(); break;
        case MiddleList: deleteTransponders(); break;
        case ChannelList: deleteChannels(); break;
        default: break;
    }
}

namespace {

// Removes the given rows (in list order) from a model.
void removeRows(RecordListModel* model, const std::vector<int>& rows) {
    std::vector<int> kept;
    const std::vector<int>& ids = model->ids();
    std::size_t next = 0;
    for (int row = 0; row < static_cast<int>(ids.size()); ++row) {
        if (next < rows.size() && rows[next] == row) {
            ++next;
            continue;
        }
        kept.push_back(ids[static_cast<std::size_t>(row)]);
    }
    model->setRows(std::move(kept));
}

}  // namespace

void CReceiverDataDialog::deleteSatellites() {
    const std::vector<int> rows = leftList_->selectedRowNumbers();
    if (rows.empty()) return;
    if (!confirm(QStringLiteral("Are you sure to delete all selected satellites?"))) return;
    auto before = snapshot();
    for (int row : rows) db_.deleteSatellite(leftModel_->idAt(row));
    removeRows(leftModel_, rows);
    middleModel_->clear();
    channelModel_->clear();
    counts_.zeroChannels();
    counts_.selectedChannels = 0;
    commitEdit(std::move(before));
    refreshAfterChange();
}

void CReceiverDataDialog::deleteTransponders() {
    const std::vector<int> rows = middleList_->selectedRowNumbers();
    if (rows.empty()) return;
    if (!confirm(QStringLiteral("Are you sure to delete all selected transponders?"))) return;
    auto before = snapshot();
    for (int row : rows) db_.deleteTransponder(middleModel_->idAt(row));
    removeRows(middleModel_, rows);
    commitEdit(std::move(before));
    refreshAfterChange();
}

void CReceiverDataDialog::deleteChannels() {
    const std::vector<int> rows = channelList_->selectedRowNumbers();
    if (rows.empty()) return;
    if (!confirm(QStringLiteral("Are you sure to delete all selected channels?"))) return;
    auto before = snapshot();
    for (int row : rows) db_.deleteChannel(channelModel_->idAt(row));
    removeRows(channelModel_, rows);
    commitEdit(std::move(before));
    refreshAfterChange();
}

void CReceiverDataDialog::refreshSelectedSatelliteRows() {
    counts_.transponders = counts_.satelliteChannels = 0;
    for (int row : leftList_->selectedRowNumbers()) {
        const int slot = leftModel_->idAt(row);
        counts_.transponders += db_.transpondersOnSatellite(slot);
        counts_.satelliteChannels += db_.channelsOnSatellite(slot);
        leftModel_->rowChanged(row);
    }
    drawCounts();
}

void CReceiverDataDialog::refreshAfterChange() {
    db_.recount();
    if (activeList_ == LeftList) {
        listTransponders();
    } else if (activeList_ == MiddleList || activeList_ == ChannelList) {
        middleModel_->allRowsChanged();
        listChannels();
    }
    refreshSelectedSatelliteRows();
    updateButtons();
}

void CReceiverDataDialog::refreshSatelliteRow(int row) {
    if (row < 0 || row >= leftModel_->rowCount()) return;
    const int slot = leftModel_->idAt(row);
    if (satelliteQualifies(slot)) {
        leftModel_->rowChanged(row);
        return;
    }
    counts_.transponders -= db_.transpondersOnSatellite(slot);
    counts_.satelliteChannels -= db_.channelsOnSatellite(slot);
    leftModel_->removeRowAt(row);
    drawCounts();
}

// ---- move ------------------------------------------------------------------------------

void CReceiverDataDialog::moveClicked() {
    if (viewTraits(viewMode_).favourite) {
        favouriteMove();
        return;
    }
    if (activeList_ != ChannelList || movePending_) return;
    const std::vector<int> rows = channelList_->selectedRowNumbers();
    if (rows.empty()) return;
    beforeMove_ = snapshot();
    markedForMove_.clear();
    for (int row : rows) {
        const int channel = channelModel_->idAt(row);
        db_.setMoveMark(channel);
        markedForMove_.push_back(channel);
    }
    // The whole of the satellite's channels in channel order, to pick the
    // destination from.
    setSortOrder(0);
    middleList_->selectAllRows();
    listChannels();
    movePending_ = true;
    updateButtons();
}

void CReceiverDataDialog::selectDestinationClicked() {
    if (viewTraits(viewMode_).favourite) {
        favouriteSelectDestination();
        return;
    }
    if (activeList_ != ChannelList || !movePending_) return;
    const int row = channelList_->firstSelectedRow();
    if (row < 0) return;
    moveMarkedChannelsKeepingFavourites(db_, channelModel_->idAt(row));
    finishMove();
    activeList_ = NoList;  // "Add" and "Delete" wait for the next click
    listChannels();
    updateButtons();
}

// A completed move is one edit, from the state before its marks.
void CReceiverDataDialog::finishMove() {
    markedForMove_.clear();
    movePending_ = false;
    if (beforeMove_) history_.recordEdit(std::move(beforeMove_));
}

void CReceiverDataDialog::cancelPendingMove() {
    if (!movePending_) return;
    for (int channel : markedForMove_) db_.channel(channel).flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
    markedForMove_.clear();
    beforeMove_.reset();
    movePending_ = false;
    if (!viewTraits(viewMode_).favourite) activeList_ = NoList;
    updateButtons();
}

void CReceiverDataDialog::cancelMoveClicked() { cancelPendingMove(); }

// ---- drag and drop ------------------------------------------------------------------

void CReceiverDataDialog::dropRows(int onto, int from, int row) {
    if (movePending_) return;
    if (!viewTraits(viewMode_).favourite) {
        if (from == ChannelList && onto == ChannelList) dropChannelsOnChannel(row);
        return;
    }
    if (from == MiddleList && onto == MiddleList) {
        dropMembersOnMember(row);
        return;
    }
    if (from != ChannelList) return;
    if (onto == LeftList) {
        // Onto a group's name: into that group.
        if (row < 0) return;
        leftList_->selectRow(row, true);
        showGroup(leftModel_->idAt(row));
    } else if (onto != MiddleList) {
        return;
    }
    activeList_ = ChannelList;
    favouriteAdd();
    updateButtons();
}

void CReceiverDataDialog::dropChannelsOnChannel(int row) {
    if (row < 0 || row >= channelModel_->rowCount() || channelList_->selectedRowCount() == 0) return;
    // Move's own rule: the channels of one satellite.
    if (leftList_->selectedRowCount() != 1) return;
    const int destination = channelModel_->idAt(row);
    activeList_ = ChannelList;
    moveClicked();
    if (!movePending_) return;
    if ((db_.channel(destination).flags & kFlagMoveMark) != 0) {
        showMessage(QStringLiteral("You must select another destination"), false);
        cancelPendingMove();
        return;
    }
    channelList_->selectIds({destination});
    selectDestinationClicked();
}

void CReceiverDataDialog::dropMembersOnMember(int row) {
    if (row < 0 || row >= middleModel_->rowCount() || middleList_->selectedRowCount() == 0) return;
    activeList_ = MiddleList;
    favouriteMove();
    if (!movePending_) return;
    middleList_->selectRow(row, true);
    favouriteSelectDestination();
    // A destination among the dragged members: said, and nothing moved.
    if (movePending_) cancelPendingMove();
}

}  // namespace dorvane
