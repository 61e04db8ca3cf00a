// The rows of a line list (the travel legs, the outlays) for a QTreeView. The cells stay the
// library's Windows-1252 texts and become Qt strings only when the view shows them, and a whole
// list is replaced in one reset: a claim of many thousand lines fills its list in a moment.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class QTreeView;

#include "form/form_controls.h"

namespace ferdix {

class CLineListModel;

// Has the model size the list's header sections from the list's font when its face is fixed
// pitch (see SetHeaderMetrics).
void SizeHeaderByFont(const QTreeView& list, CLineListModel& model);

class CLineListModel final : public QAbstractTableModel {
  public:
    explicit CLineListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Sets the titles; the rows go.
    void SetColumns(const QStringList& titles);
    // The header's sections are sized from these (a fixed-pitch face's line height and
    // advance, the style's header margin) instead of being measured by Qt, which loads the
    // face in bold to measure every title before the list is first shown. Unset, Qt measures.
    void SetHeaderMetrics(int lineHeight, qreal charAdvance, int margin);
    void Clear();
    void Append(ListRow row);
    void Replace(std::vector<ListRow> rows);
    const ListRow* Row(int row) const;
    // The cell as shown, empty outside the rows and columns.
    QString Cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QStringList m_titles;
    int m_lineHeight = 0;
    qreal m_charAdvance = 0;
    int m_headerMargin = 0;
    std::vector<ListRow> m_rows;
};

}  // namespace ferdix
