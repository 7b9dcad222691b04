// The order of the whole channel table through the editor session: moves
// across satellites, move to a number, swap, sort and keep, and reference
// lists. Each checks the packed payload, that every favourite still names
// the record it named, and that one undo gives back the opened payload.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/channel_order.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor/session_driver.h"
#include "support/temp_dir.h"

namespace dorvane::test {
namespace {

// "19.2E", "30.0W".
std::string positionText(int location) {
    const int tenths = location <= 1800 ? location : 3600 - location;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + (location <= 1800 ? "E" : "W");
}

std::string recordBytes(const ReceiverDatabase& db, int n) {
    return std::string(reinterpret_cast<const char*>(&db.channel(n)), kChannelCommonSize + 3);
}

// Each group's members as the bytes of their records.
std::vector<std::vector<std::string>> favouriteRecords(const ReceiverDatabase& db) {
    std::vector<std::vector<std::string>> groups(kFavoriteGroups);
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < db.groupSize(g); ++s) groups[g].push_back(recordBytes(db, db.groupSlot(g, s)));
    }
    return groups;
}

// The used channels' records in channel-number order.
std::vector<std::string> usedInOrder(const ReceiverDatabase& db) {
    std::vector<std::string> records;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (!channelFree(db.channel(n))) records.push_back(recordBytes(db, n));
    }
    return records;
}

class SessionOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*source_);
        path_ = dir_.write("stbdata.irz", packedBytes(*source_));
        ASSERT_TRUE(document_.read(path_).ok());
        ASSERT_TRUE(session_.open().ok());
        opened_ = packedBytes(db());
        openedDb_ = std::make_unique<ReceiverDatabase>(db());
        favourites_ = favouriteRecords(db());
    }

    const ReceiverDatabase& db() const { return session_.database(); }
    // The edit was one step: favourites name their records, one undo gives
    // back the opened payload, redo the edited one.
    void expectOneStepKeepingFavourites() {
        EXPECT_EQ(favouriteRecords(db()), favourites_);
        const std::vector<std::uint8_t> edited = packedBytes(db());
        EXPECT_NE(edited, opened_);
        EXPECT_EQ(session_.history().undoDepth(), 1u);
        session_.undo();
        EXPECT_EQ(packedBytes(db()), opened_);
        EXPECT_FALSE(session_.isDirty());
        session_.redo();
        EXPECT_EQ(packedBytes(db()), edited);
    }

    TempDir dir_;
    std::filesystem::path path_;
    std::unique_ptr<ReceiverDatabase> source_;
    ChannelDataDocument document_;
    ScriptedQuestions questions_;
    EditorSession session_{document_, questions_};
    std::vector<std::uint8_t> opened_;
    std::unique_ptr<ReceiverDatabase> openedDb_;
    std::vector<std::vector<std::string>> favourites_;
};

TEST_F(SessionOrderTest, WithEverySatelliteChosenChannelsMoveAcrossSatellites) {
    ASSERT_EQ(session_.selectedLeft().size(), session_.leftRows().size());
    // A channel of the first satellite in front of one of another satellite.
    const int moving = 0;
    int destination = -1;
    for (int n : session_.channelRows()) {
        if (db().channel(n).satellite != db().channel(moving).satellite && n > 40) destination = n;
    }
    ASSERT_GE(destination, 0);
    const std::string movingBytes = recordBytes(db(), moving);
    const std::string destinationBytes = recordBytes(db(), destination);
    session_.selectChannels({moving});
    EXPECT_TRUE(session_.buttons().move);
    EXPECT_EQ(session_.whyDropIsRefused(EditorList::Channels, EditorList::Channels), "");
    session_.startMove();
    ASSERT_TRUE(session_.isMovePending());
    EXPECT_EQ(session_.channelRows().size(), 108u);  // the whole table to choose from
    session_.moveTo(destination);
    EXPECT_EQ(recordBytes(db(), destination - 1), movingBytes);
    EXPECT_EQ(recordBytes(db(), destination), destinationBytes);
    expectOneStepKeepingFavourites();

    // Some satellites but not all: still refused, and said.
    session_.selectLeft({session_.leftRows()[0], session_.leftRows()[1]});
    session_.selectChannels({session_.channelRows()[0]});
    EXPECT_FALSE(session_.buttons().move);
    EXPECT_NE(session_.whyMoveIsOff().find("single satellite"), std::string::npos);
    // A drop with every satellite chosen moves as well.
    session_.selectLeft(session_.leftRows());
    session_.selectChannels({100, 101});
    const std::string dropped = recordBytes(db(), 100);
    EXPECT_TRUE(session_.dropChannelsOnChannel(3).any());
    EXPECT_EQ(recordBytes(db(), 3), dropped);
    EXPECT_EQ(favouriteRecords(db()), favourites_);
}

TEST_F(SessionOrderTest, MoveToNumberPutsTheChosenAsOneBlockThere) {
    const std::vector<int> chosen{5, 60, 99};
    std::vector<std::string> bytes;
    for (int n : chosen) bytes.push_back(recordBytes(db(), n));
    std::vector<std::string> others;
    for (int n = 0; n < 108; ++n) {
        if (std::find(chosen.begin(), chosen.end(), n) == chosen.end()) others.push_back(recordBytes(db(), n));
    }
    session_.selectChannels(chosen);
    EXPECT_FALSE(session_.moveToNumber(kChannelSlots).any());  // beyond the table
    const Change changed = session_.moveToNumber(40);
    EXPECT_TRUE(changed.has(Change::Data));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(recordBytes(db(), 40 + k), bytes[static_cast<std::size_t>(k)]);
    // The rest keep their order around the block; the moved ones stay chosen.
    std::vector<std::string> rest;
    for (int n = 0; n < 108; ++n) {
        if (n < 40 || n > 42) rest.push_back(recordBytes(db(), n));
    }
    EXPECT_EQ(rest, others);
    EXPECT_EQ(session_.selectedChannels(), (std::vector<int>{40, 41, 42}));
    expectOneStepKeepingFavourites();
    // Where they stand already: no edit.
    session_.selectChannels({40, 41, 42});
    EXPECT_FALSE(session_.moveToNumber(40).any());
    EXPECT_EQ(session_.history().undoDepth(), 1u);
}

TEST_F(SessionOrderTest, SwapExchangesExactlyTwo) {
    const std::string a = recordBytes(db(), 3), b = recordBytes(db(), 77);
    session_.selectChannels({3, 77, 80});
    EXPECT_NE(session_.whyOrderIsOff(2), "");
    EXPECT_FALSE(session_.swapChannels().any());
    session_.selectChannels({3, 77});
    EXPECT_EQ(session_.whyOrderIsOff(2), "");
    EXPECT_TRUE(session_.swapChannels().any());
    EXPECT_EQ(recordBytes(db(), 3), b);
    EXPECT_EQ(recordBytes(db(), 77), a);
    expectOneStepKeepingFavourites();
}

TEST_F(SessionOrderTest, SortAndKeepOrdersTheChosenInTheirOwnNumbers) {
    // Over the whole list by name.
    session_.selectChannels(session_.channelRows());
    EXPECT_TRUE(session_.sortAndKeep(ChannelSortKey::Name).any());
    for (int n = 1; n < 108; ++n) EXPECT_LE(db().compareChannels(n - 1, n, 2), 0) << n;
    expectOneStepKeepingFavourites();
    session_.undo();
    // Within one satellite by name: only its channels' numbers change.
    const int slot = session_.leftRows()[2];
    session_.selectLeft({slot});
    const std::vector<int> own = session_.channelRows();
    session_.selectChannels(own);
    EXPECT_TRUE(session_.sortAndKeep(ChannelSortKey::Name).any());
    for (int n = 0; n < 108; ++n) {
        if (std::find(own.begin(), own.end(), n) == own.end()) {
            EXPECT_EQ(recordBytes(db(), n), recordBytes(*openedDb_, n));
        }
    }
    std::vector<int> sorted = own;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t k = 1; k < sorted.size(); ++k) EXPECT_LE(db().compareChannels(sorted[k - 1], sorted[k], 2), 0);
    expectOneStepKeepingFavourites();
    // Sorted already: no edit.
    session_.selectChannels(own);
    EXPECT_FALSE(session_.sortAndKeep(ChannelSortKey::Name).any());
    EXPECT_EQ(session_.history().undoDepth(), 1u);
    // By service id over the whole list.
    session_.selectLeft(session_.leftRows());
    session_.selectChannels(session_.channelRows());
    session_.sortAndKeep(ChannelSortKey::ServiceId);
    for (int n = 1; n < 108; ++n) EXPECT_LE(db().channel(n - 1).serviceId, db().channel(n).serviceId);
    EXPECT_EQ(favouriteRecords(db()), favourites_);
    // By satellite and frequency: the satellite order, then the frequency.
    session_.selectLeft(session_.leftRows());
    session_.selectChannels(session_.channelRows());
    session_.sortAndKeep(ChannelSortKey::SatelliteFrequency);
    for (int n = 1; n < 108; ++n) {
        const ChannelRecord& a = db().channel(n - 1);
        const ChannelRecord& b = db().channel(n);
        const int pa = db().satelliteOrderPosition(a.satellite), pb = db().satelliteOrderPosition(b.satellite);
        EXPECT_LE(pa, pb);
        if (pa == pb) {
            EXPECT_LE(db().transponder(a.transponder).frequency, db().transponder(b.transponder).frequency);
        }
    }
    EXPECT_EQ(favouriteRecords(db()), favourites_);
}

TEST_F(SessionOrderTest, AReferenceFileGivesItsOrderAndFavouritesInOneStep) {
    // The reference: the same channels in reverse order, with other groups.
    auto other = std::make_unique<ReceiverDatabase>(db());
    ChannelOrder reversed = unchangedOrder();
    std::reverse(reversed.begin(), reversed.begin() + 108);
    ASSERT_TRUE(reorderChannels(*other, reversed));
    other->setTvGroupName(5, "Evening");
    other->groupSlot(5, 0) = 7;
    const ChannelReference reference = referenceFromDatabase(*other);

    const ReferencePlan plan = session_.planReference(reference);
    EXPECT_EQ(plan.matched.size(), 108u);
    EXPECT_EQ(plan.byIdentity, 108);
    EXPECT_TRUE(plan.unmatched.empty() && plan.missing.empty());
    EXPECT_EQ(packedBytes(db()), opened_);  // the preview changes nothing

    // Without the favourites: the order, and the groups name their records.
    EXPECT_TRUE(session_.applyReference(reference, false).any());
    EXPECT_EQ(usedInOrder(db()), usedInOrder(*other));
    expectOneStepKeepingFavourites();
    session_.undo();
    // With them: byte for byte what the reference holds.
    ReferencePlan applied;
    session_.applyReference(reference, true, &applied);
    EXPECT_EQ(applied.matched.size(), 108u);
    EXPECT_EQ(packedBytes(db()), packedBytes(*other));
    EXPECT_EQ(db().tvGroupName(5), "Evening");
    session_.undo();
    EXPECT_EQ(packedBytes(db()), opened_);
}

TEST_F(SessionOrderTest, ATextReferenceMatchesByIdentityThenNameAndSaysWhatIsLeft) {
    const ChannelRecord& c50 = db().channel(50);
    const TransponderRecord& tp50 = db().transponder(c50.transponder);
    const SatelliteRecord& sat50 = db().satellite(c50.satellite);
    const ChannelRecord& c20 = db().channel(20);
    const TransponderRecord& tp20 = db().transponder(c20.transponder);
    // Channel 50 by identity one MHz off, channel 30 by its name, channel
    // 20 two MHz off (not it, and no name to fall back on), a name nobody has.
    const std::string text =
        std::string("# wanted first\n") + positionText(sat50.location) + "," + std::to_string(tp50.frequency + 1) +
        "," + std::string(polarisationText(tp50.polarisation)) + "," + std::to_string(c50.serviceId) + "\r\n" +
        fixedText(db().channel(30).name) + "\n" + std::to_string(c20.satellite + 1) + ";" +
        std::to_string(tp20.frequency + 2) + ";" + std::string(polarisationText(tp20.polarisation)) + ";" +
        std::to_string(c20.serviceId) + "\n\nNobody Has This Name\n";
    const Result<ChannelReference> reference = parseReferenceText(text);
    ASSERT_TRUE(reference.ok()) << reference.message();
    ASSERT_EQ(reference->channels.size(), 4u);
    const ReferencePlan plan = session_.planReference(reference.value());
    ASSERT_EQ(plan.matched.size(), 2u);
    EXPECT_EQ(plan.matched[0].channel, 50);
    EXPECT_FALSE(plan.matched[0].byName);
    EXPECT_TRUE(plan.matched[1].byName);
    EXPECT_EQ(plan.missing, (std::vector<int>{2, 3}));
    EXPECT_EQ(plan.unmatched.size(), 106u);
    EXPECT_EQ(referenceSummary(plan),
              "2 of 108 channels matched (1 by identity, 1 by name); 106 not matched go to "
              "the end from number 2; 2 reference entries found no channel");
    EXPECT_EQ(fixedText(db().channel(plan.matched[1].channel).name), fixedText(db().channel(30).name));
    const std::string b50 = recordBytes(db(), 50), b1 = recordBytes(db(), plan.matched[1].channel);
    const std::string b2 = recordBytes(db(), plan.unmatched[0]), b3 = recordBytes(db(), plan.unmatched[1]);
    session_.applyReference(reference.value(), true);  // a text has no favourites to take
    EXPECT_EQ(recordBytes(db(), 0), b50);
    EXPECT_EQ(recordBytes(db(), 1), b1);
    EXPECT_EQ(recordBytes(db(), 2), b2);  // the unmatched in their present order
    EXPECT_EQ(recordBytes(db(), 3), b3);
    expectOneStepKeepingFavourites();
}

TEST(ChannelReferenceText, ReadsTablesNamesAndRows) {
    const auto table = parseReferenceText(
        "\xEF\xBB\xBFnumber;name;satellite;frequency;polarisation;serviceId\n"
        "4;\"Caf\xC3\xA9, Kids\";12;11778;H(L);1201\n7;Radio;13E;10700;V(R);\n");
    ASSERT_TRUE(table.ok()) << table.message();
    ASSERT_EQ(table->channels.size(), 2u);
    EXPECT_EQ(table->channels[0].name, "Caf\xE9, Kids");  // Latin-1 as the records
    EXPECT_EQ(table->channels[0].satelliteNumber, 12);
    EXPECT_EQ(table->channels[0].polarisation, 1);
    EXPECT_EQ(table->channels[0].serviceId, 1201);
    EXPECT_EQ(table->channels[1].satelliteLocation, 130);
    EXPECT_FALSE(table->channels[1].hasIdentity());  // no service id: by name only
    EXPECT_FALSE(parseReferenceText("name,serviceId\n,\n").ok());

    const auto rows = parseReferenceText("30.0W\t12000\tV\t5\tSome Name\n19.2E,11000,X,5\n");
    ASSERT_TRUE(rows.ok());
    EXPECT_EQ(rows->channels[0].satelliteLocation, 3300);
    EXPECT_EQ(rows->channels[0].name, "Some Name");
    // A bad polarisation makes the line a name, as any other text.
    EXPECT_EQ(rows->channels[1].name, "19.2E,11000,X,5");
    EXPECT_FALSE(parseReferenceText("\n# only a comment\n").ok());
    EXPECT_FALSE(parseReferenceText(std::string("IRZ\0\0", 5)).ok());

    // Files: a channel-data file by its magic, a list otherwise; a huge or
    // missing file is refused without reading it.
    TempDir dir;
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    const auto fromFile = readChannelReference(dir.write("ref.irz", packedBytes(*db)));
    ASSERT_TRUE(fromFile.ok()) << fromFile.message();
    EXPECT_EQ(fromFile->channels.size(), 108u);
    EXPECT_TRUE(fromFile->hasFavourites);
    const std::string names = "Nova TV\n";
    const auto list = readChannelReference(dir.write("ref.txt", std::vector<std::uint8_t>(names.begin(), names.end())));
    ASSERT_TRUE(list.ok());
    EXPECT_FALSE(list->hasFavourites);
    const auto huge = dir.write("huge.txt", {'a'});
    std::filesystem::resize_file(huge, 17u << 20);
    EXPECT_NE(readChannelReference(huge).message().find("too large"), std::string::npos);
    EXPECT_EQ(readChannelReference(dir.path() / "none.txt").error(), Error::NotFound);
}

// Any order of the table keeps the favourites naming their records, and
// the moves, swaps and sorts are permutations.
TEST(ChannelOrder, EveryReorderKeepsFavouritesAndRecords) {
    auto db = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*db, 3);
    const auto favourites = favouriteRecords(*db);
    std::vector<std::string> all;
    for (int n = 0; n < kChannelSlots; ++n) all.push_back(recordBytes(*db, n));
    std::sort(all.begin(), all.end());
    std::mt19937 random(11);
    for (int round = 0; round < 12; ++round) {
        std::vector<int> some;
        for (int k = 0; k < 1 + static_cast<int>(random() % 600); ++k)
            some.push_back(static_cast<int>(random() % kChannelSlots));
        ChannelOrder order;
        switch (round % 4) {
            case 0: order = orderMovingTo(some, static_cast<int>(random() % kChannelSlots)); break;
            case 1: order = orderSwapping(some.front(), some.back()); break;
            case 2: order = orderSortingKept(*db, some, static_cast<ChannelSortKey>(random() % 3)); break;
            default: order = unchangedOrder(); std::shuffle(order.begin(), order.end(), random);
        }
        ASSERT_TRUE(reorderChannels(*db, order)) << round;
        EXPECT_EQ(favouriteRecords(*db), favourites) << round;
    }
    std::vector<std::string> after;
    for (int n = 0; n < kChannelSlots; ++n) after.push_back(recordBytes(*db, n));
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, all);
    ChannelOrder broken = unchangedOrder();
    broken[7] = 8;
    EXPECT_FALSE(reorderChannels(*db, broken));
}

// A reference made from a shuffled copy of the full database puts every
// channel back in that order.
TEST(ChannelOrder, AFullReferenceMatchesEveryChannel) {
    auto db = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*db, 5);
    auto shuffled = std::make_unique<ReceiverDatabase>(*db);
    ChannelOrder order = unchangedOrder();
    std::shuffle(order.begin(), order.end(), std::mt19937(2));
    ASSERT_TRUE(reorderChannels(*shuffled, order));
    const ReferencePlan plan = planReferenceOrder(*db, referenceFromDatabase(*shuffled));
    EXPECT_EQ(plan.matched.size(), 5000u);
    EXPECT_EQ(plan.byIdentity, 5000);
    applyReferencePlan(*db, referenceFromDatabase(*shuffled), plan, true);
    EXPECT_EQ(usedInOrder(*db), usedInOrder(*shuffled));
    EXPECT_TRUE(db->sameTables(*shuffled));
}

}  // namespace
}  // namespace dorvane::test
