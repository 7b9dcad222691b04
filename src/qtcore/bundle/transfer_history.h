#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace dorvane {

// One finished transfer as the window keeps it for a support bundle: its
// log lines, the trace of the line and a receipt (what, when, how it
// ended, the file's name and size: never the file's content).
struct TransferRecord {
    QString kind;     // "download" or "upload"
    QString outcome;  // "succeeded", "timed out", ...
    QDateTime ended;
    QString port;
    QString fileName;
    qint64 fileSize = -1;  // -1: unknown
    QString summary;       // the transfer's figures
    QStringList log;
    QByteArray trace;
};

// The last transfers in a folder of their own, one sub-folder each
// ("20261210-024512-download/log.txt, trace.txt, receipt.txt"), newest
// kept: at most maxEntries and maxBytes together, the oldest go first.
class TransferHistory {
public:
    static constexpr int kDefaultEntries = 10;
    static constexpr qint64 kDefaultBytes = 16ll << 20;

    explicit TransferHistory(QString folder, int maxEntries = kDefaultEntries, qint64 maxBytes = kDefaultBytes);

    // Writes the record and drops what no longer fits; false when it could
    // not be written.
    bool record(const TransferRecord& record);
    // The sub-folders, newest first.
    QStringList entries() const;
    const QString& folder() const { return folder_; }

    // Where the window keeps them: the user's data folder of the program
    // ("~/.local/share/Dorvane_QX/transfers", beside the kept lists).
    static QString defaultFolder();

private:
    void prune();

    QString folder_;
    int maxEntries_;
    qint64 maxBytes_;
};

// The receipt's text.
QString receiptText(const TransferRecord& record);

}  // namespace dorvane
