#pragma once

// The backup blob: a 36-byte header ("IRZ", section sizes and counts, the
// compressed size) followed by the LZO1X-1 compressed payload that holds the
// receiver's tables.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "core/common/diagnostics.h"
#include "core/common/result.h"
#include "core/database/channel_data_buffer.h"
#include "core/database/receiver_database.h"

namespace dorvane {

inline constexpr std::size_t kBlobHeaderSize = 36;             // BackupHeader + compressed size
inline constexpr std::uint32_t kCompressedSizeLimit = 131036;  // compressed size stays below
inline constexpr std::uint16_t kFavoriteSectionSize = 13824;   // 1,728 entries of 8 bytes
inline constexpr std::uint16_t kFavoriteNamesSize = 288;
inline constexpr std::uint16_t kSatelliteFileRecordSize = 33;
inline constexpr std::uint16_t kTransponderFileRecordSize = 16;
inline constexpr std::uint16_t kChannelFileRecordSize = 44;
// Largest payload a blob may declare; the receiver's is about 272 KB.
inline constexpr std::uint32_t kPayloadSizeLimit = 4u << 20;

// Results of unpackBackup.
enum class [[nodiscard]] UnpackResult{
    Ok = 0,
    NoMemory = -1,
    BadMagic = -2,
    DecompressionFailed = -3,
    // The header's sizes, counts or prefix kind do not fit the blob or the
    // payload; nothing was read.
    BadLayout = -4,
    // The blob is shorter than its header declares.
    Truncated = -5,
};

// Results of packBackup.
enum class [[nodiscard]] PackResult{
    Ok = 0,
    NoMemory = -1,
    CompressionFailed = -3,
};

// An unpack result as a Status: the text the user sees for a failure
// ("Invalid Backup Data", ...) with its cause (Corrupt, Truncated, NoMemory).
Status unpackStatus(UnpackResult result);

struct BlobLosses;

// Fills the database from the blob at the start of `blob` (only the bytes of
// the span are read). The tables start empty: nothing of what the database
// held before stays. On any failure the tables and the stored header stay as
// they were. `losses`, when given, learns what the blob holds that packing
// would not write back. Diagnostic lines go to `diagnostics`.
UnpackResult unpackBackup(ReceiverDatabase& database, std::span<const std::uint8_t> blob, BlobLosses* losses = nullptr,
                          const DiagnosticSink& diagnostics = {});
// The same for the blob in the buffer (its first `length` bytes).
UnpackResult unpackBackup(ReceiverDatabase& database, const ChannelDataBuffer& buffer, BlobLosses* losses = nullptr,
                          const DiagnosticSink& diagnostics = {});

// Whether `blob` is a channel-data blob that unpacks whole: the "IRZ"
// magic, sizes that agree with each other and with the blob's length, and a
// payload that decompresses. Fails as unpackStatus says; touches no
// database of the caller's and prints nothing.
Status checkBackupBlob(std::span<const std::uint8_t> blob);

// Packs the database into a blob in the buffer and sets its length; on
// failure the buffer is left as it was. `date` is the header's day number.
// Diagnostic lines ("BACKUP data compressed to N bytes") go to `diagnostics`.
PackResult packBackup(const ReceiverDatabase& database, ChannelDataBuffer& buffer, std::uint16_t date,
                      const DiagnosticSink& diagnostics = {});
// The same, dated with mjdToday().
PackResult packBackup(const ReceiverDatabase& database, ChannelDataBuffer& buffer,
                      const DiagnosticSink& diagnostics = {});

// Modified Julian Date of a calendar date, kept in 16 bits.
std::uint16_t mjdFromDate(int year, int month, int day);
// Of the local day; the date comes from the date source.
std::uint16_t mjdToday();

struct CalendarDate {
    int year;
    int month;  // 1..12
    int day;    // 1..31
};
// Replaces the source of today's date (tests); an empty function restores
// the local clock.
void setDateSource(std::function<CalendarDate()> source);

// A header of the receiver's own shape (prefix kind 0 with 96 bytes, 164
// satellites, 2000 transponders, 5000 channels) for databases built from
// scratch.
BackupHeader receiverShapedHeader();

}  // namespace dorvane
