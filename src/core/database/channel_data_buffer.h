#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace dorvane {

// The area that holds a channel-data file's bytes: filled by an upload,
// saved after it, read from a file by the editor's open and rebuilt by its
// save. A ChannelDataDocument owns one.
class ChannelDataBuffer {
public:
    static constexpr std::size_t kCapacity = 524288;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::span<std::uint8_t> storage() { return bytes_; }

    // The length word: the announced size after an upload, the file's
    // length after an open.
    std::uint32_t length() const { return length_; }
    void setLength(std::uint32_t length) { length_ = length; }

    // The valid bytes: the first min(length, capacity).
    std::span<const std::uint8_t> contents() const {
        return {bytes_.data(), length_ < kCapacity ? length_ : kCapacity};
    }

private:
    std::array<std::uint8_t, kCapacity> bytes_{};
    std::uint32_t length_ = 0;
};

}  // namespace dorvane
