// A receiver that is switched off and on again at any moment of a download:
// the engine sees its boot loader start over and ends at once with
// kReceiverRestarted, without sending it anything it could take for a new
// file, and long before any of its bounds would have run out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/transfer/frames.h"
#include "support/image_builder.h"
#include "support/simulated_stb.h"
#include "transfer/engine_fixture.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

struct RestartCase {
    const char* point;
    bool enq;      // the boot loader answers with ENQ and its record (else ACK and 'C')
    Millis least;  // the virtual time from switching on to the end, at least...
    Millis most;   // ...and at most
};

void PrintTo(const RestartCase& c, std::ostream* os) { *os << c.point << (c.enq ? " (ENQ)" : " (ACK)"); }

// The simulated boot loader restarts 200 ms after the fault and asks with
// 'C' at once. Before the fault the
// transfer takes a few milliseconds on the virtual line, and 50 more after
// an information record.
const RestartCase kCases[] = {
    // The restarted boot loader's 'C' after a pause in the record (where it
    // would complete the record, too).
    {"info", true, 200, 210},
    {"info:1", true, 200, 210},
    {"info:127", true, 200, 210},
    {"block:1", true, 250, 260},
    {"block:3", true, 250, 265},
    {"block-ack:1", true, 250, 260},
    {"block-nak:3", true, 250, 265},
    {"block-ack:5", true, 250, 270},  // the last block: the EOT goes to a restarting receiver
    {"eot", true, 250, 275},
    {"second-eot", true, 250, 275},
    {"batch", true, 250, 275},
    {"before-vt", true, 250, 275},
    {"after-vt", true, 250, 285},
    {"writing:1", true, 250, 295},  // after 40 %
    {"writing:2", true, 250, 305},  // after 100 %, before the FF
    {"block:1", false, 200, 215},
    {"block:3", false, 200, 220},
    {"block-ack:2", false, 200, 220},
    {"block-nak:2", false, 200, 220},
    {"eot", false, 200, 225},
    {"second-eot", false, 200, 225},
    // The end of the batch: a boot loader that answered with ACK and 'C'
    // asks for a bad end-of-batch block again with 'C', as a standard
    // receiver does; its second 'C' a second later tells the restart.
    {"batch", false, 1200, 1230},
};

class RestartTest : public EngineTest, public ::testing::WithParamInterface<RestartCase> {};

bool isHeaderEvent(const std::string& e) { return e.rfind("header ", 0) == 0; }

}  // namespace

TEST_P(RestartTest, EndsAtOnceAndSendsNothingTheRestartedBootLoaderTakes) {
    const RestartCase c = GetParam();
    const Bytes file = patternBytes(5000);  // four full blocks and a short one
    openImage("fw.bin", file);
    std::vector<std::string> fault{"--fault", std::string("restart@") + c.point};
    SimulatedStb stb(link, c.enq ? enqBootLoader(fault) : ackBootLoader(fault));
    ASSERT_TRUE(stb.valid()) << stb.error();
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    const Millis on = loop.now();
    auto restarted = [&] { return listener.any(EngineEvent::ReceiverRestarted); };
    ASSERT_TRUE(loop.runUntil(restarted, 5000)) << "last event " << stb.events().back();
    const Millis took = loop.now() - on;
    EXPECT_GE(took, c.least);
    EXPECT_LE(took, c.most);
    EXPECT_EQ(engine.state(), EngineState::Idle);
    ASSERT_TRUE(stb.logged(std::string("fault restart at ") + (std::string(c.point) == "before-vt"  ? "write-start"
                                                               : std::string(c.point) == "after-vt" ? "writing"
                                                                                                    : c.point)));
    // Nothing else ends the transfer, and a receiver that had not started
    // its writing never hears of the end of the batch.
    EXPECT_EQ(listener.last(), EngineEvent::ReceiverRestarted);
    EXPECT_FALSE(listener.has(EngineState::WaitWritingEnd, EngineEvent::WritingEnded));
    const int batchBlocks = stb.seen().batchBlocks;
    EXPECT_LE(batchBlocks, 1);
    if (std::string(c.point).rfind("batch", 0) != 0 && !listener.has(EngineState::EndingFile, EngineEvent::BatchEnded))
        EXPECT_EQ(batchBlocks, 0);
    // The boot loader waits for a header block until its window closes and
    // then starts its application: it took only the first one.
    loop.advance(6000);
    EXPECT_TRUE(stb.logged("application"));
    EXPECT_EQ(std::count_if(stb.events().begin(), stb.events().end(), isHeaderEvent), 1);
    EXPECT_EQ(stb.seen().batchBlocks, batchBlocks);
    EXPECT_EQ(stb.seen().headerBlocks, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryPoint, RestartTest, ::testing::ValuesIn(kCases));

// What looks like a restart but is not one: 'C' bytes inside the record (a
// buyer code "CCCC"), a progress report of 67 % (the byte 'C') and the
// boot loader's 'C' after its FF, when it restarts as it should.
TEST_F(EngineTest, CBytesThatBelongToTheExchangeAreNoRestart) {
    const Bytes file = patternBytes(3000);
    openImage("fw.bin", file);
    SimulatedStb stb(link, enqBootLoader({"--buyer", "CCCC", "--write-progress", "67,100", "--split-answers"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::WaitWritingEnd, EngineEvent::WritingEnded, 5000));
    EXPECT_TRUE(listener.wroteProgress(67));
    loop.advance(3000);
    EXPECT_TRUE(stb.logged("boot loader"));  // it started again after writing
    EXPECT_FALSE(listener.has(EngineState::WaitWritingEnd, EngineEvent::ReceiverRestarted));
    EXPECT_EQ(listener.kinds().back(), std::make_pair(EngineState::WaitWritingEnd, EngineEvent::WritingEnded));
}

// The record is bounded as a whole: a receiver that sends it slowly, byte
// by byte, cannot hold the wait open.
TEST_F(EngineTest, InformationRecordTricklingInEndsAtItsBound) {
    openImage("fw.bin", patternBytes(3000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    link.send(ctl::ENQ);
    for (int i = 1; i <= 127; ++i) link.send(Bytes{0}, 10 * i);
    const Millis enqAt = loop.now();
    ASSERT_TRUE(runUntilEvent(EngineState::WaitHeaderAnswer, EngineEvent::ReceiverRestarted, 2000));
    EXPECT_EQ(loop.now() - enqAt, engine.timeouts().infoRecord + 1);
    EXPECT_EQ(engine.state(), EngineState::Idle);
    EXPECT_EQ(link.writes.size(), 1u);  // the header block, nothing else
}

// Every data block of files of one to six blocks, in each of its phases
// (arrived and unanswered, after its ACK, after a NAK), with both kinds of
// boot loader: the restart is always seen within a quarter of a second and
// the restarted boot loader takes no second header block.
TEST(RestartSweep, EveryBlockOfEveryFileSizeInEveryPhase) {
    for (const bool enq : {true, false}) {
        for (std::size_t blocks = 1; blocks <= 6; ++blocks) {
            for (std::size_t n = 1; n <= blocks; ++n) {
                for (const char* phase : {"block:", "block-ack:", "block-nak:"}) {
                    const std::string point = phase + std::to_string(n);
                    SCOPED_TRACE(point + (enq ? " ENQ, " : " ACK, ") + std::to_string(blocks) + " blocks");
                    EngineRig rig;
                    const Bytes file = patternBytes(blocks * 1024 - 100);
                    ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", file)).ok());
                    const std::vector<std::string> fault{"--fault", "restart@" + point};
                    SimulatedStb stb(rig.link, enq ? enqBootLoader(fault) : ackBootLoader(fault));
                    rig.engine.setState(EngineState::WaitStart);
                    stb.command("on");
                    ASSERT_TRUE(rig.loop.runUntil(
                        [&] { return !rig.listener.events.empty() && rig.engine.state() == EngineState::Idle; }, 5000));
                    rig.loop.advance(0);  // the notifications posted on the way
                    EXPECT_EQ(rig.listener.last(), EngineEvent::ReceiverRestarted);
                    EXPECT_LE(rig.loop.now(), 300);
                    EXPECT_EQ(rig.listener.count(EngineState::SendingData, EngineEvent::BlockAcked),
                              static_cast<int>(n) - (point.rfind("block-ack:", 0) == 0 ? 0 : 1));
                    rig.loop.advance(6000);
                    EXPECT_EQ(std::count_if(stb.events().begin(), stb.events().end(), isHeaderEvent), 1);
                    EXPECT_EQ(stb.seen().batchBlocks, 0);
                }
            }
        }
    }
}
