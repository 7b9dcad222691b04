#include "sim/sim_box.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace dorvane::sim {

namespace {

std::FILE* openCapture(const std::string& path) {
    if (path.empty()) return nullptr;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::fprintf(stderr, "dorvane-sim: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return f;
}

}  // namespace

SimBox::SimBox(Config config, Timers& timers, Log log)
    : config_(std::move(config)), timers_(timers), log_(std::move(log)), pacer_(config_.rate, config_.faults) {}

SimBox::~SimBox() {
    relay_.reset();
    receiver_.reset();
    if (captureIn_) std::fclose(captureIn_);
    if (captureOut_) std::fclose(captureOut_);
    closePty(line_);
}

bool SimBox::open() {
    if (!openPty(line_, true)) return false;
    captureIn_ = openCapture(config_.captureIn);
    captureOut_ = openCapture(config_.captureOut);
    auto send = [this](const Bytes& bytes) { pacer_.send(bytes); };
    if (config_.relay) {
        relay_ = std::make_unique<Relay>(*config_.relay, timers_, send, log_);
    } else {
        receiver_ =
            std::make_unique<Receiver>(config_.receiver, timers_, send, log_, [this] { closeRequested_ = true; });
        receiver_->lineIdle = [this] { return pacer_.idle(); };
    }
    return true;
}

void SimBox::start(std::function<void(const std::string&)> runCommand) {
    if (config_.start == "on")
        command("on");
    else if (config_.start == "app")
        command("app");
    for (const auto& [ms, word] : config_.at) {
        const std::string w = word;
        timers_.scheduleMicros(static_cast<Micros>(ms) * 1000, [runCommand, w] { runCommand(w); });
    }
}

bool SimBox::command(const std::string& word) {
    if (dead_) return true;
    return receiver_ ? receiver_->command(word) : relay_->command(word);
}

void SimBox::capture(std::FILE* f, const void* data, std::size_t n) {
    if (f && n > 0) {
        std::fwrite(data, 1, n, f);
        std::fflush(f);
    }
}

// Lets what is on its way go out first, then the line goes dead.
void SimBox::flushAndClose() {
    while (!pacer_.idle()) {
        const auto& out = pacer_.outgoing();
        const Bytes chunk(out.begin(), out.end());
        const ssize_t w = write(line_.master, chunk.data(), chunk.size());
        if (w <= 0) break;
        capture(captureOut_, chunk.data(), static_cast<std::size_t>(w));
        pacer_.sent(static_cast<std::size_t>(w), timers_.nowMicros());
    }
    closePty(line_);
    dead_ = true;
}

void SimBox::writeSome(Micros now, bool& wantWrite) {
    const std::size_t n = pacer_.sendable(now);
    if (n == 0) return;
    const auto& out = pacer_.outgoing();
    const Bytes chunk(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n));
    const ssize_t w = write(line_.master, chunk.data(), chunk.size());
    if (w > 0) {
        capture(captureOut_, chunk.data(), static_cast<std::size_t>(w));
        pacer_.sent(static_cast<std::size_t>(w), now);
    } else if (errno == EAGAIN) {
        wantWrite = true;
    }
}

Micros SimBox::service(Micros now, bool& wantWrite) {
    wantWrite = false;
    if (dead_) return -1;
    const Bytes arrived = pacer_.takeArrived(now);
    if (!arrived.empty()) {
        if (receiver_)
            receiver_->received(arrived);
        else
            relay_->received(arrived);
    }
    Micros next = relay_ ? relay_->service(timers_.nowMicros()) : -1;
    if (closeRequested_) {
        flushAndClose();
        return -1;
    }
    now = timers_.nowMicros();
    writeSome(now, wantWrite);
    auto consider = [&next](Micros t) {
        if (t >= 0 && (next < 0 || t < next)) next = t;
    };
    consider(pacer_.nextArrival());
    if (!wantWrite) consider(pacer_.nextSendSlot(now));
    return next;
}

void SimBox::lineReadable() {
    std::uint8_t buf[4096];
    const ssize_t n = read(line_.master, buf, sizeof buf);
    if (n <= 0) return;
    capture(captureIn_, buf, static_cast<std::size_t>(n));
    pacer_.arrived(std::span<const std::uint8_t>(buf, static_cast<std::size_t>(n)), timers_.nowMicros());
}

}  // namespace dorvane::sim
