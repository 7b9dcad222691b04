#include "core/database/replace_file.h"

#include "core/common/file_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace dorvane {

namespace {

std::filesystem::path freshNameNextTo(const std::filesystem::path& target, const char* suffix) {
    std::random_device random;
    std::filesystem::path name = target;
    name += suffix + std::to_string(random() % 1000000u);
    return name;
}

// Writes all bytes into a new file and flushes them to the disk; returns 0
// or the errno of the failing step (`created` tells whether the file was
// made at all).
int writeWholeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size,
                   bool* created = nullptr) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (created) *created = fd >= 0;
    if (fd < 0) return errno;
    int error = 0;
    std::size_t done = 0;
    while (error == 0 && done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            error = n < 0 ? errno : EIO;
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

int readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    std::uint8_t chunk[65536];
    int error = 0;
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            bytes.insert(bytes.end(), chunk, chunk + n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    ::close(fd);
    return error;
}

void removeQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// The present target becomes NAME.bak: a second name for the same file when
// the file system allows it, a copy otherwise. Either way NAME.bak appears
// in one rename, so an older backup is never half replaced.
int keepBackup(const std::filesystem::path& target) {
    const std::filesystem::path backup = backupPathFor(target);
    const std::filesystem::path work = freshNameNextTo(backup, ".tmp");
    if (::link(target.c_str(), work.c_str()) != 0) {
        std::vector<std::uint8_t> old;
        if (const int error = readWholeFile(target, old)) return error;
        if (const int error = writeWholeFile(work, old.data(), old.size())) {
            removeQuietly(work);
            return error;
        }
    }
    if (::rename(work.c_str(), backup.c_str()) != 0) {
        const int error = errno;
        removeQuietly(work);
        return error;
    }
    return 0;
}

}  // namespace

Status replaceFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                             const ReplaceOptions& options) {
    if (target.empty()) return {Error::NotFound, kFileOpenFailed};
    const std::filesystem::path work =
        options.workFile.empty() || options.workFile == target ? freshNameNextTo(target, ".tmp") : options.workFile;
    bool created = false;
    if (const int error = writeWholeFile(work, bytes.data(), bytes.size(), &created)) {
        if (!created) return {errorFromErrno(error), kFileOpenFailed};
        removeQuietly(work);
        return fileFailure(error, work);
    }
    if (options.keepBackup) {
        struct stat info {};
        if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            if (const int error = keepBackup(target)) {
                removeQuietly(work);
                return fileFailure(error, backupPathFor(target));
            }
        }
    }
    if (::rename(work.c_str(), target.c_str()) != 0) {
        const int error = errno;
        removeQuietly(work);
        return fileFailure(error, target);
    }
    return {};
}

std::filesystem::path backupPathFor(const std::filesystem::path& target) {
    std::filesystem::path backup = target;
    backup += ".bak";
    return backup;
}

}  // namespace dorvane
