// The program's string table: the document string and the command prompts ("status-bar
// text\ntooltip"), in bokmål only, Windows-1252.
#pragma once

#include <string_view>

namespace ferdix {

inline constexpr int kDocumentStringId = 128;

// Empty when the id has no string.
std::string_view StringResource(int id);

}  // namespace ferdix
