#include "support/memory_controls.h"

#include <algorithm>

#include "form/tab_order.h"

namespace ferdix {

MemoryControls::MemoryControls(std::span<const ControlTemplate> controls) {
    int group = 0;
    for (const ControlTemplate& t : controls) {
        if (t.groupStart) {
            ++group;
        }
        if (t.id == -1) {
            continue;
        }
        Control c;
        c.kind = t.kind;
        c.group = group;
        c.text.assign(t.text);
        c.readOnly = t.readOnly;
        m_controls.emplace(t.id, std::move(c));
    }
}

MemoryControls::Control* MemoryControls::Find(int id) {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

const MemoryControls::Control* MemoryControls::Find(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

bool MemoryControls::IsEditKind(ControlKind k) {
    return k == ControlKind::Edit || k == ControlKind::MultiLineEdit ||
           k == ControlKind::HiddenEdit;
}

bool MemoryControls::Usable(int id) const {
    const Control* c = Find(id);
    return c && c->enabled && c->kind != ControlKind::HiddenEdit &&
           c->kind != ControlKind::Static && c->kind != ControlKind::GroupBox;
}

bool MemoryControls::FocusTo(int id) {
    if (!Usable(id)) {
        return false;
    }
    SetFocus(id);
    return m_focus == id;
}

bool MemoryControls::Type(int id, std::string_view text) {
    Control* c = Find(id);
    if (!Usable(id) || c->readOnly ||
        !(IsEditKind(c->kind) || c->kind == ControlKind::EditableDropDown)) {
        return false;
    }
    SetFocus(id);
    // The leave handler of the control that had the focus may have sent it elsewhere; the
    // keys would then go there.
    if (m_focus != id) {
        return false;
    }
    c->selectedItem = -1;
    // Select all and delete: one change, and none when there was nothing to delete.
    if (text.empty()) {
        if (!c->text.empty()) {
            c->text.clear();
            RaiseChange(id);
        }
        return true;
    }
    // The first key replaces the selected text; each key is one change, as in a line edit.
    // Keys past the limit are refused without a change.
    bool first = true;
    for (char ch : text) {
        std::string next = first ? std::string() : c->text;
        first = false;
        if (c->limit > 0 && next.size() >= static_cast<std::size_t>(c->limit)) {
            break;
        }
        next.push_back(ch);
        c->text = std::move(next);
        RaiseChange(id);
    }
    return true;
}

void MemoryControls::RaiseChange(int id) {
    if (m_pEvents) {
        m_pEvents->OnChange(id);
    }
}

bool MemoryControls::Leave(int id) {
    if (m_focus != id) {
        return false;
    }
    SetFocus(0);
    return true;
}

int MemoryControls::PressTab(bool forward) {
    SetFocus(NextTabStop(*this, m_focus, forward));
    return m_focus;
}

bool MemoryControls::Click(int id) {
    Control* c = Find(id);
    if (!Usable(id)) {
        return false;
    }
    if (c->kind == ControlKind::Radio) {
        for (auto& [otherId, other] : m_controls) {
            if (other.kind == ControlKind::Radio && other.group == c->group) {
                other.checked = otherId == id;
            }
        }
    } else if (c->kind == ControlKind::CheckBox) {
        c->checked = !c->checked;
    } else if (c->kind != ControlKind::PushButton) {
        return false;
    }
    SetFocus(id);
    if (m_pEvents) {
        m_pEvents->OnClick(id);
    }
    return true;
}

bool MemoryControls::Pick(int id, std::string_view item) {
    Control* c = Find(id);
    if (!Usable(id) ||
        (c->kind != ControlKind::EditableDropDown && c->kind != ControlKind::DropDownList)) {
        return false;
    }
    auto it = std::find(c->items.begin(), c->items.end(), item);
    if (it == c->items.end()) {
        return false;
    }
    SetFocus(id);
    c->selectedItem = static_cast<int>(it - c->items.begin());
    if (m_pEvents) {
        m_pEvents->OnSelChange(id);
    }
    // The edit part shows the picked item once the selection notice has been handled.
    c->text.assign(item);
    return true;
}

bool MemoryControls::SelectRow(int id, int row) {
    Control* c = Find(id);
    if (!c || c->kind != ControlKind::ListView || row < -1 ||
        row >= static_cast<int>(c->rows.size())) {
        return false;
    }
    c->selectedRow = row;
    return true;
}

bool MemoryControls::DoubleClickRow(int id, int row) {
    if (!SelectRow(id, row) || row < 0) {
        return false;
    }
    SetFocus(id);
    if (m_pEvents) {
        m_pEvents->OnDoubleClick(id);
    }
    return true;
}

void MemoryControls::SetViewport(int visibleHeight, int contentHeight) {
    m_visibleHeight = visibleHeight;
    m_contentHeight = contentHeight;
}

std::vector<std::string> MemoryControls::Items(int id) const {
    const Control* c = Find(id);
    if (!c) {
        return {};
    }
    std::vector<std::string> sorted = c->items;
    std::stable_sort(sorted.begin(), sorted.end());
    return sorted;
}

std::vector<ListColumn> MemoryControls::Columns(int id) const {
    const Control* c = Find(id);
    return c ? c->columns : std::vector<ListColumn>{};
}

std::vector<std::vector<std::string>> MemoryControls::Rows(int id) const {
    std::vector<std::vector<std::string>> rows;
    if (const Control* c = Find(id)) {
        for (const Row& r : c->rows) {
            rows.push_back(r.cells);
        }
    }
    return rows;
}

int MemoryControls::TextLimit(int id) const {
    const Control* c = Find(id);
    return c ? c->limit : 0;
}

bool MemoryControls::HasFixedFont(int id) const {
    const Control* c = Find(id);
    return c && c->fixedFont;
}

std::string MemoryControls::GetText(int id) const {
    const Control* c = Find(id);
    return c ? c->text : std::string();
}

void MemoryControls::SetText(int id, std::string_view text) {
    Control* c = Find(id);
    if (!c) {
        return;
    }
    c->text.assign(text);
    if (IsEditKind(c->kind) && m_pEvents) {
        m_pEvents->OnChange(id);
    }
}

void MemoryControls::Enable(int id, bool enabled) {
    if (Control* c = Find(id)) {
        c->enabled = enabled;
    }
}

bool MemoryControls::IsEnabled(int id) const {
    const Control* c = Find(id);
    return c && c->enabled;
}

void MemoryControls::SetCheck(int id, bool checked) {
    if (Control* c = Find(id)) {
        c->checked = checked;
    }
}

bool MemoryControls::IsChecked(int id) const {
    const Control* c = Find(id);
    return c && c->checked;
}

void MemoryControls::SetFocus(int id) {
    if (id == m_focus) {
        return;
    }
    // A disabled control refuses the focus, which stays where it was.
    if (id != 0) {
        const Control* c = Find(id);
        if (!c || !c->enabled) {
            return;
        }
    }
    int previous = m_focus;
    m_focus = id;
    if (previous != 0 && m_pEvents) {
        m_pEvents->OnLeave(previous);
    }
}

void MemoryControls::LimitText(int id, int maxChars) {
    if (Control* c = Find(id)) {
        c->limit = maxChars;
    }
}

void MemoryControls::UseFixedFont(int id) {
    if (Control* c = Find(id)) {
        c->fixedFont = true;
    }
}

void MemoryControls::ResetContent(int id) {
    if (Control* c = Find(id)) {
        c->items.clear();
        c->selectedItem = -1;
    }
}

void MemoryControls::AddString(int id, std::string_view item) {
    if (Control* c = Find(id)) {
        c->items.emplace_back(item);
    }
}

std::string MemoryControls::GetSelectedItemText(int id) const {
    const Control* c = Find(id);
    if (!c || c->selectedItem < 0) {
        return {};
    }
    return c->items[static_cast<std::size_t>(c->selectedItem)];
}

void MemoryControls::SetColumns(int id, std::span<const ListColumn> columns) {
    if (Control* c = Find(id)) {
        c->columns.assign(columns.begin(), columns.end());
    }
}

void MemoryControls::DeleteAllRows(int id) {
    if (Control* c = Find(id)) {
        c->rows.clear();
        c->selectedRow = -1;
    }
}

void MemoryControls::AddRow(int id, const std::vector<std::string>& cells, int itemData) {
    if (Control* c = Find(id)) {
        c->rows.push_back(Row{cells, itemData});
    }
}

int MemoryControls::RowCount(int id) const {
    const Control* c = Find(id);
    return c ? static_cast<int>(c->rows.size()) : 0;
}

int MemoryControls::FirstSelectedRow(int id) const {
    const Control* c = Find(id);
    return c ? c->selectedRow : -1;
}

int MemoryControls::RowData(int id, int row) const {
    const Control* c = Find(id);
    if (!c || row < 0 || row >= static_cast<int>(c->rows.size())) {
        return -1;
    }
    return c->rows[static_cast<std::size_t>(row)].data;
}

void MemoryControls::SetScrollSteps(int pageHeight, int lineStep) {
    m_pageStep = pageHeight;
    m_lineStep = lineStep;
}

// The set keeps no selection: cut and copy take the whole text, paste appends.
void MemoryControls::Cut() {
    Control* c = Find(m_focus);
    if (c && IsEditKind(c->kind) && !c->readOnly) {
        m_clipboard = c->text;
        SetText(m_focus, "");
    }
}

void MemoryControls::Copy() {
    if (const Control* c = Find(m_focus)) {
        m_clipboard = c->text;
    }
}

void MemoryControls::Paste() {
    Control* c = Find(m_focus);
    if (c && IsEditKind(c->kind) && !c->readOnly && !m_clipboard.empty()) {
        SetText(m_focus, c->text + m_clipboard);
    }
}

}  // namespace ferdix
