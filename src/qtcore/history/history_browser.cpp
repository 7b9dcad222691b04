#include "qtcore/history/history_browser.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/editor/editor_session.h"
#include "qtcore/app/core_text.h"

namespace dorvane {

namespace {

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

QDateTime entryTime(const HistoryEntry& entry) {
    QDateTime t = QDateTime::fromString(fromStd(entry.time), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    t.setTimeZone(QTimeZone::utc());
    return t;
}

QString versionsText(const HistoryEntry& e) {
    if (e.bootVersion.empty() && e.appVersion.empty()) return {};
    //: The STB's versions a kept list came with: its boot loader's and its application's.
    return HistoryListModel::tr("Boot %1, App %2")
        .arg(e.bootVersion.empty() ? QStringLiteral("?") : fromStd(e.bootVersion),
             e.appVersion.empty() ? QStringLiteral("?") : fromStd(e.appVersion));
}

HistoryComparison comparison(const ReceiverDatabase& a, const ReceiverDatabase& b, const QString& from,
                             const QString& to) {
    const DatabaseDiff diff = compareDatabases(a, b);
    HistoryComparison out;
    //: A comparison of two kept lists: from the older to the newer.
    out.title = HistoryListModel::tr("From %1 to %2").arg(from, to);
    for (const std::string& line : diffLines(diff)) out.lines << coreText(line);
    out.equal = diff.equal();
    return out;
}

}  // namespace

// ---- the list -------------------------------------------------------------------------

void HistoryListModel::setEntries(std::vector<HistoryEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int HistoryListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const HistoryEntry& e = entry(index.row());
    if (role == Qt::TextAlignmentRole && index.column() >= Channels && index.column() <= Favourites)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == File) return fromStd(e.source);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case Time: return localTime(e);
        case Origin: return originText(e.origin);
        case File: return QFileInfo(fromStd(e.source)).fileName();
        case Channels: return e.counts.channels;
        case Satellites: return e.counts.satellites;
        case Transponders: return e.counts.transponders;
        case Favourites: return e.counts.favourites;
        case Versions: return versionsText(e);
        default: return {};
    }
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    //: The columns of the kept lists: when a list was kept, where it came from, ...
    static const char* const names[] = {QT_TR_NOOP("Kept"),       QT_TR_NOOP("From"),        QT_TR_NOOP("File"),
                                        QT_TR_NOOP("Channels"),   QT_TR_NOOP("Satellites"),  QT_TR_NOOP("Transponders"),
                                        QT_TR_NOOP("Favourites"), QT_TR_NOOP("STB versions")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

QString HistoryListModel::originText(const std::string& origin) {
    //: Where a kept list came from.
    if (origin == "upload") return tr("Received from the STB");
    if (origin == "replaced") return tr("Replaced by a save");
    if (origin == "restore") return tr("Open before a restore");
    return fromStd(origin);
}

QString HistoryListModel::localTime(const HistoryEntry& entry) {
    const QDateTime t = entryTime(entry);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : fromStd(entry.name);
}

QString HistoryListModel::label(const HistoryEntry& entry) {
    QString origin = originText(entry.origin);
    if (!origin.isEmpty()) origin[0] = origin[0].toLower();
    return QStringLiteral("%1 (%2)").arg(localTime(entry), origin);
}

// ---- the actions ----------------------------------------------------------------------

Result<std::unique_ptr<ReceiverDatabase>> loadHistoryEntry(const ListHistory& history, const HistoryEntry& entry) {
    const auto bytes = history.read(entry);
    if (!bytes.ok()) return bytes.status();
    auto db = std::make_unique<ReceiverDatabase>();
    if (const UnpackResult r = unpackBackup(*db, bytes.value()); r != UnpackResult::Ok) return unpackStatus(r);
    return db;
}

Result<HistoryComparison> compareHistoryEntries(const ListHistory& history, const HistoryEntry& a,
                                                const HistoryEntry& b) {
    const bool aFirst = a.name <= b.name;
    const HistoryEntry& older = aFirst ? a : b;
    const HistoryEntry& newer = aFirst ? b : a;
    auto first = loadHistoryEntry(history, older);
    if (!first.ok()) return first.status();
    auto second = loadHistoryEntry(history, newer);
    if (!second.ok()) return second.status();
    return comparison(*first.value(), *second.value(), HistoryListModel::label(older), HistoryListModel::label(newer));
}

Result<HistoryComparison> compareWithOpenList(const ListHistory& history, const HistoryEntry& entry,
                                              const ReceiverDatabase& open, const QString& openName) {
    auto kept = loadHistoryEntry(history, entry);
    if (!kept.ok()) return kept.status();
    return comparison(*kept.value(), open, HistoryListModel::label(entry), openName);
}

// The present list: packed with its edits when it may be written, else the
// file's bytes as opened or last saved.
static std::vector<std::uint8_t> presentList(const EditorSession& session) {
    const ChannelDataDocument& document = session.document();
    if (session.isDirty() && !document.isReadOnly()) {
        auto buffer = std::make_unique<ChannelDataBuffer>();
        if (packBackup(session.database(), *buffer) == PackResult::Ok)
            return {buffer->contents().begin(), buffer->contents().end()};
    }
    return {document.buffer().contents().begin(), document.buffer().contents().end()};
}

Status restoreHistoryEntry(EditorSession& session, ListHistory& history, const HistoryEntry& entry, Change* changed) {
    const auto bytes = history.read(entry);
    if (!bytes.ok()) return bytes.status();
    if (const Status check = checkBackupBlob(bytes.value()); !check.ok()) return check;

    const std::vector<std::uint8_t> present = presentList(session);
    if (checkBackupBlob(present).ok()) {
        KeptList list;
        list.bytes = present;
        list.origin = "restore";
        list.source = session.document().path();
        if (const auto kept = history.keep(list); !kept.ok()) return kept.status();
    }
    Status restored;
    const Change change = session.import(
        [&](ReceiverDatabase& db) -> Status {
            BlobLosses losses;
            if (const UnpackResult r = unpackBackup(db, bytes.value(), &losses); r != UnpackResult::Ok)
                return unpackStatus(r);
            session.document().setLosses(std::move(losses));
            return {};
        },
        false, &restored);
    if (changed) *changed = change;
    return restored;
}

}  // namespace dorvane
