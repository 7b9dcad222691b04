// The receiving side of an upload: the tool asks for the receiver's channel
// data with 'C' and collects the blocks in the channel-data buffer. Written
// as coroutines so that the exchange reads in order while every byte wait
// is a timer on the event loop rather than a blocking read.

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include "core/database/channel_data_buffer.h"
#include "core/serial/receive_queue.h"
#include "core/serial/serial_link.h"
#include "core/transfer/crc16.h"
#include "core/transfer/transfer_engine.h"

namespace dorvane {

namespace {

// A lazily started coroutine with a result; awaiting it runs it and
// continues the awaiting coroutine when it is done.
template <class T>
class Task {
public:
    struct promise_type {
        T value{};
        std::coroutine_handle<> continuation;

        Task get_return_object() { return Task(std::coroutine_handle<promise_type>::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct Final {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept {
                auto next = h.promise().continuation;
                return next ? next : std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        Final final_suspend() noexcept { return {}; }
        void return_value(T v) { value = std::move(v); }
        void unhandled_exception() { std::terminate(); }
    };

    Task() = default;
    explicit Task(std::coroutine_handle<promise_type> h) : handle_(h) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            if (handle_) handle_.destroy();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    ~Task() {
        if (handle_) handle_.destroy();
    }

    bool done() const { return handle_ && handle_.done(); }
    std::coroutine_handle<> handle() const { return handle_; }
    const T& value() const { return handle_.promise().value; }

    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept {
        handle_.promise().continuation = awaiting;
        return handle_;
    }
    T await_resume() { return handle_.promise().value; }

private:
    std::coroutine_handle<promise_type> handle_;
};

// Upload receiver state; set afresh when an upload is armed.
struct UploadReceiver {
    std::array<std::uint8_t, 1030> block{};  // data bytes, then the two CRC bytes
    int pairs = 0;                           // name/length pairs of the header block
    bool block0Accepted = false;
    bool blocksStarted = false;
    bool block1Accepted = false;
    std::uint8_t expected = 0;  // sequence number of the next new block
    bool requestC = true;       // 'C' asks for the first block
    bool answered = false;      // the receiver has said something since the arming
    int badBlocks = 0;          // bad blocks in a row
    int lineErrors = 0;         // frames with unfitting start or sequence bytes in a row
    int silenceNaks = 0;        // NAKs for silence in a row
    int duplicates = 0;         // copies of the last accepted block in a row
    int asks = 0;               // 'C' sent for the first block
    bool moreFiles = false;     // the sender offered a second file
    std::int64_t announced = 0;
    std::uint32_t stored = 0;
    bool fileEnded = false;
    Millis armedAt = 0;
    Millis lastC = -1'000'000;   // when the last 'C' went out
    Millis lastAck = 0;          // when the last accepted block was acknowledged
    Millis headerAt = 0;         // when the header block was accepted
    bool askedSinceAck = false;  // a NAK has asked for a block since that ACK
};

constexpr int kTimedOut = -1;

// How one exchange ended; anything but Continue ends the upload.
enum class StepOutcome {
    Continue,
    FileEnded,          // the end-of-file exchange ran
    HeaderRefused,      // a 1,024-byte header block
    TooManyBadBlocks,   // the same block failed its CRC too often (CAN sent)
    TooManyLineErrors,  // too many frames whose start or sequence bytes did not fit
    SenderSilent,       // no block after the silence NAKs
    NoFirstBlock,       // nothing within the first-block bound
};

// The receiver's last result as the outcome reports it.
UploadEnd uploadEnd(StepOutcome outcome) {
    switch (outcome) {
        case StepOutcome::FileEnded: return UploadEnd::FileEnded;
        case StepOutcome::HeaderRefused: return UploadEnd::HeaderTooLong;
        case StepOutcome::TooManyBadBlocks: return UploadEnd::BlockFailed;
        case StepOutcome::TooManyLineErrors: return UploadEnd::LineErrors;
        case StepOutcome::SenderSilent: return UploadEnd::SenderSilent;
        case StepOutcome::NoFirstBlock: return UploadEnd::NoFirstBlock;
        case StepOutcome::Continue: break;
    }
    return UploadEnd::None;
}

// What a block's first three bytes make of it.
enum class BlockKind { Header, DuplicateHeader, First, Next, Duplicate, Unfitting };

}  // namespace

struct CTransferEngine::UploadTask {
    UploadReceiver rx;
    Task<StepOutcome> body;  // declared after rx: destroyed first
};

struct UploadRunner {
    using Engine = CTransferEngine;

    // The next received byte, or kTimedOut after timeout ms. A wait that
    // only paces our requests ('C') is not a time-out when it runs out.
    struct ByteWait {
        Engine& e;
        Millis timeout;
        bool counted = true;

        bool await_ready() const { return !e.link_.receiveQueue().empty(); }
        void await_suspend(std::coroutine_handle<> h) {
            e.byteWaiter_ = h;
            Engine* engine = &e;
            e.byteWaitTimer_ = e.loop_.schedule(std::max<Millis>(timeout, 0), [engine, counts = counted] {
                engine->byteWaitTimer_ = 0;
                if (counts) ++engine->expiredWaits_;
                auto waiter = std::exchange(engine->byteWaiter_, nullptr);
                if (waiter) engine->resumeUpload(waiter);
            });
        }
        int await_resume() {
            std::uint8_t b = 0;
            return e.takeByte(b) ? b : kTimedOut;
        }
    };

    struct Pause {
        Engine& e;
        Millis delay;

        bool await_ready() const { return false; }
        void await_suspend(std::coroutine_handle<> h) {
            Engine* engine = &e;
            e.byteWaitTimer_ = e.loop_.schedule(delay, [engine, h] {
                engine->byteWaitTimer_ = 0;
                engine->resumeUpload(h);
            });
        }
        void await_resume() const {}
    };

    static bool startsExchange(int b) { return b == ctl::SOH || b == ctl::STX || b == ctl::EOT || b == ctl::DC1; }

    static void put(Engine& e, std::uint8_t b) { e.link_.writeByte(b); }
    static void drain(Engine& e) { e.link_.receiveQueue().drain(); }
    static const EngineTimeouts& limits(Engine& e) { return e.timeouts_; }

    static void ack(Engine& e, UploadReceiver& u) {
        put(e, ctl::ACK);
        u.lastAck = e.loop_.now();
        u.askedSinceAck = false;
        u.silenceNaks = 0;
    }
    static void nak(Engine& e, UploadReceiver& u) {
        put(e, ctl::NAK);
        u.askedSinceAck = true;
    }

    // Reads size data bytes and two CRC bytes into the block buffer. False
    // when the CRC is wrong, or at once when the sender stops in the middle
    // of the block (a bounded wait instead of a second per missing byte).
    static Task<bool> readBlock(Engine& e, UploadReceiver& u, std::size_t size) {
        for (std::size_t i = 0; i < size + 2; ++i) {
            const int b = co_await ByteWait{e, limits(e).uploadByte};
            if (b == kTimedOut) co_return false;
            u.block[i] = static_cast<std::uint8_t>(b);
        }
        const std::uint16_t crc = crc16(std::span<const std::uint8_t>(u.block.data(), size));
        co_return crc == (static_cast<std::uint16_t>(u.block[size] << 8 | u.block[size + 1]));
    }

    // Skips what is left of a frame that cannot be read as one: everything
    // until the line has been quiet for a while (bounded, so that a line
    // full of noise cannot hold the wait open).
    static Task<bool> skipUntilQuiet(Engine& e) {
        const Millis until = e.loop_.now() + limits(e).uploadQuietBound;
        while (e.loop_.now() < until) {
            if (co_await ByteWait{e, limits(e).uploadQuiet} == kTimedOut) co_return true;
        }
        co_return true;
    }

    static std::size_t store(Engine& e, UploadReceiver& u, std::size_t size) {
        const std::size_t room = ChannelDataBuffer::kCapacity - u.stored;
        const std::size_t n = std::min(size, room);
        if (n > 0) {
            std::copy_n(u.block.begin(), n, e.buffer_.data() + u.stored);
            u.stored += static_cast<std::uint32_t>(n);
        }
        return n;
    }

    // The next byte that starts an exchange. Before the first block it asks
    // with 'C', never faster than the request cadence, and skips the
    // console's text; after it, each stretch of silence is answered with a
    // NAK (our last ACK may have been lost), up to the limit. kTimedOut when
    // the wait is over.
    static Task<int> awaitFrameStart(Engine& e, UploadReceiver& u) {
        for (;;) {
            if (u.requestC) {
                const Millis end = u.armedAt + limits(e).firstBlock;
                if (e.loop_.now() >= end) {
                    ++e.expiredWaits_;  // the one wait that ran out: for the first block
                    co_return kTimedOut;
                }
                if (e.loop_.now() - u.lastC >= askGap(e, u)) {
                    put(e, ctl::C);
                    u.lastC = e.loop_.now();
                    ++u.asks;
                }
                const Millis until = std::min(u.lastC + askGap(e, u), end);
                const int h = co_await ByteWait{e, until - e.loop_.now(), false};
                if (h == kTimedOut) continue;
                noteAnswer(e, u);
                if (startsExchange(h)) co_return h;
                // The console's echo or a few lines of text: skip up to a
                // block or the end of what has arrived.
                std::uint8_t next = 0;
                while (e.link_.receiveQueue().peek(next)) {
                    e.takeByte(next);
                    if (startsExchange(next)) co_return next;
                }
                continue;
            }
            const int h = co_await ByteWait{e, limits(e).uploadSilence};
            if (h != kTimedOut) co_return h;
            if (++u.silenceNaks > limits(e).maxSilenceNaks) co_return kTimedOut;
            nak(e, u);
        }
    }

    // The wait between two requests for the first block: short for the
    // first few, then as long as a standard receiver waits, so that a
    // sender that starts late finds only a few requests in its input (it
    // answers each one with the header block).
    static Millis askGap(Engine& e, const UploadReceiver& u) {
        return u.asks < limits(e).uploadQuickAsks ? limits(e).uploadAsk : limits(e).uploadAskLater;
    }

    // The receiver's first answer after the arming is what the window
    // reports as the start of the upload.
    static void noteAnswer(Engine& e, UploadReceiver& u) {
        if (u.answered) return;
        u.answered = true;
        e.post(EngineState::UploadArm, EngineEvent::Started);
    }

    static BlockKind classify(const UploadReceiver& u, int s, int c) {
        if (s < 0 || c < 0 || s != (~c & 0xFF)) return BlockKind::Unfitting;
        if (s == 0 && !u.blocksStarted) return BlockKind::Header;
        if (s == 0 && u.block0Accepted && !u.block1Accepted) return BlockKind::DuplicateHeader;
        if (s == 1 && !u.block1Accepted) return BlockKind::First;
        if (!u.block1Accepted) return BlockKind::Unfitting;
        if (s == u.expected) return BlockKind::Next;
        if (static_cast<std::uint8_t>(s + 1) == u.expected) return BlockKind::Duplicate;
        return BlockKind::Unfitting;
    }

    // A sender that sends the same block for ever, whatever we answer,
    // cannot hold the upload open. Copies of the header block are counted
    // by time instead: a sender that started late sends one for every
    // request it found waiting, however many that were.
    static bool tooManyCopies(Engine& e, UploadReceiver& u, BlockKind kind) {
        if (kind == BlockKind::DuplicateHeader) return e.loop_.now() - u.headerAt >= limits(e).firstBlock;
        return ++u.duplicates >= limits(e).maxDuplicates;
    }

    // A frame that could not be taken: NAK once the line is quiet; too many
    // in a row end the upload.
    static Task<StepOutcome> lineError(Engine& e, UploadReceiver& u) {
        co_await skipUntilQuiet(e);
        nak(e, u);
        co_return ++u.lineErrors >= limits(e).maxLineErrors ? StepOutcome::TooManyLineErrors : StepOutcome::Continue;
    }

    // A block whose CRC failed: NAK and wait for it again, up to the limit.
    static StepOutcome badBlock(Engine& e, UploadReceiver& u) {
        nak(e, u);
        if (++u.badBlocks < limits(e).maxBadBlocks) return StepOutcome::Continue;
        drain(e);
        put(e, ctl::CAN);
        put(e, ctl::CAN);
        put(e, ctl::CAN);
        return StepOutcome::TooManyBadBlocks;
    }

    // A copy of the block we accepted last. The sender sent it either
    // before our ACK reached it (one ACK answers every copy: say nothing,
    // or the sender takes our extra ACK for the next block's) or because
    // our ACK was lost (it waits for one).
    static void duplicate(Engine& e, UploadReceiver& u, Millis startedAt) {
        const bool alreadyAnswered = !u.askedSinceAck && startedAt - u.lastAck < limits(e).duplicateGrace;
        if (!alreadyAnswered) ack(e, u);
    }

    static Task<StepOutcome> headerStep(Engine& e, UploadReceiver& u, int h, std::size_t size) {
        if (!co_await readBlock(e, u, size)) co_return badBlock(e, u);
        u.badBlocks = 0;
        const auto pairs = parseHeaderPairs(std::span<const std::uint8_t>(u.block.data(), size));
        if (pairs.empty()) co_return StepOutcome::Continue;  // no file: ask again
        u.pairs = static_cast<int>(pairs.size());
        u.announced = leadingDecimal(pairs.front().second);
        u.block0Accepted = true;
        u.headerAt = e.loop_.now();
        u.requestC = false;
        u.expected = 1;
        u.blocksStarted = true;
        e.buffer_.setLength(static_cast<std::uint32_t>(std::clamp<std::int64_t>(u.announced, 0, UINT32_MAX)));
        if (h == ctl::STX) {
            put(e, ctl::NAK);
            co_return StepOutcome::HeaderRefused;
        }
        ack(e, u);
        put(e, ctl::C);
        co_return StepOutcome::Continue;
    }

    static Task<StepOutcome> dataStep(Engine& e, UploadReceiver& u, BlockKind kind, std::size_t size) {
        if (!co_await readBlock(e, u, size)) co_return badBlock(e, u);
        u.badBlocks = 0;
        u.lineErrors = 0;
        u.duplicates = 0;
        store(e, u, size);
        if (kind == BlockKind::First) {
            u.block1Accepted = true;
            u.blocksStarted = true;
            u.requestC = false;
            u.expected = 2;
        } else {
            if (u.announced > 0) {
                const auto percent = static_cast<int>(static_cast<std::int64_t>(u.stored) * 100 / u.announced);
                e.post(EngineState::UploadReceive, EngineEvent::UploadProgress, UploadedBytes{percent, u.stored});
            }
            ++u.expected;
        }
        ack(e, u);
        co_return StepOutcome::Continue;
    }

    static Task<StepOutcome> blockStep(Engine& e, UploadReceiver& u, int h) {
        const Millis startedAt = e.loop_.now();
        const std::size_t size = h == ctl::SOH ? kShortBlockData : kBlockData;
        const int s = co_await ByteWait{e, limits(e).uploadByte};
        const int c = co_await ByteWait{e, limits(e).uploadByte};
        const BlockKind kind = classify(u, s, c);
        switch (kind) {
            case BlockKind::Header: co_return co_await headerStep(e, u, h, size);
            case BlockKind::First:
            case BlockKind::Next: co_return co_await dataStep(e, u, kind, size);
            case BlockKind::DuplicateHeader:
            case BlockKind::Duplicate:
                // Read it whole either way; a copy that fails its CRC is the
                // sender's problem only if it was asked for.
                if (co_await readBlock(e, u, size))
                    duplicate(e, u, startedAt);
                else if (u.askedSinceAck)
                    co_return badBlock(e, u);
                co_return tooManyCopies(e, u, kind) ? StepOutcome::TooManyLineErrors : StepOutcome::Continue;
            case BlockKind::Unfitting: break;
        }
        co_return co_await lineError(e, u);
    }

    // After the first EOT: NAK, EOT, ACK 'C', the end-of-batch block, ACK.
    static Task<StepOutcome> endOfFileStep(Engine& e, UploadReceiver& u) {
        u.fileEnded = true;
        drain(e);
        put(e, ctl::NAK);
        int b = co_await ByteWait{e, limits(e).uploadByte};
        if (b != ctl::EOT) {
            put(e, ctl::NAK);
            co_return StepOutcome::FileEnded;
        }
        put(e, ctl::ACK);
        put(e, ctl::C);
        for (int attempt = 0; attempt < limits(e).maxBadBlocks; ++attempt) {
            b = co_await ByteWait{e, limits(e).uploadByte};
            if (b == ctl::EOT) {  // our ACK did not arrive
                put(e, ctl::ACK);
                put(e, ctl::C);
                continue;
            }
            if (b != ctl::SOH && b != ctl::STX) co_return StepOutcome::FileEnded;
            const int s = co_await ByteWait{e, limits(e).uploadByte};
            const int c = co_await ByteWait{e, limits(e).uploadByte};
            const bool good = co_await readBlock(e, u, b == ctl::SOH ? kShortBlockData : kBlockData);
            if (good && s == 0 && c == 0xFF) {
                // An empty name ends the batch; any other is the header
                // block of a second file, which is refused: we take one.
                if (u.block[0] != 0) co_return anotherFile(e, u);
                put(e, ctl::ACK);
                co_return StepOutcome::FileEnded;
            }
            co_await skipUntilQuiet(e);
            put(e, ctl::NAK);
        }
        co_return StepOutcome::FileEnded;
    }

    // The sender offers a second file after ours: the batch ends with CAN
    // (an ACK would start that file, and the sender would wait for our
    // requests in vain).
    static StepOutcome anotherFile(Engine& e, UploadReceiver& u) {
        u.moreFiles = true;
        drain(e);
        put(e, ctl::CAN);
        put(e, ctl::CAN);
        put(e, ctl::CAN);
        return StepOutcome::FileEnded;
    }

    // At most one block or end-of-file exchange.
    static Task<StepOutcome> receiveStep(Engine& e, UploadReceiver& u) {
        const int h = co_await awaitFrameStart(e, u);
        if (h == kTimedOut) co_return u.requestC ? StepOutcome::NoFirstBlock : StepOutcome::SenderSilent;
        if (h == ctl::SOH || h == ctl::STX) co_return co_await blockStep(e, u, h);
        if (h == ctl::EOT) {
            if (u.block0Accepted) co_return co_await endOfFileStep(e, u);
            // No file announced: nothing to receive.
            drain(e);
            put(e, ctl::ACK);
            co_return StepOutcome::FileEnded;
        }
        if (h == ctl::DC1) {
            put(e, ctl::ACK);
            // A sender that does nothing else cannot keep the upload going.
            co_return ++u.lineErrors >= limits(e).maxLineErrors ? StepOutcome::TooManyLineErrors
                                                                : StepOutcome::Continue;
        }
        // A byte that starts nothing after the first block: a garbled frame
        // start, or noise.
        co_return co_await lineError(e, u);
    }

    static Task<StepOutcome> run(Engine& e, UploadReceiver& u) {
        co_await Pause{e, limits(e).uploadArmPause};
        e.state_ = EngineState::UploadReceive;
        for (;;) {
            const StepOutcome outcome = co_await receiveStep(e, u);
            if (outcome != StepOutcome::Continue) co_return outcome;
        }
    }
};

CTransferEngine::CTransferEngine(EventLoop& loop, SerialLink& link, CImageFile& image, ChannelDataBuffer& buffer,
                                 EngineTimeouts timeouts)
    : loop_(loop), link_(link), image_(image), buffer_(buffer), timeouts_(timeouts) {}

CTransferEngine::~CTransferEngine() {
    lifetime_.end();
    stopLinkPoll();
    cancelPoll();
    disarmDeadline();
    loop_.cancel(pauseTimer_);
    loop_.cancel(resumeTimer_);
    loop_.cancel(byteWaitTimer_);
    byteWaiter_ = nullptr;
    destroyUpload();
    link_.setDataHandler(nullptr);
    link_.setFailureHandler(nullptr);
}

void CTransferEngine::destroyUpload() {
    loop_.cancel(byteWaitTimer_);
    byteWaitTimer_ = 0;
    byteWaiter_ = nullptr;
    upload_task_.reset();
}

void CTransferEngine::startUpload() {
    cancelPoll();
    disarmDeadline();
    destroyUpload();
    mode_ = EngineState::UploadArm;
    state_ = EngineState::UploadArm;
    link_.receiveQueue().drain();
    upload_ = {};
    upload_task_ = std::make_unique<UploadTask>();
    upload_task_->rx.armedAt = loop_.now();
    upload_task_->body = UploadRunner::run(*this, upload_task_->rx);
    resumeUpload(upload_task_->body.handle());
}

void CTransferEngine::resumeUploadOnData() {
    if (!byteWaiter_) return;  // not waiting for a byte (the pause after arming)
    loop_.cancel(byteWaitTimer_);
    byteWaitTimer_ = 0;
    resumeUpload(std::exchange(byteWaiter_, nullptr));
}

void CTransferEngine::resumeUpload(std::coroutine_handle<> handle) {
    handle.resume();
    if (upload_task_ && upload_task_->body.done()) endUpload();
}

void CTransferEngine::endUpload() {
    const UploadReceiver& u = upload_task_->rx;
    const StepOutcome outcome = upload_task_->body.value();
    upload_.end = uploadEnd(outcome);
    upload_.pairs = u.pairs;
    upload_.moreFiles = u.moreFiles;
    upload_.announced = static_cast<std::uint32_t>(std::clamp<std::int64_t>(u.announced, 0, UINT32_MAX));
    upload_.stored = u.stored;
    // However many name/length pairs the header block held: the file ended
    // and every announced byte is here.
    upload_.completed = outcome == StepOutcome::FileEnded && u.fileEnded && u.block0Accepted && u.announced > 0 &&
                        u.announced <= static_cast<std::int64_t>(ChannelDataBuffer::kCapacity) &&
                        static_cast<std::int64_t>(u.stored) >= u.announced;
    if (outcome == StepOutcome::NoFirstBlock || outcome == StepOutcome::SenderSilent) {
        post(state_, EngineEvent::ReceiverSilent, upload_);
        reset();
        return;
    }
    state_ = EngineState::UploadEnd;
    reset();
    post(EngineState::UploadEnd, EngineEvent::UploadEnded, upload_);
}

}  // namespace dorvane
