#include "editor/session_property.h"

#include <cstring>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_file.h"
#include "core/database/demo_data.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"

namespace dorvane::test {

int channelCount(const ReceiverDatabase& db) {
    int count = 0;
    for (int n = 0; n < kChannelSlots; ++n) count += channelFree(db.channel(n)) ? 0 : 1;
    return count;
}

std::string findingsText(const std::vector<std::uint8_t>& payload) {
    auto db = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*db, payload) != UnpackResult::Ok) return "does not unpack";
    std::string text;
    for (const IntegrityFinding& f : checkIntegrity(*db)) text += f.text + "\n";
    return text;
}

void SessionPropertyTest::SetUp() {
    auto source = std::make_unique<ReceiverDatabase>();
    full_ = GetParam();
    full_ ? fillFullDatabase(*source, 7) : fillDemoDatabase(*source);
    original_ = packedBytes(*source);
    originalChannels_ = channelCount(*source);
    reopenOriginal();
}

void SessionPropertyTest::reopenOriginal() {
    path_ = dir_.write("stbdata.irz", original_);
    ASSERT_TRUE(document_.read(path_).ok());
    ASSERT_TRUE(session_.open().ok());
}

void SessionPropertyTest::checkStep(SessionStep step, std::size_t undoBefore, std::size_t redoBefore) {
    const std::vector<std::uint8_t> payload = packedBytes(session_.database());
    const std::size_t depth = session_.history().undoDepth();
    if (payload.empty()) {
        // Only an edit may make the list too big for the STB's memory; the
        // stretch ends there (runSequences checks that saving refuses it).
        ASSERT_EQ(depth, undoBefore + 1) << "does not pack after step " << static_cast<int>(step);
        overflowed_ = true;
        timeline_.resize(depth);
        timeline_.push_back(payload);
        return;
    }
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

void SessionPropertyTest::runSequences(SessionDriver& driver) {
    copySource_ = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*copySource_, 31);
    driver.setCopySource(copySource_.get());
    const int stretches = full_ ? 5 : 10;
    const int steps = full_ ? 60 : 90;  // fewer edits than the history keeps
    for (int s = 0; s < stretches; ++s) {
        // Stretches that deleted most of the channels leave the next ones
        // little to work on: those start from the original file again.
        if (channelCount(session_.database()) < originalChannels_ / 4) reopenOriginal();
        if (HasFatalFailure()) return;
        runStretch(driver, steps);
        if (HasFatalFailure()) return;
        walkBackAndForth();
        overflowed_ ? refuseToSaveWhatDoesNotFit() : saveAndReopen();
        if (HasFatalFailure()) return;
    }
    // The sequences did edit (not only choose and select) and save.
    EXPECT_GT(edits_, stretches * steps / 6);
    EXPECT_GT(saves_, 0);
}

void SessionPropertyTest::runStretch(SessionDriver& driver, int steps) {
    timeline_ = {packedBytes(session_.database())};
    for (int i = 0; i < steps; ++i) {
        const std::size_t undoBefore = session_.history().undoDepth();
        const std::size_t redoBefore = session_.history().redoDepth();
        SessionStep step = SessionStep::Import;
        if (importEvery_ > 0 && i % importEvery_ == importEvery_ - 1)
            driver.step(step);
        else
            step = driver.step();
        ++stepsRun_;
        ASSERT_FALSE(session_.isMovePending());
        ASSERT_FALSE(session_.isAddOpen());
        checkStep(step, undoBefore, redoBefore);
        if (HasFatalFailure() || overflowed_) return;
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

void SessionPropertyTest::refuseToSaveWhatDoesNotFit() {
    ++overflows_;
    const std::vector<std::uint8_t> onDisk = readFile(path_);
    ASSERT_FALSE(session_.save());
    ASSERT_FALSE(questions_.told.empty());
    EXPECT_EQ(questions_.told.back(), "Data is unavailable!");
    EXPECT_TRUE(session_.isDirty());
    EXPECT_EQ(readFile(path_), onDisk) << "a refused save touched the file";
    overflowed_ = false;
    reopenOriginal();
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

}  // namespace dorvane::test
