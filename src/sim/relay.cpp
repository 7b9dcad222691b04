#include "sim/relay.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace dorvane::sim {

namespace {
constexpr Micros kMs = 1000;
constexpr char kUploadCommand[] = "loadb up curdb y";
// Longer than the program's link poll period (500 ms): a pause this long
// means the polls have stopped.
constexpr Micros kQuietMs = 1200;
}  // namespace

Relay::Relay(RelayOptions options, Timers& timers, Send send, Log log)
    : opt_(std::move(options)), timers_(timers), send_(std::move(send)), log_(std::move(log)) {
    if (opt_.mode == RelayOptions::Mode::Download && opt_.startAtOnce) startChild();
}

Relay::~Relay() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 100 && waitpid(pid_, &status, WNOHANG) == 0; ++i) usleep(10000);
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    closePty(child_);
}

bool Relay::command(const std::string& word) {
    if (word == "on" && !started_) {
        startChild();
        return true;
    }
    return word == "on" || word == "off";
}

void Relay::startChild() {
    if (started_ || opt_.command.empty()) return;
    // The relay keeps the program's terminal open on its side as well, so
    // that neither a read before the program opens it nor one after it
    // exits finds the terminal hung up (and nothing it wrote is lost).
    if (!openPty(child_, true)) {
        log_("relay: no pseudo-terminal");
        return;
    }
    started_ = true;
    const std::string slavePath = child_.slavePath;
    pid_ = fork();
    if (pid_ == 0) {
        setsid();
        const int slave = open(slavePath.c_str(), O_RDWR);
        if (slave < 0) _exit(126);
        makeRaw(slave);
        dup2(slave, 0);
        dup2(slave, 1);
        const int errFd = opt_.logPath.empty() ? open("/dev/null", O_WRONLY)
                                               : open(opt_.logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (errFd >= 0) dup2(errFd, 2);
        if (!opt_.directory.empty() && chdir(opt_.directory.c_str()) != 0) _exit(126);
        std::vector<char*> argv;
        for (const auto& a : opt_.command) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    if (pid_ < 0) {
        log_("relay: cannot start " + opt_.command[0]);
        closePty(child_);
        return;
    }
    log_("relay: started " + opt_.command[0]);
}

void Relay::received(const Bytes& bytes) {
    for (const std::uint8_t b : bytes) {
        if (!started_ || finished_) {
            if (b == BEL) {
                lastBel_ = timers_.nowMicros();
                // The application answers the link test; the boot loader
                // of a receiver that is off does not.
                if (opt_.mode == RelayOptions::Mode::Upload) send_(Bytes{ACK});
                continue;
            }
            if (opt_.mode == RelayOptions::Mode::Upload && !started_) {
                if (commandSeen_) {
                    toChild_.push_back(b);  // waits for the program
                    continue;
                }
                if (b == '\r' || b == '\n') {
                    if (console_ == kUploadCommand) {
                        log_("relay: upload command");
                        commandSeen_ = true;
                        if (opt_.startDelayMs <= 0) {
                            startChild();
                        } else {
                            timers_.scheduleMicros(static_cast<Micros>(opt_.startDelayMs) * kMs, [this] {
                                log_("relay: " + std::to_string(toChild_.size()) + " bytes waiting");
                                startChild();
                            });
                        }
                    }
                    console_.clear();
                } else if (console_.size() < 100) {
                    console_.push_back(static_cast<char>(b));
                }
            }
            continue;
        }
        toChild_.push_back(b);
    }
}

void Relay::watchToolBytes(const Bytes& bytes) {
    for (const std::uint8_t b : bytes) {
        if (!dataStarted_ && (b == SOH || b == STX)) {
            dataStarted_ = true;
            log_("relay: data start");
        }
        if (frameStart_.empty()) {
            if (b == EOT)
                ++eotsSeen_;
            else if (b == SOH && eotsSeen_ > 0)
                frameStart_.push_back(b);
            continue;
        }
        frameStart_.push_back(b);
        if (frameStart_.size() == 3) {
            if (frameStart_[1] == 0 && frameStart_[2] == 0xFF) {
                endBlockForwarded_ = true;
                ackAfterEnd_ = false;
            }
            frameStart_.clear();
        }
    }
}

void Relay::sendToChild(Micros now) {
    if (toChild_.empty() || child_.master < 0) return;
    if (now - childWroteAt_ < opt_.holdMs * kMs) return;
    const ssize_t n = write(child_.master, toChild_.data(), toChild_.size());
    if (n <= 0) return;
    const Bytes done(toChild_.begin(), toChild_.begin() + n);
    if (opt_.mode == RelayOptions::Mode::Download) watchToolBytes(done);
    toChild_.erase(toChild_.begin(), toChild_.begin() + n);
}

void Relay::childReadable() {
    std::uint8_t buf[4096];
    for (;;) {
        const ssize_t n = read(child_.master, buf, sizeof buf);
        if (n > 0) {
            childWroteAt_ = timers_.nowMicros();
            Bytes bytes(buf, buf + n);
            if (opt_.mode == RelayOptions::Mode::Upload && !dataStarted_) {
                for (const std::uint8_t b : bytes)
                    if (b == SOH || b == STX) {
                        dataStarted_ = true;
                        log_("relay: data start");
                        break;
                    }
            }
            if (endBlockForwarded_)
                for (const std::uint8_t b : bytes)
                    if (b == ACK) ackAfterEnd_ = true;
            send_(bytes);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        // The terminal is gone.
        closePty(child_);
        return;
    }
}

Micros Relay::service(Micros now) {
    // A download is armed when the link tests stop: the receiver is
    // switched on and its boot loader (the program) starts asking.
    const bool waiting = opt_.mode == RelayOptions::Mode::Download && !started_;
    if (waiting && lastBel_ >= 0 && now - lastBel_ > kQuietMs * kMs) {
        log_("relay: switching on");
        startChild();
    }
    if (pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            if (child_.master >= 0) childReadable();
            childEnded(status);
        }
    }
    sendToChild(now);
    Micros next = -1;
    if (!toChild_.empty()) next = childWroteAt_ + opt_.holdMs * kMs;
    if (pid_ > 0 || (waiting && !started_)) next = next < 0 ? now + 20 * kMs : std::min(next, now + 20 * kMs);
    return next;
}

void Relay::childEnded(int status) {
    finished_ = true;
    toChild_.clear();
    closePty(child_);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (code == 0 && endBlockForwarded_ && !ackAfterEnd_) {
        send_(Bytes{ACK});
        log_("relay: gave the final ACK");
    }
    log_("relay: " + opt_.command[0] + " ended with " + std::to_string(code));
}

}  // namespace dorvane::sim
