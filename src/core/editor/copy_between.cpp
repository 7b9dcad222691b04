#include "core/editor/copy_between.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

bool usedChannel(const ChannelRecord& c) { return !channelFree(c); }

bool sameSatellite(const SatelliteRecord& a, const SatelliteRecord& b) {
    if (a.location != 0 && a.location == b.location) return true;
    return a.location == 0 && b.location == 0 && fixedText(a.name) == fixedText(b.name);
}

bool sameTransponder(const TransponderRecord& a, const TransponderRecord& b) {
    return (a.polarisation != 0) == (b.polarisation != 0) && std::abs(int{a.frequency} - int{b.frequency}) <= 1;
}

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// One copy: the source's slots mapped to the target's as they are found or
// made, so that each record comes along once.
class Copier {
public:
    Copier(const ReceiverDatabase& source, ReceiverDatabase& target, DuplicateChoice choice)
        : source_(source),
          target_(target),
          choice_(choice),
          satellites_(kSatelliteSlots, -2),
          transponders_(kTransponderSlots, -2),
          channels_(kChannelSlots, -2) {}

    int satellite(int slot);
    int transponder(int number);
    int channel(int number);
    void group(int group);
    CopyReport report;

private:
    int freeChannelSlot();
    int findDuplicate(int transponder, int serviceId) const;

    const ReceiverDatabase& source_;
    ReceiverDatabase& target_;
    DuplicateChoice choice_;
    std::vector<int> satellites_, transponders_, channels_;  // -2: not yet looked at; -1: no room
};

int Copier::satellite(int slot) {
    int& mapped = satellites_[static_cast<std::size_t>(slot)];
    if (mapped != -2) return mapped;
    const SatelliteRecord& record = source_.satellite(slot);
    for (int s = 0; s < kEditableSatellites && mapped < 0; ++s) {
        if (satelliteInUse(target_.satellite(s)) && sameSatellite(target_.satellite(s), record)) mapped = s;
    }
    if (mapped >= 0) return mapped;
    mapped = target_.addSatellite();
    if (mapped < 0) {
        ++report.notCopied;
        return mapped;
    }
    SatelliteRecord copy = record;
    copy.channelMark = 0;
    if (copy.dishPosition == 0) copy.dishPosition = 29;
    target_.satellite(mapped) = copy;
    ++report.satellitesAdded;
    return mapped;
}

int Copier::transponder(int number) {
    int& mapped = transponders_[static_cast<std::size_t>(number)];
    if (mapped != -2) return mapped;
    const TransponderRecord& record = source_.transponder(number);
    mapped = -1;
    if (transponderFree(record) || record.satellite > kEditableSatellites) return mapped;
    const int slot = satellite(record.satellite - 1);
    if (slot < 0) return mapped;
    for (int t = 0; t < kTransponderSlots && mapped < 0; ++t) {
        const TransponderRecord& tp = target_.transponder(t);
        if (tp.satellite == slot + 1 && sameTransponder(tp, record)) mapped = t;
    }
    if (mapped >= 0) return mapped;
    mapped = target_.addTransponder(slot);
    if (mapped < 0) {
        ++report.notCopied;
        return mapped;
    }
    TransponderRecord copy = record;
    copy.satellite = static_cast<std::uint8_t>(slot + 1);
    target_.transponder(mapped) = copy;
    ++report.transpondersAdded;
    return mapped;
}

int Copier::findDuplicate(int transponder, int serviceId) const {
    const TransponderRecord& tp = target_.transponder(transponder);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = target_.channel(n);
        if (!usedChannel(c) || c.serviceId != serviceId) continue;
        const TransponderRecord& other = target_.transponder(c.transponder);
        if (other.satellite == tp.satellite && sameTransponder(other, tp)) return n;
    }
    return -1;
}

// Behind the last channel, so that the new ones end the list; the first
// free slot when the table is used up to its end.
int Copier::freeChannelSlot() {
    int last = kChannelSlots - 1;
    while (last >= 0 && !usedChannel(target_.channel(last))) --last;
    if (last + 1 < kChannelSlots) return last + 1;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (!usedChannel(target_.channel(n))) return n;
    }
    return -1;
}

int Copier::channel(int number) {
    int& mapped = channels_[static_cast<std::size_t>(number)];
    if (mapped != -2) return mapped;
    mapped = -1;
    const ChannelRecord& record = source_.channel(number);
    if (!usedChannel(record)) return mapped;
    const int tp = transponder(record.transponder);
    if (tp < 0) return mapped;
    const int duplicate = findDuplicate(tp, record.serviceId);
    if (duplicate >= 0 && choice_ == DuplicateChoice::Skip) {
        ++report.duplicatesSkipped;
        return mapped = duplicate;
    }
    const int slot = duplicate >= 0 && choice_ == DuplicateChoice::Replace ? duplicate : freeChannelSlot();
    if (slot < 0) {
        ++report.notCopied;
        return mapped;
    }
    ChannelRecord copy = record;
    copy.flags = static_cast<std::uint16_t>(copy.flags & ~kFlagMoveMark);
    copy.transponder = static_cast<std::uint16_t>(tp);
    copy.satellite = static_cast<std::uint8_t>(target_.transponder(tp).satellite - 1);
    target_.channel(slot) = copy;
    slot == duplicate ? ++report.channelsReplaced : ++report.channelsAdded;
    report.channels.push_back(slot);
    return mapped = slot;
}

void Copier::group(int group) {
    int size = target_.groupSize(group);
    if (size == 0) {
        target_.setTvGroupName(group, source_.tvGroupName(group));
        target_.setRadioGroupName(group, source_.radioGroupName(group));
    }
    for (int s = 0; s < kGroupSlots; ++s) {
        const int member = source_.groupSlot(group, s);
        if (member < 0 || member >= kChannelSlots) continue;
        const int mapped = channel(member);
        if (mapped < 0) continue;
        bool present = false;
        for (int k = 0; k < size && !present; ++k) present = target_.groupSlot(group, k) == mapped;
        if (present) continue;
        if (size == kGroupSlots) {
            ++report.notCopied;
            continue;
        }
        target_.groupSlot(group, size++) = static_cast<std::int16_t>(mapped);
        ++report.groupMembersAdded;
    }
}

}  // namespace

std::string CopyReport::summary() const {
    std::vector<std::string> parts;
    if (channelsAdded > 0) parts.push_back(counted(channelsAdded, "channel", "channels") + " added");
    if (channelsReplaced > 0) parts.push_back(counted(channelsReplaced, "channel", "channels") + " replaced");
    if (transpondersAdded > 0) parts.push_back(counted(transpondersAdded, "transponder", "transponders") + " added");
    if (satellitesAdded > 0) parts.push_back(counted(satellitesAdded, "satellite", "satellites") + " added");
    if (groupMembersAdded > 0)
        parts.push_back(counted(groupMembersAdded, "favourite entry", "favourite entries") + " added");
    if (duplicatesSkipped > 0) parts.push_back(counted(duplicatesSkipped, "duplicate", "duplicates") + " skipped");
    if (notCopied > 0) parts.push_back(std::to_string(notCopied) + " not copied (no room)");
    if (parts.empty()) return "Nothing was copied.";
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i == 0 ? "" : "; ") + parts[i];
    return text + ".";
}

std::vector<int> channelsToCopy(const ReceiverDatabase& source, const CopySelection& selection) {
    std::vector<bool> wanted(kChannelSlots, false);
    std::vector<bool> satellites(kSatelliteSlots + 1, false), transponders(kTransponderSlots, false);
    for (int slot : selection.satellites)
        if (slot >= 0 && slot < kSatelliteSlots) satellites[static_cast<std::size_t>(slot)] = true;
    for (int t : selection.transponders)
        if (t >= 0 && t < kTransponderSlots) transponders[static_cast<std::size_t>(t)] = true;
    for (int n : selection.channels)
        if (n >= 0 && n < kChannelSlots) wanted[static_cast<std::size_t>(n)] = true;
    for (int g : selection.groups) {
        if (g < 0 || g >= kFavoriteGroups) continue;
        for (int s = 0; s < kGroupSlots; ++s) {
            const int member = source.groupSlot(g, s);
            if (member >= 0 && member < kChannelSlots) wanted[static_cast<std::size_t>(member)] = true;
        }
    }
    std::vector<int> channels;
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = source.channel(n);
        if (!usedChannel(c)) continue;
        if (wanted[static_cast<std::size_t>(n)] || transponders[c.transponder] || satellites[c.satellite])
            channels.push_back(n);
    }
    return channels;
}

bool sameChannelIdentity(const ReceiverDatabase& a, int channelA, const ReceiverDatabase& b, int channelB) {
    const ChannelRecord& ca = a.channel(channelA);
    const ChannelRecord& cb = b.channel(channelB);
    if (!usedChannel(ca) || !usedChannel(cb) || ca.serviceId != cb.serviceId) return false;
    const TransponderRecord& ta = a.transponder(ca.transponder);
    const TransponderRecord& tb = b.transponder(cb.transponder);
    if (transponderFree(ta) || transponderFree(tb) || !sameTransponder(ta, tb)) return false;
    if (&a == &b) return ta.satellite == tb.satellite;
    return sameSatellite(a.satellite(ta.satellite - 1), b.satellite(tb.satellite - 1));
}

int countDuplicates(const ReceiverDatabase& source, const ReceiverDatabase& target, const CopySelection& selection) {
    // Target channels by service id, to keep this linear in practice.
    std::vector<std::vector<int>> byServiceId(65536);
    for (int n = 0; n < kChannelSlots; ++n) {
        if (usedChannel(target.channel(n))) byServiceId[target.channel(n).serviceId].push_back(n);
    }
    int duplicates = 0;
    for (int n : channelsToCopy(source, selection)) {
        const auto& candidates = byServiceId[source.channel(n).serviceId];
        duplicates += std::any_of(candidates.begin(), candidates.end(),
                                  [&](int t) { return sameChannelIdentity(source, n, target, t); });
    }
    return duplicates;
}

CopyReport copyBetween(const ReceiverDatabase& source, ReceiverDatabase& target, const CopySelection& selection,
                       DuplicateChoice choice) {
    Copier copier(source, target, choice);
    for (int slot : selection.satellites) {
        if (slot < 0 || slot >= kEditableSatellites || !satelliteInUse(source.satellite(slot))) continue;
        if (copier.satellite(slot) < 0) continue;
        for (int t = 0; t < kTransponderSlots; ++t) {
            if (source.transponder(t).satellite == slot + 1) copier.transponder(t);
        }
    }
    for (int t : selection.transponders) {
        if (t >= 0 && t < kTransponderSlots) copier.transponder(t);
    }
    for (int n : channelsToCopy(source, selection)) copier.channel(n);
    for (int g : selection.groups) {
        if (g >= 0 && g < kFavoriteGroups) copier.group(g);
    }
    target.recount();
    return copier.report;
}

}  // namespace dorvane
