#pragma once

#include <cstdint>

#include "core/database/receiver_database.h"

namespace dorvane {

// Replaces the database's contents with a small, plausible one: a handful of
// satellites at realistic orbital positions (names of our own), their
// transponders, about a hundred channels and some favourites. The tables look
// exactly as an unpack of their packed blob leaves them.
void fillDemoDatabase(ReceiverDatabase& database);

// Replaces the contents with a full database: 163 satellites, 2,000
// transponders, 5,000 channels and full favourite groups, the same for the
// same seed. Fits the compressed-size limit when packed.
void fillFullDatabase(ReceiverDatabase& database, std::uint32_t seed);

}  // namespace dorvane
