#include "print/remarks_wrap.h"

#include <algorithm>
#include <cstdint>

namespace ferdix {

void WrapRemarks(std::string& text, const TextWidth& width) {
    constexpr std::size_t kNone = std::string::npos;
    std::size_t lineStart = 0;
    std::size_t candidate = kNone;
    std::size_t i = 0;
    while (i < text.size()) {
        char ch = text[i];
        if (ch == ' ') {
            int w = width(std::string_view(text).substr(lineStart, i - lineStart));
            if (w <= kRemarksWidth) {
                candidate = i;
            } else if (candidate != kNone) {
                text[candidate] = '\n';
                lineStart = candidate + 1;
                candidate = kNone;
                i = lineStart;
                continue;
            } else {
                // Widths grow with the text, so no later space of this line can become a
                // candidate: go straight to the line's end.
                i = text.find('\n', i);
                if (i == kNone) {
                    return;
                }
                continue;
            }
        } else if (ch == '\n') {
            lineStart = i + 1;
            candidate = kNone;
        }
        ++i;
    }
}

void BreakLongLines(std::string& text, const TextWidth& width) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        auto prefix = [&](std::size_t n) { return std::string_view(text).substr(pos, n); };
        std::size_t length = end - pos;
        if (width(prefix(length)) <= kRemarksWidth) {
            pos = end + 1;
            continue;
        }
        // The longest prefix that fits; widths grow with the text.
        std::size_t fits = 0;
        std::size_t wide = length;
        while (wide - fits > 1) {
            std::size_t mid = fits + (wide - fits) / 2;
            (width(prefix(mid)) <= kRemarksWidth ? fits : wide) = mid;
        }
        fits = std::max<std::size_t>(fits, 1);
        // A space at index fits may go: the text before it fits.
        std::size_t space = std::string_view(text).substr(pos, fits + 1).rfind(' ');
        if (space != std::string::npos && space > 0) {
            text[pos + space] = '\n';
            pos += space + 1;
        } else {
            text.insert(pos + fits, 1, '\n');
            pos += fits + 1;
        }
    }
}

std::size_t CountLineBreaks(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

bool RemarksFitOnSecondPage(std::size_t travelLines, std::size_t outlayLines,
                            std::size_t lineBreaks, int textHeight) {
    auto n = static_cast<std::int64_t>(travelLines);
    auto m = static_cast<std::int64_t>(outlayLines);
    auto breaks = static_cast<std::int64_t>(lineBreaks);
    std::int64_t u = 128 + n * 64 + 190;
    std::int64_t v = std::max(u + 128 + m * 64 + 192, u + 955);
    return 2780 - v >= breaks * (textHeight + 10) + 200;
}

}  // namespace ferdix
