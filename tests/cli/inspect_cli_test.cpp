#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the real command-line program on the sample files.
class InspectCliTest : public QObject {
    Q_OBJECT
private:
    struct Run {
        int status;
        QString out;
        QString err;
    };
    Run run(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), args);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QProcess gen;
        gen.start(QStringLiteral("python3"),
                  {QStringLiteral(DORVANE_SOURCE_DIR "/scripts/make_samples.py"), dir.path()});
        QVERIFY(gen.waitForFinished(30000));
        QCOMPARE(gen.exitCode(), 0);
    }

    void printsTheLogLinesOfEachFile() {
        const Run r = run({"inspect", dir.filePath("app.img"), dir.filePath("boot.bin")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const QStringList expected{QString(48, '-'),
                                   "File Name : app.img",
                                   "Image Type : Application.",
                                   "File Size : 150048 bytes",
                                   "Version : 1.2.3 (build #15)",
                                   "Build Date : 2008.4.3 (11:48:22)",
                                   "Buyer : XY",
                                   QString(48, '-'),
                                   "File Name : boot.bin",
                                   "Image Type : Boot",
                                   "File Size : 40064 bytes",
                                   "Version : 1.0.0",
                                   "Buyer : Free",
                                   ""};
        QCOMPARE(r.out.split('\n'), expected);
    }

    void failuresGoToStandardErrorAndTheRestIsDone() {
        QFile bad(dir.filePath("bad.img"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        QByteArray header(48, '\0');
        header.replace(0, 3, "XPR");
        header[4] = 47;
        bad.write(header);
        bad.close();
        const QString missing = dir.filePath("missing.img");
        const Run r = run({"inspect", dir.filePath("bad.img"), missing, dir.filePath("upload.bin")});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QStringLiteral("dorvane: Image File corrupted!\ndorvane: %1 was not found.\n").arg(missing));
        QVERIFY(r.out.contains("Image Type : Upload"));
    }

    void usageErrorsAndHelp() {
        QCOMPARE(run(QStringList{}).status, 2);
        QCOMPARE(run(QStringList{"inspect"}).status, 2);
        QCOMPARE(run(QStringList{"frobnicate"}).status, 2);
        const Run help = run(QStringList{"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("dorvane inspect [--json] FILE..."));
    }
};

QTEST_GUILESS_MAIN(InspectCliTest)
#include "inspect_cli_test.moc"
