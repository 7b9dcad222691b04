#pragma once

namespace dorvane {

// The counters of the Edit Receiver Data window as one value: the listing
// functions compute it, one function draws it, nothing reads it back from
// the labels.
struct ListCounts {
    int transponders = 0;       // 1023: transponders of the listed or selected satellites
    int satelliteChannels = 0;  // 1022: channels of the listed or selected satellites
    int selectedChannels = 0;   // 1024: channels of the selected transponders, or members shown
    int tv = 0;                 // 1028 (1027 is tv + radio)
    int radio = 0;              // 1029
    int freeToAir = 0;          // 1034 (1033 is freeToAir + scrambled)
    int scrambled = 0;          // 1035
    int listed = 0;             // 1036: rows in the channel list

    // The value of the counter at place `id` (1022..1024, 1027..1029,
    // 1033..1036); 0 for any other id.
    int byId(int id) const;
    // The channel counters (1027..1029, 1033..1036) back to 0.
    void zeroChannels();
    bool operator==(const ListCounts&) const = default;
};

// What the three views of the window do differently, in one place.
struct ViewTraits {
    bool favourite;                // the lists show favourite groups
    int kind;                      // channel kind of the pool: 0 TV, 1 radio, -1 all
    bool leftMultipleSelection;    // several satellites at once; one group
    bool satelliteChoices;         // "All Sat", the filters and the sort buttons apply
    bool middleSortable;           // transponders sort by a header; members keep group order
    bool leftDoubleClickEdits;     // a satellite opens Edit Satellite; a group is renamed
};
const ViewTraits& viewTraits(int view);

// What the enabled state of the window's buttons depends on.
struct EditorFacts {
    int view = 0;            // 0 satellites, 1 Fav TV, 2 Fav Radio
    int activeList = 0;      // 0 none, 1 left, 2 middle, 3 channel list
    bool movePending = false;
    bool dirty = false;
    bool canUndo = false;
    bool canRedo = false;
    int selectedSatellites = 0;
    int selectedTransponders = 0;
    int listedTransponders = 0;
};

// The state of every button and choice of the window, derived from the facts.
struct ButtonStates {
    bool add = false;
    bool remove = false;
    bool move = false;
    bool moveShown = true;             // "Move", or else "Select Destination" and "Cancel Move"
    bool save = false;
    bool exit = true;
    bool undo = false;
    bool redo = false;
    bool fileActions = true;           // "Save As...", "Export...", "Import..."
    bool renameGroup = false;          // "Rename Group..." (favourite views)
    bool leftList = true;
    bool middleList = true;
    bool satelliteChoices = true;      // "All Sat", "Searched Sat", filters and sort order
    bool leftCounters = true;          // 1023 and 1022
    bool operator==(const ButtonStates&) const = default;
};
ButtonStates deriveButtonStates(const EditorFacts& facts);

}  // namespace dorvane
