#include "qtcore/transfer/transfer_session.h"

#include "core/database/channel_data_buffer.h"
#include "core/flow/operator_advice.h"
#include "qtcore/serial/port_diagnosis.h"

namespace dorvane {

std::string SessionNotice::joined(const std::string& separator) const {
    if (advice.empty()) return text;
    return adviceFirst() ? advice + separator + text : text + separator + advice;
}

namespace {

SessionNotice::Kind noticeKind(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::Refusal: return SessionNotice::Kind::Refusal;
        case NoticeKind::Failed: return SessionNotice::Kind::Failed;
        case NoticeKind::Succeeded: return SessionNotice::Kind::Succeeded;
        case NoticeKind::TimedOut: return SessionNotice::Kind::TimedOut;
        case NoticeKind::WritingSilent: return SessionNotice::Kind::WritingSilent;
        case NoticeKind::Restarted: return SessionNotice::Kind::Restarted;
        case NoticeKind::Refused: return SessionNotice::Kind::Refused;
        case NoticeKind::PortClosed: return SessionNotice::Kind::PortClosed;
        case NoticeKind::PortFailed: return SessionNotice::Kind::PortFailed;
    }
    return SessionNotice::Kind::Failed;
}

}  // namespace

TransferSession::TransferSession(SessionObserver& observer, Options options)
    : observer_(observer),
      options_(options),
      ownBuffer_(options.buffer ? nullptr : std::make_unique<ChannelDataBuffer>()),
      buffer_(options.buffer ? *options.buffer : *ownBuffer_) {
    line_ = std::make_unique<TracingLink>(port_, loop_);
    engine_ = std::make_unique<CTransferEngine>(loop_, *line_, image_, buffer_, options_.engineTimeouts);
    monitor_ = std::make_unique<TransferMonitor>(loop_, [this] { return engine_->expiredWaits(); });
    line_->addObserver(monitor_.get());
    trace_.setRecording(false);
    line_->addObserver(&trace_);
    flow_ = std::make_unique<OperatorFlow>(loop_, *engine_, *line_, image_, buffer_, static_cast<OperatorView&>(*this),
                                           options_.flowTimes);
    QObject::connect(&figuresTimer_, &QTimer::timeout, [this] { onFiguresTick(); });
    QObject::connect(&port_, &CSerialPort::failed, [this](const Status& why) { onPortFailed(why); });
    QObject::connect(&port_, &CSerialPort::bufferFull, [this] {
        observer_.notice({SessionNotice::Kind::BufferFull, "buff full", {}});
    });
}

TransferSession::~TransferSession() {
    figuresTimer_.stop();
    // The flow and the engine go before the line and the port they use.
    flow_.reset();
    engine_.reset();
    line_->removeObserver(&trace_);
    line_->removeObserver(monitor_.get());
    line_.reset();
    port_.close();
}

std::optional<PortOpenFailure> TransferSession::openPort(const QString& name) {
    portName_ = name;
    const Status opened = port_.open(name);
    if (opened.ok()) {
        openFailure_.reset();
        observer_.logLine(QStringLiteral("%1 port was opened successfully!").arg(name).toStdString());
        return std::nullopt;
    }
    const PortAdvice advice = adviseOpenFailure(name, opened, gatherPortFacts(name));
    openFailure_ =
        PortOpenFailure{QStringLiteral("Port(%1) open failed.").arg(name).toStdString(), advice.text.toStdString()};
    return openFailure_;
}

void TransferSession::start() { flow_->start(); }

Result<Inspection> TransferSession::openFile(const std::filesystem::path& path) { return flow_->openFile(path); }

void TransferSession::download() {
    const bool idle = !busy();
    if (idle) begin(TransferMonitor::Kind::Download, flow_->filePath());
    flow_->downloadClicked();
    if (idle) recordTrace();
}

void TransferSession::upload() {
    const bool idle = !busy();
    if (idle) begin(TransferMonitor::Kind::Upload, {});
    flow_->uploadClicked();
    if (idle) recordTrace();
}

// The trace holds the last transfer that started.
void TransferSession::recordTrace() {
    if (ended_) return;
    trace_.restart(loop_.now());
    trace_.setRecording(true);
}

bool TransferSession::interrupt() {
    if (!flow_->interrupt()) return false;
    // Whatever phase it was in, the transfer is over now.
    if (!ended_) endTransfer(FlowEnd{TransferOutcome::Canceled});
    return true;
}

void TransferSession::stopNow() {
    flow_->stopNow();
    if (!ended_) endTransfer(FlowEnd{TransferOutcome::Canceled});
}

// The figures start before the click; a start refused ends them again at once.
void TransferSession::begin(TransferMonitor::Kind kind, const std::filesystem::path& file) {
    const bool download = kind == TransferMonitor::Kind::Download;
    const std::int64_t total = download && image_.isOpen() ? static_cast<std::int64_t>(image_.length()) : 0;
    ended_ = false;
    portAdvice_.clear();
    receivedAtBegin_ = line_->bytesFromReceiver();
    observer_.transferBegun(kind, file, total);
    monitor_->begin(kind, total);
    figuresTimer_.start(options_.figuresPeriodMs);
}

void TransferSession::onPortFailed(const Status& why) {
    const PortAdvice advice = adviseFailureWhileOpen(portName_, why, gatherPortFacts(portName_));
    portAdvice_ = advice.text.toStdString();
    observer_.notice({SessionNotice::Kind::PortLost,
                      QStringLiteral("Port(%1) failed: %2").arg(portName_, advice.text).toStdString(), portAdvice_});
}

std::string TransferSession::adviceFor(NoticeKind kind) const {
    switch (kind) {
        case NoticeKind::TimedOut:
            // Not a byte came back since the transfer began: say where nothing answered.
            if (monitor_->running() && line_->bytesFromReceiver() == receivedAtBegin_)
                return noReceiverAdvice(portName_.toStdString());
            return {};
        case NoticeKind::Refused: return buyerRefusalAdvice(image_.buyerCode(), monitor_->infoRecord());
        case NoticeKind::PortFailed: return portAdvice_;
        case NoticeKind::PortClosed:
            // A transfer needs the port that could not be opened: now the reason.
            if (openFailure_ && !port_.isOpen()) return openFailure_->text + "\n" + openFailure_->advice;
            return {};
        default: return {};
    }
}

void TransferSession::changeState() {
    state_.busy = busy();
    observer_.stateChanged(state_);
}

// ---------------------------------------------------------------- what the flow says

void TransferSession::appendLog(const std::string& line) { observer_.logLine(line); }

void TransferSession::showNotice(NoticeKind kind, const std::string& text) {
    SessionNotice notice{noticeKind(kind), text, adviceFor(kind)};
    if (kind == NoticeKind::PortFailed) portAdvice_.clear();
    observer_.notice(notice);
}

bool TransferSession::askYesNo(const std::string& question) { return observer_.askYesNo(question); }

void TransferSession::displayChanged(const FlowDisplay& display) {
    state_.running = display.running;
    state_.progress = display.progress;
    state_.progressText = display.progressText;
    state_.elapsed = display.elapsed;
    state_.receiverOn = display.receiverOn;
    changeState();
}

// The line speed shown: bytes per second times this (bits on the line, as
// the tool has always counted them).
constexpr std::int64_t kShownBitsPerByte = 9;

// The figures, and the line speed from them, while a transfer runs.
void TransferSession::onFiguresTick() {
    if (!monitor_->running()) return;
    const TransferFigures figures = monitor_->figures();
    observer_.figures(figures);
    if (!flow_->busy()) return;
    state_.lineRate = figures.lastSecondBytes * kShownBitsPerByte;
    changeState();
}

std::optional<std::filesystem::path> TransferSession::chooseUploadTarget() { return observer_.chooseUploadTarget(); }

void TransferSession::fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) {
    observer_.fileInspected(path, result);
}

void TransferSession::transferEnded(const FlowEnd& end) { endTransfer(end); }

void TransferSession::endTransfer(const FlowEnd& end) {
    if (ended_) return;
    ended_ = true;
    figuresTimer_.stop();
    monitor_->end();
    trace_.setRecording(false);
    // No data moves any more.
    if (end.outcome != TransferOutcome::NotStarted) {
        state_.lineRate = 0;
        changeState();
    }
    SessionOutcome result{end.outcome, monitor_->figures(), monitor_->infoRecord(), end.dialect, end.upload};
    observer_.transferEnded(result);
}

}  // namespace dorvane
