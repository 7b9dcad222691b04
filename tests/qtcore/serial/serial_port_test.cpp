#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "qtcore/serial/serial_port.h"

using dorvane::CSerialPort;
using dorvane::Error;
using dorvane::Status;

namespace {

// The controlling side of a pseudo-terminal; the port under test opens its
// device path.
struct Pty {
    int master = -1;
    QString path;
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
        path = QString::fromLocal8Bit(ptsname(master));
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    ~Pty() { closeMaster(); }
    void closeMaster() {
        if (master >= 0) ::close(master);
        master = -1;
    }
    void send(const std::vector<std::uint8_t>& bytes) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
            if (n > 0)
                done += static_cast<std::size_t>(n);
            else
                QTest::qWait(1);
        }
    }
    std::vector<std::uint8_t> receive(std::size_t count, int timeoutMs) const {
        std::vector<std::uint8_t> got;
        QElapsedTimer t;
        t.start();
        while (got.size() < count && t.elapsed() < timeoutMs) {
            QCoreApplication::processEvents();
            std::uint8_t buf[4096];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                got.insert(got.end(), buf, buf + n);
            else
                QTest::qWait(2);
        }
        return got;
    }
};

std::vector<std::uint8_t> pattern(std::size_t n) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return v;
}

std::vector<std::uint8_t> drain(dorvane::ReceiveQueue& q) {
    std::vector<std::uint8_t> v;
    std::uint8_t b;
    while (q.pop(b)) v.push_back(b);
    return v;
}

}  // namespace

class SerialPortTest : public QObject {
    Q_OBJECT
private slots:
    void bytesFlowBothWaysInOrder() {
        Pty pty;
        QVERIFY(!pty.path.isEmpty());
        CSerialPort port;
        const Status opened = port.open(pty.path);
        QVERIFY2(opened.ok(), opened.message().c_str());
        QVERIFY(port.isOpen());
        int notifications = 0;
        std::vector<std::uint8_t> received;
        port.setDataHandler([&] {
            ++notifications;
            const auto part = drain(port.receiveQueue());
            QVERIFY(!part.empty());  // never a notification without bytes
            received.insert(received.end(), part.begin(), part.end());
        });
        const auto data = pattern(10000);
        pty.send(data);
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), data.size(), 5000);
        QCOMPARE(received, data);
        QVERIFY(notifications >= 1);

        const auto out = pattern(3000);
        QCOMPARE(port.write(out), out.size());
        QCOMPARE(port.writeByte(0x43), std::size_t{1});
        auto expected = out;
        expected.push_back(0x43);
        QCOMPARE(pty.receive(expected.size(), 5000), expected);
    }

    void closeSendsWhatIsStillBuffered() {
        Pty pty;
        CSerialPort port;
        QVERIFY(port.open(pty.path).ok());
        const auto out = pattern(2000);
        QCOMPARE(port.write(out), out.size());
        port.close();  // at once, before the event loop ran
        QCOMPARE(pty.receive(out.size(), 3000), out);
    }

    void chunkThatDoesNotFitIsDroppedAndReported() {
        Pty pty;
        CSerialPort port;
        QVERIFY(port.open(pty.path).ok());
        QSignalSpy full(&port, &CSerialPort::bufferFull);
        // Nobody drains the queue: it fills up to whole chunks, the rest goes.
        pty.send(pattern(9000));
        QTRY_VERIFY_WITH_TIMEOUT(full.count() >= 1, 5000);
        QTest::qWait(100);
        const auto kept = drain(port.receiveQueue());
        QVERIFY(kept.size() <= 4191u);
        QVERIFY(kept.size() >= 2048u);
        const auto all = pattern(9000);
        QVERIFY(std::equal(kept.begin(), kept.end(), all.begin()));  // the first chunks, in order
    }

    void otherEndClosingClosesThePortOnce() {
        auto pty = std::make_unique<Pty>();
        CSerialPort port;
        QVERIFY(port.open(pty->path).ok());
        int failures = 0;
        bool openInHandler = true;
        port.setFailureHandler([&] {
            ++failures;
            openInHandler = port.isOpen();
        });
        std::vector<Status> failed;
        QObject::connect(&port, &CSerialPort::failed, [&failed](const Status& why) { failed.push_back(why); });
        pty.reset();
        QTRY_COMPARE_WITH_TIMEOUT(failures, 1, 5000);
        QVERIFY(!openInHandler);
        QVERIFY(!port.isOpen());
        QCOMPARE(failed.size(), std::size_t{1});
        // Qt reports the lost pseudo-terminal as a read error (an adapter
        // pulled out as a lost resource).
        QVERIFY(failed.front().error() == Error::Io || failed.front().error() == Error::DeviceGone);
        QVERIFY(!failed.front().message().empty());
        QTest::qWait(300);
        QCOMPARE(failures, 1);
        QCOMPARE(port.writeByte(0x07), std::size_t{0});  // closed: nothing goes out
    }

    void openFailsCleanlyAndCanBeRetried() {
        CSerialPort port;
        const Status missing = port.open(QStringLiteral("/dev/does-not-exist-dorvane"));
        QCOMPARE(missing.error(), Error::NotFound);
        QVERIFY(!missing.message().empty());
        QVERIFY(!port.isOpen());
        QCOMPARE(port.write(pattern(5)), std::size_t{0});
        QVERIFY(!CSerialPort::probePort(QStringLiteral("/dev/does-not-exist-dorvane")));

        Pty pty;
        QVERIFY(CSerialPort::probePort(pty.path));
        port.setName(pty.path);
        QVERIFY(port.openDefault().ok());
        QCOMPARE(port.name(), pty.path);
        port.close();
        QVERIFY(!port.isOpen());
        QVERIFY(port.open(pty.path).ok());  // the device was released
    }

    void comNumbersFromDeviceNames() {
        const QList<std::uint32_t> numbers =
            CSerialPort::comNumbersFromNames({"COM1", "COM12", "COM123", "com3", "LPT1", "COMX", "COM", "CoM7x"});
        QCOMPARE(numbers, (QList<std::uint32_t>{1, 12, 3, 0, 7}));
    }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "serial_port_test.moc"
