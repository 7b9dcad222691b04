#include "gui/editor/editor_prompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace dorvane {

namespace {

const QString kBoxTitle = QStringLiteral("Dorvane_QX");

EditorPrompts defaultPrompts() {
    EditorPrompts p;
    p.message = [](QWidget* parent, const QString& text, PromptIcon icon) {
        QMessageBox box(icon == PromptIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, kBoxTitle, text,
                        QMessageBox::Ok, parent);
        box.exec();
    };
    p.confirm = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Question, kBoxTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    };
    p.run = [](QDialog& dialog) { return dialog.exec(); };
    p.ask = [](QWidget* parent, const QString& text, const QString& yes, const QString& no) {
        QMessageBox box(QMessageBox::Warning, kBoxTitle, text, QMessageBox::NoButton, parent);
        QPushButton* first = box.addButton(yes, QMessageBox::AcceptRole);
        QPushButton* second = box.addButton(no, QMessageBox::RejectRole);
        box.setDefaultButton(second);
        box.exec();
        return box.clickedButton() == first;
    };
    p.choose = [](QWidget* parent, const QString& text, const QStringList& buttons) {
        QMessageBox box(QMessageBox::Warning, kBoxTitle, text, QMessageBox::NoButton, parent);
        std::vector<QPushButton*> made;
        for (int i = 0; i < buttons.size(); ++i) {
            const auto role = i == 0
                                  ? QMessageBox::AcceptRole
                                  : (i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::DestructiveRole);
            made.push_back(box.addButton(buttons[i], role));
        }
        if (!made.empty()) box.setEscapeButton(made.back());
        box.exec();
        for (std::size_t i = 0; i < made.size(); ++i) {
            if (box.clickedButton() == made[i]) return static_cast<int>(i);
        }
        return -1;
    };
    p.openFileName = [](QWidget* parent, const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    };
    p.saveFileName = [](QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
    return p;
}

}  // namespace

EditorPrompts& editorPrompts() {
    static EditorPrompts prompts = defaultPrompts();
    return prompts;
}

void resetEditorPrompts() { editorPrompts() = defaultPrompts(); }

}  // namespace dorvane
