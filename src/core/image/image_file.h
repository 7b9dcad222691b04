#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/image/binary_file.h"

namespace dorvane {

enum class ImageType : std::int32_t {
    Undefined = 0,
    Boot = 1,
    Application = 2,
    Database = 3,
    IrzData = 4,
    Factory = 5,
    Upload = 6,
};

// The text of a refused image header (Error::Corrupt or Error::BadChecksum).
inline constexpr char kImageCorrupted[] = "Image File corrupted!";

// A firmware image or channel-data file picked for a download. Opening it
// reads and checks the header and classifies the file.
class CImageFile : public BinaryFile {
public:
    // Opens the file, reads and checks its header and classifies it. A file
    // that cannot be opened fails as openForRead does; an XPR header of the
    // wrong size fails with Error::Corrupt, a payload whose sum does not
    // match with Error::BadChecksum, both as kImageCorrupted. The file is
    // closed on any failure.
    Status open(const std::filesystem::path& path);
    void close() override;

    ImageType type() const { return type_; }
    bool hasBuildInfo() const { return hasBuildInfo_; }
    std::uint32_t version() const { return version_; }
    std::uint32_t buildNumber() const { return build_; }
    std::uint32_t buildDate() const { return buildDate_; }
    std::uint32_t buildTime() const { return buildTime_; }
    std::uint32_t buyerCode() const { return buyerCode_; }
    const std::string& buyerText() const { return buyer_; }

    // "Application." etc.; the "." when the header carries build info.
    std::string typeName() const;
    std::string versionText() const;  // "%d.%d.%d"
    std::string dateText() const;     // "%4d.%d.%d"
    std::string timeText() const;     // "%02d:%02d:%02d"

    // Whether this image may go to the receiver whose 128-byte information
    // record is given: when its buyer code (offset 20) is 0 or equals the
    // image's. Otherwise the engine refuses it on the line (ctl::REJECT).
    bool checkBuyer(std::span<const std::uint8_t> infoRecord) const;

private:
    void resetFields();
    bool payloadSumMatches(std::uint32_t payloadLength, std::uint32_t storedSum);

    bool hasBuildInfo_ = false;
    std::string buyer_;
    std::uint32_t buyerCode_ = 0;
    ImageType type_ = ImageType::Undefined;
    std::uint32_t version_ = 0;
    std::uint32_t build_ = 0;
    std::uint32_t buildDate_ = 0;
    std::uint32_t buildTime_ = 0;
};

// The sum of the bytes, each unsigned, in a 32-bit accumulator that wraps.
std::uint32_t byteSum(const std::uint8_t* data, std::size_t size);

// The name of a type as the log shows it ("IRZ Data"); empty outside 0..6.
std::string imageTypeName(ImageType type);

// "%d.%d.%d" of bits 31..24, 23..16 and 15..8 of a version word.
std::string versionWordText(std::uint32_t word);

}  // namespace dorvane
