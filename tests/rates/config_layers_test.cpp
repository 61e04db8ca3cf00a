// ferdix.ini and land.ini looked up key by key: the user's own file, then the system folders',
// then the files beside the program; what a start-up says about them; and the user's own rates
// when the office's have moved on.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "claim/rate_messages.h"
#include "rates/program_settings.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

// A user folder, two system folders and a program folder, each made on demand.
class ConfigLayersTest : public ::testing::Test {
  protected:
    std::string User(std::string_view name) const {
        return dir.File("home/ferdix/" + std::string(name));
    }
    std::string Office(std::string_view name) const {
        return dir.File("etc/ferdix/" + std::string(name));
    }
    std::string Xdg(std::string_view name) const {
        return dir.File("xdg/ferdix/" + std::string(name));
    }
    std::string Beside(std::string_view name) const { return dir.File("bin/" + std::string(name)); }
    void Write(const std::string& path, std::string_view bytes) const {
        fs::create_directories(fs::path(path).parent_path());
        test::WriteFile(path, bytes);
    }
    FileLocations Files() const {
        return LocateFiles(Beside("ferdix"), dir.File("home/ferdix"),
                           {dir.File("xdg/ferdix"), dir.File("etc/ferdix")});
    }

    test::TempFolder dir;
};

TEST(ConfigLocations, SystemFoldersFromTheEnvironment) {
    struct Case {
        const char* xdgConfigDirs;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {nullptr, {"/etc/xdg/ferdix", "/etc/ferdix"}},
        {"", {"/etc/xdg/ferdix", "/etc/ferdix"}},
        {"/etc/xdg/xdg-gnome:/etc/xdg/",
         {"/etc/xdg/xdg-gnome/ferdix", "/etc/xdg/ferdix", "/etc/ferdix"}},
        // Relative and empty entries are ignored.
        {"relative::/opt/conf", {"/opt/conf/ferdix", "/etc/ferdix"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdgConfigDirs ? c.xdgConfigDirs : "(unset)");
        EXPECT_EQ(SystemConfigDirsFrom(c.xdgConfigDirs), c.expected);
    }
}

TEST(ConfigLocations, UserFolderThenSystemFoldersThenBesideTheProgram) {
    FileLocations f = LocateFiles("/opt/ferdix/ferdix", "/home/kari/.config/ferdix",
                                  {"/etc/xdg/ferdix", "/etc/ferdix"});
    EXPECT_EQ(f.ferdixIni, "/home/kari/.config/ferdix/ferdix.ini");
    EXPECT_EQ(f.landIni, "/home/kari/.config/ferdix/land.ini");
    EXPECT_EQ(f.sharedFerdixIni,
              (std::vector<std::string>{"/etc/xdg/ferdix/ferdix.ini", "/etc/ferdix/ferdix.ini",
                                        "/opt/ferdix/ferdix.ini"}));
    EXPECT_EQ(f.sharedLandIni.back(), "/opt/ferdix/land.ini");
    EXPECT_EQ(f.profile, "/home/kari/.config/ferdix/reisende.ini");

    // A program placed in the office's folder reads its files once.
    FileLocations same =
        LocateFiles("/etc/ferdix/ferdix", "/home/kari/.config/ferdix", {"/etc/ferdix/"});
    EXPECT_EQ(same.sharedFerdixIni, (std::vector<std::string>{"/etc/ferdix/ferdix.ini"}));

    // Without a home folder there is no file of the user's own, and the rest still read.
    FileLocations homeless = LocateFiles("/opt/ferdix/ferdix", "", {"/etc/ferdix"});
    EXPECT_EQ(homeless.ferdixIni, "");
    EXPECT_EQ(homeless.sharedFerdixIni.size(), 2u);
}

TEST_F(ConfigLayersTest, EachKeyComesFromTheFirstFileThatHasIt) {
    Write(User("ferdix.ini"),
          "[Satser]\r\nBil under 9000km=4,00\r\n[Oppsett]\r\nDatoformat=YYMMDD\r\n");
    Write(Xdg("ferdix.ini"), "[satser]\r\nPassasjertillegg=1\r\n");
    Write(Office("ferdix.ini"),
          "[Informasjon]\r\nSatserGyldigFra=01.01.2024\r\n[Satser]\r\nBil under 9000km=4,50\r\n"
          "Bil over 9000km=3,50\r\nPassasjertillegg=2\r\n");
    Write(Beside("ferdix.ini"),
          "[Informasjon]\r\nSatserGyldigFra=01.03.2010\r\n[Satser]\r\nBil over 9000km=3,00\r\n"
          "Lunsj=175\r\n[Oppsett]\r\nDatoformat=DDMMYY\r\nOppstartingsspråk=nynorsk\r\n"_cp);
    IniLayers ini = LoadFerdixIni(Files());
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        std::string from;
    };
    const Case cases[] = {
        {"Satser", "Bil under 9000km", "4,00", User("ferdix.ini")},
        {"Satser", "Passasjertillegg", "1", Xdg("ferdix.ini")},
        {"Satser", "Bil over 9000km", "3,50", Office("ferdix.ini")},
        {"Satser", "Lunsj", "175", Beside("ferdix.ini")},
        {"Informasjon", "SatserGyldigFra", "01.01.2024", Office("ferdix.ini")},
        {"Oppsett", "Datoformat", "YYMMDD", User("ferdix.ini")},
        {"Satser", "Middag", "<missing>", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.GetString(c.section, c.key, "<missing>"), c.value);
        const IniLayers::Layer* source = ini.Source(c.section, c.key);
        EXPECT_EQ(source ? source->path : "", c.from);
    }

    // Every reader of the program goes through the same order.
    FileLocations files = Files();
    CFerdixDoc loaded(DefaultClock(), &files);
    EXPECT_EQ(loaded.Rates().m_rates.Entry(15).value, 4.0f);
    EXPECT_EQ(loaded.Rates().m_rates.Entry(16).value, 3.5f);
    EXPECT_EQ(loaded.Rates().m_rates.Entry(18).value, 1.0f);
    EXPECT_EQ(loaded.Rates().m_rates.Entry(kRateLunch).value, 175.0f);
    EXPECT_EQ(loaded.Rates().m_strRatesFrom, "01.01.2024");
    EXPECT_EQ(DecideDateOrder(files), DateOrder::YearFirst);
    EXPECT_EQ(DecideStartWrittenStandard(files, "ferdix"), kNynorsk);
    ProgramSettings s;
    ReadValidityTexts(files, s);
    EXPECT_EQ(s.ratesFrom, "01.01.2024");
    // Only files that were read are in force; none of land.ini exists.
    EXPECT_EQ(s.ferdixIniInForce,
              (std::vector<std::string>{User("ferdix.ini"), Xdg("ferdix.ini"), Office("ferdix.ini"),
                                        Beside("ferdix.ini")}));
    EXPECT_TRUE(s.landIniInForce.empty());
    EXPECT_EQ(s.abroadRatesFrom, "");
}

TEST_F(ConfigLayersTest, CountriesAreListedKeyByKey) {
    Write(User("land.ini"), "[Land]\r\nSverige=450#700\r\n"_cp);
    Write(Office("land.ini"),
          "[Informasjon]\r\nSatserGyldigFra=01.01.2024\r\n[Land]\r\nKenya=300#580\r\n"
          "Sverige=450#600\r\nØsterrike=410#601\r\n"_cp);
    Write(Beside("land.ini"), "[Land]\r\nKenya=1#1\r\nChile=200#500\r\n");
    FileLocations files = Files();
    CFerdixDoc doc(DefaultClock(), &files);
    std::vector<std::string> names;
    for (const CountryRate& c : doc.Rates().m_countries) {
        names.push_back(Cp1252ToUtf8(c.name));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Sverige", "Kenya", "Østerrike", "Chile"}));
    ASSERT_EQ(doc.Rates().m_countries.size(), 4u);
    EXPECT_EQ(doc.Rates().m_countries[0].perDiemRate, 700);  // the user's Sverige
    EXPECT_EQ(doc.Rates().m_countries[1].perDiemRate, 580);  // the office's Kenya
    EXPECT_EQ(doc.Rates().m_strAbroadRatesFrom, "01.01.2024");
}

TEST_F(ConfigLayersTest, FolderSettingsOfTheOfficeReachEveryUser) {
    Write(Office("ferdix.ini"), Utf8ToCp1252("[Oppsett]\r\nStandard personområde=/srv/felles\r\n"
                                             "Standard lagreområde=/srv/reiser\r\n"));
    Write(User("ferdix.ini"),
          Utf8ToCp1252("[Oppsett]\r\nStandard lagreområde=/home/kari/reiser\r\n"));
    FileLocations files = Files();
    ProgramSettings s;
    ReadFolderSettings(files, s);
    EXPECT_EQ(files.profile, "/srv/felles/reisende.ini");
    EXPECT_EQ(s.defaultClaimFolder, "/home/kari/reiser");
}

// Missing files say nothing; a file that is there but cannot be read, and a section written
// twice, are told once, naming the file.
TEST_F(ConfigLayersTest, StartUpNoticeNamesUnreadableFilesAndRepeatedSections) {
    FileLocations files = Files();
    EXPECT_EQ(ConfigurationNoticeText(kBokmal, LoadFerdixIni(files), LoadLandIni(files)), "");

    fs::create_directories(User("ferdix.ini"));  // a folder where the file should be
    Write(Office("ferdix.ini"),
          "[Satser]\r\nLunsj=175\r\n[Oppsett]\r\n[SATSER]\r\nMiddag=222\r\n[Satser]\r\n");
    Write(Beside("land.ini"), "[Land]\r\nKenya=300#580\r\n[Land]\r\nChile=200#500\r\n");
    Write(Beside("ferdix.ini"), "[Satser]\r\n[Oppsett]\r\n");
    IniLayers ferdix = LoadFerdixIni(files);
    EXPECT_EQ(ferdix.GetString("Satser", "Lunsj"), "175");  // the rest is read

    std::string text = Cp1252ToUtf8(ConfigurationNoticeText(kBokmal, ferdix, LoadLandIni(files)));
    EXPECT_EQ(text, "Filen " + User("ferdix.ini") +
                        " finnes, men kan ikke leses. Verdiene hentes fra de neste filene i "
                        "stedet.\n\nFilen " +
                        Office("ferdix.ini") +
                        " har avsnittet [Satser] mer enn én gang. Bare det første leses; verdier "
                        "som bare står i de andre, gjelder ikke. Slå sammen avsnittene for å "
                        "bruke dem.\n\nFilen " +
                        Beside("land.ini") +
                        " har avsnittet [Land] mer enn én gang. Bare det "
                        "første leses; verdier som bare står i de andre, gjelder ikke. Slå sammen "
                        "avsnittene for å bruke dem.");
    text = Cp1252ToUtf8(ConfigurationNoticeText(kNynorsk, ferdix, LoadLandIni(files)));
    EXPECT_EQ(text.find("Fila " + User("ferdix.ini") + " finst, men kan ikkje lesast."), 0u)
        << text;
    EXPECT_NE(text.find(" har bolken [Satser] meir enn éin gong."), std::string::npos) << text;
}

// ---------------------------------------------------------------------------------------------
// The rates dialog writes the user's own file.

TEST_F(ConfigLayersTest, SavingRatesWritesOnlyTheChangedKeysIntoTheUsersOwnFile) {
    const std::string office =
        "[Informasjon]\r\nSatserGyldigFra=01.01.2024\r\n[Satser]\r\nBil under 9000km=4,50\r\n"
        "Bil over 9000km=3,50\r\nLunsj=175\r\n";
    Write(Office("ferdix.ini"), office);
    fs::permissions(Office("ferdix.ini"), fs::perms::owner_read | fs::perms::group_read);
    FileLocations files = Files();
    {
        CFerdixDoc doc(DefaultClock(), &files);
        doc.Rates().m_rates.SetValueForKey("Bil over 9000km", 3.75f);
        doc.Rates().m_rates.SetValueForKey("Lunsj", 175.0f);  // the same value is no change
        RatesSaveResult saved = SaveRates(doc);
        ASSERT_TRUE(saved.ok) << saved.error;
    }
    // Made with its folder; the office's file is never written.
    EXPECT_EQ(test::ReadFile(User("ferdix.ini")),
              "[Satser]\r\nBil over 9000km=3,75\r\n[Informasjon]\r\n"
              "KontoretsSatserGyldigFra=01.01.2024\r\n");
    EXPECT_EQ(test::ReadFile(Office("ferdix.ini")), office);

    // The next run reads the user's rate over the office's, and a save of another key keeps it
    // and every other line of the user's file.
    test::WriteFile(User("ferdix.ini"), test::ReadFile(User("ferdix.ini")) +
                                            "; mine\r\n[Oppsett]\r\nDatoformat=YYMMDD\r\n");
    CFerdixDoc next(DefaultClock(), &files);
    EXPECT_EQ(next.Rates().m_rates.Entry(16).value, 3.75f);
    EXPECT_EQ(next.Rates().m_rates.Entry(15).value, 4.5f);
    next.Rates().m_rates.SetValueForKey("Bil under 9000km", 4.25f);
    ASSERT_TRUE(SaveRates(next).ok);
    EXPECT_EQ(
        test::ReadFile(User("ferdix.ini")),
        "[Satser]\r\nBil over 9000km=3,75\r\nBil under 9000km=4,25\r\n[Informasjon]\r\n"
        "KontoretsSatserGyldigFra=01.01.2024\r\n; mine\r\n[Oppsett]\r\nDatoformat=YYMMDD\r\n");

    // Nothing changed: nothing written, not even a new file.
    fs::remove(User("ferdix.ini"));
    CFerdixDoc unchanged(DefaultClock(), &files);
    EXPECT_TRUE(SaveRates(unchanged).ok);
    EXPECT_FALSE(fs::exists(User("ferdix.ini")));
}

TEST_F(ConfigLayersTest, AnUnreadableOwnFileIsNotWrittenOver) {
    Write(Office("ferdix.ini"), "[Satser]\r\nBil over 9000km=3,50\r\n");
    fs::create_directories(User("ferdix.ini"));
    FileLocations files = Files();
    CFerdixDoc doc(DefaultClock(), &files);
    EXPECT_EQ(doc.Rates().m_rates.Entry(16).value, 3.5f);  // the office's file is used
    doc.Rates().m_rates.SetValueForKey("Bil over 9000km", 3.75f);
    RatesSaveResult saved = SaveRates(doc);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find(User("ferdix.ini")), std::string::npos) << saved.error;
    EXPECT_TRUE(fs::is_directory(User("ferdix.ini")));
}

// ---------------------------------------------------------------------------------------------
// Newer office rates under the user's own.

TEST(NewerOfficeRates, AskedOnlyWhenTheOfficeDateMovedAndOwnRatesHideOthers) {
    const std::string officeIni =
        "[Informasjon]\r\nSatserGyldigFra=01.01.2024\r\n[Satser]\r\nBil under 9000km=4,50\r\n"
        "Kost ved overnatting utenlands=600\r\n";
    struct Case {
        const char* what;
        std::string own;
        bool asked;
    };
    const Case cases[] = {
        {"own rate saved against an older office date",
         "[Satser]\r\nBil under "
         "9000km=4,00\r\n[Informasjon]\r\nKontoretsSatserGyldigFra=01.03.2010\r\n",
         true},
        {"own rate saved against the office date in force",
         "[Satser]\r\nBil under "
         "9000km=4,00\r\n[Informasjon]\r\nKontoretsSatserGyldigFra=01.01.2024\r\n",
         false},
        {"own rate without a recorded date", "[Satser]\r\nBil under 9000km=4,00\r\n", true},
        {"own rate equal to the office's", "[Satser]\r\nBil under 9000km=4,5\r\n", false},
        {"own rate the office does not have", "[Satser]\r\nLunsj=180\r\n", false},
        {"a rate only in a later section of the own file",
         "[Satser]\r\n[Satser]\r\nBil under 9000km=4,00\r\n", false},
        {"no own rates", "[Oppsett]\r\nDatoformat=YYMMDD\r\n", false},
    };
    IniLayers office;
    office.Add("/etc/ferdix/ferdix.ini", IniDocument(officeIni));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FindNewerOfficeRates(IniDocument(c.own), office).has_value(), c.asked);
    }

    std::optional<NewerOfficeRates> found = FindNewerOfficeRates(
        IniDocument("[Satser]\r\nKost ved overnatting utenlands=650\r\nBil under 9000km=4\r\n"),
        office);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->officeFile, "/etc/ferdix/ferdix.ini");
    ASSERT_EQ(found->rates.size(), 2u);  // in table order, the shared key once
    EXPECT_EQ(found->rates[0].key, "Kost ved overnatting utenlands");
    MessageRequest q =
        NewerOfficeRatesQuestion(kBokmal, *found, "/home/kari/.config/ferdix/ferdix.ini");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.defaultButton, MsgAnswer::Yes);
    EXPECT_EQ(
        Cp1252ToUtf8(q.text),
        "Kontoret har nye satser (gyldige fra 01.01.2024) i /etc/ferdix/ferdix.ini, men dine "
        "egne satser i /home/kari/.config/ferdix/ferdix.ini går foran disse:\n\n"
        "  Kost ved overnatting utenlands: dine 650,00, kontorets 600,00\n"
        "  Bil under 9000km: dine 4,00, kontorets 4,50\n\n"
        "Vil du bruke kontorets satser?\n\nJa: kontorets satser gjelder, og dine egne fjernes "
        "fra filen din.\nNei: dine egne satser gjelder fortsatt; du blir ikke spurt igjen før "
        "kontoret får nye satser.");
    EXPECT_NE(Cp1252ToUtf8(NewerOfficeRatesQuestion(kNynorsk, *found, "x").text)
                  .find("Vil du bruke satsene til kontoret?"),
              std::string::npos);
}

TEST_F(ConfigLayersTest, AnswersChangeTheUsersFileSoTheQuestionComesOnce) {
    const std::string own =
        "[Satser]\r\nBil under 9000km=4,00\r\nLunsj=180\r\nBil under 9000km=9\r\n[Informasjon]\r\n"
        "KontoretsSatserGyldigFra=01.03.2010\r\n";
    Write(Office("ferdix.ini"),
          "[Informasjon]\r\nSatserGyldigFra=01.01.2024\r\n[Satser]\r\nBil under 9000km=4,50\r\n");
    FileLocations files = Files();
    for (bool takeOffice : {false, true}) {
        SCOPED_TRACE(takeOffice ? "take the office's" : "keep mine");
        Write(User("ferdix.ini"), own);
        IniLayers shared(files.sharedFerdixIni);
        IniDocument before;
        before.Load(User("ferdix.ini"));
        std::optional<NewerOfficeRates> found = FindNewerOfficeRates(before, shared);
        ASSERT_TRUE(found);
        std::string error;
        ASSERT_TRUE(AnswerNewerOfficeRates(User("ferdix.ini"), *found, takeOffice, &error))
            << error;
        IniDocument after;
        after.Load(User("ferdix.ini"));
        EXPECT_FALSE(FindNewerOfficeRates(after, shared));
        CFerdixDoc doc(DefaultClock(), &files);
        EXPECT_EQ(doc.Rates().m_rates.Entry(15).value, takeOffice ? 4.5f : 4.0f);
        EXPECT_EQ(doc.Rates().m_rates.Entry(kRateLunch).value, 180.0f);  // not one the office has
    }
    EXPECT_EQ(test::ReadFile(User("ferdix.ini")),
              "[Satser]\r\nLunsj=180\r\n[Informasjon]\r\nKontoretsSatserGyldigFra=01.01.2024\r\n");
}

// ---------------------------------------------------------------------------------------------
// Every reader and writer of the three files, with the files in each encoding an editor saves.

TEST_F(ConfigLayersTest, EveryReaderAndWriterTakesTheFilesEncoding) {
    struct Encoding {
        const char* what;
        std::string bom;
        bool utf8;
    };
    const Encoding encodings[] = {{"Windows-1252", "", false},
                                  {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF", true},
                                  {"UTF-8", "", true}};
    for (const Encoding& e : encodings) {
        SCOPED_TRACE(e.what);
        fs::remove_all(dir.Path());
        auto encode = [&](const std::string& text) {
            return e.bom + (e.utf8 ? text : Utf8ToCp1252(text));
        };
        auto count = [](const std::string& bytes, const std::string& what) {
            std::size_t n = 0;
            for (std::size_t at = bytes.find(what); at != std::string::npos;
                 at = bytes.find(what, at + 1)) {
                ++n;
            }
            return n;
        };
        Write(Office("ferdix.ini"),
              encode("[Informasjon]\r\nSatserGyldigFra=1. mars 2010 (nøkkeltall)\r\n[Satser]\r\n"
                     "Admin godtgjøring=60\r\nKost - opphold over 28 døgn=300\r\n"
                     "Nattillegg - opphold over 28 døgn=120\r\nAdmin godtgjøring utenlands=90\r\n"
                     "[Oppsett]\r\nStandard lagreområde=" +
                     dir.File("reiser på jobb") +
                     "\r\n"
                     "Oppstartingsspråk=nynorsk\r\n"));
        Write(User("ferdix.ini"), encode("[Satser]\r\nKost - opphold over 28 døgn=310\r\n"));
        Write(Office("land.ini"), encode("[Informasjon]\r\nSatserGyldigFra=1. jan 2011 (ny)\r\n"
                                         "[Land]\r\nØsterrike=410#601\r\nSør-Afrika=300#500\r\n"));
        Write(User("reisende.ini"),
              encode("[010203 12345]\r\nNavn=Kåre Ødegård\r\nPoststed=Tromsø\r\n"
                     "Km hittil i år=1200\r\nSpråkpreferanse=nynorsk\r\n"));
        FileLocations files = Files();

        CFerdixDoc doc(DefaultClock(), &files);
        EXPECT_EQ(doc.Rates().m_rates.Entry(kRateAdmin).value, 60.0f);
        EXPECT_EQ(doc.Rates().m_rates.Entry(20).value, 310.0f);
        EXPECT_EQ(doc.Rates().m_rates.Entry(21).value, 120.0f);
        EXPECT_EQ(doc.Rates().m_rates.Entry(kRateAdminAbroad).value, 90.0f);
        EXPECT_EQ(Cp1252ToUtf8(doc.Rates().m_strRatesFrom), "1. mars 2010 (nøkkeltall)");
        ASSERT_EQ(doc.Rates().m_countries.size(), 2u);
        EXPECT_EQ(Cp1252ToUtf8(doc.Rates().m_countries[0].name), "Østerrike");
        const CountryRate* south = FindCountry(doc.Rates().m_countries, "Sør-Afrika"_cp);
        ASSERT_NE(south, nullptr);
        EXPECT_EQ(south->perDiemRate, 500);
        EXPECT_EQ(Cp1252ToUtf8(doc.Rates().m_strAbroadRatesFrom), "1. jan 2011");  // cut to 11
        ProgramSettings s;
        ReadFolderSettings(files, s);
        EXPECT_EQ(s.defaultClaimFolder, dir.File("reiser på jobb"));
        EXPECT_EQ(DecideStartWrittenStandard(files, "ferdix"), kNynorsk);
        ReadValidityTexts(files, s);
        EXPECT_EQ(Cp1252ToUtf8(s.abroadRatesFrom), "1. jan 2011 (ny)");

        doc.SetWrittenStandard(kBokmal);
        doc.SetPersonId("010203 12345");
        EXPECT_EQ(Cp1252ToUtf8(doc.Claim().Traveller().Name()), "Kåre Ødegård");
        EXPECT_EQ(Cp1252ToUtf8(doc.Claim().Traveller().PostTown()), "Tromsø");
        EXPECT_EQ(doc.Claim().Traveller().KmSoFar(), 1200u);
        EXPECT_EQ(doc.Locale().standard, kNynorsk);

        // Writers: each key once, in the file's encoding.
        doc.Rates().m_rates.SetValueForKey("Admin godtgjøring"_cp, 65.0f);
        doc.Rates().m_rates.SetValueForKey("Kost - opphold over 28 døgn"_cp, 320.0f);
        ASSERT_TRUE(SaveRates(doc).ok);
        std::string own = test::ReadFile(User("ferdix.ini"));
        EXPECT_EQ(own, encode("[Satser]\r\nKost - opphold over 28 døgn=320,00\r\nAdmin "
                              "godtgjøring=65,00\r\n[Informasjon]\r\nKontoretsSatserGyldigFra=1. "
                              "mars 2010 (nøkkeltall)\r\n"));
        doc.ChangeTraveller(&CTraveller::SetKmSoFar, 1300);
        ASSERT_TRUE(doc.WriteProfile());
        ASSERT_TRUE(doc.WriteProfileStartLanguage(kBokmal));
        std::string profile = test::ReadFile(User("reisende.ini"));
        EXPECT_EQ(profile.substr(0, e.bom.size()), e.bom);
        EXPECT_EQ(count(profile, encode("Km hittil i år=1300\r\n").substr(e.bom.size())), 1u)
            << profile;
        EXPECT_EQ(count(profile, encode("Km hittil i år").substr(e.bom.size())), 1u) << profile;
        EXPECT_EQ(count(profile, encode("Språkpreferanse=nynorsk").substr(e.bom.size())), 1u)
            << profile;
        EXPECT_EQ(count(profile, encode("Oppstartingsspråk=bokmål").substr(e.bom.size())), 1u)
            << profile;
        EXPECT_EQ(count(profile, encode("Navn=Kåre Ødegård").substr(e.bom.size())), 1u) << profile;
    }
}

}  // namespace
}  // namespace ferdix
