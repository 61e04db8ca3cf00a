#include "claim/claim_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/version.h"
#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "support/fake_host.h"
#include "support/recording_view.h"

namespace ferdix {
namespace {

using namespace std::string_literals;

std::string GoldenBytes(const std::string& name) {
    std::ifstream f(std::string(FERDIX_TEST_DATA_DIR) + "/claims/" + name, std::ios::binary);
    EXPECT_TRUE(f) << name;
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string Replace(std::string s, std::string_view from, std::string_view to) {
    for (auto at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
    return s;
}

class ClaimFileTest : public ::testing::Test {
  protected:
    ClaimFileTest() {
        doc.SetHost(&host);
        doc.SetView(&view);
        doc.SetTitle("Reise");
    }

    ClaimDamage Read(const std::string& bytes) { return Read(doc, bytes); }
    // As the document reads a file: onto the form, unmodified, its warnings shown.
    static ClaimDamage Read(CFerdixDoc& d, const std::string& bytes) { return d.LoadClaim(bytes); }
    // As the document saves: the profile beside the bytes, the mark cleared.
    static std::string Write(CFerdixDoc& d) {
        std::string bytes;
        d.Serialize(bytes, true);
        return bytes;
    }
    // Written, then read into a fresh claim.
    void RoundTrip(CFerdixDoc& into) {
        into.SetHost(&host);
        Read(into, Write(doc));
    }

    FixedClock clock{CivilTime{2006, 3, 14, 9, 0, 0}};
    test::FakeHost host;
    test::RecordingView view;
    // As the application owns the run's: the tests change it as the user's settings would.
    UserLocale locale;
    CFerdixDoc doc{locale, clock, nullptr};
};

// ---- Golden files

TEST_F(ClaimFileTest, NewClaimWritesTheGoldenFile) {
    doc.SetTripKind(1);  // as a new document starts
    doc.SetModified(true);
    EXPECT_EQ(Write(doc), GoldenBytes("new_claim.tur"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Reise");
}

TEST_F(ClaimFileTest, FullClaimReadsIntoItsValues) {
    Read(GoldenBytes("full_claim.tur"));

    const CTraveller& t = doc.Claim().Traveller();
    EXPECT_EQ(t.PersonId(), "010170 12345");
    EXPECT_EQ(t.Name(), "Kari Nordmann");
    EXPECT_EQ(t.Postcode(), "0301");
    EXPECT_EQ(t.Position(), "Rådgiver"_cp);
    EXPECT_EQ(t.KmSoFar(), 8500u);
    EXPECT_EQ(t.AccountToCharge(), "1234.56.789");
    EXPECT_EQ(t.AccountNumber(), "6001.12.34567");
    EXPECT_EQ(t.Department(), "Region øst"_cp);
    EXPECT_EQ(t.EmployeeNumber(), 4711);
    EXPECT_EQ(t.MunicipalityNumberText(), "0301");
    EXPECT_EQ(t.DutyStationNumber(), 1234);
    EXPECT_FLOAT_EQ(t.TaxPercent(), 36.5f);

    EXPECT_EQ(doc.Claim().TripKind(), 0);
    EXPECT_EQ(doc.Claim().Concerns(), "Kurs i Bergen og på Voss"_cp);
    EXPECT_EQ(doc.Claim().Purpose(), "Bergen og Voss\r\nKurs i regnskap");
    EXPECT_EQ(doc.Claim().m_tDeparture, (CivilTime{2006, 3, 5, 7, 30, 0}));
    EXPECT_EQ(doc.Claim().ReturnDateText(DateOrder::DayFirst), "07.03.06");
    EXPECT_EQ(doc.Claim().ReturnTimeText(), "18:45");

    ASSERT_EQ(doc.Claim().m_travelLines.size(), 4u);
    const CTravelLine& fly = *doc.Claim().m_travelLines[0];
    EXPECT_EQ(fly.Date(), (CivilTime{2006, 3, 5, 7, 30, 0}));
    EXPECT_EQ(fly.Text(), "Oslo");
    EXPECT_EQ(fly.To(), "Bergen");
    EXPECT_EQ(fly.ArrivalTimeText(), "08:25");
    EXPECT_EQ(fly.Transport(), "Fly");
    EXPECT_EQ(fly.Currency(), "NOK");
    EXPECT_FLOAT_EQ(fly.Amount(), 1450.0f);
    EXPECT_EQ(doc.Claim().m_travelLines[1]->ArrivalTimeText(), "");  // "ugyldig"
    EXPECT_EQ(doc.Claim().m_travelLines[1]->Text(), "Bergen lufthavn");
    const CTravelLine& car = *doc.Claim().m_travelLines[2];
    EXPECT_FALSE(car.HasStartTime());
    EXPECT_EQ(car.StartTimeText(), "");
    EXPECT_EQ(car.Km(), 104);
    const CTravelLine& train = *doc.Claim().m_travelLines[3];
    EXPECT_EQ(train.Currency(), "SEK");
    EXPECT_EQ(train.ForeignAmount(), 1234570.0f);  // six significant digits
    EXPECT_FLOAT_EQ(train.Rate(), 82.5f);
    EXPECT_EQ(train.Amount(), 1018520.0f);

    ASSERT_EQ(doc.Claim().m_outlayLines.size(), 3u);
    EXPECT_EQ(doc.Claim().m_outlayLines[0]->Date(), kNoDate);
    EXPECT_EQ(doc.Claim().m_outlayLines[0]->Text(), "Parkering Gardermoen");
    EXPECT_FLOAT_EQ(doc.Claim().m_outlayLines[1]->Amount(), 1850.5f);
    const CExpenseLine& dinner = *doc.Claim().m_outlayLines[2];
    EXPECT_EQ(dinner.Text(), "Middag på Voss"_cp);
    EXPECT_EQ(dinner.Currency(), "EUR");
    EXPECT_FLOAT_EQ(dinner.ForeignAmount(), 45.0f);
    EXPECT_FLOAT_EQ(dinner.Rate(), 8.1f);
    EXPECT_FLOAT_EQ(dinner.Amount(), 364.5f);

    EXPECT_FLOAT_EQ(doc.Claim().LineValue(DayDomestic5to9h, kRateColumn), 225.0f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(DayDomesticOver12h, kCountColumn), 2.5f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(DayDomesticOver12h, kAmountColumn), 1275.0f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(OvernightDomesticOver12h, kCountColumn), 3.0f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(CarUpTo9000, kAmountColumn), 364.0f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(MealDeductionNoOvernight, kAmountColumn), 150.0f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(BoardLodgingDaysCovered, kCountColumn), 2.0f);
    EXPECT_FLOAT_EQ(doc.Claim().LineValue(Advance, kAmountColumn), 1000.0f);
    EXPECT_EQ(doc.Claim().LineValue(AdminAllowanceAbroadRate, kRateColumn), 0.0f);

    EXPECT_EQ(doc.Claim().AbroadNightCountry1(), "Sverige");
    EXPECT_EQ(doc.Claim().OtherTransport(), "Sykkel");
    EXPECT_EQ(doc.Claim().OtherAdditions(), "Bompenger 40 kr");
    EXPECT_EQ(doc.Claim().AdvancePlace(), "Oslo");
    EXPECT_EQ(doc.Claim().TripNumber(), "R-2006-17");
    EXPECT_EQ(doc.Claim().LodgingKind(), 1);
    EXPECT_EQ(doc.Claim().Lodging(), "Hotell Bergen, Bryggen 3");
    EXPECT_EQ(doc.Claim().Remarks(), "Første linje\r\n\r\nTredje linje"_cp);
    EXPECT_EQ(doc.Claim().InterimAccount(), "1990");
    EXPECT_EQ(doc.Claim().TTCode(), "1041");

    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"loading", "refresh", "loaded"}));
    EXPECT_EQ(host.LastStatus(), "Beløp: 1024594,00"_cp);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Reise");
}

TEST_F(ClaimFileTest, FullClaimWritesBackByteForByte) {
    const std::string golden = GoldenBytes("full_claim.tur");
    Read(golden);
    EXPECT_EQ(Write(doc), golden);
}

TEST_F(ClaimFileTest, LineEndsAndTheTrailingNulDoNotMatter) {
    const std::string golden = GoldenBytes("full_claim.tur");
    const std::string lf = Replace(golden, "\r\n", "\n");
    const std::string noFinalEnd = golden.substr(0, golden.size() - 2);
    struct Case {
        std::string bytes;
        bool whole;  // else the last line may have been cut: it reads, and is reported
    };
    const Case cases[] = {{golden + '\0', true},
                          {lf, true},
                          {lf.substr(0, lf.size() - 1), false},
                          {noFinalEnd, false},
                          {noFinalEnd + '\0', false}};
    for (const Case& c : cases) {
        CFerdixDoc d(clock);
        ClaimDamage damage = Read(d, c.bytes);
        EXPECT_EQ(Write(d), golden) << c.bytes.size();
        EXPECT_EQ(damage.Any(), !c.whole) << c.bytes.size();
        if (!c.whole) {
            ASSERT_TRUE(damage.endedAt);
            EXPECT_EQ(damage.endedAt->key, "Trekk TT-kode");
        }
    }
}

TEST_F(ClaimFileTest, LegacyFileMapsItsRowsAndWarnsOnce) {
    Read(GoldenBytes("full_claim.tur"));  // a duty-station number the legacy file cannot hold
    Read(GoldenBytes("legacy_2_2_5.tur"));

    const CTraveller& t = doc.Claim().Traveller();
    EXPECT_EQ(t.PersonId(), "020255 12345");
    EXPECT_EQ(t.Position(), "Overingeniør"_cp);
    EXPECT_EQ(t.MunicipalityNumber(), 1201);
    EXPECT_EQ(t.DutyStationNumber(), 0);
    EXPECT_FLOAT_EQ(t.TaxPercent(), 30.0f);
    EXPECT_EQ(doc.Claim().TripKind(), 1);
    EXPECT_EQ(doc.Claim().DepartureTimeText(), "06:40");
    ASSERT_EQ(doc.Claim().m_travelLines.size(), 1u);
    EXPECT_FLOAT_EQ(doc.Claim().m_travelLines[0]->Amount(), 2150.0f);
    ASSERT_EQ(doc.Claim().m_outlayLines.size(), 1u);
    EXPECT_EQ(doc.Claim().m_outlayLines[0]->Text(), "Taxi");
    EXPECT_EQ(doc.Claim().AdvancePlace(), "Bergen");
    EXPECT_EQ(doc.Claim().LodgingKind(), 3);
    EXPECT_EQ(doc.Claim().Remarks(), "Tatt fly begge veier");

    // Old row -> current row, each with its count, rate and amount.
    struct Row {
        int row;
        float count, rate, amount;
    };
    const Row rows[] = {
        {0, 0, 150, 0}, {1, 0, 0, 0},     {3, 0, 0, 0},     {4, 0, 0, 0},
        {5, 0, 250, 0}, {6, 0, 400, 0},   {9, 1, 590, 590}, {11, 0, 300, 0},
        {12, 0, 0, 0},  {15, 0, 3.5f, 0}, {16, 0, 2.9f, 0}, {24, 0, 0, 60},
        {25, 0, 0, 75}, {26, 0, 0, 0},    {27, 1, 0, 0},    {28, 0, 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_FLOAT_EQ(doc.Claim().LineValue(r.row, kCountColumn), r.count) << r.row;
        EXPECT_FLOAT_EQ(doc.Claim().LineValue(r.row, kRateColumn), r.rate) << r.row;
        EXPECT_FLOAT_EQ(doc.Claim().LineValue(r.row, kAmountColumn), r.amount) << r.row;
    }

    ASSERT_EQ(host.messages.size(), 1u);
    const MessageRequest& m = host.messages[0];
    EXPECT_EQ(m.caption, "Advarsel");
    EXPECT_EQ(m.text,
              "Det har blitt gjort endringer i den offiselle utgaven\r\nav Ferdix som gjør at "
              "ikke alle felt kunne leses.\r\nNoe informasjon er tapt."_cp);
    EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
    EXPECT_FALSE(doc.IsModified());
}

// The reader needs no document: it fills the data and hands back, in file order, what storing
// the values found wrong. The document shows those messages once the claim is on the form.
TEST_F(ClaimFileTest, ReaderReturnsItsWarningsAndTheDocumentShowsThemAfterTheForm) {
    std::string file =
        Replace(GoldenBytes("full_claim.tur"), "Utreisedato: 05.03.06", "Utreisedato: 32.13.06");
    file = Replace(file, "Innreisetidspunkt: 18:45", "Innreisetidspunkt: 18:99");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Advarsel", "Feil i datoformat"},
        {"Advarsel", std::string("Utreisedato må være satt"_cp)},
        {"Advarsel", "Feil i klokkeslettformat\n"},
    };

    ClaimData claim;
    ClaimRead read = ReadClaim(claim, file);
    EXPECT_FALSE(read.damage.Any());
    ASSERT_EQ(read.warnings.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(read.warnings[i].caption, expected[i].first) << i;
        EXPECT_EQ(read.warnings[i].text, expected[i].second) << i;
    }
    EXPECT_EQ(claim.DepartureDateText(DateOrder::DayFirst), "");
    EXPECT_EQ(claim.ReturnDateText(DateOrder::DayFirst), "07.03.06");
    EXPECT_EQ(claim.ReturnTimeText(), "");
    EXPECT_EQ(claim.Traveller().Name(), "Kari Nordmann");

    // One log for the form and the message boxes, to see which came first.
    std::vector<std::string> log;
    struct LoggingHost : test::FakeHost {
        explicit LoggingHost(std::vector<std::string>& l) : log(l) {}
        MsgAnswer ShowMessage(const MessageRequest& request) override {
            log.push_back(request.text);
            return FakeHost::ShowMessage(request);
        }
        std::vector<std::string>& log;
    } logging(log);
    struct LoggingView : IClaimView {
        explicit LoggingView(std::vector<std::string>& l) : log(l) {}
        void RefreshForm() override { log.push_back("refresh"); }
        std::vector<std::string>& log;
    } onForm(log);
    CFerdixDoc d(clock);
    d.SetHost(&logging);
    d.SetView(&onForm);
    d.SetTitle("Reise");
    EXPECT_FALSE(d.LoadClaim(file).Any());
    ASSERT_EQ(log.size(), expected.size() + 1);
    EXPECT_EQ(log[0], "refresh");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log[i + 1], expected[i].second) << i;
    }
    EXPECT_FALSE(d.IsModified());
    EXPECT_EQ(d.GetTitle(), "Reise");
}

TEST_F(ClaimFileTest, LegacyWarningOnlyForValuesInRowsDroppedWithWarning) {
    // The allowance block of a legacy file with one old row set.
    auto legacyWith = [](int oldRow, const char* values) {
        std::string file = GoldenBytes("new_claim.tur");
        file.replace(0, file.find("\r\n"), "Versjon 2.2.5");
        auto duty = file.find("Tjenestestedsnummer");
        file.erase(duty, file.find("\r\n", duty) + 2 - duty);
        auto block = file.find("0,00 0,00 0,00 ");
        file.replace(block + static_cast<std::size_t>(oldRow) * 17, 15, values);
        return file;
    };
    struct Case {
        int oldRow;
        const char* values;
        std::size_t warnings;
    };
    const Case cases[] = {
        {1, "0,00 0,11 0,00", 1},  {2, "0,00 0,10 0,00", 0},  {3, "0,00 0,00 -5,0", 0},
        {6, "9,00 0,00 0,00", 1},  {12, "0,00 0,00 9,00", 1}, {24, "9,00 9,00 9,00", 0},
        {26, "9,00 9,00 9,00", 0}, {28, "0,00 0,00 9,00", 0}, {13, "9,00 0,00 0,00", 0},
    };
    for (const Case& c : cases) {
        test::FakeHost h;
        CFerdixDoc d(clock);
        d.SetHost(&h);
        Read(d, legacyWith(c.oldRow, c.values));
        EXPECT_EQ(h.messages.size(), c.warnings) << c.oldRow;
    }
    // Old row 13 is current row 15.
    CFerdixDoc d(clock);
    Read(d, legacyWith(13, "9,00 0,00 0,00"));
    EXPECT_FLOAT_EQ(d.Claim().LineValue(CarUpTo9000, kCountColumn), 9.0f);
}

// The net amount sums every line of the claim: a read shows it once, when the claim is whole.
TEST_F(ClaimFileTest, ReadingShowsTheNetAmountOnceAndLeavesTheTitleAlone) {
    for (const char* file : {"full_claim.tur", "legacy_2_2_5.tur"}) {
        SCOPED_TRACE(file);
        host.statusTexts.clear();
        host.answers.push_back(MsgAnswer::Ok);
        Read(GoldenBytes(file));
        ASSERT_EQ(host.statusTexts.size(), 1u);
        EXPECT_EQ(host.statusTexts[0],
                  std::string("Beløp: "_cp) + FormatAmount(doc.Claim().NetAmount(), true));
        EXPECT_EQ(doc.GetTitle(), "Reise");
        EXPECT_FALSE(doc.IsModified());
    }
}

// The version's numbers pick the layout, whatever their digits: a later program that writes
// 2.10 or 10.0 reads its own files in the current layout, and this one reads them there too
// and says that they come from a newer version.
TEST_F(ClaimFileTest, VersionNumbersPickTheLayoutAndNewerOnesAreReported) {
    // The legacy reader takes the duty-station line for the tax percent.
    const std::string body = GoldenBytes("full_claim.tur").substr(14);
    const ClaimVersion programs[] = {
        ProgramClaimVersion(), {2, 9, 0}, {2, 10, 0}, {3, 0, 0}, {10, 0, 0}};
    struct Case {
        const char* version;
        bool legacy;
        ClaimVersion asNumbers;  // for comparing with the program's
    };
    const Case cases[] = {
        {"Versjon 2.2.5", true, {2, 2, 5}},  {"Versjon 1.9.9", true, {1, 9, 9}},
        {"Versjon 2.3.0", false, {2, 3, 0}}, {"Versjon 2.3.19", false, {2, 3, 19}},
        {"Versjon 2.9.0", false, {2, 9, 0}}, {"Versjon 2.10.0", false, {2, 10, 0}},
        {"Versjon 3.0.0", false, {3, 0, 0}}, {"Versjon 10.0.0", false, {10, 0, 0}},
        {"Versjon 2.10", false, {2, 10, 0}}, {"Versjon 2.30.1", false, {2, 30, 1}},
    };
    for (const ClaimVersion& program : programs) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.version) + " read by " + std::to_string(program.major) +
                         "." + std::to_string(program.minor));
            ClaimData d;
            ClaimDamage damage = ReadClaim(d, c.version + body, program).damage;
            EXPECT_FLOAT_EQ(d.Traveller().TaxPercent(), c.legacy ? 1234.0f : 36.5f);
            EXPECT_EQ(d.Traveller().DutyStationNumber(), c.legacy ? 0 : 1234);
            const ClaimVersion& v = c.asNumbers;
            bool newer =
                v.major > program.major || (v.major == program.major && v.minor > program.minor);
            ASSERT_EQ(damage.newer.has_value(), newer);
            if (newer) {
                EXPECT_EQ(damage.newer->major, v.major);
                EXPECT_EQ(damage.newer->minor, v.minor);
            }
            EXPECT_FALSE(damage.notAClaim);
            EXPECT_FALSE(damage.endedAt);
        }
    }
    // A first line that is no version: read in the current layout for what it holds, and said.
    for (const char* line : {"", "Versjon", "Versjon x.3", "Version 2.3.19", "Versjon 2"}) {
        SCOPED_TRACE(line);
        CFerdixDoc d(clock);
        ClaimDamage damage = Read(d, line + body);
        EXPECT_TRUE(damage.notAClaim);
        EXPECT_FLOAT_EQ(d.Claim().Traveller().TaxPercent(), 36.5f);
    }
}

// ---- Records

TEST_F(ClaimFileTest, RecordsWithMissingFieldsKeepNewLineValues) {
    ClaimTextReader in(
        "05.03.06 08:00 Oslo@Bergen\r\n"
        "05.03.06@Hotell@EUR@10,00\r\n"
        "05.03.06 08:00 A@B@09:00 Fly@12 NOK x\r\n");
    auto leg = in.TravelRecord();
    EXPECT_EQ(leg->StartTimeText(), "08:00");
    EXPECT_EQ(leg->Text(), "Oslo");
    EXPECT_EQ(leg->To(), "");  // its "@" is missing
    auto outlay = in.OutlayRecord();
    EXPECT_EQ(outlay->Currency(), "EUR");
    EXPECT_EQ(outlay->ForeignAmount(), 0.0f);
    leg = in.TravelRecord();
    EXPECT_EQ(leg->Km(), 12);
    EXPECT_EQ(leg->ForeignAmount(), 0.0f);
    EXPECT_EQ(leg->Amount(), 0.0f);
}

TEST_F(ClaimFileTest, YearFirstDatesReadBackInDayFirstOrder) {
    locale.dateOrder = DateOrder::YearFirst;
    doc.SetDepartureDate("2006.03.05");
    auto leg = std::make_unique<CTravelLine>();
    leg->SetDate("2006.03.06", DateOrder::YearFirst);
    doc.AddTravelLine(std::move(leg));
    std::string bytes = Write(doc);
    EXPECT_NE(bytes.find("Lagret: 14.03.06\r\n"), std::string::npos);  // always day first
    EXPECT_NE(bytes.find("Utreisedato: 2006.03.05\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n2006.03.06 "), std::string::npos);

    CFerdixDoc back(clock);
    back.SetHost(&host);
    Read(back, bytes);
    EXPECT_EQ(back.Claim().DepartureDateText(DateOrder::DayFirst), "05.03.06");
    ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
    EXPECT_EQ(back.Claim().m_travelLines[0]->Date(), (CivilTime{2006, 3, 6, 0, 0, 0}));
    EXPECT_TRUE(host.messages.empty());
}

// Datoformat=YYMMDD changes how dates are typed and shown, never which day a file's date is:
// "05.03.06" in a file is 5 March 2006, and stays that day through a save.
TEST_F(ClaimFileTest, FileDatesMeanTheSameDayWhateverTheDateOrder) {
    locale.dateOrder = DateOrder::YearFirst;
    ClaimDamage damage = Read(GoldenBytes("full_claim.tur"));
    EXPECT_FALSE(damage.Any());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc.Claim().m_tDeparture, (CivilTime{2006, 3, 5, 7, 30, 0}));
    EXPECT_EQ(doc.Claim().m_tReturn, (CivilTime{2006, 3, 7, 18, 45, 0}));
    EXPECT_EQ(doc.Claim().DepartureDateText(DateOrder::YearFirst), "2006.03.05");
    ASSERT_EQ(doc.Claim().m_travelLines.size(), 4u);
    EXPECT_EQ(doc.Claim().m_travelLines[3]->Date(), (CivilTime{2006, 3, 7, 16, 0, 0}));
    EXPECT_EQ(doc.Claim().m_outlayLines[2]->Date(), (CivilTime{2006, 3, 6, 0, 0, 0}));
    std::string saved = Write(doc);
    EXPECT_NE(saved.find("Utreisedato: 2006.03.05\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n2006.03.07 16:00 Voss@"), std::string::npos);

    // Read back in either order: the same days.
    for (DateOrder order : {DateOrder::YearFirst, DateOrder::DayFirst}) {
        UserLocale readIn{kBokmal, order};
        CFerdixDoc back(readIn, clock, nullptr);
        Read(back, saved);
        EXPECT_EQ(back.Claim().m_tDeparture, doc.Claim().m_tDeparture);
        EXPECT_EQ(back.Claim().m_travelLines[3]->Date(), doc.Claim().m_travelLines[3]->Date());
        EXPECT_EQ(back.Claim().m_outlayLines[2]->Date(), doc.Claim().m_outlayLines[2]->Date());
    }
}

TEST_F(ClaimFileTest, DatesUpTo2079SurviveASaveAndAnOpen) {
    for (const char* date : {"05.03.2040", "31.12.2079"}) {
        SCOPED_TRACE(date);
        CFerdixDoc d(clock);
        d.SetHost(&host);
        d.SetDepartureDate(date);
        d.SetReturnDate(date);
        auto leg = std::make_unique<CTravelLine>();
        leg->SetDate(date, DateOrder::DayFirst);
        d.AddTravelLine(std::move(leg));
        auto outlay = std::make_unique<CExpenseLine>();
        outlay->SetDate(date, DateOrder::DayFirst);
        d.AddOutlayLine(std::move(outlay));
        ASSERT_NE(d.Claim().DepartureDateText(DateOrder::DayFirst), "");

        CFerdixDoc back(clock);
        back.SetHost(&host);
        Read(back, Write(d));
        EXPECT_EQ(back.Claim().m_tDeparture, d.Claim().m_tDeparture);
        EXPECT_EQ(back.Claim().m_tReturn, d.Claim().m_tReturn);
        ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
        ASSERT_EQ(back.Claim().m_outlayLines.size(), 1u);
        EXPECT_EQ(back.Claim().m_travelLines[0]->Date(), d.Claim().m_travelLines[0]->Date());
        EXPECT_EQ(back.Claim().m_outlayLines[0]->Date(), d.Claim().m_outlayLines[0]->Date());
        EXPECT_NE(back.Claim().m_travelLines[0]->Date(), kNoDate);
        EXPECT_TRUE(host.messages.empty());
    }
}

// ---- Reading helpers

TEST(ClaimFileReaders, KeyedLine) {
    struct Case {
        std::string input;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"Navn: Ola\r\nPoststed: Oslo\r\n", "Ola", "Oslo"},
        {"Merknad: kl: 10\nPoststed: Oslo", "kl: 10", "Oslo"},
        // An editor that trimmed the blank must not make the next line the value.
        {"Navn:\nPoststed: Oslo\n", "", "Oslo"},
        {"Navn:\r\nPoststed: Oslo\n", "", "Oslo"},
        // A line without a key is passed over, as the Windows program's reader did.
        {"Navn: Ola\r\nNordmann\r\nPoststed: Oslo\r\n", "Ola", "Oslo"},
        {"Navn: Ola\r\n", "Ola", ""},
        {"Navn: Ola\r\n\0"s, "Ola", ""},
        {"Navn: Ola\0"s, "Ola", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        ClaimTextReader in(c.input);
        EXPECT_EQ(in.KeyedLine(), c.first) << c.input;
        EXPECT_EQ(in.KeyedLine(), c.second) << c.input;
    }
}

TEST(ClaimFileReaders, MultiLineText) {
    struct Case {
        std::string input;
        std::string text;
    };
    const Case cases[] = {
        {"Merknader: a\r\n\r\nc\xA4\r\nNeste: x\r\n", "a\r\n\r\nc"},
        {"Merknader: \r\n\r\na\r\nb\xA4\r\n", "a\r\nb"},  // leading empty lines dropped
        {"Merknader: a\r\n\r\n\r\n\xA4\r\n", "a"},        // and trailing ones
        {"Merknader: \xA4\r\nNeste: x\r\n", ""},
        {"Merknader: a\nb\xA4\n", "a\r\nb"},  // LF only
        {"Merknader: a\r\nb\r\n", "a\r\nb"},  // no end mark: to the end
        {"Merknader: a\xA4\xA4\r\n", "a\xA4"},
        {"Merknader: a\xA4 \r\nb\xA4", "a\xA4 \r\nb"},
    };
    for (const Case& c : cases) {
        ClaimTextReader in(c.input);
        EXPECT_EQ(in.MultiLineText(), c.text) << c.input;
    }
}

// ---- What the writer writes reads back in its place

TEST_F(ClaimFileTest, LongLinesReadBackWhole) {
    const std::string long600(600, 'n');
    const std::string long1100(1100, 'f');
    doc.ChangeTraveller(&CTraveller::SetName, long600);
    doc.ChangeTraveller(&CTraveller::SetPostTown, "Oslo");
    doc.SetRemarks(std::string(700, 'r') + "\r\nslutt");
    doc.SetTTCode("1041");
    auto leg = std::make_unique<CTravelLine>();
    leg->SetText(long1100);
    leg->SetKm(42);
    doc.AddTravelLine(std::move(leg));
    auto outlay = std::make_unique<CExpenseLine>();
    outlay->SetText(long600);
    outlay->SetAmount(12.5f);
    doc.AddOutlayLine(std::move(outlay));

    CFerdixDoc back(clock);
    RoundTrip(back);
    EXPECT_EQ(back.Claim().Traveller().Name(), long600);
    EXPECT_EQ(back.Claim().Traveller().PostTown(), "Oslo");
    EXPECT_EQ(back.Claim().Remarks(), doc.Claim().Remarks());
    EXPECT_EQ(back.Claim().TTCode(), "1041");
    ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
    EXPECT_EQ(back.Claim().m_travelLines[0]->Text(), long1100);
    EXPECT_EQ(back.Claim().m_travelLines[0]->Km(), 42);
    ASSERT_EQ(back.Claim().m_outlayLines.size(), 1u);
    EXPECT_EQ(back.Claim().m_outlayLines[0]->Text(), long600);
    EXPECT_FLOAT_EQ(back.Claim().m_outlayLines[0]->Amount(), 12.5f);
}

TEST_F(ClaimFileTest, AtSignsInRecordTextsBecomeBlanks) {
    auto leg = std::make_unique<CTravelLine>();
    leg->SetText("kari@firma.no");
    leg->SetTo("@Bergen");
    leg->SetTransport("Fly@SAS");
    leg->SetKm(7);
    leg->SetCurrency("NOK");
    leg->SetAmount(99.0f);
    doc.AddTravelLine(std::move(leg));
    auto outlay = std::make_unique<CExpenseLine>();
    outlay->SetText("Lunsj @ kantina");
    outlay->SetCurrency("NOK@");
    outlay->SetAmount(85.0f);
    doc.AddOutlayLine(std::move(outlay));

    CFerdixDoc back(clock);
    RoundTrip(back);
    ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
    const CTravelLine& l = *back.Claim().m_travelLines[0];
    EXPECT_EQ(l.Text(), "kari firma.no");
    EXPECT_EQ(l.To(), " Bergen");
    EXPECT_EQ(l.Transport(), "Fly SAS");
    EXPECT_EQ(l.Km(), 7);
    EXPECT_FLOAT_EQ(l.Amount(), 99.0f);
    ASSERT_EQ(back.Claim().m_outlayLines.size(), 1u);
    EXPECT_EQ(back.Claim().m_outlayLines[0]->Text(), "Lunsj   kantina");
    EXPECT_EQ(back.Claim().m_outlayLines[0]->Currency(), "NOK ");
    EXPECT_FLOAT_EQ(back.Claim().m_outlayLines[0]->Amount(), 85.0f);
}

TEST_F(ClaimFileTest, EndMarkAtTheEndOfALineGetsABlank) {
    doc.SetConcerns("Kurs 100\xA4\r\nog mer");
    doc.SetPurpose("Oslo\xA4\nBergen\xA4");
    doc.SetRemarks("Pris 200\xA4\r\n\r\nslutt");
    doc.SetInterimAccount("1990");

    CFerdixDoc back(clock);
    RoundTrip(back);
    EXPECT_EQ(back.Claim().Concerns(), "Kurs 100\xA4 \r\nog mer");
    EXPECT_EQ(back.Claim().Purpose(), "Oslo\xA4 \r\nBergen\xA4");  // the last one needs no blank
    EXPECT_EQ(back.Claim().Remarks(), "Pris 200\xA4 \r\n\r\nslutt");
    EXPECT_EQ(back.Claim().DepartureDateText(DateOrder::DayFirst), "");
    EXPECT_EQ(back.Claim().InterimAccount(), "1990");
    EXPECT_TRUE(host.messages.empty());
    // Saving again changes nothing more.
    EXPECT_EQ(Write(back), Write(doc));
}

TEST_F(ClaimFileTest, LineBreaksInSingleLineTextsBecomeBlanks) {
    doc.ChangeTraveller(&CTraveller::SetName, "Kari\r\nNordmann");
    doc.ChangeTraveller(&CTraveller::SetStreetAddress, "Storgata 1");
    doc.SetLodging("Hotell\nBryggen");
    doc.SetTTCode("1041\r");
    auto leg = std::make_unique<CTravelLine>();
    leg->SetText("Oslo\r\nS");
    leg->SetAmount(5.0f);
    doc.AddTravelLine(std::move(leg));
    auto outlay = std::make_unique<CExpenseLine>();
    outlay->SetText("Hotell\nBergen");
    outlay->SetAmount(6.0f);
    doc.AddOutlayLine(std::move(outlay));

    CFerdixDoc back(clock);
    RoundTrip(back);
    EXPECT_EQ(back.Claim().Traveller().Name(), "Kari  Nordmann");
    EXPECT_EQ(back.Claim().Traveller().StreetAddress(), "Storgata 1");
    EXPECT_EQ(back.Claim().Lodging(), "Hotell Bryggen");
    EXPECT_EQ(back.Claim().TTCode(), "1041 ");
    ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
    EXPECT_EQ(back.Claim().m_travelLines[0]->Text(), "Oslo  S");
    EXPECT_FLOAT_EQ(back.Claim().m_travelLines[0]->Amount(), 5.0f);
    ASSERT_EQ(back.Claim().m_outlayLines.size(), 1u);
    EXPECT_FLOAT_EQ(back.Claim().m_outlayLines[0]->Amount(), 6.0f);
}

TEST_F(ClaimFileTest, TravelCurrencyIsOneWordEvenWhenEmptyOrSpaced) {
    for (const char* code : {"", "Annen valuta"}) {
        CFerdixDoc d(clock);
        auto leg = std::make_unique<CTravelLine>();
        leg->SetCurrency(code);
        leg->SetForeignAmount(100.0f);
        leg->SetRate(8.5f);
        leg->SetAmount(8.5f);
        d.AddTravelLine(std::move(leg));
        std::string bytes = Write(d);

        CFerdixDoc back(clock);
        Read(back, bytes);
        ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
        const CTravelLine& l = *back.Claim().m_travelLines[0];
        EXPECT_EQ(l.Currency(), *code ? "Annen_valuta" : "");
        EXPECT_FLOAT_EQ(l.ForeignAmount(), 100.0f) << code;
        EXPECT_FLOAT_EQ(l.Rate(), 8.5f) << code;
        EXPECT_FLOAT_EQ(l.Amount(), 8.5f) << code;
    }
}

// ---- Damaged and foreign files

// Reading a file never depends on the claim open before: every prefix of a claim file, and
// some foreign texts, read into a fresh claim and into one that held the full claim give the
// same claim.
TEST_F(ClaimFileTest, NothingOfThePreviousClaimSurvivesADamagedFile) {
    std::vector<std::string> inputs;
    for (const char* name : {"full_claim.tur", "legacy_2_2_5.tur"}) {
        const std::string golden = GoldenBytes(name);
        for (std::size_t n = 0; n <= golden.size(); n += 7) {
            inputs.push_back(golden.substr(0, n));
        }
    }
    inputs.push_back(
        "Versjon 2.3.19\r\nLagret: \r\n\r\nAntall reisespesifikasjoner: 2000000000\r\n");
    inputs.push_back("Versjon 9.9.9\nMerknader: ingen slutt\n" + std::string(3000, 'x'));
    inputs.push_back("\xA4@:\0\r\n@@@@@:::\xA4\xA4\n"s);
    const std::string full = GoldenBytes("full_claim.tur");

    for (const std::string& input : inputs) {
        CFerdixDoc fresh(clock);
        Read(fresh, input);
        CFerdixDoc used(clock);
        Read(used, full);
        Read(used, input);
        ASSERT_EQ(Write(used), Write(fresh)) << input.size();
    }
}

// The file as the layout needs it, or short of it: every cut of the full claim, at each line
// end and at every byte, is reported (only the whole file, and the file without the NUL the own
// Save appends, are not), and so are files that are no claim at all.
TEST_F(ClaimFileTest, EveryCutOfAClaimAndEveryForeignFileIsReported) {
    for (const char* name : {"full_claim.tur", "legacy_2_2_5.tur", "new_claim.tur"}) {
        SCOPED_TRACE(name);
        const std::string golden = GoldenBytes(name);
        for (std::size_t n = 0; n < golden.size(); ++n) {
            CFerdixDoc d(clock);
            d.SetHost(&host);
            host.answers.push_back(MsgAnswer::Ok);  // the legacy file's warning
            ClaimDamage damage = Read(d, golden.substr(0, n));
            ASSERT_TRUE(damage.endedAt) << "cut after " << n << " of " << golden.size();
        }
        EXPECT_FALSE(Read(golden).Any());
        EXPECT_FALSE(Read(golden + '\0').Any());
    }
    const std::string utf16 = [] {
        std::string text = "Versjon 2.3.19\r\nLagret: 14.03.06\r\n";
        std::string out = "\xFF\xFE";
        for (char c : text) {
            out += c;
            out += '\0';
        }
        return out;
    }();
    std::string random;
    std::uint32_t x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1664525u + 1013904223u;
        random += static_cast<char>(x >> 24);
    }
    struct Foreign {
        const char* what;
        std::string bytes;
    };
    const Foreign foreign[] = {
        {"empty", ""},
        {"UTF-16", utf16},
        {"NUL only", std::string(3000, '\0')},
        {"random bytes", random},
        {"text", "Kjære Kari,\r\nher er reiseregningen.\r\n"},
    };
    for (const Foreign& f : foreign) {
        SCOPED_TRACE(f.what);
        CFerdixDoc d(clock);
        ClaimDamage damage = Read(d, f.bytes);
        EXPECT_TRUE(damage.notAClaim);
        EXPECT_TRUE(damage.endedAt);
    }
}

// Where the file ends decides what is said, and what was read before stays.
TEST_F(ClaimFileTest, ACutFileSaysWhereItEndedAndKeepsWhatCameBefore) {
    const std::string golden = GoldenBytes("full_claim.tur");
    auto cutAfterLine = [&](int lines) {
        std::size_t at = 0;
        for (int i = 0; i < lines; ++i) {
            at = golden.find('\n', at) + 1;
        }
        return golden.substr(0, at);
    };
    struct Case {
        int lines;
        ClaimPart::Kind kind;
        std::string_view key;
        int number;
        std::size_t travelLines;
    };
    const Case cases[] = {
        {1, ClaimPart::SavedLine, {}, 0, 0},
        {19, ClaimPart::Field, "Regningen gjelder", 0, 0},
        {21, ClaimPart::Field, "Reisested og formål"_cp, 0, 0},  // inside the text
        {28, ClaimPart::TravelRecord, {}, 2, 1},
        {31, ClaimPart::OutlayCount, {}, 0, 4},
        {40, ClaimPart::Allowances, {}, 0, 4},
        {62, ClaimPart::Allowances, {}, 0, 4},  // the advance is missing
        {64, ClaimPart::Field, "Kost uten overnatting utland", 0, 4},
        {81, ClaimPart::Field, "Merknader", 0, 4},
        {83, ClaimPart::Field, "Trekk TT-kode", 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        CFerdixDoc d(clock);
        ClaimDamage damage = Read(d, cutAfterLine(c.lines));
        ASSERT_TRUE(damage.endedAt);
        EXPECT_EQ(damage.endedAt->kind, c.kind);
        EXPECT_EQ(damage.endedAt->key, c.key);
        EXPECT_EQ(damage.endedAt->number, c.number);
        EXPECT_EQ(d.Claim().m_travelLines.size(), c.travelLines);
        EXPECT_FALSE(damage.notAClaim);
        EXPECT_TRUE(damage.counts.empty());
    }
    CFerdixDoc d(clock);
    Read(d, cutAfterLine(62));
    EXPECT_EQ(d.Claim().AdvanceAmount(), 0.0f);
    EXPECT_EQ(d.Claim().Traveller().Name(), "Kari Nordmann");
}

// A count that runs past the records stops where the next part of the layout begins, so that
// nothing after it moves; records beyond a count too small are read as records.
TEST_F(ClaimFileTest, CountsThatDoNotFitTheirRecordsAreReportedAndReadAround) {
    const std::string golden = GoldenBytes("full_claim.tur");
    struct Case {
        std::string_view from, to;
        bool travel;
        int said;
    };
    const Case cases[] = {
        {"Antall reisespesifikasjoner: 4", "Antall reisespesifikasjoner: 9", true, 9},
        {"Antall reisespesifikasjoner: 4", "Antall reisespesifikasjoner: 2", true, 2},
        {"Antall reisespesifikasjoner: 4", "Antall reisespesifikasjoner: 2000000000", true,
         2000000000},
        {"Antall hotellutlegg: 3", "Antall hotellutlegg: 30", false, 30},
        {"Antall hotellutlegg: 3", "Antall hotellutlegg: 0", false, 0},
    };
    CFerdixDoc whole(clock);
    Read(whole, golden);
    // Empty lines between records are passed over, and the count fits.
    CFerdixDoc spaced(clock);
    EXPECT_FALSE(Read(spaced, Replace(golden, "1450 \r\n", "1450 \r\n\r\n  \r\n")).Any());
    EXPECT_EQ(Write(spaced), Write(whole));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        CFerdixDoc d(clock);
        ClaimDamage damage = Read(d, Replace(golden, c.from, c.to));
        ASSERT_EQ(damage.counts.size(), 1u);
        EXPECT_EQ(damage.counts[0].travel, c.travel);
        EXPECT_EQ(damage.counts[0].said, c.said);
        EXPECT_EQ(damage.counts[0].found, c.travel ? 4 : 3);
        EXPECT_FALSE(damage.endedAt);
        EXPECT_EQ(Write(d), Write(whole));  // every line in its place, the advance too
    }
}

// What this program writes it reads back whole: the golden files, and claims of every kind
// written and read again in either date order.
TEST_F(ClaimFileTest, ClaimsThisProgramWroteAreNeverReportedDamaged) {
    for (const char* name : {"full_claim.tur", "new_claim.tur", "legacy_2_2_5.tur"}) {
        host.answers.push_back(MsgAnswer::Ok);
        EXPECT_FALSE(Read(GoldenBytes(name)).Any()) << name;
    }
    for (DateOrder order : {DateOrder::DayFirst, DateOrder::YearFirst}) {
        UserLocale run{kBokmal, order};
        CFerdixDoc full(run, clock, nullptr);
        Read(full, GoldenBytes("full_claim.tur"));
        full.SetRemarks("\xA4\r\n@\r\nVersjon 9.9.9");
        full.SetConcerns("Antall hotellutlegg: 9\xA4");
        full.ChangeTraveller(&CTraveller::SetName, "Navn: @@@");
        std::unique_ptr<CExpenseLine> outlay = full.RemoveOutlayLine(0);
        outlay->SetText("");
        full.AddOutlayLine(std::move(outlay));
        CFerdixDoc empty(run, clock, nullptr);
        for (CFerdixDoc* d : {&full, &empty}) {
            CFerdixDoc back(run, clock, nullptr);
            EXPECT_FALSE(Read(back, Write(*d)).Any());
            EXPECT_EQ(Write(back), Write(*d));
        }
    }
}

TEST_F(ClaimFileTest, TheDamageMessageNamesTheFileAndWhatWasWrongInEitherStandard) {
    ClaimDamage damage;
    damage.notAClaim = true;
    damage.newer = ClaimVersion{10, 0, 0};
    damage.endedAt = ClaimPart{ClaimPart::TravelRecord, {}, 3};
    damage.counts.push_back({false, 9, 4});
    const std::string path = "/home/kari/Отчёт-ő.tur";
    struct Case {
        int standard;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {kBokmal,
         {"Skadet reiseregning", path, "kunne ikke leses hel", "ikke «Versjon»",
          "lagret av Ferdix 10.0.0, en nyere versjon enn denne (" + VersionText() + ")",
          "Filen slutter i «reisespesifikasjon nr. 3»",
          "«Antall hotellutlegg» sier 9, men filen har 4", "Det som kunne leses, er tatt med"}},
        {kNynorsk,
         {"Skadd reiserekning", path, "kunne ikkje lesast heil", "ikkje «Versjon»",
          "lagra av Ferdix 10.0.0, ein nyare versjon", "Fila sluttar i «reisespesifikasjon nr. 3»",
          "«Antall hotellutlegg» seier 9, men fila har 4", "Det som kunne lesast, er teke med"}},
    };
    for (const Case& c : cases) {
        MessageRequest m = DamagedClaimMessage(c.standard, path, damage);
        std::string shown = MixedToUtf8(m.caption) + "\n" + MixedToUtf8(m.text);
        for (const std::string& part : c.parts) {
            EXPECT_NE(shown.find(part), std::string::npos) << part << "\n" << shown;
        }
    }
}

// A save never changes money: each amount of a travel line, and the tax percent, is written with
// as many digits as it needs to read back as it was.
TEST_F(ClaimFileTest, TravelAmountsAndTheTaxPercentReadBackExactly) {
    struct Case {
        float value;
        const char* written;  // as the record holds it
    };
    const Case cases[] = {
        {12345.67f, "12345.67"},
        {1018518.77f, "1.01851875e+006"},
        {1234570.0f, "1.23457e+006"},  // six digits that read back exactly stay as they were
        {1450.0f, "1450"},
        {82.5f, "82.5"},
        {0.1f, "0.1"},
        {123456.7f, "123456.7"},
        {999999.94f, "999999.94"},
        {3.14159274f, "3.1415927"},
        {16777217.0f, "1.6777216e+007"},
        {-2.5f, "-2.5"},
        {0.0f, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        CFerdixDoc d(clock);
        auto leg = std::make_unique<CTravelLine>();
        leg->SetCurrency("SEK");
        leg->SetForeignAmount(c.value);
        leg->SetRate(c.value);
        leg->SetAmount(c.value);
        d.AddTravelLine(std::move(leg));
        d.ChangeTraveller(&CTraveller::SetTaxPercent, c.value);
        std::string bytes = Write(d);
        const std::string fields = std::string(c.written) + " " + c.written + " " + c.written + " ";
        EXPECT_NE(bytes.find(" SEK " + fields + "\r\n"), std::string::npos) << bytes;
        EXPECT_NE(bytes.find("Trekkprosent: " + std::string(c.written) + "\r\n"),
                  std::string::npos);

        CFerdixDoc back(clock);
        Read(back, bytes);
        ASSERT_EQ(back.Claim().m_travelLines.size(), 1u);
        EXPECT_EQ(back.Claim().m_travelLines[0]->ForeignAmount(), c.value);
        EXPECT_EQ(back.Claim().m_travelLines[0]->Rate(), c.value);
        EXPECT_EQ(back.Claim().m_travelLines[0]->Amount(), c.value);
        EXPECT_EQ(back.Claim().Traveller().TaxPercent(), c.value);
    }
}

}  // namespace
}  // namespace ferdix
