#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "core/database/backup_blob.h"
#include "core/database/database_diff.h"
#include "core/database/demo_data.h"
#include "core/editor/channel_move.h"
#include "database_fixture.h"

namespace dorvane::test {
namespace {

class DatabaseDiffTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        fillDemoDatabase(*db);
        db->recount();
        edited = std::make_unique<ReceiverDatabase>(*db);
    }

    // The first used channel at or after `from`.
    int usedChannel(int from = 0) const {
        for (int n = from; n < kChannelSlots; ++n)
            if (!channelFree(db->channel(n))) return n;
        ADD_FAILURE() << "no used channel";
        return 0;
    }

    int usedSatellite() const {
        for (int s = 0; s < kSatelliteSlots; ++s)
            if (satelliteInUse(db->satellite(s))) return s;
        return 0;
    }

    // How many categories hold something: each single edit touches one
    // (and favourites only when a group holds the channel).
    static int categories(const DatabaseDiff& d) {
        return !d.channelsAdded.empty() + !d.channelsRemoved.empty() + !d.renamed.empty() + !d.moved.empty() +
               !d.pidsChanged.empty() + !d.otherChanged.empty() + !d.satellitesAdded.empty() +
               !d.satellitesRemoved.empty() + !d.satellitesChanged.empty() + d.satelliteOrderChanged +
               !d.transpondersAdded.empty() + !d.transpondersRemoved.empty() + !d.transpondersChanged.empty() +
               !d.favouritesChanged.empty();
    }

    std::unique_ptr<ReceiverDatabase> edited;
};

TEST_F(DatabaseDiffTest, ListAgainstItselfAndItsRepackedFileIsEqual) {
    EXPECT_TRUE(compareDatabases(*db, *edited).equal());
    EXPECT_EQ(diffLines(compareDatabases(*db, *db)), std::vector<std::string>{"No differences."});
    // Packing closes the gaps between channels: every number changes, no
    // channel counts as moved.
    edited->deleteChannel(usedChannel());
    ASSERT_EQ(packBackup(*edited, *buffer), PackResult::Ok);
    auto reopened = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*reopened, *buffer), UnpackResult::Ok);
    const DatabaseDiff d = compareDatabases(*edited, *reopened);
    EXPECT_TRUE(d.equal()) << diffSummary(d);
}

TEST_F(DatabaseDiffTest, RenameIsOneRenamedChannel) {
    const int n = usedChannel(10);
    const std::string before = fixedText(db->channel(n).name);
    setFixedText(edited->channel(n).name, "Renamed One");
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.renamed.size(), 1u);
    EXPECT_EQ(d.renamed[0].before.name, before);
    EXPECT_EQ(d.renamed[0].after.name, "Renamed One");
    EXPECT_EQ(d.renamed[0].before.number, n);
    EXPECT_EQ(categories(d), 1);
    EXPECT_EQ(diffSummary(d), "1 renamed.");
}

TEST_F(DatabaseDiffTest, PidChangeNamesThePid) {
    const int n = usedChannel(3);
    edited->channel(n).audioPid = static_cast<std::uint16_t>(db->channel(n).audioPid + 7);
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.pidsChanged.size(), 1u);
    ASSERT_EQ(d.pidsChanged[0].fields.size(), 1u);
    EXPECT_EQ(d.pidsChanged[0].fields[0],
              "APid " + std::to_string(db->channel(n).audioPid) + " -> " + std::to_string(edited->channel(n).audioPid));
    EXPECT_EQ(categories(d), 1);
}

TEST_F(DatabaseDiffTest, AddedChannelMovesNobody) {
    const int source = usedChannel(5);
    const int copy = edited->duplicateChannel(source);
    ASSERT_GE(copy, 0);
    edited->channel(copy).serviceId = 0xBEEF;
    // Put the new channel first: the others keep their order among themselves.
    moveChannelsKeepingFavourites(*edited, {copy}, 0);
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.channelsAdded.size(), 1u);
    EXPECT_EQ(d.channelsAdded[0].serviceId, 0xBEEF);
    EXPECT_EQ(d.channelsAdded[0].number, 0);
    EXPECT_EQ(categories(d), 1) << diffSummary(d);
}

TEST_F(DatabaseDiffTest, RemovedChannelLeavesItsGroups) {
    const int n = usedChannel(20);
    edited->deleteChannel(n);
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.channelsRemoved.size(), 1u);
    EXPECT_EQ(d.channelsRemoved[0].number, n);
    EXPECT_TRUE(d.moved.empty());
    EXPECT_TRUE(d.channelsAdded.empty());
    bool inGroup = false;
    for (int g = 0; g < kFavoriteGroups; ++g)
        for (int s = 0; s < db->groupSize(g); ++s) inGroup |= db->groupSlot(g, s) == n;
    EXPECT_EQ(!d.favouritesChanged.empty(), inGroup);
}

TEST_F(DatabaseDiffTest, MoveIsOneMovedChannelWithBothNumbers) {
    const int n = usedChannel(2);
    moveChannelsKeepingFavourites(*edited, {n}, usedChannel(40) + 1);
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.moved.size(), 1u) << diffSummary(d);
    EXPECT_EQ(d.moved[0].before.number, n);
    EXPECT_NE(d.moved[0].after.number, n);
    EXPECT_EQ(d.moved[0].before.name, d.moved[0].after.name);
    EXPECT_EQ(categories(d), 1) << testing::PrintToString(diffLines(d));
}

TEST_F(DatabaseDiffTest, FavouriteChangeNamesTheGroupAndMember) {
    const int n = usedChannel(30);
    edited->removeFromAllGroups(n);
    ASSERT_TRUE(edited->addToGroup(11, n, edited->groupSize(11)));
    edited->setTvGroupName(11, "Sports");
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_FALSE(d.favouritesChanged.empty());
    const FavouriteChange& last = d.favouritesChanged.back();
    EXPECT_EQ(last.group, 11);
    EXPECT_NE(std::find(last.fields.begin(), last.fields.end(), "+ \"" + fixedText(db->channel(n).name) + "\""),
              last.fields.end());
    EXPECT_EQ(categories(d), 1);
}

TEST_F(DatabaseDiffTest, FavouriteReorderIsSeen) {
    int group = -1;
    for (int g = 0; g < kFavoriteGroups && group < 0; ++g)
        if (db->groupSize(g) >= 2) group = g;
    ASSERT_GE(group, 0);
    std::swap(edited->groupSlot(group, 0), edited->groupSlot(group, 1));
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.favouritesChanged.size(), 1u);
    EXPECT_EQ(d.favouritesChanged[0].fields, std::vector<std::string>{"order changed"});
}

TEST_F(DatabaseDiffTest, SatelliteChangeKeepsItsChannelsMatched) {
    const int s = usedSatellite();
    edited->satellite(s).lnbFrequency = static_cast<std::uint16_t>(db->satellite(s).lnbFrequency + 100);
    setFixedText(edited->satellite(s).name, "Other Name");
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.satellitesChanged.size(), 1u);
    EXPECT_EQ(d.satellitesChanged[0].fields.size(), 2u);
    EXPECT_EQ(categories(d), 1);
}

TEST_F(DatabaseDiffTest, SatelliteAddedAndRemoved) {
    const int added = edited->addSatellite();
    ASSERT_GE(added, 0);
    edited->satellite(added).location = 3000;  // 60W
    const int removed = usedSatellite();
    edited->deleteSatellite(removed);
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.satellitesAdded.size(), 1u);
    EXPECT_EQ(d.satellitesAdded[0].location, "60.0W");
    ASSERT_EQ(d.satellitesRemoved.size(), 1u);
    EXPECT_EQ(d.channelsRemoved.size(), static_cast<std::size_t>(db->channelsOnSatellite(removed)));
}

TEST_F(DatabaseDiffTest, TransponderChangeKeepsItsChannelsMatched) {
    const int t = db->channel(usedChannel()).transponder;
    edited->transponder(t).symbolRate = static_cast<std::uint16_t>(db->transponder(t).symbolRate + 1000);
    const DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.transpondersChanged.size(), 1u);
    EXPECT_EQ(d.transpondersChanged[0].fields[0].rfind("symbol rate ", 0), 0u);
    EXPECT_EQ(categories(d), 1);
    // A new frequency is a new identity: its channels are removed and added.
    edited->transponder(t).frequency = static_cast<std::uint16_t>(db->transponder(t).frequency + 5);
    const DatabaseDiff moved = compareDatabases(*db, *edited);
    EXPECT_EQ(moved.transpondersAdded.size(), 1u);
    EXPECT_EQ(moved.transpondersRemoved.size(), 1u);
    EXPECT_EQ(moved.channelsAdded.size(), static_cast<std::size_t>(db->channelsOnTransponder(t)));
    EXPECT_EQ(moved.channelsRemoved.size(), moved.channelsAdded.size());
}

TEST_F(DatabaseDiffTest, DuplicateIdentitiesPairInOrder) {
    const int n = usedChannel(7);
    const int copy = edited->duplicateChannel(n);
    ASSERT_GE(copy, 0);
    DatabaseDiff d = compareDatabases(*db, *edited);
    ASSERT_EQ(d.channelsAdded.size(), 1u);
    EXPECT_EQ(d.channelsAdded[0].number, copy);
    d = compareDatabases(*edited, *db);
    ASSERT_EQ(d.channelsRemoved.size(), 1u);
    EXPECT_EQ(d.channelsRemoved[0].number, copy);
}

// Moving random channels to random places: the comparison finds no more
// moved channels than were moved, loses none, and sees nothing else.
TEST_F(DatabaseDiffTest, RandomMovesReportAtMostTheMovedChannels) {
    std::mt19937 random(7);
    for (int round = 0; round < 30; ++round) {
        *edited = *db;
        const int moves = 1 + static_cast<int>(random() % 6);
        for (int m = 0; m < moves; ++m) {
            const int n = usedChannel(static_cast<int>(random() % 90));
            moveChannelsKeepingFavourites(*edited, {n}, static_cast<int>(random() % 120));
        }
        const DatabaseDiff d = compareDatabases(*db, *edited);
        EXPECT_LE(d.moved.size(), static_cast<std::size_t>(moves));
        EXPECT_TRUE(d.channelsAdded.empty() && d.channelsRemoved.empty() && d.renamed.empty());
        EXPECT_TRUE(d.satellitesChanged.empty() && d.transpondersChanged.empty() && d.favouritesChanged.empty());
        // And back: the same number of moves undoes it.
        EXPECT_EQ(compareDatabases(*edited, *db).moved.size(), d.moved.size());
    }
}

// Random renames, PID changes and removals on distinct channels: each is
// counted once as its kind, nothing else is reported, and the way back
// reports the removals as additions.
TEST_F(DatabaseDiffTest, RandomEditsAreCountedExactly) {
    std::vector<int> used;
    for (int n = 0; n < kChannelSlots; ++n)
        if (!channelFree(db->channel(n))) used.push_back(n);
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        *edited = *db;
        std::shuffle(used.begin(), used.end(), random);
        const std::size_t renames = random() % 5, pids = random() % 5, removals = random() % 5;
        std::size_t next = 0;
        for (std::size_t i = 0; i < renames; ++i)
            setFixedText(edited->channel(used[next++]).name, "R" + std::to_string(i));
        for (std::size_t i = 0; i < pids; ++i) edited->channel(used[next++]).teletextPid ^= 0x100;
        for (std::size_t i = 0; i < removals; ++i) edited->deleteChannel(used[next++]);
        const DatabaseDiff d = compareDatabases(*db, *edited);
        EXPECT_EQ(d.renamed.size(), renames);
        EXPECT_EQ(d.pidsChanged.size(), pids);
        EXPECT_EQ(d.channelsRemoved.size(), removals);
        EXPECT_TRUE(d.channelsAdded.empty() && d.moved.empty() && d.otherChanged.empty());
        EXPECT_EQ(d.equal(), renames + pids + removals == 0);
        const DatabaseDiff back = compareDatabases(*edited, *db);
        EXPECT_EQ(back.channelsAdded.size(), removals);
        EXPECT_EQ(back.renamed.size(), renames);
        EXPECT_TRUE(back.channelsRemoved.empty() && back.moved.empty());
    }
}

TEST_F(DatabaseDiffTest, LinesNameEveryDifference) {
    const int n = usedChannel(10);
    setFixedText(edited->channel(n).name, "New");
    edited->deleteChannel(usedChannel(n + 1));
    const std::vector<std::string> lines = diffLines(compareDatabases(*db, *edited));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].find("1 channel removed, 1 renamed"), 0u) << lines[0];
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) {
                               return l.rfind("Renamed channel ", 0) == 0 && l.find("to \"New\"") != std::string::npos;
                           }),
              lines.end());
}

}  // namespace
}  // namespace dorvane::test
