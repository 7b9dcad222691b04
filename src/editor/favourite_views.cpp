// The "Fav TV" and "Fav Radio" views of the Edit Receiver Data window.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "database/receiver_database.h"
#include "editor/cell_texts.h"
#include "editor/receiver_data_dialog.h"
#include "editor/record_list_model.h"
#include "editor/report_list_view.h"

namespace dorvane {

void CReceiverDataDialog::switchView(int view) {
    if (view < SatelliteView || view > FavRadioView || view == viewMode_) return;
    // A move waiting for its destination does not survive a change of view:
    // its marks are taken back.
    cancelPendingMove();
    viewMode_ = view;
    activeList_ = NoList;
    add_->setEnabled(false);
    delete_->setEnabled(false);
    move_->setEnabled(false);
    if (view != SatelliteView) {
        enterFavouriteView();
        return;
    }
    leftList_->setMultipleSelection(true);
    setSatelliteColumns();
    selectAllSatellitesAndList();
    enableSatelliteChoices(true);
    counter(1023)->setEnabled(true);
    counter(1022)->setEnabled(true);
}

void CReceiverDataDialog::enterFavouriteView() {
    const bool tv = viewMode_ == FavTvView;
    const ReceiverDatabase& db = db_;
    leftModel_->setColumns({{QStringLiteral("Group Name"), 130, [&db, tv](int group) {
                                 const std::string name = tv ? db.tvGroupName(group) : db.radioGroupName(group);
                                 return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
                             }}});
    leftList_->applyColumnWidths();
    middleModel_->setColumns(
        {{QStringLiteral("No."), 60, [](int position) { return QString::asprintf("%3d", position + 1); }},
         {QStringLiteral("Channel."), 200, [&db](int position) {
              const auto view = db.groupView();
              if (position < 0 || position >= static_cast<int>(view.size())) return QString();
              return textFromField(db.channel(view[static_cast<std::size_t>(position)].channel).name);
          }}});
    middleList_->applyColumnWidths();
    setChannelColumns();
    leftList_->setMultipleSelection(false);
    leftList_->setFocus(Qt::OtherFocusReason);
    zeroChannelCounters();

    std::vector<int> groups;
    for (int g = 0; g < kFavoriteGroups; ++g) groups.push_back(g);
    leftModel_->setRows(std::move(groups));

    // The kind lists are rebuilt here, so channels added, deleted or moved
    // in the satellite view are offered as they are now.
    db_.buildKindLists();
    showGroup(0);

    const std::span<const int> pool = tv ? db_.tvList() : db_.radioList();
    std::vector<int> rows;
    int fta = 0;
    int scrambled = 0;
    for (int channel : pool) {
        const std::uint16_t flags = db_.channel(channel).flags;
        if (flags == 0) continue;
        rows.push_back(channel);
        (flags & kFlagScrambled) != 0 ? ++scrambled : ++fta;
    }
    const int listed = static_cast<int>(rows.size());
    channelModel_->setRows(std::move(rows));
    setCounter(1027, listed);
    setCounter(1028, tv ? listed : 0);
    setCounter(1029, tv ? 0 : listed);
    setCounter(1033, fta + scrambled);
    setCounter(1034, fta);
    setCounter(1035, scrambled);
    setCounter(1036, listed);

    enableSatelliteChoices(false);
    counter(1023)->setEnabled(false);
    counter(1022)->setEnabled(false);
}

void CReceiverDataDialog::showGroup(int group) {
    if (group < 0 || group >= kFavoriteGroups) return;
    groupSize_ = db_.selectGroupMembers(viewKind(), group);
    currentGroup_ = group;
    const int members = static_cast<int>(db_.groupView().size());
    std::vector<int> rows;
    for (int position = 0; position < members; ++position) rows.push_back(position);
    middleModel_->setRows(std::move(rows));
    setCounter(1024, members);
}

namespace {

// The first empty slot of a group, so a gap left by a favourite that
// matched no channel is filled before the end; -1 when the group is full.
int firstEmptySlot(const ReceiverDatabase& db, int group) {
    for (int slot = 0; slot < kGroupSlots; ++slot) {
        if (db.groupSlot(group, slot) < 0) return slot;
    }
    return -1;
}

}  // namespace

void CReceiverDataDialog::favouriteAdd() {
    const QString full = QStringLiteral("Max Favorite Count!!");
    if (groupSize_ >= kGroupSlots) {
        showMessage(full, false);
        return;
    }
    std::vector<int> added;
    for (int row : channelList_->selectedRowNumbers()) {
        const int slot = firstEmptySlot(db_, currentGroup_);
        if (slot < 0) break;
        if (!db_.addToGroup(currentGroup_, channelModel_->idAt(row), slot)) continue;
        added.push_back(channelModel_->idAt(row));
        if (++groupSize_ >= kGroupSlots) {
            showMessage(full, false);
            break;
        }
    }
    showGroup(currentGroup_);
    markDirty();
    warnIfNotUnique(added);
}

// The file names a favourite by transponder and service id: a member that
// shares both with another channel comes back as the lower-numbered one.
void CReceiverDataDialog::warnIfNotUnique(const std::vector<int>& channels) {
    QStringList lines;
    for (int member : channels) {
        const ChannelRecord& c = db_.channel(member);
        for (int n = 0; n < kChannelSlots; ++n) {
            const ChannelRecord& other = db_.channel(n);
            if (n == member || channelFree(other) || other.transponder != c.transponder || other.serviceId != c.serviceId)
                continue;
            lines << QStringLiteral("\"%1\" (channel %2) has the transponder and service id of \"%3\" (channel %4).")
                         .arg(textFromField(c.name))
                         .arg(member)
                         .arg(textFromField(other.name))
                         .arg(n);
            break;
        }
    }
    if (lines.isEmpty()) return;
    showMessage(lines.join('\n') +
                    QStringLiteral("\nThe file cannot tell such channels apart: the favourite may come back as the "
                                   "lower-numbered one."),
                true);
}

void CReceiverDataDialog::favouriteDelete() {
    const QString empty = QStringLiteral("Favorite Group empty!!");
    if (groupSize_ <= 0) {
        showMessage(empty, false);
        return;
    }
    int removed = 0;
    int lastPosition = -1;
    for (int row : middleList_->selectedRowNumbers()) {
        const int position = row - removed;
        if (!db_.removeGroupMemberAt(currentGroup_, position)) continue;
        ++removed;
        lastPosition = position;
        if (--groupSize_ <= 0) {
            showMessage(empty, false);
            break;
        }
    }
    showGroup(currentGroup_);
    const int rows = middleModel_->rowCount();
    if (lastPosition >= 0 && rows > 0) middleList_->selectRow(std::min(lastPosition, rows - 1), true);
    markDirty();
}

void CReceiverDataDialog::favouriteMove() {
    if (activeList_ != MiddleList || movePending_) return;
    const std::vector<int> rows = middleList_->selectedRowNumbers();
    if (rows.empty()) return;
    const auto view = db_.groupView();
    markedForMove_.clear();
    for (int row : rows) {
        if (row >= static_cast<int>(view.size())) continue;
        const int channel = view[static_cast<std::size_t>(row)].channel;
        db_.setMoveMark(channel);
        markedForMove_.push_back(channel);
    }
    save_->setEnabled(false);
    exit_->setEnabled(false);
    add_->setEnabled(false);
    delete_->setEnabled(false);
    // The group stays the one the marks belong to until the move ends.
    leftList_->setEnabled(false);
    move_->hide();
    selectDestination_->show();
    cancelMove_->show();
    movePending_ = true;
}

void CReceiverDataDialog::favouriteSelectDestination() {
    if (activeList_ != MiddleList || !movePending_) return;
    const int destination = middleList_->firstSelectedRow();
    if (destination < 0) return;
    auto marked = [this](int position) {
        const auto view = db_.groupView();
        return (db_.channel(view[static_cast<std::size_t>(position)].channel).flags & kFlagMoveMark) != 0;
    };
    if (marked(destination)) {
        showMessage(QStringLiteral("You must select another destination"), false);
        return;
    }
    const int members = static_cast<int>(db_.groupView().size());
    int before = 0;
    int after = destination;
    for (int i = 0; i < members; ++i) {
        int position = i;
        int target = destination;
        if (i < destination) {
            position = i - before;
        } else if (i > destination) {
            target = after;
        }
        if (!marked(position)) continue;
        if (position < destination) {
            ++before;
        } else if (position > destination) {
            ++after;
        }
        db_.moveGroupMember(currentGroup_, position, target);
    }
    // Members that were already in place keep no mark behind.
    for (int channel : markedForMove_) db_.channel(channel).flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
    markedForMove_.clear();

    movePending_ = false;
    exit_->setEnabled(true);
    leftList_->setEnabled(true);
    add_->setEnabled(false);
    delete_->setEnabled(true);
    selectDestination_->hide();
    cancelMove_->hide();
    move_->show();
    move_->setEnabled(true);
    showGroup(currentGroup_);
    middleList_->selectRow(destination, true);
    markDirty();
}

}  // namespace dorvane
