#include "core/transfer/line_rate.h"

namespace dorvane {

void LineRate::start(Millis at) {
    marks_.clear();
    carried_ = 0;
    marks_.push_back({at, 0});
}

void LineRate::clear() {
    marks_.clear();
    carried_ = 0;
}

void LineRate::add(Millis at, std::int64_t bytes) {
    carried_ += bytes;
    marks_.push_back({at, carried_});
    // A look comes no earlier than this mark: one mark before its second's
    // start is all the past it needs.
    while (marks_.size() >= 2 && marks_[1].at < at - 1000) marks_.pop_front();
}

// The bytes carried just before `at`: a block acknowledged at that very
// moment, after the previous look, belongs to the next second.
std::int64_t LineRate::carriedBefore(Millis at) const {
    const Mark* before = nullptr;
    for (const Mark& m : marks_) {
        if (m.at >= at) {
            if (!before) return 0;
            return before->carried + (m.carried - before->carried) * (at - before->at) / (m.at - before->at);
        }
        before = &m;
    }
    return before ? before->carried : 0;
}

std::int64_t LineRate::lastSecond(Millis now) const {
    const Millis from = now - 1000;
    return carriedBefore(now + 1) - carriedBefore(from);
}

}  // namespace dorvane
