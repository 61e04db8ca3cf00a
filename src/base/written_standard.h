// The program-wide written standard: 1 bokmål, 2 nynorsk, 0 until start-up has decided.
#pragma once

#include <string_view>

namespace ferdix {

inline constexpr int kBokmal = 1;
inline constexpr int kNynorsk = 2;

int WrittenStandard();
// Sets the value only; CFerdixDoc::SetWrittenStandard also refreshes the status total.
void SetWrittenStandardValue(int standard);

inline bool IsNynorsk() {
    return WrittenStandard() == kNynorsk;
}

// The text of the written standard in force: nynorsk for 2, bokmål otherwise.
inline std::string_view ByStandard(std::string_view bokmal, std::string_view nynorsk) {
    return IsNynorsk() ? nynorsk : bokmal;
}

}  // namespace ferdix
