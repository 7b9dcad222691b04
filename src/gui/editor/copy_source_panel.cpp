#include "gui/editor/copy_source_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"
#include "gui/editor/cell_texts.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

namespace {

enum ItemKind { SatelliteItem = 1, TransponderItem, ChannelItem, GroupItem, GroupsHeading };
constexpr int kKindRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

// The tree's drag carries only its format: the drop asks the panel.
class SourceTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    QStringList mimeTypes() const override { return {QString::fromLatin1(CopySourcePanel::kMimeType)}; }
    QMimeData* mimeData(const QList<QTreeWidgetItem*>&) const override {
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(CopySourcePanel::kMimeType), QByteArray("selection"));
        return data;
    }
};

QTreeWidgetItem* item(QTreeWidgetItem* parent, ItemKind kind, int id, const QString& name, const QString& detail) {
    auto* row = new QTreeWidgetItem(parent, {name, detail});
    row->setData(0, kKindRole, kind);
    row->setData(0, kIdRole, id);
    return row;
}

}  // namespace

CopySourcePanel::CopySourcePanel(QWidget* parent)
    : QWidget(parent), document_(std::make_unique<ChannelDataDocument>()) {
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("copySourceTitle"));
    title_->setWordWrap(true);
    tree_ = new SourceTree;
    tree_->setObjectName(QStringLiteral("copySourceTree"));
    tree_->setHeaderLabels({tr("Second file (read-only)"), QStringLiteral("")});
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setDragEnabled(true);
    tree_->setDragDropMode(QAbstractItemView::DragOnly);
    tree_->setDefaultDropAction(Qt::CopyAction);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    copy_ = new QPushButton(tr("<< Co&py into this file"));
    copy_->setAutoDefault(false);
    copy_->setToolTip(
        tr("Copies the chosen satellites, transponders, channels and favourite groups "
           "(or drag them onto the lists)"));
    close_ = new QPushButton(tr("C&lose"));
    close_->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, &CopySourcePanel::copyRequested);
    connect(close_, &QPushButton::clicked, this, &CopySourcePanel::closeRequested);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CopySourcePanel::updateCopyButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_, 1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    updateCopyButton();
}

CopySourcePanel::~CopySourcePanel() = default;

Status CopySourcePanel::open(const std::filesystem::path& path) {
    auto document = std::make_unique<ChannelDataDocument>();
    if (Status opened = document->open(path); !opened.ok()) return opened;
    document->database().recount();
    document_ = std::move(document);
    opened_ = true;
    fill();
    return {};
}

const ReceiverDatabase* CopySourcePanel::database() const { return opened_ ? &document_->database() : nullptr; }

std::filesystem::path CopySourcePanel::path() const { return document_->path(); }

void CopySourcePanel::fill() {
    const ReceiverDatabase& db = document_->database();
    tree_->clear();
    std::vector<QTreeWidgetItem*> transponders(kTransponderSlots, nullptr);
    std::vector<QTreeWidgetItem*> satellites(kSatelliteSlots, nullptr);
    for (int position = 0; position < kEditableSatellites; ++position) {
        const int number = db.orderEntry(position);
        if (number < 1 || number > kEditableSatellites || !satelliteInUse(db.satellite(number - 1))) continue;
        const int slot = number - 1;
        satellites[static_cast<std::size_t>(slot)] =
            item(tree_->invisibleRootItem(), SatelliteItem, slot, textFromField(db.satellite(slot).name),
                 shownLocation(db.satellite(slot).location));
    }
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& tp = db.transponder(t);
        if (transponderFree(tp) || !satellites[tp.satellite - 1u]) continue;
        transponders[static_cast<std::size_t>(t)] =
            item(satellites[tp.satellite - 1u], TransponderItem, t, transponderChoiceText(db, t),
                 tr("%1 channels").arg(db.channelsOnTransponder(t)));
    }
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = db.channel(n);
        if (channelFree(c) || !transponders[c.transponder]) continue;
        item(transponders[c.transponder], ChannelItem, n, textFromField(c.name), tr("SID %1").arg(c.serviceId));
    }
    auto* groups = item(tree_->invisibleRootItem(), GroupsHeading, -1, tr("Favourite groups"), {});
    groups->setFlags(groups->flags() & ~Qt::ItemIsSelectable);
    for (int g = 0; g < kFavoriteGroups; ++g) {
        const int size = db.groupSize(g);
        if (size == 0) continue;
        item(groups, GroupItem, g,
             QStringLiteral("%1: %2 / %3")
                 .arg(g + 1)
                 .arg(textFromField(db.tvGroupName(g).c_str(), kGroupNameSize),
                      textFromField(db.radioGroupName(g).c_str(), kGroupNameSize)),
             tr("%1 channels").arg(size));
    }
    groups->setExpanded(true);
    int channels = 0;
    for (int n = 0; n < kChannelSlots; ++n) channels += !channelFree(db.channel(n));
    title_->setText(tr("%1: %2 satellites, %3 channels")
                        .arg(textFromPath(path().filename()))
                        .arg(tree_->topLevelItemCount() - 1)
                        .arg(channels));
    updateCopyButton();
}

CopySelection CopySourcePanel::selection() const {
    CopySelection chosen;
    for (const QTreeWidgetItem* row : tree_->selectedItems()) {
        const int id = row->data(0, kIdRole).toInt();
        switch (row->data(0, kKindRole).toInt()) {
            case SatelliteItem: chosen.satellites.push_back(id); break;
            case TransponderItem: chosen.transponders.push_back(id); break;
            case ChannelItem: chosen.channels.push_back(id); break;
            case GroupItem: chosen.groups.push_back(id); break;
            default: break;
        }
    }
    return chosen;
}

void CopySourcePanel::updateCopyButton() { copy_->setEnabled(opened_ && !selection().empty()); }

}  // namespace dorvane
