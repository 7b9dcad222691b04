#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "cli/station_table.h"
#include "qtcore/station/station_board.h"
#include "qtcore/station/station_receipt.h"

using namespace dorvane;

// The ports of a station as rows and totals, the table the command line
// draws from them, and the receipts' two forms.
class StationBoardTest : public QObject {
    Q_OBJECT
private slots:
    void totalsCountBoxesAndBusyPorts() {
        StationBoard board;
        PortStatus a;
        a.port = "/dev/ttyUSB0";
        a.phase = PortPhase::Transferring;
        a.progress = 42;
        a.etaSeconds = 75;
        a.boxes = 3;
        a.ok = 2;
        a.lastResult = "refused";
        a.bootVersion = "2.1.0";
        a.appVersion = "1.2.3";
        PortStatus b;
        b.port = "/dev/ttyUSB1";
        b.phase = PortPhase::Waiting;
        b.boxes = 1;
        b.ok = 1;
        board.update(a);
        board.update(b);
        a.phase = PortPhase::Writing;  // a row replaced, not added
        board.update(a);
        QCOMPARE(board.ports().size(), std::size_t(2));
        QCOMPARE(board.find("/dev/ttyUSB0")->phase, PortPhase::Writing);
        QVERIFY(board.find("/dev/ttyUSB9") == nullptr);

        const StationBoard::Totals t = board.totals(30 * 60 * 1000);  // half an hour
        QCOMPARE(t.done, 3);
        QCOMPARE(t.failed, 1);
        QCOMPARE(t.busy, 1);
        QCOMPARE(t.boxesPerHour, 8.0);
        QCOMPARE(board.totals(0).boxesPerHour, 0.0);

        const std::vector<std::string> lines = cli::stationTableLines(board, 30 * 60 * 1000);
        QCOMPARE(lines.size(), std::size_t(4));  // header, two ports, totals
        QVERIFY(lines[0].rfind("PORT", 0) == 0);
        QVERIFY2(lines[1].find("/dev/ttyUSB0") == 0 && lines[1].find("writing") != std::string::npos &&
                     lines[1].find("2.1.0 / 1.2.3") != std::string::npos &&
                     lines[1].find("[####......]  42%") != std::string::npos &&
                     lines[1].find("1:15") != std::string::npos &&
                     lines[1].find("refused (2/3 ok)") != std::string::npos,
                 lines[1].c_str());
        QVERIFY2(lines[2].find("waiting") != std::string::npos && lines[2].find('%') == std::string::npos,
                 lines[2].c_str());
        QCOMPARE(QString::fromStdString(lines[3]), QStringLiteral("done 3, failed 1, 1 busy, 8.0 boxes per hour"));
        // Every row lines up under the header.
        const std::size_t state = lines[0].find("STATE");
        for (std::size_t i = 1; i + 1 < lines.size(); ++i) QCOMPARE(lines[i][state - 1], ' ');
    }

    void receiptsInJsonAndCsv() {
        Receipt r;
        r.port = "/dev/ttyUSB0";
        r.serial = "A9,\"x\"";
        r.start = "2026-01-01T00:00:00.000Z";
        r.end = "2026-01-01T00:00:10.000Z";
        r.file = "a b.irz";
        r.sha256 = "00";
        r.bytes = 4618;
        r.verify = "differs: Renamed channel 0 \"A\" to \"a\"";
        r.result = "verify-failed";
        r.reason = *r.verify;
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(receiptJson(r))).object();
        QCOMPARE(o.value("serial").toString(), QStringLiteral("A9,\"x\""));
        QVERIFY(o.value("bootVersion").isNull());
        QCOMPARE(o.value("verify").toString(), QString::fromStdString(*r.verify));
        QCOMPARE(o.value("bytes").toInteger(), 4618);
        QCOMPARE(QString::fromStdString(receiptCsv(r)),
                 QStringLiteral("/dev/ttyUSB0,\"A9,\"\"x\"\"\",2026-01-01T00:00:00.000Z,2026-01-01T00:00:10.000Z,"
                                "a b.irz,00,,,,4618,0,0,\"differs: Renamed channel 0 \"\"A\"\" to \"\"a\"\"\","
                                "verify-failed,\"differs: Renamed channel 0 \"\"A\"\" to \"\"a\"\"\""));
        QCOMPARE(QString::fromStdString(receiptCsvHeader()).count(','),
                 QString::fromStdString(receiptCsv(Receipt{})).count(','));
    }
};

QTEST_GUILESS_MAIN(StationBoardTest)
#include "station_board_test.moc"
