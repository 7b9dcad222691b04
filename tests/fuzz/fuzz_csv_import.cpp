// Imports arbitrary bytes as a channel table into a document that holds the
// demo database, as the editor's "Import..." and `dorvane import` do. A
// refused table must leave the document as it was; an accepted one may
// change only names and PIDs of channels, must say what it applied, and
// its own export applied again must change nothing.
#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "qtcore/exchange/channel_import.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace {

using namespace dorvane;

// Every byte but the name and the four PIDs.
bool sameOutsideTheTable(ChannelRecord a, ChannelRecord b) {
    for (ChannelRecord* c : {&a, &b}) {
        std::memset(c->name, 0, sizeof c->name);
        c->videoPid = c->audioPid = c->pcrPid = c->teletextPid = 0;
    }
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void checkAccepted(const ReceiverDatabase& before, ReceiverDatabase& after, const ImportReport& report) {
    if (report.lines.isEmpty() || !report.lines.front().startsWith(QLatin1String("Applied: "))) __builtin_trap();
    int changed = 0;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& a = before.channel(n);
        const ChannelRecord& b = after.channel(n);
        if (std::memcmp(&a, &b, sizeof a) == 0) continue;
        ++changed;
        if (channelFree(a) || !sameOutsideTheTable(a, b)) __builtin_trap();
    }
    if (changed != report.changedChannels) __builtin_trap();
    ReceiverDatabase channelsAsBefore = after;
    for (int n = 0; n < kChannelSlots; ++n) channelsAsBefore.channel(n) = before.channel(n);
    if (!channelsAsBefore.sameTables(before)) __builtin_trap();  // nothing but channels changed
    const Result<CsvImportReport> again = applyChannelTableCsv(channelTableCsv(after), after);
    if (!again.ok() || again->changedChannels != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* demo = [] {
        auto* db = new ReceiverDatabase();
        fillDemoDatabase(*db);
        return db;
    }();
    ChannelDataDocument document;
    document.database() = *demo;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Result<ImportReport> imported = importChannelData(bytes, ImportKind::Csv, document);
    if (imported.ok()) {
        checkAccepted(*demo, document.database(), imported.value());
    } else {
        if (imported.error() != Error::Corrupt && imported.error() != Error::ReadOnly) __builtin_trap();
        if (imported.message().empty()) __builtin_trap();
        if (!document.database().sameTables(*demo)) __builtin_trap();  // a refusal changes nothing
    }
    return 0;
}
