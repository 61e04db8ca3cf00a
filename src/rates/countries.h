// The abroad rates per country, read from section Land of land.ini when the document is
// created. Names are Windows-1252 and compared exactly.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ferdix {

class IniReader;

struct CountryRate {
    std::string name;     // the key in land.ini, at least 3 characters
    int nightRate = 0;    // unreceipted night allowance abroad, kroner
    int perDiemRate = 0;  // per diem abroad, kroner
};

inline constexpr std::size_t kMaxCountries = 205;
inline constexpr std::size_t kCountryValueMax = 79;
inline constexpr std::size_t kAbroadRatesFromMax = 11;

// "name=NIGHT#DIEM": each rate is the leading integer of its part. Without a "#" after the
// "=" (none in the value, or one in the name) both rates are 0.
CountryRate ParseCountryRow(std::string_view row);

// The first kMaxCountries usable keys of section Land, in file order: names of fewer than 3
// characters and values of fewer than 2 are skipped.
std::vector<CountryRate> ReadCountries(const IniReader& landIni);
// SatserGyldigFra of section Informasjon, cut to kAbroadRatesFromMax characters.
std::string ReadAbroadRatesFrom(const IniReader& landIni);

// Both from the files; the validity text is kept when they have none.
void LoadCountries(std::vector<CountryRate>& countries, std::string& abroadRatesFrom,
                   const IniReader& landIni);
void LoadCountries(std::vector<CountryRate>& countries, std::string& abroadRatesFrom,
                   const std::string& landIniPath);

// The country with exactly this name, or null.
const CountryRate* FindCountry(const std::vector<CountryRate>& countries, std::string_view name);

}  // namespace ferdix
