#pragma once

#include <QByteArray>
#include <QString>

namespace dorvane {

class ReceiverDatabase;

// The database as one JSON object that carries every byte a save writes:
// named fields for what has a meaning, hex strings for the carried bytes
// and for bytes behind a name's NUL. Building a database from it and saving
// gives the same payload as saving the database it came from (the date
// aside). The README lists the keys.
QByteArray databaseToJson(const ReceiverDatabase& database, bool indented = true);

struct ExchangeResult {
    bool ok = false;
    // For JSON: the path of the first problem and what is wrong, e.g.
    // "$.channels[3].videoPid: expected an integer 0..65535".
    // For CSV: "line 4, videoPid: ...".
    QString error;
    int changed = 0;  // CSV: channels updated
};

// Builds a database from such JSON into `database`; on any problem nothing
// of `database` changes.
ExchangeResult databaseFromJson(const QByteArray& json, ReceiverDatabase& database);

}  // namespace dorvane
