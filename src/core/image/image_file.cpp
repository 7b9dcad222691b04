#include "core/image/image_file.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/common/byte_layout.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dorvane {

namespace {

constexpr std::size_t kProbeSize = 64;
constexpr std::uint32_t kXprHeaderSize = 48;
constexpr std::size_t kYfwPrefixSize = 16;
constexpr std::size_t kSumChunk = 256 << 10;  // stays in the cache between read and sum

std::uint32_t readLe32(const std::uint8_t* p) { return le::read32(std::span<const std::uint8_t>(p, 4), 0); }

bool bytesAre(const std::uint8_t* p, const char* text) { return std::memcmp(p, text, std::strlen(text)) == 0; }

std::string buyerTextOf(const std::uint8_t* code) {
    std::string text;
    for (int i = 0; i < 4 && code[i] != 0; ++i) text.push_back(static_cast<char>(code[i]));
    return text.empty() ? "Free" : text;
}

std::string format(const char* fmt, unsigned a, unsigned b, unsigned c) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, fmt, a, b, c);
    return buffer;
}

}  // namespace

std::string imageTypeName(ImageType type) {
    switch (type) {
        case ImageType::Undefined: return "Undefined";
        case ImageType::Boot: return "Boot";
        case ImageType::Application: return "Application";
        case ImageType::Database: return "Database";
        case ImageType::IrzData: return "IRZ Data";
        case ImageType::Factory: return "Factory";
        case ImageType::Upload: return "Upload";
    }
    return {};
}

std::string versionWordText(std::uint32_t word) {
    return format("%u.%u.%u", word >> 24 & 0xFF, word >> 16 & 0xFF, word >> 8 & 0xFF);
}

void CImageFile::resetFields() {
    hasBuildInfo_ = false;
    buyer_.clear();
    buyerCode_ = 0;
    type_ = ImageType::Undefined;
    version_ = build_ = buildDate_ = buildTime_ = 0;
}

void CImageFile::close() {
    BinaryFile::close();
    resetFields();
}

std::uint32_t byteSum(const std::uint8_t* data, std::size_t size) {
    std::uint64_t total = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    // psadbw against zero adds sixteen bytes into two 64-bit lanes at once.
    const __m128i zero = _mm_setzero_si128();
    __m128i lanes = zero;
    for (; size - i >= 16; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        lanes = _mm_add_epi64(lanes, _mm_sad_epu8(v, zero));
    }
    std::uint64_t halves[2];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(halves), lanes);
    total = halves[0] + halves[1];
#else
    // Eight bytes at a time: the bytes go into four 16-bit lanes of a 64-bit
    // word, which cannot overflow within 128 words; then the lanes are folded.
    constexpr std::uint64_t kLaneMask = 0x00FF00FF00FF00FFull;
    while (size - i >= 8) {
        const std::size_t words = std::min<std::size_t>((size - i) / 8, 128);
        std::uint64_t lanes = 0;
        for (std::size_t w = 0; w < words; ++w, i += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            lanes += (word & kLaneMask) + ((word >> 8) & kLaneMask);
        }
        total += (lanes & 0xFFFF) + (lanes >> 16 & 0xFFFF) + (lanes >> 32 & 0xFFFF) + (lanes >> 48);
    }
#endif
    for (; i < size; ++i) total += data[i];
    return static_cast<std::uint32_t>(total);
}

bool CImageFile::payloadSumMatches(std::uint32_t payloadLength, std::uint32_t storedSum) {
    std::uint32_t sum = 0;
    if (!seek(kXprHeaderSize)) return storedSum == 0;
    std::vector<std::uint8_t> chunk(std::min<std::size_t>(kSumChunk, payloadLength));
    std::uint64_t remaining = payloadLength;
    while (remaining > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, chunk.size()));
        const std::size_t got = read(chunk.data(), want);
        sum += byteSum(chunk.data(), got);
        remaining -= got;
        if (got < want) {
            sum = 0;  // a payload shorter than declared sums to 0
            break;
        }
    }
    return sum == storedSum;
}

Status CImageFile::open(const std::filesystem::path& path) {
    close();
    if (Status opened = openForRead(path); !opened.ok()) return opened;

    std::array<std::uint8_t, kProbeSize> head{};
    seek(0);
    read(head.data(), head.size());  // bytes beyond a short file stay zero

    std::size_t o = 0;
    if (bytesAre(head.data(), "YFW")) {
        hasBuildInfo_ = true;
        type_ = ImageType::Factory;
        o = kYfwPrefixSize;
    }

    if (bytesAre(head.data() + o, "XPR")) {
        const std::uint8_t* h = head.data() + o;
        const auto refuse = [&](Error error) {
            close();
            return Status(error, kImageCorrupted);
        };
        if (readLe32(h + 4) != kXprHeaderSize) return refuse(Error::Corrupt);
        if (type_ != ImageType::Factory && !payloadSumMatches(readLe32(h + 16), readLe32(h + 44)))
            return refuse(Error::BadChecksum);
        version_ = readLe32(h + 20);
        build_ = readLe32(h + 24);
        buildDate_ = readLe32(h + 28);
        buildTime_ = readLe32(h + 32);
        buyerCode_ = readLe32(h + 36);
        buyer_ = buyerTextOf(h + 36);
        if (type_ == ImageType::Factory) return {};
        hasBuildInfo_ = true;
        type_ = bytesAre(h + 8, "APP") ? ImageType::Application : ImageType::Undefined;
        return {};
    }

    if (bytesAre(head.data(), "IRZ")) {
        hasBuildInfo_ = true;
        type_ = ImageType::IrzData;
        return {};
    }

    if (bytesAre(head.data() + 12, "CNXT")) {
        hasBuildInfo_ = false;
        switch (readLe32(head.data() + 32)) {
            case 0x20060203: type_ = ImageType::Boot; break;
            case 0x20060106:
            case 0x20030106: type_ = ImageType::Application; break;
            default: break;
        }
        buyerCode_ = readLe32(head.data() + 44);
        version_ = readLe32(head.data() + 36);
        buyer_ = buyerTextOf(head.data() + 44);
        return {};
    }

    if (bytesAre(head.data(), "CMD")) {
        hasBuildInfo_ = false;
        type_ = head[3] == '0' ? ImageType::Upload : ImageType::Undefined;
        return {};
    }

    type_ = ImageType::Undefined;
    return {};
}

std::string CImageFile::typeName() const { return imageTypeName(type_) + (hasBuildInfo_ ? "." : ""); }

std::string CImageFile::versionText() const { return versionWordText(version_); }

std::string CImageFile::dateText() const {
    return format("%4u.%u.%u", buildDate_ >> 16 & 0xFFFF, buildDate_ >> 8 & 0xFF, buildDate_ & 0xFF);
}

std::string CImageFile::timeText() const {
    return format("%02u:%02u:%02u", buildTime_ >> 24 & 0xFF, buildTime_ >> 16 & 0xFF, buildTime_ >> 8 & 0xFF);
}

bool CImageFile::checkBuyer(std::span<const std::uint8_t> infoRecord) const {
    const std::uint32_t receiverCode = infoRecordBuyerCode(infoRecord).value_or(0);
    return receiverCode == 0 || receiverCode == buyerCode_;
}

}  // namespace dorvane
