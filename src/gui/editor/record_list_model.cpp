#include "gui/editor/record_list_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <QMimeData>

#include <algorithm>

namespace dorvane {

void RecordListModel::setColumns(std::vector<ListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    ids_.clear();
    endResetModel();
}

void RecordListModel::setRows(std::vector<int> ids) {
    beginResetModel();
    ids_ = std::move(ids);
    endResetModel();
}

void RecordListModel::appendRow(int id) {
    const int row = static_cast<int>(ids_.size());
    beginInsertRows({}, row, row);
    ids_.push_back(id);
    endInsertRows();
}

void RecordListModel::removeRowAt(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    ids_.erase(ids_.begin() + row);
    endRemoveRows();
}

void RecordListModel::rowChanged(int row) {
    if (row < 0 || row >= rowCount() || columns_.empty()) return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RecordListModel::allRowsChanged() {
    if (ids_.empty() || columns_.empty()) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int RecordListModel::rowOf(int id) const {
    const auto found = std::find(ids_.begin(), ids_.end(), id);
    return found == ids_.end() ? -1 : static_cast<int>(found - ids_.begin());
}

void RecordListModel::sortRows(const std::function<bool(int a, int b)>& less) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::stable_sort(ids_.begin(), ids_.end(), less);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole: return columns_[static_cast<std::size_t>(index.column())].text(idAt(index.row()));
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::BackgroundRole:
            if (marked_ && marked_(idAt(index.row()))) return QBrush(QColor(255, 214, 120));
            return {};
        // The marked rows' amber keeps dark text in a dark palette too.
        case Qt::ForegroundRole:
            if (marked_ && marked_(idAt(index.row()))) return QBrush(QColor(0, 0, 0));
            return {};
        case Qt::FontRole:
            if (marked_ && marked_(idAt(index.row()))) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default: return {};
    }
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return columns_[static_cast<std::size_t>(section)].heading;
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid()) f |= Qt::ItemIsDragEnabled;
    if (index.isValid() && index.column() < columnCount() && columns_[static_cast<std::size_t>(index.column())].edit)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return false;
    const auto& edit = columns_[static_cast<std::size_t>(index.column())].edit;
    return edit && edit(idAt(index.row()), value.toString());
}

QStringList RecordListModel::mimeTypes() const { return {QString::fromLatin1(kRowsMimeType)}; }

QMimeData* RecordListModel::mimeData(const QModelIndexList&) const {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRowsMimeType), objectName().toUtf8());
    return data;
}

std::vector<int> RecordListModel::idsOf(const std::vector<int>& rows) const {
    std::vector<int> ids;
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(ids_.size())) ids.push_back(ids_[static_cast<std::size_t>(row)]);
    }
    return ids;
}

namespace {

// A location shown as "19.2°E" / "30.0°W" sorts by its stored value
// (tenths of a degree, West as 3600 minus them), as the plain number did.
bool locationSortValue(const QString& text, qlonglong& value) {
    if (text.size() < 3 || text[text.size() - 2] != QChar(0x00B0)) return false;
    const QChar side = text.back();
    if (side != QLatin1Char('E') && side != QLatin1Char('W')) return false;
    bool ok = false;
    const double degrees = text.left(text.size() - 2).toDouble(&ok);
    if (!ok) return false;
    const auto tenths = static_cast<qlonglong>(degrees * 10 + 0.5);
    value = side == QLatin1Char('E') ? tenths : 3600 - tenths;
    return true;
}

}  // namespace

void RecordListModel::sortIdsByColumn(std::vector<int>& ids, int column, bool descending) const {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    struct Key {
        int id;
        bool isNumber;
        qlonglong number;
        QString text;
    };
    std::vector<Key> keys;
    keys.reserve(ids.size());
    for (int id : ids) {
        Key key{id, false, 0, columns_[static_cast<std::size_t>(column)].text(id).trimmed()};
        key.number = key.text.toLongLong(&key.isNumber);
        if (!key.isNumber) key.isNumber = locationSortValue(key.text, key.number);
        keys.push_back(std::move(key));
    }
    auto compare = [](const Key& a, const Key& b) {
        if (a.isNumber && b.isNumber) return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
        if (a.isNumber != b.isNumber) return a.isNumber ? -1 : 1;  // numbers before texts
        return QString::compare(a.text, b.text, Qt::CaseInsensitive);
    };
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
    for (std::size_t i = 0; i < keys.size(); ++i) ids[i] = keys[i].id;
}

void RecordListModel::sortRowsByColumn(int column, bool descending) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    sortIdsByColumn(ids_, column, descending);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace dorvane
