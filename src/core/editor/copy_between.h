#pragma once

#include <string>
#include <vector>

namespace dorvane {

class ReceiverDatabase;

// What to do with a channel the target already has (the same satellite,
// transponder frequency within 1 MHz and polarisation, and service id).
enum class DuplicateChoice { Skip = 0, Replace = 1, KeepBoth = 2 };

// The records of the source to copy: satellite slots (with every
// transponder and channel of them), transponders (with their channels),
// channels, and favourite groups (with their member channels).
struct CopySelection {
    std::vector<int> satellites;
    std::vector<int> transponders;
    std::vector<int> channels;
    std::vector<int> groups;
    bool empty() const { return satellites.empty() && transponders.empty() && channels.empty() && groups.empty(); }
};

// What a copy did.
struct CopyReport {
    int satellitesAdded = 0;
    int transpondersAdded = 0;
    int channelsAdded = 0;
    int channelsReplaced = 0;
    int duplicatesSkipped = 0;
    int groupMembersAdded = 0;
    // Records that found no free slot in the target (its tables are full),
    // and favourite members beyond a group's 144 places.
    int notCopied = 0;
    // Target channel numbers of the copied channels (added or replaced).
    std::vector<int> channels;
    bool changedAnything() const {
        return satellitesAdded + transpondersAdded + channelsAdded + channelsReplaced + groupMembersAdded > 0;
    }
    // "12 channels, 2 transponders and 1 satellite copied; 3 duplicates
    // skipped" and the like.
    std::string summary() const;
};

// The source channels a selection names, in source channel order, each once.
std::vector<int> channelsToCopy(const ReceiverDatabase& source, const CopySelection& selection);

// How many of those channels the target already has.
int countDuplicates(const ReceiverDatabase& source, const ReceiverDatabase& target, const CopySelection& selection);

// Copies the selection into the target. A satellite is the target's when
// it has one at the same orbital position (else of the same name); a
// transponder when the satellite has one of the same polarisation within
// 1 MHz; missing ones come along into free slots. New channels go behind
// the target's last channel (into the first free slot when the table ends
// there). A copied group's members join the target's group of the same
// number behind its members (each channel once); an empty target group
// takes the source's names too.
CopyReport copyBetween(const ReceiverDatabase& source, ReceiverDatabase& target, const CopySelection& selection,
                       DuplicateChoice choice);

// Whether two channels of two databases (or one) have the same identity.
bool sameChannelIdentity(const ReceiverDatabase& a, int channelA, const ReceiverDatabase& b, int channelB);

}  // namespace dorvane
