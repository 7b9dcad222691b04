#include "database/blob_builder.h"

#include <lzo/lzo1x.h>

#include <stdexcept>

namespace dorvane::test {

PayloadBuilder& PayloadBuilder::channel(const ChannelRecord& common, std::uint16_t frequency,
                                        std::uint8_t satelliteSlot, std::uint8_t polarisation) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&common);
    bytes_.insert(bytes_.end(), p, p + kChannelCommonSize);
    bytes_.push_back(static_cast<std::uint8_t>(frequency & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(frequency >> 8));
    bytes_.push_back(satelliteSlot);
    bytes_.push_back(polarisation);
    return *this;
}

PayloadBuilder& PayloadBuilder::favorite(std::uint8_t group, std::uint8_t satelliteSlot, std::uint8_t polarisation,
                                         std::uint16_t frequency, std::uint16_t serviceId) {
    const std::uint8_t entry[8] = {group,
                                   0,
                                   satelliteSlot,
                                   polarisation,
                                   static_cast<std::uint8_t>(frequency & 0xFF),
                                   static_cast<std::uint8_t>(frequency >> 8),
                                   static_cast<std::uint8_t>(serviceId & 0xFF),
                                   static_cast<std::uint8_t>(serviceId >> 8)};
    bytes_.insert(bytes_.end(), entry, entry + 8);
    return *this;
}

std::vector<std::uint8_t> makeBlob(BackupHeader header, const std::vector<std::uint8_t>& payload,
                                   bool keepPayloadSize) {
    if (lzo_init() != LZO_E_OK) throw std::runtime_error("lzo_init failed");
    if (!keepPayloadSize) header.payloadSize = static_cast<std::uint32_t>(payload.size());
    std::vector<std::uint8_t> blob(36 + payload.size() + payload.size() / 16 + 64 + 3);
    std::vector<lzo_align_t> work(LZO1X_1_MEM_COMPRESS / sizeof(lzo_align_t) + 1);
    lzo_uint packed = 0;
    if (lzo1x_1_compress(payload.data(), payload.size(), blob.data() + 36, &packed, work.data()) != LZO_E_OK)
        throw std::runtime_error("compression failed");
    std::memcpy(blob.data(), &header, sizeof header);
    const auto size = static_cast<std::uint32_t>(packed);
    std::memcpy(blob.data() + 32, &size, 4);
    blob.resize(36 + packed);
    return blob;
}

ChannelRecord channelCommon(const char* name, std::uint16_t serviceId, std::uint16_t flags) {
    ChannelRecord c{};
    setFixedText(c.name, name);
    c.serviceId = serviceId;
    c.flags = flags;
    c.videoPid = 0x100;
    c.audioPid = 0x101;
    return c;
}

TransponderRecord transponderOn(std::uint8_t satelliteNumber, std::uint16_t frequency, std::uint8_t polarisation) {
    TransponderRecord t{};
    t.satellite = satelliteNumber;
    t.frequency = frequency;
    t.polarisation = polarisation;
    t.symbolRate = 27500;
    t.fec = 2;
    t.transmission = 1;
    t.modulation = 2;
    return t;
}

}  // namespace dorvane::test
