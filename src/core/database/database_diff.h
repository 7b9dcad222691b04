#pragma once

#include <string>
#include <vector>

#include "core/database/receiver_database.h"

namespace dorvane {

// A channel as a comparison names it: its number (table slot, as the editor
// shows it), its name and its identity.
struct ChannelRef {
    int number = -1;
    std::string name;
    std::string satellite;  // location text ("19.2E"), or the satellite's name when it has none
    int frequency = 0;      // MHz
    bool horizontal = false;
    int serviceId = 0;
};

struct ChannelChange {
    ChannelRef before;
    ChannelRef after;
    std::vector<std::string> fields;  // for pidsChanged and otherChanged: "VPid 101 -> 102", ...
};

struct SatelliteRef {
    std::string location;  // "19.2E", empty when out of range
    std::string name;
};

struct RecordChange {
    std::string what;                 // "19.2E Astra", "19.2E 11494 H"
    std::vector<std::string> fields;  // "name \"A\" -> \"B\"", "symbol rate 27500 -> 22000"
};

struct FavouriteChange {
    int group = 0;                    // 0..11
    std::vector<std::string> fields;  // names, members added/removed, order
};

// What differs between two lists. Channels are matched by identity
// (satellite, transponder frequency and polarisation, service id), not by
// number; satellites by location (by name when they have none);
// transponders by satellite, frequency and polarisation. Several channels of
// one identity are matched in table order.
struct DatabaseDiff {
    std::vector<ChannelRef> channelsAdded;
    std::vector<ChannelRef> channelsRemoved;
    std::vector<ChannelChange> renamed;
    // Channels whose place among the others changed: the fewest moves that
    // turn the first order into the second (a channel added in front of the
    // rest moves nobody).
    std::vector<ChannelChange> moved;
    std::vector<ChannelChange> pidsChanged;
    std::vector<ChannelChange> otherChanged;  // kind, CAS, video type, flags, carried bytes
    std::vector<SatelliteRef> satellitesAdded;
    std::vector<SatelliteRef> satellitesRemoved;
    std::vector<RecordChange> satellitesChanged;
    bool satelliteOrderChanged = false;
    std::vector<std::string> transpondersAdded;  // "19.2E 11494 H"
    std::vector<std::string> transpondersRemoved;
    std::vector<RecordChange> transpondersChanged;
    std::vector<FavouriteChange> favouritesChanged;

    bool equal() const;
};

DatabaseDiff compareDatabases(const ReceiverDatabase& a, const ReceiverDatabase& b);

// "3 channels added, 1 renamed, ..." or "No differences."
std::string diffSummary(const DatabaseDiff& diff);
// The summary followed by one line per difference, grouped by kind.
std::vector<std::string> diffLines(const DatabaseDiff& diff);
// "19.2E 11494 H sid 1234".
std::string identityText(const ChannelRef& channel);

}  // namespace dorvane
