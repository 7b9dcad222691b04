#pragma once

#include <QList>
#include <QString>

#include "qtcore/serial/port_diagnosis.h"

namespace dorvane {

// The per-user settings: section "COM", values "PortNum" (the COM port
// number, default 1, not validated) and "PortName" (a device path for
// systems without COM numbers; when set it wins over "PortNum" there).
// They live below the company "Tavro Technology, Inc." and an application
// key named after the executable (the registry on Windows).
class Settings {
public:
    // applicationName empty: the executable's file name without extension.
    explicit Settings(QString applicationName = {});

    int portNumber() const;
    void setPortNumber(int number);

    QString portName() const;  // empty when not set
    void setPortName(const QString& name);
    void clearPortName();

    // The port to open: "COM%d" of "PortNum", or "PortName" where the
    // system has no COM numbers and the value is set.
    QString configuredPort() const;
    // True when a port has been stored (either value).
    bool portConfigured() const;

    // Stores the port the operator chose: "COM%d" (any letter case) as
    // "PortNum" with "PortName" removed, any other name (a device path) as
    // "PortName". What Configure does and "dorvane port NAME" does.
    void storePort(const QString& name);

    // The language the window shows (section "UI", value "Language"): a
    // language code, or empty (or "auto") to follow the system's locale.
    QString language() const;
    void setLanguage(const QString& code);

    static QString organization();
    static QString defaultApplicationName();

private:
    QString application_;
};

// "COM%d" of a port number.
QString comPortName(int number);

// The port a program starts on: the configured one; on systems without COM
// numbers, while none is configured, the first USB serial adapter found
// (else the first port), with the reason in PortChoice::reason.
PortChoice chooseStartPort(const Settings& settings, const QList<SerialPortEntry>& ports);

}  // namespace dorvane
