#include "qtcore/exchange/channel_table_csv.h"

#include <QStringList>

#include <algorithm>
#include <compare>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/database/receiver_database.h"
#include "qtcore/exchange/field_bytes.h"
#include "qtcore/exchange/text_input.h"

namespace dorvane {

namespace {

const QStringList kColumns{QStringLiteral("number"),      QStringLiteral("name"),        QStringLiteral("satellite"),
                           QStringLiteral("transponder"), QStringLiteral("frequency"),   QStringLiteral("polarisation"),
                           QStringLiteral("serviceId"),   QStringLiteral("videoPid"),    QStringLiteral("audioPid"),
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

// RFC 4180 records: fields split at the separator (a comma, or the
// semicolon many spreadsheets write), quotes around fields that hold it,
// quotes or line breaks. Each record remembers its first line.
struct CsvRecord {
    int line;
    QStringList fields;
};

// The separator of the header line: a semicolon when it has more of them
// than commas.
QChar separatorOf(const QString& text) {
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    const QStringView header = QStringView(text).left(end < 0 ? text.size() : end);
    return header.count(QLatin1Char(';')) > header.count(QLatin1Char(',')) ? QLatin1Char(';') : QLatin1Char(',');
}

class CsvParser {
public:
    explicit CsvParser(const QString& text) : text_(text), separator_(separatorOf(text)) {}

    std::vector<CsvRecord> parse(QString& error) {
        for (qsizetype i = 0; i < text_.size(); ++i) {
            if (quoted_)
                inQuotes(i);
            else
                outsideQuotes(i);
        }
        if (quoted_) {
            error = QStringLiteral("line %1: a quoted field is not closed").arg(record_.line);
            return {};
        }
        if (fieldStarted_ || !record_.fields.isEmpty()) endRecord();
        return std::move(records_);
    }

private:
    void inQuotes(qsizetype& i) {
        const QChar c = text_[i];
        if (c == QLatin1Char('"')) {
            if (i + 1 < text_.size() && text_[i + 1] == QLatin1Char('"')) {
                field_ += c;
                ++i;
            } else {
                quoted_ = false;
            }
            return;
        }
        if (c == QLatin1Char('\n')) ++line_;
        field_ += c;
    }
    void outsideQuotes(qsizetype i) {
        const QChar c = text_[i];
        if (c == QLatin1Char('"') && !fieldStarted_) {
            quoted_ = true;
            fieldStarted_ = true;
        } else if (c == separator_) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            ++line_;
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field_ += c;
            fieldStarted_ = true;
        }
    }
    void endField() {
        record_.fields << field_;
        field_.clear();
        fieldStarted_ = false;
    }
    void endRecord() {
        endField();
        const bool empty = std::all_of(record_.fields.cbegin(), record_.fields.cend(),
                                       [](const QString& f) { return f.trimmed().isEmpty(); });
        if (!empty) records_.push_back(record_);
        record_ = {line_, {}};
    }

    const QString& text_;
    QChar separator_;
    std::vector<CsvRecord> records_;
    CsvRecord record_{1, {}};
    QString field_;
    bool quoted_ = false;
    bool fieldStarted_ = false;
    int line_ = 1;
};

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

namespace {

// Where a channel is: its satellite number, transponder frequency and
// polarisation and its service id. The key a row finds its channel by.
struct Identity {
    int satellite;
    int frequency;
    bool horizontal;
    int serviceId;
    auto operator<=>(const Identity&) const = default;
};

QString identityText(const Identity& id) {
    return QStringLiteral("satellite %1, %2 MHz %3, service id %4")
        .arg(id.satellite)
        .arg(id.frequency)
        .arg(id.horizontal ? QStringLiteral("H(L)") : QStringLiteral("V(R)"))
        .arg(id.serviceId);
}

// Refused: what is wrong, and where.
struct Refusal {
    QString text;
};

const QStringList kIdentityColumns{QStringLiteral("satellite"), QStringLiteral("frequency"),
                                   QStringLiteral("polarisation"), QStringLiteral("serviceId")};
const QStringList kAppliedColumns{QStringLiteral("name"), QStringLiteral("videoPid"), QStringLiteral("audioPid"),
                                  QStringLiteral("pcrPid"), QStringLiteral("teletextPid")};
const QStringList kShownColumns{QStringLiteral("transponder"), QStringLiteral("cas"), QStringLiteral("kind")};

class TableImport {
public:
    TableImport(const std::vector<CsvRecord>& records, ReceiverDatabase& db) : records_(records), db_(db) {}

    CsvImportReport run() {
        readHeader();
        indexChannels();
        for (std::size_t r = 1; r < records_.size(); ++r) applyRow(records_[r]);
        report_.rows = static_cast<int>(records_.size()) - 1;
        return std::move(report_);
    }

private:
    using Row = const CsvRecord&;

    void readHeader() {
        const QStringList& names = records_.front().fields;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString name = names[i].trimmed();
            QString known;
            for (const QString& k : kColumns)
                if (k.compare(name, Qt::CaseInsensitive) == 0) known = k;
            if (known.isEmpty()) {
                report_.ignoredColumns << QStringLiteral("%1 (not a column of the table)").arg(name);
                continue;
            }
            column_[known] = i;
        }
        for (const QString& k : kIdentityColumns) {
            if (!column_.count(k))
                throw Refusal{
                    QStringLiteral("line 1: no \"%1\" column; a row finds its channel by satellite, frequency, "
                                   "polarisation and serviceId")
                        .arg(k)};
        }
        auto present = [&](const QStringList& list) {
            QStringList found;
            for (const QString& k : list)
                if (column_.count(k)) found << k;
            return found;
        };
        report_.ignoredColumns.prepend(present(kIdentityColumns).join(QStringLiteral(", ")) +
                                       QStringLiteral(" (they find the channel; not changed)"));
        if (column_.count(QStringLiteral("number")))
            report_.ignoredColumns << QStringLiteral("number (a hint where the channel stands; not changed)");
        const QStringList shown = present(kShownColumns);
        if (!shown.isEmpty())
            report_.ignoredColumns << shown.join(QStringLiteral(", ")) + QStringLiteral(" (not imported)");
    }

    void indexChannels() {
        for (int n = 0; n < kChannelSlots; ++n) {
            const ChannelRecord& c = db_.channel(n);
            if (channelFree(c)) continue;
            const TransponderRecord& tp = db_.transponder(c.transponder);
            byIdentity_[{c.satellite + 1, tp.frequency, tp.polarisation != 0, c.serviceId}].push_back(n);
        }
    }

    std::optional<QString> value(Row row, const QString& name) const {
        const auto found = column_.find(name);
        if (found == column_.end() || found->second >= row.fields.size()) return std::nullopt;
        return row.fields[found->second];
    }
    QString where(Row row, const QString& name) const {
        return QStringLiteral("line %1, %2: ").arg(row.line).arg(name);
    }

    int integer(Row row, const QString& name, int min, int max, const QString& expected) const {
        bool ok = false;
        const int v = value(row, name).value_or(QString()).trimmed().toInt(&ok);
        if (!ok || v < min || v > max) throw Refusal{where(row, name) + expected};
        return v;
    }

    Identity identity(Row row) const {
        Identity id{};
        id.satellite = integer(row, QStringLiteral("satellite"), 1, kEditableSatellites,
                               QStringLiteral("expected a satellite number 1..163"));
        id.frequency =
            integer(row, QStringLiteral("frequency"), 0, 65535, QStringLiteral("expected an integer 0..65535"));
        const QString pol = value(row, QStringLiteral("polarisation")).value_or(QString()).trimmed().toUpper();
        if (pol.startsWith(QLatin1Char('H')) || pol.startsWith(QLatin1Char('L')))
            id.horizontal = true;
        else if (!pol.startsWith(QLatin1Char('V')) && !pol.startsWith(QLatin1Char('R')))
            throw Refusal{where(row, QStringLiteral("polarisation")) + QStringLiteral("expected V(R) or H(L)")};
        id.serviceId =
            integer(row, QStringLiteral("serviceId"), 0, 65535, QStringLiteral("expected an integer 0..65535"));
        return id;
    }

    // The number column as a hint: -1 when absent or empty.
    int numberHint(Row row) const {
        const QString text = value(row, QStringLiteral("number")).value_or(QString()).trimmed();
        if (text.isEmpty()) return -1;
        return integer(row, QStringLiteral("number"), 0, kChannelSlots - 1,
                       QStringLiteral("expected a channel number 0..4999"));
    }

    int findChannel(Row row) {
        const Identity id = identity(row);
        const int hint = numberHint(row);
        const auto found = byIdentity_.find(id);
        if (found == byIdentity_.end())
            throw Refusal{QStringLiteral("line %1: no channel has %2; the channel data changed since the table was "
                                         "made, or the row was edited there")
                              .arg(row.line)
                              .arg(identityText(id))};
        const std::vector<int>& candidates = found->second;
        if (std::find(candidates.begin(), candidates.end(), hint) != candidates.end()) return hint;
        if (candidates.size() > 1) {
            QStringList numbers;
            for (int n : candidates) numbers << QString::number(n);
            throw Refusal{QStringLiteral("line %1: channels %2 all have %3; the number column must name one of them")
                              .arg(row.line)
                              .arg(numbers.join(QStringLiteral(", ")))
                              .arg(identityText(id))};
        }
        const int channel = candidates.front();
        if (hint >= 0)
            report_.notes << QStringLiteral(
                                 "line %1: number %2 is channel %3 now (found by its satellite, frequency, "
                                 "polarisation and service id)")
                                 .arg(row.line)
                                 .arg(hint)
                                 .arg(channel);
        return channel;
    }

    void applyName(Row row, ChannelRecord& c) {
        const auto name = value(row, QStringLiteral("name"));
        // An unchanged name keeps every byte of its field.
        if (!name || *name == splitField(c.name, sizeof c.name).text) return;
        if (const auto problem = joinField(*name, {}, c.name, sizeof c.name))
            throw Refusal{where(row, QStringLiteral("name")) + *problem};
        ++report_.changedFields[QStringLiteral("name")];
    }

    void applyPids(Row row, ChannelRecord& c) {
        const std::pair<const char*, std::uint16_t ChannelRecord::*> pids[] = {
            {"videoPid", &ChannelRecord::videoPid},
            {"audioPid", &ChannelRecord::audioPid},
            {"pcrPid", &ChannelRecord::pcrPid},
            {"teletextPid", &ChannelRecord::teletextPid}};
        for (const auto& [key, member] : pids) {
            const QString name = QLatin1String(key);
            if (!value(row, name)) continue;
            const auto pid = static_cast<std::uint16_t>(
                integer(row, name, 0, 65535, QStringLiteral("expected an integer 0..65535")));
            if (c.*member == pid) continue;
            c.*member = pid;
            ++report_.changedFields[name];
        }
    }

    // Values of columns that are not imported are said when they differ.
    void noteIgnoredValues(Row row, int channel) {
        const ChannelRecord& c = db_.channel(channel);
        const std::pair<QString, QString> shown[] = {{QStringLiteral("transponder"), QString::number(c.transponder)},
                                                     {QStringLiteral("cas"), QString::fromStdString(casText(c.cas))},
                                                     {QStringLiteral("kind"), QLatin1String(kindName(c))}};
        for (const auto& [name, current] : shown) {
            const auto given = value(row, name);
            if (!given || given->trimmed() == current) continue;
            report_.notes << where(row, name) + QStringLiteral("\"%1\" differs from the channel's \"%2\": not imported")
                                                    .arg(given->trimmed(), current);
        }
    }

    void noteOrder(Row row, int channel) {
        if (previous_ >= 0 && channel < previous_ && report_.orderNote.isEmpty())
            report_.orderNote = QStringLiteral(
                                    "row order: line %1 (channel %2) stands after channel %3; the channels "
                                    "keep their numbers (Move in the editor changes the order)")
                                    .arg(row.line)
                                    .arg(channel)
                                    .arg(previous_);
        previous_ = channel;
    }

    void applyRow(Row row) {
        const int channel = findChannel(row);
        const auto seen = lineOf_.find(channel);
        if (seen != lineOf_.end())
            throw Refusal{QStringLiteral("line %1: channel %2 given twice (line %3)")
                              .arg(row.line)
                              .arg(channel)
                              .arg(seen->second)};
        lineOf_[channel] = row.line;
        noteOrder(row, channel);
        noteIgnoredValues(row, channel);
        ChannelRecord& c = db_.channel(channel);
        const ChannelRecord before = c;
        applyName(row, c);
        applyPids(row, c);
        if (std::memcmp(&before, &c, sizeof c) != 0) ++report_.changedChannels;
    }

    const std::vector<CsvRecord>& records_;
    ReceiverDatabase& db_;
    std::map<QString, qsizetype> column_;
    std::map<Identity, std::vector<int>> byIdentity_;
    std::map<int, int> lineOf_;  // channel -> the line that named it
    int previous_ = -1;
    CsvImportReport report_;
};

}  // namespace

Result<CsvImportReport> applyChannelTableCsv(const QByteArray& csv, ReceiverDatabase& database) {
    Result<QString> text = decodeImportText(csv);
    if (!text.ok()) return text.status();
    QString error;
    const std::vector<CsvRecord> records = CsvParser(text.value()).parse(error);
    if (!error.isEmpty()) return exchangeRefusal(error);
    if (records.empty()) return exchangeRefusal(QStringLiteral("line 1: no header row"));
    auto db = std::make_unique<ReceiverDatabase>(database);
    try {
        CsvImportReport report = TableImport(records, *db).run();
        database = *db;
        return report;
    } catch (const Refusal& refusal) {
        return exchangeRefusal(refusal.text);
    }
}

QStringList CsvImportReport::lines(int maxNotes) const {
    QStringList out;
    QStringList fields;
    for (const auto& [name, count] : changedFields) fields << QStringLiteral("%1 %2").arg(name).arg(count);
    out << QStringLiteral("Applied: %1 of %2 rows changed a channel%3")
               .arg(changedChannels)
               .arg(rows)
               .arg(fields.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(fields.join(QStringLiteral(", "))));
    for (const QString& column : ignoredColumns) out << QStringLiteral("Ignored column: ") + column;
    if (!orderNote.isEmpty()) out << QStringLiteral("Ignored: ") + orderNote;
    const qsizetype shown = std::min<qsizetype>(notes.size(), maxNotes);
    for (qsizetype i = 0; i < shown; ++i) out << QStringLiteral("Note: ") + notes[i];
    if (notes.size() > shown) out << QStringLiteral("Note: %1 more").arg(notes.size() - shown);
    return out;
}

}  // namespace dorvane
