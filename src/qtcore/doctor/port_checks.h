#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "qtcore/doctor/doctor_report.h"
#include "qtcore/doctor/driver_info.h"
#include "qtcore/serial/port_diagnosis.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane {

// Programs known to take serial ports from other programs, and their fix.
struct KnownGrabber {
    const char* program;  // as /proc/PID/comm shows it
    const char* fix;
};
const QList<KnownGrabber>& knownGrabbers();

// Everything the port steps look at, gathered from the system at one time;
// the tests build their own.
struct PortSurvey {
    QString name;
    PortFacts facts;                       // existence, access, group, holder
    std::optional<SerialPortEntry> entry;  // the system's listing of this port
    QList<SerialPortEntry> ports;          // every port the system lists
    std::optional<DriverInfo> driver;      // Windows: the driver behind the port
    QList<KnownDriverProblem> driverProblems;
    QString user;                      // the user's login name
    bool inDeviceGroup = false;        // this process has the device's group
    bool listedInDeviceGroup = false;  // the group database lists the user in it
    unsigned mode = 0;                 // the device's permission bits (0666)
    QList<PortHolder> grabbers;        // known grabbers that run now
    QList<PortHolder> holders;         // other programs that have the device open
    QList<PortHolder> peers;           // the other end of a pseudo-terminal
    qint64 ownPid = 0;
    // Linux: where the package's udev rule is in force (empty: it is not
    // installed), and whether it names this adapter's USB ids.
    QString udevRule;
    bool adapterInUdevRule = false;
};

// Looks at the port and the system now.
PortSurvey surveyPort(const QString& name);

// The running processes among the known grabbers.
QList<PortHolder> runningGrabbers(const QString& procDirectory = QStringLiteral("/proc"));

// The first three steps: the port and its adapter, the permission, who
// holds it.
DoctorStep portStep(const PortSurvey& survey);
DoctorStep permissionStep(const PortSurvey& survey);
DoctorStep holderStep(const PortSurvey& survey);

// Whether the later steps may open the port: it exists, is a serial line,
// may be opened by this user and nobody else holds it. Empty when they
// may, else why not ("skipped: ...").
QString reasonNotToOpen(const PortSurvey& survey);

// The line settings step from the result of opening the port at 115,200 8N1.
DoctorStep lineSettingsStep(const PortSurvey& survey, const Status& opened);

// "/dev/ttyUSB0, FT232R USB UART, made by FTDI, USB 0403:6001, serial A50285BI".
QString adapterText(const PortSurvey& survey);

}  // namespace dorvane
