#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "cli/ports_listing.h"
#include "qtcore/app/settings.h"
#include "qtcore/serial/port_diagnosis.h"
#include "qtcore/serial/serial_error.h"

using namespace dorvane;

namespace {

// What a machine with a built-in port and two USB adapters reports.
QList<SerialPortEntry> fakePorts() {
    SerialPortEntry builtIn{QStringLiteral("/dev/ttyS0"), QString()};
    SerialPortEntry ftdi{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")};
    ftdi.vendorId = 0x0403;
    ftdi.productId = 0x6001;
    ftdi.serialNumber = QStringLiteral("A50285BI");
    SerialPortEntry cp{QStringLiteral("/dev/ttyUSB1"), QStringLiteral("CP2102 USB to UART Bridge Controller"),
                       QStringLiteral("Silicon Labs")};
    cp.vendorId = 0x10c4;
    cp.productId = 0xea60;
    cp.busy = true;
    cp.holder = QStringLiteral("minicom (pid 812)");
    return {builtIn, ftdi, cp};
}

// A failure as the port reports it: Qt's code mapped to the program's cause,
// with the system's text.
Status qtFailure(QSerialPort::SerialPortError error, const char* text) {
    return {errorFromSerialPort(error), QString::fromUtf8(text).toStdString()};
}

}  // namespace

class PortDiagnosisTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void eachOpenErrorGetsItsCauseAndFix() {
        const QString port = QStringLiteral("/dev/ttyUSB0");
        PortFacts missing;
        missing.exists = false;
        PortAdvice a =
            adviseOpenFailure(port, qtFailure(QSerialPort::DeviceNotFoundError, "No such file or directory"), missing);
        QCOMPARE(a.problem, PortProblem::Missing);
        QVERIFY(a.text.startsWith("/dev/ttyUSB0 does not exist: the adapter is unplugged"));
        // Qt's own "not found" says so even where the facts could not be gathered.
        a = adviseOpenFailure(port, qtFailure(QSerialPort::DeviceNotFoundError, "No such file or directory"),
                              PortFacts{});
        QCOMPARE(a.problem, PortProblem::Missing);

        PortFacts denied;
        denied.accessible = false;
        denied.group = QStringLiteral("dialout");
        a = adviseOpenFailure(port, qtFailure(QSerialPort::PermissionError, "Permission denied"), denied);
        QCOMPARE(a.problem, PortProblem::Permission);
        QCOMPARE(a.text, QStringLiteral("Permission denied on /dev/ttyUSB0: your user is not in the 'dialout' group. "
                                        "Join it with 'sudo usermod -aG dialout $USER', then log out and in again."));
        denied.group = QStringLiteral("uucp");  // other distributions
        QVERIFY(adviseOpenFailure(port, qtFailure(QSerialPort::PermissionError, ""), denied)
                    .text.contains("usermod -aG uucp"));
        denied.group = QStringLiteral("root");  // not a group to join: the usual one is named
        QVERIFY(
            adviseOpenFailure(port, qtFailure(QSerialPort::PermissionError, ""), denied).text.contains("'dialout'"));

        PortFacts held;
        held.holder = PortHolder{812, QStringLiteral("minicom")};
        a = adviseOpenFailure(port, qtFailure(QSerialPort::PermissionError, "Device or resource busy"), held);
        QCOMPARE(a.problem, PortProblem::Busy);
        QCOMPARE(a.text, QStringLiteral("/dev/ttyUSB0 is in use by minicom (pid 812). Close that program, or choose "
                                        "another port."));
        a = adviseOpenFailure(port, qtFailure(QSerialPort::PermissionError, "Device or resource busy"), PortFacts{});
        QCOMPARE(a.problem, PortProblem::Busy);
        QVERIFY(a.text.contains("in use by another program"));

        a = adviseOpenFailure(port, qtFailure(QSerialPort::UnsupportedOperationError, "Unsupported operation"),
                              PortFacts{});
        QCOMPARE(a.problem, PortProblem::Other);
        QCOMPARE(a.text, QStringLiteral("/dev/ttyUSB0: Unsupported operation."));
    }

    void namesThatAreNoSerialPortsAreSaidToBeNone() {
        // A bare name is a device in /dev, unless a file of that name is here.
        QTemporaryDir here;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        QVERIFY(QDir().mkdir("folder"));
        {
            QFile f("plain");
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(portDevicePath("ttyNOWHERE"), QStringLiteral("/dev/ttyNOWHERE"));
        QCOMPARE(portDevicePath("plain"), QDir(here.path()).absoluteFilePath("plain"));
        QCOMPARE(portDevicePath("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(portDevicePath("./plain"), QStringLiteral("./plain"));

        const PortFacts folder = gatherPortFacts("folder");
        QCOMPARE(folder.notSerial, QStringLiteral("a folder"));
        QCOMPARE(gatherPortFacts("plain").notSerial, QStringLiteral("a plain file"));
        QCOMPARE(gatherPortFacts("/dev/null").notSerial, QStringLiteral("a device that is not a serial line"));
        // Whoever else holds /dev/null open is no reason.
        QVERIFY(!gatherPortFacts("/dev/null").holder);
        const PortFacts missing = gatherPortFacts("ttyNOWHERE");
        QVERIFY(!missing.exists);
        QVERIFY(QDir::setCurrent(before));

        // The advice names the path it looked at, and the ports there are.
        PortFacts facts = folder;
        facts.ports = QStringList{"/dev/ttyUSB0", "/dev/ttyS0"};
        PortAdvice a = adviseOpenFailure("folder", Status(Error::Failed, "Is a directory"), facts);
        QCOMPARE(a.problem, PortProblem::NotSerial);
        QCOMPARE(a.text, "folder (" + QDir(here.path()).absoluteFilePath("folder") +
                             ") is not a serial port: it is a folder. The serial ports are: /dev/ttyUSB0, /dev/ttyS0.");
        facts.ports.clear();
        facts.path = "/dev/null";
        facts.notSerial = "a device that is not a serial line";
        facts.holder = PortHolder{1, "bash"};
        a = adviseOpenFailure("/dev/null", Status(Error::Failed, "Inappropriate ioctl for device"), facts);
        QCOMPARE(a.text, QStringLiteral("/dev/null is not a serial port: it is a device that is not a serial line. No "
                                        "serial port is there: plug in the adapter."));
        a = adviseOpenFailure("ttyNOWHERE", Status(Error::NotFound, "No such file or directory"), missing);
        QCOMPARE(a.problem, PortProblem::Missing);
        QVERIFY2(a.text.startsWith("ttyNOWHERE (tried /dev/ttyNOWHERE) does not exist"), qPrintable(a.text));
    }

    void aPortThatGoesAwayWasUnplugged() {
        PortFacts gone;
        gone.exists = false;
        PortAdvice a =
            adviseFailureWhileOpen("/dev/ttyUSB0", qtFailure(QSerialPort::ResourceError, "Input/output error"), gone);
        QCOMPARE(a.problem, PortProblem::Unplugged);
        QCOMPARE(a.text,
                 QStringLiteral("/dev/ttyUSB0 has gone away: the adapter was unplugged. Plug it back in and retry."));
        // The device is still there, but Qt says it went away (a USB
        // adapter that was reset): unplugged, too.
        a = adviseFailureWhileOpen("/dev/ttyUSB0", qtFailure(QSerialPort::ResourceError, "Input/output error"),
                                   PortFacts{});
        QCOMPARE(a.problem, PortProblem::Unplugged);
        a = adviseFailureWhileOpen("/dev/ttyUSB0", qtFailure(QSerialPort::UnknownError, "odd"), PortFacts{});
        QCOMPARE(a.problem, PortProblem::Other);
        QCOMPARE(a.text, QStringLiteral("/dev/ttyUSB0 stopped working: odd."));
    }

    void theHolderComesFromALockFileOrFromProc() {
        QTemporaryDir locks;
        QTemporaryDir files;
        const QString device = files.filePath("ttyFAKE0");
        QFile dev(device);
        QVERIFY(dev.open(QIODevice::WriteOnly));
        dev.close();
        PortLookupPlaces places;
        places.lockDirectories = {locks.path()};
        QVERIFY(!findPortHolder(device, places));

        // A lock file of a live process (ours), in Qt's form.
        const qint64 self = QCoreApplication::applicationPid();
        QFile lock(locks.filePath("LCK..ttyFAKE0"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(self) + "\nsomething\nhost\n");
        lock.close();
        std::optional<PortHolder> h = findPortHolder(device, places);
        QVERIFY(h);
        QCOMPARE(h->pid, self);
        QCOMPARE(h->program, QStringLiteral("port_diagnosis_").left(h->program.size()));
        QVERIFY(h->text().endsWith(QStringLiteral("(pid %1)").arg(self)));

        // A stale lock (its process gone) names nobody; an open file does.
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write("  4194303\n");
        lock.close();
        QVERIFY(!findPortHolder(device, places));
        QFile held(device);
        QVERIFY(held.open(QIODevice::ReadWrite));
        h = findPortHolder(device, places);
        QVERIFY(h);
        QCOMPARE(h->pid, self);
        held.close();
        QVERIFY(!findPortHolder(device, places));
    }

    void factsOfAMissingAndAForbiddenDevice() {
        QVERIFY(!gatherPortFacts("/dev/no-such-port-here").exists);
        QTemporaryDir files;
        const QString path = files.filePath("ttyLOCKED");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        PortFacts facts = gatherPortFacts(path);
        QVERIFY(facts.exists && facts.accessible && !facts.group.isEmpty());
        if (::geteuid() != 0) {  // the superuser may open anything
            QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
            QVERIFY(!gatherPortFacts(path).accessible);
        }
    }

    void theDefaultIsTheFirstUsbAdapterElseTheFirstPort() {
        QList<SerialPortEntry> ports = fakePorts();
        PortChoice c = defaultPortChoice(ports);
        QCOMPARE(c.name, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(c.reason, QStringLiteral("the first USB serial adapter found (FT232R USB UART)"));
        ports.removeAt(1);
        ports.removeAt(1);
        c = defaultPortChoice(ports);
        QCOMPARE(c.name, QStringLiteral("/dev/ttyS0"));
        QCOMPARE(c.reason, QStringLiteral("the first serial port found"));
        QVERIFY(defaultPortChoice({}).name.isEmpty());
    }

    void theStartPortIsTheConfiguredOneOnceThereIsOne() {
        const QString app = QStringLiteral("dorvane-port-diagnosis-test");
        QSettings(QSettings::NativeFormat, QSettings::UserScope, Settings::organization(), app).clear();
        Settings settings(app);
        QVERIFY(!settings.portConfigured());
#ifdef _WIN32
        QCOMPARE(chooseStartPort(settings, fakePorts()).name, QStringLiteral("COM1"));
#else
        QCOMPARE(chooseStartPort(settings, fakePorts()).name, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(chooseStartPort(settings, {}).name, QStringLiteral("COM1"));  // nothing found: as before
        settings.setPortName(QStringLiteral("/dev/ttyS0"));
        QVERIFY(settings.portConfigured());
        const PortChoice c = chooseStartPort(settings, fakePorts());
        QCOMPARE(c.name, QStringLiteral("/dev/ttyS0"));
        QVERIFY(c.reason.isEmpty());
#endif
    }

    void portsListingAsTextAndJson() {
        const QStringList lines = cli::portsText(fakePorts()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("/dev/ttyS0\t-\t-\t-\t-\tfree"));
        QCOMPARE(lines[1], QStringLiteral("/dev/ttyUSB0\tFT232R USB UART\tFTDI\t0403:6001\tA50285BI\tfree"));
        QCOMPARE(lines[2],
                 QStringLiteral("/dev/ttyUSB1\tCP2102 USB to UART Bridge Controller\tSilicon Labs\t10c4:ea60\t-\t"
                                "busy: minicom (pid 812)"));

        const QJsonArray array = QJsonDocument::fromJson(cli::portsJson(fakePorts())).array();
        QCOMPARE(array.size(), 3);
        QVERIFY(array[0].toObject()["vendorId"].isNull());
        const QJsonObject usb = array[1].toObject();
        QCOMPARE(usb["name"].toString(), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(usb["vendorId"].toInt(), 0x0403);
        QCOMPARE(usb["productId"].toInt(), 0x6001);
        QCOMPARE(usb["usbId"].toString(), QStringLiteral("0403:6001"));
        QCOMPARE(usb["serialNumber"].toString(), QStringLiteral("A50285BI"));
        QCOMPARE(usb["busy"].toBool(), false);
        QCOMPARE(array[2].toObject()["holder"].toString(), QStringLiteral("minicom (pid 812)"));
    }
};

QTEST_GUILESS_MAIN(PortDiagnosisTest)
#include "port_diagnosis_test.moc"
