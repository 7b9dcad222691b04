#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/transfer/crc16.h"
#include "support/image_builder.h"

using namespace dorvane;

TEST(Crc16, CheckValueAndZeros) {
    const std::string digits = "123456789";
    EXPECT_EQ(crc16(digits.data(), digits.size()), 0x31C3);
    const std::vector<std::uint8_t> zeros(128, 0);
    EXPECT_EQ(crc16(zeros), 0x0000);
    EXPECT_EQ(crc16(nullptr, 0), 0x0000);
}

TEST(Crc16, TableAndBitwiseFormsAgree) {
    for (std::size_t size : {1u, 2u, 128u, 1024u, 1029u}) {
        const auto bytes = test::patternBytes(size, static_cast<std::uint32_t>(size));
        EXPECT_EQ(crc16(bytes), crc16Bitwise(bytes)) << size;
    }
    const std::vector<std::uint8_t> single{0xFF};
    EXPECT_EQ(crc16(single), 0x1EF0);
}
