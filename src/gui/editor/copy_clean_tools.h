#pragma once

#include <vector>

#include <QObject>
#include <QString>

class QAbstractItemModel;
class QAction;
class QMenu;
class QPushButton;
class QSplitter;

namespace dorvane {

class CReceiverDataDialog;
class CopySourcePanel;
class Prompts;
class ReportListView;

// The rows of a list as tab-separated text for a spreadsheet: the column
// heads, then one line per row (in the given order); tabs and line breaks
// inside a cell become spaces.
QString rowsAsTabText(const QAbstractItemModel& model, const std::vector<int>& rows);

// The editor's tools beyond editing: a second file in a side panel to copy
// records from (button or drag and drop), the duplicates filter and
// clean-up, the chosen rows to the clipboard, and printing (or a PDF) of
// the channel list and favourite groups. They sit in the "Tools" button's
// menu and the lists' context menus.
class CopyCleanTools : public QObject {
    Q_OBJECT
public:
    // Asks through `prompts` (the window's).
    CopyCleanTools(CReceiverDataDialog& window, Prompts& prompts);

    // The entries for a list's context menu (1..3).
    void addMenuEntries(QMenu* menu, int list);
    CopySourcePanel* sidePanel() const { return panel_; }
    QPushButton* toolsButton() const { return tools_; }
    QAction* duplicatesAction() const { return duplicates_; }

    // "Open Second File...": asks for a file, or takes the given one.
    void openSecondFileClicked();
    bool openSecondFile(const QString& file);
    // Copies the side panel's chosen records into the edited file.
    void copyFromSidePanel();
    // The chosen rows of a list (the one with the focus, else the channel
    // list) to the clipboard.
    void copyRows(ReportListView* list = nullptr);
    void setDuplicatesOnly(bool on);
    void selectAllDuplicates();
    void removeUnusedTransponders();
    // "Print...": the print preview, from which the operator prints.
    void printClicked();
    // "Export to PDF...": asks for a file, or takes the given one.
    void exportPdfClicked();
    bool exportPdf(const QString& file, int* pages = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attachSidePanel();
    void createActions();
    QMenu* toolsMenu();
    void closeSidePanel();
    bool editing() const;

    CReceiverDataDialog& window_;
    Prompts& prompts_;
    CopySourcePanel* panel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QPushButton* tools_ = nullptr;
    QAction* openSecond_ = nullptr;
    QAction* copyRows_ = nullptr;
    QAction* duplicates_ = nullptr;
    QAction* selectDuplicates_ = nullptr;
    QAction* removeUnused_ = nullptr;
    QAction* print_ = nullptr;
    QAction* exportPdf_ = nullptr;
};

}  // namespace dorvane
