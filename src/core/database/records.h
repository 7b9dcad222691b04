#pragma once

// Record layouts of the receiver's channel data. The satellite and
// transponder records and the first 40 bytes of a channel record are stored
// byte for byte in a channel-data file, so their offsets are file format.
// All multi-byte values are little-endian (the host must be as well).

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dorvane {

static_assert(std::endian::native == std::endian::little,
              "records are stored in the host's byte order and must be little-endian");

inline constexpr int kSatelliteSlots = 164;      // slot 0..163, satellite number = slot + 1
inline constexpr int kEditableSatellites = 163;  // the editor works on slots 0..162
inline constexpr int kTransponderSlots = 2000;
inline constexpr int kChannelSlots = 5000;
inline constexpr int kFavoriteGroups = 12;
inline constexpr int kGroupSlots = 144;
inline constexpr int kGroupNameSize = 12;     // NUL-terminated
inline constexpr int kPrefixStoreSize = 272;  // largest kind-1 prefix kept
inline constexpr int kKind0PrefixLength = 96;

inline constexpr std::uint8_t kChannelMarkFound = 0xF0;
inline constexpr std::uint16_t kDeletedTransponder = 0xFFFF;

// Service flag bits of a channel.
inline constexpr std::uint16_t kFlagRadio = 0x0001;  // radio when kFlagTv is clear
inline constexpr std::uint16_t kFlagTv = 0x0002;
inline constexpr std::uint16_t kFlagScrambled = 0x0008;
inline constexpr std::uint16_t kFlagMoveMark = 0x0010;
inline constexpr std::uint16_t kFlagDolby = 0x0400;

struct SatelliteRecord {              // 32 bytes
    char name[16];                    // 0: NUL-terminated, at most 15 characters
    std::int16_t location;            // 16: tenths of a degree, 1..3599; > 1800 is West
    std::uint8_t carried18;           // 18
    std::uint8_t tone22k;             // 19: 0 Off, 1 22KHz
    std::uint8_t carried20;           // 20
    std::uint8_t diseqcType;          // 21: 0 Off, 1 1.0, 2 1.1, 3 1.2, 4 1.3
    std::uint8_t diseqcPort;          // 22: 0-based
    std::uint8_t lnbPower;            // 23: 0 On, 1 Off
    std::uint16_t lnbFrequency;       // 24: MHz
    std::uint8_t lnbFrequencyChoice;  // 26
    std::uint8_t lnbType;             // 27: 0 Universal, 1 Single
    std::uint8_t dishPosition;        // 28: 0 marks a free slot
    std::uint8_t channelMark;         // 29: 0xF0 when the last import found a channel
    std::uint8_t carried30[2];        // 30
};

struct TransponderRecord {      // 16 bytes
    std::uint8_t satellite;     // 0: satellite number 1..163; else a free slot
    std::uint8_t polarisation;  // 1: 0 V(R), nonzero H(L)
    std::uint16_t frequency;    // 2: MHz
    std::uint16_t symbolRate;   // 4
    std::uint8_t carried6;      // 6
    std::uint8_t fec;           // 7: index into the FEC table
    std::uint8_t carried8;      // 8
    std::uint8_t transmission;  // 9: 2 DVB-S2, else DVB-S
    std::uint8_t carried10;     // 10
    std::uint8_t modulation;    // 11: 4 8PSK, else QPSK
    std::uint8_t carried12[4];  // 12
};

// Size of the part of a channel record that files store.
inline constexpr std::size_t kChannelCommonSize = 40;

struct ChannelRecord {          // 52 bytes; the first 40 go to the file
    std::uint8_t lead;          // 0: 0x80 in a blank slot
    char name[19];              // 1: NUL-terminated, the editor keeps 18 characters
    std::uint16_t word20;       // 20: 0 blank, 0xFFFF deleted
    std::uint16_t audioPid;     // 22
    std::uint16_t videoPid;     // 24
    std::uint16_t pcrPid;       // 26
    std::uint16_t teletextPid;  // 28
    std::uint8_t carried30;     // 30
    std::uint8_t videoType;     // 31: 27 = MPEG4
    std::uint16_t serviceId;    // 32
    std::uint16_t carried34;    // 34
    std::uint16_t cas;          // 36: four 4-bit CAS codes, lowest first
    std::uint16_t flags;        // 38: service flags; 0 = no channel
    // Memory only:
    std::uint16_t transponder;  // 40: transponder number; 0 blank, 0xFFFF deleted
    std::uint8_t satellite;     // 42: satellite slot (0-based)
    std::uint8_t internal[9];   // 43: not interpreted
};

// The first 32 bytes of a backup blob.
struct BackupHeader {
    char magic[4];                        // 0: "IRZ\0"
    std::uint32_t payloadSize;            // 4
    std::uint16_t prefixLength;           // 8
    std::uint16_t favoriteSectionSize;    // 10
    std::uint16_t favoriteNamesSize;      // 12
    std::uint16_t date;                   // 14: Modified Julian Date of packing
    std::uint16_t satelliteRecordSize;    // 16
    std::uint16_t satelliteCount;         // 18
    std::uint16_t transponderRecordSize;  // 20
    std::uint16_t transponderCount;       // 22
    std::uint16_t channelRecordSize;      // 24
    std::uint16_t channelCount;           // 26
    std::uint8_t prefixKind;              // 28: 0 or 1
    std::uint8_t carried29;               // 29
    std::uint16_t reserved;               // 30
};

static_assert(sizeof(SatelliteRecord) == 32);
static_assert(offsetof(SatelliteRecord, location) == 16);
static_assert(offsetof(SatelliteRecord, lnbFrequency) == 24);
static_assert(offsetof(SatelliteRecord, dishPosition) == 28);
static_assert(offsetof(SatelliteRecord, carried30) == 30);
static_assert(sizeof(TransponderRecord) == 16);
static_assert(offsetof(TransponderRecord, frequency) == 2);
static_assert(offsetof(TransponderRecord, modulation) == 11);
static_assert(sizeof(ChannelRecord) == 52);
static_assert(offsetof(ChannelRecord, word20) == 20);
static_assert(offsetof(ChannelRecord, serviceId) == 32);
static_assert(offsetof(ChannelRecord, flags) == 38);
static_assert(offsetof(ChannelRecord, transponder) == kChannelCommonSize);
static_assert(sizeof(BackupHeader) == 32);
static_assert(offsetof(BackupHeader, channelCount) == 26);
static_assert(offsetof(BackupHeader, reserved) == 30);

// Channel kinds as the operations number them.
enum ChannelKind : int { kKindNeither = -1, kKindTv = 0, kKindRadio = 1 };

// TV when bit 1 is set, radio when the two low bits are exactly 01.
ChannelKind channelKind(const ChannelRecord& channel);

// In use: dish position nonzero and location 1..3599.
bool satelliteInUse(const SatelliteRecord& satellite);
// Free: satellite number 0 or above 163.
bool transponderFree(const TransponderRecord& transponder);
// Free: service flags 0, satellite slot above 163 or transponder 2000 or more.
bool channelFree(const ChannelRecord& channel);

// Texts shown for the fields.
std::string_view fecText(std::uint8_t fec);                    // "" for indexes beyond the table
std::string_view casCodeText(unsigned code);                   // "Mg" for 1 ... "Ox" for 12; "?" for 13..15; "" for 0
std::string casText(std::uint16_t cas);                        // e.g. "MgVi" for 0x0021
std::string locationText(std::int16_t location);               // "19E", "179W"; "" when out of range
std::string_view polarisationText(std::uint8_t polarisation);  // "V(R)" / "H(L)"
std::string_view transmissionText(std::uint8_t transmission);  // "DVB-S" / "DVB-S2"
std::string_view modulationText(std::uint8_t modulation);      // "QPSK" / "8PSK"

inline constexpr std::array<std::string_view, 13> kFecTable{"0",   "1/2", "2/3",  "3/4", "5/6",  "7/8", "4/5",
                                                            "3/5", "6/7", "5/11", "8/9", "9/10", "Auto"};
inline constexpr std::array<std::string_view, 13> kCasCodeTable{"",   "Mg", "Vi", "Ir", "Bt", "Na", "Cr",
                                                                "Pv", "Co", "Sk", "Vg", "Bi", "Ox"};

// Reading and writing the fixed, NUL-terminated text fields. Reading stops at
// the first NUL or the end of the field; writing cuts the text to size - 1
// characters and fills the rest of the field with NULs.
std::string fixedText(const char* field, std::size_t size);
void setFixedText(char* field, std::size_t size, std::string_view text);

template <std::size_t N>
std::string fixedText(const char (&field)[N]) {
    return fixedText(field, N);
}
template <std::size_t N>
void setFixedText(char (&field)[N], std::string_view text) {
    setFixedText(field, N, text);
}

}  // namespace dorvane
