#pragma once

#include <QByteArray>

#include "exchange/channel_data_json.h"

namespace dorvane {

class ReceiverDatabase;

// The channel table for spreadsheets: UTF-8, a header row, one row per
// channel in channel-number order, comma separated, quoted where needed.
QByteArray channelTableCsv(const ReceiverDatabase& database);

// Takes such a table (any columns in any order; "number" is required) and
// updates name, videoPid, audioPid, pcrPid and teletextPid of the channels
// it names by number. Other columns are ignored. Gives the number of
// channels that changed. On any problem nothing of `database` changes; the
// refusal says where ("line 4, videoPid: ...").
Result<int> applyChannelTableCsv(const QByteArray& csv, ReceiverDatabase& database);

}  // namespace dorvane
