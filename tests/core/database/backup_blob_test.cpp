#include <gtest/gtest.h>

#include <cstring>

#include "core/database/blob_shape.h"
#include "core/database/demo_data.h"
#include "database/blob_builder.h"
#include "database/database_fixture.h"

namespace dorvane {
namespace {

using test::channelCommon;
using test::makeBlob;
using test::PayloadBuilder;
using test::tableBytes;
using test::transponderOn;

// The sections of a receiver-shaped payload, filled by each test.
struct Scene {
    std::vector<std::uint8_t> prefix = std::vector<std::uint8_t>(96, 0);
    std::vector<SatelliteRecord> satellites = std::vector<SatelliteRecord>(164);
    std::vector<std::uint8_t> order = std::vector<std::uint8_t>(164, 0);
    std::vector<TransponderRecord> transponders = std::vector<TransponderRecord>(2000);
    PayloadBuilder channels;
    PayloadBuilder favorites;
    std::vector<std::uint8_t> names = std::vector<std::uint8_t>(288, 0);

    std::vector<std::uint8_t> payload() const {
        PayloadBuilder p;
        p.addBytes(prefix);
        for (const auto& s : satellites) p.add(s);
        p.addBytes(order);
        for (const auto& t : transponders) p.add(t);
        p.addBytes(channels.bytes()).zeros(5000 * 44 - channels.size());
        // Entries of no group fill the rest of the section.
        PayloadBuilder fav = favorites;
        while (fav.size() < 13824) fav.favorite(0xFF, 0, 0, 0, 0);
        p.addBytes(fav.bytes());
        p.addBytes(names);
        return p.bytes();
    }
    std::vector<std::uint8_t> blob() const { return makeBlob(receiverShapedHeader(), payload()); }
};

SatelliteRecord satelliteNamed(const char* name, std::int16_t location) {
    SatelliteRecord s{};
    setFixedText(s.name, name);
    s.location = location;
    s.dishPosition = 1;
    s.lnbFrequency = 10600;
    s.carried18 = 0x5A;
    return s;
}

class BackupBlobTest : public test::DatabaseTest {
protected:
    // Two satellites; transponder 0 (sat 1, 11778 H), 1 (sat 2, 12000 V),
    // 5 (sat 1, 11778 V).
    Scene scene() {
        Scene s;
        for (int i = 0; i < 96; ++i) s.prefix[i] = static_cast<std::uint8_t>(i + 1);
        s.satellites[0] = satelliteNamed("Alpha", 192);
        s.satellites[1] = satelliteNamed("Beta", 3550);
        s.satellites[2] = satelliteNamed("Gamma", 130);
        s.satellites[2].channelMark = 0x77;  // no channel: the import clears it
        s.order[0] = 2;
        s.order[1] = 1;
        s.transponders[0] = transponderOn(1, 11778, 1);
        s.transponders[1] = transponderOn(2, 12000, 0);
        s.transponders[5] = transponderOn(1, 11778, 0);
        std::memcpy(s.names.data(), "News", 4);
        return s;
    }
};

TEST_F(BackupBlobTest, ReceiverShapedBlobFillsTheTablesAndImportsChannelsWithinOneMegahertz) {
    Scene s = scene();
    s.channels.channel(channelCommon("A", 1, kFlagTv), 11778, 0, 1)
        .channel(channelCommon("skipped", 9, kFlagTv), 0, 0, 1)
        .channel(channelCommon("B", 2, kFlagRadio), 12000, 1, 0)
        .channel(channelCommon("C", 3, kFlagTv), 11777, 0, 0)
        .channel(channelCommon("D", 4, kFlagTv), 11780, 0, 1)  // 2 MHz off: dropped
        .channel(channelCommon("E", 5, kFlagTv), 11779, 0, 1)
        .channel(channelCommon("F", 6, kFlagTv), 12000, 1, 1)  // wrong polarisation: dropped
        .channel(channelCommon("G", 7, kFlagTv), 12100, 1, 0)  // polarisation byte 2 is not 0: dropped
        .channel(channelCommon("H", 8, kFlagTv), 12101, 1, 2);
    s.transponders[7] = transponderOn(2, 12100, 2);
    const auto blob = s.blob();
    ASSERT_EQ(unpackBackup(*db, blob, nullptr, sink), UnpackResult::Ok);

    EXPECT_EQ(fixedText(db->satellite(0).name), "Alpha");
    EXPECT_EQ(db->satellite(0).carried18, 0x5A);
    EXPECT_EQ(db->satellite(1).location, 3550);
    EXPECT_EQ(db->orderEntry(0), 2);
    EXPECT_EQ(db->orderEntry(1), 1);
    EXPECT_EQ(db->transponder(5).frequency, 11778);
    EXPECT_EQ(db->prefix()[95], 96);
    EXPECT_EQ(db->tvGroupName(0), "News");
    EXPECT_EQ(std::memcmp(&db->storedHeader(), blob.data(), 32), 0);

    const char* names[] = {"A", "B", "C", "E", "H"};
    const int transponders[] = {0, 1, 5, 0, 7};
    const int satellites[] = {0, 1, 0, 0, 1};
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(fixedText(db->channel(n).name), names[n]);
        EXPECT_EQ(db->channel(n).transponder, transponders[n]);
        EXPECT_EQ(db->channel(n).satellite, satellites[n]);
    }
    EXPECT_EQ(db->channel(5).lead, 0x80);
    EXPECT_EQ(fixedText(db->channel(5).name), "----");
    EXPECT_EQ(db->channel(4999).lead, 0x80);
    EXPECT_EQ(db->satellite(0).channelMark, kChannelMarkFound);
    EXPECT_EQ(db->satellite(1).channelMark, kChannelMarkFound);
    EXPECT_EQ(db->satellite(2).channelMark, 0);
    EXPECT_EQ(diagnostics, std::vector<std::string>(3, "Invalid value in Factory_PGM\n"));

    EXPECT_EQ(std::vector<int>(db->tvList().begin(), db->tvList().end()), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(std::vector<int>(db->radioList().begin(), db->radioList().end()), (std::vector<int>{1}));
}

TEST_F(BackupBlobTest, FavouritesResolveByServiceIdAndTransponderApartFromTheLowestFrequencyBit) {
    Scene s = scene();
    s.channels
        .channel(channelCommon("A", 1, kFlagTv), 11778, 0, 1)         // channel 0
        .channel(channelCommon("B", 2, kFlagTv), 12000, 1, 0)         // channel 1
        .channel(channelCommon("twin", 7, kFlagTv), 12000, 1, 0)      // channel 2
        .channel(channelCommon("twin too", 7, kFlagTv), 12000, 1, 0)  // channel 3
        .channel(channelCommon("lost", 8, kFlagTv), 11900, 0, 1)      // dropped
        .channel(channelCommon("C", 3, kFlagTv), 11778, 0, 0);        // channel 4
    s.favorites
        .favorite(0, 0, 1, 11779, 1)   // A: 11779 and 11778 differ in the lowest bit only
        .favorite(0, 0, 1, 11777, 1)   // 11777 is not 11778 apart from the lowest bit
        .favorite(1, 1, 0, 12000, 7)   // group 1 entries stand between group 0's
        .favorite(0, 0, 1, 11900, 8)   // the dropped channel
        .favorite(0, 1, 0, 12001, 2)   // B
        .favorite(0, 0, 0, 0, 0)       // an empty entry ends group 0
        .favorite(0, 0, 0, 11778, 3)   // never read
        .favorite(1, 0, 0, 11778, 3);  // C
    ASSERT_EQ(unpackBackup(*db, s.blob()), UnpackResult::Ok);

    // Entries without a channel leave no hole: the members stay packed.
    EXPECT_EQ(db->groupSlot(0, 0), 0);
    EXPECT_EQ(db->groupSlot(0, 1), 1);
    EXPECT_EQ(db->groupSlot(0, 2), -1);
    EXPECT_EQ(db->groupSize(0), 2);
    // Equal service ids on one transponder: the lower channel.
    EXPECT_EQ(db->groupSlot(1, 0), 2);
    EXPECT_EQ(db->groupSlot(1, 1), 4);
    EXPECT_EQ(db->groupSize(1), 2);
    for (int g = 2; g < kFavoriteGroups; ++g) EXPECT_EQ(db->groupSize(g), 0) << g;
    EXPECT_EQ(db->groupSlot(11, 143), -1);
}

TEST_F(BackupBlobTest, OtherRecordSizesAndCountsReadWhatTheyHoldAndStartFromEmptyTables) {
    // What an earlier file left in the tables beyond the new file's sections
    // is gone: every unpack starts from empty tables.
    db->satellite(3) = satelliteNamed("Stale", 100);
    db->transponder(3) = transponderOn(4, 12345, 0);
    db->prefix()[10] = 0x99;

    // 40-byte satellite records (32 bytes used), 20-byte transponders
    // (16 used), then 19-byte satellites and 10-byte transponders.
    for (const bool wide : {true, false}) {
        SCOPED_TRACE(wide);
        const std::uint16_t satSize = wide ? 40 : 20;
        const std::uint16_t tpSize = wide ? 20 : 10;
        PayloadBuilder p;
        p.zeros(96);
        for (int i = 0; i < 3; ++i) {
            SatelliteRecord s = satelliteNamed(wide ? "Wide" : "Narrow", static_cast<std::int16_t>(100 + i));
            const auto* b = reinterpret_cast<const std::uint8_t*>(&s);
            std::vector<std::uint8_t> record(b, b + 32);
            record.resize(satSize - 1u, 0xAB);
            p.addBytes(record);
        }
        p.addBytes({3, 1, 2});
        for (int i = 0; i < 3; ++i) {
            TransponderRecord t = transponderOn(1, static_cast<std::uint16_t>(11000 + i * 100), 0);
            t.carried12[3] = 0x42;
            const auto* b = reinterpret_cast<const std::uint8_t*>(&t);
            std::vector<std::uint8_t> record(b, b + 16);
            record.resize(tpSize, 0xCD);
            p.addBytes(record);
        }
        p.channel(channelCommon("Only", 5, kFlagTv), 11100, 0, 0);
        PayloadBuilder fav;
        fav.favorite(0, 0, 0, 11100, 5);
        while (fav.size() < 13824) fav.favorite(0xFF, 0, 0, 0, 0);
        p.addBytes(fav.bytes()).zeros(288);

        BackupHeader h = receiverShapedHeader();
        h.satelliteRecordSize = satSize;
        h.satelliteCount = 3;
        h.transponderRecordSize = tpSize;
        h.transponderCount = 3;
        h.channelCount = 1;
        db->satellite(1).carried30[1] = 0xEE;
        db->transponder(1).carried12[3] = 0x77;
        BlobLosses losses;
        ASSERT_EQ(unpackBackup(*db, makeBlob(h, p.bytes()), &losses), UnpackResult::Ok);
        // Packing writes 33- and 16-byte records: such a file is not
        // written back.
        ASSERT_EQ(losses.shape.size(), 2u);
        EXPECT_EQ(losses.shape[0], "satellite records are " + std::to_string(satSize) + " bytes, not 33");
        EXPECT_EQ(losses.shape[1], "transponder records are " + std::to_string(tpSize) + " bytes, not 16");

        EXPECT_EQ(fixedText(db->satellite(0).name), wide ? "Wide" : "Narrow");
        EXPECT_EQ(db->satellite(2).location, 102);
        EXPECT_EQ(db->orderEntry(0), 3);
        EXPECT_EQ(db->orderEntry(2), 2);
        EXPECT_EQ(db->transponder(2).frequency, 11200);
        if (wide) {
            EXPECT_EQ(db->satellite(1).carried30[1], 0);
            EXPECT_EQ(db->transponder(1).carried12[3], 0x42);
        } else {
            // Only the first 19 (satellite) and 10 (transponder) bytes came
            // in; the rest of each record is empty, not the earlier file's.
            EXPECT_EQ(db->satellite(1).carried30[1], 0);
            EXPECT_EQ(db->transponder(1).carried12[3], 0);
            EXPECT_EQ(db->transponder(1).frequency, 11100);
        }
        EXPECT_EQ(fixedText(db->satellite(3).name), "");
        EXPECT_EQ(db->transponder(3).frequency, 0);
        EXPECT_EQ(db->prefix()[10], 0);
        EXPECT_EQ(fixedText(db->channel(0).name), "Only");
        EXPECT_EQ(db->channel(0).transponder, 1);
        EXPECT_EQ(db->groupSlot(0, 0), 0);
    }
}

TEST_F(BackupBlobTest, UnknownChannelAndFavouriteSizesLeaveBlankChannelsAndDefaultGroups) {
    PayloadBuilder p;
    p.zeros(96);
    p.add(satelliteNamed("S", 100)).addBytes({1}).add(transponderOn(1, 11000, 0));
    p.zeros(48);  // one 48-byte channel record
    p.favorite(0, 0, 0, 11000, 0).zeros(100);
    p.zeros(200);
    BackupHeader h = receiverShapedHeader();
    h.satelliteCount = 1;
    h.transponderCount = 1;
    h.channelRecordSize = 48;
    h.channelCount = 1;
    h.favoriteSectionSize = 108;
    h.favoriteNamesSize = 200;
    db->groupSlot(3, 0) = 7;
    ASSERT_EQ(unpackBackup(*db, makeBlob(h, p.bytes())), UnpackResult::Ok);
    EXPECT_EQ(db->channel(0).lead, 0x80);
    EXPECT_TRUE(channelFree(db->channel(0)));
    EXPECT_EQ(db->groupSlot(0, 0), -1);
    EXPECT_EQ(db->groupSlot(3, 0), -1);
    EXPECT_EQ(db->radioGroupName(0), "Fav 1");
    EXPECT_EQ(db->tvGroupName(4), "");
    EXPECT_EQ(db->tvGroupName(5), "Fav 1");
    EXPECT_EQ(db->tvGroupName(11), "Fav 7");
    EXPECT_EQ(db->radioGroupName(11), "Fav 12");
}

TEST_F(BackupBlobTest, PrefixKindsAreKeptAndPackedBack) {
    // Kind 1 with 200 bytes.
    PayloadBuilder p;
    std::vector<std::uint8_t> prefix(200);
    for (int i = 0; i < 200; ++i) prefix[i] = static_cast<std::uint8_t>(255 - i);
    p.addBytes(prefix).add(satelliteNamed("S", 100)).addBytes({1});
    p.zeros(2000 * 16 + 5000 * 44 + 13824 + 288);
    BackupHeader h = receiverShapedHeader();
    h.prefixKind = 1;
    h.prefixLength = 200;
    h.satelliteCount = 1;
    h.carried29 = 0x33;
    ASSERT_EQ(unpackBackup(*db, makeBlob(h, p.bytes())), UnpackResult::Ok);
    EXPECT_EQ(db->prefix()[199], 56);
    ASSERT_EQ(packBackup(*db, *buffer), PackResult::Ok);
    BackupHeader packed;
    std::memcpy(&packed, buffer->data(), sizeof packed);
    EXPECT_EQ(packed.prefixKind, 1);
    EXPECT_EQ(packed.prefixLength, 200);
    EXPECT_EQ(packed.carried29, 0x33);
    EXPECT_EQ(packed.satelliteCount, 1);
    EXPECT_EQ(packed.payloadSize, 33u + 200u + 266112u);
    auto again = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*again, *buffer), UnpackResult::Ok);
    EXPECT_EQ(tableBytes(*again), tableBytes(*db));

    // Kind 0 with another length: nothing stored, the sections behind it
    // are still found.
    PayloadBuilder q;
    q.zeros(50).add(satelliteNamed("Behind", 100)).addBytes({1});
    q.zeros(2000 * 16 + 5000 * 44 + 13824 + 288);
    h = receiverShapedHeader();
    h.prefixLength = 50;
    h.satelliteCount = 1;
    BlobLosses losses;
    ASSERT_EQ(unpackBackup(*db, makeBlob(h, q.bytes()), &losses), UnpackResult::Ok);
    EXPECT_EQ(fixedText(db->satellite(0).name), "Behind");
    // Nothing of the kind-1 prefix read before stays behind, and the 50
    // bytes would not be written back (a kind-0 save writes 96).
    EXPECT_EQ(db->prefix()[199], 0);
    EXPECT_EQ(losses.unwritable(), std::vector<std::string>{"the prefix is 50 bytes, not 96"});
}

TEST_F(BackupBlobTest, PackingAReceiverDatabaseOnNewYear2006GivesTheKnownHeader) {
    EXPECT_EQ(mjdToday(), 53736);
    ASSERT_EQ(unpackBackup(*db, scene().blob()), UnpackResult::Ok);
    diagnostics.clear();
    ASSERT_EQ(packBackup(*db, *buffer, sink), PackResult::Ok);
    const std::uint8_t expected[32] = {0x49, 0x52, 0x5A, 0x00, 0x04, 0x25, 0x04, 0x00, 0x60, 0x00, 0x00,
                                       0x36, 0x20, 0x01, 0xE8, 0xD1, 0x21, 0x00, 0xA4, 0x00, 0x10, 0x00,
                                       0xD0, 0x07, 0x2C, 0x00, 0x88, 0x13, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(buffer->data(), buffer->data() + 32),
              std::vector<std::uint8_t>(expected, expected + 32));
    std::uint32_t compressed = 0;
    std::memcpy(&compressed, buffer->data() + 32, 4);
    EXPECT_EQ(buffer->length(), compressed + 36);
    EXPECT_LT(compressed, kCompressedSizeLimit);
    EXPECT_EQ(diagnostics,
              std::vector<std::string>{"BACKUP data compressed to " + std::to_string(compressed) + " bytes\n"});
}

TEST_F(BackupBlobTest, APackedBlobSurvivesUnpackAndPackByteForByteApartFromTheDate) {
    fillDemoDatabase(*db);
    ASSERT_EQ(packBackup(*db, *buffer, 50000), PackResult::Ok);
    const std::vector<std::uint8_t> first(buffer->contents().begin(), buffer->contents().end());

    auto reread = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*reread, *buffer), UnpackResult::Ok);
    EXPECT_EQ(tableBytes(*reread), tableBytes(*db));
    ASSERT_EQ(packBackup(*reread, *buffer, 60000), PackResult::Ok);
    std::vector<std::uint8_t> second(buffer->contents().begin(), buffer->contents().end());
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(second[14] | second[15] << 8, 60000);
    second[14] = first[14];
    second[15] = first[15];
    EXPECT_EQ(second, first);
}

TEST_F(BackupBlobTest, AFullDatabaseSurvivesPackAndUnpackUnchanged) {
    for (const std::uint32_t seed : {1u, 77u}) {
        SCOPED_TRACE(seed);
        fillFullDatabase(*db, seed);
        ASSERT_EQ(packBackup(*db, *buffer), PackResult::Ok);
        auto reread = std::make_unique<ReceiverDatabase>();
        ASSERT_EQ(unpackBackup(*reread, *buffer), UnpackResult::Ok);
        EXPECT_EQ(tableBytes(*reread), tableBytes(*db));
        EXPECT_EQ(reread->tvList().size() + reread->radioList().size(), 5000u);
        EXPECT_EQ(reread->groupSize(11), 144);
    }
}

TEST_F(BackupBlobTest, EmptyAndDeletedSlotsPackAsEmptyRecordsWhileAChannelOnTransponderZeroIsKept) {
    Scene s = scene();
    s.channels.channel(channelCommon("On zero", 1, kFlagTv), 11778, 0, 1)
        .channel(channelCommon("On one", 2, kFlagTv), 12000, 1, 0)
        .channel(channelCommon("Gone", 3, kFlagTv), 12000, 1, 0)
        .channel(channelCommon("Last", 4, kFlagRadio), 12000, 1, 0);
    s.favorites.favorite(0, 1, 0, 12000, 3).favorite(0, 1, 0, 12000, 4);
    ASSERT_EQ(unpackBackup(*db, s.blob(), nullptr, sink), UnpackResult::Ok);
    ASSERT_EQ(db->channel(0).transponder, 0);
    db->deleteChannel(2);
    // A member pointing at a slot without a channel is left out of the file
    // rather than ending its group there.
    db->groupSlot(0, 1) = db->groupSlot(0, 0);
    db->groupSlot(0, 0) = 4;  // a blank slot
    ASSERT_EQ(packBackup(*db, *buffer, sink), PackResult::Ok);

    auto reread = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*reread, *buffer, nullptr, sink), UnpackResult::Ok);
    EXPECT_EQ(fixedText(reread->channel(0).name), "On zero");
    EXPECT_EQ(reread->channel(0).transponder, 0);
    EXPECT_EQ(fixedText(reread->channel(1).name), "On one");
    EXPECT_EQ(fixedText(reread->channel(2).name), "Last");
    EXPECT_EQ(reread->channel(3).lead, 0x80);
    EXPECT_EQ(reread->groupSlot(0, 0), 2);  // "Last", renumbered by the reread
    EXPECT_EQ(reread->groupSize(0), 1);
    EXPECT_TRUE(diagnostics.size() == 1);  // only the pack line: no record without a transponder
}

TEST_F(BackupBlobTest, MjdFollowsTheCalendar) {
    EXPECT_EQ(mjdFromDate(2006, 1, 1), 53736);
    EXPECT_EQ(mjdFromDate(1858, 11, 17), 0);
    EXPECT_EQ(mjdFromDate(2000, 2, 29) + 1, mjdFromDate(2000, 3, 1));
    EXPECT_EQ(mjdFromDate(2005, 12, 31) + 1, mjdFromDate(2006, 1, 1));
    EXPECT_EQ(mjdFromDate(2026, 12, 8), 61382);
    setDateSource([] { return CalendarDate{2000, 1, 1}; });
    EXPECT_EQ(mjdToday(), 51544);
}

// Every refused blob: the result names the fault and nothing of the
// database changes. Runs under the sanitizers as well.
TEST_F(BackupBlobTest, MalformedBlobsAreRefusedAndLeaveTheDatabaseAsItWas) {
    fillDemoDatabase(*db);
    const auto before = tableBytes(*db);
    const BackupHeader headerBefore = db->storedHeader();
    Scene s = scene();
    s.channels.channel(channelCommon("A", 1, kFlagTv), 11778, 0, 1);
    const auto good = s.blob();

    struct Case {
        const char* what;
        std::vector<std::uint8_t> blob;
        UnpackResult expected;
    };
    std::vector<Case> cases;
    auto variant = [&](const char* what, UnpackResult expected, auto change) {
        std::vector<std::uint8_t> b = good;
        change(b);
        cases.push_back({what, std::move(b), expected});
    };
    auto setU16 = [](std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) { std::memcpy(&b[at], &v, 2); };
    auto setU32 = [](std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) { std::memcpy(&b[at], &v, 4); };
    std::uint32_t compressed = 0;
    std::memcpy(&compressed, good.data() + 32, 4);

    variant("bad magic", UnpackResult::BadMagic, [](auto& b) { b[2] = 'X'; });
    variant("two bytes", UnpackResult::BadMagic, [](auto& b) { b.resize(2); });
    variant("header cut", UnpackResult::Truncated, [](auto& b) { b.resize(20); });
    variant("blob cut", UnpackResult::Truncated, [](auto& b) { b.resize(b.size() - 1); });
    variant("compressed size beyond the blob", UnpackResult::Truncated, [&](auto& b) { setU32(b, 32, 0xFFFFFFFF); });
    variant("compressed stream cut short", UnpackResult::DecompressionFailed,
            [&](auto& b) { setU32(b, 32, compressed / 2); });
    variant("end of the stream damaged", UnpackResult::DecompressionFailed,
            [&](auto& b) { std::fill(b.end() - 3, b.end(), std::uint8_t{0}); });
    variant("stream overwritten", UnpackResult::DecompressionFailed,
            [&](auto& b) { std::fill(b.begin() + 36, b.end(), std::uint8_t{0}); });
    variant("payload size larger than the stream gives", UnpackResult::DecompressionFailed,
            [&](auto& b) { setU32(b, 4, 271620 + 16); });
    variant("payload size zero", UnpackResult::BadLayout, [&](auto& b) { setU32(b, 4, 0); });
    variant("payload size huge", UnpackResult::BadLayout, [&](auto& b) { setU32(b, 4, 0xFFFFFFF0); });
    variant("prefix kind 2", UnpackResult::BadLayout, [](auto& b) { b[28] = 2; });
    variant("kind-1 prefix of 273 bytes", UnpackResult::BadLayout, [&](auto& b) {
        b[28] = 1;
        setU16(b, 8, 273);
        setU16(b, 18, 0);  // the sections would still fit the payload
    });
    variant("satellite record size 0", UnpackResult::BadLayout, [&](auto& b) { setU16(b, 16, 0); });
    for (const std::size_t field : {8, 10, 12, 16, 18, 20, 22, 24, 26}) {
        variant("a size or count of 0xFFFF", UnpackResult::BadLayout, [&](auto& b) { setU16(b, field, 0xFFFF); });
        variant("a size or count one too large", UnpackResult::BadLayout, [&](auto& b) {
            std::uint16_t v;
            std::memcpy(&v, &b[field], 2);
            setU16(b, field, static_cast<std::uint16_t>(v + (field == 18 ? 2 : 1)));
            setU32(b, 4, 271620);
        });
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        diagnostics.clear();
        EXPECT_EQ(unpackBackup(*db, c.blob, nullptr, sink), c.expected);
        const Status status = unpackStatus(c.expected);
        EXPECT_FALSE(status.ok());
        EXPECT_FALSE(status.message().empty());
        EXPECT_TRUE(tableBytes(*db) == before);
        EXPECT_EQ(std::memcmp(&db->storedHeader(), &headerBefore, sizeof headerBefore), 0);
        if (c.expected == UnpackResult::DecompressionFailed) {
            EXPECT_EQ(diagnostics.size(), 1u);
        }
    }
    EXPECT_EQ(unpackBackup(*db, good), UnpackResult::Ok);
}

TEST_F(BackupBlobTest, CountsAboveTheCapacitiesAreClippedToTheTables) {
    PayloadBuilder p;
    p.zeros(96);
    for (int i = 0; i < 200; ++i) p.add(satelliteNamed("Many", static_cast<std::int16_t>(i + 1)));
    std::vector<std::uint8_t> order(200);
    for (int i = 0; i < 200; ++i) order[i] = static_cast<std::uint8_t>(200 - i);
    p.addBytes(order);
    for (int t = 0; t < 2100; ++t) p.add(transponderOn(1, static_cast<std::uint16_t>(10000 + 2 * t), 0));
    for (int n = 0; n < 5100; ++n)
        p.channel(channelCommon("Ch", static_cast<std::uint16_t>(n), kFlagTv),
                  static_cast<std::uint16_t>(10000 + 2 * (n % 2000)), 0, 0);
    p.zeros(13824 + 288);
    BackupHeader h = receiverShapedHeader();
    h.satelliteCount = 200;
    h.transponderCount = 2100;
    h.channelCount = 5100;
    ASSERT_EQ(unpackBackup(*db, makeBlob(h, p.bytes())), UnpackResult::Ok);
    EXPECT_EQ(db->satellite(163).location, 164);
    EXPECT_EQ(db->orderEntry(0), 200);  // taken from behind all 200 records
    EXPECT_EQ(db->orderEntry(163), 37);
    EXPECT_EQ(db->transponder(1999).frequency, 10000 + 2 * 1999);
    EXPECT_EQ(db->channel(4999).serviceId, 4999);
    EXPECT_EQ(db->channel(4999).transponder, 999);
}

}  // namespace
}  // namespace dorvane

namespace dorvane {
namespace {

using test::channelCommon;
using test::makeBlob;
using test::PayloadBuilder;
using test::tableBytes;
using test::transponderOn;

class UnpackFaultsTest : public test::DatabaseTest {
protected:
    // Satellite 1 with transponders 0 (11778 V), 1 (11779 V) and 2 (12000 H).
    Scene adjacent() {
        Scene s;
        s.satellites[0] = satelliteNamed("Alpha", 192);
        s.order[0] = 1;
        s.transponders[0] = transponderOn(1, 11778, 0);
        s.transponders[1] = transponderOn(1, 11779, 0);
        s.transponders[2] = transponderOn(1, 12000, 1);
        return s;
    }
};

TEST_F(UnpackFaultsTest, TwoFilesOneAfterTheOtherShareNothing) {
    // A full database first, then a small file that declares fewer
    // satellites and transponders and another prefix.
    auto full = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*full, 7);
    full->prefix()[5] = 0x55;
    ASSERT_EQ(packBackup(*full, *buffer), PackResult::Ok);
    ASSERT_EQ(unpackBackup(*db, *buffer), UnpackResult::Ok);
    ASSERT_GT(db->transponder(1500).frequency, 0);

    Scene s = adjacent();
    s.channels.channel(channelCommon("Only", 1, kFlagTv), 11778, 0, 0);
    PayloadBuilder p;
    p.addBytes(s.prefix);
    p.add(s.satellites[0]).addBytes({1});
    for (int t = 0; t < 3; ++t) p.add(s.transponders[static_cast<std::size_t>(t)]);
    p.addBytes(s.channels.bytes()).zeros(13824 + 288);
    BackupHeader h = receiverShapedHeader();
    h.satelliteCount = 1;
    h.transponderCount = 3;
    h.channelCount = 1;
    ASSERT_EQ(unpackBackup(*db, makeBlob(h, p.bytes())), UnpackResult::Ok);

    auto expected = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*expected, makeBlob(h, p.bytes())), UnpackResult::Ok);
    EXPECT_EQ(tableBytes(*db), tableBytes(*expected));
    EXPECT_EQ(db->transponder(1500).frequency, 0);
    EXPECT_EQ(db->satellite(5).dishPosition, 0);
    EXPECT_EQ(db->prefix()[5], 0);
}

TEST_F(UnpackFaultsTest, MoveMarksLeftInTheFileAreCleared) {
    Scene s = adjacent();
    s.channels.channel(channelCommon("Marked", 1, kFlagTv | kFlagMoveMark), 11778, 0, 0)
        .channel(channelCommon("Plain", 2, kFlagTv), 12000, 0, 1)
        .channel(channelCommon("Radio marked", 3, kFlagRadio | kFlagMoveMark | kFlagScrambled), 11779, 0, 0);
    s.favorites.favorite(0, 0, 0, 11779, 3);
    ASSERT_EQ(unpackBackup(*db, s.blob()), UnpackResult::Ok);
    EXPECT_EQ(db->channel(0).flags, kFlagTv);
    EXPECT_EQ(db->channel(2).flags, kFlagRadio | kFlagScrambled);
    // A move now takes only what is marked after the unpack.
    db->setMoveMark(1);
    db->moveMarkedChannels(0);
    EXPECT_EQ(fixedText(db->channel(0).name), "Plain");
    EXPECT_EQ(fixedText(db->channel(1).name), "Marked");
    EXPECT_EQ(fixedText(db->channel(2).name), "Radio marked");
}

TEST_F(UnpackFaultsTest, AdjacentTranspondersKeepTheirChannelsAndFavouritesThroughARepack) {
    Scene s = adjacent();
    s.channels.channel(channelCommon("On 11779", 1, kFlagTv), 11779, 0, 0)
        .channel(channelCommon("On 11778", 1, kFlagTv), 11778, 0, 0)
        .channel(channelCommon("Near 11780", 2, kFlagTv), 11780, 0, 0);  // nothing exact: 11779
    s.favorites.favorite(0, 0, 0, 11778, 1).favorite(0, 0, 0, 11779, 1).favorite(0, 0, 0, 11779, 2);
    ASSERT_EQ(unpackBackup(*db, s.blob()), UnpackResult::Ok);
    EXPECT_EQ(db->channel(0).transponder, 1);
    EXPECT_EQ(db->channel(1).transponder, 0);
    EXPECT_EQ(db->channel(2).transponder, 1);
    EXPECT_EQ(db->groupSlot(0, 0), 1);
    EXPECT_EQ(db->groupSlot(0, 1), 0);
    EXPECT_EQ(db->groupSlot(0, 2), 2);

    // A plain repack changes nothing: the same tables come back.
    ASSERT_EQ(packBackup(*db, *buffer), PackResult::Ok);
    auto again = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*again, *buffer), UnpackResult::Ok);
    EXPECT_EQ(tableBytes(*again), tableBytes(*db));
}

TEST_F(UnpackFaultsTest, WhatIsNotReadIsCountedAndMakesTheBlobUnwritable) {
    Scene s = adjacent();
    s.channels.channel(channelCommon("Kept", 1, kFlagTv), 11778, 0, 0)
        .channel(channelCommon("No transponder", 2, kFlagTv), 10000, 0, 0);
    s.favorites.favorite(0, 0, 0, 11778, 1).favorite(0, 0, 0, 11778, 99);
    std::vector<std::uint8_t> payload = s.payload();
    payload.insert(payload.end(), 7, 0xEE);  // behind the last section
    BlobLosses losses;
    ASSERT_EQ(unpackBackup(*db, makeBlob(receiverShapedHeader(), payload), &losses), UnpackResult::Ok);
    EXPECT_TRUE(losses.shape.empty());
    EXPECT_EQ(losses.channelRecordsWithoutTransponder, 1);
    EXPECT_EQ(losses.favouriteEntriesWithoutChannel, 1);
    EXPECT_EQ(losses.bytesBehindSections, 7u);
    EXPECT_EQ(losses.unwritable().size(), 2u);
    EXPECT_EQ(losses.notRead().size(), 3u);

    // Each unwritable shape of the header is named.
    BackupHeader h = receiverShapedHeader();
    EXPECT_TRUE(unwritableShape(h).empty());
    h.channelRecordSize = 40;
    h.favoriteNamesSize = 200;
    h.channelCount = 5001;
    h.satelliteCount = 165;
    h.transponderCount = 2001;
    h.favoriteSectionSize = 100;
    EXPECT_EQ(unwritableShape(h), (std::vector<std::string>{
                                      "channel records are 40 bytes, not 44", "the favourites are 100 bytes, not 13824",
                                      "the favourite names are 200 bytes, not 288",
                                      "the file declares 165 satellites, more than the 164 the table holds",
                                      "the file declares 2001 transponders, more than the 2000 the table holds",
                                      "the file declares 5001 channels, more than the 5000 the table holds"}));
}

}  // namespace
}  // namespace dorvane

namespace dorvane {
namespace {

TEST(BackupBlobCheck, OnlyAWholeBlobPasses) {
    const auto database = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*database);
    const auto buffer = std::make_unique<ChannelDataBuffer>();
    ASSERT_EQ(packBackup(*database, *buffer, 20000), PackResult::Ok);
    std::vector<std::uint8_t> blob(buffer->contents().begin(), buffer->contents().end());
    EXPECT_TRUE(checkBackupBlob(blob).ok());
    // Bytes behind the blob are read as nothing.
    auto padded = blob;
    padded.resize(blob.size() + 1000, 0x1A);
    EXPECT_TRUE(checkBackupBlob(padded).ok());
    // Every cut blob fails, as truncated or as not a blob at all.
    for (std::size_t n = 0; n < blob.size(); n += 97) {
        const Status cut = checkBackupBlob(std::span(blob.data(), n));
        EXPECT_FALSE(cut.ok()) << n;
        EXPECT_TRUE(cut.error() == Error::Truncated || cut.error() == Error::Corrupt) << n;
    }
    EXPECT_EQ(checkBackupBlob(std::span(blob.data(), blob.size() - 1)).error(), Error::Truncated);
    auto badMagic = blob;
    badMagic[1] = 'X';
    EXPECT_EQ(checkBackupBlob(badMagic).message(), "Invalid Backup Data");
    auto badPayload = blob;
    for (std::size_t i = kBlobHeaderSize; i < badPayload.size(); i += 5) badPayload[i] ^= 0x5A;
    EXPECT_FALSE(checkBackupBlob(badPayload).ok());
}

}  // namespace
}  // namespace dorvane
