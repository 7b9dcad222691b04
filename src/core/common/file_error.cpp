#include "core/common/file_error.h"

#include <cerrno>

namespace dorvane {

std::string utf8Path(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

Error errorFromErrno(int err) {
    switch (err) {
        case ENOENT: return Error::NotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL: return Error::BadPath;
        case EMFILE:
        case ENFILE: return Error::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS: return Error::AccessDenied;
        case EBUSY:
#ifdef ETXTBSY
        case ETXTBSY:
#endif
            return Error::InUse;
        case EIO: return Error::Io;
        case ENOSPC:
        case EFBIG:  // the file may grow no further: for the user, a full disk
            return Error::DiskFull;
        case ENOMEM: return Error::NoMemory;
        default: return Error::Failed;
    }
}

std::string fileErrorText(Error error, const std::string& path) {
    switch (error) {
        case Error::NotFound: return path + " was not found.";
        case Error::BadPath: return path + " contains an invalid path.";
        case Error::TooManyOpenFiles: return path + " could not be opened because there are too many open files.";
        case Error::AccessDenied: return "Access to " + path + " was denied.";
        case Error::InUse: return "A sharing violation occurred while accessing " + path + ".";
        case Error::Io: return "A hardware I/O error was reported while accessing " + path + ".";
        case Error::DiskFull: return "Disk full while accessing " + path + ".";
        default: break;
    }
    return "An unexpected error occurred while accessing " + path + ".";
}

Status fileFailure(int err, const std::filesystem::path& path) {
    const Error error = errorFromErrno(err);
    return {error, fileErrorText(error, utf8Path(path))};
}

}  // namespace dorvane
