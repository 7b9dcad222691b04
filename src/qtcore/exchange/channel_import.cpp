#include "qtcore/exchange/channel_import.h"

#include <memory>

#include "core/database/channel_data_document.h"
#include "core/database/integrity_check.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace dorvane {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// The save's own checks on what an import would leave; the reason, or "".
QString unsavable(const ReceiverDatabase& database, const BlobLosses& losses) {
    const std::vector<std::string> reasons = losses.unwritable();
    if (!reasons.empty())
        return QStringLiteral("the file cannot be written back without losing data: ") + text(joinReasons(reasons));
    const auto findings = checkIntegrity(database);
    if (countLosingData(findings) == 0) return {};
    QStringList lines;
    for (const auto& f : findings)
        if (f.losesData) lines << text(f.text);
    return text(lossSummary(findings)) + QLatin1Char(' ') + lines.join(QStringLiteral("; "));
}

}  // namespace

ImportKind importKindOf(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? ImportKind::Csv : ImportKind::Json;
}

Result<ImportReport> importChannelData(const QByteArray& bytes, ImportKind kind, ChannelDataDocument& document) {
    auto database = std::make_unique<ReceiverDatabase>(document.database());
    ImportReport report;
    report.kind = kind;
    BlobLosses losses = document.losses();
    if (kind == ImportKind::Csv) {
        Result<CsvImportReport> applied = applyChannelTableCsv(bytes, *database);
        if (!applied.ok()) return applied.status();
        report.changedChannels = applied->changedChannels;
        report.lines = applied->lines();
    } else {
        if (Status read = databaseFromJson(bytes, *database); !read.ok()) return read;
        // The whole database now comes from the JSON, which is complete.
        losses = {};
    }
    if (const QString reason = unsavable(*database, losses); !reason.isEmpty())
        return Status(Error::ReadOnly, reason.toStdString());
    document.database() = *database;
    document.setLosses(std::move(losses));
    return report;
}

}  // namespace dorvane
