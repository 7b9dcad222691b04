#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QDialog>

#include "core/editor/edit_history.h"
#include "core/editor/editor_session.h"
#include "core/editor/editor_state.h"
#include "gui/editor/editor_options.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace dorvane {

class ChannelDataDocument;
class CopyCleanTools;
class ChannelOrderActions;
class Prompts;
class ReceiverDatabase;
class RecordListModel;
class ReportListView;

// The session's questions as the editor's boxes.
class PromptQuestions : public SessionQuestions {
public:
    PromptQuestions(Prompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
    bool confirm(const std::string& text) override;
    bool ask(const std::string& text, const std::string& yes, const std::string& no) override;
    SaveChoice askToSave(const std::string& text) override;
    void tell(const std::string& text, bool warning) override;
    int choose(const std::string& text, const std::vector<std::string>& buttons) override;

private:
    Prompts& prompts_;
    QWidget* parent_;
};

// "Edit Receiver Data": the receiver database of the current channel-data
// file in three linked lists (satellites, their transponders, their
// channels) with filters, sort orders, counters, add/delete/move and save;
// or, in the two favourite views, the favourite groups of one kind with
// their members and the pool of channels to add. The window draws its
// EditorSession, which holds the state and the rules, and forwards the
// operator's input to it; it runs the edit dialogs and file choosers.
class CReceiverDataDialog : public QDialog {
    Q_OBJECT
public:
    enum View { SatelliteView = 0, FavTvView = 1, FavRadioView = 2 };
    enum ActiveList { NoList = 0, LeftList = 1, MiddleList = 2, ChannelList = 3 };

    // The window edits the document's database, which it fills from the
    // document's buffer; "Save" checks the database, packs it and replaces
    // the document's file (keeping NAME.bak).
    // The window asks through `prompts`, and so do the dialogs and actions
    // it opens. The session's questions go to `questions` when given, else
    // to the editor's boxes.
    CReceiverDataDialog(ChannelDataDocument& document, Prompts& prompts, EditorOptions options = {},
                        QWidget* parent = nullptr, SessionQuestions* questions = nullptr);

    // Fills the database from the document's buffer (from empty tables) and
    // lists it. On a refused blob it shows why and returns false; the dialog
    // must then not be run.
    bool initialise();

    // The state the window shows, for its owner and the tests.
    EditorSession& session() { return session_; }
    const EditorSession& session() const { return session_; }
    int viewMode() const { return static_cast<int>(session_.view()); }
    int activeList() const { return static_cast<int>(session_.activeList()); }
    // Not at the saved state: edits made and not all undone since the last
    // save.
    bool isDirty() const { return session_.isDirty(); }
    bool isMovePending() const { return session_.isMovePending(); }
    int currentGroup() const { return session_.currentGroup(); }
    int groupSize() const { return session_.groupSize(); }

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
    // The status line: why an action is off, what a search found, what a
    // pending move waits for.
    QLabel* statusLine() const { return status_; }
    const EditHistory& history() const { return session_.history(); }
    // The counters by the places of their labels (1022..1024, 1027..1029,
    // 1033..1036).
    QLabel* counter(int place) const;
    int counterValue(int place) const;
    const ListCounts& counts() const { return session_.counts(); }
    // The channel list's sort: a column and a direction (the "Sort by"
    // buttons choose columns "Ch_id", "Sat_id" and "Channel").
    int channelSortColumn() const { return session_.sortColumn(); }
    bool channelSortDescending() const { return session_.sortDescending(); }

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
    // "History...": the kept lists; compares two, or one with the open
    // list; "Restore" makes one the editor's list (history_action.cpp).
    void historyClicked();
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

    // Move to number, swap, the sorts kept and "Apply order from..."
    // (channel_order_actions.cpp).
    ChannelOrderActions* orderActions() const { return orderActions_; }
    // Draws what an order action changed and says `status` on the status
    // line (when not empty).
    void showOrderChange(const Change& change, const QString& status);

    // Esc: takes back a pending move, and only that; otherwise the window
    // closes, asking first when there are unsaved edits.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (receiver_data_layout.cpp).
    void buildControls();
    void buildLayout();
    QLayout* buildTopLayout();
    QLayout* buildChoicesLayout();
    QLayout* buildButtonLayout();
    void createButtons();
    QPushButton* makeHistoryButton();
    void connectLists();
    void connectList(ReportListView* list, EditorList which);
    void addShortcuts();
    void restoreSettings();
    void storeSettings() const;
    void checkSortButton(int order);

    // Drawing the session (receiver_data_dialog.cpp).
    void render(const Change& change);
    void renderLeft();
    void renderMiddle();
    void renderChannels();
    void focusRow(const Change& change);
    void drawCounts();
    void updateButtons();
    void showStatus();
    void tellRefusal(const std::string& why);
    ReportListView* listOf(EditorList list) const;

    // Columns (satellite_view.cpp, favourite_views.cpp).
    void setSatelliteColumns();
    void setChannelColumns();
    void setFavouriteColumns();
    void setColumnsOfView();
    void sortChannelRowsByText(std::vector<int>& rows) const;

    // Input (satellite_actions.cpp, favourite_views.cpp).
    void activateList(EditorList list);
    void editFocusedRow(EditorList list);
    void switchView(int view);
    void setSearchedOnly(int value);
    void setKindFilter(int value);
    void setAccessFilter(int value);
    void setSortOrder(int value);
    void searchEntered();
    void undoOrSearchUndo();
    bool editSatellite(int slot);
    bool editTransponder(int transponder);
    bool editChannel(int channel);
    void finishAdd(const EditorSession::AddStart& start);
    bool save();
    bool saveAs();
    void cancelPendingMove();

    Prompts& prompts_;
    EditorOptions options_;
    PromptQuestions questions_;
    EditorSession session_;
    bool rendering_ = false;
    int leftSortColumn_ = -1;  // -1: the satellite order list
    bool leftSortDescending_ = false;
    int middleSortColumn_ = -1;  // -1: slot order
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
    QLabel* status_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QString searchAtLastEdit_;
    ChannelOrderActions* orderActions_ = nullptr;

    // Copy from a second file, clean-up, clipboard and print
    // (copy_clean_tools.cpp).
    friend class CopyCleanTools;
    CopyCleanTools* copyClean_ = nullptr;

public:
    CopyCleanTools* copyCleanTools() const { return copyClean_; }
};

}  // namespace dorvane
