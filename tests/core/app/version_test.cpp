#include <gtest/gtest.h>

#include <string>

#include "core/app/version.h"
#include "version_info.h"

using namespace dorvane;

TEST(ProductVersion, ShortFormAndBuildFromTheVersionText) {
    EXPECT_EQ(productVersionShort("0, 6, 0, 235"), "0.6");
    EXPECT_EQ(productBuild("0, 6, 0, 235"), " 235");
    EXPECT_EQ(productVersionShort("1, 2"), "1.2");
    EXPECT_EQ(productBuild("1, 2"), " 2");
    EXPECT_EQ(productVersionShort("7"), "");
    EXPECT_EQ(productBuild("7"), "");
    EXPECT_EQ(productVersionShort(""), "");
    EXPECT_EQ(productBuild(""), "");
}

// The program's strings carry the version numbers of the build, whatever
// they are: a version bump changes no test.
TEST(ProductVersion, TheProgramsOwnStringsCarryTheBuildsNumbers) {
    const std::string major = std::to_string(DORVANE_VERSION_MAJOR);
    const std::string minor = std::to_string(DORVANE_VERSION_MINOR);
    const std::string build = std::to_string(DORVANE_VERSION_BUILD);
    EXPECT_EQ(productVersionText(), major + ", " + minor + ", " + std::to_string(DORVANE_VERSION_PATCH) + ", " + build);
    EXPECT_EQ(titleText(), "Dorvane_QX " + major + "." + minor);
    EXPECT_EQ(aboutVersionLine(), "v" + major + "." + minor + " (build # " + build + ")");
    EXPECT_EQ(versionAnswer("dorvane"), "dorvane " + aboutVersionLine());
}
