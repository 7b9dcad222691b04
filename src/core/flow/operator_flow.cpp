#include "flow/operator_flow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <span>
#include <vector>

#include <system_error>

#include "database/backup_blob.h"
#include "database/channel_data_buffer.h"
#include "database/replace_file.h"
#include "history/history_keeper.h"
#include "image/image_file.h"
#include "serial/serial_link.h"
#include "transfer/frames.h"

namespace dorvane {


namespace {

template <class... Args>
std::string format(const char* pattern, Args... args) {
    char text[512];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

// Other downloads than the boot loader's fill the whole bar with their blocks.
constexpr int kWholeTransferScale = 100;
// The upload bar starts here once the command went out; the received share
// of the announced length comes on top.
constexpr int kUploadProgressStart = 3;
// The line speed shown: bytes per second times this (bits on the line, as
// the tool has always counted them).
constexpr int kLineBitsPerByte = 9;
// The work file an upload is saved through, beside its target.
constexpr char kUploadWorkFile[] = "_stbdata.irz";

constexpr char kNoFile[] = "Please, Open a File to be downloaded!";
constexpr char kPortClosed[] = "Can't open Serial Port! Please, Check your Serial port setting!";
constexpr char kTurnOff[] = "Before download start, You should turn off the Power of STB";
constexpr char kTurnOn[] =
    "Before upload start, You should turn on the Power of STB and activate 'PC COM' item in 'Software Transfer' menu";
constexpr char kRefused[] = "This image can't be downloaded your STB!";
constexpr char kAckEnd[] =
    "Downloading stopped successfully. \nYou should Check LCD window whether STB has remain job or not!";
constexpr char kEnqEnd[] = "Downloading stopped successfully. \nYour STB will restart now!";
constexpr char kTimeoutBox[] = "Timeout occurred! Please, Check your STB, And retry!";
constexpr char kPortFailedLine[] = "Serial Port Error! The port stopped working.";
constexpr char kPortFailedBox[] = "Serial Port Error! Please, Check your Serial port and STB, And retry!";
constexpr char kTooManyErrorsLine[] = "Transferring failed! Too many errors on the line.";
constexpr char kTooManyErrorsBox[] = "Too many errors on the line! Please, Check your cable and STB, And retry!";
constexpr char kUploadFailedLine[] = "Uploading failed!";
constexpr char kUploadFailedBox[] = "Uploading failed! The file was not changed. Please, Check your STB, And retry!";
constexpr char kUploadUnchanged[] = "The file was not changed.";
constexpr char kNotChannelData[] = "The received data is not channel data: %s.";
constexpr char kSizesDisagree[] = "The STB announced %u bytes and sent %u.";
constexpr char kEndMissing[] = "All the data arrived, but the STB did not end the file (it may have restarted).";
constexpr char kOpenWhileBusy[] = "You can't open a file on downloading...";
constexpr char kWritingSilentLine[] = "The STB stopped reporting while writing its memory.";
constexpr char kWritingSilentBox[] =
    "The STB stopped reporting while writing its memory! \nDo not switch it off until its own display says it is done.";
constexpr char kSourceFailedBox[] = "Downloading failed! The file could not be read to its end: %s";
constexpr char kRestartedLine[] = "The STB restarted before it finished writing! The image was not written.";
constexpr char kRestartedBox[] =
    "The STB restarted before it finished writing! The image was not written. \nPlease, Switch off the STB, "
    "start the download, then switch on the STB.";
constexpr char kMoreFilesLine[] = "The STB offered more than one file; only the first was received.";

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
    if (s >= 3600)
        return format("%lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
    return format("%02lld:%02lld", s / 60, s % 60);
}

std::optional<std::string> downloadSizeProblem(std::uint64_t length, bool forced) {
    if (length == 0) return std::string("The file is empty! There is nothing to download.");
    if (length > kLargestImage && !forced)
        return format("The file is larger than %d MiB, more than any STB takes! Check the file, or use Forced "
                      "download to send it anyway.",
                      static_cast<int>(kLargestImage >> 20));
    return std::nullopt;
}

std::optional<std::string> uploadTargetProblem(const std::filesystem::path& target) {
    std::error_code ec;
    const std::string name = utf8Path(target);
    if (std::filesystem::is_directory(target, ec))
        return "Can't save the upload to " + name + ": it is a folder!";
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
    cancelTimer(throughputTimer_);
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
    if (writing) engine_.stopLinkPoll();
    else engine_.startLinkPoll();
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
        view_.transferEnded(TransferOutcome::NotStarted);
        return;
    }
    if (const auto problem = downloadSizeProblem(image_.length(), forcedDownload())) {
        view_.showNotice(NoticeKind::Refusal, *problem);
        view_.transferEnded(TransferOutcome::NotStarted);
        return;
    }
    if (!link_.isOpen()) {
        view_.showNotice(NoticeKind::PortClosed, kPortClosed);
        view_.transferEnded(TransferOutcome::NotStarted);
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
        view_.transferEnded(TransferOutcome::NotStarted);
        return;
    }
    if (!link_.isOpen()) {  // the port failed during the link test
        view_.showNotice(NoticeKind::PortClosed, kPortClosed);
        view_.transferEnded(TransferOutcome::NotStarted);
        return;
    }
    engine_.stopLinkPoll();
    view_.setDownloadButtonText("Stop");
    view_.setProgress(0, "Waiting Turning on STB...");
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
        view_.transferEnded(TransferOutcome::NotStarted);
        return;
    }
    // Without a chosen target nothing starts (the current file is never
    // taken as the target by default).
    const auto target = view_.chooseUploadTarget();
    if (!target || target->empty()) {
        view_.transferEnded(TransferOutcome::NotStarted);
        return;
    }
    // Nothing is asked of the receiver for a backup that could not be kept.
    if (const auto problem = uploadTargetProblem(*target)) {
        view_.showNotice(NoticeKind::Refusal, *problem);
        view_.transferEnded(TransferOutcome::NotStarted);
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
        view_.transferEnded(TransferOutcome::NotStarted);
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
                    view_.transferEnded(TransferOutcome::NotStarted);
                    return;
                }
                view_.setUploadButtonText("Stop");
                view_.setProgress(0, "Wait Upload Data...");
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
    transferred_ = 0;
    lineRate_.clear();
    uploadCounted_ = 0;
    startTime_ = loop_.now();
    startElapsedTimer();
    startThroughputTimer();
    cancelTimer(startTimeout_);
    startTimeout_ = loop_.schedule(times_.startTimeout, [this] {
        startTimeout_ = 0;
        onTransferTimeout();
    });
}

void OperatorFlow::endTransfer() {
    cancelTimer(throughputTimer_);
    cancelTimer(startTimeout_);
    cancelTimer(elapsedTimer_);
    transferred_ = 0;
    view_.setDownloadButtonText("Download");
    view_.setUploadButtonText("Upload");
    busy_ = false;
    view_.setProgressText("");
    engine_.reset();
}

void OperatorFlow::finish(TransferOutcome outcome) {
    kind_ = Kind::None;
    view_.transferEnded(outcome);
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
        view_.setElapsedText(elapsedText(loop_.now() - startTime_));
    });
}

void OperatorFlow::startThroughputTimer() {
    cancelTimer(throughputTimer_);
    throughputTimer_ = loop_.schedule(times_.tick, [this] {
        throughputTimer_ = 0;
        startThroughputTimer();
        showThroughput();
    });
}

// The line speed: the bytes of the last whole second of line time, in bits.
void OperatorFlow::showThroughput() {
    const std::int64_t perSecond = lineRate_.lastSecond(loop_.now());
    view_.setThroughputText(format("%lld bps", static_cast<long long>(perSecond * kLineBitsPerByte)));
}

// No data moves any more (the receiver writes, or the transfer ended).
void OperatorFlow::dataStopped() {
    cancelTimer(throughputTimer_);
    lineRate_.clear();
    view_.setThroughputText("0 bps");
}

void OperatorFlow::startBlink() {
    cancelTimer(blinkTimer_);
    blinkTimer_ = loop_.schedule(times_.tick, [this] {
        blinkTimer_ = 0;
        startBlink();
        blinkOn_ = !blinkOn_;
        view_.setProgressText(blinkOn_ ? "Wait writing image end..." : "");
    });
}

void OperatorFlow::stopBlink() { cancelTimer(blinkTimer_); }

// ---------------------------------------------------------------------------
// Engine notifications

void OperatorFlow::onTransferInfo(EngineInfo item, std::uint32_t value) {
    switch (item) {
    case EngineInfo::BootVersion:
        view_.appendLog("STB Boot Ver : " + versionWordText(value));
        break;
    case EngineInfo::AppVersion:
        view_.appendLog("STB App Ver : " + versionWordText(value));
        break;
    case EngineInfo::LinkState: view_.setPowerLamp(value != 0); break;
    default: break;
    }
}

void OperatorFlow::showUploadPercent(int shown) {
    if (shown == lastUploadPercent_) return;
    lastUploadPercent_ = std::min(shown, 100);
    view_.setProgress(lastUploadPercent_, format("Uploading %d%% ...", lastUploadPercent_));
}

void OperatorFlow::onTransferEvent(EngineState state, int code) {
    // What the engine posted before the transfer ended (a stop, a time-out)
    // no longer concerns anybody.
    if (!busy_ || onTransferFailure(code)) return;

    switch (state) {
    case EngineState::WaitStart:
        if (code == EngineEvent::Started) {
            cancelTimer(startTimeout_);
            view_.appendLog("Downloading process started.");
        }
        break;
    case EngineState::UploadArm:
        if (code == EngineEvent::Started) {
            view_.appendLog("Uploading process started.");
            view_.appendLog("Send upload command and wait ack..");
            cancelTimer(startTimeout_);
            lineRate_.start(loop_.now());
            view_.setProgress(kUploadProgressStart, format("Uploading %d%% ...", kUploadProgressStart));
        }
        break;
    case EngineState::WaitHeaderAnswer: onHeaderAnswer(code); break;
    case EngineState::SendingData: onBlocksSent(code); break;
    case EngineState::UploadReceive:
        onUploadBlocks();
        showUploadPercent(code + kUploadProgressStart);
        break;
    case EngineState::DataWriteFailed:
        if (code == EngineEvent::WriteFailed) onTransferTimeout();
        break;
    case EngineState::EndingFile:
        dataStopped();
        view_.appendLog("Transferring ended.");
        if (engine_.ackAnswer()) {
            endTransfer();
            view_.showNotice(NoticeKind::Succeeded, kAckEnd);
            finish(TransferOutcome::Succeeded);
        }
        break;
    case EngineState::UploadEnd: onUploadEnd(); break;
    case EngineState::WaitWriting:
        dataStopped();
        view_.appendLog("Writing Image started.");
        if (engine_.ackAnswer()) startBlink();
        break;
    case EngineState::WaitWritingEnd: onWritingEnd(); break;
    case EngineState::WritingProgress: {
        // The receiver's own figure; a byte beyond 100 is not shown as one.
        const int percent = std::clamp(code, 0, 100);
        view_.setProgress(percent, format("Downloading %d%% ...", percent));
        break;
    }
    default: break;
    }
}

// The events that end a transfer whatever its state; false for the others.
bool OperatorFlow::onTransferFailure(int code) {
    const auto event = static_cast<EngineEvent>(code);
    if (event == EngineEvent::ReceiverSilent || event == EngineEvent::TooManyErrors) {
        // The STB went quiet (or turned to noise) after all its data: the
        // data is kept, whatever ended the file.
        if (const auto reason = unfinishedUploadReason()) {
            cancelTimer(throughputTimer_);
            cancelTimer(elapsedTimer_);
            endTransfer();
            failUpload(*reason);
            return true;
        }
    }
    switch (event) {
    case EngineEvent::ReceiverSilent: onTransferTimeout(); return true;
    case EngineEvent::PortFailed: onPortFailed(); return true;
    case EngineEvent::WritingSilent: onWritingSilent(); return true;
    case EngineEvent::SourceFailed: onSourceFailed(); return true;
    case EngineEvent::ReceiverRestarted: onReceiverRestarted(); return true;
    case EngineEvent::TooManyErrors:
        endTransfer();
        view_.appendLog(kTooManyErrorsLine);
        view_.showNotice(NoticeKind::Failed, kTooManyErrorsBox);
        finish(TransferOutcome::Failed);
        return true;
    default: return false;
    }
}

void OperatorFlow::onHeaderAnswer(int code) {
    if (code == EngineEvent::InfoAccepted) {
        view_.appendLog("Transferring started.");
        progressScale_ = kBootLoaderTransferScale;
        lineRate_.start(loop_.now());
    } else if (code == EngineEvent::AckAnswer) {
        view_.appendLog("Transferring started!");
        progressScale_ = kWholeTransferScale;
        lineRate_.start(loop_.now());
    } else if (code == EngineEvent::WriteFailed) {
        view_.appendLog("Serial Port Internal Error: Write");
    } else if (code == EngineEvent::BuyerRefused) {
        endTransfer();
        view_.showNotice(NoticeKind::Refused, kRefused);
        view_.appendLog(kRefused);
        finish(TransferOutcome::Refused);
    }
}

void OperatorFlow::onBlocksSent(int bytes) {
    transferred_ += bytes;
    lineRate_.add(loop_.now(), bytes);
    // The last block counts 1,024 even when it is short; the bar does not go
    // beyond the whole file.
    const auto length = static_cast<std::int64_t>(image_.isOpen() ? image_.length() : 0);
    const int percent =
        length > 0 ? static_cast<int>(progressScale_ * std::min<std::int64_t>(transferred_, length) / length) : 0;
    view_.setProgress(percent, format("Downloading %d%% ...", percent));
}

// The bytes the upload stored since the last report feed the line speed.
void OperatorFlow::onUploadBlocks() {
    const std::int64_t stored = engine_.uploadStoredBytes();
    if (stored > uploadCounted_) lineRate_.add(loop_.now(), stored - uploadCounted_);
    uploadCounted_ = stored;
}

void OperatorFlow::onUploadEnd() {
    cancelTimer(throughputTimer_);
    cancelTimer(elapsedTimer_);
    const UploadOutcome& outcome = engine_.uploadOutcome();
    if (outcome.moreFiles) view_.appendLog(kMoreFilesLine);
    if (!outcome.completed) {
        // The target stays as it was.
        endTransfer();
        if (const auto reason = unfinishedUploadReason()) {
            failUpload(*reason);
            return;
        }
        view_.appendLog(kUploadFailedLine);
        view_.showNotice(NoticeKind::Failed, kUploadFailedBox);
        finish(TransferOutcome::Failed);
        return;
    }
    // Only channel data replaces the target (and turns it into NAME.bak).
    if (const Status check = checkBackupBlob(buffer_.contents()); !check.ok()) {
        endTransfer();
        std::string reason = format(kNotChannelData, check.message().c_str());
        if (outcome.stored > outcome.announced + kBlockData)
            reason += " " + format(kSizesDisagree, outcome.announced, outcome.stored);
        failUpload(reason);
        return;
    }
    view_.setProgress(100, format("Uploading %d%% ...", 100));
    endTransfer();
    saveUpload();
}

// Why an upload that did not complete still brought data worth keeping:
// every announced byte came but the end of the file did not, or the file
// ended short of what its header announced. Nothing for the other ends.
std::optional<std::string> OperatorFlow::unfinishedUploadReason() const {
    const UploadOutcome& outcome = engine_.uploadOutcome();
    if (kind_ != Kind::Upload || outcome.stored == 0) return std::nullopt;
    if (outcome.announced > 0 && outcome.announced <= ChannelDataBuffer::kCapacity &&
        outcome.stored >= outcome.announced)
        return std::string(kEndMissing);
    if (outcome.result == 1 && outcome.stored < outcome.announced)
        return format(kSizesDisagree, outcome.announced, outcome.stored);
    return std::nullopt;
}

// The received bytes a recovery file keeps: the announced file when it is
// channel data, otherwise everything that arrived.
std::span<const std::uint8_t> OperatorFlow::uploadToKeep() const {
    const UploadOutcome& outcome = engine_.uploadOutcome();
    const std::size_t arrived = std::min<std::size_t>(outcome.stored, ChannelDataBuffer::kCapacity);
    const std::span<const std::uint8_t> all(buffer_.data(), arrived);
    if (outcome.announced > 0 && outcome.announced <= arrived) {
        const auto announced = all.first(outcome.announced);
        if (checkBackupBlob(announced).ok()) return announced;
    }
    return all;
}

// An upload whose data is not kept in the target: the target and its
// NAME.bak stay as they were, and what arrived goes to a recovery file.
void OperatorFlow::failUpload(const std::string& reason) {
    view_.appendLog(kUploadFailedLine);
    view_.appendLog(reason);
    std::string box = std::string(kUploadFailedLine) + " " + reason + " \n" + kUploadUnchanged;
    if (const auto kept = keepRecoveryCopy(uploadToKeep())) {
        view_.appendLog("Uploading data is kept in");
        view_.appendLog(" " + utf8Path(*kept));
        box += " The received data is kept in " + utf8Path(*kept);
    }
    view_.showNotice(NoticeKind::Failed, box);
    finish(TransferOutcome::Failed);
}

void OperatorFlow::onWritingEnd() {
    cancelTimer(elapsedTimer_);
    view_.appendLog("Writing Image stopped.");
    view_.setDownloadButtonText("Download");
    if (engine_.ackAnswer()) {
        stopBlink();
        cancelTimer(throughputTimer_);
        cancelTimer(startTimeout_);
        busy_ = false;
        view_.setProgressText("Writing image stopped.");
        engine_.reset();
    } else {
        view_.setProgress(100, "Downloading 100% ...");
        endTransfer();
    }
    view_.appendLog("Downloading stopped successfully!");
    if (!engine_.ackAnswer()) view_.showNotice(NoticeKind::Succeeded, kEnqEnd);
    finish(TransferOutcome::Succeeded);
}

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
        if (const auto kept = keepRecoveryCopy(buffer_.contents())) {
            text += " \nThe received data is kept in " + utf8Path(*kept);
            view_.appendLog("Uploading data is kept in");
            view_.appendLog(" " + utf8Path(*kept));
        }
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
