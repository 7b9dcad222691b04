#include "qtcore/station/station_board.h"

#include <algorithm>

namespace dorvane {

const char* portPhaseName(PortPhase phase) {
    switch (phase) {
        case PortPhase::Opening: return "opening";
        case PortPhase::Waiting: return "waiting";
        case PortPhase::Transferring: return "transferring";
        case PortPhase::Writing: return "writing";
        case PortPhase::Verifying: return "verifying";
        case PortPhase::LeavingLine: return "switch off";
        case PortPhase::Stopped: return "stopped";
        case PortPhase::Unusable: return "unusable";
    }
    return "";
}

void StationBoard::update(const PortStatus& status) {
    const auto it =
        std::find_if(ports_.begin(), ports_.end(), [&](const PortStatus& p) { return p.port == status.port; });
    if (it == ports_.end())
        ports_.push_back(status);
    else
        *it = status;
}

const PortStatus* StationBoard::find(const QString& port) const {
    for (const PortStatus& p : ports_)
        if (p.port == port) return &p;
    return nullptr;
}

StationBoard::Totals StationBoard::totals(Millis elapsed) const {
    Totals t;
    int boxes = 0;
    for (const PortStatus& p : ports_) {
        t.done += p.ok;
        t.failed += p.boxes - p.ok;
        boxes += p.boxes;
        if (p.phase == PortPhase::Transferring || p.phase == PortPhase::Writing || p.phase == PortPhase::Verifying)
            ++t.busy;
    }
    if (elapsed > 0) t.boxesPerHour = boxes * 3'600'000.0 / static_cast<double>(elapsed);
    return t;
}

}  // namespace dorvane
