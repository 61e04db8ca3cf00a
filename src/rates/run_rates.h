// The rates of the run: the domestic rate table and the country list with their validity
// texts, loaded once when the document is made and kept by New and Open.
#pragma once

#include <string>
#include <vector>

#include "rates/countries.h"
#include "rates/program_settings.h"
#include "rates/rate_table.h"

namespace ferdix {

struct RunRates {
    RateTable m_rates;
    std::string m_strRatesFrom;  // "SatserGyldigFra" of ferdix.ini
    std::vector<CountryRate> m_countries;
    std::string m_strAbroadRatesFrom;  // of land.ini
};

// The country list first, then the rate table.
RunRates LoadRunRates(const FileLocations& files);
// The in-force rates into the user's ferdix.ini; without file locations nowhere (and failed).
RatesSaveResult SaveRates(const RunRates& rates, const FileLocations* files);

}  // namespace ferdix
