#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "sim/fault_trigger.h"
#include "sim/frames.h"
#include "sim/receiver_options.h"
#include "sim/stb_line.h"

namespace dorvane::sim {

// The application's YMODEM sender: sends the channel data ("curdb") on the
// boot-console command, as the STB's own sender or an ordinary one, with
// the upload faults it was given.
class UploadSender {
public:
    // lineIdle: whether nothing is queued to go out on the line.
    UploadSender(const ReceiverOptions& options, StbLine& line, StbControl& control, FaultTrigger& fault,
                 const std::function<bool()>& lineIdle);

    // Starts at once, or after the sender delay with what came meanwhile
    // waiting in its input.
    void begin();
    void reset() { state_ = State::None; }
    bool running() const { return state_ != State::None; }
    void received(std::uint8_t byte);

private:
    enum class State { None, WaitC, HeaderAck, WaitC2, BlockAck, Eot1, Eot2, WaitCEnd, EndAck };

    void startSender();
    void armTimeout();
    void timeout();
    bool resendOnTimeout();
    void end(const std::string& how);

    // Each answers a byte from the program; true when the sender now waits
    // for the next (its time-out runs again).
    bool answer(std::uint8_t byte);
    bool firstRequest();
    bool headerAnswer(std::uint8_t byte);
    bool blockAnswer(std::uint8_t byte);
    bool resendAfterNak();
    bool nextBlockOrEot();
    bool eotAnswer(std::uint8_t byte);
    bool endOfFileRequest(std::uint8_t byte);
    bool endAnswer(std::uint8_t byte);

    void sendHeader();
    // False when the block was cut off and the receiver fell silent.
    bool sendDataBlock();
    // What follows the file's EOT: the end of the batch, or the header
    // block of a second file.
    Bytes endOfFile() const;

    const ApplicationOptions& opt_;
    const int answerTimeoutMs_;
    const bool verbose_;
    StbLine& line_;
    StbControl& control_;
    FaultTrigger& fault_;
    const std::function<bool()>& lineIdle_;

    State state_ = State::None;
    std::size_t offset_ = 0;
    std::uint8_t sequence_ = 1;
    int retries_ = 0;
    int blockNumber_ = 0;
    Millis headerSentAt_ = 0;
    bool nakPending_ = false;  // the last byte was a NAK for a block
    bool started_ = true;
    Bytes input_;  // what arrived before the sender started
    // The faults that come once a run, and whether they came.
    int headerCrcSpoiled_ = 0;
    bool sequenceSpoiled_ = false, ackLost_ = false, duplicateSent_ = false, crcSpoiled_ = false;

    StbTimer timeoutTimer_{line_};
    StbTimer startTimer_{line_};
};

}  // namespace dorvane::sim
