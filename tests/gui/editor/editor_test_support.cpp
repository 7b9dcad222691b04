#include "editor_test_support.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_file.h"
#include "core/database/demo_data.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"

namespace dorvane::test {

EditorWindow::EditorWindow(const ReceiverDatabase& source, Prompts& prompts, EditorOptions options)
    : prompts_(prompts), options_(options), document_(std::make_unique<ChannelDataDocument>()) {
    path_ = dir_.filePath(QStringLiteral("stbdata.irz"));
    auto packed = std::make_unique<ChannelDataBuffer>();
    if (packBackup(source, *packed, 53736) != PackResult::Ok) qFatal("the test database does not pack");
    if (!writeChannelDataFile(*packed, path_.toStdString()).ok()) qFatal("cannot write the test file");
    reopen();
}

EditorWindow::EditorWindow(const QByteArray& fileBytes, Prompts& prompts, EditorOptions options)
    : prompts_(prompts), options_(options), document_(std::make_unique<ChannelDataDocument>()) {
    path_ = dir_.filePath(QStringLiteral("stbdata.irz"));
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes) != fileBytes.size())
        qFatal("cannot write the test file");
    file.close();
    reopen();
}

void EditorWindow::reopen() {
    dialog_.reset();
    const Status read = document_->read(path_.toStdString());
    if (!read.ok()) qFatal("cannot read the test file");
    dialog_ = std::make_unique<CReceiverDataDialog>(*document_, prompts_, options_);
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
