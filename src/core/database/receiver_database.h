#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/database/records.h"

namespace dorvane {

// The PC-side copy of the receiver's channel data: a value type (copying it
// takes a snapshot of every table) with fixed, preallocated tables, the header of the blob it was last filled from and
// the lists and counters derived from the tables. Filled by unpackBackup, changed through the operations below and the
// edit dialogs, packed again by packBackup.
//
// Table accessors take trusted indexes (they assert in debug builds); the
// operations check the ranges they document.
class ReceiverDatabase {
public:
    // One member of the current group view: its channel and its group slot.
    struct GroupViewEntry {
        int channel;
        int slot;
    };

    ReceiverDatabase();

    // Back to the start state: everything zero, empty group names.
    void clear();
    // The same for every table but the channels and the favourite groups,
    // which a filling (the unpack) sets slot by slot in any case.
    void clearForFilling();

    // ---- tables ------------------------------------------------------------
    SatelliteRecord& satellite(int slot) { return satellites_[checked(slot, kSatelliteSlots)]; }
    const SatelliteRecord& satellite(int slot) const { return satellites_[checked(slot, kSatelliteSlots)]; }
    // Satellite number (slot + 1) at display position 0..163; 0 = no entry.
    std::uint8_t& orderEntry(int position) { return order_[checked(position, kSatelliteSlots)]; }
    std::uint8_t orderEntry(int position) const { return order_[checked(position, kSatelliteSlots)]; }
    TransponderRecord& transponder(int number) { return transponders_[checked(number, kTransponderSlots)]; }
    const TransponderRecord& transponder(int number) const { return transponders_[checked(number, kTransponderSlots)]; }
    ChannelRecord& channel(int number) { return channels_[checked(number, kChannelSlots)]; }
    const ChannelRecord& channel(int number) const { return channels_[checked(number, kChannelSlots)]; }
    // Channel number in a favourite slot; -1 = empty.
    std::int16_t& groupSlot(int group, int slot) {
        return favorites_[checked(group, kFavoriteGroups)][checked(slot, kGroupSlots)];
    }
    std::int16_t groupSlot(int group, int slot) const {
        return favorites_[checked(group, kFavoriteGroups)][checked(slot, kGroupSlots)];
    }
    // Members at the front of the group (slots up to the first empty one).
    int groupSize(int group) const;

    std::string tvGroupName(int group) const;
    std::string radioGroupName(int group) const;
    void setTvGroupName(int group, std::string_view name);
    void setRadioGroupName(int group, std::string_view name);
    // The 288 name bytes as the file stores them: per group TV then radio name.
    std::span<std::uint8_t, kFavoriteGroups * 2 * kGroupNameSize> groupNameBytes();
    std::span<const std::uint8_t, kFavoriteGroups * 2 * kGroupNameSize> groupNameBytes() const;

    // The opaque payload prefix of the last blob (96 or up to 272 bytes used).
    std::span<std::uint8_t, kPrefixStoreSize> prefix() { return prefix_; }
    std::span<const std::uint8_t, kPrefixStoreSize> prefix() const { return prefix_; }

    // Header of the blob the tables were last filled from; all zero before.
    BackupHeader& storedHeader() { return header_; }
    const BackupHeader& storedHeader() const { return header_; }

    // ---- derived data --------------------------------------------------------
    std::span<const int> tvList() const { return {tvList_.data(), static_cast<std::size_t>(tvCount_)}; }
    std::span<const int> radioList() const { return {radioList_.data(), static_cast<std::size_t>(radioCount_)}; }
    std::span<const GroupViewEntry> groupView() const {
        return {groupView_.data(), static_cast<std::size_t>(groupViewCount_)};
    }
    int channelsOnSatellite(int slot) const { return channelsPerSatellite_[checked(slot, kSatelliteSlots)]; }
    int transpondersOnSatellite(int slot) const { return transpondersPerSatellite_[checked(slot, kSatelliteSlots)]; }
    int channelsOnTransponder(int number) const { return channelsPerTransponder_[checked(number, kTransponderSlots)]; }

    // ---- operations ----------------------------------------------------------
    // Blank state: lead 0x80, name "----", all else 0.
    void resetChannel(int channel);
    // Default group names ("Fav %d"), every slot empty.
    void setDefaultFavorites();
    // Rebuilds the TV and radio lists, then selects group 0's TV members;
    // returns group 0's member count.
    int buildKindLists();
    // Fills the group view with the members of the given kind (0 TV, 1 radio);
    // returns the number of used slots of the group, all kinds.
    int selectGroupMembers(int kind, int group);
    // Rebuilds the three counter arrays.
    void recount();

    // New satellite in the first free slot of 0..162, or -1. It is put into
    // the satellite order list (first empty place) unless it stands there.
    int addSatellite();
    // New transponder on a satellite slot in the first free transponder
    // slot (frequency 0, to be edited), or -1.
    int addTransponder(int satelliteSlot);
    // Copy of a transponder in the first free slot, or -1.
    int duplicateTransponder(int source);
    // Copy of a channel in the first free slot, or -1.
    int duplicateChannel(int source);

    // Deleted state and out of every group; nothing for 5000 or more.
    void deleteChannel(int channel);
    // Frees the transponder and deletes its channels.
    void deleteTransponder(int transponder);
    // Frees the satellite, deletes its channels and its transponders.
    void deleteSatellite(int slot);

    void setMoveMark(int channel);
    // Gathers every marked channel directly in front of the destination,
    // keeping their order, and clears their marks. destination may be 5000.
    void moveMarkedChannels(int destination);

    // Favourite groups. addToGroup also appends to the group view.
    bool addToGroup(int group, int channel, int slot);
    bool removeGroupMemberAt(int group, int viewPosition);
    bool removeFromGroup(int group, int channel);
    void removeFromAllGroups(int channel);
    // Moves the member at view position `from` to stand directly after the
    // one at `to` (to = -1: in front of the first), among the view's slots.
    void moveGroupMember(int group, int from, int to);

    // Display position 0..162 of the satellite slot in the order list, or -1.
    int satelliteOrderPosition(int slot) const;
    // order 0 channel number, 1 satellite order then transponder, 2 name.
    int compareChannels(int a, int b, int order) const;

    // Whether every byte of the tables (satellites, order list,
    // transponders, channels, favourites, group names, prefix and stored
    // header) is the same; the derived lists and counters are not compared.
    bool sameTables(const ReceiverDatabase& other) const;

private:
    static int checked(int index, int size);

    std::array<SatelliteRecord, kSatelliteSlots> satellites_;
    std::array<std::uint8_t, kSatelliteSlots> order_;
    std::array<TransponderRecord, kTransponderSlots> transponders_;
    std::array<ChannelRecord, kChannelSlots> channels_;
    std::array<std::array<std::int16_t, kGroupSlots>, kFavoriteGroups> favorites_;
    std::array<std::uint8_t, kFavoriteGroups * 2 * kGroupNameSize> groupNames_;
    std::array<std::uint8_t, kPrefixStoreSize> prefix_;
    BackupHeader header_;

    std::array<int, kChannelSlots> tvList_;
    std::array<int, kChannelSlots> radioList_;
    int tvCount_ = 0;
    int radioCount_ = 0;
    std::array<GroupViewEntry, kGroupSlots> groupView_;
    int groupViewCount_ = 0;
    std::array<int, kSatelliteSlots> channelsPerSatellite_;
    std::array<int, kSatelliteSlots> transpondersPerSatellite_;
    std::array<int, kTransponderSlots> channelsPerTransponder_;
};

inline int ReceiverDatabase::checked(int index, int size) {
    assert(index >= 0 && index < size);
    (void)size;
    return index;
}

}  // namespace dorvane
