// The one place where the library's Windows-1252 texts and file-system paths meet Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ferdix {

QString ToQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become "?".
std::string FromQString(const QString& text);

// A text of the library that may carry a file-system path (a title, a message naming a file):
// UTF-8 sequences are the path's, every other byte is Windows-1252.
QString MixedToQString(std::string_view text);

QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

// An edit control's line ends are CR LF; Qt's are LF.
QString ToEditText(std::string_view cp1252);
std::string FromEditText(const QString& text);

}  // namespace ferdix
