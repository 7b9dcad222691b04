// The simulator's receiver options as its command line gives them (the
// tests' in-process STB takes the same words).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim_options.h"

using namespace dorvane::sim;

namespace {

ParsedArgs parse(std::vector<std::string> args) { return parseSimArgs(args); }

}  // namespace

TEST(SimOptions, BootLoaderAnswersAndWritingReports) {
    const ReceiverOptions defaults = parse({}).config.receiver;
    EXPECT_EQ(defaults.dc1Answer, ReceiverOptions::Dc1Answer::Ack);
    EXPECT_EQ(defaults.dc1DelayMs, 500);
    EXPECT_EQ(defaults.writeProgress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_FALSE(defaults.splitAnswers);

    const ParsedArgs p = parse({"--dc1", "nak", "--dc1-delay", "1000", "--write-progress", "40,100,100",
                                "--split-answers", "--upload-fault", "bad-crc:4"});
    ASSERT_EQ(p.action, ParsedArgs::Action::Run) << p.error;
    EXPECT_EQ(p.config.receiver.dc1Answer, ReceiverOptions::Dc1Answer::Nak);
    EXPECT_EQ(p.config.receiver.dc1DelayMs, 1000);
    EXPECT_EQ(p.config.receiver.writeProgress, (std::vector<int>{40, 100, 100}));
    EXPECT_TRUE(p.config.receiver.splitAnswers);
    EXPECT_EQ(p.config.receiver.badCrcBlock, 4);

    EXPECT_TRUE(parse({"--write-progress", "none"}).config.receiver.writeProgress.empty());
    // A faulty STB's report beyond 100 %: any byte.
    EXPECT_EQ(parse({"--write-progress", "40,250"}).config.receiver.writeProgress, (std::vector<int>{40, 250}));
    EXPECT_EQ(parse({"--dc1", "none"}).config.receiver.dc1Answer, ReceiverOptions::Dc1Answer::None);

    for (const auto& bad : std::vector<std::vector<std::string>>{{"--dc1", "maybe"},
                                                                 {"--dc1"},
                                                                 {"--write-progress", "40,256"},
                                                                 {"--upload-fault", "bad-crc:0"},
                                                                 {"--upload-fault", "cut-block:2"},
                                                                 {"--upload-pair", "=12"},
                                                                 {"--upload-pair", "more"}}) {
        SCOPED_TRACE(bad[0]);
        const ParsedArgs refused = parse(bad);
        EXPECT_EQ(refused.action, ParsedArgs::Action::Error);
        EXPECT_FALSE(refused.error.empty());
    }
}

TEST(SimOptions, UploadSendersOfOtherShapesAndTheirFaults) {
    const ParsedArgs p = parse({"--upload-fault", "bad-header-crc", "--upload-fault", "cut-block:2@300",
                                "--upload-fault", "bad-crc-once:3", "--upload-fault", "deaf-to-nak",
                                "--upload-fault", "header-1k", "--upload-length", "600000", "--upload-pair",
                                "a=1", "--upload-pair", "b=2"});
    ASSERT_EQ(p.action, ParsedArgs::Action::Run) << p.error;
    const ReceiverOptions& r = p.config.receiver;
    EXPECT_EQ(r.badHeaderCrcTimes, 1);
    EXPECT_EQ(r.cutBlock, 2);
    EXPECT_EQ(r.cutBlockBytes, 300u);
    EXPECT_EQ(r.badCrcOnceBlock, 3);
    EXPECT_TRUE(r.deafToNak);
    EXPECT_TRUE(r.uploadHeader1K);
    EXPECT_FALSE(r.uploadNoHeader);
    EXPECT_EQ(r.uploadLengthText, "600000");
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(r.uploadExtraPairs, (std::vector<Pair>{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(parse({"--upload-fault", "bad-header-crc:3"}).config.receiver.badHeaderCrcTimes, 3);
}

// Every point the simulator knows reads back as the name it was given (the
// log names it so); the two aliases read as the points they stand for; a
// name that is no point is refused, not taken for one that never comes.
TEST(SimOptions, FaultPointsAreTypedAndUnknownOnesRefused) {
    const std::vector<std::string> names{"on", "header", "info", "info:17", "block:3", "block-ack:1", "block-nak:250",
                                         "eot", "second-eot", "batch", "write-start", "writing", "writing:4",
                                         "command", "upload-header", "upload-block:2", "upload-eot"};
    for (const std::string& name : names) {
        const ParsedArgs p = parse({"--fault", "restart@" + name});
        ASSERT_EQ(p.action, ParsedArgs::Action::Run) << name << ": " << p.error;
        ASSERT_TRUE(p.config.receiver.fault.has_value());
        EXPECT_EQ(p.config.receiver.fault->point.text(), name);
        EXPECT_EQ(p.config.receiver.fault->point.inApplication(),
                  name == "command" || name.rfind("upload", 0) == 0) << name;
    }
    EXPECT_EQ(parse({"--fault", "silent@before-vt"}).config.receiver.fault->point.text(), "write-start");
    EXPECT_EQ(parse({"--fault", "silent@after-vt"}).config.receiver.fault->point.text(), "writing");
    for (const std::string bad : {"hedaer", "block", "block:", "block:x", "block:3x", "eot:1", "upload-block", ""}) {
        const ParsedArgs p = parse({"--fault", "silent@" + bad});
        EXPECT_NE(p.action, ParsedArgs::Action::Run) << bad;
    }
}
