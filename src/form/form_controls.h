// The seam between the form's behaviour and its controls, addressed by control id. The Qt layer
// builds one widget per template entry and forwards what the user does as calls into
// IFormEvents; the in-memory control set (memory_controls.h) behaves the same way for tests.
//
// Contract, as the Windows controls behave:
// - SetText on an edit (single-line, multi-line or hidden) raises OnChange, also when the text
//   is the same; SetText on a drop-down list's edit part raises nothing (only typing does).
// - SetFocus raises OnLeave on the control that loses the focus, before it returns. A disabled
//   control refuses the focus: it stays where it was and no leave is raised.
// - Typing raises OnChange once per character, as a line edit does.
// - Clicking a radio button checks it and unchecks the others of its group, then raises
//   OnClick; SetCheck changes the state only.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_lists.h"

namespace ferdix {

class IFormEvents {
  public:
    virtual ~IFormEvents() = default;
    virtual void OnChange(int id) = 0;       // the text changed (typed or set)
    virtual void OnLeave(int id) = 0;        // the control lost the focus
    virtual void OnClick(int id) = 0;        // button, radio button or check box
    virtual void OnSelChange(int id) = 0;    // an item was picked in a drop-down list
    virtual void OnDoubleClick(int id) = 0;  // a row of a list view
};

// One row of a list view: its cells and the item data it carries.
struct ListRow {
    std::vector<std::string> cells;
    int itemData = 0;
};

class IFormControls {
  public:
    virtual ~IFormControls() = default;

    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, std::string_view text) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual void SetFocus(int id) = 0;
    virtual int GetFocus() const = 0;  // 0 when no control has the focus
    virtual void LimitText(int id, int maxChars) = 0;
    // The form's fixed-pitch font ("Courier", height 14) for a list or the notes field.
    virtual void UseFixedFont(int id) = 0;

    // Drop-down lists: the box shows its items sorted alphabetically.
    virtual void ResetContent(int id) = 0;
    virtual void AddString(int id, std::string_view item) = 0;
    // The picked item's text while OnSelChange runs (the edit part may not show it yet).
    virtual std::string GetSelectedItemText(int id) const = 0;

    // List views (full-row selection).
    virtual void SetColumns(int id, std::span<const ListColumn> columns) = 0;
    virtual void DeleteAllRows(int id) = 0;
    virtual void AddRow(int id, const std::vector<std::string>& cells, int itemData) = 0;
    // Every row at once, in place of those shown: the same as DeleteAllRows and one AddRow per
    // row, which a list of many thousand rows cannot afford one at a time on screen.
    virtual void SetRows(int id, std::vector<ListRow> rows) {
        DeleteAllRows(id);
        for (const ListRow& row : rows) {
            AddRow(id, row.cells, row.itemData);
        }
    }
    virtual int RowCount(int id) const = 0;
    // -1 when no row is selected.
    virtual int FirstSelectedRow(int id) const = 0;
    virtual int RowData(int id, int row) const = 0;

    // Scrolling of the whole form, in pixels.
    virtual void SetScrollSteps(int pageHeight, int lineStep) = 0;
    virtual int ScrollPosition() const = 0;
    virtual void SetScrollPosition(int y) = 0;
    virtual int VisibleHeight() const = 0;
    virtual int ContentHeight() const = 0;

    // Clipboard requests go to the control with the focus.
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual bool ClipboardHasText() const = 0;
};

}  // namespace ferdix
