// The window's actions on the order of the whole table, by their keys,
// context menu entries and buttons: a move across satellites, "Move to
// number...", "Swap", a sort kept, and "Apply order from..." with its
// preview, on the reference files `dorvane reorder` is tested with. Each is
// one undo step.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_order.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/channel_order_actions.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/reference_preview_dialog.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

QByteArray packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 1) != PackResult::Ok) return {};
    return QByteArray(reinterpret_cast<const char*>(buffer->data()), static_cast<qsizetype>(buffer->length()));
}

QString nameOf(const ReceiverDatabase& db, int n) { return QString::fromLatin1(fixedText(db.channel(n).name)); }

QString reference(const char* name) {
    return QStringLiteral(DORVANE_SOURCE_DIR "/tests/data/reference/") + QLatin1String(name);
}

// The window shown and active, so that its keys reach it.
void showActive(CReceiverDataDialog& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

QAction* menuEntry(QMenu* menu, const QString& startsWith) {
    for (QAction* a : menu->actions()) {
        if (a->text().startsWith(startsWith)) return a;
    }
    return nullptr;
}

}  // namespace

class ChannelOrderWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ReceiverDatabase> demo_;

private slots:
    void initTestCase() {
        demo_ = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*demo_);
    }

    void moveAndSelectDestinationCrossSatellitesWithEverySatelliteChosen() {
        ScriptedPrompts prompts;
        EditorWindow s(*demo_, prompts);
        auto& w = s.dialog();
        QCOMPARE(w.leftList()->selectedRowCount(), w.leftList()->model()->rowCount());
        const QString moving = nameOf(s.database(), 0);
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        QVERIFY(w.moveButton()->isEnabled());
        w.moveButton()->click();
        QVERIFY(w.isMovePending());
        // A channel of the last satellite in the order list.
        const int destination = 100;
        QVERIFY(s.database().channel(destination).satellite != s.database().channel(0).satellite);
        w.channelList()->selectIds({destination});
        clickList(w.channelList());
        w.selectDestinationButton()->click();
        QVERIFY(!w.isMovePending());
        QCOMPARE(nameOf(s.database(), destination - 1), moving);
        w.undoButton()->click();
        QCOMPARE(packed(s.database()), packed(*demo_));
    }

    void moveToNumberAndSwapByTheirKeys() {
        ScriptedPrompts prompts;
        EditorWindow s(*demo_, prompts);
        auto& w = s.dialog();
        showActive(w);
        const QStringList names{nameOf(s.database(), 5), nameOf(s.database(), 60), nameOf(s.database(), 99)};
        selectRows(w.channelList(), {5, 60, 99});
        prompts.onDialog = [](QDialog& d) {
            auto* number = d.findChild<QSpinBox*>(QStringLiteral("number"));
            if (!number) return int(QDialog::Rejected);
            number->setValue(40);
            return int(QDialog::Accepted);
        };
        QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(prompts.dialogsRun, 1);
        for (int k = 0; k < 3; ++k) QCOMPARE(nameOf(s.database(), 40 + k), names[k]);
        QCOMPARE(w.channelList()->selectedRowNumbers(), (std::vector<int>{40, 41, 42}));
        QCOMPARE(w.history().undoDepth(), 1u);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(packed(s.database()), packed(*demo_));

        // Swap wants exactly two: three are refused on the status line.
        const QString a = nameOf(s.database(), 3), b = nameOf(s.database(), 77);
        selectRows(w.channelList(), {3, 77, 80});
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.statusLine()->text().contains(QStringLiteral("exactly two")));
        QVERIFY(!w.isDirty());
        selectRows(w.channelList(), {3, 77});
        QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(nameOf(s.database(), 3), b);
        QCOMPARE(nameOf(s.database(), 77), a);
        w.undoButton()->click();
        QCOMPARE(packed(s.database()), packed(*demo_));
    }

    // Typing a number into a "New No." cell moves that row's channel, or
    // all chosen ones when it is among them.
    void typingANewNumberMovesTheChannels() {
        ScriptedPrompts prompts;
        EditorWindow s(*demo_, prompts);
        auto& w = s.dialog();
        showActive(w);
        RecordListModel* model = w.channelList()->listModel();
        int column = -1;
        for (int c = 0; c < model->columnCount(); ++c) {
            if (model->headerData(c, Qt::Horizontal).toString() == QStringLiteral("New No.")) column = c;
        }
        QVERIFY(column >= 0);
        auto typeInto = [&](int row, const QString& text) {
            w.channelList()->setFocus();
            // The cell becomes current without changing the chosen rows.
            w.channelList()->selectionModel()->setCurrentIndex(model->index(row, column),
                                                               QItemSelectionModel::NoUpdate);
            // The first key opens the cell's editor, the rest go into it.
            QTest::keyClick(w.channelList(), text.at(0).toLatin1());
            QWidget* editor = QApplication::focusWidget();
            QVERIFY(editor && editor != w.channelList());
            QTest::keyClicks(editor, text.mid(1));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();
        };
        const QString five = nameOf(s.database(), 5), sixty = nameOf(s.database(), 60);
        selectRows(w.channelList(), {5, 60});
        clickList(w.channelList());
        typeInto(5, QStringLiteral("90"));
        QTRY_COMPARE(nameOf(s.database(), 90), five);
        QCOMPARE(nameOf(s.database(), 91), sixty);
        QCOMPARE(w.history().undoDepth(), 1u);
        w.undoButton()->click();
        QCOMPARE(packed(s.database()), packed(*demo_));
        // Not a number in range: said, nothing moves.
        selectRows(w.channelList(), {7});
        clickList(w.channelList());
        typeInto(7, QStringLiteral("6000"));
        QVERIFY(w.statusLine()->text().startsWith(QStringLiteral("New No.:")));
        QCOMPARE(packed(s.database()), packed(*demo_));
        // The other cells stay read-only.
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
    }

    void sortAndKeepFromTheContextMenu() {
        ScriptedPrompts prompts;
        EditorWindow s(*demo_, prompts);
        auto& w = s.dialog();
        w.channelList()->selectAllRows();
        clickList(w.channelList());
        std::unique_ptr<QMenu> menu(w.contextMenuFor(CReceiverDataDialog::ChannelList));
        QAction* byName = menuEntry(menu.get(), QStringLiteral("Sort the selected channels by &name"));
        QVERIFY(byName && byName->isEnabled());
        QVERIFY(menuEntry(menu.get(), QStringLiteral("Apply &order from..."))->isEnabled());
        byName->trigger();
        for (int n = 1; n < 108; ++n) QVERIFY(s.database().compareChannels(n - 1, n, 2) <= 0);
        // The favourites name the same channels (the names they showed).
        for (int g = 0; g < 4; ++g) {
            for (int k = 0; k < demo_->groupSize(g); ++k)
                QCOMPARE(nameOf(s.database(), s.database().groupSlot(g, k)), nameOf(*demo_, demo_->groupSlot(g, k)));
        }
        w.undoButton()->click();
        QCOMPARE(packed(s.database()), packed(*demo_));
        // Not in the favourite lists' menus.
        std::unique_ptr<QMenu> left(w.contextMenuFor(CReceiverDataDialog::LeftList));
        QVERIFY(!menuEntry(left.get(), QStringLiteral("S&wap")));
    }

    // The same files and counts as the command line's test.
    void applyOrderFromATextListShowsThePreviewFirst() {
        ScriptedPrompts prompts;
        EditorWindow s(*demo_, prompts);
        auto& w = s.dialog();
        showActive(w);
        prompts.files = {reference("demo_names.txt"), reference("demo_names.txt")};
        QString summary;
        int previewRows = 0, missingRows = 0;
        QString firstRow, fourthFound;
        bool favouritesOffered = true;
        prompts.onDialog = [&](QDialog& d) {
            auto* preview = qobject_cast<CReferencePreviewDialog*>(&d);
            if (!preview) return int(QDialog::Rejected);
            summary = preview->summary()->text();
            previewRows = preview->channels()->topLevelItemCount();
            missingRows = preview->missing()->topLevelItemCount();
            favouritesOffered = preview->favouritesBox()->isEnabled();
            firstRow = preview->channels()->topLevelItem(0)->text(1);
            fourthFound = preview->channels()->topLevelItem(3)->text(3);
            return int(prompts.dialogsRun == 1 ? QDialog::Rejected : QDialog::Accepted);
        };
        // Cancelled in the preview: nothing changes.
        QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(summary, QStringLiteral("3 of 108 channels matched (0 by identity, 3 by name); 105 not matched go to "
                                         "the end from number 3; 1 reference entry found no channel"));
        QCOMPARE(previewRows, 108);
        QCOMPARE(missingRows, 1);
        QVERIFY(!favouritesOffered);
        QCOMPARE(firstRow, QStringLiteral("Vista Radio"));
        QCOMPARE(fourthFound, QStringLiteral("not matched: to the end"));
        QVERIFY(!w.isDirty());
        QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(prompts.dialogsRun, 2);
        QCOMPARE(nameOf(s.database(), 0), QStringLiteral("Vista Radio"));
        QCOMPARE(nameOf(s.database(), 1), QStringLiteral("Delta TV"));
        QCOMPARE(nameOf(s.database(), 2), QStringLiteral("Nova TV"));
        QCOMPARE(nameOf(s.database(), 3), QStringLiteral("Atlas News"));
        QCOMPARE(w.statusLine()->text(), summary);
        QCOMPARE(w.history().undoDepth(), 1u);
        w.undoButton()->click();
        QCOMPARE(packed(s.database()), packed(*demo_));
    }

    void applyOrderFromAFileTakesItsFavouritesWhenAsked() {
        ScriptedPrompts prompts;
        auto other = std::make_unique<ReceiverDatabase>(*demo_);
        ChannelOrder reversed = unchangedOrder();
        std::reverse(reversed.begin(), reversed.begin() + 108);
        QVERIFY(reorderChannels(*other, reversed));
        other->setRadioGroupName(2, "Evenings");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("reference.irz"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(packed(*other));
        out.close();

        EditorWindow s(*demo_, prompts);
        auto& w = s.dialog();
        prompts.files = {file};
        prompts.onDialog = [](QDialog& d) {
            auto* preview = qobject_cast<CReferencePreviewDialog*>(&d);
            if (!preview || !preview->favouritesBox()->isEnabled()) return int(QDialog::Rejected);
            preview->favouritesBox()->setChecked(true);
            return int(QDialog::Accepted);
        };
        w.orderActions()->applyOrderAction()->trigger();
        QCOMPARE(packed(s.database()), packed(*other));
        QCOMPARE(QString::fromStdString(s.database().radioGroupName(2)), QStringLiteral("Evenings"));
        w.undoButton()->click();
        QCOMPARE(packed(s.database()), packed(*demo_));
        // A file that is not there: said, nothing changes.
        prompts.files = {dir.filePath(QStringLiteral("missing.irz"))};
        w.orderActions()->applyOrderAction()->trigger();
        QVERIFY(prompts.messages.last().endsWith(QStringLiteral("File open failed!")));
        QVERIFY(!w.isDirty());
    }
};

QTEST_MAIN(ChannelOrderWindowTest)
#include "channel_order_window_test.moc"
