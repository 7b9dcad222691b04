#include <algorithm>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_buffer.h"
#include "core/flow/operator_flow.h"
#include "core/flow/operator_flow_texts.h"
#include "core/transfer/frames.h"

namespace dorvane {

using namespace flow_texts;

// ---------------------------------------------------------------------------
// Engine reports

void OperatorFlow::onReceiverIdentified(const ReceiverAnswer& answer) {
    ackAnswer_ = answer.dialect == ReceiverDialect::AckBootLoader;
    dialect_ = answer.dialect;
    if (!answer.record) return;
    view_.appendLog("STB Boot Ver : " + versionWordText(answer.record->bootVersion));
    view_.appendLog("STB App Ver : " + versionWordText(answer.record->appVersion));
}

void OperatorFlow::showUploadPercent(int shown) {
    if (shown == lastUploadPercent_) return;
    lastUploadPercent_ = std::min(shown, 100);
    showProgress(lastUploadPercent_, format("Uploading %d%% ...", lastUploadPercent_));
}

void OperatorFlow::onTransferEvent(const EngineReport& report) {
    if (const auto* link = report.as<LinkAnswer>()) {
        display_.receiverOn = link->receiverOn;
        view_.displayChanged(display_);
        return;
    }
    // What the engine posted before the transfer ended (a stop, a time-out)
    // no longer concerns anybody.
    if (!busy_ || onTransferFailure(report)) return;
    if (onDownloadEvent(report)) return;
    switch (report.event) {
        case EngineEvent::Started:
            if (report.state == EngineState::UploadArm) onUploadStarted();
            break;
        case EngineEvent::UploadProgress: {
            const UploadedBytes& uploaded = *report.as<UploadedBytes>();
            showUploadPercent(uploaded.percent + kUploadProgressStart);
            break;
        }
        case EngineEvent::UploadEnded: onUploadEnd(*report.as<UploadOutcome>()); break;
        default: break;
    }
}

void OperatorFlow::onUploadStarted() {
    view_.appendLog("Uploading process started.");
    view_.appendLog("Send upload command and wait ack..");
    cancelTimer(startTimeout_);
    showProgress(kUploadProgressStart, format("Uploading %d%% ...", kUploadProgressStart));
}

// The events of a download; false for the others.
bool OperatorFlow::onDownloadEvent(const EngineReport& report) {
    switch (report.event) {
        case EngineEvent::Started:
            if (report.state != EngineState::WaitStart) return false;
            cancelTimer(startTimeout_);
            view_.appendLog("Downloading process started.");
            return true;
        case EngineEvent::ReceiverIdentified: onReceiverIdentified(*report.as<ReceiverAnswer>()); return true;
        case EngineEvent::DataStarted: onDataStarted(); return true;
        case EngineEvent::BuyerRefused: onBuyerRefused(); return true;
        case EngineEvent::WriteFailed: onWriteFailed(report.state); return true;
        case EngineEvent::BlockAcked: onBlocksSent(report.as<AckedBlock>()->bytes); return true;
        case EngineEvent::BatchEnded: onBatchEnded(); return true;
        case EngineEvent::WritingStarted:
            view_.appendLog("Writing Image started.");
            if (ackAnswer_) startBlink();
            return true;
        case EngineEvent::WritingProgress: {
            // The receiver's own figure; a byte beyond 100 is not shown as one.
            const int percent = std::clamp(report.as<WritingReport>()->reported, 0, 100);
            showProgress(percent, format("Downloading %d%% ...", percent));
            return true;
        }
        case EngineEvent::WritingEnded: onWritingEnd(); return true;
        default: return false;
    }
}

void OperatorFlow::onBatchEnded() {
    view_.appendLog("Transferring ended.");
    if (!ackAnswer_) return;
    endTransfer();
    view_.showNotice(NoticeKind::Succeeded, kAckEnd);
    finish(TransferOutcome::Succeeded);
}

// The events that end a transfer whatever its state; false for the others.
bool OperatorFlow::onTransferFailure(const EngineReport& report) {
    const EngineEvent event = report.event;
    if (event == EngineEvent::ReceiverSilent || event == EngineEvent::TooManyErrors) {
        // The STB went quiet (or turned to noise) after all its data: the
        // data is kept, whatever ended the file.
        const UploadOutcome* upload = report.as<UploadOutcome>();
        if (const auto reason = upload ? unfinishedUploadReason(*upload) : std::nullopt) {
            cancelTimer(elapsedTimer_);
            endTransfer();
            failUpload(*reason, *upload);
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

void OperatorFlow::onDataStarted() {
    view_.appendLog(ackAnswer_ ? "Transferring started!" : "Transferring started.");
    progressScale_ = ackAnswer_ ? kWholeTransferScale : kBootLoaderTransferScale;
}

// A frame that could not be written whole: the header block's repeat is
// only logged (its first sending is not), a data block's ends the transfer.
void OperatorFlow::onWriteFailed(EngineState state) {
    if (state == EngineState::WaitHeaderAnswer)
        view_.appendLog("Serial Port Internal Error: Write");
    else if (state == EngineState::DataWriteFailed)
        onTransferTimeout();
}

void OperatorFlow::onBuyerRefused() {
    endTransfer();
    view_.showNotice(NoticeKind::Refused, kRefused);
    view_.appendLog(kRefused);
    finish(TransferOutcome::Refused);
}

void OperatorFlow::onBlocksSent(std::int64_t bytes) {
    transferred_ += bytes;
    // The last block counts 1,024 even when it is short; the bar does not go
    // beyond the whole file.
    const auto length = static_cast<std::int64_t>(image_.isOpen() ? image_.length() : 0);
    const int percent =
        length > 0 ? static_cast<int>(progressScale_ * std::min<std::int64_t>(transferred_, length) / length) : 0;
    showProgress(percent, format("Downloading %d%% ...", percent));
}

void OperatorFlow::onUploadEnd(const UploadOutcome& outcome) {
    cancelTimer(elapsedTimer_);
    if (outcome.moreFiles) view_.appendLog(kMoreFilesLine);
    if (!outcome.completed) {
        // The target stays as it was.
        endTransfer();
        if (const auto reason = unfinishedUploadReason(outcome)) {
            failUpload(*reason, outcome);
            return;
        }
        view_.appendLog(kUploadFailedLine);
        keepUploadResult(UploadResult::Kind::NotSaved, kUploadFailedBox);
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
        failUpload(reason, outcome);
        return;
    }
    showProgress(100, format("Uploading %d%% ...", 100));
    endTransfer();
    saveUpload();
}

// Why an upload that did not complete still brought data worth keeping:
// every announced byte came but the end of the file did not, or the file
// ended short of what its header announced. Nothing for the other ends.
std::optional<std::string> OperatorFlow::unfinishedUploadReason(const UploadOutcome& outcome) const {
    if (kind_ != Kind::Upload || outcome.stored == 0) return std::nullopt;
    if (outcome.announced > 0 && outcome.announced <= ChannelDataBuffer::kCapacity &&
        outcome.stored >= outcome.announced)
        return std::string(kEndMissing);
    if (outcome.end == UploadEnd::FileEnded && outcome.stored < outcome.announced)
        return format(kSizesDisagree, outcome.announced, outcome.stored);
    return std::nullopt;
}

// The received bytes a recovery file keeps: the announced file when it is
// channel data, otherwise everything that arrived.
std::span<const std::uint8_t> OperatorFlow::uploadToKeep(const UploadOutcome& outcome) const {
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
void OperatorFlow::failUpload(const std::string& reason, const UploadOutcome& outcome) {
    view_.appendLog(kUploadFailedLine);
    view_.appendLog(reason);
    std::string box = std::string(kUploadFailedLine) + " " + reason + " \n" + kUploadUnchanged;
    const auto kept = keepRecoveryCopy(uploadToKeep(outcome));
    if (kept) {
        view_.appendLog("Uploading data is kept in");
        view_.appendLog(" " + utf8Path(*kept));
        box += " The received data is kept in " + utf8Path(*kept);
    }
    keepUploadResult(UploadResult::Kind::NotSaved, reason, kept);
    view_.showNotice(NoticeKind::Failed, box);
    finish(TransferOutcome::Failed);
}

void OperatorFlow::onWritingEnd() {
    cancelTimer(elapsedTimer_);
    view_.appendLog("Writing Image stopped.");
    setRunning(FlowDisplay::Running::None);
    if (ackAnswer_) {
        stopBlink();
        cancelTimer(startTimeout_);
        busy_ = false;
        showProgressText("Writing image stopped.");
        engine_.reset();
    } else {
        showProgress(100, "Downloading 100% ...");
        endTransfer();
    }
    view_.appendLog("Downloading stopped successfully!");
    if (!ackAnswer_) view_.showNotice(NoticeKind::Succeeded, kEnqEnd);
    finish(TransferOutcome::Succeeded);
}

}  // namespace dorvane
