#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace dorvane {

enum class PromptIcon { None, Exclamation };

// The editor's boxes and modal runs go through these hooks so that the
// widget tests can answer them; by default they show real message boxes and
// run dialogs with exec().
struct EditorPrompts {
    // A box with an OK button.
    std::function<void(QWidget* parent, const QString& text, PromptIcon icon)> message;
    // An OK/Cancel question; true for OK.
    std::function<bool(QWidget* parent, const QString& text)> confirm;
    // Runs a dialog modally and returns its result code.
    std::function<int(QDialog& dialog)> run;
    // A question with two buttons of the given texts; true for the first.
    std::function<bool(QWidget* parent, const QString& text, const QString& yes, const QString& no)> ask;
    // A question with the given buttons; the index of the one clicked, -1
    // when the box was closed without one.
    std::function<int(QWidget* parent, const QString& text, const QStringList& buttons)> choose;
    // File choosers; an empty text when the operator cancels.
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)> openFileName;
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)>
        saveFileName;
    // Whether the editor reads and keeps its column widths and sort choice
    // in the user's settings (the tests switch it off).
    bool rememberLayout = true;
};

// The hooks in use. Assigning a member replaces it; resetEditorPrompts()
// brings back the defaults.
EditorPrompts& editorPrompts();
void resetEditorPrompts();

}  // namespace dorvane
