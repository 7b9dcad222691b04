#include "sim/line_pacer.h"

#include <algorithm>
#include <cmath>

namespace dorvane::sim {

LinePacer::LinePacer(int bitRate, LineFaults faults)
    : byteTime_(bitRate > 0 ? static_cast<Micros>(10'000'000 / bitRate) : 0),
      faults_(std::move(faults)),
      byteTimeExact_(bitRate > 0 ? 10'000'000.0 / bitRate : 0.0) {}

void LinePacer::arrived(std::span<const std::uint8_t> bytes, Micros now) {
    double busy = static_cast<double>(std::max(inBusyUntil_, now));
    for (std::uint8_t b : bytes) {
        const std::uint64_t index = inCount_++;
        busy += byteTimeExact_;
        if (faults_.dropIn.count(index)) continue;
        if (faults_.corruptIn.count(index)) b = static_cast<std::uint8_t>(b ^ 0x5A);
        in_.push_back({b, static_cast<Micros>(busy)});
    }
    inBusyUntil_ = static_cast<Micros>(busy);
}

std::vector<std::uint8_t> LinePacer::takeArrived(Micros now) {
    std::vector<std::uint8_t> done;
    while (!in_.empty() && in_.front().doneAt <= now) {
        done.push_back(in_.front().byte);
        in_.pop_front();
    }
    return done;
}

Micros LinePacer::nextArrival() const { return in_.empty() ? -1 : in_.front().doneAt; }

void LinePacer::send(std::span<const std::uint8_t> bytes) {
    // A line that has been idle starts sending now, not in the past.
    const auto now = static_cast<double>(monotonicMicros());
    if (out_.empty() && outBusyUntil_ < now) outBusyUntil_ = now;
    for (std::uint8_t b : bytes) {
        const std::uint64_t index = outCount_++;
        if (faults_.dropOut.count(index)) continue;
        if (faults_.corruptOut.count(index)) b = static_cast<std::uint8_t>(b ^ 0x5A);
        out_.push_back(b);
    }
}

std::size_t LinePacer::sendable(Micros now) const {
    if (out_.empty()) return 0;
    if (byteTime_ == 0) return out_.size();
    // A byte may be handed over while the one before it is on the wire.
    const double room = static_cast<double>(now) + byteTimeExact_ - outBusyUntil_;
    if (room < byteTimeExact_) return 0;
    return std::min(static_cast<std::size_t>(room / byteTimeExact_), out_.size());
}

Micros LinePacer::nextSendSlot(Micros now) const {
    if (out_.empty()) return -1;
    if (byteTime_ == 0) return now;
    return std::max(now, static_cast<Micros>(std::ceil(outBusyUntil_)));
}

void LinePacer::sent(std::size_t n, Micros now) {
    (void)now;
    out_.erase(out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(n));
    outBusyUntil_ += static_cast<double>(n) * byteTimeExact_;
}

}  // namespace dorvane::sim
