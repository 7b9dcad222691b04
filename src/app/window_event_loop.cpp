#include "app/window_event_loop.h"

#include <QTimer>
#include <algorithm>

namespace dorvane {

WindowEventLoop::WindowEventLoop() { clock_.start(); }

WindowEventLoop::~WindowEventLoop() {
    for (auto& [id, timer] : timers_) delete timer;
}

Millis WindowEventLoop::now() const { return clock_.elapsed(); }

EventLoop::TimerId WindowEventLoop::schedule(Millis delay, std::function<void()> fn) {
    const TimerId id = next_++;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id, fn = std::move(fn)]() {
        const auto it = timers_.find(id);
        if (it == timers_.end()) return;
        it->second->deleteLater();
        timers_.erase(it);
        fn();
    });
    timers_.emplace(id, timer);
    timer->start(static_cast<int>(std::clamp<Millis>(delay, 0, 24LL * 3600 * 1000)));
    return id;
}

void WindowEventLoop::cancel(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

}  // namespace dorvane
