#include "core/database/channel_data_document.h"

#include "core/database/backup_blob.h"
#include "core/history/history_keeper.h"

namespace dorvane {

ChannelDataDocument::ChannelDataDocument()
    : buffer_(std::make_unique<ChannelDataBuffer>()), database_(std::make_unique<ReceiverDatabase>()) {}

Status ChannelDataDocument::read(const std::filesystem::path& path) {
    Status result = openChannelDataFile(path, *buffer_);
    if (result.ok()) path_ = path;
    return result;
}

Status ChannelDataDocument::unpack() {
    BlobLosses losses;
    const UnpackResult result = unpackBackup(*database_, *buffer_, &losses, diagnostics_);
    if (result == UnpackResult::Ok) {
        losses_ = std::move(losses);
    }
    return unpackStatus(result);
}

Status ChannelDataDocument::open(const std::filesystem::path& path) {
    if (Status read = this->read(path); !read.ok()) return read;
    return unpack();
}

Status ChannelDataDocument::save() { return saveAs(path_); }

Status ChannelDataDocument::saveAs(const std::filesystem::path& path) {
    if (isReadOnly())
        return {Error::ReadOnly,
                "This file cannot be written back without losing data: " + joinReasons(readOnlyReasons()) + "."};
    if (const PackResult packed = packBackup(*database_, *buffer_, diagnostics_); packed != PackResult::Ok)
        return {packed == PackResult::NoMemory ? Error::NoMemory : Error::Failed, "Data is unavailable!"};
    // The list this save replaces is kept in the history first (when the
    // program keeps one); a failure there does not stop the save.
    keepReplacedFile(path);
    ReplaceOptions options;
    options.keepBackup = true;
    if (Status written = writeChannelDataFile(*buffer_, path, options); !written.ok()) return written;
    path_ = path;
    return {};
}

std::string joinReasons(const std::vector<std::string>& reasons) {
    std::string text;
    for (const std::string& reason : reasons) {
        if (!text.empty()) text += "; ";
        text += reason;
    }
    return text;
}

}  // namespace dorvane
