#include "core/database/backup_blob.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "core/common/byte_layout.h"
#include "core/database/blob_shape.h"

namespace dorvane {

namespace {

constexpr int kFavoriteEntries = kFavoriteGroups * kGroupSlots;  // 1,728
constexpr std::size_t kFavoriteEntrySize = 8;

std::function<CalendarDate()>& dateSource() {
    static std::function<CalendarDate()> source;
    return source;
}

#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void diagnostic(const DiagnosticSink& sink, const char* format, ...) {
    if (!sink) return;
    char line[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    sink(line);
}

// Work areas, kept between calls so that a pack or unpack does not fault in
// fresh pages each time. Only the user-interface thread packs and unpacks;
// thread_local keeps tests on other threads apart.
std::uint8_t* workArea(std::vector<std::uint8_t>& area, std::size_t size) {
    try {
        if (area.size() < size) area.resize(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return area.data();
}

thread_local std::vector<std::uint8_t> payloadArea;
thread_local std::vector<std::uint8_t> packedArea;

bool lzoReady(const DiagnosticSink& diagnostics) {
    if (lzo_init() == LZO_E_OK) return true;
    diagnostic(diagnostics, "internal error - lzo_init() failed !!!\n");
    return false;
}

// Transponders grouped by satellite number and the lowest polarisation bit,
// each group in number order, for finding the transponder a channel record
// or favourite entry names.
class TransponderGroups {
public:
    explicit TransponderGroups(const ReceiverDatabase& db) {
        std::array<std::uint16_t, kGroups + 1> count{};
        for (int t = 0; t < kTransponderSlots; ++t) {
            const TransponderRecord& tp = db.transponder(t);
            ++count[group(tp.satellite, tp.polarisation) + 1u];
        }
        for (std::size_t i = 1; i < count.size(); ++i) count[i] = static_cast<std::uint16_t>(count[i] + count[i - 1]);
        start_ = count;
        for (int t = 0; t < kTransponderSlots; ++t) {
            const TransponderRecord& tp = db.transponder(t);
            members_[count[group(tp.satellite, tp.polarisation)]++] = {tp.frequency, static_cast<std::uint16_t>(t),
                                                                       tp.polarisation};
        }
    }

    // Lowest transponder number on the satellite slot and polarisation whose
    // frequency is within 1 MHz of the given one; -1 if there is none.
    // A transponder of exactly that frequency comes first, so two
    // transponders 1 MHz apart each keep their own channels.
    int findForChannel(unsigned satelliteSlot, std::uint8_t polarisation, std::uint16_t frequency) const {
        if (satelliteSlot >= 255) return -1;
        const unsigned g = group(satelliteSlot + 1, polarisation);
        int near = -1;
        for (int i = start_[g]; i < start_[g + 1]; ++i) {
            const Member& m = members_[i];
            if (m.polarisation != polarisation) continue;
            if (m.frequency == frequency) return m.number;
            if (near < 0 && std::abs(int{m.frequency} - int{frequency}) <= 1) near = m.number;
        }
        return near;
    }

    // Calls visit(transponder) for each transponder on the satellite slot and
    // polarisation whose frequency equals the given one (exact = true), or
    // equals it apart from the lowest bit without being equal.
    template <typename Visit>
    void forEachForFavorite(unsigned satelliteSlot, std::uint8_t polarisation, std::uint16_t frequency, bool exact,
                            Visit visit) const {
        if (satelliteSlot >= 255) return;
        const unsigned g = group(satelliteSlot + 1, polarisation);
        for (int i = start_[g]; i < start_[g + 1]; ++i) {
            const Member& m = members_[i];
            if (m.polarisation != polarisation) continue;
            if (exact ? m.frequency == frequency : (m.frequency != frequency && (m.frequency >> 1) == (frequency >> 1)))
                visit(m.number);
        }
    }

private:
    static constexpr unsigned kGroups = 512;
    static unsigned group(unsigned satellite, std::uint8_t polarisation) { return satellite * 2 + (polarisation & 1u); }
    struct Member {
        std::uint16_t frequency;
        std::uint16_t number;
        std::uint8_t polarisation;
    };
    std::array<std::uint16_t, kGroups + 1> start_{};  // group g: [start_[g], start_[g + 1])
    std::array<Member, kTransponderSlots> members_{};
};

// Channels 0..n-1 grouped by transponder, each group in channel order.
class ChannelGroups {
public:
    ChannelGroups(const ReceiverDatabase& database, int channelCount) : db_(database) {
        std::array<std::uint16_t, kTransponderSlots + 1> count{};
        for (int n = 0; n < channelCount; ++n) ++count[db_.channel(n).transponder + 1u];
        for (std::size_t i = 1; i < count.size(); ++i) count[i] = static_cast<std::uint16_t>(count[i] + count[i - 1]);
        start_ = count;
        for (int n = 0; n < channelCount; ++n)
            members_[count[db_.channel(n).transponder]++] = static_cast<std::uint16_t>(n);
    }

    // Lowest channel on the transponder with the service id, or -1.
    int find(int transponder, std::uint16_t serviceId) const {
        for (int i = start_[transponder]; i < start_[transponder + 1]; ++i)
            if (db_.channel(members_[i]).serviceId == serviceId) return members_[i];
        return -1;
    }

private:
    const ReceiverDatabase& db_;
    std::array<std::uint16_t, kTransponderSlots + 1> start_{};
    std::array<std::uint16_t, kChannelSlots> members_{};
};

// Checks every size, count and the prefix kind of a header against the
// payload it declares; true when all sections lie inside the payload.
bool layoutFits(const BackupHeader& h) {
    if (h.prefixKind > 1) return false;
    if (h.prefixKind == 1 && h.prefixLength > kPrefixStoreSize) return false;
    if (h.payloadSize == 0 || h.payloadSize > kPayloadSizeLimit) return false;
    if (h.satelliteRecordSize == 0 && h.satelliteCount != 0) return false;
    const std::uint64_t sections =
        std::uint64_t{h.prefixLength} + std::uint64_t{h.satelliteRecordSize} * h.satelliteCount +
        std::uint64_t{h.transponderRecordSize} * h.transponderCount +
        std::uint64_t{h.channelRecordSize} * h.channelCount + h.favoriteSectionSize + h.favoriteNamesSize;
    return sections <= h.payloadSize;
}

// Returns the number of channels imported (they stand in slots 0..n-1).
// A move mark left in the file is not taken over: a later move would
// otherwise carry channels the operator never chose.
int importChannels(ReceiverDatabase& db, const TransponderGroups& transponders, const std::uint8_t* records, int count,
                   BlobLosses& losses, const DiagnosticSink& diagnostics) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* record = records + static_cast<std::size_t>(i) * kChannelFileRecordSize;
        const auto frequency = le::read16({record, kChannelFileRecordSize}, 40);
        if (frequency == 0) continue;
        const std::uint8_t satelliteSlot = record[42];
        const std::uint8_t polarisation = record[43];
        ChannelRecord& c = db.channel(n);
        std::memset(&c, 0, sizeof c);
        std::memcpy(&c, record, kChannelCommonSize);
        const int tp = transponders.findForChannel(satelliteSlot, polarisation, frequency);
        if (tp < 0) {
            diagnostic(diagnostics, "Invalid value in Factory_PGM\n");
            ++losses.channelRecordsWithoutTransponder;
            continue;
        }
        c.flags = static_cast<std::uint16_t>(c.flags & ~kFlagMoveMark);
        c.transponder = static_cast<std::uint16_t>(tp);
        c.satellite = satelliteSlot;
        if (satelliteSlot < kSatelliteSlots) db.satellite(satelliteSlot).channelMark = kChannelMarkFound;
        ++n;
    }
    for (int k = n; k < kChannelSlots; ++k) db.resetChannel(k);
    return n;
}

void importFavorites(ReceiverDatabase& db, const TransponderGroups& transponders, const std::uint8_t* entries,
                     int channelCount, BlobLosses& losses) {
    const ChannelGroups channels(db, channelCount);
    int filled = 0;
    for (int g = 0; g < kFavoriteGroups && filled < kFavoriteEntries; ++g) {
        int e = 0;
        for (int s = 0; s < kGroupSlots && filled < kFavoriteEntries; ++s) {
            while (e < kFavoriteEntries && entries[static_cast<std::size_t>(e) * kFavoriteEntrySize] != g) ++e;
            if (e == kFavoriteEntries) break;
            const std::uint8_t* entry = entries + static_cast<std::size_t>(e) * kFavoriteEntrySize;
            const auto frequency = le::read16({entry, kFavoriteEntrySize}, 4);
            if (frequency == 0) {
                db.groupSlot(g, s) = -1;
                continue;
            }
            const auto serviceId = le::read16({entry, kFavoriteEntrySize}, 6);
            int member = -1;
            for (const bool exact : {true, false}) {
                transponders.forEachForFavorite(entry[2], entry[3], frequency, exact, [&](int tp) {
                    const int found = channels.find(tp, serviceId);
                    if (found >= 0 && (member < 0 || found < member)) member = found;
                });
                if (member >= 0) break;
            }
            db.groupSlot(g, s) = static_cast<std::int16_t>(member);
            if (member >= 0)
                ++filled;
            else
                ++losses.favouriteEntriesWithoutChannel;
            ++e;
        }
    }
    // An entry whose channel was not imported leaves a hole; close it so
    // that every group keeps its members at the front.
    for (int g = 0; g < kFavoriteGroups; ++g) {
        int w = 0;
        for (int s = 0; s < kGroupSlots; ++s) {
            const std::int16_t member = db.groupSlot(g, s);
            if (member >= 0) db.groupSlot(g, w++) = member;
        }
        for (; w < kGroupSlots; ++w) db.groupSlot(g, w) = -1;
    }
}

// Whether a slot goes to the file as a channel: it holds a channel (not
// blank, not deleted) on a transponder with a frequency.
bool packsAsChannel(const ReceiverDatabase& db, const ChannelRecord& c) {
    return !channelFree(c) && db.transponder(c.transponder).frequency != 0;
}

}  // namespace

Status unpackStatus(UnpackResult result) {
    switch (result) {
        case UnpackResult::Ok: return {};
        case UnpackResult::NoMemory: return {Error::NoMemory, "Not enough memory for the backup data"};
        case UnpackResult::DecompressionFailed:
            return {Error::Corrupt, "Backup data is corrupted (decompression failed)"};
        case UnpackResult::Truncated: return {Error::Truncated, "Backup data is truncated"};
        case UnpackResult::BadMagic:
        case UnpackResult::BadLayout: break;
    }
    return {Error::Corrupt, "Invalid Backup Data"};
}

namespace {

// The satellite section (records, then the order bytes) at p; returns
// where the next section starts.
const std::uint8_t* readSatellites(ReceiverDatabase& db, const BackupHeader& h, const std::uint8_t* p) {
    const int satellites = std::min<int>(h.satelliteCount, kSatelliteSlots);
    const std::size_t satelliteStep = h.satelliteRecordSize > 0 ? h.satelliteRecordSize - 1u : 0u;
    if (satelliteStep == sizeof(SatelliteRecord)) {
        std::memcpy(&db.satellite(0), p, static_cast<std::size_t>(satellites) * sizeof(SatelliteRecord));
    } else {
        const std::size_t part = std::min(satelliteStep, sizeof(SatelliteRecord));
        for (int s = 0; s < satellites; ++s)
            std::memcpy(&db.satellite(s), p + static_cast<std::size_t>(s) * satelliteStep, part);
    }
    const std::uint8_t* orderBytes = p + satelliteStep * h.satelliteCount;
    for (int i = 0; i < satellites; ++i) db.orderEntry(i) = orderBytes[i];
    return p + std::size_t{h.satelliteRecordSize} * h.satelliteCount;
}

const std::uint8_t* readTransponders(ReceiverDatabase& db, const BackupHeader& h, const std::uint8_t* p) {
    const int transponders = std::min<int>(h.transponderCount, kTransponderSlots);
    if (h.transponderRecordSize == sizeof(TransponderRecord)) {
        std::memcpy(&db.transponder(0), p, static_cast<std::size_t>(transponders) * sizeof(TransponderRecord));
    } else {
        const std::size_t part = std::min<std::size_t>(h.transponderRecordSize, sizeof(TransponderRecord));
        for (int t = 0; t < transponders; ++t)
            std::memcpy(&db.transponder(t), p + static_cast<std::size_t>(t) * h.transponderRecordSize, part);
    }
    return p + std::size_t{h.transponderRecordSize} * h.transponderCount;
}

// The channel section at p; returns where the next section starts.
std::uint8_t* writeChannels(const ReceiverDatabase& db, std::uint8_t* p) {
    for (int n = 0; n < kChannelSlots; ++n, p += kChannelFileRecordSize) {
        const ChannelRecord& c = db.channel(n);
        std::memcpy(p, &c, kChannelCommonSize);
        if (packsAsChannel(db, c)) {
            const TransponderRecord& tp = db.transponder(c.transponder);
            le::write16({p, kChannelFileRecordSize}, 40, tp.frequency);
            p[42] = static_cast<std::uint8_t>(tp.satellite - 1);
            p[43] = tp.polarisation;
        } else {
            std::memset(p + 40, 0, 4);
        }
    }
    return p;
}

// The favourite entries at p. Members that name no channel are left out, so
// that the empty entry that ends a group on reading never hides a later
// member.
std::uint8_t* writeFavourites(const ReceiverDatabase& db, std::uint8_t* p) {
    for (int g = 0; g < kFavoriteGroups; ++g) {
        int written = 0;
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = db.groupSlot(g, s);
            if (member < 0 || member >= kChannelSlots || !packsAsChannel(db, db.channel(member))) continue;
            const ChannelRecord& c = db.channel(member);
            const TransponderRecord& tp = db.transponder(c.transponder);
            std::uint8_t* entry = p + static_cast<std::size_t>(written++) * kFavoriteEntrySize;
            entry[0] = static_cast<std::uint8_t>(g);
            entry[1] = 0;
            entry[2] = static_cast<std::uint8_t>(tp.satellite - 1);
            entry[3] = tp.polarisation;
            le::write16({entry, kFavoriteEntrySize}, 4, tp.frequency);
            le::write16({entry, kFavoriteEntrySize}, 6, c.serviceId);
        }
        for (; written < kGroupSlots; ++written) {
            std::uint8_t* entry = p + static_cast<std::size_t>(written) * kFavoriteEntrySize;
            std::memset(entry, 0, kFavoriteEntrySize);
            entry[0] = static_cast<std::uint8_t>(g);
        }
        p += kGroupSlots * kFavoriteEntrySize;
    }
    return p;
}

}  // namespace

Status checkBackupBlob(std::span<const std::uint8_t> blob) {
    // A check says nothing on its own: its caller reports the result.
    const auto scratch = std::make_unique<ReceiverDatabase>();
    return unpackStatus(unpackBackup(*scratch, blob));
}

UnpackResult unpackBackup(ReceiverDatabase& db, const ChannelDataBuffer& buffer, BlobLosses* losses,
                          const DiagnosticSink& diagnostics) {
    return unpackBackup(db, buffer.contents(), losses, diagnostics);
}

UnpackResult unpackBackup(ReceiverDatabase& db, std::span<const std::uint8_t> blob, BlobLosses* lossesOut,
                          const DiagnosticSink& diagnostics) {
    if (blob.size() >= 3 && std::memcmp(blob.data(), "IRZ", 3) != 0) return UnpackResult::BadMagic;
    if (blob.size() < kBlobHeaderSize) return blob.size() < 3 ? UnpackResult::BadMagic : UnpackResult::Truncated;

    BackupHeader h;
    std::memcpy(&h, blob.data(), sizeof h);
    const auto compressedSize = le::read32(blob, 32);
    if (compressedSize > blob.size() - kBlobHeaderSize) return UnpackResult::Truncated;
    if (!layoutFits(h)) return UnpackResult::BadLayout;
    if (!lzoReady(diagnostics)) return UnpackResult::DecompressionFailed;

    std::uint8_t* const payload = workArea(payloadArea, h.payloadSize);
    if (!payload) return UnpackResult::NoMemory;
    lzo_uint produced = h.payloadSize;
    const int status =
        lzo1x_decompress_safe(blob.data() + kBlobHeaderSize, compressedSize, payload, &produced, nullptr);
    if (status != LZO_E_OK) {
        diagnostic(diagnostics, "internal error - decompression failed: %d\n", -1);
        return UnpackResult::DecompressionFailed;
    }
    if (produced != h.payloadSize) {
        diagnostic(diagnostics, "internal error - decompression failed: %d\n", 0);
        return UnpackResult::DecompressionFailed;
    }

    // Everything below reads inside the payload: layoutFits checked it.
    // The tables start empty, so nothing of an earlier file stays behind
    // where this one declares fewer records.
    BlobLosses losses;
    losses.shape = unwritableShape(h);
    db.clearForFilling();
    db.storedHeader() = h;
    const std::uint8_t* p = payload;

    if (h.prefixKind == 0 && h.prefixLength == kKind0PrefixLength)
        std::memcpy(db.prefix().data(), p, kKind0PrefixLength);
    else if (h.prefixKind == 1)
        std::memcpy(db.prefix().data(), p, h.prefixLength);
    p += h.prefixLength;

    p = readSatellites(db, h, p);
    p = readTransponders(db, h, p);

    // The import resets the slots it does not fill.
    for (int s = 0; s < kSatelliteSlots; ++s) db.satellite(s).channelMark = 0;
    const auto groups = std::make_unique<TransponderGroups>(db);
    const int imported =
        importChannels(db, *groups, p,
                       h.channelRecordSize == kChannelFileRecordSize ? std::min<int>(h.channelCount, kChannelSlots) : 0,
                       losses, diagnostics);
    p += std::size_t{h.channelRecordSize} * h.channelCount;

    db.setDefaultFavorites();
    if (h.favoriteSectionSize == kFavoriteSectionSize) importFavorites(db, *groups, p, imported, losses);
    if (h.favoriteNamesSize == kFavoriteNamesSize)
        std::memcpy(db.groupNameBytes().data(), p + h.favoriteSectionSize, kFavoriteNamesSize);
    p += std::size_t{h.favoriteSectionSize} + h.favoriteNamesSize;
    losses.bytesBehindSections = static_cast<std::uint32_t>(payload + h.payloadSize - p);

    db.buildKindLists();
    if (lossesOut) *lossesOut = std::move(losses);
    return UnpackResult::Ok;
}

PackResult packBackup(const ReceiverDatabase& db, ChannelDataBuffer& buffer, const DiagnosticSink& diagnostics) {
    return packBackup(db, buffer, mjdToday(), diagnostics);
}

PackResult packBackup(const ReceiverDatabase& db, ChannelDataBuffer& buffer, std::uint16_t date,
                      const DiagnosticSink& diagnostics) {
    const BackupHeader& stored = db.storedHeader();
    const bool kind1 = stored.prefixKind == 1;
    const std::size_t prefixLength =
        kind1 ? std::min<std::size_t>(stored.prefixLength, kPrefixStoreSize) : std::size_t{kKind0PrefixLength};
    const int satellites = std::min<int>(stored.satelliteCount, kSatelliteSlots);
    const std::size_t payloadSize = prefixLength + static_cast<std::size_t>(satellites) * kSatelliteFileRecordSize +
                                    std::size_t{kTransponderSlots} * kTransponderFileRecordSize +
                                    std::size_t{kChannelSlots} * kChannelFileRecordSize + kFavoriteSectionSize +
                                    kFavoriteNamesSize;
    if (!lzoReady(diagnostics)) return PackResult::CompressionFailed;

    std::uint8_t* const payload = workArea(payloadArea, payloadSize);
    std::uint8_t* const packed = workArea(packedArea, payloadSize + payloadSize / 16 + 64 + 3);
    if (!payload || !packed) return PackResult::NoMemory;

    std::uint8_t* p = payload;
    std::memcpy(p, db.prefix().data(), prefixLength);
    p += prefixLength;
    const std::size_t satelliteBytes = static_cast<std::size_t>(satellites) * sizeof(SatelliteRecord);
    if (satelliteBytes) std::memcpy(p, &db.satellite(0), satelliteBytes);
    p += satelliteBytes;
    for (int i = 0; i < satellites; ++i) *p++ = db.orderEntry(i);
    std::memcpy(p, &db.transponder(0), std::size_t{kTransponderSlots} * sizeof(TransponderRecord));
    p += std::size_t{kTransponderSlots} * sizeof(TransponderRecord);

    p = writeChannels(db, p);
    p = writeFavourites(db, p);
    std::memcpy(p, db.groupNameBytes().data(), kFavoriteNamesSize);

    alignas(
        16) thread_local lzo_align_t workMemory[(LZO1X_1_MEM_COMPRESS + sizeof(lzo_align_t) - 1) / sizeof(lzo_align_t)];
    lzo_uint packedSize = 0;
    if (lzo1x_1_compress(payload, payloadSize, packed, &packedSize, workMemory) != LZO_E_OK) {
        diagnostic(diagnostics, "internal error - compression failed: %d\n", -1);
        return PackResult::CompressionFailed;
    }
    if (packedSize >= kCompressedSizeLimit) {
        diagnostic(diagnostics, "internal error - compression failed: %d\n", 0);
        return PackResult::CompressionFailed;
    }

    BackupHeader h{};
    std::memcpy(h.magic, "IRZ", 4);
    h.payloadSize = static_cast<std::uint32_t>(payloadSize);
    h.prefixLength = static_cast<std::uint16_t>(prefixLength);
    h.favoriteSectionSize = kFavoriteSectionSize;
    h.favoriteNamesSize = kFavoriteNamesSize;
    h.date = date;
    h.satelliteRecordSize = kSatelliteFileRecordSize;
    h.satelliteCount = static_cast<std::uint16_t>(satellites);
    h.transponderRecordSize = kTransponderFileRecordSize;
    h.transponderCount = kTransponderSlots;
    h.channelRecordSize = kChannelFileRecordSize;
    h.channelCount = kChannelSlots;
    h.prefixKind = kind1 ? 1 : 0;
    h.carried29 = stored.carried29;
    h.reserved = 0;

    std::uint8_t* out = buffer.data();
    std::memcpy(out, &h, sizeof h);
    le::write32({out, kBlobHeaderSize}, 32, static_cast<std::uint32_t>(packedSize));
    std::memcpy(out + kBlobHeaderSize, packed, packedSize);
    buffer.setLength(static_cast<std::uint32_t>(kBlobHeaderSize + packedSize));
    diagnostic(diagnostics, "BACKUP data compressed to %lu bytes\n", static_cast<unsigned long>(packedSize));
    return PackResult::Ok;
}

std::uint16_t mjdFromDate(int year, int month, int day) {
    const long a = (month - 14) / 12;
    const long y = year + a;
    const long m = month - 2 - 12 * a;
    const long mjd = 1461 * (y + 4800) / 4 + 367 * m / 12 - 3 * ((y + 4900) / 100) / 4 + day - 2432076;
    return static_cast<std::uint16_t>(mjd);
}

std::uint16_t mjdToday() {
    CalendarDate date{};
    if (dateSource()) {
        date = dateSource()();
    } else {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#if defined(_WIN32)
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    }
    return mjdFromDate(date.year, date.month, date.day);
}

void setDateSource(std::function<CalendarDate()> source) { dateSource() = std::move(source); }

BackupHeader receiverShapedHeader() {
    BackupHeader h{};
    std::memcpy(h.magic, "IRZ", 4);
    h.prefixLength = kKind0PrefixLength;
    h.favoriteSectionSize = kFavoriteSectionSize;
    h.favoriteNamesSize = kFavoriteNamesSize;
    h.satelliteRecordSize = kSatelliteFileRecordSize;
    h.satelliteCount = kSatelliteSlots;
    h.transponderRecordSize = kTransponderFileRecordSize;
    h.transponderCount = kTransponderSlots;
    h.channelRecordSize = kChannelFileRecordSize;
    h.channelCount = kChannelSlots;
    h.payloadSize = 271620;
    return h;
}

}  // namespace dorvane
