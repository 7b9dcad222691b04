#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

#include "qtcore/history/history_browser.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace dorvane {

class ReceiverDatabase;

// "History": the kept lists, newest first. Two selected entries, or one and
// the open list, are compared below the list; "Restore" chooses one entry
// to become the editor's list (the editor does it when the window closes
// with Accepted). The work is HistoryListModel's and history_browser's.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(const ListHistory& history, const ReceiverDatabase& open, QString openName,
                  QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    HistoryListModel& model() { return model_; }
    QPushButton* compareButton() const { return compare_; }
    QPushButton* compareOpenButton() const { return compareOpen_; }
    QPushButton* restoreButton() const { return restore_; }
    QLabel* comparisonTitle() const { return title_; }
    QPlainTextEdit* comparisonText() const { return text_; }

    // The entry "Restore" chose, once the window was accepted.
    const std::optional<HistoryEntry>& chosenForRestore() const { return chosen_; }

    // Selects rows (the tests, the screenshots).
    void selectRows(const std::vector<int>& rows);

public slots:
    void compareClicked();
    void compareWithOpenClicked();
    void restoreClicked();

private:
    std::vector<int> selectedRows() const;
    void updateButtons();
    void showComparison(const Result<HistoryComparison>& comparison);

    const ListHistory& history_;
    const ReceiverDatabase& open_;
    QString openName_;
    HistoryListModel model_;
    std::optional<HistoryEntry> chosen_;

    QTableView* list_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* compareOpen_ = nullptr;
    QPushButton* restore_ = nullptr;
    QLabel* title_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace dorvane
