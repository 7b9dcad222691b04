#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/doctor/driver_info.h"
#include "qtcore/doctor/port_checks.h"

using namespace dorvane;

namespace {

// A USB adapter that exists, is a serial line and may be opened.
PortSurvey usbSurvey() {
    PortSurvey s;
    s.name = QStringLiteral("/dev/ttyUSB0");
    s.facts.path = s.name;
    s.facts.group = QStringLiteral("dialout");
    SerialPortEntry e{s.name, QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")};
    e.vendorId = 0x0403;
    e.productId = 0x6001;
    e.serialNumber = QStringLiteral("A50285BI");
    s.entry = e;
    s.ports = {e};
    s.user = QStringLiteral("ann");
    s.mode = 020660;
    s.inDeviceGroup = true;
    s.ownPid = 4242;
    return s;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

class DoctorTest : public QObject {
    Q_OBJECT
private slots:
    void theAdapterIsNamedWithItsIds() {
        const DoctorStep step = portStep(usbSurvey());
        QCOMPARE(step.status, StepStatus::Ok);
        QCOMPARE(step.detail,
                 QStringLiteral("/dev/ttyUSB0, FT232R USB UART, made by FTDI, USB 0403:6001, serial number A50285BI"));
        QVERIFY(step.advice.isEmpty());
    }

    void aMissingPortListsThePortsThereAreAndBrlttysFix() {
        PortSurvey s = usbSurvey();
        s.facts.exists = false;
        s.entry.reset();
        s.ports = {SerialPortEntry{QStringLiteral("/dev/ttyS0"), {}}};
        DoctorStep step = portStep(s);
        QCOMPARE(step.status, StepStatus::Problem);
        QVERIFY(step.advice.contains("The serial ports are: /dev/ttyS0."));
        QVERIFY(!step.advice.contains("brltty"));
        s.grabbers = {PortHolder{77, QStringLiteral("brltty")}};
        step = portStep(s);
        QVERIFY2(step.advice.contains("sudo apt remove brltty"), qPrintable(step.advice));
        QCOMPARE(permissionStep(s).status, StepStatus::Skipped);
        QCOMPARE(holderStep(s).status, StepStatus::Skipped);
        QVERIFY(!reasonNotToOpen(s).isEmpty());
    }

    // Each way of being shut out gets the fix that opens it.
    void permissionAdviceFitsTheCause() {
        PortSurvey s = usbSurvey();
        QCOMPARE(permissionStep(s).status, StepStatus::Ok);
        QVERIFY(reasonNotToOpen(s).isEmpty());

        s.facts.accessible = false;
        s.inDeviceGroup = false;
        DoctorStep step = permissionStep(s);
        QCOMPARE(step.status, StepStatus::Problem);
        QCOMPARE(step.detail,
                 QStringLiteral("ann may not read and write it (group 'dialout', you are not in it; mode 660)."));
        QCOMPARE(step.advice,
                 QStringLiteral("Join the group: 'sudo usermod -aG dialout $USER', then log out and in again."));
        QCOMPARE(reasonNotToOpen(s), QStringLiteral("this user may not open the port."));

        s.listedInDeviceGroup = true;  // joined, not logged in again
        QVERIFY(permissionStep(s).advice.contains("log out and in again (or run 'newgrp dialout')"));

        s.facts.group = QStringLiteral("uucp");
        s.listedInDeviceGroup = false;
        QVERIFY(permissionStep(s).advice.contains("usermod -aG uucp"));

        s.facts.group = QStringLiteral("root");
        QVERIFY(permissionStep(s).advice.contains("udev rule"));

        s.facts.group = QStringLiteral("dialout");
        s.inDeviceGroup = true;
        s.mode = 020600;
        QVERIFY(permissionStep(s).advice.contains("sudo chmod g+rw /dev/ttyUSB0"));
    }

    void holdersAndKnownGrabbers() {
        PortSurvey s = usbSurvey();
        DoctorStep step = holderStep(s);
        QCOMPARE(step.status, StepStatus::Ok);
        QVERIFY(step.advice.isEmpty());

        // A grabber that runs is worth knowing about for a USB adapter...
        s.grabbers = {PortHolder{512, QStringLiteral("ModemManager")}};
        QVERIFY(holderStep(s).advice.contains("systemctl stop ModemManager"));
        // ...not for a pseudo-terminal.
        PortSurvey pty = s;
        pty.name = pty.facts.path = QStringLiteral("/dev/pts/4");
        pty.entry.reset();
        QVERIFY(holderStep(pty).advice.isEmpty());

        s.holders = {PortHolder{512, QStringLiteral("ModemManager")}};
        step = holderStep(s);
        QCOMPARE(step.status, StepStatus::Problem);
        QCOMPARE(step.detail, QStringLiteral("in use by ModemManager (pid 512)."));
        QVERIFY(step.advice.startsWith("ModemManager probes"));

        s.holders = {PortHolder{812, QStringLiteral("minicom")}, PortHolder{813, {}}};
        step = holderStep(s);
        QCOMPARE(step.detail, QStringLiteral("in use by minicom (pid 812), process 813."));
        QVERIFY(step.advice.contains("'kill 812'"));
        QVERIFY(reasonNotToOpen(s).startsWith("minicom (pid 812) holds the port"));
    }

    void runningGrabbersAreFoundByName() {
        QTemporaryDir proc;
        for (const auto& [pid, name] :
             {std::pair{"12", "ModemManager"}, {"13", "bash"}, {"14", "brltty"}, {"x", "brltty"}}) {
            QVERIFY(QDir(proc.path()).mkpath(pid));
            QVERIFY(writeFile(proc.filePath(QStringLiteral("%1/comm").arg(pid)), QByteArray(name) + "\n"));
        }
        const QList<PortHolder> found = runningGrabbers(proc.path());
        QCOMPARE(found.size(), 2);
        QStringList names;
        for (const PortHolder& h : found) names << h.text();
        names.sort();
        QCOMPARE(names, (QStringList{"ModemManager (pid 12)", "brltty (pid 14)"}));
    }

    // The process that holds a pseudo-terminal's master is its other end.
    void thePtyMastersHolderIsTheOtherEnd() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        const QString slave = QString::fromLocal8Bit(ptsname(master));
        const int index = ptyIndexOf(slave);
        QVERIFY(index >= 0);
        QVERIFY(holdsPtyMaster(::getpid(), index));
        QVERIFY(!holdsPtyMaster(::getpid(), index + 1000));
        ::close(master);
        QVERIFY(!holdsPtyMaster(::getpid(), index));
        QCOMPARE(ptyIndexOf(QStringLiteral("/dev/ttyUSB0")), -1);
        QCOMPARE(ptyIndexOf(QStringLiteral("/dev/pts/12")), 12);
    }

    void knownDriverVersionsMatchByIdsAndVersion() {
        const QByteArray list = R"([
            {"vendorId": "067B", "productId": "2303", "versions": ["3.4.*"], "problem": "P", "fix": "F", "source": "S"},
            {"vendorId": "0403", "versions": ["2.12.12"], "problem": "Q", "fix": "G", "source": "T"}])";
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.4.25.218", list).size(), 1);
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.3.2.102", list).size(), 0);
        QCOMPARE(knownDriverProblems(0x067B, 0x23A3, "3.4.25.218", list).size(), 0);
        QCOMPARE(knownDriverProblems(0x0403, 0x6015, "2.12.12", list).size(), 1);  // any product
        QCOMPARE(knownDriverProblems(0x0403, 0x6001, "2.12.120", list).size(), 0);
        QCOMPARE(knownDriverProblems(0x0403, 0x6001, "", list).size(), 0);
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.4.25.218", "not json").size(), 0);
        // The list built into the program parses and every entry has its
        // problem, fix and source.
        const QJsonArray builtIn = QJsonDocument::fromJson(builtInDriverList()).array();
        QVERIFY(builtIn.size() >= 3);
        for (const QJsonValue& v : builtIn)
            for (const char* key : {"vendorId", "versions", "problem", "fix", "source"})
                QVERIFY2(v.toObject().contains(QLatin1String(key)), key);
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.4.62.293").size(), 1);
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.3.2.102").size(), 0);
        QCOMPARE(knownDriverProblems(0x0403, 0x6001, "2.12.36.4").size(), 0);
    }

    void driverWarningsShowOnThePortStep() {
        PortSurvey s = usbSurvey();
        s.driver = DriverInfo{"Prolific USB-to-Serial Comm Port", "Prolific", "3.4.62.293", "10-17-2013",
                              "USB\\VID_067B&PID_2303&REV_0300",  "Prolific"};
        s.driverProblems = knownDriverProblems(0x067B, 0x2303, s.driver->version);
        const DoctorStep step = portStep(s);
        QCOMPARE(step.status, StepStatus::Ok);
        QVERIFY(step.detail.contains(
            "driver: Prolific USB-to-Serial Comm Port, version 3.4.62.293, from Prolific, dated 10-17-2013"));
        QVERIFY(step.advice.startsWith("Warning: "));
        QVERIFY(step.advice.contains("(Source: "));
        QCOMPARE(hardwareIdNumber(s.driver->hardwareId, "VID"), quint16(0x067B));
        QCOMPARE(hardwareIdNumber(s.driver->hardwareId, "PID"), quint16(0x2303));
        QCOMPARE(hardwareIdNumber("ACPI\\PNP0501", "VID"), quint16(0));
    }

    void theReportAsJsonAndText() {
        DoctorReport r;
        r.port = "/dev/ttyUSB0";
        r.steps = {{"port", StepStatus::Ok, "fine", {}},
                   {"link", StepStatus::Problem, QString("no answer ") + QString(120, 'x'), "do this"}};
        const QJsonObject o = doctorJson(r);
        QCOMPARE(o.value("transferCouldStart").toBool(), false);
        QCOMPARE(o.value("steps").toArray().size(), 2);
        QCOMPARE(o.value("steps").toArray()[1].toObject().value("status").toString(), QString("problem"));
        QCOMPARE(o.value("steps").toArray()[1].toObject().value("advice").toString(), QString("do this"));
        const QString text = doctorText(r);
        QVERIFY(text.startsWith("[ok]       port: fine\n[problem]  link: no answer\n           xxx"));
        QVERIFY(text.contains("\n           -> do this\n"));
        QVERIFY(text.endsWith("No transfer can start yet: see the problems above.\n"));
        r.bootLoaderAsked = true;
        QVERIFY(r.transferCouldStart());
        QVERIFY(doctorText(r).endsWith("asks for a file (download).\n"));
    }

    // The bundle's run: the steps that need no STB, at once, and the port
    // released again.
    void portStepsOnlyNeverTalkToTheStb() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        const QString slave = QString::fromLocal8Bit(ptsname(master));
        const DoctorReport r = ConnectionDoctor::portStepsOnly(slave);
        QStringList names;
        for (const DoctorStep& s : r.steps) names << s.name;
        QCOMPARE(names, (QStringList{"port", "permission", "holder", "line settings"}));
        QCOMPARE(r.step("line settings")->status, StepStatus::Ok);
        char b = 0;
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        QCOMPARE(::read(master, &b, 1), ssize_t(-1));  // not a byte was sent
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(DoctorTest)
#include "doctor_test.moc"
