#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "cli_run.h"
#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/editor/channel_move.h"

using namespace dorvane;

// `dorvane diff` on pairs of files that differ by one edit each.
class DiffCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    // Writes the demo list with one edit as NAME.irz.
    QString write(const QString& name, const std::function<void(ReceiverDatabase&)>& edit) {
        ChannelDataDocument document;
        fillDemoDatabase(document.database());
        document.database().storedHeader() = receiverShapedHeader();
        edit(document.database());
        const QString path = dir.filePath(name + ".irz");
        const Status saved = document.saveAs(path.toStdString());
        if (!saved.ok()) qWarning() << QString::fromStdString(saved.message());
        return path;
    }

    // A channel from the middle that stands in no favourite group.
    static int loner(const ReceiverDatabase& db) {
        for (int n = 50; n < kChannelSlots; ++n) {
            bool member = false;
            for (int g = 0; g < kFavoriteGroups; ++g)
                for (int s = 0; s < db.groupSize(g); ++s) member |= db.groupSlot(g, s) == n;
            if (!member && !channelFree(db.channel(n))) return n;
        }
        return 0;
    }

    static QJsonObject json(const CliRun& r) { return QJsonDocument::fromJson(r.out.toUtf8()).object(); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        write("base", [](ReceiverDatabase&) {});
    }

    void fileAgainstItselfIsEqual() {
        const QString base = dir.filePath("base.irz");
        CliRun r = runCli({"diff", base, base});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.outLines(), QStringList{"No differences."});
        r = runCli({"diff", "--json", base, base});
        QCOMPARE(r.status, 0);
        QCOMPARE(json(r)["equal"].toBool(), true);
        QCOMPARE(json(r)["channels"].toObject()["moved"].toArray().size(), 0);
    }

    void eachEditIsReportedAsItsKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("summary");
        QTest::newRow("rename") << 0 << "channels"
                                << "renamed"
                                << "1 renamed.";
        QTest::newRow("pid") << 1 << "channels"
                             << "pidsChanged"
                             << "1 with PIDs changed.";
        QTest::newRow("add") << 2 << "channels"
                             << "added"
                             << "1 channel added.";
        QTest::newRow("remove") << 3 << "channels"
                                << "removed"
                                << "1 channel removed.";
        QTest::newRow("move") << 4 << "channels"
                              << "moved"
                              << "1 moved.";
        QTest::newRow("favourite") << 5 << "favourites"
                                   << ""
                                   << "1 favourite group changed.";
        QTest::newRow("satellite") << 6 << "satellites"
                                   << "changed"
                                   << "1 satellite changed.";
        QTest::newRow("transponder") << 7 << "transponders"
                                     << "changed"
                                     << "1 transponder changed.";
    }

    void eachEditIsReportedAsItsKind() {
        QFETCH(int, kind);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, summary);
        const std::function<void(ReceiverDatabase&)> edits[] = {
            [](ReceiverDatabase& db) { setFixedText(db.channel(loner(db)).name, "Renamed"); },
            [](ReceiverDatabase& db) { db.channel(loner(db)).videoPid = 4000; },
            [](ReceiverDatabase& db) { db.channel(db.duplicateChannel(loner(db))).serviceId = 0x7777; },
            [](ReceiverDatabase& db) { db.deleteChannel(loner(db)); },
            [](ReceiverDatabase& db) { moveChannelsKeepingFavourites(db, {loner(db)}, 3); },
            [](ReceiverDatabase& db) { db.addToGroup(11, loner(db), db.groupSize(11)); },
            [](ReceiverDatabase& db) { db.satellite(db.channel(loner(db)).satellite).diseqcPort ^= 1; },
            [](ReceiverDatabase& db) { db.transponder(db.channel(loner(db)).transponder).fec ^= 1; },
        };
        const QString base = dir.filePath("base.irz");
        const QString edited = write(QStringLiteral("edit%1").arg(kind), edits[kind]);

        CliRun r = runCli({"diff", base, edited});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.outLines().value(0), summary);
        QCOMPARE(r.outLines().size(), 2);  // the summary and one line for the one change
        QCOMPARE(r.err, QString());

        r = runCli({"diff", base, edited, "--json"});
        QCOMPARE(r.status, 1);
        const QJsonObject o = json(r);
        QCOMPARE(o["equal"].toBool(true), false);
        QCOMPARE(o["summary"].toString(), summary);
        const QJsonArray list = key.isEmpty() ? o[section].toArray() : o[section].toObject()[key].toArray();
        QCOMPARE(list.size(), 1);
        // Back the other way the same kind is seen (added and removed swap).
        r = runCli({"diff", edited, base});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.outLines().size(), 2);
    }

    void renameNamesTheChannelAndItsIdentity() {
        const CliRun r = runCli({"diff", "--json", dir.filePath("base.irz"), dir.filePath("edit0.irz")});
        const QJsonObject renamed = json(r)["channels"].toObject()["renamed"].toArray()[0].toObject();
        QCOMPARE(renamed["after"].toObject()["name"].toString(), QStringLiteral("Renamed"));
        QVERIFY(renamed["before"].toObject()["number"].toInt() >= 50);
        QVERIFY(renamed["before"].toObject()["frequency"].toInt() > 0);
        QCOMPARE(renamed["before"].toObject()["serviceId"], renamed["after"].toObject()["serviceId"]);
    }

    void badUsageAndUnreadableFilesAreTrouble() {
        CliRun r = runCli({"diff", dir.filePath("base.irz")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("usage: dorvane diff [--json] A B"));
        r = runCli({"diff", dir.filePath("base.irz"), dir.filePath("missing.irz")});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("missing.irz"));
        QCOMPARE(r.out, QString());
    }

    // A command that replaces a list keeps the replaced one in the history
    // folder; an unusable folder costs a line, not the command.
    void replacedListsGoToTheHistory() {
        QProcessEnvironment env;
        env.insert("DORVANE_HISTORY_DIR", dir.filePath("history"));
        const QString out = dir.filePath("out.irz");
        QCOMPARE(runCli({"repack", dir.filePath("edit0.irz"), out}, env).status, 0);
        QVERIFY(!QDir(dir.filePath("history")).exists());  // nothing was replaced
        QCOMPARE(runCli({"repack", dir.filePath("edit1.irz"), out}, env).status, 0);
        const QStringList kept = QDir(dir.filePath("history")).entryList({"*.irz"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(runCli({"diff", dir.filePath("history/" + kept[0]), dir.filePath("edit0.irz")}).status, 0);
        const QString info =
            QString::fromUtf8(fileBytes(dir.filePath("history/" + QString(kept[0]).replace(".irz", ".info"))));
        QVERIFY(info.contains("origin=replaced\n"));
        QVERIFY(info.contains("source=" + out + "\n"));

        writeBytes(dir.filePath("blocker"), "x");
        env.insert("DORVANE_HISTORY_DIR", dir.filePath("blocker/history"));
        const CliRun r = runCli({"repack", dir.filePath("edit2.irz"), out}, env);
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains("The list was not kept in the history"));
    }
};

QTEST_GUILESS_MAIN(DiffCliTest)
#include "diff_cli_test.moc"
