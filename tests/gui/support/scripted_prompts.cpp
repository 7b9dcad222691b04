#include "gui/support/scripted_prompts.h"

#include <QDialog>

namespace dorvane::test {

bool ScriptedPrompts::nextAnswer(bool whenOut) {
    if (answers.empty()) return whenOut;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedPrompts::nextFile(const QString& whenOut) {
    if (files.empty()) return whenOut;
    QString file = files.front();
    files.pop_front();
    return file;
}

void ScriptedPrompts::message(QWidget*, const QString& text, PromptIcon icon) {
    messages << text;
    if (icon == PromptIcon::Information) informations << text;
}

bool ScriptedPrompts::question(QWidget*, const QString& text) {
    questions << text;
    if (duringQuestion) duringQuestion();
    return nextAnswer(false);
}

bool ScriptedPrompts::confirm(QWidget*, const QString& text) {
    questions << text;
    return nextAnswer(true);
}

bool ScriptedPrompts::ask(QWidget*, const QString& text, const QString&, const QString&) {
    questions << text;
    return nextAnswer(true);
}

int ScriptedPrompts::choose(QWidget*, const QString& text, const QStringList& buttons) {
    questions << text;
    if (!choices.empty()) {
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }
    return nextAnswer(true) ? 0 : static_cast<int>(buttons.size()) - 1;
}

int ScriptedPrompts::run(QDialog& dialog) {
    ++dialogsRun;
    return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
}

QString ScriptedPrompts::openFileName(QWidget*, const QString&, const QString& filter) {
    openFilter = filter;
    return nextFile(openFile);
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString&, const QString&, const QString&) {
    ++saveDialogs;
    return nextFile(saveFile);
}

std::optional<QString> ScriptedPrompts::choosePort(QWidget*, const QString&) { return port; }

void ScriptedPrompts::about(QWidget*) { ++aboutBoxes; }

}  // namespace dorvane::test
