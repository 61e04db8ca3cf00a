// The recovery copy as the shell keeps it: which edits write it, when it goes, and the question
// at start-up about the copies of runs that ended without saving.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/ferdix_app.h"
#include "support/orphaned_copy.h"
#include "support/shell_fixture.h"

namespace ferdix {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

class ShellRecoveryTest : public test::ShellFixture {
  protected:
    std::string Folder() const { return dir.File("config/gjenoppretting"); }
    std::string CopyPath() const { return app.Recovery()->CopyPath(); }
    bool HasCopy() {
        app.FlushRecovery();
        return fs::exists(CopyPath());
    }
    std::string Copy() {
        app.FlushRecovery();
        return ReadFile(CopyPath());
    }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(Folder())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string FullClaim() const {
        return ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur");
    }
    std::string Orphan(const std::string& stem, std::optional<std::string> oldName,
                       int ageSeconds = 0, std::string claim = "") {
        return test::MakeOrphanedCopy(Folder(), stem, claim.empty() ? FullClaim() : claim,
                                      std::move(oldName), ageSeconds);
    }
    std::vector<MessageRequest> Questions() const {
        std::vector<MessageRequest> found;
        for (const MessageRequest& m : host.messages) {
            if (m.buttons == MsgButtons::YesNo) {
                found.push_back(m);
            }
        }
        return found;
    }
    void TypeAndLeave(int id, const char* text) {
        ASSERT_TRUE(controls.Type(id, text));
        ASSERT_TRUE(controls.Leave(id));
    }
};

// ---------------------------------------------------------------------------------------------
// Keeping the copy.

// In a run with year-first dates the form, the saved claim and the copy write a date alike,
// in nynorsk as in bokmål.
TEST_F(ShellRecoveryTest, TheRunsDateOrderHoldsForTheFormTheFileAndTheCopy) {
    fs::create_directories(dir.File("config"));
    WriteFile(dir.File("config/reisende.ini"), "[Oppsett]\r\nDatoformat=YYMMDD\r\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(app.Execute(kCmdNynorsk));
    TypeAndLeave(kIdDepartureDate, "261208");
    EXPECT_EQ(Text(kIdDepartureDate), "2026.12.08");
    EXPECT_TRUE(Has(Copy(), "Utreisedato: 2026.12.08\r\n"));
    ASSERT_TRUE(app.Execute(kCmdBokmal));
    TypeAndLeave(kIdReturnDate, "261209");
    EXPECT_EQ(Text(kIdReturnDate), "2026.12.09");
    host.paths.push_back(dir.File("reise.tur"));
    ASSERT_TRUE(app.Execute(kCmdFileSaveAs));
    std::string saved = ReadFile(dir.File("reise.tur"));
    EXPECT_TRUE(Has(saved,
                    "Utreisedato: 2026.12.08\r\nUtreisetidspunkt: \r\n"
                    "Innreisedato: 2026.12.09\r\n"));
}

TEST_F(ShellRecoveryTest, EveryKindOfEditReachesTheCopy) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(HasCopy());
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* expected;
    };
    const Step steps[] = {
        {"a field left", [&] { TypeAndLeave(kIdName, "Ola"); }, "Navn: Ola"},
        {"typing a count", [&] { ASSERT_TRUE(controls.Type(kIdDayDomesticOver12hCount, "2")); },
         nullptr},
        {"a radio button", [&] { ASSERT_TRUE(controls.Click(kIdTripCourse)); }, "Gjelder: Kurs"},
        // The country's rates; its name is stored when the box is left.
        {"a picked country", [&] { ASSERT_TRUE(controls.Pick(kIdDayCountry, "Kenya")); }, nullptr},
        {"a registered travel line",
         [&] {
             TypeAndLeave(kIdTravelDate, "05.03.06");
             TypeAndLeave(kIdTravelTime, "0800");
             TypeAndLeave(kIdTravelFrom, "Oslo");
             TypeAndLeave(kIdTravelArrival, "1000");
             TypeAndLeave(kIdTravelTo, "Hamar");
             TypeAndLeave(kIdTravelMeans, "Bil");
             TypeAndLeave(kIdTravelKm, "120");
             ASSERT_TRUE(controls.Click(kIdTravelRegister));
         },
         "Antall reisespesifikasjoner: 1"},
    };
    std::string before;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        // Several events in one step: the last waits for the timer.
        ticks.Advance(1s);
        app.RecoveryTick();
        std::string copy = Copy();
        EXPECT_NE(copy, before);
        if (step.expected) {
            EXPECT_TRUE(Has(copy, step.expected)) << copy;
        }
        before = copy;
    }
    // The copy is a claim file as Save writes it, without the closing NUL.
    EXPECT_EQ(Copy().rfind("Versjon 2.3.19\r\nLagret: 08.12.26\r\n", 0), 0u);
    EXPECT_NE(Copy().back(), '\0');
    EXPECT_EQ(ParseRecoveryName(ReadFile(app.Recovery()->NamePath())), "");
}

TEST_F(ShellRecoveryTest, EditsWithinASecondWaitForTheTimer) {
    ASSERT_TRUE(Start());
    TypeAndLeave(kIdName, "O");
    EXPECT_TRUE(Has(Copy(), "Navn: O\r\n"));
    ticks.Advance(400ms);
    TypeAndLeave(kIdName, "Ola");
    EXPECT_TRUE(Has(Copy(), "Navn: O\r\n"));
    EXPECT_EQ(app.RecoveryDueIn(), 600ms);
    app.RecoveryTick();
    EXPECT_TRUE(Has(Copy(), "Navn: O\r\n"));
    ticks.Advance(600ms);
    app.RecoveryTick();
    EXPECT_TRUE(Has(Copy(), "Navn: Ola\r\n"));
    EXPECT_EQ(app.RecoveryDueIn(), std::nullopt);

    // A command is an edit too: the pending text goes out once its second is over.
    ticks.Advance(100ms);
    TypeAndLeave(kIdName, "Olav");
    ticks.Advance(900ms);
    app.Execute(kCmdNynorsk);
    EXPECT_TRUE(Has(Copy(), "Navn: Olav\r\n"));
}

TEST_F(ShellRecoveryTest, TheTextBeingTypedReachesTheCopyWithoutLeavingTheField) {
    ASSERT_TRUE(Start());
    // A name typed and never left: in the copy at once, and within a second as it grows.
    ASSERT_TRUE(controls.Type(kIdName, "Ola Nordmann"));
    EXPECT_TRUE(Has(Copy(), "Navn: O\r\n"));
    EXPECT_EQ(host.titles.back(), "Untitled *");
    EXPECT_EQ(app.RecoveryDueIn(), 1000ms);
    ticks.Advance(1s);
    app.RecoveryTick();
    EXPECT_TRUE(Has(Copy(), "Navn: Ola Nordmann\r\n"));
    EXPECT_EQ(controls.GetFocus(), kIdName);
    EXPECT_EQ(Text(kIdName), "Ola Nordmann");

    // Several lines of the purpose, the same.
    ticks.Advance(1s);
    ASSERT_TRUE(controls.Type(kIdPurpose, "Bergen\r\nVoss"));
    ticks.Advance(1s);
    app.RecoveryTick();
    EXPECT_TRUE(Has(Copy(), "Bergen\r\nVoss")) << Copy();

    struct Case {
        int field;
        const char* typed;   // then the timer, without leaving
        const char* inCopy;  // nullptr: the copy holds what it held
    };
    // A date, a time or a number half typed never raises a message, and the field is never
    // rewritten under the user's hands; the identity number waits for its leave, which reads
    // the traveller's profile.
    const Case cases[] = {
        {kIdDepartureDate, "05.0", nullptr},
        {kIdDepartureDate, "05.03.26", "Utreisedato: 05.03.26"},
        {kIdDepartureTime, "14", nullptr},
        {kIdDepartureTime, "1430", "14:30"},
        {kIdPostcode, "15", "Postnummer: 0015"},
        {kIdPersonId, "01017012345", nullptr},
        {kIdReturnTime, "1600", nullptr},  // no return date yet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        // Into the field first: leaving the one before stores that one.
        ASSERT_TRUE(controls.FocusTo(c.field));
        ticks.Advance(1s);
        app.RecoveryTick();
        std::string before = Copy();
        ticks.Advance(1s);
        ASSERT_TRUE(controls.Type(c.field, c.typed));
        ticks.Advance(1s);
        app.RecoveryTick();
        if (c.inCopy) {
            EXPECT_TRUE(Has(Copy(), c.inCopy)) << Copy();
        } else {
            EXPECT_EQ(Copy(), before);
        }
        EXPECT_EQ(Text(c.field), c.typed);
        EXPECT_EQ(controls.GetFocus(), c.field);
        if (c.field == kIdPersonId) {
            EXPECT_EQ(doc->Claim().Traveller().PersonId(), "");
        }
    }
    EXPECT_TRUE(host.messages.empty());
    // Leaving does the rest: the number was taken when the user moved on, and the time
    // without a date is told.
    EXPECT_EQ(doc->Claim().Traveller().PersonId(), "010170 12345");
    controls.Leave(kIdReturnTime);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Innreisedato må være satt"_cp);
}

TEST_F(ShellRecoveryTest, TheTextBeingTypedNeverReachesTheNextClaim) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(controls.Type(kIdName, "Ola"));
    // New a while later, without saving: clearing the form raises changes that write the
    // copy, while the field still shows the old claim's name.
    ticks.Advance(2s);
    host.answers.push_back(MsgAnswer::No);
    app.Execute(kCmdFileNew);
    EXPECT_EQ(doc->Claim().Traveller().Name(), "");
    EXPECT_EQ(Text(kIdName), "");
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ShellRecoveryTest, AFieldOnlyVisitedChangesNothing) {
    ASSERT_TRUE(Start());
    // "Ansatt nr." of a new claim shows nothing for its -1; clicking into it is no edit.
    ASSERT_TRUE(controls.FocusTo(kIdEmployeeNumber));
    ticks.Advance(1s);
    app.RecoveryTick();
    app.Execute(kCmdNynorsk);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(HasCopy());
}

TEST_F(ShellRecoveryTest, SaveNewOpenAndCloseRemoveTheCopy) {
    std::string other = SavedClaim("annen.tur");
    ASSERT_TRUE(Start());
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"Save As",
         [&] {
             host.paths.push_back(dir.File("lagret.tur"));
             app.Execute(kCmdFileSaveAs);
         }},
        {"Save", [&] { app.Execute(kCmdFileSave); }},
        {"New",
         [&] {
             host.answers.push_back(MsgAnswer::No);
             app.Execute(kCmdFileNew);
         }},
        {"Open",
         [&] {
             host.answers.push_back(MsgAnswer::No);
             host.paths.push_back(other);
             app.Execute(kCmdFileOpen);
         }},
        {"a recent file",
         [&] {
             host.answers.push_back(MsgAnswer::No);
             app.Execute(kCmdFileMru1);
         }},
        {"a dropped file",
         [&] {
             host.answers.push_back(MsgAnswer::No);
             std::vector<std::string> dropped{other};
             app.OnDropFiles(dropped);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ticks.Advance(1s);
        Modify();
        ASSERT_TRUE(HasCopy());
        c.act();
        EXPECT_FALSE(doc->IsModified());
        EXPECT_FALSE(HasCopy());
    }

    // Closing: the copy and this run's lock go, and nothing is written after.
    ticks.Advance(1s);
    Modify();
    ASSERT_TRUE(HasCopy());
    std::string copy = CopyPath();
    host.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(app.QueryClose());
    app.ExitInstance();
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(FolderNames().empty());
    EXPECT_EQ(app.Recovery(), nullptr);
    Modify();
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(ShellRecoveryTest, AShellDestroyedWithoutACloseLeavesItsCopyForTheNextStart) {
    test::FakeHost host2;
    test::FakeShellPlatform platform2;
    MemoryControls controls2(FormTemplate());
    std::string copy;
    {
        CFerdixApp gone(host2, platform2, controls2, clock, &ticks);
        controls2.SetEvents(&gone.FormEvents());
        ASSERT_TRUE(gone.InitInstance({dir.File("ferdix"), "", dir.File("config"), ""}));
        ASSERT_TRUE(controls2.Type(kIdName, "Ola"));
        ASSERT_TRUE(controls2.Leave(kIdName));
        ticks.Advance(10ms);
        ASSERT_TRUE(controls2.Type(kIdName, "Olav"));
        ASSERT_TRUE(controls2.Leave(kIdName));
        copy = gone.Recovery()->CopyPath();
        controls2.SetEvents(nullptr);
    }
    EXPECT_TRUE(Has(ReadFile(copy), "Navn: Olav\r\n"));
    host.answers.push_back(MsgAnswer::Yes);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(doc->Claim().Traveller().Name(), "Olav");
}

TEST_F(ShellRecoveryTest, AFailedSaveKeepsTheCopy) {
    ASSERT_TRUE(Start());
    Modify();
    fs::create_directories(dir.File("skrivebeskyttet"));
    ::chmod(dir.File("skrivebeskyttet").c_str(), 0555);
    host.paths.push_back(dir.File("skrivebeskyttet/reise.tur"));
    app.Execute(kCmdFileSaveAs);
    ::chmod(dir.File("skrivebeskyttet").c_str(), 0755);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(HasCopy());
}

TEST_F(ShellRecoveryTest, TwoRunsKeepTwoCopiesAndNeitherOffersTheOther) {
    ASSERT_TRUE(Start());
    TypeAndLeave(kIdName, "Forste");

    test::FakeHost host2;
    test::FakeShellPlatform platform2;
    MemoryControls controls2(FormTemplate());
    CFerdixApp second(host2, platform2, controls2, clock, &ticks);
    controls2.SetEvents(&second.FormEvents());
    ASSERT_TRUE(second.InitInstance({dir.File("ferdix"), "", dir.File("config"), ""}));
    EXPECT_TRUE(host2.messages.empty());
    ASSERT_TRUE(controls2.Type(kIdName, "Andre"));
    ASSERT_TRUE(controls2.Leave(kIdName));
    // The first key wrote each copy; the rest waits for its second.
    ticks.Advance(1s);
    app.RecoveryTick();
    second.RecoveryTick();
    second.FlushRecovery();

    ASSERT_NE(second.Recovery()->CopyPath(), CopyPath());
    EXPECT_TRUE(Has(Copy(), "Navn: Forste"));
    EXPECT_TRUE(Has(ReadFile(second.Recovery()->CopyPath()), "Navn: Andre"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ShellRecoveryTest, ACopyThatCannotBeWrittenIsReportedOnce) {
    ASSERT_TRUE(Start());
    ::chmod(Folder().c_str(), 0555);
    Modify();
    app.FlushRecovery();
    ticks.Advance(1s);
    Modify();
    ticks.Advance(1s);
    Modify();
    app.FlushRecovery();
    Modify();
    ::chmod(Folder().c_str(), 0755);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(Has(host.messages[0].text, "Ferdix kan ikke lagre en sikkerhetskopi"));
    EXPECT_TRUE(Has(host.messages[0].text, "gjenoppretting"));
}

TEST_F(ShellRecoveryTest, WithoutAFolderForCopiesTheUserIsToldAtTheFirstEdit) {
    WriteFile(dir.File("config"), "a file where the folder should be");
    ASSERT_TRUE(Start());
    EXPECT_EQ(app.Recovery(), nullptr);
    EXPECT_TRUE(host.messages.empty());
    Modify();
    Modify();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(Has(host.messages[0].text, "sikkerhetskopi"));
}

// ---------------------------------------------------------------------------------------------
// Start-up.

TEST_F(ShellRecoveryTest, YesBringsTheClaimBackModifiedUnderItsOldName) {
    std::string old = dir.File("reise.tur");
    std::string orphan = Orphan("ferdix-4242-0000abcd", old);
    host.answers.push_back(MsgAnswer::Yes);
    ASSERT_TRUE(Start());

    ASSERT_EQ(Questions().size(), 1u);
    const MessageRequest q = Questions()[0];
    EXPECT_EQ(q.caption, "Ferdix");
    EXPECT_EQ(q.defaultButton, MsgAnswer::Yes);
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_TRUE(Has(q.text, "Ferdix ble avsluttet uten at reiseregningen var lagret."));
    EXPECT_TRUE(Has(q.text, "Reiseregning: " + old));

    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), "reise.tur *");
    EXPECT_EQ(host.titles.back(), "reise.tur *");
    EXPECT_EQ(doc->SavePath(), old);
    EXPECT_EQ(doc->Claim().Traveller().Name(), "Kari Nordmann");
    EXPECT_EQ(Text(kIdName), "Kari Nordmann");
    EXPECT_TRUE(Has(host.LastStatus(), "Beløp: "_cp));
    EXPECT_NE(host.LastStatus(), "Beløp: 0,00"_cp);

    // The old copy has become this run's own.
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_TRUE(Has(Copy(), "Navn: Kari Nordmann"));
    EXPECT_EQ(ParseRecoveryName(ReadFile(app.Recovery()->NamePath())), old);
    EXPECT_EQ(FolderNames().size(), 3u);

    // Save goes to the old path, and then the copy is not needed.
    app.Execute(kCmdFileSave);
    EXPECT_TRUE(host.fileDialogs.empty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(Has(ReadFile(old), "Kari Nordmann"));
    EXPECT_FALSE(HasCopy());
}

TEST_F(ShellRecoveryTest, AnUntitledClaimComesBackUntitledAndSaveAsksForAName) {
    Orphan("ferdix-4242-0000abcd", std::string());
    host.answers.push_back(MsgAnswer::Yes);
    ASSERT_TRUE(Start());
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_TRUE(Has(Questions()[0].text, "(ny reiseregning uten navn)"));
    EXPECT_EQ(doc->GetTitle(), "Untitled *");
    EXPECT_EQ(doc->SavePath(), "");
    app.Execute(kCmdFileSave);
    EXPECT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(ShellRecoveryTest, NoDeletesTheCopyAndStartsANewClaim) {
    std::string orphan = Orphan("ferdix-4242-0000abcd", dir.File("reise.tur"));
    host.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_EQ(FolderNames().size(), 1u);  // this run's lock
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Text(kIdName), "");
}

TEST_F(ShellRecoveryTest, NoAnswerKeepsTheCopyForTheNextStart) {
    std::string orphan = Orphan("ferdix-4242-0000abcd", std::string());
    host.answers.push_back(MsgAnswer::Cancel);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(fs::exists(orphan));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ShellRecoveryTest, TheQuestionIsInTheWrittenStandardInForce) {
    Orphan("ferdix-4242-0000abcd", std::string());
    host.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(Start("", "ferdixn"));
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_TRUE(Has(Questions()[0].text, "Ferdix vart avslutta utan at reiserekninga var lagra."));
    EXPECT_TRUE(Has(Questions()[0].text, "(ny reiserekning utan namn)"));
}

TEST_F(ShellRecoveryTest, AnUnreadableCopyIsReportedAndSetAside) {
    std::string orphan = Orphan("ferdix-4242-0000abcd", std::string(), 0, "not a claim at all");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Questions().empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(Has(host.messages[0].text, "som ikke kan leses"));
    std::string aside = Folder() + "/ulesbar-ferdix-4242-0000abcd.tur";
    EXPECT_TRUE(Has(host.messages[0].text, aside));
    EXPECT_EQ(ReadFile(aside), "not a claim at all");
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_EQ(doc->GetTitle(), "Untitled");
}

// A copy that is no regular file can hold no claim and could keep the start waiting: it goes,
// and the user is told once for all of them; a regular copy beside them is offered as ever.
TEST_F(ShellRecoveryTest, CopiesThatAreNoRegularFilesGoWithOneMessage) {
    std::string regular = Orphan("ferdix-1-00000001", dir.File("reise.tur"));
    std::string fifo = Orphan("ferdix-2-00000002", std::string());
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string device = Orphan("ferdix-3-00000003", std::string());
    fs::remove(device);
    fs::create_symlink("/dev/zero", device);
    host.answers = {MsgAnswer::Ok, MsgAnswer::No};
    ASSERT_TRUE(Start());
    ASSERT_EQ(host.messages.size(), 2u);
    const MessageRequest& told = host.messages[0];
    EXPECT_EQ(told.icon, MsgIcon::Warning);
    EXPECT_TRUE(Has(told.text, "ikke er en vanlig fil"));
    EXPECT_TRUE(Has(told.text, fifo));
    EXPECT_TRUE(Has(told.text, device));
    EXPECT_FALSE(Has(told.text, regular));
    EXPECT_FALSE(fs::exists(fs::symlink_status(fifo)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(device)));
    EXPECT_TRUE(fs::exists("/dev/zero"));
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_TRUE(Has(Questions()[0].text, dir.File("reise.tur")));
}

// A folder this run cannot write: its copies cannot be taken over, and the user learns where
// they lie (they open as ordinary claims); nothing in the folder is touched.
TEST_F(ShellRecoveryTest, CopiesInAFolderThatCannotBeWrittenAreNamedOnce) {
    std::string orphan = Orphan("ferdix-4242-0000abcd", dir.File("reise.tur"));
    ::chmod(Folder().c_str(), 0555);
    ASSERT_TRUE(Start());
    std::vector<std::string> names = FolderNames();
    ::chmod(Folder().c_str(), 0755);
    EXPECT_EQ(app.Recovery(), nullptr);
    EXPECT_TRUE(Questions().empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(Has(host.messages[0].text, "kan ikke hente dem fram"));
    EXPECT_TRUE(Has(host.messages[0].text, orphan));
    EXPECT_EQ(ReadFile(orphan), FullClaim());
    EXPECT_EQ(names,
              (std::vector<std::string>{"ferdix-4242-0000abcd.lock", "ferdix-4242-0000abcd.navn",
                                        "ferdix-4242-0000abcd.tur"}));
    // The first edit still says that no copy is kept, as before.
    Modify();
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(ShellRecoveryTest, SeveralCopiesAreOfferedNewestFirstOneClaimAtATime) {
    std::string older = Orphan("ferdix-1-00000001", dir.File("eldre.tur"), 300);
    std::string newer = Orphan("ferdix-2-00000002", dir.File("nyere.tur"), 10);
    std::string newest = Orphan("ferdix-3-00000003", dir.File("nyest.tur"), 1);
    host.answers = {MsgAnswer::No, MsgAnswer::Yes};
    ASSERT_TRUE(Start());
    std::vector<MessageRequest> asked = Questions();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_TRUE(Has(asked[0].text, "nyest.tur"));
    EXPECT_TRUE(Has(asked[1].text, "nyere.tur"));
    EXPECT_EQ(doc->SavePath(), dir.File("nyere.tur"));
    EXPECT_FALSE(fs::exists(newest));
    EXPECT_FALSE(fs::exists(newer));
    // The last one waits for the next start, and the user is told.
    EXPECT_TRUE(fs::exists(older));
    EXPECT_TRUE(Has(host.messages.back().text, "Det finnes flere ulagrede reiseregninger"));

    test::FakeHost host2;
    test::FakeShellPlatform platform2;
    MemoryControls controls2(FormTemplate());
    CFerdixApp next(host2, platform2, controls2, clock, &ticks);
    controls2.SetEvents(&next.FormEvents());
    host2.answers = {MsgAnswer::Yes};
    ASSERT_TRUE(next.InitInstance({dir.File("ferdix"), "", dir.File("config"), ""}));
    ASSERT_EQ(host2.messages.size(), 1u);
    EXPECT_TRUE(Has(host2.messages[0].text, "eldre.tur"));
    EXPECT_EQ(next.Document()->SavePath(), dir.File("eldre.tur"));
}

TEST_F(ShellRecoveryTest, TheCommandLineClaimOpensAfterTheQuestionAboutTheRestoredOne) {
    std::string named = SavedClaim("fra-kommandolinja.tur");
    Orphan("ferdix-4242-0000abcd", dir.File("reise.tur"));
    // Cancel at the save question keeps the restored claim.
    host.answers = {MsgAnswer::Yes, MsgAnswer::Cancel};
    ASSERT_TRUE(Start(named));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(doc->SavePath(), dir.File("reise.tur"));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(HasCopy());
}

TEST_F(ShellRecoveryTest, NoAtTheSaveQuestionOpensTheCommandLineClaim) {
    std::string named = SavedClaim("fra-kommandolinja.tur");
    Orphan("ferdix-4242-0000abcd", dir.File("reise.tur"));
    host.answers = {MsgAnswer::Yes, MsgAnswer::No};
    ASSERT_TRUE(Start(named));
    EXPECT_EQ(doc->SavePath(), named);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(HasCopy());
}

}  // namespace
}  // namespace ferdix
