#pragma once

#include <vector>

namespace dorvane {

class ReceiverDatabase;

// Where each channel number goes when the marked channels are gathered in
// front of `destination` (the database's moveMarkedChannels): element n is
// the new number of the record that stood at n. marked[n] tells whether
// channel n carries the move mark.
std::vector<int> channelMoveMap(const std::vector<bool>& marked, int destination);

// Moves the given channels in front of destination (keeping their order)
// and renumbers every favourite slot along with them, so each favourite
// keeps naming the same channel. The records' bytes are not touched.
void moveChannelsKeepingFavourites(ReceiverDatabase& db, const std::vector<int>& channels, int destination);

// One member of a group moved to stand directly after the member at `to`
// (the database's moveGroupMember on a plain sequence of positions).
void moveMember(std::vector<int>& order, int from, int to);

// The order of a favourite group after its marked members are moved behind
// the member at position `destination`, in their previous order: element k
// is the former position of the member that then stands at k. marked[k]
// tells whether the member at position k carries the mark. Without a valid,
// unmarked destination the order is unchanged.
std::vector<int> favouriteMoveOrder(const std::vector<bool>& marked, int destination);

// Applies favouriteMoveOrder to the group view of `group` (the members of
// one kind, as selectGroupMembers left it): only the slots listed in the
// view take part, so members of the other kind keep theirs. marked[k]
// tells whether the member at view position k moves.
void moveGroupMembers(ReceiverDatabase& db, int group, const std::vector<bool>& marked, int destination);

}  // namespace dorvane
