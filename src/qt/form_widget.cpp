#include "qt/form_widget.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <functional>

#include "base/written_standard.h"
#include "form/accessible_names.h"
#include "form/control_ids.h"
#include "form/form_lists.h"
#include "form/label_table.h"
#include "form/tab_order.h"
#include "qt/field_input.h"
#include "qt/form_fonts.h"
#include "qt/form_text_wrap.h"
#include "qt/line_list.h"
#include "qt/qt_text.h"
#include "qt/startup_marks.h"

namespace ferdix {

namespace {

bool IsDropDown(ControlKind k) {
    return k == ControlKind::EditableDropDown || k == ControlKind::DropDownList;
}

}  // namespace

// Calls back when a screen reader starts reading the program.
class CScreenReaderWatch final : public QAccessible::ActivationObserver {
  public:
    explicit CScreenReaderWatch(std::function<void()> started) : m_started(std::move(started)) {
        QAccessible::installActivationObserver(this);
    }
    ~CScreenReaderWatch() override { QAccessible::removeActivationObserver(this); }
    CScreenReaderWatch(const CScreenReaderWatch&) = delete;
    CScreenReaderWatch& operator=(const CScreenReaderWatch&) = delete;
    void accessibilityActiveChanged(bool active) override {
        if (active) {
            m_started();
        }
    }

  private:
    std::function<void()> m_started;
};

CFormWidget::CFormWidget(QWidget* parent) : QScrollArea(parent) {
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    // The form's background is the dialog face; labels and buttons draw over it.
    page->setAutoFillBackground(true);
    page->setBackgroundRole(QPalette::Button);
    setWidget(page);
    viewport()->setBackgroundRole(QPalette::Button);
    StartupMark("form");
    FormFonts fonts = PickFormFonts(*page);
    m_unitX = fonts.unitX;
    m_unitY = fonts.unitY;
    m_formFont = fonts.label;
    m_fixedFont = fonts.fixed;
    page->setFont(m_formFont);
    StartupMark("fonts");
    Build();
    StartupMark("widgets");
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { FocusChanged(now); });
    // A screen reader reads the whole form, scrolled out of sight or not.
    m_screenReaderWatch = std::make_unique<CScreenReaderWatch>([this] {
        BuildAll();
        for (const Control& c : m_entries) {
            NameDropDownParts(c, true);
        }
    });
    if (QAccessible::isActive()) {
        BuildAll();
    }
    // What scrolls into sight must be there before it is painted.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!IsComplete()) {
            BuildAll();
        }
    });
}

CFormWidget::~CFormWidget() {
    // Closing and deleting the widgets moves the focus after this object's members are gone.
    disconnect(m_focusWatch);
    m_pEvents = nullptr;
    // Hiding the page moves the focus on; nothing is built for it any more.
    m_unbuilt = 0;
    // The widgets (and their validators, which read m_entries) go while the members exist.
    delete takeWidget();
}

QRect CFormWidget::ToPixels(const DialogRect& r) const {
    return DialogToPixels(r, m_unitX, m_unitY);
}

void CFormWidget::Raise(void (IFormEvents::*handler)(int), int id) {
    if (m_pEvents) {
        (m_pEvents->*handler)(id);
    }
}

CFormWidget::Control* CFormWidget::Find(int id) {
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : &m_entries[it->second];
}

const CFormWidget::Control* CFormWidget::Find(int id) const {
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : &m_entries[it->second];
}

// Building a widget changes nothing the form logic can see.
QWidget* CFormWidget::ControlWidget(int id) const {
    auto* self = const_cast<CFormWidget*>(this);
    Control* c = self->Find(id);
    return c ? self->Ensure(*c) : nullptr;
}

QWidget* CFormWidget::EntryWidget(std::size_t index) const {
    auto* self = const_cast<CFormWidget*>(this);
    return index < m_entries.size() ? self->Ensure(self->m_entries[index]) : nullptr;
}

QWidget* CFormWidget::Page() const {
    const_cast<CFormWidget*>(this)->BuildAll();
    return widget();
}

bool CFormWidget::IsBuilt(std::size_t index) const {
    return index < m_entries.size() && m_entries[index].w;
}

int CFormWidget::ControlIdOf(const QWidget* w) const {
    // Inner widgets (a drop-down's edit, a list's viewport, an open popup) count as their
    // control's.
    for (; w; w = w->parentWidget()) {
        auto it = m_idOf.constFind(w);
        if (it != m_idOf.constEnd()) {
            return it.value();
        }
        if (w == widget()) {
            return 0;
        }
    }
    return 0;
}

void CFormWidget::FocusChanged(QWidget* now) {
    int id = ControlIdOf(now);
    // Focus that leaves the form (a message box, the menu) is no leave of a field: the field
    // keeps the focus the way a Windows field did while a box was up.
    if (id == 0 || id == m_focus) {
        return;
    }
    int previous = m_focus;
    m_focus = id;
    if (previous != 0) {
        Raise(&IFormEvents::OnLeave, previous);
    }
}

bool CFormWidget::focusNextPrevChild(bool next) {
    int from = ControlIdOf(QApplication::focusWidget());
    const Control* to = from != 0 ? Find(NextTabStop(*this, from, next)) : nullptr;
    if (!to) {
        return QScrollArea::focusNextPrevChild(next);
    }
    QWidget* w = Ensure(*Find(to->t->id));
    if (!w) {
        return QScrollArea::focusNextPrevChild(next);
    }
    w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    ensureWidgetVisible(w);
    return true;
}

bool CFormWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Paint) {
        widget()->removeEventFilter(this);
        m_painted = true;
        if (m_statesChanged) {
            QTimer::singleShot(0, this, [this] { m_statesChanged(); });
        }
        if (!m_slicing && !IsComplete()) {
            m_slicing = true;
            QTimer::singleShot(0, this, &CFormWidget::BuildSlice);
        }
        return false;
    }
    if (event->type() == QEvent::ToolTip) {
        auto* viewport = qobject_cast<QWidget*>(watched);
        if (auto* list = viewport ? qobject_cast<QTreeView*>(viewport->parentWidget()) : nullptr) {
            ShowCutCell(list, static_cast<QHelpEvent*>(event));
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        int step = 0;
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right) {
            step = 1;
        } else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) {
            step = -1;
        }
        int id = ControlIdOf(qobject_cast<QWidget*>(watched));
        Control* c = Find(id);
        if (step != 0 && c && c->group && MoveInRadioGroup(*c, step)) {
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

// The arrow keys move within a radio group and choose the button they reach, as a click.
bool CFormWidget::MoveInRadioGroup(Control& c, int step) {
    QList<QAbstractButton*> buttons = c.group->buttons();
    qsizetype at = buttons.indexOf(static_cast<QAbstractButton*>(c.w));
    for (qsizetype n = 1; n < buttons.size(); ++n) {
        qsizetype next = (at + step * n + buttons.size() * n) % buttons.size();
        QAbstractButton* b = buttons[next];
        if (b->isEnabled() && b->isVisible()) {
            b->setFocus(Qt::TabFocusReason);
            b->click();
            return true;
        }
    }
    return false;
}

void CFormWidget::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (m_builtHeight >= 0 && !IsComplete() &&
        verticalScrollBar()->value() + viewport()->height() > m_builtHeight) {
        BuildAll();
    }
}

void CFormWidget::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    if (m_builtHeight < 0) {
        BuildFirstScreen();
    }
}

std::string CFormWidget::EntryText(const Control& c) const {
    if (!c.w) {
        return c.t->kind == ControlKind::MultiLineEdit ? FromEditText(c.text) : FromQString(c.text);
    }
    switch (c.t->kind) {
        case ControlKind::GroupBox:
            return FromQString(static_cast<QGroupBox*>(c.w)->title());
        case ControlKind::Static:
            return FromQString(static_cast<QLabel*>(c.w)->text());
        case ControlKind::Edit:
        case ControlKind::HiddenEdit:
            return FromQString(static_cast<QLineEdit*>(c.w)->text());
        case ControlKind::MultiLineEdit:
            return FromEditText(static_cast<QPlainTextEdit*>(c.w)->toPlainText());
        case ControlKind::Radio:
        case ControlKind::CheckBox:
        case ControlKind::PushButton:
            return FromQString(static_cast<QAbstractButton*>(c.w)->text());
        case ControlKind::EditableDropDown:
        case ControlKind::DropDownList:
            return FromQString(static_cast<QComboBox*>(c.w)->currentText());
        case ControlKind::ListView:
            break;
    }
    return {};
}

void CFormWidget::UpdateAccessibleName(Control& c) {
    if (!c.w) {
        return;  // named when built
    }
    std::vector<std::string> parts;
    for (const ControlTemplate* label : c.labels) {
        auto index = static_cast<std::size_t>(label - FormTemplate().data());
        parts.push_back(EntryText(m_entries[index]));
    }
    c.w->setAccessibleName(ToQString(JoinNameParts(parts)));
    NameDropDownParts(c, QAccessible::isActive());
}

// A screen reader reads a drop-down's edit and its popup list on their own, so each carries
// the drop-down's name. The popup list is made when first opened (making them all would slow
// the start-up): it is named once it exists, and made at once for a screen reader, which
// reads the lists unopened.
void CFormWidget::NameDropDownParts(const Control& c, bool makeList) {
    auto* combo = qobject_cast<QComboBox*>(c.w);
    if (!combo) {
        return;  // also while not built: its parts are named when it is
    }
    if (QLineEdit* edit = combo->lineEdit()) {
        edit->setAccessibleName(combo->accessibleName());
    }
    QAbstractItemView* list = makeList ? combo->view() : combo->findChild<QAbstractItemView*>();
    if (list) {
        list->setAccessibleName(combo->accessibleName());
    }
}

void CFormWidget::UpdateAccessibleNames() {
    for (Control& c : m_entries) {
        if (c.t->id != kNoControlId) {
            UpdateAccessibleName(c);
        }
    }
}

void CFormWidget::UpdateNamesNamedBy(const ControlTemplate* label) {
    auto [first, last] = m_namedBy.equal_range(label);
    for (auto it = first; it != last; ++it) {
        UpdateAccessibleName(m_entries[it->second]);
    }
}

// ---------------------------------------------------------------------------------------------
// IFormControls

std::string CFormWidget::GetText(int id) const {
    const Control* c = Find(id);
    return c ? EntryText(*c) : std::string();
}

void CFormWidget::SetText(int id, std::string_view text) {
    Control* c = Find(id);
    if (!c) {
        return;
    }
    bool raise = false;
    if (!c->w) {
        switch (c->t->kind) {
            case ControlKind::Edit:
            case ControlKind::HiddenEdit:
                c->text = ToQString(text);
                raise = true;
                break;
            case ControlKind::MultiLineEdit:
                c->text = ToEditText(text);
                raise = true;
                break;
            default:
                c->text = ToQString(text);
                break;
        }
    } else {
        // The widgets' own signals stay silent; the change is raised below, once.
        QSignalBlocker block(c->w);
        switch (c->t->kind) {
            case ControlKind::GroupBox:
                static_cast<QGroupBox*>(c->w)->setTitle(ToQString(text));
                break;
            case ControlKind::Static:
                static_cast<QLabel*>(c->w)->setText(ToQString(text));
                break;
            case ControlKind::Edit:
            case ControlKind::HiddenEdit: {
                QString shown = ToQString(text);
                auto* edit = static_cast<QLineEdit*>(c->w);
                if (edit->validator()) {
                    FieldValidator(edit)->Shown(shown);
                }
                edit->setText(shown);
                raise = true;
                break;
            }
            case ControlKind::MultiLineEdit: {
                auto* edit = static_cast<QPlainTextEdit*>(c->w);
                QString shown = ToEditText(text);
                ChooseWrap(edit, shown);
                edit->setPlainText(shown);
                raise = true;
                break;
            }
            case ControlKind::Radio:
            case ControlKind::CheckBox:
            case ControlKind::PushButton:
                static_cast<QAbstractButton*>(c->w)->setText(ToQString(text));
                break;
            case ControlKind::EditableDropDown: {
                auto* combo = static_cast<QComboBox*>(c->w);
                QSignalBlocker blockEdit(combo->lineEdit());
                QString shown = ToQString(text);
                FieldValidator(combo->lineEdit())->Shown(shown);
                combo->setEditText(shown);
                break;
            }
            case ControlKind::DropDownList: {
                auto* combo = static_cast<QComboBox*>(c->w);
                combo->setCurrentIndex(combo->findText(ToQString(text)));
                break;
            }
            case ControlKind::ListView:
                break;
        }
    }
    if (raise) {
        Raise(&IFormEvents::OnChange, id);
    } else {
        UpdateNamesNamedBy(c->t);
    }
}

void CFormWidget::Enable(int id, bool enabled) {
    if (Control* c = Find(id)) {
        c->enabled = enabled;
        if (c->w) {
            c->w->setEnabled(enabled);
        }
    }
}

bool CFormWidget::IsEnabled(int id) const {
    const Control* c = Find(id);
    return c && (c->w ? c->w->isEnabled() : c->enabled);
}

void CFormWidget::SetCheck(int id, bool checked) {
    Control* c = Find(id);
    if (!c || !(c->t->kind == ControlKind::Radio || c->t->kind == ControlKind::CheckBox)) {
        return;
    }
    if (!c->w) {
        c->checked = checked;
        return;
    }
    auto* button = static_cast<QAbstractButton*>(c->w);
    QSignalBlocker block(button);
    // Setting one state leaves the others of the group alone, as on Windows.
    if (c->group) {
        c->group->setExclusive(false);
    }
    button->setChecked(checked);
    if (c->group) {
        c->group->setExclusive(true);
    }
}

bool CFormWidget::IsChecked(int id) const {
    const Control* c = Find(id);
    if (!c || !(c->t->kind == ControlKind::Radio || c->t->kind == ControlKind::CheckBox)) {
        return false;
    }
    if (!c->w) {
        return c->checked;
    }
    return static_cast<QAbstractButton*>(c->w)->isChecked();
}

void CFormWidget::SetFocus(int id) {
    // A disabled control refuses the focus, which stays where it was, with no leave.
    const Control* target = id != 0 ? Find(id) : nullptr;
    bool enabled = target && (target->w ? target->w->isEnabled() : target->enabled);
    if (id == m_focus || (id != 0 && !enabled)) {
        return;
    }
    int previous = m_focus;
    // Recorded first, so that the focus signal the move raises finds nothing to report.
    m_focus = id;
    if (id != 0) {
        QWidget* w = Ensure(*Find(id));
        w->setFocus(Qt::OtherFocusReason);
        ensureWidgetVisible(w);
    } else if (QWidget* now = QApplication::focusWidget(); now && ControlIdOf(now) != 0) {
        now->clearFocus();
    }
    if (previous != 0) {
        Raise(&IFormEvents::OnLeave, previous);
    }
}

void CFormWidget::LimitText(int id, int maxChars) {
    Control* c = Find(id);
    if (!c) {
        return;
    }
    c->limit = std::max(0, maxChars);
    c->limited = true;
    if (auto* edit = qobject_cast<QLineEdit*>(c->w)) {
        FieldValidator(edit)->SetLimit(std::max(0, maxChars));
    }
}

void CFormWidget::UseFixedFont(int id) {
    if (Control* c = Find(id)) {
        c->fixedFont = true;
        if (c->w) {
            c->w->setFont(m_fixedFont);
            if (c->model) {
                SizeHeaderByFont(*static_cast<QTreeView*>(c->w), *c->model);
            }
        }
    }
}

void CFormWidget::ResetContent(int id) {
    Control* c = Find(id);
    if (!c || !IsDropDown(c->t->kind)) {
        return;
    }
    c->items.clear();
    c->picked.clear();
    if (!c->w) {
        return;  // the edit part keeps its text
    }
    auto* combo = static_cast<QComboBox*>(c->w);
    QString text = combo->currentText();
    QSignalBlocker block(combo);
    QSignalBlocker blockEdit(combo->lineEdit());
    combo->clear();
    if (combo->isEditable()) {
        combo->setEditText(text);
    }
}

void CFormWidget::AddString(int id, std::string_view item) {
    Control* c = Find(id);
    if (!c || !IsDropDown(c->t->kind)) {
        return;
    }
    auto* combo = static_cast<QComboBox*>(c->w);
    // The box shows its items sorted; adding one leaves the edit part as it was.
    auto at = std::upper_bound(c->items.begin(), c->items.end(), item,
                               [](std::string_view a, const std::string& b) { return a < b; });
    int index = static_cast<int>(at - c->items.begin());
    c->items.insert(at, std::string(item));
    if (!c->w) {
        return;
    }
    QString text = combo->currentText();
    QSignalBlocker block(combo);
    QSignalBlocker blockEdit(combo->lineEdit());
    combo->insertItem(index, ToQString(item));
    if (combo->isEditable()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

std::string CFormWidget::GetSelectedItemText(int id) const {
    const Control* c = Find(id);
    return c ? c->picked : std::string();
}

void CFormWidget::SetScrollSteps(int pageHeight, int lineStep) {
    verticalScrollBar()->setPageStep(std::max(1, pageHeight));
    verticalScrollBar()->setSingleStep(std::max(1, lineStep));
}

int CFormWidget::ScrollPosition() const {
    return verticalScrollBar()->value();
}

void CFormWidget::SetScrollPosition(int y) {
    verticalScrollBar()->setValue(y);
}

int CFormWidget::VisibleHeight() const {
    return viewport()->height();
}

int CFormWidget::ContentHeight() const {
    return widget()->height();
}

QWidget* CFormWidget::FocusedEditWidget() const {
    QWidget* w = QApplication::focusWidget();
    if (!w || ControlIdOf(w) == 0) {
        const Control* c = Find(m_focus);
        w = c ? c->w : nullptr;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->lineEdit();
    }
    return w;
}

void CFormWidget::Cut() {
    QWidget* w = FocusedEditWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->isReadOnly() ? edit->copy() : edit->cut();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        text->isReadOnly() ? text->copy() : text->cut();
    }
}

void CFormWidget::Copy() {
    QWidget* w = FocusedEditWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->copy();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        text->copy();
    }
}

void CFormWidget::Paste() {
    QWidget* w = FocusedEditWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->paste();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        text->paste();
    }
}

bool CFormWidget::ClipboardHasText() const {
    if (!m_painted) {
        return false;
    }
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasText() && !mime->text().isEmpty();
}

}  // namespace ferdix
