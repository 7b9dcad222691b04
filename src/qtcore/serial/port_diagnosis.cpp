#include "qtcore/serial/port_diagnosis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dorvane {

namespace {

// Who holds a device is looked up in /proc and the lock folders, which
// Windows does not have.
#ifndef _WIN32
QString programOf(const QString& procDirectory, qint64 pid) {
    QFile comm(QStringLiteral("%1/%2/comm").arg(procDirectory).arg(pid));
    if (!comm.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

bool processAlive(const QString& procDirectory, qint64 pid) {
    return pid > 0 && QFileInfo::exists(QStringLiteral("%1/%2").arg(procDirectory).arg(pid));
}

// A lock file holds the owner's pid as text ("  812\n", or Qt's "812\napp\nhost\n")
// or, in the oldest form, as a binary int.
std::optional<qint64> pidFromLockFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = f.read(128);
    const QByteArray first = bytes.split('\n').value(0).trimmed();
    bool ok = false;
    const qint64 pid = first.toLongLong(&ok);
    if (ok && pid > 0) return pid;
    if (bytes.size() == 4) {
        qint32 raw = 0;
        std::memcpy(&raw, bytes.constData(), 4);
        if (raw > 0) return raw;
    }
    return std::nullopt;
}

#endif

QString deviceDescription(const SerialPortEntry& port) {
    return port.description.isEmpty() ? port.manufacturer : port.description;
}

}  // namespace

QString PortHolder::text() const {
    return program.isEmpty() ? QStringLiteral("process %1").arg(pid)
                             : QStringLiteral("%1 (pid %2)").arg(program).arg(pid);
}

std::optional<PortHolder> findPortHolder(const QString& devicePath, const PortLookupPlaces& places) {
    const QList<PortHolder> holders = findPortHolders(devicePath, places);
    if (holders.isEmpty()) return std::nullopt;
    return holders.first();
}

QList<PortHolder> findPortHolders(const QString& devicePath, const PortLookupPlaces& places) {
    QList<PortHolder> holders;
#ifdef _WIN32
    Q_UNUSED(devicePath);
    Q_UNUSED(places);
#else
    if (devicePath.isEmpty()) return holders;
    auto add = [&holders](qint64 pid, const QString& program) {
        for (const PortHolder& h : holders)
            if (h.pid == pid) return;
        holders.append(PortHolder{pid, program});
    };
    const QString baseName = QFileInfo(devicePath).fileName();
    for (const QString& dir : places.lockDirectories) {
        const QString lock = QDir(dir).filePath(QStringLiteral("LCK..") + baseName);
        if (!QFileInfo::exists(lock)) continue;
        const std::optional<qint64> pid = pidFromLockFile(lock);
        if (pid && processAlive(places.procDirectory, *pid)) add(*pid, programOf(places.procDirectory, *pid));
    }
    // Open files of every process we may look at.
    const QString target = QFileInfo(devicePath).canonicalFilePath();
    if (target.isEmpty()) return holders;
    const QDir proc(places.procDirectory);
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok) continue;
        const QDir fds(proc.filePath(entry + QStringLiteral("/fd")));
        for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            const QString link = QFile::symLinkTarget(fds.filePath(fd));
            if (!link.isEmpty() && link == target) {
                add(pid, programOf(places.procDirectory, pid));
                break;
            }
        }
    }
#endif
    return holders;
}

int ptyIndexOf(const QString& devicePath) {
    const QString prefix = QStringLiteral("/dev/pts/");
    if (!devicePath.startsWith(prefix)) return -1;
    bool ok = false;
    const int n = devicePath.mid(prefix.size()).toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

bool holdsPtyMaster(qint64 pid, int ptyIndex, const QString& procDirectory) {
    if (ptyIndex < 0) return false;
    const QDir fds(QStringLiteral("%1/%2/fd").arg(procDirectory).arg(pid));
    for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString link = QFile::symLinkTarget(fds.filePath(fd));
        if (!link.endsWith(QLatin1String("ptmx"))) continue;
        QFile info(QStringLiteral("%1/%2/fdinfo/%3").arg(procDirectory).arg(pid).arg(fd));
        if (!info.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (!line.startsWith("tty-index:")) continue;
            if (line.mid(10).trimmed().toInt() == ptyIndex) return true;
        }
    }
    return false;
}

QString portDevicePath(const QString& name) {
#ifdef _WIN32
    return name;
#else
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) return name;
    if (QFileInfo::exists(name)) return QDir::current().absoluteFilePath(name);
    return QStringLiteral("/dev/") + name;
#endif
}

namespace {

#ifndef _WIN32
// What a path is when it cannot be a serial line; empty when it may be one.
QString notSerialKind(const QByteArray& path, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return QStringLiteral("a folder");
    if (S_ISREG(st.st_mode)) return QStringLiteral("a plain file");
    if (!S_ISCHR(st.st_mode)) return QStringLiteral("not a device");
    // A character device: a serial line is a terminal. One that cannot be
    // opened to ask is left to the other checks (busy, forbidden).
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return {};
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    return terminal ? QString() : QStringLiteral("a device that is not a serial line");
}

QStringList serialPortNames() {
    QStringList names;
    for (const SerialPortEntry& p : CSerialPort::availablePorts()) names.append(p.name);
    return names;
}
#endif

}  // namespace

PortFacts gatherPortFacts(const QString& name) {
    PortFacts facts;
    facts.path = portDevicePath(name);
#ifdef _WIN32
    Q_UNUSED(name);
#else
    const QByteArray path = QFile::encodeName(facts.path);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        facts.exists = false;
        return facts;
    }
    facts.accessible = ::access(path.constData(), R_OK | W_OK) == 0;
    if (const group* g = ::getgrgid(st.st_gid)) facts.group = QString::fromLocal8Bit(g->gr_name);
    facts.notSerial = notSerialKind(path, st);
    if (!facts.notSerial.isEmpty()) {
        facts.ports = serialPortNames();
        return facts;
    }
    facts.holder = findPortHolder(facts.path);
#endif
    return facts;
}

PortAdvice adviseOpenFailure(const QString& name, const Status& failure, const PortFacts& facts) {
    const Error error = failure.error();
    const QString systemText = QString::fromStdString(failure.message());
    if (!facts.exists || error == Error::NotFound) {
        // A bare name is looked for in /dev: say where.
        const QString where =
            facts.path.isEmpty() || facts.path == name ? name : QStringLiteral("%1 (tried %2)").arg(name, facts.path);
        return {PortProblem::Missing,
                QStringLiteral("%1 does not exist: the adapter is unplugged or the name is wrong. Plug it in, "
                               "or choose one of the ports that Configure or 'dorvane ports' lists.")
                    .arg(where)};
    }
    if (!facts.notSerial.isEmpty()) {
        const QString what =
            facts.path == name || facts.path.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, facts.path);
        const QString choice =
            facts.ports.isEmpty()
                ? QStringLiteral("No serial port is there: plug in the adapter.")
                : QStringLiteral("The serial ports are: %1.").arg(facts.ports.join(QStringLiteral(", ")));
        return {PortProblem::NotSerial,
                QStringLiteral("%1 is not a serial port: it is %2. %3").arg(what, facts.notSerial, choice)};
    }
    if (facts.holder)
        return {PortProblem::Busy, QStringLiteral("%1 is in use by %2. Close that program, or choose another port.")
                                       .arg(name, facts.holder->text())};
#ifdef _WIN32
    if (error == Error::AccessDenied)
        return {
            PortProblem::Busy,
            QStringLiteral("%1 is in use by another program. Close that program, or choose another port.").arg(name)};
#else
    if (!facts.accessible) {
        const QString group =
            facts.group.isEmpty() || facts.group == QLatin1String("root") ? QStringLiteral("dialout") : facts.group;
        return {PortProblem::Permission,
                QStringLiteral("Permission denied on %1: your user is not in the '%2' group. Join it with "
                               "'sudo usermod -aG %2 $USER', then log out and in again.")
                    .arg(name, group)};
    }
    if (error == Error::AccessDenied)
        return {
            PortProblem::Busy,
            QStringLiteral("%1 is in use by another program. Close that program, or choose another port.").arg(name)};
#endif
    return {PortProblem::Other,
            QStringLiteral("%1: %2.").arg(name, systemText.isEmpty() ? QStringLiteral("unknown error") : systemText)};
}

PortAdvice adviseFailureWhileOpen(const QString& name, const Status& failure, const PortFacts& facts) {
    const Error error = failure.error();
    const QString systemText = QString::fromStdString(failure.message());
    if (!facts.exists || error == Error::DeviceGone || error == Error::NotFound)
        return {PortProblem::Unplugged,
                QStringLiteral("%1 has gone away: the adapter was unplugged. Plug it back in and retry.").arg(name)};
    return {PortProblem::Other, QStringLiteral("%1 stopped working: %2.").arg(name, systemText)};
}

PortChoice defaultPortChoice(const QList<SerialPortEntry>& ports) {
    for (const SerialPortEntry& p : ports) {
        if (!p.isUsb()) continue;
        const QString what = deviceDescription(p);
        return {p.name, what.isEmpty() ? QStringLiteral("the first USB serial adapter found")
                                       : QStringLiteral("the first USB serial adapter found (%1)").arg(what)};
    }
    if (ports.isEmpty()) return {};
    return {ports.first().name, QStringLiteral("the first serial port found")};
}

QString usbIdText(const SerialPortEntry& port) {
    if (!port.vendorId || !port.productId) return {};
    return QStringLiteral("%1:%2")
        .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(*port.productId, 4, 16, QLatin1Char('0'));
}

}  // namespace dorvane
