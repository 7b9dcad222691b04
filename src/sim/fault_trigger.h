#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "sim/fault_point.h"
#include "sim/receiver_options.h"
#include "sim/stb_line.h"

namespace dorvane::sim {

// The fault a run was given (--fault KIND@POINT): when the boot loader or the
// application reaches its point, the receiver falls silent there, sends
// noise, closes its line, or restarts (once a run).
class FaultTrigger {
public:
    FaultTrigger(const std::optional<Fault>& fault, StbLine& line, StbControl& control,
                 std::function<void()> closeLine);

    // Whether the fault goes off at this point (a restart only once a run).
    bool armedAt(const FaultPoint& point) const;
    // Sets the fault off when it is armed at this point; true when it went off
    // (the part that asked stops there).
    bool at(FaultPoint::Where where, std::optional<std::size_t> n = std::nullopt);
    // The same at a point of this kind, whatever its number.
    bool atAny(FaultPoint::Where where);
    // The bytes of the information record sent before a fault inside it:
    // 64 for "info", N for "info:N" (at most 127), nothing when not armed there.
    std::optional<std::size_t> recordCut() const;

private:
    void goOff(Fault::Kind kind, const FaultPoint& point);
    void emitNoise();
    void restart(bool application);

    std::optional<Fault> fault_;
    StbLine& line_;
    StbControl& control_;
    std::function<void()> closeLine_;
    bool restarted_ = false;
    StbTimer noiseTimer_{line_};
    StbTimer restartTimer_{line_};
};

}  // namespace dorvane::sim
