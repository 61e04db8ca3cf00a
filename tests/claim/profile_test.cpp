#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "form/control_ids.h"
#include "rates/ini_file.h"
#include "support/fake_host.h"
#include "support/recording_view.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

class ProfileTest : public ::testing::Test {
  protected:
    ProfileTest()
        : files(LocateFiles(dir.File("bin/ferdix"), dir.File("config/ferdix"))),
          doc(DefaultClock(), &files) {
        doc.SetHost(&host);
        doc.SetView(&view);
    }

    void WriteProfileFile(std::string_view utf8) {
        std::filesystem::create_directories(files.userConfigDir);
        test::WriteFile(files.profile, Utf8ToCp1252(utf8));
    }

    test::TempFolder dir;
    FileLocations files;
    test::FakeHost host;
    test::RecordingView view;
    CFerdixDoc doc;
};

TEST_F(ProfileTest, WritesEveryKeyInOrder) {
    doc.SetPersonId("010203-12345");
    doc.ChangeTraveller(&CTraveller::SetName, "Kari Nordmann");
    doc.ChangeTraveller(&CTraveller::SetStreetAddress, "Storgata 1");
    doc.ChangeTraveller(&CTraveller::SetPostcode, "150");
    doc.ChangeTraveller(&CTraveller::SetPostTown, "Oslo");
    doc.ChangeTraveller(&CTraveller::SetPosition, "Rådgiver"_cp);
    doc.ChangeTraveller(&CTraveller::SetAccountNumber, "1234.56.78901");
    doc.ChangeTraveller(&CTraveller::SetAgency, "Statens vegvesen");
    doc.ChangeTraveller(&CTraveller::SetDepartment, "Region øst"_cp);
    doc.ChangeTraveller(&CTraveller::SetEmployeeNumber, 0);
    doc.ChangeTraveller(&CTraveller::SetTaxMunicipality, "Oslo");
    doc.ChangeTraveller(&CTraveller::SetMunicipalityNumber, 301);
    doc.ChangeTraveller(&CTraveller::SetTaxPercent, 36.5f);
    doc.ChangeTraveller(&CTraveller::SetKmSoFar, 12000);
    doc.SetWrittenStandard(kNynorsk);

    ASSERT_TRUE(doc.WriteProfile());  // the per-user folder is made on the way
    EXPECT_EQ(test::ReadFile(files.profile), Utf8ToCp1252("[010203 12345]\r\n"
                                                          "Navn=Kari Nordmann\r\n"
                                                          "Gateadresse=Storgata 1\r\n"
                                                          "Postnummer=0150\r\n"
                                                          "Poststed=Oslo\r\n"
                                                          "Stilling=Rådgiver\r\n"
                                                          "Kontonummer=1234.56.78901\r\n"
                                                          "Etat=Statens vegvesen\r\n"
                                                          "Avdeling=Region øst\r\n"
                                                          "TilsattNummer=\r\n"
                                                          "SkatteKommune=Oslo\r\n"
                                                          "KommuneNummer=0301\r\n"
                                                          "Tjenestestedsnummer=\r\n"
                                                          "TrekkProsent=36.5\r\n"
                                                          "Km hittil i år=12000\r\n"
                                                          "Språkpreferanse=nynorsk\r\n"));

    // Read back into a fresh claim: the values return, the empty ones change nothing.
    doc.SetWrittenStandard(kBokmal);
    CFerdixDoc other(DefaultClock(), &files);
    test::RecordingView otherView;
    other.SetView(&otherView);
    other.SetPersonId("01020312345");
    const CTraveller& r = other.Claim().Traveller();
    EXPECT_EQ(r.Department(), "Region øst"_cp);
    EXPECT_EQ(r.TaxPercentText(), "36.5");
    EXPECT_EQ(r.EmployeeNumber(), -1);
    EXPECT_EQ(otherView.fields.count(kIdEmployeeNumber), 0u);
    EXPECT_EQ(otherView.fields.count(kIdDutyStation), 0u);
    EXPECT_EQ(other.Locale().standard, kNynorsk);
}

TEST_F(ProfileTest, ReadFillsClaimAndFormInOrder) {
    WriteProfileFile(
        "[Oppsett]\r\nOppstartingsspråk=nynorsk\r\n"
        "[010203 12345]\r\n"
        "Navn=Kari Nordmann\r\nGateadresse=Storgata 1\r\nPostnummer=150\r\nPoststed=Oslo\r\n"
        "Stilling=Rådgiver\r\nKontonummer=1234.56.78901\r\nEtat=Statens vegvesen\r\n"
        "Avdeling=Region øst\r\nTilsattNummer=4711\r\nSkatteKommune=Oslo\r\n"
        "KommuneNummer=301\r\nTjenestestedsnummer=42\r\nTrekkProsent=36.5\r\n"
        "Km hittil i år=12000\r\nSpråkpreferanse=nynorsk\r\n");
    std::size_t statusBefore = host.statusTexts.size();
    doc.SetPersonId("010203 12345");

    std::vector<std::string> expected = {"1011=Kari Nordmann",
                                         "1012=Storgata 1",
                                         "1014=0150",
                                         "1016=Oslo",
                                         "1032=Rådgiver",
                                         "1033=1234.56.78901",
                                         "1038=Statens vegvesen",
                                         "1035=Region øst",
                                         "1037=4711",
                                         "1013=Oslo",
                                         "1015=301",
                                         "1039=36.5",
                                         "mileage",
                                         "1219=42",
                                         "relabel"};
    for (std::string& e : expected) {
        e = Utf8ToCp1252(e);
    }
    EXPECT_EQ(view.calls, expected);
    const CTraveller& t = doc.Claim().Traveller();
    EXPECT_EQ(t.EmployeeNumber(), 4711);
    EXPECT_EQ(t.DutyStationNumber(), 42);
    EXPECT_EQ(t.MunicipalityNumberText(), "0301");
    EXPECT_EQ(t.KmSoFar(), 12000u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Locale().standard, kNynorsk);
    EXPECT_EQ(host.statusTexts.size(), statusBefore);  // relabelled, total left alone
}

TEST_F(ProfileTest, UnknownTravellerOnlySetsBokmal) {
    WriteProfileFile("[010203 12345]\r\nNavn=Kari\r\nSpråkpreferanse=nynorsk\r\n");
    doc.SetWrittenStandard(kNynorsk);
    doc.ChangeTraveller(&CTraveller::SetName, "Ola");
    doc.SetPersonId("99999999999");
    EXPECT_EQ(doc.Claim().Traveller().Name(), "Ola");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"relabel"}));
    EXPECT_EQ(doc.Locale().standard, kBokmal);
}

TEST_F(ProfileTest, LanguageKeys) {
    struct Case {
        const char* start;   // "Oppstartingsspråk", null for none
        const char* stored;  // "Språkpreferanse", null for none
        int expected;
    };
    const Case cases[] = {
        {nullptr, "nynorsk", kNynorsk},        {"", "nynorsk", kNynorsk},
        {"bokmål", "nynorsk", kBokmal},        {"n", "nynorsk", kNynorsk},
        {"NyNorsk og mer", nullptr, kNynorsk}, {"nyn", "nynorsk", kBokmal},
        {nullptr, nullptr, kBokmal},           {nullptr, "Nynorsk", kNynorsk},
    };
    doc.SetPersonId("010203 12345");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start ? c.start : "-") + " / " + (c.stored ? c.stored : "-"));
        std::string text = "[010203 12345]\r\n";
        if (c.start)
            text += std::string("Oppstartingsspråk=") + c.start + "\r\n";
        if (c.stored)
            text += std::string("Språkpreferanse=") + c.stored + "\r\n";
        WriteProfileFile(text);
        doc.SetWrittenStandard(c.expected == kBokmal ? kNynorsk : kBokmal);
        doc.ReadProfile();
        EXPECT_EQ(doc.Locale().standard, c.expected);
    }
}

TEST_F(ProfileTest, StartLanguageGoesIntoTheTravellersSection) {
    doc.SetPersonId("010203 12345");
    doc.SetWrittenStandard(kBokmal);
    ASSERT_TRUE(doc.WriteProfile());  // Språkpreferanse=bokmål
    ASSERT_TRUE(doc.WriteProfileStartLanguage(kNynorsk));
    IniDocument written;
    written.Load(files.profile);
    EXPECT_EQ(written.GetString("010203 12345", "Oppstartingsspråk"_cp), "nynorsk");
    EXPECT_FALSE(written.HasSection("Oppsett"));
    doc.ReadProfile();
    EXPECT_EQ(doc.Locale().standard, kNynorsk);
}

TEST_F(ProfileTest, TravellerWithoutIdentityNumberUsesTheEmptySection) {
    doc.ChangeTraveller(&CTraveller::SetName, "Kari");
    ASSERT_TRUE(doc.WriteProfile());
    EXPECT_EQ(test::ReadFile(files.profile).substr(0, 15), "[]\r\nNavn=Kari\r\n");
    ASSERT_TRUE(doc.WriteProfileStartLanguage(kBokmal));
    IniDocument written;
    written.Load(files.profile);
    EXPECT_EQ(written.GetString("", "Oppstartingsspråk"_cp), "bokmål"_cp);
}

TEST(ProfileWithoutFiles, NothingIsReadOrWritten) {
    CFerdixDoc doc;
    doc.SetWrittenStandard(kNynorsk);
    test::RecordingView view;
    doc.SetView(&view);
    doc.SetPersonId("010203 12345");
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(doc.Locale().standard, kNynorsk);
    EXPECT_FALSE(doc.WriteProfile());
    EXPECT_FALSE(doc.WriteProfileStartLanguage(kBokmal));
}

}  // namespace
}  // namespace ferdix
