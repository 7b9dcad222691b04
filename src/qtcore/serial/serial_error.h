#pragma once

#include <QtGlobal>

#include "common/result.h"

#ifndef Q_OS_WIN
#include <QSerialPort>
#endif

namespace dorvane {

// What went wrong with a serial port, as one of the program's causes.
// The Windows build has a port of its own (no Qt SerialPort) and maps the
// system's error codes in serial_port_win32.cpp.
#ifndef Q_OS_WIN
Error errorFromSerialPort(QSerialPort::SerialPortError error);
#endif

}  // namespace dorvane
