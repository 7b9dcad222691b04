#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace dorvane {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final
// XOR. Check value over "123456789" is 0x31C3.
std::uint16_t crc16(std::span<const std::uint8_t> bytes);
std::uint16_t crc16(const void* data, std::size_t length);

// The same CRC computed bit by bit; used where the upload checks the
// end-of-batch block. Gives the same value as crc16().
std::uint16_t crc16Bitwise(std::span<const std::uint8_t> bytes);

}  // namespace dorvane
