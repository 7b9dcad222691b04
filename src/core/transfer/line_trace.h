#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/serial/tracing_link.h"

namespace dorvane {

// One burst of bytes in one direction.
struct LineBurst {
    Millis at = 0;
    LineDirection direction = LineDirection::ToReceiver;
    std::vector<std::uint8_t> bytes;
};

// How much of the line a trace shows.
enum class TraceDetail {
    Full,         // every byte
    WithoutData,  // the data blocks' contents as "[1024 data bytes]": the file's content stays out
};

// Turns bursts into trace lines:
//
//   <ms since start> <'>' to the STB | '<' from it> <every byte in hex> ; <what they are>
//
// e.g. "    1532 < 06 43 ; ACK, 'C'". Control bytes are named, data blocks
// summarised by block number and CRC check (a block that spans several
// bursts is summarised where it ends), the STB's information record and
// text (the boot-console command) are marked.
//
// WithoutData keeps every line and its annotation but puts the count of a
// data block's content bytes in place of their hex ("02 05 fa [1024 data
// bytes] 3c 1a"); the frame's start, block number, complement and CRC
// stay. A batch's header block (name and size) stays whole when it comes
// in one burst; a block 0 inside a batch (the sequence wrapped) is data.
class TraceFormatter {
public:
    explicit TraceFormatter(TraceDetail detail = TraceDetail::Full) : detail_(detail) {}

    static std::string header(TraceDetail detail = TraceDetail::Full);
    std::string line(const LineBurst& burst, Millis origin);

    // The name of a control byte ("ACK", "'C'"), or nothing.
    static std::optional<std::string> controlName(std::uint8_t byte);

private:
    struct Pending {
        std::vector<std::uint8_t> bytes;
        std::size_t expected = 0;
        bool record = false;  // the information record after ENQ
    };
    using Bytes = std::span<const std::uint8_t>;
    using Parts = std::vector<std::string>;
    std::string annotate(std::size_t d, bool fromReceiver, Bytes bytes);
    // Each takes what it describes from bytes at i and returns where it stopped.
    std::size_t continuePending(std::size_t d, Bytes bytes, std::size_t i, Parts& parts);
    std::size_t startFrame(std::size_t d, Bytes bytes, std::size_t i, Parts& parts);
    static std::size_t startInfoRecord(Pending& pending, Bytes bytes, std::size_t i, Parts& parts);
    static std::size_t takeText(Bytes bytes, std::size_t i, Parts& parts);
    std::size_t takeControl(std::size_t d, bool fromReceiver, Bytes bytes, std::size_t i, Parts& parts);
    // The part of a frame's content among the take bytes at i, which are
    // the frame's bytes from offset before on, is left out of the hex.
    void hideContent(std::size_t i, std::size_t before, std::size_t take, std::size_t frameSize);
    // A batch's header block (or its end), which may stay whole.
    bool batchHeader(std::size_t d, Bytes frame) const;
    std::string hexOf(Bytes bytes) const;

    TraceDetail detail_;
    std::array<Pending, 2> pending_{};
    std::array<bool, 2> afterRs_{};
    std::array<bool, 2> inBatch_{};                            // data blocks went since the last header or EOT
    std::vector<std::pair<std::size_t, std::size_t>> hidden_;  // of the burst being formatted
};

// "SOH block 0 (header "app.img", 5120 bytes), CRC ok" for a whole frame.
std::string describeFrame(std::span<const std::uint8_t> frame);

// Collects the bursts of a transfer in memory, up to a bound (the oldest go
// first), and writes them out as a trace on request. Bursts in the same
// direction within the same millisecond count as one.
class TraceRecorder : public LineObserver {
public:
    static constexpr std::size_t kDefaultLimit = 16u << 20;  // 16 MiB of line bytes

    explicit TraceRecorder(std::size_t limitBytes = kDefaultLimit) : limit_(limitBytes) {}

    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }
    // Forgets everything; times count from origin.
    void restart(Millis origin);

    void onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) override;

    const std::deque<LineBurst>& bursts() const { return bursts_; }
    std::size_t storedBytes() const { return stored_; }
    bool droppedAny() const { return dropped_; }

    // The whole trace as text (WithoutData for what is kept for a support
    // bundle: the file's content stays on the machine).
    std::string text(TraceDetail detail = TraceDetail::Full) const;

private:
    std::size_t limit_;
    bool recording_ = true;
    Millis origin_ = 0;
    std::deque<LineBurst> bursts_;
    std::size_t stored_ = 0;
    bool dropped_ = false;
};

// Writes trace lines to a file as the transfer runs: each burst is written
// and flushed as soon as the next one shows it is complete.
class TraceFileWriter : public LineObserver {
public:
    TraceFileWriter(std::FILE* file, Millis origin);
    ~TraceFileWriter() override;

    void onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) override;
    // Writes the burst still being collected.
    void flush();
    bool failed() const { return failed_; }

private:
    std::FILE* file_;
    Millis origin_;
    TraceFormatter formatter_;
    std::optional<LineBurst> open_;
    bool failed_ = false;
};

}  // namespace dorvane
