#include "app/window_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "app/about_dialog.h"
#include "app/serial_config_dialog.h"

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
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(), filter, nullptr,
                                        QFileDialog::ReadOnly);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& proposedName, const QString& filter) {
    QFileDialog dialog(parent, QStringLiteral("Save As"), QDir::current().filePath(proposedName), filter);
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
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.portName();
}

void DialogPrompts::about(QWidget* parent) {
    CAboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace dorvane
