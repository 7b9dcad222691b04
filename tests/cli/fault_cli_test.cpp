#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "cli_run.h"
#include "sim/sim_process.h"

// A receiver that goes wrong at some point of a transfer: the command ends
// within its bounds with a message and status 1, and leaves no file behind
// or changed.
class FaultCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    void expectFailure(const CliRun& r) {
        QCOMPARE(r.status, 1);
        QVERIFY2(r.elapsedMs < 15000, qPrintable(QString::number(r.elapsedMs)));
        QVERIFY(!r.err.isEmpty());
        QVERIFY(!r.out.contains("Downloading stopped successfully!"));
        QVERIFY(!r.out.contains("Uploading finished successfully!"));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
    }

    void downloadFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        const QString timeout = "dorvane: Timeout occurred! Please, Check your STB, And retry!\n";
        // Nothing at all came back: the error names the port ("%1").
        const QString noAnswer =
            "dorvane: No receiver answered on %1: check the cable and the port, and that the STB "
            "is switched on (for a download: after the start; for an upload: with its 'PC COM' "
            "item active). Timeout occurred! Please, Check your STB, And retry!\n";
        const QString portError =
            "dorvane: Serial Port Error! Please, Check your Serial port and STB, And retry! %1 "
            "has gone away: the adapter was unplugged. Plug it back in and retry.\n";
        // The receiver acknowledged the whole file: it may be writing.
        const QString writing =
            "dorvane: The STB stopped reporting while writing its memory! Do not switch it off "
            "until its own display says it is done.\n";
        // One run per kind of ending; the whole fault matrix runs once, on the
        // shared flow, in the window's fault test.
        QTest::newRow("switched on but its boot loader silent") << "silent@on" << noAnswer;
        QTest::newRow("silent after the header block") << "silent@header" << timeout;
        QTest::newRow("silent while writing") << "silent@writing" << writing;
        QTest::newRow("terminal closes at block 3") << "close@block:3" << portError;
    }
    void downloadFaults() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        const QString store = dir.filePath(QString(fault).replace(':', '-').replace('@', '-') + ".bin");
        SimProcess sim({"--rate", "0", "--at", "300:on", "--timeout", "1000", "--fault", fault, "--store", store,
                        "--write-ms", "300"});
        const CliRun r = runCli({"download", "--port", sim.path(), dir.filePath("app.img")});
        expectFailure(r);
        QCOMPARE(r.err, message.contains("%1") ? message.arg(sim.path()) : message);
        if (fault != "silent@batch" && fault != "silent@writing") QVERIFY(!QFile::exists(store));
    }

    // The STB switched off and on at each point of a download: the command
    // ends within a second of the restart (never the ten-minute writing wait,
    // never the cable) and says what to do. Two points run on a paced line,
    // where the restart's 'C' must be told from the bytes around it in real
    // time; the rest unpaced, to keep the test short.
    void restartEndsTheDownloadAtOnce_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("reached");   // the last phase line before the restart line
        QTest::addColumn<int>("acknowledged");  // bytes of the blocks the STB acknowledged
        QTest::addColumn<int>("limitMs");       // from the start of the command to its end
        const QString data = "Transferring started.";
        QTest::newRow("inside the information record") << "restart@info"
                                                       << "0"
                                                       << "Downloading process started." << 0 << 1500;
        QTest::newRow("at block 3, paced") << "restart@block:3"
                                           << "115200" << data << 2048 << 1500;
        QTest::newRow("after the ACK of block 5") << "restart@block-ack:5"
                                                  << "0" << data << 5120 << 1500;
        QTest::newRow("at the EOT") << "restart@eot"
                                    << "0" << data << 40064 << 1500;
        QTest::newRow("at the end of the batch") << "restart@batch"
                                                 << "0" << data << 40064 << 1500;
        QTest::newRow("after the end of the batch, before the VT, paced") << "restart@before-vt"
                                                                          << "115200"
                                                                          << "Transferring ended." << 40064 << 5000;
        QTest::newRow("after the VT") << "restart@after-vt"
                                      << "0"
                                      << "Writing Image started." << 40064 << 1500;
        // A boot loader that answers with ACK and 'C' asks with 'C' after the
        // restart as a standard receiver asks for a bad end-of-batch block:
        // its second 'C', a second later, tells them apart.
        QTest::newRow("at the end of the batch, ACK and 'C'") << "restart@batch --answer ack"
                                                              << "0"
                                                              << "Transferring started!" << 40064 << 2500;
    }
    void restartEndsTheDownloadAtOnce() {
        QFETCH(QString, fault);
        QFETCH(QString, rate);
        QFETCH(QString, reached);
        QFETCH(int, acknowledged);
        QFETCH(int, limitMs);
        const QStringList faultAndMore = fault.split(' ');
        SimProcess sim(QStringList{"--rate", rate, "--at", "300:on", "--write-ms", "300", "--fault"} + faultAndMore);
        const CliRun r = runCli({"download", "--port", sim.path(), dir.filePath("boot.bin")});
        const QString line = "The STB restarted before it finished writing! The image was not written.";
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err,
                 "dorvane: " + line + " Please, Switch off the STB, start the download, then switch on the STB.\n");
        QVERIFY2(
            r.out.contains(reached + "\n" + line + QStringLiteral("\nTransfer failed: %1 bytes in ").arg(acknowledged)),
            qPrintable(r.out));
        QVERIFY(!r.out.contains("Writing Image stopped."));
        QVERIFY(!sim.waitEvent("fault restart at", 3000).isEmpty());
        // Ended within a second of the restart: 300 ms to the switching on,
        // 200 more to the restart, plus the paced image (3.5 s) where the
        // restart comes after it.
        QVERIFY2(r.elapsedMs < limitMs, qPrintable(QString::number(r.elapsedMs)));
        sim.waitEvent("no such event", 300);
        QCOMPARE(sim.events().filter(" header ").size(), 1);  // the end of the batch never went as a header
    }

    void uploadFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("silent instead of the header block") << "silent@upload-header";
        QTest::newRow("noise instead of the header block") << "noise@upload-header";
        QTest::newRow("terminal closes at block 2") << "close@upload-block:2";
    }
    void uploadFaults() {
        QFETCH(QString, fault);
        const QString target = dir.filePath("target.irz");
        QVERIFY(writeBytes(target, "the previous backup"));
        SimProcess sim({"--rate", "0", "--start", "app", "--timeout", "1000", "--fault", fault});
        const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target});
        expectFailure(r);
        QCOMPARE(fileBytes(target), QByteArray("the previous backup"));
        QVERIFY(!QFile::exists(dir.filePath("_stbdata.irz")));
    }

    void interruptCancelsARunningDownload() {
        SimProcess sim({"--rate", "9600", "--at", "300:on", "--answer", "ack"});
        QProcess p;
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                {"download", "--port", sim.path(), dir.filePath("app.img")});
        QVERIFY(p.waitForStarted(5000));
        QByteArray seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen += p.readAllStandardOutput()).contains("Transferring started!"), 10000);
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 130);
        seen += p.readAllStandardOutput();
        QVERIFY(seen.contains("Transferring canceled!\nTransfer canceled: "));
        // CAN CAN released the boot loader at once.
        QVERIFY(!sim.waitEvent("download cancelled", 3000).isEmpty());
    }
};

QTEST_GUILESS_MAIN(FaultCliTest)
#include "fault_cli_test.moc"
