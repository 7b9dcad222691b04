#include "sim/pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace dorvane::sim {

void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &t);
}

bool openPty(PtyPair& pty, bool keepSlaveOpen) {
    pty.master = posix_openpt(O_RDWR | O_NOCTTY);
    if (pty.master < 0) return false;
    if (grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) {
        closePty(pty);
        return false;
    }
    const char* name = ptsname(pty.master);
    if (!name) {
        closePty(pty);
        return false;
    }
    pty.slavePath = name;
    const int slave = open(name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        closePty(pty);
        return false;
    }
    makeRaw(slave);
    if (keepSlaveOpen)
        pty.slave = slave;
    else
        close(slave);
    fcntl(pty.master, F_SETFL, fcntl(pty.master, F_GETFL) | O_NONBLOCK);
    fcntl(pty.master, F_SETFD, FD_CLOEXEC);
    if (pty.slave >= 0) fcntl(pty.slave, F_SETFD, FD_CLOEXEC);
    return true;
}

void closePty(PtyPair& pty) {
    if (pty.slave >= 0) close(pty.slave);
    if (pty.master >= 0) close(pty.master);
    pty.slave = pty.master = -1;
}

}  // namespace dorvane::sim
