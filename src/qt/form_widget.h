// The claim form on screen: one widget per control of the form template, placed in dialog
// units on a page inside a scroll area, and the IFormControls contract over them. The widgets'
// signals differ from that contract; this class owns the difference: a text set by the library
// raises exactly one change and no signal of its own, only the user's edits are forwarded, and
// the focused control is tracked here so that leave is raised for it alone.
//
// Only the controls that the first screen can show are built with the form; the rest are
// built after its first paint, a few at a time from the event loop, and at once when the user
// scrolls or enlarges the window, when a screen reader starts reading, or when a control is
// asked for by widget (Tab, Page Down, SetFocus, ControlWidget, Page). Until then a control
// holds its text and states itself, so the form logic sees one complete form all along.
#pragma once

#include <QFont>
#include <QHash>
#include <QScrollArea>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "form/form_controls.h"
#include "form/form_template.h"

class QButtonGroup;
class QCompleter;
class QHelpEvent;
class QTreeView;

namespace ferdix {

class CLineListModel;
class CScreenReaderWatch;

class CFormWidget final : public QScrollArea, public IFormControls {
  public:
    explicit CFormWidget(QWidget* parent = nullptr);
    ~CFormWidget() override;

    void SetEvents(IFormEvents* events) { m_pEvents = events; }
    // Called when what the commands' states read may have changed: the selection of either
    // list, and the clipboard once the form has first been painted. The clipboard is not asked
    // before that: on X it is a round trip to the server, and the window is not up yet.
    void OnStatesChanged(std::function<void()> changed) { m_statesChanged = std::move(changed); }

    // The widget of a control, or null; built first if it was not yet.
    QWidget* ControlWidget(int id) const;
    // The widget of the template entry at `index` (also the unnamed labels), built first.
    QWidget* EntryWidget(std::size_t index) const;
    // The page with every control built.
    QWidget* Page() const;
    // Whether the entry at `index` has its widget yet; every entry has once IsComplete().
    bool IsBuilt(std::size_t index) const;
    bool IsComplete() const { return m_unbuilt == 0; }
    void BuildAll();
    // The rows of a list view control, or null.
    CLineListModel* ListModel(int id) const;
    // Pixels per dialog unit, from the metrics of the dialog font on this screen.
    double UnitX() const { return m_unitX; }
    double UnitY() const { return m_unitY; }
    QRect ToPixels(const DialogRect& r) const;
    const QFont& FormFont() const { return m_formFont; }
    // The accessible names of every control, from the texts their labels show now.
    void UpdateAccessibleNames();

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
    void SetRows(int id, std::vector<ListRow> rows) override;
    int RowCount(int id) const override;
    int FirstSelectedRow(int id) const override;
    int RowData(int id, int row) const override;
    void SetScrollSteps(int pageHeight, int lineStep) override;
    int ScrollPosition() const override;
    void SetScrollPosition(int y) override;
    int VisibleHeight() const override;
    int ContentHeight() const override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    bool ClipboardHasText() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab from any control of the form follow the form's tab order.
    bool focusNextPrevChild(bool next) override;

  private:
    struct Control {
        const ControlTemplate* t = nullptr;
        QWidget* w = nullptr;
        QButtonGroup* group = nullptr;
        std::vector<std::string> items;              // of a drop-down, sorted as shown
        std::string picked;                          // the item picked last, until the user types
        int limit = 0;                               // typed characters at most; 0: no limit
        std::vector<ListColumn> columns;             // of a list view
        CLineListModel* model = nullptr;             // of a list view, built or not
        std::vector<const ControlTemplate*> labels;  // that name it, once built
        // Until the widget is built: what it shows and its states, given to it then.
        QString text;
        bool enabled = true;
        bool checked = false;
        bool fixedFont = false;
        bool limited = false;
    };

    void Build();
    // The control's widget, built now if it was not (a radio button with its whole group).
    QWidget* Ensure(Control& c);
    void BuildEntry(std::size_t index);
    void BuildSlice();
    void BuildFirstScreen();
    QWidget* MakeWidget(Control& c, const ControlTemplate& t);
    void Connect(Control& c);
    void SetTabOrder();
    Control* Find(int id);
    const Control* Find(int id) const;
    int ControlIdOf(const QWidget* w) const;
    void FocusChanged(QWidget* now);
    void Raise(void (IFormEvents::*handler)(int), int id);
    void FitColumns(Control& c);
    QWidget* FocusedEditWidget() const;
    bool MoveInRadioGroup(Control& c, int step);
    void ShowCutCell(QTreeView* list, QHelpEvent* event);
    void UpdateNamesNamedBy(const ControlTemplate* label);
    void UpdateAccessibleName(Control& c);
    void NameDropDownParts(const Control& c, bool makeList);
    std::string EntryText(const Control& c) const;

    std::vector<Control> m_entries;  // in template order
    std::map<int, std::size_t> m_byId;
    QHash<const QWidget*, int> m_idOf;
    std::multimap<const ControlTemplate*, std::size_t> m_namedBy;  // label -> named entries
    IFormEvents* m_pEvents = nullptr;
    std::function<void()> m_statesChanged;
    QCompleter* m_standInCompleter = nullptr;
    QMetaObject::Connection m_focusWatch;
    int m_focus = 0;
    double m_unitX = 1.5;
    double m_unitY = 1.625;
    QFont m_formFont;
    QFont m_fixedFont;
    std::unique_ptr<CScreenReaderWatch> m_screenReaderWatch;
    std::size_t m_unbuilt = 0;
    bool m_slicing = false;
    bool m_painted = false;
    int m_builtHeight = -1;  // every control whose top is above this (pixels) is built; -1
                             // until first shown
};

}  // namespace ferdix
