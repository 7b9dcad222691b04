#include "exchange/channel_table_csv.h"

#include <QStringList>

#include <cstring>
#include <map>
#include <optional>
#include <memory>
#include <vector>

#include "database/receiver_database.h"
#include "exchange/field_bytes.h"

namespace dorvane {

namespace {

const QStringList kColumns{QStringLiteral("number"),      QStringLiteral("name"),     QStringLiteral("satellite"),
                           QStringLiteral("transponder"), QStringLiteral("frequency"), QStringLiteral("polarisation"),
                           QStringLiteral("serviceId"),   QStringLiteral("videoPid"), QStringLiteral("audioPid"),
                           QStringLiteral("pcrPid"),      QStringLiteral("teletextPid"), QStringLiteral("cas"),
                           QStringLiteral("kind")};

QString cell(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')) && text.trimmed() == text)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

const char* kindName(const ChannelRecord& c) {
    switch (channelKind(c)) {
    case kKindTv: return "tv";
    case kKindRadio: return "radio";
    default: return "other";
    }
}

// RFC 4180 records: fields split at commas, quotes around fields that hold
// commas, quotes or line breaks. Each record remembers its first line.
struct CsvRecord {
    int line;
    QStringList fields;
};

std::vector<CsvRecord> parseCsv(const QString& text, QString& error) {
    std::vector<CsvRecord> records;
    CsvRecord record{1, {}};
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    auto endField = [&] {
        record.fields << field;
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        if (!(record.fields.size() == 1 && record.fields.front().isEmpty())) records.push_back(record);
        record = {line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n')) ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\r')) {
            continue;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        error = QStringLiteral("line %1: a quoted field is not closed").arg(record.line);
        return {};
    }
    if (fieldStarted || !record.fields.isEmpty()) endRecord();
    return records;
}

}  // namespace

QByteArray channelTableCsv(const ReceiverDatabase& db) {
    QString text = kColumns.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (channelFree(c)) continue;
        const TransponderRecord& tp = db.transponder(c.transponder);
        const QStringList row{QString::number(n),
                              cell(splitField(c.name, sizeof c.name).text),
                              QString::number(c.satellite + 1),
                              QString::number(c.transponder),
                              QString::number(tp.frequency),
                              QString::fromLatin1(polarisationText(tp.polarisation).data()),
                              QString::number(c.serviceId),
                              QString::number(c.videoPid),
                              QString::number(c.audioPid),
                              QString::number(c.pcrPid),
                              QString::number(c.teletextPid),
                              QString::fromStdString(casText(c.cas)),
                              QLatin1String(kindName(c))};
        text += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

Result<int> applyChannelTableCsv(const QByteArray& csv, ReceiverDatabase& database) {
    QByteArray bytes = csv;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) return exchangeRefusal(QStringLiteral("line 1: the table is not UTF-8 text"));
    QString error;
    const std::vector<CsvRecord> records = parseCsv(text, error);
    if (!error.isEmpty()) return exchangeRefusal(error);
    if (records.empty()) return exchangeRefusal(QStringLiteral("line 1: no header row"));

    std::map<QString, qsizetype> column;
    for (qsizetype i = 0; i < records.front().fields.size(); ++i) column[records.front().fields[i].trimmed()] = i;
    if (!column.count(QStringLiteral("number"))) return exchangeRefusal(QStringLiteral("line 1: no \"number\" column"));

    auto db = std::make_unique<ReceiverDatabase>(database);
    std::vector<bool> seen(kChannelSlots);
    int changed = 0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        auto where = [&](const QString& name) { return QStringLiteral("line %1, %2: ").arg(record.line).arg(name); };
        auto value = [&](const QString& name) -> std::optional<QString> {
            const auto found = column.find(name);
            if (found == column.end() || found->second >= record.fields.size()) return std::nullopt;
            return record.fields[found->second];
        };
        bool ok = false;
        const int number = value(QStringLiteral("number")).value_or(QString()).trimmed().toInt(&ok);
        if (!ok || number < 0 || number >= kChannelSlots)
            return exchangeRefusal(where(QStringLiteral("number")) +
                                   QStringLiteral("expected a channel number 0..4999"));
        ChannelRecord& c = db->channel(number);
        if (channelFree(c))
            return exchangeRefusal(where(QStringLiteral("number")) +
                                   QStringLiteral("channel %1 holds no channel").arg(number));
        if (seen[static_cast<std::size_t>(number)])
            return exchangeRefusal(where(QStringLiteral("number")) +
                                   QStringLiteral("channel %1 given twice").arg(number));
        seen[static_cast<std::size_t>(number)] = true;
        const ChannelRecord before = c;

        if (const auto name = value(QStringLiteral("name"))) {
            // An unchanged name keeps every byte of its field.
            if (*name != splitField(c.name, sizeof c.name).text) {
                if (const auto problem = joinField(*name, {}, c.name, sizeof c.name))
                    return exchangeRefusal(where(QStringLiteral("name")) + *problem);
            }
        }
        const std::pair<const char*, std::uint16_t ChannelRecord::*> pids[] = {
            {"videoPid", &ChannelRecord::videoPid},
            {"audioPid", &ChannelRecord::audioPid},
            {"pcrPid", &ChannelRecord::pcrPid},
            {"teletextPid", &ChannelRecord::teletextPid}};
        for (const auto& [key, member] : pids) {
            const QString name = QLatin1String(key);
            const auto given = value(name);
            if (!given) continue;
            const int pid = given->trimmed().toInt(&ok);
            if (!ok || pid < 0 || pid > 65535)
                return exchangeRefusal(where(name) + QStringLiteral("expected an integer 0..65535"));
            c.*member = static_cast<std::uint16_t>(pid);
        }
        if (std::memcmp(&before, &c, sizeof c) != 0) ++changed;
    }
    database = *db;
    return changed;
}

}  // namespace dorvane
