#include "editor/editor_state.h"

namespace dorvane {

int ListCounts::byId(int id) const {
    switch (id) {
        case 1023: return transponders;
        case 1022: return satelliteChannels;
        case 1024: return selectedChannels;
        case 1027: return tv + radio;
        case 1028: return tv;
        case 1029: return radio;
        case 1033: return freeToAir + scrambled;
        case 1034: return freeToAir;
        case 1035: return scrambled;
        case 1036: return listed;
        default: return 0;
    }
}

void ListCounts::zeroChannels() { tv = radio = freeToAir = scrambled = listed = 0; }

const ViewTraits& viewTraits(int view) {
    static const ViewTraits kSatellites{false, -1, true, true, true, true};
    static const ViewTraits kFavTv{true, 0, false, false, false, true};
    static const ViewTraits kFavRadio{true, 1, false, false, false, true};
    switch (view) {
        case 1: return kFavTv;
        case 2: return kFavRadio;
        default: return kSatellites;
    }
}

namespace {

// "Add", "Delete" and "Move" for the list last clicked.
void actionsForList(const EditorFacts& f, ButtonStates& s) {
    if (viewTraits(f.view).favourite) {
        // Groups: members are deleted and moved, channels of the pool added.
        s.add = f.activeList == 3;
        s.remove = f.activeList == 2;
        s.move = f.activeList == 2;
        return;
    }
    switch (f.activeList) {
        case 1:  // satellites (only active while every satellite is listed)
            s.add = true;
            s.remove = f.selectedSatellites > 0;
            break;
        case 2:  // one transponder to copy, or a lone satellite without any
            s.add = f.selectedTransponders == 1 || (f.listedTransponders == 0 && f.selectedSatellites == 1);
            s.remove = true;
            break;
        case 3:
            s.add = true;
            s.remove = true;
            s.move = f.selectedSatellites == 1;
            break;
        default: break;
    }
}

}  // namespace

ButtonStates deriveButtonStates(const EditorFacts& f) {
    const ViewTraits& traits = viewTraits(f.view);
    ButtonStates s;
    s.satelliteChoices = traits.satelliteChoices;
    s.leftCounters = !traits.favourite;
    if (f.movePending) {
        // Only the destination, its cancel, the channel (or member) list and
        // the view combo stay usable.
        s.moveShown = false;
        s.exit = false;
        s.fileActions = false;
        s.leftList = false;
        s.middleList = traits.favourite;
        s.satelliteChoices = false;
        return s;
    }
    actionsForList(f, s);
    s.renameGroup = traits.favourite;
    s.save = f.dirty;
    s.undo = f.canUndo;
    s.redo = f.canRedo;
    return s;
}

}  // namespace dorvane
