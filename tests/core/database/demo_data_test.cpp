#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/database/demo_data.h"
#include "database/database_fixture.h"

namespace dorvane {
namespace {

using DemoDataTest = test::DatabaseTest;

TEST_F(DemoDataTest, TheDemoDatabaseIsSmallAndConsistent) {
    fillDemoDatabase(*db);
    int satellites = 0;
    for (int s = 0; s < kSatelliteSlots; ++s) satellites += satelliteInUse(db->satellite(s));
    EXPECT_GE(satellites, 4);
    int channels = 0;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db->channel(n);
        if (channelFree(c)) continue;
        ++channels;
        EXPECT_EQ(c.satellite + 1, db->transponder(c.transponder).satellite) << n;
        EXPECT_TRUE(satelliteInUse(db->satellite(c.satellite))) << n;
    }
    EXPECT_GE(channels, 90);
    EXPECT_LE(channels, 120);
    EXPECT_GT(db->groupSize(0), 0);
    EXPECT_FALSE(db->tvList().empty());
    EXPECT_FALSE(db->radioList().empty());
}

TEST_F(DemoDataTest, TheFullDatabaseIsFullAndFollowsItsSeed) {
    fillFullDatabase(*db, 5);
    const auto first = test::tableBytes(*db);
    int satellites = 0;
    for (int s = 0; s < kSatelliteSlots; ++s) satellites += satelliteInUse(db->satellite(s));
    EXPECT_EQ(satellites, 163);
    std::set<std::tuple<int, int, int>> keys;
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& tp = db->transponder(t);
        ASSERT_FALSE(transponderFree(tp));
        keys.insert({tp.satellite, tp.polarisation, tp.frequency / 2});
    }
    EXPECT_EQ(keys.size(), 2000u);  // no two transponders can be confused
    for (int n = 0; n < kChannelSlots; ++n) ASSERT_FALSE(channelFree(db->channel(n)));
    for (int g = 0; g < kFavoriteGroups; ++g) EXPECT_EQ(db->groupSize(g), kGroupSlots);

    fillFullDatabase(*db, 5);
    EXPECT_EQ(test::tableBytes(*db), first);
    fillFullDatabase(*db, 6);
    EXPECT_NE(test::tableBytes(*db), first);
}

}  // namespace
}  // namespace dorvane
