// Any bytes as land.ini: the country list keeps its bounds, and every listed country is found
// by its name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "rates/countries.h"
#include "rates/ini_file.h"

namespace {

using ferdix::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ferdix;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument ini(bytes);
    std::vector<CountryRate> countries = ReadCountries(ini);
    Check(countries.size() <= kMaxCountries);
    Check(countries.size() <= ini.KeyNames("Land").size());
    for (const CountryRate& c : countries) {
        Check(c.name.size() >= 3);
        const CountryRate* found = FindCountry(countries, c.name);
        Check(found != nullptr && found->name == c.name);
        Check(found <= &c);
    }
    Check(ReadAbroadRatesFrom(ini).size() <= kAbroadRatesFromMax);
    // No key holds "=", so no country has it in its name.
    Check(FindCountry(countries, std::string(bytes.substr(0, 8)) + "=") == nullptr);

    // Each line as a row of the section, as the reader splits it.
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::string_view row =
            bytes.substr(start, end == std::string_view::npos ? end : end - start);
        CountryRate r = ParseCountryRow(row);
        if (row.find('#') == std::string_view::npos) {
            Check(r.nightRate == 0 && r.perDiemRate == 0);
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return 0;
}
