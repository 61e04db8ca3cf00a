// The form's line lists: their columns, rows and selection, and the cells shown cut short.
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>

#include "form/form_lists.h"
#include "qt/form_widget.h"
#include "qt/line_list.h"
#include "qt/qt_text.h"

namespace ferdix {

void CFormWidget::ShowCutCell(QTreeView* list, QHelpEvent* event) {
    QModelIndex index = list->indexAt(event->pos());
    QString text = index.data(Qt::DisplayRole).toString();
    QRect cell = list->visualRect(index);
    int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    if (index.isValid() &&
        QFontMetrics(list->font()).horizontalAdvance(text) + margins > cell.width()) {
        QToolTip::showText(event->globalPos(), text, list->viewport(), cell);
    } else {
        QToolTip::hideText();
    }
}

void CFormWidget::SetColumns(int id, std::span<const ListColumn> columns) {
    CLineListModel* model = ListModel(id);
    if (!model) {
        return;
    }
    QStringList titles;
    Control* c = Find(id);
    c->columns.assign(columns.begin(), columns.end());
    for (const ListColumn& col : columns) {
        titles << ToQString(col.title);
    }
    model->SetColumns(titles);
    FitColumns(*c);
}

void CFormWidget::FitColumns(Control& c) {
    if (!c.w) {
        return;  // fitted when built
    }
    auto* list = static_cast<QTreeView*>(c.w);
    const auto* model = static_cast<const CLineListModel*>(list->model());
    // The width beside a vertical scroll bar, which a long list shows: the columns then stay
    // as they are when it comes.
    int inner = list->width() - 2 * list->frameWidth() -
                list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    QFontMetrics fm(list->font());
    int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    // A value shown whole needs the width of its longest text; in the list's fixed-pitch font
    // that is the one with the most characters, so each row costs a length and no measuring.
    std::vector<const std::string*> longest(c.columns.size(), nullptr);
    for (int row = 0; row < model->rowCount(); ++row) {
        const ListRow* r = model->Row(row);
        for (std::size_t i = 0; i < c.columns.size() && i < r->cells.size(); ++i) {
            if (!c.columns[i].sample.empty() &&
                (!longest[i] || r->cells[i].size() > longest[i]->size())) {
                longest[i] = &r->cells[i];
            }
        }
    }
    std::vector<int> needed(c.columns.size(), 0);
    for (std::size_t i = 0; i < c.columns.size(); ++i) {
        if (c.columns[i].sample.empty()) {
            // A text column keeps room for a few characters and the ellipsis.
            needed[i] = fm.horizontalAdvance(QStringLiteral("000\u2026")) + margins;
            continue;
        }
        int widest = fm.horizontalAdvance(ToQString(c.columns[i].sample));
        if (longest[i]) {
            widest = std::max(widest, fm.horizontalAdvance(ToQString(*longest[i])));
        }
        needed[i] = widest + margins;
    }
    std::vector<int> widths = FitColumnWidths(c.columns, needed, inner);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        list->setColumnWidth(static_cast<int>(i), widths[i]);
    }
}

CLineListModel* CFormWidget::ListModel(int id) const {
    const Control* c = Find(id);
    if (!c || c->t->kind != ControlKind::ListView) {
        return nullptr;
    }
    return c->model;
}

void CFormWidget::DeleteAllRows(int id) {
    if (CLineListModel* model = ListModel(id)) {
        model->Clear();
        FitColumns(*Find(id));
    }
}

void CFormWidget::AddRow(int id, const std::vector<std::string>& cells, int itemData) {
    if (CLineListModel* model = ListModel(id)) {
        model->Append({cells, itemData});
        FitColumns(*Find(id));
    }
}

void CFormWidget::SetRows(int id, std::vector<ListRow> rows) {
    if (CLineListModel* model = ListModel(id)) {
        model->Replace(std::move(rows));
        FitColumns(*Find(id));
    }
}

int CFormWidget::RowCount(int id) const {
    CLineListModel* model = ListModel(id);
    return model ? model->rowCount() : 0;
}

int CFormWidget::FirstSelectedRow(int id) const {
    if (!ListModel(id) || !Find(id)->w) {
        return -1;  // a list not built has nothing selected
    }
    auto* list = static_cast<QTreeView*>(Find(id)->w);
    int first = -1;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) {
        if (first < 0 || index.row() < first) {
            first = index.row();
        }
    }
    return first;
}

int CFormWidget::RowData(int id, int row) const {
    CLineListModel* model = ListModel(id);
    const ListRow* r = model ? model->Row(row) : nullptr;
    return r ? r->itemData : -1;
}

}  // namespace ferdix
