#include "database/channel_data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "database/backup_blob.h"

namespace dorvane {

namespace {

const char* const kOpenFailed = "File open failed!";
const char* const kWriteFailed = "File write failed!";
const char* const kTruncated = "Channel data file is truncated!";

std::filesystem::path& saveTargetPath() {
    static std::filesystem::path path;
    return path;
}

std::filesystem::path temporaryNextTo(const std::filesystem::path& target) {
    std::random_device random;
    std::filesystem::path temp = target;
    temp += ".tmp" + std::to_string(random() % 1000000u);
    return temp;
}

// Writes all bytes to a new file and makes sure they reached the disk.
bool writeWholeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
#if defined(_WIN32)
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    return !file.fail();
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            ok = false;
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
#endif
}

// Puts the temporary file in the target's place in one step.
bool replaceFile(const std::filesystem::path& temp, const std::filesystem::path& target) {
#if defined(_WIN32)
    return MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    return !ec;
#endif
}

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
    saveTargetPath() = path;
    return {true, {}};
}

const std::filesystem::path& saveTarget() { return saveTargetPath(); }

void setSaveTarget(const std::filesystem::path& path) { saveTargetPath() = path; }

FileResult writeChannelDataFile(const ChannelDataBuffer& buffer) { return writeChannelDataFile(buffer, saveTarget()); }

FileResult writeChannelDataFile(const ChannelDataBuffer& buffer, const std::filesystem::path& path) {
    const auto bytes = buffer.contents();
    if (path.empty() || bytes.empty()) return {false, kWriteFailed};
    const std::filesystem::path temp = temporaryNextTo(path);
    if (!writeWholeFile(temp, bytes.data(), bytes.size())) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return {false, kWriteFailed};
    }
    if (!replaceFile(temp, path)) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return {false, kWriteFailed};
    }
    return {true, {}};
}

}  // namespace dorvane
