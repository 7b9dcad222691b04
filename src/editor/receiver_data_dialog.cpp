#include "editor/receiver_data_dialog.h"

#include <algorithm>
#include <memory>

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/path_text.h"
#include "database/backup_blob.h"
#include "database/channel_data_document.h"
#include "database/integrity_check.h"
#include "database/receiver_database.h"
#include "database/replace_file.h"
#include "editor/cell_texts.h"
#include "editor/channel_move.h"
#include "editor/edit_channel_dialog.h"
#include "editor/edit_satellite_dialog.h"
#include "editor/edit_tp_dialog.h"
#include "editor/editor_prompts.h"
#include "editor/record_list_model.h"
#include "editor/report_list_view.h"
#include "exchange/channel_data_json.h"
#include "exchange/channel_table_csv.h"

namespace dorvane {

namespace {

constexpr int kCounterIds[] = {1023, 1022, 1024, 1027, 1028, 1029, 1033, 1034, 1035, 1036};

template <typename Cell>
std::vector<ListColumn> makeColumns(const ReceiverDatabase& db, std::initializer_list<std::pair<const char*, int>> specs,
                                    Cell cell) {
    std::vector<ListColumn> columns;
    int index = 0;
    for (const auto& [heading, width] : specs) {
        const int column = index++;
        columns.push_back({QString::fromLatin1(heading), width, [&db, cell, column](int id) { return cell(db, id, column); }});
    }
    return columns;
}

QRadioButton* addRadio(QButtonGroup* group, QGridLayout* grid, const QString& text, int id, int row) {
    auto* button = new QRadioButton(text);
    group->addButton(button, id);
    grid->addWidget(button, row, 0);
    return button;
}

}  // namespace

CReceiverDataDialog::CReceiverDataDialog(ChannelDataDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), db_(document.database()) {
    setWindowTitle(QStringLiteral("Edit Receiver Data"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildControls();
}

// ---- layout ------------------------------------------------------------------

void CReceiverDataDialog::buildControls() {
    viewCombo_ = new QComboBox;
    viewCombo_->addItems({QStringLiteral("Satellite"), QStringLiteral("Fav TV"), QStringLiteral("Fav Radio")});
    connect(viewCombo_, &QComboBox::activated, this, &CReceiverDataDialog::switchView);

    leftModel_ = new RecordListModel(this);
    middleModel_ = new RecordListModel(this);
    channelModel_ = new RecordListModel(this);
    leftList_ = new ReportListView(leftModel_);
    middleList_ = new ReportListView(middleModel_);
    channelList_ = new ReportListView(channelModel_);
    leftList_->setMinimumSize(390, 170);
    middleList_->setMinimumSize(420, 170);
    channelList_->setMinimumSize(600, 220);
    connect(leftList_, &ReportListView::clickedAnywhere, this, &CReceiverDataDialog::leftListClicked);
    connect(middleList_, &ReportListView::clickedAnywhere, this, &CReceiverDataDialog::middleListClicked);
    connect(channelList_, &ReportListView::clickedAnywhere, this, &CReceiverDataDialog::channelListClicked);
    connect(leftList_, &QAbstractItemView::doubleClicked, this, &CReceiverDataDialog::leftListDoubleClicked);
    connect(middleList_, &QAbstractItemView::doubleClicked, this, &CReceiverDataDialog::middleListDoubleClicked);
    connect(channelList_, &QAbstractItemView::doubleClicked, this, &CReceiverDataDialog::channelListDoubleClicked);
    connect(leftList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (viewMode_ == SatelliteView || movePending_) return;
        const int row = leftList_->firstSelectedRow();
        if (row >= 0) showGroup(leftModel_->idAt(row));
    });

    for (int id : kCounterIds) {
        auto* label = new QLabel(counterText(0));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(52);
        label->setObjectName(QStringLiteral("counter%1").arg(id));
        counters_.emplace_back(id, label);
    }

    // Satellites and transponders side by side, their counters below.
    auto* leftBox = new QVBoxLayout;
    auto* viewRow = new QHBoxLayout;
    viewRow->addWidget(new QLabel(QStringLiteral("View:")));
    viewRow->addWidget(viewCombo_, 1);
    leftBox->addLayout(viewRow);
    leftBox->addWidget(leftList_, 1);
    auto* leftCounters = new QHBoxLayout;
    leftCounters->addWidget(new QLabel(QStringLiteral("TPs:")));
    leftCounters->addWidget(counter(1023));
    leftCounters->addWidget(new QLabel(QStringLiteral("CHs:")));
    leftCounters->addWidget(counter(1022));
    leftCounters->addStretch(1);
    leftBox->addLayout(leftCounters);

    auto* middleBox = new QVBoxLayout;
    middleBox->addSpacing(viewCombo_->sizeHint().height());
    middleBox->addWidget(middleList_, 1);
    auto* middleCounters = new QHBoxLayout;
    middleCounters->addWidget(new QLabel(QStringLiteral("CHs:")));
    middleCounters->addWidget(counter(1024));
    middleCounters->addStretch(1);
    middleBox->addLayout(middleCounters);

    auto* top = new QHBoxLayout;
    top->addLayout(leftBox, 4);
    top->addLayout(middleBox, 5);

    // Filters, sort order and counters beside the channel list.
    auto* satGroup = new QButtonGroup(this);
    allSat_ = new QRadioButton(QStringLiteral("All Sat"));
    searchedSat_ = new QRadioButton(QStringLiteral("Searched Sat"));
    satGroup->addButton(allSat_, 0);
    satGroup->addButton(searchedSat_, 1);
    searchedSat_->setChecked(true);
    connect(satGroup, &QButtonGroup::idClicked, this, &CReceiverDataDialog::setSearchedOnly);
    auto* satRow = new QHBoxLayout;
    satRow->addWidget(allSat_);
    satRow->addWidget(searchedSat_);

    auto* kindBox = new QGroupBox;
    auto* kindGrid = new QGridLayout(kindBox);
    auto* kindGroup = new QButtonGroup(this);
    kindButtons_ = {addRadio(kindGroup, kindGrid, QStringLiteral("All"), 0, 0),
                    addRadio(kindGroup, kindGrid, QStringLiteral("TV"), 1, 1),
                    addRadio(kindGroup, kindGrid, QStringLiteral("Radio"), 2, 2)};
    kindGrid->addWidget(counter(1027), 0, 1);
    kindGrid->addWidget(counter(1028), 1, 1);
    kindGrid->addWidget(counter(1029), 2, 1);
    kindButtons_[0]->setChecked(true);
    connect(kindGroup, &QButtonGroup::idClicked, this, &CReceiverDataDialog::setKindFilter);

    auto* accessBox = new QGroupBox;
    auto* accessGrid = new QGridLayout(accessBox);
    auto* accessGroup = new QButtonGroup(this);
    accessButtons_ = {addRadio(accessGroup, accessGrid, QStringLiteral("All"), 0, 0),
                      addRadio(accessGroup, accessGrid, QStringLiteral("FTA"), 1, 1),
                      addRadio(accessGroup, accessGrid, QStringLiteral("CAS"), 2, 2)};
    accessGrid->addWidget(counter(1033), 0, 1);
    accessGrid->addWidget(counter(1034), 1, 1);
    accessGrid->addWidget(counter(1035), 2, 1);
    accessButtons_[0]->setChecked(true);
    connect(accessGroup, &QButtonGroup::idClicked, this, &CReceiverDataDialog::setAccessFilter);

    auto* sortBox = new QGroupBox(QStringLiteral("Sort by:"));
    auto* sortGrid = new QGridLayout(sortBox);
    auto* sortGroup = new QButtonGroup(this);
    sortButtons_ = {addRadio(sortGroup, sortGrid, QStringLiteral("Channel No"), 0, 0),
                    addRadio(sortGroup, sortGrid, QStringLiteral("Sat/Tp"), 1, 1),
                    addRadio(sortGroup, sortGrid, QStringLiteral("Name"), 2, 2)};
    sortButtons_[0]->setChecked(true);
    connect(sortGroup, &QButtonGroup::idClicked, this, &CReceiverDataDialog::setSortOrder);

    auto* listedRow = new QHBoxLayout;
    listedRow->addWidget(new QLabel(QStringLiteral("Listed channels:")));
    listedRow->addWidget(counter(1036));

    add_ = new QPushButton(QStringLiteral("Add"));
    delete_ = new QPushButton(QStringLiteral("Delete"));
    move_ = new QPushButton(QStringLiteral("Move"));
    selectDestination_ = new QPushButton(QStringLiteral("Select Destination"));
    cancelMove_ = new QPushButton(QStringLiteral("Cancel Move"));
    save_ = new QPushButton(QStringLiteral("Save"));
    exit_ = new QPushButton(QStringLiteral("Exit"));
    export_ = new QPushButton(QStringLiteral("Export..."));
    import_ = new QPushButton(QStringLiteral("Import..."));
    for (QPushButton* button : {add_, delete_, move_, save_}) button->setEnabled(false);
    selectDestination_->hide();
    cancelMove_->hide();
    exit_->setDefault(true);
    connect(add_, &QPushButton::clicked, this, &CReceiverDataDialog::addClicked);
    connect(delete_, &QPushButton::clicked, this, &CReceiverDataDialog::deleteClicked);
    connect(move_, &QPushButton::clicked, this, &CReceiverDataDialog::moveClicked);
    connect(selectDestination_, &QPushButton::clicked, this, &CReceiverDataDialog::selectDestinationClicked);
    connect(save_, &QPushButton::clicked, this, &CReceiverDataDialog::saveClicked);
    connect(exit_, &QPushButton::clicked, this, &CReceiverDataDialog::exitClicked);
    connect(cancelMove_, &QPushButton::clicked, this, &CReceiverDataDialog::cancelMoveClicked);
    connect(export_, &QPushButton::clicked, this, &CReceiverDataDialog::exportClicked);
    connect(import_, &QPushButton::clicked, this, &CReceiverDataDialog::importClicked);

    auto* buttonGrid = new QGridLayout;
    buttonGrid->addWidget(add_, 0, 0);
    buttonGrid->addWidget(delete_, 0, 1);
    buttonGrid->addWidget(move_, 1, 0, 1, 2);
    buttonGrid->addWidget(selectDestination_, 2, 0);
    buttonGrid->addWidget(cancelMove_, 2, 1);
    buttonGrid->addWidget(export_, 3, 0);
    buttonGrid->addWidget(import_, 3, 1);
    buttonGrid->addWidget(save_, 4, 0);
    buttonGrid->addWidget(exit_, 4, 1);

    auto* side = new QVBoxLayout;
    side->addLayout(satRow);
    side->addWidget(kindBox);
    side->addWidget(accessBox);
    side->addWidget(sortBox);
    side->addLayout(listedRow);
    side->addStretch(1);
    side->addLayout(buttonGrid);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(channelList_, 1);
    bottom->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addLayout(bottom, 3);
    resize(1180, 720);
}

QLabel* CReceiverDataDialog::counter(int id) const {
    for (const auto& [counterId, label] : counters_) {
        if (counterId == id) return label;
    }
    return nullptr;
}

int CReceiverDataDialog::counterValue(int id) const {
    const QLabel* label = counter(id);
    return label ? label->text().trimmed().toInt() : 0;
}

void CReceiverDataDialog::setCounter(int id, int value) {
    if (QLabel* label = counter(id)) label->setText(counterText(value));
}

void CReceiverDataDialog::zeroChannelCounters() {
    for (int id : {1027, 1028, 1029, 1033, 1034, 1035, 1036}) setCounter(id, 0);
}

void CReceiverDataDialog::showMessage(const QString& text, bool exclamation) {
    editorPrompts().message(this, text, exclamation ? PromptIcon::Exclamation : PromptIcon::None);
}

bool CReceiverDataDialog::confirm(const QString& text) { return editorPrompts().confirm(this, text); }

// ---- start-up ----------------------------------------------------------------

bool CReceiverDataDialog::initialise() {
    viewCombo_->setCurrentIndex(SatelliteView);
    viewMode_ = SatelliteView;
    const int result = document_.unpack();
    if (result != kUnpackOk) {
        const std::string_view text = unpackResultText(result);
        showMessage(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), false);
        return false;
    }
    db_.recount();
    setSatelliteColumns();
    selectAllSatellitesAndList();
    leftList_->setFocus(Qt::OtherFocusReason);
    dirty_ = false;
    save_->setEnabled(false);
    if (document_.isReadOnly()) setWindowTitle(windowTitle() + QStringLiteral(" (read-only)"));
    return true;
}

// ---- the satellite view: listing -----------------------------------------------

void CReceiverDataDialog::setChannelColumns() {
    channelModel_->setColumns(makeColumns(db_,
                                          {{"Channel", 160},
                                           {"PPid", 60},
                                           {"VPid", 60},
                                           {"APid", 60},
                                           {"ttxt", 60},
                                           {"CAS", 80},
                                           {"VTyp", 60},
                                           {"ATyp", 50},
                                           {"Sat_id", 60},
                                           {"Tp_id", 60},
                                           {"Ch_id", 60}},
                                          channelCell));
    channelList_->applyColumnWidths();
}

void CReceiverDataDialog::setSatelliteColumns() {
    leftModel_->setColumns(makeColumns(
        db_, {{"Satellite", 130}, {"Location", 70}, {"Sat_id", 60}, {"TPs", 50}, {"CHs", 60}}, satelliteCell));
    leftList_->applyColumnWidths();
    middleModel_->setColumns(makeColumns(db_,
                                         {{"Freq.", 60},
                                          {"Pol.", 40},
                                          {"S/R", 60},
                                          {"FEC", 50},
                                          {"Trans", 70},
                                          {"Mod", 60},
                                          {"Sat_id", 60},
                                          {"Tp_id", 60},
                                          {"CHs", 60}},
                                         transponderCell));
    middleList_->applyColumnWidths();
    setChannelColumns();
}

bool CReceiverDataDialog::satelliteQualifies(int slot) const { return satelliteInUse(db_.satellite(slot)); }

void CReceiverDataDialog::listSatellites() {
    std::vector<int> rows;
    int transponders = 0;
    int channels = 0;
    for (int position = 0; position < kEditableSatellites; ++position) {
        const int number = db_.orderEntry(position);
        if (number < 1 || number > kEditableSatellites) continue;
        const int slot = number - 1;
        if (!satelliteQualifies(slot)) continue;
        if (searchedOnly_ == 1 && db_.channelsOnSatellite(slot) == 0) continue;
        rows.push_back(slot);
        transponders += db_.transpondersOnSatellite(slot);
        channels += db_.channelsOnSatellite(slot);
    }
    leftModel_->setRows(std::move(rows));
    setCounter(1023, transponders);
    setCounter(1022, channels);
}

void CReceiverDataDialog::selectAllSatellitesAndList() {
    listSatellites();
    leftList_->selectAllRows();
    listTransponders();
}

void CReceiverDataDialog::listTransponders() {
    const std::vector<int> selected = leftList_->selectedRowNumbers();
    if (selected.empty()) return;
    // One pass over the table, bucketed by satellite number, keeps slot
    // order within each satellite.
    std::vector<std::vector<int>> bySatellite(kEditableSatellites + 1);
    for (int t = 0; t < kTransponderSlots; ++t) {
        const int number = db_.transponder(t).satellite;
        if (number >= 1 && number <= kEditableSatellites) bySatellite[static_cast<std::size_t>(number)].push_back(t);
    }
    std::vector<int> rows;
    int transponders = 0;
    int channels = 0;
    int channelsOnListed = 0;
    for (int row : selected) {
        const int slot = leftModel_->idAt(row);
        transponders += db_.transpondersOnSatellite(slot);
        channels += db_.channelsOnSatellite(slot);
        for (int t : bySatellite[static_cast<std::size_t>(slot + 1)]) {
            rows.push_back(t);
            channelsOnListed += db_.channelsOnTransponder(t);
        }
    }
    middleModel_->setRows(std::move(rows));
    setCounter(1023, transponders);
    setCounter(1022, channels);
    setCounter(1024, channelsOnListed);
    middleList_->selectAllRows();
    listChannels();
}

void CReceiverDataDialog::listChannels() {
    channelModel_->clear();
    zeroChannelCounters();
    const std::vector<int> selected = middleList_->selectedRowNumbers();
    // Channels bucketed by transponder, in slot order.
    std::vector<int> start(kTransponderSlots + 1, 0);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& ch = db_.channel(n);
        if (ch.flags != 0 && ch.transponder < kTransponderSlots) ++start[ch.transponder + 1u];
    }
    for (int t = 0; t < kTransponderSlots; ++t) start[t + 1u] += start[static_cast<std::size_t>(t)];
    std::vector<int> byTransponder(static_cast<std::size_t>(start[kTransponderSlots]));
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& ch = db_.channel(n);
        if (ch.flags != 0 && ch.transponder < kTransponderSlots) byTransponder[static_cast<std::size_t>(fill[ch.transponder]++)] = n;
    }

    std::vector<int> rows;
    int onSelected = 0, tv = 0, radio = 0, fta = 0, scrambled = 0;
    for (int row : selected) {
        const int t = middleModel_->idAt(row);
        lastTransponderId_ = t;
        for (int k = start[static_cast<std::size_t>(t)]; k < start[t + 1u]; ++k) {
            const int n = byTransponder[static_cast<std::size_t>(k)];
            const std::uint16_t flags = db_.channel(n).flags;
            ++onSelected;
            const bool isTv = (flags & kFlagTv) != 0;
            const bool isScrambled = (flags & kFlagScrambled) != 0;
            isTv ? ++tv : ++radio;
            isScrambled ? ++scrambled : ++fta;
            if ((kindFilter_ == 1 && !isTv) || (kindFilter_ == 2 && isTv)) continue;
            if ((accessFilter_ == 1 && isScrambled) || (accessFilter_ == 2 && !isScrambled)) continue;
            rows.push_back(n);
        }
    }
    const int order = sortOrder_;
    std::stable_sort(rows.begin(), rows.end(),
                     [this, order](int a, int b) { return db_.compareChannels(a, b, order) < 0; });
    const int listed = static_cast<int>(rows.size());
    channelModel_->setRows(std::move(rows));
    setCounter(1024, onSelected);
    setCounter(1027, tv + radio);
    setCounter(1028, tv);
    setCounter(1029, radio);
    setCounter(1033, fta + scrambled);
    setCounter(1034, fta);
    setCounter(1035, scrambled);
    setCounter(1036, listed);
}

void CReceiverDataDialog::refreshSelectedSatelliteRows() {
    int transponders = 0;
    int channels = 0;
    for (int row : leftList_->selectedRowNumbers()) {
        const int slot = leftModel_->idAt(row);
        transponders += db_.transpondersOnSatellite(slot);
        channels += db_.channelsOnSatellite(slot);
        leftModel_->rowChanged(row);
    }
    setCounter(1023, transponders);
    setCounter(1022, channels);
}

void CReceiverDataDialog::refreshAfterChange() {
    db_.recount();
    if (activeList_ == LeftList) {
        listTransponders();
    } else if (activeList_ == MiddleList || activeList_ == ChannelList) {
        middleModel_->allRowsChanged();
        listChannels();
    }
    refreshSelectedSatelliteRows();
}

void CReceiverDataDialog::refreshSatelliteRow(int row) {
    if (row < 0 || row >= leftModel_->rowCount()) return;
    const int slot = leftModel_->idAt(row);
    if (satelliteQualifies(slot)) {
        leftModel_->rowChanged(row);
        return;
    }
    setCounter(1023, counterValue(1023) - db_.transpondersOnSatellite(slot));
    setCounter(1022, counterValue(1022) - db_.channelsOnSatellite(slot));
    leftModel_->removeRowAt(row);
}

// ---- choices -------------------------------------------------------------------

void CReceiverDataDialog::setSearchedOnly(int value) {
    searchedOnly_ = value;
    // Satellites are added and deleted only while every one is listed.
    if (value == 1 && activeList_ == LeftList) {
        activeList_ = NoList;
        add_->setEnabled(false);
        delete_->setEnabled(false);
    }
    selectAllSatellitesAndList();
}

void CReceiverDataDialog::setKindFilter(int value) {
    kindFilter_ = value;
    listChannels();
}

void CReceiverDataDialog::setAccessFilter(int value) {
    accessFilter_ = value;
    listChannels();
}

void CReceiverDataDialog::setSortOrder(int value) {
    sortOrder_ = value;
    sortButtons_[static_cast<std::size_t>(value)]->setChecked(true);
    listChannels();
}

void CReceiverDataDialog::enableSatelliteChoices(bool enable) {
    allSat_->setEnabled(enable);
    searchedSat_->setEnabled(enable);
    for (auto* group : {&kindButtons_, &accessButtons_, &sortButtons_}) {
        for (QRadioButton* button : *group) button->setEnabled(enable);
    }
}

// ---- clicks ----------------------------------------------------------------------

void CReceiverDataDialog::leftListClicked() {
    if (movePending_) return;  // a pending move keeps its group
    if (viewMode_ != SatelliteView) {
        add_->setEnabled(false);
        delete_->setEnabled(false);
        move_->setEnabled(false);
        const int row = leftList_->firstSelectedRow();
        if (row >= 0) showGroup(leftModel_->idAt(row));
        activeList_ = LeftList;
        return;
    }
    listTransponders();
    move_->setEnabled(false);
    if (searchedOnly_ == 0) {
        // With every satellite listed the satellite list takes "Add" and
        // "Delete" for satellites.
        activeList_ = LeftList;
        add_->setEnabled(true);
        delete_->setEnabled(leftList_->selectedRowCount() > 0);
    } else {
        add_->setEnabled(false);
        delete_->setEnabled(false);
    }
}

void CReceiverDataDialog::middleListClicked() {
    if (movePending_) return;
    if (viewMode_ != SatelliteView) {
        add_->setEnabled(false);
        delete_->setEnabled(true);
        move_->setEnabled(true);
        activeList_ = MiddleList;
        return;
    }
    listChannels();
    // With one satellite chosen and no transponder listed, "Add" makes the
    // satellite's first transponder.
    add_->setEnabled(middleList_->selectedRowCount() == 1 ||
                     (middleModel_->rowCount() == 0 && leftList_->selectedRowCount() == 1));
    delete_->setEnabled(true);
    move_->setEnabled(false);
    activeList_ = MiddleList;
}

void CReceiverDataDialog::channelListClicked() {
    if (movePending_) return;
    const int row = channelList_->firstSelectedRow();
    if (row < 0) return;
    if (viewMode_ != SatelliteView) {
        add_->setEnabled(true);
        delete_->setEnabled(false);
        move_->setEnabled(false);
        activeList_ = ChannelList;
        return;
    }
    currentChannelId_ = channelModel_->idAt(row);
    add_->setEnabled(true);
    delete_->setEnabled(true);
    move_->setEnabled(leftList_->selectedRowCount() == 1);
    activeList_ = ChannelList;
}

void CReceiverDataDialog::leftListDoubleClicked() {
    if (viewMode_ != SatelliteView) return;
    const int row = leftList_->firstSelectedRow();
    if (row < 0) return;
    if (editSatellite(leftModel_->idAt(row))) refreshSatelliteRow(row);
}

void CReceiverDataDialog::middleListDoubleClicked() {
    if (viewMode_ != SatelliteView) return;
    const int row = middleList_->firstSelectedRow();
    if (row < 0) return;
    if (editTransponder(middleModel_->idAt(row))) middleModel_->rowChanged(row);
}

void CReceiverDataDialog::channelListDoubleClicked() {
    if (movePending_) return;
    const int row = channelList_->firstSelectedRow();
    if (row < 0) return;
    if (editChannel(channelModel_->idAt(row))) {
        // The channel may now stand on another transponder or satellite: the
        // rows and counters are listed again.
        db_.recount();
        if (viewMode_ == SatelliteView) {
            middleModel_->allRowsChanged();
            listChannels();
            refreshSelectedSatelliteRows();
            leftModel_->allRowsChanged();
        } else {
            channelModel_->rowChanged(row);
        }
    }
}

// ---- edit dialogs ----------------------------------------------------------------

bool CReceiverDataDialog::editSatellite(int slot) {
    CEditSatelliteDialog dialog(satelliteDialogValues(db_.satellite(slot)), this);
    if (editorPrompts().run(dialog) != QDialog::Accepted) return false;
    storeSatelliteDialogValues(dialog.values(), db_.satellite(slot));
    markDirty();
    return true;
}

bool CReceiverDataDialog::editTransponder(int transponder) {
    CEditTpDialog dialog(transponderDialogValues(db_.transponder(transponder)), this);
    dialog.useDatabase(db_, transponder);
    if (editorPrompts().run(dialog) != QDialog::Accepted) return false;
    TransponderRecord& record = db_.transponder(transponder);
    const int before = record.satellite;
    storeTransponderDialogValues(dialog.values(), record);
    // Its channels go along to another satellite.
    if (record.satellite != before) {
        for (int n = 0; n < kChannelSlots; ++n) {
            ChannelRecord& c = db_.channel(n);
            if (!channelFree(c) && c.transponder == transponder) c.satellite = static_cast<std::uint8_t>(record.satellite - 1);
        }
    }
    markDirty();
    return true;
}

bool CReceiverDataDialog::editChannel(int channel) {
    CEditChannelDialog dialog(db_, channel, this);
    if (editorPrompts().run(dialog) != QDialog::Accepted) return false;
    markDirty();
    return true;
}

// ---- add, delete -------------------------------------------------------------------

void CReceiverDataDialog::addClicked() {
    if (movePending_) return;
    if (viewMode_ != SatelliteView) {
        if (activeList_ == ChannelList) favouriteAdd();
        return;
    }
    switch (activeList_) {
        case LeftList: addSatellite(); break;
        case MiddleList: addTransponder(); break;
        case ChannelList: addChannel(); break;
        default: break;
    }
}

namespace {

// Adds a record at the end of a list, makes it the only selected row and
// scrolls it into view.
void appendAndSelect(ReportListView* list, RecordListModel* model, int id) {
    list->clearRowSelection();
    model->appendRow(id);
    const int row = model->rowCount() - 1;
    list->selectRow(row, true);
    list->scrollTo(model->index(row, 0));
}

}  // namespace

// A record made by "Add" whose edit dialog is cancelled is taken out again:
// the database goes back to the copy taken before the add.
void CReceiverDataDialog::addSatellite() {
    const auto before = std::make_unique<ReceiverDatabase>(db_);
    const bool wasDirty = dirty_;
    const int slot = db_.addSatellite();
    if (slot < 0) {
        showMessage(QStringLiteral("Cannot add satellite"), true);
        return;
    }
    appendAndSelect(leftList_, leftModel_, slot);
    if (!editSatellite(slot)) {
        db_ = *before;
        leftModel_->removeRowAt(leftModel_->rowOf(slot));
        dirty_ = wasDirty;
        save_->setEnabled(dirty_);
        refreshAfterChange();
        return;
    }
    refreshAfterChange();
    // A satellite left without a location is free again and not listed.
    refreshSatelliteRow(leftModel_->rowOf(slot));
}

void CReceiverDataDialog::addTransponder() {
    const auto before = std::make_unique<ReceiverDatabase>(db_);
    const bool wasDirty = dirty_;
    int number = -1;
    if (middleList_->selectedRowCount() == 0 && middleModel_->rowCount() == 0) {
        // The satellite has no transponder to copy: a new one on it.
        const int row = leftList_->firstSelectedRow();
        if (row < 0 || leftList_->selectedRowCount() != 1) return;
        number = db_.addTransponder(leftModel_->idAt(row));
    } else {
        // The last listed transponder may have been deleted since.
        if (lastTransponderId_ < 0 || transponderFree(db_.transponder(lastTransponderId_))) return;
        number = db_.duplicateTransponder(lastTransponderId_);
    }
    if (number < 0) {
        showMessage(QStringLiteral("Cannot add transponder"), true);
        return;
    }
    appendAndSelect(middleList_, middleModel_, number);
    if (!editTransponder(number)) {
        db_ = *before;
        middleModel_->removeRowAt(middleModel_->rowOf(number));
        dirty_ = wasDirty;
        save_->setEnabled(dirty_);
    }
    refreshAfterChange();
}

void CReceiverDataDialog::addChannel() {
    // The remembered channel may have been deleted or moved away since.
    if (currentChannelId_ < 0 || channelFree(db_.channel(currentChannelId_))) return;
    const auto before = std::make_unique<ReceiverDatabase>(db_);
    const bool wasDirty = dirty_;
    const int number = db_.duplicateChannel(currentChannelId_);
    if (number < 0) {
        showMessage(QStringLiteral("Cannot add channel"), true);
        return;
    }
    appendAndSelect(channelList_, channelModel_, number);
    if (!editChannel(number)) {
        db_ = *before;
        channelModel_->removeRowAt(channelModel_->rowOf(number));
        dirty_ = wasDirty;
        save_->setEnabled(dirty_);
    }
    refreshAfterChange();
}

void CReceiverDataDialog::deleteClicked() {
    if (movePending_) return;
    if (viewMode_ != SatelliteView) {
        if (activeList_ == MiddleList) favouriteDelete();
        return;
    }
    switch (activeList_) {
        case LeftList: deleteSatellites(); break;
        case MiddleList: deleteTransponders(); break;
        case ChannelList: deleteChannels(); break;
        default: break;
    }
}

namespace {

// Removes the given rows (in list order) from a model.
void removeRows(RecordListModel* model, const std::vector<int>& rows) {
    std::vector<int> kept;
    std::vector<int> ids = model->ids();
    std::size_t next = 0;
    for (int row = 0; row < static_cast<int>(ids.size()); ++row) {
        if (next < rows.size() && rows[next] == row) {
            ++next;
            continue;
        }
        kept.push_back(ids[static_cast<std::size_t>(row)]);
    }
    model->setRows(std::move(kept));
}

}  // namespace

void CReceiverDataDialog::deleteSatellites() {
    const std::vector<int> rows = leftList_->selectedRowNumbers();
    if (rows.empty()) return;
    if (!confirm(QStringLiteral("Are you sure to delete all selected satellites?"))) return;
    for (int row : rows) db_.deleteSatellite(leftModel_->idAt(row));
    removeRows(leftModel_, rows);
    middleModel_->clear();
    channelModel_->clear();
    zeroChannelCounters();
    setCounter(1024, 0);
    markDirty();
    refreshAfterChange();
}

void CReceiverDataDialog::deleteTransponders() {
    const std::vector<int> rows = middleList_->selectedRowNumbers();
    if (rows.empty()) return;
    if (!confirm(QStringLiteral("Are you sure to delete all selected transponders?"))) return;
    for (int row : rows) db_.deleteTransponder(middleModel_->idAt(row));
    removeRows(middleModel_, rows);
    markDirty();
    refreshAfterChange();
}

void CReceiverDataDialog::deleteChannels() {
    const std::vector<int> rows = channelList_->selectedRowNumbers();
    if (rows.empty()) return;
    if (!confirm(QStringLiteral("Are you sure to delete all selected channels?"))) return;
    for (int row : rows) db_.deleteChannel(channelModel_->idAt(row));
    removeRows(channelModel_, rows);
    markDirty();
    refreshAfterChange();
}

// ---- move ------------------------------------------------------------------------------

void CReceiverDataDialog::moveClicked() {
    if (viewMode_ != SatelliteView) {
        favouriteMove();
        return;
    }
    if (activeList_ != ChannelList || movePending_) return;
    const std::vector<int> rows = channelList_->selectedRowNumbers();
    if (rows.empty()) return;
    markedForMove_.clear();
    for (int row : rows) {
        const int channel = channelModel_->idAt(row);
        db_.setMoveMark(channel);
        markedForMove_.push_back(channel);
    }
    sortOrder_ = 0;
    sortButtons_[0]->setChecked(true);
    middleList_->selectAllRows();
    listChannels();
    leftList_->setEnabled(false);
    middleList_->setEnabled(false);
    enableSatelliteChoices(false);
    save_->setEnabled(false);
    exit_->setEnabled(false);
    add_->setEnabled(false);
    delete_->setEnabled(false);
    move_->hide();
    selectDestination_->show();
    cancelMove_->show();
    movePending_ = true;
}

void CReceiverDataDialog::selectDestinationClicked() {
    if (viewMode_ != SatelliteView) {
        favouriteSelectDestination();
        return;
    }
    if (activeList_ != ChannelList || !movePending_) return;
    const int row = channelList_->firstSelectedRow();
    if (row < 0) return;
    moveMarkedChannelsKeepingFavourites(db_, channelModel_->idAt(row));
    markedForMove_.clear();
    leftList_->setEnabled(true);
    middleList_->setEnabled(true);
    enableSatelliteChoices(true);
    exit_->setEnabled(true);
    add_->setEnabled(false);
    delete_->setEnabled(false);
    endMoveControls();
    listChannels();
    movePending_ = false;
    markDirty();
}

void CReceiverDataDialog::endMoveControls() {
    selectDestination_->hide();
    cancelMove_->hide();
    move_->show();
    move_->setEnabled(false);
}

void CReceiverDataDialog::cancelPendingMove() {
    if (!movePending_) return;
    for (int channel : markedForMove_) db_.channel(channel).flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
    markedForMove_.clear();
    movePending_ = false;
    leftList_->setEnabled(true);
    middleList_->setEnabled(true);
    if (viewMode_ == SatelliteView) enableSatelliteChoices(true);
    exit_->setEnabled(true);
    add_->setEnabled(false);
    delete_->setEnabled(false);
    endMoveControls();
    if (viewMode_ != SatelliteView) move_->setEnabled(middleList_->selectedRowCount() > 0);
    save_->setEnabled(dirty_);
}

void CReceiverDataDialog::cancelMoveClicked() { cancelPendingMove(); }

// ---- save, exit ------------------------------------------------------------------------------

void CReceiverDataDialog::markDirty() {
    dirty_ = true;
    document_.setDirty(true);
    save_->setEnabled(!movePending_);
}

namespace {

// The findings as lines, at most `limit` of them.
QString findingLines(const std::vector<IntegrityFinding>& findings, bool losingOnly, int limit = 12) {
    QStringList lines;
    int left = 0;
    for (const IntegrityFinding& f : findings) {
        if (losingOnly && !f.losesData) continue;
        if (lines.size() < limit)
            lines << QStringLiteral("- ") + QString::fromStdString(f.text);
        else
            ++left;
    }
    if (left > 0) lines << QStringLiteral("... and %1 more").arg(left);
    return lines.join('\n');
}

}  // namespace

// Saving never drops data quietly: a database whose saving would lose
// channels is not saved; other findings are shown and the operator decides.
bool CReceiverDataDialog::confirmIntegrity() {
    const std::vector<IntegrityFinding> findings = checkIntegrity(db_);
    if (findings.empty()) return true;
    if (countLosingData(findings) > 0) {
        showMessage(QString::fromStdString(lossSummary(findings)) + QStringLiteral(" Not saved.\n\n") +
                        findingLines(findings, true),
                    true);
        return false;
    }
    return editorPrompts().ask(this,
                               QStringLiteral("The check before saving found:\n") + findingLines(findings, false),
                               QStringLiteral("Save anyway"), QStringLiteral("Cancel"));
}

bool CReceiverDataDialog::save() {
    if (!dirty_) return true;
    if (document_.isReadOnly()) {
        showMessage(QStringLiteral("This file cannot be saved: it holds data the editor would lose (%1).")
                        .arg(QString::fromStdString(joinReasons(document_.readOnlyReasons()))),
                    true);
        return false;
    }
    if (!confirmIntegrity()) return false;
    const FileResult written = document_.save();
    if (!written.ok) {
        const QString text = written.message.empty() ? QStringLiteral("File open failed!")
                                                     : QString::fromStdString(written.message);
        showMessage(text, true);
        return false;
    }
    dirty_ = false;
    save_->setEnabled(false);
    return true;
}

void CReceiverDataDialog::saveClicked() {
    if (movePending_) return;
    save();
}

void CReceiverDataDialog::exitClicked() {
    if (movePending_) return;
    if (dirty_ && confirm(QStringLiteral("Do you want to save changes?"))) {
        // A save that failed keeps the window open with the changes, so
        // nothing is lost without the operator seeing it.
        if (!save()) return;
    }
    accept();
}

}  // namespace dorvane

// ---- export, import ------------------------------------------------------------------------

namespace dorvane {

namespace {

const QString kExchangeFilter = QStringLiteral("Channel data JSON (*.json);;Channel table CSV (*.csv)");

bool isCsv(const QString& file) { return file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

}  // namespace

void CReceiverDataDialog::exportClicked() {
    if (movePending_) return;
    const QString suggested = textFromPath(document_.path().stem()) + QStringLiteral(".json");
    const QString file = editorPrompts().saveFileName(this, QStringLiteral("Export"), suggested, kExchangeFilter);
    if (file.isEmpty()) return;
    const QByteArray bytes = isCsv(file) ? channelTableCsv(db_) : databaseToJson(db_);
    const ReplaceResult written = replaceFileAtomically(pathFromText(file),
                                                        {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                         static_cast<std::size_t>(bytes.size())});
    if (!written.ok) showMessage(QStringLiteral("File write failed!"), true);
}

void CReceiverDataDialog::importClicked() {
    if (movePending_) return;
    const QString file = editorPrompts().openFileName(this, QStringLiteral("Import"), kExchangeFilter);
    if (file.isEmpty()) return;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("File open failed!"), true);
        return;
    }
    const QByteArray bytes = input.readAll();
    ExchangeResult result;
    if (isCsv(file)) {
        result = applyChannelTableCsv(bytes, db_);
    } else {
        result = databaseFromJson(bytes, db_);
        // The whole database now comes from the JSON, which is complete.
        if (result.ok) document_.clearLosses();
    }
    if (!result.ok) {
        showMessage(QStringLiteral("Nothing was imported: %1").arg(result.error), true);
        return;
    }
    relistAll();
    markDirty();
}

void CReceiverDataDialog::relistAll() {
    db_.recount();
    db_.buildKindLists();
    activeList_ = NoList;
    add_->setEnabled(false);
    delete_->setEnabled(false);
    move_->setEnabled(false);
    if (viewMode_ == SatelliteView)
        selectAllSatellitesAndList();
    else
        enterFavouriteView();
}

}  // namespace dorvane
