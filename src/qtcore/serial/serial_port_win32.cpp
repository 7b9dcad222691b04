#include "qtcore/serial/serial_port.h"

#include <QStringList>
#include <QWinEventNotifier>

#include <windows.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace dorvane {

// The open COM device with one overlapped-I/O record (and its manual-reset
// event) for reads, one for writes and one for the wait for received
// characters, with the event mask that wait fills in.
struct CSerialPort::Device {
    HANDLE handle = INVALID_HANDLE_VALUE;
    OVERLAPPED read{};
    OVERLAPPED write{};
    OVERLAPPED wait{};
    DWORD waitMask = 0;

    Device() {
        read.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        write.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        wait.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~Device() {
        release();
        if (read.hEvent) CloseHandle(read.hEvent);
        if (write.hEvent) CloseHandle(write.hEvent);
        if (wait.hEvent) CloseHandle(wait.hEvent);
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
constexpr int kWaitsPerTurn = 8;   // waits that end at once before the event loop gets its turn

// Wine's WaitCommEvent on its serial devices is not relied upon: there the
// driver's queue is polled. DORVANE_SERIAL_POLL=1 polls anywhere, =0 waits
// under Wine too.
bool pollingWanted() {
    const QByteArray forced = qgetenv("DORVANE_SERIAL_POLL");
    if (forced == "1") return true;
    if (forced == "0") return false;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

QString systemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
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
        for (const wchar_t* p = buffer.data(); p < end && *p; p += wcslen(p) + 1)
            names.append(QString::fromWCharArray(p));
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

CSerialPort::CSerialPort(QObject* parent)
    : QObject(parent), device_(std::make_unique<Device>()), polling_(pollingWanted()) {
    // Received characters are waited for by the system (the event loop
    // watches the wait's event); under Wine the driver's input queue is
    // looked at on this thread instead. Nothing blocks waiting for bytes.
    poll_.setInterval(kPollIntervalMs);
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, &CSerialPort::poll);
    if (!polling_ && device_->wait.hEvent) {
        waitNotifier_ = new QWinEventNotifier(device_->wait.hEvent, this);
        waitNotifier_->setEnabled(false);
        connect(waitNotifier_, &QWinEventNotifier::activated, this, &CSerialPort::onWaitSignalled);
    }
}

CSerialPort::~CSerialPort() {
    open_ = false;
    poll_.stop();
    stopWaiting();
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
    if (!device_->read.hEvent || !device_->write.hEvent || (!polling_ && !waitNotifier_))
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
    if (!polling_ && !SetCommMask(handle, EV_RXCHAR)) {
        const Status refused = failure(Error::Unsupported, systemMessage(GetLastError()));
        CloseHandle(handle);
        return refused;
    }
    device_->handle = handle;
    queue_.drain();
    lastWriteError_.invalidate();
    open_ = true;
    if (polling_) {
        lineActive_.start();
        poll_.start(kPollIntervalMs);
    } else {
        waitNotifier_->setEnabled(true);
        armWait();  // a wait the device refuses closes the port at once
        if (!open_) return failure(Error::DeviceGone, QStringLiteral("the port does not report received characters"));
    }
    return {};
}

void CSerialPort::close() {
    const bool wasOpen = open_;
    open_ = false;
    poll_.stop();
    stopWaiting();
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
    lineWasActive();
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
            this,
            [this, error] {
                if (open_) failWith(systemMessage(error));
            },
            Qt::QueuedConnection);
    }
    return 0;
}

bool CSerialPort::readAvailable() {
    const HANDLE handle = device_->handle;
    bool any = false;
    bool more = false;
    std::array<std::uint8_t, kChunkSize> chunk;
    for (int i = 0; open_; ++i) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(handle, &errors, &status)) {
            failWith(systemMessage(GetLastError()));
            return false;
        }
        if (status.cbInQue == 0) break;
        if (i == kChunksPerPoll) {
            more = true;
            break;
        }
        OVERLAPPED& overlap = device_->read;
        ResetEvent(overlap.hEvent);
        DWORD got = 0;
        const DWORD want = std::min<DWORD>(status.cbInQue, kChunkSize);
        if (!finish(handle, overlap, ReadFile(handle, chunk.data(), want, &got, &overlap), got)) {
            failWith(systemMessage(GetLastError()));
            return false;
        }
        if (got == 0) break;
        any = true;
        takeChunk(chunk.data(), got);
    }
    if (any) lineWasActive();
    if (any && open_) notifyData();
    return more && open_;
}

void CSerialPort::poll() {
    if (!open_) return;
    readAvailable();
    if (open_ && poll_.interval() != kIdlePollIntervalMs && lineActive_.isValid() &&
        lineActive_.elapsed() > kQuietBeforeIdleMs)
        poll_.setInterval(kIdlePollIntervalMs);
}

void CSerialPort::lineWasActive() {
    if (!polling_) return;
    lineActive_.start();
    if (poll_.interval() != kPollIntervalMs) poll_.setInterval(kPollIntervalMs);
}

// Starts the wait for received characters. A wait that ends at once (the
// driver remembers characters that came while none was waiting) is served
// here, a few times, then on the next turn of the event loop.
void CSerialPort::armWait() {
    for (int turn = 0; open_ && turn < kWaitsPerTurn; ++turn) {
        OVERLAPPED& overlap = device_->wait;
        ResetEvent(overlap.hEvent);
        device_->waitMask = 0;
        if (!WaitCommEvent(device_->handle, &device_->waitMask, &overlap)) {
            const DWORD error = GetLastError();
            if (error != ERROR_IO_PENDING) {
                failWith(systemMessage(error));
                return;
            }
            waitPending_ = true;
            // Characters that came between the last read and the wait.
            DWORD errors = 0;
            COMSTAT status{};
            if (ClearCommError(device_->handle, &errors, &status) && status.cbInQue > 0) readAvailable();
            return;
        }
        if (readAvailable()) break;
    }
    if (open_)
        QTimer::singleShot(0, this, [this] {
            if (open_ && !waitPending_) {
                readAvailable();
                armWait();
            }
        });
}

void CSerialPort::onWaitSignalled() {
    if (!open_ || !waitPending_) return;
    DWORD ignored = 0;
    if (!GetOverlappedResult(device_->handle, &device_->wait, &ignored, FALSE)) {
        const DWORD error = GetLastError();
        if (error == ERROR_IO_INCOMPLETE) return;  // not ended after all
        waitPending_ = false;
        failWith(systemMessage(error));
        return;
    }
    waitPending_ = false;
    if (readAvailable()) {
        // More than one turn's worth: the rest on the next turn.
        QTimer::singleShot(0, this, [this] {
            if (open_ && !waitPending_) armWait();
        });
        return;
    }
    if (open_) armWait();
}

// Ends a wait under way before the device or its records go: clearing the
// event mask ends it, cancelling is the fallback, and its end is awaited.
void CSerialPort::stopWaiting() {
    if (waitNotifier_) waitNotifier_->setEnabled(false);
    if (!waitPending_ || !device_->isOpen()) {
        waitPending_ = false;
        return;
    }
    SetCommMask(device_->handle, 0);
    if (WaitForSingleObject(device_->wait.hEvent, 100) != WAIT_OBJECT_0) CancelIo(device_->handle);
    DWORD ignored = 0;
    GetOverlappedResult(device_->handle, &device_->wait, &ignored, TRUE);
    ResetEvent(device_->wait.hEvent);
    waitPending_ = false;
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
