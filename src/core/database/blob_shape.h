#pragma once

#include <string>
#include <vector>

#include "core/database/records.h"

namespace dorvane {

// What a blob holds beyond what packing writes again. Packing always writes
// the receiver's record sizes, at most the tables' capacities and a 96-byte
// prefix for prefix kind 0, so a blob of another shape would lose bytes on
// the way back; such a file is shown but not written back.
struct BlobLosses {
    // Reasons in the header alone, e.g. "channel records are 40 bytes, not 44".
    std::vector<std::string> shape;
    // Channel records whose transponder is not in the file: not read.
    int channelRecordsWithoutTransponder = 0;
    // Favourite entries that name no channel of the file: not read.
    int favouriteEntriesWithoutChannel = 0;
    // Payload bytes behind the last section: not read.
    std::uint32_t bytesBehindSections = 0;

    // Every reason the blob cannot be written back without losing data.
    std::vector<std::string> unwritable() const;
    // Everything unpacking did not take in, for the listing's remarks.
    std::vector<std::string> notRead() const;
};

// The header-only part of BlobLosses::shape.
std::vector<std::string> unwritableShape(const BackupHeader& header);

}  // namespace dorvane
