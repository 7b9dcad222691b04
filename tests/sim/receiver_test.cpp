// The simulated receiver driven byte by byte on a virtual clock, the test
// playing the program: what its parts do across a restart and after a
// fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sim/receiver.h"
#include "sim/sim_options.h"
#include "support/virtual_event_loop.h"

using namespace dorvane;
using namespace dorvane::sim;

namespace {

class ReceiverRun {
public:
    explicit ReceiverRun(const std::vector<std::string>& options) {
        const ParsedArgs parsed = parseSimArgs(options);
        EXPECT_EQ(parsed.action, ParsedArgs::Action::Run) << parsed.error;
        receiver_ = std::make_unique<Receiver>(
            parsed.config.receiver, loop_, [this](const Bytes& b) { sent_.insert(sent_.end(), b.begin(), b.end()); },
            [this](const std::string& e) { events_.push_back(e); }, [] {});
    }

    Receiver& receiver() { return *receiver_; }
    test::VirtualEventLoop& loop() { return loop_; }
    const Bytes& sent() const { return sent_; }
    int count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(events_.begin(), events_.end(),
                                              [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }
    // The program's side of a download, each frame 5 ms after the one
    // before, whatever the answers (a receiver gone wrong hears nothing).
    void download(const Bytes& image) {
        std::vector<Bytes> frames{makeHeaderBlock("image.bin", image.size(), 128), Bytes{ACK}};
        for (std::size_t at = 0, seq = 1; at < image.size(); at += 1024, ++seq) {
            const auto n = std::min<std::size_t>(1024, image.size() - at);
            frames.push_back(makeBlock(static_cast<std::uint8_t>(seq), {image.data() + at, n}, 1024, SUB));
        }
        frames.insert(frames.end(), {Bytes{EOT}, Bytes{EOT}, makeBlock(0, Bytes{}, 128, 0)});
        for (const Bytes& frame : frames) {
            receiver_->received(frame);
            loop_.advance(5);
        }
    }

private:
    test::VirtualEventLoop loop_;
    Bytes sent_;
    std::vector<std::string> events_;
    std::unique_ptr<Receiver> receiver_;
};

Bytes imageOf(std::size_t size) {
    Bytes image(size);
    for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return image;
}

}  // namespace

// A restart goes off once a run: the download after it passes the point
// and is written whole, at every point of a download, the answers that
// come before the fault (a NAK, part of the information record) included.
TEST(SimReceiver, ARestartGoesOffOnceAndTheNextDownloadPassesItsPoint) {
    const Bytes image = imageOf(3000);
    for (const std::string point :
         {"header", "info", "info:10", "block:2", "block-nak:2", "block-ack:2", "eot", "second-eot", "batch"}) {
        SCOPED_TRACE(point);
        ReceiverRun run({"--fault", "restart@" + point, "--write-progress", "none", "--write-ms", "20"});
        run.receiver().command("on");
        run.download(image);
        EXPECT_EQ(run.count("fault restart at " + point), 1);
        EXPECT_EQ(run.count("written"), 0);
        run.loop().advance(300);
        ASSERT_EQ(run.count("boot loader"), 2);
        run.download(image);
        run.loop().advance(100);
        EXPECT_EQ(run.count("fault restart"), 1);
        EXPECT_EQ(run.count("written"), 1);
        const Bytes& taken = run.receiver().takenData();
        ASSERT_GE(taken.size(), image.size());
        EXPECT_TRUE(std::equal(image.begin(), image.end(), taken.begin()));
    }
}

// An upload block cut off leaves the receiver silent: no time-out of its
// sender resends anything, however long the program waits.
TEST(SimReceiver, AnUploadBlockCutOffIsTheLastThingSent) {
    ReceiverRun run({"--start", "app", "--upload-fault", "cut-block:1@100", "--timeout", "1000"});
    run.receiver().command("app");
    run.receiver().command("upload");
    run.receiver().received(Bytes{REQ_C});
    run.loop().advance(5);
    ASSERT_EQ(run.sent().size(), 133u);  // the header block
    run.receiver().received(Bytes{ACK, REQ_C});
    run.loop().advance(5);
    EXPECT_EQ(run.sent().size(), 233u);
    EXPECT_EQ(run.count("upload block 1 cut off"), 1);
    run.loop().advance(60000);
    run.receiver().received(Bytes{NAK});
    run.loop().advance(60000);
    EXPECT_EQ(run.sent().size(), 233u);
    EXPECT_EQ(run.count("upload timeout"), 0);
}
