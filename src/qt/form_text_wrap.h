// How the form's notes fields wrap their text.
#pragma once

#include <QPlainTextEdit>
#include <QStringView>

namespace ferdix {

// Qt lays out a word wider than its field again for every screen line the word fills, in time
// that grows with the square of the word's length (a word of a megabyte took minutes). A text
// that holds such a word wraps anywhere instead, which breaks that word where word wrapping
// breaks it too; other texts keep wrapping at word boundaries.
inline constexpr qsizetype kLongestWrappedWord = 1000;

inline bool HasLongWord(QStringView text) {
    qsizetype run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWrappedWord) {
            return true;
        }
    }
    return false;
}

inline void ChooseWrap(QPlainTextEdit* edit, QStringView text) {
    edit->setWordWrapMode(HasLongWord(text) ? QTextOption::WrapAnywhere
                                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

}  // namespace ferdix
