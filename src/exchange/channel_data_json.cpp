#include "exchange/channel_data_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cstring>
#include <memory>
#include <vector>

#include "database/backup_blob.h"
#include "database/blob_shape.h"
#include "database/receiver_database.h"
#include "exchange/field_bytes.h"

namespace dorvane {

namespace {

QString hex(const void* bytes, std::size_t size) {
    return QString::fromLatin1(QByteArray(static_cast<const char*>(bytes), static_cast<qsizetype>(size)).toHex());
}

const char* kindName(const ChannelRecord& c) {
    switch (channelKind(c)) {
    case kKindTv: return "tv";
    case kKindRadio: return "radio";
    default: return "other";
    }
}

ChannelRecord blankChannel() {
    ChannelRecord c;
    std::memset(&c, 0, sizeof c);
    c.lead = 0x80;
    setFixedText(c.name, "----");
    return c;
}

bool allZero(const void* bytes, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    for (std::size_t i = 0; i < size; ++i)
        if (p[i] != 0) return false;
    return true;
}

void putName(QJsonObject& o, const char* key, const char* tailKey, const char* field, std::size_t size) {
    const FieldText name = splitField(field, size);
    o.insert(QLatin1String(key), name.text);
    if (!name.tail.isEmpty()) o.insert(QLatin1String(tailKey), QString::fromLatin1(name.tail.toHex()));
}

QJsonObject headerJson(const BackupHeader& h) {
    return QJsonObject{
        {"magic", QString::fromLatin1(h.magic, static_cast<qsizetype>(strnlen(h.magic, sizeof h.magic)))},
        {"payloadSize", static_cast<qint64>(h.payloadSize)},
        {"prefixLength", h.prefixLength},
        {"favoriteSectionSize", h.favoriteSectionSize},
        {"favoriteNamesSize", h.favoriteNamesSize},
        {"date", h.date},
        {"satelliteRecordSize", h.satelliteRecordSize},
        {"satelliteCount", h.satelliteCount},
        {"transponderRecordSize", h.transponderRecordSize},
        {"transponderCount", h.transponderCount},
        {"channelRecordSize", h.channelRecordSize},
        {"channelCount", h.channelCount},
        {"prefixKind", h.prefixKind},
        {"carried29", h.carried29},
        {"reserved", h.reserved},
    };
}

// The prefix bytes a save writes.
std::size_t prefixBytes(const BackupHeader& h) {
    return h.prefixKind == 1 ? std::min<std::size_t>(h.prefixLength, kPrefixStoreSize) : kKind0PrefixLength;
}

int satellitesWritten(const BackupHeader& h) { return std::min<int>(h.satelliteCount, kSatelliteSlots); }

}  // namespace

QByteArray databaseToJson(const ReceiverDatabase& db, bool indented) {
    const BackupHeader& h = db.storedHeader();
    const int satelliteCount = satellitesWritten(h);

    QJsonArray order;
    int lastOrder = satelliteCount - 1;
    while (lastOrder >= 0 && db.orderEntry(lastOrder) == 0) --lastOrder;
    for (int i = 0; i <= lastOrder; ++i) order.append(db.orderEntry(i));

    QJsonArray satellites;
    for (int s = 0; s < satelliteCount; ++s) {
        const SatelliteRecord& r = db.satellite(s);
        if (allZero(&r, sizeof r)) continue;
        QJsonObject o{{"slot", s}};
        putName(o, "name", "nameTail", r.name, sizeof r.name);
        o.insert("location", r.location);
        o.insert("tone22k", r.tone22k);
        o.insert("diseqcType", r.diseqcType);
        o.insert("diseqcPort", r.diseqcPort);
        o.insert("lnbPower", r.lnbPower);
        o.insert("lnbFrequency", r.lnbFrequency);
        o.insert("lnbFrequencyChoice", r.lnbFrequencyChoice);
        o.insert("lnbType", r.lnbType);
        o.insert("dishPosition", r.dishPosition);
        o.insert("channelMark", r.channelMark);
        o.insert("carried18", r.carried18);
        o.insert("carried20", r.carried20);
        o.insert("carried30", hex(r.carried30, sizeof r.carried30));
        satellites.append(o);
    }

    QJsonArray transponders;
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& r = db.transponder(t);
        if (allZero(&r, sizeof r)) continue;
        transponders.append(QJsonObject{{"number", t},
                                        {"satellite", r.satellite},
                                        {"polarisation", r.polarisation},
                                        {"frequency", r.frequency},
                                        {"symbolRate", r.symbolRate},
                                        {"fec", r.fec},
                                        {"transmission", r.transmission},
                                        {"modulation", r.modulation},
                                        {"carried6", r.carried6},
                                        {"carried8", r.carried8},
                                        {"carried10", r.carried10},
                                        {"carried12", hex(r.carried12, sizeof r.carried12)}});
    }

    const ChannelRecord blank = blankChannel();
    QJsonArray channels;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& r = db.channel(n);
        if (std::memcmp(&r, &blank, sizeof r) == 0) continue;
        QJsonObject o{{"number", n}};
        putName(o, "name", "nameTail", r.name, sizeof r.name);
        o.insert("transponder", r.transponder);
        o.insert("satellite", r.satellite);
        o.insert("serviceId", r.serviceId);
        o.insert("videoPid", r.videoPid);
        o.insert("audioPid", r.audioPid);
        o.insert("pcrPid", r.pcrPid);
        o.insert("teletextPid", r.teletextPid);
        o.insert("videoType", r.videoType);
        o.insert("cas", QString::fromStdString(casText(r.cas)));
        o.insert("casWord", r.cas);
        o.insert("flags", r.flags);
        o.insert("kind", QLatin1String(kindName(r)));
        o.insert("lead", r.lead);
        o.insert("word20", r.word20);
        o.insert("carried30", r.carried30);
        o.insert("carried34", r.carried34);
        channels.append(o);
    }

    QJsonArray favourites;
    for (int g = 0; g < kFavoriteGroups; ++g) {
        int last = kGroupSlots - 1;
        while (last >= 0 && db.groupSlot(g, last) < 0) --last;
        QJsonArray members;
        for (int s = 0; s <= last; ++s) members.append(db.groupSlot(g, s) < 0 ? -1 : db.groupSlot(g, s));
        const auto* names = reinterpret_cast<const char*>(db.groupNameBytes().data()) + g * 2 * kGroupNameSize;
        QJsonObject o{{"group", g}};
        putName(o, "tvName", "tvNameTail", names, kGroupNameSize);
        putName(o, "radioName", "radioNameTail", names + kGroupNameSize, kGroupNameSize);
        o.insert("members", members);
        favourites.append(o);
    }

    QJsonObject root{{"header", headerJson(h)},
                     {"prefix", hex(db.prefix().data(), prefixBytes(h))},
                     {"order", order},
                     {"satellites", satellites},
                     {"transponders", transponders},
                     {"channels", channels},
                     {"favourites", favourites}};
    return QJsonDocument(root).toJson(indented ? QJsonDocument::Indented : QJsonDocument::Compact);
}

// ---- reading -------------------------------------------------------------------

namespace {

// The first problem found, with the JSON path of the value.
struct Problem {
    QString text;
};

class JsonReader {
public:
    [[noreturn]] static void fail(const QString& path, const QString& what) { throw Problem{path + ": " + what}; }

    static QJsonObject object(const QJsonValue& v, const QString& path) {
        if (!v.isObject()) fail(path, QStringLiteral("expected an object"));
        return v.toObject();
    }
    static QJsonArray array(const QJsonObject& o, const char* key, const QString& path, bool required = true) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required) return {};
        if (!v.isArray()) fail(path + '.' + QLatin1String(key), QStringLiteral("expected an array"));
        return v.toArray();
    }
    static qint64 integer(const QJsonValue& v, const QString& path, qint64 min, qint64 max) {
        const double d = v.toDouble(0.5);
        if (!v.isDouble() || d != static_cast<double>(static_cast<qint64>(d)) || d < static_cast<double>(min) ||
            d > static_cast<double>(max))
            fail(path, QStringLiteral("expected an integer %1..%2").arg(min).arg(max));
        return static_cast<qint64>(d);
    }
    static qint64 integer(const QJsonObject& o, const char* key, const QString& path, qint64 min, qint64 max) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) fail(path + '.' + QLatin1String(key), QStringLiteral("missing"));
        return integer(v, path + '.' + QLatin1String(key), min, max);
    }
    static qint64 optionalInteger(const QJsonObject& o, const char* key, const QString& path, qint64 min, qint64 max,
                                  qint64 fallback) {
        return o.contains(QLatin1String(key)) ? integer(o, key, path, min, max) : fallback;
    }
    static QString string(const QJsonObject& o, const char* key, const QString& path) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) fail(path + '.' + QLatin1String(key), QStringLiteral("expected a string"));
        return v.toString();
    }
    static QByteArray hexBytes(const QJsonObject& o, const char* key, const QString& path, int size, bool required) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required) return {};
        const QString p = path + '.' + QLatin1String(key);
        if (!v.isString()) fail(p, QStringLiteral("expected a string of hex digits"));
        const QString text = v.toString();
        for (const QChar c : text)
            if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
                fail(p, QStringLiteral("expected hex digits"));
        if (text.size() % 2 != 0) fail(p, QStringLiteral("expected an even number of hex digits"));
        const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
        if (size >= 0 && bytes.size() != size) fail(p, QStringLiteral("expected %1 bytes").arg(size));
        return bytes;
    }
    static void name(const QJsonObject& o, const char* key, const char* tailKey, const QString& path, char* field,
                     std::size_t size) {
        const QString text = string(o, key, path);
        const QByteArray tail = hexBytes(o, tailKey, path, -1, false);
        if (const auto problem = joinField(text, tail, field, size)) fail(path + '.' + QLatin1String(key), *problem);
    }
};

using R = JsonReader;

QString at(const QString& path, qsizetype index) { return path + QStringLiteral("[%1]").arg(index); }

void readHeader(const QJsonObject& root, ReceiverDatabase& db) {
    const QString path = QStringLiteral("$.header");
    const QJsonObject o = R::object(root.value(QLatin1String("header")), path);
    BackupHeader h = receiverShapedHeader();
    h.prefixKind = static_cast<std::uint8_t>(R::integer(o, "prefixKind", path, 0, 1));
    h.satelliteCount = static_cast<std::uint16_t>(R::integer(o, "satelliteCount", path, 0, kSatelliteSlots));
    h.carried29 = static_cast<std::uint8_t>(R::optionalInteger(o, "carried29", path, 0, 255, 0));
    h.prefixLength = static_cast<std::uint16_t>(R::optionalInteger(o, "prefixLength", path, 0, 65535, kKind0PrefixLength));
    h.date = static_cast<std::uint16_t>(R::optionalInteger(o, "date", path, 0, 65535, 0));
    h.payloadSize = static_cast<std::uint32_t>(R::optionalInteger(o, "payloadSize", path, 0, 0xFFFFFFFF, h.payloadSize));
    h.satelliteRecordSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "satelliteRecordSize", path, 0, 65535, h.satelliteRecordSize));
    h.transponderRecordSize = static_cast<std::uint16_t>(
        R::optionalInteger(o, "transponderRecordSize", path, 0, 65535, h.transponderRecordSize));
    h.transponderCount =
        static_cast<std::uint16_t>(R::optionalInteger(o, "transponderCount", path, 0, 65535, h.transponderCount));
    h.channelRecordSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "channelRecordSize", path, 0, 65535, h.channelRecordSize));
    h.channelCount = static_cast<std::uint16_t>(R::optionalInteger(o, "channelCount", path, 0, 65535, h.channelCount));
    h.favoriteSectionSize = static_cast<std::uint16_t>(
        R::optionalInteger(o, "favoriteSectionSize", path, 0, 65535, h.favoriteSectionSize));
    h.favoriteNamesSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "favoriteNamesSize", path, 0, 65535, h.favoriteNamesSize));
    h.reserved = static_cast<std::uint16_t>(R::optionalInteger(o, "reserved", path, 0, 65535, 0));
    if (h.prefixKind == 1 && h.prefixLength > kPrefixStoreSize)
        R::fail(path + QStringLiteral(".prefixLength"), QStringLiteral("a kind-1 prefix holds at most 272 bytes"));
    const auto shape = unwritableShape(h);
    if (!shape.empty())
        R::fail(path, QStringLiteral("this data cannot be written back whole: ") + QString::fromStdString(shape.front()));
    db.storedHeader() = h;

    const QByteArray prefix =
        R::hexBytes(root, "prefix", QStringLiteral("$"), static_cast<int>(prefixBytes(h)), true);
    std::memcpy(db.prefix().data(), prefix.constData(), static_cast<std::size_t>(prefix.size()));
}

void readOrder(const QJsonObject& root, ReceiverDatabase& db) {
    const QString path = QStringLiteral("$.order");
    const QJsonArray order = R::array(root, "order", QStringLiteral("$"));
    const int count = satellitesWritten(db.storedHeader());
    if (order.size() > count) R::fail(path, QStringLiteral("more entries than the header's satelliteCount (%1)").arg(count));
    for (qsizetype i = 0; i < order.size(); ++i)
        db.orderEntry(static_cast<int>(i)) = static_cast<std::uint8_t>(R::integer(order[i], at(path, i), 0, 255));
}

void readSatellites(const QJsonObject& root, ReceiverDatabase& db) {
    const QString base = QStringLiteral("$.satellites");
    const QJsonArray list = R::array(root, "satellites", QStringLiteral("$"));
    const int count = satellitesWritten(db.storedHeader());
    std::vector<bool> seen(kSatelliteSlots);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = at(base, i);
        const QJsonObject o = R::object(list[i], path);
        const int slot = static_cast<int>(R::integer(o, "slot", path, 0, count - 1));
        if (seen[static_cast<std::size_t>(slot)]) R::fail(path + QStringLiteral(".slot"), QStringLiteral("given twice"));
        seen[static_cast<std::size_t>(slot)] = true;
        SatelliteRecord& r = db.satellite(slot);
        R::name(o, "name", "nameTail", path, r.name, sizeof r.name);
        r.location = static_cast<std::int16_t>(R::integer(o, "location", path, -32768, 32767));
        auto byte = [&](const char* key) { return static_cast<std::uint8_t>(R::integer(o, key, path, 0, 255)); };
        r.tone22k = byte("tone22k");
        r.diseqcType = byte("diseqcType");
        r.diseqcPort = byte("diseqcPort");
        r.lnbPower = byte("lnbPower");
        r.lnbFrequency = static_cast<std::uint16_t>(R::integer(o, "lnbFrequency", path, 0, 65535));
        r.lnbFrequencyChoice = byte("lnbFrequencyChoice");
        r.lnbType = byte("lnbType");
        r.dishPosition = byte("dishPosition");
        r.channelMark = static_cast<std::uint8_t>(R::optionalInteger(o, "channelMark", path, 0, 255, 0));
        r.carried18 = static_cast<std::uint8_t>(R::optionalInteger(o, "carried18", path, 0, 255, 0));
        r.carried20 = static_cast<std::uint8_t>(R::optionalInteger(o, "carried20", path, 0, 255, 0));
        const QByteArray carried30 = R::hexBytes(o, "carried30", path, 2, false);
        if (!carried30.isEmpty()) std::memcpy(r.carried30, carried30.constData(), 2);
    }
}

void readTransponders(const QJsonObject& root, ReceiverDatabase& db) {
    const QString base = QStringLiteral("$.transponders");
    const QJsonArray list = R::array(root, "transponders", QStringLiteral("$"));
    std::vector<bool> seen(kTransponderSlots);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = at(base, i);
        const QJsonObject o = R::object(list[i], path);
        const int number = static_cast<int>(R::integer(o, "number", path, 0, kTransponderSlots - 1));
        if (seen[static_cast<std::size_t>(number)])
            R::fail(path + QStringLiteral(".number"), QStringLiteral("given twice"));
        seen[static_cast<std::size_t>(number)] = true;
        TransponderRecord& r = db.transponder(number);
        auto byte = [&](const char* key) { return static_cast<std::uint8_t>(R::integer(o, key, path, 0, 255)); };
        auto optionalByte = [&](const char* key) {
            return static_cast<std::uint8_t>(R::optionalInteger(o, key, path, 0, 255, 0));
        };
        r.satellite = byte("satellite");
        r.polarisation = byte("polarisation");
        r.frequency = static_cast<std::uint16_t>(R::integer(o, "frequency", path, 0, 65535));
        r.symbolRate = static_cast<std::uint16_t>(R::integer(o, "symbolRate", path, 0, 65535));
        r.fec = byte("fec");
        r.transmission = byte("transmission");
        r.modulation = byte("modulation");
        r.carried6 = optionalByte("carried6");
        r.carried8 = optionalByte("carried8");
        r.carried10 = optionalByte("carried10");
        const QByteArray carried12 = R::hexBytes(o, "carried12", path, 4, false);
        if (!carried12.isEmpty()) std::memcpy(r.carried12, carried12.constData(), 4);
    }
}

void readChannels(const QJsonObject& root, ReceiverDatabase& db) {
    const QString base = QStringLiteral("$.channels");
    const QJsonArray list = R::array(root, "channels", QStringLiteral("$"));
    for (int n = 0; n < kChannelSlots; ++n) db.resetChannel(n);
    std::vector<bool> seen(kChannelSlots);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = at(base, i);
        const QJsonObject o = R::object(list[i], path);
        const int number = static_cast<int>(R::integer(o, "number", path, 0, kChannelSlots - 1));
        if (seen[static_cast<std::size_t>(number)])
            R::fail(path + QStringLiteral(".number"), QStringLiteral("given twice"));
        seen[static_cast<std::size_t>(number)] = true;
        ChannelRecord& r = db.channel(number);
        std::memset(&r, 0, sizeof r);
        auto word = [&](const char* key) { return static_cast<std::uint16_t>(R::integer(o, key, path, 0, 65535)); };
        auto optionalWord = [&](const char* key, std::uint16_t fallback) {
            return static_cast<std::uint16_t>(R::optionalInteger(o, key, path, 0, 65535, fallback));
        };
        R::name(o, "name", "nameTail", path, r.name, sizeof r.name);
        r.transponder = word("transponder");
        r.satellite = static_cast<std::uint8_t>(R::integer(o, "satellite", path, 0, 255));
        r.serviceId = word("serviceId");
        r.videoPid = word("videoPid");
        r.audioPid = word("audioPid");
        r.pcrPid = word("pcrPid");
        r.teletextPid = optionalWord("teletextPid", 0);
        r.videoType = static_cast<std::uint8_t>(R::optionalInteger(o, "videoType", path, 0, 255, 0));
        r.cas = word("casWord");
        r.flags = word("flags");
        r.lead = static_cast<std::uint8_t>(R::optionalInteger(o, "lead", path, 0, 255, 0));
        r.word20 = optionalWord("word20", 0);
        r.carried30 = static_cast<std::uint8_t>(R::optionalInteger(o, "carried30", path, 0, 255, 0));
        r.carried34 = optionalWord("carried34", 0);
    }
}

void readFavourites(const QJsonObject& root, ReceiverDatabase& db) {
    const QString base = QStringLiteral("$.favourites");
    const QJsonArray list = R::array(root, "favourites", QStringLiteral("$"));
    db.setDefaultFavorites();
    std::vector<bool> seen(kFavoriteGroups);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = at(base, i);
        const QJsonObject o = R::object(list[i], path);
        const int g = static_cast<int>(R::integer(o, "group", path, 0, kFavoriteGroups - 1));
        if (seen[static_cast<std::size_t>(g)]) R::fail(path + QStringLiteral(".group"), QStringLiteral("given twice"));
        seen[static_cast<std::size_t>(g)] = true;
        auto* names = reinterpret_cast<char*>(db.groupNameBytes().data()) + g * 2 * kGroupNameSize;
        R::name(o, "tvName", "tvNameTail", path, names, kGroupNameSize);
        R::name(o, "radioName", "radioNameTail", path, names + kGroupNameSize, kGroupNameSize);
        const QJsonArray members = R::array(o, "members", path);
        if (members.size() > kGroupSlots)
            R::fail(path + QStringLiteral(".members"), QStringLiteral("more than %1 members").arg(kGroupSlots));
        for (qsizetype s = 0; s < members.size(); ++s) {
            db.groupSlot(g, static_cast<int>(s)) = static_cast<std::int16_t>(
                R::integer(members[s], at(path + QStringLiteral(".members"), s), -1, kChannelSlots - 1));
        }
    }
}

}  // namespace

ExchangeResult databaseFromJson(const QByteArray& json, ReceiverDatabase& database) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {false, QStringLiteral("$: not valid JSON at byte %1: %2").arg(parseError.offset).arg(parseError.errorString())};
    if (!document.isObject()) return {false, QStringLiteral("$: expected an object")};
    const QJsonObject root = document.object();
    auto db = std::make_unique<ReceiverDatabase>();
    try {
        readHeader(root, *db);
        readOrder(root, *db);
        readSatellites(root, *db);
        readTransponders(root, *db);
        readChannels(root, *db);
        readFavourites(root, *db);
    } catch (const Problem& problem) {
        return {false, problem.text};
    }
    db->buildKindLists();
    db->recount();
    database = *db;
    return {true, {}};
}

}  // namespace dorvane
