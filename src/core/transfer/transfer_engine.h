#pragma once

#include <coroutine>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "core/common/event_loop.h"
#include "core/image/image_file.h"
#include "core/transfer/frames.h"
#include "core/transfer/lifetime_guard.h"

namespace dorvane {

class ChannelDataBuffer;
class SerialLink;

// Engine states, with their fixed numbers; every report carries the state.
enum class EngineState : int {
    Idle = 0,
    WaitStart = 16,         // download: waiting for 'C'
    UploadArm = 17,         // upload: arm the receiver
    WaitHeaderAnswer = 32,  // ENQ + record, or ACK 'C'
    SendingData = 48,
    UploadReceive = 49,
    DataWriteFailed = 50,  // only as the state of WriteFailed for a data block
    EndingFile = 64,
    UploadEnd = 65,
    WaitWriting = 80,
    WaitWritingEnd = 96,
    WritingProgress = 101,
};

// What the engine reports. Each report carries the engine's state at that
// moment and, where the event has one, a typed detail (see EngineReport).
enum class EngineEvent {
    // Download: the boot loader's 'C' came and the header block went out.
    // Upload: the sender's first answer after the arming.
    Started,
    // How the receiver answered the header block (ReceiverAnswer), once per
    // download, before the data or the refusal.
    ReceiverIdentified,
    // The receiver took the header block (and its record passed the buyer
    // check): the data blocks start.
    DataStarted,
    BuyerRefused,    // the image's buyer code does not fit the receiver's record
    UnexpectedByte,  // a byte that answers nothing while the header block waits
    // A frame could not be written whole: the header block (in the state
    // it went out in) or a data block (state DataWriteFailed).
    WriteFailed,
    BlockAcked,       // AckedBlock
    UploadProgress,   // UploadedBytes, from the second data block on
    BatchEnded,       // download: the batch is closed
    UploadEnded,      // UploadOutcome
    WritingStarted,   // VT
    WritingProgress,  // WritingReport, the receiver's byte after RS
    WritingEnded,     // FF
    LinkTested,       // LinkAnswer, the idle link poll's result
    // Each of the following comes with the engine's state at that moment
    // and leaves the engine idle. The receiver fell silent beyond the bound
    // of the running wait (an upload's carries its UploadOutcome):
    ReceiverSilent,
    // The port failed while open:
    PortFailed,
    // The receiver refused the same thing too often in a row (a data block,
    // the EOT) or kept asking for the header block without ever answering
    // it: the line or the receiver is broken.
    TooManyErrors,
    // The receiver stopped reporting while it writes its memory (state 80,
    // 101 or 96). The engine goes idle without the link test, which would
    // disturb it.
    WritingSilent,
    // The image could not be read up to the length its header block
    // announced (it shrank, or a read failed); CAN CAN went to the receiver.
    SourceFailed,
    // A download: the receiver restarted before it had written the image
    // (its boot loader asked for a file again, or its information record
    // broke off). Nothing more goes to it: it waits for a header block, and
    // the end of our batch would be taken for one.
    ReceiverRestarted,
};

constexpr int number(EngineState state) { return static_cast<int>(state); }
const char* eventName(EngineEvent event);

// How a receiver's boot loader answers the header block: with ENQ and its
// information record (it then reports its writing), or with ACK and 'C' as
// a standard YMODEM receiver (its writing is not followed).
enum class ReceiverDialect { InfoRecord, AckBootLoader };

// ReceiverIdentified: the dialect, and for the information record its
// fields when the record has the length a record has (its versions are
// shown only then).
struct ReceiverAnswer {
    ReceiverDialect dialect = ReceiverDialect::AckBootLoader;
    std::optional<InfoRecord> record;
    std::vector<std::uint8_t> recordBytes;  // the 128 bytes as they came
};

// BlockAcked: the data block the receiver acknowledged (1 for the first)
// and the bytes it counts for in the progress (a whole block, even the
// short last one).
struct AckedBlock {
    int block = 0;
    std::int64_t bytes = 0;
};

// UploadProgress: how much of the announced file is stored.
struct UploadedBytes {
    int percent = 0;  // stored * 100 / announced
    std::uint32_t stored = 0;
};

// WritingProgress: the receiver's progress byte as it sent it (0..255).
struct WritingReport {
    int reported = 0;
};

// LinkTested: the receiver's application answered the link test.
struct LinkAnswer {
    bool receiverOn = false;
};

// How an upload's exchange ended.
enum class UploadEnd {
    None,           // no upload ran yet
    FileEnded,      // the sender ended the file (EOT)
    HeaderTooLong,  // a 1,024-byte header block, refused
    BlockFailed,    // a block failed its check too often (CAN went out)
    LineErrors,     // too many frames in a row could not be read
    SenderSilent,   // the sender fell silent after the first block
    NoFirstBlock,   // no block came at all
};

// What the last upload came to.
struct UploadOutcome {
    UploadEnd end = UploadEnd::None;
    int pairs = 0;           // name/length pairs of the header block
    bool moreFiles = false;  // a second file was offered after ours (refused with CAN)
    bool completed = false;  // header block taken, file ended, every announced byte stored
    std::uint32_t announced = 0;
    std::uint32_t stored = 0;
};

using EngineDetail =
    std::variant<std::monostate, ReceiverAnswer, AckedBlock, UploadedBytes, WritingReport, LinkAnswer, UploadOutcome>;

// One report of the engine.
struct EngineReport {
    EngineEvent event = EngineEvent::Started;
    EngineState state = EngineState::Idle;
    EngineDetail detail;

    // The detail as T, or nullptr when the report carries another.
    template <class T>
    const T* as() const {
        return std::get_if<T>(&detail);
    }
};

// Receives the engine's reports. They are always delivered from the
// event loop (posted with schedule(0)), never from inside an engine call.
class TransferListener {
public:
    virtual ~TransferListener() = default;
    virtual void onTransferEvent(const EngineReport& report) = 0;
};

// How long the engine waits for the receiver. Every wait has a bound; a
// receiver that stays silent beyond it ends the transfer with
// EngineEvent::ReceiverSilent.
struct EngineTimeouts {
    // Any answer to the header block, a data block, an EOT, the
    // end-of-batch block, and the rest of an InfoRecord or of a byte pair.
    // Long enough for peers that time out on their side first (a YMODEM
    // receiver that lost a block NAKs it after up to 10 s).
    Millis reply = 15000;
    // The whole InfoRecord from its ENQ on: 128 bytes take 11 ms on the
    // line. One that breaks off (the receiver restarted) ends here.
    Millis infoRecord = 500;
    // A 'C' that comes on its own after this long a quiet line is a boot
    // loader asking again after a restart (also where it would complete an
    // InfoRecord); one among other bytes is noise.
    Millis restartQuiet = 100;
    // The ACK of the end-of-batch block. A receiver that acknowledged the
    // EOT has the whole file; some exit right after the final block and
    // their ACK never arrives, so after this wait the batch counts as ended.
    Millis batchAck = 5000;
    // A receiver that answered the header block with ACK and 'C' asks with
    // 'C' for an end-of-batch block it found bad, once, and then waits for it
    // ten seconds; a boot loader that restarted asks with 'C' again and again
    // (every second or so) and would take that block for a new file's header.
    // So the block goes again only after this wait without a second 'C'.
    Millis batchAskAgain = 2500;
    // From the end of the batch until VT, and between the receiver's
    // progress reports while it writes its memory. A receiver may erase
    // for minutes; it must never be taken for dead too early.
    Millis writing = 600000;
    // After a stop question answered No: how long an ACK for the DC1 that
    // went out in place of a block may take before the next block goes.
    Millis dc1Answer = 1500;
    // Upload: from arming until the first block (header or data block 1)
    // while 'C' goes out every uploadAsk ms.
    Millis firstBlock = 30000;
    Millis uploadArmPause = 200;  // from arming to the first 'C'
    // 'C' cadence before the first block: the first uploadQuickAsks come
    // uploadAsk apart, the rest uploadAskLater apart, as a standard
    // receiver asks. A sender that starts late answers every request it
    // finds waiting (some give up after ten).
    Millis uploadAsk = 200;
    int uploadQuickAsks = 3;
    Millis uploadAskLater = 3000;
    Millis uploadByte = 1000;  // each byte within a block
    // Silence after an accepted block: a NAK asks again (our ACK may have
    // been lost), up to maxSilenceNaks times; a sender that resends on its
    // own after 10 s is still heard.
    Millis uploadSilence = 3000;
    int maxSilenceNaks = 5;
    // A frame that cannot be read is skipped until the line has been quiet
    // this long (within uploadQuietBound) before the NAK.
    Millis uploadQuiet = 250;
    Millis uploadQuietBound = 1000;
    // A copy of the last accepted block that starts within this time of our
    // ACK, with no NAK of ours in between, was already answered by it.
    Millis duplicateGrace = 1000;
    int maxBadBlocks = 5;    // CRC failures of the same block before CAN
    int maxLineErrors = 10;  // unreadable frames in a row
    int maxDuplicates = 10;  // copies of the last accepted block in a row
    // Link test: from BEL to the look at the queue.
    Millis linkLook = 200;
    // Link poll period while idle.
    Millis linkPollPeriod = 500;
    // How often a data block or the EOT goes again after a NAK, and the
    // header block after a late 'C', before the transfer ends with
    // kTooManyErrors.
    int maxRepeats = 10;
    // A 'C' this long after the header block asks for it again (one that
    // crossed the block on the line comes within milliseconds).
    Millis headerRepeatAfter = 2000;
    // A 'C' this long after data block 1 went out asks for it again: a
    // standard receiver that found it bad asks with 'C' rather than NAK as
    // long as it has no block yet (the block takes 90 ms on the line; a 'C'
    // that crossed it comes sooner).
    Millis firstBlockRepeatAfter = 150;
};

// The conversation with the receiver: download of the image, upload of the
// channel data, link test. Runs on the event loop, never blocks, never
// sleeps; reads bytes from the link's receive queue when the link reports a
// burst.
class CTransferEngine {
public:
    CTransferEngine(EventLoop& loop, SerialLink& link, CImageFile& image, ChannelDataBuffer& buffer,
                    EngineTimeouts timeouts = {});
    ~CTransferEngine();
    CTransferEngine(const CTransferEngine&) = delete;
    CTransferEngine& operator=(const CTransferEngine&) = delete;

    // Stores the listener and takes over the link's data and failure
    // handlers.
    void attach(TransferListener* listener);

    EngineState state() const { return state_; }
    // WaitStart starts a download, UploadArm an upload (the upload asks
    // at once; it does not wait for the receiver to speak first).
    void setState(EngineState state);
    // Back to idle: sequence 1, no stop request, counters 0, state 0, any
    // running wait cancelled; restarts the link poll.
    void reset();

    void startLinkPoll();
    void stopLinkPoll();
    bool linkPollRunning() const { return pollTimer_ != 0; }
    // Link test: BEL, look at the oldest received byte 200 ms later; done
    // gets true when it is ACK. Calls made while a test runs share its
    // result.
    void pollLink(std::function<void(bool)> done);

    // CR LF "loadb up curdb y" CR LF, each byte its own write; done runs
    // 200 ms after the last byte.
    void sendUploadCommand(std::function<void()> done);

    void requestStop() { stopRequest_ = true; }
    // Ends the stop question with No: the transfer goes on at once.
    void cancelStopRequest();
    bool stopRequested() const { return stopRequest_; }

    void setForcedDownload(bool forced) { forced_ = forced; }
    bool forcedDownload() const { return forced_; }

    // How the receiver of the running (or last) download answered its
    // header block; ACK and 'C' until it answered.
    ReceiverDialect dialect() const {
        return ackAnswer_ ? ReceiverDialect::AckBootLoader : ReceiverDialect::InfoRecord;
    }

    const UploadOutcome& uploadOutcome() const { return upload_; }
    // Waits for the receiver that ran out, since construction (the
    // progress reports count them).
    int expiredWaits() const { return expiredWaits_; }

    // The receiver writes its memory (states 80, 101, 96): it must not be
    // switched off or disturbed.
    bool receiverWriting() const;
    // Blocks are being exchanged (download states 32, 48, 64; upload 17, 49).
    bool exchangingBlocks() const;
    // CAN CAN while blocks are exchanged, so that the receiver (or sender)
    // gives up at once; call reset() after it.
    void releaseReceiver();
    const EngineTimeouts& timeouts() const { return timeouts_; }

    // One step over the queued bytes (what a burst of received bytes
    // triggers); public for the link adapters.
    void onPortData();
    // The link failed while open.
    void onPortFailure();

    struct UploadTask;  // the running upload (a coroutine)

private:
    // Download.
    void stepIdle();
    void stepWaitStart();
    void stepWaitHeaderAnswer();
    void stepSendingData();
    void stepEndingFile();
    void stepWaitWriting();
    void stepWritingProgress();
    void stepWaitWritingEnd();
    void sendHeaderBlock();
    enum class SendResult { Full, NotFull, Failed };
    SendResult sendDataBlock();
    void sourceFailed();
    void blockAcknowledged();
    void afterBlockSent(SendResult result);
    void enterEndingFile();
    bool backToEotAnswer();
    void finishInfoRecord();
    void receiverRestarted();
    bool takeRequestInData(std::uint8_t& byte);
    bool restartRequest(std::uint8_t byte, bool enqToo = false) const;
    bool restartAfterData(std::uint8_t byte) const;

    // Upload.
    void startUpload();
    void resumeUploadOnData();
    void resumeUpload(std::coroutine_handle<> handle);
    void endUpload();
    void destroyUpload();
    friend struct UploadRunner;

    // Notifications and deadlines.
    void post(EngineState state, EngineEvent event, EngineDetail detail = {});
    void identifyReceiver(ReceiverDialect dialect);
    void armDeadline(Millis delay);
    void disarmDeadline();
    void onDeadline();
    void giveUp(EngineEvent event);
    void cancelPoll();
    void finishPoll();
    std::size_t writeBytes(std::span<const std::uint8_t> bytes);
    bool takeByte(std::uint8_t& byte);

    EventLoop& loop_;
    SerialLink& link_;
    CImageFile& image_;
    ChannelDataBuffer& buffer_;
    EngineTimeouts timeouts_;
    TransferListener* listener_ = nullptr;
    LifetimeGuard lifetime_;  // for posted notifications and steps

    EngineState state_ = EngineState::Idle;
    EngineState mode_ = EngineState::Idle;
    std::uint8_t sequence_ = 1;
    int blockIndex_ = 0;
    bool lastBlock_ = false;
    bool stopRequest_ = false;
    bool forced_ = false;
    bool ackAnswer_ = true;
    InfoRecord receiverInfo_{kInfoRecordLength, 0, 0, 0};

    // Waits inside the download states.
    enum class Pending {
        None,
        InfoRecord,       // collecting the 128 bytes after ENQ
        CAfterAck,        // state 32: ACK seen, 'C' due
        EotAnswer,        // state 64: first answer to EOT
        SecondEotAck,     // state 64: ACK for the second EOT
        CAfterEotAck,     // state 64: 'C' after the EOT's ACK
        BatchAck,         // state 64: ACK for the end-of-batch block
        BatchAskedAgain,  // state 64: a 'C' asked for that block again; it goes after batchAskAgain
        ProgressByte,     // state 101: RS seen, progress byte due
        InfoAckPause,     // state 32: ACK of the record sent, first block due
        WritingDone,      // state 96: FF seen, nothing more awaited
    };
    Pending pending_ = Pending::None;
    std::vector<std::uint8_t> record_;
    bool heldAck_ = false;         // a DC1 went out in place of the next block
    std::uint64_t announced_ = 0;  // length in the header block
    int repeats_ = 0;              // sends of the current block, EOT or header block after the first
    Millis headerSentAt_ = 0;
    Millis firstBlockSentAt_ = 0;
    Millis lastByteAt_ = 0;              // when the last byte was taken
    Millis quietBefore_ = 0;             // how long the line was quiet before it
    bool firstBlockAskedAgain_ = false;  // a late 'C' sent block 1 again

    EventLoop::TimerId deadline_ = 0;
    int expiredWaits_ = 0;
    EventLoop::TimerId pauseTimer_ = 0;   // 50 ms after the ACK of an InfoRecord
    EventLoop::TimerId resumeTimer_ = 0;  // after No, for the DC1's answer
    EventLoop::TimerId pollTimer_ = 0;
    EventLoop::TimerId pollLook_ = 0;
    std::vector<std::function<void(bool)>> pollWaiters_;
    bool pollFromTimer_ = false;
    bool stepping_ = false;
    bool stepAgain_ = false;

    // Upload.
    std::unique_ptr<UploadTask> upload_task_;
    UploadOutcome upload_;
    std::coroutine_handle<> byteWaiter_;
    EventLoop::TimerId byteWaitTimer_ = 0;
    bool byteWaitExpired_ = false;
};

}  // namespace dorvane
