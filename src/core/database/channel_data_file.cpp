#include "core/database/channel_data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "core/common/byte_layout.h"
#include "core/common/file_error.h"
#include "core/database/backup_blob.h"

namespace dorvane {

namespace {

const char* const kWriteFailed = "File write failed!";
const char* const kTruncated = "Channel data file is truncated!";

Status openFailed(int err) { return {errorFromErrno(err), kFileOpenFailed}; }

}  // namespace

Status openChannelDataFile(const std::filesystem::path& path, ChannelDataBuffer& buffer) {
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) return openFailed(errno);
    std::vector<std::uint8_t> bytes(kChannelDataReadLimit);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) return openFailed(errno ? errno : EIO);
    const auto size = static_cast<std::size_t>(file.gcount());

    // Other content is left to the unpacking, which refuses it by its magic.
    const Status truncated(Error::Truncated, kTruncated);
    if (size < 3) return truncated;
    if (std::memcmp(bytes.data(), "IRZ", 3) == 0) {
        if (size < kBlobHeaderSize) return truncated;
        const std::uint32_t compressedSize = le::read32(bytes, 32);
        if (std::uint64_t{compressedSize} + kBlobHeaderSize > size) return truncated;
    }
    std::copy_n(bytes.begin(), size, buffer.data());
    buffer.setLength(static_cast<std::uint32_t>(size));
    return {};
}

Status writeChannelDataFile(const ChannelDataBuffer& buffer, const std::filesystem::path& path,
                            const ReplaceOptions& options) {
    const auto bytes = buffer.contents();
    if (path.empty()) return {Error::BadPath, kWriteFailed};
    if (bytes.empty()) return {Error::Failed, kWriteFailed};
    if (const Status replaced = replaceFileAtomically(path, bytes, options); !replaced.ok())
        return {replaced.error(), kWriteFailed};
    return {};
}

}  // namespace dorvane
