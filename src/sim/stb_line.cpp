#include "sim/stb_line.h"

#include <algorithm>
#include <utility>

namespace dorvane::sim {

namespace {

constexpr Millis kSplitGapMs = 3;  // between the two bursts of a split answer

}  // namespace

StbTimer::StbTimer(StbLine& line) : line_(line) { line_.timers_.push_back(this); }

StbTimer::~StbTimer() {
    stop();
    auto& all = line_.timers_;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void StbTimer::start(Millis ms, std::function<void()> fn) {
    stop();
    id_ = line_.loop_.schedule(ms, [this, fn = std::move(fn)] {
        id_ = 0;
        fn();
    });
}

void StbTimer::stop() {
    if (id_ != 0) line_.loop_.cancel(id_);
    id_ = 0;
}

StbLine::StbLine(EventLoop& loop, Send send, Log log, bool splitAnswers)
    : loop_(loop), send_(std::move(send)), log_(std::move(log)), splitAnswers_(splitAnswers) {}

void StbLine::sendSplit(const Bytes& bytes, std::size_t at) {
    if (!splitAnswers_ || at == 0 || at >= bytes.size()) {
        send(bytes);
        return;
    }
    const auto cut = bytes.begin() + static_cast<std::ptrdiff_t>(at);
    send(Bytes(bytes.begin(), cut));
    later(kSplitGapMs, [this, rest = Bytes(cut, bytes.end())] { send(rest); });
}

void StbLine::later(Millis ms, std::function<void()> fn) {
    loop_.schedule(ms, guard_.guard([this, cycle = cycle_, fn = std::move(fn)] {
        if (cycle == cycle_) fn();
    }));
}

void StbLine::always(Millis ms, std::function<void()> fn) { loop_.schedule(ms, guard_.guard(std::move(fn))); }

void StbLine::cancelAll() {
    ++cycle_;
    for (StbTimer* timer : timers_) timer->stop();
}

}  // namespace dorvane::sim
