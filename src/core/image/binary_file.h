#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace dorvane {

// Why a file could not be opened or used. Causes below 100 come from the
// operating system; the image file adds its own header causes (101, 102).
enum class FileErrorCause : int {
    None = 0,
    Generic = 1,
    FileNotFound = 2,
    BadPath = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    SharingViolation = 11,
    HardIO = 10,
    DiskFull = 13,
    ChecksumMismatch = 101,
    CorruptHeader = 102,
};

struct FileError {
    FileErrorCause cause = FileErrorCause::None;
    int systemError = 0;   // errno (or the system's code) behind a platform cause
    std::string fileName;  // the path as given to open

    // The platform's standard sentence for the cause, with the path in it,
    // e.g. "/tmp/x.img was not found.". Header causes give "Image File corrupted!".
    std::string message() const;
};

// A path as UTF-8 text.
std::string utf8Path(const std::filesystem::path& path);

// Maps an errno value to a cause.
FileErrorCause causeFromErrno(int err);

// A read-only binary file: path, handle, seek, read and length.
class BinaryFile {
public:
    BinaryFile() = default;
    virtual ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Opens the file for reading; fills error on failure.
    bool openForRead(const std::filesystem::path& path, FileError& error);
    virtual void close();

    bool isOpen() const { return handle_ != nullptr; }
    const std::filesystem::path& path() const { return path_; }
    // The file's name without folders, as UTF-8.
    std::string fileName() const;
    // The file's length in bytes (64-bit).
    std::uint64_t length() const;

    bool seek(std::uint64_t offset);
    // Reads up to size bytes; returns how many were read (0 at the end).
    std::size_t read(void* buffer, std::size_t size);

private:
    std::FILE* handle_ = nullptr;
    std::filesystem::path path_;
};

}  // namespace dorvane
