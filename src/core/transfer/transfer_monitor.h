#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "serial/tracing_link.h"

namespace dorvane {

// Where a transfer stands, as the line shows it.
struct TransferFigures {
    enum class Phase { Idle, Waiting, Transferring, Writing, Ended };
    Phase phase = Phase::Idle;
    std::int64_t bytes = 0;       // data carried by the blocks so far
    std::int64_t totalBytes = 0;  // 0 while unknown (an upload before its header block)
    int blocks = 0;               // data blocks, each counted once
    int totalBlocks = 0;
    int resent = 0;    // data blocks that went (download) or came (upload) again
    int timeouts = 0;  // waits for the STB that ran out
    Millis elapsed = 0;            // since begin()
    std::int64_t rate = 0;         // bytes per second since the first data block; 0 while unknown
    std::optional<Millis> eta;     // until the last block, while it can be told
    int writingPercent = -1;       // the STB's own progress while it writes its memory
};

const char* phaseName(TransferFigures::Phase phase);  // "waiting", "transferring", "writing", ...

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

    // "1048576 bytes in 12.4 s (84561 bytes/s), 1024 blocks, 0 resent, 0 time-outs"
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
    void onControl(LineDirection direction, std::uint8_t byte);

    const EventLoop& clock_;
    std::function<int()> timeoutCounter_;
    Kind kind_ = Kind::Download;
    bool running_ = false;
    TransferFigures::Phase phase_ = TransferFigures::Phase::Idle;
    Millis begunAt_ = 0;
    Millis endedAt_ = 0;
    std::optional<Millis> firstDataAt_;
    std::int64_t totalBytes_ = 0;
    int blocks_ = 0;
    int resent_ = 0;
    int lastSeq_ = -1;
    bool unacknowledged_ = false;  // the last block sent awaits its ACK (download)
    int timeoutsAtBegin_ = 0;
    int timeoutsAtEnd_ = 0;
    int writingPercent_ = -1;
    bool afterRs_ = false;
    bool damagedBlockSeen_ = false;  // a block came with a bad CRC or sequence byte
    bool collectingRecord_ = false;
    std::vector<std::uint8_t> infoRecord_;
    // A block arriving in pieces (upload).
    std::vector<std::uint8_t> partial_;
    std::size_t partialExpected_ = 0;
};

}  // namespace dorvane
