#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"
#include "support/image_builder.h"
#include "support/simulated_stb.h"
#include "transfer/engine_fixture.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

Bytes asBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The file bytes as the receiver must hold them: the data, then 0x1A and
// zeros up to the end of the last block.
Bytes padded(const Bytes& file) {
    Bytes out = file;
    if (out.size() % 1024 != 0) {
        out.push_back(0x1A);
        out.resize((out.size() + 1023) / 1024 * 1024, 0);
    }
    return out;
}

// Index of the first write that equals bytes, or -1.
int findWrite(const ScriptedLink& link, const Bytes& bytes, std::size_t from = 0) {
    for (std::size_t i = from; i < link.writes.size(); ++i)
        if (link.writes[i] == bytes) return static_cast<int>(i);
    return -1;
}

Bytes endOfBatch() {
    const auto b = buildEndOfBatchBlock();
    return Bytes(b.begin(), b.end());
}

}  // namespace

TEST(Frames, BlocksAndRecords) {
    const auto header = buildHeaderBlock("curdb", 70000);
    EXPECT_EQ(header[0], 0x02);
    EXPECT_EQ(header[1], 0x00);
    EXPECT_EQ(header[2], 0xFF);
    EXPECT_EQ(std::string(header.begin() + 3, header.begin() + 14), std::string("curdb\0"
                                                                                "70000",
                                                                                11));
    EXPECT_TRUE(std::all_of(header.begin() + 14, header.begin() + 1027, [](auto b) { return b == 0; }));
    const std::uint16_t crc = crc16(std::span<const std::uint8_t>(header.data() + 3, 1024));
    EXPECT_EQ(header[1027], crc >> 8);
    EXPECT_EQ(header[1028], crc & 0xFF);

    const Bytes one{0x55};
    const auto block = buildDataBlock(0, one);
    EXPECT_EQ(block[1], 0x00);
    EXPECT_EQ(block[2], 0xFF);
    EXPECT_EQ(block[3], 0x55);
    EXPECT_EQ(block[4], 0x1A);
    EXPECT_TRUE(std::all_of(block.begin() + 5, block.begin() + 1027, [](auto b) { return b == 0; }));

    const auto eob = buildEndOfBatchBlock();
    EXPECT_EQ(eob[0], 0x01);
    EXPECT_EQ(eob[2], 0xFF);
    EXPECT_TRUE(std::all_of(eob.begin() + 3, eob.end(), [](auto b) { return b == 0; }));

    const auto info = parseInfoRecord(infoRecord(32, 0x01020300, 0x04050600, 0xAABBCCDD));
    EXPECT_EQ(info.recordLength, 32u);
    EXPECT_EQ(info.bootVersion, 0x01020300u);
    EXPECT_EQ(info.appVersion, 0x04050600u);
    EXPECT_EQ(info.buyerCode, 0xAABBCCDDu);

    // sb's header: a name and one string with length, date and mode.
    Bytes sb =
        asBytes(std::string("stbdata.irz\0"
                            "131071 14557316011 100644 0 1 131071\0",
                            49));
    sb.resize(128, 0);
    const auto pairs = parseHeaderPairs(sb);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(leadingDecimal(pairs[0].second), 131071);
    Bytes two =
        asBytes(std::string("a\0"
                            "10\0"
                            "b\0"
                            "20\0",
                            10));
    two.resize(128, 0);
    EXPECT_EQ(parseHeaderPairs(two).size(), 2u);
    EXPECT_EQ(leadingDecimal("x12"), 0);
}

TEST_F(EngineTest, HeaderBlockNameFollowsImageType) {
    struct Case {
        std::string file;
        Bytes bytes;
        ImageType type;
        std::string name;
    };
    XprFields app;
    XprFields fac;
    fac.kind = "FAC";
    Bytes irz = asBytes("IRZ");
    irz.resize(3000, 7);
    Bytes cmd = asBytes("CMD0");
    cmd.resize(700, 1);
    const Case cases[] = {
        {"plain.bin", patternBytes(5000), ImageType::Undefined, "plain.bin"},
        {"main.img", xprImage(app, patternBytes(3000)), ImageType::Application, "main.img"},
        {"boot.bin", cnxtImage(0x20060203, 0x01000000, "AB", patternBytes(100)), ImageType::Boot, "boot.bin"},
        {"chan.irz", irz, ImageType::IrzData, "curdb"},
        {"fac.img", yfwImage(xprImage(fac, patternBytes(900))), ImageType::Factory, "appsfac"},
        {"cmd.bin", cmd, ImageType::Upload, "upload"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        openImage(c.file, c.bytes);
        ASSERT_EQ(image.type(), c.type);
        engine.reset();
        link.writes.clear();
        engine.setState(EngineState::WaitStart);
        link.send(ctl::C);
        loop.advance(5);
        ASSERT_EQ(engine.state(), EngineState::WaitHeaderAnswer);
        const auto expected = buildHeaderBlock(c.name, c.bytes.size());
        EXPECT_EQ(findWrite(link, Bytes(expected.begin(), expected.end())), 0);
    }
}

TEST_F(EngineTest, TwoCInOneStepSendTheHeaderTwice) {
    openImage("a.bin", patternBytes(2000));
    engine.setState(EngineState::WaitStart);
    link.send(Bytes{ctl::C, 'x', ctl::C});
    loop.advance(5);
    EXPECT_EQ(link.writes.size(), 2u);
    EXPECT_EQ(listener.count(EngineState::WaitStart, EngineEvent::Started), 2);
}

TEST_F(EngineTest, HeaderGoesAgainOnlyWhenTheReceiverAsksLongAfterIt) {
    openImage("a.bin", patternBytes(2000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    link.send(ctl::C, 10);  // crossed the header block on the line
    loop.advance(100);
    EXPECT_EQ(link.writes.size(), 1u);
    link.send(ctl::C, 3000);  // the receiver lost it and asks again
    loop.advance(3100);
    ASSERT_EQ(link.writes.size(), 2u);
    EXPECT_EQ(link.writes[0], link.writes[1]);
    EXPECT_EQ(engine.state(), EngineState::WaitHeaderAnswer);
}

TEST_F(EngineTest, FilesOfEverySizeReachAnAckReceiverByteForByte) {
    for (const std::size_t size : {1024u, 1025u, 1500u, 2048u, 3000u}) {
        SCOPED_TRACE(size);
        EngineRig rig;
        const Bytes file = patternBytes(size, static_cast<std::uint32_t>(size));
        ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", file)).ok());
        SimulatedStb stb(rig.link, ackBootLoader());
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::WaitWritingEnd, EngineEvent::WritingEnded); }, 10000));

        const std::size_t blocks = (size + 1023) / 1024;
        EXPECT_EQ(stb.seen().headerName, "fw.bin");
        EXPECT_EQ(stb.seen().headerLength, std::to_string(size));
        EXPECT_EQ(stb.data(), padded(file));
        EXPECT_FALSE(stb.seen().badCrc);
        EXPECT_EQ(stb.seen().sequences.size(), blocks);
        EXPECT_EQ(rig.listener.count(EngineState::SendingData, EngineEvent::BlockAcked), static_cast<int>(blocks));
        EXPECT_EQ(rig.engine.dialect(), ReceiverDialect::AckBootLoader);
        // The batch closes with EOT, EOT (after the NAK) and the end-of-batch block.
        const auto& w = rig.link.writes;
        ASSERT_GE(w.size(), 3u);
        EXPECT_EQ(w[w.size() - 3], Bytes{ctl::EOT});
        EXPECT_EQ(w[w.size() - 2], Bytes{ctl::EOT});
        EXPECT_EQ(w.back(), endOfBatch());
        using S = EngineState;
        using E = EngineEvent;
        const std::vector<std::pair<S, E>> order{{S::WaitStart, E::Started},
                                                 {S::WaitHeaderAnswer, E::ReceiverIdentified},
                                                 {S::WaitHeaderAnswer, E::DataStarted},
                                                 {S::EndingFile, E::BatchEnded},
                                                 {S::WaitWriting, E::WritingStarted},
                                                 {S::WaitWritingEnd, E::WritingEnded}};
        std::vector<std::pair<S, E>> seen;
        for (const auto& k : rig.listener.kinds())
            if (k.first != S::SendingData) seen.push_back(k);
        EXPECT_EQ(seen, order);
        const auto answers = rig.listener.details<ReceiverAnswer>();
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].dialect, ReceiverDialect::AckBootLoader);
        EXPECT_FALSE(answers[0].record);
    }
}

TEST_F(EngineTest, SequenceWrapsAtTheTwoHundredFiftySixthBlock) {
    const Bytes file = patternBytes(256 * 1024 + 10);
    openImage("big.bin", file);
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded));
    const auto& sequences = stb.seen().sequences;
    ASSERT_EQ(sequences.size(), 257u);
    EXPECT_EQ(sequences[254], 255);
    EXPECT_EQ(sequences[255], 0);
    EXPECT_EQ(sequences[256], 1);
    EXPECT_FALSE(stb.seen().badCrc);  // the complement byte of sequence 0 is 0xFF
    EXPECT_EQ(stb.data(), padded(file));
}

TEST_F(EngineTest, NakedBlockGoesAgainUnchanged) {
    const Bytes file = patternBytes(3500);
    openImage("fw.bin", file);
    SimulatedStb stb(link, ackBootLoader({"--nak-blocks", "2"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded));
    EXPECT_EQ(stb.seen().sequences, (Bytes{1, 2, 2, 3, 4}));
    EXPECT_EQ(stb.data(), padded(file));
    EXPECT_EQ(link.writes[2], link.writes[3]);  // header, block 1, block 2, block 2
}

TEST_F(EngineTest, RefusedShortLastBlockGoesAgainUntilAcknowledgedThenEot) {
    for (const int refusals : {1, 3}) {
        for (const bool ackFirstEot : {false, true}) {
            SCOPED_TRACE(std::to_string(refusals) + (ackFirstEot ? " ack-first-eot" : ""));
            EngineRig rig;
            const Bytes file = patternBytes(1500);
            ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", file)).ok());
            SimulatedStb stb(rig.link, ackBootLoader({"--nak-blocks", "2", "--nak-times", std::to_string(refusals),
                                                      "--first-eot", ackFirstEot ? "ack" : "refuse"}));
            rig.engine.setState(EngineState::WaitStart);
            stb.command("on");
            ASSERT_TRUE(rig.loop.runUntil(
                [&] { return rig.listener.has(EngineState::EndingFile, EngineEvent::BatchEnded); }, 10000));
            const auto& w = rig.link.writes;
            // header, block 1, block 2 as often as it was refused and once
            // more, then the EOT: never an EOT while the block is unanswered.
            const std::size_t eotAt = 3 + static_cast<std::size_t>(refusals);
            ASSERT_GT(w.size(), eotAt);
            for (std::size_t i = 3; i < eotAt; ++i) EXPECT_EQ(w[i], w[2]);
            EXPECT_EQ(w[eotAt], Bytes{ctl::EOT});
            EXPECT_EQ(stb.seen().eots, ackFirstEot ? 1 : 2);
            EXPECT_EQ(stb.seen().batchBlocks, 1);
            EXPECT_EQ(w.back(), endOfBatch());
            EXPECT_EQ(stb.data(), padded(file));
            EXPECT_EQ(rig.listener.count(EngineState::SendingData, EngineEvent::BlockAcked), 2);
        }
    }
}

TEST_F(EngineTest, ReceiverThatAcknowledgesTheFirstEot) {
    const Bytes file = patternBytes(2048);
    openImage("fw.bin", file);
    SimulatedStb stb(link, ackBootLoader({"--first-eot", "ack"}));  // ACK at once, 'C' a second later
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded));
    EXPECT_EQ(stb.seen().eots, 1);
    EXPECT_EQ(stb.seen().batchBlocks, 1);
    EXPECT_EQ(link.writes.back(), endOfBatch());
    EXPECT_EQ(stb.data(), file);
}

TEST_F(EngineTest, StopRequestAnswersEveryAckWithDc1) {
    const Bytes file = patternBytes(5000);
    openImage("fw.bin", file);
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().sequences.size() == 2; }, 1000));
    engine.requestStop();
    loop.advance(20);
    EXPECT_GE(stb.seen().dc1s, 5);
    EXPECT_EQ(stb.seen().sequences.size(), 2u);  // no data block while the question is open
    engine.cancelStopRequest();
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded));
    EXPECT_EQ(stb.data(), padded(file));
    EXPECT_EQ(stb.seen().sequences, (Bytes{1, 2, 3, 4, 5}));
}

TEST_F(EngineTest, StopAnsweredNoGoesOnAtOnceWhenTheReceiverIgnoresDc1) {
    // A standard receiver says nothing to a DC1: after No the next block
    // (here the EOT after the last one) goes within the short wait, long
    // before the receiver's own 10 s time-out.
    for (const std::size_t stopAfter : {std::size_t{2}, std::size_t{5}}) {
        SCOPED_TRACE(stopAfter);
        EngineRig rig;
        const Bytes file = patternBytes(5000);
        ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", file)).ok());
        SimulatedStb stb(rig.link, ackBootLoader({"--dc1", "none"}));
        const ProgramWrites& seen = stb.seen();
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        ASSERT_TRUE(rig.loop.runUntil([&] { return seen.sequences.size() == stopAfter; }, 1000));
        rig.engine.requestStop();
        rig.loop.advance(3000);
        EXPECT_EQ(seen.dc1s, 1);
        EXPECT_EQ(seen.sequences.size(), stopAfter);
        EXPECT_EQ(seen.eots, 0);
        rig.engine.cancelStopRequest();
        rig.loop.advance(rig.engine.timeouts().dc1Answer + 10);
        EXPECT_TRUE(seen.sequences.size() > stopAfter || seen.eots > 0);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::EndingFile, EngineEvent::BatchEnded); }, 2000));
        EXPECT_EQ(stb.data(), padded(file));
        EXPECT_EQ(seen.sequences, (Bytes{1, 2, 3, 4, 5}));
    }
}

TEST_F(EngineTest, StopAnsweredNoWaitsForTheAckOfAnAnsweredDc1) {
    // A receiver that answers DC1 with ACK (after 500 ms here) must not get
    // a block early: its ACK would then be taken for that block's.
    const Bytes file = patternBytes(5000);
    openImage("fw.bin", file);
    SimulatedStb stb(link, ackBootLoader({"--dc1", "none"}));
    const ProgramWrites& seen = stb.seen();
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return seen.sequences.size() == 2; }, 1000));
    engine.requestStop();
    loop.advance(100);
    ASSERT_EQ(seen.dc1s, 1);
    engine.cancelStopRequest();
    loop.advance(100);
    EXPECT_EQ(seen.sequences.size(), 2u);
    link.send(ctl::ACK, 300);  // the DC1's answer
    loop.advance(299);
    EXPECT_EQ(seen.sequences.size(), 2u);
    loop.advance(engine.timeouts().dc1Answer);
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded, 2000));
    EXPECT_EQ(seen.sequences, (Bytes{1, 2, 3, 4, 5}));
    EXPECT_EQ(stb.data(), padded(file));
}

TEST_F(EngineTest, FileThatShrinksOrEndsEarlyFailsWithCan) {
    // Cut after the header announced the full length: at a block boundary,
    // inside a block, and to nothing. (What the file layer had read ahead
    // may still go out; never more than was there.)
    for (const std::size_t cutTo : {std::size_t{10240}, std::size_t{10500}, std::size_t{0}}) {
        SCOPED_TRACE(cutTo);
        EngineRig rig;
        const Bytes file = patternBytes(30000);
        const auto path = rig.dir.write("fw.bin", file);
        ASSERT_TRUE(rig.image.open(path).ok());
        SimulatedStb stb(rig.link, ackBootLoader());
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        ASSERT_TRUE(rig.loop.runUntil([&] { return stb.seen().headerBlocks == 1; }, 1000));
        std::filesystem::resize_file(path, cutTo);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] {
                return rig.listener.has(EngineState::SendingData, EngineEvent::SourceFailed) ||
                       rig.listener.has(EngineState::WaitHeaderAnswer, EngineEvent::SourceFailed);
            },
            5000));
        EXPECT_EQ(stb.seen().eots, 0);
        EXPECT_FALSE(rig.listener.has(EngineState::EndingFile, EngineEvent::BatchEnded));
        EXPECT_EQ(rig.link.written.back(), ctl::CAN);
        EXPECT_EQ(rig.link.written[rig.link.written.size() - 2], ctl::CAN);
        EXPECT_EQ(rig.engine.state(), EngineState::Idle);
        EXPECT_LT(stb.data().size(), file.size());
        EXPECT_TRUE(std::equal(stb.data().begin(), stb.data().end(), file.begin()));
    }
}

TEST_F(EngineTest, FileThatGrowsIsSentAsAnnounced) {
    const Bytes file = patternBytes(3000);
    const auto path = dir.write("fw.bin", file);
    ASSERT_TRUE(image.open(path).ok());
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().headerBlocks == 1; }, 1000));
    std::filesystem::resize_file(path, 9000);
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded));
    EXPECT_EQ(stb.data(), padded(file));
}

TEST_F(EngineTest, BuyerMismatchRefusesTheImageAndGoesIdle) {
    XprFields fields;
    fields.buyer = "XY";
    openImage("app.img", xprImage(fields, patternBytes(4000)));
    ASSERT_EQ(image.type(), ImageType::Application);
    SimulatedStb stb(link,
                     enqBootLoader({"--boot-version", "0x01000000", "--app-version", "0x02000000", "--buyer", "ABCD"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::WaitHeaderAnswer, EngineEvent::BuyerRefused, 1000));
    EXPECT_EQ(engine.state(), EngineState::Idle);
    ASSERT_EQ(link.writes.size(), 3u);
    EXPECT_EQ(link.writes[1], Bytes{ctl::NAK});
    EXPECT_EQ(link.writes[2], Bytes{0x66});
    // The versions were still reported.
    ASSERT_EQ(listener.details<ReceiverAnswer>().size(), 1u);
    EXPECT_TRUE(listener.details<ReceiverAnswer>()[0].record);
    // Idle: the next 'C' is discarded and the link test runs again.
    stb.command("on");
    loop.advance(600);
    EXPECT_EQ(stb.seen().headerBlocks, 1);
    EXPECT_EQ(link.writes.back(), Bytes{ctl::BEL});
}

TEST_F(EngineTest, BuyerCheckIsSkippedWhenForcedOrForOtherTypes) {
    XprFields fields;
    fields.buyer = "XY";
    const Bytes app = xprImage(fields, patternBytes(1500));
    for (const bool forced : {false, true}) {
        SCOPED_TRACE(forced);
        EngineRig rig;
        // Not forced: a record buyer code of 0 accepts any image; a record of
        // another length still goes through the check but reports nothing.
        ASSERT_TRUE(rig.image.open(rig.dir.write("app.img", app)).ok());
        SimulatedStb stb(rig.link, enqBootLoader({"--boot-version", "1", "--app-version", "2", "--record-length",
                                                  forced ? "32" : "40", "--buyer", forced ? "ABCD" : ""}));
        rig.engine.setForcedDownload(forced);
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::WaitWritingEnd, EngineEvent::WritingEnded); }, 10000));
        EXPECT_EQ(rig.link.writes[1], Bytes{ctl::ACK});
        const auto answers = rig.listener.details<ReceiverAnswer>();
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].dialect, ReceiverDialect::InfoRecord);
        EXPECT_EQ(answers[0].record.has_value(), forced);
        EXPECT_EQ(answers[0].recordBytes.size(), 128u);
        EXPECT_EQ(stb.data(), padded(app));
    }
}

TEST_F(EngineTest, EnqReceiverIsFollowedThroughItsWritingEvenWithSplitPairs) {
    for (const bool split : {false, true}) {
        SCOPED_TRACE(split);
        EngineRig rig;
        const Bytes file = patternBytes(2000);
        ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", file)).ok());
        SimulatedStb stb(
            rig.link, enqBootLoader(split ? std::vector<std::string>{"--split-answers"} : std::vector<std::string>{}));
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::WaitWritingEnd, EngineEvent::WritingEnded); }, 10000));
        using S = EngineState;
        using E = EngineEvent;
        const std::vector<std::pair<S, E>> expected{{S::WaitStart, E::Started},
                                                    {S::WaitHeaderAnswer, E::ReceiverIdentified},
                                                    {S::WaitHeaderAnswer, E::DataStarted},
                                                    {S::SendingData, E::BlockAcked},
                                                    {S::SendingData, E::BlockAcked},
                                                    {S::EndingFile, E::BatchEnded},
                                                    {S::WaitWriting, E::WritingStarted},
                                                    {S::WritingProgress, E::WritingProgress},
                                                    {S::WritingProgress, E::WritingProgress},
                                                    {S::WaitWritingEnd, E::WritingEnded}};
        EXPECT_EQ(rig.listener.kinds(), expected);
        EXPECT_EQ(rig.listener.writingReports(), (std::vector<int>{40, 100}));
        const auto blocks = rig.listener.details<AckedBlock>();
        ASSERT_EQ(blocks.size(), 2u);
        EXPECT_EQ(blocks[0].block, 1);
        EXPECT_EQ(blocks[1].block, 2);
        EXPECT_EQ(blocks[1].bytes, 1024);  // the short last block counts whole
        const auto answers = rig.listener.details<ReceiverAnswer>();
        ASSERT_EQ(answers.size(), 1u);
        ASSERT_TRUE(answers[0].record);
        EXPECT_EQ(answers[0].record->bootVersion, 0x01020300u);
        EXPECT_EQ(answers[0].record->appVersion, 0x02030400u);
        EXPECT_EQ(rig.engine.dialect(), ReceiverDialect::InfoRecord);
        EXPECT_EQ(stb.data(), padded(file));
        EXPECT_EQ(rig.link.writes[1], Bytes{ctl::ACK});
        EXPECT_EQ(stb.seen().eots, 2);
    }
}

TEST_F(EngineTest, AckAndCSplitAcrossBurstsStillStartTheData) {
    const Bytes file = patternBytes(1100);
    openImage("fw.bin", file);
    SimulatedStb stb(link, ackBootLoader({"--split-answers"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::WaitWritingEnd, EngineEvent::WritingEnded, 10000));
    EXPECT_TRUE(listener.has(EngineState::WaitHeaderAnswer, EngineEvent::DataStarted));
    EXPECT_EQ(listener.details<ReceiverAnswer>().at(0).dialect, ReceiverDialect::AckBootLoader);
    EXPECT_EQ(stb.data(), padded(file));
}

TEST_F(EngineTest, SilentReceiverEndsEveryStageWithinItsBound) {
    for (const char* point : {"header", "block:1", "eot", "second-eot"}) {
        SCOPED_TRACE(point);
        EngineRig rig;
        ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", patternBytes(3000))).ok());
        SimulatedStb stb(rig.link, enqBootLoader({"--fault", std::string("silent@") + point}));
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        const bool ended = rig.loop.runUntil([&] { return rig.listener.any(EngineEvent::ReceiverSilent); },
                                             rig.engine.timeouts().reply + 1000);
        EXPECT_TRUE(ended);
        EXPECT_EQ(rig.engine.state(), EngineState::Idle);
        EXPECT_TRUE(rig.engine.linkPollRunning());
    }
}

TEST_F(EngineTest, ReceiverSilentWhileWritingIsWaitedForTenMinutesAndLeftAlone) {
    for (const bool enq : {true, false}) {
        SCOPED_TRACE(enq);
        EngineRig rig;
        ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", patternBytes(3000))).ok());
        const std::vector<std::string> silent{"--fault", "silent@write-start"};
        SimulatedStb stb(rig.link, enq ? enqBootLoader(silent) : ackBootLoader(silent));
        rig.engine.setState(EngineState::WaitStart);
        stb.command("on");
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::EndingFile, EngineEvent::BatchEnded); }, 5000));
        EXPECT_GE(rig.engine.timeouts().writing, 600000);
        rig.loop.advance(rig.engine.timeouts().writing - 100);
        EXPECT_EQ(rig.engine.state(), EngineState::WaitWriting);
        ASSERT_TRUE(rig.loop.runUntil(
            [&] { return rig.listener.has(EngineState::WaitWriting, EngineEvent::WritingSilent); }, 200));
        EXPECT_FALSE(rig.listener.has(EngineState::WaitWriting, EngineEvent::ReceiverSilent));
        EXPECT_EQ(rig.engine.state(), EngineState::Idle);
        // No link test goes to a boot loader that may still write.
        EXPECT_FALSE(rig.engine.linkPollRunning());
        const std::size_t written = rig.link.written.size();
        rig.loop.advance(5000);
        EXPECT_EQ(rig.link.written.size(), written);
    }
}

TEST_F(EngineTest, WritingReportsPauseLongerThanAMinuteAndFfWithoutProgressEndsWriting) {
    openImage("fw.bin", patternBytes(2048));
    SimulatedStb stb(link, enqBootLoader({"--fault", "silent@write-start"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded, 5000));
    link.send(Bytes{ctl::VT, ctl::RS, 30}, 10);
    loop.advance(5 * 60000);  // five minutes of erasing without a word
    link.send(Bytes{ctl::RS, 70});
    loop.advance(4 * 60000);
    EXPECT_EQ(engine.state(), EngineState::WritingProgress);
    link.send(Bytes{ctl::FF});  // done, without the last report
    ASSERT_TRUE(runUntilEvent(EngineState::WaitWritingEnd, EngineEvent::WritingEnded, 100));
    EXPECT_TRUE(listener.wroteProgress(70));
    EXPECT_FALSE(listener.has(EngineState::WritingProgress, EngineEvent::WritingSilent));
}

TEST_F(EngineTest, InfoRecordCutShortIsARestartAtItsBound) {
    openImage("fw.bin", patternBytes(3000));
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    Bytes part{ctl::ENQ};
    part.resize(60, 0);
    link.send(part);
    ASSERT_TRUE(runUntilEvent(EngineState::WaitHeaderAnswer, EngineEvent::ReceiverRestarted,
                              engine.timeouts().infoRecord + 10));
    EXPECT_EQ(engine.state(), EngineState::Idle);
    EXPECT_EQ(link.writes.size(), 1u);  // the header block, nothing else
}

TEST_F(EngineTest, LostAckOfTheEndOfBatchStillEndsTheBatch) {
    openImage("fw.bin", patternBytes(1024));
    SimulatedStb stb(link, ackBootLoader({"--fault", "silent@batch"}));
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded, 10000));
    EXPECT_EQ(engine.state(), EngineState::WaitWriting);
}

// A receiver that answered the header block with ACK and 'C' asks with 'C'
// for an end-of-batch block it found bad, once, and waits for it: the block
// goes again after batchAskAgain. A boot loader that restarted there asks
// again a second later: that ends the download with the restart, and the
// block never goes to it as a new file's header block.
TEST(EndOfBatch, AskedForAgainOnceGoesAgainAskedTwiceIsARestart) {
    for (const bool restarted : {false, true}) {
        SCOPED_TRACE(restarted ? "asked twice" : "asked once");
        EngineRig rig;
        rig.openImage("fw.bin", patternBytes(1000));
        rig.engine.setState(EngineState::WaitStart);
        rig.link.send(ctl::C);
        rig.loop.advance(5);
        rig.link.send(Bytes{ctl::ACK, ctl::C});
        rig.loop.advance(5);
        rig.link.send(ctl::ACK);  // block 1; the EOT goes
        rig.loop.advance(5);
        rig.link.send(ctl::NAK);  // the EOT again
        rig.loop.advance(5);
        rig.link.send(Bytes{ctl::ACK, ctl::C});
        rig.loop.advance(5);
        ASSERT_EQ(rig.link.writes.back(), endOfBatch());
        const std::size_t writes = rig.link.writes.size();
        rig.link.send(ctl::C, 200);
        rig.loop.advance(210);
        EXPECT_EQ(rig.link.writes.size(), writes);  // held
        if (restarted) {
            rig.link.send(ctl::C, 1000);
            ASSERT_TRUE(rig.runUntilEvent(EngineState::EndingFile, EngineEvent::ReceiverRestarted, 1010));
            EXPECT_EQ(rig.link.writes.size(), writes);
            rig.loop.advance(10000);  // (the link test goes on while idle)
            EXPECT_EQ(std::count(rig.link.writes.begin(), rig.link.writes.end(), endOfBatch()), 1);
            EXPECT_EQ(rig.engine.state(), EngineState::Idle);
            EXPECT_FALSE(rig.listener.has(EngineState::EndingFile, EngineEvent::BatchEnded));
            continue;
        }
        rig.loop.advance(rig.engine.timeouts().batchAskAgain - 11);
        EXPECT_EQ(rig.link.writes.size(), writes);
        rig.loop.advance(2);
        ASSERT_EQ(rig.link.writes.size(), writes + 1);
        EXPECT_EQ(rig.link.writes.back(), endOfBatch());
        rig.link.send(ctl::ACK);
        ASSERT_TRUE(rig.runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded, 10));
        EXPECT_FALSE(rig.listener.has(EngineState::EndingFile, EngineEvent::ReceiverRestarted));
        EXPECT_EQ(rig.engine.expiredWaits(), 0);  // the pause before the block ran out no wait
    }
}

TEST_F(EngineTest, PortFailureEndsTheTransfer) {
    openImage("fw.bin", patternBytes(50000));
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().sequences.size() == 5; }, 1000));
    link.fail();
    loop.advance(1);
    EXPECT_TRUE(listener.has(EngineState::SendingData, EngineEvent::PortFailed));
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(EngineTest, IncompleteFrameWritesAreReported) {
    openImage("fw.bin", patternBytes(3000));
    link.shortWriteOf = kBlockFrameSize;
    SimulatedStb stb(link, ackBootLoader());
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    loop.advance(10);
    EXPECT_TRUE(listener.has(EngineState::WaitStart, EngineEvent::WriteFailed));
    EXPECT_TRUE(listener.has(EngineState::DataWriteFailed, EngineEvent::WriteFailed));
}

TEST_F(EngineTest, LinkTestWhileIdle) {
    SimulatedStb stb(link, ackBootLoader());  // switched off
    engine.startLinkPoll();
    loop.advance(800);
    EXPECT_EQ(link.writes, std::vector<Bytes>{Bytes{ctl::BEL}});
    ASSERT_EQ(listener.links.size(), 1u);
    EXPECT_FALSE(listener.links[0]);
    stb.command("app");
    loop.advance(500);
    EXPECT_TRUE(listener.links.back());

    // An explicit test shares a running one and answers later, not at once.
    int answers = 0;
    bool result = false;
    engine.stopLinkPoll();
    engine.pollLink([&](bool up) {
        ++answers;
        result = up;
    });
    EXPECT_EQ(answers, 0);
    loop.advance(199);
    EXPECT_EQ(answers, 0);
    loop.advance(1);
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(result);
    const auto bels = std::count(link.written.begin(), link.written.end(), ctl::BEL);
    loop.advance(2000);
    EXPECT_EQ(std::count(link.written.begin(), link.written.end(), ctl::BEL), bels);  // stopped
}

TEST_F(EngineTest, UploadCommandGoesByteByByte) {
    bool done = false;
    engine.sendUploadCommand([&] { done = true; });
    const std::string text = "\r\nloadb up curdb y\r\n";
    EXPECT_EQ(link.written, asBytes(text));
    EXPECT_EQ(link.writes.size(), text.size());
    loop.advance(199);
    EXPECT_FALSE(done);
    loop.advance(1);
    EXPECT_TRUE(done);
}

TEST_F(EngineTest, ReceiverAskingWithCForABadFirstBlockGetsItAgain) {
    const Bytes file = patternBytes(3000);
    openImage("fw.bin", file);
    engine.setState(EngineState::WaitStart);
    link.send(ctl::C);
    loop.advance(5);
    link.send(Bytes{ctl::ACK, ctl::C});
    loop.advance(5);
    ASSERT_EQ(link.writes.size(), 2u);  // header block, block 1
    // A 'C' that crossed block 1 on the line: nothing goes again.
    link.send(ctl::C, 20);
    loop.advance(30);
    EXPECT_EQ(link.writes.size(), 2u);
    // A standard receiver that found block 1 bad asks with 'C' once more.
    link.send(ctl::C, engine.timeouts().firstBlockRepeatAfter);
    loop.advance(engine.timeouts().firstBlockRepeatAfter + 10);
    ASSERT_EQ(link.writes.size(), 3u);
    EXPECT_EQ(link.writes[2], link.writes[1]);
    // Once a block is acknowledged a 'C' is the boot loader asking for a
    // new file: it restarted, and nothing more goes to it.
    link.send(ctl::ACK);
    loop.advance(500);
    const std::size_t writes = link.writes.size();
    link.send(ctl::C, 300);
    ASSERT_TRUE(runUntilEvent(EngineState::SendingData, EngineEvent::ReceiverRestarted, 400));
    EXPECT_EQ(link.writes.size(), writes);
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(EngineTest, LongStopQuestionWithAReceiverThatRefusesDc1DoesNotEndTheDownload) {
    const Bytes file = patternBytes(5000);
    openImage("fw.bin", file);
    SimulatedStb stb(link, ackBootLoader({"--dc1", "nak", "--dc1-delay", "1000"}));
    const ProgramWrites& seen = stb.seen();
    engine.setState(EngineState::WaitStart);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return seen.sequences.size() == 2; }, 1000));
    engine.requestStop();
    loop.advance(30000);  // half a minute of DC1, NAK, block 2 again, ACK
    EXPECT_GE(seen.dc1s, engine.timeouts().maxRepeats + 2);
    EXPECT_GE(seen.duplicates, seen.dc1s - 1);  // the last NAK may still be on its way
    EXPECT_EQ(engine.state(), EngineState::SendingData);
    engine.cancelStopRequest();
    ASSERT_TRUE(runUntilEvent(EngineState::EndingFile, EngineEvent::BatchEnded, 5000));
    EXPECT_EQ(stb.data(), padded(file));
}
