// Qt's own texts in the written standard in force: the file, print, preview and page set-up
// dialogs, the overwrite question, standard buttons, the context menus of text fields and
// scroll bars, and the role and action names a screen reader speaks. The translations
// (resources/translations) are built into the program and loaded from memory.
#pragma once

#include <QLocale>
#include <QTranslator>
#include <span>

namespace ferdix {

// The compiled translation of a written standard (nynorsk for 2, bokmål otherwise).
std::span<const unsigned char> QtTranslationData(int writtenStandard);

class CQtTranslation {
  public:
    CQtTranslation() = default;
    // Takes its translation out again and puts back the default locale it found.
    ~CQtTranslation();
    CQtTranslation(const CQtTranslation&) = delete;
    CQtTranslation& operator=(const CQtTranslation&) = delete;

    // Installs the translation of the written standard, and its Norwegian locale as the
    // default (so that file types are named and numbers entered the Norwegian way), unless
    // they are in force already. Dialogs opened from now on show it; open widgets get
    // QEvent::LanguageChange.
    void Follow(int writtenStandard);
    // The written standard installed, 0 before the first Follow.
    int Installed() const { return m_standard; }

  private:
    QTranslator m_translator;
    int m_standard = 0;
    QLocale m_previousLocale;
};

}  // namespace ferdix
