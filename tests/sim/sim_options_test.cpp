// The simulator's receiver options as its command line gives them (the
// tests' in-process STB takes the same words).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "sim/sim_option_table.h"
#include "sim/sim_options.h"

using namespace dorvane::sim;

namespace {

ParsedArgs parse(std::vector<std::string> args) { return parseSimArgs(args); }

}  // namespace

TEST(SimOptions, BootLoaderAnswersAndWritingReports) {
    const ReceiverOptions defaults = parse({}).config.receiver;
    EXPECT_EQ(defaults.boot.dc1Answer, BootLoaderOptions::Dc1Answer::Ack);
    EXPECT_EQ(defaults.boot.dc1DelayMs, 500);
    EXPECT_EQ(defaults.boot.writeProgress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_FALSE(defaults.splitAnswers);

    const ParsedArgs p = parse({"--dc1", "nak", "--dc1-delay", "1000", "--write-progress", "40,100,100",
                                "--split-answers", "--upload-fault", "bad-crc:4"});
    ASSERT_EQ(p.action, ParsedArgs::Action::Run) << p.error;
    EXPECT_EQ(p.config.receiver.boot.dc1Answer, BootLoaderOptions::Dc1Answer::Nak);
    EXPECT_EQ(p.config.receiver.boot.dc1DelayMs, 1000);
    EXPECT_EQ(p.config.receiver.boot.writeProgress, (std::vector<int>{40, 100, 100}));
    EXPECT_TRUE(p.config.receiver.splitAnswers);
    EXPECT_EQ(p.config.receiver.app.badCrcBlock, 4);

    EXPECT_TRUE(parse({"--write-progress", "none"}).config.receiver.boot.writeProgress.empty());
    // A faulty STB's report beyond 100 %: any byte.
    EXPECT_EQ(parse({"--write-progress", "40,250"}).config.receiver.boot.writeProgress, (std::vector<int>{40, 250}));
    EXPECT_EQ(parse({"--dc1", "none"}).config.receiver.boot.dc1Answer, BootLoaderOptions::Dc1Answer::None);

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
    const ParsedArgs p =
        parse({"--upload-fault", "bad-header-crc", "--upload-fault", "cut-block:2@300", "--upload-fault",
               "bad-crc-once:3", "--upload-fault", "deaf-to-nak", "--upload-fault", "header-1k", "--upload-length",
               "600000", "--upload-pair", "a=1", "--upload-pair", "b=2"});
    ASSERT_EQ(p.action, ParsedArgs::Action::Run) << p.error;
    const ReceiverOptions& r = p.config.receiver;
    EXPECT_EQ(r.app.badHeaderCrcTimes, 1);
    EXPECT_EQ(r.app.cutBlock, 2);
    EXPECT_EQ(r.app.cutBlockBytes, 300u);
    EXPECT_EQ(r.app.badCrcOnceBlock, 3);
    EXPECT_TRUE(r.app.deafToNak);
    EXPECT_TRUE(r.app.uploadHeader1K);
    EXPECT_FALSE(r.app.uploadNoHeader);
    EXPECT_EQ(r.app.uploadLengthText, "600000");
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(r.app.uploadExtraPairs, (std::vector<Pair>{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(parse({"--upload-fault", "bad-header-crc:3"}).config.receiver.app.badHeaderCrcTimes, 3);
}

// Every point the simulator knows reads back as the name it was given (the
// log names it so); the two aliases read as the points they stand for; a
// name that is no point is refused, not taken for one that never comes.
TEST(SimOptions, FaultPointsAreTypedAndUnknownOnesRefused) {
    const std::vector<std::string> names{
        "on",         "header", "info",        "info:17", "block:3",   "block-ack:1", "block-nak:250", "eot",
        "second-eot", "batch",  "write-start", "writing", "writing:4", "command",     "upload-header", "upload-block:2",
        "upload-eot"};
    for (const std::string& name : names) {
        const ParsedArgs p = parse({"--fault", "restart@" + name});
        ASSERT_EQ(p.action, ParsedArgs::Action::Run) << name << ": " << p.error;
        ASSERT_TRUE(p.config.receiver.fault.has_value());
        EXPECT_EQ(p.config.receiver.fault->point.text(), name);
        EXPECT_EQ(p.config.receiver.fault->point.inApplication(), name == "command" || name.rfind("upload", 0) == 0)
            << name;
    }
    EXPECT_EQ(parse({"--fault", "silent@before-vt"}).config.receiver.fault->point.text(), "write-start");
    EXPECT_EQ(parse({"--fault", "silent@after-vt"}).config.receiver.fault->point.text(), "writing");
    for (const std::string bad : {"hedaer", "block", "block:", "block:x", "block:3x", "eot:1", "upload-block", ""}) {
        const ParsedArgs p = parse({"--fault", "silent@" + bad});
        EXPECT_NE(p.action, ParsedArgs::Action::Run) << bad;
    }
}
TEST(SimOptions, ABenchSharesOptionsAndGivesEachBoxItsOwn) {
    const ParsedArgs p = parse({"--boxes", "3", "--rate", "0", "--buyer", "XY", "--on-after", "500", "--box", "2",
                                "--buyer", "ZZ", "--fault", "close@block:20", "--box", "3", "--on-after", "100-5000"});
    ASSERT_EQ(p.action, ParsedArgs::Action::Run) << p.error;
    ASSERT_EQ(p.boxes.size(), 3u);
    for (const Config& box : p.boxes) EXPECT_EQ(box.rate, 0);
    EXPECT_EQ(p.boxes[0].receiver.boot.buyer[1], 'Y');
    EXPECT_EQ(p.boxes[1].receiver.boot.buyer[1], 'Z');  // its own option wins
    EXPECT_EQ(p.boxes[2].receiver.boot.buyer[1], 'Y');
    EXPECT_FALSE(p.boxes[0].receiver.fault.has_value());
    ASSERT_TRUE(p.boxes[1].receiver.fault.has_value());
    EXPECT_EQ(p.boxes[1].receiver.fault->point.text(), "block:20");
    EXPECT_FALSE(p.boxes[2].receiver.fault.has_value());
    using At = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(p.boxes[0].at, (At{{500, "on"}}));
    EXPECT_EQ(p.boxes[1].at, (At{{500, "on"}}));
    ASSERT_EQ(p.boxes[2].at.size(), 1u);

    // Boxes that keep downloaded channel data, whole or with a byte changed.
    const ParsedArgs kept = parse({"--boxes", "2", "--keep-channels", "--box", "2", "--upload-fault", "changed-byte"});
    ASSERT_EQ(kept.action, ParsedArgs::Action::Run) << kept.error;
    EXPECT_TRUE(kept.boxes[0].receiver.boot.keepChannels && !kept.boxes[0].receiver.boot.changeKeptByte);
    EXPECT_TRUE(kept.boxes[1].receiver.boot.keepChannels && kept.boxes[1].receiver.boot.changeKeptByte);
    EXPECT_FALSE(parse({}).config.receiver.boot.keepChannels);

    // One box: the options as ever.
    const ParsedArgs one = parse({"--buyer", "XY", "--on-after", "40"});
    ASSERT_EQ(one.boxes.size(), 1u);
    EXPECT_EQ(one.config.at, (At{{40, "on"}}));

    for (const auto& bad : std::vector<std::vector<std::string>>{{"--boxes", "0"},
                                                                 {"--boxes", "65"},
                                                                 {"--boxes"},
                                                                 {"--boxes", "2", "--box", "3"},
                                                                 {"--box", "2", "--buyer", "XY"},
                                                                 {"--boxes", "2", "--box", "1", "--dc1", "maybe"},
                                                                 {"--on-after", "9-3"},
                                                                 {"--on-after", "-4"},
                                                                 {"--boxes", "2", "--relay", "download", "--", "rz"}}) {
        SCOPED_TRACE(bad[0] + " " + bad.back());
        EXPECT_EQ(parse(bad).action, ParsedArgs::Action::Error);
    }
}

// A random switch-on time lies in its range, repeats with its seed and
// differs between boxes of a bench (so that they do not all start at once).
TEST(SimOptions, RandomSwitchOnTimesAreRepeatableAndSpread) {
    std::set<int> seen;
    for (int seed = 1; seed <= 20; ++seed) {
        const std::vector<std::string> args{"--boxes",           "8", "--on-after", "1000-9000", "--fault-seed",
                                            std::to_string(seed)};
        const ParsedArgs p = parse(args);
        ASSERT_EQ(p.action, ParsedArgs::Action::Run) << p.error;
        const ParsedArgs again = parse(args);
        std::set<int> thisRun;
        for (std::size_t k = 0; k < p.boxes.size(); ++k) {
            ASSERT_EQ(p.boxes[k].at.size(), 1u);
            const int ms = p.boxes[k].at[0].first;
            EXPECT_GE(ms, 1000);
            EXPECT_LE(ms, 9000);
            EXPECT_EQ(p.boxes[k].at[0].second, "on");
            EXPECT_EQ(again.boxes[k].at[0].first, ms);
            thisRun.insert(ms);
            seen.insert(ms);
        }
        EXPECT_GT(thisRun.size(), 4u);
    }
    EXPECT_GT(seen.size(), 100u);
}

// The table makes both the parser and --help: every option --help shows is
// one the parser knows, a value option given last is refused for the
// missing value (not taken for a switch), a switch alone runs, and every
// line of the help but the usage line fits 79 columns.
TEST(SimOptions, TheHelpAndTheParserComeFromOneTable) {
    const std::string help = simUsage();
    int options = 0;
    for (const SimOption& option : simOptions()) {
        if (!option.name) {
            EXPECT_NE(help.find(std::string(option.help) + "\n"), std::string::npos) << option.help;
            continue;
        }
        ++options;
        SCOPED_TRACE(option.name);
        const std::string shown =
            std::string("\n  ") + option.name + (option.value ? " " : "") + (option.value ? option.value : "");
        const auto at = help.find(shown);
        ASSERT_NE(at, std::string::npos);
        EXPECT_TRUE(help[at + shown.size()] == ' ' || help[at + shown.size()] == '\n');
        EXPECT_EQ(findSimOption(option.name), &option);
        const ParsedArgs alone = parse({option.name});
        if (option.value) {
            EXPECT_EQ(alone.action, ParsedArgs::Action::Error);
            EXPECT_EQ(alone.error, std::string(option.name) + " needs a value");
        } else if (alone.action == ParsedArgs::Action::Error) {
            EXPECT_EQ(alone.error, "--relay needs a program after --");  // a relay option without its program
        }
    }
    EXPECT_GT(options, 50);
    EXPECT_EQ(parse({"-h"}).action, ParsedArgs::Action::Help);
    EXPECT_EQ(parse({"--version"}).action, ParsedArgs::Action::Version);
    EXPECT_EQ(findSimOption("--no-such-option"), nullptr);
    EXPECT_EQ(parse({"--no-such-option"}).error, "unknown option --no-such-option");

    std::size_t start = help.find('\n') + 1;
    for (std::size_t end; (end = help.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 79u) << help.substr(start, end - start);
}
