#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/about_dialog.h"
#include "app/serial_config_dialog.h"
#include "app/settings.h"
#include "app/tool_app.h"

using namespace dorvane;

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;
    const QString app_ = QStringLiteral("dorvane-dialogs-test");

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit()); }

    void portOption() {
        using Args = QStringList;
        auto o = CToolApp::parseArguments(Args{"Dorvane_QX", "--port", "/dev/ttyUSB1"});
        QVERIFY(o.error.isEmpty());
        QCOMPARE(o.portOverride, QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(CToolApp::parseArguments(Args{"x", "--port=COM7"}).portOverride, QStringLiteral("COM7"));
        QVERIFY(!CToolApp::parseArguments(Args{"x", "--port"}).error.isEmpty());
        QVERIFY(!CToolApp::parseArguments(Args{"x", "--bogus"}).error.isEmpty());
        QVERIFY(CToolApp::parseArguments(Args{"x", "--help"}).showHelp);
    }

    void fileAndVersionArguments() {
        using Args = QStringList;
        // What the desktop's file association starts: the program and a file.
        auto o = CToolApp::parseArguments(Args{"Dorvane_QX", "/home/op/stbdata.irz"});
        QVERIFY(o.error.isEmpty());
        QCOMPARE(o.openPath, QStringLiteral("/home/op/stbdata.irz"));
        o = CToolApp::parseArguments(Args{"x", "app.img", "--port", "/dev/ttyUSB0"});
        QVERIFY(o.error.isEmpty());
        QCOMPARE(o.openPath, QStringLiteral("app.img"));
        QCOMPARE(o.portOverride, QStringLiteral("/dev/ttyUSB0"));
        // One window, one current file: a second one is bad usage, not lost.
        QVERIFY(CToolApp::parseArguments(Args{"x", "a.img", "b.img"}).error.contains(QStringLiteral("b.img")));
        // An option's value is not taken for the file.
        QVERIFY(CToolApp::parseArguments(Args{"x", "--port", "COM2"}).openPath.isEmpty());
        QVERIFY(CToolApp::parseArguments(Args{"x", "--version"}).showVersion);
        // "Open with" and the file association: the editor on the file.
        o = CToolApp::parseArguments(Args{"Dorvane_QX", "--edit", "/home/op/stbdata.irz"});
        QVERIFY(o.error.isEmpty() && o.edit);
        QCOMPARE(o.openPath, QStringLiteral("/home/op/stbdata.irz"));
        QVERIFY(!CToolApp::parseArguments(Args{"x", "stbdata.irz"}).edit);
        // Started without a file (%f left out), --edit only starts the window.
        o = CToolApp::parseArguments(Args{"x", "--edit"});
        QVERIFY(o.error.isEmpty() && o.openPath.isEmpty());
        QCOMPARE(CToolApp::handleUsage(o), -1);
        // No file, no version: the window just starts.
        QCOMPARE(CToolApp::handleUsage(CToolApp::parseArguments(Args{"x", "stbdata.irz"})), -1);
        QCOMPARE(CToolApp::handleUsage(CToolApp::parseArguments(Args{"x", "-x"})), 2);
    }

    void startPortFromSettingsOrOption() {
        Settings settings(app_);
        settings.clearPortName();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, Settings::organization(), app_).clear();
        CToolApp::StartOptions none;
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("COM1"));  // first run
        settings.setPortNumber(12);
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("COM12"));
        settings.setPortNumber(-1);
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("COM-1"));  // not validated
#ifndef Q_OS_WIN
        settings.setPortName(QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("/dev/ttyUSB0"));
#endif
        CToolApp::StartOptions given;
        given.portOverride = QStringLiteral("/dev/pts/9");
        QCOMPARE(CToolApp::startPort(given, app_), QStringLiteral("/dev/pts/9"));
        // The option is for this run only.
#ifndef Q_OS_WIN
        QCOMPARE(settings.portName(), QStringLiteral("/dev/ttyUSB0"));
#endif
    }

    void aboutBox() {
        CAboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Dorvane_QX"));
        QCOMPARE(about.versionLine(), QStringLiteral("v0.6 (build # 235)"));
    }

    void configurationListsPortsAndPreselectsTheCurrentOne() {
        const QList<SerialPortEntry> ports{{QStringLiteral("/dev/ttyS0"), QString()},
                                           {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART")},
                                           {QStringLiteral("/dev/ttyUSB1"), QStringLiteral("CP2102")}};
        CSerialConfigDialog dialog(ports, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Serial Port Configuration"));
        dialog.setPortName(QStringLiteral("/dev/ttyUSB0"));
        QComboBox* box = dialog.portBox();
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(box->itemText(1), QStringLiteral("ttyUSB0  (FT232R USB UART)"));
        QCOMPARE(box->itemText(0), QStringLiteral("ttyS0"));
        box->setCurrentIndex(2);
        dialog.accept();
        QCOMPARE(dialog.portName(), QStringLiteral("/dev/ttyUSB1"));
    }

    void aPortTheSystemDoesNotListStaysChoosable() {
        CSerialConfigDialog dialog({{QStringLiteral("COM1"), QString()}, {QStringLiteral("COM3"), QString()}}, nullptr);
        dialog.setPortName(QStringLiteral("/dev/pts/4"));
        QCOMPARE(dialog.portBox()->count(), 3);
        QCOMPARE(dialog.portBox()->currentIndex(), 0);
        QCOMPARE(dialog.portBox()->currentText(), QStringLiteral("pts/4  (current)"));
        dialog.accept();
        QCOMPARE(dialog.portName(), QStringLiteral("/dev/pts/4"));
    }

    void emptyListKeepsThePort() {
        CSerialConfigDialog dialog(QList<SerialPortEntry>{}, nullptr);
        dialog.setPortName(QString());
        QCOMPARE(dialog.portBox()->count(), 0);
        dialog.accept();
        QVERIFY(dialog.portName().isEmpty());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
