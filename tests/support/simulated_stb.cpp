#include "support/simulated_stb.h"

namespace dorvane::test {

SimulatedStb::SimulatedStb(EventLoop& loop, const std::vector<std::string>& options) : loop_(loop), link_(loop) {
    sim::ParsedArgs parsed = sim::parseSimArgs(options);
    if (parsed.action != sim::ParsedArgs::Action::Run || parsed.config.relay) {
        error_ = parsed.error.empty() ? "not a receiver run" : parsed.error;
        return;
    }
    sim::Config& config = parsed.config;
    pacer_ = std::make_unique<sim::LinePacer>(0, config.faults);  // no pacing: the clock is virtual
    auto log = [this](const std::string& what) { events_.push_back(what); };
    auto closeLine = [this] {
        // What is on its way goes out first, then the line goes dead.
        loop_.schedule(2, [this] { link_.fail(); });
    };
    receiver_ = std::make_unique<sim::Receiver>(
        config.receiver, loop, [this](const sim::Bytes& bytes) { toProgram(bytes); }, log, closeLine);
    receiver_->lineIdle = [] { return true; };
    link_.onWrite = [this](std::span<const std::uint8_t> bytes) { fromProgram(bytes); };
    if (config.start == "on") receiver_->command("on");
    else if (config.start == "app") receiver_->command("app");
    for (const auto& [ms, word] : config.at)
        loop_.schedule(ms, [this, w = word] {
            if (!receiver_->command(w)) events_.push_back("unknown command " + w);
        });
}

void SimulatedStb::fromProgram(std::span<const std::uint8_t> bytes) {
    pacer_->arrived(bytes, 0);
    sim::Bytes arrived = pacer_->takeArrived(0);
    if (arrived.empty()) return;
    // The receiver sees the bytes once they have crossed the line.
    loop_.schedule(1, [this, arrived = std::move(arrived)] {
        if (link_.isOpen()) receiver_->received(arrived);
    });
}

void SimulatedStb::toProgram(const sim::Bytes& bytes) {
    pacer_->send(bytes);
    const auto& out = pacer_->outgoing();
    if (out.empty()) return;
    link_.send(std::vector<std::uint8_t>(out.begin(), out.end()), 1);
    pacer_->sent(out.size(), 0);
}

}  // namespace dorvane::test
