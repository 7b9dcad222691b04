#include "support/image_builder.h"

#include <cstring>
#include <numeric>

namespace dorvane::test {

void putLe32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes xprImage(const XprFields& f, const Bytes& payload, const std::uint32_t* checksum,
               const std::uint32_t* declaredLength) {
    Bytes out(48, 0);
    std::memcpy(out.data(), "XPR", 3);
    putLe32(out, 4, f.headerSize);
    std::memcpy(out.data() + 8, f.kind.data(), std::min<std::size_t>(3, f.kind.size()));
    putLe32(out, 16, declaredLength ? *declaredLength : static_cast<std::uint32_t>(payload.size()));
    putLe32(out, 20, f.version);
    putLe32(out, 24, f.build);
    putLe32(out, 28, f.buildDate);
    putLe32(out, 32, f.buildTime);
    std::memcpy(out.data() + 36, f.buyer.data(), std::min<std::size_t>(4, f.buyer.size()));
    const std::uint32_t sum =
        std::accumulate(payload.begin(), payload.end(), 0u, [](std::uint32_t a, std::uint8_t b) { return a + b; });
    putLe32(out, 44, checksum ? *checksum : sum);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

Bytes yfwImage(const Bytes& xpr) {
    Bytes out(16, 0x20);
    std::memcpy(out.data(), "YFW", 3);
    out.insert(out.end(), xpr.begin(), xpr.end());
    return out;
}

Bytes cnxtImage(std::uint32_t productCode, std::uint32_t version, const std::string& buyer, const Bytes& payload) {
    Bytes out(64, 0);
    std::memcpy(out.data() + 12, "CNXT", 4);
    putLe32(out, 32, productCode);
    putLe32(out, 36, version);
    std::memcpy(out.data() + 44, buyer.data(), std::min<std::size_t>(4, buyer.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

Bytes patternBytes(std::size_t size, std::uint32_t seed) {
    Bytes out(size);
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (auto& b : out) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return out;
}

Bytes infoRecord(std::uint32_t length, std::uint32_t bootVersion, std::uint32_t appVersion, std::uint32_t buyerCode) {
    Bytes r(128, 0);
    putLe32(r, 0, length);
    putLe32(r, 8, bootVersion);
    putLe32(r, 12, appVersion);
    putLe32(r, 20, buyerCode);
    return r;
}

}  // namespace dorvane::test
