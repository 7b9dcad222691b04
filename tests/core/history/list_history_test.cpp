#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/history/history_keeper.h"
#include "core/history/list_history.h"
#include "support/temp_dir.h"

namespace dorvane::test {
namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> demoBlob(int renamedChannels = 0) {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    for (int n = 0; n < renamedChannels; ++n) setFixedText(db->channel(n).name, "Edit " + std::to_string(n));
    auto buffer = std::make_unique<ChannelDataBuffer>();
    EXPECT_EQ(packBackup(*db, *buffer, 20000), PackResult::Ok);
    const auto bytes = buffer->contents();
    return {bytes.begin(), bytes.end()};
}

KeptList kept(const std::vector<std::uint8_t>& bytes, const char* origin = "upload") {
    KeptList list;
    list.bytes = bytes;
    list.origin = origin;
    list.source = "/boxes/stbdata.irz";
    return list;
}

const ListHistory::Clock::time_point kStart = ListHistory::Clock::from_time_t(1'800'000'000);

TEST(ListHistoryTest, KeepsBytesTimeVersionsAndCounts) {
    TempDir dir;
    ListHistory history(dir.file("history"));  // made on first use
    const auto bytes = demoBlob();
    KeptList list = kept(bytes);
    list.bootVersion = 0x01020300;
    const auto entry = history.keep(list, kStart + 250ms);
    ASSERT_TRUE(entry.ok()) << entry.message();

    const auto all = history.entries();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].name, "20270115-080000-250");
    EXPECT_EQ(all[0].time, "2027-01-15 08:00:00");
    EXPECT_EQ(all[0].origin, "upload");
    EXPECT_EQ(all[0].source, "/boxes/stbdata.irz");
    EXPECT_EQ(all[0].bootVersion, "1.2.3");
    EXPECT_EQ(all[0].appVersion, "");
    EXPECT_EQ(all[0].size, bytes.size());
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    int channels = 0;
    for (int n = 0; n < kChannelSlots; ++n) channels += channelFree(db->channel(n)) ? 0 : 1;
    EXPECT_EQ(all[0].counts.channels, channels);
    EXPECT_GT(all[0].counts.satellites, 0);
    EXPECT_GT(all[0].counts.transponders, 0);
    EXPECT_GT(all[0].counts.favourites, 0);
    const auto read = history.read(all[0]);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), bytes);
}

TEST(ListHistoryTest, SameBytesAsTheNewestKeepNothingNew) {
    TempDir dir;
    ListHistory history(dir.path());
    const auto a = demoBlob();
    const auto b = demoBlob(1);
    ASSERT_TRUE(history.keep(kept(a), kStart).ok());
    ASSERT_TRUE(history.keep(kept(a), kStart + 1s).ok());
    EXPECT_EQ(history.entries().size(), 1u);
    ASSERT_TRUE(history.keep(kept(b), kStart + 2s).ok());
    ASSERT_TRUE(history.keep(kept(a), kStart + 3s).ok());  // not the newest: kept again
    EXPECT_EQ(history.entries().size(), 3u);
}

TEST(ListHistoryTest, CountBoundDropsTheOldestFirst) {
    TempDir dir;
    ListHistory history(dir.path(), HistoryBounds{.maxEntries = 3, .maxBytes = 1u << 30});
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(history.keep(kept(demoBlob(i)), kStart + std::chrono::seconds(i)).ok());
    const auto all = history.entries();
    ASSERT_EQ(all.size(), 3u);
    // Newest first: the lists of the last three keeps.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(history.read(all[static_cast<std::size_t>(i)]).value(), demoBlob(5 - i));
    // Sidecars went with their files.
    int infos = 0;
    for (const auto& f : std::filesystem::directory_iterator(dir.path())) infos += f.path().extension() == ".info";
    EXPECT_EQ(infos, 3);
}

TEST(ListHistoryTest, SizeBoundDropsTheOldestButKeepsTheNewest) {
    TempDir dir;
    const std::size_t one = demoBlob().size();
    ListHistory history(dir.path(), HistoryBounds{.maxEntries = 100, .maxBytes = 2 * one + one / 2});
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(history.keep(kept(demoBlob(i)), kStart + std::chrono::seconds(i)).ok());
    auto all = history.entries();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(history.read(all[0]).value(), demoBlob(4));
    EXPECT_EQ(history.read(all[1]).value(), demoBlob(3));

    ListHistory tiny(dir.file("tiny"), HistoryBounds{.maxEntries = 100, .maxBytes = 10});
    ASSERT_TRUE(tiny.keep(kept(demoBlob(1)), kStart).ok());
    ASSERT_TRUE(tiny.keep(kept(demoBlob(2)), kStart + 1s).ok());
    all = tiny.entries();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(tiny.read(all[0]).value(), demoBlob(2));
}

TEST(ListHistoryTest, SameMillisecondGetsItsOwnNameAndForeignFilesStay) {
    TempDir dir;
    dir.write("mine.irz", {1, 2, 3});
    ListHistory history(dir.path(), HistoryBounds{.maxEntries = 1, .maxBytes = 1u << 30});
    ASSERT_TRUE(history.keep(kept(demoBlob(1)), kStart).ok());
    ASSERT_TRUE(history.keep(kept(demoBlob(2)), kStart).ok());
    const auto all = history.entries();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].name, "20270115-080000-000-2");
    EXPECT_TRUE(std::filesystem::exists(dir.file("mine.irz")));
}

TEST(ListHistoryTest, FolderThatCannotBeMadeFailsWithoutThrowing) {
    TempDir dir;
    dir.write("file", {0});
    ListHistory history(dir.file("file") / "history");
    const auto bytes = demoBlob();
    EXPECT_FALSE(history.keep(kept(bytes)).ok());
    EXPECT_TRUE(history.entries().empty());
}

// A save keeps the list it replaces; a keeper that fails does not fail the
// save; nothing is kept without a keeper.
TEST(ListHistoryTest, SavesKeepTheReplacedListAndNeverFailForIt) {
    TempDir dir;
    ListHistory history(dir.file("history"));
    setHistoryKeeper([&](const KeptList& list) { ASSERT_TRUE(history.keep(list).ok()); });
    const auto first = demoBlob();
    const auto target = dir.write("list.irz", first);
    ChannelDataDocument document;
    ASSERT_TRUE(document.open(target).ok());
    setFixedText(document.database().channel(0).name, "Changed");
    ASSERT_TRUE(document.save().ok());
    auto all = history.entries();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].origin, "replaced");
    EXPECT_EQ(history.read(all[0]).value(), first);

    setHistoryKeeper([](const KeptList&) { throw std::runtime_error("disk gone"); });
    setFixedText(document.database().channel(0).name, "Again");
    EXPECT_TRUE(document.save().ok());

    setHistoryKeeper({});
    setFixedText(document.database().channel(0).name, "Third");
    EXPECT_TRUE(document.save().ok());
    EXPECT_EQ(history.entries().size(), 1u);
}

TEST(ListHistoryTest, ReplacedFileThatIsNoChannelDataIsNotKept) {
    TempDir dir;
    ListHistory history(dir.file("history"));
    setHistoryKeeper([&](const KeptList& list) { (void)history.keep(list); });
    keepReplacedFile(dir.write("notes.irz", {'h', 'e', 'l', 'l', 'o'}));
    keepReplacedFile(dir.file("missing.irz"));
    setHistoryKeeper({});
    EXPECT_TRUE(history.entries().empty());
}

}  // namespace
}  // namespace dorvane::test
