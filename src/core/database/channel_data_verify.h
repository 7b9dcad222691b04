#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace dorvane {

// Channel data read back from an STB against what was sent to it.
struct ChannelDataCheck {
    bool same = false;
    // Empty when the same; else the first difference ("Renamed channel
    // ...") or why the data read back cannot be compared.
    std::string firstDifference;
};

// Compares two channel-data blobs by content: satellites, transponders,
// channels and favourites, as the comparison of lists names them. Lists
// that compare equal but still pack to different bytes (a part no name
// covers) differ too: "same" is never said of data that is not.
ChannelDataCheck compareChannelData(std::span<const std::uint8_t> sent, std::span<const std::uint8_t> readBack);

}  // namespace dorvane
