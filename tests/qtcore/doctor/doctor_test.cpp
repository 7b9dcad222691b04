#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/doctor/driver_info.h"
#include "qtcore/doctor/port_checks.h"
#include "qtcore/doctor/udev_rule.h"

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

// What udev would refuse in a rules text, line by line: every part of a
// rule is KEY OP "VALUE", matching keys take == or !=, the others =, +=,
// -= or :=, and every GOTO has its LABEL.
QStringList udevSyntaxProblems(const QByteArray& text) {
    static const QRegularExpression part(
        QStringLiteral("^\\s*([A-Z_]+)(\\{[^}]*\\})?\\s*(==|!=|\\+=|-=|:=|=)\\s*\"([^\"]*)\"\\s*$"));
    static const QStringList matchKeys{"ACTION", "SUBSYSTEM", "SUBSYSTEMS", "KERNEL",  "KERNELS", "ATTR", "ATTRS",
                                       "DRIVER", "DRIVERS",   "DEVPATH",    "TAG",     "TAGS",    "ENV",  "PROGRAM",
                                       "RESULT", "TEST",      "NAME",       "SYMLINK", "CONST"};
    static const QStringList assignKeys{"ENV", "TAG",     "GOTO", "LABEL",  "GROUP",   "MODE", "OWNER",
                                        "RUN", "SYMLINK", "NAME", "IMPORT", "OPTIONS", "ATTR"};
    QStringList problems;
    QStringList gotos;
    QStringList labels;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        for (const QString& piece : line.split(QStringLiteral(", "))) {
            const QRegularExpressionMatch m = part.match(piece);
            const bool matching = m.captured(3) == "==" || m.captured(3) == "!=";
            if (!m.hasMatch() || !(matching ? matchKeys : assignKeys).contains(m.captured(1))) {
                problems << QStringLiteral("line %1: %2").arg(n + 1).arg(piece);
                continue;
            }
            if (m.captured(1) == "GOTO") gotos << m.captured(4);
            if (m.captured(1) == "LABEL") labels << m.captured(4);
        }
    }
    for (const QString& target : gotos)
        if (!labels.contains(target)) problems << QStringLiteral("GOTO without LABEL: %1").arg(target);
    return problems;
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

    // The rule the package installs: udev would read every line of it, it
    // names the common adapter chips, tells ModemManager to leave them and
    // opens them to the user at the computer, without changing the group
    // or mode of the device for everyone.
    void theUdevRuleIsValidAndNamesTheCommonAdapters() {
        const QByteArray rule = builtInUdevRule();
        const QStringList problems = udevSyntaxProblems(rule);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        // The check finds what udev refuses.
        QCOMPARE(udevSyntaxProblems("ATTRS{idVendor}=\"0403\", GOTO=\"nowhere\"\nTAG+=\"uaccess\n").size(), 3);

        const QList<UsbId> ids = udevRuleAdapters(rule);
        for (const UsbId id :
             {UsbId{0x0403, 0x6001}, UsbId{0x0403, 0x6015}, UsbId{0x067B, 0x2303}, UsbId{0x067B, 0x23A3},
              UsbId{0x10C4, 0xEA60}, UsbId{0x1A86, 0x7523}, UsbId{0x1A86, 0x5523}}) {
            QVERIFY2(ids.contains(id), qPrintable(QString::number(id.productId, 16)));
            QVERIFY(udevRuleCovers(id.vendorId, id.productId));
        }
        QVERIFY(!udevRuleCovers(0x0403, 0x6010));  // a two-port FTDI chip is not named
        QVERIFY(!udevRuleCovers(0x2341, 0x0043));
        QVERIFY(rule.contains("ENV{ID_MM_DEVICE_IGNORE}=\"1\""));
        QVERIFY(rule.contains("SUBSYSTEM==\"tty\", TAG+=\"uaccess\""));
        for (const char* key : {"GROUP", "MODE", "OWNER"}) QVERIFY2(!rule.contains(key), key);
        // A commented line names nothing.
        QVERIFY(udevRuleAdapters("# ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\"").isEmpty());
    }

    // The first file of the rule's name in udev's folders decides, and an
    // empty one or a link to /dev/null masks it.
    void theInstalledRuleIsTheFirstOfItsName() {
        QTemporaryDir root;
        const QStringList folders{root.filePath("etc"), root.filePath("lib")};
        for (const QString& f : folders) QVERIFY(QDir().mkpath(f));
        QCOMPARE(installedUdevRule(folders), QString());
        const QString packaged = QDir(folders[1]).filePath(kUdevRuleName);
        QVERIFY(writeFile(packaged, builtInUdevRule()));
        QCOMPARE(installedUdevRule(folders), packaged);
        const QString local = QDir(folders[0]).filePath(kUdevRuleName);
        QVERIFY(QFile::link("/dev/null", local));
        QCOMPARE(installedUdevRule(folders), QString());
        QVERIFY(QFile::remove(local));
        QVERIFY(writeFile(local, {}));
        QCOMPARE(installedUdevRule(folders), QString());
        QVERIFY(writeFile(local, "# the administrator's own\n"));
        QCOMPARE(installedUdevRule(folders), local);
    }

    // The permission and holder steps name the rule where it is installed
    // and suggest it where it would help; adapters it does not name, and
    // the texts of the other cases, stay as they were.
    void theStepsNameOrSuggestTheUdevRule() {
        PortSurvey s = usbSurvey();
        s.facts.accessible = false;
        s.inDeviceGroup = false;
        const QString join =
            QStringLiteral("Join the group: 'sudo usermod -aG dialout $USER', then log out and in again.");
        QCOMPARE(permissionStep(s).advice, join);  // no rule for this adapter
        s.adapterInUdevRule = true;
        QString advice = permissionStep(s).advice;
        QVERIFY2(advice.startsWith(join + " Or install the udev rule 60-dorvane-usb-serial.rules"), qPrintable(advice));
        QVERIFY(advice.contains("copy packaging/60-dorvane-usb-serial.rules to /etc/udev/rules.d/"));
        s.udevRule = QStringLiteral("/usr/lib/udev/rules.d/60-dorvane-usb-serial.rules");
        advice = permissionStep(s).advice;
        QVERIFY(advice.startsWith(join + " The udev rule /usr/lib/udev/rules.d/60-dorvane-usb-serial.rules lets"));
        QVERIFY(advice.contains("plug it in again"));
        s.facts.accessible = true;
        QVERIFY(permissionStep(s).detail.endsWith(
            "(group 'dialout', mode 660). The udev rule /usr/lib/udev/rules.d/60-dorvane-usb-serial.rules gives the "
            "user at the computer access to this adapter."));

        // ModemManager: the installed rule keeps it away; without the rule
        // its fix comes with the rule suggested.
        s.grabbers = {PortHolder{512, QStringLiteral("ModemManager")}, PortHolder{77, QStringLiteral("brltty")}};
        DoctorStep step = holderStep(s);
        QCOMPARE(step.status, StepStatus::Ok);
        QVERIFY2(step.advice.startsWith("ModemManager runs; the udev rule /usr/lib/udev/rules.d/"),
                 qPrintable(step.advice));
        QVERIFY(!step.advice.contains("systemctl stop ModemManager"));
        QVERIFY(step.advice.contains("sudo apt remove brltty"));
        s.udevRule.clear();
        step = holderStep(s);
        QVERIFY(step.advice.contains("systemctl stop ModemManager"));
        QVERIFY(step.advice.endsWith("keeps ModemManager away from this adapter for good."));
        s.holders = {PortHolder{512, QStringLiteral("ModemManager")}};
        s.udevRule = QStringLiteral("/etc/udev/rules.d/60-dorvane-usb-serial.rules");
        step = holderStep(s);
        QCOMPARE(step.status, StepStatus::Problem);
        QVERIFY(step.advice.startsWith("ModemManager probes"));
        QVERIFY(step.advice.endsWith("keeps ModemManager away from this adapter from its next plugging in."));
        // Another holder says nothing of the rule.
        s.holders = {PortHolder{812, QStringLiteral("minicom")}};
        QVERIFY(!holderStep(s).advice.contains("udev"));
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
        // The versions the reports name, and the ones they name as working.
        for (const char* bad : {"2.11.0", "2.12.0.0", "2.12.12.0"})
            QCOMPARE(knownDriverProblems(0x0403, 0x6015, bad).size(), 1);
        QCOMPARE(knownDriverProblems(0x0403, 0x6001, "2.10.0.0").size(), 0);
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.3.11.152").size(), 1);
        QCOMPARE(knownDriverProblems(0x067B, 0x2303, "3.8.36.2").size(), 1);
        for (const char* bad : {"3.8.2023.2", "3.9.2024.9"})
            QCOMPARE(knownDriverProblems(0x1A86, 0x7523, bad).size(), 1);
        QCOMPARE(knownDriverProblems(0x1A86, 0x7523, "3.5.2019.1").size(), 0);
        QCOMPARE(knownDriverProblems(0x10C4, 0xEA60, "3.8.2023.2").size(), 0);  // another maker's driver
        // Every entry rests on addresses one can look up.
        for (const QJsonValue& v : builtIn)
            QVERIFY2(v.toObject().value("source").toString().contains("https://") ||
                         v.toObject().value("source").toString().contains("http://"),
                     qPrintable(v.toObject().value("problem").toString()));
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
