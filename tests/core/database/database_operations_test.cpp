#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "core/database/receiver_database.h"

namespace dorvane {
namespace {

class DatabaseOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 0; n < kChannelSlots; ++n) db->resetChannel(n);
        db->setDefaultFavorites();
    }

    void useSatellite(int slot, std::int16_t location = 192) {
        SatelliteRecord& s = db->satellite(slot);
        s.dishPosition = 1;
        s.location = location;
    }
    void useTransponder(int number, int satelliteSlot, std::uint16_t frequency = 11000) {
        TransponderRecord& t = db->transponder(number);
        t.satellite = static_cast<std::uint8_t>(satelliteSlot + 1);
        t.frequency = frequency;
    }
    void useChannel(int number, int transponder, std::uint16_t flags = kFlagTv, const char* name = "ch") {
        ChannelRecord& c = db->channel(number);
        std::memset(&c, 0, sizeof c);
        setFixedText(c.name, name);
        c.flags = flags;
        c.serviceId = static_cast<std::uint16_t>(number);
        c.transponder = static_cast<std::uint16_t>(transponder);
        c.satellite = static_cast<std::uint8_t>(db->transponder(transponder).satellite - 1);
    }
    std::vector<int> group(int g) {
        std::vector<int> members;
        for (int s = 0; s < kGroupSlots; ++s) members.push_back(db->groupSlot(g, s));
        while (!members.empty() && members.back() == -1) members.pop_back();
        return members;
    }
    std::vector<std::pair<int, int>> view() {
        std::vector<std::pair<int, int>> entries;
        for (const auto& e : db->groupView()) entries.emplace_back(e.channel, e.slot);
        return entries;
    }
    bool deleted(int n) {
        return db->channel(n).transponder == kDeletedTransponder && db->channel(n).word20 == 0xFFFF &&
               db->channel(n).flags == 0;
    }

    std::unique_ptr<ReceiverDatabase> db = std::make_unique<ReceiverDatabase>();
};

TEST_F(DatabaseOperationsTest, AddSatelliteTakesTheFirstFreeSlotBelow163) {
    for (int s = 0; s < 5; ++s) useSatellite(s);
    useSatellite(6);
    EXPECT_EQ(db->addSatellite(), 5);
    const SatelliteRecord& added = db->satellite(5);
    EXPECT_EQ(fixedText(added.name), "SAT 6");
    EXPECT_EQ(added.lnbFrequency, 10600);
    EXPECT_EQ(added.dishPosition, 29);
    EXPECT_EQ(added.location, 0);
    EXPECT_FALSE(satelliteInUse(added));
    // It takes the first empty place of the order list, so the editor lists
    // it once it has a location, and the file's satellite section reaches it.
    EXPECT_EQ(db->orderEntry(0), 6);
    EXPECT_EQ(db->storedHeader().satelliteCount, 6);
    // Free until it is given a location; taken again, it is not listed twice.
    EXPECT_EQ(db->addSatellite(), 5);
    EXPECT_EQ(db->orderEntry(1), 0);
    db->satellite(5).location = 3599;
    EXPECT_EQ(db->addSatellite(), 7);
    EXPECT_EQ(db->orderEntry(1), 8);
    EXPECT_EQ(db->satelliteOrderPosition(7), 1);

    // A transponder can be made on a satellite that has none.
    const int tp = db->addTransponder(7);
    ASSERT_GE(tp, 0);
    EXPECT_EQ(db->transponder(tp).satellite, 8);
    EXPECT_EQ(db->transponder(tp).frequency, 0);
    EXPECT_EQ(db->addTransponder(163), -1);

    for (int s = 0; s < kEditableSatellites; ++s) useSatellite(s);
    EXPECT_EQ(db->addSatellite(), -1);  // slot 163 is never given out
    EXPECT_EQ(db->satellite(163).dishPosition, 0);
}

TEST_F(DatabaseOperationsTest, DuplicatesGoToTheFirstFreeSlotAndNeverOverwrite) {
    useTransponder(0, 0);
    useTransponder(1, 0);
    db->transponder(2).satellite = 200;  // above 163: free
    useTransponder(3, 1, 12500);
    EXPECT_EQ(db->duplicateTransponder(3), 2);
    EXPECT_EQ(std::memcmp(&db->transponder(2), &db->transponder(3), sizeof(TransponderRecord)), 0);
    for (int t = 0; t < kTransponderSlots; ++t) useTransponder(t, 0);
    EXPECT_EQ(db->duplicateTransponder(0), -1);

    for (int n = 0; n < 10; ++n) useChannel(n, n % 2, kFlagTv, "used");
    useChannel(12, 0, kFlagRadio, "source");
    EXPECT_EQ(db->duplicateChannel(12), 10);
    EXPECT_EQ(std::memcmp(&db->channel(10), &db->channel(12), sizeof(ChannelRecord)), 0);
    db->deleteChannel(3);
    EXPECT_EQ(db->duplicateChannel(12), 3);  // a deleted slot is free too
    useChannel(11, 0);
    db->channel(11).satellite = 170;  // a satellite slot above 163: free
    EXPECT_EQ(db->duplicateChannel(12), 11);
    for (int n = 0; n < kChannelSlots; ++n) useChannel(n, 0);
    EXPECT_EQ(db->duplicateChannel(0), -1);
}

TEST_F(DatabaseOperationsTest, DeletesCascadeToExactlyTheDependentRecords) {
    useSatellite(0);
    useSatellite(1);
    useTransponder(0, 0);
    useTransponder(1, 1);
    useTransponder(2, 1);
    useTransponder(3, 0);
    useChannel(0, 1);
    useChannel(1, 0);
    useChannel(2, 2);
    useChannel(3, 1);
    useChannel(4, 3);
    useChannel(7, 1);
    db->channel(7).satellite = 0;  // inconsistent: named by transponder 1 of satellite 1
    for (int n : {0, 1, 3, 4}) ASSERT_TRUE(db->addToGroup(2, n, db->groupSize(2)));

    db->deleteTransponder(1);
    EXPECT_EQ(db->transponder(1).satellite, 0);
    for (int n : {0, 3, 7}) EXPECT_TRUE(deleted(n)) << n;
    for (int n : {1, 2, 4}) EXPECT_FALSE(deleted(n)) << n;
    EXPECT_EQ(group(2), (std::vector<int>{1, 4}));

    // Satellite 1: its transponder 2 and channel 2 go; satellite 0 stays.
    db->deleteSatellite(1);
    EXPECT_FALSE(satelliteInUse(db->satellite(1)));
    EXPECT_EQ(db->satellite(1).dishPosition, 0);
    EXPECT_TRUE(transponderFree(db->transponder(2)));
    EXPECT_TRUE(deleted(2));
    EXPECT_FALSE(deleted(1));
    EXPECT_EQ(db->transponder(0).satellite, 1);
    EXPECT_EQ(db->transponder(3).satellite, 1);

    // Satellite slot 0 takes blank slots (satellite 0, transponder 0) along.
    db->deleteSatellite(0);
    for (int n : {1, 4, 5, 4999}) EXPECT_TRUE(deleted(n)) << n;
    EXPECT_TRUE(transponderFree(db->transponder(0)));
    EXPECT_TRUE(transponderFree(db->transponder(3)));
    EXPECT_EQ(group(2), std::vector<int>{});

    db->deleteChannel(5000);  // nothing happens, nothing breaks
    db->deleteChannel(-1);
}

TEST_F(DatabaseOperationsTest, MarkedChannelsGatherInFrontOfTheDestination) {
    for (int n = 0; n < 10; ++n) {
        useChannel(n, 0);
        db->channel(n).serviceId = static_cast<std::uint16_t>(n);
    }
    db->channel(5).internal[8] = 0x99;  // records move whole
    db->setMoveMark(2);
    db->setMoveMark(7);
    db->moveMarkedChannels(5);
    const std::vector<int> expected{0, 1, 3, 4, 2, 7, 5, 6, 8, 9};
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(db->channel(n).serviceId, expected[n]) << n;
        EXPECT_EQ(db->channel(n).flags & kFlagMoveMark, 0) << n;
    }
    EXPECT_EQ(db->channel(6).internal[8], 0x99);

    db->setMoveMark(9);
    db->moveMarkedChannels(0);
    EXPECT_EQ(db->channel(0).serviceId, 9);
    EXPECT_EQ(db->channel(1).serviceId, 0);

    db->setMoveMark(0);
    db->moveMarkedChannels(kChannelSlots);
    EXPECT_EQ(db->channel(4999).serviceId, 9);
    EXPECT_EQ(db->channel(0).serviceId, 0);
    EXPECT_EQ(db->channel(4999).flags & kFlagMoveMark, 0);
}

TEST_F(DatabaseOperationsTest, GroupMembershipKeepsMembersPackedAndUnique) {
    for (int n = 0; n < 6; ++n) useChannel(n, 0, n == 1 ? kFlagRadio : kFlagTv);
    EXPECT_EQ(db->selectGroupMembers(kKindTv, 0), 0);
    for (int n = 0; n < 6; ++n) EXPECT_TRUE(db->addToGroup(0, n, db->groupSize(0)));
    EXPECT_FALSE(db->addToGroup(0, 3, db->groupSize(0)));
    EXPECT_FALSE(db->addToGroup(0, 5000, db->groupSize(0)));
    EXPECT_EQ(db->selectGroupMembers(kKindTv, 0), 6);  // counts every kind
    EXPECT_EQ(view(), (std::vector<std::pair<int, int>>{{0, 0}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}));

    // Removing TV view entry 1 (channel 2, slot 2): later slots move down.
    EXPECT_TRUE(db->removeGroupMemberAt(0, 1));
    EXPECT_EQ(group(0), (std::vector<int>{0, 1, 3, 4, 5}));
    EXPECT_EQ(view(), (std::vector<std::pair<int, int>>{{0, 0}, {3, 2}, {4, 3}, {5, 4}}));
    EXPECT_FALSE(db->removeGroupMemberAt(0, 4));
    EXPECT_FALSE(db->removeGroupMemberAt(0, -1));

    EXPECT_TRUE(db->removeFromGroup(0, 1));
    EXPECT_FALSE(db->removeFromGroup(0, 1));
    EXPECT_EQ(group(0), (std::vector<int>{0, 3, 4, 5}));

    // A full group: the member in slot 143 can be removed.
    for (int s = 0; s < kGroupSlots; ++s) db->groupSlot(1, s) = static_cast<std::int16_t>(100 + s);
    EXPECT_TRUE(db->removeFromGroup(1, 243));
    EXPECT_EQ(db->groupSlot(1, 143), -1);
    EXPECT_EQ(db->groupSize(1), 143);
    EXPECT_TRUE(db->removeFromGroup(1, 100));
    EXPECT_EQ(db->groupSlot(1, 0), 101);
    EXPECT_EQ(db->groupSlot(1, 142), -1);

    EXPECT_TRUE(db->addToGroup(5, 3, 0));
    db->removeFromAllGroups(3);
    EXPECT_EQ(group(0), (std::vector<int>{0, 4, 5}));
    EXPECT_EQ(group(5), std::vector<int>{});
}

TEST_F(DatabaseOperationsTest, MovingAGroupMemberShiftsOnlyTheViewedKind) {
    // Slots: T10 R11 T12 T13 T14; the TV view holds slots 0, 2, 3, 4.
    for (int n = 10; n < 15; ++n) useChannel(n, 0, n == 11 ? kFlagRadio : kFlagTv);
    for (int n = 10; n < 15; ++n) ASSERT_TRUE(db->addToGroup(4, n, db->groupSize(4)));
    db->selectGroupMembers(kKindTv, 4);
    db->setMoveMark(10);

    db->moveGroupMember(4, 0, 2);  // T10 behind T13
    EXPECT_EQ(group(4), (std::vector<int>{12, 11, 13, 10, 14}));
    EXPECT_EQ(view(), (std::vector<std::pair<int, int>>{{12, 0}, {13, 2}, {10, 3}, {14, 4}}));
    EXPECT_EQ(db->channel(10).flags & kFlagMoveMark, 0);

    db->moveGroupMember(4, 3, 0);  // T14 behind T12
    EXPECT_EQ(group(4), (std::vector<int>{12, 11, 14, 13, 10}));
    db->moveGroupMember(4, 2, -1);  // T13 to the front
    EXPECT_EQ(group(4), (std::vector<int>{13, 11, 12, 14, 10}));

    for (const auto& [from, to] : std::vector<std::pair<int, int>>{{1, 0}, {2, 2}, {9, 0}, {0, 7}}) {
        db->moveGroupMember(4, from, to);
        EXPECT_EQ(group(4), (std::vector<int>{13, 11, 12, 14, 10})) << from << "->" << to;
    }
}

TEST_F(DatabaseOperationsTest, KindListsCountersAndOrderPositions) {
    useSatellite(0);
    useSatellite(3);
    useTransponder(0, 0);
    useTransponder(1, 3);
    useTransponder(2, 3);
    db->transponder(3).satellite = 164;  // not counted
    useChannel(0, 0, kFlagTv);
    useChannel(1, 1, kFlagRadio);
    useChannel(2, 1, 0x0003);  // TV
    useChannel(3, 2, 0x0004);  // neither
    useChannel(4, 2, kFlagTv);
    db->channel(4).transponder = kDeletedTransponder;  // skipped by the lists
    useChannel(5, 1, kFlagRadio | kFlagScrambled);
    db->groupSlot(0, 0) = 1;
    db->groupSlot(0, 1) = 2;
    EXPECT_EQ(db->buildKindLists(), 2);
    EXPECT_EQ(std::vector<int>(db->tvList().begin(), db->tvList().end()), (std::vector<int>{0, 2}));
    EXPECT_EQ(std::vector<int>(db->radioList().begin(), db->radioList().end()), (std::vector<int>{1, 5}));
    EXPECT_EQ(view(), (std::vector<std::pair<int, int>>{{2, 1}}));

    db->recount();
    EXPECT_EQ(db->channelsOnSatellite(0), 1);
    EXPECT_EQ(db->channelsOnSatellite(3), 5);
    EXPECT_EQ(db->transpondersOnSatellite(3), 2);
    EXPECT_EQ(db->transpondersOnSatellite(163), 0);
    EXPECT_EQ(db->channelsOnTransponder(1), 3);
    EXPECT_EQ(db->channelsOnTransponder(2), 1);

    db->orderEntry(0) = 4;
    db->orderEntry(1) = 1;
    db->orderEntry(163) = 2;  // beyond the 163 positions looked at
    EXPECT_EQ(db->satelliteOrderPosition(3), 0);
    EXPECT_EQ(db->satelliteOrderPosition(0), 1);
    EXPECT_EQ(db->satelliteOrderPosition(1), -1);
}

TEST_F(DatabaseOperationsTest, ChannelComparisonsForTheThreeSortOrders) {
    useSatellite(0);
    useSatellite(1);
    useSatellite(2);
    useTransponder(0, 0);
    useTransponder(1, 1);
    useTransponder(2, 1);
    useTransponder(3, 2);
    db->orderEntry(0) = 2;
    db->orderEntry(1) = 1;  // satellite slot 2 is not in the order list
    useChannel(0, 0, kFlagTv, "abc");
    useChannel(1, 1, kFlagTv, "Abc");
    useChannel(2, 2, kFlagTv, "Ab");
    useChannel(3, 3, kFlagTv, "\xE9t\xE9");
    useChannel(4, 2, kFlagTv, "zz");

    EXPECT_LT(db->compareChannels(2, 7, 0), 0);
    EXPECT_GT(db->compareChannels(7, 2, 0), 0);

    EXPECT_LT(db->compareChannels(1, 0, 1), 0);  // satellite slot 1 stands first
    EXPECT_LT(db->compareChannels(3, 1, 1), 0);  // absent from the order: first of all
    EXPECT_LT(db->compareChannels(1, 2, 1), 0);  // same satellite: by transponder
    EXPECT_EQ(db->compareChannels(2, 4, 1), 0);  // same transponder

    EXPECT_LT(db->compareChannels(1, 0, 2), 0);  // upper case before lower case
    EXPECT_LT(db->compareChannels(2, 1, 2), 0);  // a prefix before longer names
    EXPECT_GT(db->compareChannels(3, 4, 2), 0);  // bytes compare unsigned
    EXPECT_EQ(db->compareChannels(0, 0, 2), 0);
    EXPECT_EQ(db->compareChannels(0, 1, 3), 0);
}

}  // namespace
}  // namespace dorvane
