#include "core/database/blob_shape.h"

#include "core/database/backup_blob.h"

namespace dorvane {

namespace {

std::string sizeReason(const char* what, unsigned size, unsigned expected) {
    return std::string(what) + " are " + std::to_string(size) + " bytes, not " + std::to_string(expected);
}

std::string countReason(const char* what, unsigned count, unsigned capacity) {
    return "the file declares " + std::to_string(count) + " " + what + ", more than the " + std::to_string(capacity) +
           " the table holds";
}

}  // namespace

std::vector<std::string> unwritableShape(const BackupHeader& h) {
    std::vector<std::string> reasons;
    if (h.prefixKind == 0 && h.prefixLength != kKind0PrefixLength)
        reasons.push_back("the prefix is " + std::to_string(h.prefixLength) + " bytes, not 96");
    if (h.satelliteCount > 0 && h.satelliteRecordSize != kSatelliteFileRecordSize)
        reasons.push_back(sizeReason("satellite records", h.satelliteRecordSize, kSatelliteFileRecordSize));
    if (h.transponderCount > 0 && h.transponderRecordSize != kTransponderFileRecordSize)
        reasons.push_back(sizeReason("transponder records", h.transponderRecordSize, kTransponderFileRecordSize));
    if (h.channelCount > 0 && h.channelRecordSize != kChannelFileRecordSize)
        reasons.push_back(sizeReason("channel records", h.channelRecordSize, kChannelFileRecordSize));
    if (h.favoriteSectionSize != kFavoriteSectionSize)
        reasons.push_back(sizeReason("the favourites", h.favoriteSectionSize, kFavoriteSectionSize));
    if (h.favoriteNamesSize != kFavoriteNamesSize)
        reasons.push_back(sizeReason("the favourite names", h.favoriteNamesSize, kFavoriteNamesSize));
    if (h.satelliteCount > kSatelliteSlots)
        reasons.push_back(countReason("satellites", h.satelliteCount, kSatelliteSlots));
    if (h.transponderCount > kTransponderSlots)
        reasons.push_back(countReason("transponders", h.transponderCount, kTransponderSlots));
    if (h.channelCount > kChannelSlots) reasons.push_back(countReason("channels", h.channelCount, kChannelSlots));
    return reasons;
}

std::vector<std::string> BlobLosses::unwritable() const {
    std::vector<std::string> reasons = shape;
    if (channelRecordsWithoutTransponder > 0)
        reasons.push_back(std::to_string(channelRecordsWithoutTransponder) +
                          " channel record(s) name a transponder the file does not hold");
    if (bytesBehindSections > 0)
        reasons.push_back("the payload holds " + std::to_string(bytesBehindSections) + " byte(s) behind its sections");
    return reasons;
}

std::vector<std::string> BlobLosses::notRead() const {
    std::vector<std::string> lines = unwritable();
    if (favouriteEntriesWithoutChannel > 0)
        lines.push_back(std::to_string(favouriteEntriesWithoutChannel) +
                        " favourite entr(ies) name no channel of the file and were left out");
    return lines;
}

}  // namespace dorvane
