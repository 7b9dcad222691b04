#include "core/editor/editor_state.h"

namespace dorvane {

int ListCounts::value(Counter counter) const {
    switch (counter) {
        case Counter::Transponders: return transponders;
        case Counter::SatelliteChannels: return satelliteChannels;
        case Counter::SelectedChannels: return selectedChannels;
        case Counter::AllKinds: return tv + radio;
        case Counter::Tv: return tv;
        case Counter::Radio: return radio;
        case Counter::AllAccess: return freeToAir + scrambled;
        case Counter::FreeToAir: return freeToAir;
        case Counter::Scrambled: return scrambled;
        case Counter::Listed: return listed;
    }
    return 0;
}

void ListCounts::zeroChannels() { tv = radio = freeToAir = scrambled = listed = 0; }

const ViewTraits& viewTraits(EditorView view) {
    static const ViewTraits kSatellites{false, -1, true, true, true, true};
    static const ViewTraits kFavTv{true, 0, false, false, false, true};
    static const ViewTraits kFavRadio{true, 1, false, false, false, true};
    switch (view) {
        case EditorView::FavTv: return kFavTv;
        case EditorView::FavRadio: return kFavRadio;
        case EditorView::Satellites: break;
    }
    return kSatellites;
}

namespace {

// "Add", "Delete" and "Move" for the list last clicked.
void actionsForList(const EditorFacts& f, ButtonStates& s) {
    if (viewTraits(f.view).favourite) {
        // Groups: members are deleted and moved, channels of the pool added.
        s.add = f.activeList == EditorList::Channels;
        s.remove = f.activeList == EditorList::Middle;
        s.move = f.activeList == EditorList::Middle;
        return;
    }
    switch (f.activeList) {
        case EditorList::Left:  // satellites (only active while every satellite is listed)
            s.add = true;
            s.remove = f.selectedSatellites > 0;
            break;
        case EditorList::Middle:  // one transponder to copy, or a lone satellite without any
            s.add = f.selectedTransponders == 1 || (f.listedTransponders == 0 && f.selectedSatellites == 1);
            s.remove = true;
            break;
        case EditorList::Channels:
            s.add = true;
            s.remove = true;
            // Within one satellite, or across all of them.
            s.move =
                f.selectedSatellites == 1 || (f.selectedSatellites > 0 && f.selectedSatellites == f.listedSatellites);
            break;
        case EditorList::None: break;
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
