#include "rates/run_rates.h"

#include "rates/ini_file.h"

namespace ferdix {

RunRates LoadRunRates(const FileLocations& files) {
    RunRates r;
    LoadCountries(r.m_countries, r.m_strAbroadRatesFrom, LoadLandIni(files));
    LoadRates(r.m_rates, r.m_strRatesFrom, LoadFerdixIni(files));
    return r;
}

RatesSaveResult SaveRates(const RunRates& rates, const FileLocations* files) {
    if (!files) {
        return SaveRates(rates.m_rates, std::string());
    }
    // The office's date beside the user's rates tells a later start whether the office's
    // rates have changed since.
    std::string officeRatesFrom =
        IniLayers(files->sharedFerdixIni).GetString("Informasjon", "SatserGyldigFra");
    return SaveRates(rates.m_rates, files->ferdixIni, officeRatesFrom);
}

}  // namespace ferdix
