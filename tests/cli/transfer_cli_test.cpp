#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "cli_run.h"
#include "sim/sim_process.h"
#include "support/channel_blob.h"

// dorvane download / upload against the simulated STB.
class TransferCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString image() const { return dir.filePath("app.img"); }
    QStringList imageLines() const {
        return {QString(48, '-'),
                "File Name : app.img",
                "Image Type : Application.",
                "File Size : 150048 bytes",
                "Version : 1.2.3 (build #15)",
                "Build Date : 2008.4.3 (11:48:22)",
                "Buyer : XY"};
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
    }

    void downloadToAReceiverThatSendsItsInformationRecord() {
        // The port comes from the window's settings: "PortName" wins where
        // there are no COM numbers.
        const QString store = dir.filePath("enq-stored.bin");
        SimProcess sim({"--rate", "0", "--at", "400:on", "--buyer", "XY", "--boot-version", "0x02010000",
                        "--app-version", "0x01020300", "--store", store, "--write-ms", "300"});
        QVERIFY(!sim.path().isEmpty());
        const QString config = dir.filePath("config");
        {
            QSettings s(config + "/Tavro Technology, Inc./Dorvane_QX.conf", QSettings::IniFormat);
            s.setValue("COM/PortNum", 7);
            s.setValue("COM/PortName", sim.path());
        }
        QProcessEnvironment env;
        env.insert("XDG_CONFIG_HOME", config);
        const CliRun r = runCli({"download", image()}, env);
        QCOMPARE(r.status, 0);
        QStringList expected{sim.path() + " port was opened successfully!"};
        expected += imageLines();
        expected += QStringList{"Downloading process started.",
                                "STB Boot Ver : 2.1.0",
                                "STB App Ver : 1.2.3",
                                "Transferring started.",
                                "Transferring ended.",
                                "Writing Image started.",
                                "Writing Image stopped.",
                                "Downloading stopped successfully!",
                                "Downloading stopped successfully. Your STB will restart now!"};
        QStringList lines = r.outLines();
        // One summary line at the end.
        QVERIFY2(lines.takeLast().startsWith("Transfer succeeded: 150048 bytes in "), qPrintable(r.out));
        QCOMPARE(lines, expected);
        QCOMPARE(r.err, QString());
        QCOMPARE(fileBytes(store), fileBytes(image()));
    }

    void downloadToAnAckReceiverThroughRefusedBlocksAndLineNoise() {
        const QString store = dir.filePath("ack-stored.bin");
        // Block 2 refused once, a byte of block 5 garbled, one of block 9
        // lost (the receiver times out and asks again), the first EOT
        // acknowledged as standard receivers do.
        SimProcess sim({"--rate", "0", "--at", "300:on", "--answer", "ack", "--nak-blocks", "2", "--corrupt-in", "5500",
                        "--drop-in", "9900", "--timeout", "700", "--first-eot", "ack", "--store", store});
        const CliRun r = runCli({"download", "--port", sim.path(), image()});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.outLines();
        QCOMPARE(lines.mid(lines.size() - 5),
                 (QStringList{"Downloading process started.", "Transferring started!", "Transferring ended.",
                              "Downloading stopped successfully. You should Check LCD window whether STB has "
                              "remain job or not!",
                              lines.last()}));
        // The refused, the garbled and the lost block came again.
        QVERIFY2(lines.last().contains(", 147 blocks, 3 resent, "), qPrintable(lines.last()));
        QCOMPARE(r.err, QString());
        QCOMPARE(fileBytes(store), fileBytes(image()));
    }

    void refusedImageAndForcedDownload() {
        const QString store = dir.filePath("refused.bin");
        {
            SimProcess sim({"--rate", "0", "--at", "300:on", "--buyer", "ZZ", "--store", store});
            const CliRun r = runCli({"download", "--port", sim.path(), image()});
            QCOMPARE(r.status, 1);
            // Printed once, as an error, with the codes that differ.
            const QString text = "This image can't be downloaded your STB!";
            QVERIFY(r.outLines().last().startsWith("Transfer refused: 0 bytes in "));
            QVERIFY(!r.out.contains(text));
            QVERIFY(!r.out.contains("Transferring started"));
            QCOMPARE(r.err, "dorvane: " + text +
                                " The image's buyer code 0x00005958 (\"XY\") differs from the STB's "
                                "0x00005A5A (\"ZZ\"). \"Forced download\" (command line: --forced) "
                                "downloads it anyway.\n");
            QVERIFY(!sim.waitEvent("refused", 3000).isEmpty());
            QVERIFY(!QFile::exists(store));
        }
        {
            SimProcess sim({"--rate", "0", "--at", "300:on", "--buyer", "ZZ", "--store", store, "--write-ms", "100"});
            const CliRun r = runCli({"download", "--forced", "--port", sim.path(), image()});
            QCOMPARE(r.status, 0);
            QCOMPARE(fileBytes(store), fileBytes(image()));
        }
    }

    void receiverLeftSwitchedOn() {
        SimProcess sim({"--rate", "0", "--start", "app"});
        const CliRun r = runCli({"download", "--port", sim.path(), image()});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("dorvane: Before download start, You should turn off the Power of STB\n"));
        QVERIFY(!r.out.contains("Downloading process started."));
    }

    void receiverThatNeverSwitchesOn() {
        SimProcess sim({"--rate", "0"});
        const CliRun r = runCli({"download", "--port", sim.path(), image()});
        QCOMPARE(r.status, 1);
        const QStringList lines = r.outLines();
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("Transferring timeout occurred!"));
        QVERIFY(r.err.startsWith("dorvane: No receiver answered on " + sim.path()));
        QVERIFY(r.err.endsWith(" Timeout occurred! Please, Check your STB, And retry!\n"));
        QVERIFY2(r.elapsedMs >= 2000 && r.elapsedMs < 8000, qPrintable(QString::number(r.elapsedMs)));
    }

    void uploadReplacesTheTargetWithTheChannelData() {
        const auto bytes = dorvane::test::channelDataBlob(70000, 13);
        const QByteArray blob(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        QVERIFY(writeBytes(dir.filePath("blob.irz"), blob));
        const QString target = dir.filePath("backup.irz");
        QVERIFY(writeBytes(target, "previous backup"));
        // The console echoes the command and says something first.
        SimProcess sim({"--rate", "0", "--start", "app", "--echo", "--upload-file", dir.filePath("blob.irz")});
        const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(r.status, 0);
        QStringList lines = r.outLines();
        QVERIFY2(lines.takeLast().startsWith("Transfer succeeded: 70000 bytes in "), qPrintable(r.out));
        QCOMPARE(lines, (QStringList{sim.path() + " port was opened successfully!", "Uploading process started.",
                                     "Send upload command and wait ack..", "Uploading finished successfully!",
                                     QString(48, '-'), "File Name : backup.irz", "Image Type : IRZ Data.",
                                     "File Size : 70000 bytes", "Uploading data is saved to", " " + target}));
        QCOMPARE(r.err, QString());
        QCOMPARE(fileBytes(target), blob);
        QVERIFY(!QFile::exists(dir.filePath("_stbdata.irz")));
    }

    // A file whose name is no UTF-8 (Latin-1 "café.img" from an old stick)
    // is opened, inspected and sent under its own bytes.
    void aLatin1NamedFileIsInspectedAndSent() {
        const QByteArray path = QFile::encodeName(dir.path()) + "/caf\xe9.img";
        const QByteArray image = fileBytes(dir.filePath("boot.bin"));
        std::FILE* to = std::fopen(path.constData(), "wb");
        QVERIFY(to);
        QCOMPARE(std::fwrite(image.constData(), 1, static_cast<std::size_t>(image.size()), to),
                 static_cast<std::size_t>(image.size()));
        std::fclose(to);
        const QString store = dir.filePath("latin1-store.bin");
        const QString trace = dir.filePath("latin1.trace");
        SimProcess sim({"--rate", "0", "--at", "300:on", "--answer", "ack", "--store", store});
        // The shell hands the name's bytes on as they are (QProcess would
        // take them for UTF-8).
        const auto run = [&](const QString& args) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start("/bin/sh", {"-c", "exec \"$0\" " + args + " \"$(printf 'caf\\351.img')\"",
                                QStringLiteral(DORVANE_BIN_DIR "/dorvane")});
            p.waitForFinished(30000);
            return std::make_pair(p.exitCode(), p.readAllStandardOutput() + p.readAllStandardError());
        };
        const auto [inspected, inspectOut] = run("inspect");
        QCOMPARE(inspected, 0);
        QVERIFY2(inspectOut.contains("Image Type : Boot"), inspectOut.constData());
        const auto [sent, sentOut] = run("download --trace '" + trace + "' --port '" + sim.path() + "'");
        QCOMPARE(sent, 0);
        QVERIFY2(sentOut.contains("Transfer succeeded: "), sentOut.constData());
        QCOMPARE(fileBytes(store), image);
        // The header block carries the name's bytes: "caf", 0xE9, ".img".
        QVERIFY2(fileBytes(trace).contains("63 61 66 e9 2e 69 6d 67 00"), fileBytes(trace).left(400).constData());
        std::remove(path.constData());  // a name Qt's folder removal cannot spell
    }

    void uploadFromAReceiverThatIsOff() {
        const QString target = dir.filePath("untouched.irz");
        QVERIFY(writeBytes(target, "keep me"));
        SimProcess sim({"--rate", "0"});
        const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("dorvane: Before upload start, You should turn on the Power of STB and activate "
                                       "'PC COM' item in 'Software Transfer' menu\n"));
        QCOMPARE(fileBytes(target), QByteArray("keep me"));
    }

    void demoOperatorSwitchesTheReceiverOnForADownloadThenUploads() {
        // Off while the link tests come; on by itself once they stop (a
        // download was armed); its application runs after the download.
        SimProcess sim({"--rate", "0", "--demo", "--boot-ms", "300", "--write-ms", "100"});
        const CliRun down = runCli({"download", "--port", sim.path(), image()});
        QCOMPARE(down.status, 0);
        QVERIFY(!sim.waitEvent("application", 5000).isEmpty());
        const QString target = dir.filePath("demo.irz");
        const CliRun up = runCli({"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(up.status, 0);
        QVERIFY(fileBytes(target).startsWith("IRZ"));
    }

    void progressGoesToStandardErrorWhenItIsATerminal() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        fcntl(master, F_SETFL, O_NONBLOCK);
        const QString terminal = QString::fromLocal8Bit(ptsname(master));
        SimProcess sim({"--rate", "230400", "--at", "300:on", "--answer", "ack"});
        QProcess p;
        p.setStandardErrorFile(terminal);
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                {"download", "--port", sim.path(), dir.filePath("boot.bin")});
        QByteArray shown;
        QElapsedTimer t;
        t.start();
        while (p.state() != QProcess::NotRunning && t.elapsed() < 20000) {
            p.waitForFinished(50);
            char buf[4096];
            for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;) shown.append(buf, n);
        }
        ::close(master);
        QCOMPARE(p.exitCode(), 0);
        // One line that redraws itself: phase, blocks, bytes, rate, ETA, counters.
        QVERIFY(shown.contains("\r\033[Kwaiting 0/"));
        QSet<QString> blocks;
        QString total;
        for (const auto& m : QRegularExpression("\r\033\\[Ktransferring (\\d+)/(\\d+) blocks, \\d+/\\d+ bytes, \\d+ "
                                                "bytes/s, ETA \\d+:\\d\\d, 0 resent, 0 time-outs, \\d+:\\d\\d")
                                 .globalMatch(QString::fromLatin1(shown))) {
            blocks.insert(m.captured(1));
            total = m.captured(2);
        }
        // Redrawn four times a second as the blocks go out.
        QVERIFY2(blocks.size() >= 5 && !total.isEmpty(), qPrintable(QStringList(blocks.values()).join(' ')));
        QVERIFY(shown.endsWith("\r\033[K"));  // cleared at the end
        const QByteArray log = p.readAllStandardOutput();
        QVERIFY(log.contains("Downloading stopped successfully."));
        QVERIFY(!log.contains("transferring"));  // the log stays clean
    }

    void usageAndPortErrors() {
        QCOMPARE(runCli({"download"}).status, 2);
        QCOMPARE(runCli({"download", "a.img", "b.img"}).status, 2);
        QCOMPARE(runCli({"upload", "--bogus", "x.irz"}).status, 2);
        QCOMPARE(runCli({"upload", "--port"}).status, 2);
        QCOMPARE(runCli({"ports", "extra"}).status, 2);
        const CliRun r = runCli({"download", "--port", "/dev/no-such-port", image()});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.outLines(), QStringList{});
        QVERIFY(r.err.startsWith("dorvane: Port(/dev/no-such-port) open failed. /dev/no-such-port does not exist"));
        const CliRun missing = runCli({"download", "--port", "/dev/no-such-port", dir.filePath("missing.img")});
        QCOMPARE(missing.status, 1);
    }

    void portsListsNameAndDetails() {
        const CliRun r = runCli({"ports"});
        QCOMPARE(r.status, 0);
        for (const QString& line : r.outLines()) {
            const QStringList fields = line.split('\t');
            QVERIFY2(
                fields.size() == 6 && !fields[0].isEmpty() && (fields[5] == "free" || fields[5].startsWith("busy")),
                qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(TransferCliTest)
#include "transfer_cli_test.moc"
