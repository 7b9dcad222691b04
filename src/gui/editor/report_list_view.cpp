#include "gui/editor/report_list_view.h"

#include <algorithm>

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "gui/editor/record_list_model.h"

namespace dorvane {

ReportListView::ReportListView(RecordListModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control (rows are read only: the arrow keys
    // move within the list).
    setTabKeyNavigation(false);
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
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);  // the line above the target row instead
    // The list with the keyboard focus has a frame in the selection colour.
    setStyleSheet(QStringLiteral("QTableView:focus { border: 2px solid palette(highlight); }"));
}

void ReportListView::applyColumnWidths() {
    const auto& columns = model_->columns();
    const bool useRemembered = remembered_.size() == static_cast<qsizetype>(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int width = columns[i].width;
        if (useRemembered) {
            const int stored = remembered_[static_cast<qsizetype>(i)].toInt();
            if (stored >= 16 && stored <= 2000) width = stored;
        }
        setColumnWidth(static_cast<int>(i), width);
    }
}

QStringList ReportListView::currentWidths() const {
    QStringList widths;
    for (int i = 0; i < model_->columnCount(); ++i) widths << QString::number(columnWidth(i));
    return widths;
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
    const auto flags =
        (clearOthers ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select) | QItemSelectionModel::Rows;
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

void ReportListView::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
        case Qt::Key_Delete:
            if (plain) emit deletePressed();
            event->accept();
            return;
        case Qt::Key_Insert:
            if (plain) emit insertPressed();
            event->accept();
            return;
        case Qt::Key_F2:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (plain) emit editPressed();
            event->accept();
            return;
        case Qt::Key_Home:
        case Qt::Key_End:
            // The first or last row (a table would go to a column).
            if (plain && model_->rowCount() > 0) {
                const int row = event->key() == Qt::Key_Home ? 0 : model_->rowCount() - 1;
                setCurrentIndex(model_->index(row, 0));
                selectRow(row, true);
                scrollTo(model_->index(row, 0));
                emit clickedAnywhere();
                event->accept();
                return;
            }
            break;
        default: break;
    }
    const int before = currentIndex().row();
    const auto selectedBefore = selectedRowNumbers();
    QTableView::keyPressEvent(event);
    // Moving through the rows acts as a click on the row reached.
    if (currentIndex().row() != before || selectedRowNumbers() != selectedBefore) emit clickedAnywhere();
}

bool ReportListView::selectIds(const std::vector<int>& ids) {
    clearRowSelection();
    if (model_->columnCount() == 0 || ids.empty()) return false;
    // Rows of the ids, joined into as few ranges as possible: a selection
    // of thousands of single rows is slow to build and to read back.
    std::vector<int> wanted(ids);
    std::sort(wanted.begin(), wanted.end());
    std::vector<int> rows;
    const std::vector<int>& listed = model_->ids();
    for (int row = 0; row < static_cast<int>(listed.size()); ++row) {
        if (std::binary_search(wanted.begin(), wanted.end(), listed[static_cast<std::size_t>(row)]))
            rows.push_back(row);
    }
    if (rows.empty()) return false;
    QItemSelection selection;
    const int lastColumn = model_->columnCount() - 1;
    std::size_t first = 0;
    for (std::size_t k = 1; k <= rows.size(); ++k) {
        if (k < rows.size() && rows[k] == rows[k - 1] + 1) continue;
        selection.select(model_->index(rows[first], 0), model_->index(rows[k - 1], lastColumn));
        first = k;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    return true;
}

int ReportListView::rowAt(const QPoint& position) const {
    const int row = indexAt(position).row();
    return row < 0 ? model_->rowCount() : row;
}

void ReportListView::setDropTarget(int row) {
    if (row == dropTarget_) return;
    dropTarget_ = row;
    viewport()->update();
}

void ReportListView::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kRowsMimeType))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ReportListView::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kRowsMimeType))) {
        event->ignore();
        return;
    }
    setDropTarget(rowAt(event->position().toPoint()));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ReportListView::dragLeaveEvent(QDragLeaveEvent* event) {
    setDropTarget(-1);
    QTableView::dragLeaveEvent(event);
}

void ReportListView::dropEvent(QDropEvent* event) {
    setDropTarget(-1);
    const QByteArray source = event->mimeData()->data(QString::fromLatin1(kRowsMimeType));
    if (source.isEmpty()) {
        event->ignore();
        return;
    }
    // A copy, so that the view never removes the dragged rows itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const int row = indexAt(event->position().toPoint()).row();
    emit rowsDropped(QString::fromUtf8(source), row);
}

void ReportListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (dropTarget_ < 0) return;
    const int rows = model_->rowCount();
    int y = 0;
    if (dropTarget_ < rows) {
        y = rowViewportPosition(dropTarget_);
    } else if (rows > 0) {
        y = rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    }
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.drawLine(0, y, viewport()->width(), y);
}

void ReportListView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit clickedAnywhere();
}

}  // namespace dorvane
