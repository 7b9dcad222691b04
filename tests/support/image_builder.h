#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dorvane::test {

using Bytes = std::vector<std::uint8_t>;

void putLe32(Bytes& bytes, std::size_t offset, std::uint32_t value);

// Field values of an XPR header.
struct XprFields {
    std::string kind = "APP";
    std::uint32_t headerSize = 48;
    std::uint32_t version = 0x01020300;
    std::uint32_t build = 15;
    std::uint32_t buildDate = (2008u << 16) | (4u << 8) | 3u;
    std::uint32_t buildTime = (11u << 24) | (48u << 16) | (22u << 8);
    std::string buyer = "XY";
};

// A 48-byte XPR header followed by the payload, with the payload's byte sum
// as checksum unless one is given.
Bytes xprImage(const XprFields& fields, const Bytes& payload, const std::uint32_t* checksum = nullptr,
               const std::uint32_t* declaredLength = nullptr);

// "YFW" + 13 bytes + an XPR image.
Bytes yfwImage(const Bytes& xpr);

// 64 bytes with "CNXT" at 12, the product code at 32, the version at 36 and
// the buyer bytes at 44, followed by the payload.
Bytes cnxtImage(std::uint32_t productCode, std::uint32_t version, const std::string& buyer, const Bytes& payload = {});

// A 128-byte information record of a boot loader: length word, versions,
// buyer code.
Bytes infoRecord(std::uint32_t length, std::uint32_t bootVersion, std::uint32_t appVersion, std::uint32_t buyerCode);

Bytes patternBytes(std::size_t size, std::uint32_t seed = 1);

}  // namespace dorvane::test
