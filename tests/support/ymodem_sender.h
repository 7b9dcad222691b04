#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "support/scripted_link.h"

namespace dorvane::test {

// A YMODEM sender played on a scripted link, for the engine's upload in all
// the shapes a sender may take: a batch of one file sent when asked with
// 'C', its header block of 128 or 1,024 bytes, with one name/length pair or
// several, or no header block at all; blocks cut off, garbled or refused;
// a sender deaf to NAK that only resends on its own time-out. (The STB's
// own sender, with its quirks, is the simulated STB's: support/simulated_stb.h.)
// A NAK makes it send the block again; an ACK right behind a NAK is taken as
// part of that answer.
class YmodemSender {
public:
    YmodemSender(ScriptedLink& link, std::vector<std::uint8_t> file);

    std::vector<std::uint8_t> file;
    std::string name = "curdb";
    std::string lengthText;            // empty: the file's length
    std::string extraPairs;            // more name/length strings after the first pair
    bool headerAs1K = false;
    bool sendHeader = true;            // false: data block 1 answers the first 'C'
    bool corruptHeader = false;        // the header block's CRC always wrong
    int corruptHeaderTimes = 0;        // ... or wrong the first times
    int garbleSequenceOf = 0;          // data block sent once with a garbled sequence byte
    int loseAckOf = 0;                 // the first ACK of this data block is lost on the line
    bool resendOnNak = true;           // false: only its own time-out resends
    Millis ownTimeout = 10000;         // it resends the unanswered block after this
    std::set<int> corruptAlways;       // data blocks whose CRC is always wrong
    std::set<int> corruptOnce;         // data blocks whose CRC is wrong the first time
    bool eotFirst = false;             // answers the first 'C' with EOT
    int wrongSequenceAt = 0;           // data block sent with an unfitting sequence, forever
    std::vector<std::uint8_t> beforeHeader;  // console text before the header block
    int silentAfterBytesOfBlock = -1;  // block (1..) cut off after a few bytes, then silence
    int silentBlock = 0;
    bool silent = false;               // answers nothing at all

    // What it saw.
    int cReceived = 0;
    int cans = 0;
    bool finished = false;  // the end-of-batch block was acknowledged
    bool cancelled = false;

private:
    enum class Phase { WaitC0, WaitHeaderAck, WaitC1, WaitAck, WaitEotAnswer, WaitEotAck, WaitFinalC, WaitBatchAck, Done };
    void onWrite(std::uint8_t byte);
    void sendBlock(int number);
    void sendHeaderBlock();
    void resendAfterTimeout(int number);
    std::vector<std::uint8_t> frame(std::uint8_t start, std::uint8_t seq, std::vector<std::uint8_t> data,
                                    bool corrupt) const;

    ScriptedLink& link_;
    Phase phase_ = Phase::WaitC0;
    int current_ = 1;
    int blocks_ = 0;
    Millis nakTime_ = -1;  // when the last NAK came
    std::set<int> corrupted_;
    int headersCorrupted_ = 0;
    bool sequenceGarbled_ = false;
    bool ackLost_ = false;
    int sends_ = 0;  // blocks sent; a time-out resends only if nothing went since
};

}  // namespace dorvane::test
