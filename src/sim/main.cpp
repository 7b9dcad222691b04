// dorvane-sim: a receiver on a pseudo-terminal, for trying the program and
// for its tests without hardware. Prints the terminal's device path on the
// first line of standard output, then one line per event ("<ms> <what>").
// With --boxes N: N receivers at once, the first N lines their paths, the
// events "<ms> <box> <what>".

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/app/version.h"
#include "sim/sim_box.h"
#include "sim/sim_options.h"

using namespace dorvane::sim;

namespace {

volatile sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

[[noreturn]] void usage(const std::string& message) {
    std::fprintf(stderr, "dorvane-sim: %s\n%s", message.c_str(), simUsage().c_str());
    std::exit(2);
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

void catchSignals() {
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

class Bench {
public:
    explicit Bench(const std::vector<Config>& configs) : started_(timers_.nowMicros()) {
        const bool many = configs.size() > 1;
        for (std::size_t i = 0; i < configs.size(); ++i) {
            const std::string prefix = many ? std::to_string(i + 1) + " " : std::string();
            boxes_.push_back(std::make_unique<SimBox>(configs[i], timers_,
                                                      [this, prefix](const std::string& what) { log(prefix + what); }));
        }
    }

    bool open() {
        for (auto& box : boxes_)
            if (!box->open()) return false;
        // The device paths come first (a relay started at once logs before).
        for (auto& box : boxes_) std::printf("%s\n", box->path().c_str());
        pathsShown_ = true;
        for (const std::string& line : early_) std::printf("%s\n", line.c_str());
        early_.clear();
        std::fflush(stdout);
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            boxes_[i]->start([this, i](const std::string& word) {
                command(boxes_.size() > 1 ? std::to_string(i + 1) + " " + word : word);
            });
        return true;
    }

    void log(const std::string& what) {
        const std::string line = std::to_string((timers_.nowMicros() - started_) / 1000) + " " + what;
        if (!pathsShown_) {
            early_.push_back(line);
            return;
        }
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }

    // "WORD" for every box, "K WORD" for box K; "quit" ends the run.
    void command(const std::string& line) {
        const auto space = line.find(' ');
        const std::string last = space == std::string::npos ? line : trim(line.substr(space + 1));
        if (line == "quit" || last == "quit") {
            gStop = 1;
            return;
        }
        if (boxes_.size() > 1 && space != std::string::npos) {
            const int k = std::atoi(line.substr(0, space).c_str());
            const std::string& word = last;
            if (k < 1 || k > static_cast<int>(boxes_.size()))
                log("unknown box " + line.substr(0, space));
            else if (!boxes_[static_cast<std::size_t>(k - 1)]->command(word))
                log("unknown command " + word);
            return;
        }
        bool known = true;
        for (auto& box : boxes_) known = box->command(line) && known;
        if (!known) log("unknown command " + line);
    }

    void run(bool readStdin);

private:
    bool allDead() const {
        for (const auto& box : boxes_)
            if (!box->dead()) return false;
        return true;
    }
    void readStdin(bool& open);

    Timers timers_;
    const Micros started_;
    std::vector<std::unique_ptr<SimBox>> boxes_;
    bool pathsShown_ = false;
    std::vector<std::string> early_;  // log lines from before the paths were shown
    std::string stdinLine_;
};

void Bench::readStdin(bool& open) {
    char buf[512];
    const ssize_t n = read(0, buf, sizeof buf);
    if (n <= 0) {
        open = false;
        gStop = 1;  // our controller has gone
        return;
    }
    stdinLine_.append(buf, static_cast<std::size_t>(n));
    std::size_t nl;
    while ((nl = stdinLine_.find('\n')) != std::string::npos) {
        const std::string line = trim(stdinLine_.substr(0, nl));
        stdinLine_.erase(0, nl + 1);
        if (!line.empty()) command(line);
    }
}

void Bench::run(bool stdinOpen) {
    std::vector<pollfd> fds;
    std::vector<SimBox*> lineOf, childOf;
    while (!gStop) {
        timers_.runDue();
        Micros deadline = timers_.nowMicros() + 200'000;
        auto consider = [&](Micros t) {
            if (t >= 0 && t < deadline) deadline = t;
        };
        fds.clear();
        lineOf.clear();
        childOf.clear();
        for (auto& box : boxes_) {
            bool wantWrite = false;
            consider(box->service(timers_.nowMicros(), wantWrite));
            if (box->lineFd() >= 0) {
                fds.push_back({box->lineFd(), static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0});
                lineOf.push_back(box.get());
            }
        }
        if (allDead()) break;  // the receivers closed their lines
        for (auto& box : boxes_)
            if (box->childFd() >= 0) {
                fds.push_back({box->childFd(), POLLIN, 0});
                childOf.push_back(box.get());
            }
        const std::size_t stdinIndex = fds.size();
        if (stdinOpen) fds.push_back({0, POLLIN, 0});
        consider(timers_.nextDeadline());
        const Micros wait = std::max<Micros>(0, deadline - timers_.nowMicros());
        timespec ts{static_cast<time_t>(wait / 1'000'000), static_cast<long>((wait % 1'000'000) * 1000)};
        const int ready = ppoll(fds.data(), fds.size(), &ts, nullptr);
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (std::size_t i = 0; i < lineOf.size(); ++i)
            if (fds[i].revents & POLLIN) lineOf[i]->lineReadable();
        for (std::size_t i = 0; i < childOf.size(); ++i)
            if (fds[lineOf.size() + i].revents & (POLLIN | POLLHUP | POLLERR)) childOf[i]->childReadable();
        if (stdinOpen && (fds[stdinIndex].revents & (POLLIN | POLLHUP))) readStdin(stdinOpen);
    }
    log("exit");
}

}  // namespace

int main(int argc, char** argv) {
    ParsedArgs parsed = parseSimArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.action == ParsedArgs::Action::Help) {
        std::fputs(simUsage().c_str(), stdout);
        return 0;
    }
    if (parsed.action == ParsedArgs::Action::Version) {
        std::printf("%s\n", dorvane::versionAnswer("dorvane-sim").c_str());
        return 0;
    }
    if (parsed.action == ParsedArgs::Action::Error) usage(parsed.error);
    catchSignals();

    Bench bench(parsed.boxes);
    if (!bench.open()) {
        std::fprintf(stderr, "dorvane-sim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    bench.run(parsed.config.readStdin);
    return 0;
}
