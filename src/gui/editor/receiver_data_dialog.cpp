#include "editor/receiver_data_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/path_text.h"
#include "database/backup_blob.h"
#include "database/channel_data_document.h"
#include "database/integrity_check.h"
#include "database/receiver_database.h"
#include "database/replace_file.h"
#include "editor/editor_prompts.h"
#include "editor/record_list_model.h"
#include "editor/report_list_view.h"
#include "exchange/channel_data_json.h"
#include "exchange/channel_import.h"
#include "exchange/channel_table_csv.h"

namespace dorvane {

CReceiverDataDialog::CReceiverDataDialog(ChannelDataDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), db_(document.database()) {
    setWindowTitle(QStringLiteral("Edit Receiver Data"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildControls();
    restoreSettings();
    updateButtons();
}

void CReceiverDataDialog::showMessage(const QString& text, bool exclamation) {
    editorPrompts().message(this, text, exclamation ? PromptIcon::Exclamation : PromptIcon::None);
}

bool CReceiverDataDialog::confirm(const QString& text) { return editorPrompts().confirm(this, text); }

// ---- start-up ----------------------------------------------------------------

bool CReceiverDataDialog::initialise() {
    viewCombo_->setCurrentIndex(SatelliteView);
    viewMode_ = SatelliteView;
    if (const Status unpacked = document_.unpack(); !unpacked.ok()) {
        showMessage(QString::fromStdString(unpacked.message()), false);
        return false;
    }
    db_.recount();
    history_.reset();
    setSatelliteColumns();
    selectAllSatellitesAndList();
    leftList_->setFocus(Qt::OtherFocusReason);
    if (document_.isReadOnly()) setWindowTitle(windowTitle() + QStringLiteral(" (read-only)"));
    updateButtons();
    return true;
}

// ---- the buttons' state ------------------------------------------------------------

EditorFacts CReceiverDataDialog::currentFacts() const {
    EditorFacts facts;
    facts.view = viewMode_;
    facts.activeList = activeList_;
    facts.movePending = movePending_;
    facts.dirty = isDirty();
    facts.canUndo = history_.canUndo();
    facts.canRedo = history_.canRedo();
    facts.selectedSatellites = leftList_->selectedRowCount();
    facts.selectedTransponders = middleList_->selectedRowCount();
    facts.listedTransponders = middleModel_->rowCount();
    return facts;
}

void CReceiverDataDialog::updateButtons() {
    const ButtonStates s = deriveButtonStates(currentFacts());
    add_->setEnabled(s.add);
    delete_->setEnabled(s.remove);
    move_->setEnabled(s.move);
    move_->setVisible(s.moveShown);
    selectDestination_->setVisible(!s.moveShown);
    cancelMove_->setVisible(!s.moveShown);
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
    document_.setDirty(isDirty());
}

// ---- undo ------------------------------------------------------------------------------

std::unique_ptr<EditState> CReceiverDataDialog::snapshot() const {
    auto state = std::make_unique<EditState>();
    state->database = db_;
    state->losses = document_.losses();
    return state;
}

void CReceiverDataDialog::restore(const EditState& state) {
    db_ = state.database;
    document_.setLosses(state.losses);
}

void CReceiverDataDialog::commitEdit(std::unique_ptr<EditState> before) {
    // An edit that changed nothing (OK in a dialog without a change) is no
    // edit: nothing to undo, Save stays as it was.
    lastEditRecorded_ = !before->database.sameTables(db_) || before->losses.unwritable() != document_.losses().unwritable();
    if (lastEditRecorded_) history_.recordEdit(std::move(before));
    updateButtons();
}

void CReceiverDataDialog::undoClicked() {
    if (movePending_ || !history_.canUndo()) return;
    auto current = snapshot();
    history_.undo(*current);
    restore(*current);
    relistKeepingSelection();
}

void CReceiverDataDialog::redoClicked() {
    if (movePending_ || !history_.canRedo()) return;
    auto current = snapshot();
    history_.redo(*current);
    restore(*current);
    relistKeepingSelection();
}

// Lists everything again after the database changed as a whole, keeping the
// chosen satellites, transponders and group where they still exist.
void CReceiverDataDialog::relistKeepingSelection() {
    db_.recount();
    db_.buildKindLists();
    activeList_ = NoList;
    if (viewTraits(viewMode_).favourite) {
        const int group = currentGroup_;
        enterFavouriteView();
        leftList_->selectRow(group, true);
        showGroup(group);
        updateButtons();
        return;
    }
    const std::vector<int> satellites = leftModel_->idsOf(leftList_->selectedRowNumbers());
    const std::vector<int> transponders = middleModel_->idsOf(middleList_->selectedRowNumbers());
    listSatellites();
    if (!leftList_->selectIds(satellites)) leftList_->selectAllRows();
    listTransponders();
    if (middleList_->selectIds(transponders)) listChannels();
    updateButtons();
}

void CReceiverDataDialog::relistAll() {
    db_.recount();
    db_.buildKindLists();
    activeList_ = NoList;
    if (viewTraits(viewMode_).favourite)
        enterFavouriteView();
    else
        selectAllSatellitesAndList();
    updateButtons();
}

// ---- save, exit ------------------------------------------------------------------------

namespace {

// The findings as lines, at most `limit` of them.
QString findingLines(const std::vector<IntegrityFinding>& findings, bool losingOnly, int limit = 12) {
    QStringList lines;
    int left = 0;
    for (const IntegrityFinding& f : findings) {
        if (losingOnly && !f.losesData) continue;
        if (lines.size() < limit)
            lines << QStringLiteral("- ") + QString::fromStdString(f.text);
        else
            ++left;
    }
    if (left > 0) lines << QStringLiteral("... and %1 more").arg(left);
    return lines.join('\n');
}

}  // namespace

// Saving never drops data quietly: a database whose saving would lose
// channels is not saved; other findings are shown and the operator decides.
bool CReceiverDataDialog::confirmIntegrity() {
    const std::vector<IntegrityFinding> findings = checkIntegrity(db_);
    if (findings.empty()) return true;
    if (countLosingData(findings) > 0) {
        showMessage(QString::fromStdString(lossSummary(findings)) + QStringLiteral(" Not saved.\n\n") +
                        findingLines(findings, true),
                    true);
        return false;
    }
    return editorPrompts().ask(this,
                               QStringLiteral("The check before saving found:\n") + findingLines(findings, false),
                               QStringLiteral("Save anyway"), QStringLiteral("Cancel"));
}

bool CReceiverDataDialog::save() {
    if (!isDirty()) return true;
    if (document_.isReadOnly()) {
        showMessage(QStringLiteral("This file cannot be saved: it holds data the editor would lose (%1).")
                        .arg(QString::fromStdString(joinReasons(document_.readOnlyReasons()))),
                    true);
        return false;
    }
    if (!confirmIntegrity()) return false;
    if (const Status written = document_.save(); !written.ok()) {
        showMessage(QString::fromStdString(written.message()), true);
        return false;
    }
    history_.markSaved();
    updateButtons();
    return true;
}

void CReceiverDataDialog::saveClicked() {
    if (movePending_) return;
    save();
}

void CReceiverDataDialog::saveAsClicked() {
    if (movePending_) return;
    const QString suggested = textFromPath(document_.path().filename());
    const QString file = editorPrompts().saveFileName(this, QStringLiteral("Save As"), suggested,
                                                      QStringLiteral("Channel data (*.irz)"));
    if (file.isEmpty()) return;
    if (document_.isReadOnly()) {
        showMessage(QStringLiteral("This file cannot be saved: it holds data the editor would lose (%1).")
                        .arg(QString::fromStdString(joinReasons(document_.readOnlyReasons()))),
                    true);
        return;
    }
    if (!confirmIntegrity()) return;
    if (const Status written = document_.saveAs(pathFromText(file)); !written.ok()) {
        showMessage(QString::fromStdString(written.message()), true);
        return;
    }
    history_.markSaved();
    updateButtons();
}

// Unsaved edits are saved, or given up only on a second, plain question.
bool CReceiverDataDialog::settleUnsavedEdits() {
    if (!isDirty()) return true;
    if (confirm(QStringLiteral("Do you want to save changes?"))) {
        // A save that failed keeps the window open with the changes, so
        // nothing is lost without the operator seeing it.
        return save();
    }
    return editorPrompts().ask(this, QStringLiteral("Discard the unsaved changes?"), QStringLiteral("Discard"),
                               QStringLiteral("Keep Editing"));
}

void CReceiverDataDialog::exitClicked() {
    if (movePending_) return;
    if (!settleUnsavedEdits()) return;
    storeSettings();
    accept();
}

void CReceiverDataDialog::reject() {
    if (movePending_) {
        cancelPendingMove();
        return;
    }
    if (!settleUnsavedEdits()) return;
    storeSettings();
    QDialog::reject();
}

void CReceiverDataDialog::closeEvent(QCloseEvent* event) {
    if (movePending_ || !settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    storeSettings();
    QDialog::closeEvent(event);
}

// ---- export, import ------------------------------------------------------------------------

namespace {

const QString kExchangeFilter = QStringLiteral("Channel data JSON (*.json);;Channel table CSV (*.csv)");

bool isCsv(const QString& file) { return file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

}  // namespace

void CReceiverDataDialog::exportClicked() {
    if (movePending_) return;
    const QString suggested = textFromPath(document_.path().stem()) + QStringLiteral(".json");
    const QString file = editorPrompts().saveFileName(this, QStringLiteral("Export"), suggested, kExchangeFilter);
    if (file.isEmpty()) return;
    const QByteArray bytes = isCsv(file) ? channelTableCsv(db_) : databaseToJson(db_);
    const Status written = replaceFileAtomically(pathFromText(file),
                                                 {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                  static_cast<std::size_t>(bytes.size())});
    if (!written.ok()) showMessage(QStringLiteral("File write failed!"), true);
}

void CReceiverDataDialog::importClicked() {
    if (movePending_) return;
    const QString file = editorPrompts().openFileName(this, QStringLiteral("Import"), kExchangeFilter);
    if (file.isEmpty()) return;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("File open failed!"), true);
        return;
    }
    const QByteArray bytes = input.readAll();
    // The checks and the step `dorvane import` takes, on the open document.
    auto before = snapshot();
    const Result<ImportReport> imported = importChannelData(bytes, importKindOf(file), document_);
    if (!imported.ok()) {
        showMessage(QStringLiteral("Nothing was imported: %1").arg(QString::fromStdString(imported.message())), true);
        return;
    }
    commitEdit(std::move(before));
    relistAll();
    if (!imported->lines.isEmpty()) showMessage(imported->lines.join(QLatin1Char('\n')), false);
}

}  // namespace dorvane
