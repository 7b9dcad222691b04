#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <tuple>

#include "core/serial/tracing_link.h"
#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"
#include "core/transfer/line_trace.h"
#include "core/transfer/transfer_monitor.h"
#include "support/scripted_link.h"
#include "support/virtual_event_loop.h"

using namespace dorvane;
using dorvane::test::ScriptedLink;
using dorvane::test::VirtualEventLoop;
using ::testing::HasSubstr;

namespace {

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> list) {
    std::vector<std::uint8_t> v;
    for (int b : list) v.push_back(static_cast<std::uint8_t>(b));
    return v;
}

std::vector<std::uint8_t> dataBlock(std::uint8_t seq, std::uint8_t fill) {
    std::vector<std::uint8_t> data(kBlockData, fill);
    const BlockFrame f = buildDataBlock(seq, data);
    return {f.begin(), f.end()};
}

// The bytes a trace line carries: the hex between the direction and ';'.
std::vector<std::uint8_t> hexOf(const std::string& line) {
    std::istringstream in(line);
    std::string ms, dir, word;
    in >> ms >> dir;
    std::vector<std::uint8_t> out;
    while (in >> word && word != ";") out.push_back(static_cast<std::uint8_t>(std::stoi(word, nullptr, 16)));
    return out;
}

struct Recorded : LineObserver {
    std::vector<std::uint8_t> out, in;
    int bursts = 0;
    void onLineBytes(LineDirection d, std::span<const std::uint8_t> b, Millis) override {
        auto& v = d == LineDirection::ToReceiver ? out : in;
        v.insert(v.end(), b.begin(), b.end());
        ++bursts;
    }
};

}  // namespace

TEST(TracingLink, ShowsEveryByteBothWaysAndHandsTheSameBytesOn) {
    VirtualEventLoop loop;
    ScriptedLink inner(loop);
    TracingLink link(inner, loop);
    Recorded seen;
    link.addObserver(&seen);
    int dataCalls = 0, failures = 0;
    link.setDataHandler([&] { ++dataCalls; });
    link.setFailureHandler([&] { ++failures; });

    EXPECT_EQ(link.write(bytesOf({0x07})), 1u);
    EXPECT_EQ(link.write(bytesOf({0x01, 0x02, 0x03})), 3u);
    inner.send(bytesOf({0x06, 0x43}));
    loop.advance(5);
    EXPECT_EQ(dataCalls, 1);
    EXPECT_EQ(seen.out, bytesOf({0x07, 0x01, 0x02, 0x03}));
    EXPECT_EQ(inner.written, seen.out);
    EXPECT_EQ(seen.in, bytesOf({0x06, 0x43}));
    std::uint8_t b = 0;
    ASSERT_TRUE(link.receiveQueue().pop(b));
    EXPECT_EQ(b, 0x06);
    ASSERT_TRUE(link.receiveQueue().pop(b));
    EXPECT_EQ(b, 0x43);
    EXPECT_TRUE(inner.receiveQueue().empty());
    EXPECT_EQ(link.bytesToReceiver(), 4u);
    EXPECT_EQ(link.bytesFromReceiver(), 2u);

    // A short write shows only what went out; a failure is passed on.
    inner.shortWriteOf = 5;
    link.write(std::vector<std::uint8_t>(5, 0x55));
    EXPECT_LT(seen.out.size(), 9u);
    inner.fail();
    EXPECT_EQ(failures, 1);
}

TEST(TracingLink, AFullQueueKeepsTheRestForLater) {
    VirtualEventLoop loop;
    ScriptedLink inner(loop);
    TracingLink link(inner, loop);
    link.setDataHandler([] {});
    std::vector<std::uint8_t> big(ReceiveQueue::kCapacity, 0x11);
    big.push_back(0x22);
    big.push_back(0x33);
    // More than the queue holds arrives in two bursts into the inner link.
    inner.send(std::vector<std::uint8_t>(big.begin(), big.begin() + 3000));
    inner.send(std::vector<std::uint8_t>(big.begin() + 3000, big.end()), 2);
    loop.advance(5);
    EXPECT_EQ(link.receiveQueue().count(), ReceiveQueue::kCapacity);
    std::uint8_t b = 0;
    while (link.receiveQueue().pop(b)) {
    }
    inner.send(bytesOf({0x44}));
    loop.advance(5);
    std::vector<std::uint8_t> rest;
    while (link.receiveQueue().pop(b)) rest.push_back(b);
    EXPECT_EQ(rest, bytesOf({0x22, 0x33, 0x44}));
}

TEST(TraceFormatter, NamesControlBytesAndSummarisesBlocks) {
    TraceFormatter f;
    const auto header = buildHeaderBlock("app.img", 5120);
    std::string line = f.line({12, LineDirection::ToReceiver, {header.begin(), header.end()}}, 0);
    EXPECT_THAT(line, HasSubstr("      12 > 02 00 ff 61 70 70"));
    EXPECT_THAT(line, HasSubstr("; STX block 0 (header \"app.img\", 5120 bytes), CRC ok"));
    EXPECT_EQ(hexOf(line), std::vector<std::uint8_t>(header.begin(), header.end()));

    EXPECT_THAT(f.line({20, LineDirection::FromReceiver, bytesOf({0x06, 0x43})}, 0), HasSubstr("< 06 43 ; ACK, 'C'"));
    EXPECT_THAT(f.line({21, LineDirection::FromReceiver, bytesOf({0x15, 0x18, 0x04, 0x0b, 0x0c, 0x11, 0x07})}, 0),
                HasSubstr("; NAK, CAN, EOT, VT, FF, DC1, BEL"));
    EXPECT_THAT(f.line({22, LineDirection::FromReceiver, bytesOf({0x1e, 37})}, 0), HasSubstr("; RS 37%"));

    auto bad = dataBlock(7, 0xAA);
    bad[100] ^= 1;
    EXPECT_THAT(f.line({30, LineDirection::ToReceiver, bad}, 0), HasSubstr("; STX block 7, CRC bad"));
    const auto end = buildEndOfBatchBlock();
    EXPECT_THAT(f.line({31, LineDirection::ToReceiver, {end.begin(), end.end()}}, 0),
                HasSubstr("; SOH block 0 (end of batch), CRC ok"));

    const std::string command = "\r\nloadb up curdb y\r\n";
    EXPECT_THAT(f.line({40, LineDirection::ToReceiver, {command.begin(), command.end()}}, 0),
                HasSubstr("; CR, LF, \"loadb up curdb y\", CR, LF"));
}

TEST(TraceFormatter, FollowsABlockAndARecordAcrossBursts) {
    TraceFormatter f;
    const auto block = dataBlock(3, 0x5A);
    const std::vector<std::uint8_t> a(block.begin(), block.begin() + 400), b(block.begin() + 400, block.end());
    EXPECT_THAT(f.line({1, LineDirection::FromReceiver, a}, 0), HasSubstr("; STX block 3 starts (400/1029 bytes)"));
    std::vector<std::uint8_t> rest = b;
    rest.push_back(0x04);
    EXPECT_THAT(f.line({2, LineDirection::FromReceiver, rest}, 0), HasSubstr("; end of STX block 3, CRC ok, EOT"));
    // The other direction has its own state.
    EXPECT_THAT(f.line({3, LineDirection::ToReceiver, bytesOf({0x06})}, 0), HasSubstr("; ACK"));

    std::vector<std::uint8_t> record(129, 0x01);  // ENQ and bytes that look like control bytes
    record[0] = 0x05;
    EXPECT_THAT(f.line({4, LineDirection::FromReceiver, {record.begin(), record.begin() + 60}}, 0),
                HasSubstr("; ENQ, information record starts (59/128 bytes)"));
    EXPECT_THAT(f.line({5, LineDirection::FromReceiver, {record.begin() + 60, record.end()}}, 0),
                HasSubstr("; information record ends (128 bytes)"));
}

TEST(TraceRecorder, MergesBurstsOfOneMillisecondAndKeepsWithinItsBound) {
    TraceRecorder rec(10);
    rec.restart(100);
    rec.onLineBytes(LineDirection::ToReceiver, bytesOf({1, 2}), 105);
    rec.onLineBytes(LineDirection::ToReceiver, bytesOf({3}), 105);
    rec.onLineBytes(LineDirection::FromReceiver, bytesOf({6}), 105);
    ASSERT_EQ(rec.bursts().size(), 2u);
    EXPECT_EQ(rec.bursts()[0].bytes, bytesOf({1, 2, 3}));
    EXPECT_THAT(rec.text(), HasSubstr("       5 > 01 02 03 ;"));
    EXPECT_FALSE(rec.droppedAny());

    rec.onLineBytes(LineDirection::ToReceiver, std::vector<std::uint8_t>(8, 0x30), 110);
    EXPECT_TRUE(rec.droppedAny());
    EXPECT_LE(rec.storedBytes(), 10u);
    EXPECT_THAT(rec.text(), HasSubstr("dropped"));

    rec.setRecording(false);
    rec.onLineBytes(LineDirection::ToReceiver, bytesOf({9}), 111);
    EXPECT_EQ(rec.bursts().back().at, 110);
}

TEST(TransferMonitor, CountsBlocksResendsRateAndTheWritingPhase) {
    VirtualEventLoop loop;
    int expired = 2;
    TransferMonitor m(loop, [&] { return expired; });
    m.begin(TransferMonitor::Kind::Download, 3000);  // three blocks
    EXPECT_EQ(m.figures().phase, TransferFigures::Phase::Waiting);
    EXPECT_EQ(m.figures().totalBlocks, 3);
    loop.advance(4000);  // the STB is switched on: not line time

    const auto header = buildHeaderBlock("a.img", 3000);
    m.onLineBytes(LineDirection::ToReceiver, {header.begin(), header.end()}, loop.now());
    EXPECT_EQ(m.figures().blocks, 0);
    std::vector<std::uint8_t> record(128, 0);
    record[20] = 'Z';
    record[21] = 'Z';
    std::vector<std::uint8_t> enq{0x05};
    enq.insert(enq.end(), record.begin(), record.begin() + 50);
    m.onLineBytes(LineDirection::FromReceiver, enq, loop.now());  // the header's answer: the data's time starts
    m.onLineBytes(LineDirection::FromReceiver, {record.begin() + 50, record.end()}, loop.now());
    EXPECT_TRUE(m.infoRecordComplete());
    EXPECT_EQ(m.infoRecord(), record);

    loop.advance(1000);
    m.onLineBytes(LineDirection::ToReceiver, dataBlock(1, 1), loop.now());
    EXPECT_EQ(m.figures().blocks, 0);  // not acknowledged yet
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x06}), loop.now());
    EXPECT_EQ(m.figures().blocks, 1);
    loop.advance(1000);
    m.onLineBytes(LineDirection::ToReceiver, dataBlock(2, 2), loop.now());
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x15}), loop.now());
    EXPECT_EQ(m.figures().blocks, 1);
    m.onLineBytes(LineDirection::ToReceiver, dataBlock(2, 2), loop.now());  // refused, sent again
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x06}), loop.now());
    auto damaged = dataBlock(2, 2);
    damaged[50] ^= 0xFF;
    m.onLineBytes(LineDirection::ToReceiver, damaged, loop.now());  // not a block: its CRC is wrong
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x06}), loop.now());
    ++expired;
    TransferFigures f = m.figures();
    EXPECT_EQ(f.phase, TransferFigures::Phase::Transferring);
    EXPECT_EQ(f.blocks, 2);
    EXPECT_EQ(f.bytes, 2048);
    EXPECT_EQ(f.resent, 1);
    EXPECT_EQ(f.timeouts, 1);
    EXPECT_EQ(f.lineTime, 2000);
    EXPECT_EQ(f.rate, 1024);  // 2,048 bytes in the two seconds since the header's answer
    ASSERT_TRUE(f.eta.has_value());
    EXPECT_EQ(*f.eta, (3000 - 2048) * 1000 / 1024);
    EXPECT_THAT(m.progressText(),
                HasSubstr("transferring 2/3 blocks, 2048/3000 bytes, 1024 bytes/s, ETA 0:01, 1 resent"));

    m.onLineBytes(LineDirection::ToReceiver, dataBlock(3, 3), loop.now());
    EXPECT_EQ(m.figures().blocks, 2);  // a block the STB never acknowledged (it restarted) does not count
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x06}), loop.now());
    EXPECT_EQ(m.figures().bytes, 3000);  // the padded last block counts what the file holds
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x0b, 0x1e, 40}), loop.now());
    EXPECT_EQ(m.figures().phase, TransferFigures::Phase::Writing);
    EXPECT_EQ(m.figures().writingPercent, 40);
    EXPECT_FALSE(m.figures().eta.has_value());
    m.onLineBytes(LineDirection::FromReceiver, bytesOf({0x1e, 250}), loop.now());
    EXPECT_EQ(m.figures().writingPercent, 100);  // a byte beyond 100 is not a percentage beyond it
    loop.advance(500);
    m.end();
    ++expired;  // after the end nothing counts any more
    EXPECT_EQ(m.figures().timeouts, 1);
    EXPECT_EQ(m.figures().elapsed, 6500);
    // The writing phase is not line time either.
    EXPECT_EQ(m.summary(), "3000 bytes in 2.0 s (1500 bytes/s), 3 blocks, 1 resent, 1 time-outs");
}

TEST(TransferMonitor, AnUploadLearnsItsSizeFromTheHeaderBlockAndTakesBlocksInPieces) {
    VirtualEventLoop loop;
    TransferMonitor m(loop);
    m.begin(TransferMonitor::Kind::Upload, 0);
    const auto header = buildHeaderBlock("curdb", 2500);
    m.onLineBytes(LineDirection::FromReceiver, {header.begin(), header.begin() + 700}, loop.now());
    m.onLineBytes(LineDirection::FromReceiver, {header.begin() + 700, header.end()}, loop.now());
    EXPECT_EQ(m.figures().totalBytes, 2500);
    EXPECT_EQ(m.figures().totalBlocks, 3);
    // Our own 'C' and ACKs are not blocks.
    m.onLineBytes(LineDirection::ToReceiver, bytesOf({0x06, 0x43}), loop.now());
    const auto block = dataBlock(1, 9);
    m.onLineBytes(LineDirection::FromReceiver, {block.begin(), block.begin() + 1}, loop.now());
    m.onLineBytes(LineDirection::FromReceiver, {block.begin() + 1, block.end()}, loop.now());
    m.onLineBytes(LineDirection::FromReceiver, block, loop.now());
    EXPECT_EQ(m.figures().blocks, 1);
    EXPECT_EQ(m.figures().resent, 1);

    // A block cut short on the line: we time out and ask again with NAK,
    // the STB sends the whole block again, and the count goes on in step.
    const auto second = dataBlock(2, 8);
    m.onLineBytes(LineDirection::ToReceiver, bytesOf({0x06}), loop.now());
    m.onLineBytes(LineDirection::FromReceiver, {second.begin(), second.end() - 1}, loop.now());
    m.onLineBytes(LineDirection::ToReceiver, bytesOf({0x15}), loop.now());
    m.onLineBytes(LineDirection::FromReceiver, second, loop.now());
    const auto third = dataBlock(3, 7);
    std::vector<std::uint8_t> tail{0x04};  // a block and the EOT in one burst
    m.onLineBytes(LineDirection::ToReceiver, bytesOf({0x06}), loop.now());
    std::vector<std::uint8_t> burst(third.begin(), third.end());
    burst.insert(burst.end(), tail.begin(), tail.end());
    m.onLineBytes(LineDirection::FromReceiver, burst, loop.now());
    EXPECT_EQ(m.figures().blocks, 3);
    EXPECT_EQ(m.figures().resent, 2);
    EXPECT_EQ(m.figures().bytes, 2500);

    // A block that came damaged and again whole was resent: the STB sent it
    // twice, though only one copy was a block.
    m.begin(TransferMonitor::Kind::Upload, 2048);
    auto garbled = dataBlock(1, 5);
    garbled[10] ^= 0x40;
    m.onLineBytes(LineDirection::FromReceiver, garbled, loop.now());
    m.onLineBytes(LineDirection::ToReceiver, bytesOf({0x15}), loop.now());
    m.onLineBytes(LineDirection::FromReceiver, dataBlock(1, 5), loop.now());
    m.onLineBytes(LineDirection::ToReceiver, bytesOf({0x06}), loop.now());
    m.onLineBytes(LineDirection::FromReceiver, dataBlock(2, 6), loop.now());
    EXPECT_EQ(m.figures().blocks, 2);
    EXPECT_EQ(m.figures().resent, 1);
}

namespace {

// A 128-byte block, as `sb --ymodem` sends them.
std::vector<std::uint8_t> shortBlock(std::uint8_t seq, std::uint8_t fill) {
    std::vector<std::uint8_t> f{ctl::SOH, seq, static_cast<std::uint8_t>(~seq)};
    const std::vector<std::uint8_t> data(kShortBlockData, fill);
    f.insert(f.end(), data.begin(), data.end());
    const std::uint16_t crc = crc16(data);
    f.push_back(static_cast<std::uint8_t>(crc >> 8));
    f.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return f;
}

// A transfer at the pace of a 115,200 bit/s line: every byte takes 1/11.52
// ms, in both directions, with the answers' turn-around on top.
struct PacedLine {
    VirtualEventLoop& loop;
    TransferMonitor& m;
    double t = 0;  // ms since the start, exact

    void send(LineDirection d, const std::vector<std::uint8_t>& bytes, double turnaround = 0) {
        t += turnaround + static_cast<double>(bytes.size()) / 11.52;
        loop.advance(static_cast<Millis>(std::ceil(t)) - loop.now());
        m.onLineBytes(d, bytes, loop.now());
    }
};

// The summary's three figures: bytes, seconds, bytes per second.
std::tuple<long long, double, long long> summaryFigures(const std::string& summary) {
    long long bytes = 0, rate = 0;
    double seconds = 0;
    EXPECT_EQ(std::sscanf(summary.c_str(), "%lld bytes in %lf s (%lld bytes/s)", &bytes, &seconds, &rate), 3)
        << summary;
    return {bytes, seconds, rate};
}

}  // namespace

TEST(TransferMonitor, OnAPacedLineTheRateStaysUnderTheLineAndTheSummaryAddsUp) {
    for (const bool upload : {false, true}) {
        for (const std::size_t block : {kBlockData, kShortBlockData}) {
            for (const std::int64_t size : {std::int64_t{1500}, std::int64_t{14976}, std::int64_t{150048}}) {
                SCOPED_TRACE(std::to_string(upload) + " " + std::to_string(block) + " " + std::to_string(size));
                VirtualEventLoop loop;
                TransferMonitor m(loop);
                m.begin(upload ? TransferMonitor::Kind::Upload : TransferMonitor::Kind::Download, upload ? 0 : size);
                PacedLine line{loop, m};
                const auto toSender = upload ? LineDirection::ToReceiver : LineDirection::FromReceiver;
                const auto fromSender = upload ? LineDirection::FromReceiver : LineDirection::ToReceiver;
                line.t = 3000;  // the STB takes its time to answer first
                line.send(toSender, bytesOf({0x43}));
                const auto header = buildHeaderBlock("curdb", static_cast<std::uint64_t>(size));
                line.send(fromSender, {header.begin(), header.end()}, 2);
                line.send(toSender, bytesOf({0x06, 0x43}), 1);
                const int blocks =
                    static_cast<int>((size + static_cast<std::int64_t>(block) - 1) / static_cast<std::int64_t>(block));
                std::int64_t maxRate = 0;
                for (int k = 1; k <= blocks; ++k) {
                    const auto seq = static_cast<std::uint8_t>(k);
                    line.send(fromSender, block == kBlockData ? dataBlock(seq, 1) : shortBlock(seq, 1), 1);
                    line.send(toSender, bytesOf({0x06}), 1);
                    maxRate = std::max(maxRate, m.figures().rate);
                    EXPECT_LE(m.figures().rate, 11520);
                    EXPECT_LE(m.figures().lastSecondBytes, 11520);
                }
                line.send(fromSender, bytesOf({0x04}), 1);
                EXPECT_EQ(m.figures().blocks, blocks);
                EXPECT_EQ(m.figures().totalBlocks, blocks);  // 117/117 with 128-byte blocks, never more
                EXPECT_THAT(m.progressText(),
                            HasSubstr(std::to_string(blocks) + "/" + std::to_string(blocks) + " blocks"));
                loop.advance(5000);  // the end of the batch and the rest: not data
                EXPECT_EQ(m.figures().lastSecondBytes, 0);
                m.end();
                const auto [bytes, seconds, rate] = summaryFigures(m.summary());
                EXPECT_EQ(bytes, size);
                EXPECT_LE(rate, 11520);
                // Not far below: each block's frame, its ACK and the two
                // turn-arounds are the line time it took.
                const double perBlockMs = static_cast<double>(block + 6) / 11.52 + 2;
                EXPECT_GT(static_cast<double>(rate), 0.97 * static_cast<double>(size) * 1000.0 / (blocks * perBlockMs));
                EXPECT_GT(maxRate, 0);
                // "N bytes in T s (R bytes/s)": R is N over T (T rounded to a tenth).
                EXPECT_NEAR(static_cast<double>(rate), static_cast<double>(bytes) / seconds,
                            static_cast<double>(bytes) / seconds * 0.06 / seconds + 1);
            }
        }
    }
}

// The line speed the window shows: the data of the last whole second of line
// time, never more than the line carries, near it while blocks flow, and 0
// once no data moves.
TEST(TransferMonitor, TheLastSecondOfLineTimeStaysUnderTheLineAndIsZeroOnceTheDataStops) {
    VirtualEventLoop loop;
    TransferMonitor m(loop);
    m.begin(TransferMonitor::Kind::Download, 400 * 1024);
    PacedLine line{loop, m};
    line.send(LineDirection::FromReceiver, bytesOf({0x43}));
    const auto header = buildHeaderBlock("fw.bin", 400 * 1024);
    line.send(LineDirection::ToReceiver, {header.begin(), header.end()});
    EXPECT_EQ(m.figures().lastSecondBytes, 0);
    line.send(LineDirection::FromReceiver, bytesOf({0x06, 0x43}), 1);
    std::vector<std::int64_t> shown;
    for (int k = 1; k <= 300; ++k) {
        // A block and its ACK as a 115,200 bit/s line brings them, and now
        // and then a slow one.
        line.send(LineDirection::ToReceiver, dataBlock(static_cast<std::uint8_t>(k), 1), k % 37 == 0 ? 250 : 0);
        line.send(LineDirection::FromReceiver, bytesOf({0x06}));
        shown.push_back(m.figures().lastSecondBytes);
    }
    for (const std::int64_t bytes : shown) EXPECT_LE(bytes, 11520);
    EXPECT_GT(*std::max_element(shown.begin(), shown.end()), 11000);
    EXPECT_EQ(shown.front(), 1024);  // within the first second: what came so far
    // The STB writes: no data moves.
    line.send(LineDirection::ToReceiver, bytesOf({0x04}), 1);
    line.send(LineDirection::FromReceiver, bytesOf({0x06}), 1);
    line.send(LineDirection::FromReceiver, bytesOf({0x0B}), 100);
    EXPECT_EQ(m.figures().lastSecondBytes, 0);
    loop.advance(3000);
    EXPECT_EQ(m.figures().lastSecondBytes, 0);
    m.end();
    EXPECT_EQ(m.figures().lastSecondBytes, 0);
}

TEST(TransferMonitor, AnUploadThatBringsMoreThanItAnnouncedShowsAllItBrought) {
    VirtualEventLoop loop;
    TransferMonitor m(loop);
    m.begin(TransferMonitor::Kind::Upload, 0);
    const auto header = buildHeaderBlock("curdb", 1000);
    m.onLineBytes(LineDirection::FromReceiver, {header.begin(), header.end()}, loop.now());
    for (int k = 1; k <= 3; ++k) {
        loop.advance(100);
        m.onLineBytes(LineDirection::FromReceiver, dataBlock(static_cast<std::uint8_t>(k), 1), loop.now());
        // One block: its padding is no data.
        if (k == 1) {
            EXPECT_EQ(m.figures().bytes, 1000);
        }
    }
    EXPECT_EQ(m.figures().bytes, 3 * 1024);
    EXPECT_EQ(m.figures().blocks, 3);
    EXPECT_EQ(m.figures().totalBlocks, 3);
}

TEST(TransferMonitor, BlocksPastTheSequenceWrapAreCountedAndTheirResendsToo) {
    for (const bool upload : {false, true}) {
        SCOPED_TRACE(upload);
        VirtualEventLoop loop;
        TransferMonitor m(loop);
        const int blocks = 800;
        m.begin(upload ? TransferMonitor::Kind::Upload : TransferMonitor::Kind::Download,
                static_cast<std::int64_t>(blocks) * 1024);
        const auto toSender = upload ? LineDirection::ToReceiver : LineDirection::FromReceiver;
        const auto fromSender = upload ? LineDirection::FromReceiver : LineDirection::ToReceiver;
        const auto header = buildHeaderBlock("curdb", static_cast<std::uint64_t>(blocks) * 1024);
        m.onLineBytes(fromSender, {header.begin(), header.end()}, loop.now());
        m.onLineBytes(toSender, bytesOf({0x06, 0x43}), loop.now());
        for (int k = 1; k <= blocks; ++k) {
            loop.advance(90);
            const auto frame = dataBlock(static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k));
            m.onLineBytes(fromSender, frame, loop.now());
            if (k % 256 == 0) {  // 256, 512, 768 refused once and sent again
                m.onLineBytes(toSender, bytesOf({0x15}), loop.now());
                m.onLineBytes(fromSender, frame, loop.now());
            }
            m.onLineBytes(toSender, bytesOf({0x06}), loop.now());
        }
        m.onLineBytes(fromSender, bytesOf({0x04}), loop.now());
        m.onLineBytes(toSender, bytesOf({0x15}), loop.now());
        m.onLineBytes(fromSender, bytesOf({0x04}), loop.now());
        m.onLineBytes(toSender, bytesOf({0x06, 0x43}), loop.now());
        const auto batchEnd = buildEndOfBatchBlock();
        m.onLineBytes(fromSender, {batchEnd.begin(), batchEnd.end()}, loop.now());
        const TransferFigures f = m.figures();
        EXPECT_EQ(f.blocks, blocks);
        EXPECT_EQ(f.resent, 3);
        EXPECT_EQ(f.bytes, blocks * 1024);
    }
}
