#include "core/image/binary_file.h"

#include <cerrno>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#endif

namespace dorvane {

#ifdef _WIN32
namespace {

// The file open for reading while others may still rename, replace or
// delete it: the program keeps the file it showed last open, and an upload
// into that same file (or the user's own tools) must not find it locked.
FILE* openSharedForRead(const std::filesystem::path& path) {
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND: errno = ENOENT; break;
            case ERROR_ACCESS_DENIED: errno = EACCES; break;
            case ERROR_SHARING_VIOLATION: errno = EBUSY; break;
            default: errno = EIO; break;
        }
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    FILE* file = _fdopen(fd, "rb");
    if (!file) _close(fd);
    return file;
}

}  // namespace
#endif

BinaryFile::~BinaryFile() {
    if (handle_) std::fclose(handle_);
}

Status BinaryFile::openForRead(const std::filesystem::path& path) {
    close();
    errno = 0;
#ifdef _WIN32
    handle_ = openSharedForRead(path);
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
