#include "qtcore/bundle/zip_writer.h"

#include <QtEndian>

#include "core/common/crc32.h"

namespace dorvane {

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint16 kVersion = 20;        // 2.0: deflate
constexpr quint16 kUtf8Names = 0x0800;  // general purpose flag bit 11

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// The raw deflate stream of qCompress's output: without its 4-byte length,
// the 2-byte zlib header and the 4-byte Adler-32 at its end.
QByteArray rawDeflate(const QByteArray& data) {
    const QByteArray z = qCompress(data, 9);
    if (z.size() < 10) return {};
    return z.mid(6, z.size() - 10);
}

}  // namespace

void ZipWriter::add(const QString& name, const QByteArray& data, const QDateTime& modified) {
    Entry e;
    e.name = name.toUtf8();
    e.crc = crc32(
        std::span(reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())));
    e.size = static_cast<quint32>(data.size());
    const QDateTime local = modified.toLocalTime();
    const QDate d = local.date().year() < 1980 ? QDate(1980, 1, 1) : local.date();
    const QTime t = local.time();
    e.dosDate = static_cast<quint16>(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
    e.dosTime = static_cast<quint16>((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    QByteArray packed = data.isEmpty() ? QByteArray() : rawDeflate(data);
    const bool deflate = !packed.isEmpty() && packed.size() < data.size();
    e.method = deflate ? 8 : 0;
    const QByteArray& stored = deflate ? packed : data;
    e.offset = static_cast<quint32>(body_.size());

    put32(body_, kLocalHeader);
    put16(body_, kVersion);
    put16(body_, kUtf8Names);
    put16(body_, e.method);
    put16(body_, e.dosTime);
    put16(body_, e.dosDate);
    put32(body_, e.crc);
    put32(body_, static_cast<quint32>(stored.size()));
    put32(body_, e.size);
    put16(body_, static_cast<quint16>(e.name.size()));
    put16(body_, 0);
    body_.append(e.name);
    body_.append(stored);
    e.compressed = static_cast<quint32>(stored.size());
    entries_.append(e);
}

QStringList ZipWriter::names() const {
    QStringList list;
    for (const Entry& e : entries_) list << QString::fromUtf8(e.name);
    return list;
}

QByteArray ZipWriter::finish() const {
    QByteArray out = body_;
    const quint32 directoryStart = static_cast<quint32>(out.size());
    for (const Entry& e : entries_) {
        put32(out, kCentralHeader);
        put16(out, kVersion);
        put16(out, kVersion);
        put16(out, kUtf8Names);
        put16(out, e.method);
        put16(out, e.dosTime);
        put16(out, e.dosDate);
        put32(out, e.crc);
        put32(out, e.compressed);
        put32(out, e.size);
        put16(out, static_cast<quint16>(e.name.size()));
        put16(out, 0);  // extra
        put16(out, 0);  // comment
        put16(out, 0);  // disk
        put16(out, 0);  // internal attributes
        put32(out, 0);  // external attributes
        put32(out, e.offset);
        out.append(e.name);
    }
    const quint32 directorySize = static_cast<quint32>(out.size()) - directoryStart;
    put32(out, kEndOfDirectory);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<quint16>(entries_.size()));
    put16(out, static_cast<quint16>(entries_.size()));
    put32(out, directorySize);
    put32(out, directoryStart);
    put16(out, 0);
    return out;
}

}  // namespace dorvane
