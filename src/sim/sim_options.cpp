#include "sim/sim_options.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

namespace dorvane::sim {

const char kSimUsage[] =
    "usage: dorvane-sim [OPTIONS] [--relay download|upload [RELAY OPTIONS] -- PROGRAM ARGS...]\n"
    "\n"
    "A simulated STB on a pseudo-terminal. The first line of standard output is\n"
    "the terminal's device path; then one line per event: \"<ms> <event>\".\n"
    "Standard input takes commands, one a line: on, off, boot, app, quit, and\n"
    "upload (the application sends its channel data as on its console command).\n"
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
    "  --dc1 ack|nak|none     answer to a stop request (DC1) during the data (ack)\n"
    "  --dc1-delay MS         ... this long after it came (500)\n"
    "  --write-progress N,...|none   the percentages reported while writing\n"
    "                         (10,20,...,100; none: only the VT and the FF; up to\n"
    "                         255, as a faulty STB might report)\n"
    "  --split-answers        two-part answers (ENQ and record, ACK and 'C', RS and\n"
    "                         its value) in two bursts a few milliseconds apart\n"
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
    "  --keep-channels        channel data downloaded and written to its end is the\n"
    "                         application's from then on: uploads send it back\n"
    "Faults:\n"
    "  --fault silent|noise|close|restart@POINT  at POINT: on, header, info (after 64\n"
    "                         bytes of the record), info:N (after N bytes), block:N\n"
    "                         (data block N arrived, unanswered), block-ack:N (after\n"
    "                         its ACK), block-nak:N (after a NAK for it), eot,\n"
    "                         second-eot, batch (the end-of-batch block arrived),\n"
    "                         write-start or before-vt (after the batch, before the\n"
    "                         VT), writing or after-vt (after the VT), writing:N\n"
    "                         (after the Nth progress report), command,\n"
    "                         upload-header, upload-block:N, upload-eot; restart:\n"
    "                         the STB starts again 200 ms later (its boot loader\n"
    "                         asks with 'C'; at the upload points its application)\n"
    "  --drop-in N,... --corrupt-in N,... --drop-out N,... --corrupt-out N,...\n"
    "                         lose or garble the bytes at these positions (from 0)\n"
    "  --drop-in-rate PPM --corrupt-in-rate PPM --drop-out-rate PPM --corrupt-out-rate PPM\n"
    "                         lose bytes, or flip one bit of them, at a set rate\n"
    "                         (parts per million of the bytes in that direction)\n"
    "  --fault-seed N         which bytes the rates hit (1)\n"
    "  --nak-times N          how often each of --nak-blocks is refused (1)\n"
    "  --upload-fault F       (repeatable) once each: duplicate-header,\n"
    "                         bad-header-crc[:TIMES] (the first TIMES), corrupt-\n"
    "                         sequence:N (of data block N), lost-ack:N (the program's\n"
    "                         ACK of data block N does not arrive), bad-crc-once:N;\n"
    "                         every time: bad-crc:N (data block N with a wrong CRC);\n"
    "                         cut-block:N@BYTES (then silence); senders of other\n"
    "                         shapes: header-1k, no-header (data first), eot-first,\n"
    "                         deaf-to-nak (resends only after --timeout), second-file\n"
    "                         (a second file offered after the first); changed-byte\n"
    "                         (--keep-channels, with one byte of the first channel's\n"
    "                         name changed)\n"
    "  --upload-length TEXT   the length the header block announces (the file's)\n"
    "  --upload-pair NAME=LENGTH   one more pair in the header block (repeatable)\n"
    "  --write-stall MS       the writing phase stalls MS without a report half-way\n"
    "  --shrink-file PATH@N:SIZE   cut PATH to SIZE bytes when data block N arrives\n"
    "  --verbose              one event per data block\n"
    "  --capture-in PATH, --capture-out PATH   every byte read from / written to the\n"
    "                         line, raw, before faults and pacing\n"
    "Relay (a standard YMODEM program in the STB's place):\n"
    "  --relay download|upload, --relay-dir DIR, --relay-log FILE, --relay-now,\n"
    "  --hold-ms MS (10), --relay-delay MS (upload: the program starts MS after the\n"
    "  command, with what came meanwhile waiting in its input)\n"
    "A bench of STBs:\n"
    "  --boxes N              N simulated STBs at once, one pseudo-terminal each:\n"
    "                         the first N lines are their device paths, the event\n"
    "                         lines read \"<ms> <box> <event>\" (boxes from 1), and a\n"
    "                         command line \"K WORD\" is for box K (WORD alone: all)\n"
    "  --box K OPTIONS...     the options up to the next --box are box K's alone\n"
    "                         (the options before the first --box are every box's)\n"
    "  --on-after MS|MIN-MAX  switch on MS after the start, or at random between MIN\n"
    "                         and MAX (from --fault-seed and the box's number)\n"
    "Other:\n"
    "  --help                 show this help\n"
    "  --version              show the version and build\n";

namespace {

std::set<std::uint64_t> numberSet(const std::string& text) {
    std::set<std::uint64_t> out;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty()) out.insert(std::strtoull(item.c_str(), nullptr, 0));
    return out;
}

// In the order given (progress reports may repeat).
std::vector<std::uint64_t> numberList(const std::string& text) {
    std::vector<std::uint64_t> out;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty()) out.push_back(std::strtoull(item.c_str(), nullptr, 0));
    return out;
}

struct BadArgs {
    std::string message;
};

[[noreturn]] void usage(const std::string& message) { throw BadArgs{message}; }

struct Finished {
    ParsedArgs::Action action;
};

// The value of the option at argv[i], moving i on to it.
using Need = std::function<std::string(int&)>;

// The program's own options: help, start, time, capture.
bool programOption(const std::string& a, Config& c, [[maybe_unused]] const std::vector<std::string>& argv,
                   [[maybe_unused]] int& i, [[maybe_unused]] const Need& need) {
    if (a == "--help" || a == "-h") {
        throw Finished{ParsedArgs::Action::Help};
    } else if (a == "--version") {
        throw Finished{ParsedArgs::Action::Version};
    } else if (a == "--start") {
        c.start = need(i);
        if (c.start != "off" && c.start != "on" && c.start != "app") usage("bad --start");
    } else if (a == "--at") {
        const std::string v = need(i);
        const auto colon = v.find(':');
        if (colon == std::string::npos) usage("--at wants MS:COMMAND");
        c.at.emplace_back(std::atoi(v.substr(0, colon).c_str()), v.substr(colon + 1));
    } else if (a == "--rate")
        c.rate = std::atoi(need(i).c_str());
    else if (a == "--no-stdin")
        c.readStdin = false;
    else if (a == "--on-after") {
        const std::string v = need(i);
        const auto dash = v.find('-', 1);
        c.onAfterMs = std::atoi(v.substr(0, dash).c_str());
        c.onAfterMaxMs = dash == std::string::npos ? c.onAfterMs : std::atoi(v.substr(dash + 1).c_str());
        if (c.onAfterMs < 0 || c.onAfterMaxMs < c.onAfterMs) usage("--on-after wants MS or MIN-MAX");
    } else if (a == "--verbose")
        c.receiver.verbose = true;
    else if (a == "--capture-in")
        c.captureIn = need(i);
    else if (a == "--capture-out")
        c.captureOut = need(i);
    else
        return false;
    return true;
}

// The boot loader's answers, its writing and its store.
bool bootLoaderOption(const std::string& a, Config& c, [[maybe_unused]] const std::vector<std::string>& argv,
                      [[maybe_unused]] int& i, [[maybe_unused]] const Need& need) {
    if (a == "--boot-ms")
        c.receiver.bootWindowMs = std::atoi(need(i).c_str());
    else if (a == "--c-interval")
        c.receiver.requestIntervalMs = std::max(10, std::atoi(need(i).c_str()));
    else if (a == "--write-ms")
        c.receiver.writeMs = std::atoi(need(i).c_str());
    else if (a == "--timeout")
        c.receiver.answerTimeoutMs = std::max(10, std::atoi(need(i).c_str()));
    else if (a == "--demo")
        c.receiver.demo = true;
    else if (a == "--answer") {
        const std::string v = need(i);
        if (v != "enq" && v != "ack") usage("bad --answer");
        c.receiver.enqAnswer = v == "enq";
    } else if (a == "--boot-version")
        c.receiver.bootVersion = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--app-version")
        c.receiver.appVersion = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--buyer") {
        const std::string v = need(i);
        c.receiver.buyer = {};
        for (std::size_t k = 0; k < 4 && k < v.size(); ++k) c.receiver.buyer[k] = static_cast<std::uint8_t>(v[k]);
    } else if (a == "--record-length")
        c.receiver.recordLength = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--store")
        c.receiver.storePath = need(i);
    else if (a == "--first-eot") {
        const std::string v = need(i);
        if (v != "refuse" && v != "ack") usage("bad --first-eot");
        c.receiver.refuseFirstEot = v == "refuse";
    } else if (a == "--dc1") {
        const std::string v = need(i);
        using Dc1 = ReceiverOptions::Dc1Answer;
        if (v == "ack")
            c.receiver.dc1Answer = Dc1::Ack;
        else if (v == "nak")
            c.receiver.dc1Answer = Dc1::Nak;
        else if (v == "none")
            c.receiver.dc1Answer = Dc1::None;
        else
            usage("bad --dc1");
    } else if (a == "--dc1-delay")
        c.receiver.dc1DelayMs = std::max(0, std::atoi(need(i).c_str()));
    else if (a == "--write-progress") {
        const std::string v = need(i);
        c.receiver.writeProgress.clear();
        if (v != "none")
            for (auto n : numberList(v)) {
                if (n > 255) usage("--write-progress wants percentages (a byte each)");
                c.receiver.writeProgress.push_back(static_cast<int>(n));
            }
    } else if (a == "--split-answers")
        c.receiver.splitAnswers = true;
    else if (a == "--nak-blocks") {
        for (auto n : numberSet(need(i))) c.receiver.nakBlocks.insert(static_cast<int>(n));
    } else if (a == "--write-stall")
        c.receiver.writeStallMs = std::max(0, std::atoi(need(i).c_str()));
    else if (a == "--nak-times")
        c.receiver.nakTimes = std::max(1, std::atoi(need(i).c_str()));
    else
        return false;
    return true;
}

// The application's upload sender.
bool applicationOption(const std::string& a, Config& c, [[maybe_unused]] const std::vector<std::string>& argv,
                       [[maybe_unused]] int& i, [[maybe_unused]] const Need& need) {
    if (a == "--upload-file") {
        std::ifstream f(need(i), std::ios::binary);
        if (!f) usage("cannot read " + argv[i]);
        c.receiver.uploadBlob.assign(std::istreambuf_iterator<char>(f), {});
    } else if (a == "--upload-length")
        c.receiver.uploadLengthText = need(i);
    else if (a == "--upload-pair") {
        const std::string v = need(i);
        const auto eq = v.find('=');
        if (eq == std::string::npos || eq == 0) usage("--upload-pair wants NAME=LENGTH");
        c.receiver.uploadExtraPairs.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    } else if (a == "--echo")
        c.receiver.echo = true;
    else if (a == "--keep-channels")
        c.receiver.keepChannels = true;
    else if (a == "--sender") {
        const std::string v = need(i);
        if (v != "stb" && v != "standard") usage("bad --sender");
        c.receiver.standardSender = v == "standard";
    } else if (a == "--sender-delay")
        c.receiver.senderDelayMs = std::max(0, std::atoi(need(i).c_str()));
    else if (a == "--upload-fault") {
        const std::string v = need(i);
        const auto colon = v.find(':');
        const std::string kind = v.substr(0, colon);
        const int n = colon == std::string::npos ? 0 : std::atoi(v.substr(colon + 1).c_str());
        const auto atSign = v.find('@');
        if (kind == "duplicate-header")
            c.receiver.duplicateHeader = true;
        else if (kind == "bad-header-crc")
            c.receiver.badHeaderCrcTimes = colon == std::string::npos ? 1 : n;
        else if (kind == "corrupt-sequence" && n > 0)
            c.receiver.corruptSequenceBlock = n;
        else if (kind == "lost-ack" && n > 0)
            c.receiver.lostAckBlock = n;
        else if (kind == "bad-crc" && n > 0)
            c.receiver.badCrcBlock = n;
        else if (kind == "bad-crc-once" && n > 0)
            c.receiver.badCrcOnceBlock = n;
        else if (kind == "cut-block" && n > 0 && atSign != std::string::npos) {
            c.receiver.cutBlock = n;
            c.receiver.cutBlockBytes = std::strtoull(v.substr(atSign + 1).c_str(), nullptr, 0);
        } else if (kind == "header-1k")
            c.receiver.uploadHeader1K = true;
        else if (kind == "no-header")
            c.receiver.uploadNoHeader = true;
        else if (kind == "eot-first")
            c.receiver.uploadEotFirst = true;
        else if (kind == "deaf-to-nak")
            c.receiver.deafToNak = true;
        else if (kind == "second-file")
            c.receiver.uploadSecondFile = true;
        else if (kind == "changed-byte")
            c.receiver.keepChannels = c.receiver.changeKeptByte = true;
        else
            usage("bad --upload-fault " + v);
    } else if (a == "--shrink-file") {
        const std::string v = need(i);
        const auto atSign = v.rfind('@');
        const auto colon = v.rfind(':');
        if (atSign == std::string::npos || colon == std::string::npos || colon < atSign)
            usage("--shrink-file wants PATH@N:SIZE");
        c.receiver.shrinkPath = v.substr(0, atSign);
        c.receiver.shrinkAtBlock = std::atoi(v.substr(atSign + 1, colon - atSign - 1).c_str());
        c.receiver.shrinkTo = std::strtoull(v.substr(colon + 1).c_str(), nullptr, 0);
    } else {
        return false;
    }
    return true;
}

// Faults at a point of the transfer and on the line.
bool lineFaultOption(const std::string& a, Config& c, [[maybe_unused]] const std::vector<std::string>& argv,
                     [[maybe_unused]] int& i, [[maybe_unused]] const Need& need) {
    if (a == "--fault") {
        const std::string v = need(i);
        const auto atSign = v.find('@');
        if (atSign == std::string::npos) usage("--fault wants KIND@POINT");
        Fault f;
        const std::string kind = v.substr(0, atSign);
        if (kind == "silent")
            f.kind = Fault::Kind::Silent;
        else if (kind == "noise")
            f.kind = Fault::Kind::Noise;
        else if (kind == "close")
            f.kind = Fault::Kind::Close;
        else if (kind == "restart")
            f.kind = Fault::Kind::Restart;
        else
            usage("bad fault kind " + kind);
        const auto point = FaultPoint::parse(v.substr(atSign + 1));
        if (!point) usage("bad fault point " + v.substr(atSign + 1));
        f.point = *point;
        c.receiver.fault = f;
    } else if (a == "--drop-in")
        c.faults.dropIn = numberSet(need(i));
    else if (a == "--corrupt-in")
        c.faults.corruptIn = numberSet(need(i));
    else if (a == "--drop-out")
        c.faults.dropOut = numberSet(need(i));
    else if (a == "--corrupt-out")
        c.faults.corruptOut = numberSet(need(i));
    else if (a == "--drop-in-rate")
        c.faults.dropInRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--corrupt-in-rate")
        c.faults.corruptInRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--drop-out-rate")
        c.faults.dropOutRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--corrupt-out-rate")
        c.faults.corruptOutRate = static_cast<std::uint32_t>(std::strtoul(need(i).c_str(), nullptr, 0));
    else if (a == "--fault-seed")
        c.faults.seed = std::strtoull(need(i).c_str(), nullptr, 0);
    else
        return false;
    return true;
}

// Handing the line to another program.
bool relayOption(const std::string& a, Config& c, [[maybe_unused]] const std::vector<std::string>& argv,
                 [[maybe_unused]] int& i, [[maybe_unused]] const Need& need) {
    const int argc = static_cast<int>(argv.size());
    if (a == "--relay") {
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
        return false;
    }
    return true;
}
Config parse(const std::vector<std::string>& argv) {
    const int argc = static_cast<int>(argv.size());
    Config c;
    const Need need = [&](int& i) -> std::string {
        if (i + 1 >= argc) usage(argv[i] + " needs a value");
        return argv[++i];
    };
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (!programOption(a, c, argv, i, need) && !bootLoaderOption(a, c, argv, i, need) &&
            !applicationOption(a, c, argv, i, need) && !lineFaultOption(a, c, argv, i, need) &&
            !relayOption(a, c, argv, i, need))
            usage("unknown option " + a);
    }
    if (c.relay && c.relay->command.empty()) usage("--relay needs a program after --");
    if (c.receiver.uploadBlob.empty()) c.receiver.uploadBlob = builtInChannelData();
    return c;
}

// The moment a box is switched on by --on-after, as an --at command.
void resolveOnAfter(Config& c, int box) {
    if (c.onAfterMs < 0) return;
    int ms = c.onAfterMs;
    if (c.onAfterMaxMs > c.onAfterMs) {
        std::mt19937_64 random(c.faults.seed * 1000003u + static_cast<std::uint64_t>(box));
        ms = std::uniform_int_distribution<int>(c.onAfterMs, c.onAfterMaxMs)(random);
    }
    c.at.emplace_back(ms, "on");
}

constexpr int kMostBoxes = 64;

// The shared options and each box's own (by --box K), parsed per box.
std::vector<Config> parseBench(const std::vector<std::string>& args) {
    std::vector<std::string> common;
    std::map<int, std::vector<std::string>> own;
    int boxes = 1;
    int current = 0;  // 0: the shared options
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {  // a relayed program's arguments are not ours
            auto& into = current == 0 ? common : own[current];
            into.insert(into.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if ((a == "--boxes" || a == "--box") && i + 1 >= args.size()) usage(a + " needs a value");
        if (a == "--boxes" && current == 0) {
            boxes = std::atoi(args[++i].c_str());
            if (boxes < 1 || boxes > kMostBoxes) usage("--boxes wants 1 to " + std::to_string(kMostBoxes));
        } else if (a == "--box") {
            current = std::atoi(args[++i].c_str());
            own[current];
        } else {
            (current == 0 ? common : own[current]).push_back(a);
        }
    }
    parse(common);  // --help and --version before anything else
    std::vector<Config> out;
    for (const auto& [box, options] : own)
        if (box < 1 || box > boxes) usage("--box wants a box from 1 to " + std::to_string(boxes));
    for (int box = 1; box <= boxes; ++box) {
        std::vector<std::string> all = common;
        const auto it = own.find(box);
        if (it != own.end()) {
            // A relay's program arguments stay last.
            const auto cut = std::find(all.begin(), all.end(), "--");
            all.insert(cut, it->second.begin(), it->second.end());
        }
        out.push_back(parse(all));
        if (boxes > 1 && out.back().relay) usage("--relay takes one box only");
        resolveOnAfter(out.back(), box);
    }
    return out;
}

}  // namespace

ParsedArgs parseSimArgs(const std::vector<std::string>& args) {
    ParsedArgs out;
    try {
        out.boxes = parseBench(args);
        out.config = out.boxes.front();
    } catch (const BadArgs& bad) {
        out.action = ParsedArgs::Action::Error;
        out.error = bad.message;
    } catch (const Finished& done) {
        out.action = done.action;
    }
    return out;
}

}  // namespace dorvane::sim
