#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/transfer/line_rate.h"

namespace dorvane {
namespace {

// A 1,024-byte block takes 1,029 bytes of line: at 115,200 bit/s (11,520
// bytes/s) about 89 ms.
constexpr double kLineBytesPerMs = 11.52;

TEST(LineRate, APacedLineNeverShowsMoreThanTheLineCarries) {
    std::mt19937 rng(5);
    for (int run = 0; run < 200; ++run) {
        const std::size_t block = run % 2 ? 1024 : 128;
        const double frameMs = static_cast<double>(block + 5) / kLineBytesPerMs;
        LineRate rate;
        double t = 1000.0 + rng() % 1000;
        rate.start(static_cast<Millis>(t));
        Millis lastTick = static_cast<Millis>(t);
        std::int64_t shown = 0;
        for (int k = 0; k < 400; ++k) {
            // Each acknowledgement at least a frame's time after the last,
            // now and then much later (a slow answer, a resent block).
            t += frameMs + (rng() % 10 == 0 ? rng() % 700 : rng() % 3);
            const Millis at = static_cast<Millis>(std::ceil(t));
            while (lastTick + 1000 < at) {
                lastTick += 1000;
                shown = rate.lastSecond(lastTick);
                // Whole milliseconds: a rounding's worth above the line.
                ASSERT_LE(shown, 11520 + static_cast<std::int64_t>(block) / 80) << run << " " << k;
            }
            rate.add(at, static_cast<std::int64_t>(block));
        }
        EXPECT_GT(shown, 0);
        // A second after the last block nothing moves any more.
        EXPECT_EQ(rate.lastSecond(static_cast<Millis>(t) + 1001), 0);
    }
}

TEST(LineRate, EverySecondOfASteadyLineAddsUpToTheBytesCarried) {
    LineRate rate;
    rate.start(0);
    std::int64_t sum = 0;
    Millis tick = 0;
    for (Millis t = 100; t <= 10000; t += 100) {
        rate.add(t, 1000);  // 10,000 bytes/s, evenly
        if (t % 1000 == 0) {
            tick = t;
            const std::int64_t second = rate.lastSecond(tick);
            EXPECT_EQ(second, 10000) << t;
            sum += second;
        }
    }
    EXPECT_EQ(sum, 100000);
}

TEST(LineRate, BlocksWithoutAStartCountInTheSecondTheyCameIn) {
    LineRate rate;
    rate.clear();
    EXPECT_EQ(rate.lastSecond(5000), 0);
    for (int i = 0; i < 3; ++i) rate.add(5000, 1024);
    // At the same moment as the look before: the next second's.
    EXPECT_EQ(rate.lastSecond(6000), 3072);
    EXPECT_EQ(rate.lastSecond(7000), 0);
}

}  // namespace
}  // namespace dorvane
