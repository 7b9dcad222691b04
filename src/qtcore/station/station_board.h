#pragma once

#include <QString>

#include <string>
#include <vector>

#include "core/common/event_loop.h"

namespace dorvane {

// Where a station's port stands.
enum class PortPhase {
    Opening,       // not yet open
    Waiting,       // for its STB to be switched on
    Transferring,  // the image goes
    Writing,       // the STB writes its memory
    Verifying,     // its channel data are read back
    LeavingLine,   // the STB served must be switched off first
    Stopped,       // the port has ended
    Unusable,      // the port could not be opened or failed
};

// A phase as the command line's table says it ("waiting", ...).
const char* portPhaseName(PortPhase phase);

// One port of a station as its table row or its tile shows it.
struct PortStatus {
    QString port;
    PortPhase phase = PortPhase::Opening;
    bool active = true;       // taking boxes (false once stopped)
    int progress = -1;        // 0..100 of the current box's transfer or writing; -1: none
    int etaSeconds = -1;      // until the last block; -1: unknown
    std::string bootVersion;  // of the last box that sent its information record
    std::string appVersion;
    std::string lastResult;  // the last box's ("ok", "refused", ...); empty before the first
    std::string lastReason;
    int boxes = 0;  // receipts written
    int ok = 0;
};

// Every port of a station and the totals, for the command line's table and
// the window's Station view alike.
class StationBoard {
public:
    // Adds the port or replaces its row.
    void update(const PortStatus& status);
    const std::vector<PortStatus>& ports() const { return ports_; }
    const PortStatus* find(const QString& port) const;

    struct Totals {
        int done = 0;             // boxes ok
        int failed = 0;           // boxes not ok
        int busy = 0;             // ports with a box on the line
        double boxesPerHour = 0;  // boxes served (ok or not) per hour of running
    };
    // Since the station began, `elapsed` ago.
    Totals totals(Millis elapsed) const;

private:
    std::vector<PortStatus> ports_;
};

}  // namespace dorvane
