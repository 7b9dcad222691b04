#include "editor_test_support.h"

#include <QAbstractButton>
#include <QDialog>
#include <QTest>

#include "database/backup_blob.h"
#include "database/channel_data_file.h"
#include "database/demo_data.h"
#include "editor/editor_prompts.h"
#include "editor/record_list_model.h"
#include "editor/report_list_view.h"

namespace dorvane::test {

ScriptedPrompts::ScriptedPrompts() {
    EditorPrompts& p = editorPrompts();
    p.message = [this](QWidget*, const QString& text, PromptIcon) { messages << text; };
    p.confirm = [this](QWidget*, const QString& text) {
        questions << text;
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    };
    p.run = [this](QDialog& dialog) {
        ++dialogsRun;
        return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
    };
}

ScriptedPrompts::~ScriptedPrompts() { resetEditorPrompts(); }

EditorSession::EditorSession(const ReceiverDatabase& source)
    : database_(std::make_unique<ReceiverDatabase>()), buffer_(std::make_unique<ChannelDataBuffer>()) {
    setDiagnosticSink([](std::string_view) {});
    path_ = dir_.filePath(QStringLiteral("stbdata.irz"));
    auto packed = std::make_unique<ChannelDataBuffer>();
    if (packBackup(source, *packed, 53736) != kPackOk) qFatal("the test database does not pack");
    if (!writeChannelDataFile(*packed, path_.toStdString()).ok) qFatal("cannot write the test file");
    reopen();
}

void EditorSession::reopen() {
    dialog_.reset();
    const FileResult read = openChannelDataFile(path_.toStdString(), *buffer_);
    if (!read.ok) qFatal("cannot read the test file");
    dialog_ = std::make_unique<CReceiverDataDialog>(*database_, *buffer_);
    opened_ = dialog_->initialise();
    // Shown, as the operator sees it, so that clicks reach its controls.
    if (opened_) {
        dialog_->show();
        if (!QTest::qWaitForWindowExposed(dialog_.get())) qFatal("the editor window is not shown");
    }
}

std::unique_ptr<ReceiverDatabase> makeFullDatabase() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*db, 20261208);
    return db;
}

void selectRows(ReportListView* list, const std::vector<int>& rows) {
    list->clearRowSelection();
    for (int row : rows) list->selectRow(row, false);
}

void clickRadio(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void clickList(ReportListView* list) { emit list->clickedAnywhere(); }

}  // namespace dorvane::test
