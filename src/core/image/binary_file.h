#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/common/file_error.h"
#include "core/common/result.h"

namespace dorvane {

// A read-only binary file: path, handle, seek, read and length.
class BinaryFile {
public:
    BinaryFile() = default;
    virtual ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Opens the file for reading. A failure names the path in its message
    // ("/tmp/x.img was not found."); a folder is refused as AccessDenied.
    Status openForRead(const std::filesystem::path& path);
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
