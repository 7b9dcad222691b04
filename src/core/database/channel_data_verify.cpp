#include "core/database/channel_data_verify.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/database_diff.h"

namespace dorvane {

namespace {

// The payload as packing writes it again, on a fixed date: equal lists give
// equal bytes.
std::vector<std::uint8_t> repacked(const ReceiverDatabase& database) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(database, *buffer, 0) != PackResult::Ok) return {};
    const auto bytes = buffer->contents();
    return {bytes.begin(), bytes.end()};
}

}  // namespace

ChannelDataCheck compareChannelData(std::span<const std::uint8_t> sent, std::span<const std::uint8_t> readBack) {
    auto expected = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*expected, sent) != UnpackResult::Ok)
        return {false, "the data sent is not channel data that unpacks"};
    auto got = std::make_unique<ReceiverDatabase>();
    if (const UnpackResult result = unpackBackup(*got, readBack); result != UnpackResult::Ok)
        return {false, "the data read back does not unpack (" + unpackStatus(result).message() + ")"};
    const DatabaseDiff diff = compareDatabases(*expected, *got);
    if (!diff.equal()) {
        const std::vector<std::string> lines = diffLines(diff);
        return {false, lines.size() > 1 ? lines[1] : lines.front()};
    }
    const auto a = repacked(*expected);
    const auto b = repacked(*got);
    if (a.empty() || a != b) return {false, "the lists differ in a part that has no name (group names, the header)"};
    return {true, {}};
}

}  // namespace dorvane
