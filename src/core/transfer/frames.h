#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/image/image_file.h"
namespace dorvane {

// Control bytes on the line between the tool and the receiver.
namespace ctl {
inline constexpr std::uint8_t SOH = 0x01;
inline constexpr std::uint8_t STX = 0x02;
inline constexpr std::uint8_t EOT = 0x04;
inline constexpr std::uint8_t ENQ = 0x05;
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t BEL = 0x07;
inline constexpr std::uint8_t LF = 0x0A;
inline constexpr std::uint8_t VT = 0x0B;
inline constexpr std::uint8_t FF = 0x0C;
inline constexpr std::uint8_t CR = 0x0D;
inline constexpr std::uint8_t DC1 = 0x11;
inline constexpr std::uint8_t NAK = 0x15;
inline constexpr std::uint8_t CAN = 0x18;
inline constexpr std::uint8_t SUB = 0x1A;
inline constexpr std::uint8_t RS = 0x1E;
inline constexpr std::uint8_t C = 0x43;  // 'C': request to send, CRC mode
// The buyer check's refusal (102): the image is not for this receiver.
inline constexpr std::uint8_t REJECT = 0x66;
}  // namespace ctl

inline constexpr std::size_t kBlockData = 1024;
inline constexpr std::size_t kShortBlockData = 128;
inline constexpr std::size_t kBlockFrameSize = kBlockData + 5;            // 1,029
inline constexpr std::size_t kShortBlockFrameSize = kShortBlockData + 5;  // 133
inline constexpr std::size_t kInfoRecordSize = 128;
inline constexpr std::uint32_t kInfoRecordLength = 32;

// The text typed into the receiver's boot console to start an upload.
inline constexpr char kUploadCommand[] = "loadb up curdb y";

using BlockFrame = std::array<std::uint8_t, kBlockFrameSize>;
using ShortBlockFrame = std::array<std::uint8_t, kShortBlockFrameSize>;

// The name the header block carries for a file of the given type: the
// file's own name, or "curdb", "appsfac", "upload".
std::string headerNameFor(ImageType type, const std::string& fileName);

// Block 0: STX 00 FF, name NUL decimal-length NUL, zeros, CRC (high first).
BlockFrame buildHeaderBlock(const std::string& name, std::uint64_t length);

// A 1,024-byte data block. Fewer than 1,024 bytes: 0x1A after the data,
// then 0x00 up to the end.
BlockFrame buildDataBlock(std::uint8_t sequence, std::span<const std::uint8_t> data);

// SOH 00 FF, 128 zeros, CRC 00 00.
ShortBlockFrame buildEndOfBatchBlock();

// The fields of the receiver's information record that the tool reads.
struct InfoRecord {
    std::uint32_t recordLength = 0;
    std::uint32_t bootVersion = 0;
    std::uint32_t appVersion = 0;
    std::uint32_t buyerCode = 0;
};
InfoRecord parseInfoRecord(std::span<const std::uint8_t> record);

// The name/length pairs of a received header block: NUL-terminated strings
// in pairs, at most four pairs, ending at an empty string.
std::vector<std::pair<std::string, std::string>> parseHeaderPairs(std::span<const std::uint8_t> data);

// The leading decimal digits of a length string as a C-library conversion
// reads them (leading blanks and a sign allowed); 0 when there are none.
std::int64_t leadingDecimal(const std::string& text);

}  // namespace dorvane
