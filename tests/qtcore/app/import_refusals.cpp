#include "import_refusals.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>

#include "core/database/blob_shape.h"
#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_import.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace dorvane::test {

namespace {

std::string refusal(const QByteArray& bytes, ImportKind kind, const ReceiverDatabase& database, const char* what,
                    BlobLosses losses = {}) {
    ChannelDataDocument document;
    document.database() = database;
    document.setLosses(std::move(losses));
    const Result<ImportReport> imported = importChannelData(bytes, kind, document);
    return imported.ok() ? std::string("not refused: ") + what : imported.message();
}

// The columns of the table, in the order the export writes them.
enum Column { Number, Name, Satellite, Transponder, Frequency, Polarisation, ServiceId, VideoPid };

using Rows = QList<QStringList>;

Rows csvRows(const ReceiverDatabase& database) {
    Rows rows;
    for (const QString& line : QString::fromUtf8(channelTableCsv(database)).split(QStringLiteral("\r\n")))
        if (!line.isEmpty()) rows << line.split(QLatin1Char(','));
    return rows;
}

QByteArray csvBytes(const Rows& rows) {
    QStringList lines;
    for (const QStringList& row : rows) lines << row.join(QLatin1Char(','));
    return lines.join(QStringLiteral("\r\n")).toUtf8();
}

}  // namespace

std::vector<std::string> csvImportRefusals(const ReceiverDatabase& database) {
    const Rows rows = csvRows(database);
    const QByteArray header = csvBytes(rows.mid(0, 1));
    std::vector<std::string> out{refusal(header + "\r\n1,\x80", ImportKind::Csv, database, "not UTF-8"),
                                 refusal("", ImportKind::Csv, database, "empty"),
                                 refusal(header + "\r\n\"1,a", ImportKind::Csv, database, "open quote"),
                                 refusal("number,name\r\n1,a", ImportKind::Csv, database, "no identity")};
    const std::pair<Column, QString> broken[] = {
        {Satellite, QStringLiteral("x")},       {Frequency, QStringLiteral("x")}, {Polarisation, QStringLiteral("Q")},
        {ServiceId, QStringLiteral("x")},       {Number, QStringLiteral("x")},    {ServiceId, QStringLiteral("65000")},
        {Name, QString(100, QLatin1Char('n'))}, {Name, QStringLiteral("\u20AC")}, {VideoPid, QStringLiteral("x")}};
    for (const auto& [column, value] : broken) {
        Rows changed = rows.mid(0, 2);
        changed[1][column] = value;
        out.push_back(refusal(csvBytes(changed), ImportKind::Csv, database, "a bad field"));
    }
    out.push_back(refusal(csvBytes(rows.mid(0, 2) + rows.mid(1, 1)), ImportKind::Csv, database, "a row twice"));
    // A sound table, but the open file cannot be written back whole.
    BlobLosses losses;
    losses.bytesBehindSections = 7;
    out.push_back(refusal(csvBytes(rows), ImportKind::Csv, database, "a lossy file", losses));
    // Two channels in the same place: a row without a number cannot tell them apart.
    auto twins = std::make_unique<ReceiverDatabase>(database);
    const int first = rows[1][Number].toInt();
    if (twins->duplicateChannel(first) < 0) return out;
    Rows ambiguous = csvRows(*twins).mid(0, 2);
    ambiguous[1][Number].clear();
    out.push_back(refusal(csvBytes(ambiguous), ImportKind::Csv, *twins, "twins"));
    return out;
}

namespace {

using Edit = std::function<void(QJsonObject&)>;

QJsonObject changed(QJsonObject root, const char* section, int index, const char* key, const QJsonValue& value) {
    QJsonArray list = root[QLatin1String(section)].toArray();
    QJsonObject record = list[index].toObject();
    record[QLatin1String(key)] = value;
    list[index] = record;
    root[QLatin1String(section)] = list;
    return root;
}

void set(QJsonObject& root, const char* section, int index, const char* key, const QJsonValue& value) {
    root = changed(root, section, index, key, value);
}

void setHeader(QJsonObject& root, const char* key, const QJsonValue& value) {
    QJsonObject header = root[QLatin1String("header")].toObject();
    header[QLatin1String(key)] = value;
    root[QLatin1String("header")] = header;
}

QJsonValue field(const QJsonObject& root, const char* section, int index, const char* key) {
    return root[QLatin1String(section)].toArray()[index].toObject()[QLatin1String(key)];
}

QJsonArray repeated(const QJsonValue& value, int times) {
    QJsonArray list;
    for (int i = 0; i < times; ++i) list.append(value);
    return list;
}

const Edit kJsonEdits[] = {
    [](QJsonObject& r) { r.remove(QLatin1String("header")); },
    [](QJsonObject& r) {
        QJsonObject header = r[QLatin1String("header")].toObject();
        header.remove(QLatin1String("satelliteCount"));
        r[QLatin1String("header")] = header;
    },
    [](QJsonObject& r) { setHeader(r, "satelliteCount", 100000); },
    [](QJsonObject& r) {
        setHeader(r, "prefixKind", 1);
        setHeader(r, "prefixLength", 300);
    },
    [](QJsonObject& r) { setHeader(r, "channelRecordSize", 10); },
    [](QJsonObject& r) { r[QLatin1String("prefix")] = 5; },
    [](QJsonObject& r) { r[QLatin1String("prefix")] = QStringLiteral("zz"); },
    [](QJsonObject& r) { r[QLatin1String("prefix")] = QStringLiteral("abc"); },
    [](QJsonObject& r) { r[QLatin1String("prefix")] = QStringLiteral("ab"); },
    [](QJsonObject& r) { r[QLatin1String("order")] = QJsonObject(); },
    [](QJsonObject& r) { r[QLatin1String("order")] = repeated(0, 300); },
    [](QJsonObject& r) {
        QJsonArray list = r[QLatin1String("satellites")].toArray();
        list[0] = 5;
        r[QLatin1String("satellites")] = list;
    },
    [](QJsonObject& r) { set(r, "satellites", 1, "slot", field(r, "satellites", 0, "slot")); },
    [](QJsonObject& r) { set(r, "satellites", 0, "name", 5); },
    [](QJsonObject& r) { set(r, "satellites", 0, "name", QString(100, QLatin1Char('n'))); },
    [](QJsonObject& r) { set(r, "satellites", 0, "name", QStringLiteral("\u20AC")); },
    [](QJsonObject& r) { set(r, "satellites", 0, "nameUnterminated", QStringLiteral("yes")); },
    [](QJsonObject& r) { set(r, "satellites", 0, "nameUnterminated", true); },
    [](QJsonObject& r) {
        set(r, "satellites", 0, "name", QString());
        set(r, "satellites", 0, "nameTail", QString(200, QLatin1Char('a')));
    },
    [](QJsonObject& r) { set(r, "transponders", 1, "number", field(r, "transponders", 0, "number")); },
    [](QJsonObject& r) { set(r, "channels", 0, "satellite", field(r, "channels", 0, "satellite").toInt() + 1); },
    [](QJsonObject& r) { set(r, "channels", 0, "frequency", 1); },
    [](QJsonObject& r) { set(r, "channels", 0, "polarisation", QStringLiteral("Q")); },
    [](QJsonObject& r) { set(r, "channels", 1, "number", field(r, "channels", 0, "number")); },
    [](QJsonObject& r) { set(r, "favourites", 1, "group", field(r, "favourites", 0, "group")); },
    [](QJsonObject& r) { set(r, "favourites", 0, "members", repeated(-1, 1000)); },
    [](QJsonObject& r) { set(r, "favourites", 0, "members", repeated(99999, 1)); },
    // Read, but a save would lose the channel: its transponder is not in use.
    [](QJsonObject& r) {
        QJsonObject channel = r[QLatin1String("channels")].toArray()[0].toObject();
        for (const char* key : {"frequency", "polarisation"}) channel.remove(QLatin1String(key));
        channel[QLatin1String("transponder")] = 1999;
        QJsonArray list = r[QLatin1String("channels")].toArray();
        list[0] = channel;
        r[QLatin1String("channels")] = list;
    },
};

}  // namespace

std::vector<std::string> jsonImportRefusals(const ReceiverDatabase& database) {
    const QByteArray json = databaseToJson(database);
    std::vector<std::string> out{refusal("{\"a\": \"\x80\"}", ImportKind::Json, database, "not UTF-8"),
                                 refusal("{\"a\": ", ImportKind::Json, database, "not JSON"),
                                 refusal("[]", ImportKind::Json, database, "no object")};
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    for (const Edit& edit : kJsonEdits) {
        QJsonObject broken = root;
        edit(broken);
        out.push_back(refusal(QJsonDocument(broken).toJson(), ImportKind::Json, database, "a JSON edit"));
    }
    return out;
}

}  // namespace dorvane::test
