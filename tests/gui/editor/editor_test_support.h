#pragma once

#include <deque>
#include <functional>
#include <memory>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/database/channel_data_document.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/report_list_view.h"

class QAbstractButton;
class QDialog;

namespace dorvane::test {

// Answers the editor's boxes and modal runs: records every message and
// question (two-button questions too), answers questions from a queue (OK
// when it is empty) and hands
// every dialog to `onDialog` (which returns the dialog's result; by default
// the dialog is cancelled).
class ScriptedPrompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts();

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    // Answers to the three-button questions (the index of the button).
    std::deque<int> choices;
    std::function<int(QDialog&)> onDialog;
    int dialogsRun = 0;
    // Files the choosers return, in turn (empty: cancelled).
    std::deque<QString> files;
};

// A channel-data file in a temporary directory, made from a database, and an
// editor window opened on it the way the main window opens one.
class EditorWindow {
public:
    // Packs `source` into a file and opens the editor on it.
    explicit EditorWindow(const ReceiverDatabase& source);
    // Opens the editor on the given file as it is.
    explicit EditorWindow(const QByteArray& fileBytes);

    // Closes the window and opens the file again (as a new "Edit" would).
    void reopen();

    CReceiverDataDialog& dialog() { return *dialog_; }
    ChannelDataDocument& document() { return *document_; }
    ReceiverDatabase& database() { return document_->database(); }
    ChannelDataBuffer& buffer() { return document_->buffer(); }
    QString path() const { return path_; }
    bool opened() const { return opened_; }

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<ChannelDataDocument> document_;
    std::unique_ptr<CReceiverDataDialog> dialog_;
    bool opened_ = false;
};

// A full database (163 satellites, 2,000 transponders, 5,000 channels, full
// favourite groups), the same every time.
std::unique_ptr<ReceiverDatabase> makeFullDatabase();

// A click on a radio button's indicator.
void clickRadio(QAbstractButton* button);
// Selects exactly the given rows of a list.
void selectRows(ReportListView* list, const std::vector<int>& rows);
// What a click on the list reports to the window (the selection stays).
void clickList(ReportListView* list);

}  // namespace dorvane::test
