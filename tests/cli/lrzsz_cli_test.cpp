#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "cli_run.h"
#include "sim/sim_process.h"
#include "support/channel_blob.h"

// dorvane against lrzsz, the standard YMODEM programs. Neither answers the
// link test or knows the boot-console command, so the simulator's relay
// plays the STB around them.
class LrzszCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        if (QStandardPaths::findExecutable("rb").isEmpty() || QStandardPaths::findExecutable("sb").isEmpty())
            QSKIP("lrzsz is not installed (scripts/install-deps installs it)");
        QVERIFY(makeSamples(dir.path()));
    }

    void rbReceivesADownloadByteForByte_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("line");
        QTest::newRow("application image") << "app.img" << QStringList{};
        QTest::newRow("length a multiple of 1,024") << "even.bin" << QStringList{};
        // rb asks with 'C' once for an end-of-batch block it found bad and
        // waits for it: it gets it again (after the pause in which a
        // restarted boot loader would have asked a second time). The header
        // block and 20 blocks of 1,029 bytes and the EOT come first.
        QTest::newRow("end of the batch garbled") << "even.bin" << QStringList{"--corrupt-in", "21661"};
    }
    void rbReceivesADownloadByteForByte() {
        QFETCH(QString, file);
        QFETCH(QStringList, line);
        if (file == "even.bin") {
            QByteArray even(20480, '\0');
            for (int i = 0; i < even.size(); ++i) even[i] = static_cast<char>(i * 7);
            QVERIFY(writeBytes(dir.filePath(file), even));
        }
        QTemporaryDir into;
        SimProcess sim(QStringList{"--rate", "0"} + line +
                       QStringList{"--relay", "download", "--relay-dir", into.path(), "--", "rb"});
        QVERIFY(!sim.path().isEmpty());
        // rb asks first about a second after it starts.
        QProcessEnvironment env;
        env.insert("DORVANE_TIMEOUTS", "start=8000,reply=8000");
        const QString trace = into.filePath("line.trace");
        const CliRun r = runCli({"download", "--port", sim.path(), "--trace", trace, dir.filePath(file)}, env);
        QCOMPARE(r.status, 0);
        const int batchEnds = QString::fromUtf8(fileBytes(trace)).count("(end of batch)");
        QCOMPARE(batchEnds, line.isEmpty() ? 1 : 2);
        QVERIFY(r.out.contains(", 0 time-outs"));
        QVERIFY(r.out.contains("Transferring started!\nTransferring ended.\n"));
        QVERIFY(!sim.waitEvent("rb ended with 0", 5000).isEmpty());
        const QByteArray sent = fileBytes(dir.filePath(file));
        const QByteArray got = fileBytes(into.filePath(file));
        QCOMPARE(got.size(), sent.size());
        QVERIFY(got == sent);
    }

    void sbServesAnUploadThatIsSavedByteForByte_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("line");
        const QStringList unpaced{"--rate", "0"};
        QTest::newRow("short last blocks") << 5000 << unpaced;
        QTest::newRow("a full channel database") << 131071 << unpaced;
        // sb starts a second after the command and finds our requests
        // waiting: it sends block 0 once per request.
        QTest::newRow("sb a second late") << 20000 << (unpaced + QStringList{"--relay-delay", "1000"});
        // Later still: our requests slow down to one every 3 s, so that sb
        // finds only a few of them waiting (it gives up after ten).
        QTest::newRow("sb 3 s late") << 20000 << (unpaced + QStringList{"--relay-delay", "3000"});
        QTest::newRow("sb 6 s late") << 20000 << (unpaced + QStringList{"--relay-delay", "6000"});
        // The longer runs of these are in bench/lrzsz_soak.sh.
        QTest::newRow("paced, bit errors both ways, sb a second late")
            << 30000 << QStringList{"--rate",       "115200", "--corrupt-in-rate", "50",  "--corrupt-out-rate", "50",
                                    "--fault-seed", "3",      "--relay-delay",     "1000"};
    }
    void sbServesAnUploadThatIsSavedByteForByte() {
        QFETCH(int, size);
        QFETCH(QStringList, line);
        // Channel data (it must pass the check before it replaces anything).
        const auto bytes = dorvane::test::channelDataBlob(static_cast<std::size_t>(size), 29);
        const QByteArray blob(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        const QString source = dir.filePath(QStringLiteral("source%1.irz").arg(size));
        QVERIFY(writeBytes(source, blob));
        const QString target = dir.filePath(QStringLiteral("backup%1.irz").arg(size));
        QVERIFY(writeBytes(target, "older backup"));
        SimProcess sim(line + QStringList{"--relay", "upload", "--", "sb", "--ymodem", "-k", source});
        // The program's own start bound (30 s), not the tests' short one:
        // sb starts up to 6 s after the command.
        QProcessEnvironment env;
        env.insert("DORVANE_TIMEOUTS", "start=30000");
        const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target}, env);
        QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
        QVERIFY(r.out.contains("Uploading finished successfully!\n"));
        const QByteArray got = fileBytes(target);
        QCOMPARE(got.size(), blob.size());
        QVERIFY(got == blob);
    }

    // sb with two files: ours is saved byte for byte, the second file's
    // header block is refused with CAN (never acknowledged), and sb stops at
    // once instead of waiting for our requests.
    void sbWithTwoFilesEndsTheBatchAfterTheFirst() {
        const QString first = dir.filePath("first.irz");
        const QString second = dir.filePath("second.irz");
        QCOMPARE(runCli({"demo-data", first}).status, 0);
        QCOMPARE(runCli({"demo-data", "--full", second}).status, 0);
        const QString target = dir.filePath("from-two.irz");
        SimProcess sim({"--rate", "0", "--relay", "upload", "--", "sb", "--ymodem", "-k", first, second});
        const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("The STB offered more than one file; only the first was received.\n"));
        QVERIFY(r.out.contains("Uploading finished successfully!\n"));
        QVERIFY(fileBytes(target) == fileBytes(first));
        const QString ended = sim.waitEvent("sb ended with", 5000);
        QVERIFY(!ended.isEmpty());
        QVERIFY2(!ended.endsWith("ended with 0"), qPrintable(ended));  // sb reports the second file as not sent
    }

    // On a line paced at 115,200 bit/s the figures add up: the summary's
    // bytes over its seconds are its rate, which stays under the 11,520
    // bytes/s the line carries; blocks are counted in the size they come in.
    void pacedFiguresAddUp_data() {
        QTest::addColumn<bool>("upload");
        QTest::addColumn<int>("blockSize");
        QTest::newRow("sb --ymodem, 128-byte blocks") << true << 128;
        QTest::newRow("sb -k, 1 KiB blocks") << true << 1024;
        QTest::newRow("download, 1 KiB blocks") << false << 1024;
    }
    void pacedFiguresAddUp() {
        QFETCH(bool, upload);
        QFETCH(int, blockSize);
        const int size = 117 * 128;  // 117 blocks of 128 bytes
        const QString source = dir.filePath("paced-source.irz");
        const auto bytes = dorvane::test::channelDataBlob(static_cast<std::size_t>(size), 3);
        QVERIFY(writeBytes(source, QByteArray(reinterpret_cast<const char*>(bytes.data()), size)));
        const QString target = dir.filePath("paced-target.irz");
        QStringList sender{"sb", "--ymodem"};
        if (blockSize == 1024) sender << "-k";
        SimProcess sim(upload
                           ? QStringList{"--rate", "115200", "--relay", "upload", "--"} + sender + QStringList{source}
                           : QStringList{"--rate", "115200", "--at", "300:on", "--answer", "ack"});
        const CliRun r = runCli(upload ? QStringList{"upload", "--json", "--force", "--port", sim.path(), target}
                                       : QStringList{"download", "--json", "--port", sim.path(), source},
                                {}, 60000);
        QCOMPARE(r.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(r.outLines().last().toUtf8()).object();
        QCOMPARE(result.value("event").toString(), QStringLiteral("result"));
        // sb -k sends the last 640 bytes in five 128-byte blocks.
        const int blocks = upload && blockSize == 1024 ? 14 + 5 : (size + blockSize - 1) / blockSize;
        QCOMPARE(result.value("blocks").toInt(), blocks);
        QCOMPARE(result.value("totalBlocks").toInt(), blocks);  // "117/117 blocks", never more than there are
        QCOMPARE(result.value("bytes").toInt(), size);
        const qint64 rate = result.value("rate").toInteger();
        const qint64 lineMs = result.value("lineMs").toInteger();
        QVERIFY2(rate > 5000 && rate <= 11520, qPrintable(r.outLines().last()));
        QCOMPARE(rate, static_cast<qint64>(size) * 1000 / lineMs);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^(\\d+) bytes in ([\\d.]+) s \\((\\d+) bytes/s\\), (\\d+) blocks"))
                .match(result.value("summary").toString());
        QVERIFY2(m.hasMatch(), qPrintable(result.value("summary").toString()));
        QCOMPARE(m.captured(1).toInt(), size);
        QCOMPARE(m.captured(3).toLongLong(), rate);
        QCOMPARE(m.captured(4).toInt(), blocks);
        // Its seconds, to a tenth, are the bytes over the rate.
        QVERIFY(std::abs(m.captured(2).toDouble() - static_cast<double>(size) / static_cast<double>(rate)) <= 0.051);
    }
};

QTEST_GUILESS_MAIN(LrzszCliTest)
#include "lrzsz_cli_test.moc"
