// Breaking the remarks into printed lines, and whether they fit on the second page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "print/text_fit.h"

namespace ferdix {

// The widest printed remarks line, in page units.
inline constexpr int kRemarksWidth = 1800;

// Replaces a space by a line break where the line up to the next space would pass the width.
// A line is measured only up to its spaces: a paragraph's last word is never measured, and a
// line whose first word is wider than the limit is never broken.
void WrapRemarks(std::string& text, const TextWidth& width);

// Breaks every line still wider than the limit: at its last space that fits, or, within a
// word wider than the whole line, after the last character that fits.
void BreakLongLines(std::string& text, const TextWidth& width);

// The number of line-break characters (10).
std::size_t CountLineBreaks(std::string_view text);

// The estimate of the second page's use by the two lists, against the remarks' rows.
bool RemarksFitOnSecondPage(std::size_t travelLines, std::size_t outlayLines,
                            std::size_t lineBreaks, int textHeight);

}  // namespace ferdix
