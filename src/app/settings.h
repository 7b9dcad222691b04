#pragma once

#include <QString>

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

    // Stores the port the operator chose: "COM%d" (any letter case) as
    // "PortNum" with "PortName" removed, any other name (a device path) as
    // "PortName". What Configure does and "dorvane port NAME" does.
    void storePort(const QString& name);

    static QString organization();
    static QString defaultApplicationName();

private:
    QString application_;
};

// "COM%d" of a port number.
QString comPortName(int number);

}  // namespace dorvane
