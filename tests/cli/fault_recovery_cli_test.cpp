#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "cli_run.h"
#include "sim/sim_process.h"
#include "support/channel_blob.h"

// Errors the transfer recovers from, errors it gives up on, and a save of
// the upload that fails: each ends with the file byte for byte or with a
// message, status 1 and the previous file whole.
class FaultRecoveryCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    void expectFailure(const CliRun& r) {
        QCOMPARE(r.status, 1);
        QVERIFY2(r.elapsedMs < 15000, qPrintable(QString::number(r.elapsedMs)));
        QVERIFY(!r.err.isEmpty());
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
    }

    // Errors on the line at a set rate: the transfer completes byte for
    // byte. (Every rate and refusal runs in the window's fault test; here
    // one run per front end.)
    void recoverableDownloadErrors_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("bit errors") << QStringList{"--corrupt-in-rate", "150"};
    }
    void recoverableDownloadErrors() {
        QFETCH(QStringList, faults);
        const QString store = dir.filePath("recovered.bin");
        QFile::remove(store);
        SimProcess sim(QStringList{"--rate", "0", "--at", "300:on", "--timeout", "1000", "--store", store, "--write-ms",
                                   "200", "--answer", "ack"} +
                       faults);
        const CliRun r = runCli({"download", "--port", sim.path(), dir.filePath("boot.bin")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("\nDownloading stopped successfully. You should Check LCD window"));
        QCOMPARE(fileBytes(store), fileBytes(dir.filePath("boot.bin")));
    }

    void endlessRefusalsEndTheDownload() {
        const QString store = dir.filePath("refused.bin");
        SimProcess sim({"--rate", "0", "--at", "300:on", "--nak-blocks", "2", "--nak-times", "1000", "--store", store});
        const CliRun r = runCli({"download", "--port", sim.path(), dir.filePath("boot.bin")});
        expectFailure(r);
        QCOMPARE(r.err,
                 QString("dorvane: Too many errors on the line! Please, Check your cable and STB, And retry!\n"));
        QVERIFY(r.out.contains("Transferring failed! Too many errors on the line."));
        QVERIFY(!QFile::exists(store));
    }

    // A header block that announces fewer bytes than the STB sends, twice
    // in a row: nothing is replaced, the good NAME.bak survives both runs,
    // and each run keeps every block it received in a recovery file.
    void uploadThatIsNoChannelDataTwiceInARowChangesNothing() {
        QTemporaryDir here;
        const auto good = dorvane::test::channelDataBlob(20000, 4);
        const QByteArray served(reinterpret_cast<const char*>(good.data()), static_cast<qsizetype>(good.size()));
        QVERIFY(writeBytes(here.filePath("served.irz"), served));
        const QString target = here.filePath("backup.irz");
        const auto older = dorvane::test::channelDataBlob(9000, 5);
        const QByteArray previous(reinterpret_cast<const char*>(older.data()), static_cast<qsizetype>(older.size()));
        QVERIFY(writeBytes(target, previous));
        QVERIFY(writeBytes(target + ".bak", "the one good backup"));
        QByteArray blocks = served;
        blocks.append(QByteArray(20 * 1024 - served.size(), '\x1a'));
        for (int run = 0; run < 2; ++run) {
            SimProcess sim({"--rate", "0", "--start", "app", "--upload-file", here.filePath("served.irz"),
                            "--upload-length", "1000"});
            const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target});
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.startsWith("dorvane: Uploading failed! The received data is not channel data: Backup data "
                                      "is truncated. The STB announced 1000 bytes and sent 20480. The file was not "
                                      "changed. The received data is kept in "),
                     qPrintable(r.err));
            QVERIFY(!r.out.contains("Uploading finished successfully!"));
            QCOMPARE(fileBytes(target), previous);
            QCOMPARE(fileBytes(target + ".bak"), QByteArray("the one good backup"));
            const QString kept = r.err.section("kept in ", 1).trimmed();
            QCOMPARE(fileBytes(kept), blocks);
            QVERIFY(QFile::remove(kept));
        }
    }

    // The STB restarts after its last block, before its EOT: all its data
    // is kept (the announced file, which is channel data), the target not
    // touched, and the tool says so within the silence bound.
    void stbThatRestartsBeforeItsEotLeavesItsDataInARecoveryFile() {
        QTemporaryDir here;
        const auto good = dorvane::test::channelDataBlob(30000, 6);
        const QByteArray served(reinterpret_cast<const char*>(good.data()), static_cast<qsizetype>(good.size()));
        QVERIFY(writeBytes(here.filePath("served.irz"), served));
        const QString target = here.filePath("backup.irz");
        QVERIFY(writeBytes(target, "the previous backup"));
        SimProcess sim({"--rate", "0", "--start", "app", "--upload-file", here.filePath("served.irz"), "--fault",
                        "restart@upload-eot"});
        const CliRun r = runCli({"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.out.contains("\nAll the data arrived, but the STB did not end the file (it may have restarted).\n"),
                 qPrintable(r.out));
        QVERIFY(!r.out.contains("Transferring timeout occurred!"));
        QVERIFY2(r.err.contains("dorvane: Uploading failed! All the data arrived"), qPrintable(r.err));
        QCOMPARE(fileBytes(target), QByteArray("the previous backup"));
        const QString kept = r.err.section("kept in ", 1).trimmed();
        QCOMPARE(fileBytes(kept), served);
        QVERIFY(!sim.waitEvent("fault restart at upload-eot", 1000).isEmpty());
        QVERIFY2(r.elapsedMs < 15000, qPrintable(QString::number(r.elapsedMs)));
    }

    // Saving the upload fails: the previous file stays whole and no work
    // file is left behind.
    void fullDiskKeepsTheTarget() {
        const QString target = dir.filePath("full.irz");
        QVERIFY(writeBytes(target, "the previous backup"));
        const auto bytes = dorvane::test::channelDataBlob(20000);
        const QByteArray blob(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        QVERIFY(writeBytes(dir.filePath("blob20000.irz"), blob));
        SimProcess sim({"--rate", "0", "--start", "app", "--upload-file", dir.filePath("blob20000.irz")});
        // No file of the program may grow beyond 8 KiB.
        const CliRun r = runCliAs({"prlimit", "--fsize=8192"}, {"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith("dorvane: Disk full while accessing "), qPrintable(r.err));
        // Nothing says "successfully" before the file is saved.
        QVERIFY(!r.out.contains("Uploading finished successfully!"));
        QVERIFY(!r.out.contains("Uploading data is saved to"));
        QCOMPARE(fileBytes(target), QByteArray("the previous backup"));
        QVERIFY(!QFile::exists(dir.filePath("_stbdata.irz")));
    }

    void readOnlyFolderKeepsTheTarget() {
        QTemporaryDir outer;
        const QString folder = outer.filePath("readonly");
        QVERIFY(QDir().mkdir(folder));
        const QString target = folder + "/stbdata.irz";
        QVERIFY(writeBytes(target, "the previous backup"));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                                  QFile::ReadOther | QFile::ExeOther));
        SimProcess sim({"--rate", "0", "--start", "app"});
        QStringList wrapper;
        if (::geteuid() == 0) {
            // The superuser writes anywhere: run the program as nobody, on a
            // terminal it may open.
            QVERIFY(QFile::setPermissions(sim.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                          QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
            QVERIFY(QFile::setPermissions(outer.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                            QFile::ReadOther | QFile::ExeOther));
            wrapper = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        }
        const CliRun r = runCliAs(wrapper, {"upload", "--force", "--port", sim.path(), target});
        QCOMPARE(r.status, 1);
        // Refused before the command: the STB is not asked for anything.
        QCOMPARE(r.err, "dorvane: Can't save the upload to " + target + ": its folder cannot be written!\n");
        QVERIFY(sim.waitEvent("console loadb", 500).isEmpty());
        QCOMPARE(fileBytes(target), QByteArray("the previous backup"));
        QVERIFY(!QFile::exists(folder + "/_stbdata.irz"));
    }
};

QTEST_GUILESS_MAIN(FaultRecoveryCliTest)
#include "fault_recovery_cli_test.moc"
