#include "editor/editor_prompts.h"

#include <QDialog>
#include <QMessageBox>

namespace dorvane {

namespace {

const QString kBoxTitle = QStringLiteral("Dorvane_QX");

EditorPrompts defaultPrompts() {
    EditorPrompts p;
    p.message = [](QWidget* parent, const QString& text, PromptIcon icon) {
        QMessageBox box(icon == PromptIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, kBoxTitle,
                        text, QMessageBox::Ok, parent);
        box.exec();
    };
    p.confirm = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Question, kBoxTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    };
    p.run = [](QDialog& dialog) { return dialog.exec(); };
    return p;
}

}  // namespace

EditorPrompts& editorPrompts() {
    static EditorPrompts prompts = defaultPrompts();
    return prompts;
}

void resetEditorPrompts() { editorPrompts() = defaultPrompts(); }

}  // namespace dorvane
