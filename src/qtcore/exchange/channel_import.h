#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/common/result.h"

namespace dorvane {

class ChannelDataDocument;

// The two kinds of import file, told by the file name: ".csv" is the
// channel table, anything else the JSON of the whole database.
enum class ImportKind { Json, Csv };
ImportKind importKindOf(const QString& fileName);

// What an import did, for the operator: the window shows these lines and
// `dorvane import` prints them, the same for the same file.
struct ImportReport {
    ImportKind kind = ImportKind::Json;
    int changedChannels = 0;  // a table's changed channels
    QStringList lines;        // "Applied: ...", "Ignored column: ...", ...
};

// The one import of the window and the command line: reads the file's
// bytes into the document's database (a JSON replaces it whole and makes the
// document complete again; a table updates the channels it finds) and then
// runs the checks a save runs, so that nothing is taken that could not be
// saved: a document whose file cannot be written back, or data whose saving
// would drop channels (one on a transponder that is not in use, say), is
// refused with the reason. On a refusal (Error::Corrupt for bad input,
// Error::ReadOnly for what could not be saved) the document is unchanged.
Result<ImportReport> importChannelData(const QByteArray& bytes, ImportKind kind, ChannelDataDocument& document);

}  // namespace dorvane
