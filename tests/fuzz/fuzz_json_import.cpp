// Imports arbitrary bytes as channel-data JSON into a document that holds
// the demo database, as the editor's "Import..." and `dorvane import` do. A
// refused file must leave the document as it was; an accepted one must pass
// the save's checks, pack, and come back the same through its own JSON.
#include <QByteArray>

#include <cstdint>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/database/integrity_check.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_import.h"

namespace {

using namespace dorvane;

void checkAccepted(const ChannelDataDocument& document, ChannelDataBuffer& buffer) {
    const ReceiverDatabase& db = document.database();
    if (document.isReadOnly()) __builtin_trap();
    if (countLosingData(checkIntegrity(db)) != 0) __builtin_trap();  // the import runs the save's check
    const PackResult packed = packBackup(db, buffer, 1);
    if (packed != PackResult::Ok && packed != PackResult::CompressionFailed) __builtin_trap();
    auto again = std::make_unique<ReceiverDatabase>();
    if (!databaseFromJson(databaseToJson(db, false), *again).ok()) __builtin_trap();
    if (!again->sameTables(db)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* buffer = new ChannelDataBuffer();
    static auto* demo = [] {
        auto* db = new ReceiverDatabase();
        fillDemoDatabase(*db);
        return db;
    }();
    ChannelDataDocument document;
    document.database() = *demo;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Result<ImportReport> imported = importChannelData(bytes, ImportKind::Json, document);
    if (imported.ok()) {
        checkAccepted(document, *buffer);
    } else {
        if (imported.error() != Error::Corrupt && imported.error() != Error::ReadOnly) __builtin_trap();
        if (imported.message().empty()) __builtin_trap();
        if (!document.database().sameTables(*demo)) __builtin_trap();  // a refusal changes nothing
    }
    return 0;
}
