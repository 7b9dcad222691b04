#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "database/channel_data_buffer.h"

namespace dorvane {

// Most bytes the editor's open reads from a channel-data file.
inline constexpr std::size_t kChannelDataReadLimit = 262144;

struct FileResult {
    bool ok = false;
    std::string message;  // what the user sees when !ok, e.g. "File open failed!"
};

// Reads a channel-data file into the buffer (at most 262,144 bytes), sets the
// buffer's length to the bytes read and remembers the path as the save target.
// Refuses a file shorter than the blob its header declares (or than three
// bytes); the buffer and the save target are then left as they were. A file
// that does not begin with "IRZ" is read; unpacking refuses it.
FileResult openChannelDataFile(const std::filesystem::path& path, ChannelDataBuffer& buffer);

// The path the last successful openChannelDataFile read.
const std::filesystem::path& saveTarget();
void setSaveTarget(const std::filesystem::path& path);

// Writes the buffer's `length` bytes as the whole file: a temporary file next
// to the target, then a rename over it. A failure leaves the old file whole.
FileResult writeChannelDataFile(const ChannelDataBuffer& buffer, const std::filesystem::path& path);
// The same to the save target.
FileResult writeChannelDataFile(const ChannelDataBuffer& buffer);

}  // namespace dorvane
