#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

namespace dorvane {

class ReceiverDatabase;

// The database as one JSON object that carries every byte a save writes:
// named fields for what has a meaning, hex strings for the carried bytes
// and for bytes behind a name's NUL. Building a database from it and saving
// gives the same payload as saving the database it came from (the date
// aside). The README lists the keys.
QByteArray databaseToJson(const ReceiverDatabase& database, bool indented = true);

// Builds a database from such JSON into `database`; on any problem nothing
// of `database` changes. A refusal (Error::Corrupt) names the path of the
// first problem and what is wrong, e.g.
// "$.channels[3].videoPid: expected an integer 0..65535".
Status databaseFromJson(const QByteArray& json, ReceiverDatabase& database);

// A refused JSON document or CSV table: what is wrong and where.
Status exchangeRefusal(const QString& problem);

}  // namespace dorvane
