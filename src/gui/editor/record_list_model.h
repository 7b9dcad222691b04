#pragma once

#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

namespace dorvane {

// One column of a report list: heading, width in pixels and the text of a
// row's cell, computed from the row's record id when the cell is painted.
struct ListColumn {
    QString heading;
    int width = 0;
    std::function<QString(int id)> text;
    // A cell the operator types into (the channel list's "New No."): takes
    // the row's id and the text; true when it was taken. Null: read-only.
    std::function<bool(int id, const QString& text)> edit = {};
};

// A report list over records of the receiver database: each row is a record
// id (satellite slot, transponder number, channel number, group, ...), its
// cells are computed on demand, every cell is centred. The list holds no
// copies of the records, so rewriting a row is just a repaint.
// The drag format of rows of the editor's lists: the object name of the list
// they come from (the rows are that list's selection).
inline constexpr const char* kRowsMimeType = "application/x-dorvane-editor-rows";

class RecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the columns (and empties the list).
    void setColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& columns() const { return columns_; }
    // Rows for which `marked` is true are drawn highlighted (the channels of
    // a pending move).
    void setRowMark(std::function<bool(int id)> marked) { marked_ = std::move(marked); }

    // Replaces all rows at once.
    void setRows(std::vector<int> ids);
    void clear() { setRows({}); }
    void appendRow(int id);
    void removeRowAt(int row);
    // Repaints one row, or all of them.
    void rowChanged(int row);
    void allRowsChanged();

    const std::vector<int>& ids() const { return ids_; }
    int idAt(int row) const { return ids_[static_cast<std::size_t>(row)]; }
    // The first row holding id, or -1.
    int rowOf(int id) const;
    // The ids of the given rows.
    std::vector<int> idsOf(const std::vector<int>& rows) const;

    // Sorts the rows by a comparison of record ids, keeping the order of
    // equal rows.
    void sortRows(const std::function<bool(int a, int b)>& less);
    // Sorts ids (or the rows) by the texts of one column: numbers by value,
    // other texts alphabetically without regard to case; equal rows keep
    // their order.
    void sortIdsByColumn(std::vector<int>& ids, int column, bool descending) const;
    void sortRowsByColumn(int column, bool descending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Rows can be dragged; what a drop does is the window's (see
    // ReportListView::rowsDropped), the model itself never changes by one.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Hands what was typed into an editable cell to its column.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

private:
    std::vector<ListColumn> columns_;
    std::vector<int> ids_;
    std::function<bool(int id)> marked_;
};

}  // namespace dorvane
