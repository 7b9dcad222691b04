#include "support/fake_receiver.h"

#include "support/image_builder.h"
#include "transfer/crc16.h"
#include "transfer/frames.h"

namespace dorvane::test {

std::vector<std::uint8_t> infoRecord(std::uint32_t length, std::uint32_t bootVersion, std::uint32_t appVersion,
                                     std::uint32_t buyerCode) {
    Bytes r(128, 0);
    putLe32(r, 0, length);
    putLe32(r, 8, bootVersion);
    putLe32(r, 12, appVersion);
    putLe32(r, 20, buyerCode);
    return r;
}

FakeBootLoader::FakeBootLoader(ScriptedLink& link) : link_(link) {
    link_.onWrite = [this](std::span<const std::uint8_t> bytes) { onWrite(bytes); };
}

bool FakeBootLoader::silent(Stage stage) const {
    return silentAt != Stage::None && static_cast<int>(stage) >= static_cast<int>(silentAt);
}

void FakeBootLoader::onWrite(std::span<const std::uint8_t> b) {
    if (b.size() == kBlockFrameSize && b[0] == ctl::STX) {
        const std::uint16_t crc = crc16(b.subspan(3, kBlockData));
        if (b[1027] != (crc >> 8) || b[1028] != (crc & 0xFF) || b[2] != static_cast<std::uint8_t>(~b[1])) badCrc = true;
        if (b[1] == 0 && sequences.empty()) {
            ++headerBlocks;
            std::size_t i = 3;
            headerName.clear();
            headerLength.clear();
            while (b[i] != 0) headerName.push_back(static_cast<char>(b[i++]));
            ++i;
            while (b[i] != 0) headerLength.push_back(static_cast<char>(b[i++]));
            if (silent(Stage::HeaderAnswer)) return;
            if (enqAnswer) {
                Bytes answerBytes{ctl::ENQ};
                answerBytes.insert(answerBytes.end(), record.begin(), record.end());
                if (splitPairs) {
                    answer(Bytes(answerBytes.begin(), answerBytes.begin() + 40));
                    answer(Bytes(answerBytes.begin() + 40, answerBytes.end()), 3);
                } else {
                    answer(answerBytes);
                }
            } else if (splitPairs) {
                answer({ctl::ACK});
                answer({ctl::C}, 3);
            } else {
                answer({ctl::ACK, ctl::C});
            }
            return;
        }
        sequences.push_back(b[1]);
        if (!data.empty() && b[1] == lastAccepted_) {  // a copy of the block it has
            ++duplicates;
            answer({ctl::ACK});
            return;
        }
        ++blocksSeen_;
        if (silent(Stage::DataAck)) return;
        if (nakOnce.count(blocksSeen_) && naked_[blocksSeen_] < nakTimes) {
            ++naked_[blocksSeen_];
            --blocksSeen_;  // the same block comes again
            answer({ctl::NAK});
            return;
        }
        data.insert(data.end(), b.begin() + 3, b.begin() + 3 + kBlockData);
        lastAccepted_ = b[1];
        answer({ctl::ACK});
        return;
    }
    if (b.size() == kShortBlockFrameSize && b[0] == ctl::SOH) {
        ++batchBlocks;
        if (silent(Stage::BatchAck)) return;
        answer({ctl::ACK});
        if (!reportWriting || silent(Stage::Writing)) return;
        if (enqAnswer) {
            if (splitPairs) {
                answer({ctl::VT, ctl::RS, 40, ctl::RS}, 10);
                answer({100, ctl::FF}, 20);
            } else {
                answer({ctl::VT, ctl::RS, 40, ctl::RS, 100}, 10);
                answer({ctl::FF}, 20);
            }
        } else {
            answer({ctl::VT}, 10);
            answer({ctl::FF}, 20);
        }
        return;
    }
    if (b.size() != 1) return;
    switch (b[0]) {
    case ctl::EOT:
        ++eots;
        if (eots == 1) {
            if (silent(Stage::EotAnswer)) return;
            if (ackFirstEot) {
                answer({ctl::ACK}, 1000);
                answer({ctl::C}, 2000);
            } else {
                answer({ctl::NAK});
            }
        } else {
            if (silent(Stage::SecondEotAck)) return;
            if (splitPairs) {
                answer({ctl::ACK});
                answer({ctl::C}, 3);
            } else {
                answer({ctl::ACK, ctl::C});
            }
        }
        break;
    case ctl::DC1:
        ++dc1s;
        if (nakDc1) answer({ctl::NAK}, 1000);
        else if (answerDc1) answer({ctl::ACK});
        break;
    case ctl::BEL:
        if (appRunning) answer({ctl::ACK}, 5);
        break;
    default: break;
    }
}

}  // namespace dorvane::test
