#pragma once

#include <string>
#include <vector>

namespace dorvane {

class ReceiverDatabase;

// What the integrity check finds in a database before it is saved.
struct IntegrityFinding {
    enum Kind {
        DuplicateChannel,           // same transponder and service id as an earlier channel
        CollidingTransponders,      // same satellite and polarisation, frequencies within 1 MHz
        ChannelWithoutTransponder,  // on a missing transponder or one of 0 MHz
        FavouriteOnEmptySlot,       // a favourite slot names a channel number that holds none
        SatelliteNotInOrder,        // in use (or carrying transponders) but not in the order list
        NumberBeyondLimits,         // a number the receiver's tables (as the file stores them) cannot hold
    };
    Kind kind;
    // Saving drops data (the channel is not written); the save is refused.
    bool losesData = false;
    std::string text;
};

// Checks the whole database; findings in the order of the kinds above.
std::vector<IntegrityFinding> checkIntegrity(const ReceiverDatabase& database);

// How many findings would lose data.
int countLosingData(const std::vector<IntegrityFinding>& findings);
// "3 channel(s) would be lost on saving: their transponder is missing or
// has no frequency (0 MHz)." or "" when nothing is lost.
std::string lossSummary(const std::vector<IntegrityFinding>& findings);

// Whether two transponders cannot be told apart well: the same satellite
// and polarisation and frequencies at most 1 MHz apart.
bool transpondersCollide(int satelliteA, int polarisationA, int frequencyA, int satelliteB, int polarisationB,
                         int frequencyB);

}  // namespace dorvane
