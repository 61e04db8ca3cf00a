// The rows of a line list (the travel legs, the outlays) for a QTreeView. The cells stay the
// library's Windows-1252 texts and become Qt strings only when the view shows them, and a whole
// list is replaced in one reset: a claim of many thousand lines fills its list in a moment.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "form/form_controls.h"

namespace ferdix {

class CLineListModel final : public QAbstractTableModel {
  public:
    explicit CLineListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Sets the titles; the rows go.
    void SetColumns(const QStringList& titles);
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
    std::vector<ListRow> m_rows;
};

}  // namespace ferdix
