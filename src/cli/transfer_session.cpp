#include "cli/transfer_session.h"

#include "cli/standard_streams.h"

#include <QCoreApplication>
#include <QTimer>

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/command.h"
#include "cli/commands_all.h"
#include "cli/transfer_keeping.h"
#include "cli/transfer_reporting.h"
#include "core/image/image_file.h"
#include "core/serial/tracing_link.h"
#include "core/transfer/line_trace.h"
#include "qtcore/app/path_text.h"
#include "qtcore/app/settings.h"
#include "qtcore/serial/port_diagnosis.h"
#include "qtcore/serial/serial_port.h"
#include "qtcore/transfer/channel_check.h"
#include "qtcore/transfer/transfer_session.h"

namespace dorvane::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;
extern "C" void onInterrupt(int signal) { gInterrupted = signal; }

// The window's settings: the command line uses the port the window uses.
constexpr char kWindowApplication[] = "Dorvane_QX";

}  // namespace

void applyTimeoutOverrides(FlowTimes& flow, EngineTimeouts& engine) {
    const char* text = std::getenv("DORVANE_TIMEOUTS");
    if (!text) return;
    for (const QString& item : QString::fromLocal8Bit(text).split(',', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split('=');
        if (kv.size() != 2) continue;
        bool ok = false;
        const Millis v = kv[1].trimmed().toLongLong(&ok);
        if (!ok || v <= 0) continue;
        const QString key = kv[0].trimmed();
        if (key == QLatin1String("start"))
            flow.startTimeout = v;
        else if (key == QLatin1String("reply"))
            engine.reply = v;
        else if (key == QLatin1String("batch"))
            engine.batchAck = v;
        else if (key == QLatin1String("writing"))
            engine.writing = v;
        else if (key == QLatin1String("first"))
            engine.firstBlock = v;
        else if (key == QLatin1String("silence"))
            engine.uploadSilence = v;
    }
}

Millis verifyBoundMs() {
    const char* text = std::getenv("DORVANE_TIMEOUTS");
    for (const QString& item : QString::fromLocal8Bit(text ? text : "").split(',', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split('=');
        bool ok = false;
        const Millis v = kv.size() == 2 ? kv[1].trimmed().toLongLong(&ok) : 0;
        if (ok && v > 0 && kv[0].trimmed() == QLatin1String("verify")) return v;
    }
    return ChannelCheck::kDefaultBoundMs;
}

namespace {

// An observer of the line for as long as the scope lasts.
struct ObserverScope {
    ObserverScope(TracingLink& on, LineObserver* who) : line(on), observer(who) {}
    ~ObserverScope() { line.removeObserver(observer); }
    ObserverScope(const ObserverScope&) = delete;
    ObserverScope& operator=(const ObserverScope&) = delete;
    TracingLink& line;
    LineObserver* observer;
};

}  // namespace

QList<OptionSpec> transferOptions(TransferRequest::Kind kind) {
    const bool download = kind == TransferRequest::Kind::Download;
    QList<OptionSpec> options{
        {.name = "port",
         .valueName = "PORT",
         .needs = "a port name",
         .description = "the serial port (also --port=PORT); by default the port\n"
                        "configured in the window, else the first USB adapter"},
        download ? OptionSpec{.name = "forced", .description = "skip the buyer check and the 64 MiB bound"}
                 : OptionSpec{.name = "force", .description = "replace an existing FILE without asking"},
        {.name = "json",
         .description = "print one JSON object a line instead (start, progress, log,\n"
                        "message, error, result)"},
        {.name = "trace",
         .valueName = "TRACE",
         .needs = "a file name",
         .description = "write every byte of the line in both directions into TRACE"},
    };
    if (download)
        options.append(OptionSpec{.name = "verify",
                                  .description = "channel data: once the STB's application answers, read\n"
                                                 "its channel data back and compare it with FILE"});
    return options;
}

Result<TransferRequest> parseTransferArguments(const QStringList& files, const CommandLine& options,
                                               TransferRequest::Kind kind) {
    TransferRequest request;
    request.kind = kind;
    request.port = options.value("port");
    request.forced = kind == TransferRequest::Kind::Download && options.isSet("forced");
    request.force = kind == TransferRequest::Kind::Upload && options.isSet("force");
    request.json = options.isSet("json");
    request.trace = options.value("trace");
    request.verify = kind == TransferRequest::Kind::Download && options.isSet("verify");
    if (files.size() != 1) return {Error::Failed, files.isEmpty() ? "a file is needed" : "only one file at a time"};
    request.file = std::filesystem::absolute(pathFromText(files.first()));
    return request;
}

namespace {

// A download's file is checked before the port is touched: a file that
// cannot be opened, is empty, or is larger than any image.
bool downloadFileAcceptable(const TransferRequest& request, ReportingView& view) {
    CImageFile probe;
    if (const Status opened = probe.openForRead(request.file); !opened.ok()) {
        view.showError(opened.message());
        return false;
    }
    if (const auto problem = downloadSizeProblem(probe.length(), request.forced)) {
        view.showError(*problem);
        return false;
    }
    return true;
}

// An upload replaces an existing file only when asked to with --force or
// when the user says yes on the terminal.
bool overwriteConfirmed(const TransferRequest& request) {
    std::error_code ec;
    if (request.force || !std::filesystem::exists(request.file, ec) || std::filesystem::is_directory(request.file, ec))
        return true;
    const std::string name = utf8Path(request.file);
    if (!standardInputIsTerminal()) {
        std::fprintf(stderr, "dorvane: %s exists; use --force to replace it.\n", name.c_str());
        return false;
    }
    std::fprintf(stderr, "%s exists. Replace it? [y/N] ", name.c_str());
    std::fflush(stderr);
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin)) return false;
    return answer[0] == 'y' || answer[0] == 'Y';
}

// The exit status of a transfer ended by a signal: 128 + its number.
int interruptedStatus(int signal) { return 128 + signal; }

}  // namespace

namespace {

// The file is checked before the port: a download's image, an upload's
// target that would be replaced.
bool fileAcceptable(const TransferRequest& request, ReportingView& view) {
    if (request.kind == TransferRequest::Kind::Download) return downloadFileAcceptable(request, view);
    return overwriteConfirmed(request);
}

// The trace of the line, written as it goes.
struct TraceOutput {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{nullptr, &std::fclose};
    std::unique_ptr<TraceFileWriter> writer;
    std::unique_ptr<ObserverScope> scope;

    bool open(const QString& path, TracingLink& line, Millis origin, ReportingView& view) {
        file.reset(std::fopen(QFile::encodeName(path).constData(), "w"));
        if (!file) {
            view.showError(QStringLiteral("Can't write the trace to %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno)))
                               .toStdString());
            return false;
        }
        writer = std::make_unique<TraceFileWriter>(file.get(), origin);
        line.addObserver(writer.get());
        scope = std::make_unique<ObserverScope>(line, writer.get());
        return true;
    }
};

bool openChosenPort(TransferSession& session, const PortChoice& choice, ReportingView& view) {
    const QString& portName = choice.name;
    if (!choice.reason.isEmpty())
        view.logLine(
            QStringLiteral("Using port %1: %2 (--port chooses another).").arg(portName, choice.reason).toStdString());
    if (portName.isEmpty()) {
        view.showError("No serial port found: plug in the adapter, or name the port with --port.");
        return false;
    }
    if (const auto failure = session.openPort(portName)) {
        view.showError(failure->text + ' ' + failure->advice);
        view.logLine(failure->text);
        return false;
    }
    return true;
}

constexpr char kWritingWarning[] =
    "The STB is writing its memory! Do not switch it off until its own display says it is done.";

// Signals while the transfer runs. Ctrl-C (SIGINT) stops it, except while
// the STB writes its memory: then the first only warns and a second stops
// waiting. SIGTERM and SIGHUP (the terminal closed) stop it at once in
// every phase, with the warning once when the STB writes. Either way the
// STB gets CAN CAN while blocks go, the report ends with its result, and
// the signal that stopped it decides the exit status.
class InterruptWatch {
public:
    InterruptWatch(TransferSession& session, ReportingView& view) {
        gInterrupted = 0;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) old_[i] = std::signal(kSignals[i], onInterrupt);
        QObject::connect(&timer_, &QTimer::timeout, [this, &session, &view] {
            if (!gInterrupted) return;
            const int signal = gInterrupted;
            gInterrupted = 0;
            if (handle(signal, session, view)) by_ = signal;
        });
        timer_.start(100);
    }
    ~InterruptWatch() { stop(); }
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    void stop() {
        if (!timer_.isActive()) return;
        timer_.stop();
        for (std::size_t i = 0; i < std::size(kSignals); ++i) std::signal(kSignals[i], old_[i]);
    }
    int by() const { return by_; }

private:
#ifdef SIGHUP
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
#else
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
#endif

    // False when the transfer goes on (the first Ctrl-C while the STB writes).
    bool handle(int signal, TransferSession& session, ReportingView& view) {
        if (signal == SIGINT) {
            if (session.interrupt()) return true;
            warned_ = true;
            view.showError(std::string(kWritingWarning) + " Ctrl-C again stops waiting for it.");
            return false;
        }
        if (session.receiverWriting() && !warned_) view.showError(kWritingWarning);
        warned_ = true;
        session.stopNow();
        return true;
    }

    QTimer timer_;
    void (*old_[std::size(kSignals)])(int) = {};
    int by_ = 0;
    bool warned_ = false;
};

// A transfer that ends before it starts: the report says so, exit 1.
int notStarted(ReportingView& view, const TransferSession& session) {
    view.transferEnded(SessionOutcome{TransferOutcome::NotStarted, session.monitor().figures(), {}});
    return kExitFailure;
}

std::unique_ptr<ReportingView> makeReport(const TransferRequest& request, ReportContext context) {
    if (request.json) return std::make_unique<JsonReport>(std::move(context));
    return std::make_unique<TextReport>(std::move(context), standardErrorIsTerminal());
}

// Once the event loop runs: the operator's click on Download or Upload.
void clickWhenRunning(const TransferRequest& request, TransferSession& session) {
    QTimer::singleShot(0, [&request, &session] {
        if (request.kind == TransferRequest::Kind::Download)
            session.download();
        else
            session.upload();
    });
}

}  // namespace

namespace {

// The report's observer, with the channel-data check's upload kept out of
// it: that upload is a step of the download, not a transfer of its own.
class CheckingObserver : public SessionObserver {
public:
    explicit CheckingObserver(ReportingView& view) : view_(view) {}
    void setCheck(ChannelCheck* check) { check_ = check; }

    void logLine(const std::string& line) override { view_.logLine(line); }
    void notice(const SessionNotice& notice) override {
        // The check's own upload asks again while the application is not up.
        if (checking() && notice.kind == SessionNotice::Kind::Refusal) return;
        view_.notice(notice);
    }
    void figures(const TransferFigures& figures) override {
        if (!checking()) view_.figures(figures);
    }
    void stateChanged(const SessionState& state) override { view_.stateChanged(state); }
    void transferBegun(TransferMonitor::Kind kind, const std::filesystem::path& file, std::int64_t total) override {
        if (!checking()) view_.transferBegun(kind, file, total);
    }
    void transferEnded(const SessionOutcome& outcome) override {
        if (check_ && check_->uploadEnded(outcome)) return;
        view_.transferEnded(outcome);
    }
    bool askYesNo(const std::string& question) override { return view_.askYesNo(question); }
    std::optional<std::filesystem::path> chooseUploadTarget() override {
        return check_ ? check_->uploadTarget() : view_.chooseUploadTarget();
    }
    void fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) override {
        view_.fileInspected(path, result);
    }

private:
    bool checking() const { return check_ && check_->active(); }
    ReportingView& view_;
    ChannelCheck* check_ = nullptr;
};

std::vector<std::uint8_t> fileContents(const std::filesystem::path& path) {
    QFile file(textFromPath(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

// --verify after a download that went well: exit 0 only when verified.
int checkChannelData(TransferSession& session, CheckingObserver& observer, ReportingView& view,
                     const std::vector<std::uint8_t>& sent, const InterruptWatch& interrupts) {
    std::optional<ChannelCheckResult> result;
    ChannelCheck check(session, sent, verifyBoundMs(), [&result](const ChannelCheckResult& r) {
        result = r;
        QCoreApplication::exit(0);
    });
    observer.setCheck(&check);
    QTimer stopped;
    QObject::connect(&stopped, &QTimer::timeout, [&] {
        if (interrupts.by() != 0) check.stop();
    });
    stopped.start(100);
    view.logLine("Verifying: waiting for the STB's application to read its channel data back.");
    check.start();
    if (!result) QCoreApplication::exec();
    stopped.stop();
    if (!result) return kExitFailure;
    if (result->verified()) {
        view.logLine("Verify: verified");
        return kExitOk;
    }
    view.showError("Verify: " + result->text);
    return kExitFailure;
}

}  // namespace

int runTransfer(const TransferRequest& request) {
    TransferSession::Options options;
    applyTimeoutOverrides(options.flowTimes, options.engineTimeouts);

    // Start-up as the window does it: open the port, then the link poll.
    PortChoice choice{request.port, {}};
    if (choice.name.isEmpty())
        choice = chooseStartPort(Settings(QString::fromLatin1(kWindowApplication)), CSerialPort::availablePorts());

    const std::unique_ptr<ReportingView> report = makeReport(request, {choice.name.toStdString(), request.file});
    ReportingView& view = *report;
    options.figuresPeriodMs = view.periodMs();
    CheckingObserver observer(view);
    TransferSession session(observer, options);

    // The file is checked before the port.
    if (!fileAcceptable(request, view)) return notStarted(view, session);
    const std::vector<std::uint8_t> sent = request.verify ? fileContents(request.file) : std::vector<std::uint8_t>{};
    if (request.verify && !ChannelCheck::isChannelData(sent)) {
        view.showError("--verify is for channel data: " + utf8Path(request.file) + " does not begin with \"IRZ\".");
        return notStarted(view, session);
    }

    // The trace of the line, written as it goes.
    TraceOutput trace;
    if (!request.trace.isEmpty() && !trace.open(request.trace, session.line(), session.loop().now(), view))
        return notStarted(view, session);
    const TransferKeeper kept(request, choice.name, view, session.trace());
    if (!openChosenPort(session, choice, view)) return notStarted(view, session);
    session.start();

    if (request.kind == TransferRequest::Kind::Download) {
        if (!session.openFile(request.file).ok()) return notStarted(view, session);
        if (request.forced) session.setForcedDownload(true);
    }

    InterruptWatch interrupts(session, view);

    clickWhenRunning(request, session);
    if (!view.ended()) QCoreApplication::exec();

    int status = view.outcome() == TransferOutcome::Succeeded ? kExitOk : kExitFailure;
    if (status == kExitOk && request.verify && interrupts.by() == 0)
        status = checkChannelData(session, observer, view, sent, interrupts);

    interrupts.stop();
    if (trace.writer) trace.writer->flush();
    session.closePort();
    if (interrupts.by() != 0) return interruptedStatus(interrupts.by());
    return status;
}

}  // namespace dorvane::cli
