#include "rates/program_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "rates/ini_file.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

TEST(FileLocations, FromTheProgramPathAndTheFolderSettings) {
    FileLocations files = LocateFiles("/opt/ferdix/bin/ferdix", "/home/kari/.config/ferdix");
    EXPECT_EQ(files.ferdixIni, "/home/kari/.config/ferdix/ferdix.ini");
    EXPECT_EQ(files.sharedFerdixIni, std::vector<std::string>{"/opt/ferdix/bin/ferdix.ini"});
    EXPECT_EQ(files.sharedLandIni, std::vector<std::string>{"/opt/ferdix/bin/land.ini"});
    EXPECT_EQ(files.profile, "/home/kari/.config/ferdix/reisende.ini");
    EXPECT_TRUE(LocateFiles("ferdix", "").sharedFerdixIni.empty());
    EXPECT_EQ(UserConfigDirFrom("relative", "/home/kari"), "/home/kari/.config/ferdix");
    EXPECT_EQ(fs::path(ExecutablePath()).filename(), "ferdix_tests");

    ProgramSettings none;
    ApplyFolderSettings(IniDocument("[Oppsett]\r\nDatoformat=DDMMYY\r\n"), files, none);
    EXPECT_FALSE(none.hasDefaultClaimFolder || none.hasProfileFolder);
    EXPECT_EQ(files.profile, "/home/kari/.config/ferdix/reisende.ini");

    ProgramSettings s;
    ApplyFolderSettings(IniDocument("[Oppsett]\r\nStandard lagreområde=/srv/Reiser på jobb\r\n"
                                    "Standard personområde=/srv/felles\r\n"_cp),
                        files, s);
    EXPECT_TRUE(s.hasDefaultClaimFolder && s.hasProfileFolder);
    EXPECT_EQ(s.defaultClaimFolder, "/srv/Reiser på jobb");  // a UTF-8 path now
    EXPECT_EQ(files.profile, "/srv/felles/reisende.ini");
}

TEST(StartSettings, WrittenStandardAtStart) {
    struct Case {
        const char* what;
        std::string profile;
        std::string ferdix;
        const char* program;
        int expected;
    };
    auto oppsett = [](std::string_view key, std::string_view value) {
        return "[Oppsett]\r\n" + std::string(key) + "=" + std::string(value) + "\r\n";
    };
    const std::string start("Oppstartingsspråk"_cp);
    const std::string start2("Oppstartsspråk"_cp);
    const Case cases[] = {
        {"ferdix.ini nynorsk", "", oppsett(start, "nynorsk"), "ferdix", kNynorsk},
        {"profile wins", oppsett(start, "bokmål"_cp), oppsett(start, "nynorsk"), "ferdixn",
         kBokmal},
        {"profile nynorsk", oppsett(start, "Nynorsk"), "", "ferdix", kNynorsk},
        {"second key in capitals", "", oppsett(start2, "NYNORSK"), "ferdix", kNynorsk},
        {"second key not read from the profile", oppsett(start2, "nynorsk"), "", "ferdix", kBokmal},
        {"first four letters decide", "", oppsett(start, "nyno"), "ferdix", kNynorsk},
        {"three letters are not enough", "", oppsett(start, "Nyn"), "ferdixn", kBokmal},
        {"any other text is bokmål", "", oppsett(start, "engelsk"), "ferdixn", kBokmal},
        {"empty profile key falls through", oppsett(start, ""), oppsett(start, "nynorsk"), "ferdix",
         kNynorsk},
        {"a traveller's section does not count", "[010203 12345]\r\n" + start + "=nynorsk\r\n", "",
         "ferdix", kBokmal},
        {"name ending in n", "", "", "ferdixn", kNynorsk},
        {"name ending in N before the extension", "", "", "/opt/FerdixN.exe", kNynorsk},
        {"the extension does not count", "", "", "ferdix.n", kBokmal},
        {"plain name", "", "", "/usr/bin/ferdix", kBokmal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(
            DecideStartWrittenStandard(IniDocument(c.profile), IniDocument(c.ferdix), c.program),
            c.expected);
    }
}

TEST(StartSettings, DateOrder) {
    auto format = [](const char* value) {
        return IniDocument(std::string("[Oppsett]\r\nDatoformat=") + value + "\r\n");
    };
    IniDocument none;
    EXPECT_EQ(DecideDateOrder(none, none), DateOrder::DayFirst);
    EXPECT_EQ(DecideDateOrder(none, format("ddmm")), DateOrder::DayFirst);
    EXPECT_EQ(DecideDateOrder(none, format("YYMMDD")), DateOrder::YearFirst);
    EXPECT_EQ(DecideDateOrder(none, format("DDM")), DateOrder::YearFirst);
    EXPECT_EQ(DecideDateOrder(format("YYMMDD"), format("DDMMYY")), DateOrder::YearFirst);
}

TEST(StartSettings, ValidityTextsAreReadWhole) {
    test::TempFolder dir;
    FileLocations files = LocateFiles(dir.File("ferdix"), dir.File("user"));
    std::string longDate = "01.03.2010 " + std::string(200, '*');
    test::WriteFile(dir.File("ferdix.ini"),
                    "[Informasjon]\r\nSatserGyldigFra=" + longDate + "\r\n");
    test::WriteFile(dir.File("land.ini"), "[Informasjon]\r\nSatserGyldigFra=01.01.2011\r\n");
    ProgramSettings s;
    ReadValidityTexts(files, s);
    EXPECT_EQ(s.ratesFrom, longDate);
    EXPECT_EQ(s.abroadRatesFrom, "01.01.2011");
    EXPECT_EQ(ReadSetting(files, "Informasjon", "SatserGyldigFra").size(), kSettingsReadMax);
}

}  // namespace
}  // namespace ferdix
