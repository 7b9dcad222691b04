#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sim/frames.h"
#include "sim/pty.h"
#include "sim/sim_clock.h"

namespace dorvane::sim {

struct RelayOptions {
    enum class Mode { Download, Upload };
    Mode mode = Mode::Download;
    std::vector<std::string> command;  // the YMODEM program and its arguments
    std::string directory;             // its working directory
    std::string logPath;               // its standard error ("" = discarded)
    bool startAtOnce = false;          // download: start without waiting for the link tests to stop
    int holdMs = 10;                   // quiet time towards the program after it wrote
    int startDelayMs = 0;              // upload: the program starts this long after the command;
                                       // what the tool sends meanwhile waits in its input
};

// Puts a standard YMODEM program (which knows nothing of the link test or
// the boot-console command) behind the line and plays the receiver's power
// state around it. For a download the receiver is off (silent to BEL) until
// the link tests stop, then the program runs and takes the file. For an
// upload the receiver's application answers BEL with ACK, and the
// boot-console command starts the program, which sends the file.
//
// The program runs on a pseudo-terminal of its own. Bytes towards it are
// held back until it has been quiet for a few milliseconds after its own
// writes, because such programs empty their input right after answering.
class Relay {
public:
    using Send = std::function<void(const Bytes&)>;
    using Log = std::function<void(const std::string&)>;

    Relay(RelayOptions options, Timers& timers, Send send, Log log);
    ~Relay();

    void received(const Bytes& bytes);
    bool command(const std::string& word);

    // The program's side, for the main loop.
    int childFd() const { return child_.master; }
    void childReadable();
    // Forwards held bytes when due; reaps the program; returns the next
    // time something is due (-1: nothing).
    Micros service(Micros now);

private:
    void startChild();
    void childEnded(int status);
    void sendToChild(Micros now);
    void watchToolBytes(const Bytes& bytes);

    RelayOptions opt_;
    Timers& timers_;
    Send send_;
    Log log_;

    PtyPair child_;
    pid_t pid_ = -1;
    bool started_ = false;
    bool finished_ = false;
    Bytes toChild_;
    Micros childWroteAt_ = 0;
    Micros lastBel_ = -1;
    std::string console_;
    bool commandSeen_ = false;

    // End-of-batch bookkeeping: such programs may exit before their last
    // ACK leaves the terminal; the relay then gives it in their place.
    int eotsSeen_ = 0;
    Bytes frameStart_;
    bool endBlockForwarded_ = false;
    bool ackAfterEnd_ = false;
    bool dataStarted_ = false;
};

}  // namespace dorvane::sim
