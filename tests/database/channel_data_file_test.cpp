#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "database/backup_blob.h"
#include "database/channel_data_file.h"
#include "database/database_fixture.h"
#include "database/demo_data.h"
#include "support/temp_dir.h"

namespace dorvane {
namespace {

class ChannelDataFileTest : public test::DatabaseTest {
protected:
    test::TempDir dir;
};

TEST_F(ChannelDataFileTest, OpenReadsTheFileAndRemembersItAsTheSaveTarget) {
    fillDemoDatabase(*db);
    ASSERT_EQ(packBackup(*db, *buffer), kPackOk);
    std::vector<std::uint8_t> blob(buffer->contents().begin(), buffer->contents().end());
    std::vector<std::uint8_t> file = blob;
    file.insert(file.end(), 100, 0x5A);  // readers ignore what lies behind the blob
    const auto path = dir.write("stbdata.irz", file);

    auto other = std::make_unique<ChannelDataBuffer>();
    const FileResult opened = openChannelDataFile(path, *other);
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(saveTarget(), path);
    EXPECT_EQ(other->length(), file.size());
    auto reread = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*reread, *other), kUnpackOk);
    EXPECT_EQ(test::tableBytes(*reread), test::tableBytes(*db));

    const FileResult missing = openChannelDataFile(dir.file("missing.irz"), *other);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "File open failed!");
    EXPECT_EQ(saveTarget(), path);
}

TEST_F(ChannelDataFileTest, AFileShorterThanItsBlobIsRefused) {
    fillDemoDatabase(*db);
    ASSERT_EQ(packBackup(*db, *buffer), kPackOk);
    std::vector<std::uint8_t> blob(buffer->contents().begin(), buffer->contents().end());
    setSaveTarget(dir.file("before.irz"));
    auto other = std::make_unique<ChannelDataBuffer>();
    other->setLength(7);
    for (const std::size_t size : {blob.size() - 1, std::size_t{35}, std::size_t{0}}) {
        SCOPED_TRACE(size);
        const auto path = dir.write("short.irz", std::vector<std::uint8_t>(blob.begin(), blob.begin() + size));
        const FileResult opened = openChannelDataFile(path, *other);
        EXPECT_FALSE(opened.ok);
        EXPECT_FALSE(opened.message.empty());
        EXPECT_EQ(other->length(), 7u);
        EXPECT_EQ(saveTarget(), dir.file("before.irz"));
    }
}

TEST_F(ChannelDataFileTest, WritingReplacesTheWholeFileAndAFailureKeepsTheOldOne) {
    const auto path = dir.write("target.irz", std::vector<std::uint8_t>(5000, 0xEE));
    buffer->data()[0] = 'I';
    buffer->data()[1] = 'R';
    buffer->data()[2] = 'Z';
    buffer->setLength(40);
    setSaveTarget(path);
    const FileResult written = writeChannelDataFile(*buffer);
    ASSERT_TRUE(written.ok) << written.message;
    const auto bytes = test::readFile(path);
    ASSERT_EQ(bytes.size(), 40u);  // nothing of the longer old file is left
    EXPECT_EQ(bytes[2], 'Z');
    EXPECT_EQ(bytes[39], 0);

    // The target is a directory: the write fails and leaves no temporary file.
    const auto blocked = dir.path() / "blocked";
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked / "inside");
    EXPECT_FALSE(writeChannelDataFile(*buffer, blocked).ok);
    // A directory that does not exist.
    EXPECT_FALSE(writeChannelDataFile(*buffer, dir.path() / "nowhere" / "x.irz").ok);
    // An empty buffer never replaces a file.
    buffer->setLength(0);
    EXPECT_FALSE(writeChannelDataFile(*buffer, path).ok);
    EXPECT_EQ(test::readFile(path).size(), 40u);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // target.irz and blocked
}

}  // namespace
}  // namespace dorvane
