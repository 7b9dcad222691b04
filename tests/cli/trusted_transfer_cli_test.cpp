#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "cli_run.h"
#include "sim/sim_process.h"
#include "support/channel_blob.h"

// Transfers that report success only when the other side has every byte,
// and that a sound peer completes in spite of one error on the line.
class TrustedTransferCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    // A channel-data file of this size that passes the channel-data check.
    QByteArray blob(int size) {
        const auto b = dorvane::test::channelDataBlob(static_cast<std::size_t>(size), 131);
        return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
    }

    // An ordinary YMODEM sender in the STB's place over a real, paced line
    // (each of its faults runs in the window's fault test).
    void standardSenderCompletesThroughOneError_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("duplicate header block") << QStringList{"--upload-fault", "duplicate-header"};
    }
    void standardSenderCompletesThroughOneError() {
        QFETCH(QStringList, options);
        const QByteArray data = blob(12000);
        QVERIFY(writeBytes(dir.filePath("up.irz"), data));
        const QString target = dir.filePath("standard.irz");
        QFile::remove(target);
        SimProcess sim(QStringList{"--rate", "115200", "--start", "app", "--sender", "standard", "--upload-file",
                                   dir.filePath("up.irz")} +
                       options);
        // The sender's own time-out is 10 s: the real silence bound, not
        // the shortened one of the other tests.
        QProcessEnvironment env;
        env.insert("DORVANE_TIMEOUTS", "start=4000,first=4000");
        const CliRun r = runCli({"upload", "--port", sim.path(), target}, env);
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("Uploading finished successfully!"));
        QCOMPARE(fileBytes(target), data);
        QVERIFY(!sim.waitEvent("upload done", 3000).isEmpty());
    }

    void existingTargetNeedsForce() {
        const QString target = dir.filePath("kept.irz");
        QVERIFY(writeBytes(target, "the previous backup"));
        SimProcess sim({"--rate", "0", "--start", "app"});
        const CliRun r = runCli({"upload", "--port", sim.path(), target});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "dorvane: " + target + " exists; use --force to replace it.\n");
        QVERIFY(sim.waitEvent("console", 500).isEmpty());  // nothing was typed
        QCOMPARE(fileBytes(target), QByteArray("the previous backup"));
    }

    void existingTargetIsReplacedAfterYesOnTheTerminal_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("no") << QByteArray("n\n") << false;
        QTest::newRow("yes") << QByteArray("y\n") << true;
    }
    void existingTargetIsReplacedAfterYesOnTheTerminal() {
        QFETCH(QByteArray, answer);
        QFETCH(bool, replaced);
        if (QStandardPaths::findExecutable("script").isEmpty()) QSKIP("script(1) is not installed");
        const QString target = dir.filePath("asked.irz");
        QVERIFY(writeBytes(target, "the previous backup"));
        SimProcess sim({"--rate", "0", "--start", "app"});
        // script(1) gives the program a terminal and passes our answer on.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DORVANE_TIMEOUTS", kShortTimeouts);
        p.setProcessEnvironment(env);
        p.start("script",
                {"-qec", QStringLiteral(DORVANE_BIN_DIR "/dorvane upload --port %1 %2").arg(sim.path(), target),
                 "/dev/null"});
        QVERIFY(p.waitForStarted(5000));
        QByteArray shown;
        QTRY_VERIFY_WITH_TIMEOUT((shown += p.readAllStandardOutput()).contains("Replace it? [y/N]"), 5000);
        p.write(answer);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), replaced ? 0 : 1);
        QCOMPARE(fileBytes(target).startsWith("IRZ"), replaced);
    }

    void filesNoBootLoaderTakesAreRefusedBeforeThePort() {
        QVERIFY(writeBytes(dir.filePath("empty.bin"), QByteArray()));
        QFile big(dir.filePath("huge.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize((qint64{64} << 20) + 1));
        big.close();
        // A port that does not exist: the file's message comes first.
        const CliRun empty = runCli({"download", "--port", "/dev/no-such-port", dir.filePath("empty.bin")});
        QCOMPARE(empty.status, 1);
        QCOMPARE(empty.err, QString("dorvane: The file is empty! There is nothing to download.\n"));
        QVERIFY(empty.out.isEmpty());
        const CliRun huge = runCli({"download", "--port", "/dev/no-such-port", dir.filePath("huge.bin")});
        QCOMPARE(huge.status, 1);
        QVERIFY2(huge.err.startsWith("dorvane: The file is larger than 64 MiB"), qPrintable(huge.err));
        const CliRun forced = runCli({"download", "--forced", "--port", "/dev/no-such-port", dir.filePath("huge.bin")});
        QCOMPARE(forced.status, 1);
        QVERIFY2(forced.err.startsWith("dorvane: Port(/dev/no-such-port) open failed."), qPrintable(forced.err));
    }

    void fileThatShrinksFailsAndReleasesTheReceiver() {
        QByteArray image(60000, '\0');
        for (int i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 7);
        const QString path = dir.filePath("shrinking.bin");
        QVERIFY(writeBytes(path, image));
        const QString store = dir.filePath("shrunk-store.bin");
        SimProcess sim(
            {"--rate", "0", "--at", "300:on", "--answer", "ack", "--store", store, "--shrink-file", path + "@3:9000"});
        const CliRun r = runCli({"download", "--port", sim.path(), path});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "dorvane: Downloading failed! The file could not be read to its end: " + path + "\n");
        QVERIFY(!r.out.contains("Transferring ended."));
        QVERIFY(!sim.waitEvent("download cancelled", 3000).isEmpty());
        QVERIFY(!QFile::exists(store));
    }

    void slowWritingIsWaitedFor() {
        const QString store = dir.filePath("slow.bin");
        // Three seconds without a report half-way; the tool waits up to five.
        SimProcess sim(
            {"--rate", "0", "--at", "300:on", "--store", store, "--write-ms", "300", "--write-stall", "3000"});
        QProcessEnvironment env;
        env.insert("DORVANE_TIMEOUTS", "start=2000,reply=1500,batch=1000,writing=5000");
        const CliRun r = runCli({"download", "--port", sim.path(), dir.filePath("boot.bin")}, env);
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("\nDownloading stopped successfully!\n"));
        QCOMPARE(fileBytes(store), fileBytes(dir.filePath("boot.bin")));
    }

    void interruptWhileWritingWarnsFirstThenEnds() {
        SimProcess sim({"--rate", "0", "--at", "300:on", "--write-ms", "300", "--write-stall", "20000"});
        QProcess p;
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                {"download", "--port", sim.path(), dir.filePath("boot.bin")});
        QVERIFY(p.waitForStarted(5000));
        QVERIFY(!sim.waitEvent("writing stalls", 10000).isEmpty());
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += p.readAllStandardError()).contains("Do not switch it off"), 3000);
        QVERIFY(!p.waitForFinished(500));  // still waiting for the STB
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(3000));
        QCOMPARE(p.exitCode(), 130);
    }

    void interruptDuringAnUploadCancelsTheSender() {
        QVERIFY(writeBytes(dir.filePath("slowup.irz"), blob(60000)));
        SimProcess sim({"--rate", "19200", "--start", "app", "--upload-file", dir.filePath("slowup.irz")});
        const QString target = dir.filePath("interrupted.irz");
        QFile::remove(target);
        QProcess p;
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), {"upload", "--port", sim.path(), target});
        QVERIFY(p.waitForStarted(5000));
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += p.readAllStandardOutput()).contains("Uploading process started."), 10000);
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(3000));
        QCOMPARE(p.exitCode(), 130);
        QVERIFY(!sim.waitEvent("upload cancelled", 3000).isEmpty());
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TrustedTransferCliTest)
#include "trusted_transfer_cli_test.moc"
