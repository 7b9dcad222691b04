#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

#include "core/common/event_loop.h"

namespace dorvane::sim {

using Micros = std::int64_t;

inline Micros monotonicMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One-shot timers on the monotonic clock, run by the main loop. As an
// event loop (milliseconds) it drives the receiver; the line pacing and the
// relay work in microseconds.
class Timers : public EventLoop {
public:
    using Id = std::uint64_t;

    Millis now() const override { return monotonicMicros() / 1000; }
    TimerId schedule(Millis delay, std::function<void()> fn) override {
        return scheduleMicros(delay * 1000, std::move(fn));
    }
    void cancel(TimerId id) override { pending_.erase(id); }

    Micros nowMicros() const { return monotonicMicros(); }
    Id scheduleMicros(Micros delay, std::function<void()> fn) {
        const Id id = ++lastId_;
        pending_.emplace(id, Entry{nowMicros() + delay, std::move(fn)});
        return id;
    }
    // The earliest deadline, or -1 when nothing is pending.
    Micros nextDeadline() const {
        Micros best = -1;
        for (const auto& [id, e] : pending_)
            if (best < 0 || e.at < best) best = e.at;
        return best;
    }
    // Runs everything that is due (in deadline order, ids breaking ties).
    void runDue() {
        for (;;) {
            const Micros t = nowMicros();
            auto due = pending_.end();
            for (auto it = pending_.begin(); it != pending_.end(); ++it)
                if (it->second.at <= t && (due == pending_.end() || it->second.at < due->second.at)) due = it;
            if (due == pending_.end()) return;
            auto fn = std::move(due->second.fn);
            pending_.erase(due);
            fn();
        }
    }

private:
    struct Entry {
        Micros at;
        std::function<void()> fn;
    };
    std::map<Id, Entry> pending_;
    Id lastId_ = 0;
};

}  // namespace dorvane::sim
