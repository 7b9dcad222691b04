#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <unordered_map>

#include "transfer/event_loop.h"

class QTimer;

namespace dorvane {

// The engine's and the flow's timers on the Qt event loop of the thread
// that owns this object: single-shot precise timers, a monotonic clock.
class WindowEventLoop : public QObject, public EventLoop {
public:
    WindowEventLoop();
    ~WindowEventLoop() override;

    Millis now() const override;
    TimerId schedule(Millis delay, std::function<void()> fn) override;
    void cancel(TimerId id) override;

private:
    QElapsedTimer clock_;
    TimerId next_ = 1;
    std::unordered_map<TimerId, QTimer*> timers_;
};

}  // namespace dorvane
