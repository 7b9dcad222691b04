// The History window of the editor screenshots: a list received from the
// STB, the same list after a working session, and their comparison.

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/editor/channel_move.h"
#include "gui/editor/history_dialog.h"

namespace dorvane {

namespace {

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

// A session's work: renames, a PID, a move, a removed channel, a favourite.
void edit(ReceiverDatabase& db) {
    setFixedText(db.channel(3).name, "Nordlicht HD");
    setFixedText(db.channel(12).name, "Kanal Zwei");
    db.channel(20).videoPid = 2101;
    db.channel(20).audioPid = 2102;
    moveChannelsKeepingFavourites(db, {30}, 1);
    db.deleteChannel(41);
    db.addToGroup(1, 55, db.groupSize(1));
}

}  // namespace

bool saveHistoryScreenshot(const ReceiverDatabase& demo, const QDir& dir,
                           const std::function<bool(QWidget&, const char*)>& save) {
    QTemporaryDir folder;
    ListHistory history(folder.filePath(QStringLiteral("history")).toStdString());
    const auto now = ListHistory::Clock::now();
    const auto source = dir.filePath(QStringLiteral("stbdata.irz")).toStdString();
    const auto uploaded = packed(demo);
    auto later = std::make_unique<ReceiverDatabase>(demo);
    edit(*later);
    const auto saved = packed(*later);
    KeptList list;
    list.source = source;
    list.bytes = uploaded;
    list.origin = "upload";
    bool ok = history.keep(list, now - std::chrono::hours(26)).ok();
    list.bytes = saved;
    list.origin = "replaced";
    ok = history.keep(list, now - std::chrono::minutes(95)).ok() && ok;

    HistoryDialog dialog(history, demo, QStringLiteral("the open list"));
    dialog.selectRows({0, 1});
    dialog.compareClicked();
    return save(dialog, "editor_history.png") && ok;
}

}  // namespace dorvane
