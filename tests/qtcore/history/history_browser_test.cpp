#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/editor/editor_session.h"
#include "qtcore/history/history_browser.h"
#include "support/temp_dir.h"

using namespace dorvane;
using namespace std::chrono_literals;

namespace {

class SilentQuestions : public SessionQuestions {
public:
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, const std::string&, const std::string&) override { return true; }
    SaveChoice askToSave(const std::string&) override { return SaveChoice::DontSave; }
    void tell(const std::string& text, bool) override { told.push_back(text); }
    std::vector<std::string> told;
};

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 20000) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

std::unique_ptr<ReceiverDatabase> demo() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

const auto kStart = ListHistory::Clock::from_time_t(1'700'000'000);

}  // namespace

// The History window's list and actions, without widgets.
class HistoryBrowserTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TempDir> dir_;
    std::unique_ptr<ListHistory> history_;
    std::unique_ptr<ReceiverDatabase> base_, renamed_, pids_;

    void keep(const ReceiverDatabase& db, const char* origin, ListHistory::Clock::time_point when,
              std::optional<std::uint32_t> app = {}) {
        const auto bytes = packed(db);
        KeptList list;
        list.bytes = bytes;
        list.origin = origin;
        list.source = dir_->file("stbdata.irz");
        list.appVersion = app;
        QVERIFY(history_->keep(list, when).ok());
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        history_ = std::make_unique<ListHistory>(dir_->file("history"));
        base_ = demo();
        renamed_ = demo();
        setFixedText(renamed_->channel(5).name, "Renamed");
        pids_ = demo();
        pids_->channel(9).audioPid = 3001;
        keep(*base_, "upload", kStart, 0x02010000);
        keep(*renamed_, "replaced", kStart + 60s);
        keep(*pids_, "replaced", kStart + 120s);
    }

    void modelListsNewestFirstWithItsFigures() {
        HistoryListModel model;
        model.setEntries(history_->entries());
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), int(HistoryListModel::ColumnCount));
        QCOMPARE(model.headerData(HistoryListModel::Channels, Qt::Horizontal).toString(), QStringLiteral("Channels"));
        const auto text = [&](int row, int column) { return model.data(model.index(row, column)).toString(); };
        QCOMPARE(text(2, HistoryListModel::Origin), QStringLiteral("Received from the STB"));
        QCOMPARE(text(0, HistoryListModel::Origin), QStringLiteral("Replaced by a save"));
        QCOMPARE(text(2, HistoryListModel::Versions), QStringLiteral("Boot ?, App 2.1.0"));
        QCOMPARE(text(0, HistoryListModel::Versions), QString());
        QCOMPARE(text(0, HistoryListModel::File), QStringLiteral("stbdata.irz"));
        int channels = 0;
        for (int n = 0; n < kChannelSlots; ++n) channels += channelFree(base_->channel(n)) ? 0 : 1;
        QCOMPARE(model.data(model.index(1, HistoryListModel::Channels)).toInt(), channels);
        // Local time of the kept UTC time, newest on top.
        const QDateTime kept = QDateTime::fromSecsSinceEpoch(1'700'000'120);
        QCOMPARE(text(0, HistoryListModel::Time), kept.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        QVERIFY(!model.data(model.index(3, 0)).isValid());
    }

    void twoEntriesCompareFromTheOlderToTheNewer() {
        const auto all = history_->entries();
        for (const auto& [a, b] : {std::pair{0, 2}, std::pair{2, 0}}) {
            const auto c = compareHistoryEntries(*history_, all[a], all[b]);
            QVERIFY(c.ok());
            // The pid list was made from the uploaded one: only a PID differs.
            QCOMPARE(c->lines.value(0), QStringLiteral("1 with PIDs changed."));
            QVERIFY(c->title.startsWith(QStringLiteral("From ") + HistoryListModel::label(all[2])));
            QVERIFY(c->title.endsWith(HistoryListModel::label(all[0])));
            QVERIFY(!c->equal);
        }
        const auto same = compareHistoryEntries(*history_, all[1], all[1]);
        QVERIFY(same.ok() && same->equal);
    }

    void entryComparesWithTheOpenList() {
        const auto all = history_->entries();
        const auto c = compareWithOpenList(*history_, all[2], *renamed_, QStringLiteral("the open list"));
        QVERIFY(c.ok());
        QCOMPARE(c->lines.value(0), QStringLiteral("1 renamed."));
        QVERIFY(c->lines.value(1).endsWith(QStringLiteral("to \"Renamed\"")));
        QVERIFY(c->title.endsWith(QStringLiteral("to the open list")));
    }

    // Restore keeps the open list with its unsaved edit first, then makes
    // the entry the session's list as one edit that Undo takes back; the
    // file is not written.
    void restoreKeepsThePresentListThenTakesTheEntry() {
        const auto file = dir_->write("open.irz", packed(*renamed_));
        ChannelDataDocument document;
        QVERIFY(document.read(file).ok());
        SilentQuestions questions;
        EditorSession session(document, questions);
        QVERIFY(session.open().ok());
        (void)session.import(
            [](ReceiverDatabase& db) -> Status {
                setFixedText(db.channel(7).name, "Unsaved");
                return {};
            },
            false);
        QVERIFY(session.isDirty());
        const ReceiverDatabase edited = session.database();

        const HistoryEntry uploaded = history_->entries()[2];
        Change changed;
        const Status restored = restoreHistoryEntry(session, *history_, uploaded, &changed);
        QVERIFY2(restored.ok(), restored.message().c_str());
        QVERIFY(changed.any());
        QVERIFY(compareDatabases(session.database(), *base_).equal());
        QVERIFY(session.isDirty());
        QCOMPARE(test::readFile(file), packed(*renamed_));

        const auto all = history_->entries();
        QCOMPARE(all.size(), std::size_t{4});
        QCOMPARE(all[0].origin, std::string("restore"));
        const auto kept = loadHistoryEntry(*history_, all[0]);
        QVERIFY(kept.ok());
        QVERIFY(compareDatabases(*kept.value(), edited).equal());

        (void)session.undo();
        QVERIFY(compareDatabases(session.database(), edited).equal());
        QVERIFY(questions.told.empty());
    }

    void brokenEntryIsNotRestoredAndNothingIsKept() {
        const auto file = dir_->write("open.irz", packed(*renamed_));
        ChannelDataDocument document;
        QVERIFY(document.read(file).ok());
        SilentQuestions questions;
        EditorSession session(document, questions);
        QVERIFY(session.open().ok());
        HistoryEntry broken = history_->entries()[1];
        test::TempDir other;
        broken.file = other.write("20270101-000000-000.irz", {'I', 'R', 'Z', 0, 1, 2});
        QVERIFY(!restoreHistoryEntry(session, *history_, broken).ok());
        broken.file = other.file("missing.irz");
        QVERIFY(!restoreHistoryEntry(session, *history_, broken).ok());
        QVERIFY(!compareWithOpenList(*history_, broken, *renamed_, {}).ok());
        QCOMPARE(history_->entries().size(), std::size_t{3});
        QVERIFY(!session.isDirty());
        QVERIFY(compareDatabases(session.database(), *renamed_).equal());
    }
};

QTEST_GUILESS_MAIN(HistoryBrowserTest)
#include "history_browser_test.moc"
