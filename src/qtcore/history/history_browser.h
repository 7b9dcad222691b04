#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <vector>

#include "core/common/result.h"
#include "core/database/database_diff.h"
#include "core/history/list_history.h"

namespace dorvane {

class EditorSession;
class ReceiverDatabase;
struct Change;

// The kept lists as rows, newest first: "Kept" (local time), "From"
// (origin), "File", "Channels", "Satellites", "Transponders",
// "Favourites", "STB versions".
class HistoryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Origin, File, Channels, Satellites, Transponders, Favourites, Versions, ColumnCount };

    explicit HistoryListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setEntries(std::vector<HistoryEntry> entries);
    const std::vector<HistoryEntry>& entries() const { return entries_; }
    const HistoryEntry& entry(int row) const { return entries_.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "Received from the STB", "Replaced by a save", "Open before a restore".
    static QString originText(const std::string& origin);
    // The entry's UTC time in local time, "2026-12-09 23:40:12".
    static QString localTime(const HistoryEntry& entry);
    // "09.12.2026 23:40 (received from the STB)": how a comparison names it.
    static QString label(const HistoryEntry& entry);

private:
    std::vector<HistoryEntry> entries_;
};

// A comparison ready to show: which two lists, and its lines.
struct HistoryComparison {
    QString title;      // "From LABEL to LABEL"
    QStringList lines;  // diffLines
    bool equal = false;
};

// The entry's list unpacked, or why it cannot be.
Result<std::unique_ptr<ReceiverDatabase>> loadHistoryEntry(const ListHistory& history, const HistoryEntry& entry);

// Two entries: from the older to the newer.
Result<HistoryComparison> compareHistoryEntries(const ListHistory& history, const HistoryEntry& a,
                                                const HistoryEntry& b);
// An entry and the list the editor holds (its unsaved edits included): from
// the entry to the open list.
Result<HistoryComparison> compareWithOpenList(const ListHistory& history, const HistoryEntry& entry,
                                              const ReceiverDatabase& open, const QString& openName);

// "Restore": keeps the list the session holds (with its unsaved edits when
// it can be packed, else the file as it was opened) in the history, then
// replaces the session's database with the entry's as one edit, which Undo
// takes back; the file is written only by a Save. `changed` gets what the
// window must redraw.
Status restoreHistoryEntry(EditorSession& session, ListHistory& history, const HistoryEntry& entry,
                           Change* changed = nullptr);

}  // namespace dorvane
