#include "core/editor/channel_move.h"

#include <algorithm>
#include <numeric>

#include "core/database/receiver_database.h"

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

void moveChannelsKeepingFavourites(ReceiverDatabase& db, const std::vector<int>& channels, int destination) {
    std::vector<bool> marked(kChannelSlots, false);
    for (int n : channels) {
        if (n >= 0 && n < kChannelSlots) marked[static_cast<std::size_t>(n)] = true;
    }
    const std::vector<int> newNumber = channelMoveMap(marked, destination);
    std::vector<ChannelRecord> records(kChannelSlots);
    for (int n = 0; n < kChannelSlots; ++n) records[static_cast<std::size_t>(n)] = db.channel(n);
    for (int n = 0; n < kChannelSlots; ++n)
        db.channel(newNumber[static_cast<std::size_t>(n)]) = records[static_cast<std::size_t>(n)];
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            std::int16_t& member = db.groupSlot(g, s);
            if (member >= 0 && member < kChannelSlots) {
                member = static_cast<std::int16_t>(newNumber[static_cast<std::size_t>(member)]);
            }
        }
    }
}

void moveMember(std::vector<int>& order, int from, int to) {
    const int count = static_cast<int>(order.size());
    if (from < 0 || to < 0 || from >= count || to >= count) return;
    auto at = [&order](int position) { return order.begin() + position; };
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else if (from > to + 1) {
        std::rotate(at(to + 1), at(from), at(from + 1));
    }
}

std::vector<int> favouriteMoveOrder(const std::vector<bool>& marked, int destination) {
    const int count = static_cast<int>(marked.size());
    std::vector<int> order(marked.size());
    std::iota(order.begin(), order.end(), 0);
    if (destination < 0 || destination >= count || marked[static_cast<std::size_t>(destination)]) return order;
    auto isMarked = [&](int position) {
        return marked[static_cast<std::size_t>(order[static_cast<std::size_t>(position)])];
    };
    // Members in front of the destination are taken from where the earlier
    // moves left them; those behind it queue up after the ones moved before.
    int before = 0;
    int after = destination;
    for (int i = 0; i < count; ++i) {
        const int position = i < destination ? i - before : i;
        const int target = i > destination ? after : destination;
        if (!isMarked(position)) continue;
        if (position < destination) ++before;
        if (position > destination) ++after;
        moveMember(order, position, target);
    }
    return order;
}

void moveGroupMembers(ReceiverDatabase& db, int group, const std::vector<bool>& marked, int destination) {
    const auto view = db.groupView();
    if (marked.size() != view.size()) return;
    std::vector<int> channels;
    for (const auto& entry : view) channels.push_back(entry.channel);
    const std::vector<int> order = favouriteMoveOrder(marked, destination);
    for (std::size_t k = 0; k < order.size(); ++k) {
        db.groupSlot(group, view[k].slot) = static_cast<std::int16_t>(channels[static_cast<std::size_t>(order[k])]);
    }
}

}  // namespace dorvane
