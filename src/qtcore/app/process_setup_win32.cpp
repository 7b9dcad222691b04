#include "qtcore/app/process_setup.h"

#include <windows.h>

namespace dorvane {

void prepareProcess() {
    // Windows has no file-size signal: a write beyond a quota fails and is
    // reported as such. A failing device (a COM port that went away) gives
    // errors to report, never the system's "insert a disk" box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

}  // namespace dorvane
