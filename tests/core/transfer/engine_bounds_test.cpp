// A receiver that never stops talking must not keep a transfer alive: NAKs
// without end, noise, requests repeated for ever. Each ends within a bound.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"
#include "support/image_builder.h"
#include "support/simulated_stb.h"
#include "transfer/engine_fixture.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

class EngineBoundsTest : public EngineTest {
protected:
    // Sends bytes every period ms for as long as the test runs.
    void repeatEvery(Millis period, Bytes bytes) {
        loop.schedule(period, [this, period, bytes] {
            link.send(bytes, 0);
            repeatEvery(period, bytes);
        });
    }
    int countWrites(const Bytes& bytes) const {
        return static_cast<int>(std::count(link.writes.begin(), link.writes.end(), bytes));
    }
    bool endedWith(EngineEvent code) const { return listener.any(code); }
};

TEST_F(EngineBoundsTest, ReceiverRefusingEveryBlockEndsTheDownload) {
    openImage("fw.bin", patternBytes(3000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    link.send(Bytes{ctl::ACK, ctl::C});
    // From now on every write is answered with NAK.
    link.onWrite = [this](std::span<const std::uint8_t>) { link.send(ctl::NAK); };
    ASSERT_TRUE(loop.runUntil([&] { return endedWith(EngineEvent::TooManyErrors); }, 5000));
    EXPECT_EQ(engine.state(), EngineState::Idle);
    EXPECT_TRUE(listener.has(EngineState::SendingData, EngineEvent::TooManyErrors));
    // The first block went once and then as often as it may be repeated.
    const Bytes first(link.writes[1]);
    EXPECT_EQ(first.size(), kBlockFrameSize);
    EXPECT_EQ(countWrites(first), 1 + engine.timeouts().maxRepeats);
}

TEST_F(EngineBoundsTest, RecoverableRefusalsStillComplete) {
    openImage("fw.bin", patternBytes(3000));
    SimulatedStb stb(link, ackBootLoader({"--nak-blocks", "1,2,3"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::WaitWritingEnd, EngineEvent::WritingEnded, 10000));
    EXPECT_FALSE(endedWith(EngineEvent::TooManyErrors));
}

TEST_F(EngineBoundsTest, ReceiverRefusingEveryEotEndsTheDownload) {
    openImage("fw.bin", patternBytes(1024));
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilState(EngineState::EndingFile, 5000));
    // The receiver answers the first EOT; what follows is scripted.
    link.onWrite = [this](std::span<const std::uint8_t> b) {
        // Two refusals each time: the second one meets the EOT sent again
        // and is taken as a refusal of that one.
        if (b.size() == 1 && b[0] == ctl::EOT) link.send(Bytes{ctl::NAK, ctl::NAK});
    };
    ASSERT_TRUE(loop.runUntil([&] { return endedWith(EngineEvent::TooManyErrors); }, 5000));
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

// Found by the engine's fuzz target: ACK then NAK, over and over, after the
// EOT moved the deadline on with every ACK.
TEST_F(EngineBoundsTest, ReceiverGoingRoundInCirclesAfterTheEotEndsTheDownload) {
    openImage("fw.bin", patternBytes(1024));
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilState(EngineState::EndingFile, 5000));
    link.onWrite = nullptr;  // the receiver answers the first EOT, then hears no more
    repeatEvery(50, Bytes{0xA1, ctl::ACK, ctl::NAK});
    ASSERT_TRUE(loop.runUntil([&] { return endedWith(EngineEvent::TooManyErrors); }, 5000));
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(EngineBoundsTest, NoiseAfterTheHeaderBlockDoesNotHoldTheWaitOpen) {
    openImage("fw.bin", patternBytes(3000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    ASSERT_EQ(engine.state(), EngineState::WaitHeaderAnswer);
    repeatEvery(50, Bytes{0x55, 0xAA, ctl::NAK, 0x00, 0x7E});
    ASSERT_TRUE(loop.runUntil([&] { return endedWith(EngineEvent::ReceiverSilent); }, engine.timeouts().reply + 200));
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

// Found by the engine's fuzz target: ACK and then anything but 'C', over
// and over, moved the deadline on with every ACK.
TEST_F(EngineBoundsTest, AckWithoutCAfterTheHeaderBlockOverAndOverEnds) {
    openImage("fw.bin", patternBytes(3000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    repeatEvery(50, Bytes{ctl::ACK, ctl::VT, 0x00, 0x08});
    ASSERT_TRUE(loop.runUntil([&] { return endedWith(EngineEvent::ReceiverSilent); }, engine.timeouts().reply + 200));
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(EngineBoundsTest, RequestsForTheHeaderWithoutAnAnswerEnd) {
    openImage("fw.bin", patternBytes(3000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    // A receiver that keeps asking every 2.5 s and never takes the block.
    repeatEvery(2500, Bytes{ctl::C});
    ASSERT_TRUE(loop.runUntil([&] { return endedWith(EngineEvent::TooManyErrors); }, 60000));
    EXPECT_EQ(static_cast<int>(link.writes.size()), 1 + engine.timeouts().maxRepeats);
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(EngineBoundsTest, SenderSendingOnlyDc1EndsTheUpload) {
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    link.send(Bytes{ctl::SOH, 0, 0xFF});  // a header block would start here...
    loop.advance(5);
    repeatEvery(20, Bytes{ctl::DC1});  // ...but only DC1 follows
    ASSERT_TRUE(loop.runUntil([&] { return listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 60000));
    EXPECT_FALSE(engine.uploadOutcome().completed);
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(EngineBoundsTest, SenderRepeatingTheAcceptedBlockForEverEndsTheUpload) {
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    // The header block, accepted...
    std::array<std::uint8_t, 128> announce{};
    const char text[] =
        "curdb\0"
        "3000";
    std::copy(std::begin(text), std::end(text), announce.begin());
    const std::uint16_t crc = crc16(std::span<const std::uint8_t>(announce));
    Bytes header{ctl::SOH, 0x00, 0xFF};
    header.insert(header.end(), announce.begin(), announce.end());
    header.push_back(static_cast<std::uint8_t>(crc >> 8));
    header.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    link.send(header, 0);
    loop.advance(50);
    // ...then block 1 again and again, whatever the answer.
    const BlockFrame first = buildDataBlock(1, patternBytes(1024));
    repeatEvery(3000, Bytes(first.begin(), first.end()));
    ASSERT_TRUE(loop.runUntil([&] { return listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 120000));
    EXPECT_FALSE(engine.uploadOutcome().completed);
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

}  // namespace
