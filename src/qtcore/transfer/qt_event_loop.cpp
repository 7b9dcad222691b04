#include "qtcore/transfer/qt_event_loop.h"

#include <QTimer>

namespace dorvane {

QtEventLoop::QtEventLoop() { clock_.start(); }

QtEventLoop::~QtEventLoop() {
    for (auto& [id, timer] : timers_) {
        timer->stop();
        delete timer;
    }
}

Millis QtEventLoop::now() const { return clock_.elapsed(); }

EventLoop::TimerId QtEventLoop::schedule(Millis delay, std::function<void()> fn) {
    const TimerId id = nextId_++;
    auto* timer = new QTimer(&context_);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, &context_, [this, id, timer, fn = std::move(fn)]() {
        timers_.erase(id);
        timer->deleteLater();
        fn();
    });
    timers_.emplace(id, timer);
    timer->start(static_cast<int>(delay > 0 ? delay : 0));
    return id;
}

void QtEventLoop::cancel(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

}  // namespace dorvane
