#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/database/records.h"

namespace dorvane::test {

// Builds uncompressed payloads section by section.
class PayloadBuilder {
public:
    template <typename T>
    PayloadBuilder& add(const T& record) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
        bytes_.insert(bytes_.end(), p, p + sizeof record);
        return *this;
    }
    PayloadBuilder& addBytes(const std::vector<std::uint8_t>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    PayloadBuilder& zeros(std::size_t count) {
        bytes_.resize(bytes_.size() + count, 0);
        return *this;
    }
    // A 44-byte channel record of the file.
    PayloadBuilder& channel(const ChannelRecord& common, std::uint16_t frequency, std::uint8_t satelliteSlot,
                            std::uint8_t polarisation);
    // An 8-byte favourite entry.
    PayloadBuilder& favorite(std::uint8_t group, std::uint8_t satelliteSlot, std::uint8_t polarisation,
                             std::uint16_t frequency, std::uint16_t serviceId);
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// A blob of the header and the payload compressed with LZO1X-1; the header's
// payload size is set from the payload unless keepPayloadSize.
std::vector<std::uint8_t> makeBlob(BackupHeader header, const std::vector<std::uint8_t>& payload,
                                   bool keepPayloadSize = false);

// A channel's common part with a name, service id and flags.
ChannelRecord channelCommon(const char* name, std::uint16_t serviceId, std::uint16_t flags);
// A transponder on a satellite number.
TransponderRecord transponderOn(std::uint8_t satelliteNumber, std::uint16_t frequency, std::uint8_t polarisation);

}  // namespace dorvane::test
