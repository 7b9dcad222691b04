#include "editor/report_list_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include "editor/record_list_model.h"

namespace dorvane {

ReportListView::ReportListView(RecordListModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Keep the selection visible while another list has the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void ReportListView::applyColumnWidths() {
    const auto& columns = model_->columns();
    for (std::size_t i = 0; i < columns.size(); ++i) setColumnWidth(static_cast<int>(i), columns[i].width);
}

void ReportListView::setMultipleSelection(bool multiple) {
    clearRowSelection();
    setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

std::vector<int> ReportListView::selectedRowNumbers() const {
    std::vector<int> rows;
    if (!selectionModel()) return rows;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ReportListView::firstSelectedRow() const {
    const auto rows = selectedRowNumbers();
    return rows.empty() ? -1 : rows.front();
}

int ReportListView::selectedRowCount() const { return static_cast<int>(selectedRowNumbers().size()); }

void ReportListView::selectRow(int row, bool clearOthers) {
    if (row < 0 || row >= model_->rowCount()) return;
    const auto flags = (clearOthers ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select) |
                       QItemSelectionModel::Rows;
    selectionModel()->select(model_->index(row, 0), flags);
    selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
}

void ReportListView::selectAllRows() {
    if (model_->rowCount() == 0 || model_->columnCount() == 0) return;
    const QItemSelection all(model_->index(0, 0), model_->index(model_->rowCount() - 1, model_->columnCount() - 1));
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
}

void ReportListView::clearRowSelection() {
    if (selectionModel()) selectionModel()->clearSelection();
}

void ReportListView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit clickedAnywhere();
}

}  // namespace dorvane
