#pragma once

// Failures of file operations: the cause from the system's error number and
// the sentence the user is shown, which names the file.

#include <filesystem>
#include <string>

#include "core/common/result.h"

namespace dorvane {

// What the user is told when a file cannot be opened (to read it, or to
// write the work file of a save).
inline constexpr char kFileOpenFailed[] = "File open failed!";

// A path as UTF-8 text.
std::string utf8Path(const std::filesystem::path& path);

// The cause behind an errno value.
Error errorFromErrno(int err);

// The platform's standard sentence for a file failure, with the path in it,
// e.g. "/tmp/x.img was not found.".
std::string fileErrorText(Error error, const std::string& path);

// errorFromErrno and fileErrorText together.
Status fileFailure(int err, const std::filesystem::path& path);

}  // namespace dorvane
