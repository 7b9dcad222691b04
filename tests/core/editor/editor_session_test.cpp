// The editor session's operations, one family at a time, on the demo
// database (six satellites, 27 transponders, four channels on each, four
// favourite groups of twelve).

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor/session_driver.h"
#include "support/temp_dir.h"

namespace dorvane::test {
namespace {

class EditorSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*source_);
        path_ = dir_.write("stbdata.irz", packedBytes(*source_));
        ASSERT_TRUE(document_.read(path_).ok());
        ASSERT_TRUE(session_.open().ok());
    }

    const ReceiverDatabase& db() const { return session_.database(); }
    // One satellite, then its channels (the channel list active).
    void chooseChannelsOf(int slot, std::vector<int> channels) {
        session_.selectLeft({slot});
        session_.selectChannels(std::move(channels));
    }

    TempDir dir_;
    std::filesystem::path path_;
    std::unique_ptr<ReceiverDatabase> source_;
    ChannelDataDocument document_;
    ScriptedQuestions questions_;
    EditorSession session_{document_, questions_};
};

bool contains(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

TEST_F(EditorSessionTest, OpensWithEverySatelliteChosenAndCountsThatAddUp) {
    EXPECT_EQ(session_.view(), EditorView::Satellites);
    EXPECT_EQ(session_.leftRows(), (std::vector<int>{5, 3, 1, 0, 4, 2}));  // the order list
    EXPECT_EQ(session_.selectedLeft().size(), 6u);
    EXPECT_EQ(session_.middleRows().size(), 27u);
    EXPECT_EQ(session_.channelRows().size(), 108u);
    const ListCounts& c = session_.counts();
    EXPECT_EQ(c.value(Counter::Transponders), 27);
    EXPECT_EQ(c.value(Counter::SatelliteChannels), 108);
    EXPECT_EQ(c.value(Counter::AllKinds), 108);
    EXPECT_EQ(c.value(Counter::AllAccess), 108);
    EXPECT_EQ(c.tv + c.radio, c.listed);
    EXPECT_FALSE(session_.isDirty());
    EXPECT_EQ(session_.title(), "Edit Receiver Data - stbdata.irz");
}

TEST_F(EditorSessionTest, SelectionNarrowsTheListsAndSearchSaysHowMuchItHides) {
    session_.selectLeft({1});
    EXPECT_EQ(session_.middleRows().size(), 5u);
    EXPECT_EQ(session_.channelRows().size(), 20u);
    for (int n : session_.channelRows()) EXPECT_EQ(db().channel(n).satellite, 1);
    EXPECT_EQ(session_.activeList(), EditorList::None);  // "Searched Sat": no satellite Add
    EXPECT_NE(session_.whyAddIsOff(), "");
    const int t = session_.middleRows()[2];
    session_.selectMiddle({t});
    EXPECT_EQ(session_.channelRows().size(), 4u);
    EXPECT_EQ(session_.activeList(), EditorList::Middle);

    // A name that every satellite carries: the count of the whole view and
    // of the chosen ones.
    const std::string word = fixedText(db().channel(session_.channelRows()[0]).name).substr(0, 3);
    session_.selectLeft({1});
    session_.setSearchText(word);
    int everywhere = 0;
    for (int n = 0; n < kChannelSlots; ++n) {
        const std::string name = fixedText(db().channel(n).name);
        if (!channelFree(db().channel(n)) && name.find(word) != std::string::npos) ++everywhere;
    }
    EXPECT_EQ(session_.foundInView(), everywhere);
    EXPECT_EQ(session_.foundText(), std::to_string(everywhere) + " found, " +
                                        std::to_string(session_.channelRows().size()) + " in the selected satellites");
    session_.selectLeft(session_.leftRows());
    EXPECT_EQ(session_.foundText(), std::to_string(everywhere) + " found");
    // A number finds service ids and PIDs.
    session_.setSearchText(std::to_string(db().channel(7).serviceId));
    EXPECT_TRUE(contains(session_.channelRows(), 7));
}

TEST_F(EditorSessionTest, FiltersAndSortOrdersApplyToTheChannelList) {
    session_.setKindFilter(KindFilter::Radio);
    for (int n : session_.channelRows()) EXPECT_EQ(db().channel(n).flags & kFlagTv, 0);
    session_.setKindFilter(KindFilter::All);
    session_.setAccessFilter(AccessFilter::Scrambled);
    for (int n : session_.channelRows()) EXPECT_NE(db().channel(n).flags & kFlagScrambled, 0);
    session_.setAccessFilter(AccessFilter::All);
    session_.setSortOrder(2);
    const std::vector<int>& rows = session_.channelRows();
    for (std::size_t k = 1; k < rows.size(); ++k) EXPECT_LE(db().compareChannels(rows[k - 1], rows[k], 2), 0);
    session_.sortByColumn(kColumnNumber);
    session_.sortByColumn(kColumnNumber);  // second click: descending
    EXPECT_TRUE(session_.sortDescending());
    EXPECT_TRUE(std::is_sorted(session_.channelRows().rbegin(), session_.channelRows().rend()));
}

TEST_F(EditorSessionTest, EditsRecordOneStepAndTheSameBytesRecordNothing) {
    SatelliteRecord sat = db().satellite(2);
    EXPECT_FALSE(session_.editSatellite(2, sat).any());
    EXPECT_FALSE(session_.isDirty());
    setFixedText(sat.name, "Renamed");
    EXPECT_TRUE(session_.editSatellite(2, sat).any());
    EXPECT_EQ(session_.history().undoDepth(), 1u);
    EXPECT_TRUE(session_.isDirty());
    EXPECT_EQ(session_.title(), "Edit Receiver Data - stbdata.irz *");

    // A transponder moved to another satellite takes its channels along.
    TransponderRecord tp = db().transponder(0);
    tp.satellite = 4;
    session_.editTransponder(0, tp);
    for (int n = 0; n < 4; ++n) EXPECT_EQ(db().channel(n).satellite, 3);

    ChannelRecord channel = db().channel(9);
    channel.videoPid = 4321;
    session_.editChannel(9, channel);
    EXPECT_EQ(db().channel(9).videoPid, 4321);
    EXPECT_EQ(session_.history().undoDepth(), 3u);
    session_.undo();
    EXPECT_EQ(db().channel(9).videoPid, source_->channel(9).videoPid);
    session_.redo();
    EXPECT_EQ(db().channel(9).videoPid, 4321);
    while (session_.history().canUndo()) session_.undo();
    EXPECT_FALSE(session_.isDirty());
    EXPECT_EQ(packedBytes(db()), packedBytes(*source_));
}

TEST_F(EditorSessionTest, AddCopiesTheCurrentRecordAndIsOneStepWithItsDialog) {
    chooseChannelsOf(0, {2});
    const EditorSession::AddStart start = session_.add();
    ASSERT_EQ(start.list, EditorList::Channels);
    EXPECT_TRUE(session_.isAddOpen());
    EXPECT_EQ(db().channel(start.id).serviceId, db().channel(2).serviceId);
    ChannelRecord edited = db().channel(start.id);
    edited.serviceId = 9999;
    session_.editChannel(start.id, edited);
    const Change kept = session_.keepAdd();
    EXPECT_EQ(kept.focusId, start.id);
    EXPECT_EQ(session_.history().undoDepth(), 1u);
    EXPECT_TRUE(contains(session_.channelRows(), start.id));
    EXPECT_EQ(session_.selectedChannels(), std::vector<int>{start.id});
    session_.undo();
    EXPECT_TRUE(channelFree(db().channel(start.id)));

    // A cancelled dialog takes the add back: nothing recorded.
    chooseChannelsOf(0, {2});
    const auto dropped = session_.add();
    ASSERT_GE(dropped.id, 0);
    session_.dropAdd();
    EXPECT_TRUE(channelFree(db().channel(dropped.id)));
    EXPECT_EQ(session_.history().undoDepth(), 0u);
}

TEST_F(EditorSessionTest, AddOnAnEmptyTransponderMakesItsFirstChannel) {
    // A new transponder on satellite slot 5, then a channel on it.
    session_.selectLeft({5});
    session_.selectMiddle({session_.middleRows()[0]});
    const auto tp = session_.add();
    ASSERT_EQ(tp.list, EditorList::Middle);
    TransponderRecord record = db().transponder(tp.id);
    record.frequency = 12345;
    session_.editTransponder(tp.id, record);
    session_.keepAdd();
    session_.selectMiddle({tp.id});
    EXPECT_TRUE(session_.channelRows().empty());
    session_.selectChannels({});  // a click on the empty list
    EXPECT_EQ(session_.activeList(), EditorList::Channels);
    EXPECT_TRUE(session_.buttons().add);
    const auto channel = session_.add();
    ASSERT_EQ(channel.list, EditorList::Channels);
    EXPECT_EQ(db().channel(channel.id).transponder, tp.id);
    EXPECT_EQ(db().channel(channel.id).satellite, 5);
    session_.keepAdd();
    EXPECT_EQ(session_.channelRows(), std::vector<int>{channel.id});
    EXPECT_EQ(session_.counts().value(Counter::SelectedChannels), 1);
    EXPECT_EQ(session_.counts().value(Counter::Listed), 1);
}

TEST_F(EditorSessionTest, DeleteQuestionsSayWhatGoesAndCancelKeepsEverything) {
    session_.selectLeft({0});
    const std::vector<int> tps = {session_.middleRows()[0], session_.middleRows()[1]};
    session_.selectMiddle(tps);
    int entries = 0;
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = db().groupSlot(g, s);
            if (member >= 0 &&
                (db().channel(member).transponder == tps[0] || db().channel(member).transponder == tps[1]))
                ++entries;
        }
    }
    ASSERT_GT(entries, 0);
    EXPECT_EQ(session_.deleteQuestion(), "Delete 2 transponders and their 8 channels (" + std::to_string(entries) +
                                             (entries == 1 ? " favourite entry)?" : " favourite entries)?"));
    questions_.answer = false;
    EXPECT_FALSE(session_.remove().any());
    EXPECT_FALSE(session_.isDirty());
    questions_.answer = true;
    session_.remove();
    for (int t : tps) EXPECT_TRUE(transponderFree(db().transponder(t)));
    EXPECT_EQ(session_.counts().value(Counter::Transponders), 2);

    session_.setSearchedOnly(false);
    session_.selectLeft({2, 3});
    ASSERT_EQ(session_.activeList(), EditorList::Left);
    EXPECT_EQ(session_.deleteQuestion().rfind("Delete 2 satellites, their 9 transponders and 36 channels", 0), 0u);
}

TEST_F(EditorSessionTest, AfterADeleteTheNextRowIsCurrent) {
    session_.selectLeft({0});
    const std::vector<int> rows = session_.channelRows();
    session_.selectChannels({rows[3], rows[4]});
    const Change changed = session_.remove();
    EXPECT_EQ(changed.focusId, rows[5]);
    EXPECT_EQ(session_.selectedChannels(), std::vector<int>{rows[5]});
    EXPECT_EQ(questions_.asked.back().rfind("Delete 2 channels", 0), 0u);
}

TEST_F(EditorSessionTest, AMoveKeepsTheRecordsBytesAndTheFavouritesNamingTheirChannels) {
    chooseChannelsOf(1, {});
    const std::vector<int> rows = session_.channelRows();
    session_.selectChannels({rows[0], rows[1]});
    session_.startMove();
    ASSERT_TRUE(session_.isMovePending());
    EXPECT_TRUE(session_.isMarkedForMove(rows[0]));
    EXPECT_FALSE(session_.buttons().moveShown);
    EXPECT_EQ(session_.undo().any(), false);  // nothing else while a move waits
    // A marked destination is refused, and said.
    EXPECT_FALSE(session_.moveTo(rows[1]).any());
    EXPECT_EQ(questions_.told.back(), "You must select another destination");
    const std::string name0 = fixedText(db().channel(rows[0]).name);
    std::vector<std::string> favouriteNames;
    for (int s = 0; s < 12; ++s) favouriteNames.push_back(fixedText(db().channel(db().groupSlot(0, s)).name));
    session_.moveTo(rows[6]);
    EXPECT_FALSE(session_.isMovePending());
    EXPECT_EQ(fixedText(db().channel(rows[6] - 2).name), name0);
    for (int n = 0; n < kChannelSlots; ++n) EXPECT_EQ(db().channel(n).flags & kFlagMoveMark, 0);
    for (int s = 0; s < 12; ++s) EXPECT_EQ(fixedText(db().channel(db().groupSlot(0, s)).name), favouriteNames[s]);
    session_.undo();
    EXPECT_EQ(packedBytes(db()), packedBytes(*source_));

    // Several satellites: Move is off and says why; Cancel takes the marks back.
    session_.selectLeft({1, 2});
    session_.selectChannels({session_.channelRows()[0]});
    EXPECT_FALSE(session_.buttons().move);
    EXPECT_NE(session_.whyMoveIsOff(), "");
    EXPECT_NE(session_.whyDropIsRefused(EditorList::Channels, EditorList::Channels), "");
    chooseChannelsOf(1, {rows[0]});
    session_.startMove();
    session_.cancelMove();
    EXPECT_FALSE(session_.isMovePending());
    EXPECT_FALSE(session_.isDirty());
}

TEST_F(EditorSessionTest, FavouriteGroupsTakeChannelsLoseMembersMoveAndRename) {
    session_.setView(EditorView::FavTv);
    EXPECT_EQ(session_.leftRows().size(), 12u);
    session_.selectLeft({5});
    EXPECT_TRUE(session_.middleRows().empty());
    const std::vector<int> pool = session_.channelRows();
    session_.selectChannels({pool[0], pool[1], pool[2]});
    session_.add();
    EXPECT_EQ(session_.middleRows().size(), 3u);
    EXPECT_TRUE(session_.inCurrentGroup(pool[1]));
    EXPECT_EQ(session_.memberChannel(2), pool[2]);
    // Members move behind a destination.
    session_.selectMiddle({0});
    session_.startMove();
    session_.moveTo(2);
    EXPECT_EQ(session_.memberChannel(2), pool[0]);
    session_.selectMiddle({1});
    session_.remove();
    EXPECT_EQ(session_.middleRows().size(), 2u);
    EXPECT_FALSE(session_.inCurrentGroup(pool[2]));
    session_.renameGroup(5, "Kids");
    EXPECT_EQ(db().tvGroupName(5), "Kids");
    EXPECT_FALSE(session_.renameGroup(5, "Kids").any());
    EXPECT_EQ(session_.history().undoDepth(), 4u);
    // Dropping pool channels on a group's name adds them there.
    session_.selectChannels({pool[3]});
    session_.dropIntoGroup(6);
    EXPECT_EQ(session_.currentGroup(), 6);
    EXPECT_TRUE(session_.inCurrentGroup(pool[3]));
}

TEST_F(EditorSessionTest, AFavouriteTheFileCannotTellApartIsAddedWithAWarning) {
    // Channel 1 takes channel 0's transponder and service id.
    ChannelRecord twin = db().channel(1);
    twin.transponder = db().channel(0).transponder;
    twin.serviceId = db().channel(0).serviceId;
    session_.editChannel(1, twin);
    session_.setView(EditorView::FavTv);
    session_.selectLeft({7});
    session_.selectChannels({1});
    session_.add();
    EXPECT_TRUE(session_.inCurrentGroup(1));
    ASSERT_FALSE(questions_.told.empty());
    EXPECT_NE(questions_.told.back().find("(channel 1) has the transponder and service id of"), std::string::npos);
    EXPECT_NE(questions_.told.back().find("(channel 0)"), std::string::npos);
}

TEST_F(EditorSessionTest, DropsDoWhatTheirButtonsDo) {
    // Channels dropped on a channel: Move, then Select Destination.
    chooseChannelsOf(2, {});
    const std::vector<int> rows = session_.channelRows();
    session_.selectChannels({rows[0]});
    const std::string name = fixedText(db().channel(rows[0]).name);
    session_.dropChannelsOnChannel(rows[5]);
    EXPECT_FALSE(session_.isMovePending());
    EXPECT_EQ(fixedText(db().channel(rows[5] - 1).name), name);
    // On one of the dragged channels: said, nothing moved, nothing pending.
    session_.selectLeft({2});
    session_.selectChannels({rows[1], rows[2]});
    const std::size_t depth = session_.history().undoDepth();
    session_.dropChannelsOnChannel(rows[2]);
    EXPECT_FALSE(session_.isMovePending());
    EXPECT_EQ(session_.history().undoDepth(), depth);
    EXPECT_EQ(questions_.told.back(), "You must select another destination");
    // Members dropped on a member move behind it.
    session_.setView(EditorView::FavTv);
    session_.selectLeft({0});
    const int first = session_.memberChannel(0);
    session_.selectMiddle({0});
    session_.dropMembersOnMember(3);
    EXPECT_EQ(session_.memberChannel(3), first);
    std::string why;
    session_.dropIntoGroup(1, &why);
    EXPECT_EQ(why, "");
}

TEST_F(EditorSessionTest, EnterInFindGoesToTheFirstHitEvenBehindTheChosenSatellites) {
    const int target = 40;
    const std::string name = fixedText(db().channel(target).name);
    // A satellite that does not carry the channel is chosen.
    const int other = db().channel(target).satellite == 0 ? 1 : 0;
    session_.selectLeft({other});
    session_.setSearchText(name);
    std::vector<int> hidden = session_.channelRows();
    const Change changed = session_.goToFirstHit();
    EXPECT_EQ(changed.list, EditorList::Channels);
    ASSERT_GE(changed.focusId, 0);
    EXPECT_EQ(fixedText(db().channel(changed.focusId).name), name);
    EXPECT_EQ(session_.selectedChannels(), std::vector<int>{changed.focusId});
    if (hidden.empty()) EXPECT_EQ(session_.selectedLeft().size(), session_.leftRows().size());
    session_.setSearchText("no such channel at all");
    EXPECT_EQ(session_.goToFirstHit().focusId, -1);
}

// Sorted by a column's texts the window orders the rows; the first hit is
// its top row. Sorted by a "Sort by" order the session's own first row.
TEST_F(EditorSessionTest, EnterInFindGoesToTheTopRowInTheOrderShown) {
    session_.setSearchText("a");
    ASSERT_GT(session_.channelRows().size(), 2u);
    const auto reversed = [](std::vector<int>& rows) { std::reverse(rows.begin(), rows.end()); };
    session_.sortByColumn(2);  // VPid: no "Sort by" order stands for it
    ASSERT_LT(session_.sortOrder(), 0);
    const std::vector<int> rows = session_.channelRows();
    EXPECT_EQ(session_.goToFirstHit(reversed).focusId, rows.back());
    EXPECT_EQ(session_.selectedChannels(), std::vector<int>{rows.back()});
    EXPECT_EQ(session_.goToFirstHit().focusId, rows.front());
    session_.setSortOrder(1);
    EXPECT_EQ(session_.goToFirstHit(reversed).focusId, session_.channelRows().front());
}

TEST_F(EditorSessionTest, SaveLeavesTheSessionHoldingWhatTheFileHolds) {
    // Delete the first channels: the file closes the gap.
    chooseChannelsOf(0, {});
    const std::vector<int> rows = session_.channelRows();
    session_.selectChannels({0, 1});
    session_.remove();
    const std::string third = fixedText(db().channel(2).name);
    session_.selectChannels({5});
    ASSERT_TRUE(session_.save());
    EXPECT_FALSE(session_.isDirty());
    EXPECT_EQ(fixedText(db().channel(0).name), third);
    EXPECT_EQ(session_.selectedChannels(), std::vector<int>{3});  // renumbered with its channel
    auto reopened = std::make_unique<ChannelDataDocument>();
    ASSERT_TRUE(reopened->open(path_).ok());
    EXPECT_EQ(packedBytes(reopened->database()), packedBytes(db()));
    // Undo goes back to the state before the delete.
    session_.undo();
    EXPECT_EQ(fixedText(db().channel(0).name), fixedText(source_->channel(0).name));
    EXPECT_TRUE(session_.isDirty());
}

TEST_F(EditorSessionTest, SaveAsAppendsTheExtensionAndClosingAsksOnce) {
    ChannelRecord channel = db().channel(3);
    channel.audioPid = 77;
    session_.editChannel(3, channel);
    ASSERT_TRUE(session_.saveAs(dir_.file("copy")));
    EXPECT_EQ(document_.path(), dir_.file("copy.irz"));
    EXPECT_TRUE(std::filesystem::exists(dir_.file("copy.irz")));
    EXPECT_EQ(session_.title(), "Edit Receiver Data - copy.irz");

    session_.editChannel(3, source_->channel(3));
    questions_.saveChoice = SessionQuestions::SaveChoice::Cancel;
    EXPECT_FALSE(session_.settleUnsavedEdits());
    questions_.saveChoice = SessionQuestions::SaveChoice::DontSave;
    EXPECT_TRUE(session_.settleUnsavedEdits());
    EXPECT_EQ(std::count(questions_.asked.begin(), questions_.asked.end(), "Do you want to save changes?"), 2);
    EXPECT_TRUE(session_.isDirty());  // not saved
    questions_.saveChoice = SessionQuestions::SaveChoice::Save;
    EXPECT_TRUE(session_.settleUnsavedEdits());
    EXPECT_FALSE(session_.isDirty());
}

TEST_F(EditorSessionTest, AnImportIsOneEditOrChangesNothing) {
    const Status refused = [&] {
        Status result;
        session_.import(
            [](ReceiverDatabase& database) -> Status {
                database.channel(0).videoPid = 1;
                return {Error::Corrupt, "line 3: bad"};
            },
            false, &result);
        return result;
    }();
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(questions_.told.back(), "Nothing was imported: line 3: bad");
    EXPECT_EQ(packedBytes(db()), packedBytes(*source_));
    // One that could not be saved: a channel on a transponder not in use.
    Status unsavable;
    session_.import(
        [](ReceiverDatabase& database) -> Status {
            database.channel(0).transponder = 1999;
            return {};
        },
        false, &unsavable);
    EXPECT_FALSE(unsavable.ok());
    EXPECT_EQ(packedBytes(db()), packedBytes(*source_));
    EXPECT_FALSE(session_.isDirty());
    session_.import(
        [](ReceiverDatabase& database) -> Status {
            setFixedText(database.channel(0).name, "From CSV");
            return {};
        },
        false);
    EXPECT_EQ(fixedText(db().channel(0).name), "From CSV");
    EXPECT_EQ(session_.history().undoDepth(), 1u);
}

TEST_F(EditorSessionTest, DisabledActionsSayWhy) {
    // "Searched Sat": the satellite list takes no Add or Delete.
    session_.selectLeft({0});
    session_.activate(EditorList::Left);
    EXPECT_FALSE(session_.buttons().add);
    EXPECT_NE(session_.whyAddIsOff().find("All Sat"), std::string::npos);
    EXPECT_NE(session_.whyDeleteIsOff().find("All Sat"), std::string::npos);
    session_.setSearchedOnly(false);
    session_.activate(EditorList::Left);
    EXPECT_TRUE(session_.buttons().add);
    EXPECT_EQ(session_.whyAddIsOff(), "");
    session_.setView(EditorView::FavRadio);
    EXPECT_NE(session_.whyDropIsRefused(EditorList::Left, EditorList::Channels), "");
    EXPECT_EQ(session_.whyDropIsRefused(EditorList::Channels, EditorList::Left), "");
}

}  // namespace
}  // namespace dorvane::test
