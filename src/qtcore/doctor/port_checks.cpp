#include "qtcore/doctor/port_checks.h"

#include "qtcore/doctor/udev_rule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#ifndef Q_OS_WIN
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dorvane {

const QList<KnownGrabber>& knownGrabbers() {
    static const QList<KnownGrabber> grabbers{
        {"ModemManager",
         "ModemManager probes every new USB serial adapter for a modem for some seconds after it is plugged in, "
         "and the port is busy meanwhile. Wait half a minute after plugging in, or stop it with 'sudo systemctl "
         "stop ModemManager' ('sudo systemctl disable ModemManager' where no modem is used)."},
        {"brltty",
         "brltty (for Braille displays) claims USB serial chips such as the CH340 and the CP210x, and their port "
         "disappears. Without a Braille display remove it: 'sudo apt remove brltty'."},
    };
    return grabbers;
}

QList<PortHolder> runningGrabbers(const QString& procDirectory) {
    QList<PortHolder> running;
    const QDir proc(procDirectory);
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok) continue;
        QFile comm(proc.filePath(entry + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly)) continue;
        const QString program = QString::fromLocal8Bit(comm.readAll()).trimmed();
        for (const KnownGrabber& g : knownGrabbers())
            if (program == QLatin1String(g.program)) running.append(PortHolder{pid, program});
    }
    return running;
}

namespace {

const KnownGrabber* grabberNamed(const QString& program) {
    for (const KnownGrabber& g : knownGrabbers())
        if (program == QLatin1String(g.program)) return &g;
    return nullptr;
}

QString portChoiceText(const PortSurvey& survey) {
    QStringList names;
    for (const SerialPortEntry& p : survey.ports) names << p.name;
    return names.isEmpty() ? QStringLiteral("No serial port is there: plug in the adapter.")
                           : QStringLiteral("The serial ports are: %1.").arg(names.join(QStringLiteral(", ")));
}

QString driverText(const DriverInfo& d) {
    QStringList parts;
    if (!d.description.isEmpty()) parts << d.description;
    if (!d.version.isEmpty()) parts << QStringLiteral("version %1").arg(d.version);
    if (!d.provider.isEmpty()) parts << QStringLiteral("from %1").arg(d.provider);
    if (!d.date.isEmpty()) parts << QStringLiteral("dated %1").arg(d.date);
    return QStringLiteral("driver: ") +
           (parts.isEmpty() ? QStringLiteral("unknown") : parts.join(QStringLiteral(", ")));
}

QString driverWarnings(const PortSurvey& survey) {
    QStringList texts;
    for (const KnownDriverProblem& p : survey.driverProblems)
        texts << QStringLiteral("Warning: %1 %2 (Source: %3)").arg(p.problem, p.fix, p.source);
    return texts.join(QLatin1Char('\n'));
}

QString grabberFixes(const PortSurvey& survey, const QString& only = {}) {
    QStringList fixes;
    for (const PortHolder& g : survey.grabbers) {
        if (!only.isEmpty() && g.program != only) continue;
        if (const KnownGrabber* known = grabberNamed(g.program)) {
            const QString fix = QString::fromLatin1(known->fix);
            if (!fixes.contains(fix)) fixes << fix;
        }
    }
    return fixes.join(QLatin1Char(' '));
}

#ifndef Q_OS_WIN
bool looksLikeUsbAdapter(const PortSurvey& survey) {
    if (survey.entry && survey.entry->isUsb()) return true;
    return survey.facts.path.contains(QLatin1String("ttyUSB")) || survey.facts.path.contains(QLatin1String("ttyACM"));
}

bool modemManagerAmong(const QList<PortHolder>& programs) {
    return std::any_of(programs.begin(), programs.end(),
                       [](const PortHolder& p) { return p.program == QLatin1String("ModemManager"); });
}

QString ruleWhereFrom() {
    return QStringLiteral("the Debian package installs it; from the source, copy packaging/%1 to /etc/udev/rules.d/")
        .arg(QLatin1String(kUdevRuleName));
}

// What the package's udev rule does for a user shut out of this adapter.
QString udevRuleAccessText(const PortSurvey& survey) {
    if (!survey.adapterInUdevRule) return {};
    if (!survey.udevRule.isEmpty())
        return QStringLiteral(
                   "The udev rule %1 lets the user at the computer open this adapter without the group: plug "
                   "it in again if it was plugged in before the rule was installed (a remote login gets "
                   "nothing from it).")
            .arg(survey.udevRule);
    return QStringLiteral(
               "Or install the udev rule %1 (%2) and plug the adapter in again: it lets the user at the computer "
               "open this adapter without the group.")
        .arg(QLatin1String(kUdevRuleName), ruleWhereFrom());
}

// What the rule does about ModemManager, where ModemManager runs or holds
// this adapter.
QString udevRuleModemManagerText(const PortSurvey& survey) {
    if (!survey.adapterInUdevRule) return {};
    if (!survey.udevRule.isEmpty())
        return QStringLiteral("The udev rule %1 keeps ModemManager away from this adapter from its next plugging in.")
            .arg(survey.udevRule);
    return QStringLiteral("The udev rule %1 (%2) keeps ModemManager away from this adapter for good.")
        .arg(QLatin1String(kUdevRuleName), ruleWhereFrom());
}

QString joinedSentences(const QString& first, const QString& second) {
    if (first.isEmpty()) return second;
    return second.isEmpty() ? first : first + QLatin1Char(' ') + second;
}

// The known grabbers that run, for a USB adapter no program holds now.
// Where the installed rule names the adapter, ModemManager does not probe
// it: the rule is named instead of ModemManager's fix.
QString usbGrabberAdvice(const PortSurvey& survey) {
    if (!modemManagerAmong(survey.grabbers)) return grabberFixes(survey);
    if (survey.adapterInUdevRule && !survey.udevRule.isEmpty())
        return joinedSentences(
            QStringLiteral("ModemManager runs; the udev rule %1 keeps it away from this adapter.").arg(survey.udevRule),
            grabberFixes(survey, QStringLiteral("brltty")));
    return joinedSentences(grabberFixes(survey), udevRuleModemManagerText(survey));
}
#endif

}  // namespace

QString adapterText(const PortSurvey& survey) {
    QStringList parts{survey.facts.path.isEmpty() ? survey.name : survey.facts.path};
    if (!survey.entry) {
        parts << QStringLiteral(
            "a serial line the system lists as no adapter (a pseudo-terminal or a port of its own)");
        return parts.join(QStringLiteral(", "));
    }
    const SerialPortEntry& e = *survey.entry;
    if (!e.description.isEmpty()) parts << e.description;
    if (!e.manufacturer.isEmpty()) parts << QStringLiteral("made by %1").arg(e.manufacturer);
    if (e.isUsb()) parts << QStringLiteral("USB %1").arg(usbIdText(e));
    if (!e.serialNumber.isEmpty()) parts << QStringLiteral("serial number %1").arg(e.serialNumber);
    return parts.join(QStringLiteral(", "));
}

DoctorStep portStep(const PortSurvey& survey) {
    DoctorStep step{QStringLiteral("port"), StepStatus::Ok, {}, {}};
    const QString where = survey.facts.path.isEmpty() || survey.facts.path == survey.name
                              ? survey.name
                              : QStringLiteral("%1 (%2)").arg(survey.name, survey.facts.path);
    if (!survey.facts.exists) {
        step.status = StepStatus::Problem;
        step.detail = QStringLiteral("%1 does not exist.").arg(where);
        step.advice = QStringLiteral("Plug the adapter in, or choose another port. ") + portChoiceText(survey);
        if (const QString fix = grabberFixes(survey, QStringLiteral("brltty")); !fix.isEmpty())
            step.advice += QLatin1Char(' ') + fix;
        return step;
    }
    if (!survey.facts.notSerial.isEmpty()) {
        step.status = StepStatus::Problem;
        step.detail = QStringLiteral("%1 is not a serial port: it is %2.").arg(where, survey.facts.notSerial);
        step.advice = QStringLiteral("Choose a serial port. ") + portChoiceText(survey);
        return step;
    }
    step.detail = adapterText(survey);
    if (survey.driver) step.detail += QLatin1Char('\n') + driverText(*survey.driver);
    step.advice = driverWarnings(survey);
    return step;
}

DoctorStep permissionStep(const PortSurvey& survey) {
    DoctorStep step{QStringLiteral("permission"), StepStatus::Skipped, {}, {}};
#ifdef Q_OS_WIN
    step.detail = QStringLiteral(
        "Windows keeps no permissions on COM ports; a port another program holds shows "
        "when it is opened.");
    return step;
#else
    if (!survey.facts.exists || !survey.facts.notSerial.isEmpty()) {
        step.detail = QStringLiteral("there is no serial port to look at.");
        return step;
    }
    const QString group = survey.facts.group.isEmpty() ? QStringLiteral("?") : survey.facts.group;
    const QString membership =
        survey.inDeviceGroup ? QStringLiteral("you are in it") : QStringLiteral("you are not in it");
    const QString mode = QStringLiteral("%1").arg(survey.mode & 0777u, 3, 8, QLatin1Char('0'));
    if (survey.facts.accessible) {
        step.status = StepStatus::Ok;
        step.detail = QStringLiteral("%1 may read and write it (group '%2', mode %3).").arg(survey.user, group, mode);
        if (survey.adapterInUdevRule && !survey.udevRule.isEmpty())
            step.detail += QStringLiteral(" The udev rule %1 gives the user at the computer access to this adapter.")
                               .arg(survey.udevRule);
        return step;
    }
    step.status = StepStatus::Problem;
    step.detail = QStringLiteral("%1 may not read and write it (group '%2', %3; mode %4).")
                      .arg(survey.user, group, membership, mode);
    const bool rootOnly = survey.facts.group.isEmpty() || survey.facts.group == QLatin1String("root");
    if (survey.inDeviceGroup && !rootOnly)
        step.advice = QStringLiteral(
                          "The device's mode shuts its group out: 'sudo chmod g+rw %1' until it is plugged "
                          "in again; a udev rule that sets MODE=\"0660\" keeps it.")
                          .arg(survey.facts.path);
    else if (survey.listedInDeviceGroup && !rootOnly)
        step.advice = QStringLiteral(
                          "You are listed in '%1' but this session started before that: log out and in "
                          "again (or run 'newgrp %1').")
                          .arg(group);
    else if (rootOnly)
        step.advice = QStringLiteral(
            "The device belongs to root alone. A udev rule giving it to the 'dialout' group "
            "(GROUP=\"dialout\", MODE=\"0660\") lets the group in; then join it with 'sudo "
            "usermod -aG dialout $USER' and log out and in again.");
    else
        step.advice =
            QStringLiteral("Join the group: 'sudo usermod -aG %1 $USER', then log out and in again.").arg(group);
    step.advice = joinedSentences(step.advice, udevRuleAccessText(survey));
    return step;
#endif
}

DoctorStep holderStep(const PortSurvey& survey) {
    DoctorStep step{QStringLiteral("holder"), StepStatus::Skipped, {}, {}};
#ifdef Q_OS_WIN
    step.detail = QStringLiteral("Windows tells who holds a port only by refusing to open it: see the line settings.");
    return step;
#else
    if (!survey.facts.exists || !survey.facts.notSerial.isEmpty()) {
        step.detail = QStringLiteral("there is no serial port to look at.");
        return step;
    }
    QStringList peers;
    for (const PortHolder& p : survey.peers) peers << p.text();
    const QString peerText =
        peers.isEmpty()
            ? QString()
            : QStringLiteral(" The other end of this pseudo-terminal is %1.").arg(peers.join(QStringLiteral(", ")));
    if (!survey.holders.isEmpty()) {
        const PortHolder& h = survey.holders.first();
        step.status = StepStatus::Problem;
        QStringList all;
        for (const PortHolder& other : survey.holders) all << other.text();
        step.detail = QStringLiteral("in use by %1.").arg(all.join(QStringLiteral(", "))) + peerText;
        const KnownGrabber* known = grabberNamed(h.program);
        step.advice =
            known ? QString::fromLatin1(known->fix)
                  : QStringLiteral("Close that program (or end it with 'kill %1'), then check again.").arg(h.pid);
        if (modemManagerAmong(survey.holders))
            step.advice = joinedSentences(step.advice, udevRuleModemManagerText(survey));
        return step;
    }
    step.status = StepStatus::Ok;
    step.detail = QStringLiteral("no other program holds it (lock files and open files looked at).") + peerText;
    if (looksLikeUsbAdapter(survey)) step.advice = usbGrabberAdvice(survey);
    return step;
#endif
}

QString reasonNotToOpen(const PortSurvey& survey) {
    if (!survey.facts.exists) return QStringLiteral("the port does not exist.");
    if (!survey.facts.notSerial.isEmpty()) return QStringLiteral("it is no serial port.");
    if (!survey.facts.accessible) return QStringLiteral("this user may not open the port.");
    if (!survey.holders.isEmpty())
        return QStringLiteral("%1 holds the port; opening it would take bytes from it.")
            .arg(survey.holders.first().text());
    return {};
}

DoctorStep lineSettingsStep(const PortSurvey& survey, const Status& opened) {
    DoctorStep step{QStringLiteral("line settings"), StepStatus::Ok, {}, {}};
    if (opened.ok()) {
        step.detail = QStringLiteral("115,200 bit/s, 8 data bits, no parity, 1 stop bit, no flow control: accepted.");
        return step;
    }
    step.status = StepStatus::Problem;
    const QString system = QString::fromStdString(opened.message());
    step.detail = QStringLiteral("the port did not open at 115,200 8N1: %1.")
                      .arg(system.isEmpty() ? QStringLiteral("unknown error") : system);
    step.advice = adviseOpenFailure(survey.name, opened, survey.facts).text;
    return step;
}

namespace {

std::optional<SerialPortEntry> listedEntry(const QList<SerialPortEntry>& ports, const QString& name,
                                           const QString& path) {
    for (const SerialPortEntry& p : ports)
        if (p.name == name || p.name == path) return p;
    return std::nullopt;
}

#ifndef Q_OS_WIN
void surveyAccess(PortSurvey& survey) {
    if (const passwd* pw = ::getpwuid(::geteuid())) survey.user = QString::fromLocal8Bit(pw->pw_name);
    struct stat st {};
    if (::stat(QFile::encodeName(survey.facts.path).constData(), &st) != 0) return;
    survey.mode = st.st_mode;
    gid_t groups[256];
    const int n = ::getgroups(256, groups);
    survey.inDeviceGroup = ::getegid() == st.st_gid;
    for (int i = 0; i < n; ++i) survey.inDeviceGroup = survey.inDeviceGroup || groups[i] == st.st_gid;
    if (const group* g = ::getgrgid(st.st_gid))
        for (char** m = g->gr_mem; m && *m; ++m)
            survey.listedInDeviceGroup = survey.listedInDeviceGroup || survey.user == QString::fromLocal8Bit(*m);
}

// Who has the device open, apart from this process and the other end of a
// pseudo-terminal.
void surveyHolders(PortSurvey& survey) {
    const int pty = ptyIndexOf(QFileInfo(survey.facts.path).canonicalFilePath());
    for (const PortHolder& h : findPortHolders(survey.facts.path)) {
        if (h.pid == survey.ownPid) continue;
        if (holdsPtyMaster(h.pid, pty))
            survey.peers.append(h);
        else
            survey.holders.append(h);
    }
}
#endif

}  // namespace

PortSurvey surveyPort(const QString& name) {
    PortSurvey survey;
    survey.name = name;
    survey.facts = gatherPortFacts(name);
    survey.ports = CSerialPort::availablePorts();
    survey.entry = listedEntry(survey.ports, name, survey.facts.path);
    survey.ownPid = QCoreApplication::applicationPid();
#ifdef Q_OS_WIN
    // A COM port the system does not list does not exist (the open would
    // say the same, later).
    static const QRegularExpression comName(QStringLiteral("^COM\\d+$"), QRegularExpression::CaseInsensitiveOption);
    if (!survey.entry && comName.match(name).hasMatch()) survey.facts.exists = false;
    survey.user = qEnvironmentVariable("USERNAME");
    survey.driver = driverInfoFor(name);
    if (survey.driver) {
        const quint16 vid = hardwareIdNumber(survey.driver->hardwareId, QStringLiteral("VID"));
        const quint16 pid = hardwareIdNumber(survey.driver->hardwareId, QStringLiteral("PID"));
        if (survey.entry && vid) {
            survey.entry->vendorId = vid;
            survey.entry->productId = pid;
            if (survey.entry->manufacturer.isEmpty()) survey.entry->manufacturer = survey.driver->manufacturer;
        }
        survey.driverProblems = knownDriverProblems(vid, pid, survey.driver->version);
    }
#else
    if (survey.facts.exists) surveyAccess(survey);
    if (survey.facts.exists && survey.facts.notSerial.isEmpty()) surveyHolders(survey);
    survey.grabbers = runningGrabbers();
    survey.udevRule = installedUdevRule();
    survey.adapterInUdevRule = survey.entry && survey.entry->isUsb() &&
                               udevRuleCovers(*survey.entry->vendorId, survey.entry->productId.value_or(0));
#endif
    return survey;
}

}  // namespace dorvane
