#pragma once

#include <memory>
#include <utility>

namespace dorvane {

// For calls scheduled on the event loop (or handed to another object) that
// may come after their owner is gone: guard() wraps such a call so that it
// does nothing once the owner has ended the guard or been destroyed. The
// owner keeps the guard as a member and may end() it first thing in its
// destructor, before it starts taking itself apart.
class LifetimeGuard {
public:
    LifetimeGuard() = default;
    ~LifetimeGuard() { end(); }
    LifetimeGuard(const LifetimeGuard&) = delete;
    LifetimeGuard& operator=(const LifetimeGuard&) = delete;

    void end() { *alive_ = false; }

    template <class Fn>
    auto guard(Fn fn) const {
        return [alive = std::weak_ptr<bool>(alive_), fn = std::move(fn)](auto&&... args) mutable {
            if (auto a = alive.lock(); a && *a) fn(std::forward<decltype(args)>(args)...);
        };
    }

private:
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace dorvane
