// Copy from a second file, the duplicates filter and the removal of
// transponders without channels, on the editor session: what the packed
// file holds afterwards, the favourite groups, and that one undo takes each
// operation back whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"
#include "core/editor/channel_cleanup.h"
#include "editor/session_driver.h"
#include "support/temp_dir.h"

namespace dorvane::test {
namespace {

int usedChannels(const ReceiverDatabase& db) {
    int used = 0;
    for (int n = 0; n < kChannelSlots; ++n) used += !channelFree(db.channel(n));
    return used;
}

// The channel of `db` with this satellite position, frequency,
// polarisation and service id; -1 when there is none.
int findChannel(const ReceiverDatabase& db, int location, int frequency, int polarisation, int serviceId) {
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (channelFree(c) || c.serviceId != serviceId) continue;
        const TransponderRecord& tp = db.transponder(c.transponder);
        if (tp.frequency == frequency && (tp.polarisation != 0) == (polarisation != 0) &&
            db.satellite(tp.satellite - 1).location == location)
            return n;
    }
    return -1;
}

class SessionCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*source_);
    }

    // Opens the session on `target` as a file.
    void open(const ReceiverDatabase& target) {
        path_ = dir_.write("target.irz", packedBytes(target));
        ASSERT_TRUE(document_.read(path_).ok());
        ASSERT_TRUE(session_.open().ok());
        start_ = packedBytes(session_.database());
    }
    // What a save writes, read back as the receiver's file.
    std::unique_ptr<ChannelDataDocument> savedAndReopened() {
        EXPECT_TRUE(session_.save());
        auto reopened = std::make_unique<ChannelDataDocument>();
        EXPECT_TRUE(reopened->open(path_).ok());
        return reopened;
    }
    // One undo gives the opened file's bytes, one redo the copy again.
    void expectOneUndoStep() {
        const std::vector<std::uint8_t> after = packedBytes(session_.database());
        EXPECT_EQ(session_.history().undoDepth(), 1u);
        session_.undo();
        EXPECT_EQ(packedBytes(session_.database()), start_);
        EXPECT_FALSE(session_.isDirty());
        session_.redo();
        EXPECT_EQ(packedBytes(session_.database()), after);
    }

    TempDir dir_;
    std::filesystem::path path_;
    std::unique_ptr<ReceiverDatabase> source_;
    ChannelDataDocument document_;
    ScriptedQuestions questions_;
    EditorSession session_{document_, questions_};
    std::vector<std::uint8_t> start_;
};

TEST_F(SessionCopyTest, ASatelliteTheTargetLacksComesWithItsTranspondersAndChannels) {
    auto target = std::make_unique<ReceiverDatabase>(*source_);
    target->deleteSatellite(1);  // Meridan 13E: five transponders, twenty channels
    target->orderEntry(2) = 0;
    open(*target);
    const int before = usedChannels(session_.database());

    CopyReport report;
    session_.copyFrom(*source_, {.satellites = {1}}, std::nullopt, &report);
    EXPECT_TRUE(questions_.asked.empty()) << "no duplicates, no question";
    EXPECT_EQ(report.satellitesAdded, 1);
    EXPECT_EQ(report.transpondersAdded, 5);
    EXPECT_EQ(report.channelsAdded, 20);
    EXPECT_EQ(report.summary(), "20 channels added; 5 transponders added; 1 satellite added.");
    EXPECT_EQ(session_.selectedChannels().size(), 20u) << "the copied channels are the chosen ones";
    expectOneUndoStep();

    const auto reopened = savedAndReopened();
    const ReceiverDatabase& saved = reopened->database();
    EXPECT_EQ(usedChannels(saved), before + 20);
    EXPECT_TRUE(checkIntegrity(saved).empty());
    // Every channel of the satellite is in the file on a transponder of the
    // right satellite, frequency and polarisation, with its record.
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = source_->channel(n);
        if (channelFree(c) || c.satellite != 1) continue;
        const TransponderRecord& tp = source_->transponder(c.transponder);
        const int copy = findChannel(saved, 130, tp.frequency, tp.polarisation, c.serviceId);
        ASSERT_GE(copy, 0) << "channel " << n;
        EXPECT_EQ(std::memcmp(&saved.channel(copy), &c, kChannelCommonSize), 0) << "channel " << n;
        EXPECT_GE(copy, before) << "new channels end the list";
    }
    // The satellite is listed (it took a place in the order list).
    const auto listed = std::find_if(session_.leftRows().begin(), session_.leftRows().end(),
                                     [&](int slot) { return session_.database().satellite(slot).location == 130; });
    EXPECT_NE(listed, session_.leftRows().end());
}

// Source channels 36..39 (transponder 9) renamed: each choice on the same
// four duplicates.
TEST_F(SessionCopyTest, EachDuplicateChoiceDoesWhatItSaysInOneStep) {
    open(*source_);
    auto changed = std::make_unique<ReceiverDatabase>(*source_);
    for (int n = 36; n < 40; ++n) setFixedText(changed->channel(n).name, "Renamed " + std::to_string(n));
    const CopySelection selection{.transponders = {9}};
    const int groupsBefore = session_.database().groupSize(0);

    questions_.choice = 3;  // Cancel
    session_.copyFrom(*changed, selection);
    ASSERT_EQ(questions_.asked.size(), 1u);
    EXPECT_NE(questions_.asked[0].find("4 of the channels to copy are already in this file"), std::string::npos);
    EXPECT_EQ(packedBytes(session_.database()), start_);
    EXPECT_FALSE(session_.isDirty());

    questions_.choice = 0;  // Skip: nothing to do, no edit
    CopyReport report;
    session_.copyFrom(*changed, selection, std::nullopt, &report);
    EXPECT_EQ(report.duplicatesSkipped, 4);
    EXPECT_EQ(packedBytes(session_.database()), start_);
    EXPECT_EQ(session_.history().undoDepth(), 0u);

    questions_.choice = 1;  // Replace: same slots, new records, groups kept
    session_.copyFrom(*changed, selection, std::nullopt, &report);
    EXPECT_EQ(report.channelsReplaced, 4);
    EXPECT_EQ(usedChannels(session_.database()), 108);
    for (int n = 36; n < 40; ++n)
        EXPECT_EQ(fixedText(session_.database().channel(n).name), "Renamed " + std::to_string(n));
    EXPECT_EQ(session_.database().groupSize(0), groupsBefore);
    expectOneUndoStep();
    session_.undo();

    questions_.choice = 2;  // Keep both: four more channels, behind the last
    session_.copyFrom(*changed, selection, std::nullopt, &report);
    EXPECT_EQ(report.channelsAdded, 4);
    const ReceiverDatabase& db = session_.database();
    EXPECT_EQ(usedChannels(db), 112);
    for (int n = 108; n < 112; ++n) EXPECT_EQ(fixedText(db.channel(n).name), "Renamed " + std::to_string(n - 72));
    for (int n = 36; n < 40; ++n)
        EXPECT_EQ(std::memcmp(&db.channel(n), &source_->channel(n), sizeof(ChannelRecord)), 0);
    // The check before saving sees the twins, and saving asks.
    const auto findings = checkIntegrity(db);
    EXPECT_EQ(std::count_if(findings.begin(), findings.end(),
                            [](const IntegrityFinding& f) { return f.kind == IntegrityFinding::DuplicateChannel; }),
              4);
    EXPECT_EQ(session_.history().undoDepth(), 1u);
    session_.undo();
    EXPECT_EQ(packedBytes(session_.database()), start_);
}

TEST_F(SessionCopyTest, AFavouriteGroupComesWithItsNamesAndMembersOnce) {
    auto target = std::make_unique<ReceiverDatabase>(*source_);
    for (int s = 0; s < kGroupSlots; ++s) target->groupSlot(1, s) = -1;
    target->setTvGroupName(1, "");
    target->setRadioGroupName(1, "");
    target->deleteTransponder(20);  // members on it come along again
    open(*target);

    CopyReport report;
    questions_.choice = 0;  // Skip the channels that are here
    session_.copyFrom(*source_, {.groups = {1, 2}}, std::nullopt, &report);
    EXPECT_EQ(report.transpondersAdded, 1);
    EXPECT_GT(report.channelsAdded, 0);
    const ReceiverDatabase& db = session_.database();
    EXPECT_EQ(db.tvGroupName(1), "Sport");
    EXPECT_EQ(db.groupSize(1), 12);
    // Group 2 already had its twelve (or fewer, whose transponder went):
    // each member once.
    for (int g : {1, 2}) {
        for (int s = 0; s < db.groupSize(g); ++s) {
            for (int k = 0; k < s; ++k) EXPECT_NE(db.groupSlot(g, s), db.groupSlot(g, k)) << "group " << g;
        }
    }
    EXPECT_EQ(db.groupSize(2), 12);
    expectOneUndoStep();

    // In the file the groups name the same services as the source's.
    const auto reopened = savedAndReopened();
    const ReceiverDatabase& saved = reopened->database();
    for (int g : {1, 2}) {
        std::vector<int> want, got;
        for (int s = 0; s < 12; ++s) {
            want.push_back(source_->channel(source_->groupSlot(g, s)).serviceId);
            got.push_back(saved.channel(saved.groupSlot(g, s)).serviceId);
        }
        std::sort(want.begin(), want.end());
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, want) << "group " << g;
    }
}

TEST_F(SessionCopyTest, AFullTargetCopiesWhatFitsAndSaysWhatDidNot) {
    auto full = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*full, 7);
    open(*full);
    CopyReport report;
    session_.copyFrom(*source_, {.transponders = {0}}, DuplicateChoice::KeepBoth, &report);
    EXPECT_EQ(report.channelsAdded, 0);
    EXPECT_GT(report.notCopied, 0);
    EXPECT_NE(report.summary().find("not copied (no room)"), std::string::npos);
    EXPECT_EQ(usedChannels(session_.database()), kChannelSlots);
}

// Same identity (also across two transponders 1 MHz apart) and same name
// on one satellite; every listed channel has a twin, every other has none.
TEST_F(SessionCopyTest, TheDuplicatesFilterListsEveryTwinAndOnlyThem) {
    auto target = std::make_unique<ReceiverDatabase>(*source_);
    target->channel(5).serviceId = target->channel(4).serviceId;                 // same transponder 1
    setFixedText(target->channel(14).name, fixedText(target->channel(2).name));  // both on satellite 0
    const int spare = target->duplicateTransponder(0);
    target->transponder(spare).frequency = static_cast<std::uint16_t>(target->transponder(0).frequency + 1);
    const int moved = 60;  // a channel of satellite 3 goes to the twin transponder with channel 0's id
    target->channel(moved) = target->channel(0);
    target->channel(moved).transponder = static_cast<std::uint16_t>(spare);
    setFixedText(target->channel(moved).name, "Moved twin");
    open(*target);

    const ReceiverDatabase& db = session_.database();
    auto hasTwin = [&db](int n) {
        for (int m = 0; m < kChannelSlots; ++m) {
            if (m == n || channelFree(db.channel(m))) continue;
            const ChannelRecord& a = db.channel(n);
            const ChannelRecord& b = db.channel(m);
            const TransponderRecord& ta = db.transponder(a.transponder);
            const TransponderRecord& tb = db.transponder(b.transponder);
            const bool identity = a.serviceId == b.serviceId && ta.satellite == tb.satellite &&
                                  (ta.polarisation != 0) == (tb.polarisation != 0) &&
                                  std::abs(ta.frequency - tb.frequency) <= 1;
            if (identity || (a.satellite == b.satellite && fixedText(a.name) == fixedText(b.name))) return true;
        }
        return false;
    };
    auto twins = [&db, &hasTwin] {
        std::vector<int> expected;
        for (int n = 0; n < kChannelSlots; ++n)
            if (!channelFree(db.channel(n)) && hasTwin(n)) expected.push_back(n);
        return expected;
    };
    auto listedNow = [this] {
        std::vector<int> listed = session_.channelRows();
        std::sort(listed.begin(), listed.end());
        return listed;
    };
    session_.setView(EditorView::FavTv);
    session_.selectAllDuplicates();
    EXPECT_EQ(session_.view(), EditorView::Satellites);
    EXPECT_TRUE(session_.duplicatesOnly());
    const std::vector<int> listed = listedNow();
    const std::vector<int> expected = twins();
    EXPECT_EQ(listed, expected);
    for (int n : {0, 2, 4, 5, 14, moved}) EXPECT_TRUE(std::binary_search(listed.begin(), listed.end(), n)) << n;
    std::vector<int> chosen = session_.selectedChannels();
    std::sort(chosen.begin(), chosen.end());
    EXPECT_EQ(chosen, expected) << "all of them chosen in one step";
    EXPECT_EQ(duplicateChannels(db), expected);

    // Taking one twin away takes its partner off the list.
    session_.activate(EditorList::Channels);
    session_.selectChannels({5});
    session_.remove();
    EXPECT_EQ(listedNow(), twins());
    EXPECT_EQ(std::count(session_.channelRows().begin(), session_.channelRows().end(), 5), 0);
    session_.setDuplicatesOnly(false);
    EXPECT_EQ(session_.channelRows().size(), 107u);
}

TEST_F(SessionCopyTest, UnusedTranspondersGoInOneStepAfterTheQuestionWithTheirCount) {
    auto target = std::make_unique<ReceiverDatabase>(*source_);
    for (int n = 0; n < 8; ++n) target->deleteChannel(n);  // transponders 0 and 1 now carry none
    open(*target);

    EXPECT_EQ(session_.unusedTransponderCount(), 2);
    int removed = -1;
    questions_.answer = false;
    session_.removeUnusedTransponders(&removed);
    ASSERT_EQ(questions_.asked.size(), 1u);
    EXPECT_EQ(questions_.asked[0], "Remove 2 transponders without a channel?");
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(packedBytes(session_.database()), start_);
    EXPECT_FALSE(session_.isDirty());

    questions_.answer = true;
    session_.removeUnusedTransponders(&removed);
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(session_.unusedTransponderCount(), 0);
    EXPECT_TRUE(transponderFree(session_.database().transponder(0)));
    EXPECT_TRUE(transponderFree(session_.database().transponder(1)));
    EXPECT_EQ(session_.counts().transponders, 25);
    expectOneUndoStep();

    const auto reopened = savedAndReopened();
    EXPECT_EQ(usedChannels(reopened->database()), 100);
    EXPECT_TRUE(unusedTransponders(reopened->database()).empty());
    session_.removeUnusedTransponders(&removed);
    EXPECT_EQ(removed, 0);
    ASSERT_FALSE(questions_.told.empty());
    EXPECT_EQ(questions_.told.back(), "Every transponder carries a channel: none removed.");
}

}  // namespace
}  // namespace dorvane::test
