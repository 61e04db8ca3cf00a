#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "app/about_dlg.h"
#include "app/km_so_far_dlg.h"
#include "app/rates_dlg.h"
#include "base/version.h"
#include "support/shell_fixture.h"

namespace ferdix {
namespace {

using test::ReadFile;
using test::ShellFixture;
using test::WriteFile;

TEST(DialogTemplateTest, ControlsLieInsideTheirDialogWithDistinctIds) {
    for (const DialogTemplate* d :
         {&CRatesDlg::Template(), &CKmSoFarDlg::Template(), &CAboutDlg::Template()}) {
        DialogRect client{0, 0, d->cx, d->cy};
        std::set<int> ids;
        for (const DialogControl& c : d->controls) {
            EXPECT_TRUE(client.Contains(c.rect)) << d->resourceId << " " << c.id;
            if (c.id != kNoControlId) {
                EXPECT_TRUE(ids.insert(c.id).second) << d->resourceId << " " << c.id;
                EXPECT_EQ(FindDialogControl(*d, c.id), &c);
            }
        }
        // Exactly one button answers Enter.
        EXPECT_EQ(std::count_if(d->controls.begin(), d->controls.end(),
                                [](const DialogControl& c) {
                                    return c.kind == DialogControlKind::DefaultButton;
                                }),
                  1)
            << d->resourceId;
        EXPECT_EQ(FindDialogControl(*d, kNoControlId), nullptr);
    }
    EXPECT_EQ(FindDialogControl(CRatesDlg::Template(), kIdRatesChange)->text, "Endre");
    EXPECT_TRUE(FindDialogControl(CRatesDlg::Template(), kIdCancel)->hidden);
}

// ---------------------------------------------------------------------------------------------
// Rates dialog.

class RatesDialogTest : public ShellFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    std::array<float, kRateCount> Rates() const {
        std::array<float, kRateCount> values{};
        for (int i = 0; i < kRateCount; ++i) {
            values[static_cast<std::size_t>(i)] = doc->Rates().m_rates.Entry(i).value;
        }
        return values;
    }
    // Runs the dialog through the shell: the user picks a name, types a value, presses
    // "Endre", and ends with "Ferdig" (Ok) or the close box (Cancel).
    void ChangeRate(std::string_view name, std::string_view value, DialogResult end) {
        platform.ratesUser = [&](CRatesDlg& dlg) {
            dlg.OnSelChange(name);
            dlg.SetValueText(value);
            dlg.OnChange();
            return end;
        };
        app.Execute(kCmdRatesDialog);
    }
};

TEST_F(RatesDialogTest, ListShowsTheNineNamesSorted) {
    CRatesDlg dlg(*doc, app.View());
    std::vector<std::string> items = dlg.ListItems();
    ASSERT_EQ(items.size(), 9u);
    EXPECT_TRUE(std::is_permutation(items.begin(), items.end(), CRatesDlg::Names().begin()));
    EXPECT_EQ(items.front(), "Bil over 9000km");
    EXPECT_EQ(items[2], "Heim-arbeid skattepliktig");
    EXPECT_EQ(items.back(), "Ulegitimert nattillegg");
    EXPECT_EQ(CRatesDlg::Names().front(), "Bil under 9000km");
    EXPECT_EQ(dlg.InitialFocus(), kIdRatesChange);
    EXPECT_EQ(dlg.Selection(), "");
}

TEST_F(RatesDialogTest, SelectionShowsTheRateOrKeepsTheField) {
    CRatesDlg dlg(*doc, app.View());
    dlg.OnSelChange("Kost innenlands, >12timer");
    EXPECT_EQ(dlg.ValueText(), "445,00");
    dlg.OnSelChange("Passasjertillegg");
    EXPECT_EQ(dlg.ValueText(), "0,90");
    dlg.SetValueText("12,5");
    dlg.OnSelChange("Kursgodtgjørelse"_cp);
    EXPECT_EQ(dlg.Selection(), "Kursgodtgjørelse"_cp);
    EXPECT_EQ(dlg.ValueText(), "12,5");
    // A name that is not in the list changes nothing.
    dlg.OnSelChange("Bil");
    EXPECT_EQ(dlg.Selection(), "Kursgodtgjørelse"_cp);
}

TEST_F(RatesDialogTest, NamesWithoutARateAndNoSelectionChangeNoRate) {
    auto before = Rates();
    std::string ini = ReadFile(dir.File("ferdix.ini"));
    CRatesDlg dlg(*doc, app.View());
    dlg.SetValueText("7,00");
    dlg.OnChange();
    for (std::string_view name :
         {"Kursgodtgjørelse"_cp, std::string_view("Heim-arbeid skattepliktig")}) {
        dlg.OnSelChange(name);
        EXPECT_EQ(dlg.ValueText(), "7,00");
        dlg.OnChange();
    }
    EXPECT_EQ(Rates(), before);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Text(kIdHomeWorkTaxableRate), "1,50");
    EXPECT_EQ(ReadFile(dir.File("ferdix.ini")), ini);
}

TEST_F(RatesDialogTest, EndreSetsTheRateOnTheFormAtOnce) {
    doc->SetLineValue(16, kCountColumn, 100.0f);
    ChangeRate("Bil over 9000km", "3,50", DialogResult::Cancel);
    EXPECT_EQ(doc->Rates().m_rates.Entry(16).value, 3.5f);
    EXPECT_EQ(Text(kIdCarOver9000Rate), "3,50");
    EXPECT_EQ(doc->Claim().LineValue(16, kRateColumn), 3.5f);
    EXPECT_EQ(doc->Claim().LineValue(16, kAmountColumn), 350.0f);
    EXPECT_EQ(Text(kIdCarOver9000Amount), "350,00");
    EXPECT_EQ(host.LastStatus(), "Beløp: 350,00"_cp);
    // Only that rate changed.
    EXPECT_EQ(doc->Rates().m_rates.Entry(15).value, 3.65f);
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "3,65");

    // A rate finer than the field shows: the amount shown is the one stored.
    ChangeRate("Bil over 9000km", "3,557", DialogResult::Cancel);
    EXPECT_EQ(Text(kIdCarOver9000Rate), "3,56");
    EXPECT_EQ(doc->Claim().LineValue(16, kRateColumn), 3.557f);
    EXPECT_EQ(Text(kIdCarOver9000Amount), doc->Claim().LineValueText(16, kAmountColumn));
    EXPECT_EQ(Text(kIdCarOver9000Amount), "355,70");
}

TEST_F(RatesDialogTest, TheCloseBoxKeepsTheChangeForTheRunButSavesNothing) {
    std::string ini = ReadFile(dir.File("ferdix.ini"));
    ChangeRate("Bil over 9000km", "3,50", DialogResult::Cancel);
    EXPECT_EQ(ReadFile(dir.File("ferdix.ini")), ini);
    // A new claim of the same run gets the changed rate.
    host.answers.push_back(MsgAnswer::No);
    app.Execute(kCmdFileNew);
    EXPECT_EQ(Text(kIdCarOver9000Rate), "3,50");
    EXPECT_EQ(doc->Claim().LineValue(16, kRateColumn), 3.5f);
}

// "Ferdig" writes the changed rates into the user's own ferdix.ini, made with its folder on the
// first save; the file beside the program is never written, and the next start reads the saved
// rate over it.
TEST_F(RatesDialogTest, FerdigWritesTheChangedRatesIntoTheUsersOwnFile) {
    const std::string shared = ReadFile(dir.File("ferdix.ini"));
    ChangeRate("Bil over 9000km", "3,50", DialogResult::Ok);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(dir.File("ferdix.ini")), shared);
    EXPECT_EQ(ReadFile(dir.File("config/ferdix.ini")),
              "[Satser]\r\nBil over 9000km=3,50\r\n[Informasjon]\r\n"
              "KontoretsSatserGyldigFra=01.03.2010\r\n");

    // Read back at the next start.
    test::FakeHost nextHost;
    test::FakeShellPlatform nextPlatform;
    MemoryControls nextControls(FormTemplate());
    CFerdixApp next(nextHost, nextPlatform, nextControls, clock, &ticks);
    nextControls.SetEvents(&next.FormEvents());
    ASSERT_TRUE(next.InitInstance({dir.File("ferdix"), "", dir.File("config"), ""}));
    for (int i = 0; i < kRateCount; ++i) {
        EXPECT_EQ(next.Document()->Rates().m_rates.Entry(i).value,
                  doc->Rates().m_rates.Entry(i).value)
            << i;
    }
    EXPECT_EQ(Cp1252ToUtf8(nextControls.GetText(kIdCarOver9000Rate)), "3,50");
    EXPECT_TRUE(nextHost.messages.empty());  // saved against the date in force: no question
}

TEST_F(RatesDialogTest, AFailedSaveIsReported) {
    std::filesystem::create_directories(dir.File("config/ferdix.ini"));  // where the file belongs
    ChangeRate("Kost innenlands, >12timer", "500", DialogResult::Ok);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Advarsel");
    EXPECT_NE(host.messages[0].text.find(dir.File("config/ferdix.ini")), std::string::npos);
    // The change holds for the run.
    EXPECT_EQ(Text(kIdDayDomesticOver12hRate), "500,00");
    EXPECT_EQ(doc->Claim().LineValue(4, kRateColumn), 500.0f);
}

// ---------------------------------------------------------------------------------------------
// Kilometres so far.

struct KmCase {
    const char* text;
    std::optional<std::uint32_t> accepted;
    const char* refusal;
};

TEST(KmSoFarDialogTest, AcceptsWholeNumbersFrom0To65535) {
    const char* kPositive = "Please enter a positive integer.";
    const char* kRange = "Please enter an integer between 0 and 65535.";
    const KmCase cases[] = {
        {"0", 0u, ""},
        {"65535", 65535u, ""},
        {" 12 ", 12u, ""},
        {"+7", 7u, ""},
        {"0012", 12u, ""},
        {"65536", std::nullopt, kRange},
        {"4294967296", std::nullopt, kRange},
        {"99999999999999999999", std::nullopt, kRange},
        {"-1", std::nullopt, kPositive},
        {"-0", std::nullopt, kPositive},
        {"abc", std::nullopt, kPositive},
        {"12a", std::nullopt, kPositive},
        {"1 2", std::nullopt, kPositive},
        {"1,5", std::nullopt, kPositive},
        {"", std::nullopt, kPositive},
        {"  ", std::nullopt, kPositive},
    };
    for (const KmCase& c : cases) {
        test::FakeHost host;
        CKmSoFarDlg dlg(300, &host);
        dlg.SetFieldText(c.text);
        bool ok = dlg.OnOk();
        EXPECT_EQ(ok, c.accepted.has_value()) << c.text;
        if (c.accepted) {
            EXPECT_EQ(dlg.Value(), *c.accepted) << c.text;
            EXPECT_TRUE(host.messages.empty()) << c.text;
        } else {
            EXPECT_EQ(dlg.Value(), 300u) << c.text;
            ASSERT_EQ(host.messages.size(), 1u) << c.text;
            EXPECT_EQ(host.messages[0].text, c.refusal) << c.text;
            EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation) << c.text;
            EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok) << c.text;
            EXPECT_EQ(dlg.FocusControl(), kIdKmSoFar);
        }
    }
}

TEST(KmSoFarDialogTest, ShowsTheCurrentFigure) {
    CKmSoFarDlg dlg(70000, nullptr);
    EXPECT_EQ(dlg.FieldText(), "70000");
    EXPECT_EQ(dlg.FocusControl(), kIdKmSoFar);
    EXPECT_EQ(CKmSoFarDlg::Template().title, "Km hittil i år"_cp);
    // A figure beyond the range, from an old profile, must be corrected before OK.
    EXPECT_FALSE(dlg.OnOk());
}

class KmSoFarShellTest : public ShellFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(KmSoFarShellTest, OkStoresWritesTheProfileAndSplitsTheCarKilometres) {
    controls.Type(kIdTravelFrom, "Oslo");
    controls.Type(kIdTravelTo, "Bergen");
    controls.Type(kIdTravelMeans, "Bil");
    controls.Type(kIdTravelKm, "300");
    controls.Click(kIdTravelRegister);
    ASSERT_EQ(doc->Claim().LineValue(15, kCountColumn), 300.0f);

    std::vector<std::string> shown;
    platform.kmUser = [&](CKmSoFarDlg& dlg) {
        shown.push_back(dlg.FieldText());
        dlg.SetFieldText("70000");
        EXPECT_FALSE(dlg.OnOk());  // stays open
        dlg.SetFieldText("8800");
        return dlg.OnOk() ? DialogResult::Ok : DialogResult::Cancel;
    };
    app.Execute(kCmdKmSoFar);
    EXPECT_EQ(shown, std::vector<std::string>{"0"});
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(doc->Claim().Traveller().KmSoFar(), 8800u);
    EXPECT_EQ(doc->Claim().LineValue(15, kCountColumn), 200.0f);
    EXPECT_EQ(doc->Claim().LineValue(16, kCountColumn), 100.0f);
    EXPECT_TRUE(controls.IsEnabled(kIdCarOver9000Count));
    EXPECT_NE(ReadFile(dir.File("config/reisende.ini")).find("Km hittil i år=8800"_cp),
              std::string::npos);

    // The dialog opens with the stored figure; Avbryt changes nothing.
    doc->SetModified(false);
    platform.kmUser = [&](CKmSoFarDlg& dlg) {
        shown.push_back(dlg.FieldText());
        dlg.SetFieldText("0");
        return DialogResult::Cancel;
    };
    app.Execute(kCmdKmSoFar);
    EXPECT_EQ(shown.back(), "8800");
    EXPECT_EQ(doc->Claim().Traveller().KmSoFar(), 8800u);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Claim().LineValue(15, kCountColumn), 200.0f);
}

TEST_F(KmSoFarShellTest, From9000OnEveryCarKilometreIsOver9000) {
    platform.kmUser = [](CKmSoFarDlg& dlg) {
        dlg.SetFieldText("9000");
        return dlg.OnOk() ? DialogResult::Ok : DialogResult::Cancel;
    };
    app.Execute(kCmdKmSoFar);
    EXPECT_EQ(doc->Claim().Traveller().KmSoFar(), 9000u);
    EXPECT_FALSE(controls.IsEnabled(kIdCarUpTo9000Count));
    EXPECT_EQ(controls.GetText(kIdCarUpTo9000Count), "");
    EXPECT_TRUE(doc->IsModified());
}

// ---------------------------------------------------------------------------------------------
// About box.

TEST(AboutDialogTest, ShowsTheVersionAndTheValidityDates) {
    for (int standard : {kBokmal, kNynorsk}) {
        CAboutDlg dlg(standard, "01.03.2010", "01.01.2011");
        EXPECT_EQ(dlg.Title(), "Om Ferdix 2.3");
        EXPECT_EQ(dlg.VersionLine(), "Ferdix versjon " + VersionText());
        EXPECT_EQ(dlg.DomesticRatesLine(), "Innlandsatser sist oppdatert: 01.03.2010");
        EXPECT_EQ(dlg.AbroadRatesLine(), "Satser relatert til utland sist oppdatert: 01.01.2011");
    }
    CAboutDlg missing(kBokmal, "", "");
    EXPECT_EQ(missing.DomesticRatesLine(), "Feil konfigurasjon av satser");
    EXPECT_EQ(missing.AbroadRatesLine(), "Feil konfigurasjon av land-satser");
    // The template holds the same texts until the box is filled.
    EXPECT_EQ(FindDialogControl(CAboutDlg::Template(), kIdAboutDomesticRates)->text,
              missing.DomesticRatesLine());
    EXPECT_EQ(FindDialogControl(CAboutDlg::Template(), kIdAboutAbroadRates)->text,
              missing.AbroadRatesLine());
}

class AboutShellTest : public ShellFixture {};

TEST_F(AboutShellTest, TellsWhichRateFileLacksItsDate) {
    WriteFile(dir.File("ferdix.ini"), "[Satser]\r\nBil under 9000km=3,65\r\n");
    ASSERT_TRUE(Start());
    app.Execute(kCmdAppAbout);
    ASSERT_EQ(platform.aboutTexts.size(), 5u);
    EXPECT_EQ(platform.aboutTexts[2], "Feil konfigurasjon av satser");
    EXPECT_EQ(platform.aboutTexts[3], "Satser relatert til utland sist oppdatert: 01.01.2011");
}

// An office sees where the rates come from: the files read, in the order they are looked in.
TEST_F(AboutShellTest, NamesTheFilesInForceInLookupOrder) {
    std::filesystem::create_directories(dir.File("config"));
    WriteFile(dir.File("config/ferdix.ini"),
              "[Satser]\r\nBil under 9000km=4,00\r\n[Informasjon]\r\n"
              "KontoretsSatserGyldigFra=01.03.2010\r\n");
    WriteFile(dir.File("config/land.ini"), "");
    std::filesystem::remove(dir.File("land.ini"));
    ASSERT_TRUE(Start());
    app.Execute(kCmdAppAbout);
    ASSERT_EQ(platform.aboutTexts.size(), 5u);
    EXPECT_EQ(Cp1252ToUtf8(platform.aboutTexts[4]),
              "Satsene og innstillingene hentes fra (den første filen som har en verdi, "
              "gjelder):\n" +
                  dir.File("config/ferdix.ini") + "\n" + dir.File("ferdix.ini") + "\n" +
                  dir.File("config/land.ini"));
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "4,00");

    EXPECT_EQ(Cp1252ToUtf8(CAboutDlg(kNynorsk, "", "", {}).FilesText()),
              "Inga fil med satser er funnen.");
}

}  // namespace
}  // namespace ferdix
