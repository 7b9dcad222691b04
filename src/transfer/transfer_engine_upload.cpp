// The receiving side of an upload: the tool asks for the receiver's channel
// data with 'C' and collects the blocks in the channel-data buffer. Written
// as coroutines so that the exchange reads in order while every byte wait
// is a timer on the event loop rather than a blocking read.

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include "database/channel_data_buffer.h"
#include "serial/receive_queue.h"
#include "serial/serial_link.h"
#include "transfer/crc16.h"
#include "transfer/transfer_engine.h"

namespace dorvane {

using namespace engine_state;
namespace ev = engine_event;

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
    int result = 1;                          // name/length pairs of the header block
    bool block0Accepted = false;
    bool blocksStarted = false;
    bool block1Accepted = false;
    std::uint8_t expected = 0;  // sequence number of the next new block
    bool requestC = true;       // every header wait first writes 'C'
    int retries = 5;
    int headerErrors = 0;
    std::int64_t announced = 0;
    std::uint32_t stored = 0;
    bool fileEnded = false;
    Millis armedAt = 0;
};

constexpr int kTimedOut = -1;
// The upload never got its first block within the bound.
constexpr int kNoFirstBlock = -100;

// Byte waits. Before the first block the tool asks with 'C' every 200 ms;
// after it, the receiver gets a second per byte.
constexpr Millis kAskWait = 200;
constexpr Millis kByteWait = 1000;
constexpr int kHeaderWaits = 10;
// The receiver gets this long after the upload is armed before the first 'C'.
constexpr Millis kArmPause = 200;

}  // namespace

struct CTransferEngine::UploadTask {
    UploadReceiver rx;
    Task<int> body;  // declared after rx: destroyed first
};

struct UploadRunner {
    using Engine = CTransferEngine;

    // The next received byte, or kTimedOut after timeout ms.
    struct ByteWait {
        Engine& e;
        Millis timeout;

        bool await_ready() const { return !e.link_.receiveQueue().empty(); }
        void await_suspend(std::coroutine_handle<> h) {
            e.byteWaiter_ = h;
            Engine* engine = &e;
            e.byteWaitTimer_ = e.loop_.schedule(timeout, [engine] {
                engine->byteWaitTimer_ = 0;
                ++engine->expiredWaits_;
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

    // Reads size data bytes and two CRC bytes into the block buffer. False
    // when the CRC is wrong, or at once when the receiver stops in the
    // middle of the block (a bounded wait instead of a second per missing
    // byte).
    static Task<bool> readBlock(Engine& e, UploadReceiver& u, std::size_t size) {
        for (std::size_t i = 0; i < size + 2; ++i) {
            const int b = co_await ByteWait{e, kByteWait};
            if (b == kTimedOut) co_return false;
            u.block[i] = static_cast<std::uint8_t>(b);
        }
        const std::uint16_t crc = crc16(std::span<const std::uint8_t>(u.block.data(), size));
        co_return crc == (static_cast<std::uint16_t>(u.block[size] << 8 | u.block[size + 1]));
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

    // After the first EOT: NAK, EOT, ACK 'C', the end-of-batch block, ACK.
    static Task<int> endOfFile(Engine& e) {
        drain(e);
        put(e, ctl::NAK);
        int b = co_await ByteWait{e, kByteWait};
        if (b != ctl::EOT) {
            put(e, ctl::NAK);
            co_return 1;
        }
        put(e, ctl::ACK);
        put(e, ctl::C);
        b = co_await ByteWait{e, kByteWait};
        if (b != ctl::SOH) co_return 0;
        const int s = co_await ByteWait{e, kByteWait};
        const int c = co_await ByteWait{e, kByteWait};
        if (s != 0 || c != 0xFF) co_return 0;
        std::array<std::uint8_t, 130> data{};
        for (auto& d : data) {
            b = co_await ByteWait{e, kByteWait};
            if (b == kTimedOut) co_return 0;
            d = static_cast<std::uint8_t>(b);
        }
        const std::uint16_t crc = crc16Bitwise(std::span<const std::uint8_t>(data.data(), 128));
        if (crc == static_cast<std::uint16_t>(data[128] << 8 | data[129])) put(e, ctl::ACK);
        co_return 0;
    }

    // At most one block or end-of-file exchange: 0 go on, 1 file ended,
    // negative failed, 2..4 file ended after a header with that many pairs.
    static Task<int> receiveStep(Engine& e, UploadReceiver& u) {
        int h = kTimedOut;
        for (int i = 0; i < kHeaderWaits && (h == kTimedOut || h == 0xFF); ++i) {
            if (u.requestC) {
                put(e, ctl::C);
                h = co_await ByteWait{e, kAskWait};
            } else {
                h = co_await ByteWait{e, kByteWait};
            }
            // Before the first block the console may echo the command or
            // print a few lines: skip such text up to a block or the end of
            // what has arrived, then ask again.
            if (u.requestC && h != kTimedOut && !startsExchange(h)) {
                std::uint8_t next = 0;
                h = kTimedOut;
                while (e.link_.receiveQueue().peek(next)) {
                    e.takeByte(next);
                    if (startsExchange(next)) {
                        h = next;
                        break;
                    }
                }
            }
        }

        if (h == ctl::SOH || h == ctl::STX) {
            const std::size_t size = h == ctl::SOH ? kShortBlockData : kBlockData;
            const int s = co_await ByteWait{e, kByteWait};
            const int c = co_await ByteWait{e, kByteWait};

            if (s == 0 && c == 0xFF && !u.blocksStarted) {  // header block
                if (!co_await readBlock(e, u, size)) {
                    put(e, ctl::NAK);
                    co_return u.result;
                }
                const auto pairs = parseHeaderPairs(std::span<const std::uint8_t>(u.block.data(), size));
                u.result = static_cast<int>(pairs.size());
                if (!pairs.empty()) u.announced = leadingDecimal(pairs.front().second);
                if (pairs.empty()) co_return 0;
                u.block0Accepted = true;
                u.requestC = false;
                ++u.expected;
                u.blocksStarted = true;
                e.buffer_.setLength(static_cast<std::uint32_t>(std::max<std::int64_t>(u.announced, 0)));
                if (h == ctl::SOH) {
                    put(e, ctl::ACK);
                    put(e, ctl::C);
                    co_return 0;
                }
                put(e, ctl::NAK);
                co_return -1;
            }

            if (s == 1 && c == 0xFE && !u.block1Accepted) {  // first data block
                if (!co_await readBlock(e, u, size)) {
                    put(e, ctl::NAK);
                    co_return -1;
                }
                store(e, u, size);
                u.expected = 2;
                put(e, ctl::ACK);
                u.block1Accepted = true;
                u.blocksStarted = true;
                u.requestC = false;
                co_return 0;
            }

            if (s >= 0 && c >= 0 && s == (~c & 0xFF) && (s == u.expected || s + 1 == u.expected)) {
                const bool good = co_await readBlock(e, u, size);
                if (s == u.expected && good) {
                    if (store(e, u, size) > 0 && u.announced > 0) {
                        const auto percent = static_cast<int>(static_cast<std::int64_t>(u.stored) * 100 / u.announced);
                        e.post(kUploadReceive, percent);
                    }
                    ++u.expected;
                    u.retries = 5;
                    put(e, ctl::ACK);
                    co_return 0;
                }
                // A repeated block or a bad one.
                drain(e);
                put(e, ctl::NAK);
                if (--u.retries > 0) {
                    put(e, ctl::ACK);
                    co_return 0;
                }
                drain(e);
                put(e, ctl::CAN);
                put(e, ctl::CAN);
                put(e, ctl::CAN);
                co_return -2;
            }

            put(e, ctl::NAK);  // the sequence bytes do not fit
            co_return ++u.headerErrors >= 10 ? -3 : 0;
        }

        if (h == ctl::EOT) {
            if (u.block0Accepted) {
                const int r = co_await endOfFile(e);
                u.fileEnded = true;
                co_return r == 1 ? 1 : u.result;
            }
            drain(e);
            put(e, ctl::ACK);
            co_return u.result;
        }

        if (h == ctl::DC1) {
            put(e, ctl::ACK);
            // A sender that does nothing else cannot keep the upload going.
            co_return ++u.headerErrors >= 10 ? -3 : 0;
        }

        // Anything else, or nothing after the waits. Before the first block
        // this is the console's echo or chatter: skip it and ask again.
        drain(e);
        if (u.requestC) co_return 0;
        put(e, ctl::NAK);
        if (!u.block0Accepted) co_return -6;
        if (!u.blocksStarted) co_return -4;
        if (!u.block1Accepted) co_return -5;
        co_return -6;
    }

    static Task<int> run(Engine& e, UploadReceiver& u) {
        co_await Pause{e, kArmPause};
        e.state_ = kUploadReceive;
        for (;;) {
            if (u.requestC && e.loop_.now() - u.armedAt >= e.timeouts_.firstBlock) co_return kNoFirstBlock;
            const int rc = co_await receiveStep(e, u);
            if (rc < 0 || rc == 1) co_return rc;
        }
    }
};

CTransferEngine::CTransferEngine(EventLoop& loop, SerialLink& link, CImageFile& image, ChannelDataBuffer& buffer,
                                 EngineTimeouts timeouts)
    : loop_(loop), link_(link), image_(image), buffer_(buffer), timeouts_(timeouts),
      alive_(std::make_shared<bool>(true)) {}

CTransferEngine::~CTransferEngine() {
    *alive_ = false;
    stopLinkPoll();
    cancelPoll();
    disarmDeadline();
    loop_.cancel(pauseTimer_);
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
    mode_ = kUploadArm;
    state_ = kUploadArm;
    link_.receiveQueue().drain();
    upload_ = {};
    upload_task_ = std::make_unique<UploadTask>();
    upload_task_->rx.armedAt = loop_.now();
    post(kUploadArm, ev::kStarted);
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
    if (upload_task_ && upload_task_->body.done()) endUpload(upload_task_->body.value());
}

void CTransferEngine::endUpload(int result) {
    const UploadReceiver& u = upload_task_->rx;
    upload_.result = result;
    upload_.announced = static_cast<std::uint32_t>(std::max<std::int64_t>(u.announced, 0));
    upload_.stored = u.stored;
    upload_.completed = result >= 1 && u.fileEnded && u.block0Accepted && u.announced > 0 &&
                        u.announced <= static_cast<std::int64_t>(ChannelDataBuffer::kCapacity) &&
                        static_cast<std::int64_t>(u.stored) >= u.announced;
    if (result == kNoFirstBlock) {
        giveUp(ev::kReceiverSilent);
        return;
    }
    state_ = kUploadEnd;
    reset();
    post(kUploadEnd, ev::kBatchEnded);
}

}  // namespace dorvane
