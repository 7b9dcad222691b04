// The "Satellite" view of the Edit Receiver Data window: listing, filters,
// search and sorting of its three linked lists.

#include <algorithm>

#include <QButtonGroup>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>

#include "database/receiver_database.h"
#include "editor/cell_texts.h"
#include "editor/receiver_data_dialog.h"
#include "editor/record_list_model.h"
#include "editor/report_list_view.h"

namespace dorvane {

namespace {

template <typename Cell>
std::vector<ListColumn> makeColumns(const ReceiverDatabase& db, std::initializer_list<std::pair<const char*, int>> headings,
                                    Cell cell) {
    std::vector<ListColumn> columns;
    int index = 0;
    for (const auto& [heading, width] : headings) {
        const int column = index++;
        columns.push_back({QString::fromLatin1(heading), width, [&db, cell, column](int id) { return cell(db, id, column); }});
    }
    return columns;
}

// The channel list's columns that the "Sort by" buttons stand for.
constexpr int kSortColumnOfOrder[] = {10, 8, 0};  // "Ch_id", "Sat_id", "Channel"

int orderOfSortColumn(int column) {
    for (int order = 0; order < 3; ++order) {
        if (kSortColumnOfOrder[order] == column) return order;
    }
    return -1;
}

// Channels bucketed by transponder, in slot order: the channels of
// transponder t are bucket[start[t] .. start[t + 1]).
struct ChannelsByTransponder {
    std::vector<int> start;
    std::vector<int> bucket;
};

ChannelsByTransponder bucketChannels(const ReceiverDatabase& db) {
    ChannelsByTransponder b;
    b.start.assign(kTransponderSlots + 1, 0);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& ch = db.channel(n);
        if (ch.flags != 0 && ch.transponder < kTransponderSlots) ++b.start[ch.transponder + 1u];
    }
    for (int t = 0; t < kTransponderSlots; ++t) b.start[t + 1u] += b.start[static_cast<std::size_t>(t)];
    b.bucket.resize(static_cast<std::size_t>(b.start[kTransponderSlots]));
    std::vector<int> fill(b.start.begin(), b.start.end() - 1);
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& ch = db.channel(n);
        if (ch.flags != 0 && ch.transponder < kTransponderSlots) b.bucket[static_cast<std::size_t>(fill[ch.transponder]++)] = n;
    }
    return b;
}

}  // namespace

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
    const bool sorted = !viewTraits(viewMode_).favourite;
    channelList_->horizontalHeader()->setSortIndicatorShown(sorted);
    if (sorted)
        channelList_->horizontalHeader()->setSortIndicator(channelSortColumn_,
                                                           channelSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
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
    counts_.transponders = 0;
    counts_.satelliteChannels = 0;
    for (int position = 0; position < kEditableSatellites; ++position) {
        const int number = db_.orderEntry(position);
        if (number < 1 || number > kEditableSatellites) continue;
        const int slot = number - 1;
        if (!satelliteQualifies(slot)) continue;
        if (searchedOnly_ == 1 && db_.channelsOnSatellite(slot) == 0) continue;
        rows.push_back(slot);
        counts_.transponders += db_.transpondersOnSatellite(slot);
        counts_.satelliteChannels += db_.channelsOnSatellite(slot);
    }
    leftModel_->setRows(std::move(rows));
    if (leftSortColumn_ >= 0) leftModel_->sortRowsByColumn(leftSortColumn_, leftSortDescending_);
    drawCounts();
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
    counts_.transponders = counts_.satelliteChannels = counts_.selectedChannels = 0;
    for (int row : selected) {
        const int slot = leftModel_->idAt(row);
        counts_.transponders += db_.transpondersOnSatellite(slot);
        counts_.satelliteChannels += db_.channelsOnSatellite(slot);
        for (int t : bySatellite[static_cast<std::size_t>(slot + 1)]) {
            rows.push_back(t);
            counts_.selectedChannels += db_.channelsOnTransponder(t);
        }
    }
    middleModel_->setRows(std::move(rows));
    if (middleSortColumn_ >= 0) middleModel_->sortRowsByColumn(middleSortColumn_, middleSortDescending_);
    drawCounts();
    middleList_->selectAllRows();
    listChannels();
}

void CReceiverDataDialog::addChannelToCounts(std::uint16_t flags, bool) {
    (flags & kFlagTv) != 0 ? ++counts_.tv : ++counts_.radio;
    (flags & kFlagScrambled) != 0 ? ++counts_.scrambled : ++counts_.freeToAir;
}

// The filters and the search apply to the channels of the selected
// transponders; the TV/radio and FTA/CAS counters count the channels the
// search lets through, before the filters.
void CReceiverDataDialog::listChannels() {
    counts_.zeroChannels();
    counts_.selectedChannels = 0;
    const ChannelsByTransponder channels = bucketChannels(db_);
    std::vector<int> rows;
    for (int row : middleList_->selectedRowNumbers()) {
        const int t = middleModel_->idAt(row);
        lastTransponderId_ = t;
        for (int k = channels.start[static_cast<std::size_t>(t)]; k < channels.start[t + 1u]; ++k) {
            const int n = channels.bucket[static_cast<std::size_t>(k)];
            const std::uint16_t flags = db_.channel(n).flags;
            ++counts_.selectedChannels;
            if (!passesSearch(n)) continue;
            addChannelToCounts(flags, false);
            const bool isTv = (flags & kFlagTv) != 0;
            const bool isScrambled = (flags & kFlagScrambled) != 0;
            if ((kindFilter_ == 1 && !isTv) || (kindFilter_ == 2 && isTv)) continue;
            if ((accessFilter_ == 1 && isScrambled) || (accessFilter_ == 2 && !isScrambled)) continue;
            rows.push_back(n);
        }
    }
    sortChannelRows(rows);
    counts_.listed = static_cast<int>(rows.size());
    channelModel_->setRows(std::move(rows));
    drawCounts();
}

// ---- search and sorting ---------------------------------------------------------

void CReceiverDataDialog::setSearchText(const QString& text) {
    searchText_ = text.trimmed();
    bool number = false;
    searchNumber_ = searchText_.toInt(&number);
    searchIsNumber_ = number && searchNumber_ >= 0;
    // Also while a move waits: the search helps to find the destination,
    // and the marks stay on the channels whatever is listed.
    if (viewTraits(viewMode_).favourite)
        listFavouritePool();
    else
        listChannels();
    updateButtons();
}

bool CReceiverDataDialog::passesSearch(int channel) const {
    if (searchText_.isEmpty()) return true;
    const ChannelRecord& c = db_.channel(channel);
    if (searchIsNumber_) {
        const int n = searchNumber_;
        if (c.serviceId == n || c.videoPid == n || c.audioPid == n || c.pcrPid == n || c.teletextPid == n) return true;
    }
    return textFromField(c.name).contains(searchText_, Qt::CaseInsensitive);
}

void CReceiverDataDialog::sortChannelRows(std::vector<int>& rows) const {
    const int order = orderOfSortColumn(channelSortColumn_);
    if (order >= 0) {
        std::stable_sort(rows.begin(), rows.end(),
                         [this, order](int a, int b) { return db_.compareChannels(a, b, order) < 0; });
        if (channelSortDescending_) {
            // Descending keeps equal rows in their ascending order.
            std::stable_sort(rows.begin(), rows.end(),
                             [this, order](int a, int b) { return db_.compareChannels(a, b, order) > 0; });
        }
        return;
    }
    channelModel_->sortIdsByColumn(rows, channelSortColumn_, channelSortDescending_);
}

void CReceiverDataDialog::channelHeaderClicked(int column) {
    if (movePending_ || viewTraits(viewMode_).favourite) {
        setChannelColumns();  // puts the indicator back
        return;
    }
    channelSortDescending_ = column == channelSortColumn_ && !channelSortDescending_;
    channelSortColumn_ = column;
    const int order = orderOfSortColumn(column);
    sortOrder_ = order < 0 ? sortOrder_ : order;
    checkSortButton(order);
    channelList_->horizontalHeader()->setSortIndicator(column, channelSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    listChannels();
}

void CReceiverDataDialog::leftHeaderClicked(int column) {
    if (movePending_ || viewTraits(viewMode_).favourite) return;
    leftSortDescending_ = column == leftSortColumn_ && !leftSortDescending_;
    leftSortColumn_ = column;
    leftList_->horizontalHeader()->setSortIndicatorShown(true);
    leftList_->horizontalHeader()->setSortIndicator(column, leftSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    const std::vector<int> chosen = leftModel_->idsOf(leftList_->selectedRowNumbers());
    leftModel_->sortRowsByColumn(column, leftSortDescending_);
    leftList_->selectIds(chosen);
}

void CReceiverDataDialog::middleHeaderClicked(int column) {
    if (movePending_ || !viewTraits(viewMode_).middleSortable) return;
    middleSortDescending_ = column == middleSortColumn_ && !middleSortDescending_;
    middleSortColumn_ = column;
    middleList_->horizontalHeader()->setSortIndicatorShown(true);
    middleList_->horizontalHeader()->setSortIndicator(column, middleSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    const std::vector<int> chosen = middleModel_->idsOf(middleList_->selectedRowNumbers());
    middleModel_->sortRowsByColumn(column, middleSortDescending_);
    middleList_->selectIds(chosen);
}

// The buttons show the order a header stands for; none for other columns.
void CReceiverDataDialog::checkSortButton(int order) {
    QButtonGroup* group = sortButtons_[0]->group();
    group->setExclusive(false);
    for (std::size_t i = 0; i < sortButtons_.size(); ++i) sortButtons_[i]->setChecked(static_cast<int>(i) == order);
    group->setExclusive(true);
}

// ---- choices -------------------------------------------------------------------

void CReceiverDataDialog::setSearchedOnly(int value) {
    searchedOnly_ = value;
    // Satellites are added and deleted only while every one is listed.
    if (value == 1 && activeList_ == LeftList) activeList_ = NoList;
    selectAllSatellitesAndList();
    updateButtons();
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
    if (value < 0 || value > 2) return;
    sortOrder_ = value;
    sortButtons_[static_cast<std::size_t>(value)]->setChecked(true);
    channelSortColumn_ = kSortColumnOfOrder[value];
    channelSortDescending_ = false;
    channelList_->horizontalHeader()->setSortIndicator(channelSortColumn_, Qt::AscendingOrder);
    listChannels();
}

}  // namespace dorvane
