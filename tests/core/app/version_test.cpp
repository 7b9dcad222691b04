#include <gtest/gtest.h>

#include "app/version.h"

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

TEST(ProductVersion, TheProgramsOwnStrings) {
    EXPECT_EQ(productVersionText(), "0, 6, 0, 235");
    EXPECT_EQ(titleText(), "Dorvane_QX 0.6");
    EXPECT_EQ(aboutVersionLine(), "v0.6 (build # 235)");
}
