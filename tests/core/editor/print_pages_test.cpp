// The printed channel list as pages: what each page carries and how the
// tables are cut.

#include <gtest/gtest.h>

#include <memory>

#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "core/editor/print_pages.h"

namespace dorvane {
namespace {

TEST(PrintPagesTest, TheTablesAreTheChannelsInOrderAndTheGroupsWithMembers) {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    db->deleteChannel(3);
    setFixedText(db->channel(0).name, "Caf\xe9");
    const std::vector<PrintTable> tables = printTables(*db);
    ASSERT_EQ(tables.size(), 5u);  // the channels and the four groups
    const PrintTable& channels = tables[0];
    ASSERT_EQ(channels.rows.size(), 107u);
    for (const auto& row : channels.rows) ASSERT_EQ(row.size(), channels.columns.size());
    EXPECT_EQ(channels.rows[0][0], "0");
    EXPECT_EQ(channels.rows[0][1], "Caf\xc3\xa9");  // Latin-1 to UTF-8
    EXPECT_EQ(channels.rows[3][0], "4");            // 3 is gone
    EXPECT_EQ(channels.rows[0][2], "Corvia 19.2E (19E)");
    EXPECT_EQ(tables[2].title, "Favourite group 2: Sport / Fav 2");
    // Each group lists its members (channel 3 left every group it was in).
    for (std::size_t g = 1; g < tables.size(); ++g)
        EXPECT_EQ(static_cast<int>(tables[g].rows.size()), db->groupSize(static_cast<int>(g - 1)));
    EXPECT_EQ(printHeading(*db, "x.irz", "2026-12-09"),
              "x.irz, 2026-12-09: 107 channels (86 TV, 21 radio), 27 transponders, 6 satellites, 4 favourite groups");
}

TEST(PrintPagesTest, EveryPageCarriesTheHeadingAndItsNumberAndATableStartsAPage) {
    const std::vector<PrintTable> tables{
        {"A", {"x"}, std::vector<std::vector<std::string>>(7, {"a"})},
        {"B", {"y"}, {}},
        {"C", {"z"}, std::vector<std::vector<std::string>>(3, {"c"})},
    };
    const std::vector<PrintPage> pages = paginate(tables, "file, date: counts", 3);
    ASSERT_EQ(pages.size(), 5u);  // A: 3 + 3 + 1, B: an empty page, C: 3
    const char* titles[] = {"A", "A (continued)", "A (continued)", "B", "C"};
    const std::size_t rows[] = {3, 3, 1, 0, 3};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].heading, "file, date: counts");
        EXPECT_EQ(pages[i].title, titles[i]);
        EXPECT_EQ(pages[i].rows.size(), rows[i]);
        EXPECT_EQ(pages[i].footer, "Page " + std::to_string(i + 1) + " of 5");
        EXPECT_FALSE(pages[i].columns.empty());
    }
    EXPECT_EQ(paginate(tables, "h", 0).size(), 11u);  // at least one row a page
}

}  // namespace
}  // namespace dorvane
