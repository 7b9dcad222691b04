#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/common/result.h"
#include "core/database/channel_data_buffer.h"
#include "core/database/replace_file.h"

namespace dorvane {

// Most bytes the editor's open reads from a channel-data file.
inline constexpr std::size_t kChannelDataReadLimit = 262144;

// Reads a channel-data file into the buffer (at most 262,144 bytes) and sets
// the buffer's length to the bytes read. Refuses a file shorter than the blob
// its header declares (or than three bytes); the buffer is then left as it
// was. A file that does not begin with "IRZ" is read; unpacking refuses it.
// Failures: kFileOpenFailed (with the system's cause), or Error::Truncated
// with "Channel data file is truncated!".
Status openChannelDataFile(const std::filesystem::path& path, ChannelDataBuffer& buffer);

// Writes the buffer's `length` bytes as the whole file through
// replaceFileAtomically: a failure leaves the old file whole. Any failure
// says "File write failed!" (with the cause of the step that failed).
Status writeChannelDataFile(const ChannelDataBuffer& buffer, const std::filesystem::path& path,
                            const ReplaceOptions& options = {});

}  // namespace dorvane
