#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/scripted_link.h"

namespace dorvane::test {

// A 128-byte information record: length word, versions, buyer code.
std::vector<std::uint8_t> infoRecord(std::uint32_t length, std::uint32_t bootVersion, std::uint32_t appVersion,
                                     std::uint32_t buyerCode);

// The receiver's side of a download, played on a scripted link: its boot
// loader answers the header block (ENQ + record, or ACK and 'C'), the data
// blocks, the EOTs and the end-of-batch block, then reports its writing.
// Its application answers BEL with ACK while it runs.
class FakeBootLoader {
public:
    enum class Stage { None, HeaderAnswer, DataAck, EotAnswer, SecondEotAck, BatchAck, Writing };

    explicit FakeBootLoader(ScriptedLink& link);

    // Switched on: its boot loader asks for the file.
    void powerOn(Millis delay = 1) { link_.send(0x43, delay); }

    bool enqAnswer = false;
    std::vector<std::uint8_t> record = infoRecord(32, 0x01020300, 0x02030400, 0);
    bool appRunning = false;       // answers BEL with ACK
    bool ackFirstEot = false;      // takes the first EOT at once, 'C' a second later
    bool splitPairs = false;       // ACK and 'C', RS and its value in separate bursts
    bool reportWriting = true;     // VT, progress, FF after the batch
    Stage silentAt = Stage::None;  // from this answer on it says nothing
    std::set<int> nakOnce;         // data blocks (1, 2, ... in order sent) refused once
    int nakTimes = 1;              // ... or this many times
    bool answerDc1 = true;         // ACK for a DC1 (a standard receiver ignores it)
    bool nakDc1 = false;           // NAK for a DC1 after 1 s, as for a garbled block

    // What it saw.
    std::string headerName;
    std::string headerLength;
    std::vector<std::uint8_t> data;       // data bytes of accepted blocks, padding included
    std::vector<std::uint8_t> sequences;  // sequence byte of every data block received
    int headerBlocks = 0;
    int duplicates = 0;  // copies of the last accepted block
    int eots = 0;
    int dc1s = 0;
    int batchBlocks = 0;
    bool badCrc = false;

private:
    void onWrite(std::span<const std::uint8_t> bytes);
    void answer(std::vector<std::uint8_t> bytes, Millis delay = 1) { link_.send(std::move(bytes), delay); }
    bool silent(Stage stage) const;

    ScriptedLink& link_;
    int blocksSeen_ = 0;
    std::uint8_t lastAccepted_ = 0;
    std::map<int, int> naked_;
};

}  // namespace dorvane::test
