#include "core/transfer/transfer_engine.h"

#include <algorithm>
#include <array>

#include "core/database/channel_data_buffer.h"
#include "core/image/image_file.h"
#include "core/serial/receive_queue.h"
#include "core/serial/serial_link.h"

namespace dorvane {

namespace {

// After the upload command: the receiver's console takes this long to start
// its sender before the engine listens for the first block.
constexpr Millis kUploadCommandSettle = 200;
// After the ACK of the information record: the receiver's pause before the
// first block comes.
constexpr Millis kFirstBlockPause = 50;

}  // namespace

void CTransferEngine::attach(TransferListener* listener) {
    listener_ = listener;
    link_.setDataHandler([this] { onPortData(); });
    link_.setFailureHandler([this] { onPortFailure(); });
}

// ---------------------------------------------------------------------------
// Notifications: always posted, so that a listener never runs inside an
// engine call and may call back into the engine freely.

void CTransferEngine::post(EngineState state, EngineEvent event, EngineDetail detail) {
    loop_.schedule(0, lifetime_.guard([this, report = EngineReport{event, state, std::move(detail)}] {
        if (listener_) listener_->onTransferEvent(report);
    }));
}

// The receiver's answer to the header block decides how the download goes
// on; it is reported once, with the information record when one came.
void CTransferEngine::identifyReceiver(ReceiverDialect dialect) {
    ReceiverAnswer answer{dialect, std::nullopt, {}};
    if (dialect == ReceiverDialect::InfoRecord) {
        const InfoRecord info = parseInfoRecord(record_);
        if (info.recordLength == receiverInfo_.recordLength) answer.record = info;
        answer.recordBytes = record_;
    }
    post(EngineState::WaitHeaderAnswer, EngineEvent::ReceiverIdentified, std::move(answer));
}

const char* eventName(EngineEvent event) {
    switch (event) {
        case EngineEvent::Started: return "started";
        case EngineEvent::ReceiverIdentified: return "receiver-identified";
        case EngineEvent::DataStarted: return "data-started";
        case EngineEvent::BuyerRefused: return "buyer-refused";
        case EngineEvent::UnexpectedByte: return "unexpected-byte";
        case EngineEvent::WriteFailed: return "write-failed";
        case EngineEvent::BlockAcked: return "block-acked";
        case EngineEvent::UploadProgress: return "upload-progress";
        case EngineEvent::BatchEnded: return "batch-ended";
        case EngineEvent::UploadEnded: return "upload-ended";
        case EngineEvent::WritingStarted: return "writing-started";
        case EngineEvent::WritingProgress: return "writing-progress";
        case EngineEvent::WritingEnded: return "writing-ended";
        case EngineEvent::LinkTested: return "link-tested";
        case EngineEvent::ReceiverSilent: return "receiver-silent";
        case EngineEvent::PortFailed: return "port-failed";
        case EngineEvent::TooManyErrors: return "too-many-errors";
        case EngineEvent::WritingSilent: return "writing-silent";
        case EngineEvent::SourceFailed: return "source-failed";
        case EngineEvent::ReceiverRestarted: return "receiver-restarted";
    }
    return "";
}

std::size_t CTransferEngine::writeBytes(std::span<const std::uint8_t> bytes) { return link_.write(bytes); }

bool CTransferEngine::takeByte(std::uint8_t& byte) {
    if (!link_.receiveQueue().pop(byte)) return false;
    quietBefore_ = loop_.now() - lastByteAt_;
    lastByteAt_ = loop_.now();
    return true;
}

// The byte just taken is a boot loader asking for a file after a restart:
// a 'C' (or, while it writes, an ENQ) on its own after a quiet line.
bool CTransferEngine::restartRequest(std::uint8_t byte, bool enqToo) const {
    if (byte != ctl::C && !(enqToo && byte == ctl::ENQ)) return false;
    return quietBefore_ >= timeouts_.restartQuiet && link_.receiveQueue().empty();
}

bool CTransferEngine::receiverWriting() const {
    return state_ == EngineState::WaitWriting || state_ == EngineState::WritingProgress ||
           state_ == EngineState::WaitWritingEnd;
}

bool CTransferEngine::exchangingBlocks() const {
    return state_ == EngineState::WaitHeaderAnswer || state_ == EngineState::SendingData ||
           state_ == EngineState::EndingFile || state_ == EngineState::UploadArm ||
           state_ == EngineState::UploadReceive;
}

void CTransferEngine::releaseReceiver() {
    if (!exchangingBlocks()) return;
    link_.writeByte(ctl::CAN);
    link_.writeByte(ctl::CAN);
}

// ---------------------------------------------------------------------------
// Deadlines

void CTransferEngine::armDeadline(Millis delay) {
    loop_.cancel(deadline_);
    deadline_ = loop_.schedule(delay, [this] {
        deadline_ = 0;
        onDeadline();
    });
}

void CTransferEngine::disarmDeadline() {
    loop_.cancel(deadline_);
    deadline_ = 0;
}

void CTransferEngine::onDeadline() {
    if (state_ == EngineState::EndingFile && pending_ == Pending::BatchAskedAgain) {
        // No second 'C': a receiver waiting for the block it found bad. (A
        // pause of ours, not a wait that ran out.)
        writeBytes(buildEndOfBatchBlock());
        pending_ = Pending::BatchAck;
        armDeadline(timeouts_.batchAck);
        return;
    }
    ++expiredWaits_;
    // The ACK of the end-of-batch block is the one answer whose loss does
    // not matter: the receiver confirmed the whole file with the EOT's ACK.
    if (state_ == EngineState::EndingFile && pending_ == Pending::BatchAck) {
        pending_ = Pending::None;
        post(EngineState::EndingFile, EngineEvent::BatchEnded);
        state_ = EngineState::WaitWriting;
        armDeadline(timeouts_.writing);
        return;
    }
    if (state_ == EngineState::Idle || state_ == EngineState::WaitStart) return;
    if (state_ == EngineState::WaitHeaderAnswer && pending_ == Pending::InfoRecord) {
        // The record broke off: a receiver that answers at all sends it in
        // one go, so the pause means it restarted (its boot loader's 'C'
        // may already have been read as part of the record).
        receiverRestarted();
        return;
    }
    if (receiverWriting()) {
        // The receiver may still be writing its memory: it must not be
        // disturbed, not even by the link test.
        post(state_, EngineEvent::WritingSilent);
        reset();
        stopLinkPoll();
        return;
    }
    giveUp(EngineEvent::ReceiverSilent);
}

void CTransferEngine::giveUp(EngineEvent event) {
    post(state_, event);
    reset();
}

void CTransferEngine::receiverRestarted() { giveUp(EngineEvent::ReceiverRestarted); }

// ---------------------------------------------------------------------------
// Control

void CTransferEngine::setState(EngineState state) {
    cancelPoll();
    state_ = state;
    if (state == EngineState::WaitStart) {
        mode_ = EngineState::WaitStart;
        pending_ = Pending::None;
        // The receiver may already have spoken ('C' of a boot loader that was
        // switched on early); look at what is queued.
        if (!link_.receiveQueue().empty()) {
            loop_.schedule(0, lifetime_.guard([this] { onPortData(); }));
        }
    } else if (state == EngineState::UploadArm) {
        startUpload();
    }
}

void CTransferEngine::reset() {
    disarmDeadline();
    loop_.cancel(resumeTimer_);
    resumeTimer_ = 0;
    heldAck_ = false;
    loop_.cancel(pauseTimer_);
    pauseTimer_ = 0;
    loop_.cancel(byteWaitTimer_);
    byteWaitTimer_ = 0;
    byteWaiter_ = nullptr;
    destroyUpload();
    pending_ = Pending::None;
    record_.clear();
    repeats_ = 0;
    firstBlockAskedAgain_ = false;
    sequence_ = 1;
    stopRequest_ = false;
    blockIndex_ = 0;
    lastBlock_ = false;
    state_ = EngineState::Idle;
    startLinkPoll();
}

// ---------------------------------------------------------------------------
// Link test

void CTransferEngine::startLinkPoll() {
    if (pollTimer_ != 0) return;
    pollTimer_ = loop_.schedule(timeouts_.linkPollPeriod, [this] {
        pollTimer_ = 0;
        startLinkPoll();
        if (state_ != EngineState::Idle || pollLook_ != 0) return;
        pollFromTimer_ = true;
        pollLink(nullptr);
    });
}

void CTransferEngine::stopLinkPoll() {
    loop_.cancel(pollTimer_);
    pollTimer_ = 0;
    // A test that the timer started and nobody waits for is dropped, so
    // that it cannot take a byte that belongs to the transfer.
    if (pollLook_ != 0 && pollWaiters_.empty()) cancelPoll();
}

void CTransferEngine::pollLink(std::function<void(bool)> done) {
    if (done) pollWaiters_.push_back(std::move(done));
    if (pollLook_ != 0) return;  // a test runs; share its answer
    link_.writeByte(ctl::BEL);
    pollLook_ = loop_.schedule(timeouts_.linkLook, [this] {
        pollLook_ = 0;
        finishPoll();
    });
}

void CTransferEngine::finishPoll() {
    std::uint8_t byte = 0;
    const bool up = takeByte(byte) && byte == ctl::ACK;
    if (state_ == EngineState::Idle) link_.receiveQueue().drain();
    if (pollFromTimer_) post(state_, EngineEvent::LinkTested, LinkAnswer{up});
    pollFromTimer_ = false;
    auto waiters = std::move(pollWaiters_);
    pollWaiters_.clear();
    for (auto& w : waiters) w(up);
}

void CTransferEngine::cancelPoll() {
    if (pollLook_ == 0) return;
    loop_.cancel(pollLook_);
    pollLook_ = 0;
    pollFromTimer_ = false;
    auto waiters = std::move(pollWaiters_);
    pollWaiters_.clear();
    for (auto& w : waiters) w(false);
}

void CTransferEngine::sendUploadCommand(std::function<void()> done) {
    link_.writeByte(ctl::CR);
    link_.writeByte(ctl::LF);
    for (const char ch : std::string_view(kUploadCommand)) link_.writeByte(static_cast<std::uint8_t>(ch));
    link_.writeByte(ctl::CR);
    link_.writeByte(ctl::LF);
    loop_.schedule(kUploadCommandSettle, lifetime_.guard([done = std::move(done)] {
        if (done) done();
    }));
}

// ---------------------------------------------------------------------------
// Steps

void CTransferEngine::onPortData() {
    if (stepping_) {
        stepAgain_ = true;
        return;
    }
    stepping_ = true;
    do {
        stepAgain_ = false;
        switch (state_) {
            case EngineState::Idle: stepIdle(); break;
            case EngineState::WaitStart: stepWaitStart(); break;
            case EngineState::WaitHeaderAnswer: stepWaitHeaderAnswer(); break;
            case EngineState::SendingData: stepSendingData(); break;
            case EngineState::EndingFile: stepEndingFile(); break;
            case EngineState::WaitWriting: stepWaitWriting(); break;
            case EngineState::WritingProgress: stepWritingProgress(); break;
            case EngineState::WaitWritingEnd: stepWaitWritingEnd(); break;
            case EngineState::UploadArm:
            case EngineState::UploadReceive:
            case EngineState::UploadEnd: resumeUploadOnData(); break;
            default: break;
        }
    } while (stepAgain_);
    stepping_ = false;
}

void CTransferEngine::onPortFailure() {
    cancelPoll();
    if (state_ == EngineState::Idle) return;
    giveUp(EngineEvent::PortFailed);
}

void CTransferEngine::stepIdle() {
    // While a link test runs, its answer stays queued for the look.
    if (pollLook_ != 0) return;
    link_.receiveQueue().drain();
}

void CTransferEngine::stepWaitStart() {
    mode_ = EngineState::WaitStart;
    std::uint8_t b = 0;
    while (takeByte(b)) {
        if (b != ctl::C) continue;
        lastBlock_ = false;
        post(EngineState::WaitStart, EngineEvent::Started);
        sendHeaderBlock();
        state_ = EngineState::WaitHeaderAnswer;
        armDeadline(timeouts_.reply);
    }
}

void CTransferEngine::sendHeaderBlock() {
    headerSentAt_ = loop_.now();
    announced_ = image_.length();
    const auto frame = buildHeaderBlock(headerNameFor(image_.type(), image_.fileName()), announced_);
    if (writeBytes(frame) < frame.size()) post(state_, EngineEvent::WriteFailed);
}

void CTransferEngine::stepWaitHeaderAnswer() {
    std::uint8_t b = 0;
    while (state_ == EngineState::WaitHeaderAnswer) {
        if (pending_ == Pending::InfoAckPause) return;  // bytes wait for data phase
        if (!takeByte(b)) return;
        // Only an answer moves the deadline: a receiver that sends anything
        // else (noise, NAKs, repeated requests) cannot keep this wait open.
        switch (pending_) {
            case Pending::InfoRecord:
                // Bounded as a whole from the ENQ on (infoRecord), not byte by byte.
                if (restartRequest(b)) {
                    receiverRestarted();
                    return;
                }
                record_.push_back(b);
                if (record_.size() == kInfoRecordSize) finishInfoRecord();
                continue;
            case Pending::CAfterAck:
                pending_ = Pending::None;
                if (b == ctl::C) {
                    armDeadline(timeouts_.reply);
                    ackAnswer_ = true;
                    identifyReceiver(ReceiverDialect::AckBootLoader);
                    post(EngineState::WaitHeaderAnswer, EngineEvent::DataStarted);
                    state_ = EngineState::SendingData;
                    afterBlockSent(sendDataBlock());
                }
                continue;
            default: break;
        }
        if (b == ctl::ENQ) {
            armDeadline(timeouts_.infoRecord);
            ackAnswer_ = false;
            record_.clear();
            pending_ = Pending::InfoRecord;
        } else if (b == ctl::ACK) {
            // 'C' follows, possibly in the next burst, within the same
            // bound: an ACK followed by anything else, over and over, must
            // not hold the wait open.
            pending_ = Pending::CAfterAck;
        } else if (b == ctl::NAK) {
            // ignored
        } else {
            post(EngineState::WaitHeaderAnswer, EngineEvent::UnexpectedByte);
            // A receiver that asks again long after the header block went
            // out has lost it (a 'C' that crossed the block on the line
            // comes within milliseconds): send it once more.
            if (b == ctl::C && loop_.now() - headerSentAt_ >= timeouts_.headerRepeatAfter) {
                if (++repeats_ > timeouts_.maxRepeats) {
                    giveUp(EngineEvent::TooManyErrors);
                    return;
                }
                sendHeaderBlock();
                armDeadline(timeouts_.reply);
            }
        }
    }
    // The state changed within this step: what is still queued was sent
    // before our answer went out and cannot be an answer to it.
    if (state_ == EngineState::SendingData) link_.receiveQueue().drain();
}

void CTransferEngine::finishInfoRecord() {
    pending_ = Pending::None;
    armDeadline(timeouts_.reply);
    identifyReceiver(ReceiverDialect::InfoRecord);
    const ImageType type = image_.type();
    const bool check =
        !forced_ && (type == ImageType::Boot || type == ImageType::Application || type == ImageType::Database);
    if (check) {
        if (!image_.checkBuyer(record_)) {
            link_.writeByte(ctl::NAK);
            link_.writeByte(ctl::REJECT);
            post(EngineState::WaitHeaderAnswer, EngineEvent::BuyerRefused);
            reset();
            return;
        }
    }
    link_.writeByte(ctl::ACK);
    pending_ = Pending::InfoAckPause;
    pauseTimer_ = loop_.schedule(kFirstBlockPause, [this] {
        pauseTimer_ = 0;
        pending_ = Pending::None;
        link_.receiveQueue().drain();
        post(EngineState::WaitHeaderAnswer, EngineEvent::DataStarted);
        state_ = EngineState::SendingData;
        armDeadline(timeouts_.reply);
        afterBlockSent(sendDataBlock());
    });
}

CTransferEngine::SendResult CTransferEngine::sendDataBlock() {
    // Exactly the bytes the header block announced: a file that shrank or
    // cannot be read any more fails the download; one that grew is sent as
    // it was announced.
    const std::uint64_t offset = static_cast<std::uint64_t>(blockIndex_) * kBlockData;
    const std::size_t want =
        offset < announced_ ? static_cast<std::size_t>(std::min<std::uint64_t>(kBlockData, announced_ - offset)) : 0;
    std::array<std::uint8_t, kBlockData> data{};
    std::size_t n = 0;
    if (want > 0 && image_.seek(offset)) n = image_.read(data.data(), want);
    if (n < want) {
        sourceFailed();
        return SendResult::Failed;
    }
    if (n == 0) {
        lastBlock_ = true;
        return SendResult::NotFull;
    }
    if (blockIndex_ == 0) firstBlockSentAt_ = loop_.now();
    const auto frame = buildDataBlock(sequence_, std::span<const std::uint8_t>(data.data(), n));
    if (writeBytes(frame) < frame.size()) post(EngineState::DataWriteFailed, EngineEvent::WriteFailed);
    return n == kBlockData ? SendResult::Full : SendResult::NotFull;
}

void CTransferEngine::sourceFailed() {
    // The receiver is released at once rather than left to its time-outs.
    link_.writeByte(ctl::CAN);
    link_.writeByte(ctl::CAN);
    giveUp(EngineEvent::SourceFailed);
}

void CTransferEngine::afterBlockSent(SendResult result) {
    if (result != SendResult::NotFull) return;
    if (lastBlock_) {
        enterEndingFile();
    } else {
        lastBlock_ = true;
    }
}

void CTransferEngine::enterEndingFile() {
    repeats_ = 0;
    state_ = EngineState::EndingFile;
    pending_ = Pending::EotAnswer;
    link_.writeByte(ctl::EOT);
    armDeadline(timeouts_.reply);
}

void CTransferEngine::cancelStopRequest() {
    stopRequest_ = false;
    if (state_ != EngineState::SendingData || !heldAck_ || resumeTimer_ != 0) return;
    // A DC1 went out in place of the next block. A receiver that answers it
    // does so with an ACK, which continues the transfer; one that ignores
    // it gets the next block after this short wait instead of running into
    // its own time-out.
    resumeTimer_ = loop_.schedule(timeouts_.dc1Answer, [this] {
        resumeTimer_ = 0;
        if (state_ == EngineState::SendingData && heldAck_ && !stopRequest_) blockAcknowledged();
    });
}

void CTransferEngine::blockAcknowledged() {
    heldAck_ = false;
    repeats_ = 0;
    ++blockIndex_;
    ++sequence_;
    post(EngineState::SendingData, EngineEvent::BlockAcked, AckedBlock{blockIndex_, kBlockData});
    if (lastBlock_) {
        enterEndingFile();
    } else {
        afterBlockSent(sendDataBlock());
    }
}

// A 'C' during the data is a boot loader asking for a new file: it
// restarted and lost what it had. The one exception is block 1 to a
// receiver that answered the header block with ACK and 'C': a standard
// receiver that found block 1 bad asks for it with 'C' again; a restarted
// boot loader refuses that block, which is how it is told apart. False
// when the transfer ended here; byte then holds what the step goes on with.
bool CTransferEngine::takeRequestInData(std::uint8_t& b) {
    const bool standardFirstBlock = blockIndex_ == 0 && ackAnswer_;
    if (b == ctl::NAK && standardFirstBlock && firstBlockAskedAgain_) {
        receiverRestarted();
        return false;
    }
    if (b != ctl::C) return true;
    if (!standardFirstBlock) {
        if (restartRequest(b)) {
            receiverRestarted();
            return false;
        }
        b = 0;  // noise
        return true;
    }
    // A 'C' that crossed block 1 on the line comes within milliseconds.
    if (loop_.now() - firstBlockSentAt_ >= timeouts_.firstBlockRepeatAfter) {
        if (restartRequest(b)) firstBlockAskedAgain_ = true;
        b = ctl::NAK;
    }
    return true;
}

void CTransferEngine::stepSendingData() {
    std::uint8_t b = 0;
    if (!takeByte(b)) return;
    if (!takeRequestInData(b)) return;
    if (b == ctl::ACK || b == ctl::NAK) {
        loop_.cancel(resumeTimer_);
        resumeTimer_ = 0;
    }
    if (b == ctl::ACK) {
        armDeadline(timeouts_.reply);
        if (stopRequest_) {
            link_.writeByte(ctl::DC1);
            heldAck_ = true;
        } else {
            blockAcknowledged();
        }
    } else if (b == ctl::NAK) {
        // A receiver that takes the DC1 for a garbled block refuses it: the
        // block it has goes again (it acknowledges the copy), which keeps it
        // talking while the question is open and costs no repeat.
        if (!heldAck_ && ++repeats_ > timeouts_.maxRepeats) {
            giveUp(EngineEvent::TooManyErrors);
            return;
        }
        armDeadline(timeouts_.reply);
        // The block goes again, the short last one too; the EOT follows
        // only its ACK, so that every answer means one thing.
        const bool wasLast = lastBlock_;
        const SendResult result = sendDataBlock();
        if (!wasLast) afterBlockSent(result);
    }
    // One byte per step, as the receiver answers one block at a time; what
    // else is queued is looked at in the next step.
    if (state_ == EngineState::SendingData && !link_.receiveQueue().empty()) stepAgain_ = true;
}

void CTransferEngine::stepEndingFile() {
    std::uint8_t b = 0;
    while (state_ == EngineState::EndingFile && takeByte(b)) {
        if (restartAfterData(b)) {
            receiverRestarted();
            return;
        }
        switch (pending_) {
            case Pending::EotAnswer:
                if (b == ctl::NAK) {
                    // The receiver refuses the first EOT: send it again.
                    if (++repeats_ > timeouts_.maxRepeats) {
                        giveUp(EngineEvent::TooManyErrors);
                        return;
                    }
                    link_.writeByte(ctl::EOT);
                    pending_ = Pending::SecondEotAck;
                    armDeadline(timeouts_.reply);
                } else if (b == ctl::ACK) {
                    // A receiver that takes the first EOT at once.
                    armDeadline(timeouts_.reply);
                    pending_ = Pending::CAfterEotAck;
                }
                break;
            case Pending::SecondEotAck:
                if (b == ctl::ACK) {
                    pending_ = Pending::CAfterEotAck;
                    armDeadline(timeouts_.reply);
                } else if (!backToEotAnswer()) {
                    return;
                }
                break;
            case Pending::CAfterEotAck:
                if (b == ctl::C) {
                    const auto block = buildEndOfBatchBlock();
                    writeBytes(block);
                    pending_ = Pending::BatchAck;
                    armDeadline(timeouts_.batchAck);
                } else if (!backToEotAnswer()) {
                    return;
                }
                break;
            case Pending::BatchAck:
            case Pending::BatchAskedAgain:
                if (b == ctl::ACK) {
                    pending_ = Pending::None;
                    post(EngineState::EndingFile, EngineEvent::BatchEnded);
                    state_ = EngineState::WaitWriting;
                    armDeadline(timeouts_.writing);
                    if (!link_.receiveQueue().empty()) stepAgain_ = true;
                } else if (b == ctl::NAK) {
                    // The block was not taken; it goes again.
                    writeBytes(buildEndOfBatchBlock());
                    pending_ = Pending::BatchAck;
                } else if (b == ctl::C && ackAnswer_ && pending_ == Pending::BatchAck) {
                    // Only a standard receiver asks for it with 'C'; it goes
                    // again unless a second 'C' says the receiver restarted.
                    pending_ = Pending::BatchAskedAgain;
                    armDeadline(timeouts_.batchAskAgain);
                }
                break;
            default: pending_ = Pending::EotAnswer; break;
        }
    }
}

// The EOTs are answered with NAK and ACK at once, and the end-of-batch
// block with ACK; a 'C' on its own after a quiet line in their place comes
// from a boot loader after a restart, which would take the end-of-batch
// block for a new file's header block. Only the 'C' that asks for the end
// of the batch is expected, and a standard receiver (one that answered the
// header block with ACK and 'C') asks for that block again with 'C' when it
// found it bad (once: a second 'C' on its own is a restarted boot loader).
bool CTransferEngine::restartAfterData(std::uint8_t b) const {
    if (pending_ == Pending::CAfterEotAck) return false;
    if (pending_ == Pending::BatchAck && ackAnswer_) return false;
    return restartRequest(b);
}

// An answer that does not fit the exchange after the EOT starts it over.
// That counts as a repeat, so that a receiver going round in circles (ACK,
// then anything but 'C', again and again) cannot hold the batch open.
bool CTransferEngine::backToEotAnswer() {
    pending_ = Pending::EotAnswer;
    if (++repeats_ <= timeouts_.maxRepeats) return true;
    giveUp(EngineEvent::TooManyErrors);
    return false;
}

// Before its FF a receiver that writes sends only VT, RS and progress
// bytes. A 'C' or an ENQ on its own outside a progress report is its boot
// loader starting again: it restarted and the image was not written.
void CTransferEngine::stepWaitWriting() {
    std::uint8_t b = 0;
    while (takeByte(b)) {
        if (restartRequest(b, true)) {
            receiverRestarted();
            return;
        }
        if (b != ctl::VT) continue;
        post(EngineState::WaitWriting, EngineEvent::WritingStarted);
        state_ = ackAnswer_ ? EngineState::WaitWritingEnd : EngineState::WritingProgress;
        armDeadline(timeouts_.writing);
        // What came after VT is looked at in the next state's step.
        if (!link_.receiveQueue().empty()) stepAgain_ = true;
        return;
    }
}

void CTransferEngine::stepWritingProgress() {
    std::uint8_t b = 0;
    while (takeByte(b)) {
        if (pending_ == Pending::ProgressByte) {
            pending_ = Pending::None;
            armDeadline(timeouts_.writing);
            post(EngineState::WritingProgress, EngineEvent::WritingProgress, WritingReport{b});
            if (b == 100) {
                state_ = EngineState::WaitWritingEnd;
                if (!link_.receiveQueue().empty()) stepAgain_ = true;
                return;
            }
        } else if (b == ctl::RS) {
            pending_ = Pending::ProgressByte;  // the value may come in the next burst
        } else if (restartRequest(b, true)) {
            receiverRestarted();
            return;
        } else if (b == ctl::FF) {
            // Writing finished without a last progress report.
            state_ = EngineState::WaitWritingEnd;
            pending_ = Pending::WritingDone;
            post(EngineState::WaitWritingEnd, EngineEvent::WritingEnded);
            disarmDeadline();
            return;
        }
    }
}

void CTransferEngine::stepWaitWritingEnd() {
    std::uint8_t b = 0;
    while (takeByte(b)) {
        // After the FF the receiver restarts as it should: its 'C' is no sign.
        if (pending_ == Pending::WritingDone) continue;
        if (restartRequest(b, true)) {
            receiverRestarted();
            return;
        }
        if (b != ctl::FF) continue;
        pending_ = Pending::WritingDone;
        post(EngineState::WaitWritingEnd, EngineEvent::WritingEnded);
        // The window ends the transfer; nothing more is awaited here.
        disarmDeadline();
        return;
    }
}

}  // namespace dorvane
