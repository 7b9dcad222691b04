#pragma once

#include <vector>

namespace dorvane {

class ReceiverDatabase;

// Channel numbers, ascending, of every channel that has a twin: the same
// identity (satellite, transponder frequency within 1 MHz and
// polarisation, service id) or the same name on the same satellite.
std::vector<int> duplicateChannels(const ReceiverDatabase& db);

// Transponders in use (on a satellite the editor shows) that carry no
// channel, ascending.
std::vector<int> unusedTransponders(const ReceiverDatabase& db);

// Frees those transponders; returns how many.
int removeUnusedTransponders(ReceiverDatabase& db);

}  // namespace dorvane
