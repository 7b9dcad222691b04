#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/transfer/event_loop.h"
#include "core/transfer/lifetime_guard.h"
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

struct ReceiverOptions {
    bool enqAnswer = true;  // ENQ + information record, else ACK + 'C'
    std::uint32_t recordLength = 32;
    std::uint32_t bootVersion = 0x01000000;
    std::uint32_t appVersion = 0x01020300;
    std::array<std::uint8_t, 4> buyer{};  // all zero: takes any image
    std::string storePath;                // where a received file goes
    Bytes uploadBlob;                     // what "loadb up curdb y" sends
    int requestIntervalMs = 1000;         // 'C' cadence of the boot loader
    int bootWindowMs = 5000;              // boot loader time before the application runs
    bool refuseFirstEot = true;
    std::set<int> nakBlocks;  // data blocks answered with NAK the first time
    int nakTimes = 1;         // ... or the first nakTimes times
    int writeMs = 1000;       // length of the writing phase
    // The progress reports (RS and a percentage) between the VT and the FF
    // that frame the writing; none: VT, then FF.
    std::vector<int> writeProgress{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    // Answers of two parts (ENQ and the record, ACK and 'C', RS and its
    // value) go out in two bursts a few milliseconds apart.
    bool splitAnswers = false;
    // A stop request (DC1) during the data: acknowledged, refused like a
    // garbled block (the program then sends the block again), or ignored,
    // dc1DelayMs after it arrived.
    enum class Dc1Answer { Ack, Nak, None };
    Dc1Answer dc1Answer = Dc1Answer::Ack;
    int dc1DelayMs = 500;
    bool echo = false;  // the console echoes what it is typed
    int answerTimeoutMs = 10000;
    std::optional<Fault> fault;
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
    // a second file after the first.
    std::string uploadLengthText;
    std::vector<std::pair<std::string, std::string>> uploadExtraPairs;
    bool uploadHeader1K = false;
    bool uploadNoHeader = false;
    bool uploadEotFirst = false;
    bool deafToNak = false;
    // A second file offered after the first (its header block where the
    // end of the batch belongs).
    bool uploadSecondFile = false;
    // Download: writing stalls this long without a report half-way.
    int writeStallMs = 0;
    // Download: when data block shrinkAtBlock arrives, the file at
    // shrinkPath is cut to shrinkTo bytes (the source of a running download
    // shrinking under it).
    std::string shrinkPath;
    int shrinkAtBlock = 0;
    std::uint64_t shrinkTo = 0;
    // Channel data (a file beginning with "IRZ") written to its end becomes
    // the application's database: uploads send it back. With
    // changeKeptByte one byte of it is changed on the way (a faulty STB).
    bool keepChannels = false;
    bool changeKeptByte = false;
    bool demo = false;
    bool verbose = false;
};

// The receiver at the other end of the line: its boot loader takes a
// download, its application answers the link test and sends its channel
// data on the boot-console command. Everything is driven by received bytes,
// commands and timers; nothing waits.
class Receiver {
public:
    using Send = std::function<void(const Bytes&)>;
    using Log = std::function<void(const std::string&)>;

    Receiver(ReceiverOptions options, EventLoop& loop, Send send, Log log, std::function<void()> closeLine);
    ~Receiver() { cancelTimers(); }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    // "on", "off", "boot", "app", "upload" (its application sends its
    // channel data, as on the boot-console command); false for an unknown
    // command.
    bool command(const std::string& word);
    void received(const Bytes& bytes);

    // The line sits idle (nothing queued to send).
    std::function<bool()> lineIdle;

    // The data of the blocks the boot loader took in the last download,
    // padding included (what it stores is cut to the announced length).
    const Bytes& takenData() const { return file_; }

private:
    enum class Mode { Off, Boot, App, Faulted };
    enum class Boot { WaitHeader, InfoAnswer, RejectCode, Data, EndBatch, Writing };
    enum class Upload { None, WaitC, HeaderAck, WaitC2, BlockAck, Eot1, Eot2, WaitCEnd, EndAck };

    void powerOn();
    void powerOff();
    void startBoot();
    void startApp();
    void sendRequest();
    bool faultAt(FaultPoint::Where where, std::optional<std::size_t> n = std::nullopt);
    // The bytes of the information record sent before a fault "info" (64)
    // or "info:N" (N); nothing for the other points.
    std::optional<std::size_t> recordCut() const;
    void emitNoise();

    void bootByte(std::uint8_t b);
    void bootBlock();
    void armByteTimeout();
    void byteTimeout();
    void storeFile();
    void keepChannels();
    void startWriting();
    void writingProgress(std::size_t next);
    void answerDc1();

    void appByte(std::uint8_t b);
    void consoleLine(const std::string& line);
    void uploadByte(std::uint8_t b);
    void sendUploadHeader();
    void sendUploadBlock();
    // What follows the file's EOT: the end of the batch, or the header
    // block of a second file.
    Bytes endOfUploadFile() const;
    void startSender();
    void armUploadTimeout();
    void uploadTimeout();
    void endUpload(const std::string& how);

    void demoTick();
    void send(const Bytes& b) { send_(b); }
    void send(std::uint8_t b) { send_(Bytes{b}); }
    // An answer of two parts: the first `at` bytes, then the rest (in a
    // burst of their own when the answers are split).
    void sendSplit(const Bytes& b, std::size_t at);
    // fn in ms, unless the receiver is switched off, restarts or is gone.
    void later(Millis ms, std::function<void()> fn);
    void cancelTimers();
    void stop(EventLoop::TimerId& id) {
        if (id != 0) timers_.cancel(id);
        id = 0;
    }

    ReceiverOptions opt_;
    EventLoop& timers_;
    Send send_;
    Log log_;
    std::function<void()> closeLine_;

    Mode mode_ = Mode::Off;
    Boot boot_ = Boot::WaitHeader;
    Upload up_ = Upload::None;

    LifetimeGuard guard_;
    int cycle_ = 0;  // counts cancelTimers(): what later() scheduled before is void
    EventLoop::TimerId requestTimer_ = 0, windowTimer_ = 0, byteTimer_ = 0, phaseTimer_ = 0, upTimer_ = 0,
                       noiseTimer_ = 0;

    // Download side.
    BlockCollector block_;
    std::string fileName_;
    std::uint64_t fileLength_ = 0;
    Bytes file_;
    std::uint8_t expected_ = 1;
    int blocksTaken_ = 0;
    int eots_ = 0;
    int timeouts_ = 0;
    std::map<int, int> nakDone_;  // refusals so far, by block
    bool stored_ = false;
    Millis writeStep_ = 0;
    bool restarted_ = false;
    std::uint8_t lastBootByte_ = 0;

    // Application side.
    std::string consoleLine_;
    std::size_t upOffset_ = 0;
    std::uint8_t upSequence_ = 1;
    int upRetries_ = 0;
    int upBlockNumber_ = 0;
    Millis headerSentAt_ = 0;
    bool nakPending_ = false;  // the last byte was a NAK for a block
    bool senderStarted_ = true;
    Bytes senderInput_;  // what arrived before the sender started
    int headerCrcSpoiled_ = 0;
    bool sequenceSpoiled_ = false, ackLost_ = false, duplicateSent_ = false, crcSpoiled_ = false;

    // Demo operator.
    Millis lastBel_ = -1;
    Millis appSince_ = 0;
};

// A small channel-data blob ("IRZ", an empty database packed with LZO1X-1).
Bytes builtInChannelData();

}  // namespace dorvane::sim
