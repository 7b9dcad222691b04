#include "support/simulated_stb.h"

#include <algorithm>

#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"

namespace dorvane::test {

void ProgramWrites::add(std::span<const std::uint8_t> b) {
    if (b.size() == kBlockFrameSize && b[0] == ctl::STX) {
        const std::uint16_t crc = crc16(b.subspan(3, kBlockData));
        if (b[1027] != (crc >> 8) || b[1028] != (crc & 0xFF) || b[2] != static_cast<std::uint8_t>(~b[1])) badCrc = true;
        if (b[1] == 0 && sequences.empty()) {
            ++headerBlocks;
            std::size_t i = 3;
            headerName.clear();
            headerLength.clear();
            while (b[i] != 0) headerName.push_back(static_cast<char>(b[i++]));
            ++i;
            while (b[i] != 0) headerLength.push_back(static_cast<char>(b[i++]));
            return;
        }
        if (!sequences.empty() && sequences.back() == b[1]) ++duplicates;
        sequences.push_back(b[1]);
        return;
    }
    if (b.size() == kShortBlockFrameSize && b[0] == ctl::SOH) {
        ++batchBlocks;
        return;
    }
    cans += static_cast<int>(std::count(b.begin(), b.end(), ctl::CAN));
    requests += static_cast<int>(std::count(b.begin(), b.end(), ctl::C));
    if (b.size() != 1) return;
    if (b[0] == ctl::EOT) ++eots;
    if (b[0] == ctl::DC1) ++dc1s;
}

SimulatedStb::SimulatedStb(EventLoop& loop, const std::vector<std::string>& options)
    : loop_(loop), ownLink_(std::make_unique<ScriptedLink>(loop)), link_(*ownLink_) {
    start(options);
}

SimulatedStb::SimulatedStb(ScriptedLink& link, const std::vector<std::string>& options)
    : loop_(link.loop()), link_(link) {
    start(options);
}

SimulatedStb::~SimulatedStb() {
    guard_.end();
    if (!ownLink_) link_.onWrite = nullptr;
}

void SimulatedStb::start(const std::vector<std::string>& options) {
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
        loop_.schedule(2, guard_.guard([this] { link_.fail(); }));
    };
    receiver_ = std::make_unique<sim::Receiver>(
        config.receiver, loop_, [this](const sim::Bytes& bytes) { toProgram(bytes); }, log, closeLine);
    receiver_->lineIdle = [] { return true; };
    link_.onWrite = [this](std::span<const std::uint8_t> bytes) { fromProgram(bytes); };
    if (config.start == "on")
        receiver_->command("on");
    else if (config.start == "app")
        receiver_->command("app");
    for (const auto& [ms, word] : config.at)
        loop_.schedule(ms, guard_.guard([this, w = word] {
            if (!receiver_->command(w)) events_.push_back("unknown command " + w);
        }));
}

void SimulatedStb::detach() {
    if (receiver_) receiver_->command("off");
    link_.onWrite = nullptr;
}

bool SimulatedStb::logged(const std::string& event) const {
    return std::find(events_.begin(), events_.end(), event) != events_.end();
}

const std::vector<std::uint8_t>& SimulatedStb::data() const {
    static const std::vector<std::uint8_t> none;
    return receiver_ ? receiver_->takenData() : none;
}

void SimulatedStb::fromProgram(std::span<const std::uint8_t> bytes) {
    seen_.add(bytes);
    pacer_->arrived(bytes, 0);
    sim::Bytes arrived = pacer_->takeArrived(0);
    if (arrived.empty()) return;
    // The receiver sees the bytes once they have crossed the line.
    loop_.schedule(1, guard_.guard([this, arrived = std::move(arrived)] {
        if (link_.isOpen()) receiver_->received(arrived);
    }));
}

void SimulatedStb::toProgram(const sim::Bytes& bytes) {
    pacer_->send(bytes);
    const auto& out = pacer_->outgoing();
    if (out.empty()) return;
    link_.send(std::vector<std::uint8_t>(out.begin(), out.end()), 1);
    pacer_->sent(out.size(), 0);
}

namespace {

std::vector<std::string> joined(std::vector<std::string> base, const std::vector<std::string>& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

}  // namespace

std::vector<std::string> ackBootLoader(std::vector<std::string> more) {
    return joined({"--answer", "ack", "--write-progress", "none", "--write-ms", "20", "--dc1-delay", "0"}, more);
}

std::vector<std::string> enqBootLoader(std::vector<std::string> more) {
    return joined({"--answer", "enq", "--boot-version", "0x01020300", "--app-version", "0x02030400", "--write-progress",
                   "40,100", "--write-ms", "30", "--dc1-delay", "0"},
                  more);
}

}  // namespace dorvane::test
