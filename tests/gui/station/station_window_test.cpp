#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "gui/station/station_window.h"
#include "sim/sim_process.h"

using namespace dorvane;

// The Station view against a bench of simulated STBs: every tile shows
// its port's state and last STB, the totals add up, the report holds one
// line per STB, and many busy ports never hold the window up.
class StationWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    static bool waitFor(const std::function<bool()>& done, int ms) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > ms) return false;
            QTest::qWait(50);
        }
        return true;
    }

    static int lineCount(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return 0;
        return static_cast<int>(f.readAll().count('\n'));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QProcess gen;
        gen.start(QStringLiteral("python3"),
                  {QStringLiteral(DORVANE_SOURCE_DIR "/scripts/make_samples.py"), dir.path(), "--big-mib", "1"});
        QVERIFY(gen.waitForFinished(30000) && gen.exitCode() == 0);
    }

    void tilesAndTotalsShowEveryBox() {
        SimProcess bench({"--boxes", "4", "--rate", "0", "--buyer", "XY", "--boot-ms", "1500", "--c-interval", "200",
                          "--write-ms", "300", "--on-after", "300-700", "--box", "2", "--buyer", "ZZ"},
                         4);
        QCOMPARE(bench.boxes(), 4);
        StationWindow window;
        window.show();
        QVERIFY(!window.startAll());  // no file yet
        QVERIFY(!window.problemText().isEmpty());
        window.setFile(dir.filePath("app.img"));
        const QString report = dir.filePath("window.jsonl");
        window.setReport(report);
        window.setRepeat(false);
        for (int k = 0; k < 4; ++k) window.addPort(bench.path(k));
        QVERIFY(window.startAll());
        QVERIFY(window.problemText().isEmpty());
        QVERIFY(waitFor([&] { return window.run()->receipts() == 4; }, 30000));
        QTest::qWait(400);  // a redraw
        for (int k = 0; k < 4; ++k) {
            PortTile* tile = window.tile(bench.path(k));
            QVERIFY(tile);
            const QString expected = k == 1 ? "Last: refused (0 of 1 ok)" : "Last: ok (1 of 1 ok)";
            QCOMPARE(tile->resultText(), expected);
            QCOMPARE(tile->stateText(), QStringLiteral("Stopped"));  // one STB each, then the port ends
            QCOMPARE(tile->startStop()->text(), QStringLiteral("Start"));
        }
        QVERIFY2(window.totalsText().startsWith("Done: 3   Failed: 1   STBs per hour: "),
                 qPrintable(window.totalsText()));
        QVERIFY2(window.totalsText().endsWith("Report: " + report), qPrintable(window.totalsText()));
        QCOMPARE(lineCount(report), 4);

        // Started again on its own: the tile counts on.
        bench.command("1 off");
        QTest::qWait(300);
        QTest::mouseClick(window.tile(bench.path(0))->startStop(), Qt::LeftButton);
        QVERIFY(waitFor([&] { return window.tile(bench.path(0))->stateText() == "Waiting for the STB"; }, 3000));
        QCOMPARE(window.tile(bench.path(0))->startStop()->text(), QStringLiteral("Stop"));
        bench.command("1 on");
        QVERIFY(waitFor([&] { return window.run()->receipts() == 5; }, 15000));
        QTest::qWait(400);
        QCOMPARE(window.tile(bench.path(0))->resultText(), QStringLiteral("Last: ok (2 of 2 ok)"));
        QVERIFY2(window.totalsText().startsWith("Done: 4   Failed: 1"), qPrintable(window.totalsText()));
        QCOMPARE(lineCount(report), 5);
    }

    // Sixteen ports at 115,200 bit/s at once: the window's event loop keeps
    // turning (a timer of 50 ms never waits long), and Stop all ends them.
    void sixteenBusyPortsNeverHoldTheWindowUp() {
        SimProcess bench({"--boxes", "16", "--rate", "115200", "--no-stdin", "--boot-ms", "3000", "--c-interval", "200",
                          "--on-after", "200-600"},
                         16);
        QCOMPARE(bench.boxes(), 16);
        StationWindow window;
        window.show();
        window.setFile(dir.filePath("big.img"));
        window.setRepeat(false);
        for (int k = 0; k < 16; ++k) window.addPort(bench.path(k));
        QVERIFY(window.startAll());
        QVERIFY(waitFor([&] { return window.run()->totals().busy >= 12; }, 15000));
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        probe.start(50);
        QTest::qWait(3000);
        probe.stop();
        QVERIFY2(longest < 1500, qPrintable(QString::number(longest)));
        QVERIFY(window.run()->totals().busy >= 12);  // still transferring: it was measured busy
        window.stopAll();
        for (int k = 0; k < 16; ++k) QCOMPARE(window.tile(bench.path(k))->startStop()->text(), QStringLiteral("Stop"));
    }
};

QTEST_MAIN(StationWindowTest)
#include "station_window_test.moc"
