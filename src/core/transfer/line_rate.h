#pragma once

#include <cstdint>
#include <deque>

#include "core/common/event_loop.h"

namespace dorvane {

// Bytes per second over the last whole second of line time. The moments
// at which blocks were acknowledged (or arrived) mark a curve of the bytes
// carried so far; between two moments the bytes are taken to have moved
// evenly, so a block is counted over the time it took on the line and not
// all at once in the second its acknowledgement fell into. After the last
// moment nothing moves: a line that carries no data shows 0.
class LineRate {
public:
    // The data starts now (the header's acknowledgement): 0 bytes so far.
    void start(Millis at);
    // Nothing known (before a transfer); a first add() then counts its bytes
    // as carried within the second it came in.
    void clear();
    // `bytes` more were carried by `at`.
    void add(Millis at, std::int64_t bytes);
    // The bytes carried between now - 1000 ms and now (now no earlier than
    // the last add()).
    std::int64_t lastSecond(Millis now) const;

private:
    struct Mark {
        Millis at;
        std::int64_t carried;
    };
    std::int64_t carriedBefore(Millis at) const;

    std::deque<Mark> marks_;
    std::int64_t carried_ = 0;
};

}  // namespace dorvane
