#include "qtcore/station/station_port.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cstdio>

#include "qtcore/app/path_text.h"
#include "qtcore/transfer/outcome_text.h"

namespace dorvane {

namespace {

std::string nowText() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toStdString(); }

constexpr int kRearmMs = 1000;  // after a box still on refused the start, the next try
// A box gone from the line: no byte from it for this long, while the link
// test asks (its application answers that, its boot loader asks with 'C'
// every second). Until then the box that was served may still be there,
// restarting, and must not get the image a second time.
constexpr Millis kGoneMs = 2500;
constexpr int kGoneCheckMs = 250;

}  // namespace

std::optional<std::string> prepareStationFile(StationSetup& setup) {
    CImageFile probe;
    if (const Status opened = probe.openForRead(setup.file); !opened.ok()) return opened.message();
    if (auto problem = downloadSizeProblem(probe.length(), setup.forced)) return problem;
    QFile file(textFromPath(setup.file));
    if (!file.open(QIODevice::ReadOnly)) return utf8Path(setup.file) + ": " + file.errorString().toStdString();
    const QByteArray bytes = file.readAll();
    setup.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
    setup.bytes.assign(bytes.begin(), bytes.end());
    setup.fileName = utf8Path(setup.file.filename());
    return std::nullopt;
}

StationPort::StationPort(QString port, const StationSetup& setup, StationListener& listener)
    : port_(std::move(port)), setup_(setup), listener_(listener) {
    status_.port = port_;
    session_ = std::make_unique<TransferSession>(*this, setup_.options);
    session_->line().addObserver(this);
    rearm_.setSingleShot(true);
    QObject::connect(&rearm_, &QTimer::timeout, [this] { arm(); });
    QObject::connect(&goneCheck_, &QTimer::timeout, [this] { checkGone(); });
}

StationPort::~StationPort() {
    check_.reset();
    rearm_.stop();
    goneCheck_.stop();
    session_->line().removeObserver(this);
}

bool StationPort::begin() {
    if (const auto failure = session_->openPort(port_)) {
        error(failure->text + " " + failure->advice);
        failed_ = true;
        finished_ = true;
        status_.active = false;
        setPhase(PortPhase::Unusable);
        return false;
    }
    session_->start();
    if (!session_->openFile(setup_.file).ok()) {
        failed_ = true;
        finished_ = true;
        status_.active = false;
        setPhase(PortPhase::Unusable);
        return false;
    }
    if (setup_.forced) session_->setForcedDownload(true);
    rearmLater(0);
    return true;
}

void StationPort::arm() {
    if (stopping_) return finish();
    check_.reset();
    boxSeen_ = false;
    noticed_ = false;
    reason_.clear();
    start_.clear();
    armed_ = true;
    status_.progress = -1;
    status_.etaSeconds = -1;
    setPhase(PortPhase::Waiting);
    session_->download();
}

void StationPort::rearmLater(int ms) {
    armed_ = false;
    rearm_.start(ms);
}

// After a box: the next one is armed once this one has left the line.
void StationPort::awaitNextBox() {
    armed_ = false;
    waitingSaid_ = false;
    goneCheck_.start(kGoneCheckMs);
}

void StationPort::checkGone() {
    if (stopping_) return finish();
    // A box that fell silent while writing may be writing still: silence
    // does not say it has gone until it has been heard again (restarted).
    if (mustHearAgain_ && lastHeardAt_ > endedAt_) mustHearAgain_ = false;
    if (!mustHearAgain_ && session_->loop().now() - lastHeardAt_ >= kGoneMs) {
        goneCheck_.stop();
        return arm();
    }
    if (!waitingSaid_) logLine("Waiting for the STB to be switched off.");
    waitingSaid_ = true;
    setPhase(PortPhase::LeavingLine);
}

void StationPort::stop() {
    if (stopping_ || finished_) return;
    stopping_ = true;
    if (rearm_.isActive() || goneCheck_.isActive()) {
        rearm_.stop();
        goneCheck_.stop();
        return finish();
    }
    // No box on the line yet: nothing to finish.
    if (!boxSeen_) session_->cancel();
}

void StationPort::stopNow() {
    if (finished_) return;
    stopping_ = true;
    rearm_.stop();
    goneCheck_.stop();
    if (check_ && check_->active())
        check_->stop();  // the box's receipt, then the end
    else if (session_->busy())
        session_->stopNow();
    else
        finish();
}

void StationPort::finish() {
    if (finished_) return;
    finished_ = true;
    armed_ = false;
    rearm_.stop();
    goneCheck_.stop();
    status_.active = false;
    status_.progress = -1;
    setPhase(failed_ && status_.boxes == 0 && !stopping_ ? PortPhase::Unusable : PortPhase::Stopped);
    // After the flow's own end, which may still use the port.
    QTimer::singleShot(0, [this] {
        session_->closePort();
        listener_.portFinished(port_);
    });
}

void StationPort::onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) {
    if (direction != LineDirection::FromReceiver || bytes.empty()) return;
    lastHeardAt_ = at;
    if (!armed_ || boxSeen_) return;
    boxSeen_ = true;
    start_ = nowText();
    setPhase(PortPhase::Transferring);
}

void StationPort::setPhase(PortPhase phase) {
    status_.phase = phase;
    listener_.portStatus(status_);
}

// The progress bar's position, of the transfer and then of the writing.
void StationPort::stateChanged(const SessionState& state) {
    if (!armed_ || !boxSeen_) return;
    const bool writing = session_->receiverWriting();
    const int progress = std::clamp(state.progress, 0, 100);
    if (progress == status_.progress && writing == (status_.phase == PortPhase::Writing)) return;
    status_.progress = progress;
    if (writing) status_.etaSeconds = -1;
    setPhase(writing ? PortPhase::Writing : PortPhase::Transferring);
}

void StationPort::figures(const TransferFigures& f) {
    if (!armed_ || !boxSeen_ || session_->receiverWriting()) return;
    status_.etaSeconds = f.eta ? static_cast<int>((*f.eta + 999) / 1000) : -1;
    listener_.portStatus(status_);
}

void StationPort::logLine(const std::string& line) { listener_.portLog(port_, line); }

void StationPort::error(const std::string& text) { listener_.portError(port_, oneLine(text)); }

void StationPort::notice(const SessionNotice& notice) {
    using Kind = SessionNotice::Kind;
    noticed_ = true;
    lastKind_ = notice.kind;
    // A box still on is waited out (see transferEnded); the port's loss
    // comes with the transfer's own error.
    if (notice.kind == Kind::Refusal || notice.kind == Kind::PortLost) return;
    if (notice.kind == Kind::Succeeded) {
        logLine(oneLine(notice.text));
        return;
    }
    const std::string text = notice.joined(" ");
    if (reason_.empty()) reason_ = oneLine(text);
    error(text);
}

std::optional<std::filesystem::path> StationPort::chooseUploadTarget() {
    return check_ ? check_->uploadTarget() : std::nullopt;
}

void StationPort::transferEnded(const SessionOutcome& outcome) {
    if (check_ && check_->uploadEnded(outcome)) return;
    armed_ = false;
    const bool stillOn =
        outcome.outcome == TransferOutcome::NotStarted && noticed_ && lastKind_ == SessionNotice::Kind::Refusal;
    if (stillOn && !stopping_) {
        if (!waitingSaid_) logLine("Waiting for the STB to be switched off.");
        waitingSaid_ = true;
        return rearmLater(kRearmMs);
    }
    if (!boxSeen_) {
        // No box came: stopped while waiting, the port failed, or the wait ran out.
        if (outcome.outcome == TransferOutcome::PortError || outcome.outcome == TransferOutcome::NotStarted)
            failed_ = failed_ || !stopping_;
        const bool goOn = setup_.repeat && !stopping_ && outcome.outcome == TransferOutcome::TimedOut;
        return goOn ? rearmLater(kRearmMs) : finish();
    }
    if (setup_.verify && outcome.outcome == TransferOutcome::Succeeded) {
        // The receipt waits for the channel data read back.
        downloaded_ = outcome;
        check_ = std::make_unique<ChannelCheck>(
            *session_, setup_.bytes, setup_.verifyBoundMs, [this](const ChannelCheckResult& result) {
                QTimer::singleShot(0, [this, result] { boxEnded(downloaded_, result); });
            });
        logLine("Verifying: waiting for the STB's application to read its channel data back.");
        status_.progress = -1;
        setPhase(PortPhase::Verifying);
        check_->start();
        return;
    }
    boxEnded(outcome, std::nullopt);
}

// (The check stays until the next box: a stopped upload may report its end late.)
void StationPort::boxEnded(const SessionOutcome& outcome, const std::optional<ChannelCheckResult>& check) {
    writeReceipt(outcome, check);
    mustHearAgain_ = noticed_ && lastKind_ == SessionNotice::Kind::WritingSilent;
    endedAt_ = session_->loop().now();
    if (setup_.repeat && !stopping_ && outcome.outcome != TransferOutcome::PortError) return awaitNextBox();
    finish();
}

void StationPort::writeReceipt(const SessionOutcome& outcome, const std::optional<ChannelCheckResult>& check) {
    Receipt r;
    r.port = port_.toStdString();
    if (!serialLooked_) {  // (listing the ports takes a while: not before the first box)
        serialLooked_ = true;
        for (const SerialPortEntry& entry : CSerialPort::availablePorts())
            if (entry.name == port_) serial_ = entry.serialNumber;
    }
    if (!serial_.isEmpty()) r.serial = serial_.toStdString();
    r.start = start_;
    r.end = nowText();
    r.file = setup_.fileName;
    r.sha256 = setup_.sha256;
    r.takeRecord(outcome.infoRecord);
    r.bytes = outcome.figures.bytes;
    r.resent = outcome.figures.resent;
    r.timeouts = outcome.figures.timeouts;
    if (check) r.verify = check->text;
    if (check && !check->verified()) {
        // Written to its end, but what the box holds is not what was sent
        // (or could not be read back): never ok.
        r.result = "verify-failed";
        r.reason = check->text;
    } else if (outcome.outcome == TransferOutcome::Succeeded && outcome.infoRecord.size() == 128) {
        r.result = "ok";
    } else if (outcome.outcome == TransferOutcome::Succeeded) {
        // A boot loader that answers with ACK does not report its writing.
        r.result = "unconfirmed";
        r.reason = "The STB does not report its writing: check its display.";
    } else {
        r.result = outcomeName(outcome.outcome);
        r.reason = reason_.empty() ? std::string("Transferring canceled!") : reason_;
    }
    if (r.result != "ok") failed_ = true;
    ++boxes_;
    logLine("Box " + std::to_string(boxes_) + ": " + r.result + (r.reason.empty() ? "" : ": " + r.reason) + " (" +
            outcome.summary() + ")");
    status_.boxes = boxes_;
    status_.ok += r.result == "ok" ? 1 : 0;
    status_.lastResult = r.result;
    status_.lastReason = r.reason;
    if (r.bootVersion) status_.bootVersion = *r.bootVersion;
    if (r.appVersion) status_.appVersion = *r.appVersion;
    status_.progress = -1;
    status_.etaSeconds = -1;
    listener_.receipt(r);
    listener_.portStatus(status_);
}

}  // namespace dorvane
