// The JSON and CSV exchange of channel data: lossless round trips on the
// demo and full databases and on a database whose every carried byte is set,
// and refusal of bad input without changing anything.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_import.h"
#include "qtcore/exchange/channel_table_csv.h"
#include "qtcore/exchange/text_input.h"

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
        if (s == 40) std::memcpy(r.name, "Sixteen chars!!!", 16);  // no NUL at all
        if (s == 41) std::memcpy(r.name, "Ab\0tail\0\0x", 10);     // bytes behind the NUL
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
        QTest::newRow("not json") << "garbage"
                                  << "$: not valid JSON at byte";
        QTest::newRow("pid") << "channels.0.videoPid=70000"
                             << "$.channels[0].videoPid: expected an integer 0..65535";
        QTest::newRow("name") << "channels.1.name=\u0416"
                              << "$.channels[1].name: the name holds a character";
        QTest::newRow("number twice") << "channels.1.number=0"
                                      << "$.channels[1].number: given twice";
        QTest::newRow("hex") << "transponders.0.carried12=zz"
                             << "$.transponders[0].carried12: expected hex digits";
        QTest::newRow("missing") << "satellites.0.location="
                                 << "$.satellites[0].location: missing";
        QTest::newRow("member") << "favourites.0.members=5000"
                                << "$.favourites[0].members[0]: expected an integer -1..4999";
        QTest::newRow("shape") << "header.prefixKind=2"
                               << "$.header.prefixKind: expected an integer 0..1";
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
        Result<CsvImportReport> result = applyChannelTableCsv(csv, *db);
        QVERIFY2(result.ok(), result.message().c_str());
        QCOMPARE(result->changedChannels, 0);
        QCOMPARE(result->rows, 108);
        QVERIFY(result->orderNote.isEmpty());
        QVERIFY(result->notes.isEmpty());
        QVERIFY(packed(*db) == before);

        // Columns in any order, others ignored, names in UTF-8, no number.
        const QByteArray update =
            "pcrPid,serviceId,frequency,kind,name,satellite,polarisation\r\n"
            "600,100,10729,tv,\"Caf\xC3\xA9, Sport\",1,V(R)\n"
            "601,201,10969,x,\"Two\nlines\",1,H(L)\r\n";
        result = applyChannelTableCsv(update, *db);
        QVERIFY2(result.ok(), result.message().c_str());
        QCOMPARE(result->changedChannels, 2);
        QCOMPARE(QString::fromLatin1(db->channel(0).name), QStringLiteral("Caf\u00e9, Sport"));
        QCOMPARE(int(db->channel(0).pcrPid), 600);
        QCOMPARE(QByteArray(db->channel(5).name), QByteArray("Two\nlines"));
        QCOMPARE(int(db->channel(5).pcrPid), 601);
        // What differs in a column that is not imported is said.
        QCOMPARE(result->notes,
                 QStringList{QStringLiteral("line 3, kind: \"x\" differs from the channel's \"tv\": not imported")});
        QVERIFY(result->lines().contains(QStringLiteral("Ignored column: kind (not imported)")));
        QVERIFY(result->lines().contains(QStringLiteral("Applied: 2 of 2 rows changed a channel (name 2, pcrPid 2)")));
    }

    void badCsvChangesNothing_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("error");
        const QByteArray head = "number,name,satellite,frequency,polarisation,serviceId,videoPid\r\n";
        QTest::newRow("no identity") << QByteArray("number,name\r\n0,X\r\n")
                                     << "line 1: no \"satellite\" column; a row finds its channel by satellite";
        QTest::newRow("no channel there") << head + "0,A,1,10729,V(R),100,1\r\n4000,B,1,10729,V(R),999,1\r\n"
                                          << "line 3: no channel has satellite 1, 10729 MHz V(R), service id 999";
        QTest::newRow("pid") << head + "0,A,1,10729,V(R),100,1\r\n1,B,1,10729,V(R),101,65536\r\n"
                             << "line 3, videoPid: expected an integer 0..65535";
        QTest::newRow("long name") << head + "0,Nineteen characters,1,10729,V(R),100,1\r\n"
                                   << "line 2, name: the name is longer than 18 characters";
        QTest::newRow("latin-1 name") << head + "0,Caf\xE9,1,10729,V(R),100,1\r\n"
                                      << "line 2, column 6: not UTF-8 text (byte 0xE9); save the file as UTF-8";
        QTest::newRow("twice") << head + "0,A,1,10729,V(R),100,1\r\n,B,1,10729,V(R),100,1\r\n"
                               << "line 3: channel 0 given twice (line 2)";
        QTest::newRow("open quote") << head + "0,\"A,1,10729,V(R),100,1\r\n"
                                    << "line 2: a quoted field is not closed";
        QTest::newRow("polarisation") << head + "0,A,1,10729,X,100,1\r\n"
                                      << "line 2, polarisation: expected V(R) or H(L)";
        QTest::newRow("satellite") << head + "0,A,200,10729,V(R),100,1\r\n"
                                   << "line 2, satellite: expected a satellite number 1..163";
        QTest::newRow("bad hint") << head + "x,A,1,10729,V(R),100,1\r\n"
                                  << "line 2, number: expected a channel number 0..4999";
    }
    void badCsvChangesNothing() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        const auto before = packed(*db);
        const Result<CsvImportReport> result = applyChannelTableCsv(csv, *db);
        QCOMPARE(result.error(), Error::Corrupt);
        QVERIFY2(QString::fromStdString(result.message()).startsWith(error), result.message().c_str());
        QVERIFY(packed(*db) == before);
    }

    // A table a spreadsheet saved: semicolons, byte-order mark, CR LF, only
    // the rows that were changed, no number column.
    void semicolonTableWithBomAndCrlf() {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        const QByteArray csv =
            "\xEF\xBB\xBF"
            "satellite;frequency;polarisation;serviceId;name;audioPid\r\n"
            "2;11727;H(L);903;\"Quill; HD\";4242\r\n"
            ";;;;;\r\n"
            "1;10729;V(R);101;Atlas News;529\r\n";
        const Result<CsvImportReport> result = applyChannelTableCsv(csv, *db);
        QVERIFY2(result.ok(), result.message().c_str());
        QCOMPARE(result->rows, 2);
        QCOMPARE(result->changedChannels, 1);
        QCOMPARE(fixedText(db->channel(35).name), std::string("Quill; HD"));
        QCOMPARE(int(db->channel(35).audioPid), 4242);
        QCOMPARE(fixedText(db->channel(1).name), std::string("Atlas News"));
    }

    void latin1TableIsRefusedAtItsFirstBadByte() {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        const QByteArray csv = channelTableCsv(*db).mid(3);  // no mark
        QByteArray latin1 = csv;
        const qsizetype at = latin1.indexOf("Rivo Sport");
        latin1.replace(at, 10, "Rivo Sp\xF6rt");
        const Result<CsvImportReport> result = applyChannelTableCsv(latin1, *db);
        QCOMPARE(result.error(), Error::Corrupt);
        QCOMPARE(QString::fromStdString(result.message()),
                 QStringLiteral("line 4, column 10: not UTF-8 text (byte 0xF6); save the file as UTF-8"));
        // The JSON import names the line as well.
        QByteArray json = databaseToJson(*db);
        json.replace("\"Rivo Sport\"", "\"Rivo Sp\xF6rt\"");
        const Status refused = databaseFromJson(json, *db);
        QVERIFY2(QString::fromStdString(refused.message())
                     .contains(QRegularExpression("^line \\d+, column \\d+: not UTF-8 text \\(byte 0xF6\\)")),
                 refused.message().c_str());
        // Overlong forms and surrogates are not UTF-8 either.
        QCOMPARE(firstInvalidUtf8("ok\xC0\xAF"), qsizetype(2));
        QCOMPARE(firstInvalidUtf8("a\xED\xA0\x80"), qsizetype(1));
        QCOMPARE(firstInvalidUtf8("\xF4\x90\x80\x80"), qsizetype(0));
        QCOMPARE(firstInvalidUtf8("\xE2\x82\xAC\xF0\x9F\x98\x80"), qsizetype(-1));
    }

    // Rows moved in the spreadsheet do not move channels: the values go to
    // the right ones and the order is reported as ignored.
    void reorderedRowsAreReportedNotApplied() {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        QStringList lines =
            QString::fromUtf8(channelTableCsv(*db).mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        lines[3].replace(QStringLiteral("Rivo Sport"), QStringLiteral("Rivo Sport 2"));
        lines.move(3, 1);  // channel 2 now stands first
        const auto before = std::make_unique<ReceiverDatabase>(*db);
        const Result<CsvImportReport> result = applyChannelTableCsv(lines.join(QStringLiteral("\r\n")).toUtf8(), *db);
        QVERIFY2(result.ok(), result.message().c_str());
        QCOMPARE(fixedText(db->channel(2).name), std::string("Rivo Sport 2"));
        for (int n = 0; n < kChannelSlots; ++n)
            if (n != 2) QCOMPARE(std::memcmp(&db->channel(n), &before->channel(n), sizeof(ChannelRecord)), 0);
        QCOMPARE(result->orderNote, QStringLiteral("row order: line 3 (channel 0) stands after channel 2; the channels "
                                                   "keep their numbers (Move in the editor changes the order)"));
        QVERIFY(result->lines().contains(QStringLiteral("Ignored: ") + result->orderNote));
    }

    void tableMadeBeforeASaveThatClosedGaps_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("demo") << 0;
        QTest::newRow("full") << 1;
    }
    // An export, then deletions and a save (reopening closes the gaps in
    // the numbering), then the old table edited and imported: each row
    // reaches the channel it was made from, or is refused by its line.
    void tableMadeBeforeASaveThatClosedGaps() {
        QFETCH(int, which);
        auto db = std::make_unique<ReceiverDatabase>();
        if (which == 0)
            fillDemoDatabase(*db);
        else
            fillFullDatabase(*db, 7);
        auto source = reopened(*db);
        const QStringList rows =
            QString::fromUtf8(channelTableCsv(*source).mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        std::vector<int> deleted;
        for (int n = 3; n < kChannelSlots; n += 7)
            if (!channelFree(source->channel(n))) deleted.push_back(n);
        for (int n : deleted) source->deleteChannel(n);
        auto saved = reopened(*source);
        QVERIFY(saved);
        QVERIFY(!channelFree(saved->channel(static_cast<int>(rows.size()) - 2 - static_cast<int>(deleted.size()))));

        // Every kept row renamed ("#" and its old number); the old numbers
        // stand in the table as they were.
        QStringList edited{rows[0]};
        QStringList deletedRows;
        for (qsizetype i = 1; i < rows.size(); ++i) {
            QStringList f = rows[i].split(QLatin1Char(','));
            const int old = f[0].toInt();
            if (std::find(deleted.begin(), deleted.end(), old) != deleted.end()) {
                deletedRows << rows[i];
                continue;
            }
            f[1] = QStringLiteral("#%1").arg(old);
            edited << f.join(QLatin1Char(','));
        }
        auto target = std::make_unique<ReceiverDatabase>(*saved);
        const Result<CsvImportReport> result =
            applyChannelTableCsv(edited.join(QStringLiteral("\r\n")).toUtf8(), *target);
        QVERIFY2(result.ok(), result.message().c_str());
        // Each channel carries the name of the row of its own identity.
        for (int n = 0; n < kChannelSlots; ++n) {
            const ChannelRecord& c = target->channel(n);
            if (channelFree(c)) continue;
            int origin = -1;
            for (int o = 0; o < kChannelSlots && origin < 0; ++o) {
                const ChannelRecord& s = db->channel(o);
                if (!channelFree(s) && s.serviceId == c.serviceId && s.transponder == c.transponder) origin = o;
            }
            QCOMPARE(fixedText(c.name), QStringLiteral("#%1").arg(origin).toStdString());
        }
        QVERIFY(!result->notes.isEmpty());  // found under other numbers

        // A row of a channel that is gone is refused by its line.
        edited.insert(2, deletedRows.first());
        auto refusedTarget = std::make_unique<ReceiverDatabase>(*saved);
        const Result<CsvImportReport> refused =
            applyChannelTableCsv(edited.join(QStringLiteral("\r\n")).toUtf8(), *refusedTarget);
        QCOMPARE(refused.error(), Error::Corrupt);
        QVERIFY2(refused.message().starts_with("line 3: no channel has satellite "), refused.message().c_str());
        QVERIFY(refusedTarget->sameTables(*saved));
    }

    // One limit and one wording for a name, in the table and the JSON.
    void nameLimitIsTheFieldsInEveryImport() {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        const QByteArray head = "satellite,frequency,polarisation,serviceId,name\r\n";
        Result<CsvImportReport> csv = applyChannelTableCsv(head + "1,10729,V(R),100,Eighteen characters\r\n", *db);
        QCOMPARE(QString::fromStdString(csv.message()),
                 QStringLiteral("line 2, name: the name is longer than 18 characters"));
        csv = applyChannelTableCsv(head + "1,10729,V(R),100,Eighteen character\r\n", *db);
        QVERIFY(csv.ok());
        QCOMPARE(fixedText(db->channel(0).name), std::string("Eighteen character"));

        QJsonObject root = QJsonDocument::fromJson(databaseToJson(*db)).object();
        QJsonArray channels = root["channels"].toArray();
        QJsonObject c0 = channels[0].toObject();
        c0["name"] = QStringLiteral("Eighteen characters");
        channels[0] = c0;
        root["channels"] = channels;
        auto target = std::make_unique<ReceiverDatabase>();
        const Status json = databaseFromJson(QJsonDocument(root).toJson(), *target);
        QVERIFY2(QString::fromStdString(json.message())
                     .contains(QRegularExpression(QStringLiteral(
                         "^\\$\\.channels\\[0\\]\\.name: the name is longer than 18 characters \\(line \\d+\\)$"))),
                 json.message().c_str());
        // A name that fills its field in the file comes back whole.
        c0["nameUnterminated"] = true;
        channels[0] = c0;
        root["channels"] = channels;
        QVERIFY(databaseFromJson(QJsonDocument(root).toJson(), *target).ok());
        QCOMPARE(QByteArray(target->channel(0).name, 19), QByteArray("Eighteen characters"));
    }

    // A JSON channel names its transponder by number; a number that names
    // another transponder than the channel's frequency and polarisation is
    // refused; what a save would drop is refused by the import itself.
    void importRefusesWhatCouldNotBeSaved() {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        QJsonObject root = QJsonDocument::fromJson(databaseToJson(*db)).object();
        QJsonArray channels = root["channels"].toArray();
        QJsonObject c5 = channels[5].toObject();
        QCOMPARE(c5["frequency"].toInt(), 10969);
        QCOMPARE(c5["polarisation"].toString(), QStringLiteral("H(L)"));
        c5["transponder"] = 2;
        channels[5] = c5;
        root["channels"] = channels;
        auto target = std::make_unique<ReceiverDatabase>();
        Status refused = databaseFromJson(QJsonDocument(root).toJson(), *target);
        QVERIFY2(refused.message().starts_with(
                     "$.channels[5].frequency: transponder 2 is 11209 MHz V(R) on satellite 1, not 10969 MHz (line "),
                 refused.message().c_str());
        // The line is where that record begins in the file.
        const QByteArray text = QJsonDocument(root).toJson();
        const int line =
            QString::fromStdString(refused.message()).section(QStringLiteral("(line "), 1).chopped(1).toInt();
        QVERIFY(text.split('\n').value(line - 1).trimmed() == "{");
        QVERIFY(text.split('\n').mid(line - 1, 30).join('\n').contains("\"number\": 5"));

        // On a transponder that is not in use: a file that could not be saved.
        c5["transponder"] = 1999;
        c5.remove("frequency");
        c5.remove("polarisation");
        channels[5] = c5;
        root["channels"] = channels;
        ChannelDataDocument document;
        fillDemoDatabase(document.database());
        const auto before = packed(document.database());
        const Result<ImportReport> imported =
            importChannelData(QJsonDocument(root).toJson(), ImportKind::Json, document);
        QCOMPARE(imported.error(), Error::ReadOnly);
        QVERIFY2(imported.message().find("stands on transponder 1999, which is not in use") != std::string::npos,
                 imported.message().c_str());
        QVERIFY(packed(document.database()) == before);
        // A good file goes in whole, and makes the document complete.
        auto full = std::make_unique<ReceiverDatabase>();
        fillFullDatabase(*full, 3);
        const auto fullOpened = reopened(*full);
        const Result<ImportReport> good = importChannelData(databaseToJson(*fullOpened), ImportKind::Json, document);
        QVERIFY2(good.ok(), good.message().c_str());
        QVERIFY(packed(document.database()) == packed(*fullOpened));
        QVERIFY(!document.isReadOnly());
    }
};

QTEST_GUILESS_MAIN(ExchangeTest)
#include "exchange_test.moc"
