#include "qt/qt_text.h"

#include <QFile>

#include "base/cp1252.h"

namespace ferdix {

QString ToQString(std::string_view cp1252) {
    std::string utf8 = Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

namespace {

// The length of a well-formed UTF-8 sequence of two or more bytes at s[i], else 0.
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = b(i);
    std::size_t len = (lead >= 0xC2 && lead <= 0xDF)   ? 2
                      : (lead >= 0xE0 && lead <= 0xEF) ? 3
                      : (lead >= 0xF0 && lead <= 0xF4) ? 4
                                                       : 0;
    if (len == 0 || i + len > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong forms or surrogates.
    if ((lead == 0xE0 && b(i + 1) < 0xA0) || (lead == 0xED && b(i + 1) > 0x9F) ||
        (lead == 0xF0 && b(i + 1) < 0x90) || (lead == 0xF4 && b(i + 1) > 0x8F)) {
        return 0;
    }
    return len;
}

}  // namespace

QString MixedToQString(std::string_view text) {
    QString out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t len = static_cast<unsigned char>(text[i]) >= 0x80 ? Utf8SequenceAt(text, i) : 0;
        if (len > 0) {
            out += QString::fromUtf8(text.data() + i, static_cast<qsizetype>(len));
            i += len;
        } else {
            out += ToQString(text.substr(i, 1));
            ++i;
        }
    }
    return out;
}

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQString(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString ToEditText(std::string_view cp1252) {
    QString text = ToQString(cp1252);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

std::string FromEditText(const QString& text) {
    QString crlf = text;
    crlf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return FromQString(crlf);
}

}  // namespace ferdix
