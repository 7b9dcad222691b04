// Clicks, edit dialogs, add, delete, move and drops of the Edit Receiver
// Data window: each is forwarded to the session, which decides.

#include <memory>

#include <QHeaderView>

#include "core/database/receiver_database.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"
#include "gui/ui/prompts.h"

namespace dorvane {

namespace {

std::vector<int> chosenIds(ReportListView* list) { return list->listModel()->idsOf(list->selectedRowNumbers()); }

}  // namespace

// ---- clicks ----------------------------------------------------------------------

void CReceiverDataDialog::leftListClicked() {
    if (rendering_) return;
    render(session_.selectLeft(chosenIds(leftList_)));
}

void CReceiverDataDialog::middleListClicked() {
    if (rendering_) return;
    render(session_.selectMiddle(chosenIds(middleList_)));
}

void CReceiverDataDialog::channelListClicked() {
    if (rendering_) return;
    render(session_.selectChannels(chosenIds(channelList_)));
}

// The keyboard's Delete and Insert act on the list that has the focus, as
// after a click on it.
void CReceiverDataDialog::activateList(EditorList list) {
    if (session_.isMovePending()) return;
    switch (list) {
        case EditorList::Left: leftListClicked(); break;
        case EditorList::Middle: middleListClicked(); break;
        case EditorList::Channels: channelListClicked(); break;
        case EditorList::None: break;
    }
}

void CReceiverDataDialog::editFocusedRow(EditorList list) {
    switch (list) {
        case EditorList::Left: leftListDoubleClicked(); break;
        case EditorList::Middle: middleListDoubleClicked(); break;
        case EditorList::Channels: channelListDoubleClicked(); break;
        case EditorList::None: break;
    }
}

void CReceiverDataDialog::leftListDoubleClicked() {
    if (session_.isMovePending()) return;
    if (session_.traits().favourite) {
        renameGroupClicked();
        return;
    }
    const int row = leftList_->firstSelectedRow();
    if (row >= 0) editSatellite(leftModel_->idAt(row));
}

void CReceiverDataDialog::middleListDoubleClicked() {
    if (session_.isMovePending() || session_.traits().favourite) return;
    const int row = middleList_->firstSelectedRow();
    if (row >= 0) editTransponder(middleModel_->idAt(row));
}

void CReceiverDataDialog::channelListDoubleClicked() {
    if (session_.isMovePending()) return;
    const int row = channelList_->firstSelectedRow();
    if (row >= 0) editChannel(channelModel_->idAt(row));
}

// ---- edit dialogs: what the operator accepted goes to the session -----------------------

bool CReceiverDataDialog::editSatellite(int slot) {
    SatelliteRecord record = session_.database().satellite(slot);
    CEditSatelliteDialog dialog(satelliteDialogValues(record), prompts_, this);
    if (prompts_.run(dialog) != QDialog::Accepted) return false;
    storeSatelliteDialogValues(dialog.values(), record);
    Change changed = session_.editSatellite(slot, record);
    changed.list = EditorList::Left;
    changed.focusId = slot;
    render(changed);
    return true;
}

bool CReceiverDataDialog::editTransponder(int transponder) {
    TransponderRecord record = session_.database().transponder(transponder);
    CEditTpDialog dialog(transponderDialogValues(record), prompts_, this);
    dialog.useDatabase(session_.database(), transponder);
    if (prompts_.run(dialog) != QDialog::Accepted) return false;
    storeTransponderDialogValues(dialog.values(), record);
    Change changed = session_.editTransponder(transponder, record);
    changed.list = EditorList::Middle;
    changed.focusId = transponder;
    render(changed);
    return true;
}

// The dialog works on a copy of the tables; the session takes the record.
bool CReceiverDataDialog::editChannel(int channel) {
    auto scratch = std::make_unique<ReceiverDatabase>(session_.database());
    CEditChannelDialog dialog(*scratch, channel, prompts_, this);
    if (prompts_.run(dialog) != QDialog::Accepted) return false;
    Change changed = session_.editChannel(channel, scratch->channel(channel));
    changed.list = EditorList::Channels;
    changed.focusId = channel;
    render(changed);
    return true;
}

// ---- add, delete --------------------------------------------------------------------------

void CReceiverDataDialog::addClicked() {
    if (ReportListView* list = listOf(session_.activeList()))
        session_.chooseRows(session_.activeList(), chosenIds(list));
    Change changed;
    const EditorSession::AddStart start = session_.add(&changed);
    render(changed);
    if (start.id >= 0) finishAdd(start);
}

// A record made by "Add" is one edit together with its edit dialog; when
// the dialog is cancelled the add is taken back, and nothing is recorded.
void CReceiverDataDialog::finishAdd(const EditorSession::AddStart& start) {
    bool edited = false;
    switch (start.list) {
        case EditorList::Left: edited = editSatellite(start.id); break;
        case EditorList::Middle: edited = editTransponder(start.id); break;
        case EditorList::Channels: edited = editChannel(start.id); break;
        case EditorList::None: break;
    }
    render(edited ? session_.keepAdd() : session_.dropAdd());
}

void CReceiverDataDialog::deleteClicked() {
    if (ReportListView* list = listOf(session_.activeList()))
        session_.chooseRows(session_.activeList(), chosenIds(list));
    render(session_.remove());
}

// ---- move ------------------------------------------------------------------------------

void CReceiverDataDialog::moveClicked() {
    if (ReportListView* list = listOf(session_.activeList()))
        session_.chooseRows(session_.activeList(), chosenIds(list));
    const Change changed = session_.startMove();
    if (!session_.traits().favourite && session_.isMovePending()) {
        checkSortButton(session_.sortOrder());
        channelList_->horizontalHeader()->setSortIndicator(session_.sortColumn(), Qt::AscendingOrder);
    }
    render(changed);
}

void CReceiverDataDialog::selectDestinationClicked() {
    ReportListView* list = session_.traits().favourite ? middleList_ : channelList_;
    const int row = list->firstSelectedRow();
    if (row < 0) return;
    render(session_.moveTo(list->listModel()->idAt(row)));
}

void CReceiverDataDialog::cancelPendingMove() { render(session_.cancelMove()); }

void CReceiverDataDialog::cancelMoveClicked() { cancelPendingMove(); }

// ---- drag and drop ------------------------------------------------------------------

void CReceiverDataDialog::dropRows(int onto, int from, int row) {
    const auto target = static_cast<EditorList>(onto);
    const auto source = static_cast<EditorList>(from);
    std::string why = session_.whyDropIsRefused(source, target);
    if (!why.empty()) {
        tellRefusal(why);
        return;
    }
    if (ReportListView* list = listOf(source)) session_.chooseRows(source, chosenIds(list));
    ReportListView* list = listOf(target);
    const bool onRow = list && row >= 0 && row < list->listModel()->rowCount();
    Change changed;
    if (!session_.traits().favourite) {
        if (onRow) changed = session_.dropChannelsOnChannel(channelModel_->idAt(row), &why);
    } else if (source == EditorList::Middle) {
        if (onRow) changed = session_.dropMembersOnMember(middleModel_->idAt(row), &why);
    } else if (target == EditorList::Left) {
        if (onRow) changed = session_.dropIntoGroup(leftModel_->idAt(row), &why);
    } else {
        changed = session_.dropIntoGroup(session_.currentGroup(), &why);
    }
    render(changed);
    tellRefusal(why);
}

}  // namespace dorvane
