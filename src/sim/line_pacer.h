#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>
#include <span>
#include <vector>

#include "sim/sim_clock.h"

namespace dorvane::sim {

// Byte positions (counted from 0 over the whole run) at which the line
// loses or garbles a byte, one set per direction.
struct LineFaults {
    std::set<std::uint64_t> dropIn, corruptIn, dropOut, corruptOut;
};

// Makes a pseudo-terminal behave like a serial line at a given bit rate:
// a byte takes ten bit times (8N1) in each direction. Received bytes are
// handed on only when they would have finished arriving; bytes to send
// leave no faster than the line carries them. Bit rate 0: no pacing.
class LinePacer {
public:
    LinePacer(int bitRate, LineFaults faults);

    // Bytes read from the pseudo-terminal just now.
    void arrived(std::span<const std::uint8_t> bytes, Micros now);
    // Bytes whose arrival has completed by now, oldest first.
    std::vector<std::uint8_t> takeArrived(Micros now);
    // When the next held byte completes (-1 when none is held).
    Micros nextArrival() const;

    void send(std::span<const std::uint8_t> bytes);
    // How many queued bytes may go out now, and when the next may (-1 when
    // nothing is queued).
    std::size_t sendable(Micros now) const;
    Micros nextSendSlot(Micros now) const;
    // The first n queued bytes, after a successful write of n of them.
    const std::deque<std::uint8_t>& outgoing() const { return out_; }
    void sent(std::size_t n, Micros now);
    void discardOutgoing() { out_.clear(); }
    bool idle() const { return out_.empty(); }

private:
    Micros byteTime_;  // whole microseconds per byte; 0 when unpaced
    LineFaults faults_;
    std::uint64_t inCount_ = 0, outCount_ = 0;
    struct Held {
        std::uint8_t byte;
        Micros doneAt;
    };
    std::deque<Held> in_;
    Micros inBusyUntil_ = 0;
    std::deque<std::uint8_t> out_;
    double outBusyUntil_ = 0;  // when the line finishes the bytes already written
    double byteTimeExact_;
};

}  // namespace dorvane::sim
