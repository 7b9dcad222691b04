#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <optional>

#include "serial/receive_queue.h"
#include "serial/serial_link.h"

namespace dorvane {

// One serial port as the program lists it: the name to open and what the
// system says about it.
struct SerialPortEntry {
    QString name;
    QString description;
    QString manufacturer;
    std::optional<quint16> vendorId;   // USB adapters only
    std::optional<quint16> productId;
    QString serialNumber;
    bool busy = false;  // another program holds it
    QString holder;     // which one, where the system tells ("minicom (pid 812)")

    bool isUsb() const { return vendorId.has_value(); }
};

// Speed and frame of a line; the default is the receiver's 115,200 8N1.
struct SerialLineSettings {
    qint32 baudRate = 115200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// The serial line to the receiver on Qt SerialPort: 115,200 bit/s 8N1 at
// both call sites, every kind of flow control off, DTR and RTS low.
//
// Received bytes are read on the thread that owns the object (the UI
// thread) as Qt reports them: everything available is moved into the
// receive queue in chunks of at most 2,048 bytes, a chunk that does not fit
// is dropped whole and reported, and one data notification follows each
// burst. Writes go into Qt's write buffer and never wait for the line.
//
// A port that fails while open (adapter unplugged, the other end of a
// pseudo-terminal gone) is closed at once and the failure handler runs.
class CSerialPort : public QObject, public SerialLink {
    Q_OBJECT
public:
    static constexpr qint32 kDefaultBaudRate = 115200;
    static constexpr int kChunkSize = 2048;
    static constexpr int kCloseFlushMs = 500;  // bound on sending what is still buffered at close
    static constexpr int kWriteErrorWindowMs = 1000;  // a second write error within this is fatal

    explicit CSerialPort(QObject* parent = nullptr);
    ~CSerialPort() override;

    bool open(const QString& name, const SerialLineSettings& line = SerialLineSettings{});
    // open() with the name of the last open (or setName) at 115,200 8N1.
    bool openDefault();
    void close();

    bool isOpen() const override { return open_; }
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    using SerialLink::writeByte;
    ReceiveQueue& receiveQueue() override { return queue_; }

    QString name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // What went wrong at the last failed open or while open ("" when
    // nothing did).
    QString lastError() const { return lastError_; }
    // Qt's code for it (NoError when nothing went wrong).
    QSerialPort::SerialPortError lastErrorCode() const { return lastErrorCode_; }

    // True when the device can be opened now (it is released again at once).
    static bool probePort(const QString& name);

    // The ports to offer, the one list of them (the settings dialog, the
    // start-up choice and `dorvane ports`): "COM%d" on Windows (their
    // numbers through comNumbersFromNames), the device paths found elsewhere, each with what the system says about it (description,
    // maker, USB ids, serial number, whether another program holds it).
    static QList<SerialPortEntry> availablePorts();

    // The COM numbers among device names: a name of four or five characters
    // that starts with "COM" in any case gives the number after it (0 when
    // no digits follow). Other names are skipped.
    static QList<std::uint32_t> comNumbersFromNames(const QStringList& names);

signals:
    // A received chunk did not fit into the queue and was dropped.
    void bufferFull();
    // The port failed while open and has been closed; message says why.
    void failed(const QString& message);

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    ReceiveQueue queue_;
    QString name_;
    QString lastError_;
    QSerialPort::SerialPortError lastErrorCode_ = QSerialPort::NoError;
    QElapsedTimer lastWriteError_;
    bool open_ = false;
};

}  // namespace dorvane
