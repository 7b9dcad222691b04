#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/flow/operator_flow.h"

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
// ("20261210-024512-download/log.txt, trace.txt, receipt.txt"; a second
// one of the same second and kind gets "-2", "-3", ...), newest kept: at
// most maxEntries and maxBytes together, the oldest go first. The window
// and the command line keep theirs in the same folder.
class TransferHistory {
public:
    static constexpr int kDefaultEntries = 10;
    static constexpr qint64 kDefaultBytes = 16ll << 20;
    // The environment variable that names the folder instead (tests,
    // portable set-ups); set but empty, no transfer is kept.
    static constexpr char kFolderVariable[] = "DORVANE_TRANSFERS_DIR";

    explicit TransferHistory(QString folder, int maxEntries = kDefaultEntries, qint64 maxBytes = kDefaultBytes);

    // Writes the record and drops what no longer fits; false when it could
    // not be written (or the folder is empty: nothing is kept).
    bool record(const TransferRecord& record);
    // The sub-folders, newest first.
    QStringList entries() const;
    const QString& folder() const { return folder_; }

    // Where the window and the command line keep them: $DORVANE_TRANSFERS_DIR
    // when set (empty: nowhere), else the user's data folder of the program
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

// How a transfer ended, as the receipt says it ("succeeded", "timed out").
QString receiptOutcome(TransferOutcome outcome);

}  // namespace dorvane
