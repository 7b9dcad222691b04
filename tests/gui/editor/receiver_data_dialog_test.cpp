// The Edit Receiver Data window on a full database: listing, counters,
// filters, sort orders, add, delete, move, save and exit.

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/database/channel_data_file.h"
#include "editor_test_support.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

// Satellites whose channels the test database leaves out, so that "Searched
// Sat" and "All Sat" differ.
const std::set<int> kEmptySatellites = {4, 77, 150};

std::unique_ptr<ReceiverDatabase> makeTestDatabase() {
    auto db = makeFullDatabase();
    for (int n = 0; n < kChannelSlots; ++n) {
        if (db->channel(n).flags != 0 && kEmptySatellites.count(db->channel(n).satellite)) db->deleteChannel(n);
    }
    // One free transponder slot.
    db->deleteTransponder(1999);
    // Names that tell byte order from dictionary order.
    setFixedText(db->channel(2500).name, "abc");
    setFixedText(db->channel(2501).name, "Abc");
    setFixedText(db->channel(2502).name, "Ab");
    return db;
}

int channelsOnSatellite(const ReceiverDatabase& db, int slot) {
    int count = 0;
    for (int n = 0; n < kChannelSlots; ++n) count += db.channel(n).flags != 0 && db.channel(n).satellite == slot;
    return count;
}

int transpondersOnSatellite(const ReceiverDatabase& db, int slot) {
    int count = 0;
    for (int t = 0; t < kTransponderSlots; ++t) count += db.transponder(t).satellite == slot + 1;
    return count;
}

// A channel's identity that survives renumbering.
std::tuple<int, int, std::string> identity(const ReceiverDatabase& db, int n) {
    const ChannelRecord& ch = db.channel(n);
    return {ch.transponder, ch.serviceId, fixedText(ch.name)};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Narrows the window to the satellite in row `row` of the satellite list and
// returns its slot.
int chooseSatellite(CReceiverDataDialog& w, int row) {
    selectRows(w.leftList(), {row});
    clickList(w.leftList());
    return w.leftList()->listModel()->idAt(row);
}

}  // namespace

class ReceiverDataDialogTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ReceiverDatabase> source_;

private slots:
    void initTestCase() { source_ = makeTestDatabase(); }

    void listsEverySearchedSatelliteWithItsCounters() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        QVERIFY(session.opened());
        auto& w = session.dialog();
        const ReceiverDatabase& db = *source_;

        std::vector<int> expected;
        int tps = 0, chs = 0;
        for (int position = 0; position < kEditableSatellites; ++position) {
            const int slot = db.orderEntry(position) - 1;
            if (channelsOnSatellite(db, slot) == 0) continue;
            expected.push_back(slot);
            tps += transpondersOnSatellite(db, slot);
            chs += channelsOnSatellite(db, slot);
        }
        QCOMPARE(w.leftList()->listModel()->ids(), expected);
        QCOMPARE(w.leftList()->selectedRowCount(), int(expected.size()));
        QCOMPARE(w.counterValue(1023), tps);
        QCOMPARE(w.counterValue(1022), chs);
        QCOMPARE(w.middleList()->listModel()->rowCount(), tps);
        QCOMPARE(w.counterValue(1024), chs);
        QCOMPARE(w.channelList()->listModel()->rowCount(), chs);
        QCOMPARE(w.counterValue(1036), chs);
        QCOMPARE(w.counterValue(1027), w.counterValue(1028) + w.counterValue(1029));
        QCOMPARE(w.counterValue(1033), w.counterValue(1034) + w.counterValue(1035));
        int tv = 0, scrambled = 0;
        for (int n = 0; n < kChannelSlots; ++n) {
            tv += db.channel(n).flags != 0 && (db.channel(n).flags & kFlagTv);
            scrambled += db.channel(n).flags != 0 && (db.channel(n).flags & kFlagScrambled);
        }
        QCOMPARE(w.counterValue(1028), tv);
        QCOMPARE(w.counterValue(1035), scrambled);
        QCOMPARE(w.counter(1036)->text(), QString::asprintf("%5d", chs));
        QVERIFY(!w.saveButton()->isEnabled());
        QVERIFY(!w.addButton()->isEnabled() && !w.deleteButton()->isEnabled() && !w.moveButton()->isEnabled());
        QVERIFY(w.selectDestinationButton()->isHidden());

        // Cell texts of one row of each list.
        const int slot = expected.front();
        const QAbstractItemModel* left = w.leftList()->model();
        QCOMPARE(left->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Location"));
        QCOMPARE(left->index(0, 1).data().toString(), shownLocation(db.satellite(slot).location));
        QCOMPARE(left->index(0, 2).data().toString(), QString::asprintf("%5d", slot + 1));
        QCOMPARE(w.leftList()->columnWidth(0), 130);
        const QAbstractItemModel* channels = w.channelList()->model();
        const int first = w.channelList()->listModel()->idAt(0);
        // The table's eleven fields, then the service id, frequency with
        // polarisation and the satellite's name, and "New No." to type a
        // number into.
        QCOMPARE(channels->columnCount(), 15);
        QCOMPARE(channels->headerData(14, Qt::Horizontal).toString(), QStringLiteral("New No."));
        QCOMPARE(channels->index(0, 14).data().toString(), QString());
        QCOMPARE(channels->index(0, 11).data().toString(), QString::asprintf("%5d", int(db.channel(first).serviceId)));
        const TransponderRecord& firstTp = db.transponder(db.channel(first).transponder);
        QCOMPARE(channels->index(0, 12).data().toString(),
                 QString::asprintf("%d %c", int(firstTp.frequency), firstTp.polarisation != 0 ? 'H' : 'V'));
        QCOMPARE(channels->index(0, 13).data().toString(),
                 QString::fromStdString(fixedText(db.satellite(db.channel(first).satellite).name)));
        QCOMPARE(channels->index(0, 10).data().toString(), QString::asprintf("%5d", first));
        QCOMPARE(channels->index(0, 0).data().toString(), QString::fromStdString(fixedText(db.channel(first).name)));
        QCOMPARE(channels->index(0, 5).data().toString(), QString::fromStdString(casText(db.channel(first).cas)));

        // "All Sat" adds the satellites without channels, and their
        // transponders.
        clickRadio(w.allSatButton());
        QCOMPARE(w.leftList()->listModel()->rowCount(), int(expected.size() + kEmptySatellites.size()));
        int allTps = 0;
        for (int s : kEmptySatellites) allTps += transpondersOnSatellite(db, s);
        QCOMPARE(w.counterValue(1023), tps + allTps);
        QCOMPARE(w.counterValue(1022), chs);
        QCOMPARE(w.middleList()->listModel()->rowCount(), tps + allTps);
    }

    void filtersChangeOnlyTheListedCounter() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const auto counts = [&] {
            std::vector<int> values;
            for (int id : {1022, 1023, 1024, 1027, 1028, 1029, 1033, 1034, 1035}) values.push_back(w.counterValue(id));
            return values;
        };
        const auto before = counts();
        clickRadio(w.kindButton(1));
        QCOMPARE(w.counterValue(1036), w.counterValue(1028));
        QCOMPARE(counts(), before);
        clickRadio(w.kindButton(2));
        QCOMPARE(w.counterValue(1036), w.counterValue(1029));
        for (int row = 0; row < w.channelList()->listModel()->rowCount(); ++row) {
            QVERIFY(!(session.database().channel(w.channelList()->listModel()->idAt(row)).flags & kFlagTv));
        }
        clickRadio(w.kindButton(0));
        clickRadio(w.accessButton(2));
        QCOMPARE(w.counterValue(1036), w.counterValue(1035));
        clickRadio(w.accessButton(1));
        QCOMPARE(w.counterValue(1036), w.counterValue(1034));
        clickRadio(w.kindButton(1));
        QVERIFY(w.counterValue(1036) < w.counterValue(1034));
        QCOMPARE(counts(), before);
    }

    void sortsByNumberSatelliteOrderAndNameBytes() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const ReceiverDatabase& db = session.database();
        const auto ids = [&] { return w.channelList()->listModel()->ids(); };

        auto rows = ids();
        QVERIFY(std::is_sorted(rows.begin(), rows.end()));

        clickRadio(w.sortButton(1));
        rows = ids();
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const auto key = [&](int n) {
                return std::pair(db.satelliteOrderPosition(db.channel(n).satellite), int(db.channel(n).transponder));
            };
            QVERIFY(key(rows[i - 1]) <= key(rows[i]));
        }
        QCOMPARE(int(rows.size()), w.counterValue(1036));

        clickRadio(w.sortButton(2));
        rows = ids();
        for (std::size_t i = 1; i < rows.size(); ++i) {
            QVERIFY(std::strcmp(db.channel(rows[i - 1]).name, db.channel(rows[i]).name) <= 0);
        }
        const auto at = [&](const char* name) {
            return std::find_if(rows.begin(), rows.end(),
                                [&](int n) { return std::strcmp(db.channel(n).name, name) == 0; }) -
                   rows.begin();
        };
        QVERIFY(at("Ab") < at("Abc"));
        QVERIFY(at("Abc") < at("abc"));
        QVERIFY(at("abc") < int(rows.size()));

        clickRadio(w.sortButton(0));
        rows = ids();
        QVERIFY(std::is_sorted(rows.begin(), rows.end()));
    }

    void clickOnARowSelectsItAndSetsTheButtons() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReportListView* middle = w.middleList();
        const QRect cell = middle->visualRect(middle->model()->index(1, 0));
        QTest::mouseClick(middle->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(middle->selectedRowNumbers(), std::vector<int>{1});
        QCOMPARE(w.activeList(), int(CReceiverDataDialog::MiddleList));
        QVERIFY(w.addButton()->isEnabled());
        QVERIFY(w.deleteButton()->isEnabled());
        QVERIFY(!w.moveButton()->isEnabled());
        QCOMPARE(w.counterValue(1024), session.database().channelsOnTransponder(middle->listModel()->idAt(1)));

        // Two transponders: "Add" is off.
        QTest::mouseClick(middle->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          middle->visualRect(middle->model()->index(2, 0)).center());
        QCOMPARE(middle->selectedRowCount(), 2);
        QVERIFY(!w.addButton()->isEnabled());

        // A channel click with every satellite selected turns "Move" on
        // (across satellites), with some of them off; with one satellite
        // it turns it on.
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        QCOMPARE(w.activeList(), int(CReceiverDataDialog::ChannelList));
        QVERIFY(w.moveButton()->isEnabled());
        selectRows(w.leftList(), {0, 1});
        clickList(w.leftList());
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        QVERIFY(!w.moveButton()->isEnabled());
        chooseSatellite(w, 0);
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        QVERIFY(w.moveButton()->isEnabled());
    }

    void addsAndDeletesTranspondersAndChannels() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        const int slot = chooseSatellite(w, 3);
        const int tps = w.counterValue(1023);
        const int chs = w.counterValue(1022);
        QCOMPARE(tps, transpondersOnSatellite(db, slot));

        // Add a transponder: a copy of the selected one, edited.
        selectRows(w.middleList(), {0});
        clickList(w.middleList());
        const int original = w.middleList()->listModel()->idAt(0);
        prompts.onDialog = [](QDialog& d) {
            auto* tp = qobject_cast<CEditTpDialog*>(&d);
            if (!tp) return int(QDialog::Rejected);
            tp->frequencyEdit()->setText(QStringLiteral("12345"));
            tp->accept();
            return tp->result();
        };
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(prompts.dialogsRun, 1);
        const int added = w.middleList()->listModel()->ids().back();
        QVERIFY(added != original);
        QCOMPARE(int(db.transponder(added).frequency), 12345);
        QCOMPARE(db.transponder(added).satellite, db.transponder(original).satellite);
        QCOMPARE(w.middleList()->selectedRowNumbers(), std::vector<int>{w.middleList()->listModel()->rowCount() - 1});
        QCOMPARE(w.counterValue(1023), tps + 1);
        QCOMPARE(w.counterValue(1022), chs);
        QVERIFY(w.saveButton()->isEnabled());
        QVERIFY(w.isDirty());
        QVERIFY(prompts.messages.isEmpty());

        // The table is full now.
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Cannot add transponder")});
        QCOMPARE(w.counterValue(1023), tps + 1);
        prompts.messages.clear();

        // Delete a transponder with channels: Cancel keeps it, OK deletes it
        // and every channel on it.
        const int victim = w.middleList()->listModel()->idAt(1);
        const int victimChannels = db.channelsOnTransponder(victim);
        QVERIFY(victimChannels > 0);
        selectRows(w.middleList(), {1});
        clickList(w.middleList());
        prompts.answers = {false};
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        // The question says how much goes with them.
        QVERIFY2(prompts.questions.last().startsWith(
                     QStringLiteral("Delete 1 transponder and their %1 channels").arg(victimChannels)),
                 qPrintable(prompts.questions.last()));
        QCOMPARE(w.counterValue(1023), tps + 1);
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(w.counterValue(1023), tps);
        QCOMPARE(w.counterValue(1022), chs - victimChannels);
        QCOMPARE(w.middleList()->listModel()->rowOf(victim), -1);
        QVERIFY(transponderFree(db.transponder(victim)));
        for (int n = 0; n < kChannelSlots; ++n)
            QVERIFY(db.channel(n).flags == 0 || db.channel(n).transponder != victim);
        const auto leftCells = w.leftList()->model()->index(w.leftList()->firstSelectedRow(), 4).data().toString();
        QCOMPARE(leftCells, QString::asprintf("%5d", chs - victimChannels));

        // Add a channel: a copy of the first selected one, renamed.
        w.middleList()->selectAllRows();
        clickList(w.middleList());
        const int listed = w.counterValue(1036);
        selectRows(w.channelList(), {2});
        clickList(w.channelList());
        const int sourceChannel = w.channelList()->listModel()->idAt(2);
        prompts.onDialog = [](QDialog& d) {
            auto* ch = qobject_cast<CEditChannelDialog*>(&d);
            if (!ch) return int(QDialog::Rejected);
            ch->nameEdit()->setText(QStringLiteral("Copied"));
            ch->accept();
            return ch->result();
        };
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.counterValue(1036), listed + 1);
        QCOMPARE(w.counterValue(1022), chs - victimChannels + 1);
        int copy = -1;
        for (int n = 0; n < kChannelSlots; ++n) {
            if (db.channel(n).flags != 0 && fixedText(db.channel(n).name) == "Copied") copy = n;
        }
        QVERIFY(copy >= 0);
        QCOMPARE(db.channel(copy).transponder, db.channel(sourceChannel).transponder);
        QCOMPARE(db.channel(copy).serviceId, db.channel(sourceChannel).serviceId);
        QVERIFY(w.channelList()->listModel()->rowOf(copy) >= 0);

        // Delete two channels.
        selectRows(w.channelList(), {0, 1});
        clickList(w.channelList());
        const int gone = w.channelList()->listModel()->idAt(0);
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QVERIFY2(prompts.questions.last().startsWith(QStringLiteral("Delete 2 channels")),
                 qPrintable(prompts.questions.last()));
        QCOMPARE(w.counterValue(1036), listed - 1);
        QCOMPARE(w.counterValue(1022), chs - victimChannels - 1);
        QVERIFY(channelFree(db.channel(gone)));
        for (int g = 0; g < kFavoriteGroups; ++g) {
            for (int s = 0; s < kGroupSlots; ++s) QVERIFY(db.groupSlot(g, s) != gone);
        }
        QVERIFY(prompts.messages.isEmpty());
    }

    void movesMarkedChannelsInFrontOfTheDestination() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        chooseSatellite(w, 1);
        clickRadio(w.sortButton(2));  // Move lists by number again
        const auto before = w.channelList()->listModel()->ids();
        QVERIFY(before.size() >= 8);

        std::map<int, std::tuple<int, int, std::string>> favourites;
        for (int g = 0; g < kFavoriteGroups; ++g) {
            for (int s = 0; s < kGroupSlots; ++s) {
                if (db.groupSlot(g, s) >= 0) favourites[g * kGroupSlots + s] = identity(db, db.groupSlot(g, s));
            }
        }

        std::vector<int> byNumber = before;
        std::sort(byNumber.begin(), byNumber.end());
        const auto a = identity(db, byNumber[1]);
        const auto b = identity(db, byNumber[6]);
        const auto destination = identity(db, byNumber[4]);
        std::vector<int> markRows = {w.channelList()->listModel()->rowOf(byNumber[1]),
                                     w.channelList()->listModel()->rowOf(byNumber[6])};
        std::sort(markRows.begin(), markRows.end());
        selectRows(w.channelList(), markRows);
        clickList(w.channelList());
        QVERIFY(w.moveButton()->isEnabled());
        QTest::mouseClick(w.moveButton(), Qt::LeftButton);

        QVERIFY(w.isMovePending());
        QVERIFY(w.sortButton(0)->isChecked());
        QCOMPARE(w.channelList()->listModel()->ids(), byNumber);
        QVERIFY(!w.leftList()->isEnabled() && !w.middleList()->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!w.kindButton(i)->isEnabled() && !w.accessButton(i)->isEnabled() && !w.sortButton(i)->isEnabled());
        }
        QVERIFY(!w.allSatButton()->isEnabled() && !w.searchedSatButton()->isEnabled());
        QVERIFY(!w.saveButton()->isEnabled() && !w.exitButton()->isEnabled());
        QVERIFY(!w.addButton()->isEnabled() && !w.deleteButton()->isEnabled());
        QVERIFY(w.moveButton()->isHidden() && !w.selectDestinationButton()->isHidden());
        QVERIFY(w.channelList()->isEnabled() && w.viewCombo()->isEnabled());

        // A click while pending changes nothing but the selection.
        selectRows(w.channelList(), {4});
        clickList(w.channelList());
        QTest::mouseClick(w.selectDestinationButton(), Qt::LeftButton);

        QVERIFY(!w.isMovePending());
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled() && w.exitButton()->isEnabled());
        QVERIFY(!w.moveButton()->isHidden() && !w.moveButton()->isEnabled());
        QVERIFY(w.selectDestinationButton()->isHidden());
        QVERIFY(w.leftList()->isEnabled() && w.sortButton(2)->isEnabled());
        // The marked pair now stands directly in front of the destination.
        const int d = [&] {
            for (int n = 0; n < kChannelSlots; ++n)
                if (identity(db, n) == destination) return n;
            return -1;
        }();
        QVERIFY(d >= 2);
        QVERIFY(identity(db, d - 2) == a);
        QVERIFY(identity(db, d - 1) == b);
        for (int n = 0; n < kChannelSlots; ++n) QVERIFY(!(db.channel(n).flags & kFlagMoveMark));
        // Every favourite still names the channel it named before.
        for (const auto& [key, who] : favourites) {
            QVERIFY(identity(db, db.groupSlot(key / kGroupSlots, key % kGroupSlots)) == who);
        }
    }

    void editedSatelliteLeavesTheListWhenItsDishPositionBecomesZero() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const int rows = w.leftList()->listModel()->rowCount();
        const int slot = w.leftList()->listModel()->idAt(2);
        const int tps = w.counterValue(1023);
        const int chs = w.counterValue(1022);
        prompts.onDialog = [](QDialog& d) {
            auto* sat = qobject_cast<CEditSatelliteDialog*>(&d);
            if (!sat) return int(QDialog::Rejected);
            sat->diseqcTypeList()->setCurrentIndex(4);
            sat->dishPositionEdit()->setText(QStringLiteral("256"));
            sat->accept();
            return sat->result();
        };
        selectRows(w.leftList(), {2});
        QMetaObject::invokeMethod(&w, "leftListDoubleClicked");
        QCOMPARE(session.database().satellite(slot).dishPosition, std::uint8_t(0));
        QCOMPARE(w.leftList()->listModel()->rowCount(), rows - 1);
        QCOMPARE(w.leftList()->listModel()->rowOf(slot), -1);
        QCOMPARE(w.counterValue(1023), tps - session.database().transpondersOnSatellite(slot));
        QCOMPARE(w.counterValue(1022), chs - session.database().channelsOnSatellite(slot));
        QVERIFY(w.saveButton()->isEnabled());
    }

    void savedChangesAreThereAfterReopening() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        chooseSatellite(w, 0);
        const int tp = w.middleList()->listModel()->idAt(0);
        prompts.onDialog = [](QDialog& d) {
            auto* dialog = qobject_cast<CEditTpDialog*>(&d);
            if (!dialog) return int(QDialog::Rejected);
            dialog->symbolRateEdit()->setText(QStringLiteral("4321"));
            dialog->accept();
            return dialog->result();
        };
        selectRows(w.middleList(), {0});
        QMetaObject::invokeMethod(&w, "middleListDoubleClicked");
        QCOMPARE(w.middleList()->model()->index(0, 2).data().toString(), QStringLiteral(" 4321"));
        w.middleList()->selectAllRows();
        clickList(w.middleList());
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        const auto gone = identity(session.database(), w.channelList()->listModel()->idAt(0));
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        const int listed = session.database().channelsOnSatellite(w.leftList()->listModel()->idAt(0));

        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(prompts.messages.isEmpty());
        QVERIFY(!w.isDirty());
        QVERIFY(!w.saveButton()->isEnabled());

        session.reopen();
        auto& again = session.dialog();
        QVERIFY(session.opened());
        QCOMPARE(int(session.database().transponder(tp).symbolRate), 4321);
        for (int n = 0; n < kChannelSlots; ++n) {
            QVERIFY(session.database().channel(n).flags == 0 || identity(session.database(), n) != gone);
        }
        chooseSatellite(again, 0);
        QCOMPARE(again.counterValue(1036), listed);
        QVERIFY(!again.isDirty());
    }

    // Exit answered with Save saves: see editor_command_test. Unsaved edits
    // are given up only by "Don't Save" in the one question, whichever way
    // the window is closed.
    void nothingIsDiscardedWithoutAsking() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        const QByteArray original = fileBytes(session.path());
        auto& w = session.dialog();

        // Unchanged: Exit closes at once.
        QTest::mouseClick(w.exitButton(), Qt::LeftButton);
        QVERIFY(prompts.questions.isEmpty());
        QCOMPARE(w.result(), int(QDialog::Accepted));

        auto deleteFirstChannel = [](CReceiverDataDialog& d) {
            selectRows(d.channelList(), {0});
            clickList(d.channelList());
            QTest::mouseClick(d.deleteButton(), Qt::LeftButton);
            QVERIFY(d.isDirty());
        };
        const QString saveQuestion = QStringLiteral("Do you want to save changes?");

        // Exit, Cancel at the question: stays open.
        session.reopen();
        auto& w2 = session.dialog();
        w2.show();
        deleteFirstChannel(w2);
        prompts.questions.clear();
        prompts.choices = {2};
        QTest::mouseClick(w2.exitButton(), Qt::LeftButton);
        QCOMPARE(prompts.questions, (QStringList{saveQuestion}));
        QVERIFY(w2.isVisible());
        QVERIFY(w2.isDirty());
        // ... and "Don't Save": closes without saving.
        prompts.choices = {1};
        QTest::mouseClick(w2.exitButton(), Qt::LeftButton);
        QVERIFY(w2.isHidden());
        QCOMPARE(w2.result(), int(QDialog::Accepted));
        QCOMPARE(fileBytes(session.path()), original);

        // Escape asks the same; kept editing, then discarded.
        session.reopen();
        auto& w3 = session.dialog();
        w3.show();
        deleteFirstChannel(w3);
        prompts.questions.clear();
        prompts.choices = {2};
        QTest::keyClick(&w3, Qt::Key_Escape);
        QCOMPARE(prompts.questions, (QStringList{saveQuestion}));
        QVERIFY(w3.isVisible());
        prompts.choices = {1};
        QTest::keyClick(&w3, Qt::Key_Escape);
        QVERIFY(w3.isHidden());
        QCOMPARE(w3.result(), int(QDialog::Rejected));
        QCOMPARE(fileBytes(session.path()), original);

        // The close box: OK at the save question saves, then closes.
        session.reopen();
        auto& w4 = session.dialog();
        w4.show();
        deleteFirstChannel(w4);
        prompts.questions.clear();
        prompts.answers = {true};
        QVERIFY(w4.close());
        QCOMPARE(prompts.questions, QStringList{saveQuestion});
        QVERIFY(fileBytes(session.path()) != original);

        // Undone back to the saved state: nothing to ask.
        session.reopen();
        auto& w5 = session.dialog();
        w5.show();
        deleteFirstChannel(w5);
        QTest::keyClick(&w5, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w5.isDirty());
        prompts.questions.clear();
        QTest::keyClick(&w5, Qt::Key_Escape);
        QVERIFY(prompts.questions.isEmpty());
        QVERIFY(w5.isHidden());
    }

    void addsAndDeletesSatellitesWithEverySatelliteListed() {
        ScriptedPrompts prompts;
        auto db = std::make_unique<ReceiverDatabase>(*source_);
        db->deleteSatellite(160);
        EditorWindow session(*db, prompts);
        auto& w = session.dialog();
        // With "Searched Sat" the satellite list takes no "Add".
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        QVERIFY(!w.addButton()->isEnabled());
        clickRadio(w.allSatButton());
        const int rows = w.leftList()->listModel()->rowCount();
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        QCOMPARE(w.activeList(), int(CReceiverDataDialog::LeftList));
        QVERIFY(w.addButton()->isEnabled() && w.deleteButton()->isEnabled());
        prompts.onDialog = [](QDialog& d) {
            auto* sat = qobject_cast<CEditSatelliteDialog*>(&d);
            if (!sat) return int(QDialog::Rejected);
            sat->locationEdit()->setText(QStringLiteral("130.0"));
            sat->accept();
            return sat->result();
        };
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.leftList()->listModel()->rowCount(), rows + 1);
        // Listed where the satellite order list puts it.
        const int added = w.leftList()->listModel()->rowOf(160);
        QVERIFY(added >= 0);
        QCOMPARE(w.leftList()->model()->index(added, 0).data().toString(), QStringLiteral("SAT 161"));
        QCOMPARE(int(session.database().satellite(160).location), 1300);
        QVERIFY(w.isDirty());

        // Delete two satellites: their transponders and channels go too.
        const int first = w.leftList()->listModel()->idAt(0);
        const int second = w.leftList()->listModel()->idAt(1);
        selectRows(w.leftList(), {0, 1});
        clickList(w.leftList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QVERIFY2(prompts.questions.last().startsWith(QStringLiteral("Delete 2 satellites, their ")),
                 qPrintable(prompts.questions.last()));
        QCOMPARE(w.leftList()->listModel()->rowCount(), rows - 1);
        QCOMPARE(w.middleList()->listModel()->rowCount(), 0);
        QCOMPARE(w.channelList()->listModel()->rowCount(), 0);
        QCOMPARE(w.counterValue(1036), 0);
        const ReceiverDatabase& edited = session.database();
        QVERIFY(!satelliteInUse(edited.satellite(first)) && !satelliteInUse(edited.satellite(second)));
        for (int t = 0; t < kTransponderSlots; ++t) {
            QVERIFY(edited.transponder(t).satellite != first + 1 && edited.transponder(t).satellite != second + 1);
        }
        for (int n = 0; n < kChannelSlots; ++n) {
            QVERIFY(channelFree(edited.channel(n)) ||
                    (edited.channel(n).satellite != first && edited.channel(n).satellite != second));
        }
    }

    void aRefusedBlobOpensNoWindow() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        const auto length = session.buffer().length();
        session.buffer().setLength(length / 2);  // shorter than the blob it holds
        CReceiverDataDialog w(session.document(), prompts, kTestEditor);
        QVERIFY(!w.initialise());
        QCOMPARE(prompts.messages.size(), 1);
        session.buffer().setLength(length);
        session.buffer().data()[0] = 'X';
        CReceiverDataDialog w2(session.document(), prompts, kTestEditor);
        QVERIFY(!w2.initialise());
        QCOMPARE(prompts.messages.last(), QStringLiteral("Invalid Backup Data"));
    }

    void aFailedSaveSaysSoAndKeepsTheChanges() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        const QByteArray original = fileBytes(session.path());
        auto& w = session.dialog();
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);

        // The target cannot be written.
        const auto target = session.document().path();
        session.document().setPath(std::filesystem::path(target).parent_path() / "missing" / "stbdata.irz");
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled());
        session.document().setPath(target);

        // The data no longer packs into a blob: noise does not compress.
        std::uint32_t x = 12345;
        for (int n = 0; n < kChannelSlots; ++n) {
            auto* bytes = reinterpret_cast<std::uint8_t*>(&session.database().channel(n));
            for (std::size_t i = 1; i < 20; ++i)
                bytes[i] = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
            for (std::size_t i = 22; i < 36; ++i)
                bytes[i] = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
        }
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.last(), QStringLiteral("Data is unavailable!"));
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled());

        // Exit: Save tries to save, fails, and keeps the window open; asked
        // again, "Don't Save" closes.
        QTest::mouseClick(w.exitButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.last(), QStringLiteral("Data is unavailable!"));
        QVERIFY(w.isVisible());
        prompts.choices = {1};
        QTest::mouseClick(w.exitButton(), Qt::LeftButton);
        QVERIFY(w.isHidden());
        QCOMPARE(prompts.questions.count(QStringLiteral("Do you want to save changes?")), 2);
        QCOMPARE(fileBytes(session.path()), original);
    }
};

QTEST_MAIN(ReceiverDataDialogTest)
#include "receiver_data_dialog_test.moc"
