#include "core/image/binary_file.h"

#include <cerrno>

namespace dorvane {

BinaryFile::~BinaryFile() {
    if (handle_) std::fclose(handle_);
}

Status BinaryFile::openForRead(const std::filesystem::path& path) {
    close();
    errno = 0;
#ifdef _WIN32
    handle_ = _wfopen(path.c_str(), L"rb");
#else
    handle_ = std::fopen(path.c_str(), "rb");
#endif
    if (!handle_) return fileFailure(errno, path);
#ifndef _WIN32
    // fopen succeeds on a directory; reading it fails later. Refuse it now.
    if (std::filesystem::is_directory(path)) {
        std::fclose(handle_);
        handle_ = nullptr;
        return fileFailure(EISDIR, path);
    }
#endif
    path_ = path;
    return {};
}

void BinaryFile::close() {
    if (handle_) {
        std::fclose(handle_);
        handle_ = nullptr;
    }
    path_.clear();
}

std::string BinaryFile::fileName() const { return utf8Path(path_.filename()); }

std::uint64_t BinaryFile::length() const {
    if (!handle_) return 0;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path_, ec);
    return ec ? 0 : static_cast<std::uint64_t>(size);
}

bool BinaryFile::seek(std::uint64_t offset) {
    if (!handle_) return false;
#ifdef _WIN32
    return _fseeki64(handle_, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    return fseeko(handle_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::size_t BinaryFile::read(void* buffer, std::size_t size) {
    if (!handle_ || size == 0) return 0;
    return std::fread(buffer, 1, size, handle_);
}

}  // namespace dorvane
