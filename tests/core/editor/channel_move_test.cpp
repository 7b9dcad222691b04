// Where channels go when marked ones are gathered in front of a destination
// (the favourites are renumbered with it; the window test checks that).

#include <gtest/gtest.h>

#include "core/editor/channel_move.h"

using namespace dorvane;

TEST(ChannelMove, MapFollowsTheTableMove) {
    std::vector<bool> marked(10, false);
    marked[2] = marked[7] = true;
    const std::vector<int> newNumber = channelMoveMap(marked, 5);
    // Positions 0..8 then hold the former 0, 1, 3, 4, 2, 7, 5, 6, 8.
    const std::vector<int> formerAt = {0, 1, 3, 4, 2, 7, 5, 6, 8, 9};
    for (int position = 0; position < 10; ++position) {
        EXPECT_EQ(newNumber[static_cast<std::size_t>(formerAt[static_cast<std::size_t>(position)])], position);
    }
    // In front of the end of the table, and nothing marked.
    marked.assign(10, false);
    marked[0] = true;
    const std::vector<int> toEnd = channelMoveMap(marked, 10);
    EXPECT_EQ(toEnd, (std::vector<int>{9, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
    marked.assign(10, false);
    EXPECT_EQ(channelMoveMap(marked, 3), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}
