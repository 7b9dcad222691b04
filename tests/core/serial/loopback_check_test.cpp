#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/serial/loopback_check.h"

using dorvane::compareLoopback;
using dorvane::loopbackPattern;

TEST(LoopbackCheck, CleanLoopAndEmptyAnswer) {
    const std::vector<std::uint8_t> sent = loopbackPattern(1000);
    EXPECT_TRUE(compareLoopback(sent, sent).clean());
    const auto none = compareLoopback(sent, {});
    EXPECT_EQ(none.lost, 1000u);
    EXPECT_EQ(none.wrong, 0u);
    std::vector<std::uint8_t> more = sent;
    more.push_back(0x55);
    more.push_back(0x56);
    const auto extra = compareLoopback(sent, more);
    EXPECT_EQ(extra.extra, 2u);
    EXPECT_FALSE(extra.clean());
}

TEST(LoopbackCheck, LastByteGarbledIsGarbledNotAGap) {
    const std::vector<std::uint8_t> sent = loopbackPattern(300);
    std::vector<std::uint8_t> back = sent;
    back.back() = 0x00;  // the value of a place 44 bytes on, were there one
    const auto t = compareLoopback(sent, back);
    EXPECT_EQ(t.wrong, 1u);
    EXPECT_EQ(t.lost, 0u);
}

// Random lines: runs of lost bytes and single garbled bytes, apart from
// each other and from the end, are each counted as what they are.
TEST(LoopbackCheck, CountsEveryLostAndGarbledByteOnRandomLines) {
    const std::vector<std::uint8_t> sent = loopbackPattern(4096);
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::uint8_t> back;
        std::size_t lost = 0;
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < sent.size();) {
            const auto roll = rng() % 1000;
            const bool roomLeft = i + 60 < sent.size();
            if (roomLeft && roll < 4) {  // a run of lost bytes
                const std::size_t run = 1 + rng() % 50;
                lost += run;
                i += run;
                back.insert(back.end(), sent.begin() + static_cast<long>(i), sent.begin() + static_cast<long>(i + 3));
                i += 3;
            } else if (roomLeft && roll < 8) {  // one garbled byte
                back.push_back(static_cast<std::uint8_t>(sent[i] ^ (1u + rng() % 255)));
                ++wrong;
                ++i;
                back.insert(back.end(), sent.begin() + static_cast<long>(i), sent.begin() + static_cast<long>(i + 3));
                i += 3;
            } else {
                back.push_back(sent[i++]);
            }
        }
        const auto t = compareLoopback(sent, back);
        ASSERT_EQ(t.lost, lost) << "seed " << seed;
        ASSERT_EQ(t.wrong, wrong) << "seed " << seed;
        ASSERT_EQ(t.received, back.size());
        ASSERT_EQ(t.extra, 0u);
    }
}
