// Writes the seed inputs of fuzz_backup_blob into a directory: packed demo
// and full databases as they are, the same blobs with one header field or a
// few payload bytes changed, truncated and overlong blobs, and the "raw"
// form the target also reads (32 header bytes followed by the uncompressed
// payload, which the target compresses itself).
//
// Usage: make_blob_seeds DIR
#include <lzo/lzo1x.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/demo_data.h"

namespace {

using namespace dorvane;
using Bytes = std::vector<std::uint8_t>;

std::filesystem::path gDir;
int gWritten = 0;

void write(const std::string& name, const Bytes& bytes) {
    const auto path = gDir / (name + ".irz");
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        ++gWritten;
    }
}

void put16(Bytes& b, std::size_t at, std::uint16_t v) { std::memcpy(b.data() + at, &v, 2); }
void put32(Bytes& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); }
std::uint16_t get16(const Bytes& b, std::size_t at) {
    std::uint16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}
std::uint32_t get32(const Bytes& b, std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

Bytes packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return {};
    const auto c = buffer->contents();
    return Bytes(c.begin(), c.end());
}

// The header's 32 bytes and the uncompressed payload behind them.
Bytes rawForm(const Bytes& blob) {
    const std::uint32_t payloadSize = get32(blob, 4);
    Bytes raw(32 + payloadSize);
    std::memcpy(raw.data(), blob.data(), 32);
    lzo_uint out = payloadSize;
    if (lzo1x_decompress_safe(blob.data() + 36, blob.size() - 36, raw.data() + 32, &out, nullptr) != LZO_E_OK)
        return {};
    raw.resize(32 + out);
    raw[31] |= 1;  // the target then declares the true payload size
    return raw;
}

void mutations(const std::string& base, const Bytes& blob) {
    write(base, blob);
    // Each 16-bit field of the header: zero, one less, one more, all ones.
    for (std::size_t at = 8; at < 28; at += 2) {
        const std::uint16_t v = get16(blob, at);
        const std::uint16_t values[] = {0, static_cast<std::uint16_t>(v - 1), static_cast<std::uint16_t>(v + 1),
                                        0xFFFF};
        for (std::size_t k = 0; k < 4; ++k) {
            Bytes m = blob;
            put16(m, at, values[k]);
            write(base + "-h" + std::to_string(at) + "-" + std::to_string(k), m);
        }
    }
    // The payload size, the prefix kind and the compressed size.
    for (const std::uint32_t v : {0u, get32(blob, 4) - 1, get32(blob, 4) + 1, 0xFFFFFFFFu}) {
        Bytes m = blob;
        put32(m, 4, v);
        write(base + "-payload-" + std::to_string(v), m);
    }
    for (const int kind : {1, 2, 255}) {
        Bytes m = blob;
        m[28] = static_cast<std::uint8_t>(kind);
        write(base + "-kind-" + std::to_string(kind), m);
    }
    for (const std::uint32_t v : {0u, get32(blob, 32) - 1, get32(blob, 32) + 1, 0x7FFFFFFFu}) {
        Bytes m = blob;
        put32(m, 32, v);
        write(base + "-compressed-" + std::to_string(v), m);
    }
    // Garbled compressed bytes, a cut blob, junk behind it.
    for (const std::size_t at : {std::size_t{36}, std::size_t{40}, blob.size() / 2, blob.size() - 4}) {
        Bytes m = blob;
        m[at] ^= 0x5A;
        write(base + "-flip-" + std::to_string(at), m);
    }
    for (const std::size_t cut : {std::size_t{3}, std::size_t{35}, std::size_t{36}, blob.size() / 2, blob.size() - 1}) {
        write(base + "-cut-" + std::to_string(cut),
              Bytes(blob.begin(), blob.begin() + static_cast<std::ptrdiff_t>(cut)));
    }
    Bytes longer = blob;
    longer.insert(longer.end(), 100, 0xA5);
    write(base + "-longer", longer);

    const Bytes raw = rawForm(blob);
    if (raw.empty()) return;
    write(base + "-raw", raw);
    // Raw forms of other record shapes: a kind-1 prefix and smaller counts.
    Bytes kind1 = raw;
    kind1[28] = 1;
    write(base + "-raw-kind1", kind1);
    Bytes fewer = raw;
    put16(fewer, 18, static_cast<std::uint16_t>(get16(raw, 18) / 2));
    put16(fewer, 22, static_cast<std::uint16_t>(get16(raw, 22) / 2));
    put16(fewer, 26, static_cast<std::uint16_t>(get16(raw, 26) / 2));
    write(base + "-raw-fewer", fewer);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_blob_seeds DIR\n");
        return 2;
    }
    if (lzo_init() != LZO_E_OK) return 1;
    gDir = argv[1];
    std::filesystem::create_directories(gDir);

    auto db = std::make_unique<ReceiverDatabase>();
    mutations("empty", packed(*db));
    fillDemoDatabase(*db);
    mutations("demo", packed(*db));
    fillFullDatabase(*db, 1);
    mutations("full", packed(*db));
    std::printf("%d seeds in %s\n", gWritten, argv[1]);
    return gWritten > 0 ? 0 : 1;
}
