#include "rates/rate_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "calc/allowance_table.h"
#include "claim/rate_messages.h"
#include "rates/ini_file.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

TEST(RateTable, EntriesAgreeWithTheAllowanceLines) {
    RateTable t;
    std::set<std::string> keys;
    for (int i = 0; i < t.Size(); ++i) {
        const RateEntry& e = t.Entry(i);
        SCOPED_TRACE(i);
        keys.insert(e.key);
        EXPECT_EQ(e.value, 0.0f);
        if (i < 22) {
            EXPECT_EQ(e.line, i);
            EXPECT_EQ(e.key, kAllowanceLines[static_cast<std::size_t>(i)].rateKey);
        }
    }
    EXPECT_EQ(keys.size(), 24u);  // two keys serve two entries each
    EXPECT_EQ(t.Entry(kRateAdminAbroad).key, kAllowanceLines[AdminAllowanceAbroadRate].rateKey);
    EXPECT_EQ(t.Entry(kRateAdminAbroad).line, 26);
}

TEST(RateTable, LookUpsCompareKeysExactly) {
    RateTable t;
    EXPECT_EQ(t.EntriesWithKey("Kost ved overnatting utenlands ulegitimert"),
              (std::vector<int>{13, 14}));
    EXPECT_TRUE(t.EntriesWithKey("bil under 9000km").empty());
    EXPECT_EQ(t.FirstWithKey("Bil over 9000km "), nullptr);
    EXPECT_EQ(t.SetValueForKey("Kost ved overnatting utenlands", 600.0f),
              (std::vector<int>{9, 10}));
    EXPECT_EQ(t.Entry(10).value, 600.0f);
}

TEST(RateTable, LoadReadsEveryEntryFromItsKey) {
    IniDocument ini(
        "[Satser]\r\n"
        "Bil under 9000km=1,5\r\n"
        "bil over 9000KM=1.5\r\n"  // the file's key matches in any case
        "Kost ved overnatting utenlands=612\r\n"
        "Passasjertillegg=tja\r\n"
        "Lunsj= 175 kr\r\n");
    RateTable t;
    t.Load(ini);
    EXPECT_FLOAT_EQ(t.Entry(15).value, 1.5f);
    EXPECT_FLOAT_EQ(t.Entry(16).value, 1.5f);
    EXPECT_FLOAT_EQ(t.Entry(9).value, 612.0f);
    EXPECT_FLOAT_EQ(t.Entry(10).value, 612.0f);
    EXPECT_EQ(t.Entry(18).value, 0.0f);  // unreadable text
    EXPECT_FLOAT_EQ(t.Entry(kRateLunch).value, 175.0f);
    EXPECT_EQ(t.Entry(kRateAdmin).value, 0.0f);  // missing
    for (int i = 0; i < t.Size(); ++i) {
        EXPECT_EQ(t.Configured(i), t.Entry(i).value);
    }
    EXPECT_EQ(t.ValueText(15), "1,50");
    EXPECT_EQ(t.ValueText(kRateAdmin), "0,00");

    // Only positive configured rates are restored.
    t.SetValue(15, 4.0f);
    t.SetValue(kRateAdmin, 60.0f);
    t.RestoreConfiguredRates();
    EXPECT_FLOAT_EQ(t.Entry(15).value, 1.5f);
    EXPECT_FLOAT_EQ(t.Entry(kRateAdmin).value, 60.0f);
}

TEST(RateTable, LoadAndSaveFiles) {
    test::TempFolder dir;
    std::string path = dir.File("ferdix.ini");
    test::WriteFile(path,
                    "[Informasjon]\r\nSatserGyldigFra=01.03.2010\r\n[Satser]\r\n"
                    "Bil over 9000km=3.00\r\n");
    RateTable t;
    std::string from;
    LoadRates(t, from, path);
    EXPECT_EQ(from, "01.03.2010");
    EXPECT_FLOAT_EQ(t.Entry(16).value, 3.0f);

    t.SetValueForKey("Bil over 9000km", 3.5f);
    t.SetValueForKey("Kost ved overnatting utenlands", 600.0f);
    RatesSaveResult saved = SaveRates(t, path);
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_FLOAT_EQ(t.Configured(16), 3.0f);  // saving does not touch the configured copy

    IniDocument back;
    back.Load(path);
    EXPECT_EQ(back.GetString("Satser", "Bil over 9000km"), "3,50");
    EXPECT_EQ(back.GetString("Satser", "Kost ved overnatting utenlands"), "600,00");
    // Only the changed rates: one left as the file had it would shadow a file read after it.
    EXPECT_EQ(back.KeyNames("Satser"),
              (std::vector<std::string>{"Bil over 9000km", "Kost ved overnatting utenlands"}));

    RateTable again;
    LoadRates(again, from, path);
    for (int i = 0; i < t.Size(); ++i) {
        EXPECT_FLOAT_EQ(again.Entry(i).value, t.Entry(i).value) << i;
    }
}

// A section written twice: only the first is read, as on the platform, and a save adds the
// changed rate there alone; rates of 0 from the short first section never shadow the full one.
TEST(RateTable, SavingIntoARepeatedSectionWritesOnlyTheChangedRate) {
    test::TempFolder dir;
    std::string path = dir.File("ferdix.ini");
    const std::string full =
        "[Satser]\r\nBil under 9000km=3,65\r\nBil over 9000km=3,00\r\nPassasjertillegg=0,90\r\n"
        "Lunsj=175\r\n";
    test::WriteFile(
        path, "[Satser]\r\nLunsj=180\r\n[Informasjon]\r\nSatserGyldigFra=01.03.2010\r\n" + full);
    RateTable t;
    std::string from;
    LoadRates(t, from, path);
    EXPECT_EQ(t.Entry(kRateLunch).value, 180.0f);
    EXPECT_EQ(t.Entry(15).value, 0.0f);
    t.SetValueForKey("Bil over 9000km", 3.5f);
    ASSERT_TRUE(SaveRates(t, path).ok);
    EXPECT_EQ(test::ReadFile(path),
              "[Satser]\r\nLunsj=180\r\nBil over 9000km=3,50\r\n[Informasjon]\r\n"
              "SatserGyldigFra=01.03.2010\r\n" +
                  full);
}

TEST(RateTable, FailedSaveIsReportedNamingTheFile) {
    test::TempFolder dir;
    std::string path = dir.File("ferdix.ini");
    test::WriteFile(path, "[Satser]\r\nBil over 9000km=3,00\r\n");
    fs::permissions(path, fs::perms::owner_read);
    RateTable t;
    t.SetValueForKey("Bil over 9000km", 3.5f);

    RatesSaveResult r = SaveRates(t, path);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(path), std::string::npos);
    EXPECT_EQ(test::ReadFile(path), "[Satser]\r\nBil over 9000km=3,00\r\n");
    EXPECT_FLOAT_EQ(t.Entry(16).value, 3.5f);  // still in force for the run

    EXPECT_EQ(RatesNotSavedMessage(r).text.find(r.error), 0u);
    // The user's own folder is made on the first save; without one there is nowhere to save.
    EXPECT_TRUE(SaveRates(t, dir.File("missing/ferdix.ini")).ok);
    EXPECT_FALSE(SaveRates(t, "").ok);
}

TEST(RateTable, MessageBoxes) {
    RateTable t;
    t.Load(IniDocument("[Satser]\r\nFrokost=0\r\nLunsj=175\r\nMiddag=222,50\r\n"));

    MessageRequest b = MealRateMessage(kBokmal, t);
    EXPECT_EQ(b.caption, "Frokost/lunsj/middagssatser");
    EXPECT_EQ(b.text,
              "Satser for innlandsreiser:\n frokost: 0,00\n lunsj: 175,00\n middag: 222,50\n"
              "For utenlandsreiser, bruk\n 10% av kostsatsen for frokost,\n 40% for lunsj, og\n "
              "50% for middag.");
    EXPECT_EQ(b.buttons, MsgButtons::Ok);
    EXPECT_EQ(b.icon, MsgIcon::None);
    EXPECT_TRUE(b.ownedByForm);
    EXPECT_TRUE(b.foreground);

    MessageRequest n = MealRateMessage(kNynorsk, t);
    EXPECT_EQ(n.caption, "Frukost/lunsj/middagssatser");
    EXPECT_EQ(n.text,
              "Satser for innlandsreiser:\n frukost: 0,00\n lunsj: 175,00\n middag: 222,50\n"
              "For utanlandsreiser, bruk\n 10% av kostsatsen for frukost,\n 40% for lunsj, og\n "
              "50% for middag.");

    MessageRequest w = UpdateRatesWarning();
    EXPECT_EQ(w.caption, "Advarsel");
    EXPECT_EQ(w.text,
              "Kun innlandssatser vil bli oppdatert,\r\novernatting og kostsatser blir ikke "
              "oppdatert");
    EXPECT_EQ(w.icon, MsgIcon::Warning);
    EXPECT_EQ(w.buttons, MsgButtons::Ok);
    EXPECT_FALSE(w.ownedByForm);
}

}  // namespace
}  // namespace ferdix
