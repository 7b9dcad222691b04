#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace dorvane {

// A zip archive built in memory: each entry deflated (through Qt's zlib)
// when that makes it smaller, else stored. UTF-8 names, no zip64: meant
// for archives well below 4 GiB (the support bundle is bounded to 32 MiB).
class ZipWriter {
public:
    void add(const QString& name, const QByteArray& data, const QDateTime& modified = QDateTime::currentDateTime());
    // The whole archive: the entries, their central directory and its end.
    QByteArray finish() const;

    qsizetype entryCount() const { return entries_.size(); }
    QStringList names() const;

private:
    struct Entry {
        QByteArray name;
        quint16 method = 0;  // 0 stored, 8 deflated
        quint32 crc = 0;
        quint32 size = 0;
        quint32 compressed = 0;
        quint16 dosTime = 0;
        quint16 dosDate = 0;
        quint32 offset = 0;
    };
    QList<Entry> entries_;
    QByteArray body_;  // the local headers and data so far
};

}  // namespace dorvane
