#pragma once

#include <QString>

#include <memory>

#include "database/channel_data_buffer.h"
#include "database/receiver_database.h"

namespace dorvane::cli {

// Opens a channel-data file into the process's buffer and unpacks it into a
// new database; prints the failure on standard error and returns null.
std::unique_ptr<ReceiverDatabase> loadChannelDataFile(const QString& file);

// Packs the database into the process's buffer and writes it to the file;
// prints the failure on standard error and returns false.
bool saveChannelDataFile(const ReceiverDatabase& database, const QString& file);

}  // namespace dorvane::cli
