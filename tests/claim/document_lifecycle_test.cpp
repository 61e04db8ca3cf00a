#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "claim/claim_file.h"
#include "form/control_ids.h"
#include "form/field_map.h"

#include "calc/allowance_table.h"
#include "support/form_fixture.h"

namespace ferdix {
namespace {

using test::ReadFile;
using test::WriteFile;

class LifecycleTest : public test::FormFixture {
  protected:
    std::string Golden(const char* name) {
        return ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/" + name);
    }
    // A claim on disk that differs from what a new claim holds.
    std::string SavedClaim(const char* name) {
        std::string path = dir.File(name);
        WriteFile(path, Golden("full_claim.tur"));
        return path;
    }
    // A count that differs from every earlier one.
    void Modify() {
        controls.Type(kIdDayDomesticOver12hCount, std::to_string(++edits + 2));
        ASSERT_TRUE(doc.IsModified());
    }
    float ReadCount(const std::string& path) {
        ClaimData other;
        ReadClaim(other, ReadFile(path));
        return other.LineValue(DayDomesticOver12h, kCountColumn);
    }
    const MessageRequest& LastMessage() {
        static const MessageRequest none;
        return host.messages.empty() ? none : host.messages.back();
    }
    int edits = 0;
};

TEST_F(LifecycleTest, NewKeepsCountriesAndStandardButEmptiesTheTraveller) {
    TypeAndLeave(kIdName, "Kari");
    view.Execute(kCmdNynorsk);
    host.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(doc.SaveModified());
    doc.OnNewDocument();
    EXPECT_EQ(doc.Claim().Traveller().Name(), "");
    EXPECT_EQ(Text(kIdName), "");
    EXPECT_EQ(doc.Locale().standard, kNynorsk);
    EXPECT_EQ(doc.Rates().m_countries.size(), 3u);
    EXPECT_EQ(doc.Claim().TripKind(), 1);
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(LastMessage().text, "Ønskjer du å lagre før du lukker\nreiserekninga?"_cp);
}

TEST_F(LifecycleTest, OpeningKeepsTheClaimsOwnRatesAndIsNotModified) {
    std::string path = SavedClaim("reise.tur");
    host.paths.push_back(path);
    doc.OnFileOpen();
    EXPECT_EQ(doc.GetTitle(), path);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Claim().Traveller().Name(), "Kari Nordmann");
    EXPECT_EQ(Text(kIdName), "Kari Nordmann");
    // The stored rates stand, although ferdix.ini has others and every field was written.
    for (int line = 0; line <= 22; ++line) {
        int field = AllowanceFields(line).rateField;
        if (field == 0)
            continue;
        EXPECT_EQ(controls.GetText(field), doc.Claim().LineValueText(line, kRateColumn)) << line;
    }
    EXPECT_NE(Text(kIdDayDomesticOver12hRate), "445,00");
    EXPECT_EQ(host.recent, (std::vector<std::string>{path}));
    EXPECT_FALSE(controls.Rows(kIdTravelList).empty());
    EXPECT_FALSE(view.IsLoading());
    // And it can be edited at once.
    controls.Type(kIdDayDomesticOver12hCount, "1");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(LifecycleTest, OpenAsksBeforeReplacingAModifiedClaim) {
    Modify();
    host.answers.push_back(MsgAnswer::Cancel);
    host.paths.push_back(SavedClaim("reise.tur"));
    doc.OnFileOpen();
    EXPECT_TRUE(host.fileDialogs.empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Claim().LineValue(DayDomesticOver12h, kCountColumn), 3.0f);
}

TEST_F(LifecycleTest, AnUnreadableFileIsReportedAndTheTitleStays) {
    Modify();
    host.answers.push_back(MsgAnswer::No);
    host.paths.push_back(dir.File("nowhere.tur"));
    doc.OnFileOpen();
    EXPECT_EQ(LastMessage().caption, "Feil ved åpning"_cp);
    EXPECT_NE(LastMessage().text.find(dir.File("nowhere.tur")), std::string::npos);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");
    EXPECT_EQ(doc.Claim().LineValue(DayDomesticOver12h, kCountColumn), 3.0f);
}

TEST_F(LifecycleTest, SavingAnUntitledClaimAsksForANameAndEndsWithNul) {
    Modify();
    std::string path = dir.File("ny.tur");
    host.paths.push_back(path);
    doc.OnFileSave();
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_TRUE(host.fileDialogs[0].save);
    EXPECT_EQ(host.fileDialogs[0].defaultExtension, "tur");
    EXPECT_EQ(doc.GetTitle(), path);
    EXPECT_FALSE(doc.IsModified());
    std::string bytes = ReadFile(path);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), '\0');
    EXPECT_EQ(bytes.rfind("Lagret: 08.12.26\r\n", 30), 16u);

    // Saving again goes to the title's path without a dialog.
    controls.Type(kIdDayDomesticOver12hCount, "4");
    doc.OnFileSave();
    EXPECT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_NE(ReadFile(path), bytes);
    EXPECT_EQ(host.recent.back(), path);
}

TEST_F(LifecycleTest, AFailedSaveKeepsTheOldFileAndTheMark) {
    std::string path = SavedClaim("reise.tur");
    host.paths.push_back(path);
    doc.OnFileOpen();
    Modify();
    std::string before = ReadFile(path);
    ::chmod(path.c_str(), 0444);
    doc.OnFileSave();
    EXPECT_EQ(LastMessage().caption, "Feil ved lagring");
    EXPECT_EQ(LastMessage().text, "Vennligst bruk 'Lagre som'");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), path + " *");
    EXPECT_EQ(ReadFile(path), before);

    // Save As onto a device that is full, and into a read-only folder.
    view.Execute(kCmdNynorsk);
    host.paths.push_back("/dev/full");
    doc.OnFileSaveAs();
    EXPECT_EQ(LastMessage().text, "Vær vennleg bruk 'Lagre som'"_cp);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), path + " *");
    std::string folder = dir.File("locked");
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0555);
    host.paths.push_back(folder + "/x.tur");
    doc.OnFileSaveAs();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(std::filesystem::exists(folder + "/x.tur"));
    ::chmod(folder.c_str(), 0755);
}

TEST_F(LifecycleTest, FrameworkPathNamesByFileNameAndSavesToTheFullPath) {
    std::string path = SavedClaim("reise.tur");
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    EXPECT_EQ(doc.GetTitle(), "reise.tur");
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_TRUE(doc.OpenedByFramework());
    EXPECT_FALSE(doc.IsModified());
    Modify();
    doc.OnFileSave();
    EXPECT_TRUE(host.fileDialogs.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "reise.tur");
    // The recent-file list needs the path the claim was written to, not the title.
    EXPECT_EQ(host.recent.back(), path);
    EXPECT_NE(ReadFile(path), Golden("full_claim.tur"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("reise.tur *")));
}

TEST_F(LifecycleTest, ClosingWithYesSavesWhereTheClaimCameFrom) {
    // Through the framework: to its path, without NUL.
    std::string path = SavedClaim("a.tur");
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    Modify();
    host.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(host.fileDialogs.empty());
    std::string bytes = ReadFile(path);
    EXPECT_NE(bytes.back(), '\0');

    // After the own Open: where Ctrl+S would write, the full path the title shows, without a
    // dialog.
    host.paths.push_back(path);
    doc.OnFileOpen();
    ASSERT_EQ(doc.GetTitle(), path);
    Modify();
    host.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(host.fileDialogs.size(), 1u);  // the Open's own
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadCount(path), static_cast<float>(edits + 2));
    EXPECT_EQ(ReadFile(path).back(), '\0');  // as Ctrl+S writes it
    EXPECT_EQ(host.recent.back(), path);

    // A read-only file: a name is asked for; Cancel means do not go on.
    Modify();
    ::chmod(path.c_str(), 0444);
    host.answers.push_back(MsgAnswer::Yes);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(host.fileDialogs.size(), 2u);
    EXPECT_TRUE(doc.IsModified());
}

// The save the question offered for an untitled claim names the claim for the saves after it:
// a Save then writes to the same file, never to a bare file name in the working folder.
TEST_F(LifecycleTest, AfterYesOnAnUntitledClaimSaveWritesToTheSameFile) {
    Modify();
    std::string path = dir.File("ny.tur");
    host.paths.push_back(path);
    host.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(doc.SaveModified());
    ASSERT_EQ(ReadCount(path), static_cast<float>(edits + 2));
    EXPECT_EQ(doc.SavePath(), path);
    Modify();
    doc.OnFileSave();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadCount(path), static_cast<float>(edits + 2));
    EXPECT_EQ(host.fileDialogs.size(), 1u);
}

// A damaged file opens for what it holds, marked modified, with a message that says what was
// missing; a whole one opens clean and silent. Both ways of opening.
TEST_F(LifecycleTest, ADamagedClaimOpensModifiedWithAMessage) {
    const std::string golden = Golden("full_claim.tur");
    const std::string cut = golden.substr(0, golden.find("0,00 0,00 1000,00"));
    struct Way {
        const char* name;
        std::function<void(const std::string&)> open;
    };
    const Way ways[] = {
        {"own Open",
         [&](const std::string& path) {
             host.paths.push_back(path);
             doc.OnFileOpen();
         }},
        {"framework", [&](const std::string& path) { ASSERT_TRUE(doc.OpenDocumentFile(path)); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        doc.OnNewDocument();
        host.messages.clear();
        std::string whole = dir.File("hel.tur");
        WriteFile(whole, golden);
        way.open(whole);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_FALSE(doc.IsModified());

        std::string damaged = dir.File("skadet.tur");
        WriteFile(damaged, cut);
        way.open(damaged);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(LastMessage().caption, "Skadet reiseregning");
        EXPECT_NE(LastMessage().text.find(damaged), std::string::npos);
        EXPECT_NE(LastMessage().text.find("godtgjøringene"_cp), std::string::npos);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.Claim().Traveller().Name(), "Kari Nordmann");
        EXPECT_EQ(Text(kIdName), "Kari Nordmann");
        EXPECT_EQ(doc.Claim().AdvanceAmount(), 0.0f);
        EXPECT_EQ(ReadFile(damaged), cut);  // nothing written back
    }
}

TEST_F(LifecycleTest, SaveAsNeverLeavesAnOlderFileAsTheTarget) {
    std::string a = SavedClaim("a.tur");
    ASSERT_TRUE(doc.OpenDocumentFile(a));
    std::string b = dir.File("b.tur");
    host.paths.push_back(b);
    doc.OnFileSaveAs();
    Modify();
    host.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ReadFile(a), Golden("full_claim.tur"));
    EXPECT_EQ(ReadCount(b), 3.0f);
}

TEST_F(LifecycleTest, LargeClaimsPassTheFrameworkPathWhole) {
    std::string remarks;
    for (int i = 0; i < 3000; ++i) {
        remarks += "Linje " + std::to_string(i) + " med merknader til reisen\r\n";
    }
    remarks += "Slutt";
    doc.SetRemarks(remarks);
    std::string buffer;
    doc.Serialize(buffer, true);
    ASSERT_GT(buffer.size(), 65534u);
    std::string path = dir.File("stor.tur");
    WriteFile(path, buffer);
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    EXPECT_EQ(doc.Claim().Remarks(), remarks);
    EXPECT_NE(doc.Claim().Remarks().find("Slutt"), std::string::npos);
}

}  // namespace
}  // namespace ferdix
