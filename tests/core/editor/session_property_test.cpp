// Long random sequences of session operations on the demo and the full
// database. After every step: the packed state passes the check before
// saving; a step that records no edit changes no byte; undo and redo walk
// the same states; a no-op edit changes nothing. At the end of each stretch:
// undo back to its start gives its payload byte for byte, redo gives the
// same states again, and after save and reopen the session equals the file.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "database/backup_blob.h"
#include "database/channel_data_document.h"
#include "database/channel_data_file.h"
#include "database/demo_data.h"
#include "database/integrity_check.h"
#include "database/receiver_database.h"
#include "editor/session_driver.h"
#include "support/temp_dir.h"

namespace dorvane::test {
namespace {

std::string findingsText(const std::vector<std::uint8_t>& payload) {
    auto db = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*db, payload) != UnpackResult::Ok) return "does not unpack";
    std::string text;
    for (const IntegrityFinding& f : checkIntegrity(*db)) text += f.text + "\n";
    return text;
}

class SessionPropertyTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        setDiagnosticSink([](std::string_view) {});
        auto source = std::make_unique<ReceiverDatabase>();
        full_ = GetParam();
        full_ ? fillFullDatabase(*source, 7) : fillDemoDatabase(*source);
        path_ = dir_.write("stbdata.irz", packedBytes(*source));
        ASSERT_TRUE(document_.read(path_).ok());
        ASSERT_TRUE(session_.open().ok());
    }
    void TearDown() override { setDiagnosticSink({}); }

    // One stretch of steps from a fresh open.
    void runStretch(SessionDriver& driver, int steps);
    void checkStep(SessionStep step, std::size_t undoBefore, std::size_t redoBefore);
    void walkBackAndForth();
    void saveAndReopen();

    TempDir dir_;
    std::filesystem::path path_;
    ChannelDataDocument document_;
    ScriptedQuestions questions_;
    EditorSession session_{document_, questions_};
    bool full_ = false;
    // The payload at each undo depth of the current branch.
    std::vector<std::vector<std::uint8_t>> timeline_;
    int edits_ = 0;
    int saves_ = 0;
    int copies_ = 0;
    int cleanUps_ = 0;
};

void SessionPropertyTest::checkStep(SessionStep step, std::size_t undoBefore, std::size_t redoBefore) {
    const std::vector<std::uint8_t> payload = packedBytes(session_.database());
    ASSERT_FALSE(payload.empty());
    const std::size_t depth = session_.history().undoDepth();
    if (step == SessionStep::Undo || step == SessionStep::Redo) {
        ASSERT_LT(depth, timeline_.size());
        EXPECT_EQ(payload, timeline_[depth]) << "undo/redo reached another state";
        return;
    }
    if (depth == undoBefore + 1 && session_.history().redoDepth() == 0) {
        ++edits_;
        if (step == SessionStep::CopyFromFile) ++copies_;
        if (step == SessionStep::CleanUp) ++cleanUps_;
        timeline_.resize(depth);
        timeline_.push_back(payload);
    } else {
        ASSERT_EQ(depth, undoBefore);
        ASSERT_EQ(session_.history().redoDepth(), redoBefore);
        // A save renumbers the channels as the file holds them; anything
        // else that records no edit changes no byte.
        if (step == SessionStep::Save) timeline_[depth] = payload;
        EXPECT_EQ(payload, timeline_[depth]) << "changed without an edit, step " << static_cast<int>(step);
    }
    EXPECT_EQ(findingsText(payload), "");
}

void SessionPropertyTest::runStretch(SessionDriver& driver, int steps) {
    timeline_ = {packedBytes(session_.database())};
    for (int i = 0; i < steps; ++i) {
        const std::size_t undoBefore = session_.history().undoDepth();
        const std::size_t redoBefore = session_.history().redoDepth();
        const SessionStep step = driver.step();
        ASSERT_FALSE(session_.isMovePending());
        ASSERT_FALSE(session_.isAddOpen());
        checkStep(step, undoBefore, redoBefore);
        if (HasFatalFailure()) return;
        if (i % 5 == 0) EXPECT_TRUE(driver.noOpEditChangesNothing());
        if (step == SessionStep::Save) {
            ++saves_;
            EXPECT_FALSE(session_.isDirty());
            auto reopened = std::make_unique<ChannelDataDocument>();
            ASSERT_TRUE(reopened->open(path_).ok());
            EXPECT_EQ(packedBytes(reopened->database()), packedBytes(session_.database()))
                << "the session differs from the file it saved";
        }
    }
}

void SessionPropertyTest::walkBackAndForth() {
    const std::size_t end = session_.history().undoDepth() + session_.history().redoDepth();
    ASSERT_LT(end, timeline_.size());
    while (session_.history().canUndo()) {
        session_.undo();
        EXPECT_EQ(packedBytes(session_.database()), timeline_[session_.history().undoDepth()]);
    }
    EXPECT_EQ(packedBytes(session_.database()), timeline_[0]) << "undo did not reach the start";
    while (session_.history().canRedo()) {
        session_.redo();
        EXPECT_EQ(packedBytes(session_.database()), timeline_[session_.history().undoDepth()]);
    }
    EXPECT_EQ(session_.history().undoDepth(), end);
}

void SessionPropertyTest::saveAndReopen() {
    ASSERT_TRUE(session_.save());
    auto reopened = std::make_unique<ChannelDataDocument>();
    ASSERT_TRUE(reopened->open(path_).ok());
    const std::vector<std::uint8_t> saved = packedBytes(session_.database());
    EXPECT_EQ(packedBytes(reopened->database()), saved);
    EXPECT_TRUE(reopened->losses().notRead().empty());
    EXPECT_FALSE(reopened->isReadOnly());
    for (int n = 0; n < kChannelSlots; ++n) {
        ASSERT_EQ(std::memcmp(&reopened->database().channel(n), &session_.database().channel(n), kChannelCommonSize), 0)
            << "channel " << n;
    }
    ASSERT_TRUE(document_.read(path_).ok());
    ASSERT_TRUE(session_.open().ok());
    EXPECT_EQ(packedBytes(session_.database()), saved);
}

TEST_P(SessionPropertyTest, LongRandomSequencesKeepEveryStateTrue) {
    std::mt19937 random(GetParam() ? 1234u : 99u);
    SessionDriver driver(session_, questions_, [&random](unsigned count) { return random() % count; });
    // A second file to copy from: another full list.
    auto second = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*second, 31);
    driver.setCopySource(second.get());
    const int stretches = full_ ? 5 : 10;
    const int steps = full_ ? 60 : 90;  // fewer edits than the history keeps
    for (int s = 0; s < stretches; ++s) {
        runStretch(driver, steps);
        if (HasFatalFailure()) return;
        walkBackAndForth();
        saveAndReopen();
        if (HasFatalFailure()) return;
    }
    // The sequences did edit (not only choose and select) and save.
    EXPECT_GT(edits_, stretches * steps / 6);
    EXPECT_GT(saves_, 0);
    EXPECT_GT(copies_, 0) << "no copy from the second file was an edit";
    EXPECT_GT(cleanUps_, 0) << "no removal of unused transponders was an edit";
}

INSTANTIATE_TEST_SUITE_P(DemoAndFull, SessionPropertyTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Full" : "Demo"; });

}  // namespace
}  // namespace dorvane::test
