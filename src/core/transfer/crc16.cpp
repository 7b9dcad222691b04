#include "core/transfer/crc16.h"

#include <array>

namespace dorvane {

namespace {

constexpr std::array<std::uint16_t, 256> makeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1;
        table[i] = static_cast<std::uint16_t>(crc);
    }
    return table;
}

constexpr auto kTable = makeTable();

}  // namespace

std::uint16_t crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0;
    for (const std::uint8_t b : bytes) crc = static_cast<std::uint16_t>(kTable[((crc >> 8) ^ b) & 0xFF] ^ (crc << 8));
    return crc;
}

std::uint16_t crc16(const void* data, std::size_t length) {
    return crc16(std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data), length));
}

std::uint16_t crc16Bitwise(std::span<const std::uint8_t> bytes) {
    unsigned crc = 0;
    for (const std::uint8_t b : bytes) {
        crc ^= static_cast<unsigned>(b) << 8;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1;
        crc &= 0xFFFF;
    }
    return static_cast<std::uint16_t>(crc);
}

}  // namespace dorvane
