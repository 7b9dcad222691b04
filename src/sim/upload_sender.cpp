#include "sim/upload_sender.h"

#include <algorithm>
#include <span>
#include <utility>

namespace dorvane::sim {

namespace {

constexpr std::size_t kDataBlock = 1024;
constexpr std::size_t kShortBlock = 128;
constexpr int kMostTimeouts = 5;            // in a row, then the upload is given up
constexpr int kMostRefusals = 10;           // NAKs for one block, then CAN CAN CAN
constexpr Millis kStbRepeatAfterMs = 1000;  // the STB's sender takes a 'C' for the header block only after this
constexpr std::uint8_t kSpoil = 0x5A;       // XORed into a CRC byte to make it wrong

const char* controlName(std::uint8_t byte) {
    switch (byte) {
        case ACK: return "ACK";
        case NAK: return "NAK";
        case CAN: return "CAN";
        case EOT: return "EOT";
        default: return nullptr;
    }
}

}  // namespace

UploadSender::UploadSender(const ReceiverOptions& options, StbLine& line, StbControl& control, FaultTrigger& fault,
                           const std::function<bool()>& lineIdle)
    : opt_(options.app),
      answerTimeoutMs_(options.answerTimeoutMs),
      verbose_(options.verbose),
      line_(line),
      control_(control),
      fault_(fault),
      lineIdle_(lineIdle) {}

void UploadSender::begin() {
    state_ = State::WaitC;
    offset_ = 0;
    sequence_ = 1;
    retries_ = 0;
    blockNumber_ = 0;
    input_.clear();
    started_ = opt_.senderDelayMs <= 0;
    if (!started_) {
        startTimer_.start(opt_.senderDelayMs, [this] { startSender(); });
        return;
    }
    armTimeout();
}

void UploadSender::startSender() {
    if (state_ == State::None) return;
    started_ = true;
    line_.log("sender started with " + std::to_string(input_.size()) + " bytes waiting");
    armTimeout();
    const Bytes waiting = std::move(input_);
    input_.clear();
    for (const std::uint8_t b : waiting) received(b);
}

void UploadSender::armTimeout() {
    timeoutTimer_.start(answerTimeoutMs_, [this] { timeout(); });
}

void UploadSender::timeout() {
    if (state_ == State::None) return;
    if (++retries_ > kMostTimeouts || (state_ == State::WaitC && !opt_.standardSender)) {
        end("upload given up");
        return;
    }
    line_.log("upload timeout");
    if (resendOnTimeout()) armTimeout();
}

bool UploadSender::resendOnTimeout() {
    switch (state_) {
        case State::HeaderAck: sendHeader(); return true;
        case State::BlockAck: return sendDataBlock();
        case State::WaitC2:  // the ACK of the header block came, its 'C' did not
            if (!opt_.standardSender) return true;
            ++blockNumber_;
            state_ = State::BlockAck;
            return sendDataBlock();
        case State::Eot1:
        case State::Eot2: line_.send(EOT); return true;
        case State::EndAck: line_.send(makeBlock(0, Bytes{}, kShortBlock, 0)); return true;
        default: return true;
    }
}

void UploadSender::end(const std::string& how) {
    timeoutTimer_.stop();
    state_ = State::None;
    line_.log(how);
}

void UploadSender::received(std::uint8_t byte) {
    if (verbose_ && controlName(byte)) line_.log(std::string("upload got ") + controlName(byte));
    if (!started_) {
        input_.push_back(byte);
        return;
    }
    if (byte == CAN && state_ != State::WaitC) {
        end("upload cancelled");
        return;
    }
    if (byte == ACK && state_ == State::BlockAck && opt_.lostAckBlock == blockNumber_ && !ackLost_) {
        ackLost_ = true;
        line_.log("ack of upload block " + std::to_string(blockNumber_) + " lost");
        return;
    }
    if (answer(byte)) armTimeout();
}

bool UploadSender::answer(std::uint8_t byte) {
    switch (state_) {
        case State::WaitC: return byte == REQ_C && firstRequest();
        case State::HeaderAck: return headerAnswer(byte);
        case State::WaitC2: return byte == REQ_C && nextBlockOrEot();
        case State::BlockAck: return blockAnswer(byte);
        case State::Eot1:
        case State::Eot2: return eotAnswer(byte);
        case State::WaitCEnd: return endOfFileRequest(byte);
        case State::EndAck: return endAnswer(byte);
        case State::None: return false;
    }
    return false;
}

bool UploadSender::firstRequest() {
    if (fault_.at(FaultPoint::Where::UploadHeader)) return false;
    if (opt_.uploadEotFirst) {
        line_.send(EOT);
        end("upload without a file");
        return false;
    }
    if (opt_.uploadNoHeader) {
        line_.log("upload without a header block");
        blockNumber_ = 1;
        state_ = State::BlockAck;
        return sendDataBlock();
    }
    line_.log("upload header");
    sendHeader();
    state_ = State::HeaderAck;
    return true;
}

bool UploadSender::headerAnswer(std::uint8_t byte) {
    if (byte == ACK) {
        state_ = State::WaitC2;
        return true;
    }
    const bool asksAgain = byte == REQ_C && (opt_.standardSender || line_.now() - headerSentAt_ > kStbRepeatAfterMs);
    if (byte != NAK && !asksAgain) return false;
    sendHeader();
    return true;
}

bool UploadSender::blockAnswer(std::uint8_t byte) {
    // The program answers a bad block with NAK and ACK back to back: the
    // ACK belongs to the NAK, not to the resent block. (It comes while the
    // resent block is still on its way; the answer to the resent block
    // cannot come before it is out.)
    const bool pairedWithNak = !opt_.standardSender && byte == ACK && nakPending_ && lineIdle_ && !lineIdle_();
    nakPending_ = false;
    if (pairedWithNak) return false;
    if (byte == NAK && opt_.deafToNak) return false;  // its own time-out resends
    if (byte == NAK || (opt_.standardSender && byte == REQ_C)) return resendAfterNak();
    if (byte != ACK) return false;
    offset_ += std::min(kDataBlock, opt_.uploadBlob.size() - offset_);
    ++sequence_;
    return nextBlockOrEot();
}

bool UploadSender::resendAfterNak() {
    nakPending_ = true;
    if (++retries_ > kMostRefusals) {
        line_.send(Bytes{CAN, CAN, CAN});
        end("upload given up");
        return false;
    }
    return sendDataBlock();
}

bool UploadSender::nextBlockOrEot() {
    retries_ = 0;
    if (offset_ >= opt_.uploadBlob.size()) {
        if (fault_.at(FaultPoint::Where::UploadEot)) return false;
        line_.send(EOT);
        state_ = State::Eot1;
        return true;
    }
    ++blockNumber_;
    if (fault_.at(FaultPoint::Where::UploadBlock, static_cast<std::size_t>(blockNumber_))) return false;
    state_ = State::BlockAck;
    return sendDataBlock();
}

// The first EOT may be refused (then it goes once more), the second too.
bool UploadSender::eotAnswer(std::uint8_t byte) {
    if (byte == ACK) {
        state_ = State::WaitCEnd;
        return true;
    }
    if (byte != NAK) return false;
    line_.send(EOT);
    state_ = State::Eot2;
    return true;
}

bool UploadSender::endOfFileRequest(std::uint8_t byte) {
    if (byte != REQ_C) return false;
    if (opt_.uploadSecondFile) line_.log("upload second file offered");
    line_.send(endOfFile());
    state_ = State::EndAck;
    return true;
}

bool UploadSender::endAnswer(std::uint8_t byte) {
    if (byte == ACK) {
        end(opt_.uploadSecondFile ? "upload second file acknowledged" : "upload done");
        return false;
    }
    if (byte != NAK) return false;
    line_.send(endOfFile());
    return true;
}

// ---- blocks ---------------------------------------------------------------

void UploadSender::sendHeader() {
    Bytes data;
    auto add = [&data](const std::string& text) {
        data.insert(data.end(), text.begin(), text.end());
        data.push_back(0);
    };
    add("curdb");
    add(opt_.uploadLengthText.empty() ? std::to_string(opt_.uploadBlob.size()) : opt_.uploadLengthText);
    for (const auto& [name, length] : opt_.uploadExtraPairs) {
        add(name);
        add(length);
    }
    const std::size_t size = opt_.uploadHeader1K ? kDataBlock : kShortBlock;
    Bytes block = makeBlock(0, data, size, 0);
    if (headerCrcSpoiled_ < opt_.badHeaderCrcTimes) {
        ++headerCrcSpoiled_;
        block[block.size() - 2] ^= kSpoil;
        line_.log("upload header with a bad CRC");
    }
    line_.send(block);
    if (opt_.duplicateHeader && !duplicateSent_) {
        duplicateSent_ = true;
        line_.send(makeBlock(0, data, size, 0));
        line_.log("upload header twice");
    }
    headerSentAt_ = line_.now();
}

Bytes UploadSender::endOfFile() const {
    if (opt_.uploadSecondFile) return makeHeaderBlock("second.irz", opt_.uploadBlob.size(), kShortBlock);
    return makeBlock(0, Bytes{}, kShortBlock, 0);
}

bool UploadSender::sendDataBlock() {
    const std::string name = "upload block " + std::to_string(blockNumber_);
    if (verbose_) line_.log("upload block " + std::to_string(sequence_));
    const std::size_t n = std::min(kDataBlock, opt_.uploadBlob.size() - offset_);
    Bytes block =
        makeBlock(sequence_, std::span<const std::uint8_t>(opt_.uploadBlob.data() + offset_, n), kDataBlock, SUB);
    const int number = blockNumber_;
    if (number > 0 && (opt_.badCrcBlock == number || (opt_.badCrcOnceBlock == number && !crcSpoiled_))) {
        crcSpoiled_ = true;
        block[block.size() - 1] ^= kSpoil;
        if (verbose_) line_.log(name + " with a bad CRC");
    }
    if (number > 0 && opt_.cutBlock == number) {
        block.resize(std::min(block.size(), opt_.cutBlockBytes));
        line_.send(block);
        line_.log(name + " cut off");
        control_.fallSilent();
        return false;
    }
    if (opt_.corruptSequenceBlock == number && !sequenceSpoiled_) {
        sequenceSpoiled_ = true;
        block[1] ^= 0x10;
        line_.log(name + " with a garbled sequence byte");
    }
    line_.send(block);
    return true;
}

}  // namespace dorvane::sim
