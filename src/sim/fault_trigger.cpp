#include "sim/fault_trigger.h"

#include <algorithm>
#include <random>
#include <utility>

namespace dorvane::sim {

namespace {

constexpr Millis kRestartMs = 200;    // off and on again
constexpr Millis kNoiseEveryMs = 50;  // a burst of noise this often
constexpr std::size_t kNoiseBurst = 64;
constexpr std::size_t kInfoCutDefault = 64;
constexpr std::size_t kInfoCutMost = 127;

}  // namespace

FaultTrigger::FaultTrigger(const std::optional<Fault>& fault, StbLine& line, StbControl& control,
                           std::function<void()> closeLine)
    : fault_(fault), line_(line), control_(control), closeLine_(std::move(closeLine)) {}

bool FaultTrigger::armedAt(const FaultPoint& point) const {
    if (!fault_ || fault_->point != point) return false;
    return fault_->kind != Fault::Kind::Restart || !restarted_;
}

bool FaultTrigger::at(FaultPoint::Where where, std::optional<std::size_t> n) {
    const FaultPoint point{where, n};
    if (!armedAt(point)) return false;
    control_.fallSilent();
    goOff(fault_->kind, point);
    return true;
}

bool FaultTrigger::atAny(FaultPoint::Where where) {
    if (!fault_ || fault_->point.where != where) return false;
    return at(where, fault_->point.n);
}

std::optional<std::size_t> FaultTrigger::recordCut() const {
    if (!fault_ || fault_->point.where != FaultPoint::Where::Info || !armedAt(fault_->point)) return std::nullopt;
    return fault_->point.n ? std::min(kInfoCutMost, *fault_->point.n) : kInfoCutDefault;
}

void FaultTrigger::goOff(Fault::Kind kind, const FaultPoint& point) {
    const std::string where = " at " + point.text();
    switch (kind) {
        case Fault::Kind::Silent: line_.log("fault silent" + where); break;
        case Fault::Kind::Noise:
            line_.log("fault noise" + where);
            emitNoise();
            break;
        case Fault::Kind::Close:
            line_.log("fault close" + where);
            closeLine_();
            break;
        case Fault::Kind::Restart:
            line_.log("fault restart" + where);
            restarted_ = true;
            restart(point.inApplication());
            break;
    }
}

// Until the receiver is switched again (which stops the timer).
void FaultTrigger::emitNoise() {
    static std::mt19937 rng(7);
    Bytes noise(kNoiseBurst);
    for (auto& b : noise) b = static_cast<std::uint8_t>(rng());
    line_.send(noise);
    noiseTimer_.start(kNoiseEveryMs, [this] { emitNoise(); });
}

void FaultTrigger::restart(bool application) {
    restartTimer_.start(kRestartMs, [this, application] {
        if (application)
            control_.startApplication();
        else
            control_.powerOn();
    });
}

}  // namespace dorvane::sim
