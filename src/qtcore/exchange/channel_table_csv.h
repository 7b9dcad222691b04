#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

#include "qtcore/exchange/channel_data_json.h"

namespace dorvane {

class ReceiverDatabase;

// The channel table for spreadsheets: UTF-8, a header row, one row per
// channel in channel-number order, comma separated, quoted where needed.
QByteArray channelTableCsv(const ReceiverDatabase& database);

// What a table import took and what it left.
struct CsvImportReport {
    int rows = 0;                          // data rows read
    int changedChannels = 0;               // channels whose record changed
    std::map<QString, int> changedFields;  // column -> channels it changed
    QStringList ignoredColumns;            // "cas, kind (not imported)", ...
    QString orderNote;                     // rows out of channel order (the order is not taken)
    QStringList notes;                     // per line: channels found elsewhere, values not imported
    // "Applied: ...", "Ignored column: ...", "Ignored: row order ...",
    // "Note: line 7: ..." (at most maxNotes notes, then "Note: N more").
    QStringList lines(int maxNotes = 20) const;
};

// Takes such a table, comma or semicolon separated, UTF-8 with or without
// a byte-order mark, LF or CR LF, with its columns in any order and any of
// its rows (a partial table is fine). Each row finds its channel by what it
// is: satellite, frequency, polarisation and serviceId (all required); the
// number is only a hint (it picks among channels of one identity, and a
// channel found under another number is noted). Updates name, videoPid,
// audioPid, pcrPid and teletextPid; the other columns and the row order are
// reported as ignored. On any problem nothing of `database` changes; the
// refusal says where ("line 4, videoPid: ...", "line 7: no channel has
// ...").
Result<CsvImportReport> applyChannelTableCsv(const QByteArray& csv, ReceiverDatabase& database);

}  // namespace dorvane
