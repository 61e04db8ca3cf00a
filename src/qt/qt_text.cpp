#include "qt/qt_text.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QStringList>
#include <optional>

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

namespace {

std::string Encoded(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The one entry of the folder that Qt shows as name, or nothing.
std::optional<std::string> EntryShownAs(const std::string& folder, const QString& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    int matches = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == name) {
            found = entry->d_name;
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? found : std::nullopt;
}

}  // namespace

std::string PathFromQString(const QString& path) {
    std::string bytes = Encoded(path);
    // A name that is no UTF-8 reaches Qt with U+FFFD for its bytes, and encoding it again
    // names another file. The folder's own entry is found again by how Qt shows it.
    struct stat st {};
    if (!path.contains(QChar::ReplacementCharacter) || ::lstat(bytes.c_str(), &st) == 0) {
        return bytes;
    }
    std::string resolved;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        std::string folder = i == 0 ? std::string(".") : resolved.empty() ? "/" : resolved;
        std::optional<std::string> entry;
        if (part.contains(QChar::ReplacementCharacter)) {
            entry = EntryShownAs(folder, part);
        }
        if (i > 0) {
            resolved += '/';
        }
        resolved += entry ? *entry : Encoded(part);
    }
    return resolved;
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
