#pragma once

#include <QDialog>

#include "core/database/channel_order.h"

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace dorvane {

class ReceiverDatabase;

// "Apply order from": what a reference would do before anything changes:
// the counts, every channel with its new number and how it was found (or
// that it was not, and goes to the end), the reference entries that found
// no channel, and whether the favourite groups come along.
class CReferencePreviewDialog : public QDialog {
    Q_OBJECT
public:
    CReferencePreviewDialog(const ReceiverDatabase& db, const ChannelReference& reference, const ReferencePlan& plan,
                            const QString& file, QWidget* parent = nullptr);

    bool takeFavourites() const;
    QLabel* summary() const { return summary_; }
    QTreeWidget* channels() const { return channels_; }
    QTreeWidget* missing() const { return missing_; }
    QCheckBox* favouritesBox() const { return favourites_; }

private:
    void fillChannels(const ReceiverDatabase& db, const ReferencePlan& plan);
    void fillMissing(const ChannelReference& reference, const ReferencePlan& plan);

    QLabel* summary_ = nullptr;
    QTreeWidget* channels_ = nullptr;
    QTreeWidget* missing_ = nullptr;
    QCheckBox* favourites_ = nullptr;
};

}  // namespace dorvane
