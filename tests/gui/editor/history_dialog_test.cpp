#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/database_diff.h"
#include "core/database/demo_data.h"
#include "editor_test_support.h"
#include "gui/editor/history_dialog.h"
#include "qtcore/history/history_browser.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 20000) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

}  // namespace

// The History window on the offscreen platform, alone and from the editor.
class HistoryDialogTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    std::unique_ptr<ReceiverDatabase> base_ = std::make_unique<ReceiverDatabase>();
    std::unique_ptr<ReceiverDatabase> moved_;

    ListHistory history() const { return ListHistory(dir_.filePath("history").toStdString()); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("DORVANE_HISTORY_DIR", dir_.filePath("history").toLocal8Bit());
        fillDemoDatabase(*base_);
        moved_ = std::make_unique<ReceiverDatabase>(*base_);
        setFixedText(moved_->channel(4).name, "Moved Name");
        moved_->transponder(moved_->channel(4).transponder).symbolRate += 500;
        ListHistory kept = history();
        const auto a = packed(*base_);
        const auto b = packed(*moved_);
        KeptList list;
        list.bytes = a;
        list.origin = "upload";
        QVERIFY(kept.keep(list, ListHistory::Clock::now() - std::chrono::hours(2)).ok());
        list.bytes = b;
        list.origin = "replaced";
        QVERIFY(kept.keep(list, ListHistory::Clock::now() - std::chrono::hours(1)).ok());
    }

    void buttonsFollowTheSelectionAndComparisonsShow() {
        const ListHistory kept = history();
        HistoryDialog dialog(kept, *base_, QStringLiteral("the open list"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.list()->model()->rowCount(), 2);
        QVERIFY(dialog.list()->isColumnHidden(HistoryListModel::Versions));  // no entry has versions
        QVERIFY(!dialog.list()->isColumnHidden(HistoryListModel::Channels));
        QVERIFY(!dialog.compareButton()->isEnabled());
        QVERIFY(!dialog.restoreButton()->isEnabled());

        dialog.selectRows({0, 1});
        QVERIFY(dialog.compareButton()->isEnabled());
        QVERIFY(!dialog.compareOpenButton()->isEnabled());
        QVERIFY(!dialog.restoreButton()->isEnabled());
        QTest::mouseClick(dialog.compareButton(), Qt::LeftButton);
        const QStringList lines = dialog.comparisonText()->toPlainText().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("1 renamed, 1 transponder changed."));
        QVERIFY(dialog.comparisonTitle()->text().contains(QStringLiteral("(received from the STB) to ")));

        // The newest against the open list (the uploaded one): the way back.
        QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                          dialog.list()->visualRect(dialog.list()->model()->index(0, 0)).center());
        QVERIFY(dialog.compareOpenButton()->isEnabled());
        QVERIFY(!dialog.compareButton()->isEnabled());
        QTest::mouseClick(dialog.compareOpenButton(), Qt::LeftButton);
        QCOMPARE(dialog.comparisonText()->toPlainText().section('\n', 0, 0),
                 QStringLiteral("1 renamed, 1 transponder changed."));
        QVERIFY(dialog.comparisonTitle()->text().endsWith(QStringLiteral("to the open list")));

        QTest::mouseClick(dialog.restoreButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.chosenForRestore().has_value());
        QCOMPARE(dialog.chosenForRestore()->origin, std::string("replaced"));
    }

    void emptyHistorySaysSo() {
        QTemporaryDir empty;
        const ListHistory none(empty.filePath("none").toStdString());
        HistoryDialog dialog(none, *base_, {});
        QCOMPARE(dialog.list()->model()->rowCount(), 0);
        QCOMPARE(dialog.comparisonTitle()->text(), QStringLiteral("No lists are kept yet."));
    }

    // From the editor: History..., Restore of the uploaded list; the open
    // list goes into the history, the editor shows the restored one with
    // unsaved edits, and Undo brings the open one back.
    void editorRestoresAnEntry() {
        ScriptedPrompts prompts;
        EditorWindow window(*moved_, prompts);
        auto& editor = window.dialog();
        auto* button = editor.findChild<QPushButton*>(QStringLiteral("historyButton"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("&History..."));
        int listed = 0;
        prompts.onDialog = [&](QDialog& d) {
            auto* history = qobject_cast<HistoryDialog*>(&d);
            if (!history) return int(QDialog::Rejected);
            listed = history->list()->model()->rowCount();
            history->selectRows({listed - 1});  // the oldest: the upload
            history->restoreClicked();
            return history->result();
        };
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(prompts.dialogsRun, 1);
        QCOMPARE(listed, 2);
        QVERIFY(compareDatabases(window.database(), *base_).equal());
        QVERIFY(editor.isDirty());
        QVERIFY(editor.windowTitle().contains('*'));
        QVERIFY(prompts.messages.isEmpty());
        const auto all = history().entries();
        QCOMPARE(all.size(), std::size_t{3});
        QCOMPARE(all[0].origin, std::string("restore"));
        QCOMPARE(all[0].source, window.path().toStdString());

        const auto kept = loadHistoryEntry(history(), all[0]);
        QVERIFY(kept.ok() && compareDatabases(*kept.value(), *moved_).equal());

        editor.undoClicked();
        QVERIFY(compareDatabases(window.database(), *moved_).equal());
    }
};

QTEST_MAIN(HistoryDialogTest)
#include "history_dialog_test.moc"
