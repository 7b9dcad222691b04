#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sim/fault_point.h"
#include "sim/frames.h"

namespace dorvane::sim {

// Something going wrong at a chosen point of a transfer.
struct Fault {
    // Restart: the receiver is switched off and on again (its boot loader,
    // or its application for the upload points) and forgets the transfer;
    // once per run.
    enum class Kind { Silent, Noise, Close, Restart };
    Kind kind = Kind::Silent;
    FaultPoint point;
};

// How the boot loader takes a download and writes it.
struct BootLoaderOptions {
    bool enqAnswer = true;  // ENQ + information record, else ACK + 'C'
    std::uint32_t recordLength = 32;
    std::uint32_t bootVersion = 0x01000000;
    std::uint32_t appVersion = 0x01020300;
    std::array<std::uint8_t, 4> buyer{};  // all zero: takes any image
    std::string storePath;                // where a received file goes
    int requestIntervalMs = 1000;         // 'C' cadence of the boot loader
    int bootWindowMs = 5000;              // boot loader time before the application runs
    bool refuseFirstEot = true;
    std::set<int> nakBlocks;  // data blocks answered with NAK the first time
    int nakTimes = 1;         // ... or the first nakTimes times
    int writeMs = 1000;       // length of the writing phase
    // The progress reports (RS and a percentage) between the VT and the FF
    // that frame the writing; none: VT, then FF.
    std::vector<int> writeProgress{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    // A stop request (DC1) during the data: acknowledged, refused like a
    // garbled block (the program then sends the block again), or ignored,
    // dc1DelayMs after it arrived.
    enum class Dc1Answer { Ack, Nak, None };
    Dc1Answer dc1Answer = Dc1Answer::Ack;
    int dc1DelayMs = 500;
    // Writing stalls this long without a report half-way.
    int writeStallMs = 0;
    // When data block shrinkAtBlock arrives, the file at shrinkPath is cut
    // to shrinkTo bytes (the source of a running download shrinking under
    // it).
    std::string shrinkPath;
    int shrinkAtBlock = 0;
    std::uint64_t shrinkTo = 0;
    // Channel data (a file beginning with "IRZ") written to its end becomes
    // the application's database: uploads send it back. With
    // changeKeptByte one byte of it is changed on the way (a faulty STB).
    bool keepChannels = false;
    bool changeKeptByte = false;
};

// How the application's console and its upload sender behave.
struct ApplicationOptions {
    Bytes uploadBlob;   // what "loadb up curdb y" sends
    bool echo = false;  // the console echoes what it is typed
    // The application's sender: "stb" answers a 'C' after the header block
    // only when it comes a second later and takes an ACK right behind a NAK
    // as part of it; "standard" answers every 'C' with the header block
    // until it is acknowledged and takes 'C' like NAK while waiting for an
    // ACK, as ordinary YMODEM senders do.
    bool standardSender = false;
    // The sender starts this long after the command; requests that arrive
    // meanwhile wait in its input and are answered one by one at its start.
    int senderDelayMs = 0;
    // Upload faults, each once: the header block sent twice in a row; the
    // sequence byte of data block N garbled; the ACK of data block N lost on
    // its way; the CRC of data block N wrong. The header block's CRC wrong
    // the first badHeaderCrcTimes times; the CRC of data block N wrong every
    // time; data block N cut off after so many bytes, then silence.
    bool duplicateHeader = false;
    int badHeaderCrcTimes = 0;
    int corruptSequenceBlock = 0;
    int lostAckBlock = 0;
    int badCrcOnceBlock = 0;
    int badCrcBlock = 0;
    int cutBlock = 0;
    std::size_t cutBlockBytes = 0;
    // Senders of other shapes: the length announced as this text (empty:
    // the blob's); more name/length pairs behind the first; a header block
    // of 1,024 bytes; no header block (data block 1 answers the first 'C');
    // an EOT for the first 'C'; deaf to NAK (only its own time-out resends);
    // a second file offered after the first (its header block where the
    // end of the batch belongs).
    std::string uploadLengthText;
    std::vector<std::pair<std::string, std::string>> uploadExtraPairs;
    bool uploadHeader1K = false;
    bool uploadNoHeader = false;
    bool uploadEotFirst = false;
    bool deafToNak = false;
    bool uploadSecondFile = false;
};

struct ReceiverOptions {
    BootLoaderOptions boot;
    ApplicationOptions app;
    std::optional<Fault> fault;
    int answerTimeoutMs = 10000;  // how long either part waits for an answer
    // Answers of two parts (ENQ and the record, ACK and 'C', RS and its
    // value) go out in two bursts a few milliseconds apart.
    bool splitAnswers = false;
    bool demo = false;
    bool verbose = false;
};

}  // namespace dorvane::sim
