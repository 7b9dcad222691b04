#include "support/ymodem_sender.h"

#include "transfer/crc16.h"
#include "transfer/frames.h"

namespace dorvane::test {

YmodemSender::YmodemSender(ScriptedLink& link, std::vector<std::uint8_t> bytes) : file(std::move(bytes)), link_(link) {
    link_.onWrite = [this](std::span<const std::uint8_t> written) {
        for (const auto b : written) onWrite(b);
    };
}

std::vector<std::uint8_t> YmodemSender::frame(std::uint8_t start, std::uint8_t seq, std::vector<std::uint8_t> data,
                                            bool corrupt) const {
    std::vector<std::uint8_t> f{start, seq, static_cast<std::uint8_t>(~seq)};
    f.insert(f.end(), data.begin(), data.end());
    std::uint16_t crc = crc16(data);
    if (corrupt) crc ^= 0x5A5A;
    f.push_back(static_cast<std::uint8_t>(crc >> 8));
    f.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return f;
}

void YmodemSender::sendHeaderBlock() {
    std::vector<std::uint8_t> data(headerAs1K ? 1024 : 128, 0);
    std::string text = name;
    text.push_back('\0');
    text += lengthText.empty() ? std::to_string(file.size()) : lengthText;
    text.push_back('\0');
    text += extraPairs;
    std::copy(text.begin(), text.end(), data.begin());
    const bool corrupt = corruptHeader || headersCorrupted_ < corruptHeaderTimes;
    if (corrupt) ++headersCorrupted_;
    auto f = frame(headerAs1K ? ctl::STX : ctl::SOH, 0, data, corrupt);
    std::vector<std::uint8_t> burst = beforeHeader;
    burst.insert(burst.end(), f.begin(), f.end());
    link_.send(burst, 5);
}

void YmodemSender::sendBlock(int number) {
    const std::size_t offset = static_cast<std::size_t>(number - 1) * 1024;
    std::vector<std::uint8_t> data(1024, 0x1A);
    for (std::size_t i = 0; i < 1024 && offset + i < file.size(); ++i) data[i] = file[offset + i];
    bool corrupt = corruptAlways.count(number) > 0;
    if (corruptOnce.count(number) && !corrupted_.count(number)) {
        corrupted_.insert(number);
        corrupt = true;
    }
    const std::uint8_t seq = number == wrongSequenceAt ? 0x77 : static_cast<std::uint8_t>(number);
    auto f = frame(ctl::STX, seq, data, corrupt);
    if (number == garbleSequenceOf && !sequenceGarbled_) {
        sequenceGarbled_ = true;
        f[1] ^= 0x04;
    }
    ++sends_;
    resendAfterTimeout(number);
    if (number == silentBlock && silentAfterBytesOfBlock >= 0) {
        f.resize(static_cast<std::size_t>(silentAfterBytesOfBlock));
        silent = true;
    }
    link_.send(f, 5);
}

// Like a standard sender: a block left unanswered goes again after its
// time-out.
void YmodemSender::resendAfterTimeout(int number) {
    const int sendsThen = sends_;
    link_.loop().schedule(ownTimeout, [this, number, sendsThen] {
        if (phase_ == Phase::WaitAck && current_ == number && sends_ == sendsThen && !silent) sendBlock(number);
    });
}

void YmodemSender::onWrite(std::uint8_t b) {
    if (b == ctl::C) ++cReceived;
    if (b == ctl::CAN) {
        ++cans;
        cancelled = true;
        phase_ = Phase::Done;
        return;
    }
    if (silent) return;
    // An ACK written together with a NAK belongs to that NAK.
    const Millis now = link_.loop().now();
    if (b == ctl::ACK && now == nakTime_) return;
    if (b == ctl::NAK) nakTime_ = now;

    switch (phase_) {
    case Phase::WaitC0:
        if (b != ctl::C) return;
        if (eotFirst) {
            link_.send(ctl::EOT, 5);
            phase_ = Phase::Done;
        } else if (sendHeader) {
            sendHeaderBlock();
            phase_ = Phase::WaitHeaderAck;
        } else {
            blocks_ = static_cast<int>((file.size() + 1023) / 1024);
            current_ = 1;
            sendBlock(1);
            phase_ = Phase::WaitAck;
        }
        break;
    case Phase::WaitHeaderAck:
        if (b == ctl::ACK) phase_ = Phase::WaitC1;
        if (b == ctl::NAK) sendHeaderBlock();
        break;
    case Phase::WaitC1:
        if (b != ctl::C) return;
        blocks_ = static_cast<int>((file.size() + 1023) / 1024);
        current_ = 1;
        sendBlock(1);
        phase_ = Phase::WaitAck;
        break;
    case Phase::WaitAck:
        if (b == ctl::ACK && current_ == loseAckOf && !ackLost_) {
            ackLost_ = true;
            return;
        }
        if (b == ctl::NAK) {
            if (resendOnNak) sendBlock(current_);
        } else if (b == ctl::ACK) {
            if (++current_ <= blocks_) {
                sendBlock(current_);
            } else {
                link_.send(ctl::EOT, 5);
                phase_ = Phase::WaitEotAnswer;
            }
        }
        break;
    case Phase::WaitEotAnswer:
        if (b == ctl::NAK) {
            link_.send(ctl::EOT, 5);
            phase_ = Phase::WaitEotAck;
        } else if (b == ctl::ACK) {
            phase_ = Phase::WaitFinalC;
        }
        break;
    case Phase::WaitEotAck:
        if (b == ctl::ACK) phase_ = Phase::WaitFinalC;
        break;
    case Phase::WaitFinalC:
        if (b == ctl::C) {
            link_.send(frame(ctl::SOH, 0, std::vector<std::uint8_t>(128, 0), false), 5);
            phase_ = Phase::WaitBatchAck;
        }
        break;
    case Phase::WaitBatchAck:
        if (b == ctl::ACK) {
            finished = true;
            phase_ = Phase::Done;
        }
        break;
    case Phase::Done: break;
    }
}

}  // namespace dorvane::test
