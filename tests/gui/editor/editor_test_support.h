#pragma once

#include <memory>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/database/channel_data_document.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/report_list_view.h"
#include "gui/support/scripted_prompts.h"

class QAbstractButton;

namespace dorvane::test {

// The editor as the tests open it: the user's settings are left alone.
inline constexpr EditorOptions kTestEditor{.rememberLayout = false};

// A channel-data file in a temporary directory, made from a database, and an
// editor window opened on it the way the main window opens one, asking
// through `prompts`.
class EditorWindow {
public:
    // Packs `source` into a file and opens the editor on it.
    EditorWindow(const ReceiverDatabase& source, Prompts& prompts, EditorOptions options = kTestEditor);
    // Opens the editor on the given file as it is.
    EditorWindow(const QByteArray& fileBytes, Prompts& prompts, EditorOptions options = kTestEditor);

    // Closes the window and opens the file again (as a new "Edit" would).
    void reopen();

    CReceiverDataDialog& dialog() { return *dialog_; }
    ChannelDataDocument& document() { return *document_; }
    ReceiverDatabase& database() { return document_->database(); }
    ChannelDataBuffer& buffer() { return document_->buffer(); }
    QString path() const { return path_; }
    bool opened() const { return opened_; }

private:
    Prompts& prompts_;
    EditorOptions options_;
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
