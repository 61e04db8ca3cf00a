// What the claim file's reader and writer share: the bytes of its layout and the C locale's
// reading of numbers and blanks.
#pragma once

#include <cmath>
#include <limits>
#include <string_view>

#include "claim/expense_line.h"

namespace ferdix {

inline constexpr char kEndOfText = '\xA4';
inline constexpr std::string_view kLineEnd = "\r\n";

// The C locale's white space, whatever locale the program runs in.
inline bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A number of a record; out of the float range reads as 0, as amounts do.
inline float ToFloat(double v) {
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) {
        return 0.0f;
    }
    return static_cast<float>(v);
}

// One record line (without its line end) into line; a field that is missing ends the record,
// and the fields after it keep the line's values.
void ParseTravelRecord(std::string_view text, CTravelLine& line);
void ParseOutlayRecord(std::string_view text, CExpenseLine& line);

}  // namespace ferdix
