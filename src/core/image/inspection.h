#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/image/image_file.h"

namespace dorvane {

// What inspecting an opened file tells the window (or the command line).
struct Inspection {
    // The lines to append to the message log, in order.
    std::vector<std::string> logLines;
    // Show the "Edit" button (a channel-data file) or hide it.
    bool showEditor = false;
    // Not a channel-data file: enable the "Forced download" check box.
    // Opening any file turns the option itself off.
    bool enableForcedDownload = false;
};

// Closes the image, reopens it from path and describes it. The image stays
// open on success: it is the current image for the next download. A
// failure carries the text of the box to show ("Image File corrupted!" or
// the platform's message with the path in it).
Result<Inspection> inspectImageFile(CImageFile& image, const std::filesystem::path& path);

}  // namespace dorvane
