#include "rates/currencies.h"

#include "base/text_convert.h"

namespace ferdix {

double CurrencyFactor(std::string_view code) {
    static constexpr std::array<std::string_view, 14> kPerUnit = {"usd", "gbp", "iep", "cad", "aed",
                                                                  "aud", "hkd", "ltl", "lvl", "nzd",
                                                                  "pkr", "pln", "sgd", "eur"};
    for (std::string_view c : kPerUnit) {
        if (StartsWithNoCase(code, c)) {
            return 1.0;
        }
    }
    return 0.01;
}

bool IsNokCurrency(std::string_view code) {
    return StartsWithNoCase(code, "nok");
}

}  // namespace ferdix
