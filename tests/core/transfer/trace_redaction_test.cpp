#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/serial/tracing_link.h"
#include "core/transfer/frames.h"
#include "core/transfer/line_trace.h"
#include "support/image_builder.h"
#include "support/simulated_stb.h"
#include "transfer/engine_fixture.h"

using namespace dorvane;
using namespace dorvane::test;
using ::testing::HasSubstr;

namespace {

constexpr std::size_t kWindow = 16;

Bytes randomBytes(std::size_t size, std::mt19937& rng) {
    Bytes b(size);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    return b;
}

Bytes frameOf(std::uint8_t seq, std::uint8_t fill) {
    const Bytes data(kBlockData, fill);
    const BlockFrame f = buildDataBlock(seq, data);
    return {f.begin(), f.end()};
}

// The two CRC bytes that end a frame, in hex.
std::string crcHex(const Bytes& frame) {
    char s[8];
    std::snprintf(s, sizeof s, "%02x %02x", frame[frame.size() - 2], frame[frame.size() - 1]);
    return s;
}

// Every burst on the line of one transfer, in order.
struct LineCapture : LineObserver {
    std::vector<LineBurst> bursts;
    void onLineBytes(LineDirection d, std::span<const std::uint8_t> b, Millis at) override {
        bursts.push_back({at, d, Bytes(b.begin(), b.end())});
    }
};

// An engine on a traced link with the simulated STB at the far end.
struct TracedRig {
    TempDir dir;
    VirtualEventLoop loop;
    ScriptedLink link{loop};
    TracingLink traced{link, loop};
    CImageFile image;
    std::unique_ptr<ChannelDataBuffer> buffer = std::make_unique<ChannelDataBuffer>();
    CTransferEngine engine{loop, traced, image, *buffer};
    RecordingListener listener;
    LineCapture capture;

    TracedRig() {
        engine.attach(&listener);
        traced.addObserver(&capture);
    }
};

// The bursts of a download of file into a boot loader (with ENQ and its
// record, or ACK and 'C').
std::vector<LineBurst> downloadBursts(const Bytes& file, bool enq) {
    TracedRig rig;
    EXPECT_TRUE(rig.image.open(rig.dir.write("fw.bin", file)).ok());
    SimulatedStb stb(rig.link, enq ? enqBootLoader() : ackBootLoader());
    rig.engine.setState(EngineState::WaitStart);
    stb.command("on");
    EXPECT_TRUE(rig.loop.runUntil(
        [&] { return rig.listener.has(EngineState::WaitWritingEnd, EngineEvent::WritingEnded); }, 600000));
    EXPECT_EQ(stb.data().size() >= file.size() && std::equal(file.begin(), file.end(), stb.data().begin()), true);
    return rig.capture.bursts;
}

// The bursts of an upload of file from the STB's application.
std::vector<LineBurst> uploadBursts(const Bytes& file) {
    TracedRig rig;
    SimulatedStb stb(rig.link, {"--start", "app", "--upload-file", rig.dir.write("stb.bin", file).string()});
    stb.command("upload");
    rig.engine.setState(EngineState::UploadArm);
    EXPECT_TRUE(
        rig.loop.runUntil([&] { return rig.listener.has(EngineState::UploadEnd, EngineEvent::UploadEnded); }, 600000));
    const auto got = rig.buffer->contents();
    EXPECT_EQ(Bytes(got.begin(), got.end()), file);
    return rig.capture.bursts;
}

// The same bytes cut at random places; pieces of one direction in one
// millisecond now and then, which the recorder joins again.
TraceRecorder recut(const std::vector<LineBurst>& bursts, std::mt19937& rng) {
    TraceRecorder rec;
    rec.restart(0);
    Millis at = 0;
    for (const LineBurst& b : bursts) {
        std::size_t i = 0;
        while (i < b.bytes.size()) {
            const std::size_t n = std::min<std::size_t>(b.bytes.size() - i, 1 + rng() % 1500);
            at += static_cast<Millis>(rng() % 3 != 0);
            rec.onLineBytes(b.direction, std::span(b.bytes).subspan(i, n), at);
            i += n;
        }
    }
    return rec;
}

struct TraceLine {
    std::string prefix;        // time and direction
    std::vector<Bytes> shown;  // the runs of bytes in hex, between the counts
    std::size_t counted = 0;   // bytes left out as "[N data bytes]"
    std::string annotation;
};

std::vector<TraceLine> parse(const std::string& text) {
    std::vector<TraceLine> out;
    std::istringstream in(text);
    std::string row;
    while (std::getline(in, row)) {
        if (row.empty() || row[0] == '#') continue;
        TraceLine l;
        const auto semi = row.find(" ; ");
        l.prefix = row.substr(0, 11);
        l.annotation = semi == std::string::npos ? "" : row.substr(semi + 3);
        std::istringstream words(row.substr(11, semi - 11));
        std::string w;
        l.shown.emplace_back();
        while (words >> w) {
            if (w[0] == '[') {
                std::string rest;
                words >> rest >> rest;  // "data bytes]"
                EXPECT_EQ(rest, "bytes]");
                l.counted += std::stoul(w.substr(1));
                l.shown.emplace_back();
            } else {
                l.shown.back().push_back(static_cast<std::uint8_t>(std::stoi(w, nullptr, 16)));
            }
        }
        out.push_back(std::move(l));
    }
    return out;
}

using Windows = std::unordered_set<std::string>;

// Every 16-byte run of the file.
Windows windowsOf(const Bytes& file) {
    Windows windows;
    for (std::size_t i = 0; i + kWindow <= file.size(); ++i)
        windows.emplace(reinterpret_cast<const char*>(file.data() + i), kWindow);
    return windows;
}

// How many 16-byte runs of the file a trace shows in hex.
std::size_t runsOfFileShown(const std::vector<TraceLine>& lines, const Windows& windows) {
    std::size_t found = 0;
    for (const TraceLine& l : lines)
        for (const Bytes& run : l.shown)
            for (std::size_t i = 0; i + kWindow <= run.size(); ++i)
                found += windows.count(std::string(reinterpret_cast<const char*>(run.data() + i), kWindow));
    return found;
}

std::size_t shownBytes(const TraceLine& l) {
    std::size_t n = 0;
    for (const Bytes& run : l.shown) n += run.size();
    return n;
}

// The trace without data shows none of the file, the full one does, and
// they differ only in the hex: same lines, same annotations, same byte
// counts.
void expectRedactedOnce(const std::vector<LineBurst>& bursts, const Windows& windows, std::size_t fileSize,
                        std::mt19937& rng) {
    const TraceRecorder rec = recut(bursts, rng);
    const std::string fullText = rec.text(), redactedText = rec.text(TraceDetail::WithoutData);
    EXPECT_THAT(redactedText, HasSubstr("\"[N data bytes]\" stands for them"));
    const auto full = parse(fullText), redacted = parse(redactedText);
    ASSERT_EQ(full.size(), redacted.size());
    for (std::size_t k = 0; k < full.size(); ++k) {
        SCOPED_TRACE(redacted[k].prefix + redacted[k].annotation);
        EXPECT_EQ(full[k].prefix, redacted[k].prefix);
        EXPECT_EQ(full[k].annotation, redacted[k].annotation);
        EXPECT_EQ(full[k].counted, 0u);
        EXPECT_EQ(shownBytes(full[k]), shownBytes(redacted[k]) + redacted[k].counted);
    }
    EXPECT_GT(runsOfFileShown(full, windows), fileSize / 2);
    EXPECT_EQ(runsOfFileShown(redacted, windows), 0u);
}

// The same with the bursts cut at random several times.
void expectRedacted(const std::vector<LineBurst>& bursts, const Bytes& file, std::mt19937& rng, int cuts = 3) {
    const Windows windows = windowsOf(file);
    for (int cut = 0; cut < cuts; ++cut) {
        SCOPED_TRACE(cut);
        expectRedactedOnce(bursts, windows, file.size(), rng);
    }
}

}  // namespace

TEST(TraceWithoutData, ADownloadedFileLeavesNoRunOfItsBytesInTheTrace) {
    std::mt19937 rng(20261210);
    // Sizes around a block, and (once) past the sequence's wrap: a block 0 of data.
    const std::size_t wrapped = 256 * 1024 + 1 + rng() % 3000;
    for (const std::size_t size :
         {std::size_t{40}, std::size_t{1024}, std::size_t{2049}, std::size_t{1 + rng() % 20000}, wrapped}) {
        for (const bool enq : {false, true}) {
            if (size == wrapped && enq) continue;
            SCOPED_TRACE(std::to_string(size) + (enq ? " ENQ" : " ACK"));
            const Bytes file = randomBytes(size, rng);
            const auto bursts = downloadBursts(file, enq);
            expectRedacted(bursts, file, rng);
        }
    }
}

TEST(TraceWithoutData, AnUploadedDatabaseLeavesNoRunOfItsBytesInTheTrace) {
    std::mt19937 rng(7);
    for (const std::size_t size : {std::size_t{100}, std::size_t{3 * 1024}, std::size_t{1 + rng() % 70000}}) {
        SCOPED_TRACE(size);
        const Bytes file = randomBytes(size, rng);
        const auto bursts = uploadBursts(file);
        expectRedacted(bursts, file, rng);
    }
}

TEST(TraceWithoutData, KeepsTheFramesOutlineTheHeaderAndTheControlBytes) {
    TraceFormatter f(TraceDetail::WithoutData);
    const auto header = buildHeaderBlock("app.img", 5120);
    const std::string headerLine = f.line({1, LineDirection::ToReceiver, {header.begin(), header.end()}}, 0);
    EXPECT_THAT(headerLine, HasSubstr("> 02 00 ff 61 70 70 2e 69 6d 67 00 35 31 32 30 00 00"));
    EXPECT_THAT(headerLine, ::testing::Not(HasSubstr("data bytes")));

    const Bytes block = frameOf(5, 0xAB);
    EXPECT_EQ(f.line({2, LineDirection::ToReceiver, block}, 0),
              "       2 > 02 05 fa [1024 data bytes] " + crcHex(block) + " ; STX block 5, CRC ok\n");
    EXPECT_THAT(f.line({3, LineDirection::FromReceiver, {0x06, 0x43}}, 0), HasSubstr("< 06 43 ; ACK, 'C'"));
    const std::string command = "\r\nloadb up curdb y\r\n";
    EXPECT_THAT(f.line({4, LineDirection::ToReceiver, {command.begin(), command.end()}}, 0),
                HasSubstr("> 0d 0a 6c 6f 61 64 62"));
    Bytes record(129, 0x33);
    record[0] = ctl::ENQ;
    EXPECT_THAT(f.line({5, LineDirection::FromReceiver, record}, 0), HasSubstr("< 05 33 33 33"));
    EXPECT_THAT(f.line({6, LineDirection::FromReceiver, {0x0b, 0x1e, 40, 0x0c}}, 0),
                HasSubstr("< 0b 1e 28 0c ; VT, RS 40%, FF"));
}

TEST(TraceWithoutData, ABlockInPiecesAndABlockZeroInsideTheBatchAreData) {
    TraceFormatter f(TraceDetail::WithoutData);
    const Bytes block = frameOf(3, 0x5A);
    f.line({1, LineDirection::ToReceiver, frameOf(1, 1)}, 0);  // the batch has begun
    EXPECT_EQ(f.line({2, LineDirection::FromReceiver, Bytes(block.begin(), block.begin() + 400)}, 0),
              "       2 < 02 03 fc [397 data bytes] ; STX block 3 starts (400/1029 bytes)\n");
    Bytes rest(block.begin() + 400, block.end());
    rest.push_back(ctl::EOT);
    EXPECT_EQ(f.line({3, LineDirection::FromReceiver, rest}, 0),
              "       3 < [627 data bytes] " + crcHex(block) + " 04 ; end of STX block 3, CRC ok, EOT\n");
    // Block 256 has sequence 0 but is data; even if it is all zeros.
    const Bytes zeros = frameOf(0, 0);
    EXPECT_THAT(f.line({4, LineDirection::ToReceiver, zeros}, 0), HasSubstr("[1024 data bytes]"));
    // After EOT the end of the batch stays whole.
    f.line({5, LineDirection::ToReceiver, {ctl::EOT}}, 0);
    EXPECT_THAT(f.line({6, LineDirection::ToReceiver, zeros}, 0), ::testing::Not(HasSubstr("data bytes")));
    // A header in pieces loses its content too: its name and size are in the annotation.
    const auto header = buildHeaderBlock("b.img", 77);
    EXPECT_THAT(f.line({7, LineDirection::FromReceiver, {header.begin(), header.begin() + 10}}, 0),
                HasSubstr("< 02 00 ff [7 data bytes] ;"));
    EXPECT_THAT(f.line({8, LineDirection::FromReceiver, {header.begin() + 10, header.end()}}, 0),
                HasSubstr("(header \"b.img\", 77 bytes), CRC ok"));
}

TEST(TraceWithoutData, AFullTraceIsUnchanged) {
    TraceFormatter full, plain(TraceDetail::Full);
    const Bytes block = frameOf(9, 0x11);
    EXPECT_EQ(full.line({1, LineDirection::ToReceiver, block}, 0),
              plain.line({1, LineDirection::ToReceiver, block}, 0));
    EXPECT_THAT(full.line({2, LineDirection::ToReceiver, block}, 0), HasSubstr("02 09 f6 11 11 11"));
    EXPECT_EQ(TraceFormatter::header().find("data bytes"), std::string::npos);
}
