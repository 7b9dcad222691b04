#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/database/channel_order.h"
#include "core/editor/copy_between.h"
#include "core/editor/edit_history.h"
#include "core/editor/editor_state.h"

namespace dorvane {

class ChannelDataDocument;
class ReceiverDatabase;
struct SatelliteRecord;
struct TransponderRecord;
struct ChannelRecord;

// What the session needs the operator to answer. The window asks with its
// boxes; the tests answer from a script.
class SessionQuestions {
public:
    enum class SaveChoice { Save, DontSave, Cancel };
    virtual ~SessionQuestions() = default;
    // An OK/Cancel question; true for OK.
    virtual bool confirm(const std::string& text) = 0;
    // A question with two buttons of the given texts; true for the first.
    virtual bool ask(const std::string& text, const std::string& yes, const std::string& no) = 0;
    // "Save", "Don't Save" or "Cancel" for unsaved edits.
    virtual SaveChoice askToSave(const std::string& text) = 0;
    // A box with an OK button.
    virtual void tell(const std::string& text, bool warning) = 0;
    // A question with buttons of the given texts; the index of the one
    // chosen (the last one, by convention Cancel, when the box is closed).
    virtual int choose(const std::string& text, const std::vector<std::string>& buttons) {
        return ask(text, buttons.front(), buttons.back()) ? 0 : static_cast<int>(buttons.size()) - 1;
    }
};

// The filters of the channel list.
enum class KindFilter { All = 0, Tv = 1, Radio = 2 };
enum class AccessFilter { All = 0, FreeToAir = 1, Scrambled = 2 };

// The channel list's columns (the satellite view's list and the pool).
enum ChannelColumn : int {
    kColumnName = 0,
    kColumnPcrPid,
    kColumnVideoPid,
    kColumnAudioPid,
    kColumnTeletextPid,
    kColumnCas,
    kColumnVideoType,
    kColumnAudioType,
    kColumnSatellite,
    kColumnTransponder,
    kColumnNumber,
    kColumnServiceId,
    kColumnFrequency,
    kColumnSatelliteName,
    kChannelColumns
};

// What an operation changed, for the window to draw again.
struct Change {
    enum Bits : unsigned {
        None = 0,
        Data = 1,      // the database (rows' texts)
        Left = 2,      // the satellite or group rows, or their selection
        Middle = 4,    // the transponder or member rows, or their selection
        Channels = 8,  // the channel or pool rows, or their selection
        View = 16,     // the view and its columns
        Lists = 15,    // everything but the view
        Everything = 31,
    };
    unsigned bits = None;
    // A record that should become the current row (a new one; the one after
    // a deleted row), as an id of `list`; -1 none.
    EditorList list = EditorList::None;
    int focusId = -1;

    bool any() const { return bits != None; }
    bool has(Bits bit) const { return (bits & bit) != 0; }
    Change& operator|=(const Change& other);
};

// The editor of one channel-data document without any widget: the view and
// its lists, filters, sort and search, the selection, the pending move, the
// favourite group shown, and every operation of the "Edit Receiver Data"
// window with its rules and questions. Each operation returns what changed;
// a window draws the session and forwards the operator's input.
class EditorSession {
public:
    // Favourite members are identified by their position in the group as
    // the view shows it (members of the view's kind).
    EditorSession(ChannelDataDocument& document, SessionQuestions& questions);
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // Fills the database from the document's buffer and starts in the
    // satellite view with every satellite chosen. On a refused blob the
    // status says why and the session must not be used.
    Status open();

    const ReceiverDatabase& database() const;
    ChannelDataDocument& document() { return document_; }
    const ChannelDataDocument& document() const { return document_; }
    const EditHistory& history() const { return history_; }
    // Edits made and not all undone since the last save or open.
    bool isDirty() const { return !history_.atSavedState(); }
    bool isReadOnly() const;
    // The window's title: "Edit Receiver Data - NAME", a "*" for unsaved
    // edits, " (read-only)" for a file saving would damage.
    std::string title() const;

    // ---- state ---------------------------------------------------------------
    EditorView view() const { return view_; }
    EditorList activeList() const { return activeList_; }
    const ViewTraits& traits() const { return viewTraits(view_); }
    bool searchedOnly() const { return searchedOnly_; }
    KindFilter kindFilter() const { return kindFilter_; }
    AccessFilter accessFilter() const { return accessFilter_; }
    // The channel list's sort: a column and a direction; the "Sort by"
    // orders stand for the columns "Ch_id", "Sat_id" and "Channel".
    int sortColumn() const { return sortColumn_; }
    bool sortDescending() const { return sortDescending_; }
    // The "Sort by" order of the sort column, or -1 for another column
    // (whose rows the window orders by their texts).
    int sortOrder() const;
    const std::string& searchText() const { return searchText_; }
    int currentGroup() const { return currentGroup_; }
    // Used slots of the current group, all kinds.
    int groupSize() const { return groupSize_; }
    bool isMovePending() const { return !pendingMove_.empty(); }
    // The channels of a pending move (in the favourite views: the members'
    // channels).
    const std::vector<int>& pendingMove() const { return pendingMove_; }
    bool isMarkedForMove(int channel) const;

    // ---- lists ----------------------------------------------------------------
    // Ids of the rows: satellite slots or groups; transponders or member
    // positions; channel numbers (the satellite view's list or the pool).
    const std::vector<int>& leftRows() const { return leftRows_; }
    const std::vector<int>& middleRows() const { return middleRows_; }
    const std::vector<int>& channelRows() const { return channelRows_; }
    const std::vector<int>& selectedLeft() const { return selectedLeft_; }
    const std::vector<int>& selectedMiddle() const { return selectedMiddle_; }
    const std::vector<int>& selectedChannels() const { return selectedChannels_; }
    // The channel of a member position of the current group, or -1.
    int memberChannel(int position) const;
    // Whether a channel of the pool is in the current group.
    bool inCurrentGroup(int channel) const;
    const ListCounts& counts() const { return counts_; }
    // The channels the search finds in the view, and how many of them the
    // chosen satellites and transponders let through.
    int foundInView() const { return foundInView_; }
    // "7 found, 3 in the selected satellites", "7 found" or "".
    std::string foundText() const;
    ButtonStates buttons() const;
    // Why an action is off ("" when it is on, or obviously so).
    std::string whyAddIsOff() const;
    std::string whyDeleteIsOff() const;
    std::string whyMoveIsOff() const;

    // ---- choices ---------------------------------------------------------------
    Change setView(EditorView view);
    Change setSearchedOnly(bool searchedOnly);
    Change setKindFilter(KindFilter filter);
    Change setAccessFilter(AccessFilter filter);
    // A "Sort by" order: its column, ascending.
    Change setSortOrder(int order);
    // A click on a channel header: that column ascending, or the other way
    // on a second click.
    Change sortByColumn(int column);
    // Sort as remembered from the last run.
    void restoreSort(int column, bool descending);
    // Narrows the channel list (or pool) by name, any case, or by service
    // id or PID when the text is a number.
    Change setSearchText(const std::string& text);
    // Enter in the search box: the first hit becomes the chosen channel;
    // when the chosen satellites hide every hit, every satellite is chosen
    // again. The change names the hit (focusId), -1 when there is none.
    // The first hit is the top row as the window shows it: when the channel
    // list is sorted by a column's texts (sortOrder() < 0), shownOrder puts
    // the hits in the window's order.
    Change goToFirstHit(const std::function<void(std::vector<int>&)>& shownOrder = {});

    // ---- selection (a click, or the keyboard) -----------------------------------
    Change selectLeft(const std::vector<int>& ids);
    Change selectMiddle(const std::vector<int>& ids);
    Change selectChannels(const std::vector<int>& ids);
    // The rows of a list the operator has chosen, as the window shows them,
    // before an action on them; nothing is listed again.
    void chooseRows(EditorList list, const std::vector<int>& ids);
    // The list the next Add/Delete/Move act on, as a click on it would
    // choose it (without changing its selection).
    Change activate(EditorList list);

    // ---- edits -------------------------------------------------------------------
    // Records replace the stored ones; the same bytes record no edit.
    Change editSatellite(int slot, const SatelliteRecord& record);
    // A transponder moved to another satellite takes its channels along.
    Change editTransponder(int number, const TransponderRecord& record);
    Change editChannel(int number, const ChannelRecord& record);
    // The view's name (TV or radio) of a group, within its stored size.
    Change renameGroup(int group, const std::string& name);

    // "Add" on the active list. Satellites, transponders and channels are
    // made (a copy of the current one, or the first of an empty list) and
    // wait for their edit dialog: keepAdd() or dropAdd() ends the add, which
    // is one edit with the dialog's. In the favourite views the chosen
    // channels of the pool join the group at once.
    struct AddStart {
        EditorList list = EditorList::None;
        int id = -1;  // the new record; -1 when nothing was added
    };
    AddStart add(Change* changed = nullptr);
    bool isAddOpen() const { return addBefore_ != nullptr; }
    Change keepAdd();
    Change dropAdd();

    // "Delete" on the active list, after the question that says how much
    // goes with it.
    Change remove();
    // The question remove() would ask ("" when there is nothing to delete).
    std::string deleteQuestion() const;

    // ---- moves ---------------------------------------------------------------------
    // Marks the chosen channels (or members) for a move and lists the
    // satellite's channels in channel order to pick the destination from.
    Change startMove();
    // Moves the marked channels in front of the channel `destination` (or
    // the members behind the member at position `destination`).
    Change moveTo(int destination);
    // Takes the marks back; nothing else changes.
    Change cancelMove();
    // Drops: channels on a channel (as Move and Select Destination), pool
    // channels into a group (as Add), members on a member (as Move).
    // `why` learns the reason a drop is refused.
    Change dropChannelsOnChannel(int destination, std::string* why = nullptr);
    Change dropIntoGroup(int group, std::string* why = nullptr);
    Change dropMembersOnMember(int position, std::string* why = nullptr);
    // Whether a drop of `from` rows onto `onto` would do anything; "" when
    // it would, else the reason.
    std::string whyDropIsRefused(EditorList from, EditorList onto) const;

    // ---- the order of the whole table (editor_session_order.cpp) -------------------
    // Whether the chosen channels may be moved: within one satellite, or
    // across all of them while every listed satellite is chosen.
    bool movesAcrossSatellites() const;
    // The chosen channels as one block from channel number `number`.
    Change moveToNumber(int number);
    // The two chosen channels exchange their numbers.
    Change swapChannels();
    // The chosen channels, sorted by the key, take the numbers they hold
    // between them.
    Change sortAndKeep(ChannelSortKey key);
    // What applying a reference would do (the preview).
    ReferencePlan planReference(const ChannelReference& reference) const;
    // Applies a reference's order (and its favourites when asked); one edit.
    Change applyReference(const ChannelReference& reference, bool takeFavourites, ReferencePlan* applied = nullptr);
    // Why the order actions are off ("" when they are on).
    std::string whyOrderIsOff(int wanted) const;

    // ---- history, files -------------------------------------------------------------
    Change undo();
    Change redo();
    // Saves after the check before saving; afterwards the session holds
    // exactly what the file holds (channel numbers close their gaps).
    // False when nothing was saved (refused, cancelled or failed).
    bool save(Change* changed = nullptr);
    bool saveAs(const std::filesystem::path& path, Change* changed = nullptr);
    // Closing: true when the window may close (nothing unsaved, saved, or
    // given up), asking once.
    bool settleUnsavedEdits(Change* changed = nullptr);
    // An import: `apply` changes the database (a whole replacement when
    // `replacesAll`) or fails and leaves it as it was; one edit.
    Change import(const std::function<Status(ReceiverDatabase&)>& apply, bool replacesAll, Status* result = nullptr);

    // ---- copy between files, clean-up (editor_session_copy.cpp) ---------------------
    // Copies records of another file's database into this one (see
    // copyBetween), one edit. When some channels are already here the
    // operator chooses "Skip", "Replace" or "Keep Both" (or "Cancel");
    // `choice` answers in advance instead. The copied channels become the
    // chosen ones.
    Change copyFrom(const ReceiverDatabase& source, const CopySelection& selection,
                    std::optional<DuplicateChoice> choice = std::nullopt, CopyReport* report = nullptr);
    // The "Duplicates" filter: only channels with a twin (same identity, or
    // same name on the same satellite) are listed.
    Change setDuplicatesOnly(bool on);
    bool duplicatesOnly() const { return duplicatesOnly_; }
    // The filter on, every satellite and transponder chosen, and every
    // listed duplicate chosen: one step.
    Change selectAllDuplicates();
    // Transponders without a channel, and their removal (one edit, after
    // the question that says how many); `removed` learns the count.
    int unusedTransponderCount() const;
    Change removeUnusedTransponders(int* removed = nullptr);

private:
    ReceiverDatabase& db();
    void tell(const std::string& text, bool warning) { questions_.tell(text, warning); }

    // Listing (editor_session_lists.cpp).
    void relist();
    void listLeft();
    void listMiddle();
    void listChannels();
    void listGroup();
    void listPool();
    void listSatelliteChannels();
    bool passesSearch(int channel) const;
    void sortChannels(std::vector<int>& rows) const;
    void keepSelected(std::vector<int>& selected, const std::vector<int>& rows, bool allWhenNone);
    void markTwins();

    // Edits (editor_session_edits.cpp).
    std::unique_ptr<EditState> snapshot() const;
    void restore(EditState& state);
    Change commit(std::unique_ptr<EditState> before, unsigned bits);
    AddStart addSatellite();
    AddStart addTransponder();
    AddStart addChannel();
    Change addToGroup();
    Change removeSatellites();
    Change removeTransponders();
    Change removeChannels();
    Change removeMembers();

    // Moves (editor_session_moves.cpp).
    Change startChannelMove();
    Change startMemberMove();
    Change moveChannelsTo(int destination);
    Change moveMembersTo(int position);

    // Order (editor_session_order.cpp).
    Change reorder(const ChannelOrder& order, std::vector<int> keepChosen);

    // Files (editor_session_files.cpp).
    bool canSave();
    bool confirmIntegrity();
    bool afterSave(const Status& written, Change* changed);

    ChannelDataDocument& document_;
    SessionQuestions& questions_;
    EditHistory history_;

    EditorView view_ = EditorView::Satellites;
    EditorList activeList_ = EditorList::None;
    bool searchedOnly_ = true;
    KindFilter kindFilter_ = KindFilter::All;
    AccessFilter accessFilter_ = AccessFilter::All;
    int sortColumn_ = kColumnNumber;
    bool sortDescending_ = false;
    std::string searchText_;
    bool searchIsNumber_ = false;
    int searchNumber_ = 0;

    std::vector<int> leftRows_, middleRows_, channelRows_;
    std::vector<int> selectedLeft_, selectedMiddle_, selectedChannels_;
    int currentChannel_ = -1;
    int lastTransponder_ = -1;
    int currentGroup_ = 0;
    int groupSize_ = 0;
    ListCounts counts_;
    int foundInView_ = 0;
    bool narrowed_ = false;
    bool duplicatesOnly_ = false;
    std::vector<bool> twins_;  // by channel number, while duplicatesOnly_

    std::vector<int> pendingMove_;
    std::unique_ptr<EditState> beforeMove_;
    std::unique_ptr<EditState> addBefore_;
    EditorList addList_ = EditorList::None;
    int addId_ = -1;
};

}  // namespace dorvane
