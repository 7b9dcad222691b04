#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "sim/line_pacer.h"
#include "sim/receiver.h"
#include "sim/sim_options.h"
#include "support/scripted_link.h"

namespace dorvane::test {

// What the program put on the line, frame by frame (it writes each frame of
// a download in one go): for checking the bytes it sent, whatever the
// receiver made of them.
struct ProgramWrites {
    std::string headerName;
    std::string headerLength;
    std::vector<std::uint8_t> sequences;  // sequence byte of every data block sent
    int headerBlocks = 0;
    int duplicates = 0;  // a data block right behind a copy of itself
    int eots = 0;
    int dc1s = 0;
    int batchBlocks = 0;
    int cans = 0;         // CAN bytes (an upload or a download given up)
    int requests = 0;     // 'C' bytes (an upload asking for the header block or data)
    bool badCrc = false;  // a block with a wrong CRC or sequence complement

    void add(std::span<const std::uint8_t> write);
};

// The simulated STB in-process: dorvane-sim's receiver and line faults,
// configured with its own options, behind a serial link on the test's
// (virtual) event loop. What runs on the pseudo-terminal runs here byte for
// byte, only without waiting for the clock.
class SimulatedStb {
public:
    // On a link of its own.
    SimulatedStb(EventLoop& loop, const std::vector<std::string>& options);
    // At the far end of the test's link.
    SimulatedStb(ScriptedLink& link, const std::vector<std::string>& options);
    ~SimulatedStb();
    SimulatedStb(const SimulatedStb&) = delete;
    SimulatedStb& operator=(const SimulatedStb&) = delete;

    // False (with the reason in error()) when the options were refused.
    bool valid() const { return receiver_ != nullptr; }
    const std::string& error() const { return error_; }

    ScriptedLink& link() { return link_; }
    // The test takes over the far end of the line: the receiver is switched
    // off and hears no more.
    void detach();
    // "on", "off", "boot", "app".
    bool command(const std::string& word) { return receiver_ && receiver_->command(word); }
    // What the simulator would have printed, without the times.
    const std::vector<std::string>& events() const { return events_; }
    bool logged(const std::string& event) const;

    // The data of the blocks its boot loader took, padding included.
    const std::vector<std::uint8_t>& data() const;
    const ProgramWrites& seen() const { return seen_; }

private:
    void start(const std::vector<std::string>& options);
    void fromProgram(std::span<const std::uint8_t> bytes);
    void toProgram(const sim::Bytes& bytes);

    EventLoop& loop_;
    std::unique_ptr<ScriptedLink> ownLink_;
    ScriptedLink& link_;
    LifetimeGuard guard_;
    std::unique_ptr<sim::LinePacer> pacer_;
    std::unique_ptr<sim::Receiver> receiver_;
    std::vector<std::string> events_;
    std::string error_;
    ProgramWrites seen_;
};

// dorvane-sim's options for the boot loaders of the engine's and the flow's
// tests, with more options behind: one that answers the header block with
// ACK and 'C' and reports its writing with VT and FF alone; one that answers
// with ENQ and its record (boot loader 1.2.3, application 2.3.4) and reports
// 40 % and 100 % between them. Both answer a stop request at once and write
// for a few milliseconds.
std::vector<std::string> ackBootLoader(std::vector<std::string> more = {});
std::vector<std::string> enqBootLoader(std::vector<std::string> more = {});

}  // namespace dorvane::test
