#include "serial/serial_port.h"

#include <QStringList>

#include <windows.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace dorvane {

// The open COM device with one overlapped-I/O record (and its manual-reset
// event) for reads and one for writes.
struct CSerialPort::Device {
    HANDLE handle = INVALID_HANDLE_VALUE;
    OVERLAPPED read{};
    OVERLAPPED write{};

    Device() {
        read.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        write.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~Device() {
        release();
        if (read.hEvent) CloseHandle(read.hEvent);
        if (write.hEvent) CloseHandle(write.hEvent);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    bool isOpen() const { return handle != INVALID_HANDLE_VALUE; }
    void release() {
        if (!isOpen()) return;
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};

namespace {

constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
constexpr int kChunksPerPoll = 8;  // a line that never pauses still lets the event loop run

QString systemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed()
                             : QStringLiteral("system error %1").arg(code);
    if (text) LocalFree(text);
    return message;
}

// "COM12" is opened as \\.\COM12 (the only form that reaches ports above
// 9); a name that already is a device path is used as given.
std::wstring devicePath(const QString& name) {
    if (name.startsWith(QLatin1String("\\\\"))) return name.toStdWString();
    return (QStringLiteral("\\\\.\\") + name).toStdWString();
}

// The cause of a failed open, as the port diagnosis reads it: a COM port
// another program holds answers "access denied".
Error openErrorFrom(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME: return Error::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return Error::AccessDenied;
        default: return Error::Failed;
    }
}

Status failure(Error error, const QString& text) { return {error, text.toStdString()}; }

HANDLE openDevice(const QString& name) {
    return CreateFileW(devicePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OVERLAPPED, nullptr);
}

// Completes an overlapped read or write that `started` began: waits for it
// when it is pending. False on failure (GetLastError says why).
bool finish(HANDLE handle, OVERLAPPED& overlap, BOOL started, DWORD& transferred) {
    if (started) return true;
    if (GetLastError() != ERROR_IO_PENDING) return false;
    return GetOverlappedResult(handle, &overlap, &transferred, TRUE) != 0;
}

// Bytes the driver holds in its output queue, 0 when it cannot say.
DWORD queuedOutput(HANDLE handle) {
    DWORD errors = 0;
    COMSTAT status{};
    return ClearCommError(handle, &errors, &status) ? status.cbOutQue : 0;
}

// Every name the system knows as an MS-DOS device name (COM1, LPT1, C:,
// ...). The buffer grows when the list does not fit.
QStringList dosDeviceNames() {
    QStringList names;
    for (DWORD size = 65535; size <= 16u * 65535; size *= 2) {
        std::vector<wchar_t> buffer(size);
        const DWORD n = QueryDosDeviceW(nullptr, buffer.data(), size);
        if (n == 0) {
            if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) continue;
            return names;
        }
        const wchar_t* end = buffer.data() + n;
        for (const wchar_t* p = buffer.data(); p < end && *p; p += wcslen(p) + 1) names.append(QString::fromWCharArray(p));
        return names;
    }
    return names;
}

// What the system maps a device name to (such as \Device\Serial0).
QString dosDeviceTarget(const QString& name) {
    std::array<wchar_t, 1024> target{};
    const DWORD n = QueryDosDeviceW(name.toStdWString().c_str(), target.data(), static_cast<DWORD>(target.size()));
    return n ? QString::fromWCharArray(target.data()) : QString();
}

}  // namespace

CSerialPort::CSerialPort(QObject* parent) : QObject(parent), device_(std::make_unique<Device>()) {
    // The driver's input queue is looked at on this thread; nothing blocks
    // waiting for bytes.
    poll_.setInterval(kPollIntervalMs);
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, &CSerialPort::poll);
}

CSerialPort::~CSerialPort() {
    open_ = false;
    poll_.stop();
    device_->release();
}

// The line settings in the communications API's codes.
static int dcbParity(SerialLineSettings::Parity parity) {
    switch (parity) {
    case SerialLineSettings::OddParity: return ODDPARITY;
    case SerialLineSettings::EvenParity: return EVENPARITY;
    case SerialLineSettings::MarkParity: return MARKPARITY;
    case SerialLineSettings::SpaceParity: return SPACEPARITY;
    default: return NOPARITY;
    }
}

static int dcbStopBits(SerialLineSettings::StopBits stopBits) {
    switch (stopBits) {
    case SerialLineSettings::TwoStop: return TWOSTOPBITS;
    case SerialLineSettings::OneAndHalfStop: return ONE5STOPBITS;
    default: return ONESTOPBIT;
    }
}

Status CSerialPort::open(const QString& name, const SerialLineSettings& line) {
    const qint32 baudRate = line.baudRate;
    const int byteSize = static_cast<int>(line.dataBits);
    const int parity = dcbParity(line.parity);
    const int stopBits = dcbStopBits(line.stopBits);
    if (open_) close();
    name_ = name;
    if (!device_->read.hEvent || !device_->write.hEvent)
        return failure(Error::Failed, QStringLiteral("the port's events could not be created"));
    const HANDLE handle = openDevice(name);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return failure(openErrorFrom(error), systemMessage(error));
    }
    // The queue sizes are a request the driver may round or ignore.
    SetupComm(handle, kDriverQueueSize, kDriverQueueSize);
    PurgeComm(handle, kPurgeAll);

    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;  // with both totals 0: a read returns what is there
    timeouts.WriteTotalTimeoutMultiplier = baudRate > 0 ? static_cast<DWORD>(19200 / baudRate) : 0;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;

    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    bool ok = SetCommTimeouts(handle, &timeouts) && GetCommState(handle, &dcb);
    if (ok) {
        dcb.BaudRate = static_cast<DWORD>(baudRate);
        dcb.ByteSize = static_cast<BYTE>(byteSize >= 5 && byteSize <= 8 ? byteSize : 8);
        dcb.Parity = static_cast<BYTE>(parity >= 0 && parity <= 4 ? parity : NOPARITY);
        dcb.StopBits = static_cast<BYTE>(stopBits >= 0 && stopBits <= 2 ? stopBits : ONESTOPBIT);
        dcb.fBinary = TRUE;
        dcb.fParity = dcb.Parity != NOPARITY;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDtrControl = DTR_CONTROL_DISABLE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fRtsControl = RTS_CONTROL_DISABLE;
        // A line error must not stall every later read and write until it
        // is cleared.
        dcb.fAbortOnError = FALSE;
        ok = SetCommState(handle, &dcb);
    }
    if (!ok) {
        const Status refused = failure(Error::Unsupported, systemMessage(GetLastError()));
        CloseHandle(handle);
        return refused;
    }
    device_->handle = handle;
    queue_.drain();
    lastWriteError_.invalidate();
    open_ = true;
    poll_.start();
    return {};
}

void CSerialPort::close() {
    const bool wasOpen = open_;
    open_ = false;
    poll_.stop();
    if (!device_->isOpen()) return;
    const HANDLE handle = device_->handle;
    // What the engine wrote last (a refusal, the final ACK) still goes out
    // within a short bound; the driver's output queue is not purged.
    if (wasOpen) {
        const ULONGLONG until = GetTickCount64() + kCloseFlushMs;
        while (queuedOutput(handle) > 0 && GetTickCount64() < until) Sleep(5);
    }
    PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR);
    device_->release();
}

std::size_t CSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_ || bytes.empty()) return 0;
    const HANDLE handle = device_->handle;
    OVERLAPPED& overlap = device_->write;
    ResetEvent(overlap.hEvent);
    DWORD written = 0;
    const BOOL started = WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &overlap);
    if (finish(handle, overlap, started, written)) return written;

    const DWORD error = GetLastError();
    DWORD errors = 0;
    ClearCommError(handle, &errors, nullptr);
    // One refused write leaves the device usable; a second one soon after
    // means it is gone. The failure is reported once this call has returned,
    // as Qt SerialPort reports its errors.
    if (!lastWriteError_.isValid() || lastWriteError_.elapsed() > kWriteErrorWindowMs) {
        lastWriteError_.start();
    } else {
        QMetaObject::invokeMethod(
            this, [this, error] {
                if (open_) failWith(systemMessage(error));
            },
            Qt::QueuedConnection);
    }
    return 0;
}


void CSerialPort::poll() {
    if (!open_) return;
    const HANDLE handle = device_->handle;
    bool any = false;
    std::array<std::uint8_t, kChunkSize> chunk;
    for (int i = 0; i < kChunksPerPoll && open_; ++i) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(handle, &errors, &status)) {
            failWith(systemMessage(GetLastError()));
            return;
        }
        if (status.cbInQue == 0) break;
        OVERLAPPED& overlap = device_->read;
        ResetEvent(overlap.hEvent);
        DWORD got = 0;
        const DWORD want = std::min<DWORD>(status.cbInQue, kChunkSize);
        if (!finish(handle, overlap, ReadFile(handle, chunk.data(), want, &got, &overlap), got)) {
            failWith(systemMessage(GetLastError()));
            return;
        }
        if (got == 0) break;
        any = true;
        takeChunk(chunk.data(), got);
    }
    if (any && open_) notifyData();
}

// A read, a status query or a second write failed: the device is gone or
// no longer usable.
void CSerialPort::failWith(const QString& message) {
    const Status why = failure(Error::DeviceGone, message);
    close();
    emit failed(why);
    notifyFailure();
}

bool CSerialPort::probePort(const QString& name) {
    const HANDLE handle = openDevice(name);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
}

QList<SerialPortEntry> CSerialPort::availablePorts() {
    const QList<std::uint32_t> numbers = comNumbersFromNames(dosDeviceNames());
    QList<SerialPortEntry> ports;
    for (const std::uint32_t n : numbers) {
        SerialPortEntry entry;
        entry.name = QStringLiteral("COM%1").arg(n);
        entry.description = dosDeviceTarget(entry.name);
        ports.append(entry);
    }
    return ports;
}

}  // namespace dorvane
