// Building the form's widgets: those the first screen can show with the form, the rest after
// its first paint or when they are needed first (form_widget.h).
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>

#include "form/accessible_names.h"
#include "form/control_ids.h"
#include "qt/field_input.h"
#include "qt/form_text_wrap.h"
#include "qt/form_widget.h"
#include "qt/line_list.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

// Controls built per turn of the event loop after the first paint: about a millisecond.
constexpr std::size_t kSliceSize = 24;

}  // namespace

void CFormWidget::Build() {
    std::span<const ControlTemplate> form = FormTemplate();
    m_entries.resize(form.size());
    m_unbuilt = form.size();
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const ControlTemplate& t = form[i];
        Control& c = m_entries[i];
        c.t = &t;
        c.text = ToQString(t.text);
        if (t.kind == ControlKind::Radio && (t.groupStart || !group)) {
            group = new QButtonGroup(this);
        }
        if (t.kind == ControlKind::Radio) {
            c.group = group;
        }
        if (t.kind == ControlKind::ListView) {
            c.model = new CLineListModel(this);
        }
        if (t.id != kNoControlId) {
            m_byId[t.id] = i;
        }
    }
    widget()->resize(ToPixels({0, 0, kFormWidthDu, kFormHeightDu}).size());
    // What the first screen shows when the form is first shown (showEvent), the rest after
    // the first paint of the page (eventFilter).
    widget()->installEventFilter(this);
}

void CFormWidget::BuildFirstScreen() {
    m_builtHeight = verticalScrollBar()->value() + viewport()->height();
    for (Control& c : m_entries) {
        if (ToPixels(c.t->rect).top() < m_builtHeight) {
            Ensure(c);
        }
    }
    SetTabOrder();
}

QWidget* CFormWidget::Ensure(Control& c) {
    if (c.w || IsComplete()) {
        return c.w;  // also while the form goes: then nothing is built
    }
    if (!c.group) {
        BuildEntry(static_cast<std::size_t>(&c - m_entries.data()));
        return c.w;
    }
    // A radio group is built whole: its buttons move among themselves by the arrow keys.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].group == c.group && !m_entries[i].w) {
            BuildEntry(i);
        }
    }
    return c.w;
}

void CFormWidget::BuildEntry(std::size_t index) {
    Control& c = m_entries[index];
    const ControlTemplate& t = *c.t;
    QWidget* w = MakeWidget(c, t);
    c.w = w;
    w->setGeometry(ToPixels(t.rect));
    m_idOf.insert(w, t.id == kNoControlId ? 0 : t.id);
    w->setEnabled(c.enabled);
    if (c.fixedFont) {
        w->setFont(m_fixedFont);
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList items;
        for (const std::string& item : c.items) {
            items << ToQString(item);
        }
        combo->insertItems(0, items);
        if (QLineEdit* edit = combo->lineEdit()) {
            combo->setCurrentIndex(-1);
            FieldValidator(edit)->Shown(c.text);
            combo->setEditText(c.text);
        }
    } else if (qobject_cast<QTreeView*>(w)) {
        FitColumns(c);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (c.limited) {
            FieldValidator(edit)->SetLimit(c.limit);
        }
        if (!c.text.isEmpty()) {
            if (edit->validator()) {
                FieldValidator(edit)->Shown(c.text);
            }
            edit->setText(c.text);
        }
    } else if (auto* notes = qobject_cast<QPlainTextEdit*>(w); notes && !c.text.isEmpty()) {
        ChooseWrap(notes, c.text);
        notes->setPlainText(c.text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && c.checked) {
        // One state, leaving the others of the group alone (SetCheck).
        if (c.group) {
            c.group->setExclusive(false);
        }
        button->setChecked(true);
        if (c.group) {
            c.group->setExclusive(true);
        }
    }
    // Until built the widget holds nothing: what it shows is the widget's from now on.
    c.text.clear();
    Connect(c);
    // Qt tells a screen reader that a radio button which is not auto-exclusive is a check box.
    // In a button group the flag changes nothing else: the group decides which is checked.
    if (c.group) {
        static_cast<QRadioButton*>(w)->setAutoExclusive(true);
    }
    --m_unbuilt;
    // Stacked as the template orders them, as if all had been built at once.
    for (std::size_t next = index + 1; next < m_entries.size(); ++next) {
        if (m_entries[next].w) {
            w->stackUnder(m_entries[next].w);
            break;
        }
    }
    if (t.id != kNoControlId) {
        // The labels that name it, found once: a relabelling renames only what is built.
        c.labels = NamingControls(t.id);
        for (const ControlTemplate* label : c.labels) {
            m_namedBy.emplace(label, index);
        }
        UpdateAccessibleName(c);
    }
    if (widget()->isVisible() && t.kind != ControlKind::HiddenEdit) {
        w->show();
    }
    if (IsComplete()) {
        SetTabOrder();
    }
}

void CFormWidget::BuildSlice() {
    std::size_t built = 0;
    for (std::size_t i = 0; i < m_entries.size() && built < kSliceSize; ++i) {
        if (!m_entries[i].w) {
            Ensure(m_entries[i]);
            ++built;
        }
    }
    if (!IsComplete()) {
        QTimer::singleShot(0, this, &CFormWidget::BuildSlice);
    }
}

void CFormWidget::BuildAll() {
    for (Control& c : m_entries) {
        Ensure(c);
    }
}

QWidget* CFormWidget::MakeWidget(Control& c, const ControlTemplate& t) {
    QWidget* page = widget();
    const QString& text = c.text;
    QWidget* w = nullptr;
    switch (t.kind) {
        case ControlKind::GroupBox: {
            w = new QGroupBox(text, page);
            break;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(text, page);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setMargin(0);
            label->setIndent(0);
            w = label;
            break;
        }
        case ControlKind::Edit:
        case ControlKind::HiddenEdit: {
            auto* edit = new QLineEdit(page);
            edit->setReadOnly(t.readOnly);
            edit->setTextMargins(1, 0, 1, 0);
            if (t.kind == ControlKind::Edit && !t.readOnly) {
                FieldValidator(edit);
            }
            w = edit;
            break;
        }
        case ControlKind::MultiLineEdit: {
            auto* edit = new CFormTextEdit(page);
            edit->setTabChangesFocus(true);
            w = edit;
            break;
        }
        case ControlKind::Radio: {
            auto* radio = new QRadioButton(text, page);
            radio->setAutoExclusive(false);
            c.group->addButton(radio);
            radio->installEventFilter(this);
            w = radio;
            break;
        }
        case ControlKind::CheckBox:
            w = new QCheckBox(text, page);
            break;
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, page);
            button->setAutoDefault(false);
            w = button;
            break;
        }
        case ControlKind::EditableDropDown:
        case ControlKind::DropDownList: {
            auto* combo = new CFormComboBox(page);
            if (t.kind == ControlKind::EditableDropDown) {
                // Its own line edit: setEditable(true) would also build the popup at once, for
                // every box of the form before the first is opened (a tenth of its building).
                auto* edit = new QLineEdit(combo);
                edit->setPalette(combo->palette());
                // A box makes a completer for an edit that has none, a fifth of its building,
                // only to have it taken away below: one stand-in serves every box.
                if (!m_standInCompleter) {
                    m_standInCompleter = new QCompleter(this);
                }
                edit->setCompleter(m_standInCompleter);
                combo->setLineEdit(edit);
                // Qt picks the item of the typed text when the edit loses the focus (also to
                // the box's own popup): typed text is a value, and only the user picks.
                QObject::disconnect(edit, &QLineEdit::editingFinished, combo, nullptr);
                FieldValidator(edit);
                // Typed text is a value of the claim, never a new item, and is never completed.
                combo->setInsertPolicy(QComboBox::NoInsert);
                combo->setCompleter(nullptr);
                combo->setDuplicatesEnabled(true);
            }
            combo->setMaxVisibleItems(12);
            w = combo;
            break;
        }
        case ControlKind::ListView: {
            auto* list = new QTreeView(page);
            // Before the model: each font change has the header measure all its titles again.
            if (c.fixedFont) {
                list->setFont(m_fixedFont);
            }
            SizeHeaderByFont(*list, *c.model);
            list->setModel(c.model);
            list->setRootIsDecorated(false);
            list->setItemsExpandable(false);
            list->setUniformRowHeights(true);
            list->setAllColumnsShowFocus(true);
            list->setSelectionBehavior(QAbstractItemView::SelectRows);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setEditTriggers(QAbstractItemView::NoEditTriggers);
            list->header()->setStretchLastSection(false);
            list->header()->setSectionsMovable(false);
            // A text cut short shows whole in a tool tip.
            list->viewport()->installEventFilter(this);
            w = list;
            break;
        }
    }
    bool focusable = t.kind != ControlKind::GroupBox && t.kind != ControlKind::Static &&
                     t.kind != ControlKind::HiddenEdit;
    if (!focusable) {
        w->setFocusPolicy(Qt::NoFocus);
    } else if (!t.tabStop) {
        w->setFocusPolicy(Qt::ClickFocus);
    } else {
        w->setFocusPolicy(Qt::StrongFocus);
    }
    if (t.kind == ControlKind::HiddenEdit) {
        w->setVisible(false);
    }
    return w;
}

void CFormWidget::Connect(Control& c) {
    const int id = c.t->id;
    if (id == kNoControlId) {
        return;
    }
    switch (c.t->kind) {
        case ControlKind::Edit:
        case ControlKind::HiddenEdit: {
            auto* edit = static_cast<QLineEdit*>(c.w);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id] { Raise(&IFormEvents::OnChange, id); });
            break;
        }
        case ControlKind::MultiLineEdit: {
            auto* edit = static_cast<QPlainTextEdit*>(c.w);
            connect(edit, &QPlainTextEdit::textChanged, this,
                    [this, id] { Raise(&IFormEvents::OnChange, id); });
            // A long word typed or pasted: from then on the field wraps anywhere.
            connect(edit->document(), &QTextDocument::contentsChange, edit,
                    [edit](int from, int, int added) {
                        if (added > kLongestWrappedWord &&
                            edit->wordWrapMode() != QTextOption::WrapAnywhere &&
                            HasLongWord(edit->document()->toPlainText().mid(from, added))) {
                            edit->setWordWrapMode(QTextOption::WrapAnywhere);
                        }
                    });
            break;
        }
        case ControlKind::Radio:
        case ControlKind::CheckBox:
        case ControlKind::PushButton:
            connect(static_cast<QAbstractButton*>(c.w), &QAbstractButton::clicked, this,
                    [this, id] { Raise(&IFormEvents::OnClick, id); });
            break;
        case ControlKind::EditableDropDown:
        case ControlKind::DropDownList: {
            auto* combo = static_cast<QComboBox*>(c.w);
            if (QLineEdit* edit = combo->lineEdit()) {
                connect(edit, &QLineEdit::textEdited, this, [this, id] {
                    if (Control* ctl = Find(id)) {
                        ctl->picked.clear();
                    }
                    Raise(&IFormEvents::OnChange, id);
                });
            }
            connect(combo, &QComboBox::activated, this, [this, id](int index) {
                Control* ctl = Find(id);
                if (!ctl || index < 0 || index >= static_cast<int>(ctl->items.size())) {
                    return;
                }
                ctl->picked = ctl->items[static_cast<std::size_t>(index)];
                Raise(&IFormEvents::OnSelChange, id);
            });
            break;
        }
        case ControlKind::ListView: {
            auto* list = static_cast<QTreeView*>(c.w);
            connect(list, &QAbstractItemView::doubleClicked, this,
                    [this, id] { Raise(&IFormEvents::OnDoubleClick, id); });
            connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
                if (m_statesChanged) {
                    m_statesChanged();
                }
            });
            break;
        }
        case ControlKind::Static:
        case ControlKind::GroupBox:
            break;
    }
}

void CFormWidget::SetTabOrder() {
    // Every control that can have the focus, so that Qt's chain reads as the form does even
    // where Qt moves the tab stop of a radio group to the button that was clicked.
    QWidget* previous = nullptr;
    for (Control& c : m_entries) {
        if (!c.w || c.w->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, c.w);
        }
        previous = c.w;
    }
}

}  // namespace ferdix
