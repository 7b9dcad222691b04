#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

namespace dorvane {

// The icon of a box with an OK button.
enum class PromptIcon { None, Exclamation, Information };

// Every modal question the windows ask: message boxes, questions, file
// choosers, the dialogs they run modally, the port dialog and the About box.
// Whoever creates a window passes it in and the window hands it on to the
// windows and dialogs it opens. The program shows the real dialogs
// (DialogPrompts); the widget tests answer from a script.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A box with an OK button.
    virtual void message(QWidget* parent, const QString& text, PromptIcon icon) = 0;
    // Yes and No (No the default); true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // OK and Cancel (OK the default); true for OK.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // Two buttons of the given texts (the second the default); true for the
    // first.
    virtual bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) = 0;
    // Buttons of the given texts, the last one also for Esc; the index of the
    // one clicked, -1 when the box was closed without one.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& buttons) = 0;
    // Runs a dialog modally and returns its result code.
    virtual int run(QDialog& dialog) = 0;

    // File choosers: the chosen file, or empty when cancelled. filter in Qt's
    // "Name (*.a *.b);;Other (*.c)" form. An empty caption is the chooser's
    // own ("Open", "Save As"). The save chooser starts in the current folder
    // with `suggested` as the name (a bare name, or a path), takes the name
    // as typed and confirms replacing a file that exists.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;

    // The "Serial Port Configuration" dialog: the chosen port, or nothing
    // when cancelled.
    virtual std::optional<QString> choosePort(QWidget* parent, const QString& currentPort) = 0;
    virtual void about(QWidget* parent) = 0;
};

}  // namespace dorvane
