#pragma once

#include <QString>

#include <memory>

#include "core/database/channel_data_document.h"

namespace dorvane::cli {

// The diagnostic lines of unpacking and packing, printed on standard error
// as "dorvane: LINE".
DiagnosticSink printedDiagnostics();

// Opens and unpacks a channel-data file into a new document whose
// diagnostic lines go to `diagnostics` (an empty sink drops them); prints
// the failure on standard error and returns null.
std::unique_ptr<ChannelDataDocument> loadChannelDataFile(const QString& file,
                                                         DiagnosticSink diagnostics = printedDiagnostics());

// Prints on standard error what the document's file holds that was not read
// (and so would not be written back).
void reportNotRead(const ChannelDataDocument& document, const QString& file);

// Checks the database, refuses a read-only document or one whose saving
// would drop channels (printing why on standard error), then packs it and
// replaces `file`, keeping the previous one as NAME.bak. Findings that lose
// nothing are printed as warnings, as are the packing's diagnostic lines.
// Returns false on any refusal or failure.
bool saveChannelDataFile(ChannelDataDocument& document, const QString& file);

std::filesystem::path toPath(const QString& file);

}  // namespace dorvane::cli
