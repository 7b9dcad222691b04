#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "sim/fault_trigger.h"
#include "sim/frames.h"
#include "sim/receiver_options.h"
#include "sim/stb_line.h"

namespace dorvane::sim {

// The receiver's boot loader: asks for a file with 'C', answers the header
// block with its information record (or ACK and 'C'), takes the data
// blocks, the EOTs and the end of the batch, stores the file and reports
// its writing (VT, RS and a percentage, FF) before the receiver restarts.
class BootLoader {
public:
    BootLoader(const ReceiverOptions& options, StbLine& line, StbControl& control, FaultTrigger& fault);

    // Switched on (every timer already stopped): forgets the last transfer,
    // asks for a file and hands over to the application when none comes.
    void start();
    void received(std::uint8_t byte);

    // The data of the blocks taken in the last download, padding included.
    const Bytes& takenData() const { return file_; }

private:
    enum class State { WaitHeader, InfoAnswer, RejectCode, Data, EndBatch, Writing };

    void sendRequest();
    void windowEnded();
    void armByteTimeout();
    void byteTimeout();

    void controlByte(std::uint8_t byte, std::uint8_t previous);
    void rejectCode(std::uint8_t byte);
    void eot();
    void answerDc1();
    bool inTransfer() const { return state_ == State::Data || state_ == State::EndBatch; }

    void blockComplete();
    void headerBlock(bool good, std::uint8_t sequence, const Bytes& data);
    void readHeader(const Bytes& data);
    void sendInfoRecord();
    void endOfBatchBlock(bool good, std::uint8_t sequence);
    void dataBlock(bool good, std::uint8_t sequence, const Bytes& data);
    bool refused(int number);
    void shrinkSource(int number);

    // The writing phase (boot_writing.cpp).
    std::size_t announcedSize() const;
    void storeFile();
    void keepChannels();
    void startWriting();
    void writingProgress(std::size_t next);
    void written();

    const BootLoaderOptions& opt_;
    const int answerTimeoutMs_;
    const bool verbose_;
    StbLine& line_;
    StbControl& control_;
    FaultTrigger& fault_;

    State state_ = State::WaitHeader;
    BlockCollector block_;
    std::string fileName_;
    std::uint64_t fileLength_ = 0;
    Bytes file_;
    std::uint8_t expected_ = 1;
    int blocksTaken_ = 0;
    int eots_ = 0;
    int timeouts_ = 0;
    std::map<int, int> nakDone_;  // refusals so far, by block, over the whole run
    bool stored_ = false;
    Millis writeStep_ = 0;
    std::uint8_t lastByte_ = 0;

    StbTimer requestTimer_{line_};
    StbTimer windowTimer_{line_};
    StbTimer byteTimer_{line_};
    StbTimer phaseTimer_{line_};
};

}  // namespace dorvane::sim
