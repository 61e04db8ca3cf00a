// The written standards as the settings, profiles and claim files number them.
#pragma once

#include <string_view>

namespace ferdix {

inline constexpr int kBokmal = 1;
inline constexpr int kNynorsk = 2;

// The text in the given written standard: nynorsk for 2, bokmål otherwise.
inline std::string_view ByStandard(int standard, std::string_view bokmal,
                                   std::string_view nynorsk) {
    return standard == kNynorsk ? nynorsk : bokmal;
}

}  // namespace ferdix
