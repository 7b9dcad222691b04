#include "gui/app/dialog_prompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "gui/app/about_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "qtcore/app/settings.h"

namespace dorvane {

namespace {

const QString kTitle = QStringLiteral("Dorvane_QX");

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Exclamation: return QMessageBox::Warning;
        case PromptIcon::Information: return QMessageBox::Information;
        case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The first button accepts, the last rejects (and is Esc's), those between
// are the other choices.
QMessageBox::ButtonRole choiceRole(qsizetype index, qsizetype count) {
    if (index == 0) return QMessageBox::AcceptRole;
    return index + 1 == count ? QMessageBox::RejectRole : QMessageBox::DestructiveRole;
}

}  // namespace

void DialogPrompts::message(QWidget* parent, const QString& text, PromptIcon icon) {
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DialogPrompts::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DialogPrompts::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool DialogPrompts::ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) {
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton* first = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(second);
    box.exec();
    return box.clickedButton() == first;
}

int DialogPrompts::choose(QWidget* parent, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::NoButton, parent);
    std::vector<QPushButton*> made;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        made.push_back(box.addButton(buttons[i], choiceRole(i, buttons.size())));
    if (!made.empty()) box.setEscapeButton(made.back());
    box.exec();
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (box.clickedButton() == made[i]) return static_cast<int>(i);
    }
    return -1;
}

int DialogPrompts::run(QDialog& dialog) { return dialog.exec(); }

QString DialogPrompts::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    const QString shown = caption.isEmpty() ? QCoreApplication::translate("dorvane::DialogPrompts", "Open") : caption;
    // Read-only: the chooser offers no new folder, renaming or deleting.
    return QFileDialog::getOpenFileName(parent, shown, QString(), filter, nullptr, QFileDialog::ReadOnly);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                    const QString& filter) {
    const QString shown =
        caption.isEmpty() ? QCoreApplication::translate("dorvane::DialogPrompts", "Save As") : caption;
    QFileDialog dialog(parent, shown, QDir::current().filePath(suggested), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString());  // the name is taken as typed
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DialogPrompts::choosePort(QWidget* parent, const QString& currentPort) {
    CSerialConfigDialog dialog(parent);
    dialog.setPortLender(lender_);
    dialog.setPortName(currentPort);
    Settings settings;
    const QString language = settings.language();
    dialog.setLanguage(language);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (dialog.language() != language) {
        settings.setLanguage(dialog.language());
        message(parent,
                QCoreApplication::translate("DialogPrompts", "The language changes when Dorvane_QX starts next."),
                PromptIcon::Information);
    }
    return dialog.portName();
}

void DialogPrompts::about(QWidget* parent) {
    CAboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace dorvane
