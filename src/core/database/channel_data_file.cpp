#include "database/channel_data_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "database/backup_blob.h"

namespace dorvane {

namespace {

const char* const kOpenFailed = "File open failed!";
const char* const kWriteFailed = "File write failed!";
const char* const kTruncated = "Channel data file is truncated!";

}  // namespace

FileResult openChannelDataFile(const std::filesystem::path& path, ChannelDataBuffer& buffer) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {false, kOpenFailed};
    std::vector<std::uint8_t> bytes(kChannelDataReadLimit);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) return {false, kOpenFailed};
    const auto size = static_cast<std::size_t>(file.gcount());

    // Other content is left to the unpacking, which refuses it by its magic.
    if (size < 3) return {false, kTruncated};
    if (std::memcmp(bytes.data(), "IRZ", 3) == 0) {
        if (size < kBlobHeaderSize) return {false, kTruncated};
        std::uint32_t compressedSize = 0;
        std::memcpy(&compressedSize, bytes.data() + 32, sizeof compressedSize);
        if (std::uint64_t{compressedSize} + kBlobHeaderSize > size) return {false, kTruncated};
    }
    std::copy_n(bytes.begin(), size, buffer.data());
    buffer.setLength(static_cast<std::uint32_t>(size));
    return {true, {}};
}

FileResult writeChannelDataFile(const ChannelDataBuffer& buffer, const std::filesystem::path& path,
                                const ReplaceOptions& options) {
    const auto bytes = buffer.contents();
    if (path.empty() || bytes.empty()) return {false, kWriteFailed};
    if (!replaceFileAtomically(path, bytes, options).ok) return {false, kWriteFailed};
    return {true, {}};
}

}  // namespace dorvane
