#include "gui/editor/reference_preview_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QTreeWidget* table(const QStringList& headings, const QString& name) {
    auto* tree = new QTreeWidget;
    tree->setObjectName(name);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setHeaderLabels(headings);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

// "19.2E 11778 H(L) sid 1201", or the parts the entry has.
QString identityText(const ReferenceChannel& r) {
    QStringList parts;
    if (r.satelliteLocation >= 0)
        parts << latin1(locationText(static_cast<std::int16_t>(r.satelliteLocation)));
    else if (r.satelliteNumber >= 0)
        parts << QCoreApplication::translate("dorvane::reference_preview_dialog", "sat %1").arg(r.satelliteNumber);
    else if (!r.satelliteName.empty())
        parts << latin1(r.satelliteName);
    if (r.frequency >= 0) parts << QString::number(r.frequency);
    if (r.polarisation >= 0) parts << latin1(std::string(polarisationText(static_cast<std::uint8_t>(r.polarisation))));
    if (r.serviceId >= 0)
        parts << QCoreApplication::translate("dorvane::reference_preview_dialog", "sid %1").arg(r.serviceId);
    return parts.join(QLatin1Char(' '));
}

}  // namespace

CReferencePreviewDialog::CReferencePreviewDialog(const ReceiverDatabase& db, const ChannelReference& reference,
                                                 const ReferencePlan& plan, const QString& file, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Apply order from %1").arg(file));
    summary_ = new QLabel(latin1(referenceSummary(plan)));
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    channels_ = table({tr("New No."), tr("Channel"), tr("Now"), tr("Found")}, QStringLiteral("preview"));
    missing_ = table({tr("Entry"), tr("Name"), tr("Identity")}, QStringLiteral("missing"));
    fillChannels(db, plan);
    fillMissing(reference, plan);
    favourites_ = new QCheckBox(tr("Take the &favourite groups and their names along"));
    favourites_->setObjectName(QStringLiteral("takeFavourites"));
    favourites_->setEnabled(reference.hasFavourites);
    if (!reference.hasFavourites) favourites_->setToolTip(tr("A text list has no favourite groups"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Apply"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(channels_, 3);
    layout->addWidget(new QLabel(tr("Reference entries that found no channel: %1").arg(plan.missing.size())));
    layout->addWidget(missing_, 1);
    layout->addWidget(favourites_);
    layout->addWidget(buttons);
    resize(640, 520);
}

bool CReferencePreviewDialog::takeFavourites() const { return favourites_->isEnabled() && favourites_->isChecked(); }

// Matched channels first in the reference's order, then the rest at the
// end in their present order.
void CReferencePreviewDialog::fillChannels(const ReceiverDatabase& db, const ReferencePlan& plan) {
    QList<QTreeWidgetItem*> rows;
    auto add = [&](int number, int channel, const QString& found) {
        auto* row = new QTreeWidgetItem(
            {QString::number(number), latin1(fixedText(db.channel(channel).name)), QString::number(channel), found});
        row->setTextAlignment(0, Qt::AlignRight);
        row->setTextAlignment(2, Qt::AlignRight);
        rows << row;
    };
    int number = 0;
    for (const ReferenceMatch& m : plan.matched) add(number++, m.channel, m.byName ? tr("by name") : tr("by identity"));
    for (int channel : plan.unmatched) add(number++, channel, tr("not matched: to the end"));
    channels_->addTopLevelItems(rows);
}

void CReferencePreviewDialog::fillMissing(const ChannelReference& reference, const ReferencePlan& plan) {
    QList<QTreeWidgetItem*> rows;
    for (int entry : plan.missing) {
        const ReferenceChannel& r = reference.channels[static_cast<std::size_t>(entry)];
        rows << new QTreeWidgetItem({QString::number(entry + 1), latin1(r.name), identityText(r)});
    }
    missing_->addTopLevelItems(rows);
}

}  // namespace dorvane
