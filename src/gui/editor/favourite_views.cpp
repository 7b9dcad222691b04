// The "Fav TV" and "Fav Radio" views of the Edit Receiver Data window.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "database/receiver_database.h"
#include "editor/cell_texts.h"
#include "editor/channel_move.h"
#include "editor/editor_prompts.h"
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
    if (viewTraits(view).favourite) {
        enterFavouriteView();
    } else {
        leftList_->setMultipleSelection(true);
        setSatelliteColumns();
        selectAllSatellitesAndList();
    }
    updateButtons();
}

void CReceiverDataDialog::enterFavouriteView() {
    const bool tv = viewTraits(viewMode_).kind == 0;
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
    for (ReportListView* list : {leftList_, middleList_}) list->horizontalHeader()->setSortIndicatorShown(false);
    setChannelColumns();
    leftList_->setMultipleSelection(false);
    leftList_->setFocus(Qt::OtherFocusReason);

    std::vector<int> groups;
    for (int g = 0; g < kFavoriteGroups; ++g) groups.push_back(g);
    leftModel_->setRows(std::move(groups));
    // The kind lists are rebuilt here, so channels added, deleted or moved
    // in the satellite view are offered as they are now.
    db_.buildKindLists();
    showGroup(0);
    listFavouritePool();
}

// Every channel of the view's kind, in the kind list's order, narrowed by
// the search.
void CReceiverDataDialog::listFavouritePool() {
    const bool tv = viewTraits(viewMode_).kind == 0;
    const std::span<const int> pool = tv ? db_.tvList() : db_.radioList();
    std::vector<int> rows;
    counts_.zeroChannels();
    for (int channel : pool) {
        const std::uint16_t flags = db_.channel(channel).flags;
        if (flags == 0 || !passesSearch(channel)) continue;
        rows.push_back(channel);
        (flags & kFlagScrambled) != 0 ? ++counts_.scrambled : ++counts_.freeToAir;
    }
    counts_.listed = static_cast<int>(rows.size());
    counts_.tv = tv ? counts_.listed : 0;
    counts_.radio = tv ? 0 : counts_.listed;
    channelModel_->setRows(std::move(rows));
    drawCounts();
}

void CReceiverDataDialog::showGroup(int group) {
    if (group < 0 || group >= kFavoriteGroups) return;
    groupSize_ = db_.selectGroupMembers(viewTraits(viewMode_).kind, group);
    currentGroup_ = group;
    const int members = static_cast<int>(db_.groupView().size());
    std::vector<int> rows;
    for (int position = 0; position < members; ++position) rows.push_back(position);
    middleModel_->setRows(std::move(rows));
    counts_.selectedChannels = members;
    drawCounts();
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
    auto before = snapshot();
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
    if (!added.empty()) commitEdit(std::move(before));
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
    auto before = snapshot();
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
    if (removed > 0) commitEdit(std::move(before));
}

void CReceiverDataDialog::favouriteMove() {
    if (activeList_ != MiddleList || movePending_) return;
    const std::vector<int> rows = middleList_->selectedRowNumbers();
    if (rows.empty()) return;
    beforeMove_ = snapshot();
    const auto view = db_.groupView();
    markedForMove_.clear();
    for (int row : rows) {
        if (row >= static_cast<int>(view.size())) continue;
        const int channel = view[static_cast<std::size_t>(row)].channel;
        db_.setMoveMark(channel);
        markedForMove_.push_back(channel);
    }
    // The group stays the one the marks belong to until the move ends.
    movePending_ = true;
    updateButtons();
}

void CReceiverDataDialog::favouriteSelectDestination() {
    if (activeList_ != MiddleList || !movePending_) return;
    const int destination = middleList_->firstSelectedRow();
    const auto view = db_.groupView();
    if (destination < 0 || destination >= static_cast<int>(view.size())) return;
    if ((db_.channel(view[static_cast<std::size_t>(destination)].channel).flags & kFlagMoveMark) != 0) {
        showMessage(QStringLiteral("You must select another destination"), false);
        return;
    }
    moveMarkedGroupMembers(db_, currentGroup_, destination);
    // Members that were already in place keep no mark behind.
    for (int channel : markedForMove_) db_.channel(channel).flags &= static_cast<std::uint16_t>(~kFlagMoveMark);
    finishMove();
    showGroup(currentGroup_);
    middleList_->selectRow(destination, true);
    updateButtons();
}

// ---- group names ------------------------------------------------------------------

void CReceiverDataDialog::renameGroupClicked() {
    if (movePending_ || !viewTraits(viewMode_).favourite) return;
    const int row = leftList_->firstSelectedRow();
    const int group = row >= 0 ? leftModel_->idAt(row) : currentGroup_;
    const bool tv = viewTraits(viewMode_).kind == 0;
    const std::string current = tv ? db_.tvGroupName(group) : db_.radioGroupName(group);

    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Rename Group"));
    auto* name = new QLineEdit(QString::fromLatin1(current.data(), static_cast<qsizetype>(current.size())));
    name->setObjectName(QStringLiteral("groupName"));
    name->setMaxLength(kGroupNameSize - 1);  // the stored name keeps its terminator
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(tv ? QStringLiteral("&TV name:") : QStringLiteral("&Radio name:"), name);
    form->addRow(buttons);
    if (editorPrompts().run(dialog) != QDialog::Accepted) return;

    const QByteArray bytes = fieldBytes(name->text()).left(kGroupNameSize - 1);
    const std::string wanted(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (wanted == current) return;
    auto before = snapshot();
    tv ? db_.setTvGroupName(group, wanted) : db_.setRadioGroupName(group, wanted);
    commitEdit(std::move(before));
    leftModel_->rowChanged(leftModel_->rowOf(group));
}

}  // namespace dorvane
