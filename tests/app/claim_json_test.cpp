#include "app/claim_json.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <sstream>

#include "app/headless.h"
#include "base/cp1252.h"
#include "claim/claim_file.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

std::string DataPath(const std::string& name) {
    return std::string(FERDIX_TEST_DATA_DIR) + "/claims/" + name;
}

std::string FileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    EXPECT_TRUE(f) << path;
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string JsonOf(const std::string& claimFile) {
    ClaimData claim;
    std::ifstream in(DataPath(claimFile), std::ios::binary);
    ReadClaim(claim, in);
    std::ostringstream out;
    WriteClaimJson(claim, DateOrder::DayFirst, out);
    return out.str();
}

TEST(ClaimJson, FullClaimGivesTheExpectedText) {
    EXPECT_EQ(JsonOf("full_claim.tur"), FileBytes(DataPath("full_claim.json")));
}

TEST(ClaimJson, NewClaimHasEmptyListsAndTexts) {
    const std::string json = JsonOf("new_claim.tur");
    for (const char* member :
         {"\"reisespesifikasjoner\": [],", "\"hotellutlegg\": [],", "\"Ansattnummer\": -1,",
          "\"Utreisedato\": \"\",", "\"Merknader\": \"\",", "\"Trekkprosent\": 0,",
          "\"Fødselsnummer\": \"\","}) {
        EXPECT_NE(json.find(member), std::string::npos) << member;
    }
}

// The text goes out in blocks: a claim far longer than one block comes out whole and in order,
// with every line once and the closing members after them.
TEST(ClaimJson, LongClaimComesOutWholeAcrossBlocks) {
    ClaimData claim;
    for (int i = 0; i < 3000; ++i) {
        auto line = std::make_unique<CExpenseLine>();
        line->SetText("Utlegg nummer " + std::to_string(i) + std::string(" på reisen"_cp));
        line->SetAmount(static_cast<float>(i));
        claim.m_outlayLines.push_back(std::move(line));
    }
    std::ostringstream out;
    WriteClaimJson(claim, DateOrder::DayFirst, out);
    const std::string json = out.str();
    ASSERT_GT(json.size(), 3u * 65536u);
    std::size_t at = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string item = "{\"dato\": \"\", \"spesifikasjon\": \"Utlegg nummer " +
                           std::to_string(i) + " på reisen\", \"valuta\": \"\", " +
                           "\"beløp\": 0, \"kurs\": 0, \"sum\": " + std::to_string(i) + "}";
        at = json.find(item, at);
        ASSERT_NE(at, std::string::npos) << i;
    }
    EXPECT_LT(at, json.find("\"godtgjøringer\""));
    EXPECT_TRUE(json.ends_with("\n  }\n}\n"));
    EXPECT_NE(json.find("\"utlegg\": 4498500"), std::string::npos);
}

TEST(ClaimJson, StringsAreUtf8AndEscaped) {
    struct Case {
        std::string cp1252;
        const char* json;
    };
    const Case cases[] = {
        {"Bel\xF8p \x80", "\"Bel\xC3\xB8p \xE2\x82\xAC\""},
        {"a\"b\\c/", "\"a\\\"b\\\\c/\""},
        {"linje 1\nlinje 2", "\"linje 1\\nlinje 2\""},
        {std::string("\t\r\x01\x1F\0", 5), "\"\\u0009\\u000d\\u0001\\u001f\\u0000\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.cp1252), c.json) << c.json;
    }
}

TEST(ClaimJson, NumbersThatAreNotFiniteAreNull) {
    EXPECT_EQ(JsonNumber(8.1f), "8.1");
    EXPECT_EQ(JsonNumber(std::numeric_limits<float>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<float>::quiet_NaN()), "null");
}

TEST(HeadlessJson, ReadsTheClaimAndReportsMessagesOnStderr) {
    std::ostringstream out, err;
    EXPECT_EQ(RunJsonCommand(DataPath("legacy_2_2_5.tur"), out, err), 0);
    EXPECT_EQ(out.str().substr(0, 2), "{\n");
    EXPECT_NE(out.str().find("\"Navn\": \"Ola Nordmann\""), std::string::npos);
    EXPECT_EQ(err.str(),
              "Advarsel: Det har blitt gjort endringer i den offiselle utgaven\nav Ferdix som "
              "gj\xC3\xB8r at ikke alle felt kunne leses.\nNoe informasjon er tapt.\n");
}

TEST(HeadlessJson, FilesThatCannotBeReadFailWithAMessage) {
    struct Case {
        std::string path;
        std::string message;
    };
    const std::string missing = DataPath("finnes-ikke.tur");
    const Case cases[] = {
        {missing, "ferdix: Finner ikke filen \xC2\xAB" + missing + "\xC2\xBB.\n"},
        {DataPath(""),
         "ferdix: \xC2\xAB" + DataPath("") + "\xC2\xBB er en mappe, ikke en reiseregning.\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunJsonCommand(c.path, out, err), 1) << c.path;
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), c.message);
    }
}

// What the window refuses the command refuses too, at once: nothing waits for a writer that
// never comes, and nothing reads a device without end.
TEST(HeadlessJson, InputsThatAreNoRegularFilesAreRefusedAtOnce) {
    test::TempFolder dir;
    const std::string fifo = dir.File("rør.tur");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zeroLink = dir.File("null.tur");
    std::filesystem::create_symlink("/dev/zero", zeroLink);
    for (const std::string& path :
         {fifo, zeroLink, std::string("/dev/zero"), std::string("/dev/full")}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunJsonCommand(path, out, err), kExitFailed) << path;
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), "ferdix: \xC2\xAB" + path +
                                 "\xC2\xBB er ikke en vanlig fil, og kan ikke v\xC3\xA6re en "
                                 "reiseregning.\n");
    }
}

// A damaged claim is written as far as it was read, with the message the window shows and an
// exit code of its own.
TEST(HeadlessJson, ADamagedClaimIsWrittenWithTheMessageAndItsOwnExitCode) {
    test::TempFolder dir;
    const std::string golden = FileBytes(DataPath("full_claim.tur"));
    struct Case {
        const char* name;
        std::string bytes;
        const char* said;  // UTF-8
    };
    const Case cases[] = {
        {"kort.tur", golden.substr(0, golden.find("0,00 0,00 1000,00")),
         "Filen slutter i \xC2\xABgodtgj\xC3\xB8ringene\xC2\xBB"},
        {"tom.tur", "", "Den f\xC3\xB8rste linjen er ikke"},
        {"antall.tur",
         [&] {
             std::string b = golden;
             b.replace(b.find("reisespesifikasjoner: 4"), 23, "reisespesifikasjoner: 9");
             return b;
         }(),
         "\xC2\xAB"
         "Antall reisespesifikasjoner\xC2\xBB sier 9, men filen har 4."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.File(c.name);
        test::WriteFile(path, c.bytes);
        std::ostringstream out, err;
        EXPECT_EQ(RunJsonCommand(path, out, err), kExitDamaged);
        EXPECT_EQ(out.str().substr(0, 2), "{\n");
        EXPECT_EQ(err.str().rfind("Skadet reiseregning: Reiseregningen\n" + path, 0), 0u)
            << err.str();
        EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunJsonCommand(DataPath("full_claim.tur"), out, err), kExitOk);
    EXPECT_EQ(err.str(), "");
}

TEST(HeadlessJson, HostWritesCaptionAndTextAndAnswersOk) {
    std::ostringstream err;
    HeadlessHost host(err);
    MessageRequest m;
    m.caption = "Advarsel";
    m.text = "Feil i klokkeslettformat\n";
    m.buttons = MsgButtons::OkCancel;
    EXPECT_EQ(host.ShowMessage(m), MsgAnswer::Ok);
    EXPECT_EQ(err.str(), "Advarsel: Feil i klokkeslettformat\n");
    EXPECT_FALSE(host.HasMainWindow());
}

}  // namespace
}  // namespace ferdix
