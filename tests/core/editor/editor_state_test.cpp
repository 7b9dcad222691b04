// The pure parts of the editor: the buttons' state, the favourite move and
// the edit history.

#include <random>

#include <gtest/gtest.h>

#include "core/database/receiver_database.h"
#include "core/editor/channel_move.h"
#include "core/editor/edit_history.h"
#include "core/editor/editor_state.h"

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
    auto isMarked = [&](int position) {
        return (db->channel(db->groupView()[static_cast<std::size_t>(position)].channel).flags & kFlagMoveMark) != 0;
    };
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

TEST(EditorState, CountersNameTheirValues) {
    ListCounts c{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(c.value(Counter::Transponders), 1);
    EXPECT_EQ(c.value(Counter::SatelliteChannels), 2);
    EXPECT_EQ(c.value(Counter::SelectedChannels), 3);
    EXPECT_EQ(c.value(Counter::AllKinds), 9);
    EXPECT_EQ(c.value(Counter::AllAccess), 13);
    EXPECT_EQ(c.value(Counter::Listed), 8);
    c.zeroChannels();
    EXPECT_EQ(c, (ListCounts{1, 2, 3, 0, 0, 0, 0, 0}));
}

TEST(EditorState, ButtonsFollowTheListClickedInTheSatelliteView) {
    EditorFacts f;
    EXPECT_EQ(deriveButtonStates(f).add, false);
    f.activeList = EditorList::Middle;
    f.selectedSatellites = 2;
    f.selectedTransponders = 2;
    f.listedTransponders = 5;
    ButtonStates s = deriveButtonStates(f);
    EXPECT_TRUE(!s.add && s.remove && !s.move);
    f.selectedTransponders = 1;
    EXPECT_TRUE(deriveButtonStates(f).add);
    // A lone satellite without transponders takes its first one.
    f.selectedTransponders = 0;
    f.listedTransponders = 0;
    f.selectedSatellites = 1;
    EXPECT_TRUE(deriveButtonStates(f).add);
    f.activeList = EditorList::Channels;
    f.selectedSatellites = 2;
    s = deriveButtonStates(f);
    EXPECT_TRUE(s.add && s.remove && !s.move);
    f.selectedSatellites = 1;
    EXPECT_TRUE(deriveButtonStates(f).move);
    f.activeList = EditorList::Left;
    f.selectedSatellites = 0;
    s = deriveButtonStates(f);
    EXPECT_TRUE(s.add && !s.remove && !s.move);
}

TEST(EditorState, FavouriteViewsAndPendingMoves) {
    EditorFacts f;
    f.view = EditorView::FavTv;
    f.activeList = EditorList::Middle;
    f.dirty = true;
    ButtonStates s = deriveButtonStates(f);
    EXPECT_TRUE(!s.add && s.remove && s.move && s.save && s.renameGroup && !s.satelliteChoices && !s.leftCounters);
    f.activeList = EditorList::Channels;
    s = deriveButtonStates(f);
    EXPECT_TRUE(s.add && !s.remove && !s.move);
    f.movePending = true;
    f.canUndo = true;
    s = deriveButtonStates(f);
    EXPECT_TRUE(!s.save && !s.exit && !s.undo && !s.moveShown && !s.leftList && s.middleList && !s.fileActions);
    f.view = EditorView::Satellites;
    s = deriveButtonStates(f);
    EXPECT_TRUE(!s.middleList && !s.satelliteChoices && !s.add && !s.remove);
    f.movePending = false;
    f.dirty = false;
    s = deriveButtonStates(f);
    EXPECT_TRUE(!s.save && s.exit && s.undo && !s.redo && s.moveShown && s.satelliteChoices);
    EXPECT_TRUE(!viewTraits(EditorView::Satellites).favourite && viewTraits(EditorView::FavRadio).favourite &&
                viewTraits(EditorView::FavRadio).kind == 1);
}

TEST(EditorState, FavouriteMoveGathersBehindTheDestination) {
    // Members 1 and 4 marked, destination 2: 0, 2, 1, 4, 3, 5.
    std::vector<bool> marked(6, false);
    marked[1] = marked[4] = true;
    EXPECT_EQ(favouriteMoveOrder(marked, 2), (std::vector<int>{0, 2, 1, 4, 3, 5}));
    // A marked destination, or none, changes nothing.
    EXPECT_EQ(favouriteMoveOrder(marked, 4), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(favouriteMoveOrder(marked, 6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    std::vector<int> order{0, 1, 2, 3};
    moveMember(order, 3, 2);  // from = to + 1: nothing
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
    moveMember(order, 0, 2);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 3}));
}

TEST(EditorState, FavouriteMoveMatchesTheDatabaseWalk) {
    std::mt19937 random(12);
    for (int round = 0; round < 300; ++round) {
        const int count = 1 + static_cast<int>(random() % 40);
        std::vector<bool> marked(static_cast<std::size_t>(count));
        for (std::size_t k = 0; k < marked.size(); ++k) marked[k] = random() % 3 == 0;
        const int destination = static_cast<int>(random() % static_cast<unsigned>(count));
        if (marked[static_cast<std::size_t>(destination)]) continue;
        const std::vector<int> order = favouriteMoveOrder(marked, destination);
        EXPECT_EQ(order, movedThroughDatabase(marked, destination));
        // The marked members follow the destination directly, in order.
        std::vector<int> markedInOrder;
        for (int k = 0; k < count; ++k) {
            if (marked[static_cast<std::size_t>(k)]) markedInOrder.push_back(k);
        }
        const auto at = std::find(order.begin(), order.end(), destination) - order.begin();
        for (std::size_t k = 0; k < markedInOrder.size(); ++k) {
            EXPECT_EQ(order[static_cast<std::size_t>(at) + 1 + k], markedInOrder[k]);
        }
    }
}

TEST(EditorState, HistoryUndoesAndRedoesWholeStates) {
    EditHistory history(3);
    EditState current;
    EXPECT_TRUE(history.atSavedState());
    auto edit = [&](int value) {
        history.recordEdit(std::make_unique<EditState>(current));
        current.database.channel(0).videoPid = static_cast<std::uint16_t>(value);
    };
    edit(1);
    edit(2);
    EXPECT_TRUE(!history.atSavedState());
    history.markSaved();
    edit(3);
    EXPECT_TRUE(history.undo(current));
    EXPECT_EQ(current.database.channel(0).videoPid, std::uint16_t(2));
    EXPECT_TRUE(history.atSavedState());  // back at the saved state: clean
    EXPECT_TRUE(history.undo(current));
    EXPECT_EQ(current.database.channel(0).videoPid, std::uint16_t(1));
    EXPECT_TRUE(!history.atSavedState());
    EXPECT_TRUE(history.redo(current));
    EXPECT_TRUE(history.redo(current));
    EXPECT_EQ(current.database.channel(0).videoPid, std::uint16_t(3));
    EXPECT_TRUE(!history.redo(current));
    // A new edit after an undo drops the redo side.
    history.undo(current);
    edit(4);
    EXPECT_TRUE(!history.canRedo());
    EXPECT_TRUE(!history.atSavedState());
    // The oldest states go beyond the limit.
    edit(5);
    edit(6);
    EXPECT_EQ(history.undoDepth(), std::size_t(3));
    while (history.undo(current)) {
    }
    EXPECT_EQ(current.database.channel(0).videoPid, std::uint16_t(2));
    EXPECT_TRUE(history.atSavedState());
}

TEST(EditorState, AnAddAndItsDialogAreOneStep) {
    EditHistory history;
    EditState current;
    auto beforeAdd = std::make_unique<EditState>(current);
    current.database.channel(1).flags = 3;  // the add
    history.recordEdit(std::make_unique<EditState>(current));
    current.database.channel(1).videoPid = 77;  // its dialog
    history.replaceLastBefore(std::move(beforeAdd));
    EXPECT_TRUE(history.undo(current));
    EXPECT_EQ(current.database.channel(1).flags, std::uint16_t(0));
    EXPECT_TRUE(!history.canUndo());
    EXPECT_TRUE(history.atSavedState());
}
