#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "qtcore/app/settings.h"

using namespace dorvane;

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() { QSettings(QSettings::NativeFormat, QSettings::UserScope, Settings::organization(), kApp).clear(); }

    void defaultsToComOne() {
        Settings s(kApp);
        QCOMPARE(s.portNumber(), 1);
        QCOMPARE(s.configuredPort(), QStringLiteral("COM1"));
    }

    void portNumberIsNotValidated() {
        Settings s(kApp);
        for (int n : {12, 0, -1, 300}) {
            s.setPortNumber(n);
            QCOMPARE(Settings(kApp).portNumber(), n);
        }
        QCOMPARE(comPortName(-1), QStringLiteral("COM-1"));
        QCOMPARE(comPortName(300), QStringLiteral("COM300"));
    }

    void unreadableNumberGivesOne() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, Settings::organization(), kApp)
            .setValue("COM/PortNum", "not a number");
        QCOMPARE(Settings(kApp).portNumber(), 1);
    }

    void portNameWinsWhereThereAreNoComNumbers() {
        Settings s(kApp);
        s.setPortNumber(3);
        s.setPortName("/dev/ttyUSB0");
#ifdef _WIN32
        QCOMPARE(s.configuredPort(), QStringLiteral("COM3"));
#else
        QCOMPARE(s.configuredPort(), QStringLiteral("/dev/ttyUSB0"));
        s.clearPortName();
        QCOMPARE(s.configuredPort(), QStringLiteral("COM3"));
#endif
    }

    void applicationNameIsTheExecutablesBaseName() {
        QCOMPARE(Settings::defaultApplicationName(), QStringLiteral("settings_test"));
    }

private:
    const QString kApp = QStringLiteral("dorvane-settings-test");
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
