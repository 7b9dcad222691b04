#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

#ifdef _WIN32
#include <QTimer>
class QWinEventNotifier;
#else
#include <QSerialPort>
#endif

#include "core/serial/receive_queue.h"
#include "core/serial/serial_link.h"
#include "qtcore/serial/serial_error.h"

namespace dorvane {

// One serial port as the program lists it: the name to open and what the
// system says about it.
struct SerialPortEntry {
    QString name;
    QString description;
    QString manufacturer;
    std::optional<quint16> vendorId;  // USB adapters only
    std::optional<quint16> productId;
    QString serialNumber;
    bool busy = false;  // another program holds it
    QString holder;     // which one, where the system tells ("minicom (pid 812)")

    bool isUsb() const { return vendorId.has_value(); }
};

// Speed and frame of a line; the default is the receiver's 115,200 8N1.
// In Qt SerialPort's terms; the Windows build, which has a port of its own,
// carries the same values in enums of its own.
struct SerialLineSettings {
#ifdef _WIN32
    enum DataBits { Data5 = 5, Data6 = 6, Data7 = 7, Data8 = 8 };
    enum Parity { NoParity = 0, EvenParity = 2, OddParity = 3, SpaceParity = 4, MarkParity = 5 };
    enum StopBits { OneStop = 1, OneAndHalfStop = 3, TwoStop = 2 };
    qint32 baudRate = 115200;
    DataBits dataBits = Data8;
    Parity parity = NoParity;
    StopBits stopBits = OneStop;
#else
    qint32 baudRate = 115200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
#endif
};

// The serial line to the receiver: 115,200 bit/s 8N1 at both call sites,
// every kind of flow control off, DTR and RTS low. On Windows it is the
// communications API itself (serial_port_win32.cpp), elsewhere Qt
// SerialPort (serial_port_qt.cpp).
//
// Received bytes are read on the thread that owns the object (the UI
// thread), when the system says some came: Qt SerialPort's notifier, or
// on Windows the communications API's own wait (WaitCommEvent, overlapped)
// watched by the event loop; only under Wine, whose wait is not to be
// trusted, is the driver's queue polled instead (DORVANE_SERIAL_POLL=1 or
// 0 decides it by hand). Everything available is moved into the receive
// queue in chunks
// of at most 2,048 bytes, a chunk that does not fit is dropped whole and
// reported, and one data notification follows each burst. Writes never
// wait for the line: on Qt SerialPort they go into its write buffer, on
// Windows into the driver's output queue (a write the driver does not take
// within kWriteTimeoutMs is cut short).
//
// A port that fails while open (adapter unplugged, the other end of a
// pseudo-terminal gone) is closed at once and the failure handler runs.
class CSerialPort : public QObject, public SerialLink {
    Q_OBJECT
public:
    static constexpr qint32 kDefaultBaudRate = 115200;
    static constexpr int kChunkSize = 2048;
    static constexpr int kCloseFlushMs = 500;         // bound on sending what is still buffered at close
    static constexpr int kWriteErrorWindowMs = 1000;  // a second write error within this is fatal
    static constexpr int kDriverQueueSize = 4192;     // the driver's input and output queues (Windows)
    static constexpr int kWriteTimeoutMs = 2000;      // bound on one write (Windows)
    // Where the driver's input queue is polled (Wine): every kPollIntervalMs
    // while the line is busy, every kIdlePollIntervalMs once nothing was
    // sent or received for kQuietBeforeIdleMs (an idle window then wakes far
    // less; the first byte after the quiet waits at most the longer interval).
    static constexpr int kPollIntervalMs = 5;
    static constexpr int kIdlePollIntervalMs = 50;
    static constexpr int kQuietBeforeIdleMs = 300;

    explicit CSerialPort(QObject* parent = nullptr);
    ~CSerialPort() override;

    // A failure carries the cause and the system's own text ("No such file
    // or directory"), which adviseOpenFailure turns into advice.
    Status open(const QString& name, const SerialLineSettings& line = SerialLineSettings{});
    // open() with the name of the last open (or setName) at 115,200 8N1.
    Status openDefault();
    void close();

    bool isOpen() const override { return open_; }
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    using SerialLink::writeByte;
    ReceiveQueue& receiveQueue() override { return queue_; }

    QString name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // True when the device can be opened now (it is released again at once).
    static bool probePort(const QString& name);

    // The ports to offer, the one list of them (the settings dialog, the
    // start-up choice and `dorvane ports`): "COM%d" on Windows (their
    // numbers through comNumbersFromNames), the device paths found
    // elsewhere, each with what the system says about it (description,
    // maker, USB ids, serial number, whether another program holds it).
    static QList<SerialPortEntry> availablePorts();

    // The COM numbers among device names: a name of four or five characters
    // that starts with "COM" in any case gives the number after it (0 when
    // no digits follow). Other names are skipped.
    static QList<std::uint32_t> comNumbersFromNames(const QStringList& names);

signals:
    // A received chunk did not fit into the queue and was dropped.
    void bufferFull();
    // The port failed while open and has been closed; `why` has the cause
    // (DeviceGone for a device that went away, Io for one that failed a
    // read or write) and the system's text.
    void failed(const dorvane::Status& why);

private:
    void takeChunk(const std::uint8_t* bytes, std::size_t size);
#ifdef _WIN32
    struct Device;  // the open COM device and its overlapped-I/O records
    void poll();
    // Moves what the driver holds into the queue; true when more is left
    // than one turn takes.
    bool readAvailable();
    void armWait();
    void onWaitSignalled();
    void stopWaiting();
    void failWith(const QString& message);
    std::unique_ptr<Device> device_;
    QTimer poll_;
    QWinEventNotifier* waitNotifier_ = nullptr;
    bool polling_ = false;      // Wine: the queue is polled (see kPollIntervalMs)
    QElapsedTimer lineActive_;  // since the last byte sent or received, where polled
    void lineWasActive();
    bool waitPending_ = false;  // a WaitCommEvent is under way
#else
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
#endif
    ReceiveQueue queue_;
    QString name_;
    QElapsedTimer lastWriteError_;
    bool open_ = false;
};

}  // namespace dorvane
