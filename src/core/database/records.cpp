#include "core/database/records.h"

#include <algorithm>
#include <cstring>

namespace dorvane {

ChannelKind channelKind(const ChannelRecord& channel) {
    if (channel.flags & kFlagTv) return kKindTv;
    if ((channel.flags & 0x3) == kFlagRadio) return kKindRadio;
    return kKindNeither;
}

bool satelliteInUse(const SatelliteRecord& satellite) {
    return satellite.dishPosition != 0 && satellite.location >= 1 && satellite.location <= 3599;
}

bool transponderFree(const TransponderRecord& transponder) {
    return transponder.satellite == 0 || transponder.satellite > kEditableSatellites;
}

bool channelFree(const ChannelRecord& channel) {
    return channel.flags == 0 || channel.satellite >= kSatelliteSlots || channel.transponder >= kTransponderSlots;
}

std::string_view fecText(std::uint8_t fec) { return fec < kFecTable.size() ? kFecTable[fec] : std::string_view{}; }

std::string_view casCodeText(unsigned code) {
    if (code < kCasCodeTable.size()) return kCasCodeTable[code];
    return code <= 15 ? "?" : "";
}

std::string casText(std::uint16_t cas) {
    std::string text;
    for (int shift = 0; shift < 16; shift += 4) {
        const unsigned code = (cas >> shift) & 0xFu;
        if (code != 0) text += casCodeText(code);
    }
    return text;
}

std::string locationText(std::int16_t location) {
    if (location < 1 || location > 3599) return {};
    if (location <= 1800) return std::to_string(location / 10) + "E";
    return std::to_string((3600 - location) / 10) + "W";
}

std::string_view polarisationText(std::uint8_t polarisation) { return polarisation ? "H(L)" : "V(R)"; }
std::string_view transmissionText(std::uint8_t transmission) { return transmission == 2 ? "DVB-S2" : "DVB-S"; }
std::string_view modulationText(std::uint8_t modulation) { return modulation == 4 ? "8PSK" : "QPSK"; }

std::string fixedText(const char* field, std::size_t size) {
    const char* end = std::find(field, field + size, '\0');
    return std::string(field, end);
}

void setFixedText(char* field, std::size_t size, std::string_view text) {
    if (size == 0) return;
    const std::size_t n = std::min(text.size(), size - 1);
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), n);
}

}  // namespace dorvane
