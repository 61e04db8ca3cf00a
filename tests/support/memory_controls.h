// An in-memory control set built from the form template: the form's behaviour runs on it
// without a display, and tests act on it the way a user would (type, leave, click, pick).
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_controls.h"
#include "form/form_template.h"

namespace ferdix {

class MemoryControls final : public IFormControls {
  public:
    explicit MemoryControls(std::span<const ControlTemplate> controls);

    void SetEvents(IFormEvents* events) { m_pEvents = events; }

    // What a user does. Each returns false (and does nothing) when the control is missing,
    // disabled, hidden or read-only for that action.
    bool FocusTo(int id);
    // Focus, then replace the text key by key: one change event per character, as a line edit
    // raises them ("2,5" gives "2", "2,", "2,5"); false when the focus did not land there.
    bool Type(int id, std::string_view text);
    bool Leave(int id);  // focus moves away to nothing
    // Tab (or Shift+Tab) from the focused control, as the form's tab order sends it; the
    // control that has the focus afterwards.
    int PressTab(bool forward = true);
    bool Click(int id);
    bool Pick(int id, std::string_view item);  // must be one of the list's items
    bool SelectRow(int id, int row);
    bool DoubleClickRow(int id, int row);
    void SetClipboard(std::string text) { m_clipboard = std::move(text); }
    const std::string& Clipboard() const { return m_clipboard; }
    void SetViewport(int visibleHeight, int contentHeight);

    // What a user sees.
    bool Exists(int id) const { return m_controls.count(id) != 0; }
    std::vector<std::string> Items(int id) const;  // sorted, as the box shows them
    std::vector<ListColumn> Columns(int id) const;
    std::vector<std::vector<std::string>> Rows(int id) const;
    int TextLimit(int id) const;
    bool HasFixedFont(int id) const;
    int PageStep() const { return m_pageStep; }
    int LineStep() const { return m_lineStep; }

    // IFormControls
    std::string GetText(int id) const override;
    void SetText(int id, std::string_view text) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    void SetFocus(int id) override;
    int GetFocus() const override { return m_focus; }
    void LimitText(int id, int maxChars) override;
    void UseFixedFont(int id) override;
    void ResetContent(int id) override;
    void AddString(int id, std::string_view item) override;
    std::string GetSelectedItemText(int id) const override;
    void SetColumns(int id, std::span<const ListColumn> columns) override;
    void DeleteAllRows(int id) override;
    void AddRow(int id, const std::vector<std::string>& cells, int itemData) override;
    int RowCount(int id) const override;
    int FirstSelectedRow(int id) const override;
    int RowData(int id, int row) const override;
    void SetScrollSteps(int pageHeight, int lineStep) override;
    int ScrollPosition() const override { return m_scroll; }
    void SetScrollPosition(int y) override { m_scroll = y; }
    int VisibleHeight() const override { return m_visibleHeight; }
    int ContentHeight() const override { return m_contentHeight; }
    void Cut() override;
    void Copy() override;
    void Paste() override;
    bool ClipboardHasText() const override { return !m_clipboard.empty(); }

  private:
    struct Row {
        std::vector<std::string> cells;
        int data = 0;
    };
    struct Control {
        ControlKind kind = ControlKind::Static;
        int group = 0;
        std::string text;
        bool enabled = true;
        bool checked = false;
        bool readOnly = false;
        bool fixedFont = false;
        int limit = 0;  // 0: no limit
        std::vector<std::string> items;
        int selectedItem = -1;
        std::vector<ListColumn> columns;
        std::vector<Row> rows;
        int selectedRow = -1;
    };

    Control* Find(int id);
    const Control* Find(int id) const;
    static bool IsEditKind(ControlKind k);
    bool Usable(int id) const;
    void RaiseChange(int id);

    std::map<int, Control> m_controls;
    IFormEvents* m_pEvents = nullptr;
    int m_focus = 0;
    std::string m_clipboard;
    int m_scroll = 0;
    int m_visibleHeight = 600;
    int m_contentHeight = 2600;
    int m_pageStep = 0;
    int m_lineStep = 0;
};

}  // namespace ferdix
