#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace dorvane {

// What a loop-back plug (TX joined to RX) gave back of a pattern.
struct LoopbackTally {
    std::size_t sent = 0;
    std::size_t received = 0;
    std::size_t lost = 0;   // pattern bytes that never came back
    std::size_t wrong = 0;  // bytes that came back garbled
    std::size_t extra = 0;  // bytes beyond the end of the pattern

    bool clean() const { return received == sent && lost == 0 && wrong == 0 && extra == 0; }
};

// The pattern sent: 0x00, 0x01, ... 0xFF over and over. Each value stands
// for one place within 256 bytes, so a gap in what comes back is told
// apart from a garbled byte.
std::vector<std::uint8_t> loopbackPattern(std::size_t length);

// Walks what came back against what was sent: a byte that matches goes on;
// one that matches a later place (with the byte after it matching too) means
// the bytes between were lost; any other byte is garbled and stands for
// one pattern byte. What was never reached at the end is lost.
LoopbackTally compareLoopback(std::span<const std::uint8_t> sent, std::span<const std::uint8_t> received);

}  // namespace dorvane
