#include "rates/countries.h"

#include "base/text_convert.h"
#include "rates/ini_file.h"

namespace ferdix {

CountryRate ParseCountryRow(std::string_view row) {
    CountryRate c;
    std::size_t eq = row.find('=');
    c.name = std::string(row.substr(0, eq));
    std::size_t hash = row.find('#');
    if (eq != std::string_view::npos && hash != std::string_view::npos && hash > eq) {
        c.nightRate = TextToInt(row.substr(eq + 1, hash - eq - 1));
        c.perDiemRate = TextToInt(row.substr(hash + 1));
    }
    return c;
}

std::vector<CountryRate> ReadCountries(const IniReader& landIni) {
    std::vector<CountryRate> countries;
    for (const std::string& name : landIni.KeyNames("Land")) {
        if (name.size() < 3) {
            continue;
        }
        std::string value = landIni.GetString("Land", name, "", kCountryValueMax);
        if (value.size() < 2) {
            continue;
        }
        countries.push_back(ParseCountryRow(name + "=" + value));
        if (countries.size() == kMaxCountries) {
            break;
        }
    }
    return countries;
}

std::string ReadAbroadRatesFrom(const IniReader& landIni) {
    return landIni.GetString("Informasjon", "SatserGyldigFra", "", kAbroadRatesFromMax);
}

void LoadCountries(std::vector<CountryRate>& countries, std::string& abroadRatesFrom,
                   const IniReader& landIni) {
    countries = ReadCountries(landIni);
    std::string from = ReadAbroadRatesFrom(landIni);
    if (!from.empty()) {
        abroadRatesFrom = std::move(from);
    }
}

void LoadCountries(std::vector<CountryRate>& countries, std::string& abroadRatesFrom,
                   const std::string& landIniPath) {
    IniDocument ini;
    ini.Load(landIniPath);
    LoadCountries(countries, abroadRatesFrom, ini);
}

const CountryRate* FindCountry(const std::vector<CountryRate>& countries, std::string_view name) {
    for (const CountryRate& c : countries) {
        if (c.name.size() >= 3 && c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace ferdix
