#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace dorvane {

struct ReplaceOptions {
    // Keep the file being replaced as NAME.bak next to it (one generation:
    // an older NAME.bak is replaced).
    bool keepBackup = false;
    // The work file the bytes go to first; empty: a fresh name next to the
    // target. It must lie on the target's file system.
    std::filesystem::path workFile;
};

struct ReplaceResult {
    // The step that failed.
    enum Step { None, CreateWorkFile, WriteWorkFile, KeepBackup, MoveIntoPlace };
    bool ok = false;
    int systemError = 0;                // errno value of the step that failed
    std::filesystem::path failedPath;   // the file that step was about
    Step step = None;
};

// Writes `bytes` as the whole new content of `target`: into a work file that
// is flushed to the disk, then moved over the target in one step. A failure
// at any point leaves the previous target whole and removes the work file.
// One implementation per platform (replace_file_posix.cpp, _win32.cpp).
ReplaceResult replaceFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                    const ReplaceOptions& options = {});

// NAME.bak for NAME (the whole file name, extension included).
std::filesystem::path backupPathFor(const std::filesystem::path& target);

}  // namespace dorvane
