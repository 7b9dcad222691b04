#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <span>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/channel_data_file.h"
#include "core/database/demo_data.h"
#include "core/database/replace_file.h"
#include "core/image/binary_file.h"
#include "database/database_fixture.h"
#include "support/temp_dir.h"

namespace dorvane {
namespace {

class ChannelDataFileTest : public test::DatabaseTest {
protected:
    test::TempDir dir;
};

TEST_F(ChannelDataFileTest, OpenReadsTheFile) {
    fillDemoDatabase(*db);
    ASSERT_EQ(packBackup(*db, *buffer), PackResult::Ok);
    std::vector<std::uint8_t> blob(buffer->contents().begin(), buffer->contents().end());
    std::vector<std::uint8_t> file = blob;
    file.insert(file.end(), 100, 0x5A);  // readers ignore what lies behind the blob
    const auto path = dir.write("stbdata.irz", file);

    auto other = std::make_unique<ChannelDataBuffer>();
    const Status opened = openChannelDataFile(path, *other);
    ASSERT_TRUE(opened.ok()) << opened.message();
    EXPECT_EQ(other->length(), file.size());
    auto reread = std::make_unique<ReceiverDatabase>();
    ASSERT_EQ(unpackBackup(*reread, *other), UnpackResult::Ok);
    EXPECT_EQ(test::tableBytes(*reread), test::tableBytes(*db));

    const Status missing = openChannelDataFile(dir.file("missing.irz"), *other);
    EXPECT_EQ(missing.error(), Error::NotFound);
    EXPECT_EQ(missing.message(), "File open failed!");
}

TEST_F(ChannelDataFileTest, AFileShorterThanItsBlobIsRefused) {
    fillDemoDatabase(*db);
    ASSERT_EQ(packBackup(*db, *buffer), PackResult::Ok);
    std::vector<std::uint8_t> blob(buffer->contents().begin(), buffer->contents().end());
    auto other = std::make_unique<ChannelDataBuffer>();
    other->setLength(7);
    for (const std::size_t size : {blob.size() - 1, std::size_t{35}, std::size_t{0}}) {
        SCOPED_TRACE(size);
        const auto path = dir.write("short.irz", std::vector<std::uint8_t>(blob.begin(), blob.begin() + size));
        const Status opened = openChannelDataFile(path, *other);
        EXPECT_EQ(opened.error(), Error::Truncated);
        EXPECT_EQ(opened.message(), "Channel data file is truncated!");
        EXPECT_EQ(other->length(), 7u);
    }
}

TEST_F(ChannelDataFileTest, WritingReplacesTheWholeFileAndAFailureKeepsTheOldOne) {
    const auto path = dir.write("target.irz", std::vector<std::uint8_t>(5000, 0xEE));
    buffer->data()[0] = 'I';
    buffer->data()[1] = 'R';
    buffer->data()[2] = 'Z';
    buffer->setLength(40);
    const Status written = writeChannelDataFile(*buffer, path);
    ASSERT_TRUE(written.ok()) << written.message();
    const auto bytes = test::readFile(path);
    ASSERT_EQ(bytes.size(), 40u);  // nothing of the longer old file is left
    EXPECT_EQ(bytes[2], 'Z');
    EXPECT_EQ(bytes[39], 0);

    // The target is a directory: the write fails and leaves no temporary file.
    const auto blocked = dir.path() / "blocked";
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked / "inside");
    const Status intoFolder = writeChannelDataFile(*buffer, blocked);
    EXPECT_FALSE(intoFolder.ok());
    EXPECT_EQ(intoFolder.message(), "File write failed!");
    // A directory that does not exist.
    const Status nowhere = writeChannelDataFile(*buffer, dir.path() / "nowhere" / "x.irz");
    EXPECT_EQ(nowhere.error(), Error::NotFound);
    EXPECT_EQ(nowhere.message(), "File write failed!");
    // An empty buffer never replaces a file.
    buffer->setLength(0);
    EXPECT_FALSE(writeChannelDataFile(*buffer, path).ok());
    EXPECT_EQ(test::readFile(path).size(), 40u);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // target.irz and blocked
}

}  // namespace
}  // namespace dorvane

namespace dorvane {
namespace {

std::span<const std::uint8_t> bytesOf(const std::vector<std::uint8_t>& v) { return {v.data(), v.size()}; }

int filesIn(const std::filesystem::path& dir) {
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
    return entries;
}

TEST(ReplaceFileTest, KeepsOnePreviousGenerationWhenAsked) {
    test::TempDir dir;
    const auto target = dir.file("list.irz");
    const std::vector<std::uint8_t> first(100, 1), second(50, 2), third(70, 3);
    ReplaceOptions keep;
    keep.keepBackup = true;

    // Nothing to keep yet: no NAME.bak appears.
    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(first), keep).ok());
    EXPECT_FALSE(std::filesystem::exists(backupPathFor(target)));
    EXPECT_EQ(backupPathFor(target).filename(), "list.irz.bak");

    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(second), keep).ok());
    EXPECT_EQ(test::readFile(target), second);
    EXPECT_EQ(test::readFile(backupPathFor(target)), first);

    // One generation: the older backup gives way.
    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(third), keep).ok());
    EXPECT_EQ(test::readFile(target), third);
    EXPECT_EQ(test::readFile(backupPathFor(target)), second);

    // Without the option the backup is left as it is.
    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(first)).ok());
    EXPECT_EQ(test::readFile(backupPathFor(target)), second);
    EXPECT_EQ(filesIn(dir.path()), 2);
}

// The window keeps the file it showed last open; an upload into that same
// file must still replace it (on Windows an open file is easily locked).
TEST(ReplaceFileTest, AFileOpenForReadingIsStillReplaced) {
    test::TempDir dir;
    const auto target = dir.file("list.irz");
    const std::vector<std::uint8_t> first(100, 1), second(50, 2), third(70, 3);
    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(first)).ok());
    for (const bool keepBackup : {true, false}) {
        SCOPED_TRACE(keepBackup ? "keeping a backup" : "without a backup");
        BinaryFile reader;
        ASSERT_TRUE(reader.openForRead(target).ok());
        ReplaceOptions options;
        options.keepBackup = keepBackup;
        const auto& next = keepBackup ? second : third;
        const Status replaced = replaceFileAtomically(target, bytesOf(next), options);
        ASSERT_TRUE(replaced.ok()) << replaced.message();
        EXPECT_EQ(test::readFile(target), next);
    }
    EXPECT_EQ(test::readFile(backupPathFor(target)), first);
}

TEST(ReplaceFileTest, AFailureLeavesTheTargetAndItsBackupWholeAndNoWorkFile) {
    test::TempDir dir;
    const auto target = dir.file("list.irz");
    const std::vector<std::uint8_t> old(10, 7), fresh(20, 8);
    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(old)).ok());
    ReplaceOptions keep;
    keep.keepBackup = true;

    // The work file cannot be made: a directory stands in its place.
    keep.workFile = dir.file("_work.irz");
    std::filesystem::create_directory(keep.workFile);
    std::filesystem::create_directory(keep.workFile / "inside");
    const Status blocked = replaceFileAtomically(target, bytesOf(fresh), keep);
    EXPECT_EQ(blocked.error(), Error::AccessDenied);
    EXPECT_EQ(blocked.message(), "File open failed!");
    EXPECT_EQ(test::readFile(target), old);
    EXPECT_FALSE(std::filesystem::exists(backupPathFor(target)));

    // A named work file is used and gone afterwards.
    keep.workFile = dir.file("_stbdata.irz");
    ASSERT_TRUE(replaceFileAtomically(target, bytesOf(fresh), keep).ok());
    EXPECT_FALSE(std::filesystem::exists(keep.workFile));
    EXPECT_EQ(test::readFile(backupPathFor(target)), old);

    // The backup name is taken by a directory: the save is refused and
    // the target keeps its content.
    const auto other = dir.file("other.irz");
    ASSERT_TRUE(replaceFileAtomically(other, bytesOf(old)).ok());
    std::filesystem::create_directory(backupPathFor(other));
    std::filesystem::create_directory(backupPathFor(other) / "inside");
    keep.workFile.clear();
    const Status noBackup = replaceFileAtomically(other, bytesOf(fresh), keep);
    EXPECT_FALSE(noBackup.ok());
    // The step that failed names the file it was about: here NAME.bak.
    EXPECT_NE(noBackup.message().find(backupPathFor(other).string()), std::string::npos) << noBackup.message();
    EXPECT_EQ(test::readFile(other), old);
    EXPECT_EQ(filesIn(dir.path()), 5);  // list.irz, .bak, _work.irz, other.irz, other.irz.bak
}

TEST(ReplaceFileTest, AFailedMoveNamesTheTarget) {
    test::TempDir dir;
    // A folder with something in it stands where the file should go.
    const auto target = dir.file("list.irz");
    std::filesystem::create_directory(target);
    std::filesystem::create_directory(target / "inside");
    const std::vector<std::uint8_t> fresh(20, 8);
    const Status moved = replaceFileAtomically(target, bytesOf(fresh));
    EXPECT_EQ(moved.error(), Error::AccessDenied);
    EXPECT_EQ(moved.message(), "Access to " + target.string() + " was denied.");
    EXPECT_EQ(filesIn(dir.path()), 1);  // no work file left behind
}

class ChannelDataDocumentTest : public test::DatabaseTest {
protected:
    test::TempDir dir;

    std::filesystem::path packed(const ReceiverDatabase& source, const std::string& name) {
        auto out = std::make_unique<ChannelDataBuffer>();
        EXPECT_EQ(packBackup(source, *out), PackResult::Ok);
        return dir.write(name, std::vector<std::uint8_t>(out->contents().begin(), out->contents().end()));
    }
};

TEST_F(ChannelDataDocumentTest, OpeningASecondFileStartsFromAnEmptyDatabase) {
    auto full = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*full, 3);
    auto demo = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*demo);
    demo->storedHeader().satelliteCount = 10;  // declares fewer satellites than the full file
    const auto fullPath = packed(*full, "full.irz");
    const auto demoPath = packed(*demo, "demo.irz");

    ChannelDataDocument document;
    ASSERT_TRUE(document.open(fullPath).ok());
    ASSERT_TRUE(document.open(demoPath).ok());
    EXPECT_EQ(document.path(), demoPath);
    ChannelDataDocument fresh;
    ASSERT_TRUE(fresh.open(demoPath).ok());
    EXPECT_EQ(test::tableBytes(document.database()), test::tableBytes(fresh.database()));

    // A failed open keeps what the document held.
    EXPECT_FALSE(document.open(dir.file("missing.irz")).ok());
    EXPECT_EQ(document.path(), demoPath);
    const auto junk = dir.write("junk.irz", std::vector<std::uint8_t>(64, 'x'));
    const Status refused = document.open(junk);
    EXPECT_EQ(refused.error(), Error::Corrupt);
    EXPECT_EQ(refused.message(), "Invalid Backup Data");
    EXPECT_EQ(test::tableBytes(document.database()), test::tableBytes(fresh.database()));
}

// The document's diagnostic lines go to the sink its owner gave it, and
// nowhere without one.
TEST_F(ChannelDataDocumentTest, DiagnosticLinesGoToTheDocumentsSinkOnly) {
    auto demo = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*demo);
    const auto path = packed(*demo, "stbdata.irz");
    ChannelDataDocument quiet;
    ASSERT_TRUE(quiet.open(path).ok());
    ASSERT_TRUE(quiet.save().ok());
    EXPECT_TRUE(diagnostics.empty());

    ChannelDataDocument document;
    document.setDiagnostics(sink);
    ASSERT_TRUE(document.open(path).ok());
    EXPECT_TRUE(diagnostics.empty()) << "a whole file unpacks without a word";
    ASSERT_TRUE(document.save().ok());
    ASSERT_EQ(diagnostics.size(), 1u);
    const std::uint32_t compressed = document.buffer().length() - static_cast<std::uint32_t>(kBlobHeaderSize);
    EXPECT_EQ(diagnostics[0], "BACKUP data compressed to " + std::to_string(compressed) + " bytes\n");
}

TEST_F(ChannelDataDocumentTest, SavingKeepsTheOldFileAsBakAndAReadOnlyDocumentIsNotSaved) {
    auto demo = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*demo);
    const auto path = packed(*demo, "stbdata.irz");
    const auto before = test::readFile(path);
    ChannelDataDocument document;
    ASSERT_TRUE(document.open(path).ok());
    EXPECT_FALSE(document.isReadOnly());
    document.database().deleteChannel(0);
    ASSERT_TRUE(document.save().ok());
    EXPECT_EQ(test::readFile(backupPathFor(path)), before);
    EXPECT_NE(test::readFile(path), before);

    // A file with 40-byte channel records opens, but is not written back.
    ReceiverDatabase& db = document.database();
    db.storedHeader() = receiverShapedHeader();
    ASSERT_EQ(packBackup(db, document.buffer()), PackResult::Ok);
    std::vector<std::uint8_t> blob(document.buffer().contents().begin(), document.buffer().contents().end());
    const std::uint16_t forty = 40;
    std::memcpy(blob.data() + 24, &forty, 2);  // the payload still holds the 44-byte records: they fit
    const auto odd = dir.write("odd.irz", blob);
    ASSERT_TRUE(document.open(odd).ok());
    EXPECT_TRUE(document.isReadOnly());
    const Status saved = document.save();
    EXPECT_EQ(saved.error(), Error::ReadOnly);
    EXPECT_NE(saved.message().find("channel records are 40 bytes, not 44"), std::string::npos);
    EXPECT_EQ(test::readFile(odd), blob);
    EXPECT_FALSE(std::filesystem::exists(backupPathFor(odd)));
}

}  // namespace
}  // namespace dorvane
