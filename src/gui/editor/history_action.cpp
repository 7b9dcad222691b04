// The editor's "History..." button: the kept lists, their comparison, and
// restoring one as the editor's list.

#include <QFileInfo>
#include <QPushButton>

#include "core/database/channel_data_document.h"
#include "gui/editor/history_dialog.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/ui/prompts.h"
#include "qtcore/app/core_text.h"
#include "qtcore/app/history_location.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

QPushButton* CReceiverDataDialog::makeHistoryButton() {
    auto* button = new QPushButton(tr("&History..."));
    button->setObjectName(QStringLiteral("historyButton"));
    button->setAutoDefault(false);
    button->setToolTip(tr("The lists kept from uploads and earlier saves: compare or restore one"));
    connect(button, &QPushButton::clicked, this, &CReceiverDataDialog::historyClicked);
    return button;
}

void CReceiverDataDialog::historyClicked() {
    if (session_.isMovePending()) return;
    ListHistory history = programHistory();
    QString openName = tr("the open list");
    if (!session_.document().path().empty())
        openName += QStringLiteral(" (%1%2)").arg(QFileInfo(textFromPath(session_.document().path())).fileName(),
                                                  session_.isDirty() ? tr(", unsaved edits") : QString());
    HistoryDialog dialog(history, session_.database(), openName, this);
    if (prompts_.run(dialog) != QDialog::Accepted || !dialog.chosenForRestore()) return;
    Change changed;
    const Status restored = restoreHistoryEntry(session_, history, *dialog.chosenForRestore(), &changed);
    render(changed);
    if (!restored.ok() && !changed.any()) prompts_.message(this, coreText(restored.message()), PromptIcon::Exclamation);
}

}  // namespace dorvane
