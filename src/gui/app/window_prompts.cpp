#include "gui/app/window_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "gui/app/about_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "qtcore/app/settings.h"

namespace dorvane {

namespace {

const QString kTitle = QStringLiteral("Dorvane_QX");

}  // namespace

void DialogPrompts::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void DialogPrompts::information(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DialogPrompts::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString DialogPrompts::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("dorvane::DialogPrompts", "Open"),
                                        QString(), filter, nullptr, QFileDialog::ReadOnly);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& proposedName, const QString& filter) {
    QFileDialog dialog(parent, QCoreApplication::translate("dorvane::DialogPrompts", "Save As"),
                       QDir::current().filePath(proposedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString());  // the name is taken as typed
    dialog.selectFile(proposedName);
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
        information(parent,
                    QCoreApplication::translate("DialogPrompts", "The language changes when Dorvane_QX starts next."));
    }
    return dialog.portName();
}

void DialogPrompts::about(QWidget* parent) {
    CAboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace dorvane
