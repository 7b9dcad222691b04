#pragma once

#include <QString>

#include <filesystem>

namespace dorvane {

// File names cross between Qt and the file layer only through these two,
// by way of UTF-16: on Windows the native path is UTF-16 and any 8-bit
// conversion would lose names outside the local code page; elsewhere the
// standard library turns UTF-16 into the system's UTF-8.
std::filesystem::path pathFromText(const QString& text);
QString textFromPath(const std::filesystem::path& path);

}  // namespace dorvane
