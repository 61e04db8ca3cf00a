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

QString MixedToQString(std::string_view text) {
    std::string utf8 = MixedToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
