#include <gtest/gtest.h>

#include "core/database/records.h"

namespace dorvane {
namespace {

TEST(RecordsTest, TextsAtTheEdgesOfTheirRanges) {
    EXPECT_EQ(casText(0x0021), "MgVi");
    EXPECT_EQ(casText(0), "");
    EXPECT_EQ(casText(0xC0B0), "BiOx");  // zero nibbles skipped
    EXPECT_EQ(casText(0x00F1), "Mg?");   // no code for 13..15
    EXPECT_EQ(locationText(1800), "180E");
    EXPECT_EQ(locationText(1801), "179W");
    EXPECT_EQ(locationText(3600), "");
    EXPECT_EQ(fecText(12), "Auto");
    EXPECT_EQ(fecText(13), "");
}

TEST(RecordsTest, FixedTextsStayInsideTheirFields) {
    char field[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(fixedText(field), "xxxxxx");  // no NUL: stops at the end
    setFixedText(field, "abcdefgh");
    EXPECT_EQ(fixedText(field), "abcde");
    EXPECT_EQ(field[5], '\0');
}

TEST(RecordsTest, ChannelKindsAndFreeSlots) {
    ChannelRecord c{};
    c.flags = 0x0003;
    EXPECT_EQ(channelKind(c), kKindTv);
    c.flags = 0x0001 | kFlagScrambled;
    EXPECT_EQ(channelKind(c), kKindRadio);
    c.flags = 0x0004;
    EXPECT_EQ(channelKind(c), kKindNeither);
    c.transponder = 1999;
    c.satellite = 163;
    EXPECT_FALSE(channelFree(c));
    c.satellite = 164;
    EXPECT_TRUE(channelFree(c));
    c.satellite = 0;
    c.transponder = 2000;
    EXPECT_TRUE(channelFree(c));
}

}  // namespace
}  // namespace dorvane
