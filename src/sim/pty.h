#pragma once

#include <string>

namespace dorvane::sim {

// The controlling side of a new pseudo-terminal in raw mode. The slave is
// kept open too, so that the line survives programs opening and closing it.
struct PtyPair {
    int master = -1;
    int slave = -1;
    std::string slavePath;
};

// False (with errno set) when no pseudo-terminal can be had.
bool openPty(PtyPair& pty, bool keepSlaveOpen);
void closePty(PtyPair& pty);

// Raw 8-bit mode without echo on a terminal.
void makeRaw(int fd);

}  // namespace dorvane::sim
