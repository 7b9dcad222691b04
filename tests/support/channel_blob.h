#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_buffer.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"

namespace dorvane::test {

// A channel-data file that passes the channel-data check: the demo
// database's blob, followed by filler bytes up to `size` (bytes behind the
// blob are read as nothing). Never shorter than the blob itself.
inline std::vector<std::uint8_t> channelDataBlob(std::size_t size, std::uint32_t seed = 1) {
    const auto database = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*database);
    const auto buffer = std::make_unique<ChannelDataBuffer>();
    const PackResult packed = packBackup(*database, *buffer, 20000);
    if (packed != PackResult::Ok) return {};
    const auto blob = buffer->contents();
    std::vector<std::uint8_t> bytes(blob.begin(), blob.end());
    std::uint32_t x = seed * 2654435761u + 1;
    while (bytes.size() < size) {
        x = x * 1103515245u + 12345u;
        bytes.push_back(static_cast<std::uint8_t>(x >> 16));
    }
    return bytes;
}

}  // namespace dorvane::test
