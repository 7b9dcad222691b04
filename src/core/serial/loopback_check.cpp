#include "core/serial/loopback_check.h"

namespace dorvane {

namespace {

// How far ahead a gap is looked for; below 256, so that a value of the
// pattern names one place.
constexpr std::size_t kGapWindow = 200;

}  // namespace

std::vector<std::uint8_t> loopbackPattern(std::size_t length) {
    std::vector<std::uint8_t> pattern(length);
    for (std::size_t i = 0; i < length; ++i) pattern[i] = static_cast<std::uint8_t>(i & 0xFF);
    return pattern;
}

LoopbackTally compareLoopback(std::span<const std::uint8_t> sent, std::span<const std::uint8_t> received) {
    LoopbackTally tally;
    tally.sent = sent.size();
    tally.received = received.size();
    std::size_t at = 0;  // the next pattern byte expected
    for (std::size_t j = 0; j < received.size(); ++j) {
        const std::uint8_t byte = received[j];
        if (at >= sent.size()) {
            ++tally.extra;
            continue;
        }
        if (byte == sent[at]) {
            ++at;
            continue;
        }
        std::size_t found = 0;
        for (std::size_t k = at + 1; k < sent.size() && k <= at + kGapWindow; ++k) {
            if (sent[k] != byte) continue;
            // The last byte cannot be confirmed by the next: it counts as garbled.
            const bool nextAgrees = j + 1 < received.size() && k + 1 < sent.size() && received[j + 1] == sent[k + 1];
            if (nextAgrees) {
                found = k;
                break;
            }
        }
        if (found != 0) {
            tally.lost += found - at;
            at = found + 1;
        } else {
            ++tally.wrong;
            ++at;
        }
    }
    tally.lost += sent.size() - at;
    return tally;
}

}  // namespace dorvane
