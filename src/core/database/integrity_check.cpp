#include "core/database/integrity_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

std::string channelText(const ReceiverDatabase& db, int n) {
    return "channel " + std::to_string(n) + " " + quoted(fixedText(db.channel(n).name));
}

bool usedChannel(const ChannelRecord& c) { return !channelFree(c); }

void duplicateChannels(const ReceiverDatabase& db, std::vector<IntegrityFinding>& findings) {
    std::vector<std::uint64_t> keys;  // transponder, service id, channel number
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (!usedChannel(c)) continue;
        keys.push_back((std::uint64_t{c.transponder} << 32) | (std::uint64_t{c.serviceId} << 16) |
                       static_cast<std::uint64_t>(n));
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t i = 1; i < keys.size(); ++i) {
        if ((keys[i] >> 16) != (keys[i - 1] >> 16)) continue;
        std::size_t first = i - 1;
        while (first > 0 && (keys[first - 1] >> 16) == (keys[i] >> 16)) --first;
        const int a = static_cast<int>(keys[first] & 0xFFFF);
        const int b = static_cast<int>(keys[i] & 0xFFFF);
        findings.push_back({IntegrityFinding::DuplicateChannel, false,
                            channelText(db, b) + " has the transponder (" + std::to_string(db.channel(b).transponder) +
                                ") and service id (" + std::to_string(db.channel(b).serviceId) + ") of " +
                                channelText(db, a) + "; favourites of it come back as the other one"});
    }
}

void collidingTransponders(const ReceiverDatabase& db, std::vector<IntegrityFinding>& findings) {
    std::vector<std::uint64_t> keys;  // satellite, polarisation bit, frequency, number
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& tp = db.transponder(t);
        if (transponderFree(tp) || tp.frequency == 0) continue;
        keys.push_back((std::uint64_t{tp.satellite} << 48) | (std::uint64_t{tp.polarisation} << 40) |
                       (std::uint64_t{tp.frequency} << 16) | static_cast<std::uint64_t>(t));
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t i = 1; i < keys.size(); ++i) {
        for (std::size_t j = i; j-- > 0;) {
            if ((keys[j] >> 40) != (keys[i] >> 40)) break;
            const int fa = static_cast<int>((keys[j] >> 16) & 0xFFFF);
            const int fb = static_cast<int>((keys[i] >> 16) & 0xFFFF);
            if (fb - fa > 1) break;
            const int a = static_cast<int>(keys[j] & 0xFFFF);
            const int b = static_cast<int>(keys[i] & 0xFFFF);
            const TransponderRecord& tp = db.transponder(a);
            findings.push_back({IntegrityFinding::CollidingTransponders, false,
                                "transponders " + std::to_string(a) + " (" + std::to_string(fa) + " MHz) and " +
                                    std::to_string(b) + " (" + std::to_string(fb) + " MHz) collide on satellite " +
                                    std::to_string(tp.satellite) + ", " +
                                    std::string(polarisationText(tp.polarisation))});
        }
    }
}

void channelsWithoutTransponder(const ReceiverDatabase& db, std::vector<IntegrityFinding>& findings) {
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (!usedChannel(c)) continue;
        const TransponderRecord& tp = db.transponder(c.transponder);
        if (transponderFree(tp))
            findings.push_back({IntegrityFinding::ChannelWithoutTransponder, true,
                                channelText(db, n) + " stands on transponder " + std::to_string(c.transponder) +
                                    ", which is not in use"});
        else if (tp.frequency == 0)
            findings.push_back({IntegrityFinding::ChannelWithoutTransponder, true,
                                channelText(db, n) + " stands on transponder " + std::to_string(c.transponder) +
                                    ", which has no frequency (0 MHz)"});
    }
}

void favouritesOnEmptySlots(const ReceiverDatabase& db, std::vector<IntegrityFinding>& findings) {
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = db.groupSlot(g, s);
            if (member < 0) continue;
            if (member < kChannelSlots && usedChannel(db.channel(member))) continue;
            findings.push_back({IntegrityFinding::FavouriteOnEmptySlot, false,
                                "favourite group " + std::to_string(g + 1) + " place " + std::to_string(s + 1) +
                                    " names channel " + std::to_string(member) + ", which holds no channel"});
        }
    }
}

void satellitesNotInOrder(const ReceiverDatabase& db, std::vector<IntegrityFinding>& findings) {
    std::vector<bool> carriesTransponders(kSatelliteSlots);
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& tp = db.transponder(t);
        if (!transponderFree(tp)) carriesTransponders[tp.satellite - 1u] = true;
    }
    for (int s = 0; s < kEditableSatellites; ++s) {
        if (!satelliteInUse(db.satellite(s)) && !carriesTransponders[static_cast<std::size_t>(s)]) continue;
        if (db.satelliteOrderPosition(s) >= 0) continue;
        findings.push_back({IntegrityFinding::SatelliteNotInOrder, false,
                            "satellite " + std::to_string(s + 1) + " " + quoted(fixedText(db.satellite(s).name)) +
                                " is in use but not in the satellite order list, so the editor does not show it"});
    }
}

// The file holds as many satellites and order-list places as its header
// says (164 in the receiver's own files); the receiver knows satellite
// numbers 1..163 in the order list, each once.
void numbersBeyondLimits(const ReceiverDatabase& db, std::vector<IntegrityFinding>& findings) {
    // A database not filled from a file (all-zero header) has no such bound.
    const bool fromFile = std::memcmp(db.storedHeader().magic, "IRZ", 3) == 0;
    const int stored = fromFile ? std::min<int>(db.storedHeader().satelliteCount, kSatelliteSlots) : kSatelliteSlots;
    auto beyond = [&findings](std::string text) {
        findings.push_back({IntegrityFinding::NumberBeyondLimits, false, std::move(text)});
    };
    std::vector<bool> named(256, false);
    for (int s = 0; s < kEditableSatellites; ++s) {
        if (satelliteInUse(db.satellite(s)) && s >= stored)
            beyond("satellite " + std::to_string(s + 1) + " " + quoted(fixedText(db.satellite(s).name)) +
                   " is beyond the " + std::to_string(stored) + " satellites the file holds and is not written");
    }
    for (int position = 0; position < kEditableSatellites; ++position) {
        const int number = db.orderEntry(position);
        if (number == 0) continue;
        const std::string place = "satellite order place " + std::to_string(position + 1);
        if (position >= stored)
            beyond(place + " is beyond the " + std::to_string(stored) + " places the file holds and is not written");
        else if (number > kEditableSatellites)
            beyond(place + " names satellite " + std::to_string(number) + ", beyond the receiver's " +
                   std::to_string(kEditableSatellites));
        else if (named[static_cast<std::size_t>(number)])
            beyond(place + " names satellite " + std::to_string(number) + " a second time");
        named[static_cast<std::size_t>(number)] = true;
    }
    for (int t = 0; t < kTransponderSlots; ++t) {
        const int number = db.transponder(t).satellite;
        if (number >= 1 && number <= kEditableSatellites && number > stored && !transponderFree(db.transponder(t)))
            beyond("transponder " + std::to_string(t) + " is on satellite " + std::to_string(number) + ", beyond the " +
                   std::to_string(stored) + " satellites the file holds");
    }
}

}  // namespace

bool transpondersCollide(int satelliteA, int polarisationA, int frequencyA, int satelliteB, int polarisationB,
                         int frequencyB) {
    return satelliteA == satelliteB && polarisationA == polarisationB && std::abs(frequencyA - frequencyB) <= 1;
}

std::vector<IntegrityFinding> checkIntegrity(const ReceiverDatabase& db) {
    std::vector<IntegrityFinding> findings;
    duplicateChannels(db, findings);
    collidingTransponders(db, findings);
    channelsWithoutTransponder(db, findings);
    favouritesOnEmptySlots(db, findings);
    satellitesNotInOrder(db, findings);
    numbersBeyondLimits(db, findings);
    return findings;
}

int countLosingData(const std::vector<IntegrityFinding>& findings) {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(), [](const IntegrityFinding& f) { return f.losesData; }));
}

std::string lossSummary(const std::vector<IntegrityFinding>& findings) {
    const int lost = countLosingData(findings);
    if (lost == 0) return {};
    return std::to_string(lost) + (lost == 1 ? " channel" : " channels") +
           " would be lost on saving: the transponder is missing or has no frequency (0 MHz).";
}

}  // namespace dorvane
