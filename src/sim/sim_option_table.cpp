#include "sim/sim_option_table.h"

#include <algorithm>
#include <cstdlib>

#include "sim/sim_option_values.h"

namespace dorvane::sim {

namespace {

int toInt(const std::string& v) { return std::atoi(v.c_str()); }
std::uint32_t toWord(const std::string& v) { return static_cast<std::uint32_t>(std::strtoul(v.c_str(), nullptr, 0)); }

RelayOptions& relay(Config& c) {
    if (!c.relay) c.relay.emplace();
    return *c.relay;
}

constexpr SimOption heading(const char* text) { return {nullptr, nullptr, text, nullptr}; }

constexpr SimOption kOptions[] = {
    heading("Power and timing:"),
    {"--start", "off|on|app", "state at start (default off; on = boot loader first)", setStart},
    {"--at", "MS:COMMAND", "run a command MS milliseconds after start (repeatable)", setAt},
    {"--boot-ms", "MS", "boot loader time before the application runs (5000)",
     [](Config& c, const std::string& v) { c.receiver.boot.bootWindowMs = toInt(v); }},
    {"--c-interval", "MS", "'C' cadence of the boot loader (1000)",
     [](Config& c, const std::string& v) { c.receiver.boot.requestIntervalMs = std::max(10, toInt(v)); }},
    {"--write-ms", "MS", "length of the writing phase after a download (1000)",
     [](Config& c, const std::string& v) { c.receiver.boot.writeMs = toInt(v); }},
    {"--timeout", "MS", "how long the STB waits for an answer (10000)",
     [](Config& c, const std::string& v) { c.receiver.answerTimeoutMs = std::max(10, toInt(v)); }},
    {"--rate", "BPS", "line speed to pace both directions at (115200; 0 = unpaced)",
     [](Config& c, const std::string& v) { c.rate = toInt(v); }},
    {"--no-stdin", nullptr, "do not read commands from standard input",
     [](Config& c, const std::string&) { c.readStdin = false; }},
    {"--demo", nullptr,
     "switch on by itself when the link tests stop while off (a download was armed); off again after 60 s of "
     "running the application without an upload",
     [](Config& c, const std::string&) { c.receiver.demo = true; }},

    heading("Boot loader:"),
    {"--answer", "enq|ack", "answer the header block with ENQ + information record or with ACK + 'C' (enq)",
     [](Config& c, const std::string& v) {
         if (v != "enq" && v != "ack") badSimArgs("bad --answer");
         c.receiver.boot.enqAnswer = v == "enq";
     }},
    {"--boot-version", "W", nullptr, [](Config& c, const std::string& v) { c.receiver.boot.bootVersion = toWord(v); }},
    {"--app-version", "W", "version words of the record",
     [](Config& c, const std::string& v) { c.receiver.boot.appVersion = toWord(v); }},
    {"--buyer", "TEXT", "buyer code of the record (empty: takes any image)", setBuyer},
    {"--record-length", "N", "length word of the record (32)",
     [](Config& c, const std::string& v) { c.receiver.boot.recordLength = toWord(v); }},
    {"--store", "PATH", "where the received file is written",
     [](Config& c, const std::string& v) { c.receiver.boot.storePath = v; }},
    {"--first-eot", "refuse|ack", "answer to the first EOT (refuse)",
     [](Config& c, const std::string& v) {
         if (v != "refuse" && v != "ack") badSimArgs("bad --first-eot");
         c.receiver.boot.refuseFirstEot = v == "refuse";
     }},
    {"--nak-blocks", "N,...", "refuse these data blocks once",
     [](Config& c, const std::string& v) {
         for (const auto n : numberSet(v)) c.receiver.boot.nakBlocks.insert(static_cast<int>(n));
     }},
    {"--dc1", "ack|nak|none", "answer to a stop request (DC1) during the data (ack)", setDc1},
    {"--dc1-delay", "MS", "... this long after it came (500)",
     [](Config& c, const std::string& v) { c.receiver.boot.dc1DelayMs = std::max(0, toInt(v)); }},
    {"--write-progress", "N,...|none",
     "the percentages reported while writing (10,20,...,100; none: only the VT and the FF; up to 255, as a "
     "faulty STB might report)",
     setWriteProgress},
    {"--split-answers", nullptr,
     "two-part answers (ENQ and record, ACK and 'C', RS and its value) in two bursts a few milliseconds apart",
     [](Config& c, const std::string&) { c.receiver.splitAnswers = true; }},

    heading("Application:"),
    {"--upload-file", "PATH", "channel data sent on \"loadb up curdb y\" (default: a small built-in blob)",
     setUploadFile},
    {"--echo", nullptr, "the console echoes what it is typed",
     [](Config& c, const std::string&) { c.receiver.app.echo = true; }},
    {"--sender", "stb|standard",
     "the upload's sender: the STB's own (default), or an ordinary YMODEM sender that answers every 'C' with "
     "the header block until it is acknowledged, takes 'C' as NAK while waiting for an ACK and resends after "
     "--timeout",
     [](Config& c, const std::string& v) {
         if (v != "stb" && v != "standard") badSimArgs("bad --sender");
         c.receiver.app.standardSender = v == "standard";
     }},
    {"--sender-delay", "MS", "the sender starts MS after the command; what arrives meanwhile waits in its input",
     [](Config& c, const std::string& v) { c.receiver.app.senderDelayMs = std::max(0, toInt(v)); }},
    {"--keep-channels", nullptr,
     "channel data downloaded and written to its end is the application's from then on: uploads send it back",
     [](Config& c, const std::string&) { c.receiver.boot.keepChannels = true; }},

    heading("Faults:"),
    {"--fault", "silent|noise|close|restart@POINT",
     "at POINT: on, header, info (after 64 bytes of the record), info:N (after N bytes), block:N (data block N "
     "arrived, unanswered), block-ack:N (after its ACK), block-nak:N (after a NAK for it), eot, second-eot, "
     "batch (the end-of-batch block arrived), write-start or before-vt (after the batch, before the VT), "
     "writing or after-vt (after the VT), writing:N (after the Nth progress report), command, upload-header, "
     "upload-block:N, upload-eot; restart: the STB starts again 200 ms later (its boot loader asks with 'C'; "
     "at the upload points its application)",
     setFault},
    {"--drop-in", "N,...", nullptr, [](Config& c, const std::string& v) { c.faults.dropIn = numberSet(v); }},
    {"--corrupt-in", "N,...", nullptr, [](Config& c, const std::string& v) { c.faults.corruptIn = numberSet(v); }},
    {"--drop-out", "N,...", nullptr, [](Config& c, const std::string& v) { c.faults.dropOut = numberSet(v); }},
    {"--corrupt-out", "N,...", "lose or garble the bytes at these positions (from 0)",
     [](Config& c, const std::string& v) { c.faults.corruptOut = numberSet(v); }},
    {"--drop-in-rate", "PPM", nullptr, [](Config& c, const std::string& v) { c.faults.dropInRate = toWord(v); }},
    {"--corrupt-in-rate", "PPM", nullptr, [](Config& c, const std::string& v) { c.faults.corruptInRate = toWord(v); }},
    {"--drop-out-rate", "PPM", nullptr, [](Config& c, const std::string& v) { c.faults.dropOutRate = toWord(v); }},
    {"--corrupt-out-rate", "PPM",
     "lose bytes, or flip one bit of them, at a set rate (parts per million of the bytes in that direction)",
     [](Config& c, const std::string& v) { c.faults.corruptOutRate = toWord(v); }},
    {"--fault-seed", "N", "which bytes the rates hit (1)",
     [](Config& c, const std::string& v) { c.faults.seed = std::strtoull(v.c_str(), nullptr, 0); }},
    {"--nak-times", "N", "how often each of --nak-blocks is refused (1)",
     [](Config& c, const std::string& v) { c.receiver.boot.nakTimes = std::max(1, toInt(v)); }},
    {"--upload-fault", "F",
     "(repeatable) once each: duplicate-header, bad-header-crc[:TIMES] (the first TIMES), corrupt-sequence:N "
     "(of data block N), lost-ack:N (the program's ACK of data block N does not arrive), bad-crc-once:N; every "
     "time: bad-crc:N (data block N with a wrong CRC); cut-block:N@BYTES (then silence); senders of other "
     "shapes: header-1k, no-header (data first), eot-first, deaf-to-nak (resends only after --timeout), "
     "second-file (a second file offered after the first); changed-byte (--keep-channels, with one byte of the "
     "first channel's name changed)",
     setUploadFault},
    {"--upload-length", "TEXT", "the length the header block announces (the file's)",
     [](Config& c, const std::string& v) { c.receiver.app.uploadLengthText = v; }},
    {"--upload-pair", "NAME=LENGTH", "one more pair in the header block (repeatable)", setUploadPair},
    {"--write-stall", "MS", "the writing phase stalls MS without a report half-way",
     [](Config& c, const std::string& v) { c.receiver.boot.writeStallMs = std::max(0, toInt(v)); }},
    {"--shrink-file", "PATH@N:SIZE", "cut PATH to SIZE bytes when data block N arrives", setShrinkFile},
    {"--verbose", nullptr, "one event per data block",
     [](Config& c, const std::string&) { c.receiver.verbose = true; }},
    {"--capture-in", "PATH", nullptr, [](Config& c, const std::string& v) { c.captureIn = v; }},
    {"--capture-out", "PATH", "every byte read from / written to the line, raw, before faults and pacing",
     [](Config& c, const std::string& v) { c.captureOut = v; }},

    heading("Relay (a standard YMODEM program in the STB's place):"),
    {"--relay", "download|upload",
     "download: the program takes the file once the link tests stop; upload: the upload command starts it "
     "and it sends the file",
     setRelayMode},
    {"--relay-dir", "DIR", "the program's working directory",
     [](Config& c, const std::string& v) { relay(c).directory = v; }},
    {"--relay-log", "FILE", "the program's standard error (default: discarded)",
     [](Config& c, const std::string& v) { relay(c).logPath = v; }},
    {"--relay-now", nullptr, "download: start the program without waiting for the link tests to stop",
     [](Config& c, const std::string&) { relay(c).startAtOnce = true; }},
    {"--hold-ms", "MS", "quiet time towards the program after it wrote (10)",
     [](Config& c, const std::string& v) { relay(c).holdMs = std::max(0, toInt(v)); }},
    {"--relay-delay", "MS",
     "upload: the program starts MS after the command, with what came meanwhile waiting in its input",
     [](Config& c, const std::string& v) { relay(c).startDelayMs = std::max(0, toInt(v)); }},

    heading("A bench of STBs:"),
    {"--boxes", "N",
     "N simulated STBs at once, one pseudo-terminal each: the first N lines are their device paths, the event "
     "lines read \"<ms> <box> <event>\" (boxes from 1), and a command line \"K WORD\" is for box K (WORD "
     "alone: all)",
     nullptr},
    {"--box", "K OPTIONS...",
     "the options up to the next --box are box K's alone (the options before the first --box are every box's)",
     nullptr},
    {"--on-after", "MS|MIN-MAX",
     "switch on MS after the start, or at random between MIN and MAX (from --fault-seed and the box's number)",
     setOnAfter},

    heading("Other:"),
    {"--help", nullptr, "show this help",
     [](Config&, const std::string&) { throw SimArgsFinished{ParsedArgs::Action::Help}; }, "-h"},
    {"--version", nullptr, "show the version and build",
     [](Config&, const std::string&) { throw SimArgsFinished{ParsedArgs::Action::Version}; }},
};

}  // namespace

std::span<const SimOption> simOptions() { return kOptions; }

const SimOption* findSimOption(const std::string& word) {
    for (const SimOption& option : kOptions)
        if (option.name && (word == option.name || (option.alias && word == option.alias))) return &option;
    return nullptr;
}

void badSimArgs(const std::string& message) { throw BadSimArgs{message}; }

}  // namespace dorvane::sim
