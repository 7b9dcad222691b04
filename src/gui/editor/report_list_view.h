#pragma once

#include <vector>

#include <QStringList>
#include <QTableView>

namespace dorvane {

class RecordListModel;

// A report list: full-row selection, grid lines, several rows selectable,
// the selection shown also without focus, columns as wide as the model's
// columns ask. It reports every finished click on it, on a row or not, after
// the selection has been updated.
class ReportListView : public QTableView {
    Q_OBJECT
public:
    explicit ReportListView(RecordListModel* model, QWidget* parent = nullptr);

    RecordListModel* listModel() const { return model_; }

    // Applies the column widths of the model's current columns (or the
    // remembered ones when they are for as many columns).
    void applyColumnWidths();
    void setRememberedWidths(const QStringList& widths) { remembered_ = widths; }
    QStringList currentWidths() const;
    void setMultipleSelection(bool multiple);

    // Selected rows in list order.
    std::vector<int> selectedRowNumbers() const;
    int firstSelectedRow() const;  // -1 without selection
    int selectedRowCount() const;
    void selectRow(int row, bool clearOthers);
    void selectAllRows();
    void clearRowSelection();
    // Selects exactly the rows holding the given ids; false when none is
    // listed (the selection is then empty).
    bool selectIds(const std::vector<int>& ids);

signals:
    // A finished click, or a move of the current row by the keyboard (which
    // the window treats as the same).
    void clickedAnywhere();
    void deletePressed();
    void insertPressed();
    // F2, Enter or Return on a row.
    void editPressed();
    // Rows of the list named `source` were dropped on `row` of this list
    // (-1: below the last row).
    void rowsDropped(const QString& source, int row);

public:
    // The row a drag would drop on, marked with a line above it (-1: none,
    // rowCount(): below the last row).
    void setDropTarget(int row);
    int dropTarget() const { return dropTarget_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    RecordListModel* model_;
    QStringList remembered_;
    int dropTarget_ = -1;
    int rowAt(const QPoint& position) const;
};

}  // namespace dorvane
