#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include "core/transfer/crc16.h"
#include "sim_process.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint8_t SOH = 1, STX = 2, EOT = 4, ENQ = 5, ACK = 6, BEL = 7, VT = 0x0B, FF = 0x0C, NAK = 0x15,
                       RS = 0x1E, C = 'C';

Bytes block(std::uint8_t seq, const Bytes& data, std::size_t size, std::uint8_t pad = 0x1A) {
    Bytes b{size == 128 ? SOH : STX, seq, static_cast<std::uint8_t>(~seq)};
    b.insert(b.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(size, data.size())));
    b.resize(3 + size, pad);
    const std::uint16_t crc = dorvane::crc16(std::span<const std::uint8_t>(b.data() + 3, size));
    b.push_back(static_cast<std::uint8_t>(crc >> 8));
    b.push_back(static_cast<std::uint8_t>(crc));
    return b;
}

Bytes header(const std::string& name, std::size_t length, std::size_t size = 1024) {
    Bytes d(name.begin(), name.end());
    d.push_back(0);
    const std::string len = std::to_string(length);
    d.insert(d.end(), len.begin(), len.end());
    d.push_back(0);
    return block(0, d, size, 0);
}

Bytes pattern(std::size_t n) {
    Bytes v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>((i * 31) ^ (i >> 8));
    return v;
}

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

Bytes slice(const Bytes& v, std::size_t from, std::size_t n) {
    return Bytes(v.begin() + static_cast<std::ptrdiff_t>(from), v.begin() + static_cast<std::ptrdiff_t>(from + n));
}

}  // namespace

// The simulated receiver, driven byte by byte over its terminal.
class SimTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void bootLoaderTakesADownloadWithItsInformationRecord() {
        const QString store = dir.filePath("enq.bin");
        SimProcess sim({"--rate", "0", "--at", "100:on", "--boot-version", "0x02030400", "--app-version", "0x01020300",
                        "--buyer", "XY", "--store", store, "--write-ms", "110", "--c-interval", "300"});
        QVERIFY(sim.openLine());
        QCOMPARE(sim.receive(1, 3000), Bytes{C});
        const Bytes file = pattern(1500);
        sim.send(header("a.img", file.size()));
        const Bytes answer = sim.receive(129, 3000);
        QCOMPARE(answer.size(), std::size_t{129});
        QCOMPARE(answer[0], ENQ);
        const Bytes record = slice(answer, 1, 128);
        QCOMPARE(le32(record, 0), 32u);
        QCOMPARE(le32(record, 8), 0x02030400u);
        QCOMPARE(le32(record, 12), 0x01020300u);
        QCOMPARE(record[20], std::uint8_t('X'));
        QCOMPARE(record[21], std::uint8_t('Y'));
        QVERIFY(!sim.waitEvent("header a.img 1500", 2000).isEmpty());

        sim.send(ACK);
        sim.send(block(1, slice(file, 0, 1024), 1024));
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        Bytes last = slice(file, 1024, 476);
        last.push_back(0x1A);
        sim.send(block(2, last, 1024, 0));
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        sim.send(EOT);
        QCOMPARE(sim.receive(1, 3000), Bytes{NAK});  // the first EOT is refused
        sim.send(EOT);
        QCOMPARE(sim.receive(2, 3000), (Bytes{ACK, C}));
        sim.send(block(0, Bytes{}, 128, 0));
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});

        // Writing: VT, ten progress reports, FF.
        Bytes expected{VT};
        for (int p = 10; p <= 100; p += 10) {
            expected.push_back(RS);
            expected.push_back(static_cast<std::uint8_t>(p));
        }
        expected.push_back(FF);
        QCOMPARE(sim.receive(expected.size(), 5000), expected);

        QFile stored(store);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray got = stored.readAll();
        QCOMPARE(Bytes(got.begin(), got.end()), file);  // the padding is not part of the file
    }

    void refusedImageIsNotStored() {
        const QString store = dir.filePath("refused.bin");
        SimProcess sim({"--rate", "0", "--start", "on", "--store", store});
        QVERIFY(sim.openLine());
        QCOMPARE(sim.receive(1, 3000), Bytes{C});
        sim.send(header("a.img", 3000));
        QCOMPARE(sim.receive(129, 3000).size(), std::size_t{129});
        sim.send(Bytes{NAK, 0x66});
        QVERIFY(!sim.waitEvent("refused", 3000).isEmpty());
        QVERIFY(!QFile::exists(store));
    }

    void ackAnswerRepeatedBlockAndAcknowledgedFirstEot() {
        const QString store = dir.filePath("ack.bin");
        SimProcess sim({"--rate", "0", "--start", "on", "--answer", "ack", "--nak-blocks", "1", "--first-eot", "ack",
                        "--store", store});
        QVERIFY(sim.openLine());
        QCOMPARE(sim.receive(1, 3000), Bytes{C});
        const Bytes file = pattern(2048);
        sim.send(header("b.img", file.size()));
        QCOMPARE(sim.receive(2, 3000), (Bytes{ACK, C}));
        const Bytes b1 = block(1, slice(file, 0, 1024), 1024);
        sim.send(b1);
        QCOMPARE(sim.receive(1, 3000), Bytes{NAK});  // refused once on request
        sim.send(b1);
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        Bytes broken = block(2, slice(file, 1024, 1024), 1024);
        broken[500] ^= 0xFF;
        sim.send(broken);
        QCOMPARE(sim.receive(1, 3000), Bytes{NAK});  // bad CRC
        sim.send(block(2, slice(file, 1024, 1024), 1024));
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        sim.send(EOT);
        QElapsedTimer t;
        t.start();
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        QCOMPARE(sim.receive(1, 3000), Bytes{C});  // a second later, as standard receivers do
        QVERIFY(t.elapsed() >= 800);
        sim.send(block(0, Bytes{}, 128, 0));
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        QVERIFY(!sim.waitEvent("stored", 3000).isEmpty());
        QFile stored(store);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.size(), qint64{2048});
    }

    void applicationAnswersTheLinkTestAndUploadsItsChannelData() {
        Bytes blob = pattern(2500);
        blob[0] = 'I';
        blob[1] = 'R';
        blob[2] = 'Z';
        QFile f(dir.filePath("blob.irz"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(blob.data()), static_cast<qint64>(blob.size()));
        f.close();
        SimProcess sim({"--rate", "0", "--start", "app", "--upload-file", f.fileName(), "--echo"});
        QVERIFY(sim.openLine());
        sim.send(BEL);
        QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
        const std::string command = "\r\nloadb up curdb y\r\n";
        sim.send(Bytes(command.begin(), command.end()));
        // The console echoes the line and says something before the file.
        QVERIFY(!sim.waitEvent("console loadb up curdb y", 3000).isEmpty());
        sim.receive(1000, 300);
        sim.send(C);
        const Bytes head = sim.receive(133, 3000);
        QCOMPARE(head, header("curdb", blob.size(), 128));
        sim.send(Bytes{ACK, C});
        Bytes got;
        for (std::uint8_t seq = 1; seq <= 3; ++seq) {
            const Bytes b = sim.receive(1029, 3000);
            QCOMPARE(b.size(), std::size_t{1029});
            QCOMPARE(b[1], seq);
            QCOMPARE(
                b,
                block(seq, slice(blob, (seq - 1) * 1024u, std::min<std::size_t>(1024, blob.size() - (seq - 1) * 1024u)),
                      1024));
            if (seq == 2) {
                sim.send(NAK);  // asked again: the same block
                QCOMPARE(sim.receive(1029, 3000), b);
            }
            got.insert(got.end(), b.begin() + 3, b.begin() + 1027);
            sim.send(ACK);
        }
        QCOMPARE(slice(got, 0, blob.size()), blob);
        QCOMPARE(sim.receive(1, 3000), Bytes{EOT});
        sim.send(NAK);
        QCOMPARE(sim.receive(1, 3000), Bytes{EOT});
        sim.send(Bytes{ACK, C});
        QCOMPARE(sim.receive(133, 3000), block(0, Bytes{}, 128, 0));
        sim.send(ACK);
        QVERIFY(!sim.waitEvent("upload done", 3000).isEmpty());
    }

    void builtInChannelDataIsAnIrzBlob() {
        SimProcess sim({"--rate", "0", "--start", "app"});
        QVERIFY(sim.openLine());
        const std::string command = "\r\nloadb up curdb y\r\n";
        sim.send(Bytes(command.begin(), command.end()));
        sim.send(C);
        const Bytes head = sim.receive(133, 3000);
        QCOMPARE(head.size(), std::size_t{133});
        QCOMPARE(std::string(head.begin() + 3, head.begin() + 8), std::string("curdb"));
        const std::size_t length = std::stoul(std::string(reinterpret_cast<const char*>(head.data() + 9)));
        QVERIFY(length > 36 && length < 131072);
        sim.send(Bytes{ACK, C});
        const Bytes first = sim.receive(1029, 3000);
        QCOMPARE(first.size(), std::size_t{1029});
        QCOMPARE(std::string(first.begin() + 3, first.begin() + 6), std::string("IRZ"));
        QCOMPARE(le32(first, 3 + 32) + 36, static_cast<std::uint32_t>(length));  // compressed size + header
    }

    void pacedLineTakesTenBitTimesPerByte() {
        SimProcess sim({"--rate", "19200", "--start", "app"});
        QVERIFY(sim.openLine());
        const std::string command = "\r\nloadb up curdb y\r\n";
        sim.send(Bytes(command.begin(), command.end()));
        sim.send(C);
        QCOMPARE(sim.receive(133, 3000).size(), std::size_t{133});
        sim.send(Bytes{ACK, C});
        QElapsedTimer t;
        t.start();
        QCOMPARE(sim.receive(1029, 3000).size(), std::size_t{1029});
        // 1,029 bytes at 1,920 bytes per second take 536 ms.
        QVERIFY2(t.elapsed() >= 480, qPrintable(QString::number(t.elapsed())));
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
    }

    void lineFaultsAndSilence() {
        {
            // The 200th byte towards the receiver is garbled: the block is refused.
            SimProcess sim({"--rate", "0", "--start", "on", "--answer", "ack", "--corrupt-in", "1229"});
            QVERIFY(sim.openLine());
            QCOMPARE(sim.receive(1, 3000), Bytes{C});
            sim.send(header("c.img", 1024));
            QCOMPARE(sim.receive(2, 3000), (Bytes{ACK, C}));
            sim.send(block(1, pattern(1024), 1024));
            QCOMPARE(sim.receive(1, 3000), Bytes{NAK});
        }
        {
            SimProcess sim({"--rate", "0", "--start", "on", "--fault", "silent@header"});
            QVERIFY(sim.openLine());
            QCOMPARE(sim.receive(1, 3000), Bytes{C});
            sim.send(header("d.img", 1024));
            QVERIFY(!sim.waitEvent("fault silent at header", 3000).isEmpty());
            QCOMPARE(sim.receive(1, 1500), Bytes{});
        }
        {
            SimProcess sim({"--rate", "0", "--start", "on", "--answer", "ack", "--fault", "close@block:2"});
            QVERIFY(sim.openLine());
            QCOMPARE(sim.receive(1, 3000), Bytes{C});
            sim.send(header("e.img", 4096));
            QCOMPARE(sim.receive(2, 3000), (Bytes{ACK, C}));
            sim.send(block(1, pattern(1024), 1024));
            QCOMPARE(sim.receive(1, 3000), Bytes{ACK});
            sim.send(block(2, pattern(1024), 1024));
            QVERIFY(sim.process().waitForFinished(3000));  // the line is gone with the simulator
        }
    }

    void endsOnEndOfInputAndOnSigterm() {
        {
            SimProcess sim({"--start", "off"});
            QVERIFY(!sim.path().isEmpty());
            sim.process().closeWriteChannel();
            QVERIFY(sim.process().waitForFinished(3000));
            QCOMPARE(sim.process().exitCode(), 0);
        }
        {
            SimProcess sim({"--start", "on"});
            QVERIFY(!sim.path().isEmpty());
            ::kill(static_cast<pid_t>(sim.process().processId()), SIGTERM);
            QVERIFY(sim.process().waitForFinished(3000));
        }
        {
            QProcess bad;
            bad.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane-sim"), {"--answer", "maybe"});
            QVERIFY(bad.waitForFinished(3000));
            QCOMPARE(bad.exitCode(), 2);
        }
    }

    // A relay started at once logs before the terminal exists for anybody:
    // the device path is still the first line (scripts read it so).
    void theDevicePathComesFirstEvenWithARelayStartedAtOnce() {
        SimProcess sim({"--relay", "download", "--relay-dir", dir.path(), "--relay-now", "--", "cat"});
        QVERIFY2(sim.path().startsWith(QStringLiteral("/dev/")), qPrintable(sim.path()));
    }

    void powerCommandsFromStandardInput() {
        SimProcess sim({"--rate", "0", "--boot-ms", "300", "--c-interval", "100"});
        QVERIFY(sim.openLine());
        sim.send(BEL);
        QCOMPARE(sim.receive(1, 500), Bytes{});  // off: nothing answers
        sim.command("on");
        QCOMPARE(sim.receive(1, 2000), Bytes{C});
        QVERIFY(!sim.waitEvent("application", 3000).isEmpty());  // the boot loader gave up waiting
        sim.receive(100, 100);
        sim.send(BEL);
        QCOMPARE(sim.receive(1, 2000), Bytes{ACK});
        sim.command("off");
        QVERIFY(!sim.waitEvent("power off", 3000).isEmpty());
        sim.send(BEL);
        QCOMPARE(sim.receive(1, 500), Bytes{});
    }

    // A bench: each box on its own terminal, commands for one box or all,
    // a box whose line dies leaves the others running.
    void aBenchOfBoxesOnTerminalsOfTheirOwn() {
        SimProcess bench({"--boxes", "3", "--rate", "0", "--c-interval", "100", "--box", "3", "--on-after", "200",
                          "--fault", "close@on"},
                         3);
        QCOMPARE(bench.boxes(), 3);
        QVERIFY(bench.path(0) != bench.path(1));
        int fds[2];
        for (int k = 0; k < 2; ++k) {
            fds[k] = ::open(bench.path(k).toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            QVERIFY(fds[k] >= 0);
            termios t{};
            tcgetattr(fds[k], &t);
            cfmakeraw(&t);
            tcsetattr(fds[k], TCSANOW, &t);
        }
        auto heard = [](int fd, int ms) {
            QTest::qWait(ms);
            std::uint8_t buf[256];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            return n > 0 ? Bytes(buf, buf + n) : Bytes{};
        };
        bench.command("2 on");
        QVERIFY(!bench.waitEvent("2 power on", 2000).isEmpty());
        QVERIFY(heard(fds[1], 300).size() >= 1);  // box 2's boot loader asks
        QVERIFY(heard(fds[0], 10).empty());       // box 1 stays off
        QVERIFY(!bench.waitEvent("3 fault close at on", 3000).isEmpty());
        bench.command("on");  // every box (3 is gone)
        QVERIFY(!bench.waitEvent("1 power on", 2000).isEmpty());
        const Bytes first = heard(fds[0], 300);
        QVERIFY(!first.empty());
        QCOMPARE(first.front(), C);
        QCOMPARE(bench.process().state(), QProcess::Running);
        bench.command("7 on");
        QVERIFY(!bench.waitEvent("unknown box 7", 2000).isEmpty());
        for (int fd : fds) ::close(fd);
    }
};

QTEST_GUILESS_MAIN(SimTest)
#include "sim_test.moc"
