#pragma once

// How an operation says what went wrong: a cause the caller can act on and
// a text for the user. Status for operations that only succeed or fail,
// Result<T> for those that also give something back. Both warn when their
// caller drops them.

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace dorvane {

enum class Error {
    None = 0,
    NotFound,  // no such file or device
    BadPath,   // the name is not a usable path
    TooManyOpenFiles,
    AccessDenied,  // the system refuses access: permissions, a folder, a read-only medium
    InUse,         // another program holds it
    Io,            // the device or medium reported an input/output error
    DiskFull,
    NoMemory,
    Corrupt,      // the content is refused: a damaged header, blob or stream, a bad JSON or CSV
    BadChecksum,  // the content does not add up to the sum its header holds
    Truncated,    // shorter than it says it is
    ReadOnly,     // writing it back would lose data
    Unsupported,  // the device refuses a setting
    DeviceGone,   // an open device stopped working (unplugged)
    Timeout,
    NotOpen,
    Busy,    // the program is in the middle of something that forbids it
    Failed,  // anything else
};

class [[nodiscard]] Status {
public:
    // Success.
    Status() = default;
    // A failure: `message` is what the user is shown ("/tmp/x.img was not found.").
    Status(Error error, std::string message) : error_(error), message_(std::move(message)) {
        assert(error != Error::None);
    }

    bool ok() const { return error_ == Error::None; }
    Error error() const { return error_; }
    // Empty on success.
    const std::string& message() const { return message_; }

private:
    Error error_ = Error::None;
    std::string message_;
};

// A value, or the Status of the failure that prevented it.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    // A failure; a Status that is not one is taken as Error::Failed.
    Result(Status failure) : status_(failure.ok() ? Status(Error::Failed, {}) : std::move(failure)) {}
    Result(Error error, std::string message) : status_(error, std::move(message)) {}

    bool ok() const { return value_.has_value(); }
    const Status& status() const { return status_; }
    Error error() const { return status_.error(); }
    const std::string& message() const { return status_.message(); }

    // Only when ok().
    T& value() {
        assert(ok());
        return *value_;
    }
    const T& value() const {
        assert(ok());
        return *value_;
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace dorvane
