#include "print/text_fit.h"

#include <algorithm>

namespace ferdix {

std::size_t LongestFittingPrefix(std::string_view text, int limit, const TextWidth& width,
                                 std::size_t guess) {
    auto fits = [&](std::size_t n) { return width(text.substr(0, n)) <= limit; };
    std::size_t n = text.size();
    if (n == 0) {
        return 0;
    }
    guess = std::clamp<std::size_t>(guess, 1, n);
    // fits(lo) holds; fits(hi) does not, once wide is set.
    std::size_t lo = 0;
    std::size_t hi = n;
    bool wide = false;
    if (fits(guess)) {
        lo = guess;
    } else {
        hi = guess;
        wide = true;
    }
    for (std::size_t step = 1; lo < hi; step *= 2) {
        std::size_t probe = std::min(lo + step, hi);
        if (probe == hi && wide) {
            break;
        }
        if (!fits(probe)) {
            hi = probe;
            wide = true;
            break;
        }
        lo = probe;
    }
    if (!wide) {
        return n;
    }
    while (hi - lo > 1) {
        std::size_t mid = lo + (hi - lo) / 2;
        (fits(mid) ? lo : hi) = mid;
    }
    return lo;
}

}  // namespace ferdix
