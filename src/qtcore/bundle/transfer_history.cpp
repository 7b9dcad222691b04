#include "qtcore/bundle/transfer_history.h"

#include <QDir>
#include <QDirIterator>
#include <QSaveFile>
#include <QStandardPaths>

namespace dorvane {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

qint64 folderBytes(const QString& path) {
    qint64 total = 0;
    QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

}  // namespace

QString receiptText(const TransferRecord& r) {
    QStringList lines;
    lines << QStringLiteral("Transfer: %1").arg(r.kind) << QStringLiteral("Outcome: %1").arg(r.outcome)
          << QStringLiteral("Ended: %1").arg(r.ended.toString(Qt::ISODate)) << QStringLiteral("Port: %1").arg(r.port)
          << QStringLiteral("File: %1").arg(r.fileName.isEmpty() ? QStringLiteral("-") : r.fileName)
          << QStringLiteral("File size: %1").arg(r.fileSize < 0 ? QStringLiteral("-") : QString::number(r.fileSize))
          << QStringLiteral("Summary: %1").arg(r.summary);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

TransferHistory::TransferHistory(QString folder, int maxEntries, qint64 maxBytes)
    : folder_(std::move(folder)), maxEntries_(maxEntries), maxBytes_(maxBytes) {}

QString TransferHistory::defaultFolder() {
    // Beside the kept lists ("Dorvane_QX/history").
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data.isEmpty() ? QDir::homePath() : data).filePath(QStringLiteral("Dorvane_QX/transfers"));
}

bool TransferHistory::record(const TransferRecord& r) {
    QDir root(folder_);
    if (!root.mkpath(QStringLiteral("."))) return false;
    QString name = r.ended.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + r.kind;
    for (int n = 2; root.exists(name); ++n)
        name = r.ended.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + r.kind + QStringLiteral("-%1").arg(n);
    if (!root.mkdir(name)) return false;
    const QDir dir(root.filePath(name));
    const bool written = writeFile(dir.filePath(QStringLiteral("receipt.txt")), receiptText(r).toUtf8()) &&
                         writeFile(dir.filePath(QStringLiteral("log.txt")),
                                   (r.log.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) &&
                         writeFile(dir.filePath(QStringLiteral("trace.txt")), r.trace);
    prune();
    return written;
}

QStringList TransferHistory::entries() const {
    QStringList names = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::reverse(names.begin(), names.end());
    return names;
}

void TransferHistory::prune() {
    qint64 total = 0;
    int kept = 0;
    for (const QString& name : entries()) {
        const QString path = QDir(folder_).filePath(name);
        const qint64 size = folderBytes(path);
        if (kept < maxEntries_ && (kept == 0 || total + size <= maxBytes_)) {
            total += size;
            ++kept;
            continue;
        }
        QDir(path).removeRecursively();
    }
}

}  // namespace dorvane
