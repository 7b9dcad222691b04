// Soak: many downloads and uploads in a row in one process, as the window
// runs them (the operator flow over a real port on Qt's event loop),
// against the simulated STB on a pseudo-terminal. Reports the runs, their
// outcomes, the slowest run, and the resident memory at the start, after
// the first cycle and at the end; a run that does not end within its bound
// counts as stuck.
//
// usage: soak_transfers [CYCLES [BIN_DIR]]   (200 cycles; default BIN_DIR:
// the directory of this program)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/database/channel_data_buffer.h"
#include "core/flow/operator_flow.h"
#include "core/image/image_file.h"
#include "core/transfer/transfer_engine.h"
#include "qtcore/serial/serial_port.h"
#include "qtcore/transfer/qt_event_loop.h"

using namespace dorvane;

namespace {

// Kilobytes of a /proc/self/status line ("VmRSS", "VmHWM").
long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':') return std::stol(line.substr(n + 1));
    return -1;
}

// Bytes of the heap in use (what malloc has handed out and not had back),
// apart from how fragmented the heap is.
long heapInUse() {
#if defined(__GLIBC__)
    return static_cast<long>(mallinfo2().uordblks);
#else
    return -1;
#endif
}

struct CountingView : OperatorView {
    std::optional<TransferOutcome> outcome;
    std::string lastMessage;
    std::filesystem::path target;

    void appendLog(const std::string&) override {}
    void showNotice(NoticeKind, const std::string& text) override { lastMessage = text; }
    bool askYesNo(const std::string&) override { return false; }
    void displayChanged(const FlowDisplay&) override {}
    std::optional<std::filesystem::path> chooseUploadTarget() override { return target; }
    void transferEnded(const FlowEnd& end) override { outcome = end.outcome; }
};

const char* outcomeName(TransferOutcome o) {
    switch (o) {
        case TransferOutcome::NotStarted: return "not started";
        case TransferOutcome::Succeeded: return "succeeded";
        case TransferOutcome::Canceled: return "canceled";
        case TransferOutcome::TimedOut: return "timed out";
        case TransferOutcome::Refused: return "refused";
        case TransferOutcome::PortError: return "port error";
        case TransferOutcome::Failed: return "failed";
    }
    return "?";
}

bool waitFor(const std::function<bool()>& pred, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const QString binDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath();
    const long rssStart = statusKb("VmRSS");
    const long heapStart = heapInUse();

    QTemporaryDir dir;
    const QString image = dir.filePath("fw.bin");
    const QString stored = dir.filePath("stored.bin");
    const QString target = dir.filePath("backup.irz");
    {
        QByteArray bytes(40000, '\0');
        for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
        QFile f(image);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
    }

    // The STB: off at first; the benchmark switches it as an operator would.
    QProcess sim;
    sim.start(binDir + "/dorvane-sim", {"--rate", "0", "--write-ms", "100", "--boot-ms", "300", "--store", stored});
    if (!sim.waitForStarted(5000) || !waitFor([&] { return sim.canReadLine(); }, 5000)) {
        std::fprintf(stderr, "soak: no simulator in %s\n", qPrintable(binDir));
        return 1;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    auto command = [&](const char* word) {
        sim.readAllStandardOutput();  // its event lines are not kept
        sim.write(word);
        sim.write("\n");
        sim.waitForBytesWritten(1000);
    };

    QtEventLoop loop;
    CSerialPort serial;
    CImageFile current;
    CountingView view;
    view.target = target.toStdString();
    const auto buffer = std::make_unique<ChannelDataBuffer>();
    CTransferEngine engine(loop, serial, current, *buffer);
    OperatorFlow flow(loop, engine, serial, current, *buffer, view);
    if (const Status opened = serial.open(port); !opened.ok()) {
        std::fprintf(stderr, "soak: cannot open %s: %s\n", qPrintable(port), opened.message().c_str());
        return 1;
    }
    flow.start();

    std::map<std::string, int> outcomes;
    int stuck = 0, wrongBytes = 0;
    long rssFirst = 0, heapFirst = 0;
    qint64 slowestDownload = 0, slowestUpload = 0;
    QElapsedTimer total;
    total.start();
    const QByteArray imageBytes = fileBytes(image);

    for (int cycle = 0; cycle < cycles; ++cycle) {
        // Download: the STB off, armed, switched on.
        command("off");
        if (!flow.openFile(image.toStdString()).ok()) return 1;
        QFile::remove(stored);
        view.outcome.reset();
        QElapsedTimer t;
        t.start();
        flow.downloadClicked();
        if (waitFor([&] { return flow.busy() || view.outcome; }, 5000) && !view.outcome) command("on");
        if (!waitFor([&] { return view.outcome.has_value(); }, 60000)) {
            ++stuck;
            flow.cancel();
        }
        slowestDownload = std::max(slowestDownload, t.elapsed());
        const std::string down = std::string("download ") + (view.outcome ? outcomeName(*view.outcome) : "stuck");
        ++outcomes[down];
        if (view.outcome == TransferOutcome::Succeeded) {
            // The STB stores the file when the batch ends.
            waitFor([&] { return QFile::exists(stored); }, 2000);
            if (fileBytes(stored) != imageBytes) ++wrongBytes;
        } else {
            std::fprintf(stderr, "cycle %d: %s: %s\n", cycle, down.c_str(), view.lastMessage.c_str());
        }

        // Upload: the STB's application runs.
        command("app");
        waitFor([] { return false; }, 100);
        QFile::remove(target);
        view.outcome.reset();
        t.restart();
        flow.uploadClicked();
        if (!waitFor([&] { return view.outcome.has_value(); }, 60000)) {
            ++stuck;
            flow.cancel();
        }
        slowestUpload = std::max(slowestUpload, t.elapsed());
        const std::string up = std::string("upload ") + (view.outcome ? outcomeName(*view.outcome) : "stuck");
        ++outcomes[up];
        if (view.outcome == TransferOutcome::Succeeded) {
            const auto kept = buffer->contents();
            if (fileBytes(target) !=
                QByteArray(reinterpret_cast<const char*>(kept.data()), static_cast<int>(kept.size())))
                ++wrongBytes;
        } else {
            std::fprintf(stderr, "cycle %d: %s: %s\n", cycle, up.c_str(), view.lastMessage.c_str());
        }
        if (engine.state() != EngineState::Idle || flow.busy()) ++stuck;
        if (cycle == 0) {
            rssFirst = statusKb("VmRSS");
            heapFirst = heapInUse();
        }
        if ((cycle + 1) % 20 == 0)
            std::fprintf(stderr, "%d cycles, %lld s, RSS %ld kB, heap in use %ld bytes\n", cycle + 1,
                         static_cast<long long>(total.elapsed() / 1000), statusKb("VmRSS"), heapInUse());
    }
    const long rssEnd = statusKb("VmRSS");
    const long heapEnd = heapInUse();

    std::printf("soak: %d cycles (%d downloads of 40,000 bytes, %d uploads) in %.1f s\n", cycles, cycles, cycles,
                static_cast<double>(total.elapsed()) / 1000.0);
    for (const auto& [what, count] : outcomes) std::printf("  %-24s %d\n", what.c_str(), count);
    std::printf("  stuck runs               %d\n", stuck);
    std::printf("  files not byte for byte  %d\n", wrongBytes);
    std::printf("  slowest download %.2f s, slowest upload %.2f s\n", static_cast<double>(slowestDownload) / 1000.0,
                static_cast<double>(slowestUpload) / 1000.0);
    std::printf("  RSS: start %ld kB, after cycle 1 %ld kB, end %ld kB (growth after cycle 1: %ld kB), peak %ld kB\n",
                rssStart, rssFirst, rssEnd, rssEnd - rssFirst, statusKb("VmHWM"));
    std::printf(
        "  heap in use: start %ld bytes, after cycle 1 %ld bytes, end %ld bytes (growth after cycle 1: %ld bytes)\n",
        heapStart, heapFirst, heapEnd, heapEnd - heapFirst);
    serial.close();
    sim.write("quit\n");
    if (!sim.waitForFinished(3000)) sim.kill();
    return stuck == 0 && wrongBytes == 0 ? 0 : 1;
}
