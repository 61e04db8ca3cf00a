#include "form/field_text.h"

#include "base/cp1252.h"
#include "base/written_standard.h"

namespace ferdix {

bool ClaimHolds(char32_t c) {
    return cp1252_detail::CodePointToByte(c) >= 0;
}

RefusedText RefusedIn(std::string_view utf8, bool multiLine) {
    RefusedText refused;
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = cp1252_detail::DecodeUtf8(utf8.data(), utf8.size(), i);
        if (c == U'\r' || c == U'\n') {
            refused.lineBreak = refused.lineBreak || !multiLine;
        } else if (!ClaimHolds(c) && refused.characters.find(c) == std::u32string::npos) {
            refused.characters.push_back(c);
        }
    }
    return refused;
}

std::string RefusalNote(int standard, const RefusedText& refused) {
    if (!refused.characters.empty()) {
        return std::string(
            ByStandard(standard, "%1 kan ikke lagres i en reiseregning og ble ikke tatt imot."_cp,
                       "%1 kan ikkje lagrast i ei reiserekning og vart ikkje teke imot."_cp));
    }
    return std::string(
        ByStandard(standard, "Linjeskift kan ikke lagres i dette feltet og ble ikke tatt imot."_cp,
                   "Linjeskift kan ikkje lagrast i dette feltet og vart ikkje teke imot."_cp));
}

}  // namespace ferdix
