#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "cli/cli_run.h"
#include "qtcore/app/settings.h"

using dorvane::Settings;

// "dorvane port" as a user runs it; the settings live in a configuration
// folder of the test's own.
class PortCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir config_;
    QProcessEnvironment env_;

    CliRun port(const QStringList& args = {}) { return runCli(QStringList{"port"} + args, env_); }

    // The window's settings as the window reads them.
    QSettings windowSettings() const {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, Settings::organization(), "Dorvane_QX");
    }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        env_.insert("XDG_CONFIG_HOME", config_.path());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void firstRunIsCom1() {
        const CliRun r = port();
        QCOMPARE(r.status, 0);
        QCOMPARE(r.outLines(), QStringList{"COM1"});
    }

    void storesWhatConfigureStores() {
        CliRun r = port({"com12"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.outLines(), QStringList{"COM12"});
        QCOMPARE(windowSettings().value("COM/PortNum").toInt(), 12);
        QCOMPARE(Settings("Dorvane_QX").configuredPort(), QStringLiteral("COM12"));

        // A device path is kept as it is and wins over the number here...
        r = port({"/dev/ttyUSB3"});
        QCOMPARE(r.outLines(), QStringList{"/dev/ttyUSB3"});
        QCOMPARE(windowSettings().value("COM/PortName").toString(), QStringLiteral("/dev/ttyUSB3"));
        QCOMPARE(port().outLines(), QStringList{"/dev/ttyUSB3"});

        // ...until a COM port is chosen again.
        r = port({"COM4"});
        QCOMPARE(r.outLines(), QStringList{"COM4"});
        QVERIFY(!windowSettings().contains("COM/PortName"));
        QCOMPARE(windowSettings().value("COM/PortNum").toInt(), 4);
    }

    // Names that are no serial ports: each is said to be none, with the
    // ports there are; never "in use by" whoever holds /dev/null, never the
    // system's bare "Inappropriate ioctl for device".
    void aTransferOnSomethingThatIsNoSerialPortSaysSo_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("said");
        QTest::newRow("/dev/null") << "/dev/null"
                                   << "/dev/null is not a serial port: it is a device that is not a serial line.";
        QTest::newRow("a folder") << "/"
                                  << "/ is not a serial port: it is a folder.";
        QTest::newRow("a plain file here") << "plain.bin"
                                           << "plain.bin (%1/plain.bin) is not a serial port: it is a plain file.";
        QTest::newRow("a folder here") << "folder"
                                       << "folder (%1/folder) is not a serial port: it is a folder.";
        QTest::newRow("a bare name that is nowhere") << "ttyNOWHERE"
                                                     << "ttyNOWHERE (tried /dev/ttyNOWHERE) does not exist";
    }
    void aTransferOnSomethingThatIsNoSerialPortSaysSo() {
        QFETCH(QString, port);
        QFETCH(QString, said);
        QTemporaryDir here;
        QVERIFY(QDir(here.path()).mkdir("folder"));
        QVERIFY(writeBytes(here.filePath("plain.bin"), "not a port"));
        for (const QString& command : {QStringLiteral("upload"), QStringLiteral("download")}) {
            QProcess p;
            p.setWorkingDirectory(here.path());
            p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                    command == "upload" ? QStringList{command, "--force", "--port", port, "target.irz"}
                                        : QStringList{command, "--port", port, "plain.bin"});
            QVERIFY(p.waitForFinished(10000));
            const QString err = QString::fromUtf8(p.readAllStandardError());
            QCOMPARE(p.exitCode(), 1);
            QVERIFY2(
                err.startsWith("dorvane: Port(" + port + ") open failed. " + QString(said).replace("%1", here.path())),
                qPrintable(err));
            if (!said.contains("does not exist"))
                QVERIFY2(err.contains("The serial ports are: ") || err.contains("No serial port is there"),
                         qPrintable(err));
            QVERIFY(!err.contains("in use by"));
            QVERIFY(!err.contains("Inappropriate ioctl"));
            QVERIFY(!QFile::exists(here.filePath("target.irz")));
        }
    }

    void badUsageChangesNothing() {
        port({"COM5"});
        QCOMPARE(port({"COM6", "COM7"}).status, 2);
        QCOMPARE(port({"--bogus"}).status, 2);
        QCOMPARE(port({" "}).status, 2);
        QCOMPARE(port().outLines(), QStringList{"COM5"});
    }
};

QTEST_GUILESS_MAIN(PortCliTest)
#include "port_cli_test.moc"
