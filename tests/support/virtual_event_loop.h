#pragma once

#include <functional>
#include <map>
#include <utility>

#include "core/common/event_loop.h"

namespace dorvane::test {

// An event loop on a virtual clock: time moves only when the test advances
// it, and due calls run in the order of their due time, then of scheduling.
class VirtualEventLoop : public EventLoop {
public:
    Millis now() const override { return now_; }
    TimerId schedule(Millis delay, std::function<void()> fn) override;
    void cancel(TimerId id) override;

    // Runs everything due now (also what those calls schedule for now).
    void runDue();
    // Moves the clock forward by ms, running every call that falls due on
    // the way at its own time.
    void advance(Millis ms);
    // Advances call by call until pred() holds or limit ms have passed;
    // returns whether pred() held.
    bool runUntil(const std::function<bool()>& pred, Millis limit);

    std::size_t pending() const { return calls_.size(); }

private:
    bool runNext(Millis until);

    Millis now_ = 0;
    TimerId nextId_ = 1;
    std::map<std::pair<Millis, TimerId>, std::function<void()>> calls_;
    std::map<TimerId, Millis> due_;
};

}  // namespace dorvane::test
