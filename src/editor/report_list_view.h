#pragma once

#include <vector>

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

    // Applies the column widths of the model's current columns.
    void applyColumnWidths();
    void setMultipleSelection(bool multiple);

    // Selected rows in list order.
    std::vector<int> selectedRowNumbers() const;
    int firstSelectedRow() const;  // -1 without selection
    int selectedRowCount() const;
    void selectRow(int row, bool clearOthers);
    void selectAllRows();
    void clearRowSelection();

signals:
    void clickedAnywhere();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    RecordListModel* model_;
};

}  // namespace dorvane
