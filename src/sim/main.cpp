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

using namespace dorvane::sim;

namespace {

volatile sig_atomic_t gStop = 0;
void onSignal(int) { gStop = 1; }

const char kUsage[] =
    "usage: dorvane-sim [OPTIONS] [--relay download|upload [RELAY OPTIONS] -- PROGRAM ARGS...]\n"
    "\n"
    "A simulated STB on a pseudo-terminal. The first line of standard output is\n"
    "the terminal's device path; then one line per event: \"<ms> <event>\".\n"
    "Standard input takes commands, one a line: on, off, boot, app, quit.\n"
    "The simulator ends on quit, at the end of standard input, on SIGTERM or SIGINT.\n"
    "\n"
    "Power and timing:\n"
    "  --start off|on|app     state at start (default off; on = boot loader first)\n"
    "  --at MS:COMMAND        run a command MS milliseconds after start (repeatable)\n"
    "  --boot-ms MS           boot loader time before the application runs (5000)\n"
    "  --c-interval MS        'C' cadence of the boot loader (1000)\n"
    "  --write-ms MS          length of the writing phase after a download (1000)\n"
    "  --timeout MS           how long the STB waits for an answer (10000)\n"
    "  --rate BPS             line speed to pace both directions at (115200; 0 = unpaced)\n"
    "  --no-stdin             do not read commands from standard input\n"
    "  --demo                 switch on by itself when the link tests stop while\n"
    "                         off (a download was armed); off again after 60 s of\n"
    "                         running the application without an upload\n"
    "Boot loader:\n"
    "  --answer enq|ack       answer the header block with ENQ + information record\n"
    "                         or with ACK + 'C' (enq)\n"
    "  --boot-version W, --app-version W   version words of the record\n"
    "  --buyer TEXT           buyer code of the record (empty: takes any image)\n"
    "  --record-length N      length word of the record (32)\n"
    "  --store PATH           where the received file is written\n"
    "  --first-eot refuse|ack answer to the first EOT (refuse)\n"
    "  --nak-blocks N,...     refuse these data blocks once\n"
    "Application:\n"
    "  --upload-file PATH     channel data sent on \"loadb up curdb y\" (default: a\n"
    "                         small built-in blob)\n"
    "  --echo                 the console echoes what it is typed\n"
    "  --sender stb|standard  the upload's sender: the STB's own (default), or an\n"
    "                         ordinary YMODEM sender that answers every 'C' with the\n"
    "                         header block until it is acknowledged, takes 'C' as NAK\n"
    "                         while waiting for an ACK and resends after --timeout\n"
    "  --sender-delay MS      the sender starts MS after the command; what arrives\n"
    "                         meanwhile waits in its input\n"
    "Faults:\n"
    "  --fault silent|noise|close|restart@POINT   at POINT: on, header, info, block:N, eot,\n"
    "                         batch, writing, command, upload-header,\n"
    "                         upload-block:N, upload-eot\n"
    "  --drop-in N,... --corrupt-in N,... --drop-out N,... --corrupt-out N,...\n"
    "                         lose or garble the bytes at these positions (from 0)\n"
    "  --drop-in-rate PPM --corrupt-in-rate PPM --drop-out-rate PPM --corrupt-out-rate PPM\n"
    "                         lose bytes, or flip one bit of them, at a set rate\n"
    "                         (parts per million of the bytes in that direction)\n"
    "  --fault-seed N         which bytes the rates hit (1)\n"
    "  --nak-times N          how often each of --nak-blocks is refused (1)\n"
    "  --upload-fault F       once each (repeatable): duplicate-header, bad-header-crc,\n"
    "                         corrupt-sequence:N (of data block N), lost-ack:N (the\n"
    "                         program's ACK of data block N does not arrive)\n"
    "  --write-stall MS       the writing phase stalls MS without a report half-way\n"
    "  --shrink-file PATH@N:SIZE   cut PATH to SIZE bytes when data block N arrives\n"
    "  --verbose              one event per data block\n"
    "  --capture-in PATH, --capture-out PATH   every byte read from / written to the\n"
    "                         line, raw, before faults and pacing\n"
    "Relay (a standard YMODEM program in the STB's place):\n"
    "  --relay download|upload, --relay-dir DIR, --relay-log FILE, --relay-now,\n"
    "  --hold-ms MS (10), --relay-delay MS (upload: the program starts MS after the\n"
    "  command, with what came meanwhile waiting in its input)\n"
    "Other:\n"
    "  --help                 show this help\n"
    "  --version              show the version and build\n";

std::set<std::uint64_t> numberSet(const std::string& text) {
    std::set<std::uint64_t> out;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty()) out.insert(std::strtoull(item.c_str(), nullptr, 0));
    return out;
}

struct Config {
    ReceiverOptions receiver;
    std::optional<RelayOptions> relay;
    LineFaults faults;
    int rate = 115200;
    std::string start = "off";
    std::vector<std::pair<int, std::string>> at;
    bool readStdin = true;
    std::string captureIn;   // every byte the program sent, as read from the line
    std::string captureOut;  // every byte the program was sent, as written to the line
};

[[noreturn]] void usage(const std::string& message) {
    std::fprintf(stderr, "dorvane-sim: %s\n%s", message.c_str(), kUsage);
    std::exit(2);
}

Config parse(int argc, char** argv) {
    Config c;
    auto need = [&](int& i) -> std::string {
        if (i + 1 >= argc) usage(std::string(argv[i]) + " needs a value");
        return argv[++i];
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (a == "--version") {
            std::printf("%s\n", dorvane::versionAnswer("dorvane-sim").c_str());
            std::exit(0);
        } else if (a == "--start") {
            c.start = need(i);
            if (c.start != "off" && c.start != "on" && c.start != "app") usage("bad --start");
        } else if (a == "--at") {
            const std::string v = need(i);
            const auto colon = v.find(':');
            if (colon == std::string::npos) usage("--at wants MS:COMMAND");
            c.at.emplace_back(std::atoi(v.substr(0, colon).c_str()), v.substr(colon + 1));
        } else if (a == "--boot-ms") c.receiver.bootWindowMs = std::atoi(need(i).c_str());
        else if (a == "--c-interval") c.receiver.requestIntervalMs = std::max(10, std::atoi(need(i).c_str()));
        else if (a == "--write-ms") c.receiver.writeMs = std::atoi(need(i).c_str());
        else if (a == "--timeout") c.receiver.answerTimeoutMs = std::max(10, std::atoi(need(i).c_str()));
        else if (a == "--rate") c.rate = std::atoi(need(i).c_str());
        else if (a == "--no-stdin") c.readStdin = false;
        else if (a == "--demo") c.receiver.demo = true;
        else if (a == "--answer") {
            const std::string v = need(i);
            if (v != "enq" && v != "ack") usage("bad --answer");
            c.receiver.enqAnswer = v == "enq";
        } else if (a == "--boot-version") c.receiver.bootVersion = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--app-version") c.receiver.appVersion = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--buyer") {
            const std::string v = need(i);
            c.receiver.buyer = {};
            for (std::size_t k = 0; k < 4 && k < v.size(); ++k) c.receiver.buyer[k] = static_cast<std::uint8_t>(v[k]);
        } else if (a == "--record-length") c.receiver.recordLength = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--store") c.receiver.storePath = need(i);
        else if (a == "--first-eot") {
            const std::string v = need(i);
            if (v != "refuse" && v != "ack") usage("bad --first-eot");
            c.receiver.refuseFirstEot = v == "refuse";
        } else if (a == "--nak-blocks") {
            for (auto n : numberSet(need(i))) c.receiver.nakBlocks.insert(static_cast<int>(n));
        } else if (a == "--upload-file") {
            std::ifstream f(need(i), std::ios::binary);
            if (!f) usage(std::string("cannot read ") + argv[i]);
            c.receiver.uploadBlob.assign(std::istreambuf_iterator<char>(f), {});
        } else if (a == "--echo") c.receiver.echo = true;
        else if (a == "--sender") {
            const std::string v = need(i);
            if (v != "stb" && v != "standard") usage("bad --sender");
            c.receiver.standardSender = v == "standard";
        } else if (a == "--sender-delay") c.receiver.senderDelayMs = std::max(0, std::atoi(need(i).c_str()));
        else if (a == "--upload-fault") {
            const std::string v = need(i);
            const auto colon = v.find(':');
            const std::string kind = v.substr(0, colon);
            const int n = colon == std::string::npos ? 0 : std::atoi(v.substr(colon + 1).c_str());
            if (kind == "duplicate-header") c.receiver.duplicateHeader = true;
            else if (kind == "bad-header-crc") c.receiver.badHeaderCrc = true;
            else if (kind == "corrupt-sequence" && n > 0) c.receiver.corruptSequenceBlock = n;
            else if (kind == "lost-ack" && n > 0) c.receiver.lostAckBlock = n;
            else usage("bad --upload-fault " + v);
        } else if (a == "--write-stall") c.receiver.writeStallMs = std::max(0, std::atoi(need(i).c_str()));
        else if (a == "--shrink-file") {
            const std::string v = need(i);
            const auto atSign = v.rfind('@');
            const auto colon = v.rfind(':');
            if (atSign == std::string::npos || colon == std::string::npos || colon < atSign)
                usage("--shrink-file wants PATH@N:SIZE");
            c.receiver.shrinkPath = v.substr(0, atSign);
            c.receiver.shrinkAtBlock = std::atoi(v.substr(atSign + 1, colon - atSign - 1).c_str());
            c.receiver.shrinkTo = std::strtoull(v.substr(colon + 1).c_str(), nullptr, 0);
        }
        else if (a == "--verbose") c.receiver.verbose = true;
        else if (a == "--capture-in") c.captureIn = need(i);
        else if (a == "--capture-out") c.captureOut = need(i);
        else if (a == "--fault") {
            const std::string v = need(i);
            const auto atSign = v.find('@');
            if (atSign == std::string::npos) usage("--fault wants KIND@POINT");
            Fault f;
            const std::string kind = v.substr(0, atSign);
            if (kind == "silent") f.kind = Fault::Kind::Silent;
            else if (kind == "noise") f.kind = Fault::Kind::Noise;
            else if (kind == "close") f.kind = Fault::Kind::Close;
            else if (kind == "restart") f.kind = Fault::Kind::Restart;
            else usage("bad fault kind " + kind);
            f.point = v.substr(atSign + 1);
            c.receiver.fault = f;
        } else if (a == "--drop-in") c.faults.dropIn = numberSet(need(i));
        else if (a == "--corrupt-in") c.faults.corruptIn = numberSet(need(i));
        else if (a == "--drop-out") c.faults.dropOut = numberSet(need(i));
        else if (a == "--corrupt-out") c.faults.corruptOut = numberSet(need(i));
        else if (a == "--drop-in-rate") c.faults.dropInRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--corrupt-in-rate") c.faults.corruptInRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--drop-out-rate") c.faults.dropOutRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--corrupt-out-rate") c.faults.corruptOutRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
        else if (a == "--fault-seed") c.faults.seed = std::strtoull(need(i).c_str(), nullptr, 0);
        else if (a == "--nak-times") c.receiver.nakTimes = std::max(1, std::atoi(need(i).c_str()));
        else if (a == "--relay") {
            const std::string v = need(i);
            if (v != "download" && v != "upload") usage("bad --relay");
            if (!c.relay) c.relay.emplace();
            c.relay->mode = v == "download" ? RelayOptions::Mode::Download : RelayOptions::Mode::Upload;
        } else if (a == "--relay-dir") {
            if (!c.relay) c.relay.emplace();
            c.relay->directory = need(i);
        } else if (a == "--relay-log") {
            if (!c.relay) c.relay.emplace();
            c.relay->logPath = need(i);
        } else if (a == "--relay-now") {
            if (!c.relay) c.relay.emplace();
            c.relay->startAtOnce = true;
        } else if (a == "--relay-delay") {
            if (!c.relay) c.relay.emplace();
            c.relay->startDelayMs = std::max(0, std::atoi(need(i).c_str()));
        } else if (a == "--hold-ms") {
            if (!c.relay) c.relay.emplace();
            c.relay->holdMs = std::max(0, std::atoi(need(i).c_str()));
        } else if (a == "--") {
            if (!c.relay) usage("a program to relay to needs --relay");
            for (++i; i < argc; ++i) c.relay->command.emplace_back(argv[i]);
        } else {
            usage("unknown option " + a);
        }
    }
    if (c.relay && c.relay->command.empty()) usage("--relay needs a program after --");
    if (c.receiver.uploadBlob.empty()) c.receiver.uploadBlob = builtInChannelData();
    return c;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

}  // namespace

int main(int argc, char** argv) {
    Config config = parse(argc, argv);

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
    const Micros started = timers.now();
    auto log = [&](const std::string& what) {
        std::printf("%lld %s\n", static_cast<long long>((timers.now() - started) / 1000), what.c_str());
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
        timers.schedule(static_cast<Micros>(ms) * 1000, [&command, w] { command(w); });
    }

    std::string stdinLine;
    bool stdinOpen = config.readStdin;
    while (!gStop) {
        Micros now = timers.now();
        const Bytes arrived = pacer.takeArrived(now);
        if (!arrived.empty()) {
            if (receiver) receiver->received(arrived);
            else relay->received(arrived);
        }
        timers.runDue();
        Micros relayNext = relay ? relay->service(timers.now()) : -1;
        if (closeRequested) {
            // Let what is on its way go out first, then the line goes dead.
            while (!pacer.idle()) {
                const auto& out = pacer.outgoing();
                const Bytes chunk(out.begin(), out.end());
                const ssize_t w = write(line.master, chunk.data(), chunk.size());
                if (w <= 0) break;
                capture(captureOut, chunk.data(), static_cast<std::size_t>(w));
                pacer.sent(static_cast<std::size_t>(w), timers.now());
            }
            break;
        }

        now = timers.now();
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
        const Micros wait = std::max<Micros>(0, deadline - timers.now());
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
            if (n > 0) pacer.arrived(std::span<const std::uint8_t>(buf, static_cast<std::size_t>(n)), timers.now());
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
