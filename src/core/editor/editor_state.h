#pragma once

namespace dorvane {

// The three views of the Edit Receiver Data window.
enum class EditorView { Satellites = 0, FavTv = 1, FavRadio = 2 };
// The list the operator acted on last: the satellites (or groups), the
// transponders (or members), the channels (or the pool).
enum class EditorList { None = 0, Left = 1, Middle = 2, Channels = 3 };
// The counters of the window.
enum class Counter {
    Transponders,       // transponders of the listed or selected satellites
    SatelliteChannels,  // channels of the listed or selected satellites
    SelectedChannels,   // channels of the selected transponders, or members shown
    AllKinds,           // tv + radio
    Tv,
    Radio,
    AllAccess,  // freeToAir + scrambled
    FreeToAir,
    Scrambled,
    Listed,  // rows in the channel list
};

// The counters of the Edit Receiver Data window as one value: the listing
// functions compute it, one function draws it, nothing reads it back from
// the labels.
struct ListCounts {
    int transponders = 0;
    int satelliteChannels = 0;
    int selectedChannels = 0;
    int tv = 0;
    int radio = 0;
    int freeToAir = 0;
    int scrambled = 0;
    int listed = 0;

    int value(Counter counter) const;
    // The channel counters (kinds, access and listed) back to 0.
    void zeroChannels();
    bool operator==(const ListCounts&) const = default;
};

// What the three views of the window do differently, in one place.
struct ViewTraits {
    bool favourite;              // the lists show favourite groups
    int kind;                    // channel kind of the pool: 0 TV, 1 radio, -1 all
    bool leftMultipleSelection;  // several satellites at once; one group
    bool satelliteChoices;       // "All Sat", the filters and the sort buttons apply
    bool middleSortable;         // transponders sort by a header; members keep group order
    bool leftDoubleClickEdits;   // a satellite opens Edit Satellite; a group is renamed
};
const ViewTraits& viewTraits(EditorView view);

// What the enabled state of the window's buttons depends on.
struct EditorFacts {
    EditorView view = EditorView::Satellites;
    EditorList activeList = EditorList::None;
    bool movePending = false;
    bool dirty = false;
    bool canUndo = false;
    bool canRedo = false;
    int selectedSatellites = 0;
    int selectedTransponders = 0;
    int listedTransponders = 0;
    int listedSatellites = 0;
};

// The state of every button and choice of the window, derived from the facts.
struct ButtonStates {
    bool add = false;
    bool remove = false;
    bool move = false;
    bool moveShown = true;  // "Move", or else "Select Destination" and "Cancel Move"
    bool save = false;
    bool exit = true;
    bool undo = false;
    bool redo = false;
    bool fileActions = true;   // "Save As...", "Export...", "Import..."
    bool renameGroup = false;  // "Rename Group..." (favourite views)
    bool leftList = true;
    bool middleList = true;
    bool satelliteChoices = true;  // "All Sat", "Searched Sat", filters and sort order
    bool leftCounters = true;      // the transponders and satellite channels
    bool operator==(const ButtonStates&) const = default;
};
ButtonStates deriveButtonStates(const EditorFacts& facts);

}  // namespace dorvane
