#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/common/byte_layout.h"

namespace dorvane {
namespace {

// Whatever is written at an offset reads back, low byte first, and no byte
// outside the field changes.
TEST(ByteLayout, FieldsRoundTripLowByteFirstAndTouchNothingElse) {
    std::mt19937 random(26);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> bytes(16);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        const auto before = bytes;
        const std::size_t at = random() % 13;
        const auto value = static_cast<std::uint32_t>(random());
        if (round % 2) {
            le::write32(bytes, at, value);
            ASSERT_EQ(le::read32(bytes, at), value);
            for (std::size_t i = 0; i < 4; ++i) ASSERT_EQ(bytes[at + i], (value >> (8 * i)) & 0xFF);
            for (std::size_t i = 0; i < bytes.size(); ++i)
                if (i < at || i >= at + 4) ASSERT_EQ(bytes[i], before[i]) << i;
        } else {
            const auto half = static_cast<std::uint16_t>(value);
            le::write16(bytes, at, half);
            ASSERT_EQ(le::read16(bytes, at), half);
            ASSERT_EQ(bytes[at], half & 0xFF);
            ASSERT_EQ(bytes[at + 1], half >> 8);
            for (std::size_t i = 0; i < bytes.size(); ++i)
                if (i < at || i >= at + 2) ASSERT_EQ(bytes[i], before[i]) << i;
        }
    }
}

TEST(ByteLayout, TheBuyerCodeIsTheWordAtOffset20OfAWholeEnoughRecord) {
    std::vector<std::uint8_t> record(128, 0);
    record[20] = 'A';
    record[21] = 'B';
    record[23] = 0x80;
    EXPECT_EQ(infoRecordBuyerCode(record), 0x80004241u);
    EXPECT_EQ(infoRecordBuyerCode(std::span(record.data(), 24)), 0x80004241u);
    EXPECT_EQ(infoRecordBuyerCode(std::span(record.data(), 23)), std::nullopt);
    EXPECT_EQ(infoRecordBuyerCode({}), std::nullopt);
}

}  // namespace
}  // namespace dorvane
