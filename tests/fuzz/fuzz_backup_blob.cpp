// Unpacks arbitrary bytes as a backup blob, twice: as they are, and with the
// first 32 bytes taken as the header and the rest compressed as the payload
// (so that the section layout itself is explored). A blob that unpacks must
// pack again; a refused one must leave the tables as they were.
#include <lzo/lzo1x.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/database/backup_blob.h"

namespace {

using namespace dorvane;

void check(ReceiverDatabase& db, ChannelDataBuffer& buffer, const std::uint8_t* data, std::size_t size) {
    const BackupHeader header = db.storedHeader();
    const SatelliteRecord satellite = db.satellite(0);
    const ChannelRecord channel = db.channel(0);
    const UnpackResult result = unpackBackup(db, std::span<const std::uint8_t>(data, size));
    if (result == UnpackResult::Ok) {
        if (std::memcmp(db.storedHeader().magic, "IRZ", 3) != 0) __builtin_trap();
        const PackResult packed = packBackup(db, buffer, 1);
        if (packed != PackResult::Ok && packed != PackResult::CompressionFailed) __builtin_trap();
    } else {
        if (result < UnpackResult::Truncated || result > UnpackResult::NoMemory) __builtin_trap();
        if (std::memcmp(&header, &db.storedHeader(), sizeof header) != 0 ||
            std::memcmp(&satellite, &db.satellite(0), sizeof satellite) != 0 ||
            std::memcmp(&channel, &db.channel(0), sizeof channel) != 0)
            __builtin_trap();  // a refused blob changes nothing
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* db = new ReceiverDatabase();
    static auto* buffer = new ChannelDataBuffer();
    static const bool ready = lzo_init() == LZO_E_OK;
    if (!ready) return 0;

    check(*db, *buffer, data, size);

    if (size < 32) return 0;
    const std::size_t payloadSize = size - 32;
    std::vector<std::uint8_t> blob(36 + payloadSize + payloadSize / 16 + 67);
    static std::vector<lzo_align_t> work(LZO1X_1_MEM_COMPRESS / sizeof(lzo_align_t) + 1);
    lzo_uint packed = 0;
    if (lzo1x_1_compress(data + 32, payloadSize, blob.data() + 36, &packed, work.data()) != LZO_E_OK) return 0;
    std::memcpy(blob.data(), data, 32);
    std::memcpy(blob.data(), "IRZ", 3);
    if (data[31] & 1) {  // half the time the declared payload size is the true one
        const auto declared = static_cast<std::uint32_t>(payloadSize);
        std::memcpy(blob.data() + 4, &declared, 4);
    }
    const auto compressed = static_cast<std::uint32_t>(packed);
    std::memcpy(blob.data() + 32, &compressed, 4);
    blob.resize(36 + packed);
    check(*db, *buffer, blob.data(), blob.size());
    return 0;
}
