#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dorvane::sim {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t SOH = 0x01, STX = 0x02, EOT = 0x04, ENQ = 0x05, ACK = 0x06, BEL = 0x07, VT = 0x0B,
                              FF = 0x0C, DC1 = 0x11, NAK = 0x15, CAN = 0x18, SUB = 0x1A, RS = 0x1E, REQ_C = 0x43,
                              REJECT = 0x66;

// A YMODEM block: SOH (128 data bytes) or STX (1,024), the sequence number
// and its complement, the data padded with pad bytes, CRC-16 high byte
// first.
Bytes makeBlock(std::uint8_t sequence, std::span<const std::uint8_t> data, std::size_t size, std::uint8_t pad);

// Block 0 announcing a file: name, NUL, decimal length, NUL, zeros.
Bytes makeHeaderBlock(const std::string& name, std::uint64_t length, std::size_t size);

// Collects one block from its first byte on.
class BlockCollector {
public:
    // Starts a block with its first byte (SOH or STX).
    void start(std::uint8_t first);
    bool active() const { return need_ != 0; }
    // Adds a byte; true when the block is complete.
    bool add(std::uint8_t byte);
    void reset() {
        need_ = 0;
        bytes_.clear();
    }

    // Of a complete block:
    bool sequenceBytesFit() const { return bytes_[1] == static_cast<std::uint8_t>(~bytes_[2]); }
    std::uint8_t sequence() const { return bytes_[1]; }
    bool crcMatches() const;
    std::span<const std::uint8_t> data() const { return {bytes_.data() + 3, bytes_.size() - 5}; }

private:
    Bytes bytes_;
    std::size_t need_ = 0;
};

}  // namespace dorvane::sim
