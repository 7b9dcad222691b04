#pragma once

#include <QtGlobal>

#include "core/common/result.h"

#ifndef _WIN32
#include <QSerialPort>
#endif

namespace dorvane {

// What went wrong with a serial port, as one of the program's causes.
// The Windows build has a port of its own (no Qt SerialPort) and maps the
// system's error codes in serial_port_win32.cpp.
#ifndef _WIN32
Error errorFromSerialPort(QSerialPort::SerialPortError error);
#endif

}  // namespace dorvane
