// The pure parts of the editor: the buttons' state, the favourite move and
// the edit history.

#include <random>

#include <QTest>

#include "database/receiver_database.h"
#include "editor/channel_move.h"
#include "editor/edit_history.h"
#include "editor/editor_state.h"

using namespace dorvane;

namespace {

// The favourite move as the window first did it, through the database's
// moveGroupMember on a group of channels 0..count-1 (all TV).
std::vector<int> movedThroughDatabase(const std::vector<bool>& marked, int destination) {
    auto db = std::make_unique<ReceiverDatabase>();
    const int count = static_cast<int>(marked.size());
    for (int n = 0; n < count; ++n) {
        db->channel(n).flags = kFlagTv | 1u | (marked[static_cast<std::size_t>(n)] ? kFlagMoveMark : 0u);
        db->groupSlot(3, n) = static_cast<std::int16_t>(n);
    }
    db->selectGroupMembers(0, 3);
    auto isMarked = [&](int position) { return (db->channel(db->groupView()[static_cast<std::size_t>(position)].channel).flags & kFlagMoveMark) != 0; };
    int before = 0;
    int after = destination;
    for (int i = 0; i < count; ++i) {
        const int position = i < destination ? i - before : i;
        const int target = i > destination ? after : destination;
        if (!isMarked(position)) continue;
        if (position < destination) ++before;
        if (position > destination) ++after;
        db->moveGroupMember(3, position, target);
    }
    std::vector<int> order;
    for (int n = 0; n < count; ++n) order.push_back(db->groupSlot(3, n));
    return order;
}

}  // namespace

class EditorStateTest : public QObject {
    Q_OBJECT
private slots:
    void counterIdsNameTheirValues() {
        ListCounts c{1, 2, 3, 4, 5, 6, 7, 8};
        QCOMPARE(c.byId(1023), 1);
        QCOMPARE(c.byId(1022), 2);
        QCOMPARE(c.byId(1024), 3);
        QCOMPARE(c.byId(1027), 9);
        QCOMPARE(c.byId(1033), 13);
        QCOMPARE(c.byId(1036), 8);
        c.zeroChannels();
        QCOMPARE(c, (ListCounts{1, 2, 3, 0, 0, 0, 0, 0}));
    }

    void buttonsFollowTheListClickedInTheSatelliteView() {
        EditorFacts f;
        QCOMPARE(deriveButtonStates(f).add, false);
        f.activeList = 2;
        f.selectedSatellites = 2;
        f.selectedTransponders = 2;
        f.listedTransponders = 5;
        ButtonStates s = deriveButtonStates(f);
        QVERIFY(!s.add && s.remove && !s.move);
        f.selectedTransponders = 1;
        QVERIFY(deriveButtonStates(f).add);
        // A lone satellite without transponders takes its first one.
        f.selectedTransponders = 0;
        f.listedTransponders = 0;
        f.selectedSatellites = 1;
        QVERIFY(deriveButtonStates(f).add);
        f.activeList = 3;
        f.selectedSatellites = 2;
        s = deriveButtonStates(f);
        QVERIFY(s.add && s.remove && !s.move);
        f.selectedSatellites = 1;
        QVERIFY(deriveButtonStates(f).move);
        f.activeList = 1;
        f.selectedSatellites = 0;
        s = deriveButtonStates(f);
        QVERIFY(s.add && !s.remove && !s.move);
    }

    void favouriteViewsAndPendingMoves() {
        EditorFacts f;
        f.view = 1;
        f.activeList = 2;
        f.dirty = true;
        ButtonStates s = deriveButtonStates(f);
        QVERIFY(!s.add && s.remove && s.move && s.save && s.renameGroup && !s.satelliteChoices && !s.leftCounters);
        f.activeList = 3;
        s = deriveButtonStates(f);
        QVERIFY(s.add && !s.remove && !s.move);
        f.movePending = true;
        f.canUndo = true;
        s = deriveButtonStates(f);
        QVERIFY(!s.save && !s.exit && !s.undo && !s.moveShown && !s.leftList && s.middleList && !s.fileActions);
        f.view = 0;
        s = deriveButtonStates(f);
        QVERIFY(!s.middleList && !s.satelliteChoices && !s.add && !s.remove);
        f.movePending = false;
        f.dirty = false;
        s = deriveButtonStates(f);
        QVERIFY(!s.save && s.exit && s.undo && !s.redo && s.moveShown && s.satelliteChoices);
        QVERIFY(!viewTraits(0).favourite && viewTraits(2).favourite && viewTraits(2).kind == 1);
    }

    void favouriteMoveGathersBehindTheDestination() {
        // Members 1 and 4 marked, destination 2: 0, 2, 1, 4, 3, 5.
        std::vector<bool> marked(6, false);
        marked[1] = marked[4] = true;
        QCOMPARE(favouriteMoveOrder(marked, 2), (std::vector<int>{0, 2, 1, 4, 3, 5}));
        // A marked destination, or none, changes nothing.
        QCOMPARE(favouriteMoveOrder(marked, 4), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(favouriteMoveOrder(marked, 6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        std::vector<int> order{0, 1, 2, 3};
        moveMember(order, 3, 2);  // from = to + 1: nothing
        QCOMPARE(order, (std::vector<int>{0, 1, 2, 3}));
        moveMember(order, 0, 2);
        QCOMPARE(order, (std::vector<int>{1, 2, 0, 3}));
    }

    void favouriteMoveMatchesTheDatabaseWalk() {
        std::mt19937 random(12);
        for (int round = 0; round < 300; ++round) {
            const int count = 1 + static_cast<int>(random() % 40);
            std::vector<bool> marked(static_cast<std::size_t>(count));
            for (std::size_t k = 0; k < marked.size(); ++k) marked[k] = random() % 3 == 0;
            const int destination = static_cast<int>(random() % static_cast<unsigned>(count));
            if (marked[static_cast<std::size_t>(destination)]) continue;
            const std::vector<int> order = favouriteMoveOrder(marked, destination);
            QCOMPARE(order, movedThroughDatabase(marked, destination));
            // The marked members follow the destination directly, in order.
            std::vector<int> markedInOrder;
            for (int k = 0; k < count; ++k) {
                if (marked[static_cast<std::size_t>(k)]) markedInOrder.push_back(k);
            }
            const auto at = std::find(order.begin(), order.end(), destination) - order.begin();
            for (std::size_t k = 0; k < markedInOrder.size(); ++k) {
                QCOMPARE(order[static_cast<std::size_t>(at) + 1 + k], markedInOrder[k]);
            }
        }
    }

    void historyUndoesAndRedoesWholeStates() {
        EditHistory history(3);
        EditState current;
        QVERIFY(history.atSavedState());
        auto edit = [&](int value) {
            history.recordEdit(std::make_unique<EditState>(current));
            current.database.channel(0).videoPid = static_cast<std::uint16_t>(value);
        };
        edit(1);
        edit(2);
        QVERIFY(!history.atSavedState());
        history.markSaved();
        edit(3);
        QVERIFY(history.undo(current));
        QCOMPARE(current.database.channel(0).videoPid, std::uint16_t(2));
        QVERIFY(history.atSavedState());  // back at the saved state: clean
        QVERIFY(history.undo(current));
        QCOMPARE(current.database.channel(0).videoPid, std::uint16_t(1));
        QVERIFY(!history.atSavedState());
        QVERIFY(history.redo(current));
        QVERIFY(history.redo(current));
        QCOMPARE(current.database.channel(0).videoPid, std::uint16_t(3));
        QVERIFY(!history.redo(current));
        // A new edit after an undo drops the redo side.
        history.undo(current);
        edit(4);
        QVERIFY(!history.canRedo());
        QVERIFY(!history.atSavedState());
        // The oldest states go beyond the limit.
        edit(5);
        edit(6);
        QCOMPARE(history.undoDepth(), std::size_t(3));
        while (history.undo(current)) {
        }
        QCOMPARE(current.database.channel(0).videoPid, std::uint16_t(2));
        QVERIFY(history.atSavedState());
    }

    void anAddAndItsDialogAreOneStep() {
        EditHistory history;
        EditState current;
        auto beforeAdd = std::make_unique<EditState>(current);
        current.database.channel(1).flags = 3;  // the add
        history.recordEdit(std::make_unique<EditState>(current));
        current.database.channel(1).videoPid = 77;  // its dialog
        history.replaceLastBefore(std::move(beforeAdd));
        QVERIFY(history.undo(current));
        QCOMPARE(current.database.channel(1).flags, std::uint16_t(0));
        QVERIFY(!history.canUndo());
        QVERIFY(history.atSavedState());
    }
};

QTEST_MAIN(EditorStateTest)
#include "editor_state_test.moc"
