#include "qt/line_list.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSize>
#include <QStyle>
#include <QTreeView>
#include <QtMath>

#include "qt/qt_text.h"

namespace ferdix {

void SizeHeaderByFont(const QTreeView& list, CLineListModel& model) {
    if (!QFontInfo(list.font()).fixedPitch()) {
        model.SetHeaderMetrics(0, 0, 0);
        return;
    }
    QFontMetricsF fm(list.font());
    model.SetHeaderMetrics(
        qCeil(fm.height()), fm.horizontalAdvance(QLatin1Char('0')),
        list.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, list.header()));
}

void CLineListModel::SetColumns(const QStringList& titles) {
    beginResetModel();
    m_titles = titles;
    m_rows.clear();
    endResetModel();
}

void CLineListModel::SetHeaderMetrics(int lineHeight, qreal charAdvance, int margin) {
    m_lineHeight = lineHeight;
    m_charAdvance = charAdvance;
    m_headerMargin = margin;
    if (!m_titles.isEmpty()) {
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_titles.size()) - 1);
    }
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
    if (role == Qt::SizeHintRole && m_lineHeight > 0) {
        // As the style sizes a section of one line of text without an icon.
        // The advances add up unrounded, and the text's box is rounded up, as Qt measures it.
        const int text = qCeil(static_cast<qreal>(m_titles[section].size()) * m_charAdvance);
        return QSize(m_headerMargin + text + m_headerMargin,
                     m_headerMargin + m_lineHeight + m_headerMargin);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

}  // namespace ferdix
