#include "sim/boot_loader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/common/byte_layout.h"

namespace dorvane::sim {

namespace {

constexpr int kMostTimeouts = 5;            // in a row, then the download is given up
constexpr Millis kRefusedRestartMs = 1000;  // from the refusal of the buyer code to the restart
constexpr Millis kNextFileAskMs = 1000;     // from the first EOT's ACK to the 'C' for the next file
constexpr std::size_t kInfoRecordSize = 128;
constexpr std::size_t kInfoRecordFirstBurst = 39;  // split answers: the record's first part

}  // namespace

BootLoader::BootLoader(const ReceiverOptions& options, StbLine& line, StbControl& control, FaultTrigger& fault)
    : opt_(options.boot),
      answerTimeoutMs_(options.answerTimeoutMs),
      verbose_(options.verbose),
      line_(line),
      control_(control),
      fault_(fault) {}

void BootLoader::start() {
    state_ = State::WaitHeader;
    block_.reset();
    fileName_.clear();
    fileLength_ = 0;
    expected_ = 1;
    blocksTaken_ = 0;
    eots_ = 0;
    timeouts_ = 0;
    stored_ = false;
    line_.log("boot loader");
    if (fault_.at(FaultPoint::Where::On)) return;
    if (opt_.bootWindowMs <= 0) {
        control_.startApplication();
        return;
    }
    sendRequest();
    windowTimer_.start(opt_.bootWindowMs, [this] { windowEnded(); });
}

void BootLoader::sendRequest() {
    if (state_ != State::WaitHeader) return;
    if (!block_.active()) line_.send(REQ_C);
    requestTimer_.start(opt_.requestIntervalMs, [this] { sendRequest(); });
}

void BootLoader::windowEnded() {
    if (state_ == State::WaitHeader && !block_.active()) control_.startApplication();
}

void BootLoader::armByteTimeout() {
    byteTimer_.start(answerTimeoutMs_, [this] { byteTimeout(); });
}

void BootLoader::byteTimeout() {
    block_.reset();
    if (state_ == State::WaitHeader) return;
    if (++timeouts_ > kMostTimeouts) {
        line_.log("download given up");
        control_.startBootLoader();
        return;
    }
    line_.log("timeout");
    if (state_ == State::Data) line_.send(NAK);
    if (state_ == State::EndBatch) line_.send(REQ_C);
    armByteTimeout();
}

void BootLoader::received(std::uint8_t byte) {
    if (state_ == State::Writing) return;
    const std::uint8_t previous = lastByte_;
    lastByte_ = byte;
    if (block_.active()) {
        if (block_.add(byte))
            blockComplete();
        else
            armByteTimeout();
        return;
    }
    if (state_ == State::RejectCode)
        rejectCode(byte);
    else
        controlByte(byte, previous);
}

// After a NAK for the information record: the program's refusal of the
// buyer code, or anything else (the record goes unanswered again).
void BootLoader::rejectCode(std::uint8_t byte) {
    if (byte != REJECT) {
        state_ = State::InfoAnswer;
        return;
    }
    line_.log("refused");
    byteTimer_.stop();
    phaseTimer_.start(kRefusedRestartMs, [this] { control_.startBootLoader(); });
    state_ = State::Writing;  // deaf until the restart
}

void BootLoader::controlByte(std::uint8_t byte, std::uint8_t previous) {
    switch (byte) {
        case SOH:
        case STX:
            block_.start(byte);
            armByteTimeout();
            return;
        case ACK:
            if (state_ != State::InfoAnswer) return;
            line_.log("info accepted");
            state_ = State::Data;
            armByteTimeout();
            return;
        case NAK:
            if (state_ == State::InfoAnswer) state_ = State::RejectCode;
            return;
        case CAN:
            // Two in a row: the program gave up; so does the boot loader.
            if (!inTransfer() || previous != CAN) return;
            line_.log("download cancelled");
            control_.startBootLoader();
            return;
        case DC1:
            if (state_ == State::Data) answerDc1();
            return;
        case EOT:
            if (inTransfer()) eot();
            return;
        default: return;
    }
}

void BootLoader::eot() {
    timeouts_ = 0;
    ++eots_;
    line_.log("eot " + std::to_string(eots_));
    if (eots_ == 1 && fault_.at(FaultPoint::Where::Eot)) return;
    if (eots_ == 2 && fault_.at(FaultPoint::Where::SecondEot)) return;
    if (eots_ == 1 && opt_.refuseFirstEot) {
        line_.send(NAK);
        armByteTimeout();
        return;
    }
    storeFile();
    state_ = State::EndBatch;
    if (eots_ == 1) {
        // Acknowledge the first EOT and ask for the next file a second
        // later, as many standard receivers do.
        line_.send(ACK);
        phaseTimer_.start(kNextFileAskMs, [this] {
            if (state_ == State::EndBatch) line_.send(REQ_C);
        });
    } else {
        line_.sendSplit(Bytes{ACK, REQ_C}, 1);
    }
    armByteTimeout();
}

void BootLoader::answerDc1() {
    line_.log("stop request");
    std::uint8_t answer = 0;
    switch (opt_.dc1Answer) {
        case BootLoaderOptions::Dc1Answer::Ack: answer = ACK; break;
        case BootLoaderOptions::Dc1Answer::Nak: answer = NAK; break;
        case BootLoaderOptions::Dc1Answer::None: return;
    }
    if (opt_.dc1DelayMs <= 0)
        line_.send(answer);
    else
        line_.later(opt_.dc1DelayMs, [this, answer] { line_.send(answer); });
}

// ---- blocks ---------------------------------------------------------------

void BootLoader::blockComplete() {
    const bool good = block_.sequenceBytesFit() && block_.crcMatches();
    const std::uint8_t sequence = block_.sequence();
    const auto data = block_.data();
    const Bytes copy(data.begin(), data.end());
    block_.reset();
    timeouts_ = 0;
    switch (state_) {
        case State::WaitHeader: headerBlock(good, sequence, copy); return;
        case State::InfoAnswer:
        case State::RejectCode: return;  // a repeated header block
        case State::EndBatch: endOfBatchBlock(good, sequence); return;
        case State::Data:
        case State::Writing: dataBlock(good, sequence, copy); return;
    }
}

void BootLoader::headerBlock(bool good, std::uint8_t sequence, const Bytes& data) {
    if (!good || sequence != 0) {
        line_.send(NAK);
        return;
    }
    requestTimer_.stop();
    windowTimer_.stop();
    file_.clear();  // kept until the next download starts
    readHeader(data);
    line_.log("header " + fileName_ + " " + std::to_string(fileLength_));
    if (fault_.at(FaultPoint::Where::Header)) return;
    if (!opt_.enqAnswer) {
        line_.sendSplit(Bytes{ACK, REQ_C}, 1);
        state_ = State::Data;
        armByteTimeout();
        return;
    }
    sendInfoRecord();
}

// Name, NUL, decimal length.
void BootLoader::readHeader(const Bytes& data) {
    const auto nul = std::find(data.begin(), data.end(), 0);
    fileName_.assign(data.begin(), nul);
    fileLength_ = 0;
    for (auto it = nul == data.end() ? nul : nul + 1; it != data.end() && *it >= '0' && *it <= '9'; ++it)
        fileLength_ = fileLength_ * 10 + (*it - '0');
}

void BootLoader::sendInfoRecord() {
    Bytes record(kInfoRecordSize, 0);
    le::write32(record, info_record::kRecordLengthAt, opt_.recordLength);
    le::write32(record, info_record::kBootVersionAt, opt_.bootVersion);
    le::write32(record, info_record::kAppVersionAt, opt_.appVersion);
    std::copy(opt_.buyer.begin(), opt_.buyer.end(), record.begin() + info_record::kBuyerCodeAt);
    line_.send(ENQ);
    if (const auto cut = fault_.recordCut()) {
        line_.send(Bytes(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(*cut)));
        fault_.atAny(FaultPoint::Where::Info);
        return;
    }
    line_.sendSplit(record, kInfoRecordFirstBurst);
    state_ = State::InfoAnswer;
    armByteTimeout();
}

void BootLoader::endOfBatchBlock(bool good, std::uint8_t sequence) {
    if (!good || sequence != 0) {
        line_.send(NAK);
        armByteTimeout();
        return;
    }
    if (fault_.at(FaultPoint::Where::Batch)) return;
    line_.send(ACK);
    byteTimer_.stop();
    line_.log("batch end");
    startWriting();
}

void BootLoader::dataBlock(bool good, std::uint8_t sequence, const Bytes& data) {
    if (!good) {
        if (verbose_) line_.log("bad block");
        line_.send(NAK);
        armByteTimeout();
        return;
    }
    if (sequence == 0 && blocksTaken_ == 0) return;  // the header block once more
    if (sequence != expected_) {
        // The block before: our ACK was lost, the block comes again.
        line_.send(sequence == static_cast<std::uint8_t>(expected_ - 1) ? ACK : NAK);
        armByteTimeout();
        return;
    }
    const int number = blocksTaken_ + 1;
    if (refused(number)) return;
    shrinkSource(number);
    file_.insert(file_.end(), data.begin(), data.end());
    ++blocksTaken_;
    ++expected_;
    if (verbose_) line_.log("block " + std::to_string(number));
    line_.send(ACK);
    if (fault_.at(FaultPoint::Where::BlockAck, static_cast<std::size_t>(number))) return;
    armByteTimeout();
}

// A fault at the block, or one of the refusals it was given.
bool BootLoader::refused(int number) {
    const auto n = static_cast<std::size_t>(number);
    if (fault_.at(FaultPoint::Where::Block, n)) return true;
    if (fault_.armedAt(FaultPoint{FaultPoint::Where::BlockNak, n})) {
        line_.send(NAK);
        fault_.at(FaultPoint::Where::BlockNak, n);
        return true;
    }
    if (!opt_.nakBlocks.count(number) || nakDone_[number] >= opt_.nakTimes) return false;
    ++nakDone_[number];
    line_.log("nak block " + std::to_string(number));
    line_.send(NAK);
    armByteTimeout();
    return true;
}

void BootLoader::shrinkSource(int number) {
    if (number != opt_.shrinkAtBlock || opt_.shrinkPath.empty()) return;
    std::error_code ec;
    std::filesystem::resize_file(opt_.shrinkPath, opt_.shrinkTo, ec);
    line_.log(ec ? "shrink failed" : "source shrunk");
}

}  // namespace dorvane::sim
