#include "rates/countries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/cp1252.h"
#include "rates/currencies.h"
#include "rates/ini_file.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

TEST(Countries, RowParsing) {
    struct Case {
        const char* row;
        const char* name;
        int night;
        int perDiem;
    };
    const Case cases[] = {
        {"Kenya=450#580", "Kenya", 450, 580},
        {"Mali= 12 kr# 470,50", "Mali", 12, 470},  // leading integers only
        {"Togo=#430", "Togo", 0, 430},
        {"Gabon=-5#+760", "Gabon", -5, 760},
        {"Chad=abc#def", "Chad", 0, 0},
        {"Niger=450600", "Niger", 0, 0},                   // no "#": undefined rates are 0
        {"Cote#d'Ivoire=450#600", "Cote#d'Ivoire", 0, 0},  // "#" in the name
        {"Benin=440#", "Benin", 440, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        CountryRate r = ParseCountryRow(c.row);
        EXPECT_EQ(r.name, c.name);
        EXPECT_EQ(r.nightRate, c.night);
        EXPECT_EQ(r.perDiemRate, c.perDiem);
    }
}

TEST(Countries, SkipRulesAndFileOrder) {
    std::string valueOf80 = "12#" + std::string(76, '0') + "5";
    IniDocument ini(std::string("[Informasjon]\r\nSatserGyldigFra=01.01.2011 og senere\r\n"
                                "[Land]\r\n"
                                "Sør-Afrika=0#500\r\n"_cp) +
                    "ZA=0#500\r\n"  // a two-character key is ignored
                    "Malawi=7\r\n"  // a one-character value is ignored
                    "Angola=\r\n"
                    "; Norge=0#1\r\n"
                    "Ghana=0#520\r\n"
                    "Langt=" +
                    valueOf80 +
                    "\r\n"
                    "ghana=0#999\r\n"  // the same key again: read as the first one
                    "Bol=0#250\r\n");
    std::vector<CountryRate> c = ReadCountries(ini);
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[0].name, "Sør-Afrika"_cp);
    EXPECT_EQ(c[1].name, "Ghana");
    EXPECT_EQ(c[2].name, "Langt");
    EXPECT_EQ(c[2].nightRate, 12);
    EXPECT_EQ(c[2].perDiemRate, 0);  // the value is cut to 79 characters, so the 5 is gone
    EXPECT_EQ(c[3].name, "ghana");
    EXPECT_EQ(c[3].perDiemRate, 520);
    EXPECT_EQ(c[4].name, "Bol");
    EXPECT_EQ(ReadAbroadRatesFrom(ini), "01.01.2011 ");

    EXPECT_EQ(FindCountry(c, "Ghana"), &c[1]);
    EXPECT_EQ(FindCountry(c, "GHANA"), nullptr);
}

TEST(Countries, FirstUsableCountriesOfALargeFileAreKept) {
    test::TempFolder dir;
    std::string path = dir.File("land.ini");
    std::string text = "[Informasjon]\r\nSatserGyldigFra=01.01.2011\r\n[Land]\r\n";
    for (int i = 0; i < 100000; ++i) {
        text += "Land nummer " + std::to_string(i) + "=450#" + std::to_string(i) + "\r\n";
        text += "XY=0#1\r\n";  // unusable keys between them
    }
    test::WriteFile(path, text);

    std::vector<CountryRate> c;
    std::string from;
    LoadCountries(c, from, path);
    EXPECT_EQ(c.size(), kMaxCountries);
    EXPECT_EQ(c.front().name, "Land nummer 0");
    EXPECT_EQ(c.back().name, "Land nummer 204");
    EXPECT_EQ(c.back().perDiemRate, 204);
    EXPECT_EQ(from, "01.01.2011");
}

TEST(Currencies, ListAndFactors) {
    EXPECT_EQ(kCurrencyCodes.front(), "NOK");
    EXPECT_EQ(kCurrencyCodes.back(), "Annen");
    const std::string_view perUnit[] = {"CAD", "IEP", "GBP", "USD", "EUR", "AED", "AUD",
                                        "HKD", "LTL", "LVL", "NZD", "PKR", "PLN", "SGD"};
    int quotedPerUnit = 0;
    for (std::string_view code : kCurrencyCodes) {
        bool expected =
            std::find(std::begin(perUnit), std::end(perUnit), code) != std::end(perUnit);
        EXPECT_DOUBLE_EQ(CurrencyFactor(code), expected ? 1.0 : 0.01) << code;
        quotedPerUnit += expected ? 1 : 0;
    }
    EXPECT_EQ(quotedPerUnit, 14);
    EXPECT_TRUE(IsNokCurrency("Nok kroner"));
    EXPECT_FALSE(IsNokCurrency("NO"));
    EXPECT_FALSE(IsNokCurrency(" NOK"));
}

}  // namespace
}  // namespace ferdix
