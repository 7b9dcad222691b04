#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "gui/ui/prompts.h"

namespace dorvane::test {

// Answers every modal question of the main window and the editor from a
// script and records what was asked, so that widget tests never block on a
// real box and can check the questions asked, in order.
class ScriptedPrompts : public Prompts {
public:
    // What was asked.
    QStringList messages;      // every box with an OK button, whatever its icon
    QStringList informations;  // those with the information icon
    // Every question: Yes/No, OK/Cancel, two buttons, a choice of buttons.
    QStringList questions;
    QString openFilter;  // the filter the last open chooser was given
    int saveDialogs = 0;
    int dialogsRun = 0;
    int aboutBoxes = 0;

    // The script. Answers to the questions, in turn; when they run out a
    // Yes/No question gets No, the others their first button.
    std::deque<bool> answers;
    // Button indexes for the choices, before `answers` (where true is the
    // first button and false the last).
    std::deque<int> choices;
    // Files the choosers return, in turn; then the open chooser returns
    // openFile and the save chooser saveFile ("": cancelled).
    std::deque<QString> files;
    QString openFile;
    QString saveFile;
    std::optional<QString> port;  // what the port dialog returns (nothing: cancelled)
    // Stands in for each dialog run modally and returns its result; without
    // it the dialog is cancelled.
    std::function<int(QDialog&)> onDialog;
    // Called while a Yes/No question is "open" (the nested loop of a real box).
    std::function<void()> duringQuestion;

    void message(QWidget* parent, const QString& text, PromptIcon icon) override;
    bool question(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) override;
    int choose(QWidget* parent, const QString& text, const QStringList& buttons) override;
    int run(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    std::optional<QString> choosePort(QWidget* parent, const QString& currentPort) override;
    void about(QWidget* parent) override;

private:
    // The next answer, or `whenOut` when the script has none left.
    bool nextAnswer(bool whenOut);
    QString nextFile(const QString& whenOut);
};

}  // namespace dorvane::test
