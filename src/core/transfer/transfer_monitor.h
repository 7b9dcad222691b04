#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/serial/tracing_link.h"
#include "core/transfer/line_rate.h"

namespace dorvane {

// Where a transfer stands, as the line shows it.
struct TransferFigures {
    enum class Phase { Idle, Waiting, Transferring, Writing, Ended };
    Phase phase = Phase::Idle;
    std::int64_t bytes = 0;       // data carried by the blocks so far, each by its own size
    std::int64_t totalBytes = 0;  // 0 while unknown (an upload before its header block)
    int blocks = 0;               // data blocks, each counted once (a download's once acknowledged)
    int totalBlocks = 0;          // blocks so far and those the rest takes in the size of the last
    int resent = 0;               // data blocks that went (download) or came (upload) again
    int timeouts = 0;             // waits for the STB that ran out
    Millis elapsed = 0;           // since begin()
    // The data's time on the line: from the header's acknowledgement (or
    // our first request of an upload without one) to the last block's
    // acknowledgement or arrival; while blocks go, to now.
    Millis lineTime = 0;
    std::int64_t rate = 0;      // bytes / lineTime, per second; 0 while unknown
    std::optional<Millis> eta;  // until the last block, while it can be told
    int writingPercent = -1;    // the STB's own progress while it writes its memory, 0..100
    // The data carried over the last whole second of line time (0 once
    // no data moves: before the blocks, while the STB writes, at the end).
    std::int64_t lastSecondBytes = 0;
};

const char* phaseName(TransferFigures::Phase phase);  // "waiting", "transferring", "writing", ...

// The figures as TransferMonitor::summary() and progressText() say them.
std::string summaryText(const TransferFigures& figures);
std::string progressText(const TransferFigures& figures);

// Watches the bytes of one transfer on the line and counts what an operator
// wants to know: blocks, bytes, resent blocks, the real rate, the time
// still to go and the STB's writing progress.
class TransferMonitor : public LineObserver {
public:
    enum class Kind { Download, Upload };

    // timeouts: how many waits have run out so far (the engine's counter).
    explicit TransferMonitor(const EventLoop& clock, std::function<int()> timeouts = {});

    // A transfer starts: totalBytes is the image's length for a download, 0
    // for an upload (its header block tells).
    void begin(Kind kind, std::int64_t totalBytes);
    void end();
    bool running() const { return running_; }
    Kind kind() const { return kind_; }

    TransferFigures figures() const;

    // "1048576 bytes in 12.4 s (84561 bytes/s), 1024 blocks, 0 resent, 0 time-outs": the
    // bytes over their line time (the whole time when no data moved).
    std::string summary() const;
    // "transferring 512/1024 blocks, 524288/1048576 bytes, 84561 bytes/s, ETA 0:06, 0 resent, 0 time-outs"
    std::string progressText() const;

    void onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) override;

    // The STB's 128-byte information record (after its ENQ), once whole.
    const std::vector<std::uint8_t>& infoRecord() const { return infoRecord_; }
    bool infoRecordComplete() const { return infoRecord_.size() == kInfoRecordBytes; }

private:
    static constexpr std::size_t kInfoRecordBytes = 128;

    void onFrame(std::span<const std::uint8_t> frame, Millis at);
    bool isHeaderOrBatchEnd(int seq) const;
    void startLine(Millis at);
    void countBlock(int seq, std::size_t size, Millis at);
    void onControl(LineDirection direction, std::uint8_t byte, Millis at);
    void onReceiverControl(std::uint8_t byte, Millis at);

    const EventLoop& clock_;
    std::function<int()> timeoutCounter_;
    Kind kind_ = Kind::Download;
    bool running_ = false;
    TransferFigures::Phase phase_ = TransferFigures::Phase::Idle;
    Millis begunAt_ = 0;
    Millis endedAt_ = 0;
    std::optional<Millis> lineStartAt_;    // the header's acknowledgement
    Millis lineEndAt_ = 0;                 // the last counted block's
    std::optional<Millis> lastRequestAt_;  // an upload's last 'C'
    std::int64_t totalBytes_ = 0;
    std::int64_t bytes_ = 0;
    std::size_t lastBlockSize_ = 0;
    int blocks_ = 0;
    int resent_ = 0;
    int lastSeq_ = -1;      // the last counted block's
    int lastSentSeq_ = -1;  // a download's last block written
    bool headerSeen_ = false;
    bool eotSeen_ = false;  // the sender's EOT: a block 0 after it ends the batch
    // A download's block written and not yet acknowledged: sequence, size.
    std::optional<std::pair<int, std::size_t>> pending_;
    int timeoutsAtBegin_ = 0;
    int timeoutsAtEnd_ = 0;
    int writingPercent_ = -1;
    LineRate lineRate_;  // the blocks' bytes at the moments they were counted
    bool afterRs_ = false;
    bool damagedBlockSeen_ = false;  // a block came with a bad CRC or sequence byte
    bool collectingRecord_ = false;
    std::vector<std::uint8_t> infoRecord_;
    // A block arriving in pieces (upload).
    std::vector<std::uint8_t> partial_;
    std::size_t partialExpected_ = 0;
};

}  // namespace dorvane
