#include "sim/frames.h"

#include <algorithm>

#include "core/transfer/crc16.h"

namespace dorvane::sim {

Bytes makeBlock(std::uint8_t sequence, std::span<const std::uint8_t> data, std::size_t size, std::uint8_t pad) {
    Bytes block;
    block.reserve(size + 5);
    block.push_back(size == 128 ? SOH : STX);
    block.push_back(sequence);
    block.push_back(static_cast<std::uint8_t>(~sequence));
    const std::size_t n = std::min(size, data.size());
    block.insert(block.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
    block.resize(3 + size, pad);
    const std::uint16_t crc = crc16(std::span<const std::uint8_t>(block.data() + 3, size));
    block.push_back(static_cast<std::uint8_t>(crc >> 8));
    block.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return block;
}

Bytes makeHeaderBlock(const std::string& name, std::uint64_t length, std::size_t size) {
    Bytes data(name.begin(), name.end());
    data.push_back(0);
    const std::string len = std::to_string(length);
    data.insert(data.end(), len.begin(), len.end());
    data.push_back(0);
    return makeBlock(0, data, size, 0);
}

void BlockCollector::start(std::uint8_t first) {
    bytes_.assign(1, first);
    need_ = (first == SOH ? 128u : 1024u) + 4;
}

bool BlockCollector::add(std::uint8_t byte) {
    if (need_ == 0) return false;
    bytes_.push_back(byte);
    return --need_ == 0;
}

bool BlockCollector::crcMatches() const {
    const auto d = data();
    const std::uint16_t crc = crc16(d);
    return bytes_[bytes_.size() - 2] == (crc >> 8) && bytes_.back() == (crc & 0xFF);
}

}  // namespace dorvane::sim
