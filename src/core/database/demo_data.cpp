#include "core/database/demo_data.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "core/database/backup_blob.h"

namespace dorvane {

namespace {

constexpr std::array<const char*, 16> kWords{"Nova",  "Vista", "Kappa", "Orbit", "Lumen", "Pulse", "Zenith", "Atlas",
                                             "Delta", "Echo",  "Fjord", "Mira",  "Tarn",  "Quill", "Rivo",   "Sable"};
constexpr std::array<const char*, 10> kTvTails{" TV", " News", " Sport", " Kids", " Movies",
                                               " HD", " Docs", " Life",  " Plus", " One"};
constexpr std::array<const char*, 4> kRadioTails{" FM", " Radio", " Jazz", " Talk"};

void startFresh(ReceiverDatabase& db) {
    db.clear();
    db.storedHeader() = receiverShapedHeader();
    for (int n = 0; n < kChannelSlots; ++n) db.resetChannel(n);
    db.setDefaultFavorites();
}

void setSatellite(ReceiverDatabase& db, int slot, const std::string& name, int location, std::uint16_t lnb,
                  std::uint8_t diseqcType, std::uint8_t port) {
    SatelliteRecord& s = db.satellite(slot);
    std::memset(&s, 0, sizeof s);
    setFixedText(s.name, name);
    s.location = static_cast<std::int16_t>(location);
    s.tone22k = lnb == 10600 ? 1 : 0;
    s.diseqcType = diseqcType;
    s.diseqcPort = port;
    s.lnbFrequency = lnb;
    s.lnbType = lnb == 10600 ? 0 : 1;
    s.dishPosition = static_cast<std::uint8_t>(slot + 1);
}

void setTransponder(ReceiverDatabase& db, int number, int satelliteSlot, std::uint16_t frequency,
                    std::uint8_t polarisation, std::uint16_t symbolRate, std::uint8_t fec, bool s2) {
    TransponderRecord& t = db.transponder(number);
    std::memset(&t, 0, sizeof t);
    t.satellite = static_cast<std::uint8_t>(satelliteSlot + 1);
    t.polarisation = polarisation;
    t.frequency = frequency;
    t.symbolRate = symbolRate;
    t.fec = fec;
    t.transmission = s2 ? 2 : 1;
    t.modulation = s2 ? 4 : 2;
}

// A channel as an import leaves it: common part, transponder, satellite slot.
void setChannel(ReceiverDatabase& db, int number, int transponder, const std::string& name, bool tv,
                std::uint16_t serviceId, std::uint16_t videoPid, bool scrambled, std::uint16_t cas, bool mpeg4) {
    ChannelRecord& c = db.channel(number);
    std::memset(&c, 0, sizeof c);
    setFixedText(c.name, name.substr(0, 18));
    c.videoPid = tv ? videoPid : 0;
    c.audioPid = static_cast<std::uint16_t>(videoPid + 1);
    c.pcrPid = tv ? videoPid : static_cast<std::uint16_t>(videoPid + 1);
    c.teletextPid = tv ? static_cast<std::uint16_t>(videoPid + 3) : 0;
    c.videoType = tv ? (mpeg4 ? 27 : 2) : 0;
    c.serviceId = serviceId;
    c.cas = scrambled ? cas : 0;
    c.flags = static_cast<std::uint16_t>((tv ? kFlagTv : kFlagRadio) | (scrambled ? kFlagScrambled : 0));
    c.transponder = static_cast<std::uint16_t>(transponder);
    c.satellite = static_cast<std::uint8_t>(db.transponder(transponder).satellite - 1);
    db.satellite(c.satellite).channelMark = kChannelMarkFound;
}

void finish(ReceiverDatabase& db) {
    db.buildKindLists();
    db.recount();
}

}  // namespace

void fillDemoDatabase(ReceiverDatabase& db) {
    startFresh(db);
    struct Sat {
        const char* name;
        int location;
        std::uint16_t lnb;
        std::uint8_t diseqc;
        std::uint8_t port;
    };
    // Real orbital positions, names of our own.
    constexpr std::array<Sat, 6> sats{{{"Corvia 19.2E", 192, 10600, 1, 0},
                                       {"Meridan 13E", 130, 10600, 1, 1},
                                       {"Halvor 28.2E", 282, 10600, 1, 2},
                                       {"Tessin 5W", 3550, 10600, 1, 3},
                                       {"Brisk 23.5E", 235, 10600, 2, 4},
                                       {"Oriel 30W", 3300, 10750, 0, 0}}};
    for (int s = 0; s < static_cast<int>(sats.size()); ++s)
        setSatellite(db, s, sats[s].name, sats[s].location, sats[s].lnb, sats[s].diseqc, sats[s].port);
    // Display order: west to east.
    constexpr std::array<std::uint8_t, 6> order{6, 4, 2, 1, 5, 3};
    for (int i = 0; i < static_cast<int>(order.size()); ++i) db.orderEntry(i) = order[i];

    // Four or five transponders per satellite.
    int tp = 0;
    for (int s = 0; s < static_cast<int>(sats.size()); ++s) {
        const int count = 4 + (s % 2);
        for (int j = 0; j < count; ++j, ++tp) {
            const auto frequency = static_cast<std::uint16_t>(10729 + 240 * j + 38 * s);
            setTransponder(db, tp, s, frequency, static_cast<std::uint8_t>((j + s) % 2), j % 3 == 2 ? 22000 : 27500,
                           static_cast<std::uint8_t>(j % 3 == 1 ? 3 : 2), j == 3);
        }
    }
    const int transponders = tp;

    // 104 channels, four per transponder, every fifth one radio.
    int n = 0;
    for (int t = 0; t < transponders; ++t) {
        for (int k = 0; k < 4; ++k, ++n) {
            const bool tv = n % 5 != 4;
            const std::string name = std::string(kWords[(n * 7 + t) % kWords.size()]) +
                                     (tv ? kTvTails[n % kTvTails.size()] : kRadioTails[n % kRadioTails.size()]);
            const bool scrambled = n % 3 == 0;
            setChannel(db, n, t, name, tv, static_cast<std::uint16_t>(100 * (t + 1) + k),
                       static_cast<std::uint16_t>(0x200 + 0x10 * k + t), scrambled,
                       static_cast<std::uint16_t>(n % 2 ? 0x0021 : 0x0003), n % 4 == 1);
            if (n % 9 == 0) db.channel(n).flags |= kFlagDolby;
        }
    }

    db.setTvGroupName(0, "News");
    db.setTvGroupName(1, "Sport");
    db.setRadioGroupName(0, "Music");
    for (int g = 0; g < 4; ++g) {
        int size = 0;
        for (int m = 0; m < 12; ++m) db.groupSlot(g, size++) = static_cast<std::int16_t>((g * 23 + m * 7) % n);
    }
    finish(db);
}

void fillFullDatabase(ReceiverDatabase& db, std::uint32_t seed) {
    startFresh(db);
    std::mt19937 random(seed);
    auto pick = [&](unsigned bound) { return static_cast<unsigned>(random() % bound); };

    // 163 satellites spread round the orbit, each with its own position.
    for (int s = 0; s < kEditableSatellites; ++s) {
        const int location = 5 + s * 22;
        char name[16];
        std::snprintf(name, sizeof name, "%s %d.%d%c", kWords[pick(kWords.size())],
                      location <= 1800 ? location / 10 : (3600 - location) / 10,
                      location <= 1800 ? location % 10 : (3600 - location) % 10, location <= 1800 ? 'E' : 'W');
        setSatellite(db, s, name, location, pick(4) == 0 ? 10750 : 10600, static_cast<std::uint8_t>(pick(5)),
                     static_cast<std::uint8_t>(pick(4)));
        SatelliteRecord& sat = db.satellite(s);
        sat.carried18 = static_cast<std::uint8_t>(pick(3));
        sat.carried30[1] = static_cast<std::uint8_t>(pick(2));
        sat.lnbFrequencyChoice = static_cast<std::uint8_t>(pick(6));
    }
    // Display order: a shuffled permutation of satellite numbers 1..163.
    std::array<std::uint8_t, kEditableSatellites> order{};
    for (int i = 0; i < kEditableSatellites; ++i) order[i] = static_cast<std::uint8_t>(i + 1);
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < kEditableSatellites; ++i) db.orderEntry(i) = order[i];

    // 2,000 transponders, about twelve per satellite; frequencies on one
    // satellite lie at least 50 MHz apart, so no two are confused.
    for (int t = 0; t < kTransponderSlots; ++t) {
        const int s = t % kEditableSatellites;
        const int j = t / kEditableSatellites;
        const auto frequency = static_cast<std::uint16_t>(10700 + 150 * j + 2 * pick(50));
        setTransponder(db, t, s, frequency, static_cast<std::uint8_t>(pick(2)),
                       static_cast<std::uint16_t>(pick(3) == 0 ? 22000 : 27500 + 500 * pick(6)),
                       static_cast<std::uint8_t>(1 + pick(12)), pick(4) == 0);
        db.transponder(t).carried6 = static_cast<std::uint8_t>(pick(2));
    }

    // 5,000 channels, two or three per transponder, in transponder order.
    for (int n = 0; n < kChannelSlots; ++n) {
        const int t = n * kTransponderSlots / kChannelSlots;
        const int k = n - (t * kChannelSlots + kTransponderSlots - 1) / kTransponderSlots;
        const bool tv = pick(5) != 0;
        const std::string name = std::string(kWords[pick(kWords.size())]) +
                                 (tv ? kTvTails[pick(kTvTails.size())] : kRadioTails[pick(kRadioTails.size())]) +
                                 (pick(3) == 0 ? " " + std::to_string(1 + pick(9)) : "");
        const bool scrambled = pick(3) == 0;
        setChannel(db, n, t, name, tv, static_cast<std::uint16_t>(10 * t + k + 1),
                   static_cast<std::uint16_t>(0x100 + 0x20 * k), scrambled,
                   static_cast<std::uint16_t>((1 + pick(12)) | (pick(2) ? (1 + pick(12)) << 4 : 0)), pick(2) == 0);
        ChannelRecord& c = db.channel(n);
        if (pick(8) == 0) c.flags |= kFlagDolby;
        c.carried30 = static_cast<std::uint8_t>(pick(2));
    }

    // Every favourite group full, each member once.
    for (int g = 0; g < kFavoriteGroups; ++g) {
        const int start = static_cast<int>(pick(kChannelSlots));
        for (int s = 0; s < kGroupSlots; ++s)
            db.groupSlot(g, s) = static_cast<std::int16_t>((start + s * 31) % kChannelSlots);
    }
    db.setTvGroupName(0, "Favourites");
    db.setRadioGroupName(11, "Night");
    for (int i = 0; i < kKind0PrefixLength; ++i) db.prefix()[i] = static_cast<std::uint8_t>(i % 8 == 0 ? pick(256) : 0);
    finish(db);
}

}  // namespace dorvane
