#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the real command-line program on demo channel-data files.
class ChannelsCliTest : public QObject {
    Q_OBJECT
private:
    struct Run {
        int status;
        QByteArray out;
        QString err;
    };
    Run run(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), args);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished(5000);
            return {-1, {}, QStringLiteral("timed out")};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const Run demo = run({"demo-data", dir.filePath("demo.irz")});
        QCOMPARE(demo.status, 0);
        const Run full = run({"demo-data", dir.filePath("full.irz"), "--full", "--seed", "3"});
        QCOMPARE(full.status, 0);
        QVERIFY(full.out.contains("5000 channels"));
    }

    void jsonDescribesTheWholeDatabase() {
        const Run r = run({"channels", dir.filePath("full.irz"), "--json"});
        QCOMPARE(r.status, 0);
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject root = doc.object();
        QCOMPARE(root.keys(),
                 (QStringList{"channels", "favourites", "header", "order", "prefix", "satellites", "transponders"}));
        QCOMPARE(root["prefix"].toString().size(), 192);  // 96 bytes in hex
        const QJsonObject header = root["header"].toObject();
        QCOMPARE(header["magic"].toString(), QStringLiteral("IRZ"));
        QCOMPARE(header["payloadSize"].toInt(), 271620);
        QCOMPARE(header["satelliteCount"].toInt(), 164);
        QCOMPARE(root["order"].toArray().size(), 163);
        QCOMPARE(root["satellites"].toArray().size(), 163);
        QCOMPARE(root["transponders"].toArray().size(), 2000);
        const QJsonArray channels = root["channels"].toArray();
        QCOMPARE(channels.size(), 5000);
        const QJsonObject first = channels[0].toObject();
        QCOMPARE(first.keys(), (QStringList{"audioPid",    "carried30",   "carried34",    "cas",       "casWord",
                                            "flags",       "frequency",   "kind",         "lead",      "name",
                                            "number",      "pcrPid",      "polarisation", "satellite", "serviceId",
                                            "teletextPid", "transponder", "videoPid",     "videoType", "word20"}));
        QVERIFY(first["kind"].toString() == "tv" || first["kind"].toString() == "radio");
        const QJsonObject satellite = root["satellites"].toArray()[0].toObject();
        QCOMPARE(satellite.keys().size(), 15);
        QCOMPARE(root["transponders"].toArray()[0].toObject().keys().size(), 12);
        const QJsonArray favourites = root["favourites"].toArray();
        QCOMPARE(favourites.size(), 12);
        QCOMPARE(favourites[0].toObject()["members"].toArray().size(), 144);
        QCOMPARE(favourites[0].toObject()["tvName"].toString(), QStringLiteral("Favourites"));
    }

    void jsonLeavesOutTrailingEmptySlots() {
        const Run r = run({"channels", "--json", dir.filePath("demo.irz")});
        QCOMPARE(r.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        const QJsonArray favourites = root["favourites"].toArray();
        QCOMPARE(favourites[0].toObject()["members"].toArray().size(), 12);
        QCOMPARE(favourites[5].toObject()["members"].toArray().size(), 0);
        QCOMPARE(favourites[5].toObject()["tvName"].toString(), QStringLiteral("Fav 1"));
        QCOMPARE(root["channels"].toArray()[3].toObject()["cas"].toString(), QStringLiteral("MgVi"));
    }

    void plainListing() {
        const Run r = run({"channels", dir.filePath("demo.irz")});
        QCOMPARE(r.status, 0);
        const QString text = QString::fromUtf8(r.out);
        QVERIFY(text.contains("Satellites: 6"));
        QVERIFY(text.contains("Channels: 108"));
        QVERIFY(text.contains("Corvia 19.2E      19E ( 192)"));
    }

    void repackKeepsEveryByteButTheDate() {
        const QString out = dir.filePath("again.irz");
        const Run r = run({"repack", dir.filePath("full.irz"), out});
        QCOMPARE(r.status, 0);
        QByteArray before = contents(dir.filePath("full.irz"));
        QByteArray after = contents(out);
        QCOMPARE(after.size(), before.size());
        after[14] = before[14];
        after[15] = before[15];
        QVERIFY(after == before);
    }

    void brokenFilesAndUsage() {
        QByteArray demo = contents(dir.filePath("demo.irz"));
        QFile cut(dir.filePath("cut.irz"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(demo.left(demo.size() - 10));
        cut.close();
        Run r = run({"channels", dir.filePath("cut.irz")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains("truncated"));
        QVERIFY(r.out.isEmpty());

        demo[1] = 'X';
        QFile bad(dir.filePath("bad.irz"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(demo);
        bad.close();
        r = run({"repack", dir.filePath("bad.irz"), dir.filePath("never.irz")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains("Invalid Backup Data"));
        QVERIFY(!QFile::exists(dir.filePath("never.irz")));

        QCOMPARE(run({"channels"}).status, 2);
        QCOMPARE(run({"channels", "a", "b"}).status, 2);
        QCOMPARE(run({"repack", "a"}).status, 2);
        QCOMPARE(run({"demo-data"}).status, 2);
        // An option without its value says so, not "unknown option".
        for (const QStringList& args : {QStringList{"demo-data", "x.irz", "--full", "--seed"},
                                        QStringList{"demo-data", "x.irz", "--seed", "many"}}) {
            const Run bad = run(args);
            QCOMPARE(bad.status, 2);
            QVERIFY2(bad.err.startsWith("dorvane: --seed needs a number\n"), qPrintable(bad.err));
        }
        QVERIFY(!QFile::exists("x.irz"));
    }
};

QTEST_GUILESS_MAIN(ChannelsCliTest)
#include "channels_cli_test.moc"
