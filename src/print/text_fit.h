// Fitting printed text into a width: the searches that keep measuring in proportion to what
// fits, whatever the length of the text.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace ferdix {

// The printed width of a text, in page units; it grows with the text.
using TextWidth = std::function<int(std::string_view)>;

// The length of the longest prefix of text no wider than limit (0 when not even the first
// character fits). The search starts at guess (npos: the whole text) and gallops from there,
// or from the start when the guess is too wide, so it measures about as much text as the
// answer holds and no more than twice the text once.
std::size_t LongestFittingPrefix(std::string_view text, int limit, const TextWidth& width,
                                 std::size_t guess = std::string_view::npos);

}  // namespace ferdix
