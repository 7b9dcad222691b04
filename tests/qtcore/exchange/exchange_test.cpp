// The JSON and CSV exchange of channel data: lossless round trips on the
// demo and full databases and on a database whose every carried byte is set,
// and refusal of bad input without changing anything.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

#include "database/backup_blob.h"
#include "database/demo_data.h"
#include "database/receiver_database.h"
#include "exchange/channel_data_json.h"
#include "exchange/channel_table_csv.h"

using namespace dorvane;

namespace {

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

// What a file of the database gives when it is opened: the database as the
// repack and the JSON export see it.
std::unique_ptr<ReceiverDatabase> reopened(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return nullptr;
    auto result = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*result, *buffer) != UnpackResult::Ok) return nullptr;
    return result;
}

// Every byte a save keeps set to something not zero and not the default.
std::unique_ptr<ReceiverDatabase> everyCarriedByte() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    BackupHeader& h = db->storedHeader();
    h.prefixKind = 1;
    h.prefixLength = 200;
    h.carried29 = 0x5C;
    for (int i = 0; i < 200; ++i) db->prefix()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(255 - i);
    for (int s = 0; s < kSatelliteSlots; ++s) {
        SatelliteRecord& r = db->satellite(s);
        r.carried18 = 0x18;
        r.carried20 = 0x20;
        r.carried30[0] = 0x30;
        r.carried30[1] = static_cast<std::uint8_t>(s);
        if (s == 40) std::memcpy(r.name, "Sixteen chars!!!", 16);     // no NUL at all
        if (s == 41) std::memcpy(r.name, "Ab\0tail\0\0x", 10);        // bytes behind the NUL
    }
    db->orderEntry(20) = 33;  // a gap in the order list before it
    for (int t = 0; t < kTransponderSlots; t += 7) {
        TransponderRecord& r = db->transponder(t);
        r.carried6 = 6;
        r.carried8 = 8;
        r.carried10 = 10;
        r.carried12[3] = static_cast<std::uint8_t>(t);
    }
    db->transponder(1999).satellite = 200;  // a free slot that still holds bytes
    db->transponder(1999).frequency = 12345;
    for (int n = 0; n < 60; ++n) {
        ChannelRecord& c = db->channel(n);
        c.lead = static_cast<std::uint8_t>(n);
        c.word20 = static_cast<std::uint16_t>(0x2000 + n);
        c.carried30 = 0x30;
        c.carried34 = 0x3434;
        c.cas = static_cast<std::uint16_t>(0xFEDC);  // nibbles without a code
    }
    std::memcpy(db->channel(1).name, "Nineteen characters", 19);
    std::memcpy(db->channel(2).name, "A\0hidden\0bytes", 14);
    db->channel(3).flags = 0;  // no longer a channel, but its record is written
    char* names = reinterpret_cast<char*>(db->groupNameBytes().data());
    std::memcpy(names, "TwelveChars!", 12);
    std::memcpy(names + 12, "R\0tail", 6);
    return db;
}

}  // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setDiagnosticSink([](std::string_view) {}); }

    void jsonImportWritesWhatARepackWrites_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("demo") << 0;
        QTest::newRow("full") << 1;
        QTest::newRow("every carried byte") << 2;
    }
    void jsonImportWritesWhatARepackWrites() {
        QFETCH(int, which);
        auto source = std::make_unique<ReceiverDatabase>();
        if (which == 0) fillDemoDatabase(*source);
        if (which == 1) fillFullDatabase(*source, 99);
        if (which == 2) source = everyCarriedByte();
        const auto opened = reopened(*source);
        QVERIFY(opened);

        const QByteArray json = databaseToJson(*opened);
        auto imported = std::make_unique<ReceiverDatabase>();
        const Status result = databaseFromJson(json, *imported);
        QVERIFY2(result.ok(), result.message().c_str());
        const auto repack = packed(*opened);
        QVERIFY(!repack.empty());
        QVERIFY(packed(*imported) == repack);
        // And the JSON of the imported database is the same text.
        QCOMPARE(databaseToJson(*imported), json);
    }

    void carriedBytesAppearAsNamedOrHexFields() {
        const auto opened = reopened(*everyCarriedByte());
        const QJsonObject root = QJsonDocument::fromJson(databaseToJson(*opened)).object();
        QCOMPARE(root["header"].toObject()["prefixKind"].toInt(), 1);
        QCOMPARE(root["header"].toObject()["carried29"].toInt(), 0x5C);
        QCOMPARE(root["prefix"].toString().size(), 400);
        QVERIFY(root["prefix"].toString().startsWith(QStringLiteral("fffefd")));
        const QJsonArray satellites = root["satellites"].toArray();
        QJsonObject s41;
        for (const auto& v : satellites)
            if (v.toObject()["slot"].toInt() == 41) s41 = v.toObject();
        QCOMPARE(s41["name"].toString(), QStringLiteral("Ab"));
        QCOMPARE(s41["nameTail"].toString(), QStringLiteral("7461696c000078000000000000"));
        QCOMPARE(s41["carried30"].toString(), QStringLiteral("3029"));
        const QJsonObject c2 = root["channels"].toArray()[2].toObject();
        QCOMPARE(c2["name"].toString(), QStringLiteral("A"));
        QVERIFY(c2.contains("nameTail"));
        QCOMPARE(c2["casWord"].toInt(), 0xFEDC);
        QCOMPARE(root["order"].toArray().size(), 21);
    }

    void badJsonIsRefusedWithThePathOfTheFirstProblem_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("error");
        QTest::newRow("not json") << "garbage" << "$: not valid JSON at byte";
        QTest::newRow("pid") << "channels.0.videoPid=70000" << "$.channels[0].videoPid: expected an integer 0..65535";
        QTest::newRow("name") << "channels.1.name=\u0416" << "$.channels[1].name: the name holds a character";
        QTest::newRow("number twice") << "channels.1.number=0" << "$.channels[1].number: given twice";
        QTest::newRow("hex") << "transponders.0.carried12=zz" << "$.transponders[0].carried12: expected hex digits";
        QTest::newRow("missing") << "satellites.0.location=" << "$.satellites[0].location: missing";
        QTest::newRow("member") << "favourites.0.members=5000" << "$.favourites[0].members[0]: expected an integer -1..4999";
        QTest::newRow("shape") << "header.prefixKind=2" << "$.header.prefixKind: expected an integer 0..1";
    }
    void badJsonIsRefusedWithThePathOfTheFirstProblem() {
        QFETCH(QString, edit);
        QFETCH(QString, error);
        auto demo = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*demo);
        QByteArray json = databaseToJson(*demo);
        if (edit == QLatin1String("garbage")) {
            json = "{ \"header\": ";
        } else {
            // section.index.key=value; an empty value removes the key.
            const QStringList parts = edit.split('=');
            const QStringList path = parts[0].split('.');
            QJsonObject root = QJsonDocument::fromJson(json).object();
            if (path[0] == QLatin1String("header")) {
                QJsonObject h = root["header"].toObject();
                h[path[1]] = parts[1].toInt();
                root["header"] = h;
            } else {
                QJsonArray list = root[path[0]].toArray();
                QJsonObject o = list[path[1].toInt()].toObject();
                bool isNumber = false;
                const int number = parts[1].toInt(&isNumber);
                if (parts[1].isEmpty())
                    o.remove(path[2]);
                else if (path[2] == QLatin1String("members"))
                    o[path[2]] = QJsonArray{number};
                else if (isNumber)
                    o[path[2]] = number;
                else
                    o[path[2]] = parts[1];
                list[path[1].toInt()] = o;
                root[path[0]] = list;
            }
            json = QJsonDocument(root).toJson();
        }
        auto target = std::make_unique<ReceiverDatabase>();
        fillFullDatabase(*target, 5);
        const auto before = packed(*target);
        const Status result = databaseFromJson(json, *target);
        QCOMPARE(result.error(), Error::Corrupt);
        QVERIFY2(QString::fromStdString(result.message()).startsWith(error), result.message().c_str());
        QVERIFY(packed(*target) == before);  // nothing changed
    }

    void csvRoundTripAndUpdates() {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        setFixedText(db->channel(4).name, "Quote \"and\", comma");
        const QByteArray csv = channelTableCsv(*db);
        QVERIFY(csv.startsWith("\xEF\xBB\xBFnumber,name,satellite,transponder,frequency,polarisation,serviceId,"));
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 108);
        QVERIFY(lines[5].startsWith(QStringLiteral("4,\"Quote \"\"and\"\", comma\",")));

        // Applying its own table changes nothing.
        const auto before = packed(*db);
        Result<int> result = applyChannelTableCsv(csv, *db);
        QVERIFY2(result.ok(), result.message().c_str());
        QCOMPARE(result.value(), 0);
        QVERIFY(packed(*db) == before);

        // Columns in any order, others ignored, names in UTF-8.
        const QByteArray update =
            "pcrPid,number,kind,name\r\n600,0,tv,\"Caf\xC3\xA9, Sport\"\n601,5,x,\"Two\nlines\"\r\n";
        result = applyChannelTableCsv(update, *db);
        QVERIFY2(result.ok(), result.message().c_str());
        QCOMPARE(result.value(), 2);
        QCOMPARE(QString::fromLatin1(db->channel(0).name), QStringLiteral("Caf\u00e9, Sport"));
        QCOMPARE(int(db->channel(0).pcrPid), 600);
        QCOMPARE(QByteArray(db->channel(5).name), QByteArray("Two\nlines"));
        QCOMPARE(int(db->channel(5).pcrPid), 601);
    }

    void badCsvChangesNothing_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("error");
        QTest::newRow("no number") << QByteArray("name\r\nX\r\n") << "line 1: no \"number\" column";
        QTest::newRow("free slot") << QByteArray("number,name\r\n0,A\r\n4000,B\r\n") << "line 3, number: channel 4000 holds no channel";
        QTest::newRow("pid") << QByteArray("number,videoPid\r\n0,1\r\n1,65536\r\n") << "line 3, videoPid: expected an integer 0..65535";
        QTest::newRow("long name") << QByteArray("number,name\r\n0,Twenty characters!!!\r\n") << "line 2, name: the name is longer than 18";
        QTest::newRow("twice") << QByteArray("number,name\r\n0,A\r\n0,B\r\n") << "line 3, number: channel 0 given twice";
        QTest::newRow("open quote") << QByteArray("number,name\r\n0,\"A\r\n") << "line 2: a quoted field is not closed";
    }
    void badCsvChangesNothing() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        const auto before = packed(*db);
        const Result<int> result = applyChannelTableCsv(csv, *db);
        QCOMPARE(result.error(), Error::Corrupt);
        QVERIFY2(QString::fromStdString(result.message()).startsWith(error), result.message().c_str());
        QVERIFY(packed(*db) == before);
    }
};

QTEST_GUILESS_MAIN(ExchangeTest)
#include "exchange_test.moc"
