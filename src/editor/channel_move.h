#pragma once

#include <vector>

namespace dorvane {

class ReceiverDatabase;

// Where each channel number goes when the marked channels are gathered in
// front of `destination` (the database's moveMarkedChannels): element n is
// the new number of the record that stood at n. marked[n] tells whether
// channel n carries the move mark.
std::vector<int> channelMoveMap(const std::vector<bool>& marked, int destination);

// Moves the marked channels in front of destination and renumbers every
// favourite slot along with them, so each favourite keeps naming the same
// channel.
void moveMarkedChannelsKeepingFavourites(ReceiverDatabase& db, int destination);

}  // namespace dorvane
