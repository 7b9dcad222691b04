#pragma once

#include <cstdint>
#include <functional>

namespace dorvane {

using Millis = std::int64_t;

// Time and timers as the transfer engine and the operator flow see them.
// The program runs them on Qt's event loop; tests run them on a virtual
// clock that only moves when the test says so. Nothing waits by sleeping:
// every wait is a timer or a deadline checked when bytes arrive.
class EventLoop {
public:
    using TimerId = std::uint64_t;

    virtual ~EventLoop() = default;

    // Milliseconds on a monotonic clock.
    virtual Millis now() const = 0;

    // Runs fn once, delay milliseconds from now (0: as soon as the loop gets
    // to it, after what is already due). Returns an id for cancel(); ids are
    // never 0 and never reused.
    virtual TimerId schedule(Millis delay, std::function<void()> fn) = 0;

    // Cancels a pending call; unknown or already run ids are ignored.
    virtual void cancel(TimerId id) = 0;
};

}  // namespace dorvane
