#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "core/database/channel_data_verify.h"
#include "core/database/demo_data.h"
#include "database_fixture.h"

namespace dorvane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class ChannelDataVerifyTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        fillDemoDatabase(*db);
        db->recount();
        sent = packed(*db);
        ASSERT_FALSE(sent.empty());
    }

    Bytes packed(const ReceiverDatabase& database) {
        if (packBackup(database, *buffer) != PackResult::Ok) return {};
        const auto c = buffer->contents();
        return {c.begin(), c.end()};
    }

    int usedChannel(int from = 0) const {
        for (int n = from; n < kChannelSlots; ++n)
            if (!channelFree(db->channel(n))) return n;
        return -1;
    }

    Bytes sent;
};

TEST_F(ChannelDataVerifyTest, TheSameDataIsTheSameAndEveryEditIsNamed) {
    EXPECT_TRUE(compareChannelData(sent, sent).same);
    EXPECT_TRUE(compareChannelData(sent, sent).firstDifference.empty());
    // Another day in the header is not a difference of content.
    setDateSource([] { return CalendarDate{2007, 5, 5}; });
    const Bytes redated = packed(*db);
    ASSERT_NE(redated, sent);
    EXPECT_TRUE(compareChannelData(sent, redated).same);

    auto edited = std::make_unique<ReceiverDatabase>(*db);
    const int n = usedChannel();
    ASSERT_GE(n, 0);
    edited->channel(n).name[0] ^= 0x20;  // one byte of a name
    ChannelDataCheck check = compareChannelData(sent, packed(*edited));
    EXPECT_FALSE(check.same);
    EXPECT_EQ(check.firstDifference.rfind("Renamed channel ", 0), 0u) << check.firstDifference;

    edited = std::make_unique<ReceiverDatabase>(*db);
    edited->channel(n).videoPid ^= 1;
    check = compareChannelData(sent, packed(*edited));
    EXPECT_FALSE(check.same);
    EXPECT_EQ(check.firstDifference.rfind("PIDs of channel ", 0), 0u) << check.firstDifference;

    edited = std::make_unique<ReceiverDatabase>(*db);
    edited->setTvGroupName(0, "Other");
    check = compareChannelData(sent, packed(*edited));
    EXPECT_FALSE(check.same);
    EXPECT_FALSE(check.firstDifference.empty());
}

TEST_F(ChannelDataVerifyTest, DataReadBackThatDoesNotUnpackIsNeverTheSame) {
    const Bytes cut(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(sent.size() / 2));
    ChannelDataCheck check = compareChannelData(sent, cut);
    EXPECT_FALSE(check.same);
    EXPECT_EQ(check.firstDifference.rfind("the data read back does not unpack (", 0), 0u) << check.firstDifference;
    EXPECT_FALSE(compareChannelData(sent, {}).same);
    check = compareChannelData(Bytes{'x'}, sent);
    EXPECT_FALSE(check.same);
    EXPECT_EQ(check.firstDifference, "the data sent is not channel data that unpacks");
}

// Any byte of the packed data changed: "same" only when what it unpacks
// to is the same list, table for table; else a difference is named.
TEST_F(ChannelDataVerifyTest, ChangedBytesAreSameOnlyWhenTheTablesAre) {
    const Bytes tables = tableBytes(*db);
    std::mt19937 random(23);
    int differed = 0;
    for (int round = 0; round < 300; ++round) {
        Bytes changed = sent;
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, changed.size() - 1)(random);
        changed[at] ^= static_cast<std::uint8_t>(1u << (round % 8));
        const ChannelDataCheck check = compareChannelData(sent, changed);
        auto reread = std::make_unique<ReceiverDatabase>();
        const bool unpacks = unpackBackup(*reread, changed) == UnpackResult::Ok;
        if (check.same) {
            ASSERT_TRUE(unpacks) << at;
            EXPECT_EQ(tableBytes(*reread), tables) << "byte " << at;
        } else {
            EXPECT_FALSE(check.firstDifference.empty());
            ++differed;
        }
    }
    EXPECT_GT(differed, 150);
}

}  // namespace
}  // namespace dorvane::test
