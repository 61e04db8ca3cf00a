#include "qt/form_widget.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

#include "base/written_standard.h"
#include "form/accessible_names.h"
#include "form/control_ids.h"
#include "form/form_lists.h"
#include "form/label_table.h"
#include "form/tab_order.h"
#include "qt/field_input.h"
#include "qt/line_list.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

// Qt lays out a word wider than its field again for every screen line the word fills, in time
// that grows with the square of the word's length (a word of a megabyte took minutes). A text
// that holds such a word wraps anywhere instead, which breaks that word where word wrapping
// breaks it too; other texts keep wrapping at word boundaries.
constexpr qsizetype kLongestWrappedWord = 1000;

bool HasLongWord(QStringView text) {
    qsizetype run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWrappedWord) {
            return true;
        }
    }
    return false;
}

void ChooseWrap(QPlainTextEdit* edit, QStringView text) {
    edit->setWordWrapMode(HasLongWord(text) ? QTextOption::WrapAnywhere
                                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

bool IsDropDown(ControlKind k) {
    return k == ControlKind::EditableDropDown || k == ControlKind::DropDownList;
}

// The texts a label can show: its resource text and both written standards' labels.
std::vector<std::string> TextsOf(const ControlTemplate& t) {
    std::vector<std::string> texts{std::string(t.text)};
    if (t.id == kNoControlId) {
        return texts;
    }
    int standard = WrittenStandard();
    for (int w : {kBokmal, kNynorsk}) {
        SetWrittenStandardValue(w);
        std::string text = LabelTextInForce(t);
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) {
            texts.push_back(std::move(text));
        }
    }
    SetWrittenStandardValue(standard);
    return texts;
}

bool Fits(const QFont& font, const QSize& box, const std::vector<std::string>& texts) {
    QFontMetricsF fm(font);
    for (const std::string& text : texts) {
        QString shown = ToQString(text);
        // One line that is narrower than the box is never wrapped: no layout needed. A line
        // as high as the box within rounding takes the exact way below.
        if (!shown.contains(QLatin1Char('\n')) && fm.horizontalAdvance(shown) <= box.width() &&
            fm.height() + 1 <= box.height()) {
            continue;
        }
        QRectF r = fm.boundingRect(QRectF(0, 0, box.width(), 100000),
                                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
        if (r.width() > box.width() + 0.01 || r.height() > box.height() + 0.01) {
            return false;
        }
    }
    return true;
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
    PickFonts();
    Build();
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { FocusChanged(now); });
    m_screenReaderWatch = std::make_unique<CScreenReaderWatch>([this] {
        for (const Control& c : m_entries) {
            NameDropDownParts(c, true);
        }
    });
}

CFormWidget::~CFormWidget() {
    // Closing and deleting the widgets moves the focus after this object's members are gone.
    disconnect(m_focusWatch);
    m_pEvents = nullptr;
    // The widgets (and their validators, which read m_entries) go while the members exist.
    delete takeWidget();
}

void CFormWidget::PickFonts() {
    // The original's dialog font is an 8-point sans serif; its metrics give the unit size.
    QFont dialogFont;
    dialogFont.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSizeF(8);
    QFontMetricsF fm(dialogFont, widget());
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double average = std::round(fm.horizontalAdvance(alphabet) / 52.0);
    double height = std::round(fm.height());
    m_unitX = std::max(1.0, average / 4.0);
    m_unitY = std::max(1.0, height / 8.0);

    // The largest size of the same face in which every label fits its box in both standards.
    std::vector<std::pair<QSize, std::vector<std::string>>> labels;
    for (const ControlTemplate& t : FormTemplate()) {
        if (t.kind == ControlKind::Static) {
            labels.emplace_back(ToPixels(t.rect).size(), TextsOf(t));
        }
    }
    m_formFont = dialogFont;
    for (double points = 8.0; points >= 6.0; points -= 0.25) {
        m_formFont.setPointSizeF(points);
        if (std::all_of(labels.begin(), labels.end(),
                        [&](const auto& l) { return Fits(m_formFont, l.first, l.second); })) {
            break;
        }
    }
    widget()->setFont(m_formFont);

    m_fixedFont.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                             QStringLiteral("DejaVu Sans Mono")});
    m_fixedFont.setStyleHint(QFont::TypeWriter);
    m_fixedFont.setFixedPitch(true);
    // The original's "Courier" of cell height 14 is a small face: its dates and amounts fill
    // their narrow columns. Ours is the largest size up to that at which they do too.
    double scale = logicalDpiY() / 96.0;
    int pixels = static_cast<int>(std::lround(12.0 * scale));
    for (; pixels > 7; --pixels) {
        m_fixedFont.setPixelSize(pixels);
        if (ListSamplesFit(m_fixedFont)) {
            break;
        }
    }
    m_fixedFont.setPixelSize(pixels);
}

bool CFormWidget::ListSamplesFit(const QFont& font) const {
    QFontMetrics fm(font);
    // A cell's text margins, and room for the scroll bar that a long list shows.
    int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (auto [id, columns] : {std::pair{kIdTravelList, TravelListColumns()},
                               std::pair{kIdOutlayList, OutlayListColumns()}}) {
        const ControlTemplate* list = FindControl(id);
        if (!list) {
            continue;
        }
        int inner = ToPixels(list->rect).width() - 2 - scrollBar;
        for (const ListColumn& column : columns) {
            if (!column.sample.empty() && fm.horizontalAdvance(ToQString(column.sample)) + margins >
                                              inner * column.widthPercent / 100) {
                return false;
            }
        }
    }
    return true;
}

QRect CFormWidget::ToPixels(const DialogRect& r) const {
    auto px = [](int du, double unit) { return static_cast<int>(std::lround(du * unit)); };
    int left = px(r.x, m_unitX);
    int top = px(r.y, m_unitY);
    return QRect(left, top, px(r.Right(), m_unitX) - left, px(r.Bottom(), m_unitY) - top);
}

void CFormWidget::Build() {
    std::span<const ControlTemplate> form = FormTemplate();
    m_entries.resize(form.size());
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const ControlTemplate& t = form[i];
        Control& c = m_entries[i];
        c.t = &t;
        if (t.kind == ControlKind::Radio && (t.groupStart || !group)) {
            group = new QButtonGroup(this);
        }
        if (t.kind == ControlKind::Radio) {
            c.group = group;
        }
        c.w = MakeWidget(c, t);
        c.w->setGeometry(ToPixels(t.rect));
        if (t.id != kNoControlId) {
            m_byId[t.id] = i;
        }
        m_idOf.insert(c.w, t.id == kNoControlId ? 0 : t.id);
    }
    widget()->resize(ToPixels({0, 0, kFormWidthDu, kFormHeightDu}).size());
    for (Control& c : m_entries) {
        Connect(c);
    }
    SetTabOrder();
    ReadRadioButtonsAsSuch();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].t->id == kNoControlId) {
            continue;
        }
        for (const ControlTemplate* label : NamingControls(m_entries[i].t->id)) {
            m_namedBy.emplace(label, i);
        }
    }
    UpdateAccessibleNames();
}

QWidget* CFormWidget::MakeWidget(Control& c, const ControlTemplate& t) {
    QWidget* page = widget();
    QString text = ToQString(t.text);
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
            list->setModel(new CLineListModel(list));
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
            connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                if (Control* ctl = Find(id)) {
                    ctl->shownLength = static_cast<int>(text.size());
                }
                Raise(&IFormEvents::OnChange, id);
            });
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
        case ControlKind::ListView:
            connect(static_cast<QTreeView*>(c.w), &QAbstractItemView::doubleClicked, this,
                    [this, id] { Raise(&IFormEvents::OnDoubleClick, id); });
            break;
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
        if (c.w->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, c.w);
        }
        previous = c.w;
    }
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

QWidget* CFormWidget::ControlWidget(int id) const {
    const Control* c = Find(id);
    return c ? c->w : nullptr;
}

QWidget* CFormWidget::EntryWidget(std::size_t index) const {
    return index < m_entries.size() ? m_entries[index].w : nullptr;
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
    // keeps the focus the way the original's did while a box was up.
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
    to->w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    ensureWidgetVisible(to->w);
    return true;
}

bool CFormWidget::eventFilter(QObject* watched, QEvent* event) {
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

std::string CFormWidget::EntryText(const Control& c) const {
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
    std::vector<std::string> parts;
    for (const ControlTemplate* label : NamingControls(c.t->id)) {
        auto index = static_cast<std::size_t>(label - FormTemplate().data());
        parts.push_back(EntryText(m_entries[index]));
    }
    c.w->setAccessibleName(ToQString(JoinNameParts(parts)));
    NameDropDownParts(c, QAccessible::isActive());
}

// Qt tells a screen reader that a radio button which is not auto-exclusive is a check box. In
// a button group the flag changes nothing else: the group decides which button is checked.
void CFormWidget::ReadRadioButtonsAsSuch() {
    for (Control& c : m_entries) {
        if (c.group) {
            static_cast<QRadioButton*>(c.w)->setAutoExclusive(true);
        }
    }
}

// A screen reader reads a drop-down's edit and its popup list on their own, so each carries
// the drop-down's name. The popup list is made when first opened (making them all would slow
// the start-up): it is named once it exists, and made at once for a screen reader, which
// reads the lists unopened.
void CFormWidget::NameDropDownParts(const Control& c, bool makeList) {
    auto* combo = qobject_cast<QComboBox*>(c.w);
    if (!combo) {
        return;
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
    {
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
                c->shownLength = static_cast<int>(shown.size());
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
        c->w->setEnabled(enabled);
    }
}

bool CFormWidget::IsEnabled(int id) const {
    const Control* c = Find(id);
    return c && c->w->isEnabled();
}

void CFormWidget::SetCheck(int id, bool checked) {
    Control* c = Find(id);
    if (!c || !(c->t->kind == ControlKind::Radio || c->t->kind == ControlKind::CheckBox)) {
        return;
    }
    auto* button = static_cast<QAbstractButton*>(c->w);
    QSignalBlocker block(button);
    // Setting one state leaves the others of the group alone, as on the original platform.
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
    return static_cast<QAbstractButton*>(c->w)->isChecked();
}

void CFormWidget::SetFocus(int id) {
    if (id == m_focus || (id != 0 && !Find(id))) {
        return;
    }
    int previous = m_focus;
    // Recorded first, so that the focus signal the move raises finds nothing to report.
    m_focus = id;
    if (id != 0) {
        QWidget* w = Find(id)->w;
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
    if (auto* edit = qobject_cast<QLineEdit*>(c->w)) {
        FieldValidator(edit)->SetLimit(&c->limit, &c->shownLength);
    }
}

void CFormWidget::UseFixedFont(int id) {
    if (Control* c = Find(id)) {
        c->w->setFont(m_fixedFont);
    }
}

void CFormWidget::ResetContent(int id) {
    Control* c = Find(id);
    if (!c || !IsDropDown(c->t->kind)) {
        return;
    }
    auto* combo = static_cast<QComboBox*>(c->w);
    QString text = combo->currentText();
    QSignalBlocker block(combo);
    QSignalBlocker blockEdit(combo->lineEdit());
    combo->clear();
    c->items.clear();
    c->picked.clear();
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
    return static_cast<CLineListModel*>(static_cast<QTreeView*>(c->w)->model());
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
    if (!ListModel(id)) {
        return -1;
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
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasText() && !mime->text().isEmpty();
}

}  // namespace ferdix
