#include "support/virtual_event_loop.h"

namespace dorvane::test {

EventLoop::TimerId VirtualEventLoop::schedule(Millis delay, std::function<void()> fn) {
    const TimerId id = nextId_++;
    const Millis due = now_ + (delay > 0 ? delay : 0);
    calls_.emplace(std::make_pair(due, id), std::move(fn));
    due_.emplace(id, due);
    return id;
}

void VirtualEventLoop::cancel(TimerId id) {
    const auto it = due_.find(id);
    if (it == due_.end()) return;
    calls_.erase(std::make_pair(it->second, id));
    due_.erase(it);
}

bool VirtualEventLoop::runNext(Millis until) {
    if (calls_.empty()) return false;
    auto it = calls_.begin();
    if (it->first.first > until) return false;
    now_ = std::max(now_, it->first.first);
    auto fn = std::move(it->second);
    due_.erase(it->first.second);
    calls_.erase(it);
    fn();
    return true;
}

void VirtualEventLoop::runDue() {
    while (runNext(now_)) {
    }
}

void VirtualEventLoop::advance(Millis ms) {
    const Millis target = now_ + ms;
    while (runNext(target)) {
    }
    now_ = target;
}

bool VirtualEventLoop::runUntil(const std::function<bool()>& pred, Millis limit) {
    const Millis end = now_ + limit;
    if (pred()) return true;
    while (runNext(end)) {
        if (pred()) return true;
    }
    now_ = end;
    return pred();
}

}  // namespace dorvane::test
