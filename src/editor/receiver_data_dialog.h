#pragma once

#include <vector>

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace dorvane {

class ChannelDataDocument;
class ReceiverDatabase;
class RecordListModel;
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
    bool isDirty() const { return dirty_; }
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
    // The counters by the ids of their places: 1022..1024, 1027..1029,
    // 1033..1036.
    QLabel* counter(int id) const;
    int counterValue(int id) const;

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

private:
    void buildControls();
    void setCounter(int id, int value);

    // The satellite view.
    void setSatelliteColumns();
    void listSatellites();
    void listTransponders();
    void listChannels();
    void selectAllSatellitesAndList();
    void refreshAfterChange();
    void refreshSelectedSatelliteRows();
    void refreshSatelliteRow(int row);
    bool satelliteQualifies(int slot) const;
    void setSearchedOnly(int value);
    void setKindFilter(int value);
    void setAccessFilter(int value);
    void setSortOrder(int value);
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
    void endMoveControls();

    void markDirty();
    bool save();
    bool confirmIntegrity();
    void relistAll();
    void warnIfNotUnique(const std::vector<int>& channels);
    void showMessage(const QString& text, bool exclamation);
    bool confirm(const QString& text);
    void setChannelColumns();
    void zeroChannelCounters();

    ChannelDataDocument& document_;
    ReceiverDatabase& db_;

    int viewMode_ = SatelliteView;
    int searchedOnly_ = 1;
    int kindFilter_ = 0;
    int accessFilter_ = 0;
    int sortOrder_ = 0;
    int activeList_ = NoList;
    bool movePending_ = false;
    bool dirty_ = false;
    int lastTransponderId_ = -1;
    int currentChannelId_ = -1;
    int currentGroup_ = 0;
    int groupSize_ = 0;
    std::vector<int> markedForMove_;

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
};

}  // namespace dorvane
