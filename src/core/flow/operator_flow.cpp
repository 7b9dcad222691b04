#include "core/flow/operator_flow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <span>
#include <vector>

#include <system_error>
#include <utility>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_buffer.h"
#include "core/database/replace_file.h"
#include "core/flow/operator_flow_texts.h"
#include "core/history/history_keeper.h"
#include "core/image/image_file.h"
#include "core/serial/serial_link.h"
#include "core/transfer/frames.h"

namespace dorvane {

using namespace flow_texts;

namespace {

// Where the data of an upload that could not be saved is kept: next to the
// target, else in the temporary folder, else in the current one.
std::vector<std::filesystem::path> recoveryFolders(const std::filesystem::path& target) {
    std::vector<std::filesystem::path> out;
    if (!target.parent_path().empty()) out.push_back(target.parent_path());
    std::error_code ec;
    if (auto tmp = std::filesystem::temp_directory_path(ec); !ec) out.push_back(tmp);
    if (auto cwd = std::filesystem::current_path(ec); !ec) out.push_back(cwd);
    return out;
}

bool writeWhole(const std::filesystem::path& path, std::span<const std::uint8_t> data) {
    return replaceFileAtomically(path, data).ok();
}

// The whole file at path, or nothing when it cannot be read or is larger
// than any channel-data file.
std::optional<std::vector<std::uint8_t>> readSmallFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(ChannelDataBuffer::kCapacity + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || static_cast<std::size_t>(in.gcount()) > ChannelDataBuffer::kCapacity) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Whether replacing target may turn it into NAME.bak: only a file that is
// channel data replaces a NAME.bak that exists (the one good backup is not
// traded for a bad file).
bool targetMayBecomeBackup(const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::exists(backupPathFor(target), ec)) return true;
    const auto current = readSmallFile(target);
    return current && checkBackupBlob(*current).ok();
}

}  // namespace

std::string elapsedText(Millis elapsed) {
    const long long s = std::max<long long>(0, elapsed / 1000);
    if (s >= 3600) return format("%lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
    return format("%02lld:%02lld", s / 60, s % 60);
}

std::optional<std::string> downloadSizeProblem(std::uint64_t length, bool forced) {
    if (length == 0) return std::string("The file is empty! There is nothing to download.");
    if (length > kLargestImage && !forced)
        return format(
            "The file is larger than %d MiB, more than any STB takes! Check the file, or use Forced "
            "download to send it anyway.",
            static_cast<int>(kLargestImage >> 20));
    return std::nullopt;
}

std::optional<std::string> uploadTargetProblem(const std::filesystem::path& target) {
    std::error_code ec;
    const std::string name = utf8Path(target);
    if (std::filesystem::is_directory(target, ec)) return "Can't save the upload to " + name + ": it is a folder!";
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    if (!std::filesystem::is_directory(folder, ec))
        return "Can't save the upload to " + name + ": its folder does not exist!";
    // The saving writes a work file beside the target: try that now.
    const std::filesystem::path probe = folder / kUploadWorkFile;
    const bool existed = std::filesystem::exists(probe, ec);
    if (!existed) {
        std::ofstream f(probe, std::ios::binary);
        if (!f) return "Can't save the upload to " + name + ": its folder cannot be written!";
        f.close();
        std::filesystem::remove(probe, ec);
    }
    return std::nullopt;
}

OperatorFlow::OperatorFlow(EventLoop& loop, CTransferEngine& engine, SerialLink& link, CImageFile& image,
                           ChannelDataBuffer& buffer, OperatorView& view, FlowTimes times)
    : loop_(loop), engine_(engine), link_(link), image_(image), buffer_(buffer), view_(view), times_(times) {}

OperatorFlow::~OperatorFlow() {
    lifetime_.end();
    cancelTimer(elapsedTimer_);
    cancelTimer(startTimeout_);
    cancelTimer(blinkTimer_);
    cancelTimer(continuation_);
    engine_.attach(nullptr);
}

void OperatorFlow::cancelTimer(EventLoop::TimerId& id) {
    if (id != 0) loop_.cancel(id);
    id = 0;
}

void OperatorFlow::start() {
    engine_.attach(this);
    engine_.startLinkPoll();
}

Result<Inspection> OperatorFlow::openFile(const std::filesystem::path& path) {
    // The image of a running download is not swapped under it.
    if (busy_ && kind_ == Kind::Download) {
        view_.showNotice(NoticeKind::Refusal, kOpenWhileBusy);
        return Status(Error::Busy, kOpenWhileBusy);
    }
    Result<Inspection> result = inspectImageFile(image_, path);
    filePath_ = path;
    setForcedDownload(false);
    if (result.ok()) {
        for (const auto& line : result->logLines) view_.appendLog(line);
    } else {
        view_.showNotice(NoticeKind::Failed, result.message());
    }
    view_.fileInspected(path, result);
    return result;
}

void OperatorFlow::setForcedDownload(bool forced) { engine_.setForcedDownload(forced); }

bool OperatorFlow::forcedDownload() const { return engine_.forcedDownload(); }

// ---------------------------------------------------------------------------
// Start and stop

void OperatorFlow::askStop(const char* question) {
    engine_.requestStop();
    const bool yes = view_.askYesNo(question);
    // The transfer may have ended while the question was open.
    if (!busy_) {
        engine_.cancelStopRequest();
        return;
    }
    if (!yes) {
        engine_.cancelStopRequest();
        return;
    }
    cancel();
}

void OperatorFlow::cancel() {
    if (starting_) {
        // Still checking the receiver or typing the command: nothing more goes out.
        ++startGeneration_;
        starting_ = false;
        cancelTimer(continuation_);
        engine_.startLinkPoll();
        finish(TransferOutcome::Canceled);
        return;
    }
    if (!busy_) return;
    // A receiver that may still write its memory is left alone: no link
    // test until the next transfer.
    const bool writing = engine_.receiverWriting();
    view_.appendLog("Transferring canceled!");
    stopBlink();
    endTransfer();
    if (writing)
        engine_.stopLinkPoll();
    else
        engine_.startLinkPoll();
    finish(TransferOutcome::Canceled);
}

bool OperatorFlow::interrupt() {
    if (busy_ && engine_.receiverWriting() && !writingWarned_) {
        writingWarned_ = true;
        return false;
    }
    if (busy_) engine_.releaseReceiver();
    cancel();
    return true;
}

void OperatorFlow::stopNow() {
    if (busy_) engine_.releaseReceiver();
    cancel();
}

bool OperatorFlow::receiverWriting() const { return busy_ && engine_.receiverWriting(); }

void OperatorFlow::downloadClicked() {
    if (busy_) {
        askStop("Do you want to stop the downloading?");
        return;
    }
    if (starting_) return;
    if (!image_.isOpen()) {
        view_.showNotice(NoticeKind::Refusal, kNoFile);
        finish(TransferOutcome::NotStarted);
        return;
    }
    if (const auto problem = downloadSizeProblem(image_.length(), forcedDownload())) {
        view_.showNotice(NoticeKind::Refusal, *problem);
        finish(TransferOutcome::NotStarted);
        return;
    }
    if (!link_.isOpen()) {
        view_.showNotice(NoticeKind::PortClosed, kPortClosed);
        finish(TransferOutcome::NotStarted);
        return;
    }
    starting_ = true;
    const int generation = ++startGeneration_;
    engine_.pollLink(lifetime_.guard([this, generation](bool answers) {
        if (generation == startGeneration_) continueDownload(answers);
    }));
}

void OperatorFlow::continueDownload(bool receiverAnswers) {
    starting_ = false;
    if (receiverAnswers) {
        view_.showNotice(NoticeKind::Refusal, kTurnOff);
        finish(TransferOutcome::NotStarted);
        return;
    }
    if (!link_.isOpen()) {  // the port failed during the link test
        view_.showNotice(NoticeKind::PortClosed, kPortClosed);
        finish(TransferOutcome::NotStarted);
        return;
    }
    engine_.stopLinkPoll();
    setRunning(FlowDisplay::Running::Download);
    showProgress(0, "Waiting Turning on STB...");
    beginBusy(Kind::Download);
    engine_.setState(EngineState::WaitStart);
}

void OperatorFlow::uploadClicked() {
    if (busy_) {
        askStop("Do you want to stop the uploading?");
        return;
    }
    if (starting_) return;
    if (!link_.isOpen()) {
        view_.showNotice(NoticeKind::PortClosed, kPortClosed);
        finish(TransferOutcome::NotStarted);
        return;
    }
    // Without a chosen target nothing starts (the current file is never
    // taken as the target by default).
    const auto target = view_.chooseUploadTarget();
    if (!target || target->empty()) {
        finish(TransferOutcome::NotStarted);
        return;
    }
    // Nothing is asked of the receiver for a backup that could not be kept.
    uploadResult_ = UploadResult{UploadResult::Kind::NotSaved, *target, {}, {}};
    if (const auto problem = uploadTargetProblem(*target)) {
        uploadResult_->kind = UploadResult::Kind::Refused;
        uploadResult_->reason = *problem;
        view_.showNotice(NoticeKind::Refusal, *problem);
        finish(TransferOutcome::NotStarted);
        return;
    }
    starting_ = true;
    const int generation = ++startGeneration_;
    engine_.pollLink(lifetime_.guard([this, generation, path = *target](bool answers) {
        if (generation == startGeneration_) continueUpload(answers, path);
    }));
}

void OperatorFlow::continueUpload(bool receiverAnswers, const std::filesystem::path& target) {
    if (!receiverAnswers) {
        starting_ = false;
        view_.showNotice(NoticeKind::Refusal, kTurnOn);
        finish(TransferOutcome::NotStarted);
        return;
    }
    filePath_ = target;
    engine_.stopLinkPoll();
    // The receiver's console gets a pause before and after the command.
    const int generation = startGeneration_;
    continuation_ = loop_.schedule(times_.commandPause, lifetime_.guard([this, generation] {
        continuation_ = 0;
        engine_.sendUploadCommand(lifetime_.guard([this, generation] {
            if (generation != startGeneration_) return;
            continuation_ = loop_.schedule(times_.commandPause, lifetime_.guard([this] {
                continuation_ = 0;
                starting_ = false;
                if (!link_.isOpen()) {
                    view_.showNotice(NoticeKind::PortClosed, kPortClosed);
                    engine_.startLinkPoll();
                    finish(TransferOutcome::NotStarted);
                    return;
                }
                setRunning(FlowDisplay::Running::Upload);
                showProgress(0, "Wait Upload Data...");
                beginBusy(Kind::Upload);
                engine_.setState(EngineState::UploadArm);
            }));
        }));
    }));
}

void OperatorFlow::beginBusy(Kind kind) {
    kind_ = kind;
    busy_ = true;
    writingWarned_ = false;
    ackAnswer_ = true;
    transferred_ = 0;
    startTime_ = loop_.now();
    dialect_.reset();
    startElapsedTimer();
    cancelTimer(startTimeout_);
    startTimeout_ = loop_.schedule(times_.startTimeout, [this] {
        startTimeout_ = 0;
        onTransferTimeout();
    });
}

void OperatorFlow::endTransfer() {
    cancelTimer(startTimeout_);
    cancelTimer(elapsedTimer_);
    transferred_ = 0;
    busy_ = false;
    display_.running = FlowDisplay::Running::None;
    showProgressText("");
    engine_.reset();
}

void OperatorFlow::finish(TransferOutcome outcome) {
    kind_ = Kind::None;
    FlowEnd end{outcome, std::exchange(dialect_, std::nullopt), std::exchange(uploadResult_, std::nullopt)};
    view_.transferEnded(end);
}

void OperatorFlow::keepUploadResult(UploadResult::Kind kind, const std::string& reason,
                                    const std::optional<std::filesystem::path>& kept) {
    if (!uploadResult_) uploadResult_ = UploadResult{};
    uploadResult_->kind = kept ? UploadResult::Kind::Recovered : kind;
    uploadResult_->reason = reason;
    uploadResult_->kept = kept.value_or(std::filesystem::path());
}

void OperatorFlow::onTransferTimeout() {
    endTransfer();
    view_.appendLog("Transferring timeout occurred!");
    view_.showNotice(NoticeKind::TimedOut, kTimeoutBox);
    finish(TransferOutcome::TimedOut);
}

void OperatorFlow::onWritingSilent() {
    stopBlink();
    endTransfer();
    // The receiver is left alone: no link test while it may still write.
    engine_.stopLinkPoll();
    view_.appendLog(kWritingSilentLine);
    view_.showNotice(NoticeKind::WritingSilent, kWritingSilentBox);
    finish(TransferOutcome::TimedOut);
}

void OperatorFlow::onReceiverRestarted() {
    stopBlink();
    endTransfer();
    view_.appendLog(kRestartedLine);
    view_.showNotice(NoticeKind::Restarted, kRestartedBox);
    finish(TransferOutcome::Failed);
}

void OperatorFlow::onSourceFailed() {
    endTransfer();
    const std::string text = format(kSourceFailedBox, utf8Path(image_.path()).c_str());
    view_.appendLog(text);
    view_.showNotice(NoticeKind::Failed, text);
    finish(TransferOutcome::Failed);
}

void OperatorFlow::onPortFailed() {
    endTransfer();
    view_.appendLog(kPortFailedLine);
    view_.showNotice(NoticeKind::PortFailed, kPortFailedBox);
    finish(TransferOutcome::PortError);
}

// ---------------------------------------------------------------------------
// Timers

void OperatorFlow::startElapsedTimer() {
    cancelTimer(elapsedTimer_);
    elapsedTimer_ = loop_.schedule(times_.tick, [this] {
        elapsedTimer_ = 0;
        startElapsedTimer();
        display_.elapsed = loop_.now() - startTime_;
        view_.displayChanged(display_);
    });
}

void OperatorFlow::showProgress(int position, const std::string& text) {
    display_.progress = position;
    display_.progressText = text;
    view_.displayChanged(display_);
}

void OperatorFlow::showProgressText(const std::string& text) {
    display_.progressText = text;
    view_.displayChanged(display_);
}

void OperatorFlow::setRunning(FlowDisplay::Running running) {
    display_.running = running;
    view_.displayChanged(display_);
}

void OperatorFlow::startBlink() {
    cancelTimer(blinkTimer_);
    blinkTimer_ = loop_.schedule(times_.tick, [this] {
        blinkTimer_ = 0;
        startBlink();
        blinkOn_ = !blinkOn_;
        showProgressText(blinkOn_ ? "Wait writing image end..." : "");
    });
}

void OperatorFlow::stopBlink() { cancelTimer(blinkTimer_); }

// ---------------------------------------------------------------------------
// Saving an upload: the data goes into a work file next to the target,
// which then replaces the target in one rename. There is no moment in which
// the target is missing or half written; the file it replaces is kept as
// NAME.bak.

void OperatorFlow::saveUpload() {
    const std::filesystem::path target = filePath_;
    std::filesystem::path work = target.parent_path() / kUploadWorkFile;
    if (work == target) work += ".tmp";

    // A saving that fails keeps the received data in a recovery file and
    // says where; "successfully" is said only once the target holds it.
    auto failed = [&](const std::string& reason) {
        std::string text = reason;
        const auto kept = keepRecoveryCopy(buffer_.contents());
        if (kept) {
            text += " \nThe received data is kept in " + utf8Path(*kept);
            view_.appendLog("Uploading data is kept in");
            view_.appendLog(" " + utf8Path(*kept));
        }
        keepUploadResult(UploadResult::Kind::NotSaved, reason, kept);
        view_.showNotice(NoticeKind::Failed, text);
        finish(TransferOutcome::Failed);
    };

    ReplaceOptions options;
    // The file it replaces stays as NAME.bak, unless that would replace a
    // good NAME.bak with a file that is not channel data.
    options.keepBackup = targetMayBecomeBackup(target);
    options.workFile = work;
    if (const Status replaced = replaceFileAtomically(target, buffer_.contents(), options); !replaced.ok()) {
        failed(replaced.message());
        return;
    }
    view_.appendLog("Uploading finished successfully!");
    keepUploadResult(UploadResult::Kind::Saved, {});
    keepReceivedList(buffer_.contents(), target);

    const Result<Inspection> result = inspectImageFile(image_, target);
    if (result.ok()) {
        for (const auto& line : result->logLines) view_.appendLog(line);
    } else {
        view_.showNotice(NoticeKind::Failed, result.message());
    }
    setForcedDownload(false);
    view_.fileInspected(target, result);
    view_.appendLog("Uploading data is saved to");
    view_.appendLog(" " + utf8Path(target));
    finish(TransferOutcome::Succeeded);
}

std::optional<std::filesystem::path> OperatorFlow::keepRecoveryCopy(std::span<const std::uint8_t> data) {
    const std::time_t now = std::time(nullptr);
    char stamp[32] = "recovered";
    if (const std::tm* t = std::localtime(&now)) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", t);
    for (const auto& folder : recoveryFolders(filePath_)) {
        // An earlier recovery file of the same second is not overwritten.
        std::filesystem::path path = folder / (std::string("stbdata-recovered-") + stamp + ".irz");
        std::error_code ec;
        for (int n = 2; std::filesystem::exists(path, ec) && n < 100; ++n)
            path = folder / (std::string("stbdata-recovered-") + stamp + "-" + std::to_string(n) + ".irz");
        if (writeWhole(path, data)) return path;
    }
    return std::nullopt;
}

}  // namespace dorvane
