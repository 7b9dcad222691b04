#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "qtcore/serial/serial_port.h"

namespace dorvane::cli {

// One line per port, fields separated by tabs: name, description,
// manufacturer, USB VID:PID, serial number, "free" or "busy" with the
// program that holds it; "-" for what the system does not say.
QString portsText(const QList<SerialPortEntry>& ports);

// The same as a JSON array of objects: name, description, manufacturer,
// vendorId and productId (numbers, null when not USB), usbId ("0403:6001"),
// serialNumber, busy, holder.
QByteArray portsJson(const QList<SerialPortEntry>& ports);

}  // namespace dorvane::cli
