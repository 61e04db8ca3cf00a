#include "app/recovery.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"
#include "support/manual_tick_clock.h"
#include "support/orphaned_copy.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
namespace fs = std::filesystem;
using test::ManualTickClock;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Keeps what the keeper asked for, in order.
class RecordingWriter final : public IRecoveryWriter {
  public:
    void Write(std::string claimBytes, std::string nameBytes) override {
        calls.push_back("write");
        claims.push_back(std::move(claimBytes));
        names.push_back(std::move(nameBytes));
    }
    void Remove() override { calls.push_back("remove"); }
    void Flush() override { calls.push_back("flush"); }
    std::optional<std::string> TakeFailure() override { return std::nullopt; }

    int Writes() const { return static_cast<int>(claims.size()); }
    std::vector<std::string> calls;
    std::vector<std::string> claims;
    std::vector<std::string> names;
};

class KeeperTest : public ::testing::Test {
  protected:
    std::string ClaimBytes() const {
        std::ostringstream out;
        WriteClaim(doc.Claim(), DateOrder::DayFirst, doc.Clock().Now(), out);
        return out.str();
    }
    void Edit(const char* remarks) { doc.SetRemarks(remarks); }

    FixedClock clock{CivilTime{2026, 12, 8, 9, 30, 0}};
    CFerdixDoc doc{clock};
    ManualTickClock ticks;
    RecordingWriter writer;
    CRecoveryKeeper keeper{doc, writer, ticks};
};

TEST_F(KeeperTest, NothingIsWrittenForAnUnmodifiedClaim) {
    doc.SetTitle("Untitled");
    keeper.Notice();
    keeper.Tick();
    EXPECT_TRUE(writer.calls.empty());
    EXPECT_FALSE(keeper.HasCopy());
    EXPECT_EQ(keeper.DueIn(), std::nullopt);
}

TEST_F(KeeperTest, WritesAtOnceThenAtMostOnceASecond) {
    doc.SetTitle("Untitled");
    Edit("a");
    keeper.Notice();
    ASSERT_EQ(writer.Writes(), 1);
    EXPECT_EQ(writer.claims[0], ClaimBytes());
    EXPECT_TRUE(keeper.HasCopy());
    EXPECT_EQ(keeper.DueIn(), std::nullopt);

    // Two edits within the second: one write when it has passed, with the latest claim.
    ticks.Advance(300ms);
    Edit("ab");
    keeper.Notice();
    ticks.Advance(200ms);
    Edit("abc");
    keeper.Notice();
    EXPECT_EQ(writer.Writes(), 1);
    EXPECT_EQ(keeper.DueIn(), 500ms);
    ticks.Advance(499ms);
    keeper.Tick();
    EXPECT_EQ(writer.Writes(), 1);
    ticks.Advance(1ms);
    EXPECT_EQ(keeper.DueIn(), 0ms);
    keeper.Tick();
    ASSERT_EQ(writer.Writes(), 2);
    EXPECT_NE(writer.claims[1].find("abc"), std::string::npos);
    EXPECT_EQ(writer.claims[1], ClaimBytes());
    EXPECT_EQ(keeper.DueIn(), std::nullopt);

    // An edit after a quiet second is written at once.
    ticks.Advance(5s);
    Edit("abcd");
    keeper.Notice();
    EXPECT_EQ(writer.Writes(), 3);
}

TEST_F(KeeperTest, AnEventThatChangedNothingWritesNothing) {
    doc.SetTitle("Untitled");
    Edit("a");
    keeper.Notice();
    ticks.Advance(2s);
    keeper.Notice();  // say a field left without a change
    EXPECT_EQ(writer.Writes(), 1);
    EXPECT_EQ(keeper.DueIn(), std::nullopt);
}

TEST_F(KeeperTest, TheCopyGoesAsSoonAsTheClaimIsClean) {
    doc.SetTitle("Untitled");
    Edit("a");
    keeper.Notice();
    ticks.Advance(100ms);
    Edit("b");
    keeper.Notice();  // waiting for its second
    doc.SetModified(false);
    keeper.Notice();
    EXPECT_EQ(writer.calls, (std::vector<std::string>{"write", "remove"}));
    EXPECT_FALSE(keeper.HasCopy());
    EXPECT_EQ(keeper.DueIn(), std::nullopt);
    keeper.Tick();
    EXPECT_EQ(writer.calls.size(), 2u);

    // Modified again: a new copy, also with the same bytes as the one removed.
    Edit("a");
    ticks.Advance(1s);
    keeper.Notice();
    EXPECT_EQ(writer.Writes(), 2);
}

TEST_F(KeeperTest, WriteNowIgnoresTheIntervalAndStopEndsEverything) {
    doc.SetTitle("Untitled");
    Edit("a");
    keeper.Notice();
    Edit("b");
    keeper.WriteNow();
    EXPECT_EQ(writer.Writes(), 2);
    Edit("c");
    keeper.Notice();
    keeper.Stop();
    EXPECT_EQ(writer.calls, (std::vector<std::string>{"write", "write", "remove", "flush"}));
    ticks.Advance(10s);
    keeper.Notice();
    keeper.Tick();
    EXPECT_EQ(writer.calls.size(), 4u);
    EXPECT_EQ(keeper.DueIn(), std::nullopt);
}

TEST_F(KeeperTest, AbandonWritesTheWaitingEditAndKeepsTheCopy) {
    doc.SetTitle("Untitled");
    Edit("a");
    keeper.Notice();
    ticks.Advance(10ms);
    Edit("ab");
    keeper.Notice();
    keeper.Abandon();
    keeper.Stop();
    keeper.Notice();
    EXPECT_EQ(writer.calls, (std::vector<std::string>{"write", "write", "flush"}));
    EXPECT_EQ(writer.claims.back(), ClaimBytes());
}

TEST_F(KeeperTest, TheNameFileFollowsThePathASaveWouldUse) {
    struct Case {
        const char* what;
        const char* title;
        const char* pathName;
        bool byFramework;
        const char* expected;
    };
    const Case cases[] = {
        {"untitled", "Untitled", "", false, ""},
        {"own Open names it by the title", "/home/kari/reise.tur", "", false,
         "/home/kari/reise.tur"},
        {"framework path names it by the path", "reise.tur", "/home/kari/reise.tur", true,
         "/home/kari/reise.tur"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.SetOpenedByFramework(c.byFramework);
        doc.SetPathName(c.pathName);
        doc.SetTitle(c.title);
        doc.SetModified(false);
        keeper.Notice();
        Edit(c.what);
        ticks.Advance(1s);
        keeper.Notice();
        ASSERT_FALSE(writer.names.empty());
        EXPECT_EQ(ParseRecoveryName(writer.names.back()), std::string(c.expected));
    }
}

TEST(RecoveryName, ReadsBackWhatWasWrittenAndRefusesOtherFiles) {
    for (std::string path :
         {std::string(), std::string("/home/kari/reise.tur"),
          std::string("/home/kari/med blank/reise.tur"), std::string("/tmp/to\nlinjer.tur"),
          std::string("/tmp/bl\xc3\xa5.tur")}) {
        EXPECT_EQ(ParseRecoveryName(RecoveryNameText(path)), path);
    }
    for (std::string broken : {std::string(), std::string("Navn: /a.tur\n"),
                               std::string("Ferdix gjenoppretting\nNavn: /a.tur"),
                               std::string("Ferdix gjenoppretting\n/a.tur\n"),
                               "Ferdix gjenoppretting\nNavn: /a\0b\n"s}) {
        EXPECT_EQ(ParseRecoveryName(broken), std::nullopt) << broken;
    }
}

// ---------------------------------------------------------------------------------------------
// The folder and the copies of other runs.

class RecoveryFolderTest : public ::testing::Test {
  protected:
    std::string Folder() const { return dir.File("gjenoppretting"); }
    std::string Orphan(const std::string& stem, const std::string& claim,
                       std::optional<std::string> oldName, int ageSeconds = 0) {
        return test::MakeOrphanedCopy(Folder(), stem, claim, std::move(oldName), ageSeconds);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(Folder())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder dir;
};

TEST_F(RecoveryFolderTest, EachRunHasItsOwnCopyAndNeverOffersALiveOne) {
    CRecoveryFolder first(Folder());
    CRecoveryFolder second(Folder());
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    EXPECT_NE(first.CopyPath(), second.CopyPath());
    EXPECT_NE(first.NamePath(), second.NamePath());
    EXPECT_NE(first.CopyPath().find(std::to_string(CurrentProcessId())), std::string::npos);
    WriteFile(first.CopyPath(), "Versjon 2.3.19\r\n");
    WriteFile(second.CopyPath(), "Versjon 2.3.19\r\n");
    EXPECT_TRUE(first.FindOrphans(kBokmal).empty());
    EXPECT_TRUE(second.FindOrphans(kBokmal).empty());

    // Once the first run is gone, its copy is the second's to offer.
    fs::remove(first.CopyPath());
    std::string copy = first.CopyPath();
    first.Close();
    WriteFile(copy, "Versjon 2.3.19\r\n");
    std::vector<OrphanedCopy> orphans = second.FindOrphans(kBokmal);
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].claimPath, copy);
    EXPECT_EQ(orphans[0].oldName, "");
}

TEST_F(RecoveryFolderTest, OrphansComeNewestFirstWithTheirNamesAndLocked) {
    Orphan("ferdix-11-aaaa", "Versjon 2.3.19\r\nold", std::string("/home/kari/gammel.tur"), 120);
    Orphan("ferdix-12-bbbb", "Versjon 2.3.19\r\nnew", std::string(), 5);
    Orphan("ferdix-13-cccc", "Versjon 2.3.19\r\nmiddle", std::nullopt, 60);
    CRecoveryFolder folder(Folder());
    ASSERT_TRUE(folder.Open());
    std::vector<OrphanedCopy> orphans = folder.FindOrphans(kBokmal);
    ASSERT_EQ(orphans.size(), 3u);
    EXPECT_NE(orphans[0].claimPath.find("ferdix-12-bbbb.tur"), std::string::npos);
    EXPECT_NE(orphans[1].claimPath.find("ferdix-13-cccc.tur"), std::string::npos);
    EXPECT_NE(orphans[2].claimPath.find("ferdix-11-aaaa.tur"), std::string::npos);
    EXPECT_EQ(orphans[0].oldName, "");
    EXPECT_EQ(orphans[1].oldName, "");  // no name file: untitled
    EXPECT_EQ(orphans[2].oldName, "/home/kari/gammel.tur");
    EXPECT_TRUE(orphans[0].written.has_value());

    // Another run starting now sees none of them while this one decides.
    CRecoveryFolder other(Folder());
    ASSERT_TRUE(other.Open());
    EXPECT_TRUE(other.FindOrphans(kBokmal).empty());
    orphans[2].lock.Release();
    EXPECT_EQ(other.FindOrphans(kBokmal).size(), 1u);
}

TEST_F(RecoveryFolderTest, LeftOversWithoutACopyAreTidiedAway) {
    fs::create_directories(Folder());
    WriteFile(Folder() + "/ferdix-21-dddd.lock", "");
    WriteFile(Folder() + "/ferdix-22-eeee.navn", RecoveryNameText("/x.tur"));
    WriteFile(Folder() + "/notes.txt", "mine");
    CRecoveryFolder folder(Folder());
    ASSERT_TRUE(folder.Open());
    EXPECT_TRUE(folder.FindOrphans(kBokmal).empty());
    std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 2u);  // this run's lock and the user's own file
    EXPECT_EQ(names[1], "notes.txt");
}

TEST_F(RecoveryFolderTest, DiscardRemovesTheCopyAndSetAsideKeepsIt) {
    Orphan("ferdix-31-ffff", "Versjon 2.3.19\r\n", std::string("/a.tur"));
    Orphan("ferdix-32-gggg", "rubbish", std::string("/b.tur"), 10);
    CRecoveryFolder folder(Folder());
    ASSERT_TRUE(folder.Open());
    std::vector<OrphanedCopy> orphans = folder.FindOrphans(kBokmal);
    ASSERT_EQ(orphans.size(), 2u);
    std::string bytes;
    EXPECT_TRUE(ReadOrphanedCopy(orphans[0], bytes));
    EXPECT_EQ(bytes, "Versjon 2.3.19\r\n");
    EXPECT_FALSE(ReadOrphanedCopy(orphans[1], bytes));

    DiscardOrphanedCopy(orphans[0]);
    std::optional<std::string> aside = SetOrphanedCopyAside(orphans[1]);
    ASSERT_TRUE(aside);
    EXPECT_EQ(ReadFile(*aside), "rubbish");
    EXPECT_EQ(fs::path(*aside).filename(), "ulesbar-ferdix-32-gggg.tur");
    std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 2u);  // this run's lock and the copy set aside
    EXPECT_EQ(names[1], "ulesbar-ferdix-32-gggg.tur");
    EXPECT_TRUE(folder.FindOrphans(kBokmal).empty());
}

TEST_F(RecoveryFolderTest, AFolderThatCannotBeMadeIsReported) {
    WriteFile(dir.File("fil"), "not a folder");
    CRecoveryFolder folder(dir.File("fil") + "/gjenoppretting");
    EXPECT_FALSE(folder.Open());
    EXPECT_FALSE(folder.IsOpen());
    EXPECT_FALSE(folder.Error().empty());
}

TEST_F(RecoveryFolderTest, TheBackgroundWriterWritesRemovesAndReportsAFailureOnce) {
    CRecoveryFolder folder(Folder());
    ASSERT_TRUE(folder.Open());
    {
        CBackgroundRecoveryWriter writer(folder.CopyPath(), folder.NamePath());
        writer.Write("first", RecoveryNameText("/a.tur"));
        writer.Write("second", RecoveryNameText("/b.tur"));
        writer.Flush();
        EXPECT_EQ(ReadFile(folder.CopyPath()), "second");
        EXPECT_EQ(ParseRecoveryName(ReadFile(folder.NamePath())), "/b.tur");
        writer.Remove();
        writer.Flush();
        EXPECT_FALSE(fs::exists(folder.CopyPath()));
        EXPECT_FALSE(fs::exists(folder.NamePath()));
        EXPECT_EQ(writer.TakeFailure(), std::nullopt);

        // A folder nobody may write: refused also for root.
        ::chmod(Folder().c_str(), 0555);
        writer.Write("third", RecoveryNameText(""));
        writer.Flush();
        std::optional<std::string> failure = writer.TakeFailure();
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->find("gjenoppretting"), std::string::npos);
        EXPECT_EQ(writer.TakeFailure(), std::nullopt);
        ::chmod(Folder().c_str(), 0755);

        // The last request is carried out before the writer goes.
        writer.Write("last", RecoveryNameText(""));
    }
    EXPECT_EQ(ReadFile(folder.CopyPath()), "last");
}

TEST(RecoveryTexts, TheQuestionNamesTheClaimInEitherWrittenStandard) {
    OrphanedCopy named;
    named.oldName = "/home/kari/reise.tur";
    named.written = CivilTime{2026, 12, 8, 14, 5, 0};
    OrphanedCopy untitled;

    std::string text = Cp1252ToUtf8(RecoveryQuestionText(kBokmal, named));
    EXPECT_NE(text.find("Ferdix ble avsluttet uten at reiseregningen var lagret."),
              std::string::npos);
    EXPECT_NE(text.find("Reiseregning: /home/kari/reise.tur"), std::string::npos);
    EXPECT_NE(text.find("Sist endret: 8.12.2026 kl. 14.05"), std::string::npos);
    EXPECT_NE(text.find("Vil du hente fram de ulagrede endringene?"), std::string::npos);
    EXPECT_NE(
        Cp1252ToUtf8(RecoveryQuestionText(kBokmal, untitled)).find("(ny reiseregning uten navn)"),
        std::string::npos);

    text = Cp1252ToUtf8(RecoveryQuestionText(kNynorsk, named));
    EXPECT_NE(text.find("Ferdix vart avslutta utan at reiserekninga var lagra."),
              std::string::npos);
    EXPECT_NE(text.find("Sist endra: 8.12.2026 kl. 14.05"), std::string::npos);
    EXPECT_NE(text.find("Vil du hente fram dei ulagra endringane?"), std::string::npos);
}

}  // namespace
}  // namespace ferdix
