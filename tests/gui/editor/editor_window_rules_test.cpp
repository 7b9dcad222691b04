// The window as an operator uses it every day, by keys and clicks: Find and
// Enter, what a search in part of the view says, Add on an empty list,
// actions that say why they are off, the current row after edits, a pending
// move that shows its channels, unique mnemonics, Home/End, Ctrl+Z in Find,
// the title, Save As and the numbers after a save.

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTest>

#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

std::unique_ptr<ReceiverDatabase> demo() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

// A real click on a row of a list.
void clickRow(ReportListView* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

std::vector<int> listed(ReportListView* list) { return list->listModel()->ids(); }

int currentId(ReportListView* list) {
    const int row = list->currentIndex().row();
    return row < 0 ? -1 : list->listModel()->idAt(row);
}

}  // namespace

class EditorWindowRulesTest : public QObject {
    Q_OBJECT
private slots:
    void enterInFindGoesToTheFirstHitAndNeverCloses() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        for (QPushButton* b : w.findChildren<QPushButton*>()) QVERIFY2(!b->isDefault(), qPrintable(b->text()));
        const QString word = textFromField(session.database().channel(30).name).left(4);
        // One satellite that does not carry channel 30 is chosen.
        const int carrier = w.leftList()->listModel()->rowOf(session.database().channel(30).satellite);
        clickRow(w.leftList(), (carrier + 1) % w.leftList()->listModel()->rowCount());
        w.searchEdit()->setFocus();
        QTest::keyClicks(w.searchEdit(), word);
        QTest::keyClick(w.searchEdit(), Qt::Key_Return);
        QVERIFY(w.isVisible());
        QVERIFY(w.channelList()->hasFocus());
        QVERIFY(!listed(w.channelList()).empty());
        QCOMPARE(w.channelList()->firstSelectedRow(), 0);
        QCOMPARE(currentId(w.channelList()), listed(w.channelList())[0]);
        for (int n : listed(w.channelList()))
            QVERIFY(textFromField(session.database().channel(n).name).contains(word, Qt::CaseInsensitive));
        QTest::keyClick(w.searchEdit(), Qt::Key_Enter);
        QVERIFY(w.isVisible());
    }

    // Sorted by a column that no "Sort by" order stands for (VPid, highest
    // first), Enter goes to the hit at the top of the list as shown, not to
    // the lowest-numbered one.
    void enterInFindGoesToTheTopHitAsSortedByAnyColumn() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        QHeaderView* header = w.channelList()->horizontalHeader();
        const QPoint vpid(header->sectionViewportPosition(2) + 4, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, vpid);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, vpid);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        w.searchEdit()->setFocus();
        QTest::keyClicks(w.searchEdit(), QStringLiteral("a"));
        const std::vector<int> shown = listed(w.channelList());
        QVERIFY(shown.size() > 2);
        const int lowest = *std::min_element(shown.begin(), shown.end());
        QVERIFY(shown.front() != lowest);  // else this test could not tell the two apart
        QTest::keyClick(w.searchEdit(), Qt::Key_Return);
        QVERIFY(w.isVisible());
        QVERIFY(w.channelList()->hasFocus());
        QCOMPARE(listed(w.channelList()), shown);
        QCOMPARE(currentId(w.channelList()), shown.front());
        QCOMPARE(w.channelList()->firstSelectedRow(), 0);
        QCOMPARE(w.channelList()->selectedRowNumbers(), std::vector<int>{0});
    }

    void aSearchInPartOfTheViewSaysHowManyItHides() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        w.searchEdit()->setText(QStringLiteral("a"));
        const int everywhere = w.counterValue(1036);
        QCOMPARE(w.statusLine()->text(), QStringLiteral("%1 found").arg(everywhere));
        clickRow(w.leftList(), 0);
        const int here = w.counterValue(1036);
        QVERIFY(here < everywhere);
        QCOMPARE(w.statusLine()->text(),
                 QStringLiteral("%1 found, %2 in the selected satellites").arg(everywhere).arg(here));
        clickRow(w.middleList(), 0);
        QVERIFY(w.statusLine()->text().endsWith(QStringLiteral("in the selected satellites")));
    }

    void addOnAnEmptyChannelListMakesTheFirstChannel() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        clickRow(w.leftList(), 0);
        clickRow(w.middleList(), 0);
        prompts.onDialog = [](QDialog& d) {
            if (auto* tp = qobject_cast<CEditTpDialog*>(&d)) tp->frequencyEdit()->setText(QStringLiteral("12111"));
            d.accept();
            return d.result();
        };
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        const int tp = currentId(w.middleList());
        QCOMPARE(int(session.database().transponder(tp).frequency), 12111);
        clickRow(w.middleList(), w.middleList()->listModel()->rowOf(tp));
        QCOMPARE(w.channelList()->listModel()->rowCount(), 0);
        QTest::mouseClick(w.channelList()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(w.addButton()->isEnabled());
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.channelList()->listModel()->rowCount(), 1);
        const int channel = listed(w.channelList())[0];
        QCOMPARE(int(session.database().channel(channel).transponder), tp);
        QCOMPARE(w.counterValue(1024), 1);
        QCOMPARE(w.counterValue(1036), 1);
        QCOMPARE(w.middleList()->model()->index(w.middleList()->listModel()->rowOf(tp), 8).data().toString().trimmed(),
                 QStringLiteral("1"));
    }

    void disabledActionsSayWhy() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        clickRow(w.leftList(), 0);
        QVERIFY(!w.addButton()->isEnabled() && !w.deleteButton()->isEnabled());
        QVERIFY(w.addButton()->toolTip().contains(QStringLiteral("All Sat")));
        QVERIFY(w.deleteButton()->toolTip().contains(QStringLiteral("All Sat")));
        clickRow(w.leftList(), 1, Qt::ControlModifier);
        QCOMPARE(w.leftList()->selectedRowCount(), 2);
        clickRow(w.channelList(), 0);
        QVERIFY(!w.moveButton()->isEnabled());
        QVERIFY(w.moveButton()->toolTip().contains(QStringLiteral("single satellite")));
        // A drop of channels across two satellites is refused, and says why.
        w.dropRows(CReceiverDataDialog::ChannelList, CReceiverDataDialog::ChannelList, 3);
        QVERIFY(!w.isDirty());
        QVERIFY(w.statusLine()->text().contains(QStringLiteral("single satellite")));
    }

    void theCurrentRowStaysWhereTheOperatorWas() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        clickRow(w.leftList(), 0);
        const std::vector<int> rows = listed(w.channelList());
        clickRow(w.channelList(), 3);
        w.channelList()->setFocus();
        QTest::keyClick(w.channelList(), Qt::Key_Delete);
        QCOMPARE(currentId(w.channelList()), rows[4]);
        QCOMPARE(w.channelList()->firstSelectedRow(), 3);
        // An edit keeps its row current.
        prompts.onDialog = [](QDialog& d) {
            if (auto* ch = qobject_cast<CEditChannelDialog*>(&d)) ch->nameEdit()->setText(QStringLiteral("Renamed"));
            d.accept();
            return d.result();
        };
        clickRow(w.channelList(), 5);
        QTest::keyClick(w.channelList(), Qt::Key_F2);
        QCOMPARE(textFromField(session.database().channel(rows[6]).name), QStringLiteral("Renamed"));
        QCOMPARE(currentId(w.channelList()), rows[6]);
        QCOMPARE(w.channelList()->firstSelectedRow(), 5);
    }

    void aPendingMoveShowsItsChannels() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        clickRow(w.leftList(), 0);
        clickRow(w.channelList(), 1);
        clickRow(w.channelList(), 2, Qt::ControlModifier);
        QTest::mouseClick(w.moveButton(), Qt::LeftButton);
        QVERIFY(w.isMovePending());
        const QAbstractItemModel* model = w.channelList()->model();
        int marked = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data(Qt::BackgroundRole).isValid()) ++marked;
        }
        QCOMPARE(marked, 2);
        QVERIFY(w.statusLine()->text().startsWith(QStringLiteral("2 channels marked for moving")));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isMovePending());
        QVERIFY(!model->index(1, 0).data(Qt::BackgroundRole).isValid());
    }

    void everyMnemonicIsUnique() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        QStringList texts;
        for (QPushButton* b : w.findChildren<QPushButton*>()) texts << b->text();
        for (QLabel* l : w.findChildren<QLabel*>()) {
            if (l->buddy()) texts << l->text();
        }
        QMap<QChar, QString> seen;
        const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
        for (const QString& text : texts) {
            const auto match = mnemonic.match(text);
            if (!match.hasMatch()) continue;
            const QChar key = match.captured(1).at(0).toLower();
            QVERIFY2(!seen.contains(key), qPrintable(text + QStringLiteral(" and ") + seen.value(key)));
            seen.insert(key, text);
        }
        QVERIFY(seen.size() >= 14);
    }

    // Two commands on one key: Qt runs neither ("ambiguous shortcut").
    void everyShortcutKeyRunsOneCommand() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        QMap<QString, QString> seen;
        const auto add = [&](const QKeySequence& keys, const QString& what) {
            if (keys.isEmpty()) return;
            const QString key = keys.toString(QKeySequence::PortableText);
            QVERIFY2(!seen.contains(key),
                     qPrintable(key + QStringLiteral(": ") + what + QStringLiteral(" and ") + seen.value(key)));
            seen.insert(key, what);
        };
        for (QAction* a : w.findChildren<QAction*>()) {
            for (const QKeySequence& keys : a->shortcuts()) add(keys, a->text());
        }
        for (QShortcut* s : w.findChildren<QShortcut*>()) add(s->key(), QStringLiteral("shortcut"));
        QVERIFY(seen.size() >= 8);
    }

    void homeAndEndGoToTheFirstAndLastRow() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        clickRow(w.channelList(), 5);
        QTest::keyClick(w.channelList(), Qt::Key_End);
        const int last = w.channelList()->listModel()->rowCount() - 1;
        QCOMPARE(w.channelList()->firstSelectedRow(), last);
        QCOMPARE(w.channelList()->currentIndex().row(), last);
        QTest::keyClick(w.channelList(), Qt::Key_Home);
        QCOMPARE(w.channelList()->firstSelectedRow(), 0);
        // In the satellite list the linked lists follow.
        clickRow(w.leftList(), 2);
        QTest::keyClick(w.leftList(), Qt::Key_End);
        const int lastSat = w.leftList()->listModel()->idAt(w.leftList()->listModel()->rowCount() - 1);
        for (int n : listed(w.channelList())) QCOMPARE(int(session.database().channel(n).satellite), lastSat);
    }

    void ctrlZInFindUndoesTheLastEditWhenItHasNothingToUndo() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        clickRow(w.channelList(), 0);
        QTest::keyClick(w.channelList(), Qt::Key_Delete);
        QVERIFY(w.isDirty());
        w.searchEdit()->setFocus();
        QTest::keyClick(w.searchEdit(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w.isDirty());
        // Typed text is taken back first; the edits stay.
        clickRow(w.channelList(), 0);
        QTest::keyClick(w.channelList(), Qt::Key_Delete);
        w.searchEdit()->setFocus();
        QTest::keyClicks(w.searchEdit(), QStringLiteral("ne"));
        QTest::keyClick(w.searchEdit(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.isDirty());
        QVERIFY(w.searchEdit()->text().size() < 2);
    }

    void theTitleNamesTheFileAndMarksEdits() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        QCOMPARE(w.windowTitle(), QStringLiteral("Edit Receiver Data - stbdata.irz"));
        clickRow(w.channelList(), 0);
        QTest::keyClick(w.channelList(), Qt::Key_Delete);
        QCOMPARE(w.windowTitle(), QStringLiteral("Edit Receiver Data - stbdata.irz *"));
        // Save As without an extension writes NAME.irz, which the window then edits.
        const QString target = QFileInfo(session.path()).dir().filePath(QStringLiteral("customer"));
        prompts.files = {target};
        QTest::mouseClick(w.saveAsButton(), Qt::LeftButton);
        QVERIFY(QFile::exists(target + QStringLiteral(".irz")));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(w.windowTitle(), QStringLiteral("Edit Receiver Data - customer.irz"));
    }

    void afterSaveTheListShowsTheNumbersTheFileHas() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        const QString third = textFromField(session.database().channel(2).name);
        w.channelList()->setFocus();
        clickRow(w.channelList(), 0);
        clickRow(w.channelList(), 1, Qt::ControlModifier);
        QTest::keyClick(w.channelList(), Qt::Key_Delete);
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(!w.isDirty());
        const QAbstractItemModel* model = w.channelList()->model();
        QCOMPARE(model->index(0, 10).data().toString().trimmed(), QStringLiteral("0"));
        QCOMPARE(model->index(0, 0).data().toString(), third);
    }

    void favouriteMembersCanBeToldApartAndThePoolMarksThem() {
        ScriptedPrompts prompts;
        auto db = demo();
        const int member = db->groupSlot(0, 0);
        EditorWindow session(*db, prompts);
        auto& w = session.dialog();
        w.viewCombo()->setCurrentIndex(CReceiverDataDialog::FavTvView);
        emit w.viewCombo()->activated(CReceiverDataDialog::FavTvView);
        clickRow(w.leftList(), 0);
        const QAbstractItemModel* members = w.middleList()->model();
        QStringList headings;
        for (int c = 0; c < members->columnCount(); ++c) headings << members->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"No.", "Channel.", "Ch_id", "Freq/Pol", "SID"}));
        const ChannelRecord& c = session.database().channel(member);
        QCOMPARE(members->index(0, 2).data().toString().trimmed(), QString::number(member));
        QCOMPARE(members->index(0, 4).data().toString().trimmed(), QString::number(c.serviceId));
        const QAbstractItemModel* pool = w.channelList()->model();
        const int inGroup = pool->columnCount() - 1;
        QCOMPARE(pool->headerData(inGroup, Qt::Horizontal).toString(), QStringLiteral("In group"));
        const int row = w.channelList()->listModel()->rowOf(member);
        QCOMPARE(pool->index(row, inGroup).data().toString(), QStringLiteral("yes"));
        int marked = 0;
        for (int r = 0; r < pool->rowCount(); ++r)
            marked += pool->index(r, inGroup).data().toString().isEmpty() ? 0 : 1;
        QCOMPARE(marked, w.middleList()->listModel()->rowCount());
    }
};

QTEST_MAIN(EditorWindowRulesTest)
#include "editor_window_rules_test.moc"
