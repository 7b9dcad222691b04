#pragma once

// Little-endian fields in byte buffers: the one way the program reads and
// writes the multi-byte numbers of frames, image headers, blobs and records,
// whatever the host's own byte order.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace dorvane::le {

// The value at `at`; the caller makes sure the bytes are there.
constexpr std::uint16_t read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

constexpr std::uint32_t read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

constexpr void write16(std::span<std::uint8_t> bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

constexpr void write32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i) & 0xFF);
}

}  // namespace dorvane::le

namespace dorvane {

// The receiver's information record, the answer to the boot loader's ENQ:
// the offsets of the fields the tool reads (each a little-endian word).
namespace info_record {
inline constexpr std::size_t kRecordLengthAt = 0;
inline constexpr std::size_t kBootVersionAt = 8;
inline constexpr std::size_t kAppVersionAt = 12;
inline constexpr std::size_t kBuyerCodeAt = 20;
}  // namespace info_record

// The receiver's buyer code; none when the record is too short to hold it.
constexpr std::optional<std::uint32_t> infoRecordBuyerCode(std::span<const std::uint8_t> record) {
    if (record.size() < info_record::kBuyerCodeAt + 4) return std::nullopt;
    return le::read32(record, info_record::kBuyerCodeAt);
}

}  // namespace dorvane
