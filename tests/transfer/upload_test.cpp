#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/fake_sender.h"
#include "support/image_builder.h"
#include "transfer/engine_fixture.h"
#include "transfer/crc16.h"
#include "transfer/frames.h"

using namespace dorvane;
using namespace dorvane::test;
namespace st = engine_state;
namespace ev = engine_event;

namespace {

class UploadTest : public EngineTest {
protected:
    // Arms the upload and runs until it has ended (65, 30) or gave up.
    bool runUpload(Millis limit = 120000) {
        engine.setState(st::kUploadArm);
        return loop.runUntil(
            [&] {
                return listener.has(st::kUploadEnd, ev::kBatchEnded) ||
                       std::any_of(listener.events.begin(), listener.events.end(),
                                   [](auto e) { return e.second == ev::kReceiverSilent; });
            },
            limit);
    }
    Bytes stored() const {
        const auto c = buffer->contents();
        return Bytes(c.begin(), c.end());
    }
    // The bytes the tool wrote, without the 'C' requests before the first block.
    Bytes answers() const {
        Bytes out = link.written;
        const auto first = std::find_if(out.begin(), out.end(), [](auto b) { return b != ctl::C; });
        out.erase(out.begin(), first);
        return out;
    }
};

// A 128-byte header block with one name/length pair.
Bytes headerFrame(const std::string& name, const std::string& length) {
    Bytes data(128, 0);
    std::copy(name.begin(), name.end(), data.begin());
    std::copy(length.begin(), length.end(), data.begin() + static_cast<long>(name.size()) + 1);
    const std::uint16_t crc = crc16(data);
    Bytes f(kShortBlockFrameSize, 0);
    f[0] = ctl::SOH;
    f[2] = 0xFF;
    std::copy(data.begin(), data.end(), f.begin() + 3);
    f[131] = static_cast<std::uint8_t>(crc >> 8);
    f[132] = static_cast<std::uint8_t>(crc & 0xFF);
    return f;
}

Bytes repeat(std::initializer_list<std::uint8_t> bytes, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), bytes);
    return out;
}

}  // namespace

TEST_F(UploadTest, WholeFileIsCollectedAndTheBatchClosed) {
    const Bytes file = patternBytes(70000);
    FakeSender stb(link, file);
    ASSERT_TRUE(runUpload());
    EXPECT_TRUE(stb.finished);
    EXPECT_EQ(engine.state(), st::kIdle);
    const auto& outcome = engine.uploadOutcome();
    EXPECT_EQ(outcome.result, 1);
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.announced, 70000u);
    EXPECT_EQ(stored(), file);

    // ACK 'C' for the header, one ACK per block, NAK for the first EOT,
    // ACK 'C' for the second, ACK for the end-of-batch block.
    Bytes expected{ctl::ACK, ctl::C};
    expected.insert(expected.end(), 69, ctl::ACK);
    expected.insert(expected.end(), {ctl::NAK, ctl::ACK, ctl::C, ctl::ACK});
    EXPECT_EQ(answers(), expected);

    // Progress after each block but the first: 2048 * 100 / 70000 = 2, ...
    std::vector<int> percents;
    for (const auto& e : listener.events)
        if (e.first == st::kUploadReceive) percents.push_back(e.second);
    ASSERT_EQ(percents.size(), 68u);
    EXPECT_EQ(percents[0], 2);
    EXPECT_EQ(percents[1], 4);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(listener.events.front(), std::make_pair(st::kUploadArm, ev::kStarted));
}

TEST_F(UploadTest, AsksWithCEveryTwoHundredMillisecondsUntilTheHeaderComes) {
    FakeSender stb(link, patternBytes(3000));
    stb.silent = true;
    engine.setState(st::kUploadArm);
    loop.advance(200 + 2000 - 1);
    EXPECT_EQ(stb.cReceived, 10);  // the first step: ten 'C', 200 ms apart
    stb.silent = false;            // console echo first, then the header block
    stb.beforeHeader = {'l', 'o', 'a', 'd', 'b', '\r', '\n'};
    ASSERT_TRUE(loop.runUntil([&] { return listener.has(st::kUploadEnd, ev::kBatchEnded); }, 20000));
    EXPECT_TRUE(engine.uploadOutcome().completed);
    EXPECT_EQ(stored(), stb.file);
}

TEST_F(UploadTest, ReceiverThatNeverSendsEndsAfterTheFirstBlockBound) {
    FakeSender stb(link, patternBytes(3000));
    stb.silent = true;
    ASSERT_TRUE(runUpload(engine.timeouts().firstBlock + 3000));
    EXPECT_TRUE(listener.has(st::kUploadReceive, ev::kReceiverSilent));
    EXPECT_FALSE(listener.has(st::kUploadEnd, ev::kBatchEnded));
    EXPECT_EQ(engine.state(), st::kIdle);
    EXPECT_GE(stb.cReceived, 140);
    EXPECT_LE(stb.cReceived, 151);
}

TEST_F(UploadTest, ResultsOfFailedUploads) {
    struct Case {
        const char* what;
        std::function<void(FakeSender&)> setup;
        int result;
        Bytes answers;  // what the tool wrote after its requests
    };
    const Case cases[] = {
        {"header block with a bad CRC", [](FakeSender& s) { s.corruptHeader = true; }, 1, {ctl::NAK}},
        {"header block of 1,024 bytes", [](FakeSender& s) { s.headerAs1K = true; }, -1, {ctl::NAK}},
        {"bad first data block",
         [](FakeSender& s) { s.corruptAlways = {1}; },
         -1,
         {ctl::ACK, ctl::C, ctl::NAK}},
        {"five bad blocks in a row",
         [](FakeSender& s) { s.corruptAlways = {3}; },
         -2,
         [] {
             Bytes b{ctl::ACK, ctl::C, ctl::ACK, ctl::ACK};
             const Bytes retries = repeat({ctl::NAK, ctl::ACK}, 4);
             b.insert(b.end(), retries.begin(), retries.end());
             b.insert(b.end(), {ctl::NAK, ctl::CAN, ctl::CAN, ctl::CAN});
             return b;
         }()},
        {"EOT before any header block", [](FakeSender& s) { s.eotFirst = true; }, 1, {ctl::ACK}},
        {"silent in the middle of a block",
         [](FakeSender& s) {
             s.silentBlock = 2;
             s.silentAfterBytesOfBlock = 300;
         },
         -6,
         [] {
             Bytes b{ctl::ACK, ctl::C, ctl::ACK, ctl::NAK, ctl::ACK, ctl::NAK};
             return b;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        FakeSender stb(rig.link, patternBytes(5000));
        c.setup(stb);
        const Millis start = rig.loop.now();
        rig.engine.setState(st::kUploadArm);
        ASSERT_TRUE(rig.loop.runUntil([&] { return rig.listener.has(st::kUploadEnd, ev::kBatchEnded); }, 60000));
        EXPECT_LT(rig.loop.now() - start, 15000);
        EXPECT_EQ(rig.engine.uploadOutcome().result, c.result);
        EXPECT_FALSE(rig.engine.uploadOutcome().completed);
        EXPECT_EQ(rig.engine.state(), st::kIdle);
        Bytes written = rig.link.written;
        written.erase(written.begin(),
                      std::find_if(written.begin(), written.end(), [](auto b) { return b != ctl::C; }));
        EXPECT_EQ(written, c.answers);
    }
}

TEST_F(UploadTest, RecoversFromABadBlock) {
    const Bytes file = patternBytes(6000);
    FakeSender stb(link, file);
    stb.corruptOnce = {3};
    ASSERT_TRUE(runUpload());
    EXPECT_TRUE(engine.uploadOutcome().completed);
    EXPECT_EQ(stored(), file);
}

TEST_F(UploadTest, RepeatedBlockIsNotStoredTwice) {
    const Bytes file = patternBytes(6000);
    engine.setState(st::kUploadArm);
    loop.advance(250);
    link.send(headerFrame("curdb", "6000"));
    loop.advance(10);
    const auto block1 = buildDataBlock(1, std::span<const std::uint8_t>(file.data(), 1024));
    const auto block2 = buildDataBlock(2, std::span<const std::uint8_t>(file.data() + 1024, 1024));
    link.send(Bytes(block1.begin(), block1.end()));
    loop.advance(10);
    link.send(Bytes(block2.begin(), block2.end()));
    loop.advance(10);
    link.written.clear();
    link.send(Bytes(block2.begin(), block2.end()));
    loop.advance(10);
    EXPECT_EQ(link.written, (Bytes{ctl::NAK, ctl::ACK}));
    EXPECT_EQ(listener.count(st::kUploadReceive, 2048 * 100 / 6000), 1);
    EXPECT_EQ(engine.state(), st::kUploadReceive);
}

TEST_F(UploadTest, TenBlocksWithUnfittingSequenceBytesEndTheUpload) {
    engine.setState(st::kUploadArm);
    loop.advance(250);
    link.send(headerFrame("curdb", "5000"));
    loop.advance(10);
    link.written.clear();
    for (int i = 0; i < 10; ++i) link.send(Bytes{ctl::STX, 0x33, 0x99}, 1 + i);
    ASSERT_TRUE(runUntilEvent(st::kUploadEnd, ev::kBatchEnded, 2000));
    EXPECT_EQ(engine.uploadOutcome().result, -3);
    EXPECT_EQ(link.written, Bytes(10, ctl::NAK));
}

TEST_F(UploadTest, UnexpectedByteAfterTheFirstBlocks) {
    for (const bool afterBlock1 : {false, true}) {
        SCOPED_TRACE(afterBlock1);
        EngineRig rig;
        rig.engine.setState(st::kUploadArm);
        rig.loop.advance(250);
        rig.link.send(headerFrame("curdb", "3000"));
        rig.loop.advance(10);
        if (afterBlock1) {
            const auto block1 = buildDataBlock(1, patternBytes(1024));
            rig.link.send(Bytes(block1.begin(), block1.end()));
            rig.loop.advance(10);
        }
        rig.link.send(Bytes{'?'});
        ASSERT_TRUE(rig.loop.runUntil([&] { return rig.listener.has(st::kUploadEnd, ev::kBatchEnded); }, 5000));
        EXPECT_EQ(rig.engine.uploadOutcome().result, afterBlock1 ? -6 : -5);
        EXPECT_EQ(rig.link.written.back(), ctl::NAK);
    }
}

TEST_F(UploadTest, WithoutHeaderBlockTheDataIsKeptButTheUploadIsNotComplete) {
    const Bytes file = patternBytes(3000);
    FakeSender stb(link, file);
    stb.sendHeader = false;
    ASSERT_TRUE(runUpload());
    EXPECT_FALSE(engine.uploadOutcome().completed);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 1024, buffer->data()));
}

TEST_F(UploadTest, Dc1IsAnsweredWithAck) {
    engine.setState(st::kUploadArm);
    loop.advance(250);
    link.send(headerFrame("curdb", "3000"));
    loop.advance(10);
    link.written.clear();
    link.send(ctl::DC1);
    loop.advance(5);
    EXPECT_EQ(link.written, Bytes{ctl::ACK});
}

TEST_F(UploadTest, AnnouncedSizeBeyondTheBufferIsNotComplete) {
    FakeSender stb(link, patternBytes(3000));
    stb.lengthText = "600000";
    ASSERT_TRUE(runUpload());
    EXPECT_FALSE(engine.uploadOutcome().completed);
}
