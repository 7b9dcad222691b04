#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace dorvane {

// The driver behind a COM port as Windows' device manager shows it.
struct DriverInfo {
    QString description;  // "USB Serial Port"
    QString provider;     // "FTDI"
    QString version;      // "2.12.36.4"
    QString date;         // "1-17-2022"
    QString hardwareId;   // "FTDIBUS\COMPORT&VID_0403&PID_6001"
    QString manufacturer;
};

// The driver of a COM port ("COM3"), from the system's device database;
// nothing elsewhere than on Windows, or when the port is not found there.
std::optional<DriverInfo> driverInfoFor(const QString& portName);

// "VID_0403" and "PID_6001" out of a hardware id; 0 when absent.
quint16 hardwareIdNumber(const QString& hardwareId, const QString& key);

// A driver version known to break serial programs, from the list kept with
// the program (known_drivers.json).
struct KnownDriverProblem {
    QString problem;
    QString fix;
    QString source;
};

// The entries of the list that match an adapter's USB ids and its driver's
// version. The list is JSON: an array of objects with "vendorId" and
// "productId" ("067B"; "productId" may be absent: any), "versions" (exact
// versions, or prefixes ending in '*'), "problem", "fix" and "source".
QList<KnownDriverProblem> knownDriverProblems(quint16 vendorId, quint16 productId, const QString& version,
                                              const QByteArray& listJson);
QList<KnownDriverProblem> knownDriverProblems(quint16 vendorId, quint16 productId, const QString& version);

// The list as built into the program.
QByteArray builtInDriverList();

}  // namespace dorvane
