// dorvane-sim: a receiver on a pseudo-terminal, for trying the program and
// for its tests without hardware. Prints the terminal's device path on the
// first line of standard output, then one line per event ("<ms> <what>").

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/version.h"
#include "sim/line_pacer.h"
#include "sim/pty.h"
#include "sim/receiver.h"
#include "sim/relay.h"
#include "sim/sim_options.h"

using namespace dorvane::sim;

namespace {

volatile sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

[[noreturn]] void usage(const std::string& message) {
    std::fprintf(stderr, "dorvane-sim: %s\n%s", message.c_str(), kSimUsage);
    std::exit(2);
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

}  // namespace

int main(int argc, char** argv) {
    ParsedArgs parsed = parseSimArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.action == ParsedArgs::Action::Help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (parsed.action == ParsedArgs::Action::Version) {
        std::printf("%s\n", dorvane::versionAnswer("dorvane-sim").c_str());
        return 0;
    }
    if (parsed.action == ParsedArgs::Action::Error) usage(parsed.error);
    Config& config = parsed.config;

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    PtyPair line;
    if (!openPty(line, true)) {
        std::fprintf(stderr, "dorvane-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", line.slavePath.c_str());
    std::fflush(stdout);

    auto openCapture = [](const std::string& path) -> std::FILE* {
        if (path.empty()) return nullptr;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) std::fprintf(stderr, "dorvane-sim: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return f;
    };
    std::FILE* captureIn = openCapture(config.captureIn);
    std::FILE* captureOut = openCapture(config.captureOut);
    auto capture = [](std::FILE* f, const void* data, std::size_t n) {
        if (f && n > 0) {
            std::fwrite(data, 1, n, f);
            std::fflush(f);
        }
    };

    Timers timers;
    const Micros started = timers.nowMicros();
    auto log = [&](const std::string& what) {
        std::printf("%lld %s\n", static_cast<long long>((timers.nowMicros() - started) / 1000), what.c_str());
        std::fflush(stdout);
    };
    LinePacer pacer(config.rate, config.faults);
    bool closeRequested = false;
    auto send = [&](const Bytes& bytes) { pacer.send(bytes); };

    std::unique_ptr<Receiver> receiver;
    std::unique_ptr<Relay> relay;
    if (config.relay) {
        relay = std::make_unique<Relay>(*config.relay, timers, send, log);
    } else {
        receiver = std::make_unique<Receiver>(config.receiver, timers, send, log, [&] { closeRequested = true; });
        receiver->lineIdle = [&] { return pacer.idle(); };
    }
    auto command = [&](const std::string& word) {
        if (word == "quit") {
            gStop = 1;
            return;
        }
        const bool known = receiver ? receiver->command(word) : relay->command(word);
        if (!known) log("unknown command " + word);
    };
    if (config.start == "on") command("on");
    else if (config.start == "app") command("app");
    for (const auto& [ms, word] : config.at) {
        const std::string w = word;
        timers.scheduleMicros(static_cast<Micros>(ms) * 1000, [&command, w] { command(w); });
    }

    std::string stdinLine;
    bool stdinOpen = config.readStdin;
    while (!gStop) {
        Micros now = timers.nowMicros();
        const Bytes arrived = pacer.takeArrived(now);
        if (!arrived.empty()) {
            if (receiver) receiver->received(arrived);
            else relay->received(arrived);
        }
        timers.runDue();
        Micros relayNext = relay ? relay->service(timers.nowMicros()) : -1;
        if (closeRequested) {
            // Let what is on its way go out first, then the line goes dead.
            while (!pacer.idle()) {
                const auto& out = pacer.outgoing();
                const Bytes chunk(out.begin(), out.end());
                const ssize_t w = write(line.master, chunk.data(), chunk.size());
                if (w <= 0) break;
                capture(captureOut, chunk.data(), static_cast<std::size_t>(w));
                pacer.sent(static_cast<std::size_t>(w), timers.nowMicros());
            }
            break;
        }

        now = timers.nowMicros();
        bool wantWrite = false;
        if (const std::size_t n = pacer.sendable(now); n > 0) {
            const auto& out = pacer.outgoing();
            const Bytes chunk(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n));
            const ssize_t w = write(line.master, chunk.data(), chunk.size());
            if (w > 0) {
                capture(captureOut, chunk.data(), static_cast<std::size_t>(w));
                pacer.sent(static_cast<std::size_t>(w), now);
            }
            else if (errno == EAGAIN) wantWrite = true;
        }

        // Sleep until something is due.
        Micros deadline = now + 200'000;
        auto consider = [&](Micros t) {
            if (t >= 0 && t < deadline) deadline = t;
        };
        consider(timers.nextDeadline());
        consider(pacer.nextArrival());
        if (!wantWrite) consider(pacer.nextSendSlot(now));
        consider(relayNext);
        const Micros wait = std::max<Micros>(0, deadline - timers.nowMicros());
        timespec ts{static_cast<time_t>(wait / 1'000'000), static_cast<long>((wait % 1'000'000) * 1000)};

        pollfd fds[3];
        nfds_t count = 0;
        fds[count++] = {line.master, static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0};
        const int stdinIndex = stdinOpen ? static_cast<int>(count) : -1;
        if (stdinOpen) fds[count++] = {0, POLLIN, 0};
        const int childIndex = relay && relay->childFd() >= 0 ? static_cast<int>(count) : -1;
        if (childIndex >= 0) fds[count++] = {relay->childFd(), POLLIN, 0};
        const int ready = ppoll(fds, count, &ts, nullptr);
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[0].revents & POLLIN) {
            std::uint8_t buf[4096];
            const ssize_t n = read(line.master, buf, sizeof buf);
            if (n > 0) capture(captureIn, buf, static_cast<std::size_t>(n));
            if (n > 0) pacer.arrived(std::span<const std::uint8_t>(buf, static_cast<std::size_t>(n)), timers.nowMicros());
        }
        if (stdinIndex >= 0 && (fds[stdinIndex].revents & (POLLIN | POLLHUP))) {
            char buf[512];
            const ssize_t n = read(0, buf, sizeof buf);
            if (n <= 0) {
                stdinOpen = false;
                gStop = 1;  // our controller has gone
            } else {
                stdinLine.append(buf, static_cast<std::size_t>(n));
                std::size_t nl;
                while ((nl = stdinLine.find('\n')) != std::string::npos) {
                    const std::string word = trim(stdinLine.substr(0, nl));
                    stdinLine.erase(0, nl + 1);
                    if (!word.empty()) command(word);
                }
            }
        }
        if (childIndex >= 0 && (fds[childIndex].revents & (POLLIN | POLLHUP | POLLERR))) relay->childReadable();
    }
    log("exit");
    if (captureIn) std::fclose(captureIn);
    if (captureOut) std::fclose(captureOut);
    relay.reset();
    closePty(line);
    return 0;
}
