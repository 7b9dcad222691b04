#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/settings.h"
#include "cli/cli_run.h"

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
