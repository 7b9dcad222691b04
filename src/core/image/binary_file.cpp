#include "image/binary_file.h"

#include <cerrno>

namespace dorvane {

FileErrorCause causeFromErrno(int err) {
    switch (err) {
    case ENOENT: return FileErrorCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL: return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE: return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return FileErrorCause::AccessDenied;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return FileErrorCause::SharingViolation;
    case EIO: return FileErrorCause::HardIO;
    case ENOSPC:
    case EFBIG:  // the file may grow no further: for the user, a full disk
        return FileErrorCause::DiskFull;
    default: return FileErrorCause::Generic;
    }
}

std::string FileError::message() const {
    const std::string& p = fileName;
    switch (cause) {
    case FileErrorCause::ChecksumMismatch:
    case FileErrorCause::CorruptHeader: return "Image File corrupted!";
    case FileErrorCause::FileNotFound: return p + " was not found.";
    case FileErrorCause::BadPath: return p + " contains an invalid path.";
    case FileErrorCause::TooManyOpenFiles:
        return p + " could not be opened because there are too many open files.";
    case FileErrorCause::AccessDenied: return "Access to " + p + " was denied.";
    case FileErrorCause::SharingViolation: return "A sharing violation occurred while accessing " + p + ".";
    case FileErrorCause::HardIO: return "A hardware I/O error was reported while accessing " + p + ".";
    case FileErrorCause::DiskFull: return "Disk full while accessing " + p + ".";
    case FileErrorCause::None:
    case FileErrorCause::Generic: break;
    }
    return "An unexpected error occurred while accessing " + p + ".";
}

BinaryFile::~BinaryFile() {
    if (handle_) std::fclose(handle_);
}

bool BinaryFile::openForRead(const std::filesystem::path& path, FileError& error) {
    close();
    errno = 0;
#ifdef _WIN32
    handle_ = _wfopen(path.c_str(), L"rb");
#else
    handle_ = std::fopen(path.c_str(), "rb");
#endif
    if (!handle_) {
        const int err = errno;
        error = {causeFromErrno(err), err, utf8Path(path)};
        return false;
    }
#ifndef _WIN32
    // fopen succeeds on a directory; reading it fails later. Refuse it now.
    if (std::filesystem::is_directory(path)) {
        std::fclose(handle_);
        handle_ = nullptr;
        error = {FileErrorCause::AccessDenied, EISDIR, utf8Path(path)};
        return false;
    }
#endif
    path_ = path;
    return true;
}

void BinaryFile::close() {
    if (handle_) {
        std::fclose(handle_);
        handle_ = nullptr;
    }
    path_.clear();
}

std::string utf8Path(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
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
