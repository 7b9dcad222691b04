#include "gui/editor/integer_edit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>

#include "gui/ui/prompts.h"

namespace dorvane {

std::optional<int> readIntegerEdit(Prompts& prompts, QWidget* dialog, QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok, 10);
    if (ok) return value;
    prompts.message(dialog, QCoreApplication::translate("dorvane::IntegerEdit", "Please enter an integer."),
                    PromptIcon::Exclamation);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return std::nullopt;
}

int listIndexOrNone(int index, int count) { return index >= 0 && index < count ? index : -1; }

QComboBox* makeChoiceList(const QStringList& entries, int index) {
    auto* list = new QComboBox;
    list->addItems(entries);
    list->setCurrentIndex(listIndexOrNone(index, list->count()));
    return list;
}

}  // namespace dorvane
