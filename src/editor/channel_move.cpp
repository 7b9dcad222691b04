#include "editor/channel_move.h"

#include <algorithm>

#include "database/receiver_database.h"

namespace dorvane {

std::vector<int> channelMoveMap(const std::vector<bool>& marked, int destination) {
    const int count = static_cast<int>(marked.size());
    // Same passes as the table move, done on the old numbers.
    std::vector<int> order(marked.size());
    for (int n = 0; n < count; ++n) order[static_cast<std::size_t>(n)] = n;
    if (destination >= 0 && destination <= count) {
        auto isMarked = [&](int position) {
            return marked[static_cast<std::size_t>(order[static_cast<std::size_t>(position)])];
        };
        int w = destination - 1;
        for (int i = destination - 1; i >= 0; --i) {
            if (!isMarked(i)) continue;
            std::rotate(order.begin() + i, order.begin() + i + 1, order.begin() + w + 1);
            --w;
        }
        w = destination;
        for (int i = destination; i < count; ++i) {
            if (!isMarked(i)) continue;
            std::rotate(order.begin() + w, order.begin() + i, order.begin() + i + 1);
            ++w;
        }
    }
    std::vector<int> newNumber(marked.size());
    for (int position = 0; position < count; ++position) {
        newNumber[static_cast<std::size_t>(order[static_cast<std::size_t>(position)])] = position;
    }
    return newNumber;
}

void moveMarkedChannelsKeepingFavourites(ReceiverDatabase& db, int destination) {
    std::vector<bool> marked(kChannelSlots);
    for (int n = 0; n < kChannelSlots; ++n) marked[static_cast<std::size_t>(n)] = (db.channel(n).flags & kFlagMoveMark) != 0;
    const std::vector<int> newNumber = channelMoveMap(marked, destination);
    db.moveMarkedChannels(destination);
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            std::int16_t& member = db.groupSlot(g, s);
            if (member >= 0 && member < kChannelSlots) {
                member = static_cast<std::int16_t>(newNumber[static_cast<std::size_t>(member)]);
            }
        }
    }
}

}  // namespace dorvane
