#pragma once

#include <QString>

#include <filesystem>

namespace dorvane {

// File names cross between Qt and the file layer only through these two,
// by way of UTF-16: on Windows the native path is UTF-16 and any 8-bit
// conversion would lose names outside the local code page; elsewhere the
// name's bytes are UTF-8, and a byte that is no valid UTF-8 (a Latin-1 name
// from an old medium) travels as U+DC00 + byte and comes back as the same
// byte: such a file is opened, inspected and sent under its own name.
std::filesystem::path pathFromText(const QString& text);
QString textFromPath(const std::filesystem::path& path);

// A command-line argument or other text from the system, with the same
// rule for bytes that are no valid UTF-8 (on Windows the local code page).
QString textFromNativeBytes(const char* bytes);

}  // namespace dorvane
