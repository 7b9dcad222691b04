#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dorvane::test {

// A fresh directory below the system's temporary folder, removed with its
// contents when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

    // Writes bytes into a file of the directory and returns its path.
    std::filesystem::path write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> readFile(const std::filesystem::path& path);

}  // namespace dorvane::test
