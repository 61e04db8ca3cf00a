#include "form/ferdix_view.h"
#include "form/control_ids.h"
#include "form/field_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <sstream>

#include "calc/allowance_table.h"
#include "claim/claim_file.h"
#include "form/form_template.h"
#include "support/form_fixture.h"

namespace ferdix {
namespace {

using test::FormFixture;

class FormTest : public FormFixture {};

TEST_F(FormTest, NewClaimShowsEveryRateAndIsNotModified) {
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(Text(kIdAdminAllowanceRate), "60,00");
    EXPECT_EQ(Text(kIdDayDomesticOver12hRate), "445,00");
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "3,65");
    EXPECT_EQ(Text(kIdPassengerSupplementRate), "0,90");
    EXPECT_EQ(Text(kIdNightAbroad1Rate), "350,00");
    EXPECT_EQ(Text(kIdNightAbroad2Rate), "350,00");
    // Every line with a rate field took its rate through the field's binding.
    for (int line = 0; line <= 21; ++line) {
        const AllowanceLineFields& info = AllowanceFields(line);
        ASSERT_NE(info.rateField, 0);
        EXPECT_EQ(controls.GetText(info.rateField), doc.Claim().LineValueText(line, kRateColumn))
            << line;
        EXPECT_GT(doc.Claim().LineValue(line, kRateColumn), 0.0f) << line;
        EXPECT_EQ(doc.Claim().LineValue(line, kAmountColumn), 0.0f) << line;
    }
    EXPECT_EQ(controls.GetText(kIdTravelCurrency), "NOK");
    EXPECT_EQ(controls.GetText(kIdOutlayCurrency), "NOK");
    EXPECT_TRUE(controls.IsChecked(kIdTripOfficial));  // the new claim's trip kind
    EXPECT_TRUE(controls.IsChecked(kIdHotel));
    EXPECT_TRUE(controls.IsChecked(kIdAdminDomestic));
    EXPECT_TRUE(controls.IsChecked(kIdOvernight));
    EXPECT_EQ(host.LastStatus(), "Beløp: 0,00"_cp);
}

TEST_F(FormTest, TypingACountShowsTheAmountAndTheTotal) {
    ASSERT_TRUE(controls.Type(kIdDayDomesticOver12hCount, "2"));
    EXPECT_EQ(Text(kIdDayDomesticOver12hAmount), "890,00");
    EXPECT_EQ(host.LastStatus(), "Beløp: 890,00"_cp);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");
    controls.Type(kIdDayDomesticOver12hCount, "2,5");
    EXPECT_EQ(Text(kIdDayDomesticOver12hAmount), "1112,50");
    controls.Type(kIdDayDomesticOver12hRate, "100");
    EXPECT_EQ(Text(kIdDayDomesticOver12hAmount), "250,00");
    // A typed rate on line 22 and a typed deduction.
    controls.Type(kIdOtherAllowanceCount, "1");
    controls.Type(kIdOtherAllowanceRate, "40");
    TypeAndLeave(kIdMealDeductionNoOvernightAmount, "12,5");
    EXPECT_EQ(Text(kIdMealDeductionNoOvernightAmount), "12,50");
    EXPECT_FLOAT_EQ(doc.Claim().NetAmount(), 250.0f + 40.0f - 12.5f);
    TypeAndLeave(kIdAdvanceAmount, "1000");
    EXPECT_EQ(host.LastStatus(), "Beløp: -722,50"_cp);
}

TEST_F(FormTest, PickingACountryWritesItsRates) {
    controls.Pick(kIdDayCountry, "Kenya");
    EXPECT_EQ(Text(kIdDayAbroadOver12hRate), "580,00");
    EXPECT_EQ(Text(kIdDayAbroad6to12hRate), "390,00");
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(DayAbroadOver12h, kRateColumn), 580.0f);
    EXPECT_EQ(doc.Claim().AbroadDayCountry(), "");  // the day country is stored on leaving
    controls.Leave(kIdDayCountry);
    EXPECT_EQ(doc.Claim().AbroadDayCountry(), "Kenya");

    controls.Pick(kIdNightCountry1, "Østerrike"_cp);
    EXPECT_EQ(Text(kIdOvernightAbroad1Rate), "601,00");
    EXPECT_EQ(doc.Claim().AbroadNightCountry1(), "Østerrike"_cp);
    controls.Pick(kIdUnverifiedCountry2, "Sverige");
    EXPECT_EQ(Text(kIdNightAbroad2Rate), "450,00");
    EXPECT_EQ(doc.Claim().UnverifiedNightCountry2(), "Sverige");

    // A typed name that is no country is stored but changes no rate.
    controls.Type(kIdNightCountry2, "Atlantis");
    EXPECT_EQ(doc.Claim().AbroadNightCountry2(), "Atlantis");
    EXPECT_EQ(Text(kIdOvernightAbroad2Rate), "600,00");
    // Names of two characters never reach the lists.
    for (int id : {kIdDayCountry, kIdNightCountry1, kIdNightCountry2, kIdUnverifiedCountry1,
                   kIdUnverifiedCountry2}) {
        EXPECT_EQ(controls.Items(id).size(), 3u) << id;
    }
}

TEST_F(FormTest, AdministrativeRowDomesticOrAbroad) {
    controls.Click(kIdAdminAbroad);
    EXPECT_EQ(Text(kIdAdminAllowanceRate), "80,00");
    controls.Click(kIdAdminDomestic);
    controls.Type(kIdAdminAllowanceCount, "2");
    EXPECT_EQ(Text(kIdAdminAllowanceAmount), "120,00");
}

TEST_F(FormTest, TravelLinesSplitTheCarKilometres) {
    doc.ChangeTraveller(&CTraveller::SetKmSoFar, 8800);
    auto leg = [&](const char* date, const char* time, const char* from, const char* to,
                   const char* arrival, const char* means, const char* km) {
        TypeAndLeave(kIdTravelDate, date);
        TypeAndLeave(kIdTravelTime, time);
        TypeAndLeave(kIdTravelFrom, from);
        TypeAndLeave(kIdTravelArrival, arrival);
        TypeAndLeave(kIdTravelTo, to);
        TypeAndLeave(kIdTravelMeans, means);
        TypeAndLeave(kIdTravelKm, km);
        controls.Click(kIdTravelRegister);
    };
    leg("05.03.06", "0800", "Oslo", "Hamar", "1000", "Bil", "120");
    EXPECT_EQ(Text(kIdTravelFrom), "Hamar");
    EXPECT_EQ(Text(kIdTravelTime), "10:00");
    EXPECT_EQ(Text(kIdTravelArrival), "");
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "120");
    EXPECT_FALSE(controls.IsEnabled(kIdCarOver9000Count));
    leg("05.03.06", "1000", "Hamar", "Lillehammer", "1200", "Bil", "180");
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "200");
    EXPECT_EQ(Text(kIdCarOver9000Count), "100");
    EXPECT_TRUE(controls.IsEnabled(kIdCarOver9000Count));
    EXPECT_EQ(Text(kIdCarUpTo9000Amount), "730,00");
    EXPECT_EQ(Text(kIdCarOver9000Amount), "300,00");
    ASSERT_EQ(controls.RowCount(kIdTravelList), 2);
    EXPECT_EQ(controls.Rows(kIdTravelList)[0][2], "Oslo");

    // Taking back the second leg gives its kilometres back at once.
    controls.SelectRow(kIdTravelList, 1);
    EXPECT_TRUE(view.IsCommandEnabled(kCmdEditTravelLine));
    view.Execute(kCmdEditTravelLine);
    EXPECT_EQ(Text(kIdTravelFrom), "Hamar");
    EXPECT_EQ(Text(kIdTravelTo), "Lillehammer");
    EXPECT_EQ(Text(kIdTravelKm), "180");
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "120");
    EXPECT_EQ(doc.Claim().LineValue(CarOver9000, kCountColumn), 0.0f);
    EXPECT_FALSE(view.IsCommandEnabled(kCmdEditTravelLine));
    controls.Click(kIdTravelRegister);
    EXPECT_EQ(Text(kIdCarOver9000Count), "100");
    EXPECT_EQ(controls.RowCount(kIdTravelList), 2);

    // Other vehicles go to line 19, and an uncommon means becomes the other-means text.
    leg("06.03.06", "0900", "Lillehammer", "Gjøvik", "1000", "Motorsykkel", "40");
    EXPECT_EQ(Text(kIdOtherOwnTransportCount), "40");
    EXPECT_EQ(doc.Claim().OtherTransport(), "Motorsykkel");
}

TEST_F(FormTest, LiveConversionAndCurrencyHandling) {
    controls.Pick(kIdTravelCurrency, "SEK");
    controls.Leave(kIdTravelCurrency);
    EXPECT_TRUE(controls.IsEnabled(kIdTravelAmount));
    EXPECT_FALSE(controls.IsEnabled(kIdTravelSum));
    controls.Type(kIdTravelAmount, "1000");
    controls.Type(kIdTravelRate, "80");
    EXPECT_EQ(Text(kIdTravelSum), "800,00");

    controls.Type(kIdOutlayCurrency, "EUR");
    EXPECT_FALSE(controls.IsEnabled(kIdOutlaySum));
    controls.Type(kIdOutlayAmount, "100");
    controls.Type(kIdOutlayRate, "8,5");
    EXPECT_EQ(Text(kIdOutlaySum), "850,00");
    controls.Type(kIdOutlayCurrency, "nok");
    EXPECT_FALSE(controls.IsEnabled(kIdOutlayAmount));
    EXPECT_TRUE(controls.IsEnabled(kIdOutlaySum));
    controls.Leave(kIdOutlayCurrency);
    EXPECT_EQ(controls.GetFocus(), kIdOutlaySum);

    // A car leg has no sum of its own.
    controls.Type(kIdTravelSum, "99");
    TypeAndLeave(kIdTravelMeans, "bil");
    EXPECT_EQ(Text(kIdTravelSum), "");
    EXPECT_FALSE(controls.IsEnabled(kIdTravelSum));
    EXPECT_FALSE(controls.IsEnabled(kIdTravelCurrency));
}

// Forwards the controls' events to the form and notes every leave raised while another is
// still being handled.
struct NestedLeaveSpy : IFormEvents {
    explicit NestedLeaveSpy(IFormEvents& events) : form(events) {}
    void OnChange(int id) override { form.OnChange(id); }
    void OnLeave(int id) override {
        ++leaves;
        if (depth > 0) {
            nested.push_back(id);
        }
        ++depth;
        form.OnLeave(id);
        --depth;
    }
    void OnClick(int id) override { form.OnClick(id); }
    void OnSelChange(int id) override { form.OnSelChange(id); }
    void OnDoubleClick(int id) override { form.OnDoubleClick(id); }
    IFormEvents& form;
    int leaves = 0;
    int depth = 0;
    std::vector<int> nested;
};

TEST_F(FormTest, LeavingTheTravelCurrencyEnablesBeforeItMovesTheFocus) {
    struct Case {
        const char* name;
        std::vector<const char*> codesBefore;  // typed and left first
        bool carLegInEuros;                    // a car leg in EUR taken back first
        const char* code;
        int focus;
        bool amount, rate, sum, currency;
    };
    const Case cases[] = {
        {"foreign after NOK", {"NOK"}, false, "EUR", kIdTravelAmount, true, true, false, true},
        {"NOK after foreign", {"EUR"}, false, "NOK", kIdTravelSum, false, false, true, true},
        {"lower-case nok is foreign",
         {"NOK"},
         false,
         "nok",
         kIdTravelAmount,
         true,
         true,
         false,
         true},
        {"car leg", {}, true, "EUR", kIdTravelRegister, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        NestedLeaveSpy spy(view);
        controls.SetEvents(&spy);
        for (const char* before : c.codesBefore) {
            ASSERT_TRUE(controls.Type(kIdTravelCurrency, before));
            controls.Leave(kIdTravelCurrency);
        }
        if (c.carLegInEuros) {
            TypeAndLeave(kIdTravelMeans, "Fly");
            controls.Pick(kIdTravelCurrency, "EUR");
            controls.Leave(kIdTravelCurrency);
            controls.Type(kIdTravelAmount, "10");
            controls.Click(kIdTravelRegister);
            std::unique_ptr<CTravelLine> leg = doc.RemoveTravelLine(0);
            leg->SetTransport("Bil");
            doc.AddTravelLine(std::move(leg));
            controls.DoubleClickRow(kIdTravelList, 0);
        }
        ASSERT_TRUE(controls.Type(kIdTravelCurrency, c.code));
        controls.Leave(kIdTravelCurrency);
        EXPECT_EQ(controls.GetFocus(), c.focus);
        EXPECT_EQ(controls.IsEnabled(kIdTravelAmount), c.amount);
        EXPECT_EQ(controls.IsEnabled(kIdTravelRate), c.rate);
        EXPECT_EQ(controls.IsEnabled(kIdTravelSum), c.sum);
        EXPECT_EQ(controls.IsEnabled(kIdTravelCurrency), c.currency);
        EXPECT_EQ(spy.nested, std::vector<int>{});
        controls.SetEvents(&view);
    }
}

TEST_F(FormTest, OutlaysRegisterInDateOrderAndComeBack) {
    TypeAndLeave(kIdOutlayDate, "6.3.06");
    EXPECT_EQ(Text(kIdOutlayDate), "06.03.06");
    TypeAndLeave(kIdOutlayText, "Hotell");
    TypeAndLeave(kIdOutlaySum, "1200");
    controls.Click(kIdOutlayRegister);
    EXPECT_EQ(Text(kIdOutlayText), "");
    EXPECT_EQ(Text(kIdOutlayDate), "06.03.06");
    TypeAndLeave(kIdOutlayDate, "05.03.06");
    TypeAndLeave(kIdOutlayText, "Taxi");
    TypeAndLeave(kIdOutlaySum, "250");
    controls.Click(kIdOutlayRegister);
    ASSERT_EQ(controls.RowCount(kIdOutlayList), 2);
    EXPECT_EQ(controls.Rows(kIdOutlayList)[0][1], "Taxi");
    EXPECT_EQ(host.LastStatus(), "Beløp: 1450,00"_cp);

    controls.DoubleClickRow(kIdOutlayList, 1);
    EXPECT_EQ(Text(kIdOutlayText), "Hotell");
    EXPECT_EQ(Text(kIdOutlaySum), "1200,00");
    EXPECT_EQ(controls.RowCount(kIdOutlayList), 1);
    EXPECT_EQ(host.LastStatus(), "Beløp: 250,00"_cp);
    TypeAndLeave(kIdOutlayDate, "bad date");
    EXPECT_EQ(Text(kIdOutlayDate), "");
}

TEST_F(FormTest, WrittenStandardRelabelsAndComesBack) {
    view.Execute(kCmdNynorsk);
    EXPECT_EQ(locale.standard, kNynorsk);
    EXPECT_TRUE(view.IsCommandChecked(kCmdNynorskToolbar));
    EXPECT_FALSE(view.IsCommandChecked(kCmdBokmal));
    EXPECT_EQ(Text(kIdNameLabel), "Namn");
    EXPECT_EQ(Text(kIdTravelAmountLabel), "Sum");
    EXPECT_EQ(Text(kIdCountHead), "Kor mange");
    EXPECT_EQ(Text(kIdTripOfficial), "Tenestereise");
    EXPECT_EQ(host.LastStatus(), "Sum: 0,00");
    view.Execute(kCmdBokmalToolbar);
    EXPECT_EQ(Text(kIdNameLabel), "Navn");
    EXPECT_EQ(Text(kIdTravelAmountLabel), "Beløp");
    EXPECT_EQ(Text(kIdTravelSumLabel), "Sum");  // its first text was "Beløp"
    EXPECT_EQ(Text(kIdCountHead), "Antall");
    EXPECT_EQ(Text(kIdTripOfficial), "Tjenestereise");
    // Every switch is remembered in the traveller's profile section.
    EXPECT_NE(test::ReadFile(files.profile).find("Oppstartingsspråk=bokmål"_cp), std::string::npos);
}

TEST_F(FormTest, TravellerFieldsAreNormalisedOnLeaving) {
    TypeAndLeave(kIdPostcode, "150");
    EXPECT_EQ(Text(kIdPostcode), "0150");
    TypeAndLeave(kIdEmployeeNumber, "999999");
    TypeAndLeave(kIdEmployeeNumber, "1000000");
    EXPECT_EQ(Text(kIdEmployeeNumber), "999999");
    TypeAndLeave(kIdMunicipalityNumber, "301");
    EXPECT_EQ(Text(kIdMunicipalityNumber), "0301");
    TypeAndLeave(kIdTaxPercent, "36,5");
    EXPECT_EQ(Text(kIdTaxPercent), "36.5");
    EXPECT_FLOAT_EQ(doc.Claim().Traveller().TaxPercent(), 36.5f);
    TypeAndLeave(kIdPersonId, "010203-12345");
    EXPECT_EQ(Text(kIdPersonId), "010203 12345");
    TypeAndLeave(kIdName, "Kari Nordmann");
    EXPECT_EQ(doc.Claim().Traveller().Name(), "Kari Nordmann");
}

TEST_F(FormTest, DatesAndTimesOfTheTrip) {
    TypeAndLeave(kIdDepartureTime, "0800");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Utreisedato må være satt"_cp);
    EXPECT_EQ(Text(kIdDepartureTime), "");
    TypeAndLeave(kIdDepartureDate, "5.3.06");
    EXPECT_EQ(Text(kIdDepartureDate), "05.03.06");
    TypeAndLeave(kIdDepartureTime, "0800");
    EXPECT_EQ(Text(kIdDepartureTime), "08:00");
    TypeAndLeave(kIdDepartureDate, "abc");
    EXPECT_EQ(host.messages.back().text, "Feil i datoformat");
    EXPECT_EQ(Text(kIdDepartureDate), "");
    EXPECT_EQ(Text(kIdDepartureTime), "");

    TypeAndLeave(kIdWrittenDate, "8.12.26");
    EXPECT_EQ(Text(kIdWrittenDate), "08.12.26");
    TypeAndLeave(kIdWrittenDate, "i dag");
    EXPECT_EQ(Text(kIdWrittenDate), "i dag");
}

TEST_F(FormTest, TripKindAndLodging) {
    controls.Click(kIdTripOther);
    EXPECT_EQ(doc.Claim().TripKind(), 2);
    EXPECT_TRUE(controls.IsEnabled(kIdTripOtherText));
    EXPECT_EQ(controls.GetFocus(), kIdTripOtherText);
    controls.Click(kIdTripCourse);
    EXPECT_FALSE(controls.IsEnabled(kIdTripOtherText));
    EXPECT_EQ(doc.Claim().TripKind(), 0);

    controls.Click(kIdOvernight);  // uncheck "Overnatting"
    EXPECT_EQ(view.Overnight(), 0);
    EXPECT_EQ(doc.Claim().LodgingKind(), 3);
    EXPECT_FALSE(controls.IsEnabled(kIdHotel));
    view.RefreshForm();
    EXPECT_FALSE(controls.IsChecked(kIdOvernight));
    EXPECT_TRUE(controls.IsChecked(kIdLodgingOther));
    controls.Click(kIdOvernight);
    controls.Click(kIdBoardingHouse);
    EXPECT_EQ(doc.Claim().LodgingKind(), 1);
}

TEST_F(FormTest, CommandsOfTheForm) {
    EXPECT_FALSE(view.IsCommandEnabled(kCmdPaste));
    controls.SetClipboard("x");
    EXPECT_TRUE(view.IsCommandEnabled(kCmdPaste));

    controls.SetViewport(600, 2000);
    view.Execute(kCmdScrollDown);
    EXPECT_EQ(controls.ScrollPosition(), 300);
    for (int i = 0; i < 10; ++i)
        view.Execute(kCmdScrollDown);
    EXPECT_EQ(controls.ScrollPosition(), 1400);
    view.Execute(kCmdScrollUp);
    EXPECT_EQ(controls.ScrollPosition(), 1100);

    controls.Click(kIdMealInfo1);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().caption, "Frokost/lunsj/middagssatser");
    EXPECT_NE(host.messages.back().text.find(" middag: 222,50"), std::string::npos);
}

TEST_F(FormTest, UpdateRatesKeepsFieldsWhoseRateIsZero) {
    controls.Type(kIdDayDomesticOver12hRate, "999");
    controls.Type(kIdLongStayBoardAmount,
                  "5");  // not a rate field: the amount of line 20 is read-only anyway
    view.Execute(kCmdUpdateRates);
    EXPECT_EQ(host.messages.back().caption, "Advarsel");
    EXPECT_EQ(Text(kIdDayDomesticOver12hRate), "445,00");
}

TEST_F(FormTest, KilometresSoFarFromTheDialog) {
    doc.ChangeTraveller(&CTraveller::SetKmSoFar, 100);
    TypeAndLeave(kIdTravelDate, "05.03.06");
    TypeAndLeave(kIdTravelMeans, "Bil");
    TypeAndLeave(kIdTravelKm, "300");
    controls.Click(kIdTravelRegister);
    viewHost.answers.push_back(9000u);
    view.Execute(kCmdKmSoFar);
    EXPECT_EQ(viewHost.asked, (std::vector<std::uint32_t>{100}));
    EXPECT_EQ(doc.Claim().Traveller().KmSoFar(), 9000u);
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "");
    EXPECT_FALSE(controls.IsEnabled(kIdCarUpTo9000Count));
    EXPECT_EQ(Text(kIdCarOver9000Count), "300");
    viewHost.answers.push_back(std::nullopt);
    view.Execute(kCmdKmSoFar);
    EXPECT_EQ(doc.Claim().Traveller().KmSoFar(), 9000u);
}

TEST_F(FormTest, TypedCarKilometresSplitOnLeaving) {
    doc.ChangeTraveller(&CTraveller::SetKmSoFar, 8800);
    TypeAndLeave(kIdCarUpTo9000Count, "500");
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "200");
    EXPECT_EQ(Text(kIdCarOver9000Count), "300");
    EXPECT_TRUE(controls.IsEnabled(kIdCarOver9000Count));
    // A refresh keeps typed kilometres although no leg carries them.
    view.RefreshForm();
    EXPECT_EQ(Text(kIdCarOver9000Count), "300");
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(CarOver9000, kCountColumn), 300.0f);
}

// Without car kilometres on the legs the kilometres typed on lines 15 and 16 are the trip's car
// kilometres, and a new figure of kilometres so far splits them again; a refresh agrees.
TEST_F(FormTest, NewKilometresSoFarSplitTypedCarKilometresWithoutCarLegs) {
    struct Case {
        const char* name;
        bool fromProfile;  // else from the dialog
        std::uint32_t kmSoFar;
        const char* trainKm;  // a leg by train first, when given
        const char* line15;
        const char* line16;
        bool line15Enabled, line16Enabled;
        bool carLegWithoutKm = false;
    };
    const Case cases[] = {
        {"dialog", false, 8800, nullptr, "200", "300", true, true},
        {"profile", true, 8800, nullptr, "200", "300", true, true},
        {"dialog, below the threshold", false, 100, nullptr, "500", "", true, false},
        {"profile, over the threshold already", true, 9000, nullptr, "", "500", false, true},
        {"dialog, with a leg by train", false, 8800, "40", "200", "300", true, true},
        {"dialog, with a car leg of no kilometres", false, 8800, nullptr, "200", "300", true, true,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        if (c.trainKm) {
            TypeAndLeave(kIdTravelMeans, "Tog");
            TypeAndLeave(kIdTravelKm, c.trainKm);
            controls.Click(kIdTravelRegister);
        }
        if (c.carLegWithoutKm) {
            TypeAndLeave(kIdTravelMeans, "Bil");
            controls.Click(kIdTravelRegister);
        }
        TypeAndLeave(kIdCarUpTo9000Count, "500");
        ASSERT_FLOAT_EQ(doc.Claim().LineValue(CarUpTo9000, kCountColumn), 500.0f);
        if (c.fromProfile) {
            test::WriteFile(files.profile, std::string("[010203 12345]\r\nKm hittil i år="_cp) +
                                               std::to_string(c.kmSoFar) + "\r\n");
            TypeAndLeave(kIdPersonId, "01020312345");
        } else {
            viewHost.answers.push_back(c.kmSoFar);
            view.Execute(kCmdKmSoFar);
        }
        EXPECT_EQ(doc.Claim().Traveller().KmSoFar(), c.kmSoFar);
        for (bool refreshed : {false, true}) {
            SCOPED_TRACE(refreshed ? "refreshed" : "split");
            if (refreshed) {
                view.RefreshForm();
            }
            EXPECT_EQ(Text(kIdCarUpTo9000Count), c.line15);
            EXPECT_EQ(Text(kIdCarOver9000Count), c.line16);
            EXPECT_EQ(controls.IsEnabled(kIdCarUpTo9000Count), c.line15Enabled);
            EXPECT_EQ(controls.IsEnabled(kIdCarOver9000Count), c.line16Enabled);
            EXPECT_EQ(doc.Claim().LineValue(CarUpTo9000, kCountColumn) +
                          doc.Claim().LineValue(CarOver9000, kCountColumn),
                      500.0f);
        }
        EXPECT_EQ(Text(kIdOtherOwnTransportCount), c.trainKm ? c.trainKm : "");
    }
}

TEST_F(FormTest, AnAbsurdTypedCarCountStaysOnItsSide) {
    TypeAndLeave(kIdCarUpTo9000Count, "1e30");
    viewHost.answers.push_back(8800u);
    view.Execute(kCmdKmSoFar);
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "200");
    EXPECT_GT(doc.Claim().LineValue(CarOver9000, kCountColumn), 1e14f);
    view.RefreshForm();
    EXPECT_EQ(Text(kIdCarUpTo9000Count), "200");
    EXPECT_TRUE(controls.IsEnabled(kIdCarOver9000Count));
}

TEST_F(FormTest, EnteringAnIdentityNumberReadsTheProfile) {
    test::WriteFile(
        files.profile,
        "[010203 12345]\r\nNavn=Kari\r\nPostnummer=301\r\nSpråkpreferanse=nynorsk\r\n"_cp);
    TypeAndLeave(kIdPersonId, "01020312345");
    EXPECT_EQ(Text(kIdName), "Kari");
    EXPECT_EQ(Text(kIdPostcode), "0301");
    EXPECT_EQ(locale.standard, kNynorsk);
    EXPECT_EQ(Text(kIdNameLabel), "Namn");
}

TEST_F(FormTest, RegisteringPersonDetailsTakesTheFieldBeingEdited) {
    TypeAndLeave(kIdPersonId, "01020312345");
    ASSERT_TRUE(controls.Type(kIdName, "Ola"));  // still in the field
    view.Execute(kCmdRegisterPerson);
    EXPECT_EQ(controls.GetFocus(), kIdName);
    std::string profile = test::ReadFile(files.profile);
    EXPECT_NE(profile.find("[010203 12345]"), std::string::npos);
    EXPECT_NE(profile.find("Navn=Ola"), std::string::npos);
}

TEST_F(FormTest, ListsShowTheirColumnsAndCells) {
    auto columns = controls.Columns(kIdTravelList);
    ASSERT_EQ(columns.size(), 10u);
    EXPECT_EQ(columns[2].title, "Sted fra");
    EXPECT_EQ(controls.Columns(kIdOutlayList).size(), 6u);
    EXPECT_TRUE(controls.HasFixedFont(kIdTravelList));
    EXPECT_TRUE(controls.HasFixedFont(kIdRemarks));
    EXPECT_EQ(controls.TextLimit(kIdOtherAdditions), 10);

    TypeAndLeave(kIdTravelFrom, "Oslo");
    TypeAndLeave(kIdTravelMeans, "Tog");
    TypeAndLeave(kIdTravelSum, "350");
    controls.Click(kIdTravelRegister);
    ASSERT_EQ(controls.RowCount(kIdTravelList), 1);
    std::vector<std::string> cells = controls.Rows(kIdTravelList)[0];
    EXPECT_EQ(cells, (std::vector<std::string>{"        ", "     ", "Oslo", "", "     ", "Tog",
                                               "0,00", "NOK", "0,00", "350,00"}));
}

TEST_F(FormTest, TakingBackAndRegisteringAgainLeavesTheClaimAsItWas) {
    TypeAndLeave(kIdTravelDate, "05.03.06");
    TypeAndLeave(kIdTravelTime, "0800");
    TypeAndLeave(kIdTravelFrom, "Oslo");
    TypeAndLeave(kIdTravelTo, "Bergen");
    TypeAndLeave(kIdTravelArrival, "1400");
    TypeAndLeave(kIdTravelMeans, "Fly");
    controls.Pick(kIdTravelCurrency, "EUR");
    controls.Leave(kIdTravelCurrency);
    controls.Type(kIdTravelAmount, "100");
    controls.Type(kIdTravelRate, "8,5");
    controls.Click(kIdTravelRegister);
    std::vector<std::string> before = controls.Rows(kIdTravelList)[0];
    float net = doc.Claim().NetAmount();
    controls.DoubleClickRow(kIdTravelList, 0);
    EXPECT_EQ(controls.RowCount(kIdTravelList), 0);
    EXPECT_EQ(Text(kIdTravelSum), "850,00");
    EXPECT_TRUE(controls.IsEnabled(kIdTravelAmount));
    controls.Click(kIdTravelRegister);
    EXPECT_EQ(controls.Rows(kIdTravelList)[0], before);
    EXPECT_EQ(doc.Claim().NetAmount(), net);
    EXPECT_FLOAT_EQ(net, 850.0f);
}

TEST_F(FormTest, SavingWhileTheIdentityNumberIsBeingTypedKeepsIt) {
    ASSERT_TRUE(controls.Type(kIdPersonId, "01020312345"));
    view.HandOverFocus();
    EXPECT_EQ(doc.Claim().GetPersonId(), "010203 12345");
    EXPECT_EQ(controls.GetFocus(), kIdPersonId);
    ASSERT_TRUE(controls.Type(kIdPersonId, "11111122222"));
    view.Execute(kCmdRegisterPerson);
    EXPECT_NE(test::ReadFile(files.profile).find("[111111 22222]"), std::string::npos);
}

TEST_F(FormTest, HandingOverTheEditMovesNoFocus) {
    // Save, print and Ctrl+R take the field being edited as leaving it would, but the focus
    // never moves: no leave is raised, so the form never scrolls away from the field.
    struct Case {
        int field;
        const char* typed;
        std::function<bool()> reached;
        const char* shownAfter;
    };
    const Case cases[] = {
        {kIdName, "Ola", [this] { return doc.Claim().Traveller().Name() == "Ola"; }, "Ola"},
        {kIdPostcode, "150", [this] { return doc.Claim().Traveller().Postcode() == "0150"; },
         "0150"},
        {kIdDepartureDate, "5.3.26",
         [this] { return doc.Claim().DepartureDateText(DateOrder::DayFirst) == "05.03.26"; },
         "05.03.26"},
        {kIdOutlayCurrency, "EUR", [this] { return view.OutlayEntry().Currency() == "EUR"; },
         "EUR"},
        {kIdTravelCurrency, "SEK", [this] { return view.TravelEntry().Currency() == "SEK"; },
         "SEK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        NestedLeaveSpy spy(view);
        ASSERT_TRUE(controls.Type(c.field, c.typed));
        controls.SetEvents(&spy);
        view.HandOverFocus();
        EXPECT_TRUE(c.reached());
        EXPECT_EQ(controls.GetFocus(), c.field);
        EXPECT_EQ(Text(c.field), c.shownAfter);
        EXPECT_EQ(spy.leaves, 0) << "the focus moved";
        controls.SetEvents(&view);
        controls.Leave(c.field);
    }
    // Ctrl+R the same.
    ASSERT_TRUE(controls.Type(kIdStreet, "Storgata 1"));
    view.Execute(kCmdRegisterPerson);
    EXPECT_EQ(controls.GetFocus(), kIdStreet);
    EXPECT_EQ(doc.Claim().Traveller().StreetAddress(), "Storgata 1");
}

TEST_F(FormTest, ANewClaimConvertsWithTheCurrencyItShows) {
    controls.Pick(kIdTravelCurrency, "EUR");
    controls.Leave(kIdTravelCurrency);
    controls.Type(kIdTravelAmount, "100");
    doc.OnNewDocument();
    EXPECT_EQ(controls.GetText(kIdTravelCurrency), "NOK");
    EXPECT_EQ(view.TravelEntry().Currency(), "NOK");
    EXPECT_EQ(view.OutlayEntry().Currency(), "NOK");
}

// Which of amount, rate and kroner sum of each entry row take typing.
struct EntryState {
    bool travelAmount, travelRate, travelSum, travelCurrency;
    bool outlayAmount, outlayRate, outlaySum;
    friend bool operator==(const EntryState&, const EntryState&) = default;
};

std::ostream& operator<<(std::ostream& out, const EntryState& e) {
    return out << "travel " << e.travelAmount << e.travelRate << e.travelSum << e.travelCurrency
               << ", outlay " << e.outlayAmount << e.outlayRate << e.outlaySum;
}

TEST_F(FormTest, AKronerCodeTakesTheKronerSumWhereverTheBoxGetsItsText) {
    auto state = [this] {
        return EntryState{
            controls.IsEnabled(kIdTravelAmount), controls.IsEnabled(kIdTravelRate),
            controls.IsEnabled(kIdTravelSum),    controls.IsEnabled(kIdTravelCurrency),
            controls.IsEnabled(kIdOutlayAmount), controls.IsEnabled(kIdOutlayRate),
            controls.IsEnabled(kIdOutlaySum)};
    };
    const EntryState kroner{false, false, true, true, false, false, true};
    std::string claim =
        test::ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur");
    std::string path = dir.File("reise.tur");
    test::WriteFile(path, claim);

    struct Case {
        const char* name;
        std::function<void()> before;  // leaves the entry rows in some other state
        std::function<void()> then;
    };
    const Case cases[] = {
        {"a new claim", [] {}, [] {}},
        {"New after an outlay in EUR and a car leg",
         [this] {
             controls.Pick(kIdOutlayCurrency, "EUR");
             controls.Leave(kIdOutlayCurrency);
             ASSERT_TRUE(controls.Type(kIdTravelMeans, "Bil"));
             controls.Leave(kIdTravelMeans);
         },
         [this] { doc.OnNewDocument(); }},
        {"New after NOK picked from the lists",
         [this] {
             controls.Pick(kIdOutlayCurrency, "NOK");
             controls.Pick(kIdTravelCurrency, "NOK");
         },
         [this] { doc.OnNewDocument(); }},
        {"a registered line",
         [this] {
             controls.Pick(kIdOutlayCurrency, "NOK");
             controls.Pick(kIdTravelCurrency, "NOK");
         },
         [this] {
             ASSERT_TRUE(controls.Click(kIdTravelRegister));
             ASSERT_TRUE(controls.Click(kIdOutlayRegister));
         }},
        {"a line taken back",
         [this] {
             ASSERT_TRUE(controls.Type(kIdOutlaySum, "120"));
             ASSERT_TRUE(controls.Click(kIdOutlayRegister));
             ASSERT_TRUE(controls.Type(kIdTravelSum, "80"));
             ASSERT_TRUE(controls.Click(kIdTravelRegister));
             controls.Pick(kIdOutlayCurrency, "NOK");
             controls.Pick(kIdTravelCurrency, "NOK");
         },
         [this] {
             ASSERT_TRUE(controls.DoubleClickRow(kIdTravelList, 0));
             ASSERT_TRUE(controls.DoubleClickRow(kIdOutlayList, 0));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        c.before();
        c.then();
        EXPECT_EQ(state(), kroner);
    }

    // Opening a claim while both boxes show NOK with every field enabled (picked from the list).
    doc.OnNewDocument();
    controls.Pick(kIdOutlayCurrency, "NOK");
    controls.Pick(kIdTravelCurrency, "NOK");
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    EXPECT_EQ(state(), kroner);
}

// The claim as a save would write it, on a fixed day.
std::string ClaimBytes(const CFerdixDoc& doc) {
    std::ostringstream out;
    WriteClaim(doc.Claim(), doc.Locale().dateOrder, CivilTime{2026, 12, 8, 0, 0, 0}, out);
    return out.str();
}

TEST_F(FormTest, VisitingTheFieldsOfAClaimChangesNothing) {
    // Each field that takes the focus, entered and left without a key pressed.
    auto visitEveryField = [this](const char* claimName) {
        SCOPED_TRACE(claimName);
        const std::string before = ClaimBytes(doc);
        ASSERT_FALSE(doc.IsModified());
        std::size_t messages = host.messages.size();
        int visited = 0;
        for (const ControlTemplate& c : FormTemplate()) {
            bool field = c.kind == ControlKind::Edit || c.kind == ControlKind::MultiLineEdit ||
                         c.kind == ControlKind::EditableDropDown;
            if (!field || c.readOnly || !controls.FocusTo(c.id)) {
                continue;
            }
            ++visited;
            std::string shown = controls.GetText(c.id);
            controls.Leave(c.id);
            EXPECT_EQ(ClaimBytes(doc), before) << "visiting " << c.id;
            EXPECT_FALSE(doc.IsModified()) << "visiting " << c.id;
            EXPECT_EQ(controls.GetText(c.id), shown) << "visiting " << c.id;
        }
        EXPECT_GT(visited, 60);
        EXPECT_EQ(host.messages.size(), messages);
    };
    visitEveryField("a new claim");

    std::string claim =
        test::ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur");
    auto replace = [&](std::string_view from, std::string_view to) {
        std::size_t at = claim.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        claim.replace(at, from.size(), to);
    };
    replace("Gjelder: Kurs", "Gjelder: Annet");  // the free text takes the focus only then
    // Texts longer than their fields take, as another program may write them.
    replace("Regningen gjelder: Kurs i Bergen", "Regningen gjelder: Kurs i Bergen og Trondheim,");
    replace("Reiseforskudd utbetalingssted: Oslo",
            "Reiseforskudd utbetalingssted: Oslo, Bergen og Trondheim");
    // Values the form shows otherwise than the file holds them.
    replace("Postnummer: 0301", "Postnummer: N301");
    replace("Ansattnummer: 4711", "Ansattnummer: -1");
    replace("Trekkprosent: 36.5", "Trekkprosent: 0.05");
    std::string path = dir.File("lang.tur");
    test::WriteFile(path, claim);
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    ASSERT_GT(doc.Claim().Concerns().size(), 25u);
    ASSERT_GT(doc.Claim().OtherAdditions().size(), 10u);
    ASSERT_GT(doc.Claim().AdvancePlace().size(), 18u);
    ASSERT_EQ(doc.Claim().Traveller().Postcode(), "N301");
    ASSERT_EQ(doc.Claim().Traveller().EmployeeNumber(), -1);
    ASSERT_GT(doc.Claim().Traveller().TaxPercent(), 0.0f);
    visitEveryField("an opened claim");
}

class NynorskFormTest : public FormFixture {
  protected:
    NynorskFormTest() {
        locale.standard = kNynorsk;
        doc.OnNewDocument();
    }
};

TEST_F(NynorskFormTest, SetUpInNynorskRelabelsTheForm) {
    EXPECT_EQ(Text(kIdNameLabel), "Namn");
    EXPECT_EQ(Text(kIdJobBox), "Jobbdetaljar");
    EXPECT_EQ(Cp1252ToUtf8(std::string(controls.Columns(kIdTravelList)[2].title)), "Stad frå");
    auto means = controls.Items(kIdTravelMeans);
    EXPECT_NE(std::find(means.begin(), means.end(), "Anna"), means.end());
    // Later switches keep the list's titles.
    view.Execute(kCmdBokmal);
    EXPECT_EQ(Cp1252ToUtf8(std::string(controls.Columns(kIdTravelList)[2].title)), "Stad frå");
    EXPECT_EQ(Text(kIdNameLabel), "Navn");
}

}  // namespace
}  // namespace ferdix
