#include "qt/qt_translation.h"

#include <QCoreApplication>
#include <cstddef>

#include "base/written_standard.h"

namespace ferdix {

// Made at build time from resources/translations (cmake/EmbedTranslations.cmake).
extern const unsigned char kQtTranslationNb[];
extern const std::size_t kQtTranslationNbSize;
extern const unsigned char kQtTranslationNn[];
extern const std::size_t kQtTranslationNnSize;

std::span<const unsigned char> QtTranslationData(int writtenStandard) {
    if (writtenStandard == kNynorsk) {
        return {kQtTranslationNn, kQtTranslationNnSize};
    }
    return {kQtTranslationNb, kQtTranslationNbSize};
}

CQtTranslation::~CQtTranslation() {
    if (m_standard != 0) {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(m_previousLocale);
    }
}

void CQtTranslation::Follow(int writtenStandard) {
    int standard = writtenStandard == kNynorsk ? kNynorsk : kBokmal;
    if (standard == m_standard) {
        return;
    }
    if (m_standard == 0) {
        m_previousLocale = QLocale();
    } else {
        QCoreApplication::removeTranslator(&m_translator);
    }
    std::span<const unsigned char> data = QtTranslationData(standard);
    // The bytes are built into the program and outlive the translator, which reads them in
    // place.
    bool loaded = m_translator.load(data.data(), static_cast<int>(data.size()));
    Q_ASSERT(loaded);
    QLocale::setDefault(
        QLocale(standard == kNynorsk ? QLocale::NorwegianNynorsk : QLocale::NorwegianBokmal,
                QLocale::Norway));
    if (loaded) {
        QCoreApplication::installTranslator(&m_translator);
    }
    m_standard = standard;
}

}  // namespace ferdix
