#include "sim/kept_channels.h"

#include <memory>

#include "core/database/backup_blob.h"

namespace dorvane::sim {

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
