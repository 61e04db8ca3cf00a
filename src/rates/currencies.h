// The currency codes offered in the travel and outlay lines, and how a code's rate is quoted.
#pragma once

#include <array>
#include <string_view>

namespace ferdix {

// In the order they are put into each currency box; "Annen" is any other, typed currency.
inline constexpr std::array<std::string_view, 24> kCurrencyCodes = {
    "NOK", "CAD", "IEP", "GBP", "USD", "EUR", "AED", "AUD", "HKD", "LTL", "LVL", "NZD",
    "PKR", "PLN", "SGD", "CHF", "CZK", "INR", "ISK", "JPY", "SEK", "THB", "ZAR", "Annen"};

// 1 for a currency quoted per unit, 0.01 for one quoted per 100 units (NOK, "Annen", others).
double CurrencyFactor(std::string_view code);

// The first three characters are "NOK" in any case: the line is in kroner.
bool IsNokCurrency(std::string_view code);

}  // namespace ferdix
