#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/app/version.h"
#include "gui/app/about_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/app/tool_app.h"
#include "qtcore/app/settings.h"
#include "qtcore/serial/port_diagnosis.h"

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
        // The texts the command line gives for the same mistakes.
        const QString needsPort = QStringLiteral("--port needs a port name");
        QCOMPARE(CToolApp::parseArguments(Args{"x", "a.img", "--port"}).error, needsPort);
        QCOMPARE(CToolApp::parseArguments(Args{"x", "--port=", "a.img"}).error, needsPort);
        // "--edit" is not taken for the port's name.
        QCOMPARE(CToolApp::parseArguments(Args{"x", "--port", "--edit", "a.irz"}).error, needsPort);
        QCOMPARE(CToolApp::parseArguments(Args{"x", "--bogus"}).error, QStringLiteral("unknown option --bogus"));
        QCOMPARE(CToolApp::handleUsage(CToolApp::parseArguments(Args{"x", "--port"})), 2);
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
#ifdef _WIN32
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("COM1"));  // first run
#else
        // First run on a system without COM numbers: the first USB adapter,
        // else the first port, found.
        const QString found = defaultPortChoice(CSerialPort::availablePorts()).name;
        QCOMPARE(CToolApp::startPort(none, app_), found.isEmpty() ? QStringLiteral("COM1") : found);
#endif
        settings.setPortNumber(12);
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("COM12"));
        settings.setPortNumber(-1);
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("COM-1"));  // not validated
#ifndef _WIN32
        settings.setPortName(QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(CToolApp::startPort(none, app_), QStringLiteral("/dev/ttyUSB0"));
#endif
        CToolApp::StartOptions given;
        given.portOverride = QStringLiteral("/dev/pts/9");
        QCOMPARE(CToolApp::startPort(given, app_), QStringLiteral("/dev/pts/9"));
        // The option is for this run only.
#ifndef _WIN32
        QCOMPARE(settings.portName(), QStringLiteral("/dev/ttyUSB0"));
#endif
    }

    void aboutBox() {
        CAboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Dorvane_QX"));
        QCOMPARE(about.versionLine(), QString::fromStdString(dorvane::aboutVersionLine()));
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

    void theChosenPortIsDescribedAndTheListFollowsThePlugs() {
        SerialPortEntry ftdi{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")};
        ftdi.vendorId = 0x0403;
        ftdi.productId = 0x6001;
        ftdi.serialNumber = QStringLiteral("A50285BI");
        QList<SerialPortEntry> plugged{{QStringLiteral("/dev/ttyS0"), QString()}};
        int asked = 0;
        CSerialConfigDialog dialog(
            [&] {
                ++asked;
                return plugged;
            },
            nullptr);
        dialog.setPortName(QStringLiteral("/dev/ttyS0"));
        QCOMPARE(dialog.detailsLabel()->text(), QStringLiteral("/dev/ttyS0\nFree"));

        // The adapter is plugged in: it shows up, the choice stays.
        plugged.append(ftdi);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.portBox()->count(), 2, 3000);
        QVERIFY(asked >= 2);
        QCOMPARE(dialog.portBox()->currentIndex(), 0);
        dialog.portBox()->setCurrentIndex(1);
        QCOMPARE(
            dialog.detailsLabel()->text(),
            QStringLiteral("/dev/ttyUSB0\nFT232R USB UART\nMade by FTDI\nUSB 0403:6001\nSerial number A50285BI\nFree"));
        // Another program takes it.
        plugged[1].busy = true;
        plugged[1].holder = QStringLiteral("minicom (pid 812)");
        dialog.refresh();
        QVERIFY(dialog.detailsLabel()->text().endsWith("\nIn use by minicom (pid 812)"));
        QCOMPARE(dialog.portBox()->currentIndex(), 1);
        // And it is pulled out again.
        plugged.removeLast();
        dialog.refresh();
        QCOMPARE(dialog.portBox()->count(), 1);
        dialog.accept();
        QCOMPARE(dialog.portName(), QStringLiteral("/dev/ttyS0"));
    }

    void aTypedPathIsTaken() {
        CSerialConfigDialog dialog(QList<SerialPortEntry>{{QStringLiteral("/dev/ttyS0"), QString()}}, nullptr);
        dialog.setPortName(QStringLiteral("/dev/ttyS0"));
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        dialog.portBox()->setEditText(byId);
        QCOMPARE(dialog.detailsLabel()->text(), byId + QStringLiteral("\nNot listed by the system"));
        dialog.accept();
        QCOMPARE(dialog.portName(), byId);
#ifndef _WIN32
        CSerialConfigDialog shortName(QList<SerialPortEntry>{}, nullptr);
        shortName.portBox()->setEditText(QStringLiteral(" ttyACM0 "));
        shortName.accept();
        QCOMPARE(shortName.portName(), QStringLiteral("/dev/ttyACM0"));
#endif
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
