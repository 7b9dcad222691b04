#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/line_pacer.h"
#include "sim/receiver.h"
#include "sim/sim_options.h"
#include "support/scripted_link.h"

namespace dorvane::test {

// The simulated STB in-process: dorvane-sim's receiver and line faults,
// configured with its own options, behind a serial link on the test's
// (virtual) event loop. What runs on the pseudo-terminal runs here byte for
// byte, only without waiting for the clock.
class SimulatedStb {
public:
    SimulatedStb(EventLoop& loop, const std::vector<std::string>& options);

    // False (with the reason in error()) when the options were refused.
    bool valid() const { return receiver_ != nullptr; }
    const std::string& error() const { return error_; }

    ScriptedLink& link() { return link_; }
    // "on", "off", "boot", "app".
    bool command(const std::string& word) { return receiver_ && receiver_->command(word); }
    // What the simulator would have printed, without the times.
    const std::vector<std::string>& events() const { return events_; }

private:
    void fromProgram(std::span<const std::uint8_t> bytes);
    void toProgram(const sim::Bytes& bytes);

    EventLoop& loop_;
    ScriptedLink link_;
    std::unique_ptr<sim::LinePacer> pacer_;
    std::unique_ptr<sim::Receiver> receiver_;
    std::vector<std::string> events_;
    std::string error_;
};

}  // namespace dorvane::test
