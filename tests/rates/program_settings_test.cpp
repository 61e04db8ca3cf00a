#include "rates/program_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "claim/cp1252.h"
#include "claim/written_standard.h"
#include "rates/ini_file.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

TEST(FileLocations, FromTheProgramPathAndTheUserFolder) {
    FileLocations f = LocateFiles("/opt/ferdix/bin/ferdix", "/home/kari/.config/ferdix");
    EXPECT_EQ(f.programDir, "/opt/ferdix/bin/");
    EXPECT_EQ(f.ferdixIni, "/opt/ferdix/bin/ferdix.ini");
    EXPECT_EQ(f.landIni, "/opt/ferdix/bin/land.ini");
    EXPECT_EQ(f.profile, "/home/kari/.config/ferdix/reisende.ini");

    FileLocations bare = LocateFiles("ferdix", "");
    EXPECT_EQ(bare.programDir, "");
    EXPECT_EQ(bare.ferdixIni, "");
    EXPECT_EQ(bare.landIni, "");
    EXPECT_EQ(bare.profile, "");

    EXPECT_EQ(UserConfigDirFrom("/x/conf", "/home/kari"), "/x/conf/ferdix");
    EXPECT_EQ(UserConfigDirFrom("relative", "/home/kari"), "/home/kari/.config/ferdix");
    EXPECT_EQ(UserConfigDirFrom("", "/home/kari"), "/home/kari/.config/ferdix");
    EXPECT_EQ(UserConfigDirFrom(nullptr, nullptr), "");

    std::string exe = ExecutablePath();
    EXPECT_EQ(fs::path(exe).filename(), "ferdix_tests");
    EXPECT_EQ(ProgramDirOf(exe), fs::path(exe).parent_path().string() + "/");
}

TEST(FolderSettings, PersonFolderMovesTheProfile) {
    FileLocations files = LocateFiles("/opt/ferdix/ferdix", "/home/kari/.config/ferdix");
    ProgramSettings none;
    ApplyFolderSettings(IniDocument("[Oppsett]\r\nDatoformat=DDMMYY\r\n"), files, none);
    EXPECT_FALSE(none.hasDefaultClaimFolder);
    EXPECT_FALSE(none.hasProfileFolder);
    EXPECT_EQ(files.profile, "/home/kari/.config/ferdix/reisende.ini");

    ProgramSettings s;
    std::string ini = std::string("[Oppsett]\r\nStandard lagreområde=/srv/Reiser på jobb\r\n"_cp) +
                      std::string("Standard personområde=/srv/felles\r\n"_cp);
    ApplyFolderSettings(IniDocument(ini), files, s);
    EXPECT_TRUE(s.hasDefaultClaimFolder);
    EXPECT_EQ(s.defaultClaimFolder, "/srv/Reiser på jobb");  // a UTF-8 path now
    EXPECT_TRUE(s.hasProfileFolder);
    EXPECT_EQ(s.profilePath, "/srv/felles/reisende.ini");
    EXPECT_EQ(files.profile, "/srv/felles/reisende.ini");

    ProgramSettings longOne;
    std::string folder(400, 'd');
    ApplyFolderSettings(
        IniDocument(std::string("[Oppsett]\r\nStandard personområde=/"_cp) + folder), files,
        longOne);
    EXPECT_EQ(longOne.profilePath, "/" + folder.substr(0, 317) + "/reisende.ini");
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
        return std::string("[Oppsett]\r\nDatoformat=") + value + "\r\n";
    };
    IniDocument none;
    EXPECT_EQ(DecideDateOrder(none, none), DateOrder::DayFirst);
    EXPECT_EQ(DecideDateOrder(none, IniDocument(format("ddmm"))), DateOrder::DayFirst);
    EXPECT_EQ(DecideDateOrder(none, IniDocument(format("DDMMYYYY"))), DateOrder::DayFirst);
    EXPECT_EQ(DecideDateOrder(none, IniDocument(format("YYMMDD"))), DateOrder::YearFirst);
    EXPECT_EQ(DecideDateOrder(none, IniDocument(format("DDM"))), DateOrder::YearFirst);
    EXPECT_EQ(DecideDateOrder(IniDocument(format("YYMMDD")), IniDocument(format("DDMMYY"))),
              DateOrder::YearFirst);
    EXPECT_EQ(DecideDateOrder(IniDocument(format("")), IniDocument(format("YYMMDD"))),
              DateOrder::YearFirst);
}

TEST(StartSettings, FromFilesOnDisk) {
    test::TempFolder dir;
    FileLocations files = LocateFiles(dir.File("ferdix"), dir.File("user"));
    std::string longDate = "01.03.2010 " + std::string(200, '*');
    test::WriteFile(files.ferdixIni, "[Informasjon]\r\nSatserGyldigFra=" + longDate +
                                         "\r\n[Oppsett]\r\nDatoformat=YYMMDD\r\n" +
                                         std::string("Standard personområde="_cp) +
                                         dir.File("shared") + "\r\n");
    test::WriteFile(files.landIni, "[Informasjon]\r\nSatserGyldigFra=01.01.2011\r\n");

    ProgramSettings s;
    ReadFolderSettings(files, s);
    EXPECT_EQ(files.profile, dir.File("shared") + "/reisende.ini");
    EXPECT_EQ(DecideDateOrder(files), DateOrder::YearFirst);
    EXPECT_EQ(DecideStartWrittenStandard(files, "ferdix"), kBokmal);
    ReadValidityTexts(files, s);
    EXPECT_EQ(s.ratesFrom, longDate);  // the About box shows the whole text
    EXPECT_EQ(s.abroadRatesFrom, "01.01.2011");
    EXPECT_EQ(ReadSetting(files, "Informasjon", "SatserGyldigFra").size(), kSettingsReadMax);

    // A folder named by the setting is used as it is: not created.
    EXPECT_FALSE(WriteProfileString(files, "", "Navn", "Kari"));
    EXPECT_FALSE(fs::exists(dir.File("shared")));
}

TEST(StartSettings, UserFolderIsCreatedWhenTheProfileIsFirstWritten) {
    test::TempFolder dir;
    FileLocations files = LocateFiles(dir.File("bin/ferdix"), dir.File("config/ferdix"));
    EXPECT_EQ(ReadProfileString(files, "", "Navn", "none"), "none");
    std::string error;
    ASSERT_TRUE(WriteProfileString(files, "010203 12345", "Navn", "Kari", &error)) << error;
    EXPECT_EQ(ReadProfileString(files, "010203 12345", "Navn"), "Kari");
    EXPECT_FALSE(fs::exists(dir.File("bin")));
}

}  // namespace
}  // namespace ferdix
