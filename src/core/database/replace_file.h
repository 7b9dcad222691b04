#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/common/result.h"

namespace dorvane {

struct ReplaceOptions {
    // Keep the file being replaced as NAME.bak next to it (one generation:
    // an older NAME.bak is replaced).
    bool keepBackup = false;
    // The work file the bytes go to first; empty: a fresh name next to the
    // target. It must lie on the target's file system.
    std::filesystem::path workFile;
};

// Writes `bytes` as the whole new content of `target`: into a work file that
// is flushed to the disk, then moved over the target in one step. A failure
// at any point leaves the previous target whole and removes the work file.
// A work file that cannot be created fails with kFileOpenFailed; a later
// step with the system's sentence about the file it was about (the work
// file, NAME.bak or the target). One implementation per platform
// (replace_file_posix.cpp, _win32.cpp).
Status replaceFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                             const ReplaceOptions& options = {});

// NAME.bak for NAME (the whole file name, extension included).
std::filesystem::path backupPathFor(const std::filesystem::path& target);

}  // namespace dorvane
