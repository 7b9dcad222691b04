#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <unordered_map>

#include "core/common/event_loop.h"

class QTimer;

namespace dorvane {

// The event loop of the programs: Qt's own, with single-shot timers for
// scheduled calls and a monotonic clock. Calls run on the thread that owns
// this object (the thread that runs the Qt event loop).
class QtEventLoop : public EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;
    QtEventLoop(const QtEventLoop&) = delete;
    QtEventLoop& operator=(const QtEventLoop&) = delete;

    Millis now() const override;
    TimerId schedule(Millis delay, std::function<void()> fn) override;
    void cancel(TimerId id) override;

private:
    QObject context_;
    QElapsedTimer clock_;
    TimerId nextId_ = 1;
    std::unordered_map<TimerId, QTimer*> timers_;
};

}  // namespace dorvane
