#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "core/image/image_file.h"
#include "core/image/inspection.h"
#include "support/image_builder.h"
#include "support/temp_dir.h"

using namespace dorvane;
using namespace dorvane::test;
using ::testing::ElementsAre;

namespace {

class ImageFileTest : public ::testing::Test {
protected:
    Result<Inspection> inspect(const Bytes& bytes, const std::string& name = "image.img") {
        return inspectImageFile(image, dir.write(name, bytes));
    }
    TempDir dir;
    CImageFile image;
};

const std::string kHyphens(48, '-');

}  // namespace

TEST_F(ImageFileTest, WorkedExampleOfAnApplicationImage) {
    const Bytes file = xprImage(XprFields{}, patternBytes(1000));
    const auto r = inspect(file, "app.img");
    ASSERT_TRUE(r.ok());
    EXPECT_THAT(r->logLines,
                ElementsAre(kHyphens, "File Name : app.img", "Image Type : Application.", "File Size : 1048 bytes",
                            "Version : 1.2.3 (build #15)", "Build Date : 2008.4.3 (11:48:22)", "Buyer : XY"));
    EXPECT_FALSE(r->showEditor);
    EXPECT_TRUE(r->enableForcedDownload);
    EXPECT_TRUE(image.isOpen()) << "the inspected file stays open for the download";
    EXPECT_EQ(image.type(), ImageType::Application);
}

TEST_F(ImageFileTest, XprKindOtherThanAppIsUndefinedWithAllLines) {
    XprFields f;
    f.kind = "BOO";
    f.build = 0;
    f.buyer = "";
    const auto r = inspect(xprImage(f, patternBytes(10)));
    ASSERT_TRUE(r.ok());
    EXPECT_THAT(r->logLines,
                ElementsAre(kHyphens, "File Name : image.img", "Image Type : Undefined.", "File Size : 58 bytes",
                            "Version : 1.2.3", "Build Date : 2008.4.3 (11:48:22)", "Buyer : Free"));
}

TEST_F(ImageFileTest, FactoryImageIsNotChecksummedAndKeepsItsFields) {
    const std::uint32_t wrongSum = 12345;
    const auto r = inspect(yfwImage(xprImage(XprFields{}, patternBytes(100), &wrongSum)));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->logLines[2], "Image Type : Factory.");
    EXPECT_EQ(r->logLines[4], "Version : 1.2.3 (build #15)");
    EXPECT_EQ(r->logLines[5], "Build Date : 2008.4.3 (11:48:22)");
    EXPECT_EQ(r->logLines[6], "Buyer : XY");
}

TEST_F(ImageFileTest, YfwWithoutXprIsUndefinedWithBuildInfoFlag) {
    Bytes file(100, 0);
    std::memcpy(file.data(), "YFW", 3);
    const auto r = inspect(file);
    ASSERT_TRUE(r.ok());
    EXPECT_THAT(r->logLines,
                ElementsAre(kHyphens, "File Name : image.img", "Image Type : Undefined.", "File Size : 100 bytes",
                            "Version : 0.0.0", "Build Date :    0.0.0 (00:00:00)", "Buyer : "));
}

TEST_F(ImageFileTest, CnxtProductCodesDecideTheType) {
    struct Case {
        std::uint32_t code;
        const char* typeLine;
    } cases[] = {{0x20060203, "Image Type : Boot"},
                 {0x20060106, "Image Type : Application"},
                 {0x20030106, "Image Type : Application"},
                 {0x12345678, "Image Type : Undefined"}};
    for (const auto& c : cases) {
        const auto r = inspect(cnxtImage(c.code, 0x02000100, "AB"));
        ASSERT_TRUE(r.ok());
        EXPECT_THAT(r->logLines, ElementsAre(kHyphens, "File Name : image.img", c.typeLine, "File Size : 64 bytes",
                                             "Version : 2.0.1", "Buyer : AB"))
            << std::hex << c.code;
    }
    const auto freeBoot = inspect(cnxtImage(0x20060203, 0, ""));
    EXPECT_EQ(freeBoot->logLines.back(), "Buyer : Free");
}

TEST_F(ImageFileTest, ChannelDataFileLogsFourLinesAndShowsTheEditor) {
    Bytes file(300, 7);
    std::memcpy(file.data(), "IRZ", 3);
    const auto r = inspect(file, "stbdata.irz");
    ASSERT_TRUE(r.ok());
    EXPECT_THAT(r->logLines,
                ElementsAre(kHyphens, "File Name : stbdata.irz", "Image Type : IRZ Data.", "File Size : 300 bytes"));
    EXPECT_TRUE(r->showEditor);
    EXPECT_FALSE(r->enableForcedDownload);
}

TEST_F(ImageFileTest, CommandFilesAndEmptyFile) {
    Bytes cmd0{'C', 'M', 'D', '0', 1, 2};
    Bytes cmdx{'C', 'M', 'D', 'x'};
    EXPECT_EQ(inspect(cmd0)->logLines[2], "Image Type : Upload");
    const auto undefinedCmd = inspect(cmdx);
    EXPECT_EQ(undefinedCmd->logLines[2], "Image Type : Undefined");
    EXPECT_EQ(undefinedCmd->logLines.size(), 6u) << "no date line without build info";

    const auto empty = inspect({});
    ASSERT_TRUE(empty.ok());
    EXPECT_THAT(empty->logLines, ElementsAre(kHyphens, "File Name : image.img", "Image Type : Undefined",
                                             "File Size : 0 bytes", "Version : 0.0.0", "Buyer : "));
}

TEST_F(ImageFileTest, RefusedHeadersCloseTheImage) {
    XprFields badSize;
    badSize.headerSize = 47;
    const std::uint32_t wrongSum = 1;
    const std::uint32_t longer = 2000;
    const std::uint32_t zero = 0;
    const struct {
        const char* what;
        Bytes bytes;
        bool accepted;
    } cases[] = {
        {"header size 47", xprImage(badSize, patternBytes(10)), false},
        {"checksum mismatch", xprImage(XprFields{}, patternBytes(10), &wrongSum), false},
        {"payload shorter than declared", xprImage(XprFields{}, patternBytes(10), nullptr, &longer), false},
        {"short payload with stored checksum 0", xprImage(XprFields{}, patternBytes(10), &zero, &longer), true},
        {"header size 47 behind YFW", yfwImage(xprImage(badSize, {})), false},
    };
    for (const auto& c : cases) {
        const auto r = inspect(c.bytes);
        EXPECT_EQ(r.ok(), c.accepted) << c.what;
        if (!c.accepted) {
            EXPECT_EQ(r.message(), "Image File corrupted!") << c.what;
            EXPECT_FALSE(image.isOpen()) << c.what;
            EXPECT_EQ(image.type(), ImageType::Undefined) << c.what;
        }
    }
}

TEST_F(ImageFileTest, RefusalCausesTellAWrongHeaderFromAWrongSum) {
    XprFields badSize;
    badSize.headerSize = 49;
    const Status header = image.open(dir.write("a", xprImage(badSize, {})));
    EXPECT_EQ(header.error(), Error::Corrupt);
    EXPECT_EQ(header.message(), "Image File corrupted!");
    const std::uint32_t wrongSum = 99;
    const Status sum = image.open(dir.write("b", xprImage(XprFields{}, {1, 2, 3}, &wrongSum)));
    EXPECT_EQ(sum.error(), Error::BadChecksum);
    EXPECT_EQ(sum.message(), "Image File corrupted!");
}

TEST_F(ImageFileTest, ChecksumWrapsAtThirtyTwoBitsOverLargePayload) {
    // 17,000,000 bytes of 0xFF sum to more than 2^32.
    const Bytes payload(17'000'000, 0xFF);
    const std::uint32_t wrapped = static_cast<std::uint32_t>(17'000'000ull * 0xFF);
    EXPECT_TRUE(inspect(xprImage(XprFields{}, payload, &wrapped)).ok());
    const std::uint32_t unwrapped = wrapped + 1;
    EXPECT_FALSE(inspect(xprImage(XprFields{}, payload, &unwrapped)).ok());
}

TEST_F(ImageFileTest, AFileThatCannotBeOpenedGivesThePlatformMessageWithItsPath) {
    const auto path = dir.file("nothing.img");
    const auto r = inspectImageFile(image, path);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.error(), Error::NotFound);
    EXPECT_EQ(r.message(), path.string() + " was not found.");

    // A folder opens as a file on some systems; it is refused at once.
    const auto folder = dir.path() / "images";
    std::filesystem::create_directory(folder);
    const Status opened = image.open(folder);
    EXPECT_EQ(opened.error(), Error::AccessDenied);
    EXPECT_EQ(opened.message(), "Access to " + folder.string() + " was denied.");
    EXPECT_FALSE(image.isOpen());
}

TEST_F(ImageFileTest, CloseResetsEveryField) {
    ASSERT_TRUE(inspect(xprImage(XprFields{}, {1})).ok());
    image.close();
    EXPECT_FALSE(image.isOpen());
    EXPECT_EQ(image.type(), ImageType::Undefined);
    EXPECT_FALSE(image.hasBuildInfo());
    EXPECT_EQ(image.version(), 0u);
    EXPECT_EQ(image.buildNumber(), 0u);
    EXPECT_EQ(image.buyerCode(), 0u);
    EXPECT_EQ(image.buyerText(), "");
    EXPECT_EQ(image.typeName(), "Undefined");
}

TEST_F(ImageFileTest, CheckBuyerComparesAllFourBytes) {
    XprFields f;
    f.buyer = "AB";
    ASSERT_TRUE(inspect(xprImage(f, {})).ok());
    Bytes record(128, 0);
    EXPECT_TRUE(image.checkBuyer(record)) << "receiver code 0 accepts any image";
    record[20] = 'A';
    record[21] = 'B';
    EXPECT_TRUE(image.checkBuyer(record));
    record[21] = 'C';
    EXPECT_FALSE(image.checkBuyer(record));
    record[21] = 'B';
    record[23] = 1;  // a difference in the last byte counts too
    EXPECT_FALSE(image.checkBuyer(record));
    // A record too short to hold a buyer code carries none: accepted.
    EXPECT_TRUE(image.checkBuyer(std::span(record.data(), 23)));
}

TEST(ImageTypeNames, NamesAndVersionWords) {
    EXPECT_EQ(imageTypeName(ImageType::IrzData), "IRZ Data");
    EXPECT_EQ(imageTypeName(static_cast<ImageType>(7)), "");
    EXPECT_EQ(versionWordText(0xFF0A01FF), "255.10.1");
}

TEST_F(ImageFileTest, SizeOfFilesBeyondTwoGibibytesIsNotWrapped) {
    // A sparse command file of 3 GiB: classified by its first bytes, no pass
    // over the contents.
    const auto path = dir.write("huge.bin", {'C', 'M', 'D', '0'});
    std::error_code ec;
    std::filesystem::resize_file(path, 3ull << 30, ec);
    if (ec) GTEST_SKIP() << "no room for a sparse file here: " << ec.message();
    const auto r = inspectImageFile(image, path);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->logLines[3], "File Size : 3221225472 bytes");
}

TEST(ByteSum, AgreesWithAPlainLoopAtEveryAlignmentAndLength) {
    const auto bytes = patternBytes(4096 + 37, 9);
    for (std::size_t offset : {0u, 1u, 7u, 15u}) {
        for (std::size_t length : {0u, 1u, 15u, 16u, 17u, 255u, 4096u}) {
            std::uint32_t plain = 0;
            for (std::size_t i = 0; i < length; ++i) plain += bytes[offset + i];
            EXPECT_EQ(byteSum(bytes.data() + offset, length), plain) << offset << "+" << length;
        }
    }
    const Bytes ones(100'000, 0xFF);
    EXPECT_EQ(byteSum(ones.data(), ones.size()), 100'000u * 0xFF);
}
