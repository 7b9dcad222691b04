#include "qtcore/exchange/channel_data_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/blob_shape.h"
#include "core/database/receiver_database.h"
#include "qtcore/exchange/field_bytes.h"
#include "qtcore/exchange/text_input.h"

namespace dorvane {

namespace {

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

// Writes the JSON text directly: one record per line, keys in a fixed,
// readable order. Much faster than building a QJsonDocument of 10,000
// objects.
class JsonWriter {
public:
    explicit JsonWriter(bool indented) : indented_(indented) { text_.reserve(2 << 20); }

    QByteArray take() { return std::move(text_); }

    void raw(const char* text) { text_.append(text); }
    void raw(const QByteArray& text) { text_.append(text); }
    void newline(int depth) {
        if (!indented_) return;
        text_.append('\n');
        text_.append(QByteArray(depth * 4, ' '));
    }
    // Starts a key of the current object; `first` leaves out the comma.
    void key(const char* name, bool first = false) {
        if (!first) text_.append(indented_ ? ", " : ",");
        text_.append('"').append(name).append(indented_ ? "\": " : "\":");
    }
    void number(long long value) { text_.append(QByteArray::number(value)); }
    void field(const char* name, long long value, bool first = false) {
        key(name, first);
        number(value);
    }
    void string(const QByteArray& utf8) {
        text_.append('"');
        for (const char c : utf8) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                text_.append('\\').append(c);
            } else if (u < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
                text_.append(escaped);
            } else {
                text_.append(c);
            }
        }
        text_.append('"');
    }
    void field(const char* name, const QByteArray& utf8, bool first = false) {
        key(name, first);
        string(utf8);
    }
    void hexField(const char* name, const void* bytes, std::size_t size) {
        key(name);
        text_.append('"')
            .append(QByteArray::fromRawData(static_cast<const char*>(bytes), static_cast<qsizetype>(size)).toHex())
            .append('"');
    }
    // A text field with its tail (bytes behind the NUL) when there is one.
    // A field without any NUL (its text fills it) says so with
    // "<name>Unterminated": true, so that it comes back whole.
    void name(const char* name, const char* tailName, const char* field, std::size_t size) {
        const FieldText text = splitField(field, size);
        this->field(name, text.text.toUtf8());
        if (!text.tail.isEmpty()) hexField(tailName, text.tail.constData(), static_cast<std::size_t>(text.tail.size()));
        if (static_cast<std::size_t>(text.text.size()) == size) {
            key((QByteArray(name) + "Unterminated").constData());
            raw("true");
        }
    }

private:
    bool indented_;
    QByteArray text_;
};

// The prefix bytes a save writes.
std::size_t prefixBytes(const BackupHeader& h) {
    return h.prefixKind == 1 ? std::min<std::size_t>(h.prefixLength, kPrefixStoreSize) : kKind0PrefixLength;
}

int satellitesWritten(const BackupHeader& h) { return std::min<int>(h.satelliteCount, kSatelliteSlots); }

// Top-level arrays hold one record per line.
class RecordArray {
public:
    RecordArray(JsonWriter& w, const char* name, bool indented) : w_(w) {
        w_.raw(",");
        w_.newline(1);
        w_.raw("\"");
        w_.raw(name);
        w_.raw(indented ? "\": [" : "\":[");
    }
    ~RecordArray() {
        if (!first_) w_.newline(1);
        w_.raw("]");
    }
    RecordArray(const RecordArray&) = delete;
    RecordArray& operator=(const RecordArray&) = delete;

    void beginRecord() {
        if (!first_) w_.raw(",");
        first_ = false;
        w_.newline(2);
        w_.raw("{");
    }

private:
    JsonWriter& w_;
    bool first_ = true;
};

void writeHeader(JsonWriter& w, const BackupHeader& h) {
    w.field("magic", QByteArray(h.magic, static_cast<qsizetype>(strnlen(h.magic, sizeof h.magic))), true);
    w.field("payloadSize", h.payloadSize);
    w.field("prefixLength", h.prefixLength);
    w.field("favoriteSectionSize", h.favoriteSectionSize);
    w.field("favoriteNamesSize", h.favoriteNamesSize);
    w.field("date", h.date);
    w.field("satelliteRecordSize", h.satelliteRecordSize);
    w.field("satelliteCount", h.satelliteCount);
    w.field("transponderRecordSize", h.transponderRecordSize);
    w.field("transponderCount", h.transponderCount);
    w.field("channelRecordSize", h.channelRecordSize);
    w.field("channelCount", h.channelCount);
    w.field("prefixKind", h.prefixKind);
    w.field("carried29", h.carried29);
    w.field("reserved", h.reserved);
}

void writeOrder(JsonWriter& w, const ReceiverDatabase& db, int satelliteCount, bool indented) {
    w.raw(indented ? "\"order\": [" : "\"order\":[");
    int lastOrder = satelliteCount - 1;
    while (lastOrder >= 0 && db.orderEntry(lastOrder) == 0) --lastOrder;
    for (int i = 0; i <= lastOrder; ++i) {
        if (i > 0) w.raw(indented ? ", " : ",");
        w.number(db.orderEntry(i));
    }
    w.raw("]");
}

void writeSatellite(JsonWriter& w, const SatelliteRecord& r, int s) {
    w.field("slot", s, true);
    w.name("name", "nameTail", r.name, sizeof r.name);
    w.field("location", r.location);
    w.field("tone22k", r.tone22k);
    w.field("diseqcType", r.diseqcType);
    w.field("diseqcPort", r.diseqcPort);
    w.field("lnbPower", r.lnbPower);
    w.field("lnbFrequency", r.lnbFrequency);
    w.field("lnbFrequencyChoice", r.lnbFrequencyChoice);
    w.field("lnbType", r.lnbType);
    w.field("dishPosition", r.dishPosition);
    w.field("channelMark", r.channelMark);
    w.field("carried18", r.carried18);
    w.field("carried20", r.carried20);
    w.hexField("carried30", r.carried30, sizeof r.carried30);
    w.raw("}");
}

void writeTransponder(JsonWriter& w, const TransponderRecord& r, int t) {
    w.field("number", t, true);
    w.field("satellite", r.satellite);
    w.field("polarisation", r.polarisation);
    w.field("frequency", r.frequency);
    w.field("symbolRate", r.symbolRate);
    w.field("fec", r.fec);
    w.field("transmission", r.transmission);
    w.field("modulation", r.modulation);
    w.field("carried6", r.carried6);
    w.field("carried8", r.carried8);
    w.field("carried10", r.carried10);
    w.hexField("carried12", r.carried12, sizeof r.carried12);
    w.raw("}");
}

void writeChannel(JsonWriter& w, const ChannelRecord& r, const TransponderRecord* tp, int n) {
    w.field("number", n, true);
    w.name("name", "nameTail", r.name, sizeof r.name);
    w.field("transponder", r.transponder);
    // What the transponder is, for reading and for the import's check.
    if (tp) {
        w.field("frequency", tp->frequency);
        w.field("polarisation", QByteArray(polarisationText(tp->polarisation).data()));
    }
    w.field("satellite", r.satellite);
    w.field("serviceId", r.serviceId);
    w.field("videoPid", r.videoPid);
    w.field("audioPid", r.audioPid);
    w.field("pcrPid", r.pcrPid);
    w.field("teletextPid", r.teletextPid);
    w.field("videoType", r.videoType);
    w.field("cas", QByteArray::fromStdString(casText(r.cas)));
    w.field("casWord", r.cas);
    w.field("flags", r.flags);
    w.field("kind", QByteArray(kindName(r)));
    w.field("lead", r.lead);
    w.field("word20", r.word20);
    w.field("carried30", r.carried30);
    w.field("carried34", r.carried34);
    w.raw("}");
}

void writeFavourite(JsonWriter& w, const ReceiverDatabase& db, int g, bool indented) {
    w.field("group", g, true);
    const auto* names = reinterpret_cast<const char*>(db.groupNameBytes().data()) + g * 2 * kGroupNameSize;
    w.name("tvName", "tvNameTail", names, kGroupNameSize);
    w.name("radioName", "radioNameTail", names + kGroupNameSize, kGroupNameSize);
    w.key("members");
    w.raw("[");
    int last = kGroupSlots - 1;
    while (last >= 0 && db.groupSlot(g, last) < 0) --last;
    for (int s = 0; s <= last; ++s) {
        if (s > 0) w.raw(indented ? ", " : ",");
        w.number(db.groupSlot(g, s) < 0 ? -1 : db.groupSlot(g, s));
    }
    w.raw("]}");
}

}  // namespace

QByteArray databaseToJson(const ReceiverDatabase& db, bool indented) {
    const BackupHeader& h = db.storedHeader();
    const int satelliteCount = satellitesWritten(h);
    JsonWriter w(indented);
    w.raw("{");
    w.newline(1);
    w.raw(indented ? "\"header\": {" : "\"header\":{");
    writeHeader(w, h);
    w.raw("},");
    w.newline(1);
    w.raw(indented ? "\"prefix\": \"" : "\"prefix\":\"");
    w.raw(
        QByteArray(reinterpret_cast<const char*>(db.prefix().data()), static_cast<qsizetype>(prefixBytes(h))).toHex());
    w.raw("\",");
    w.newline(1);
    writeOrder(w, db, satelliteCount, indented);
    {
        RecordArray satellites(w, "satellites", indented);
        for (int s = 0; s < satelliteCount; ++s) {
            if (allZero(&db.satellite(s), sizeof(SatelliteRecord))) continue;
            satellites.beginRecord();
            writeSatellite(w, db.satellite(s), s);
        }
    }
    {
        RecordArray transponders(w, "transponders", indented);
        for (int t = 0; t < kTransponderSlots; ++t) {
            if (allZero(&db.transponder(t), sizeof(TransponderRecord))) continue;
            transponders.beginRecord();
            writeTransponder(w, db.transponder(t), t);
        }
    }
    {
        const ChannelRecord blank = blankChannel();
        RecordArray channels(w, "channels", indented);
        for (int n = 0; n < kChannelSlots; ++n) {
            if (std::memcmp(&db.channel(n), &blank, sizeof blank) == 0) continue;
            channels.beginRecord();
            const ChannelRecord& c = db.channel(n);
            writeChannel(w, c, channelFree(c) ? nullptr : &db.transponder(c.transponder), n);
        }
    }
    {
        RecordArray favourites(w, "favourites", indented);
        for (int g = 0; g < kFavoriteGroups; ++g) {
            favourites.beginRecord();
            writeFavourite(w, db, g, indented);
        }
    }
    w.newline(0);
    w.raw("}");
    if (indented) w.raw("\n");
    return w.take();
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
    [[noreturn]] static void fail(const QString& path, const char* key, const QString& what) {
        fail(path + '.' + QLatin1String(key), what);
    }

    static QJsonObject object(const QJsonValue& v, const QString& path) {
        if (!v.isObject()) fail(path, QStringLiteral("expected an object"));
        return v.toObject();
    }
    static QJsonArray array(const QJsonObject& o, const char* key, const QString& path, bool required = true) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required) return {};
        if (!v.isArray()) fail(path, key, QStringLiteral("expected an array"));
        return v.toArray();
    }
    static bool inRange(const QJsonValue& v, qint64 min, qint64 max, qint64& out) {
        if (!v.isDouble()) return false;
        const double d = v.toDouble();
        if (d < static_cast<double>(min) || d > static_cast<double>(max)) return false;
        out = static_cast<qint64>(d);
        return static_cast<double>(out) == d;
    }
    static QString rangeText(qint64 min, qint64 max) {
        return QStringLiteral("expected an integer %1..%2").arg(min).arg(max);
    }
    static qint64 integer(const QJsonValue& v, const QString& path, qint64 min, qint64 max) {
        qint64 out = 0;
        if (!inRange(v, min, max, out)) fail(path, rangeText(min, max));
        return out;
    }
    static qint64 integer(const QJsonObject& o, const char* key, const QString& path, qint64 min, qint64 max) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) fail(path, key, QStringLiteral("missing"));
        qint64 out = 0;
        if (!inRange(v, min, max, out)) fail(path, key, rangeText(min, max));
        return out;
    }
    static qint64 optionalInteger(const QJsonObject& o, const char* key, const QString& path, qint64 min, qint64 max,
                                  qint64 fallback) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) return fallback;
        qint64 out = 0;
        if (!inRange(v, min, max, out)) fail(path, key, rangeText(min, max));
        return out;
    }
    static QString string(const QJsonObject& o, const char* key, const QString& path) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) fail(path, key, QStringLiteral("expected a string"));
        return v.toString();
    }
    static QByteArray hexBytes(const QJsonObject& o, const char* key, const QString& path, int size, bool required) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required) return {};
        if (!v.isString()) fail(path, key, QStringLiteral("expected a string of hex digits"));
        const QString text = v.toString();
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
                fail(path, key, QStringLiteral("expected hex digits"));
        }
        if (text.size() % 2 != 0) fail(path, key, QStringLiteral("expected an even number of hex digits"));
        const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
        if (size >= 0 && bytes.size() != size) fail(path, key, QStringLiteral("expected %1 bytes").arg(size));
        return bytes;
    }
    static void name(const QJsonObject& o, const char* key, const char* tailKey, const QString& path, char* field,
                     std::size_t size) {
        const QString text = string(o, key, path);
        const QByteArray tail = hexBytes(o, tailKey, path, -1, false);
        const QByteArray unterminatedKey = QByteArray(key) + "Unterminated";
        const QJsonValue unterminated = o.value(QLatin1String(unterminatedKey));
        if (!unterminated.isUndefined() && !unterminated.isBool())
            fail(path, unterminatedKey.constData(), QStringLiteral("expected true or false"));
        if (const auto problem = joinField(text, tail, field, size, unterminated.toBool())) fail(path, key, *problem);
    }
};

using R = JsonReader;

QString at(const QString& path, qsizetype index) { return path + '[' + QString::number(index) + ']'; }

void readHeader(const QJsonObject& root, ReceiverDatabase& db) {
    const QString path = QStringLiteral("$.header");
    const QJsonObject o = R::object(root.value(QLatin1String("header")), path);
    BackupHeader h = receiverShapedHeader();
    h.prefixKind = static_cast<std::uint8_t>(R::integer(o, "prefixKind", path, 0, 1));
    h.satelliteCount = static_cast<std::uint16_t>(R::integer(o, "satelliteCount", path, 0, kSatelliteSlots));
    h.carried29 = static_cast<std::uint8_t>(R::optionalInteger(o, "carried29", path, 0, 255, 0));
    h.prefixLength =
        static_cast<std::uint16_t>(R::optionalInteger(o, "prefixLength", path, 0, 65535, kKind0PrefixLength));
    h.date = static_cast<std::uint16_t>(R::optionalInteger(o, "date", path, 0, 65535, 0));
    h.payloadSize =
        static_cast<std::uint32_t>(R::optionalInteger(o, "payloadSize", path, 0, 0xFFFFFFFF, h.payloadSize));
    h.satelliteRecordSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "satelliteRecordSize", path, 0, 65535, h.satelliteRecordSize));
    h.transponderRecordSize = static_cast<std::uint16_t>(
        R::optionalInteger(o, "transponderRecordSize", path, 0, 65535, h.transponderRecordSize));
    h.transponderCount =
        static_cast<std::uint16_t>(R::optionalInteger(o, "transponderCount", path, 0, 65535, h.transponderCount));
    h.channelRecordSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "channelRecordSize", path, 0, 65535, h.channelRecordSize));
    h.channelCount = static_cast<std::uint16_t>(R::optionalInteger(o, "channelCount", path, 0, 65535, h.channelCount));
    h.favoriteSectionSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "favoriteSectionSize", path, 0, 65535, h.favoriteSectionSize));
    h.favoriteNamesSize =
        static_cast<std::uint16_t>(R::optionalInteger(o, "favoriteNamesSize", path, 0, 65535, h.favoriteNamesSize));
    h.reserved = static_cast<std::uint16_t>(R::optionalInteger(o, "reserved", path, 0, 65535, 0));
    if (h.prefixKind == 1 && h.prefixLength > kPrefixStoreSize)
        R::fail(path + QStringLiteral(".prefixLength"), QStringLiteral("a kind-1 prefix holds at most 272 bytes"));
    const auto shape = unwritableShape(h);
    if (!shape.empty())
        R::fail(path,
                QStringLiteral("this data cannot be written back whole: ") + QString::fromStdString(shape.front()));
    db.storedHeader() = h;

    const QByteArray prefix = R::hexBytes(root, "prefix", QStringLiteral("$"), static_cast<int>(prefixBytes(h)), true);
    std::memcpy(db.prefix().data(), prefix.constData(), static_cast<std::size_t>(prefix.size()));
}

void readOrder(const QJsonObject& root, ReceiverDatabase& db) {
    const QString path = QStringLiteral("$.order");
    const QJsonArray order = R::array(root, "order", QStringLiteral("$"));
    const int count = satellitesWritten(db.storedHeader());
    if (order.size() > count)
        R::fail(path, QStringLiteral("more entries than the header's satelliteCount (%1)").arg(count));
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
        if (seen[static_cast<std::size_t>(slot)])
            R::fail(path + QStringLiteral(".slot"), QStringLiteral("given twice"));
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

// A channel names its transponder by number; what the transponder is
// (its satellite, and the frequency and polarisation when the record gives
// them) must be what the channel says, or the number names another one.
void checkTransponder(const QJsonObject& o, const QString& path, const ReceiverDatabase& db, const ChannelRecord& r) {
    const TransponderRecord& tp = db.transponder(r.transponder);
    const QString what = QStringLiteral("transponder %1 is %2 MHz %3 on satellite %4")
                             .arg(r.transponder)
                             .arg(tp.frequency)
                             .arg(QLatin1String(polarisationText(tp.polarisation).data()))
                             .arg(tp.satellite);
    if (transponderFree(tp)) return;  // the save's check names it
    if (r.satellite + 1 != tp.satellite)
        R::fail(path, "satellite", what + QStringLiteral(", not on satellite %1").arg(r.satellite + 1));
    const QJsonValue frequency = o.value(QLatin1String("frequency"));
    if (!frequency.isUndefined() && frequency.toInteger(-1) != tp.frequency)
        R::fail(path, "frequency", what + QStringLiteral(", not %1 MHz").arg(frequency.toVariant().toString()));
    const QJsonValue polarisation = o.value(QLatin1String("polarisation"));
    if (!polarisation.isUndefined() &&
        polarisation.toString() != QLatin1String(polarisationText(tp.polarisation).data()))
        R::fail(path, "polarisation", what + QStringLiteral(", not %1").arg(polarisation.toVariant().toString()));
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
        if (!channelFree(r)) checkTransponder(o, path, db, r);
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
            qint64 member = 0;
            if (!R::inRange(members[s], -1, kChannelSlots - 1, member))
                R::fail(at(path + QStringLiteral(".members"), s), R::rangeText(-1, kChannelSlots - 1));
            db.groupSlot(g, static_cast<int>(s)) = static_cast<std::int16_t>(member);
        }
    }
}

// The line where record `index` of the top-level array `section` begins,
// or 0 (a light scan: strings, nesting and line breaks only).
int recordLine(const QByteArray& json, const QByteArray& section, int index) {
    int depth = 0;
    int line = 1;
    int count = -1;
    bool inString = false;
    bool escape = false;
    bool inSection = false;
    QByteArray token;
    QByteArray lastString;
    for (const char c : json) {
        if (c == '\n') ++line;
        if (inString) {
            if (escape) {
                escape = false;
            } else if (c == '\\') {
                escape = true;
            } else if (c == '"') {
                inString = false;
                lastString = token;
            } else {
                token += c;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            token.clear();
        } else if (c == '{' || c == '[') {
            if (depth == 1 && c == '[') inSection = lastString == section;
            if (depth == 2 && inSection && c == '{' && ++count == index) return line;
            ++depth;
        } else if (c == '}' || c == ']') {
            if (--depth == 1) inSection = false;
        }
    }
    return 0;
}

// A refusal inside a record also names the record's line.
QString withLine(const QString& problem, const QByteArray& json) {
    static const QRegularExpression record(QStringLiteral("^\\$\\.(\\w+)\\[(\\d+)\\]"));
    const QRegularExpressionMatch m = record.match(problem);
    if (!m.hasMatch()) return problem;
    const int line = recordLine(json, m.captured(1).toLatin1(), m.captured(2).toInt());
    return line > 0 ? problem + QStringLiteral(" (line %1)").arg(line) : problem;
}

}  // namespace

Status exchangeRefusal(const QString& problem) { return {Error::Corrupt, problem.toStdString()}; }

Status databaseFromJson(const QByteArray& bytes, ReceiverDatabase& database) {
    const QByteArray json = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (const Result<QString> text = decodeImportText(json); !text.ok()) return text.status();
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return exchangeRefusal(QStringLiteral("$: not valid JSON at byte %1 (line %2): %3")
                                   .arg(parseError.offset)
                                   .arg(lineOfOffset(json, parseError.offset))
                                   .arg(parseError.errorString()));
    if (!document.isObject()) return exchangeRefusal(QStringLiteral("$: expected an object"));
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
        return exchangeRefusal(withLine(problem.text, json));
    }
    db->buildKindLists();
    db->recount();
    database = *db;
    return {};
}

}  // namespace dorvane
