#include "core/database/replace_file.h"

#include "core/common/file_error.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // the compiler's own headers may define it already
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace dorvane {

namespace {

std::filesystem::path freshNameNextTo(const std::filesystem::path& target) {
    std::random_device random;
    std::filesystem::path name = target;
    name += ".tmp" + std::to_string(random() % 1000000u);
    return name;
}

// Writes all bytes into a new file and flushes them to the disk; returns 0
// or the system's error code of the failing step.
DWORD writeWholeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size, bool& created) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    created = file != INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = 0;
    std::size_t done = 0;
    while (error == 0 && done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data + done, chunk, &written, nullptr) || written == 0)
            error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        done += written;
    }
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    return error;
}

// The errno value of a system error code, for the cause and text of a failure.
int errnoFrom(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT: return EACCES;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return EBUSY;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return ENOSPC;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME: return EINVAL;
        case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
        default: return EIO;
    }
}

void removeQuietly(const std::filesystem::path& path) { DeleteFileW(path.c_str()); }

bool isRegularFile(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

Status replaceFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                             const ReplaceOptions& options) {
    if (target.empty()) return {Error::BadPath, kFileOpenFailed};
    const std::filesystem::path work =
        options.workFile.empty() || options.workFile == target ? freshNameNextTo(target) : options.workFile;
    bool created = false;
    if (const DWORD error = writeWholeFile(work, bytes.data(), bytes.size(), created)) {
        if (!created) return {errorFromErrno(errnoFrom(error)), kFileOpenFailed};
        removeQuietly(work);
        return fileFailure(errnoFrom(error), work);
    }
    if (options.keepBackup && isRegularFile(target)) {
        // ReplaceFileW renames the old target to the backup name and the
        // work file to the target, keeping the target's attributes.
        const std::filesystem::path backup = backupPathFor(target);
        if (ReplaceFileW(target.c_str(), work.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                         nullptr)) {
            return {};
        }
        const DWORD error = GetLastError();
        // The old file went to the backup name but the new one did not
        // follow: put it in place now rather than leave no target.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
            MoveFileExW(work.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        removeQuietly(work);
        // Name what is in the way: something other than a file under the
        // backup name, else the target itself (in use, read-only).
        const bool backupBlocked =
            GetFileAttributesW(backup.c_str()) != INVALID_FILE_ATTRIBUTES && !isRegularFile(backup);
        return fileFailure(errnoFrom(error), backupBlocked ? backup : target);
    }
    // An existing target is replaced in place by ReplaceFileW, which, unlike a
    // rename over it, also works while another handle (the file the window
    // showed last) holds it open with delete sharing.
    if (isRegularFile(target) &&
        ReplaceFileW(target.c_str(), work.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return {};
    }
    if (!MoveFileExW(work.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        removeQuietly(work);
        return fileFailure(errnoFrom(error), target);
    }
    return {};
}

std::filesystem::path backupPathFor(const std::filesystem::path& target) {
    std::filesystem::path backup = target;
    backup += ".bak";
    return backup;
}

}  // namespace dorvane
