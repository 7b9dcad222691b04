#include "cli/channel_data_cli.h"

#include "app/path_text.h"
#include "cli/command.h"
#include "database/backup_blob.h"
#include "database/channel_data_file.h"

namespace dorvane::cli {

std::unique_ptr<ReceiverDatabase> loadChannelDataFile(const QString& file) {
    ChannelDataBuffer& buffer = channelDataBuffer();
    const FileResult opened = openChannelDataFile(pathFromText(file), buffer);
    if (!opened.ok) {
        err() << file << ": " << QString::fromStdString(opened.message) << Qt::endl;
        return nullptr;
    }
    auto database = std::make_unique<ReceiverDatabase>();
    const int result = unpackBackup(*database, buffer);
    if (result != kUnpackOk) {
        err() << file << ": " << QString::fromUtf8(unpackResultText(result).data(),
                                                   static_cast<qsizetype>(unpackResultText(result).size()))
              << Qt::endl;
        return nullptr;
    }
    return database;
}

bool saveChannelDataFile(const ReceiverDatabase& database, const QString& file) {
    ChannelDataBuffer& buffer = channelDataBuffer();
    if (packBackup(database, buffer) != kPackOk) {
        err() << file << ": Data is unavailable!" << Qt::endl;
        return false;
    }
    const FileResult written = writeChannelDataFile(buffer, pathFromText(file));
    if (!written.ok) {
        err() << file << ": " << QString::fromStdString(written.message) << Qt::endl;
        return false;
    }
    return true;
}

}  // namespace dorvane::cli
