#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

#include "app/path_text.h"
#include "cli/commands_all.h"
#include "cli/station_port.h"
#include "cli/transfer_session.h"
#include "flow/operator_flow.h"
#include "image/image_file.h"

namespace dorvane::cli {

namespace {

volatile std::sig_atomic_t gStationSignal = 0;
extern "C" void onStationSignal(int signal) { gStationSignal = signal; }

// A station waits for its boxes as long as it takes.
constexpr Millis kStationStartTimeout = Millis{24} * 60 * 60 * 1000;

// The image, checked once for every port: readable, not empty, within the
// bound unless forced; its name and SHA-256 for the receipts.
bool prepareImage(StationSetup& setup) {
    CImageFile probe;
    if (const Status opened = probe.openForRead(setup.file); !opened.ok()) {
        std::fprintf(stderr, "dorvane: %s\n", opened.message().c_str());
        return false;
    }
    if (const auto problem = downloadSizeProblem(probe.length(), setup.forced)) {
        std::fprintf(stderr, "dorvane: %s\n", problem->c_str());
        return false;
    }
    QFile file(textFromPath(setup.file));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "dorvane: %s: %s\n", utf8Path(setup.file).c_str(), file.errorString().toLocal8Bit().constData());
        return false;
    }
    const QByteArray bytes = file.readAll();
    setup.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
    setup.bytes.assign(bytes.begin(), bytes.end());
    setup.fileName = utf8Path(setup.file.filename());
    return true;
}

// Signals: the first Ctrl-C lets the boxes on the line finish and takes no
// new one; a second one, SIGTERM and SIGHUP stop every port at once.
class StationSignals {
public:
    explicit StationSignals(std::vector<std::unique_ptr<StationPort>>& ports) {
        gStationSignal = 0;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) old_[i] = std::signal(kSignals[i], onStationSignal);
        QObject::connect(&timer_, &QTimer::timeout, [this, &ports] {
            if (!gStationSignal) return;
            const int signal = gStationSignal;
            gStationSignal = 0;
            handle(signal, ports);
        });
        timer_.start(100);
    }
    ~StationSignals() {
        timer_.stop();
        for (std::size_t i = 0; i < std::size(kSignals); ++i) std::signal(kSignals[i], old_[i]);
    }
    StationSignals(const StationSignals&) = delete;
    StationSignals& operator=(const StationSignals&) = delete;
    int stoppedBy() const { return stoppedBy_; }

private:
#ifdef SIGHUP
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
#else
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
#endif

    void handle(int signal, std::vector<std::unique_ptr<StationPort>>& ports) {
        if (signal == SIGINT && !interrupted_) {
            interrupted_ = true;
            std::fprintf(stderr, "dorvane: Stopping after the boxes on the line; Ctrl-C again stops at once.\n");
            for (auto& port : ports) port->stop();
            return;
        }
        stoppedBy_ = signal;
        for (auto& port : ports)
            if (port->writing())
                std::fprintf(stderr, "dorvane: The STB is writing its memory! Do not switch it off until its own "
                                     "display says it is done.\n");
        for (auto& port : ports) port->stopNow();
    }

    QTimer timer_;
    void (*old_[std::size(kSignals)])(int) = {};
    bool interrupted_ = false;
    int stoppedBy_ = 0;
};

int runStation(const QStringList& args, const CommandLine& options) {
    if (args.size() != 1)
        return usageError(stationCommand(), args.isEmpty() ? QStringLiteral("a file is needed")
                                                           : QStringLiteral("only one file at a time"));
    const QStringList portNames = options.values("port");
    if (portNames.isEmpty()) return usageError(stationCommand(), QStringLiteral("at least one --port is needed"));
    if (options.isSet("csv") && !options.isSet("report"))
        return usageError(stationCommand(), QStringLiteral("--csv needs --report"));

    StationSetup setup;
    setup.file = std::filesystem::absolute(pathFromText(args.first()));
    setup.repeat = options.isSet("repeat");
    setup.forced = options.isSet("forced");
    setup.verify = options.isSet("verify");
    setup.verifyBoundMs = verifyBoundMs();
    applyTimeoutOverrides(setup.options.flowTimes, setup.options.engineTimeouts);
    setup.options.flowTimes.startTimeout = kStationStartTimeout;
    setup.options.figuresPeriodMs = 1000;
    if (!prepareImage(setup)) return kExitFailure;
    if (setup.verify && !ChannelCheck::isChannelData(setup.bytes))
        return usageError(stationCommand(), QStringLiteral("--verify is for channel data (a file that begins with \"IRZ\")"));

    const QString report = options.value("report");
    const bool csv = options.isSet("csv");
    bool reportFailed = false;
    const auto onReceipt = [&](const Receipt& receipt) {
        if (report.isEmpty()) return;
        if (const QString error = appendReceipt(report, receipt, csv); !error.isEmpty()) {
            std::fprintf(stderr, "dorvane: %s\n", error.toLocal8Bit().constData());
            reportFailed = true;
        }
    };
    std::vector<std::unique_ptr<StationPort>> ports;
    const auto onFinished = [&ports] {
        for (const auto& port : ports)
            if (!port->finished()) return;
        QCoreApplication::exit(0);
    };
    for (const QString& name : portNames)
        ports.push_back(std::make_unique<StationPort>(name, setup, onReceipt, onFinished));

    bool anyStarted = false;
    for (auto& port : ports) anyStarted = port->begin() || anyStarted;
    if (!anyStarted) return kExitFailure;

    StationSignals watch(ports);
    QCoreApplication::exec();
    if (watch.stoppedBy() != 0) return 128 + watch.stoppedBy();
    for (const auto& port : ports)
        if (port->failed()) return kExitFailure;
    return reportFailed ? kExitFailure : kExitOk;
}

}  // namespace

const Command& stationCommand() {
    static const Command command{
        "station", "FILE",
        "Downloads FILE into one STB after another on each port at once: every port\n"
        "waits for its STB to be switched on, downloads, follows the writing to its\n"
        "end and (with --repeat) waits for the next STB. Ctrl-C takes no new STB and\n"
        "ends once the STBs on the line are done; a second one, SIGTERM and SIGHUP\n"
        "stop at once. Exit status 0 only when every STB reported ok.",
        {
            {.name = "port", .valueName = "PORT", .needs = "a port name",
             .description = "a serial port with an STB (repeat it for every port)"},
            {.name = "repeat", .description = "after an STB, wait for the next one on its port"},
            {.name = "report", .valueName = "REPORT", .needs = "a file name",
             .description = "append one line per STB to REPORT (JSON lines)"},
            {.name = "csv", .description = "write the report as CSV (a header row first)"},
            {.name = "forced", .description = "skip the buyer check and the 64 MiB bound"},
            {.name = "verify",
             .description = "channel data: once the STB's application answers, read its\n"
                            "channel data back and compare it with FILE"},
        },
        runStation};
    return command;
}

}  // namespace dorvane::cli
