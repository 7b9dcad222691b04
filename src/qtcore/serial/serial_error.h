#pragma once

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <QSerialPort>
#endif

namespace dorvane {

// What went wrong with a serial port, in Qt SerialPort's codes. The
// Windows build has a port of its own (no Qt SerialPort) and the same codes.
#ifdef Q_OS_WIN
enum class SerialError {
    NoError = 0,
    DeviceNotFoundError = 1,
    PermissionError = 2,
    OpenError = 3,
    WriteError = 7,
    ReadError = 8,
    ResourceError = 9,
    UnsupportedOperationError = 10,
    UnknownError = 11,
    TimeoutError = 12,
    NotOpenError = 13,
};
#else
using SerialError = QSerialPort::SerialPortError;
#endif

}  // namespace dorvane
