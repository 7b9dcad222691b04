#include "sim/kept_channels.h"

#include <lzo/lzo1x.h>

#include <memory>

#include "core/common/byte_layout.h"
#include "core/database/backup_blob.h"

namespace dorvane::sim {

namespace {

Bytes packEmptyDatabase() {
    // An empty database: prefix kind 0, no satellites, every transponder,
    // channel and favourite slot zero.
    const std::size_t payloadSize = 96 + 2000 * 16 + 5000 * 44 + 13824 + 288;
    const Bytes payload(payloadSize, 0);
    Bytes blob(36 + payloadSize + payloadSize / 16 + 64 + 3, 0);
    blob[0] = 'I';
    blob[1] = 'R';
    blob[2] = 'Z';
    le::write32(blob, 4, static_cast<std::uint32_t>(payloadSize));
    le::write16(blob, 8, 96);
    le::write16(blob, 10, 13824);
    le::write16(blob, 12, 288);
    le::write16(blob, 14, 60000);
    le::write16(blob, 16, 33);
    le::write16(blob, 18, 0);
    le::write16(blob, 20, 16);
    le::write16(blob, 22, 2000);
    le::write16(blob, 24, 44);
    le::write16(blob, 26, 5000);
    lzo_uint packed = 0;
    static std::vector<unsigned char> work(LZO1X_1_MEM_COMPRESS);
    if (lzo_init() != LZO_E_OK ||
        lzo1x_1_compress(payload.data(), payload.size(), blob.data() + 36, &packed, work.data()) != LZO_E_OK)
        packed = 0;
    le::write32(blob, 32, static_cast<std::uint32_t>(packed));
    blob.resize(36 + packed);
    return blob;
}

}  // namespace

Bytes builtInChannelData() {
    static const Bytes blob = packEmptyDatabase();  // packed once per process
    return blob;
}

bool isChannelData(const Bytes& file) { return file.size() >= 3 && file[0] == 'I' && file[1] == 'R' && file[2] == 'Z'; }

Bytes withOneByteChanged(const Bytes& channelData) {
    auto database = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*database, channelData) == UnpackResult::Ok) {
        for (int n = 0; n < kChannelSlots; ++n) {
            ChannelRecord& channel = database->channel(n);
            if (channelFree(channel)) continue;
            channel.name[0] = channel.name[0] == 0 ? 'x' : static_cast<char>(channel.name[0] ^ 0x20);
            auto buffer = std::make_unique<ChannelDataBuffer>();
            if (packBackup(*database, *buffer) != PackResult::Ok) break;
            const auto bytes = buffer->contents();
            return Bytes(bytes.begin(), bytes.end());
        }
    }
    Bytes changed = channelData;
    if (!changed.empty()) changed[changed.size() / 2] ^= 0x01;
    return changed;
}

}  // namespace dorvane::sim
