#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/common/event_loop.h"
#include "core/transfer/lifetime_guard.h"
#include "sim/frames.h"

namespace dorvane::sim {

class StbLine;

// One pending call of a receiver part. Every such timer stops when the
// receiver switches off, restarts or goes wrong (StbLine::cancelAll).
class StbTimer {
public:
    explicit StbTimer(StbLine& line);
    ~StbTimer();
    StbTimer(const StbTimer&) = delete;
    StbTimer& operator=(const StbTimer&) = delete;

    // fn in ms; a call still pending is cancelled first.
    void start(Millis ms, std::function<void()> fn);
    void stop();

private:
    StbLine& line_;
    EventLoop::TimerId id_ = 0;
};

// The receiver's end of the line and its clock, as its parts share them.
class StbLine {
public:
    using Send = std::function<void(const Bytes&)>;
    using Log = std::function<void(const std::string&)>;

    StbLine(EventLoop& loop, Send send, Log log, bool splitAnswers);
    StbLine(const StbLine&) = delete;
    StbLine& operator=(const StbLine&) = delete;

    void send(const Bytes& bytes) const { send_(bytes); }
    void send(std::uint8_t byte) const { send_(Bytes{byte}); }
    // An answer of two parts: the first `at` bytes, then the rest (in a
    // burst of their own when the answers are split).
    void sendSplit(const Bytes& bytes, std::size_t at);
    void log(const std::string& what) const { log_(what); }
    Millis now() const { return loop_.now(); }

    // fn in ms, unless cancelAll() comes first or the receiver is gone.
    void later(Millis ms, std::function<void()> fn);
    // fn in ms while the receiver exists, whatever it does meanwhile.
    void always(Millis ms, std::function<void()> fn);
    // Stops every StbTimer and voids every later() call.
    void cancelAll();

private:
    friend class StbTimer;

    EventLoop& loop_;
    Send send_;
    Log log_;
    bool splitAnswers_;
    LifetimeGuard guard_;
    int cycle_ = 0;  // counts cancelAll(): what later() scheduled before is void
    std::vector<StbTimer*> timers_;
};

// What a part of the receiver asks of the receiver as a whole.
class StbControl {
public:
    // "power on", then the boot loader.
    virtual void powerOn() = 0;
    virtual void startBootLoader() = 0;
    virtual void startApplication() = 0;
    // Every timer stops and the receiver hears nothing until switched again.
    virtual void fallSilent() = 0;
    // Downloaded channel data the application sends from now on.
    virtual void keepChannelData(Bytes data) = 0;

protected:
    ~StbControl() = default;
};

}  // namespace dorvane::sim
