// The text layer of the PDF the printed form is written to.
#pragma once

#include <cstddef>
#include <span>

namespace ferdix {

// Maps the space glyph of each embedded font back to U+0020 in the file's ToUnicode maps.
// Qt's PDF writer gives each glyph the lowest code point its font engine shows with it, and
// the engine shows a tab with the space glyph of a font that has no tab, so the text copied
// out of the page had tabs for spaces. A map is changed only where it gives U+0009 and has no
// U+0020, and only in an uncompressed stream; the bytes are changed in place and the file
// keeps its length, so its cross-reference table stays true. Returns the maps changed.
std::size_t MapTabGlyphsToSpaces(std::span<char> pdf);

}  // namespace ferdix
