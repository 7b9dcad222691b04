// The window's download and upload flow against the simulated STB (the
// simulator's receiver, in-process on a virtual clock), with the STB going
// wrong in every way it can: each run ends within its bound with the
// message the window would show, the engine back at rest, and no file lost
// or half written; errors the protocol recovers from end byte for byte.
// The same flow serves the command line, so these cases run once, here.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/database/channel_data_buffer.h"
#include "core/flow/operator_flow.h"
#include "core/image/image_file.h"
#include "core/transfer/transfer_engine.h"
#include "sim/kept_channels.h"
#include "support/channel_blob.h"
#include "support/simulated_stb.h"
#include "support/virtual_event_loop.h"

using namespace dorvane;

namespace {

struct RecordingView : OperatorView {
    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::vector<NoticeKind> kinds;  // of each message
    std::optional<TransferOutcome> outcome;
    std::filesystem::path target;

    std::optional<UploadResult> upload;  // of the last end

    void appendLog(const std::string& line) override { log.push_back(line); }
    void showNotice(NoticeKind kind, const std::string& text) override {
        kinds.push_back(kind);
        messages.push_back(text);
    }
    bool askYesNo(const std::string&) override { return false; }
    void displayChanged(const FlowDisplay&) override {}
    std::optional<std::filesystem::path> chooseUploadTarget() override { return target; }
    void transferEnded(const FlowEnd& end) override {
        outcome = end.outcome;
        upload = end.upload;
    }
};

std::vector<std::string> toStrings(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

// What the window owns, with the time limits of the tests, and the STB at
// the other end of its line, started with dorvane-sim's options.
struct Window {
    explicit Window(const QStringList& simOptions, EngineTimeouts engineTimes = timeouts(),
                    FlowTimes flowTimes = times())
        : stb(loop, toStrings(simOptions)),
          engine(loop, stb.link(), image, *buffer, engineTimes),
          flow(loop, engine, stb.link(), image, *buffer, view, flowTimes) {}

    static EngineTimeouts timeouts() {
        EngineTimeouts t;
        t.reply = 1500;
        t.batchAck = 1000;
        t.writing = 2000;
        t.firstBlock = 2000;
        t.uploadSilence = 1000;
        return t;
    }
    static FlowTimes times() {
        FlowTimes t;
        t.startTimeout = 2000;
        return t;
    }

    test::VirtualEventLoop loop;
    test::SimulatedStb stb;
    CImageFile image;
    std::unique_ptr<ChannelDataBuffer> buffer = std::make_unique<ChannelDataBuffer>();
    RecordingView view;
    CTransferEngine engine;
    OperatorFlow flow;
};

const char kTimeoutBox[] = "Timeout occurred! Please, Check your STB, And retry!";
const char kWritingBox[] =
    "The STB stopped reporting while writing its memory! \nDo not switch it off until its own display says it is done.";
const char kPortBox[] = "Serial Port Error! Please, Check your Serial port and STB, And retry!";
const char kTooManyBox[] = "Too many errors on the line! Please, Check your cable and STB, And retry!";
const char kUploadFailedBox[] = "Uploading failed! The file was not changed. Please, Check your STB, And retry!";
const char kEnqEnd[] = "Downloading stopped successfully. \nYour STB will restart now!";
const char kRestartedLine[] = "The STB restarted before it finished writing! The image was not written.";
const char kRestartedBox[] =
    "The STB restarted before it finished writing! The image was not written. \nPlease, Switch off the STB, start "
    "the download, then switch on the STB.";
const char kAckEnd[] =
    "Downloading stopped successfully. \nYou should Check LCD window whether STB has remain job or not!";

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray patternBlob(int size) {
    QByteArray blob(size, '\0');
    for (int i = 0; i < size; ++i) blob[i] = static_cast<char>((i * 7919) >> 3);
    blob.replace(0, 3, "IRZ");
    return blob;
}

// A channel-data file of this size that passes the channel-data check.
QByteArray channelBlob(int size) {
    const auto b = dorvane::test::channelDataBlob(static_cast<std::size_t>(size), 7919);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// Every box comes with a kind that agrees with how the transfer ended (the
// front ends add their advice by the kind alone), and the boxes that get
// advice with exactly their own kind.
void expectKinds(const RecordingView& view) {
    QCOMPARE(view.kinds.size(), view.messages.size());
    if (view.kinds.empty() || !view.outcome) return;
    const NoticeKind kind = view.kinds.back();
    switch (*view.outcome) {
        case TransferOutcome::Succeeded: QCOMPARE(kind, NoticeKind::Succeeded); break;
        case TransferOutcome::TimedOut:
            QVERIFY(kind == NoticeKind::TimedOut || kind == NoticeKind::WritingSilent);
            break;
        case TransferOutcome::Failed: QVERIFY(kind == NoticeKind::Failed || kind == NoticeKind::Restarted); break;
        case TransferOutcome::PortError: QCOMPARE(kind, NoticeKind::PortFailed); break;
        case TransferOutcome::Refused: QCOMPARE(kind, NoticeKind::Refused); break;
        case TransferOutcome::NotStarted: QVERIFY(kind == NoticeKind::Refusal || kind == NoticeKind::PortClosed); break;
        case TransferOutcome::Canceled: break;
    }
    const std::string& text = view.messages.back();
    QCOMPARE(kind == NoticeKind::TimedOut, text == kTimeoutBox);
    QCOMPARE(kind == NoticeKind::WritingSilent, text == kWritingBox);
    QCOMPARE(kind == NoticeKind::Restarted, text == kRestartedBox);
    QCOMPARE(kind == NoticeKind::PortFailed, text == kPortBox);
}

}  // namespace

Q_DECLARE_METATYPE(TransferOutcome)

class OperatorFlowFaultTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString image;

    // Runs one transfer to its end; false when it did not end in time.
    bool run(Window& w, bool download, int limitMs = 15000) {
        if (!w.stb.valid()) return false;
        w.flow.start();
        if (download) {
            if (!w.flow.openFile(image.toStdString()).ok()) return false;
            w.view.log.clear();
            w.flow.downloadClicked();
        } else {
            w.flow.uploadClicked();
        }
        return w.loop.runUntil([&] { return w.view.outcome.has_value(); }, limitMs);
    }

    static QString lastMessage(const Window& w) {
        return w.view.messages.empty() ? QString() : QString::fromStdString(w.view.messages.back());
    }

    // After a failure the engine rests and the flow takes the next click.
    static void expectAtRest(Window& w) {
        QCOMPARE(w.engine.state(), EngineState::Idle);
        QVERIFY(!w.flow.busy());
        QVERIFY(!w.flow.starting());
    }

private slots:
    void initTestCase() {
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(dir.isValid());
        // A 40 KB image of the kind the receiver takes without a buyer check.
        image = dir.filePath("fw.bin");
        QVERIFY(writeBytes(image, patternBlob(40000)));
    }

    void downloadFaults_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::addColumn<QString>("message");
        const auto timedOut = TransferOutcome::TimedOut;
        QTest::newRow("switched on, boot loader silent")
            << QStringList{"--fault", "silent@on"} << timedOut << kTimeoutBox;
        QTest::newRow("silent after the header block")
            << QStringList{"--fault", "silent@header"} << timedOut << kTimeoutBox;
        // A record that breaks off is a restart (a pause inside it): never the cable.
        QTest::newRow("silent inside the information record")
            << QStringList{"--fault", "silent@info"} << TransferOutcome::Failed << kRestartedBox;
        QTest::newRow("silent at block 3") << QStringList{"--fault", "silent@block:3"} << timedOut << kTimeoutBox;
        QTest::newRow("silent at the first EOT") << QStringList{"--fault", "silent@eot"} << timedOut << kTimeoutBox;
        QTest::newRow("silent at the end-of-batch block")
            << QStringList{"--fault", "silent@batch"} << timedOut << kWritingBox;
        QTest::newRow("silent while writing") << QStringList{"--fault", "silent@writing"} << timedOut << kWritingBox;
        QTest::newRow("noise after the header block")
            << QStringList{"--fault", "noise@header"} << TransferOutcome::Failed << kTooManyBox;
        QTest::newRow("restarts at block 3")
            << QStringList{"--fault", "restart@block:3"} << TransferOutcome::Failed << kRestartedBox;
        QTest::newRow("restarts at the first EOT")
            << QStringList{"--fault", "restart@eot"} << TransferOutcome::Failed << kRestartedBox;
        QTest::newRow("adapter unplugged at block 3")
            << QStringList{"--fault", "close@block:3"} << TransferOutcome::PortError << kPortBox;
        QTest::newRow("refuses block 2 for ever")
            << QStringList{"--nak-blocks", "2", "--nak-times", "1000"} << TransferOutcome::Failed << kTooManyBox;
        const auto ok = TransferOutcome::Succeeded;
        QTest::newRow("bit errors") << QStringList{"--corrupt-in-rate", "150"} << ok << kEnqEnd;
        QTest::newRow("dropped bytes") << QStringList{"--drop-in-rate", "40"} << ok << kEnqEnd;
        QTest::newRow("bit errors and dropped bytes, another seed")
            << QStringList{"--corrupt-in-rate", "100", "--drop-in-rate", "30", "--fault-seed", "5"} << ok << kEnqEnd;
        QTest::newRow("blocks refused five times")
            << QStringList{"--nak-blocks", "2,7,20", "--nak-times", "5"} << ok << kEnqEnd;
        // A boot loader that answers the header block with ACK and 'C'.
        const QStringList ack{"--answer", "ack"};
        QTest::newRow("ACK answer, bit errors") << ack + QStringList{"--corrupt-in-rate", "150"} << ok << kAckEnd;
        QTest::newRow("ACK answer, dropped bytes") << ack + QStringList{"--drop-in-rate", "40"} << ok << kAckEnd;
        QTest::newRow("ACK answer, both, another seed")
            << ack + QStringList{"--corrupt-in-rate", "100", "--drop-in-rate", "30", "--fault-seed", "5"} << ok
            << kAckEnd;
        QTest::newRow("ACK answer, blocks refused five times")
            << ack + QStringList{"--nak-blocks", "2,7,20", "--nak-times", "5"} << ok << kAckEnd;
    }
    void downloadFaults() {
        QFETCH(QStringList, options);
        QFETCH(TransferOutcome, outcome);
        QFETCH(QString, message);
        const QString store = dir.filePath("stored.bin");
        QFile::remove(store);
        Window w(
            QStringList{"--rate", "0", "--at", "300:on", "--timeout", "1000", "--store", store, "--write-ms", "300"} +
            options);
        QVERIFY(run(w, true));
        QVERIFY2(w.loop.now() < 12000, qPrintable(QString::number(w.loop.now())));
        QVERIFY2(*w.view.outcome == outcome, qPrintable(lastMessage(w)));
        QCOMPARE(lastMessage(w), message);
        expectKinds(w.view);
        if (outcome == TransferOutcome::Succeeded) {
            QCOMPARE(fileBytes(store), fileBytes(image));
        } else if (!options.contains("silent@batch") && !options.contains("silent@writing")) {
            QVERIFY(!QFile::exists(store));  // the receiver never had the whole file
        }
        w.loop.advance(50);
        expectAtRest(w);
    }

    // The STB switched off and on at every point of a download, with the
    // program's own time limits: it ends within a few hundred milliseconds
    // of the restart with the restart message, never the writing wait or
    // the cable.
    void restartPoints_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("point");
        for (const char* point : {"info", "info:100", "block:1", "block:3", "block-ack:3", "block-nak:3",
                                  "block-ack:40", "eot", "second-eot", "batch", "before-vt", "after-vt", "writing:5"})
            QTest::newRow(point) << QStringList{} << QString(point);
        const QStringList ack{"--answer", "ack"};
        for (const char* point : {"block:1", "block:3", "block-ack:3", "block-nak:3"})
            QTest::newRow(qPrintable(QString("ACK answer, ") + point)) << ack << QString(point);
    }
    void restartPoints() {
        QFETCH(QStringList, options);
        QFETCH(QString, point);
        const QString store = dir.filePath("stored.bin");
        QFile::remove(store);
        Window w(QStringList{"--rate", "0", "--at", "300:on", "--store", store, "--write-ms", "300", "--fault",
                             "restart@" + point} +
                     options,
                 EngineTimeouts{}, FlowTimes{});
        QVERIFY(run(w, true));
        // Switched on at 300 ms; 40 blocks and the writing take a few
        // milliseconds each on the virtual line; the STB asks again 200 ms
        // after its restart.
        QVERIFY2(w.loop.now() < 1200, qPrintable(QString::number(w.loop.now())));
        QCOMPARE(*w.view.outcome, TransferOutcome::Failed);
        QCOMPARE(lastMessage(w), QString(kRestartedBox));
        expectKinds(w.view);
        QCOMPARE(w.view.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.view.log.back()), QString(kRestartedLine));
        for (const std::string& line : w.view.log) {
            QVERIFY2(line != "Writing Image stopped." && line != "Transferring timeout occurred!", line.c_str());
        }
        w.loop.advance(50);
        expectAtRest(w);
        // The restarted boot loader never took a second header block (the
        // end of the batch included) and went on to its application.
        w.loop.advance(6000);
        const auto& events = w.stb.events();
        QCOMPARE(std::count_if(events.begin(), events.end(),
                               [](const std::string& e) { return e.rfind("header ", 0) == 0; }),
                 std::ptrdiff_t{1});
        QVERIFY(w.stb.logged("application"));
    }

    void uploadFaults_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::addColumn<QString>("message");
        const auto failed = TransferOutcome::Failed;
        const auto timedOut = TransferOutcome::TimedOut;
        QTest::newRow("console ignores the command")
            << QStringList{"--fault", "silent@command"} << timedOut << kTimeoutBox;
        QTest::newRow("silent instead of the header block")
            << QStringList{"--fault", "silent@upload-header"} << timedOut << kTimeoutBox;
        QTest::newRow("noise instead of the header block")
            << QStringList{"--fault", "noise@upload-header"} << failed << kUploadFailedBox;
        // A sender that falls silent is asked again with NAKs, then the upload times out.
        QTest::newRow("silent at block 2")
            << QStringList{"--fault", "silent@upload-block:2"} << timedOut << kTimeoutBox;
        QTest::newRow("noise at block 2")
            << QStringList{"--fault", "noise@upload-block:2"} << failed << kUploadFailedBox;
        // Every byte came, the end of the file did not: kept in a recovery file.
        QTest::newRow("silent instead of the EOT")
            << QStringList{"--fault", "silent@upload-eot"} << failed
            << QStringLiteral(
                   "Uploading failed! All the data arrived, but the STB did not end the file (it may have "
                   "restarted). \nThe file was not changed. The received data is kept in ");
        QTest::newRow("restarts at block 2")
            << QStringList{"--fault", "restart@upload-block:2"} << timedOut << kTimeoutBox;
        QTest::newRow("adapter unplugged at block 2")
            << QStringList{"--fault", "close@upload-block:2"} << TransferOutcome::PortError << kPortBox;
        QTest::newRow("bit errors") << QStringList{"--corrupt-out-rate", "150"} << TransferOutcome::Succeeded << "";
        QTest::newRow("dropped bytes") << QStringList{"--drop-out-rate", "40"} << TransferOutcome::Succeeded << "";
        QTest::newRow("bytes in blocks 2 and 5 garbled")
            << QStringList{"--corrupt-out", "1800,4900"} << TransferOutcome::Succeeded << "";
    }
    void uploadFaults() {
        QFETCH(QStringList, options);
        QFETCH(TransferOutcome, outcome);
        QFETCH(QString, message);
        const QByteArray blob = channelBlob(30000);
        QVERIFY(writeBytes(dir.filePath("blob.irz"), blob));
        const QString target = dir.filePath("target.irz");
        QVERIFY(writeBytes(target, "the previous backup"));
        Window w(QStringList{"--rate", "0", "--start", "app", "--timeout", "1000", "--upload-file",
                             dir.filePath("blob.irz")} +
                 options);
        w.view.target = target.toStdString();
        QVERIFY(run(w, false));
        QVERIFY2(w.loop.now() < 12000, qPrintable(QString::number(w.loop.now())));
        QVERIFY2(*w.view.outcome == outcome, qPrintable(lastMessage(w)));
        expectKinds(w.view);
        if (outcome == TransferOutcome::Succeeded) {
            QCOMPARE(fileBytes(target), blob);
        } else {
            QVERIFY2(lastMessage(w).startsWith(message), qPrintable(lastMessage(w)));
            QCOMPARE(fileBytes(target), QByteArray("the previous backup"));
        }
        QVERIFY(!QFile::exists(dir.filePath("_stbdata.irz")));
        w.loop.advance(50);
        expectAtRest(w);
    }

    // An ordinary YMODEM sender in the STB's place, with one fault each,
    // against the program's own time limits (the sender's time-out is 10 s).
    void standardSenderCompletesThroughOneError_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("starts a second late with our requests waiting") << QStringList{"--sender-delay", "1000"};
        QTest::newRow("starts 3 s late") << QStringList{"--sender-delay", "3000"};
        QTest::newRow("starts 6 s late") << QStringList{"--sender-delay", "6000"};
        QTest::newRow("duplicate header block") << QStringList{"--upload-fault", "duplicate-header"};
        QTest::newRow("header block with a bad CRC") << QStringList{"--upload-fault", "bad-header-crc"};
        QTest::newRow("garbled sequence byte") << QStringList{"--upload-fault", "corrupt-sequence:3"};
        QTest::newRow("lost ACK") << QStringList{"--upload-fault", "lost-ack:4"};
    }
    void standardSenderCompletesThroughOneError() {
        QFETCH(QStringList, options);
        const QByteArray blob = channelBlob(12000);
        QVERIFY(writeBytes(dir.filePath("up.irz"), blob));
        const QString target = dir.filePath("standard.irz");
        QFile::remove(target);
        Window w(QStringList{"--rate", "0", "--start", "app", "--sender", "standard", "--upload-file",
                             dir.filePath("up.irz")} +
                     options,
                 EngineTimeouts{}, FlowTimes{});
        w.view.target = target.toStdString();
        QVERIFY(run(w, false, 60000));
        QVERIFY2(*w.view.outcome == TransferOutcome::Succeeded, qPrintable(lastMessage(w)));
        QCOMPARE(fileBytes(target), blob);
        w.loop.advance(3000);
        QVERIFY(std::find(w.stb.events().begin(), w.stb.events().end(), "upload done") != w.stb.events().end());
        expectAtRest(w);
    }

    // A sender with a second file: ours is saved, the second is refused
    // with CAN (the sender stops at once instead of waiting for requests),
    // and the log says so.
    void secondFileInTheBatch() {
        const sim::Bytes channels = sim::builtInChannelData();  // the simulator's own, a whole channel-data file
        const QByteArray blob(reinterpret_cast<const char*>(channels.data()), static_cast<qsizetype>(channels.size()));
        const QString target = dir.filePath("two-files.irz");
        QFile::remove(target);
        Window w(QStringList{"--rate", "0", "--start", "app", "--sender", "standard", "--upload-fault", "second-file"},
                 EngineTimeouts{}, FlowTimes{});
        w.view.target = target.toStdString();
        QVERIFY(run(w, false, 20000));
        QVERIFY2(*w.view.outcome == TransferOutcome::Succeeded, qPrintable(lastMessage(w)));
        QCOMPARE(fileBytes(target), blob);
        QVERIFY(std::find(w.view.log.begin(), w.view.log.end(),
                          "The STB offered more than one file; only the first was received.") != w.view.log.end());
        w.loop.advance(50);
        QVERIFY(w.stb.logged("upload second file offered"));
        QVERIFY(w.stb.logged("upload cancelled"));
        QVERIFY(!w.stb.logged("upload second file acknowledged"));
        QVERIFY(w.loop.now() < 3000);
        expectAtRest(w);
    }

    // The upload arrives but cannot be saved: the previous file stays whole.
    void failedSaves_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<long>("sizeLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<TransferOutcome>("outcome");
        // A folder that is a file is found before the command goes out.
        QTest::newRow("folder that is a file")
            << "plain-file/stbdata.irz" << 0L
            << "Can't save the upload to %1/plain-file/stbdata.irz: its folder does not exist!"
            << TransferOutcome::NotStarted;
        QTest::newRow("disk full") << "full/stbdata.irz" << 8192L << "Disk full while accessing %1/full/_stbdata.irz."
                                   << TransferOutcome::Failed;
    }
    void failedSaves() {
        QFETCH(QString, target);
        QFETCH(long, sizeLimit);
        QFETCH(QString, message);
        QFETCH(TransferOutcome, outcome);
        QVERIFY(writeBytes(dir.filePath("plain-file"), "not a folder"));
        QDir(dir.path()).mkpath("full");
        const QString path = dir.filePath(target);
        if (QFileInfo(path).dir().exists()) QVERIFY(writeBytes(path, "the previous backup"));
        QVERIFY(writeBytes(dir.filePath("blob.irz"), channelBlob(20000)));
        Window w({"--rate", "0", "--start", "app", "--upload-file", dir.filePath("blob.irz")});
        w.view.target = path.toStdString();

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (sizeLimit > 0) {
            rlimit limited = saved;
            limited.rlim_cur = static_cast<rlim_t>(sizeLimit);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        }
        const bool ended = run(w, false);
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(ended);
        QCOMPARE(*w.view.outcome, outcome);
        QCOMPARE(lastMessage(w), message.contains("%1") ? message.arg(dir.path()) : message);
        if (QFileInfo(path).dir().exists()) QCOMPARE(fileBytes(path), QByteArray("the previous backup"));
        QVERIFY(!QFile::exists(QFileInfo(path).dir().filePath("_stbdata.irz")));
    }
};

QTEST_GUILESS_MAIN(OperatorFlowFaultTest)
#include "operator_flow_fault_test.moc"
