// The "Satellite" view of the Edit Receiver Data window: its columns, the
// sorting by a header and the choices that the session applies.

#include <QButtonGroup>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>

#include <QCoreApplication>

#include "core/database/receiver_database.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/channel_order_actions.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"

namespace dorvane {

namespace {

template <typename Cell>
std::vector<ListColumn> makeColumns(const ReceiverDatabase& db,
                                    std::initializer_list<std::pair<const char*, int>> headings, Cell cell) {
    std::vector<ListColumn> columns;
    int index = 0;
    for (const auto& [heading, width] : headings) {
        const int column = index++;
        columns.push_back({QCoreApplication::translate("dorvane::ListColumns", heading), width,
                           [&db, cell, column](int id) { return cell(db, id, column); }});
    }
    return columns;
}

// The channel list's cells: the table's fields, then the service id, the
// transponder's frequency with its polarisation and the satellite's name,
// so that channels of one name can be told apart.
QString listedChannelCell(const ReceiverDatabase& db, int number, int column) {
    const ChannelRecord& c = db.channel(number);
    switch (column) {
        case kColumnServiceId: return QString::asprintf("%5d", static_cast<int>(c.serviceId));
        case kColumnFrequency: {
            if (c.transponder >= kTransponderSlots) return {};
            const TransponderRecord& tp = db.transponder(c.transponder);
            return QString::asprintf("%d %c", static_cast<int>(tp.frequency), tp.polarisation != 0 ? 'H' : 'V');
        }
        case kColumnSatelliteName:
            return c.satellite < kSatelliteSlots ? textFromField(db.satellite(c.satellite).name) : QString();
        default: return channelCell(db, number, column);
    }
}

}  // namespace

void CReceiverDataDialog::setColumnsOfView() {
    if (session_.traits().favourite) {
        leftList_->setMultipleSelection(false);
        setFavouriteColumns();
    } else {
        leftList_->setMultipleSelection(true);
        setSatelliteColumns();
    }
}

void CReceiverDataDialog::setChannelColumns() {
    const ReceiverDatabase& db = session_.database();
    std::vector<ListColumn> columns = makeColumns(db,
                                                  {{QT_TRANSLATE_NOOP("dorvane::ListColumns", "Channel"), 160},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "PPid"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "VPid"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "APid"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "ttxt"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "CAS"), 80},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "VTyp"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "ATyp"), 50},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Sat_id"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Tp_id"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Ch_id"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "SID"), 60},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Freq/Pol"), 80},
                                                   {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Satellite"), 120}},
                                                  listedChannelCell);
    if (!session_.traits().favourite && orderActions_) columns.push_back(orderActions_->newNumberColumn());
    if (session_.traits().favourite) {
        const EditorSession& session = session_;
        columns.push_back({tr("In group"), 70, [&session](int channel) {
                               return session.inCurrentGroup(channel) ? QStringLiteral("yes") : QString();
                           }});
    }
    channelModel_->setColumns(std::move(columns));
    const EditorSession& session = session_;
    channelModel_->setRowMark([&session](int channel) { return session.isMarkedForMove(channel); });
    channelList_->applyColumnWidths();
    const bool sorted = !session_.traits().favourite;
    channelList_->horizontalHeader()->setSortIndicatorShown(sorted);
    if (sorted)
        channelList_->horizontalHeader()->setSortIndicator(
            session_.sortColumn(), session_.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CReceiverDataDialog::setSatelliteColumns() {
    const ReceiverDatabase& db = session_.database();
    leftModel_->setColumns(makeColumns(db,
                                       {{QT_TRANSLATE_NOOP("dorvane::ListColumns", "Satellite"), 130},
                                        {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Location"), 70},
                                        {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Sat_id"), 60},
                                        {QT_TRANSLATE_NOOP("dorvane::ListColumns", "TPs"), 50},
                                        {QT_TRANSLATE_NOOP("dorvane::ListColumns", "CHs"), 60}},
                                       satelliteCell));
    leftList_->applyColumnWidths();
    middleModel_->setColumns(makeColumns(db,
                                         {{QT_TRANSLATE_NOOP("dorvane::ListColumns", "Freq."), 60},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Pol."), 40},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "S/R"), 60},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "FEC"), 50},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Trans"), 70},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Mod"), 60},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Sat_id"), 60},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "Tp_id"), 60},
                                          {QT_TRANSLATE_NOOP("dorvane::ListColumns", "CHs"), 60}},
                                         transponderCell));
    middleModel_->setRowMark({});
    middleList_->applyColumnWidths();
    setChannelColumns();
}

// A column that no "Sort by" order stands for sorts by its texts.
void CReceiverDataDialog::sortChannelRowsByText(std::vector<int>& rows) const {
    channelModel_->sortIdsByColumn(rows, session_.sortColumn(), session_.sortDescending());
}

// ---- headers ---------------------------------------------------------------------------

void CReceiverDataDialog::channelHeaderClicked(int column) {
    const Change changed = session_.sortByColumn(column);
    if (!changed.any()) {
        setChannelColumns();  // puts the indicator back
        render({Change::Channels});
        return;
    }
    checkSortButton(session_.sortOrder());
    channelList_->horizontalHeader()->setSortIndicator(
        column, session_.sortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    render(changed);
}

void CReceiverDataDialog::leftHeaderClicked(int column) {
    if (session_.isMovePending() || session_.traits().favourite) return;
    leftSortDescending_ = column == leftSortColumn_ && !leftSortDescending_;
    leftSortColumn_ = column;
    leftList_->horizontalHeader()->setSortIndicatorShown(true);
    leftList_->horizontalHeader()->setSortIndicator(column,
                                                    leftSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    const std::vector<int> chosen = leftModel_->idsOf(leftList_->selectedRowNumbers());
    leftModel_->sortRowsByColumn(column, leftSortDescending_);
    leftList_->selectIds(chosen);
}

void CReceiverDataDialog::middleHeaderClicked(int column) {
    if (session_.isMovePending() || !session_.traits().middleSortable) return;
    middleSortDescending_ = column == middleSortColumn_ && !middleSortDescending_;
    middleSortColumn_ = column;
    middleList_->horizontalHeader()->setSortIndicatorShown(true);
    middleList_->horizontalHeader()->setSortIndicator(column,
                                                      middleSortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
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

void CReceiverDataDialog::setSearchedOnly(int value) { render(session_.setSearchedOnly(value == 1)); }

void CReceiverDataDialog::setKindFilter(int value) { render(session_.setKindFilter(static_cast<KindFilter>(value))); }

void CReceiverDataDialog::setAccessFilter(int value) {
    render(session_.setAccessFilter(static_cast<AccessFilter>(value)));
}

void CReceiverDataDialog::setSortOrder(int value) {
    const Change changed = session_.setSortOrder(value);
    if (!changed.any()) return;
    checkSortButton(value);
    channelList_->horizontalHeader()->setSortIndicator(session_.sortColumn(), Qt::AscendingOrder);
    render(changed);
}

void CReceiverDataDialog::setSearchText(const QString& text) {
    render(session_.setSearchText(fieldBytes(text).toStdString()));
}

// Enter in the search box goes to the first hit (the session's rule), the
// top one as this list sorts them, and puts the focus on the list.
void CReceiverDataDialog::searchEntered() {
    render(session_.goToFirstHit([this](std::vector<int>& rows) { sortChannelRowsByText(rows); }));
    if (channelModel_->rowCount() > 0) channelList_->setFocus(Qt::OtherFocusReason);
}

}  // namespace dorvane
