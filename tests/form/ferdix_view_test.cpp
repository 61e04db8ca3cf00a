#include "form/ferdix_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/allowance_table.h"
#include "support/form_fixture.h"

namespace ferdix {
namespace {

using test::FormFixture;

class FormTest : public FormFixture {};

TEST_F(FormTest, NewClaimShowsEveryRateAndIsNotModified) {
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(Text(1253), "60,00");
    EXPECT_EQ(Text(1220), "445,00");
    EXPECT_EQ(Text(1094), "3,65");
    EXPECT_EQ(Text(1102), "0,90");
    EXPECT_EQ(Text(1112), "350,00");
    EXPECT_EQ(Text(1119), "350,00");
    // Every line with a rate field took its rate through the field's binding.
    for (int line = 0; line <= 21; ++line) {
        const AllowanceLineInfo& info = kAllowanceLines[static_cast<std::size_t>(line)];
        ASSERT_NE(info.rateField, 0);
        EXPECT_EQ(controls.GetText(info.rateField), doc.LineValueText(line, kRateColumn)) << line;
        EXPECT_GT(doc.LineValue(line, kRateColumn), 0.0f) << line;
        EXPECT_EQ(doc.LineValue(line, kAmountColumn), 0.0f) << line;
    }
    EXPECT_EQ(controls.GetText(1049), "NOK");
    EXPECT_EQ(controls.GetText(1063), "NOK");
    EXPECT_TRUE(controls.IsChecked(1019));  // the new claim's trip kind
    EXPECT_TRUE(controls.IsChecked(1209));
    EXPECT_TRUE(controls.IsChecked(1275));
    EXPECT_TRUE(controls.IsChecked(1246));
    EXPECT_EQ(host.LastStatus(), "Beløp: 0,00"_cp);
}

TEST_F(FormTest, TypingACountShowsTheAmountAndTheTotal) {
    ASSERT_TRUE(controls.Type(1199, "2"));
    EXPECT_EQ(Text(1221), "890,00");
    EXPECT_EQ(host.LastStatus(), "Beløp: 890,00"_cp);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");
    controls.Type(1199, "2,5");
    EXPECT_EQ(Text(1221), "1112,50");
    controls.Type(1220, "100");
    EXPECT_EQ(Text(1221), "250,00");
    // A typed rate on line 22 and a typed deduction.
    controls.Type(1130, "1");
    controls.Type(1131, "40");
    TypeAndLeave(1134, "12,5");
    EXPECT_EQ(Text(1134), "12,50");
    EXPECT_FLOAT_EQ(doc.NetAmount(), 250.0f + 40.0f - 12.5f);
    TypeAndLeave(1138, "1000");
    EXPECT_EQ(host.LastStatus(), "Beløp: -722,50"_cp);
}

TEST_F(FormTest, PickingACountryWritesItsRates) {
    controls.Pick(1081, "Kenya");
    EXPECT_EQ(Text(1078), "580,00");
    EXPECT_EQ(Text(1077), "390,00");
    EXPECT_FLOAT_EQ(doc.LineValue(DayAbroadOver12h, kRateColumn), 580.0f);
    EXPECT_EQ(doc.AbroadDayCountry(), "");  // the day country is stored on leaving
    controls.Leave(1081);
    EXPECT_EQ(doc.AbroadDayCountry(), "Kenya");

    controls.Pick(1085, "Østerrike"_cp);
    EXPECT_EQ(Text(1087), "601,00");
    EXPECT_EQ(doc.AbroadNightCountry1(), "Østerrike"_cp);
    controls.Pick(1100, "Sverige");
    EXPECT_EQ(Text(1119), "450,00");
    EXPECT_EQ(doc.UnverifiedNightCountry2(), "Sverige");

    // A typed name that is no country is stored but changes no rate.
    controls.Type(1089, "Atlantis");
    EXPECT_EQ(doc.AbroadNightCountry2(), "Atlantis");
    EXPECT_EQ(Text(1091), "600,00");
    // Names of two characters never reach the lists.
    for (int id : {1081, 1085, 1089, 1096, 1100}) {
        EXPECT_EQ(controls.Items(id).size(), 3u) << id;
    }
}

TEST_F(FormTest, AdministrativeRowDomesticOrAbroad) {
    controls.Click(1276);
    EXPECT_EQ(Text(1253), "80,00");
    controls.Click(1275);
    controls.Type(1251, "2");
    EXPECT_EQ(Text(1254), "120,00");
}

TEST_F(FormTest, TravelLinesSplitTheCarKilometres) {
    doc.Traveller().SetKmSoFar(8800);
    auto leg = [&](const char* date, const char* time, const char* from, const char* to,
                   const char* arrival, const char* means, const char* km) {
        TypeAndLeave(1044, date);
        TypeAndLeave(1045, time);
        TypeAndLeave(1046, from);
        TypeAndLeave(1047, arrival);
        TypeAndLeave(1048, to);
        TypeAndLeave(1117, means);
        TypeAndLeave(1054, km);
        controls.Click(1248);
    };
    leg("05.03.06", "0800", "Oslo", "Hamar", "1000", "Bil", "120");
    EXPECT_EQ(Text(1046), "Hamar");
    EXPECT_EQ(Text(1045), "10:00");
    EXPECT_EQ(Text(1047), "");
    EXPECT_EQ(Text(1093), "120");
    EXPECT_FALSE(controls.IsEnabled(1097));
    leg("05.03.06", "1000", "Hamar", "Lillehammer", "1200", "Bil", "180");
    EXPECT_EQ(Text(1093), "200");
    EXPECT_EQ(Text(1097), "100");
    EXPECT_TRUE(controls.IsEnabled(1097));
    EXPECT_EQ(Text(1095), "730,00");
    EXPECT_EQ(Text(1099), "300,00");
    ASSERT_EQ(controls.RowCount(1043), 2);
    EXPECT_EQ(controls.Rows(1043)[0][2], "Oslo");

    // Taking back the second leg gives its kilometres back at once.
    controls.SelectRow(1043, 1);
    EXPECT_TRUE(view.IsCommandEnabled(kCmdEditTravelLine));
    view.Execute(kCmdEditTravelLine);
    EXPECT_EQ(Text(1046), "Hamar");
    EXPECT_EQ(Text(1048), "Lillehammer");
    EXPECT_EQ(Text(1054), "180");
    EXPECT_EQ(Text(1093), "120");
    EXPECT_EQ(doc.LineValue(CarOver9000, kCountColumn), 0.0f);
    EXPECT_FALSE(view.IsCommandEnabled(kCmdEditTravelLine));
    controls.Click(1248);
    EXPECT_EQ(Text(1097), "100");
    EXPECT_EQ(controls.RowCount(1043), 2);

    // Other vehicles go to line 19, and an uncommon means becomes the other-means text.
    leg("06.03.06", "0900", "Lillehammer", "Gjøvik", "1000", "Motorsykkel", "40");
    EXPECT_EQ(Text(1105), "40");
    EXPECT_EQ(doc.OtherTransport(), "Motorsykkel");
}

TEST_F(FormTest, LiveConversionAndCurrencyHandling) {
    controls.Pick(1049, "SEK");
    controls.Leave(1049);
    EXPECT_TRUE(controls.IsEnabled(1050));
    EXPECT_FALSE(controls.IsEnabled(1052));
    controls.Type(1050, "1000");
    controls.Type(1051, "80");
    EXPECT_EQ(Text(1052), "800,00");

    controls.Type(1063, "EUR");
    EXPECT_FALSE(controls.IsEnabled(1066));
    controls.Type(1064, "100");
    controls.Type(1065, "8,5");
    EXPECT_EQ(Text(1066), "850,00");
    controls.Type(1063, "nok");
    EXPECT_FALSE(controls.IsEnabled(1064));
    EXPECT_TRUE(controls.IsEnabled(1066));
    controls.Leave(1063);
    EXPECT_EQ(controls.GetFocus(), 1066);

    // A car leg has no sum of its own.
    controls.Type(1052, "99");
    TypeAndLeave(1117, "bil");
    EXPECT_EQ(Text(1052), "");
    EXPECT_FALSE(controls.IsEnabled(1052));
    EXPECT_FALSE(controls.IsEnabled(1049));
}

TEST_F(FormTest, OutlaysRegisterInDateOrderAndComeBack) {
    TypeAndLeave(1058, "6.3.06");
    EXPECT_EQ(Text(1058), "06.03.06");
    TypeAndLeave(1060, "Hotell");
    TypeAndLeave(1066, "1200");
    controls.Click(1069);
    EXPECT_EQ(Text(1060), "");
    EXPECT_EQ(Text(1058), "06.03.06");
    TypeAndLeave(1058, "05.03.06");
    TypeAndLeave(1060, "Taxi");
    TypeAndLeave(1066, "250");
    controls.Click(1069);
    ASSERT_EQ(controls.RowCount(1057), 2);
    EXPECT_EQ(controls.Rows(1057)[0][1], "Taxi");
    EXPECT_EQ(host.LastStatus(), "Beløp: 1450,00"_cp);

    controls.DoubleClickRow(1057, 1);
    EXPECT_EQ(Text(1060), "Hotell");
    EXPECT_EQ(Text(1066), "1200,00");
    EXPECT_EQ(controls.RowCount(1057), 1);
    EXPECT_EQ(host.LastStatus(), "Beløp: 250,00"_cp);
    TypeAndLeave(1058, "bad date");
    EXPECT_EQ(Text(1058), "");
}

TEST_F(FormTest, WrittenStandardRelabelsAndComesBack) {
    view.Execute(kCmdNynorsk);
    EXPECT_EQ(WrittenStandard(), kNynorsk);
    EXPECT_TRUE(view.IsCommandChecked(kCmdNynorskToolbar));
    EXPECT_FALSE(view.IsCommandChecked(kCmdBokmal));
    EXPECT_EQ(Text(1005), "Namn");
    EXPECT_EQ(Text(1159), "Sum");
    EXPECT_EQ(Text(1272), "Kor mange");
    EXPECT_EQ(Text(1019), "Tenestereise");
    EXPECT_EQ(host.LastStatus(), "Sum: 0,00");
    view.Execute(kCmdBokmalToolbar);
    EXPECT_EQ(Text(1005), "Navn");
    EXPECT_EQ(Text(1159), "Beløp");
    EXPECT_EQ(Text(1161), "Sum");  // its first text was "Beløp"
    EXPECT_EQ(Text(1272), "Antall");
    EXPECT_EQ(Text(1019), "Tjenestereise");
    // Every switch is remembered in the traveller's profile section.
    EXPECT_NE(test::ReadFile(files.profile).find("Oppstartingsspråk=bokmål"_cp), std::string::npos);
}

TEST_F(FormTest, TravellerFieldsAreNormalisedOnLeaving) {
    TypeAndLeave(1014, "150");
    EXPECT_EQ(Text(1014), "0150");
    TypeAndLeave(1037, "999999");
    TypeAndLeave(1037, "1000000");
    EXPECT_EQ(Text(1037), "999999");
    TypeAndLeave(1015, "301");
    EXPECT_EQ(Text(1015), "0301");
    TypeAndLeave(1039, "36,5");
    EXPECT_EQ(Text(1039), "36.5");
    EXPECT_FLOAT_EQ(doc.Traveller().TaxPercent(), 36.5f);
    TypeAndLeave(1004, "010203-12345");
    EXPECT_EQ(Text(1004), "010203 12345");
    TypeAndLeave(1011, "Kari Nordmann");
    EXPECT_EQ(doc.Traveller().Name(), "Kari Nordmann");
}

TEST_F(FormTest, DatesAndTimesOfTheTrip) {
    TypeAndLeave(1030, "0800");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Utreisedato må være satt"_cp);
    EXPECT_EQ(Text(1030), "");
    TypeAndLeave(1024, "5.3.06");
    EXPECT_EQ(Text(1024), "05.03.06");
    TypeAndLeave(1030, "0800");
    EXPECT_EQ(Text(1030), "08:00");
    TypeAndLeave(1024, "abc");
    EXPECT_EQ(host.messages.back().text, "Feil i datoformat");
    EXPECT_EQ(Text(1024), "");
    EXPECT_EQ(Text(1030), "");

    TypeAndLeave(1206, "8.12.26");
    EXPECT_EQ(Text(1206), "08.12.26");
    TypeAndLeave(1206, "i dag");
    EXPECT_EQ(Text(1206), "i dag");
}

TEST_F(FormTest, TripKindAndLodging) {
    controls.Click(1020);
    EXPECT_EQ(doc.TripKind(), 2);
    EXPECT_TRUE(controls.IsEnabled(1021));
    EXPECT_EQ(controls.GetFocus(), 1021);
    controls.Click(1018);
    EXPECT_FALSE(controls.IsEnabled(1021));
    EXPECT_EQ(doc.TripKind(), 0);

    controls.Click(1246);  // uncheck "Overnatting"
    EXPECT_EQ(view.Overnight(), 0);
    EXPECT_EQ(doc.LodgingKind(), 3);
    EXPECT_FALSE(controls.IsEnabled(1209));
    view.RefreshForm();
    EXPECT_FALSE(controls.IsChecked(1246));
    EXPECT_TRUE(controls.IsChecked(1211));
    controls.Click(1246);
    controls.Click(1210);
    EXPECT_EQ(doc.LodgingKind(), 1);
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

    controls.Click(1263);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().caption, "Frokost/lunsj/middagssatser");
    EXPECT_NE(host.messages.back().text.find(" middag: 222,50"), std::string::npos);
}

TEST_F(FormTest, UpdateRatesKeepsFieldsWhoseRateIsZero) {
    controls.Type(1220, "999");
    controls.Type(1123, "5");  // not a rate field: the amount of line 20 is read-only anyway
    view.Execute(kCmdUpdateRates);
    EXPECT_EQ(host.messages.back().caption, "Advarsel");
    EXPECT_EQ(Text(1220), "445,00");
}

TEST_F(FormTest, KilometresSoFarFromTheDialog) {
    doc.Traveller().SetKmSoFar(100);
    TypeAndLeave(1044, "05.03.06");
    TypeAndLeave(1117, "Bil");
    TypeAndLeave(1054, "300");
    controls.Click(1248);
    viewHost.answers.push_back(9000u);
    view.Execute(kCmdKmSoFar);
    EXPECT_EQ(viewHost.asked, (std::vector<std::uint32_t>{100}));
    EXPECT_EQ(doc.Traveller().KmSoFar(), 9000u);
    EXPECT_EQ(Text(1093), "");
    EXPECT_FALSE(controls.IsEnabled(1093));
    EXPECT_EQ(Text(1097), "300");
    viewHost.answers.push_back(std::nullopt);
    view.Execute(kCmdKmSoFar);
    EXPECT_EQ(doc.Traveller().KmSoFar(), 9000u);
}

TEST_F(FormTest, TypedCarKilometresSplitOnLeaving) {
    doc.Traveller().SetKmSoFar(8800);
    TypeAndLeave(1093, "500");
    EXPECT_EQ(Text(1093), "200");
    EXPECT_EQ(Text(1097), "300");
    EXPECT_TRUE(controls.IsEnabled(1097));
    // A refresh keeps typed kilometres although no leg carries them.
    view.RefreshForm();
    EXPECT_EQ(Text(1097), "300");
    EXPECT_FLOAT_EQ(doc.LineValue(CarOver9000, kCountColumn), 300.0f);
}

TEST_F(FormTest, EnteringAnIdentityNumberReadsTheProfile) {
    test::WriteFile(
        files.profile,
        "[010203 12345]\r\nNavn=Kari\r\nPostnummer=301\r\nSpråkpreferanse=nynorsk\r\n"_cp);
    TypeAndLeave(1004, "01020312345");
    EXPECT_EQ(Text(1011), "Kari");
    EXPECT_EQ(Text(1014), "0301");
    EXPECT_EQ(WrittenStandard(), kNynorsk);
    EXPECT_EQ(Text(1005), "Namn");
}

TEST_F(FormTest, RegisteringPersonDetailsTakesTheFieldBeingEdited) {
    TypeAndLeave(1004, "01020312345");
    ASSERT_TRUE(controls.Type(1011, "Ola"));  // still in the field
    view.Execute(kCmdRegisterPerson);
    EXPECT_EQ(controls.GetFocus(), 1011);
    std::string profile = test::ReadFile(files.profile);
    EXPECT_NE(profile.find("[010203 12345]"), std::string::npos);
    EXPECT_NE(profile.find("Navn=Ola"), std::string::npos);
}

TEST_F(FormTest, ListsShowTheirColumnsAndCells) {
    auto columns = controls.Columns(1043);
    ASSERT_EQ(columns.size(), 10u);
    EXPECT_EQ(columns[2].title, "Sted fra");
    EXPECT_EQ(controls.Columns(1057).size(), 6u);
    EXPECT_TRUE(controls.HasFixedFont(1043));
    EXPECT_TRUE(controls.HasFixedFont(1171));
    EXPECT_EQ(controls.TextLimit(1133), 10);

    TypeAndLeave(1046, "Oslo");
    TypeAndLeave(1117, "Tog");
    TypeAndLeave(1052, "350");
    controls.Click(1248);
    ASSERT_EQ(controls.RowCount(1043), 1);
    std::vector<std::string> cells = controls.Rows(1043)[0];
    EXPECT_EQ(cells, (std::vector<std::string>{"        ", "     ", "Oslo", "", "     ", "Tog",
                                               "0,00", "NOK", "0,00", "350,00"}));
}

TEST_F(FormTest, TakingBackAndRegisteringAgainLeavesTheClaimAsItWas) {
    TypeAndLeave(1044, "05.03.06");
    TypeAndLeave(1045, "0800");
    TypeAndLeave(1046, "Oslo");
    TypeAndLeave(1048, "Bergen");
    TypeAndLeave(1047, "1400");
    TypeAndLeave(1117, "Fly");
    controls.Pick(1049, "EUR");
    controls.Leave(1049);
    controls.Type(1050, "100");
    controls.Type(1051, "8,5");
    controls.Click(1248);
    std::vector<std::string> before = controls.Rows(1043)[0];
    float net = doc.NetAmount();
    controls.DoubleClickRow(1043, 0);
    EXPECT_EQ(controls.RowCount(1043), 0);
    EXPECT_EQ(Text(1052), "850,00");
    EXPECT_TRUE(controls.IsEnabled(1050));
    controls.Click(1248);
    EXPECT_EQ(controls.Rows(1043)[0], before);
    EXPECT_EQ(doc.NetAmount(), net);
    EXPECT_FLOAT_EQ(net, 850.0f);
}

TEST_F(FormTest, SavingWhileTheIdentityNumberIsBeingTypedKeepsIt) {
    ASSERT_TRUE(controls.Type(1004, "01020312345"));
    view.HandOverFocus();
    EXPECT_EQ(doc.GetPersonId(), "010203 12345");
    EXPECT_EQ(controls.GetFocus(), 1004);
    ASSERT_TRUE(controls.Type(1004, "11111122222"));
    view.Execute(kCmdRegisterPerson);
    EXPECT_NE(test::ReadFile(files.profile).find("[111111 22222]"), std::string::npos);
}

TEST_F(FormTest, ANewClaimConvertsWithTheCurrencyItShows) {
    controls.Pick(1049, "EUR");
    controls.Leave(1049);
    doc.OnNewDocument();
    EXPECT_EQ(controls.GetText(1049), "NOK");
    controls.Type(1050, "100");
    controls.Type(1051, "10");
    EXPECT_EQ(Text(1052), "10,00");  // per 100 units, as NOK is quoted
}

class NynorskFormTest : public FormFixture {
  protected:
    NynorskFormTest() {
        SetWrittenStandardValue(kNynorsk);
        doc.OnNewDocument();
    }
};

TEST_F(NynorskFormTest, SetUpInNynorskRelabelsTheForm) {
    EXPECT_EQ(Text(1005), "Namn");
    EXPECT_EQ(Text(1003), "Jobbdetaljar");
    EXPECT_EQ(Cp1252ToUtf8(std::string(controls.Columns(1043)[2].title)), "Stad frå");
    auto means = controls.Items(1117);
    EXPECT_NE(std::find(means.begin(), means.end(), "Anna"), means.end());
    // Later switches keep the list's titles.
    view.Execute(kCmdBokmal);
    EXPECT_EQ(Cp1252ToUtf8(std::string(controls.Columns(1043)[2].title)), "Stad frå");
    EXPECT_EQ(Text(1005), "Navn");
}

}  // namespace
}  // namespace ferdix
