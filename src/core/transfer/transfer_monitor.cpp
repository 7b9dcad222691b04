#include "core/transfer/transfer_monitor.h"

#include <algorithm>
#include <cstdio>

#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"

namespace dorvane {

using Phase = TransferFigures::Phase;

const char* phaseName(Phase phase) {
    switch (phase) {
        case Phase::Idle: return "idle";
        case Phase::Waiting: return "waiting";
        case Phase::Transferring: return "transferring";
        case Phase::Writing: return "writing";
        case Phase::Ended: return "ended";
    }
    return "";
}

TransferMonitor::TransferMonitor(const EventLoop& clock, std::function<int()> timeouts)
    : clock_(clock), timeoutCounter_(std::move(timeouts)) {}

void TransferMonitor::begin(Kind kind, std::int64_t totalBytes) {
    kind_ = kind;
    running_ = true;
    phase_ = Phase::Waiting;
    begunAt_ = clock_.now();
    endedAt_ = 0;
    lineStartAt_.reset();
    lineEndAt_ = 0;
    lastRequestAt_.reset();
    totalBytes_ = std::max<std::int64_t>(0, totalBytes);
    bytes_ = 0;
    lastBlockSize_ = 0;
    blocks_ = 0;
    resent_ = 0;
    damagedBlockSeen_ = false;
    lastSeq_ = -1;
    lastSentSeq_ = -1;
    headerSeen_ = false;
    eotSeen_ = false;
    pending_.reset();
    timeoutsAtBegin_ = timeoutCounter_ ? timeoutCounter_() : 0;
    timeoutsAtEnd_ = timeoutsAtBegin_;
    writingPercent_ = -1;
    lineRate_.clear();
    afterRs_ = false;
    collectingRecord_ = false;
    infoRecord_.clear();
    partial_.clear();
    partialExpected_ = 0;
}

void TransferMonitor::end() {
    if (!running_) return;
    running_ = false;
    phase_ = Phase::Ended;
    endedAt_ = clock_.now();
    timeoutsAtEnd_ = timeoutCounter_ ? timeoutCounter_() : timeoutsAtBegin_;
}

TransferFigures TransferMonitor::figures() const {
    TransferFigures f;
    f.phase = phase_;
    f.totalBytes = totalBytes_;
    f.blocks = blocks_;
    // The last block's padding is not data; a sender that sends a block or
    // more beyond what it announced is shown with all it sent.
    const bool padded = totalBytes_ > 0 && bytes_ > totalBytes_ &&
                        bytes_ - totalBytes_ < static_cast<std::int64_t>(std::max<std::size_t>(lastBlockSize_, 1));
    f.bytes = padded ? totalBytes_ : bytes_;
    // What is left, in blocks of the size the sender uses.
    const auto blockSize = static_cast<std::int64_t>(lastBlockSize_ > 0 ? lastBlockSize_ : kBlockData);
    const std::int64_t left = std::max<std::int64_t>(0, totalBytes_ - bytes_);
    f.totalBlocks = totalBytes_ > 0 ? blocks_ + static_cast<int>((left + blockSize - 1) / blockSize) : 0;
    f.resent = resent_;
    const int timeoutsNow = running_ ? (timeoutCounter_ ? timeoutCounter_() : timeoutsAtBegin_) : timeoutsAtEnd_;
    f.timeouts = timeoutsNow - timeoutsAtBegin_;
    const Millis now = running_ ? clock_.now() : endedAt_;
    f.elapsed = phase_ == Phase::Idle ? 0 : now - begunAt_;
    if (lineStartAt_) {
        const Millis lineEnd = running_ && phase_ == Phase::Transferring ? now : lineEndAt_;
        f.lineTime = std::max<Millis>(0, lineEnd - *lineStartAt_);
    }
    if (f.lineTime > 0 && f.bytes > 0) {
        f.rate = f.bytes * 1000 / f.lineTime;
        if (f.rate > 0 && totalBytes_ > 0 && phase_ == Phase::Transferring)
            f.eta = (totalBytes_ - f.bytes) * 1000 / f.rate;
    }
    f.writingPercent = writingPercent_;
    if (running_ && phase_ == Phase::Transferring) f.lastSecondBytes = lineRate_.lastSecond(now);
    return f;
}

namespace {

std::string clockText(Millis ms) {
    const long long s = static_cast<long long>((ms + 500) / 1000);
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
    return text;
}

}  // namespace

std::string TransferMonitor::summary() const { return dorvane::summaryText(figures()); }

std::string TransferMonitor::progressText() const { return dorvane::progressText(figures()); }

std::string summaryText(const TransferFigures& f) {
    char text[200];
    const Millis time = f.bytes > 0 ? f.lineTime : f.elapsed;
    std::snprintf(text, sizeof text, "%lld bytes in %.1f s (%lld bytes/s), %d blocks, %d resent, %d time-outs",
                  static_cast<long long>(f.bytes), static_cast<double>(time) / 1000.0, static_cast<long long>(f.rate),
                  f.blocks, f.resent, f.timeouts);
    return text;
}

std::string progressText(const TransferFigures& f) {
    std::string s = phaseName(f.phase);
    char part[160];
    if (f.phase == Phase::Writing && f.writingPercent >= 0) {
        std::snprintf(part, sizeof part, " %d%%", f.writingPercent);
        s += part;
    }
    if (f.totalBlocks > 0)
        std::snprintf(part, sizeof part, " %d/%d blocks, %lld/%lld bytes", f.blocks, f.totalBlocks,
                      static_cast<long long>(f.bytes), static_cast<long long>(f.totalBytes));
    else
        std::snprintf(part, sizeof part, " %d blocks, %lld bytes", f.blocks, static_cast<long long>(f.bytes));
    s += part;
    std::snprintf(part, sizeof part, ", %lld bytes/s", static_cast<long long>(f.rate));
    s += part;
    s += ", ETA " + (f.eta ? clockText(*f.eta) : std::string("--:--"));
    std::snprintf(part, sizeof part, ", %d resent, %d time-outs, %s", f.resent, f.timeouts,
                  clockText(f.elapsed).c_str());
    s += part;
    return s;
}

void TransferMonitor::onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) {
    if (!running_) return;
    // Blocks go out whole (the engine writes each frame at once); blocks
    // coming in may arrive in pieces.
    const bool blocksThisWay = (kind_ == Kind::Download) == (direction == LineDirection::ToReceiver);
    if (!blocksThisWay && partialExpected_ > 0) {
        // The other side answered before the block was whole (it timed out
        // waiting for the rest): what comes next is a block from its start,
        // and after a NAK the same block again.
        if (std::find(bytes.begin(), bytes.end(), ctl::NAK) != bytes.end()) ++resent_;
        partial_.clear();
        partialExpected_ = 0;
    }
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (blocksThisWay && partialExpected_ > 0) {
            const std::size_t take = std::min(partialExpected_ - partial_.size(), bytes.size() - i);
            partial_.insert(partial_.end(), bytes.begin() + static_cast<std::ptrdiff_t>(i),
                            bytes.begin() + static_cast<std::ptrdiff_t>(i + take));
            i += take;
            if (partial_.size() == partialExpected_) {
                onFrame(partial_, at);
                partial_.clear();
                partialExpected_ = 0;
            }
            continue;
        }
        const std::uint8_t b = bytes[i];
        if (collectingRecord_ && direction == LineDirection::FromReceiver) {
            infoRecord_.push_back(b);
            collectingRecord_ = infoRecord_.size() < kInfoRecordBytes;
            ++i;
            continue;
        }
        const bool looksLikeBlock = bytes.size() - i < 3 || static_cast<std::uint8_t>(~bytes[i + 1]) == bytes[i + 2];
        if (blocksThisWay && (b == ctl::SOH || b == ctl::STX) && looksLikeBlock) {
            partialExpected_ = b == ctl::SOH ? kShortBlockFrameSize : kBlockFrameSize;
            continue;
        }
        onControl(direction, b, at);
        ++i;
    }
}

// Block 0 is the header block before the data and the end of the batch
// after the EOT; in between it is block 256, 512, ... (or that block again).
bool TransferMonitor::isHeaderOrBatchEnd(int seq) const {
    if (seq != 0) return false;
    const int last = kind_ == Kind::Download ? lastSentSeq_ : lastSeq_;
    return last < 0 || eotSeen_ || (last != 255 && last != 0);
}

void TransferMonitor::onFrame(std::span<const std::uint8_t> frame, Millis at) {
    const std::size_t length = frame[0] == ctl::SOH ? kShortBlockData : kBlockData;
    const int seq = frame[1];
    const auto data = frame.subspan(3, length);
    const std::uint16_t carried = static_cast<std::uint16_t>((frame[3 + length] << 8) | frame[4 + length]);
    // A damaged block is not a block yet; it will come again, and a block
    // of the STB's that comes again counts as resent.
    if (crc16(data) != carried || static_cast<std::uint8_t>(~frame[1]) != frame[2]) {
        damagedBlockSeen_ = kind_ == Kind::Upload;
        return;
    }
    if (isHeaderOrBatchEnd(seq)) {
        // The header block (the upload's tells the size), or the end of the batch.
        if (blocks_ == 0 && kind_ == Kind::Upload && !eotSeen_) {
            if (totalBytes_ == 0) {
                const auto nul = std::find(data.begin(), data.end(), std::uint8_t{0});
                std::int64_t size = 0;
                for (auto it = nul == data.end() ? nul : nul + 1; it != data.end() && *it >= '0' && *it <= '9'; ++it)
                    size = size * 10 + (*it - '0');
                totalBytes_ = size;
            }
            // We acknowledge it as it arrives: the data's time starts.
            startLine(at);
        }
        headerSeen_ = true;
        return;
    }
    if (kind_ == Kind::Download) {
        // Counted once the STB acknowledges it.
        if (seq == lastSentSeq_) ++resent_;
        lastSentSeq_ = seq;
        pending_ = std::make_pair(seq, length);
        phase_ = Phase::Transferring;
        return;
    }
    const bool again = seq == lastSeq_ || damagedBlockSeen_;
    damagedBlockSeen_ = false;
    if (again) ++resent_;
    if (seq == lastSeq_) return;
    // A sender without a header block: the data's time starts with our request.
    if (!lineStartAt_) startLine(lastRequestAt_ ? *lastRequestAt_ : at);
    countBlock(seq, length, at);
}

void TransferMonitor::startLine(Millis at) {
    lineStartAt_ = at;
    lineRate_.start(at);
}

void TransferMonitor::countBlock(int seq, std::size_t size, Millis at) {
    lastSeq_ = seq;
    ++blocks_;
    bytes_ += static_cast<std::int64_t>(size);
    lineRate_.add(at, static_cast<std::int64_t>(size));
    lastBlockSize_ = size;
    lineEndAt_ = at;
    phase_ = Phase::Transferring;
}

void TransferMonitor::onControl(LineDirection direction, std::uint8_t b, Millis at) {
    const bool fromSender = (kind_ == Kind::Download) == (direction == LineDirection::ToReceiver);
    if (fromSender && b == ctl::EOT) eotSeen_ = true;
    if (kind_ == Kind::Upload) {
        if (direction == LineDirection::ToReceiver && b == ctl::C && blocks_ == 0) lastRequestAt_ = at;
        return;
    }
    if (direction == LineDirection::FromReceiver) onReceiverControl(b, at);
}

// A download's answers: the header's and the blocks' acknowledgements, the
// information record and the writing reports.
void TransferMonitor::onReceiverControl(std::uint8_t b, Millis at) {
    if (afterRs_) {
        afterRs_ = false;
        writingPercent_ = std::clamp<int>(b, 0, 100);
        return;
    }
    if (headerSeen_ && !lineStartAt_ && (b == ctl::ACK || b == ctl::ENQ)) startLine(at);
    if (pending_ && (b == ctl::ACK || b == ctl::NAK)) {
        if (b == ctl::ACK && pending_->first != lastSeq_) countBlock(pending_->first, pending_->second, at);
        pending_.reset();
    }
    if (b == ctl::ENQ && phase_ == Phase::Waiting && infoRecord_.empty()) {
        collectingRecord_ = true;
    } else if (b == ctl::VT) {
        phase_ = Phase::Writing;
    } else if (b == ctl::RS && phase_ == Phase::Writing) {
        afterRs_ = true;
    } else if (b == ctl::FF && phase_ == Phase::Writing) {
        writingPercent_ = 100;
    }
}

}  // namespace dorvane
