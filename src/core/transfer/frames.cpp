#include "core/transfer/frames.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/common/byte_layout.h"
#include "core/transfer/crc16.h"

namespace dorvane {

namespace {

template <std::size_t N>
void putCrc(std::array<std::uint8_t, N>& frame) {
    const std::uint16_t crc = crc16(std::span<const std::uint8_t>(frame.data() + 3, N - 5));
    frame[N - 2] = static_cast<std::uint8_t>(crc >> 8);
    frame[N - 1] = static_cast<std::uint8_t>(crc & 0xFF);
}

}  // namespace

std::string headerNameFor(ImageType type, const std::string& fileName) {
    switch (type) {
        case ImageType::IrzData: return "curdb";
        case ImageType::Factory: return "appsfac";
        case ImageType::Upload: return "upload";
        default: return fileName;
    }
}

BlockFrame buildHeaderBlock(const std::string& name, std::uint64_t length) {
    BlockFrame frame{};
    frame[0] = ctl::STX;
    frame[1] = 0x00;
    frame[2] = 0xFF;
    const std::string digits = std::to_string(length);
    // Name, NUL, length, NUL must fit the 1,024 bytes; an overlong name is
    // cut so that the length always goes out.
    const std::size_t room = kBlockData - digits.size() - 2;
    const std::size_t nameSize = std::min(name.size(), room);
    std::memcpy(frame.data() + 3, name.data(), nameSize);
    std::memcpy(frame.data() + 3 + nameSize + 1, digits.data(), digits.size());
    putCrc(frame);
    return frame;
}

BlockFrame buildDataBlock(std::uint8_t sequence, std::span<const std::uint8_t> data) {
    BlockFrame frame{};
    frame[0] = ctl::STX;
    frame[1] = sequence;
    frame[2] = static_cast<std::uint8_t>(~sequence);
    const std::size_t n = std::min(data.size(), kBlockData);
    if (n > 0) std::memcpy(frame.data() + 3, data.data(), n);
    if (n < kBlockData) frame[3 + n] = ctl::SUB;
    putCrc(frame);
    return frame;
}

ShortBlockFrame buildEndOfBatchBlock() {
    ShortBlockFrame frame{};
    frame[0] = ctl::SOH;
    frame[1] = 0x00;
    frame[2] = 0xFF;
    putCrc(frame);
    return frame;
}

InfoRecord parseInfoRecord(std::span<const std::uint8_t> record) {
    InfoRecord info;
    if (record.size() < kInfoRecordLength) return info;
    info.recordLength = le::read32(record, info_record::kRecordLengthAt);
    info.bootVersion = le::read32(record, info_record::kBootVersionAt);
    info.appVersion = le::read32(record, info_record::kAppVersionAt);
    info.buyerCode = infoRecordBuyerCode(record).value_or(0);
    return info;
}

std::vector<std::pair<std::string, std::string>> parseHeaderPairs(std::span<const std::uint8_t> data) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t pos = 0;
    const auto nextString = [&]() {
        std::string s;
        while (pos < data.size() && data[pos] != 0) s.push_back(static_cast<char>(data[pos++]));
        if (pos < data.size()) ++pos;  // the terminating NUL
        return s;
    };
    while (pairs.size() < 4 && pos < data.size()) {
        std::string name = nextString();
        if (name.empty()) break;
        std::string length = nextString();
        const bool last = length.empty();
        pairs.emplace_back(std::move(name), std::move(length));
        if (last) break;
    }
    return pairs;
}

std::int64_t leadingDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0x7FFFFFFF) {  // a 32-bit length; more is nonsense
            value = 0x7FFFFFFF;
        }
    }
    return negative ? -value : value;
}

}  // namespace dorvane
