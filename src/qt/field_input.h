// The text inputs of the form and of the dialogs. Each refuses, as it is typed, pasted or
// dropped, a character that the claim cannot store (form/field_text.h) and says why beside the
// field, so that what a field shows is what the file gets. A drop-down's open list marks the
// text its box shows.
#pragma once

#include <QComboBox>
#include <QPlainTextEdit>
#include <QValidator>

class QLineEdit;

namespace ferdix {

// Shows the note as a tool tip under the field and in the status bar of its window, where the
// window has one.
void ShowRefusal(QWidget* field, const QString& note);

// A line edit's check: refuses an edit that brings in a character the claim cannot store, or
// typing beyond the limit (never an edit that shortens a longer text the program set).
class CFieldValidator final : public QValidator {
  public:
    explicit CFieldValidator(QLineEdit* edit);

    // Characters at most for typing; 0: no limit.
    void SetLimit(int limit) { m_limit = limit; }
    // A text the program puts into the field: taken as it stands, whatever it holds.
    void Shown(const QString& text);

    State validate(QString& input, int& pos) const override;

  private:
    QLineEdit* m_edit;
    int m_limit = 0;
    // The length of the text before the user's edit.
    qsizetype m_shown = 0;
    // Refused characters the field already held, from a text the program put there.
    mutable qsizetype m_held = 0;
};

// The validator of a line edit, made when first asked for.
CFieldValidator* FieldValidator(QLineEdit* edit);

class CFormTextEdit final : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    bool Refuses(const QString& text);
};

class CFormComboBox final : public QComboBox {
  public:
    using QComboBox::QComboBox;
    void showPopup() override;
};

}  // namespace ferdix
