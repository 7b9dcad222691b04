#pragma once

#include <cstdint>
#include <span>

namespace dorvane {

// CRC-32 as zip and PNG use it (reflected polynomial 0xEDB88320, start and
// final xor 0xFFFFFFFF). crc32("123456789") is 0xCBF43926. A running sum
// goes on with the previous result as `crc`.
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

}  // namespace dorvane
