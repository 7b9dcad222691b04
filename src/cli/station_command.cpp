#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

#include "cli/commands_all.h"
#include "cli/standard_streams.h"
#include "cli/station_console.h"
#include "cli/transfer_session.h"
#include "core/flow/operator_flow.h"
#include "core/image/image_file.h"
#include "qtcore/app/path_text.h"
#include "qtcore/serial/serial_port.h"
#include "qtcore/station/station_port.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace dorvane::cli {

namespace {

volatile std::sig_atomic_t gStationSignal = 0;
extern "C" void onStationSignal(int signal) { gStationSignal = signal; }

// The station's ports: named ones, or (--ports usb) every USB adapter,
// listed again every few seconds so that adapters plugged in later join.
class Station {
public:
    Station(const StationSetup& setup, StationConsole& console, bool usb)
        : setup_(setup), console_(console), usb_(usb) {
        console_.onPortFinished = [this](const QString&) { checkAllFinished(); };
        QObject::connect(&relist_, &QTimer::timeout, [this] { addUsbPorts(); });
    }
    ~Station() { relist_.stop(); }

    // False when no port could be opened (named ports only).
    bool begin(const QStringList& names) {
        if (usb_) {
            addUsbPorts();
            relist_.start(kRelistMs);
            return true;
        }
        bool anyStarted = false;
        for (const QString& name : names) anyStarted = add(name) || anyStarted;
        return anyStarted;
    }
    std::vector<std::unique_ptr<StationPort>>& ports() { return ports_; }
    void stopListing() {
        stopping_ = true;
        relist_.stop();
        QTimer::singleShot(0, [this] { checkAllFinished(); });  // no port at all
    }
    bool anyFailed() const {
        for (const auto& port : ports_)
            if (port->failed()) return true;
        return false;
    }

private:
    static constexpr int kRelistMs = 2000;

    bool add(const QString& name) {
        ports_.push_back(std::make_unique<StationPort>(name, setup_, console_));
        return ports_.back()->begin();
    }

    // A new adapter, or one plugged in again after its port ended.
    void addUsbPorts() {
        if (stopping_) return;
        for (const SerialPortEntry& entry : CSerialPort::availablePorts()) {
            if (!entry.isUsb()) continue;
            const auto it = std::find_if(ports_.begin(), ports_.end(),
                                         [&](const auto& p) { return p->name() == entry.name && !p->finished(); });
            if (it != ports_.end()) continue;
            std::erase_if(ports_, [&](const auto& p) { return p->name() == entry.name && p->finished(); });
            add(entry.name);
        }
    }

    void checkAllFinished() {
        if (usb_ && !stopping_ && (setup_.repeat || ports_.empty())) return;  // more may come
        for (const auto& port : ports_)
            if (!port->finished()) return;
        QCoreApplication::exit(0);
    }

    const StationSetup& setup_;
    StationConsole& console_;
    bool usb_;
    bool stopping_ = false;
    QTimer relist_;
    std::vector<std::unique_ptr<StationPort>> ports_;
};

// Signals: the first Ctrl-C lets the boxes on the line finish and takes no
// new one; a second one stops every port at once, but while a box writes
// its memory and someone is at the terminal it asks first. SIGTERM and
// SIGHUP stop at once.
class StationSignals {
public:
    StationSignals(Station& station, StationConsole& console) : station_(station), console_(console) {
        gStationSignal = 0;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) old_[i] = std::signal(kSignals[i], onStationSignal);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (!gStationSignal) return;
            const int signal = gStationSignal;
            gStationSignal = 0;
            handle(signal);
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

    bool anyWriting() {
        for (auto& port : station_.ports())
            if (port->writing()) return true;
        return false;
    }

    void handle(int signal) {
        if (signal == SIGINT && !interrupted_) {
            interrupted_ = true;
            console_.stationError("Stopping after the boxes on the line; Ctrl-C again stops at once.");
            station_.stopListing();
            for (auto& port : station_.ports()) port->stop();
            return;
        }
        if (signal == SIGINT && !asking_ && anyWriting() && standardInputIsTerminal()) return ask();
        stopAll(signal);
    }

    // Answered on the terminal without holding up the ports.
    void ask() {
        asking_ = true;
        console_.stationError("An STB is writing its memory. Stop anyway and leave it mid-write? [y/N]");
#ifndef _WIN32
        answer_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(answer_.get(), &QSocketNotifier::activated, [this] {
            char line[16] = {};
            const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
            answer_->setEnabled(false);
            asking_ = false;
            if (n > 0 && (line[0] == 'y' || line[0] == 'Y'))
                stopAll(SIGINT);
            else
                console_.stationError("Going on: the boxes on the line are served to their end.");
        });
#endif
    }

    void stopAll(int signal) {
        stoppedBy_ = signal;
        station_.stopListing();
        for (auto& port : station_.ports())
            if (port->writing())
                console_.stationError(
                    "The STB is writing its memory! Do not switch it off until its own display says "
                    "it is done.");
        for (auto& port : station_.ports()) port->stopNow();
    }

    Station& station_;
    StationConsole& console_;
    QTimer timer_;
    std::unique_ptr<QSocketNotifier> answer_;
    void (*old_[std::size(kSignals)])(int) = {};
    bool interrupted_ = false;
    bool asking_ = false;
    int stoppedBy_ = 0;
};

int runStation(const QStringList& args, const CommandLine& options) {
    if (args.size() != 1)
        return usageError(stationCommand(), args.isEmpty() ? QStringLiteral("a file is needed")
                                                           : QStringLiteral("only one file at a time"));
    const QStringList portNames = options.values("port");
    const QString portsChoice = options.value("ports");
    if (!portsChoice.isEmpty() && portsChoice != QLatin1String("usb"))
        return usageError(stationCommand(), QStringLiteral("--ports takes usb"));
    const bool usb = portsChoice == QLatin1String("usb");
    if (portNames.isEmpty() && !usb)
        return usageError(stationCommand(), QStringLiteral("at least one --port (or --ports usb) is needed"));
    if (!portNames.isEmpty() && usb)
        return usageError(stationCommand(), QStringLiteral("--port and --ports usb do not go together"));
    if (options.isSet("csv") && !options.isSet("report"))
        return usageError(stationCommand(), QStringLiteral("--csv needs --report"));

    StationSetup setup;
    setup.file = std::filesystem::absolute(pathFromText(args.first()));
    setup.repeat = options.isSet("repeat");
    setup.forced = options.isSet("forced");
    setup.verify = options.isSet("verify");
    setup.verifyBoundMs = verifyBoundMs();
    applyTimeoutOverrides(setup.options.flowTimes, setup.options.engineTimeouts);
    setup.options.flowTimes.startTimeout = StationSetup::kStartTimeout;
    setup.options.figuresPeriodMs = 1000;
    if (const auto problem = prepareStationFile(setup)) {
        std::fprintf(stderr, "dorvane: %s\n", problem->c_str());
        return kExitFailure;
    }
    if (setup.verify && !ChannelCheck::isChannelData(setup.bytes))
        return usageError(stationCommand(),
                          QStringLiteral("--verify is for channel data (a file that begins with \"IRZ\")"));

    const bool json = options.isSet("json");
    StationConsole console({.report = options.value("report"),
                            .csv = options.isSet("csv"),
                            .json = json,
                            .table = !json && standardOutputIsTerminal()});
    Station station(setup, console, usb);
    if (!station.begin(portNames)) return kExitFailure;

    StationSignals watch(station, console);
    QCoreApplication::exec();
    if (watch.stoppedBy() != 0) return 128 + watch.stoppedBy();
    if (station.anyFailed()) return kExitFailure;
    return console.reportFailed() ? kExitFailure : kExitOk;
}

}  // namespace

const Command& stationCommand() {
    static const Command command{
        "station",
        "FILE",
        "Downloads FILE into one STB after another on each port at once: every port\n"
        "waits for its STB to be switched on, downloads, follows the writing to its\n"
        "end and (with --repeat) waits for the next STB. On a terminal a table of\n"
        "the ports is drawn under the log. Ctrl-C takes no new STB and ends once the\n"
        "STBs on the line are done; a second one stops at once (while an STB writes\n"
        "it asks first, when there is a terminal to ask at); SIGTERM and SIGHUP stop\n"
        "at once. Exit status 0 only when every STB reported ok.",
        {
            {.name = "port",
             .valueName = "PORT",
             .needs = "a port name",
             .description = "a serial port with an STB (repeat it for every port)"},
            {.name = "ports",
             .valueName = "KIND",
             .needs = "usb",
             .description = "usb: every USB adapter present, and those plugged in later"},
            {.name = "repeat", .description = "after an STB, wait for the next one on its port"},
            {.name = "report",
             .valueName = "REPORT",
             .needs = "a file name",
             .description = "append one line per STB to REPORT (JSON lines)"},
            {.name = "csv", .description = "write the report as CSV (a header row first)"},
            {.name = "json",
             .description = "print one JSON object a line (log, error, state, receipt,\n"
                            "finished), each with its port, instead of text"},
            {.name = "forced", .description = "skip the buyer check and the 64 MiB bound"},
            {.name = "verify",
             .description = "channel data: once the STB's application answers, read its\n"
                            "channel data back and compare it with FILE"},
        },
        runStation};
    return command;
}

}  // namespace dorvane::cli
