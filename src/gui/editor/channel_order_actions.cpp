#include "gui/editor/channel_order_actions.h"

#include <algorithm>

#include <QAction>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/reference_preview_dialog.h"
#include "gui/editor/report_list_view.h"
#include "gui/ui/prompts.h"
#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

namespace {

const char* const kSortTexts[] = {
    QT_TRANSLATE_NOOP("dorvane::ChannelOrderActions", "Sort the selected channels by &name and keep it as the order"),
    QT_TRANSLATE_NOOP("dorvane::ChannelOrderActions",
                      "Sort the selected channels by &satellite and frequency and keep it as the order"),
    QT_TRANSLATE_NOOP("dorvane::ChannelOrderActions",
                      "Sort the selected channels by service &id and keep it as the order"),
};

QString q(const std::string& text) { return coreText(text); }

}  // namespace

ChannelOrderActions::ChannelOrderActions(CReceiverDataDialog& dialog, Prompts& prompts)
    : QObject(&dialog), dialog_(dialog), prompts_(prompts) {
    auto action = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* a = new QAction(text, &dialog_);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        dialog_.addAction(a);
        return a;
    };
    moveToNumber_ =
        action(tr("Move to &number..."), QKeySequence(Qt::CTRL | Qt::Key_G), &ChannelOrderActions::moveToNumber);
    swap_ = action(tr("S&wap"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), &ChannelOrderActions::swap);
    applyOrder_ = action(tr("Apply &order from..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                         &ChannelOrderActions::applyOrderFrom);
    // Typing into a "New No." cell starts its editor (the other cells are
    // read-only; double-click and F2 keep opening Edit Channel).
    dialog_.channelList()->setEditTriggers(QAbstractItemView::AnyKeyPressed);
}

ListColumn ChannelOrderActions::newNumberColumn() {
    return {tr("New No."), 60, [](int) { return QString(); },
            [this](int channel, const QString& text) { return typedNumber(channel, text); }};
}

// The move waits until the cell's editor has closed: it lists the rows
// again.
bool ChannelOrderActions::typedNumber(int channel, const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (text.trimmed().isEmpty()) return false;
    if (!ok || number < 0 || number >= kChannelSlots) {
        dialog_.showOrderChange({}, tr("New No.: a channel number 0..%1").arg(kChannelSlots - 1));
        return false;
    }
    QTimer::singleShot(0, this, [this, channel, number] {
        chooseFromList();
        EditorSession& session = dialog_.session();
        const auto& chosen = session.selectedChannels();
        if (std::find(chosen.begin(), chosen.end(), channel) == chosen.end())
            session.chooseRows(EditorList::Channels, {channel});
        if (refused(1)) return;
        dialog_.showOrderChange(session.moveToNumber(number), {});
    });
    return true;
}

void ChannelOrderActions::addTo(QMenu* menu, int list) {
    if (list != CReceiverDataDialog::ChannelList || dialog_.session().traits().favourite) return;
    chooseFromList();
    const EditorSession& s = dialog_.session();
    menu->addSeparator();
    menu->addAction(moveToNumber_);
    moveToNumber_->setEnabled(s.whyOrderIsOff(1).empty());
    menu->addAction(swap_);
    swap_->setEnabled(s.whyOrderIsOff(2).empty());
    for (int key = 0; key < 3; ++key) {
        menu->addAction(tr(kSortTexts[key]), this, [this, key] { sortAndKeep(key); })
            ->setEnabled(s.whyOrderIsOff(1).empty());
    }
    menu->addAction(applyOrder_);
    applyOrder_->setEnabled(!s.isMovePending() && !s.isAddOpen());
}

// The rows the list shows chosen are the ones acted on.
void ChannelOrderActions::chooseFromList() {
    ReportListView* list = dialog_.channelList();
    if (dialog_.session().traits().favourite || dialog_.session().isMovePending()) return;
    dialog_.session().chooseRows(EditorList::Channels, list->listModel()->idsOf(list->selectedRowNumbers()));
}

// Said on the status line when the action cannot run.
bool ChannelOrderActions::refused(int wanted) {
    chooseFromList();
    const std::string why = dialog_.session().whyOrderIsOff(wanted);
    if (!why.empty()) dialog_.showOrderChange({}, q(why));
    return !why.empty();
}

void ChannelOrderActions::moveToNumber() {
    if (refused(1)) return;
    QDialog ask(&dialog_);
    ask.setWindowTitle(tr("Move to number"));
    auto* number = new QSpinBox;
    number->setObjectName(QStringLiteral("number"));
    number->setRange(0, kChannelSlots - 1);
    number->setValue(dialog_.session().selectedChannels().front());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    auto* form = new QFormLayout(&ask);
    form->addRow(tr("The %1 chosen channels from &number:").arg(dialog_.session().selectedChannels().size()), number);
    form->addRow(buttons);
    if (prompts_.run(ask) != QDialog::Accepted) return;
    dialog_.showOrderChange(dialog_.session().moveToNumber(number->value()), {});
}

void ChannelOrderActions::swap() {
    if (refused(2)) return;
    dialog_.showOrderChange(dialog_.session().swapChannels(), {});
}

void ChannelOrderActions::sortAndKeep(int key) {
    if (key < 0 || key > 2 || refused(1)) return;
    dialog_.showOrderChange(dialog_.session().sortAndKeep(static_cast<ChannelSortKey>(key)), {});
}

void ChannelOrderActions::applyOrderFrom() {
    EditorSession& session = dialog_.session();
    if (session.isMovePending() || session.isAddOpen()) return;
    const QString file =
        prompts_.openFileName(&dialog_, tr("Apply order from"),
                              tr("Channel data or lists (*.irz *.txt *.csv);;Channel data (*irz);;All files (*)"));
    if (file.isEmpty()) return;
    const Result<ChannelReference> reference = readChannelReference(pathFromText(file));
    if (!reference.ok()) {
        prompts_.message(&dialog_, file + QStringLiteral(": ") + q(reference.message()), PromptIcon::Exclamation);
        return;
    }
    const ReferencePlan plan = session.planReference(reference.value());
    CReferencePreviewDialog preview(session.database(), reference.value(), plan, QFileInfo(file).fileName(), &dialog_);
    if (prompts_.run(preview) != QDialog::Accepted) return;
    const Change changed = session.applyReference(reference.value(), preview.takeFavourites());
    dialog_.showOrderChange(changed, q(referenceSummary(plan)));
}

}  // namespace dorvane
