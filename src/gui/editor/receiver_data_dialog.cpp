#include "gui/editor/receiver_data_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"
#include "core/database/replace_file.h"
#include "gui/editor/channel_order_actions.h"
#include "gui/editor/copy_clean_tools.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"
#include "gui/ui/prompts.h"
#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_import.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace dorvane {

namespace {

// The core's texts, in the language installed.
QString q(const std::string& text) { return coreText(text); }

}  // namespace

// ---- the session's questions ------------------------------------------------------

bool PromptQuestions::confirm(const std::string& text) { return prompts_.confirm(parent_, q(text)); }

bool PromptQuestions::ask(const std::string& text, const std::string& yes, const std::string& no) {
    return prompts_.ask(parent_, q(text), q(yes), q(no));
}

SessionQuestions::SaveChoice PromptQuestions::askToSave(const std::string& text) {
    const int choice = prompts_.choose(parent_, q(text),
                                       {QCoreApplication::translate("dorvane::CReceiverDataDialog", "&Save"),
                                        QCoreApplication::translate("dorvane::CReceiverDataDialog", "Do&n't Save"),
                                        QCoreApplication::translate("dorvane::CReceiverDataDialog", "Cancel")});
    if (choice == 0) return SaveChoice::Save;
    return choice == 1 ? SaveChoice::DontSave : SaveChoice::Cancel;
}

void PromptQuestions::tell(const std::string& text, bool warning) {
    prompts_.message(parent_, q(text), warning ? PromptIcon::Exclamation : PromptIcon::None);
}

int PromptQuestions::choose(const std::string& text, const std::vector<std::string>& buttons) {
    QStringList texts;
    for (const std::string& button : buttons) texts << q(button);
    const int choice = prompts_.choose(parent_, q(text), texts);
    return choice < 0 ? static_cast<int>(buttons.size()) - 1 : choice;
}

// ---- start-up ------------------------------------------------------------------------

CReceiverDataDialog::CReceiverDataDialog(ChannelDataDocument& document, Prompts& prompts, EditorOptions options,
                                         QWidget* parent, SessionQuestions* questions)
    : QDialog(parent),
      prompts_(prompts),
      options_(options),
      questions_(prompts, this),
      session_(document, questions ? *questions : questions_) {
    setWindowTitle(tr("Edit Receiver Data"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildControls();
    copyClean_ = new CopyCleanTools(*this, prompts_);
    restoreSettings();
    orderActions_ = new ChannelOrderActions(*this, prompts_);
    updateButtons();
}

void CReceiverDataDialog::showOrderChange(const Change& change, const QString& status) {
    render(change);
    if (!status.isEmpty()) status_->setText(status);
}

bool CReceiverDataDialog::initialise() {
    viewCombo_->setCurrentIndex(SatelliteView);
    if (const Status opened = session_.open(); !opened.ok()) {
        prompts_.message(this, q(opened.message()), PromptIcon::None);
        return false;
    }
    render({Change::Everything});
    leftList_->setFocus(Qt::OtherFocusReason);
    return true;
}

// ---- drawing the session ------------------------------------------------------------------

ReportListView* CReceiverDataDialog::listOf(EditorList list) const {
    switch (list) {
        case EditorList::Left: return leftList_;
        case EditorList::Middle: return middleList_;
        case EditorList::Channels: return channelList_;
        case EditorList::None: break;
    }
    return nullptr;
}

void CReceiverDataDialog::render(const Change& change) {
    rendering_ = true;
    if (change.has(Change::View)) setColumnsOfView();
    if (change.has(Change::Left)) renderLeft();
    if (change.has(Change::Middle)) renderMiddle();
    if (change.has(Change::Channels)) renderChannels();
    if (change.has(Change::Data)) {
        for (RecordListModel* model : {leftModel_, middleModel_, channelModel_}) model->allRowsChanged();
    }
    focusRow(change);
    rendering_ = false;
    drawCounts();
    updateButtons();
}

namespace {

int currentIdOf(const ReportListView* list) {
    const int row = list->currentIndex().row();
    return row >= 0 && row < list->listModel()->rowCount() ? list->listModel()->idAt(row) : -1;
}

// The row that was current stays current (the keyboard goes on from it),
// without touching the selection.
void keepCurrent(ReportListView* list, int id) {
    const int row = id < 0 ? -1 : list->listModel()->rowOf(id);
    if (row >= 0)
        list->selectionModel()->setCurrentIndex(list->listModel()->index(row, 0), QItemSelectionModel::NoUpdate);
}

}  // namespace

void CReceiverDataDialog::renderLeft() {
    const int current = currentIdOf(leftList_);
    leftModel_->setRows(session_.leftRows());
    if (leftSortColumn_ >= 0 && !session_.traits().favourite)
        leftModel_->sortRowsByColumn(leftSortColumn_, leftSortDescending_);
    leftList_->selectIds(session_.selectedLeft());
    keepCurrent(leftList_, current);
}

void CReceiverDataDialog::renderMiddle() {
    const int current = currentIdOf(middleList_);
    middleModel_->setRows(session_.middleRows());
    if (middleSortColumn_ >= 0 && session_.traits().middleSortable)
        middleModel_->sortRowsByColumn(middleSortColumn_, middleSortDescending_);
    middleList_->selectIds(session_.selectedMiddle());
    keepCurrent(middleList_, current);
}

void CReceiverDataDialog::renderChannels() {
    const int current = currentIdOf(channelList_);
    std::vector<int> rows = session_.channelRows();
    if (session_.sortOrder() < 0 && !session_.traits().favourite) sortChannelRowsByText(rows);
    channelModel_->setRows(std::move(rows));
    channelList_->selectIds(session_.selectedChannels());
    keepCurrent(channelList_, current);
}

// The row the operator was on stays current: a new record, the row after a
// deleted one, the edited one.
void CReceiverDataDialog::focusRow(const Change& change) {
    ReportListView* list = listOf(change.list);
    if (!list || change.focusId < 0) return;
    const int row = list->listModel()->rowOf(change.focusId);
    if (row < 0) return;
    list->setCurrentIndex(list->listModel()->index(row, 0));
    list->selectIds(list == leftList_     ? session_.selectedLeft()
                    : list == middleList_ ? session_.selectedMiddle()
                                          : session_.selectedChannels());
    list->scrollTo(list->listModel()->index(row, 0));
}

void CReceiverDataDialog::updateButtons() {
    const ButtonStates s = session_.buttons();
    add_->setEnabled(s.add);
    delete_->setEnabled(s.remove);
    move_->setEnabled(s.move);
    move_->setVisible(s.moveShown);
    selectDestination_->setVisible(!s.moveShown);
    cancelMove_->setVisible(!s.moveShown);
    add_->setToolTip(q(session_.whyAddIsOff()));
    delete_->setToolTip(q(session_.whyDeleteIsOff()));
    move_->setToolTip(q(session_.whyMoveIsOff()));
    save_->setEnabled(s.save);
    exit_->setEnabled(s.exit);
    undo_->setEnabled(s.undo);
    redo_->setEnabled(s.redo);
    for (QPushButton* b : {saveAs_, export_, import_}) b->setEnabled(s.fileActions);
    renameGroup_->setVisible(s.renameGroup);
    leftList_->setEnabled(s.leftList);
    middleList_->setEnabled(s.middleList);
    allSat_->setEnabled(s.satelliteChoices);
    searchedSat_->setEnabled(s.satelliteChoices);
    for (auto* group : {&kindButtons_, &accessButtons_, &sortButtons_}) {
        for (QRadioButton* button : *group) button->setEnabled(s.satelliteChoices);
    }
    counter(1023)->setEnabled(s.leftCounters);
    counter(1022)->setEnabled(s.leftCounters);
    setWindowTitle(q(session_.title()));
    showStatus();
}

void CReceiverDataDialog::showStatus() {
    QString text;
    if (session_.isMovePending()) {
        const int marked = static_cast<int>(session_.pendingMove().size());
        text = tr("%1 marked for moving: choose the destination, then \"Select Destination\"")
                   .arg(marked == 1 ? tr("1 channel") : tr("%1 channels").arg(marked));
    } else if (!session_.foundText().empty()) {
        text = q(session_.foundText());
    }
    status_->setText(text);
}

void CReceiverDataDialog::tellRefusal(const std::string& why) {
    if (!why.empty()) status_->setText(q(why));
}

// ---- undo -------------------------------------------------------------------------------

void CReceiverDataDialog::undoClicked() { render(session_.undo()); }

void CReceiverDataDialog::redoClicked() { render(session_.redo()); }

// ---- save, exit ---------------------------------------------------------------------------

bool CReceiverDataDialog::save() {
    Change changed;
    const bool saved = session_.save(&changed);
    render(changed);
    return saved;
}

void CReceiverDataDialog::saveClicked() {
    if (!session_.isMovePending()) save();
}

bool CReceiverDataDialog::saveAs() {
    const QString suggested = textFromPath(session_.document().path().filename());
    const QString file = prompts_.saveFileName(this, tr("Save As"), suggested, tr("Channel data (*.irz)"));
    if (file.isEmpty()) return false;
    Change changed;
    const bool saved = session_.saveAs(pathFromText(file), &changed);
    render(changed);
    return saved;
}

void CReceiverDataDialog::saveAsClicked() {
    if (!session_.isMovePending()) saveAs();
}

void CReceiverDataDialog::exitClicked() {
    Change changed;
    const bool close = session_.settleUnsavedEdits(&changed);
    render(changed);
    if (!close) return;
    storeSettings();
    accept();
}

void CReceiverDataDialog::reject() {
    if (session_.isMovePending()) {
        cancelPendingMove();
        return;
    }
    Change changed;
    const bool close = session_.settleUnsavedEdits(&changed);
    render(changed);
    if (!close) return;
    storeSettings();
    QDialog::reject();
}

void CReceiverDataDialog::closeEvent(QCloseEvent* event) {
    Change changed;
    const bool close = session_.settleUnsavedEdits(&changed);
    render(changed);
    if (!close) {
        event->ignore();
        return;
    }
    storeSettings();
    QDialog::closeEvent(event);
}

// ---- export, import ------------------------------------------------------------------------

namespace {

const QString kExchangeFilter = QCoreApplication::translate("dorvane::CReceiverDataDialog",
                                                            "Channel data JSON (*.json);;Channel table CSV (*.csv)");

bool isCsv(const QString& file) { return file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

}  // namespace

void CReceiverDataDialog::exportClicked() {
    if (session_.isMovePending()) return;
    const QString suggested = textFromPath(session_.document().path().stem()) + QStringLiteral(".json");
    const QString file = prompts_.saveFileName(this, tr("Export"), suggested, kExchangeFilter);
    if (file.isEmpty()) return;
    const ReceiverDatabase& db = session_.database();
    const QByteArray bytes = isCsv(file) ? channelTableCsv(db) : databaseToJson(db);
    const Status written = replaceFileAtomically(
        pathFromText(file),
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    if (!written.ok()) prompts_.message(this, tr("File write failed!"), PromptIcon::Exclamation);
}

void CReceiverDataDialog::importClicked() {
    if (session_.isMovePending()) return;
    const QString file = prompts_.openFileName(this, tr("Import"), kExchangeFilter);
    if (file.isEmpty()) return;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        prompts_.message(this, tr("File open failed!"), PromptIcon::Exclamation);
        return;
    }
    const QByteArray bytes = input.readAll();
    // The checks and the step `dorvane import` takes, on the open document.
    QStringList reported;
    Status imported;
    render(session_.import(
        [this, &bytes, &file, &reported](ReceiverDatabase&) -> Status {
            const Result<ImportReport> report = importChannelData(bytes, importKindOf(file), session_.document());
            if (!report.ok()) return report.status();
            reported = report->lines;
            return {};
        },
        false, &imported));
    if (imported.ok() && !reported.isEmpty())
        prompts_.message(this, coreText(reported.join(QLatin1Char('\n'))), PromptIcon::None);
}

}  // namespace dorvane
