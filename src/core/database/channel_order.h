#pragma once

// The order of the channel table (the receiver lists its channels by
// channel number) as a whole: permutations that keep every favourite naming
// its channel, and reference lists whose order is taken over.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/result.h"
#include "core/database/records.h"

namespace dorvane {

class ReceiverDatabase;

// A new order of the channel table: element k is the present number of the
// record that goes to slot k (a permutation of 0..4999).
using ChannelOrder = std::vector<int>;

// 0, 1, ..., 4999.
ChannelOrder unchangedOrder();
// Puts the records in the given order and renumbers every favourite slot
// along with them; false (and nothing changed) when `order` is not a
// permutation of the table.
bool reorderChannels(ReceiverDatabase& db, const ChannelOrder& order);

// The channels (in the order given) as one block starting at slot
// `position`; the others keep their order around it.
ChannelOrder orderMovingTo(const std::vector<int>& channels, int position);
// Channels a and b exchange their numbers.
ChannelOrder orderSwapping(int a, int b);

enum class ChannelSortKey { Name = 0, SatelliteFrequency = 1, ServiceId = 2 };
// The channels sorted by the key take the numbers they hold between them
// (lowest number to the first); every other channel keeps its number.
// Satellite and frequency: the satellite's place in the satellite order,
// then the transponder's frequency and polarisation, then the service id.
ChannelOrder orderSortingKept(const ReceiverDatabase& db, const std::vector<int>& channels, ChannelSortKey key);

// ---- reference lists ----------------------------------------------------------------

// One line of a reference: what identifies a channel (any part may be
// missing) and its name.
struct ReferenceChannel {
    int satelliteLocation = -1;  // orbital position in tenths (the .irz and "19.2E")
    int satelliteNumber = -1;    // 1..163 (a satellite column of a table)
    std::string satelliteName;   // another satellite text
    int frequency = -1;          // MHz
    int polarisation = -1;       // 0 V(R), 1 H(L)
    int serviceId = -1;
    std::string name;  // Latin-1, as the records hold names
    bool hasIdentity() const { return serviceId >= 0 && frequency >= 0; }
};

// A reference list: channels in the order wanted and, from a channel-data
// file, its favourite groups (as positions in `channels`) and their names.
struct ChannelReference {
    std::vector<ReferenceChannel> channels;
    bool hasFavourites = false;
    std::array<std::vector<int>, kFavoriteGroups> groups;
    std::array<std::string, kFavoriteGroups> tvNames;
    std::array<std::string, kFavoriteGroups> radioNames;
};

// The used channels of a database in channel order, with its favourites.
ChannelReference referenceFromDatabase(const ReceiverDatabase& db);
// A text list: one name a line; or lines of satellite, frequency,
// polarisation and service id (comma, semicolon or tab separated, a name
// may follow); or a table with a header row naming the columns satellite,
// frequency, polarisation, serviceId and name (as `channels --csv` writes).
// Empty lines and lines starting with '#' are skipped. UTF-8 names are taken
// as Latin-1 where they can be.
Result<ChannelReference> parseReferenceText(std::string_view text);
// A channel-data file (by its "IRZ" magic) or a text list.
Result<ChannelReference> readChannelReference(const std::filesystem::path& path);

struct ReferenceMatch {
    int entry;    // position in the reference
    int channel;  // present channel number
    bool byName;  // found by its name, not by its identity
};

// What applying a reference would do.
struct ReferencePlan {
    ChannelOrder order;                   // the new order of the whole table
    std::vector<ReferenceMatch> matched;  // in the reference's order
    std::vector<int> unmatched;           // channels the reference does not name, present order
    std::vector<int> missing;             // reference entries that found no channel
    int byIdentity = 0;
    int byName = 0;
    int usedChannels = 0;
    // Where the unmatched channels start (they follow the matched ones).
    int unmatchedFrom() const { return static_cast<int>(matched.size()); }
};

// Matches every reference entry to a channel not matched before: first by
// identity (satellite, transponder frequency within 1 MHz, polarisation and
// service id), then the rest by name (any case). The matched channels take
// the reference's order from number 0; the others follow in their present
// order, free slots last.
ReferencePlan planReferenceOrder(const ReceiverDatabase& db, const ChannelReference& reference);
// Applies the plan; with `takeFavourites` (and a reference that has them)
// the reference's groups, as far as their channels matched, and their
// names replace the present ones.
void applyReferencePlan(ReceiverDatabase& db, const ChannelReference& reference, const ReferencePlan& plan,
                        bool takeFavourites);
// "4998 of 5000 channels matched (4990 by identity, 8 by name); 2 not
// matched go to the end from number 4998; 1 reference entry found no
// channel".
std::string referenceSummary(const ReferencePlan& plan);

}  // namespace dorvane
