#include "qtcore/serial/serial_port.h"

#include <QSerialPortInfo>

#include "qtcore/serial/port_diagnosis.h"

#include <array>

namespace dorvane {

Error errorFromSerialPort(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError: return Error::None;
        case QSerialPort::DeviceNotFoundError: return Error::NotFound;
        // Qt says this both for a device the user may not open and for one
        // another program holds; the port diagnosis tells them apart.
        case QSerialPort::PermissionError: return Error::AccessDenied;
        case QSerialPort::WriteError:
        case QSerialPort::ReadError: return Error::Io;
        case QSerialPort::ResourceError: return Error::DeviceGone;
        case QSerialPort::UnsupportedOperationError: return Error::Unsupported;
        case QSerialPort::TimeoutError: return Error::Timeout;
        case QSerialPort::NotOpenError: return Error::NotOpen;
        case QSerialPort::OpenError:
        case QSerialPort::UnknownError: break;
    }
    return Error::Failed;
}

namespace {

// The port's present error with Qt's text for it.
Status failureOf(const QSerialPort& port) {
    const Error error = errorFromSerialPort(port.error());
    return {error == Error::None ? Error::Failed : error, port.errorString().toStdString()};
}

}  // namespace

CSerialPort::CSerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &CSerialPort::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &CSerialPort::onError);
}

CSerialPort::~CSerialPort() {
    open_ = false;
    if (port_.isOpen()) port_.close();
}

Status CSerialPort::open(const QString& name, const SerialLineSettings& line) {
    if (open_) close();
    name_ = name;
    // A bare name that is a file in the current folder is that file (and
    // found to be no serial port), not a device of that name in /dev.
    port_.setPortName(portDevicePath(name));
    if (!port_.open(QIODevice::ReadWrite)) {
        Status failure = failureOf(port_);
        port_.clearError();
        return failure;
    }
    const bool configured = port_.setBaudRate(line.baudRate) && port_.setDataBits(line.dataBits) &&
                            port_.setParity(line.parity) && port_.setStopBits(line.stopBits) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        Status failure = failureOf(port_);
        port_.close();
        port_.clearError();
        return failure;
    }
    // DTR and RTS low. Pseudo-terminals and some adapters have no modem
    // lines; that is not a reason to refuse the port.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    // Nothing from before the open belongs to this session.
    port_.clear(QSerialPort::AllDirections);
    queue_.drain();
    lastWriteError_.invalidate();
    open_ = true;
    return {};
}

void CSerialPort::close() {
    const bool wasOpen = open_;
    open_ = false;
    if (port_.isOpen()) {
        // What the engine wrote last (a refusal, the final ACK) still goes
        // out; a line that does not take it within a short bound loses it.
        // The driver's own output queue is not purged either.
        if (wasOpen && port_.bytesToWrite() > 0) port_.waitForBytesWritten(kCloseFlushMs);
        port_.clear(QSerialPort::Input);
        port_.close();
    }
    port_.clearError();
}

std::size_t CSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_ || bytes.empty()) return 0;
    const qint64 n = port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void CSerialPort::onReadyRead() {
    if (!open_) return;
    bool any = false;
    std::array<char, kChunkSize> chunk;
    for (;;) {
        const qint64 n = port_.read(chunk.data(), kChunkSize);
        if (n <= 0) break;
        any = true;
        takeChunk(reinterpret_cast<const std::uint8_t*>(chunk.data()), static_cast<std::size_t>(n));
    }
    if (any) notifyData();
}

void CSerialPort::onError(QSerialPort::SerialPortError error) {
    if (!open_ || error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
    // A write the driver refused once leaves the device usable; a second one
    // soon after, and every other error, means the device is gone or
    // unusable (Qt would otherwise report the same error over and over).
    if (error == QSerialPort::WriteError && port_.isOpen() &&
        (!lastWriteError_.isValid() || lastWriteError_.elapsed() > kWriteErrorWindowMs)) {
        lastWriteError_.start();
        port_.clearError();
        return;
    }
    const Status why(errorFromSerialPort(error), port_.errorString().toStdString());
    close();
    emit failed(why);
    notifyFailure();
}

bool CSerialPort::probePort(const QString& name) {
    QSerialPort probe;
    probe.setPortName(name);
    if (!probe.open(QIODevice::ReadWrite)) return false;
    probe.close();
    return true;
}

QList<SerialPortEntry> CSerialPort::availablePorts() {
    QList<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry entry;
        entry.name = info.systemLocation();
        entry.description = info.description();
        entry.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier()) entry.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) entry.productId = info.productIdentifier();
        entry.serialNumber = info.serialNumber();
        if (const std::optional<PortHolder> holder = findPortHolder(entry.name)) {
            entry.busy = true;
            entry.holder = holder->text();
        }
        ports.append(entry);
    }
    return ports;
}

}  // namespace dorvane
