// The "Fav TV" and "Fav Radio" views of the Edit Receiver Data window: the
// columns of the groups, their members and the pool, and the group names.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/database/receiver_database.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"
#include "gui/ui/prompts.h"

namespace dorvane {

void CReceiverDataDialog::switchView(int view) {
    if (view < SatelliteView || view > FavRadioView) return;
    render(session_.setView(static_cast<EditorView>(view)));
    if (session_.traits().favourite) leftList_->setFocus(Qt::OtherFocusReason);
}

// Members show their number, frequency and service id beside the name, so
// that two channels of one name can be told apart.
void CReceiverDataDialog::setFavouriteColumns() {
    const bool tv = session_.traits().kind == 0;
    const EditorSession& session = session_;
    const ReceiverDatabase& db = session_.database();
    leftModel_->setColumns({{tr("Group Name"), 130, [&db, tv](int group) {
                                 const std::string name = tv ? db.tvGroupName(group) : db.radioGroupName(group);
                                 return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
                             }}});
    leftList_->applyColumnWidths();
    auto member = [&session, &db](int column) {
        return [&session, &db, column](int position) {
            const int channel = session.memberChannel(position);
            if (channel < 0) return QString();
            if (column == kColumnName) return textFromField(db.channel(channel).name);
            return channelCell(db, channel, column);
        };
    };
    auto frequency = [&session, &db](int position) {
        const int channel = session.memberChannel(position);
        if (channel < 0 || db.channel(channel).transponder >= kTransponderSlots) return QString();
        const TransponderRecord& tp = db.transponder(db.channel(channel).transponder);
        return QString::asprintf("%d %c", static_cast<int>(tp.frequency), tp.polarisation != 0 ? 'H' : 'V');
    };
    auto serviceId = [&session, &db](int position) {
        const int channel = session.memberChannel(position);
        return channel < 0 ? QString() : QString::asprintf("%5d", static_cast<int>(db.channel(channel).serviceId));
    };
    middleModel_->setColumns({{tr("No."), 60, [](int position) { return QString::asprintf("%3d", position + 1); }},
                              {tr("Channel."), 200, member(kColumnName)},
                              {tr("Ch_id"), 60, member(kColumnNumber)},
                              {tr("Freq/Pol"), 80, frequency},
                              {tr("SID"), 60, serviceId}});
    middleModel_->setRowMark(
        [&session](int position) { return session.isMarkedForMove(session.memberChannel(position)); });
    middleList_->applyColumnWidths();
    for (ReportListView* list : {leftList_, middleList_}) list->horizontalHeader()->setSortIndicatorShown(false);
    setChannelColumns();
}

// ---- group names ------------------------------------------------------------------

void CReceiverDataDialog::renameGroupClicked() {
    if (session_.isMovePending() || !session_.traits().favourite) return;
    const int row = leftList_->firstSelectedRow();
    const int group = row >= 0 ? leftModel_->idAt(row) : session_.currentGroup();
    const bool tv = session_.traits().kind == 0;
    const ReceiverDatabase& db = session_.database();
    const std::string current = tv ? db.tvGroupName(group) : db.radioGroupName(group);

    QDialog dialog(this);
    dialog.setWindowTitle(tr("Rename Group"));
    auto* name = new QLineEdit(QString::fromLatin1(current.data(), static_cast<qsizetype>(current.size())));
    name->setObjectName(QStringLiteral("groupName"));
    name->setMaxLength(kGroupNameSize - 1);  // the stored name keeps its terminator
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(tv ? tr("&TV name:") : tr("&Radio name:"), name);
    form->addRow(buttons);
    if (prompts_.run(dialog) != QDialog::Accepted) return;
    Change changed = session_.renameGroup(group, fieldBytes(name->text()).toStdString());
    changed.list = EditorList::Left;
    changed.focusId = group;
    render(changed);
}

}  // namespace dorvane
