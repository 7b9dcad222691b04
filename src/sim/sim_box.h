#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "sim/line_pacer.h"
#include "sim/pty.h"
#include "sim/receiver.h"
#include "sim/relay.h"
#include "sim/sim_options.h"

namespace dorvane::sim {

// One simulated STB on a pseudo-terminal of its own: the line, its pacing
// and faults, and the receiver (or the relay) behind it. The program's main
// loop drives any number of them on one clock.
class SimBox {
public:
    using Log = std::function<void(const std::string&)>;

    SimBox(Config config, Timers& timers, Log log);
    ~SimBox();
    SimBox(const SimBox&) = delete;
    SimBox& operator=(const SimBox&) = delete;

    // False (errno set) when no pseudo-terminal could be had.
    bool open();
    const std::string& path() const { return line_.slavePath; }
    // Runs the start state and schedules the --at commands, which go to
    // runCommand (the program's, which knows "quit" too).
    void start(std::function<void(const std::string&)> runCommand);

    // A power or upload command; false when the word is unknown.
    bool command(const std::string& word);

    // Hands on what has arrived and sends what may go out; returns the next
    // time this box needs the loop (-1: none) and whether it waits for the
    // terminal to take more.
    Micros service(Micros now, bool& wantWrite);
    // The line's descriptor (-1 once the line is dead) and its child's.
    int lineFd() const { return line_.master; }
    int childFd() const { return relay_ ? relay_->childFd() : -1; }
    void lineReadable();
    void childReadable() { relay_->childReadable(); }
    // The receiver closed its line (a fault): it stays dead.
    bool dead() const { return dead_; }

private:
    void capture(std::FILE* f, const void* data, std::size_t n);
    void flushAndClose();
    void writeSome(Micros now, bool& wantWrite);

    Config config_;
    Timers& timers_;
    Log log_;
    PtyPair line_;
    LinePacer pacer_;
    std::unique_ptr<Receiver> receiver_;
    std::unique_ptr<Relay> relay_;
    std::FILE* captureIn_ = nullptr;
    std::FILE* captureOut_ = nullptr;
    bool closeRequested_ = false;
    bool dead_ = false;
};

}  // namespace dorvane::sim
