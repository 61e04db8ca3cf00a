#include "rates/currencies.h"

namespace ferdix {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithCode(std::string_view text, std::string_view lowerCode) {
    return text.size() >= 3 && Lower(text[0]) == lowerCode[0] && Lower(text[1]) == lowerCode[1] &&
           Lower(text[2]) == lowerCode[2];
}

}  // namespace

double CurrencyFactor(std::string_view code) {
    static constexpr std::array<std::string_view, 14> kPerUnit = {"usd", "gbp", "iep", "cad", "aed",
                                                                  "aud", "hkd", "ltl", "lvl", "nzd",
                                                                  "pkr", "pln", "sgd", "eur"};
    for (std::string_view c : kPerUnit) {
        if (StartsWithCode(code, c)) {
            return 1.0;
        }
    }
    return 0.01;
}

bool IsNokCurrency(std::string_view code) {
    return StartsWithCode(code, "nok");
}

}  // namespace ferdix
