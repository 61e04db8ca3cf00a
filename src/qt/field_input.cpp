#include "qt/field_input.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QToolTip>
#include <string>
#include <vector>

#include "base/written_standard.h"
#include "form/field_text.h"
#include "form/form_lists.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

constexpr int kNoteMilliseconds = 8000;

// The written standard of the window's Qt texts, which follow the run's.
int ShownStandard() {
    return QLocale().language() == QLocale::NorwegianNynorsk ? kNynorsk : kBokmal;
}

// The note for a text, or an empty one when the field takes it.
QString RefusalOf(const QString& text, bool multiLine) {
    QByteArray utf8 = text.toUtf8();
    RefusedText refused = RefusedIn(std::string_view(utf8.constData(), utf8.size()), multiLine);
    if (!refused.Any()) {
        return {};
    }
    QStringList shown;
    for (char32_t c : refused.characters) {
        shown << QStringLiteral("«%1»").arg(QString::fromUcs4(&c, 1));
    }
    QString note = ToQString(RefusalNote(ShownStandard(), refused));
    return shown.isEmpty() ? note : note.arg(shown.join(QStringLiteral(", ")));
}

// How many characters of the text a single-line field cannot store.
qsizetype RefusedCount(const QString& text) {
    qsizetype n = 0;
    for (char32_t c : text.toUcs4()) {
        n += (c == U'\r' || c == U'\n' || !ClaimHolds(c)) ? 1 : 0;
    }
    return n;
}

}  // namespace

void ShowRefusal(QWidget* field, const QString& note) {
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), note, field);
    if (auto* window = qobject_cast<QMainWindow*>(field->window())) {
        window->statusBar()->showMessage(note, kNoteMilliseconds);
    }
}

CFieldValidator::CFieldValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {
    connect(edit, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_shown = text.size(); });
}

void CFieldValidator::Shown(const QString& text) {
    m_shown = text.size();
    m_held = RefusedCount(text);
}

QValidator::State CFieldValidator::validate(QString& input, int&) const {
    if (m_limit > 0 && input.size() > m_limit && input.size() >= m_shown) {
        return Invalid;
    }
    // Only what was held already may stay: a text read from a file keeps its line break.
    qsizetype refused = RefusedCount(input);
    if (refused > m_held) {
        ShowRefusal(m_edit, RefusalOf(input, false));
        return Invalid;
    }
    m_held = refused;
    return Acceptable;
}

CFieldValidator* FieldValidator(QLineEdit* edit) {
    if (auto* v = dynamic_cast<CFieldValidator*>(const_cast<QValidator*>(edit->validator()))) {
        return v;
    }
    auto* v = new CFieldValidator(edit);
    v->Shown(edit->text());
    edit->setValidator(v);
    return v;
}

bool CFormTextEdit::Refuses(const QString& text) {
    QString note = RefusalOf(text, true);
    if (note.isEmpty()) {
        return false;
    }
    ShowRefusal(this, note);
    return true;
}

void CFormTextEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && Refuses(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CFormTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly() && Refuses(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CFormTextEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText() && Refuses(source->text())) {
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void CFormComboBox::showPopup() {
    QComboBox::showPopup();
    // The popup opens at the current item, which need not be the text the box shows.
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) {
        items.push_back(FromQString(itemText(i)));
    }
    int row = ShownItem(items, FromQString(currentText()));
    QAbstractItemView* list = view();
    QModelIndex index =
        row < 0 ? QModelIndex() : model()->index(row, modelColumn(), rootModelIndex());
    list->setCurrentIndex(index);
    if (!index.isValid()) {
        list->clearSelection();
    } else {
        list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
}

}  // namespace ferdix
