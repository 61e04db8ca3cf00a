#include "qt/line_list.h"

#include "qt/qt_text.h"

namespace ferdix {

void CLineListModel::SetColumns(const QStringList& titles) {
    beginResetModel();
    m_titles = titles;
    m_rows.clear();
    endResetModel();
}

void CLineListModel::Clear() {
    if (m_rows.empty()) {
        return;
    }
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CLineListModel::Append(ListRow row) {
    int at = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void CLineListModel::Replace(std::vector<ListRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const ListRow* CLineListModel::Row(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return nullptr;
    }
    return &m_rows[static_cast<std::size_t>(row)];
}

QString CLineListModel::Cell(int row, int column) const {
    const ListRow* r = Row(row);
    if (!r || column < 0 || static_cast<std::size_t>(column) >= r->cells.size()) {
        return {};
    }
    return ToQString(r->cells[static_cast<std::size_t>(column)]);
}

int CLineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CLineListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant CLineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return Cell(index.row(), index.column());
        case Qt::UserRole:
            if (const ListRow* r = Row(index.row())) {
                return r->itemData;
            }
            return {};
        default:
            return {};
    }
}

QVariant CLineListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_titles[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

}  // namespace ferdix
