#include "print/remarks_wrap.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "print/text_fit.h"

namespace ferdix {

namespace {

// The smallest k in [first, n) for which exceeds(k) holds, or n; exceeds grows with k. The
// search starts at `guess` and gallops from there in the direction it has to go, so it
// measures about as much text as lies between the guess and the answer, not what lies after.
template <typename Exceeds>
std::size_t FirstExceeding(std::size_t first, std::size_t n, std::size_t guess, Exceeds exceeds) {
    std::size_t lo = first;  // exceeds(k) is false for every k < lo
    std::size_t hi = n;      // exceeds(hi) holds, or hi is n
    guess = std::clamp(guess, first, n > first ? n - 1 : first);
    if (guess < n && exceeds(guess)) {
        hi = guess;
        for (std::size_t step = 1; hi > lo; step *= 2) {
            std::size_t probe = hi - std::min(step, hi - lo);
            if (!exceeds(probe)) {
                lo = probe + 1;
                break;
            }
            hi = probe;
        }
    } else if (guess < n) {
        lo = guess + 1;
        for (std::size_t step = 1; lo < hi; step *= 2) {
            std::size_t probe = std::min(lo + step - 1, hi - 1);
            if (exceeds(probe)) {
                hi = probe;
                break;
            }
            lo = probe + 1;
        }
    }
    while (lo < hi) {
        std::size_t mid = lo + (hi - lo) / 2;
        if (exceeds(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

}  // namespace

// Widths grow with the text, so at every space the test "wider than the limit" is false up to
// the first space that passes the limit and true from there on: each line is broken at the
// space before that one, found by a galloping search over the line's spaces. So a paragraph
// of any length costs time in proportion to its length, not to its length times its spaces.
void WrapRemarks(std::string& text, const TextWidth& width) {
    std::vector<std::size_t> spaces;
    // A line holds about as many words as the line before.
    std::size_t words = 0;
    std::size_t paragraph = 0;
    while (paragraph < text.size()) {
        std::size_t end = text.find('\n', paragraph);
        if (end == std::string::npos) {
            end = text.size();
        }
        spaces.clear();
        for (std::size_t i = paragraph; i < end; ++i) {
            if (text[i] == ' ') {
                spaces.push_back(i);
            }
        }
        std::size_t start = paragraph;
        std::size_t first = 0;
        while (first < spaces.size()) {
            auto exceeds = [&](std::size_t k) {
                return width(std::string_view(text).substr(start, spaces[k] - start)) >
                       kRemarksWidth;
            };
            std::size_t k = FirstExceeding(first, spaces.size(), first + words, exceeds);
            // No space passes the limit (the paragraph's last word is never measured), or the
            // first one already does: a first word wider than the limit is left as it is.
            if (k == spaces.size() || k == first) {
                break;
            }
            std::size_t candidate = spaces[k - 1];
            text[candidate] = '\n';
            start = candidate + 1;
            words = k - first;
            first = k;
        }
        paragraph = end + 1;
    }
}

void BreakLongLines(std::string& text, const TextWidth& width) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t guess = std::string::npos;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        bool last = end == std::string::npos;
        if (last) {
            end = text.size();
        }
        while (pos < end) {
            std::string_view line = std::string_view(text).substr(pos, end - pos);
            std::size_t fits = LongestFittingPrefix(line, kRemarksWidth, width, guess);
            if (fits == line.size()) {
                out.append(line);
                pos = end;
                break;
            }
            fits = std::max<std::size_t>(fits, 1);
            guess = fits;
            // A space at index fits may go: the text before it fits.
            std::size_t space = line.substr(0, fits + 1).rfind(' ');
            if (space != std::string_view::npos && space > 0) {
                out.append(line.substr(0, space));
                pos += space + 1;
            } else {
                out.append(line.substr(0, fits));
                pos += fits;
            }
            out.push_back('\n');
        }
        if (last) {
            break;
        }
        out.push_back('\n');
        pos = end + 1;
    }
    text.swap(out);
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
