#include "database/channel_data_document.h"

#include "database/backup_blob.h"

namespace dorvane {

ChannelDataDocument::ChannelDataDocument()
    : buffer_(std::make_unique<ChannelDataBuffer>()), database_(std::make_unique<ReceiverDatabase>()) {}

FileResult ChannelDataDocument::read(const std::filesystem::path& path) {
    const FileResult result = openChannelDataFile(path, *buffer_);
    if (result.ok) path_ = path;
    return result;
}

int ChannelDataDocument::unpack() {
    BlobLosses losses;
    const int result = unpackBackup(*database_, *buffer_, &losses);
    if (result == kUnpackOk) {
        losses_ = std::move(losses);
        dirty_ = false;
    }
    return result;
}

FileResult ChannelDataDocument::open(const std::filesystem::path& path) {
    const FileResult read = this->read(path);
    if (!read.ok) return read;
    const int result = unpack();
    if (result != kUnpackOk) return {false, std::string(unpackResultText(result))};
    return {true, {}};
}

FileResult ChannelDataDocument::save() { return saveAs(path_); }

FileResult ChannelDataDocument::saveAs(const std::filesystem::path& path) {
    if (isReadOnly()) return {false, "This file cannot be written back without losing data: " + joinReasons(readOnlyReasons()) + "."};
    if (packBackup(*database_, *buffer_) != kPackOk) return {false, "Data is unavailable!"};
    ReplaceOptions options;
    options.keepBackup = true;
    const FileResult written = writeChannelDataFile(*buffer_, path, options);
    if (!written.ok) return written;
    path_ = path;
    dirty_ = false;
    return written;
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
