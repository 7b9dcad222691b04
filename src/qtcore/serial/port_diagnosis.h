#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "core/common/result.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane {

// A process that holds a serial device open.
struct PortHolder {
    qint64 pid = 0;
    QString program;  // empty when the system does not tell

    // "minicom (pid 812)", or "process 812".
    QString text() const;
};

// Where the system keeps what it knows about a device's users; the tests
// point these at folders of their own.
struct PortLookupPlaces {
    QStringList lockDirectories{QStringLiteral("/var/lock"), QStringLiteral("/run/lock"),
                                QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
                                QStringLiteral("/tmp")};
    QString procDirectory = QStringLiteral("/proc");
};

// Who holds the device: the owner of a live "LCK..NAME" lock file, else a
// process with the device among its open files. Nothing on systems without
// /proc, or when nobody (visible to us) holds it.
std::optional<PortHolder> findPortHolder(const QString& devicePath, const PortLookupPlaces& places = {});
// Every holder: the owner of a live lock file first, then each process with
// the device among its open files (once each).
QList<PortHolder> findPortHolders(const QString& devicePath, const PortLookupPlaces& places = {});

// N of a pseudo-terminal's path "/dev/pts/N"; -1 for any other path.
int ptyIndexOf(const QString& devicePath);
// True when the process holds the master side of pseudo-terminal N: it is
// the other end of the line, not a competitor for it.
bool holdsPtyMaster(qint64 pid, int ptyIndex, const QString& procDirectory = QStringLiteral("/proc"));

// The device a port name stands for: a name with a folder part as it is;
// a bare name ("ttyUSB0") in /dev, unless a file of that name is in the
// current folder, which is then taken. On Windows the name itself.
QString portDevicePath(const QString& name);

// What the system says about a port that would not open or failed.
struct PortFacts {
    QString path;  // the device looked at (portDevicePath)
    bool exists = true;
    bool accessible = true;  // read and write allowed to this user
    QString group;           // the device's group ("dialout")
    std::optional<PortHolder> holder;
    // What it is when it is no serial port at all: "a folder", "a plain
    // file", "a device that is not a serial line" (/dev/null); empty for
    // a serial port, or when that cannot be told.
    QString notSerial;
    QStringList ports;  // the serial ports there are (for a name that is none)
};
PortFacts gatherPortFacts(const QString& name);

enum class PortProblem { Missing, NotSerial, Permission, Busy, Unplugged, Other };

// A cause and what to do about it, in one or two sentences.
struct PortAdvice {
    PortProblem problem = PortProblem::Other;
    QString text;
};

// Why a port could not be opened, from the failure of the open (its cause
// and the system's own text) and the facts gathered about the device.
PortAdvice adviseOpenFailure(const QString& name, const Status& failure, const PortFacts& facts);

// Why an open port stopped working.
PortAdvice adviseFailureWhileOpen(const QString& name, const Status& failure, const PortFacts& facts);

// The port to use when none is configured, on systems without COM numbers:
// the first USB serial adapter, else the first port. Empty when there are
// no ports.
struct PortChoice {
    QString name;
    QString reason;  // "the first USB serial adapter found (FT232R USB UART)"
};
PortChoice defaultPortChoice(const QList<SerialPortEntry>& ports);

// "0403:6001" of a USB adapter, empty otherwise.
QString usbIdText(const SerialPortEntry& port);

}  // namespace dorvane
