#include "qtcore/app/process_setup.h"

#include <csignal>

namespace dorvane {

void prepareProcess() {
    // A file that may grow no further (a size limit on the process) is a
    // failed write to report, not a reason to die halfway through saving.
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace dorvane
