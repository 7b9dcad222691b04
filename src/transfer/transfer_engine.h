#pragma once

#include <coroutine>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "transfer/event_loop.h"
#include "transfer/frames.h"

namespace dorvane {

class CImageFile;
class ChannelDataBuffer;
class SerialLink;

// Message numbers of the engine's notifications (kept as the receiver side
// of the program knows them).
inline constexpr int WM_USER = 0x0400;
inline constexpr int WM_PORT_DATA = WM_USER + 1;       // 1025
inline constexpr int WM_TRANSFER_EVENT = WM_USER + 2;  // 1026
inline constexpr int WM_TRANSFER_INFO = WM_USER + 3;   // 1027

// Engine states; the numbers travel in every WM_TRANSFER_EVENT.
namespace engine_state {
inline constexpr int kIdle = 0;
inline constexpr int kWaitStart = 16;         // download: waiting for 'C'
inline constexpr int kUploadArm = 17;         // upload: arm the receiver
inline constexpr int kWaitHeaderAnswer = 32;  // ENQ + record, or ACK 'C'
inline constexpr int kSendingData = 48;
inline constexpr int kUploadReceive = 49;
inline constexpr int kDataWriteFailed = 50;  // only as wParam of (50, 60)
inline constexpr int kEndingFile = 64;
inline constexpr int kUploadEnd = 65;
inline constexpr int kWaitWriting = 80;
inline constexpr int kWaitWritingEnd = 96;
inline constexpr int kWritingProgress = 101;
}  // namespace engine_state

// lParam of WM_TRANSFER_EVENT.
namespace engine_event {
inline constexpr int kInfoAccepted = 10;      // (32, 10)
inline constexpr int kWritingStarted = 11;    // (80, 11)
inline constexpr int kWritingEnded = 12;      // (96, 12)
inline constexpr int kAckAnswer = 20;         // (32, 20)
inline constexpr int kBatchEnded = 30;        // (64, 30), (65, 30)
inline constexpr int kStarted = 40;           // (16, 40), (17, 40)
inline constexpr int kWriteFailed = 60;       // (16|32, 60), (50, 60)
inline constexpr int kBuyerRefused = 102;     // (32, 102)
inline constexpr int kUnexpectedByte = 254;   // (32, 254)
inline constexpr int kBlockAcked = 1024;      // (48, 1024)
// Our own additions, outside every range the others use (progress bytes
// are 0..255): the receiver fell silent beyond the bound of the running
// wait, or the port failed while open. Both come with the engine's state at
// that moment and leave the engine idle.
inline constexpr int kReceiverSilent = 2000;
inline constexpr int kPortFailed = 2001;
// The receiver refused the same thing too often in a row (a data block, the
// EOT) or kept asking for the header block without ever answering it: the
// line or the receiver is broken, and the transfer ends instead of going on
// for ever. Also leaves the engine idle.
inline constexpr int kTooManyErrors = 2002;
// The receiver stopped reporting while it writes its memory (state 80, 101
// or 96). The engine goes idle without the link test, which would disturb it.
inline constexpr int kWritingSilent = 2003;
// The image could not be read up to the length its header block announced
// (it shrank, or a read failed); CAN CAN went to the receiver.
inline constexpr int kSourceFailed = 2004;
}  // namespace engine_event

// wParam of WM_TRANSFER_INFO.
namespace engine_info {
inline constexpr int kBootVersion = 16;
inline constexpr int kAppVersion = 32;
inline constexpr int kLinkState = 48;
}  // namespace engine_info

// Receives the engine's notifications. They are always delivered from the
// event loop (posted with schedule(0)), never from inside an engine call.
class TransferListener {
public:
    virtual ~TransferListener() = default;
    virtual void onTransferEvent(int state, int code) = 0;  // WM_TRANSFER_EVENT
    virtual void onTransferInfo(int item, std::uint32_t value) = 0;  // WM_TRANSFER_INFO
};

// How long the engine waits for the receiver. Every wait has a bound; a
// receiver that stays silent beyond it ends the transfer with
// (state, kReceiverSilent).
struct EngineTimeouts {
    // Any answer to the header block, a data block, an EOT, the
    // end-of-batch block, and the rest of an InfoRecord or of a byte pair.
    // Long enough for peers that time out on their side first (a YMODEM
    // receiver that lost a block NAKs it after up to 10 s).
    Millis reply = 15000;
    // The ACK of the end-of-batch block. A receiver that acknowledged the
    // EOT has the whole file; some exit right after the final block and
    // their ACK never arrives, so after this wait the batch counts as ended.
    Millis batchAck = 5000;
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
    Millis uploadAsk = 200;       // 'C' cadence before the first block
    Millis uploadByte = 1000;     // each byte within a block
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
    int maxBadBlocks = 5;     // CRC failures of the same block before CAN
    int maxLineErrors = 10;   // unreadable frames in a row
    // Link test: from BEL to the look at the queue.
    Millis linkLook = 200;
    // Link poll period while idle.
    Millis linkPollPeriod = 500;
    // How often a data block or the EOT goes again after a NAK, and the
    // header block after a late 'C', before the transfer ends with
    // kTooManyErrors.
    int maxRepeats = 10;
};

// What the last upload came to.
struct UploadOutcome {
    // 1: the file ended; -1: 1,024-byte header block; -2: a block failed too
    // often; -3: too many unreadable frames; -6: the sender fell silent;
    // -100: no first block.
    int result = 0;
    int pairs = 0;             // name/length pairs of the header block
    bool completed = false;    // header block taken, file ended, every announced byte stored
    std::uint32_t announced = 0;
    std::uint32_t stored = 0;
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

    int state() const { return state_; }
    // 16 starts a download, 17 an upload (the upload starts at once; it does
    // not wait for the receiver to speak first).
    void setState(int state);
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

    // 1 when the receiver answered the header block with ACK and 'C' (its
    // writing is not followed), 0 after ENQ and an InfoRecord. Starts at 1.
    bool ackAnswer() const { return ackAnswer_; }

    const UploadOutcome& uploadOutcome() const { return upload_; }

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

    // Upload.
    void startUpload();
    void resumeUploadOnData();
    void resumeUpload(std::coroutine_handle<> handle);
    void endUpload();
    void destroyUpload();
    friend struct UploadRunner;

    // Notifications and deadlines.
    void post(int state, int code);
    void postInfo(int item, std::uint32_t value);
    void armDeadline(Millis delay);
    void disarmDeadline();
    void onDeadline();
    void giveUp(int code);
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
    std::shared_ptr<bool> alive_;

    int state_ = engine_state::kIdle;
    int mode_ = 0;
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
        InfoRecord,    // collecting the 128 bytes after ENQ
        CAfterAck,     // state 32: ACK seen, 'C' due
        EotAnswer,     // state 64: first answer to EOT
        SecondEotAck,  // state 64: ACK for the second EOT
        CAfterEotAck,  // state 64: 'C' after the EOT's ACK
        BatchAck,      // state 64: ACK for the end-of-batch block
        ProgressByte,  // state 101: RS seen, progress byte due
        InfoAckPause,  // state 32: ACK of the record sent, first block due
    };
    Pending pending_ = Pending::None;
    std::vector<std::uint8_t> record_;
    bool heldAck_ = false;       // a DC1 went out in place of the next block
    std::uint64_t announced_ = 0;  // length in the header block
    int repeats_ = 0;            // sends of the current block, EOT or header block after the first
    Millis headerSentAt_ = 0;

    EventLoop::TimerId deadline_ = 0;
    EventLoop::TimerId pauseTimer_ = 0;  // 50 ms after the ACK of an InfoRecord
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
