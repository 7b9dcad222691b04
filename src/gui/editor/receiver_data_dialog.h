#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QDialog>

#include "editor/edit_history.h"
#include "editor/editor_state.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace dorvane {

class ChannelDataDocument;
class ReceiverDatabase;
class RecordListModel;
struct EditState;
class ReportListView;

// "Edit Receiver Data": the receiver database of the current channel-data
// file in three linked lists (satellites, their transponders, their
// channels) with filters, sort orders, counters, add/delete/move and save;
// or, in the two favourite views, the favourite groups of one kind with
// their members and the pool of channels to add.
class CReceiverDataDialog : public QDialog {
    Q_OBJECT
public:
    enum View { SatelliteView = 0, FavTvView = 1, FavRadioView = 2 };
    enum ActiveList { NoList = 0, LeftList = 1, MiddleList = 2, ChannelList = 3 };

    // The window edits the document's database, which it fills from the
    // document's buffer; "Save" checks the database, packs it and replaces
    // the document's file (keeping NAME.bak).
    explicit CReceiverDataDialog(ChannelDataDocument& document, QWidget* parent = nullptr);

    // Fills the database from the document's buffer (from empty tables) and
    // lists it. On a refused blob it shows why and returns false; the dialog
    // must then not be run.
    bool initialise();

    // The state the window shows, for its owner and the tests.
    int viewMode() const { return viewMode_; }
    int activeList() const { return activeList_; }
    // Not at the saved state: edits made and not all undone since the last
    // save.
    bool isDirty() const { return !history_.atSavedState(); }
    bool isMovePending() const { return movePending_; }
    int currentGroup() const { return currentGroup_; }
    int groupSize() const { return groupSize_; }

    QComboBox* viewCombo() const { return viewCombo_; }
    ReportListView* leftList() const { return leftList_; }
    ReportListView* middleList() const { return middleList_; }
    ReportListView* channelList() const { return channelList_; }
    QRadioButton* allSatButton() const { return allSat_; }
    QRadioButton* searchedSatButton() const { return searchedSat_; }
    QRadioButton* kindButton(int filter) const { return kindButtons_[static_cast<std::size_t>(filter)]; }
    QRadioButton* accessButton(int filter) const { return accessButtons_[static_cast<std::size_t>(filter)]; }
    QRadioButton* sortButton(int order) const { return sortButtons_[static_cast<std::size_t>(order)]; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* moveButton() const { return move_; }
    QPushButton* selectDestinationButton() const { return selectDestination_; }
    QPushButton* cancelMoveButton() const { return cancelMove_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* exportButton() const { return export_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* exitButton() const { return exit_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* redoButton() const { return redo_; }
    QPushButton* saveAsButton() const { return saveAs_; }
    QPushButton* renameGroupButton() const { return renameGroup_; }
    QLineEdit* searchEdit() const { return search_; }
    const EditHistory& history() const { return history_; }
    // The counters by the ids of their places: 1022..1024, 1027..1029,
    // 1033..1036.
    QLabel* counter(int id) const;
    int counterValue(int id) const { return counts_.byId(id); }
    const ListCounts& counts() const { return counts_; }
    // The channel list's sort: a column and a direction (the "Sort by"
    // buttons choose columns "Ch_id", "Sat_id" and "Channel").
    int channelSortColumn() const { return channelSortColumn_; }
    bool channelSortDescending() const { return channelSortDescending_; }

public slots:
    // The clicks and double-clicks of the three lists (the lists call them;
    // public so that a caller can act as the operator).
    void leftListClicked();
    void middleListClicked();
    void channelListClicked();
    void leftListDoubleClicked();
    void middleListDoubleClicked();
    void channelListDoubleClicked();
    void addClicked();
    void deleteClicked();
    void moveClicked();
    void selectDestinationClicked();
    void saveClicked();
    void exitClicked();
    // Takes back the marks of a pending move; the other edits stay.
    void cancelMoveClicked();
    // "Export...": the database as JSON (every byte saving keeps) or the
    // channel table as CSV. "Import...": a JSON replaces the database, a
    // CSV updates names and PIDs of existing channels by number.
    void exportClicked();
    void importClicked();
    // Takes back the last edit, or makes it again.
    void undoClicked();
    void redoClicked();
    // "Save As...": the database to another file, which the window then edits.
    void saveAsClicked();
    // The filter box: narrows the channel list by name (any case), or by
    // service id or PID when the text is a number.
    void setSearchText(const QString& text);
    // A click on a header of the channel list: sorts by that column,
    // ascending, or the other way on a second click.
    void channelHeaderClicked(int column);
    void leftHeaderClicked(int column);
    void middleHeaderClicked(int column);
    // A favourite group's TV or radio name (the view's), within its stored
    // size; asks for it and renames the group.
    void renameGroupClicked();
    // Rows of list `from` (its selection) dropped on row `row` of list
    // `onto` (-1: not on a row): channels before a channel (as Move, then
    // Select Destination on it), channels into a favourite group (as Add),
    // members before a member (as the favourite Move).
    void dropRows(int onto, int from, int row);

public:
    // The context menu of a list (1..3): Undo, Redo and the list's actions,
    // each enabled as its button is. The caller owns the menu.
    QMenu* contextMenuFor(int list);

    // Esc: takes back a pending move, and only that; otherwise the window
    // closes, asking first when there are unsaved edits.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QLayout* buildTopLayout();
    QLayout* buildChoicesLayout();
    QLayout* buildButtonLayout();
    void createButtons();
    void connectLists();
    void addShortcuts();
    void restoreSettings();
    void storeSettings() const;
    void drawCounts();
    // Every button's state, from (view, active list, move pending, dirty).
    void updateButtons();
    EditorFacts currentFacts() const;

    // Undo: the state before an edit, and the edit made.
    std::unique_ptr<EditState> snapshot() const;
    void restore(const EditState& state);
    void commitEdit(std::unique_ptr<EditState> before);
    bool lastEditRecorded_ = false;  // the last commitEdit changed something
    void relistKeepingSelection();
    // Closing with unsaved edits: save, discard or stay. True to close.
    bool settleUnsavedEdits();
    bool passesSearch(int channel) const;
    void sortChannelRows(std::vector<int>& rows) const;
    void activateList(int list);
    void editFocusedRow(int list);

    // The satellite view.
    void setSatelliteColumns();
    void listSatellites();
    void listTransponders();
    void listChannels();
    void selectAllSatellitesAndList();
    void refreshAfterChange();
    void refreshSelectedSatelliteRows();
    void refreshSatelliteRow(int row);
    void addChannelToCounts(std::uint16_t flags, bool listed);
    bool satelliteQualifies(int slot) const;
    void setSearchedOnly(int value);
    void setKindFilter(int value);
    void setAccessFilter(int value);
    void setSortOrder(int value);
    void checkSortButton(int order);
    void enableSatelliteChoices(bool enable);
    void addSatellite();
    void addTransponder();
    void addChannel();
    void deleteSatellites();
    void deleteTransponders();
    void deleteChannels();
    bool editSatellite(int slot);
    bool editTransponder(int transponder);
    bool editChannel(int channel);

    // The favourite views.
    int viewKind() const { return viewMode_ == FavTvView ? 0 : 1; }
    void switchView(int view);
    void enterFavouriteView();
    void showGroup(int group);
    void favouriteAdd();
    void favouriteDelete();
    void favouriteMove();
    void favouriteSelectDestination();
    void cancelPendingMove();
    void finishMove();
    bool finishAdd(std::unique_ptr<EditState> before, bool edited, RecordListModel* model, int id);
    void listFavouritePool();
    void dropChannelsOnChannel(int row);
    void dropMembersOnMember(int row);

    bool save();
    bool confirmIntegrity();
    void relistAll();
    void warnIfNotUnique(const std::vector<int>& channels);
    void showMessage(const QString& text, bool exclamation);
    bool confirm(const QString& text);
    void setChannelColumns();

    ChannelDataDocument& document_;
    ReceiverDatabase& db_;

    int viewMode_ = SatelliteView;
    int searchedOnly_ = 1;
    int kindFilter_ = 0;
    int accessFilter_ = 0;
    int sortOrder_ = 0;
    int activeList_ = NoList;
    bool movePending_ = false;
    int lastTransponderId_ = -1;
    int currentChannelId_ = -1;
    int currentGroup_ = 0;
    int groupSize_ = 0;
    std::vector<int> markedForMove_;
    // The state before a pending move's marks, recorded once the move ends.
    std::unique_ptr<EditState> beforeMove_;
    EditHistory history_;
    ListCounts counts_;
    QString searchText_;
    bool searchIsNumber_ = false;
    int searchNumber_ = 0;
    int channelSortColumn_ = 10;  // "Ch_id"
    bool channelSortDescending_ = false;
    int leftSortColumn_ = -1;     // -1: the satellite order list
    bool leftSortDescending_ = false;
    int middleSortColumn_ = -1;   // -1: slot order
    bool middleSortDescending_ = false;

    QComboBox* viewCombo_ = nullptr;
    RecordListModel* leftModel_ = nullptr;
    RecordListModel* middleModel_ = nullptr;
    RecordListModel* channelModel_ = nullptr;
    ReportListView* leftList_ = nullptr;
    ReportListView* middleList_ = nullptr;
    ReportListView* channelList_ = nullptr;
    QRadioButton* allSat_ = nullptr;
    QRadioButton* searchedSat_ = nullptr;
    std::vector<QRadioButton*> kindButtons_;
    std::vector<QRadioButton*> accessButtons_;
    std::vector<QRadioButton*> sortButtons_;
    std::vector<std::pair<int, QLabel*>> counters_;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* move_ = nullptr;
    QPushButton* selectDestination_ = nullptr;
    QPushButton* cancelMove_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* renameGroup_ = nullptr;
    QLineEdit* search_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

}  // namespace dorvane
