#include "qtcore/bundle/transfer_history.h"

#include <QDir>
#include <QDirIterator>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

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

// "20261210-024512-download-3" as its name without the count, and the
// count (1 for none): names of one second and kind sort by their count.
std::pair<QString, int> entryKey(const QString& name) {
    const qsizetype dash = name.lastIndexOf(QLatin1Char('-'));
    bool isCount = false;
    const int count = dash > 0 ? name.mid(dash + 1).toInt(&isCount) : 0;
    if (!isCount) return {name, 1};
    return {name.left(dash), count};
}

}  // namespace

QString receiptOutcome(TransferOutcome outcome) {
    switch (outcome) {
        case TransferOutcome::NotStarted: return QStringLiteral("not started");
        case TransferOutcome::Succeeded: return QStringLiteral("succeeded");
        case TransferOutcome::Canceled: return QStringLiteral("canceled");
        case TransferOutcome::TimedOut: return QStringLiteral("timed out");
        case TransferOutcome::Refused: return QStringLiteral("refused");
        case TransferOutcome::PortError: return QStringLiteral("port error");
        case TransferOutcome::Failed: return QStringLiteral("failed");
    }
    return {};
}

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
    if (qEnvironmentVariableIsSet(kFolderVariable)) return qEnvironmentVariable(kFolderVariable);
    // Beside the kept lists ("Dorvane_QX/history").
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data.isEmpty() ? QDir::homePath() : data).filePath(QStringLiteral("Dorvane_QX/transfers"));
}

bool TransferHistory::record(const TransferRecord& r) {
    if (folder_.isEmpty()) return false;
    QDir root(folder_);
    if (!root.mkpath(QStringLiteral("."))) return false;
    // A name newer than every kept one of the same second and kind (the
    // first of them may be gone from the ring already); another program
    // may take it at the same time: the next one then.
    const QString base = r.ended.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + r.kind;
    int count = 0;
    for (const QString& kept : entries())
        if (entryKey(kept).first == base) count = std::max(count, entryKey(kept).second);
    auto nameFor = [&base](int n) { return n <= 1 ? base : base + QStringLiteral("-%1").arg(n); };
    QString name = nameFor(++count);
    while (!root.mkdir(name)) {
        if (!root.exists(name) || count > 100000) return false;
        name = nameFor(++count);
    }
    const QDir dir(root.filePath(name));
    const bool written = writeFile(dir.filePath(QStringLiteral("receipt.txt")), receiptText(r).toUtf8()) &&
                         writeFile(dir.filePath(QStringLiteral("log.txt")),
                                   (r.log.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) &&
                         writeFile(dir.filePath(QStringLiteral("trace.txt")), r.trace);
    prune();
    return written;
}

QStringList TransferHistory::entries() const {
    if (folder_.isEmpty()) return {};
    QStringList names = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return entryKey(a) > entryKey(b); });
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
