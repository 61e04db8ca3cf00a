#include "rates/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include <iterator>

#include "base/cp1252.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

const std::string kRulesFile = std::string(FERDIX_TEST_DATA_DIR) + "/ini/platform_rules.ini";

struct ReadCase {
    const char* section;
    const char* key;
    std::string_view expected;  // "<missing>" when the default must come back
};

TEST(IniRead, HandWrittenFileFollowsThePlatformRules) {
    IniDocument doc;
    ASSERT_EQ(doc.Load(kRulesFile), IniLoadResult::Loaded);
    const ReadCase cases[] = {
        {"Satser", "Frokost", "120,50"},          // blanks around name and value, first wins
        {"sATSER", "FROKOST", "120,50"},          // any letter case
        {"  Satser ", " Frokost", "120,50"},      // blanks in the query
        {"Satser", "Lunsj", "  quoted value  "},  // one pair of quotes, inside kept
        {"Satser", "Middag", "single"},           // single quotes too
        {"Satser", "Mixed", "\"not a pair'"},     // unmatched quotes stay
        {"Satser", "Inner", "\"twice\""},         // only one pair goes
        {"Satser", "Hash", "a;b#c"},              // ";" and "#" inside are text
        {"Satser", "Commented", "<missing>"},     // comment line
        {"Satser", "; Commented", "<missing>"},   // not even by its own text
        {"Satser", "no equals sign here", "<missing>"},
        {"Satser", "", "empty name"},       // "=v" is the key with the empty name
        {"Satser", "Ekstra", "<missing>"},  // repeated section is not searched
        {"Satser", "orphan", "<missing>"},  // lines before the first section
        {"", "orphan", "<missing>"},
        {"", "Tom", "in the empty section"},  // "[]" is a real section
        {"", "[Open", "yes"},                 // "[" without "]" is plain text
        {"Bare open", "Tom", "<missing>"},
        {"LF", "Unix", "lf line"},
        {"CR", "Mac", "cr line"},
        {"CR", "Next", "after cr"},
        {"Last", "NoNewline", "end"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " / " + c.key);
        EXPECT_EQ(doc.GetString(c.section, c.key, "<missing>"), c.expected);
    }
    // Windows-1252 letters pass through and match without regard to case.
    EXPECT_EQ(doc.GetString("SÆR"_cp, "VÆR"_cp, "<missing>"), "\xE6\xF8\xE5\x80\xFF");
}

TEST(IniRead, KeyListingAndLengths) {
    IniDocument doc;
    doc.Load(kRulesFile);
    std::vector<std::string> expected = {"Frokost", "LUNSJ", "Middag", "Mixed",
                                         "Inner",   "Hash",  "",       "Frokost"};
    EXPECT_EQ(doc.KeyNames("satser"), expected);
    EXPECT_EQ(doc.KeyNames(""), (std::vector<std::string>{"Tom", "[Open"}));
    EXPECT_TRUE(doc.KeyNames("Nowhere").empty());
    EXPECT_FALSE(doc.HasSection("Bare open"));

    EXPECT_EQ(doc.GetString("Satser", "Frokost", "", 3), "120");
    EXPECT_EQ(doc.GetString("Satser", "none", "defaultvalue", 7), "default");
    // A byte-order mark from a modern editor does not hide the first section.
    EXPECT_EQ(IniDocument("\xEF\xBB\xBF[S]\r\nk=v\r\n").GetString("S", "k"), "v");
}

TEST(IniRead, BadFilesGiveTheDefaults) {
    test::TempFolder dir;
    std::mt19937 gen(7);
    std::string binary(1 << 20, '\0');
    for (char& c : binary)
        c = static_cast<char>(gen());
    // Tens of megabytes: long lines, and one line of 8 MB without a line end.
    std::string huge;
    for (int i = 0; i < 20000; ++i)
        huge += "[S" + std::to_string(i) + "]\r\nkey=" + std::string(1000, 'v') + "\r\n";
    huge += std::string(8 << 20, 'x');
    test::WriteFile(dir.File("empty.ini"), "");
    test::WriteFile(dir.File("binary.ini"), binary);
    test::WriteFile(dir.File("malformed.ini"),
                    "[[[\r\n]]]=\r\n[Satser\r\nLunsj 175\r\n==\r\r\n\n[");
    test::WriteFile(dir.File("huge.ini"), huge);
    fs::create_directory(dir.File("folder.ini"));

    for (const char* name : {"missing.ini", "empty.ini", "binary.ini", "malformed.ini", "huge.ini",
                             "folder.ini", ""}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadIniString(*name ? dir.File(name) : "", "Satser", "Lunsj", "dflt", 119),
                  "dflt");
    }
    IniDocument doc;
    EXPECT_EQ(doc.Load(dir.File("missing.ini")), IniLoadResult::Missing);
    EXPECT_EQ(doc.Load(dir.File("folder.ini")), IniLoadResult::Unreadable);
    EXPECT_EQ(doc.Load(dir.File("huge.ini")), IniLoadResult::Loaded);
    EXPECT_EQ(doc.GetString("S19999", "KEY", "", 119), std::string(119, 'v'));
}

// The bytes after one write into a document holding `before`.
std::string AfterWrite(std::string_view before, std::string_view section, std::string_view key,
                       std::string_view value) {
    IniDocument doc(before);
    doc.SetString(section, key, value);
    return doc.Text();
}

TEST(IniWrite, PlacesAndReplacesLikeThePlatform) {
    struct Case {
        const char* what;
        std::string_view before;
        const char* section;
        const char* key;
        const char* value;
        std::string_view after;
    };
    const Case cases[] = {
        {"new file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"missing section appended, no blank line", "[a]\r\nx=1\r\n", "b", "k", "v",
         "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"last line without an end gets one", "[a]\nx=1", "b", "k", "v",
         "[a]\nx=1\r\n[b]\r\nk=v\r\n"},
        {"new key after the last key, comments stay below", "[a]\r\nx=1\r\n; note\r\n\r\n[b]\r\n",
         "A", "y", "2", "[a]\r\nx=1\r\ny=2\r\n; note\r\n\r\n[b]\r\n"},
        {"section without keys", "[a]\r\n; note\r\n[b]\r\nz=0\r\n", "a", "y", "2",
         "[a]\r\ny=2\r\n; note\r\n[b]\r\nz=0\r\n"},
        {"replace keeps spelling and every other line", "x\n  [Sec] \n  Key = old \nq=1\r", "sec",
         "KEY", "new", "x\n  [Sec] \n  Key =new\nq=1\r"},
        {"replace only the first of a repeated key", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "3",
         "[a]\r\nk=3\r\nk=2\r\n"},
        {"write into the first of a repeated section", "[a]\r\n[b]\r\n[a]\r\nk=1\r\n", "a", "k",
         "2", "[a]\r\nk=2\r\n[b]\r\n[a]\r\nk=1\r\n"},
        {"empty section name", "[a]\r\n", "", "Navn", "Kari", "[a]\r\n[]\r\nNavn=Kari\r\n"},
        {"line breaks in a value become blanks", "", "s", "k", "one\r\ntwo\nthree\r[x]",
         "[s]\r\nk=one  two three [x]\r\n"},
        {"empty value keeps the key", "[s]\r\nk=v\r\n", "s", "k", "", "[s]\r\nk=\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AfterWrite(c.before, c.section, c.key, c.value), c.after);
    }
}

TEST(IniSave, CreatesReplacesThroughARenameAndLeavesNoTemporaryFile) {
    test::TempFolder dir;
    std::string path = dir.File("ferdix.ini");
    ASSERT_TRUE(WriteIniString(path, "Satser", "Lunsj", "175"));
    EXPECT_EQ(test::ReadFile(path), "[Satser]\r\nLunsj=175\r\n");

    // A second name for the old file keeps the old bytes: the new file was renamed into place
    // rather than written over the old one, so a crash half-way cannot leave half a file.
    fs::create_hard_link(path, dir.File("old.ini"));
    std::string error;
    ASSERT_TRUE(WriteIniString(path, "Satser", "Lunsj", "180", &error)) << error;
    EXPECT_EQ(test::ReadFile(path), "[Satser]\r\nLunsj=180\r\n");
    EXPECT_EQ(test::ReadFile(dir.File("old.ini")), "[Satser]\r\nLunsj=175\r\n");

    auto entries = fs::directory_iterator(dir.Path());
    EXPECT_EQ(std::distance(fs::begin(entries), fs::end(entries)), 2);
}

TEST(IniSave, FailureIsReportedAndLeavesTheFileAlone) {
    test::TempFolder dir;
    std::string readOnly = dir.File("readonly.ini");
    test::WriteFile(readOnly, "[Satser]\nLunsj=175\n");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    std::string folder = dir.File("folder.ini");
    fs::create_directory(folder);
    std::string plainFile = dir.File("plain");
    test::WriteFile(plainFile, "x");

    for (const std::string& path : {readOnly, folder, plainFile + "/ferdix.ini"}) {
        SCOPED_TRACE(path);
        std::string error;
        EXPECT_FALSE(WriteIniString(path, "Satser", "Lunsj", "999", &error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(test::ReadFile(readOnly), "[Satser]\nLunsj=175\n");
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(test::ReadFile(plainFile), "x");

    // A missing folder is made only when the caller asks for it.
    std::string nested = dir.File("config/ferdix/reisende.ini");
    EXPECT_FALSE(WriteIniString(nested, "", "Navn", "Kari"));
    EXPECT_TRUE(WriteIniString(nested, "", "Navn", "Kari", nullptr, true));
    EXPECT_EQ(ReadIniString(nested, "", "Navn", "", 118), "Kari");
}

// A file saved by a modern editor as UTF-8, with or without a byte-order mark, reads as the same
// Windows-1252 texts as one saved as Windows-1252; a write puts its line in the file's own
// encoding and leaves every other byte, also a character Windows-1252 cannot hold.
TEST(IniEncoding, Utf8FilesAreReadAndWrittenInTheirOwnEncoding) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string utf8 =
        "[Satser]\r\nAdmin godtgjøring=60\r\n[Oppsett]\r\nStandard lagreområde=/srv/Reiser på "
        "jobb\r\n";
    const std::string greek = "[Annet]\r\nMerknad=Ωmega\r\n";
    const std::string written =
        "[Satser]\r\nAdmin godtgjøring=65,00\r\nKost - opphold over 28 døgn=1,00\r\n[Oppsett]\r\n"
        "Standard lagreområde=/srv/Reiser på jobb\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        IniEncoding encoding;
        std::string afterWrite;  // "" when the file is not written in this case
    };
    const Case cases[] = {
        {"UTF-8 with a byte-order mark", bom + utf8 + greek, IniEncoding::Utf8,
         bom + written + greek},
        {"UTF-8 without one", utf8 + greek, IniEncoding::Utf8, written + greek},
        {"Windows-1252", Utf8ToCp1252(utf8), IniEncoding::Cp1252, Utf8ToCp1252(written)},
        {"a mark before plain ASCII", bom + "[Satser]\r\n", IniEncoding::Utf8, ""},
        {"plain ASCII", "[Satser]\r\n", IniEncoding::Cp1252, ""},
        {"an overlong form is no UTF-8", utf8 + "x=\xC0\xAF\r\n", IniEncoding::Cp1252, ""},
        {"nor is a surrogate", utf8 + "x=\xED\xA0\x80\r\n", IniEncoding::Cp1252, ""},
        {"nor a cut sequence", utf8 + "x=\xC3", IniEncoding::Cp1252, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IniDocument doc(c.bytes);
        EXPECT_EQ(doc.Encoding(), c.encoding);
        if (c.afterWrite.empty()) {
            continue;
        }
        EXPECT_EQ(doc.GetString("Satser", "ADMIN GODTGJØRING"_cp), "60");
        EXPECT_EQ(doc.GetString("Oppsett", "Standard lagreområde"_cp), "/srv/Reiser på jobb"_cp);
        EXPECT_EQ(doc.KeyNames("Satser"),
                  std::vector<std::string>{std::string("Admin godtgjøring"_cp)});
        doc.SetString("Satser", "Admin godtgjøring"_cp, "65,00");
        doc.SetString("satser", "Kost - opphold over 28 døgn"_cp, "1,00");
        EXPECT_EQ(doc.Text(), c.afterWrite);
    }
    // What Windows-1252 cannot hold reads as "?", as everywhere the program converts.
    EXPECT_EQ(IniDocument(utf8 + greek).GetString("Annet", "Merknad"), "?mega");
    // A section and key made new in a UTF-8 file are UTF-8 too.
    IniDocument fresh(bom);
    fresh.SetString("Særlig"_cp, "Nøkkel"_cp, "å"_cp);
    EXPECT_EQ(fresh.Text(), bom + "\r\n[Særlig]\r\nNøkkel=å\r\n");
}

// Only the first of a repeated section is read and written, as on the platform; the document
// names the sections it holds more than once.
TEST(IniRead, RepeatedSectionsAreNamedOnce) {
    IniDocument doc(
        "[Satser]\r\nLunsj=175\r\n[Oppsett]\r\n[SATSER]\r\nMiddag=222\r\n[Land]\r\n[satser]\r\n"
        "[Land]\r\n");
    EXPECT_EQ(doc.RepeatedSections(), (std::vector<std::string>{"Satser", "Land"}));
    EXPECT_EQ(doc.GetString("Satser", "Middag", "<missing>"), "<missing>");
    doc.SetString("Satser", "Middag", "230");
    EXPECT_EQ(doc.Text().find("[Satser]\r\nLunsj=175\r\nMiddag=230\r\n[Oppsett]"), 0u)
        << doc.Text();
    EXPECT_TRUE(IniDocument("[Satser]\r\n[Oppsett]\r\n").RepeatedSections().empty());
}

TEST(IniWrite, DeleteKeyRemovesTheFirstMatchingLineOnly) {
    IniDocument doc("[Satser]\r\nLunsj=175\r\nlunsj=180\r\nMiddag=222\r\n[Satser]\r\nLunsj=1\r\n");
    EXPECT_TRUE(doc.DeleteKey("SATSER", "Lunsj"));
    EXPECT_EQ(doc.GetString("Satser", "Lunsj"), "180");
    EXPECT_TRUE(doc.DeleteKey("Satser", "Lunsj"));
    EXPECT_FALSE(doc.DeleteKey("Satser", "Lunsj"));  // the later section is never touched
    EXPECT_FALSE(doc.DeleteKey("Ingen", "Lunsj"));
    EXPECT_EQ(doc.Text(), "[Satser]\r\nMiddag=222\r\n[Satser]\r\nLunsj=1\r\n");
}

}  // namespace
}  // namespace ferdix
