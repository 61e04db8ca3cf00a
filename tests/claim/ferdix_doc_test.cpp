#include "claim/ferdix_doc.h"

#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "support/fake_host.h"

namespace ferdix {
namespace {

class DocTest : public ::testing::Test {
  protected:
    DocTest() {
        doc.SetHost(&host);
        doc.SetTitle("Untitled");
    }

    test::FakeHost host;
    CFerdixDoc doc;
};

TEST_F(DocTest, TitleMarkFollowsTheModifiedFlag) {
    doc.SetModified(true);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");
    doc.SetModified(true);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");
    doc.SetModified(false);
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.titles.back(), "Untitled");

    doc.SetTitle("*");  // too short to lose a mark
    doc.SetModified(false);
    EXPECT_EQ(doc.GetTitle(), "*");
    doc.SetTitle("");
    doc.SetModified(true);
    EXPECT_EQ(doc.GetTitle(), "");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, TextSettersMarkOnlyOnChange) {
    doc.SetConcerns("Kurs i Bergen");
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    doc.SetConcerns("Kurs i Bergen");
    EXPECT_FALSE(doc.IsModified());
    doc.SetConcerns("kurs i Bergen");  // case-sensitive
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, InterimAccountAndTTCodeEditsAreNotLost) {
    doc.SetInterimAccount("1234");
    EXPECT_EQ(doc.Claim().InterimAccount(), "1234");
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    doc.SetInterimAccount("1234");
    EXPECT_FALSE(doc.IsModified());
    doc.SetTTCode("1041");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, TripKindAndLodgingKind) {
    doc.SetTripKindFromText("Kurs");
    EXPECT_EQ(doc.Claim().TripKind(), 0);
    doc.SetTripKindFromText("Tenestereise");
    EXPECT_EQ(doc.Claim().TripKind(), 1);
    doc.SetTripKindFromText("tjenestereise");
    EXPECT_EQ(doc.Claim().TripKind(), 2);
    EXPECT_EQ(doc.Claim().TripKindText(), "Annet");
    doc.SetTripKind(7);
    EXPECT_EQ(doc.Claim().TripKind(), 2);

    doc.SetLodgingKind(2);
    EXPECT_EQ(doc.Claim().LodgingKind(), 2);
    doc.SetLodgingKind(-1);
    EXPECT_EQ(doc.Claim().LodgingKind(), 3);
    doc.SetModified(false);
    doc.SetLodgingKind(9);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocTest, DepartureDateBeforeTimeKeepsTimeEmpty) {
    doc.SetDepartureDate("05.03.06");
    EXPECT_EQ(doc.Claim().DepartureDateText(DateOrder::DayFirst), "05.03.06");
    EXPECT_EQ(doc.Claim().DepartureTimeText(), "");
    EXPECT_EQ(doc.Claim().m_tDeparture.hour, 1);
    EXPECT_EQ(doc.Claim().m_tDeparture.minute, 59);
    EXPECT_EQ(doc.Claim().m_tDeparture.second, 0);
    doc.SetDepartureTime("14:30");
    EXPECT_EQ(doc.Claim().DepartureTimeText(), "14:30");
    // A new date keeps the time of day.
    doc.SetDepartureDate("06.03.06");
    EXPECT_EQ(doc.Claim().DepartureTimeText(), "14:30");
    EXPECT_EQ(doc.Claim().m_tDeparture, (CivilTime{2006, 3, 6, 14, 30, 0}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocTest, TimeWithoutDateIsRefused) {
    doc.SetDepartureTime("08:00");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Advarsel");
    EXPECT_EQ(host.messages[0].text, "Utreisedato må være satt"_cp);
    EXPECT_EQ(doc.Claim().m_tDeparture, kNoDate);
    EXPECT_FALSE(doc.IsModified());

    doc.SetReturnTime("08:00");
    EXPECT_EQ(host.messages.back().text, "Innreisedato må være satt"_cp);
    doc.SetReturnTime("");
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(DocTest, BadTimeClearsTheTimeOfDay) {
    doc.SetReturnDate("05.03.06");
    doc.SetReturnTime("1730");
    doc.SetReturnTime("25:00");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Advarsel");
    EXPECT_EQ(host.messages[0].text, "Feil i klokkeslettformat\n");
    EXPECT_EQ(doc.Claim().m_tReturn, (CivilTime{2006, 3, 5, 0, 0, 0}));
    EXPECT_EQ(doc.Claim().ReturnTimeText(), "");
    EXPECT_EQ(doc.Claim().ReturnDateText(DateOrder::DayFirst), "05.03.06");
}

TEST_F(DocTest, BadDateClearsDateAndTime) {
    doc.SetDepartureDate("05.03.06");
    doc.SetDepartureTime("0800");
    doc.SetDepartureDate("32.03.2006");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Advarsel");
    EXPECT_EQ(host.messages[0].text, "Feil i datoformat");
    EXPECT_EQ(doc.Claim().m_tDeparture, kNoDate);
    EXPECT_EQ(doc.Claim().DepartureDateText(DateOrder::DayFirst), "");
    EXPECT_EQ(doc.Claim().DepartureTimeText(), "");

    doc.SetReturnDate("abc");
    EXPECT_EQ(host.messages.back().caption, "Feil");

    doc.SetReturnDate("05.03.06");
    doc.SetReturnDate("");  // clearing is silent
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(doc.Claim().m_tReturn, kNoDate);
    EXPECT_EQ(doc.Claim().m_bReturnDateSet, 0);
}

TEST_F(DocTest, LinesAreOrderedAndLaterEqualLinesGoFirst) {
    auto leg = [](const char* date, const char* time, const char* from) {
        auto l = std::make_unique<CTravelLine>();
        l->SetDate(date, DateOrder::DayFirst);
        l->SetStartTime(time);
        l->SetText(from);
        return l;
    };
    doc.AddTravelLine(leg("06.03.06", "08:00", "B"));
    doc.AddTravelLine(leg("05.03.06", "08:00", "A"));
    doc.AddTravelLine(leg("06.03.06", "08:00", "C"));
    doc.AddTravelLine(leg("", "", "none"));
    ASSERT_EQ(doc.Claim().m_travelLines.size(), 4u);
    EXPECT_EQ(doc.Claim().GetTravelLine(0)->Text(), "none");
    EXPECT_EQ(doc.Claim().GetTravelLine(1)->Text(), "A");
    EXPECT_EQ(doc.Claim().GetTravelLine(2)->Text(), "C");
    EXPECT_EQ(doc.Claim().GetTravelLine(3)->Text(), "B");
    EXPECT_TRUE(doc.IsModified());

    auto removed = doc.RemoveTravelLine(1);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->Text(), "A");
    EXPECT_EQ(doc.Claim().m_travelLines.size(), 3u);
    EXPECT_EQ(doc.RemoveTravelLine(17), nullptr);
}

TEST_F(DocTest, AddingAndRemovingLinesRefreshesTheTotal) {
    auto outlay = std::make_unique<CExpenseLine>();
    outlay->SetCurrency("NOK");
    outlay->SetAmount(250.0f);
    doc.AddOutlayLine(std::move(outlay));
    EXPECT_EQ(host.LastStatus(), "Beløp: 250,00"_cp);
    doc.RemoveOutlayLine(0);
    EXPECT_EQ(host.LastStatus(), "Beløp: 0,00"_cp);
}

TEST_F(DocTest, OtherTransportKeepsTheLastUncommonMeans) {
    doc.SetOtherTransportCandidate("Bil");
    doc.SetOtherTransportCandidate("DROSJE");
    doc.SetOtherTransportCandidate("Annen båt"_cp);
    EXPECT_EQ(doc.Claim().OtherTransport(), "");
    doc.SetOtherTransportCandidate("Motorsykkel");
    EXPECT_EQ(doc.Claim().OtherTransport(), "Motorsykkel");

    // Lines without dates: each new one goes first, so the list reads Motorbåt, Tog, Trikk.
    for (const char* means : {"Trikk", "Tog", "Motorbåt"}) {
        auto l = std::make_unique<CTravelLine>();
        l->SetTransport(Utf8ToCp1252(means));
        doc.AddTravelLine(std::move(l));
    }
    doc.RecomputeOtherTransport();
    EXPECT_EQ(doc.Claim().OtherTransport(), "Trikk");
    doc.RemoveTravelLine(2);
    doc.RecomputeOtherTransport();
    EXPECT_EQ(doc.Claim().OtherTransport(), "Motorbåt"_cp);
}

TEST_F(DocTest, StatusPrefixFollowsTheWrittenStandard) {
    doc.SetLineValue(Advance, kAmountColumn, 500.0f);
    EXPECT_EQ(host.LastStatus(), "Beløp: -500,00"_cp);
    doc.SetWrittenStandard(kNynorsk);
    EXPECT_EQ(doc.Locale().standard, kNynorsk);
    EXPECT_EQ(host.LastStatus(), "Sum: -500,00");

    host.mainWindow = false;
    std::size_t shown = host.statusTexts.size();
    doc.RefreshStatusSum();
    EXPECT_EQ(host.statusTexts.size(), shown);
}

TEST(Traveller, NumberRules) {
    CFerdixDoc doc;
    const CTraveller& t = doc.Claim().Traveller();
    EXPECT_EQ(t.EmployeeNumberText(), "");
    doc.ChangeTraveller(&CTraveller::SetEmployeeNumber, 1000000);
    EXPECT_EQ(t.EmployeeNumber(), -1);
    EXPECT_FALSE(doc.IsModified());
    doc.ChangeTraveller(&CTraveller::SetEmployeeNumber, 999999);
    EXPECT_EQ(t.EmployeeNumberText(), "999999");
    EXPECT_TRUE(doc.IsModified());
    doc.ChangeTraveller(&CTraveller::SetEmployeeNumber, -3);
    EXPECT_EQ(t.EmployeeNumber(), 999999);

    doc.ChangeTraveller(&CTraveller::SetMunicipalityNumber, 301);
    EXPECT_EQ(t.MunicipalityNumberText(), "0301");
    doc.ChangeTraveller(&CTraveller::SetMunicipalityNumber, 1201);
    EXPECT_EQ(t.MunicipalityNumberText(), "1201");
    doc.ChangeTraveller(&CTraveller::SetMunicipalityNumber, 0);
    EXPECT_EQ(t.MunicipalityNumberText(), "");

    doc.ChangeTraveller(&CTraveller::SetDutyStationNumber, 0);
    EXPECT_EQ(t.DutyStationNumberText(), "");
    doc.ChangeTraveller(&CTraveller::SetDutyStationNumber, 42);
    EXPECT_EQ(t.DutyStationNumberText(), "42");

    doc.ChangeTraveller(&CTraveller::SetTaxPercent, 0.05f);
    EXPECT_EQ(t.TaxPercentText(), "");
    doc.ChangeTraveller(&CTraveller::SetTaxPercent, 36.5f);
    EXPECT_EQ(t.TaxPercentText(), "36.5");
    doc.ChangeTraveller(&CTraveller::SetTaxPercent, 36.0f);
    EXPECT_EQ(t.TaxPercentText(), "36");
}

TEST(Traveller, PersonIdIsNormalised) {
    CFerdixDoc doc;
    const CTraveller& t = doc.Claim().Traveller();
    doc.SetPersonId("010203-12345");
    EXPECT_EQ(t.PersonId(), "010203 12345");
    doc.SetPersonId("01020312345");
    EXPECT_EQ(t.PersonId(), "010203 12345");
    doc.SetPersonId("01.02.03 123 45 999");
    EXPECT_EQ(t.PersonId(), "010203 12345");
    doc.SetPersonId("42");
    EXPECT_EQ(t.PersonId(), "42          ");
    doc.SetPersonId("");
    EXPECT_EQ(t.PersonId(), "42          ");
    EXPECT_EQ(t.PersonId().size(), 12u);

    doc.SetModified(false);
    doc.SetPersonId("7");  // a one-character change is still a change to keep
    EXPECT_EQ(t.PersonId(), "7           ");
    EXPECT_TRUE(doc.IsModified());
}

TEST(Traveller, Postcode) {
    CFerdixDoc doc;
    const CTraveller& t = doc.Claim().Traveller();
    doc.ChangeTraveller(&CTraveller::SetPostcode, "301");
    EXPECT_EQ(t.Postcode(), "0301");
    doc.ChangeTraveller(&CTraveller::SetPostcode, "N-5003");
    EXPECT_EQ(t.Postcode(), "5003");
    doc.ChangeTraveller(&CTraveller::SetPostcode, "");
    EXPECT_EQ(t.Postcode(), "");
    doc.SetModified(false);
    doc.ChangeTraveller(&CTraveller::SetPostcodeNumber, 0);
    EXPECT_FALSE(doc.IsModified());
    doc.ChangeTraveller(&CTraveller::SetPostcodeNumber, 150);
    EXPECT_EQ(t.Postcode(), "0150");
    doc.ChangeTraveller(&CTraveller::SetPostcodeNumber, 0);
    EXPECT_EQ(t.Postcode(), "0000");
}

// The traveller is a value: it says whether a setter changed it, and only a change marks the
// document. New empties it and a later edit is still noticed.
TEST(Traveller, OnlyAChangeMarksTheClaim) {
    CTraveller t;
    EXPECT_TRUE(t.SetName("Kari"));
    EXPECT_FALSE(t.SetName("Kari"));
    EXPECT_FALSE(t.SetEmployeeNumber(1000000));
    t.Reset();
    EXPECT_EQ(t.Name(), "");
    EXPECT_EQ(t.EmployeeNumber(), -1);

    CFerdixDoc doc;
    doc.ChangeTraveller(&CTraveller::SetName, "Kari");
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    doc.ChangeTraveller(&CTraveller::SetName, "Kari");
    EXPECT_FALSE(doc.IsModified());
    doc.OnNewDocument();
    EXPECT_EQ(doc.Claim().Traveller().Name(), "");
    doc.ChangeTraveller(&CTraveller::SetName, "Ola");
    EXPECT_TRUE(doc.IsModified());
}

// A copy of the claim's data owns copies of its lines: changing one claim leaves the other.
TEST(ClaimDataTest, CopiesOwnTheirLines) {
    ClaimData claim;
    auto leg = std::make_unique<CTravelLine>();
    leg->SetTransport("Tog");
    claim.AddTravelLine(std::move(leg));
    auto outlay = std::make_unique<CExpenseLine>();
    outlay->SetAmount(10.0f);
    claim.AddOutlayLine(std::move(outlay));
    claim.m_strRemarks = "Merknad";

    ClaimData copy = claim;
    claim.m_travelLines[0]->SetTransport("Fly");
    claim.m_outlayLines[0]->SetAmount(20.0f);
    claim.m_strRemarks.clear();
    ASSERT_EQ(copy.m_travelLines.size(), 1u);
    EXPECT_EQ(copy.m_travelLines[0]->Transport(), "Tog");
    EXPECT_FLOAT_EQ(copy.OutlaysSum(), 10.0f);
    EXPECT_EQ(copy.Remarks(), "Merknad");

    copy = claim;
    EXPECT_EQ(copy.m_travelLines[0]->Transport(), "Fly");
    EXPECT_NE(copy.m_travelLines[0].get(), claim.m_travelLines[0].get());
}

TEST(Lines, AmountFollowsCurrencyFactor) {
    CExpenseLine sek;
    sek.SetCurrency("SEK");
    sek.SetForeignAmount(1000.0f);
    sek.SetRate(80.0f);
    EXPECT_FLOAT_EQ(sek.Amount(), 800.0f);

    CExpenseLine eur;
    eur.SetCurrency("eur");
    eur.SetForeignAmount(1000.0f);
    eur.SetRate(8.0f);
    EXPECT_FLOAT_EQ(eur.Amount(), 8000.0f);
    eur.SetAmount(5.0f);  // typed directly: wins until the next change
    EXPECT_FLOAT_EQ(eur.Amount(), 5.0f);
    eur.SetRate(8.5f);
    EXPECT_FLOAT_EQ(eur.Amount(), 8500.0f);

    EXPECT_DOUBLE_EQ(CurrencyFactor("Annen"), 0.01);
    EXPECT_DOUBLE_EQ(CurrencyFactor("NOK"), 0.01);
    EXPECT_DOUBLE_EQ(CurrencyFactor("GBPX"), 1.0);
    EXPECT_DOUBLE_EQ(CurrencyFactor("us"), 0.01);
}

TEST(Lines, TravelLineTimes) {
    CTravelLine l;
    EXPECT_EQ(l.DateText(DateOrder::DayFirst), "");
    EXPECT_EQ(l.DateTextPadded(DateOrder::DayFirst), "        ");
    EXPECT_EQ(l.StartTimeText(), "");
    EXPECT_EQ(l.StartTimeText(true), "     ");
    l.SetDate("05.03.06", DateOrder::DayFirst);
    EXPECT_EQ(l.StartTimeText(), "");  // no time entered
    l.SetStartTime("0815");
    EXPECT_EQ(l.StartTimeText(), "08:15");
    EXPECT_EQ(l.DateText(DateOrder::DayFirst), "05.03.06");
    l.SetStartTime("bad");
    EXPECT_EQ(l.StartTimeText(), "");
    EXPECT_EQ(l.Date(), (CivilTime{2006, 3, 5, 8, 15, 0}));

    l.SetArrivalTime("1400");
    EXPECT_EQ(l.ArrivalTimeText(), "14:00");
    EXPECT_TRUE(l.ArrivalTime().SameDay(kNoDate));
    l.SetArrivalTime("");
    EXPECT_EQ(l.ArrivalTime(), kNoDate);
    EXPECT_EQ(l.ArrivalTimeText(true), "     ");

    l.SetKmFromText(" 120 km");
    EXPECT_EQ(l.Km(), 120);
    l.SetKmFromText("km");
    EXPECT_EQ(l.KmText(), "0");
}

TEST(Lines, StartTimeWithoutDateHasNoDateText) {
    CTravelLine l;
    l.SetStartTime("08:00");
    EXPECT_EQ(l.StartTimeText(), "08:00");
    EXPECT_EQ(l.DateText(DateOrder::DayFirst), "");
    EXPECT_EQ(l.DateTextPadded(DateOrder::DayFirst), "        ");
}

}  // namespace
}  // namespace ferdix
