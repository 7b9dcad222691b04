#include "core/editor/channel_cleanup.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>

#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

struct IdentityKey {
    int satellite, polarisation, serviceId, frequency, channel;
    bool operator<(const IdentityKey& o) const {
        return std::tie(satellite, polarisation, serviceId, frequency, channel) <
               std::tie(o.satellite, o.polarisation, o.serviceId, o.frequency, o.channel);
    }
};

void markSameIdentity(const ReceiverDatabase& db, std::vector<bool>& twin) {
    std::vector<IdentityKey> keys;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (channelFree(c)) continue;
        const TransponderRecord& tp = db.transponder(c.transponder);
        if (transponderFree(tp)) continue;
        keys.push_back({tp.satellite, tp.polarisation != 0, c.serviceId, tp.frequency, n});
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t i = 1; i < keys.size(); ++i) {
        for (std::size_t j = i; j-- > 0;) {
            const IdentityKey& a = keys[j];
            const IdentityKey& b = keys[i];
            if (a.satellite != b.satellite || a.polarisation != b.polarisation || a.serviceId != b.serviceId ||
                b.frequency - a.frequency > 1)
                break;
            twin[static_cast<std::size_t>(a.channel)] = twin[static_cast<std::size_t>(b.channel)] = true;
        }
    }
}

void markSameName(const ReceiverDatabase& db, std::vector<bool>& twin) {
    std::vector<std::tuple<int, std::string, int>> keys;  // satellite, name, channel
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (!channelFree(c)) keys.emplace_back(c.satellite, fixedText(c.name), n);
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t i = 1; i < keys.size(); ++i) {
        if (std::get<0>(keys[i]) != std::get<0>(keys[i - 1]) || std::get<1>(keys[i]) != std::get<1>(keys[i - 1]))
            continue;
        twin[static_cast<std::size_t>(std::get<2>(keys[i]))] = true;
        twin[static_cast<std::size_t>(std::get<2>(keys[i - 1]))] = true;
    }
}

}  // namespace

std::vector<int> duplicateChannels(const ReceiverDatabase& db) {
    std::vector<bool> twin(kChannelSlots, false);
    markSameIdentity(db, twin);
    markSameName(db, twin);
    std::vector<int> channels;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (twin[static_cast<std::size_t>(n)]) channels.push_back(n);
    }
    return channels;
}

std::vector<int> unusedTransponders(const ReceiverDatabase& db) {
    std::vector<int> carried(kTransponderSlots, 0);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (!channelFree(c)) ++carried[c.transponder];
    }
    std::vector<int> unused;
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& tp = db.transponder(t);
        if (!transponderFree(tp) && tp.satellite <= kEditableSatellites && carried[static_cast<std::size_t>(t)] == 0)
            unused.push_back(t);
    }
    return unused;
}

// The slots are cleared directly: no channel stands on them, and the
// blank channel slots (transponder 0) stay as they are.
int removeUnusedTransponders(ReceiverDatabase& db) {
    const std::vector<int> unused = unusedTransponders(db);
    for (int t : unused) std::memset(&db.transponder(t), 0, sizeof(TransponderRecord));
    db.recount();
    return static_cast<int>(unused.size());
}

}  // namespace dorvane
