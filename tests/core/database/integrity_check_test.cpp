#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/database/demo_data.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"
#include "database/blob_builder.h"

namespace dorvane {
namespace {

using test::channelCommon;
using test::transponderOn;

class IntegrityCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int s = 0; s < 2; ++s) {
            SatelliteRecord& sat = db->satellite(s);
            setFixedText(sat.name, s == 0 ? "Alpha" : "Beta");
            sat.location = static_cast<std::int16_t>(100 + s);
            sat.dishPosition = 1;
            db->orderEntry(s) = static_cast<std::uint8_t>(s + 1);
        }
        db->transponder(0) = transponderOn(1, 11778, 0);
        db->transponder(1) = transponderOn(2, 12000, 1);
        addChannel(0, 0, 100);
        addChannel(1, 1, 100);  // same service id, other transponder: fine
        db->groupSlot(0, 0) = 0;
    }
    void addChannel(int n, int transponder, std::uint16_t serviceId) {
        ChannelRecord& c = db->channel(n);
        const ChannelRecord common = channelCommon("Ch", serviceId, kFlagTv);
        std::memcpy(&c, &common, kChannelCommonSize);
        c.transponder = static_cast<std::uint16_t>(transponder);
        c.satellite = static_cast<std::uint8_t>(db->transponder(transponder).satellite - 1);
    }
    std::vector<IntegrityFinding::Kind> kinds() const {
        std::vector<IntegrityFinding::Kind> result;
        for (const auto& f : checkIntegrity(*db)) result.push_back(f.kind);
        return result;
    }

    std::unique_ptr<ReceiverDatabase> db = std::make_unique<ReceiverDatabase>();
};

TEST_F(IntegrityCheckTest, ASoundDatabaseAndTheGeneratedOnesHaveNoFindings) {
    EXPECT_TRUE(checkIntegrity(*db).empty());
    fillDemoDatabase(*db);
    EXPECT_TRUE(checkIntegrity(*db).empty());
    fillFullDatabase(*db, 11);
    EXPECT_TRUE(checkIntegrity(*db).empty());
}

TEST_F(IntegrityCheckTest, EachKindOfProblemIsFoundAndOnlyLostChannelsBlockTheSave) {
    addChannel(2, 0, 100);                            // duplicate of channel 0
    db->transponder(2) = transponderOn(1, 11779, 0);  // collides with 0
    db->transponder(3) = transponderOn(1, 11779, 1);  // other polarisation: fine
    db->transponder(4) = transponderOn(2, 11000, 0);
    addChannel(3, 4, 7);
    db->transponder(4).frequency = 0;  // channel 3 would be lost
    addChannel(4, 1, 8);
    db->transponder(1).satellite = 0;  // transponder 1 freed: channels 1 and 4 lost
    db->groupSlot(3, 0) = 4321;        // an empty slot
    db->orderEntry(1) = 0;             // Beta no longer in the order list
    const auto findings = checkIntegrity(*db);
    EXPECT_EQ(kinds(), (std::vector<IntegrityFinding::Kind>{
                           IntegrityFinding::DuplicateChannel, IntegrityFinding::CollidingTransponders,
                           IntegrityFinding::ChannelWithoutTransponder, IntegrityFinding::ChannelWithoutTransponder,
                           IntegrityFinding::ChannelWithoutTransponder, IntegrityFinding::FavouriteOnEmptySlot,
                           IntegrityFinding::SatelliteNotInOrder}));
    EXPECT_EQ(countLosingData(findings), 3);
    EXPECT_EQ(lossSummary(findings),
              "3 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz).");
    EXPECT_EQ(
        findings[0].text,
        "channel 2 \"Ch\" has the transponder (0) and service id (100) of channel 0 \"Ch\"; favourites of it come "
        "back as the other one");
    EXPECT_EQ(findings[1].text, "transponders 0 (11778 MHz) and 2 (11779 MHz) collide on satellite 1, V(R)");
    EXPECT_EQ(findings[2].text, "channel 1 \"Ch\" stands on transponder 1, which is not in use");
    EXPECT_EQ(findings[4].text, "channel 4 \"Ch\" stands on transponder 1, which is not in use");
    EXPECT_EQ(findings[3].text, "channel 3 \"Ch\" stands on transponder 4, which has no frequency (0 MHz)");
    EXPECT_EQ(findings[5].text, "favourite group 4 place 1 names channel 4321, which holds no channel");
    EXPECT_FALSE(findings[5].losesData);
    EXPECT_NE(findings[6].text.find("satellite 2 \"Beta\""), std::string::npos);
}

// The file keeps as many satellites and order places as its header says;
// the order list names satellites 1..163, each once. Saving warns (the
// operator may go on), it does not refuse.
TEST_F(IntegrityCheckTest, NumbersTheFileOrTheReceiverCannotHoldAreWarnedAbout) {
    std::memcpy(db->storedHeader().magic, "IRZ", 4);
    db->storedHeader().satelliteCount = 2;
    EXPECT_TRUE(checkIntegrity(*db).empty());
    db->orderEntry(2) = 1;    // Alpha a second time
    db->orderEntry(3) = 170;  // beyond the receiver's satellites
    db->storedHeader().satelliteCount = 4;
    db->transponder(1).satellite = 2;
    std::vector<std::string> texts;
    for (const auto& f : checkIntegrity(*db)) {
        EXPECT_EQ(f.kind, IntegrityFinding::NumberBeyondLimits);
        EXPECT_FALSE(f.losesData);
        texts.push_back(f.text);
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"satellite order place 3 names satellite 1 a second time",
                                        "satellite order place 4 names satellite 170, beyond the receiver's 163"}));
    db->orderEntry(2) = db->orderEntry(3) = 0;
    db->storedHeader().satelliteCount = 1;  // Beta, its order place and its transponder fall outside
    texts.clear();
    for (const auto& f : checkIntegrity(*db)) texts.push_back(f.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "satellite 2 \"Beta\" is beyond the 1 satellites the file holds and is not written",
                         "satellite order place 2 is beyond the 1 places the file holds and is not written",
                         "transponder 1 is on satellite 2, beyond the 1 satellites the file holds"}));
}

TEST(TransponderCollisionTest, WithinOneMegahertzOnTheSameSatelliteAndPolarisation) {
    EXPECT_TRUE(transpondersCollide(1, 0, 11778, 1, 0, 11779));
    EXPECT_TRUE(transpondersCollide(1, 0, 11778, 1, 0, 11778));
    EXPECT_FALSE(transpondersCollide(1, 0, 11778, 1, 0, 11780));
    EXPECT_FALSE(transpondersCollide(1, 0, 11778, 1, 1, 11778));
    EXPECT_FALSE(transpondersCollide(1, 0, 11778, 2, 0, 11778));
}

}  // namespace
}  // namespace dorvane
