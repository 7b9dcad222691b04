#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/database/channel_data_buffer.h"
#include "core/flow/operator_flow.h"
#include "core/history/history_keeper.h"
#include "core/image/image_file.h"
#include "core/transfer/frames.h"
#include "core/transfer/transfer_engine.h"
#include "support/channel_blob.h"
#include "support/image_builder.h"
#include "support/scripted_link.h"
#include "support/simulated_stb.h"
#include "support/temp_dir.h"
#include "support/virtual_event_loop.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

struct RecordingView : OperatorView {
    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    // The bar as the flow set it: each position and text it showed (again
    // when it showed the same once more), and each change of its text.
    std::vector<std::pair<int, std::string>> progress;
    std::vector<std::string> progressTexts;
    std::string elapsed;
    std::string downloadButton = "Download";
    std::string uploadButton = "Upload";
    std::optional<bool> lamp;
    std::vector<TransferOutcome> outcomes;
    std::vector<FlowEnd> ends;
    std::optional<std::filesystem::path> target;
    int targetAsked = 0;
    bool answer = false;
    std::function<void()> whileAsking;
    FlowDisplay shown;

    void appendLog(const std::string& line) override { log.push_back(line); }
    void showNotice(NoticeKind, const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        if (whileAsking) whileAsking();
        return answer;
    }
    void displayChanged(const FlowDisplay& d) override {
        const bool barChanged = d.progress != shown.progress || d.progressText != shown.progressText;
        const bool otherChanged =
            d.running != shown.running || d.elapsed != shown.elapsed || d.receiverOn != shown.receiverOn;
        if (d.progressText != shown.progressText) progressTexts.push_back(d.progressText);
        if (!d.progressText.empty() && (barChanged || !otherChanged)) progress.emplace_back(d.progress, d.progressText);
        elapsed = elapsedText(d.elapsed);
        downloadButton = d.running == FlowDisplay::Running::Download ? "Stop" : "Download";
        uploadButton = d.running == FlowDisplay::Running::Upload ? "Stop" : "Upload";
        if (d.receiverOn != shown.receiverOn || !lamp) lamp = d.receiverOn;
        shown = d;
    }
    std::optional<std::filesystem::path> chooseUploadTarget() override {
        ++targetAsked;
        return target;
    }
    void transferEnded(const FlowEnd& end) override {
        outcomes.push_back(end.outcome);
        ends.push_back(end);
    }

    bool logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
};

const char kEnqEnd[] = "Downloading stopped successfully. \nYour STB will restart now!";
const char kAckEnd[] =
    "Downloading stopped successfully. \nYou should Check LCD window whether STB has remain job or not!";
const char kTimeoutBox[] = "Timeout occurred! Please, Check your STB, And retry!";

class FlowTest : public ::testing::Test {
protected:
    FlowTest() { flow.start(); }

    void openImage(const Bytes& bytes, const std::string& name = "fw.bin") {
        ASSERT_TRUE(flow.openFile(dir.write(name, bytes)).ok());
        view.log.clear();
    }
    bool runUntilEnded(Millis limit = 120000) {
        return loop.runUntil([&] { return !view.outcomes.empty(); }, limit);
    }
    // The STB running its application, which sends file on the upload
    // command.
    std::vector<std::string> application(const Bytes& file, std::vector<std::string> more = {}) {
        std::vector<std::string> options{"--start", "app", "--upload-file",
                                         dir.write("stb-channels.irz", file).string()};
        options.insert(options.end(), more.begin(), more.end());
        return options;
    }

    TempDir dir;
    VirtualEventLoop loop;
    ScriptedLink link{loop};
    CImageFile image;
    std::unique_ptr<ChannelDataBuffer> buffer = std::make_unique<ChannelDataBuffer>();
    CTransferEngine engine{loop, link, image, *buffer};
    RecordingView view;
    OperatorFlow flow{loop, engine, link, image, *buffer, view};
};

EngineReport acked(int block) {
    return {EngineEvent::BlockAcked, EngineState::SendingData, AckedBlock{block, kBlockData}};
}
EngineReport writing(int reported) {
    return {EngineEvent::WritingProgress, EngineState::WritingProgress, WritingReport{reported}};
}

// A channel-data file of about this size that passes the channel-data check.
Bytes irzFile(std::size_t size) { return channelDataBlob(size, 99); }

}  // namespace

TEST_F(FlowTest, DownloadPreconditions) {
    flow.downloadClicked();
    EXPECT_EQ(view.messages.back(), "Please, Open a File to be downloaded!");
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::NotStarted);

    openImage(patternBytes(3000));
    link.setOpen(false);
    flow.downloadClicked();
    EXPECT_EQ(view.messages.back(), "Can't open Serial Port! Please, Check your Serial port setting!");
    link.setOpen(true);

    SimulatedStb stb(link, ackBootLoader({"--start", "app"}));
    flow.downloadClicked();
    loop.advance(250);
    EXPECT_EQ(view.messages.back(), "Before download start, You should turn off the Power of STB");
    EXPECT_EQ(view.outcomes.size(), 3u);
    EXPECT_FALSE(flow.busy());
    EXPECT_TRUE(view.progress.empty());
}

TEST_F(FlowTest, PortFailingDuringTheLinkTestStartsNothing) {
    openImage(patternBytes(3000));
    flow.downloadClicked();
    loop.advance(100);
    link.fail();
    loop.advance(200);
    ASSERT_EQ(view.outcomes.size(), 1u);
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::NotStarted);
    EXPECT_EQ(view.messages.back(), "Can't open Serial Port! Please, Check your Serial port setting!");
    EXPECT_FALSE(flow.busy());
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(FlowTest, DownloadToAnEnqReceiver) {
    openImage(patternBytes(4096));
    SimulatedStb stb(link, enqBootLoader());
    flow.downloadClicked();
    loop.advance(250);  // the link test finds the receiver off
    ASSERT_TRUE(flow.busy());
    EXPECT_EQ(view.downloadButton, "Stop");
    EXPECT_EQ(view.progress.front(), std::make_pair(0, std::string("Waiting Turning on STB...")));
    stb.command("on");
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Succeeded);
    const std::vector<std::string> expected{"Downloading process started.", "STB Boot Ver : 1.2.3",
                                            "STB App Ver : 2.3.4",          "Transferring started.",
                                            "Transferring ended.",          "Writing Image started.",
                                            "Writing Image stopped.",       "Downloading stopped successfully!"};
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(view.messages, std::vector<std::string>{kEnqEnd});
    std::vector<std::string> texts;
    for (const auto& p : view.progress) texts.push_back(p.second);
    const std::vector<std::string> progress{"Waiting Turning on STB...", "Downloading 17% ...", "Downloading 34% ...",
                                            "Downloading 51% ...",       "Downloading 68% ...", "Downloading 40% ...",
                                            "Downloading 100% ...",      "Downloading 100% ..."};
    EXPECT_EQ(texts, progress);
    EXPECT_EQ(view.progress.back().first, 100);
    EXPECT_EQ(view.downloadButton, "Download");
    EXPECT_FALSE(flow.busy());
    EXPECT_EQ(flow.progressScale(), 68);
    EXPECT_EQ(engine.state(), EngineState::Idle);
    EXPECT_TRUE(engine.linkPollRunning());
}

TEST_F(FlowTest, DownloadToAnAckReceiverEndsAtTheBatchEnd) {
    openImage(patternBytes(1500));
    SimulatedStb stb(link, ackBootLoader());
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Succeeded);
    const std::vector<std::string> expected{"Downloading process started.", "Transferring started!",
                                            "Transferring ended."};
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(view.messages, std::vector<std::string>{kAckEnd});
    // Two acknowledgements of 1,024 for 1,500 bytes: the bar stops at 100.
    EXPECT_EQ(view.progress.back(), std::make_pair(100, std::string("Downloading 100% ...")));
    EXPECT_EQ(view.progress[1], std::make_pair(68, std::string("Downloading 68% ...")));
    EXPECT_EQ(view.progressTexts.back(), "");
    EXPECT_EQ(flow.progressScale(), 100);
}

TEST_F(FlowTest, ReceiverNeverSwitchedOnTimesOut) {
    openImage(patternBytes(3000));
    flow.downloadClicked();
    loop.advance(250);
    ASSERT_TRUE(flow.busy());
    loop.advance(29000);
    EXPECT_TRUE(view.outcomes.empty());
    EXPECT_EQ(view.elapsed, "00:29");
    loop.advance(1000);
    ASSERT_EQ(view.outcomes.size(), 1u);
    EXPECT_EQ(view.outcomes[0], TransferOutcome::TimedOut);
    EXPECT_EQ(view.log, std::vector<std::string>{"Transferring timeout occurred!"});
    EXPECT_EQ(view.messages, std::vector<std::string>{kTimeoutBox});
    EXPECT_EQ(view.downloadButton, "Download");
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(FlowTest, StartTimeOutIsInjectableAndElapsedShowsHoursMinutesAndSeconds) {
    FlowTimes times;
    times.startTimeout = 4000 * 1000;
    OperatorFlow slow{loop, engine, link, image, *buffer, view, times};
    slow.start();
    openImage(patternBytes(3000));
    slow.downloadClicked();
    loop.advance(200);
    loop.advance(3725 * 1000);
    EXPECT_EQ(view.elapsed, "1:02:05");
    slow.cancel();
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Canceled);
}

TEST_F(FlowTest, StopAnsweredNoGoesOnAndYesCancels) {
    openImage(patternBytes(40000));
    SimulatedStb stb(link, ackBootLoader());
    const ProgramWrites& seen = stb.seen();
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return seen.sequences.size() == 3; }, 1000));

    // While the question is open, the engine goes on and answers ACKs with DC1.
    view.answer = false;
    view.whileAsking = [&] { loop.advance(30); };
    flow.downloadClicked();
    EXPECT_EQ(view.questions.back(), "Do you want to stop the downloading?");
    EXPECT_GE(seen.dc1s, 3);
    EXPECT_EQ(seen.sequences.size(), 3u);
    EXPECT_TRUE(flow.busy());
    EXPECT_EQ(view.downloadButton, "Stop");
    loop.advance(20);
    EXPECT_GT(seen.sequences.size(), 3u);

    view.answer = true;
    view.whileAsking = nullptr;
    flow.downloadClicked();
    EXPECT_EQ(view.log.back(), "Transferring canceled!");
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Canceled);
    EXPECT_FALSE(flow.busy());
    EXPECT_EQ(engine.state(), EngineState::Idle);
    const auto blocks = seen.sequences.size();
    loop.advance(2000);
    EXPECT_EQ(seen.sequences.size(), blocks);  // nothing more goes out
    EXPECT_EQ(link.writes.back(), Bytes{ctl::BEL});
}

TEST_F(FlowTest, RefusedImage) {
    XprFields fields;
    fields.buyer = "XY";
    openImage(xprImage(fields, patternBytes(3000)), "app.img");
    SimulatedStb stb(link,
                     enqBootLoader({"--boot-version", "0x01000000", "--app-version", "0x02000000", "--buyer", "ABCD"}));
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Refused);
    EXPECT_EQ(view.messages, std::vector<std::string>{"This image can't be downloaded your STB!"});
    EXPECT_EQ(view.log.back(), "This image can't be downloaded your STB!");
    EXPECT_FALSE(flow.busy());
}

TEST_F(FlowTest, ReceiverFallingSilentOrPortFailingEndsTheDownload) {
    openImage(patternBytes(30000));
    {
        SimulatedStb stb(link, ackBootLoader({"--fault", "silent@block:1"}));
        flow.downloadClicked();
        loop.advance(250);
        stb.command("on");
        ASSERT_TRUE(runUntilEnded(engine.timeouts().reply + 2000));
        EXPECT_EQ(view.outcomes.back(), TransferOutcome::TimedOut);
        EXPECT_EQ(view.log.back(), "Transferring timeout occurred!");
    }
    view.outcomes.clear();
    SimulatedStb stb(link, ackBootLoader());
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().sequences.size() == 4; }, 1000));
    link.fail();
    ASSERT_TRUE(runUntilEnded(10));
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::PortError);
    EXPECT_FALSE(flow.busy());
}

TEST_F(FlowTest, UploadPreconditions) {
    link.setOpen(false);
    flow.uploadClicked();
    EXPECT_EQ(view.messages.back(), "Can't open Serial Port! Please, Check your Serial port setting!");
    EXPECT_EQ(view.targetAsked, 0);
    link.setOpen(true);

    // No target chosen: nothing starts, nothing is written.
    flow.uploadClicked();
    EXPECT_EQ(view.targetAsked, 1);
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::NotStarted);
    EXPECT_TRUE(link.writes.empty());

    // The receiver's application does not answer.
    view.target = dir.file("stbdata.irz");
    flow.uploadClicked();
    loop.advance(250);
    EXPECT_EQ(view.messages.back(),
              "Before upload start, You should turn on the Power of STB and activate 'PC COM' item in 'Software "
              "Transfer' menu");
    EXPECT_EQ(link.written, Bytes{ctl::BEL});
    EXPECT_FALSE(std::filesystem::exists(dir.file("stbdata.irz")));
}

TEST_F(FlowTest, CancelDuringTheStartSendsNothingMore) {
    view.target = dir.file("x.irz");
    SimulatedStb stb(link, application(irzFile(3000)));
    flow.uploadClicked();
    loop.advance(300);  // link test done, the command is due
    ASSERT_TRUE(flow.starting());
    flow.cancel();
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Canceled);
    const auto written = link.written.size();
    loop.advance(3000);
    EXPECT_FALSE(flow.busy());
    EXPECT_EQ(std::count(link.written.begin() + static_cast<long>(written), link.written.end(), 'l'), 0);
    EXPECT_EQ(engine.state(), EngineState::Idle);
}

TEST_F(FlowTest, UploadReplacesTheTargetWithTheReceivedFile) {
    const auto target = dir.write("stbdata.irz", Bytes(10, 0xEE));
    view.target = target;
    const Bytes file = irzFile(20000);
    SimulatedStb stb(link, application(file));
    flow.uploadClicked();
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Succeeded);
    EXPECT_EQ(readFile(target), file);
    EXPECT_FALSE(std::filesystem::exists(dir.file("_stbdata.irz")));
    // The file it replaced is kept as NAME.bak.
    EXPECT_EQ(readFile(dir.file("stbdata.irz.bak")), Bytes(10, 0xEE));

    // BEL, then 200 ms later the boot-console command.
    const std::string command = "\r\nloadb up curdb y\r\n";
    ASSERT_GT(link.written.size(), 1 + command.size());
    EXPECT_EQ(std::string(link.written.begin() + 1, link.written.begin() + 1 + static_cast<long>(command.size())),
              command);

    ASSERT_GE(view.log.size(), 6u);
    EXPECT_EQ(view.log[0], "Uploading process started.");
    EXPECT_EQ(view.log[1], "Send upload command and wait ack..");
    EXPECT_EQ(view.log[2], "Uploading finished successfully!");
    EXPECT_TRUE(view.logged("Image Type : IRZ Data."));
    EXPECT_EQ(view.log[view.log.size() - 2], "Uploading data is saved to");
    EXPECT_EQ(view.log.back(), " " + target.string());
    EXPECT_EQ(view.progress[0], std::make_pair(0, std::string("Wait Upload Data...")));
    EXPECT_EQ(view.progress[1], std::make_pair(3, std::string("Uploading 3% ...")));
    EXPECT_EQ(view.progress.back(), std::make_pair(100, std::string("Uploading 100% ...")));
    EXPECT_EQ(view.uploadButton, "Upload");
    EXPECT_EQ(flow.filePath(), target);
    EXPECT_EQ(image.type(), ImageType::IrzData);
}

// Every saved upload is also kept in the history; a failed one is not, and
// a history that fails does not fail the upload.
TEST_F(FlowTest, SavedUploadIsKeptInTheHistory) {
    std::vector<std::pair<Bytes, std::string>> kept;
    setHistoryKeeper([&](const KeptList& list) {
        kept.emplace_back(Bytes(list.bytes.begin(), list.bytes.end()), list.origin);
        if (list.source != *view.target) ADD_FAILURE() << "source " << list.source;
    });
    view.target = dir.file("stbdata.irz");
    const Bytes file = irzFile(20000);
    {
        SimulatedStb stb(link, application(file));
        flow.uploadClicked();
        ASSERT_TRUE(runUntilEnded());
        EXPECT_EQ(view.outcomes.back(), TransferOutcome::Succeeded);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept[0].first, file);
        EXPECT_EQ(kept[0].second, "upload");
    }
    setHistoryKeeper([](const KeptList&) { throw std::runtime_error("no room"); });
    {
        SimulatedStb stb(link, application(file));
        flow.uploadClicked();
        ASSERT_TRUE(runUntilEnded());
        EXPECT_EQ(view.outcomes.back(), TransferOutcome::Succeeded);
        EXPECT_EQ(view.log.back(), " " + view.target->string());
    }
    setHistoryKeeper({});
}

TEST_F(FlowTest, FailedUploadIsNotKeptInTheHistory) {
    setHistoryKeeper([&](const KeptList&) { ADD_FAILURE() << "a failed upload was kept"; });
    view.target = dir.file("stbdata.irz");
    SimulatedStb stb(link, application(irzFile(20000), {"--upload-fault", "bad-crc:4"}));
    flow.uploadClicked();
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Failed);
    setHistoryKeeper({});
}

TEST_F(FlowTest, FailedUploadLeavesTheTargetAlone) {
    const Bytes old(10, 0xEE);
    const auto target = dir.write("stbdata.irz", old);
    view.target = target;
    SimulatedStb stb(link, application(irzFile(20000), {"--upload-fault", "bad-crc:4"}));
    flow.uploadClicked();
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Failed);
    EXPECT_EQ(readFile(target), old);
    EXPECT_FALSE(view.logged("Uploading finished successfully!"));
    EXPECT_EQ(view.log.back(), "Uploading failed!");
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(stb.seen().cans, 3);
}

TEST_F(FlowTest, UploadIntoATargetThatCannotBeKeptDoesNotStart) {
    std::filesystem::create_directories(dir.file("folder.irz"));
    dir.write("plain", {1, 2, 3});
    struct Case {
        std::filesystem::path target;
        std::string reason;
    };
    const Case cases[] = {
        {dir.file("missing") / "stbdata.irz", "its folder does not exist!"},
        {dir.file("plain") / "stbdata.irz", "its folder does not exist!"},
        {dir.file("folder.irz"), "it is a folder!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.string());
        view.target = c.target;
        SimulatedStb stb(link, application(irzFile(3000)));
        link.written.clear();
        flow.uploadClicked();
        EXPECT_EQ(view.outcomes.back(), TransferOutcome::NotStarted);
        EXPECT_EQ(view.messages.back(), "Can't save the upload to " + utf8Path(c.target) + ": " + c.reason);
        loop.advance(2000);
        // Nothing but the idle link tests: no command.
        EXPECT_TRUE(std::all_of(link.written.begin(), link.written.end(), [](auto b) { return b == ctl::BEL; }));
        EXPECT_FALSE(flow.busy());
    }
}

TEST_F(FlowTest, UploadThatCannotBeSavedIsKeptInARecoveryFile) {
    const Bytes file = irzFile(20000);
    view.target = dir.file("stbdata.irz");
    SimulatedStb stb(link, application(file));
    flow.uploadClicked();
    // While the data comes, the target turns into a folder with a file in
    // it: the final rename cannot replace it.
    ASSERT_TRUE(loop.runUntil([&] { return flow.busy(); }, 5000));
    std::filesystem::create_directories(dir.file("stbdata.irz"));
    dir.write("stbdata.irz/inside", {1});
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Failed);
    EXPECT_FALSE(view.logged("Uploading finished successfully!"));
    ASSERT_GE(view.log.size(), 2u);
    EXPECT_EQ(view.log[view.log.size() - 2], "Uploading data is kept in");
    const std::filesystem::path kept = view.log.back().substr(1);
    EXPECT_EQ(kept.parent_path(), dir.path());
    EXPECT_EQ(readFile(kept), file);
    EXPECT_NE(view.messages.back().find("The received data is kept in " + utf8Path(kept)), std::string::npos);
    // The box says which file could not be replaced, and why.
    EXPECT_EQ(view.messages.back().rfind("Access to " + utf8Path(dir.file("stbdata.irz")) + " was denied. \n", 0), 0u)
        << view.messages.back();
}

TEST_F(FlowTest, UploadPercentIsShiftedByThreeAndCapped) {
    SimulatedStb stb(link, application(irzFile(3000), {"--fault", "silent@upload-header"}));
    view.target = dir.file("x.irz");
    flow.uploadClicked();
    loop.advance(1000);
    ASSERT_TRUE(flow.busy());
    view.progress.clear();
    for (const int p : {50, 50, 97, 98, 98})
        flow.onTransferEvent({EngineEvent::UploadProgress, EngineState::UploadReceive, UploadedBytes{p, 0}});
    const std::vector<std::pair<int, std::string>> expected{{53, "Uploading 53% ..."},
                                                            {100, "Uploading 100% ..."},
                                                            {100, "Uploading 100% ..."},
                                                            {100, "Uploading 100% ..."}};
    EXPECT_EQ(view.progress, expected);
}

TEST_F(FlowTest, VersionLinesAndPowerLamp) {
    ReceiverAnswer answer{ReceiverDialect::InfoRecord, InfoRecord{32, 0x0A0B0CFF, 0xFF000100, 0}, {}};
    flow.onTransferEvent({EngineEvent::ReceiverIdentified, EngineState::WaitHeaderAnswer, answer});
    // Versions are shown only for a running download (and not at all
    // without a record of the right length).
    EXPECT_TRUE(view.log.empty());
    openImage(patternBytes(3000));
    flow.downloadClicked();
    loop.advance(250);
    ASSERT_TRUE(flow.busy());
    flow.onTransferEvent({EngineEvent::ReceiverIdentified, EngineState::WaitHeaderAnswer,
                          ReceiverAnswer{ReceiverDialect::InfoRecord, std::nullopt, {}}});
    EXPECT_TRUE(view.log.empty());
    flow.onTransferEvent({EngineEvent::ReceiverIdentified, EngineState::WaitHeaderAnswer, answer});
    flow.cancel();
    view.log.pop_back();  // "Transferring canceled!"
    EXPECT_EQ(view.log, (std::vector<std::string>{"STB Boot Ver : 10.11.12", "STB App Ver : 255.0.1"}));
    SimulatedStb stb(link, ackBootLoader({"--start", "app"}));
    loop.advance(800);
    EXPECT_EQ(view.lamp, std::optional<bool>(true));
    stb.command("off");
    loop.advance(500);
    EXPECT_EQ(view.lamp, std::optional<bool>(false));
}

TEST_F(FlowTest, EmptyOrOversizedImageIsRefusedBeforeTheLine) {
    openImage({});
    flow.downloadClicked();
    EXPECT_EQ(view.messages.back(), "The file is empty! There is nothing to download.");
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::NotStarted);
    flow.setForcedDownload(true);  // never for an empty file
    flow.downloadClicked();
    EXPECT_EQ(view.outcomes.size(), 2u);
    EXPECT_TRUE(link.written.empty());

    const auto big = dir.write("huge.bin", patternBytes(4096));
    std::filesystem::resize_file(big, kLargestImage + 1);
    ASSERT_TRUE(flow.openFile(big).ok());
    flow.downloadClicked();
    EXPECT_EQ(view.messages.back(),
              "The file is larger than 64 MiB, more than any STB takes! Check the file, or use Forced download to "
              "send it anyway.");
    EXPECT_EQ(view.outcomes.size(), 3u);
    EXPECT_TRUE(link.written.empty());
    flow.setForcedDownload(true);
    flow.downloadClicked();
    loop.advance(300);
    EXPECT_TRUE(flow.busy());  // forced: it goes ahead
    flow.cancel();

    std::filesystem::resize_file(big, kLargestImage);
    ASSERT_TRUE(flow.openFile(big).ok());  // exactly the bound is taken
    flow.downloadClicked();
    loop.advance(300);
    EXPECT_TRUE(flow.busy());
}

TEST_F(FlowTest, InterruptReleasesTheReceiverDuringTheData) {
    openImage(patternBytes(20000));
    SimulatedStb stb(link, ackBootLoader());
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().sequences.size() >= 3; }, 5000));
    EXPECT_TRUE(flow.interrupt());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Canceled);
    ASSERT_GE(link.written.size(), 2u);
    EXPECT_EQ(Bytes(link.written.end() - 2, link.written.end()), (Bytes{ctl::CAN, ctl::CAN}));
    EXPECT_FALSE(flow.busy());
}

TEST_F(FlowTest, InterruptWhileTheReceiverWritesOnlyWarnsFirst) {
    openImage(patternBytes(20000));
    SimulatedStb stb(link, enqBootLoader({"--fault", "silent@write-start"}));
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().batchBlocks == 1; }, 5000));
    link.send(Bytes{ctl::VT, ctl::RS, 20}, 10);
    loop.advance(50);
    ASSERT_EQ(engine.state(), EngineState::WritingProgress);
    const std::size_t written = link.written.size();
    EXPECT_FALSE(flow.interrupt());  // the first one only warns
    EXPECT_TRUE(flow.busy());
    EXPECT_TRUE(flow.interrupt());
    EXPECT_FALSE(flow.busy());
    loop.advance(3000);
    // No CAN into a writing boot loader, and no link test either.
    EXPECT_EQ(link.written.size(), written);
}

TEST_F(FlowTest, ReceiverSilentWhileWritingIsNeverTheRetryBox) {
    openImage(patternBytes(3000));
    SimulatedStb stb(link, enqBootLoader({"--fault", "silent@write-start"}));
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return view.logged("Transferring ended."); }, 5000));
    loop.advance(5 * 60000);
    EXPECT_TRUE(flow.busy());  // still waiting after five minutes
    ASSERT_TRUE(runUntilEnded(engine.timeouts().writing));
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::TimedOut);
    EXPECT_EQ(view.log.back(), "The STB stopped reporting while writing its memory.");
    EXPECT_EQ(view.messages.back(),
              "The STB stopped reporting while writing its memory! \nDo not switch it off until its own display says "
              "it is done.");
    EXPECT_FALSE(view.logged("Transferring timeout occurred!"));
    const std::size_t written = link.written.size();
    loop.advance(3000);
    EXPECT_EQ(link.written.size(), written);  // no link test disturbs it
}

TEST_F(FlowTest, ImageThatShrinksDuringTheDownloadFails) {
    const Bytes file = patternBytes(40000);
    const auto path = dir.write("fw.bin", file);
    ASSERT_TRUE(flow.openFile(path).ok());
    SimulatedStb stb(link, ackBootLoader());
    flow.downloadClicked();
    loop.advance(250);
    stb.command("on");
    ASSERT_TRUE(loop.runUntil([&] { return stb.seen().sequences.size() >= 2; }, 5000));
    std::filesystem::resize_file(path, 10000);
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Failed);
    EXPECT_EQ(view.messages.back(), "Downloading failed! The file could not be read to its end: " + utf8Path(path));
    EXPECT_FALSE(view.logged("Transferring ended."));
    EXPECT_EQ(stb.seen().eots, 0);
}

// ---------------------------------------------------------------------------
// Backups are checked before they count: what does not pass the
// channel-data check never replaces the target (nor its NAME.bak), and
// everything that arrived is kept in a recovery file.

namespace {

// The recovery file a failed upload names in its last log line.
std::filesystem::path keptFile(const RecordingView& view) {
    if (view.log.size() < 2 || view.log[view.log.size() - 2] != "Uploading data is kept in") return {};
    return view.log.back().substr(1);
}

// The file's blocks as they arrived: padded with SUB to whole kilobytes.
Bytes asBlocks(Bytes file) {
    file.resize((file.size() + kBlockData - 1) / kBlockData * kBlockData, ctl::SUB);
    return file;
}

}  // namespace

TEST_F(FlowTest, UploadThatIsNotChannelDataChangesNothingAndKeepsEverythingThatArrived) {
    const Bytes good = irzFile(20000);
    Bytes garbage = patternBytes(20000, 5);
    std::copy_n("IRZ", 3, garbage.begin());
    struct Case {
        const char* name;
        Bytes served;
        std::vector<std::string> options;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"header announces fewer bytes",
         good,
         {"--upload-length", "1000"},
         "The received data is not channel data: Backup data is truncated. The STB announced 1000 bytes and sent "
         "20480."},
        {"header announces more bytes",
         good,
         {"--upload-length", "30000"},
         "The STB announced 30000 bytes and sent 20480."},
        {"blob fails the check", garbage, {}, "The received data is not channel data: Backup data is truncated."},
    };
    const Bytes previous = irzFile(6000);
    const Bytes previousBak = irzFile(7000);
    std::vector<std::filesystem::path> keptFiles;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto target = dir.write("stbdata.irz", previous);
        dir.write("stbdata.irz.bak", previousBak);
        view.target = target;
        // Two runs in a row: the second finds the same target and NAME.bak.
        for (int run = 0; run < 2; ++run) {
            view.log.clear();
            view.messages.clear();
            view.outcomes.clear();
            SimulatedStb stb(link, application(c.served, c.options));
            loop.advance(1000);  // a link test sent before this STB was there is over
            flow.uploadClicked();
            ASSERT_TRUE(runUntilEnded());
            EXPECT_EQ(view.outcomes.back(), TransferOutcome::Failed);
            EXPECT_FALSE(view.logged("Uploading finished successfully!"));
            EXPECT_TRUE(view.logged(c.reason)) << ::testing::PrintToString(view.log);
            EXPECT_EQ(readFile(target), previous);
            EXPECT_EQ(readFile(dir.file("stbdata.irz.bak")), previousBak);
            EXPECT_FALSE(std::filesystem::exists(dir.file("_stbdata.irz")));
            const auto kept = keptFile(view);
            ASSERT_FALSE(kept.empty());
            EXPECT_EQ(readFile(kept), asBlocks(c.served));  // every block, padding and all
            ASSERT_EQ(view.messages.size(), 1u);
            EXPECT_EQ(view.messages.back(), "Uploading failed! " + c.reason +
                                                " \nThe file was not changed. The received data is kept in " +
                                                utf8Path(kept));
            // Each run has a recovery file of its own.
            EXPECT_EQ(std::count(keptFiles.begin(), keptFiles.end(), kept), 0);
            keptFiles.push_back(kept);
        }
    }
}

TEST_F(FlowTest, GoodUploadKeepsTheReplacedFileAsBakOnlyWhenItIsChannelData) {
    const auto target = dir.file("stbdata.irz");
    const auto bak = dir.file("stbdata.irz.bak");
    view.target = target;
    auto upload = [&](const Bytes& served) {
        view.outcomes.clear();
        SimulatedStb stb(link, application(served));
        loop.advance(1000);  // a link test sent before this STB was there is over
        flow.uploadClicked();
        ASSERT_TRUE(runUntilEnded());
        EXPECT_EQ(view.outcomes.back(), TransferOutcome::Succeeded) << ::testing::PrintToString(view.messages);
        EXPECT_EQ(readFile(target), served);
    };
    // A good file before it becomes NAME.bak.
    const Bytes first = irzFile(6000);
    dir.write("stbdata.irz", first);
    const Bytes second = irzFile(9000);
    upload(second);
    EXPECT_EQ(readFile(bak), first);
    // A target that is not channel data does not push the good NAME.bak out.
    dir.write("stbdata.irz", Bytes(100, 0x55));
    const Bytes third = irzFile(12000);
    upload(third);
    EXPECT_EQ(readFile(bak), first);
    // Without a NAME.bak any target is kept as one.
    std::filesystem::remove(bak);
    dir.write("stbdata.irz", Bytes(100, 0x55));
    upload(irzFile(8000));
    EXPECT_EQ(readFile(bak), Bytes(100, 0x55));
}

TEST_F(FlowTest, StbThatRestartsBeforeTheEndOfTheFileLeavesItsDataInARecoveryFile) {
    const Bytes file = irzFile(20000);
    const Bytes previous = irzFile(6000);
    const auto target = dir.write("stbdata.irz", previous);
    view.target = target;
    SimulatedStb stb(link, application(file, {"--fault", "restart@upload-eot"}));
    flow.uploadClicked();
    const Millis began = loop.now();
    ASSERT_TRUE(runUntilEnded());
    EXPECT_TRUE(stb.logged("fault restart at upload-eot"));
    EXPECT_EQ(view.outcomes.back(), TransferOutcome::Failed);
    EXPECT_TRUE(view.logged("All the data arrived, but the STB did not end the file (it may have restarted)."));
    EXPECT_FALSE(view.logged("Transferring timeout occurred!"));
    EXPECT_EQ(readFile(target), previous);
    const auto kept = keptFile(view);
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(readFile(kept), file);  // the announced file, which is channel data
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages.back().find("The received data is kept in " + utf8Path(kept)), std::string::npos);
    EXPECT_FALSE(flow.busy());
    // The engine's silence bound, not a minute of waiting.
    EXPECT_LT(loop.now() - began, 25000);
}

// ---------------------------------------------------------------------------
// Figures that add up

TEST(ElapsedText, MinutesAndSecondsThenHours) {
    EXPECT_EQ(elapsedText(0), "00:00");
    EXPECT_EQ(elapsedText(59 * 1000 + 999), "00:59");
    EXPECT_EQ(elapsedText((59 * 60 + 59) * 1000), "59:59");
    EXPECT_EQ(elapsedText(3600 * 1000), "1:00:00");
    EXPECT_EQ(elapsedText(3725 * 1000), "1:02:05");
    EXPECT_EQ(elapsedText((10 * 3600 + 61) * 1000), "10:01:01");
    EXPECT_EQ(elapsedText(-5), "00:00");
}

// (The line speed is the monitor's: TransferMonitor.TheLastSecondOfLineTime...)
TEST_F(FlowTest, TheReceiversOwnPercentagesStayWithinTheBar) {
    openImage(patternBytes(400 * 1024));
    flow.downloadClicked();
    ASSERT_TRUE(loop.runUntil([&] { return flow.busy(); }, 2000));
    flow.onTransferEvent({EngineEvent::Started, EngineState::WaitStart, {}});
    flow.onTransferEvent({EngineEvent::ReceiverIdentified, EngineState::WaitHeaderAnswer,
                          ReceiverAnswer{ReceiverDialect::InfoRecord, std::nullopt, {}}});
    flow.onTransferEvent({EngineEvent::DataStarted, EngineState::WaitHeaderAnswer, {}});
    for (int k = 0; k < 3; ++k) flow.onTransferEvent(acked(k + 1));
    EXPECT_EQ(view.progress.back(), std::make_pair(68 * 3 / 400, std::string("Downloading 0% ...")));
    flow.onTransferEvent(writing(250));
    EXPECT_EQ(view.progress.back(), std::make_pair(100, std::string("Downloading 100% ...")));
    flow.onTransferEvent(writing(-3));
    EXPECT_EQ(view.progress.back(), std::make_pair(0, std::string("Downloading 0% ...")));
    flow.cancel();
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].dialect, std::optional(ReceiverDialect::InfoRecord));
}

// ---------------------------------------------------------------------------
// Where an upload's data went, as its end says it: the kind, the target and
// the recovery file agree with the files on the disk in every case.

TEST_F(FlowTest, UploadResultSaysWhereTheDataWent) {
    using Kind = UploadResult::Kind;
    const Bytes file = irzFile(20000);
    Bytes garbage = patternBytes(20000, 5);
    std::copy_n("IRZ", 3, garbage.begin());
    struct Case {
        const char* name;
        std::vector<std::string> stb;  // empty: the STB is off
        Bytes served;
        bool targetFolderMissing;
        Kind kind;
        TransferOutcome outcome;
    };
    const std::vector<Case> cases = {
        {"saved", {}, file, false, Kind::Saved, TransferOutcome::Succeeded},
        {"restarted before the end",
         {"--fault", "restart@upload-eot"},
         file,
         false,
         Kind::Recovered,
         TransferOutcome::Failed},
        {"not channel data", {}, garbage, false, Kind::Recovered, TransferOutcome::Failed},
        {"a block failed", {"--upload-fault", "bad-crc:4"}, file, false, Kind::NotSaved, TransferOutcome::Failed},
        {"the STB is off", {}, {}, false, Kind::NotSaved, TransferOutcome::NotStarted},
        {"no folder for the target", {}, file, true, Kind::Refused, TransferOutcome::NotStarted},
    };
    const Bytes previous = irzFile(6000);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir here;
        const auto target =
            c.targetFolderMissing ? here.file("missing") / "stbdata.irz" : here.write("stbdata.irz", previous);
        view.target = target;
        view.ends.clear();
        const auto options = c.served.empty() ? ackBootLoader() : application(c.served, c.stb);
        SimulatedStb stb(link, options);
        loop.advance(1000);  // a link test that began before this STB was there has ended
        flow.uploadClicked();
        ASSERT_TRUE(loop.runUntil([&] { return !view.ends.empty(); }, 120000));
        loop.advance(1000);  // what the STB still says goes to nobody
        const FlowEnd& end = view.ends.back();
        EXPECT_EQ(end.outcome, c.outcome);
        EXPECT_FALSE(end.dialect);  // an upload has no header block of ours
        ASSERT_TRUE(end.upload);
        const UploadResult& result = *end.upload;
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.target, target);
        EXPECT_EQ(result.kind == Kind::Saved, c.outcome == TransferOutcome::Succeeded);
        EXPECT_EQ(result.reason.empty(), result.kind == Kind::Saved || c.served.empty());
        if (!c.targetFolderMissing) EXPECT_EQ(readFile(target), result.kind == Kind::Saved ? file : previous);
        EXPECT_EQ(result.kept.empty(), result.kind != Kind::Recovered);
        if (result.kind == Kind::Recovered) {
            // What arrived: the announced file, or all of it (whole blocks) when that is no channel data.
            const Bytes kept = readFile(result.kept);
            ASSERT_GE(kept.size(), c.served.size());
            EXPECT_TRUE(std::equal(c.served.begin(), c.served.end(), kept.begin()));
            EXPECT_EQ(result.kept, keptFile(view));
        }
        EXPECT_FALSE(flow.busy());
    }
}
