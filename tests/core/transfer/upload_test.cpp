#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"
#include "support/image_builder.h"
#include "support/simulated_stb.h"
#include "transfer/engine_fixture.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

// The STB running its application, with file as its channel data: "upload"
// makes it send them (as on its console command).
std::vector<std::string> application(EngineRig& rig, const Bytes& file, std::vector<std::string> more = {}) {
    std::vector<std::string> options{"--start", "app", "--upload-file",
                                     rig.dir.write("stb-channels.bin", file).string()};
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

class UploadTest : public EngineTest {
protected:
    // Arms the upload and runs until it has ended or gave up.
    bool runUpload(Millis limit = 120000) {
        engine.setState(EngineState::UploadArm);
        return loop.runUntil(
            [&] {
                return listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded) ||
                       listener.any(EngineEvent::ReceiverSilent);
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

}  // namespace

TEST_F(UploadTest, WholeFileIsCollectedAndTheBatchClosed) {
    const Bytes file = patternBytes(70000);
    SimulatedStb stb(link, application(*this, file));
    stb.command("upload");
    ASSERT_TRUE(runUpload());
    loop.advance(2);  // the last ACK on its way to the STB
    EXPECT_TRUE(stb.logged("upload done"));
    EXPECT_EQ(engine.state(), EngineState::Idle);
    const auto& outcome = engine.uploadOutcome();
    EXPECT_EQ(outcome.end, UploadEnd::FileEnded);
    // The report carries the same outcome.
    const auto reported = listener.details<UploadOutcome>();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_TRUE(reported[0].completed);
    EXPECT_EQ(reported[0].stored, outcome.stored);
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
    const std::vector<int> percents = listener.uploadPercents();
    ASSERT_EQ(percents.size(), 68u);
    EXPECT_EQ(percents[0], 2);
    EXPECT_EQ(percents[1], 4);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(listener.kinds().front(), std::make_pair(EngineState::UploadArm, EngineEvent::Started));
    EXPECT_EQ(listener.details<UploadedBytes>().back().stored, 69u * 1024);  // whole blocks, as they came
}

TEST_F(UploadTest, AsksThreeTimesQuicklyThenEveryThreeSecondsUntilTheHeaderComes) {
    const Bytes file = patternBytes(3000);
    SimulatedStb stb(link, application(*this, file));
    engine.setState(EngineState::UploadArm);
    loop.advance(200 + 400);
    EXPECT_EQ(stb.seen().requests, 3);  // 200 ms apart, from the end of the pause after the arming
    loop.advance(2999);
    EXPECT_EQ(stb.seen().requests, 3);
    loop.advance(1);
    EXPECT_EQ(stb.seen().requests, 4);
    loop.advance(3000);
    EXPECT_EQ(stb.seen().requests, 5);
    // Console echo first, then the header block.
    link.send(Bytes{'l', 'o', 'a', 'd', 'b', '\r', '\n'});
    stb.command("upload");
    ASSERT_TRUE(loop.runUntil([&] { return listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 20000));
    EXPECT_TRUE(engine.uploadOutcome().completed);
    EXPECT_EQ(stored(), file);
    // Asking again while waiting is no time-out.
    EXPECT_EQ(engine.expiredWaits(), 0);
}

TEST_F(UploadTest, ReceiverThatNeverSendsEndsAfterTheFirstBlockBound) {
    SimulatedStb stb(link, application(*this, patternBytes(3000)));  // never told to send
    ASSERT_TRUE(runUpload(engine.timeouts().firstBlock + 3000));
    EXPECT_TRUE(listener.has(EngineState::UploadReceive, EngineEvent::ReceiverSilent));
    EXPECT_FALSE(listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded));
    EXPECT_EQ(engine.state(), EngineState::Idle);
    // 200, 400, 600 ms, then every 3 s until the 30 s are over.
    EXPECT_EQ(stb.seen().requests, 3 + 9);
    // However many requests went out, one wait ran out: the first block's.
    EXPECT_EQ(engine.expiredWaits(), 1);
}

TEST_F(UploadTest, ResultsOfFailedUploads) {
    struct Case {
        const char* what;
        std::vector<std::string> fault;
        UploadEnd result;
        Bytes answers;  // what the tool wrote after its requests
    };
    const Bytes fiveNaksThenCan = [] {
        Bytes b(5, ctl::NAK);
        b.insert(b.end(), {ctl::CAN, ctl::CAN, ctl::CAN});
        return b;
    }();
    auto after = [](Bytes head, const Bytes& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const Case cases[] = {
        {"header block that always fails its CRC",
         {"--upload-fault", "bad-header-crc:1000"},
         UploadEnd::BlockFailed,
         fiveNaksThenCan},
        {"header block of 1,024 bytes", {"--upload-fault", "header-1k"}, UploadEnd::HeaderTooLong, {ctl::NAK}},
        {"first data block that always fails its CRC",
         {"--upload-fault", "bad-crc:1"},
         UploadEnd::BlockFailed,
         after({ctl::ACK, ctl::C}, fiveNaksThenCan)},
        {"third data block that always fails its CRC",
         {"--upload-fault", "bad-crc:3"},
         UploadEnd::BlockFailed,
         after({ctl::ACK, ctl::C, ctl::ACK, ctl::ACK}, fiveNaksThenCan)},
        {"EOT before any header block", {"--upload-fault", "eot-first"}, UploadEnd::FileEnded, {ctl::ACK}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        SimulatedStb stb(rig.link, application(rig, patternBytes(5000), c.fault));
        stb.command("upload");
        const Millis start = rig.loop.now();
        rig.engine.setState(EngineState::UploadArm);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 60000));
        EXPECT_LT(rig.loop.now() - start, 15000);
        EXPECT_EQ(rig.engine.uploadOutcome().end, c.result);
        EXPECT_FALSE(rig.engine.uploadOutcome().completed);
        EXPECT_EQ(rig.engine.state(), EngineState::Idle);
        Bytes written = rig.link.written;
        written.erase(written.begin(),
                      std::find_if(written.begin(), written.end(), [](auto b) { return b != ctl::C; }));
        EXPECT_EQ(written, c.answers);
    }
}

TEST_F(UploadTest, SenderSilentInTheMiddleOfABlockIsAskedAgainThenGivenUp) {
    SimulatedStb stb(link, application(*this, patternBytes(5000), {"--upload-fault", "cut-block:2@300"}));
    stb.command("upload");
    const Millis start = loop.now();
    ASSERT_TRUE(runUpload());
    EXPECT_TRUE(listener.has(EngineState::UploadReceive, EngineEvent::ReceiverSilent));
    EXPECT_FALSE(engine.uploadOutcome().completed);
    // NAK for the broken block, then a NAK for every 3 s of silence.
    EXPECT_EQ(answers(),
              (Bytes{ctl::ACK, ctl::C, ctl::ACK, ctl::NAK, ctl::NAK, ctl::NAK, ctl::NAK, ctl::NAK, ctl::NAK}));
    const auto& t = engine.timeouts();
    EXPECT_GE(loop.now() - start, t.uploadSilence * (t.maxSilenceNaks + 1));
    EXPECT_LT(loop.now() - start, t.uploadSilence * (t.maxSilenceNaks + 1) + 3000);
}

TEST_F(UploadTest, OneLineErrorDoesNotEndTheUpload) {
    struct Case {
        const char* what;
        std::vector<std::string> faults;
        Bytes answers;  // what the tool wrote after its requests (empty: not checked)
    };
    const Case cases[] = {
        {"header block CRC wrong twice", {"--upload-fault", "bad-header-crc:2"}, {}},
        {"first data block CRC wrong once", {"--upload-fault", "bad-crc-once:1"}, {}},
        {"third data block CRC wrong once (NAK only, no ACK behind it)",
         {"--upload-fault", "bad-crc-once:3"},
         {ctl::ACK, ctl::C, ctl::ACK, ctl::ACK, ctl::NAK, ctl::ACK, ctl::ACK, ctl::ACK}},
        {"sequence byte of block 2 garbled",
         {"--upload-fault", "corrupt-sequence:2"},
         {ctl::ACK, ctl::C, ctl::ACK, ctl::NAK, ctl::ACK, ctl::ACK, ctl::ACK}},
        {"ACK of block 2 lost, resent on our NAK after 3 s",
         {"--upload-fault", "lost-ack:2"},
         {ctl::ACK, ctl::C, ctl::ACK, ctl::ACK, ctl::NAK, ctl::ACK, ctl::ACK, ctl::ACK}},
        {"ACK of block 2 lost, sender deaf to NAK resends after 10 s",
         {"--upload-fault", "lost-ack:2", "--upload-fault", "deaf-to-nak", "--timeout", "10000"},
         {ctl::ACK, ctl::C, ctl::ACK, ctl::ACK, ctl::NAK, ctl::NAK, ctl::NAK, ctl::ACK, ctl::ACK, ctl::ACK}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EngineRig rig;
        // Data full of frame starts: a garbled frame read as anything but
        // a whole frame would find "blocks" inside it.
        Bytes file(5000);
        for (std::size_t i = 0; i < file.size(); ++i) file[i] = (i % 3 == 0) ? ctl::STX : static_cast<std::uint8_t>(i);
        SimulatedStb stb(rig.link, application(rig, file, c.faults));
        stb.command("upload");
        rig.engine.setState(EngineState::UploadArm);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 60000));
        EXPECT_TRUE(rig.engine.uploadOutcome().completed);
        rig.loop.advance(2);  // the last ACK on its way to the STB
        EXPECT_TRUE(stb.logged("upload done"));
        const auto got = rig.buffer->contents();
        EXPECT_EQ(Bytes(got.begin(), got.end()), file);
        if (!c.answers.empty()) {
            Bytes written = rig.link.written;
            written.erase(written.begin(),
                          std::find_if(written.begin(), written.end(), [](auto b) { return b != ctl::C; }));
            written.resize(std::min(written.size(), c.answers.size()));
            EXPECT_EQ(written, c.answers);
        }
    }
}

TEST_F(UploadTest, CopiesOfTheHeaderBlockRightBehindItAreNotAnswered) {
    // A standard sender that found three 'C' waiting sends block 0 three
    // times; our one ACK answers them all. An answer to each copy would be
    // taken for the ACK of block 1.
    const Bytes file = patternBytes(3000);
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    const Bytes header = headerFrame("curdb", "3000");
    Bytes copies = header;
    copies.insert(copies.end(), header.begin(), header.end());
    copies.insert(copies.end(), header.begin(), header.end());
    link.written.clear();
    link.send(copies);
    loop.advance(20);
    EXPECT_EQ(link.written, (Bytes{ctl::ACK, ctl::C}));
    const auto block1 = buildDataBlock(1, std::span<const std::uint8_t>(file.data(), 1024));
    link.send(Bytes(block1.begin(), block1.end()));
    loop.advance(10);
    EXPECT_EQ(link.written, (Bytes{ctl::ACK, ctl::C, ctl::ACK}));
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 1024, buffer->data()));
}

TEST_F(UploadTest, HeaderBlockAgainAfterOurAckWasLostIsAcknowledged) {
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    const Bytes header = headerFrame("curdb", "3000");
    link.send(header);
    loop.advance(10);
    link.written.clear();
    // The sender never got our ACK: silence, our NAK, the header once more.
    loop.advance(engine.timeouts().uploadSilence);
    EXPECT_EQ(link.written, Bytes{ctl::NAK});
    link.send(header);
    loop.advance(10);
    EXPECT_EQ(link.written, (Bytes{ctl::NAK, ctl::ACK}));
    // And a copy that comes on its own long after our ACK.
    link.written.clear();
    link.send(header, engine.timeouts().duplicateGrace + 500);
    loop.advance(engine.timeouts().duplicateGrace + 510);
    EXPECT_EQ(link.written, Bytes{ctl::ACK});
    EXPECT_EQ(engine.state(), EngineState::UploadReceive);
}

TEST_F(UploadTest, DuplicateDataBlockIsNotStoredTwiceAndCostsNoRetry) {
    const Bytes file = patternBytes(6000);
    engine.setState(EngineState::UploadArm);
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
    // Right behind: already answered by our ACK.
    link.send(Bytes(block2.begin(), block2.end()));
    loop.advance(10);
    EXPECT_TRUE(link.written.empty());
    // Resent by the sender's own time-out: it waits for an ACK. More copies
    // than the retry limit: none of them counts as a bad block.
    for (int i = 0; i < 8; ++i) {
        link.send(Bytes(block2.begin(), block2.end()), engine.timeouts().duplicateGrace + 10);
        loop.advance(engine.timeouts().duplicateGrace + 20);
    }
    EXPECT_EQ(link.written, Bytes(8, ctl::ACK));
    EXPECT_EQ(listener.uploadPercents(), std::vector<int>{2048 * 100 / 6000});
    EXPECT_EQ(engine.state(), EngineState::UploadReceive);
}

TEST_F(UploadTest, ResentBlock255AfterTheSequenceWrappedIsADuplicate) {
    const Bytes file = patternBytes(300 * 1024);
    SimulatedStb stb(link, application(*this, file, {"--upload-fault", "lost-ack:255"}));
    stb.command("upload");
    ASSERT_TRUE(runUpload(600000));
    EXPECT_TRUE(engine.uploadOutcome().completed);
    EXPECT_EQ(stored(), file);
}

TEST_F(UploadTest, HeaderWithSeveralPairsCompletesWhenTheFileEnds) {
    const std::vector<std::string> extras[] = {
        {"--upload-pair", "more=12"}, {"--upload-pair", "a=1", "--upload-pair", "b=2", "--upload-pair", "c=3"}};
    for (const auto& extra : extras) {
        EngineRig rig;
        const Bytes file = patternBytes(4000);
        SimulatedStb stb(rig.link, application(rig, file, extra));
        stb.command("upload");
        const Millis start = rig.loop.now();
        rig.engine.setState(EngineState::UploadArm);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 20000));
        EXPECT_LT(rig.loop.now() - start, 2000);
        EXPECT_TRUE(rig.engine.uploadOutcome().completed);
        EXPECT_GE(rig.engine.uploadOutcome().pairs, 2);
        const auto got = rig.buffer->contents();
        EXPECT_EQ(Bytes(got.begin(), got.end()), file);
    }
}

TEST_F(UploadTest, RequestsKeepTheirCadenceWhileTheConsoleTalks) {
    engine.setState(EngineState::UploadArm);
    loop.advance(200);
    // Console text in small pieces every 30 ms for seven seconds.
    for (int i = 0; i < 233; ++i) link.send(Bytes{'x', 'y'}, 30 * i + 5);
    loop.advance(7000);
    const auto cs = std::count(link.written.begin(), link.written.end(), ctl::C);
    EXPECT_EQ(cs, 5);  // at 0, 200, 400, 3,400 and 6,400 ms
}

TEST_F(UploadTest, StartIsReportedAtTheReceiversFirstAnswer) {
    SimulatedStb stb(link, application(*this, patternBytes(2000)));
    engine.setState(EngineState::UploadArm);
    loop.advance(3000);
    EXPECT_FALSE(listener.has(EngineState::UploadArm, EngineEvent::Started));
    stb.command("upload");
    ASSERT_TRUE(runUntilEvent(EngineState::UploadArm, EngineEvent::Started, 1000));
    ASSERT_TRUE(runUntilEvent(EngineState::UploadEnd, EngineEvent::UploadEnded, 10000));
    EXPECT_EQ(listener.count(EngineState::UploadArm, EngineEvent::Started), 1);
    EXPECT_TRUE(engine.uploadOutcome().completed);
}

TEST_F(UploadTest, FramesWithUnfittingSequenceBytesEndTheUploadAfterTen) {
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    link.send(headerFrame("curdb", "5000"));
    loop.advance(10);
    link.written.clear();
    // Each garbled start is skipped until the line is quiet, then refused.
    for (int i = 0; i < 10; ++i) link.send(Bytes{ctl::STX, 0x33, 0x99}, 1 + i * 500);
    ASSERT_TRUE(runUntilEvent(EngineState::UploadEnd, EngineEvent::UploadEnded, 8000));
    EXPECT_EQ(engine.uploadOutcome().end, UploadEnd::LineErrors);
    EXPECT_EQ(link.written, Bytes(10, ctl::NAK));
}

TEST_F(UploadTest, StrayByteBetweenBlocksIsRefusedAndTheUploadGoesOn) {
    const Bytes file = patternBytes(3000);
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    link.send(headerFrame("curdb", "3000"));
    loop.advance(10);
    const auto block1 = buildDataBlock(1, std::span<const std::uint8_t>(file.data(), 1024));
    link.send(Bytes(block1.begin(), block1.end()));
    loop.advance(10);
    link.written.clear();
    link.send(Bytes{'?'});
    loop.advance(engine.timeouts().uploadQuiet + 10);
    EXPECT_EQ(link.written, Bytes{ctl::NAK});
    const auto block2 = buildDataBlock(2, std::span<const std::uint8_t>(file.data() + 1024, 1024));
    link.send(Bytes(block2.begin(), block2.end()));
    loop.advance(10);
    EXPECT_EQ(link.written, (Bytes{ctl::NAK, ctl::ACK}));
    EXPECT_EQ(engine.state(), EngineState::UploadReceive);
}

TEST_F(UploadTest, WithoutHeaderBlockTheDataIsKeptButTheUploadIsNotComplete) {
    const Bytes file = patternBytes(3000);
    SimulatedStb stb(link, application(*this, file, {"--upload-fault", "no-header"}));
    stb.command("upload");
    ASSERT_TRUE(runUpload());
    EXPECT_FALSE(engine.uploadOutcome().completed);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 1024, buffer->data()));
}

TEST_F(UploadTest, Dc1IsAnsweredWithAck) {
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    link.send(headerFrame("curdb", "3000"));
    loop.advance(10);
    link.written.clear();
    link.send(ctl::DC1);
    loop.advance(5);
    EXPECT_EQ(link.written, Bytes{ctl::ACK});
}

TEST_F(UploadTest, AnnouncedSizeBeyondTheBufferIsNotComplete) {
    SimulatedStb stb(link, application(*this, patternBytes(3000), {"--upload-length", "600000"}));
    stb.command("upload");
    ASSERT_TRUE(runUpload());
    EXPECT_FALSE(engine.uploadOutcome().completed);
}

// A sender with two files (sb a.irz b.irz): ours ends as usual, the second
// header block is refused with CAN, never acknowledged, whether it comes
// as a 128- or a 1,024-byte block.
TEST_F(UploadTest, SecondFileInTheBatchIsRefusedWithCan) {
    for (const bool oneK : {false, true}) {
        SCOPED_TRACE(oneK);
        EngineRig rig;
        const Bytes file = patternBytes(1500);
        rig.engine.setState(EngineState::UploadArm);
        rig.loop.advance(250);
        rig.link.send(headerFrame("curdb", "1500"));
        rig.loop.advance(10);
        const auto block1 = buildDataBlock(1, std::span<const std::uint8_t>(file.data(), 1024));
        const auto block2 = buildDataBlock(2, std::span<const std::uint8_t>(file.data() + 1024, 476));
        rig.link.send(Bytes(block1.begin(), block1.end()));
        rig.loop.advance(10);
        rig.link.send(Bytes(block2.begin(), block2.end()));
        rig.loop.advance(10);
        rig.link.send(ctl::EOT);
        rig.loop.advance(10);
        rig.link.send(ctl::EOT);
        rig.loop.advance(10);
        rig.link.written.clear();
        Bytes second = headerFrame("second.irz", "77");
        if (oneK) {
            const auto big = buildHeaderBlock("second.irz", 77);
            second.assign(big.begin(), big.end());
        }
        rig.link.send(second);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 5000));
        EXPECT_EQ(rig.link.written, (Bytes{ctl::CAN, ctl::CAN, ctl::CAN}));
        const UploadOutcome& outcome = rig.engine.uploadOutcome();
        EXPECT_TRUE(outcome.completed);
        EXPECT_TRUE(outcome.moreFiles);
        const auto got = rig.buffer->contents();
        EXPECT_EQ(Bytes(got.begin(), got.end()), file);
    }
}

TEST_F(UploadTest, AnEmptyEndOfBatchIsNoSecondFile) {
    SimulatedStb stb(link, application(*this, patternBytes(3000)));
    stb.command("upload");
    ASSERT_TRUE(runUpload());
    EXPECT_TRUE(engine.uploadOutcome().completed);
    EXPECT_FALSE(engine.uploadOutcome().moreFiles);
    EXPECT_EQ(stb.seen().cans, 0);
}

// Any number of copies of the header block (a sender that found as many
// requests waiting) are one: the first is answered, the rest are read and
// left unanswered, and the next frame is untouched.
TEST_F(UploadTest, AnyNumberOfHeaderCopiesAreOne) {
    const Bytes file = patternBytes(3000);
    engine.setState(EngineState::UploadArm);
    loop.advance(250);
    const Bytes header = headerFrame("curdb", "3000");
    link.written.clear();
    for (int i = 0; i < 40; ++i) link.send(header, i / 10);  // in bursts of ten, back to back
    const auto block1 = buildDataBlock(1, std::span<const std::uint8_t>(file.data(), 1024));
    link.send(Bytes(block1.begin(), block1.end()), 4);  // right behind the copies
    loop.advance(20);
    EXPECT_EQ(link.written, (Bytes{ctl::ACK, ctl::C, ctl::ACK}));
    EXPECT_EQ(engine.state(), EngineState::UploadReceive);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 1024, buffer->data()));
}

// A standard sender started seconds after the command finds only the few
// requests of the first second and the one or two of the slower cadence
// waiting, answers each with the header block, and completes.
TEST_F(UploadTest, StandardSenderStartingLateCompletes) {
    for (const int delay : {3000, 6000, 10000}) {
        SCOPED_TRACE(delay);
        EngineRig rig;
        const Bytes file = patternBytes(12000);
        SimulatedStb stb(rig.link,
                         application(rig, file, {"--sender", "standard", "--sender-delay", std::to_string(delay)}));
        stb.command("upload");
        rig.loop.advance(200);  // the pause after the command
        rig.engine.setState(EngineState::UploadArm);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 40000));
        rig.loop.advance(5);
        EXPECT_TRUE(rig.engine.uploadOutcome().completed);
        const auto got = rig.buffer->contents();
        EXPECT_EQ(Bytes(got.begin(), got.end()), file);
        EXPECT_TRUE(stb.logged("upload done"));
        const auto started = std::find_if(stb.events().begin(), stb.events().end(),
                                          [](const std::string& e) { return e.rfind("sender started with ", 0) == 0; });
        ASSERT_NE(started, stb.events().end());
        const int waiting = std::stoi(started->substr(std::string("sender started with ").size()));
        EXPECT_GE(waiting, 3);
        EXPECT_LE(waiting, 6);  // under the ten a standard sender answers
    }
}
