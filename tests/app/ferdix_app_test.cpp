#include "app/ferdix_app.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "app/print_request.h"
#include "base/text_convert.h"
#include "support/shell_fixture.h"

namespace ferdix {
namespace {

using test::ReadFile;
using test::ShellFixture;
using test::WriteFile;

class ShellTest : public ShellFixture {
  protected:
    std::string NetText() const { return FormatAmount(doc->Claim().NetAmount(), true); }
    const MessageRequest& LastMessage() const {
        static const MessageRequest none;
        return host.messages.empty() ? none : host.messages.back();
    }
};

// ---------------------------------------------------------------------------------------------
// Start-up.

TEST_F(ShellTest, StartsWithANewClaimWithoutACommandLine) {
    platform.kept = {"/tmp/a.tur", "", "/tmp/b.tur"};
    ASSERT_TRUE(Start());
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Text(kIdDayDomesticOver12hRate), "445,00");
    EXPECT_EQ(doc->Claim().LineValue(4, kRateColumn), 445.0f);
    EXPECT_EQ(host.LastStatus(), "Beløp: 0,00"_cp);
    EXPECT_EQ(app.Files().ferdixIni, dir.File("config") + "/ferdix.ini");
    EXPECT_EQ(app.Files().sharedFerdixIni, std::vector<std::string>{dir.File("ferdix.ini")});
    EXPECT_EQ(app.Files().profile, dir.File("config") + "/reisende.ini");
    EXPECT_EQ(app.Settings().ratesFrom, "01.03.2010");
    EXPECT_EQ(app.Settings().abroadRatesFrom, "01.01.2011");
    EXPECT_EQ(app.RecentFiles().Entries(), (std::vector<std::string>{"/tmp/a.tur", "/tmp/b.tur"}));
    EXPECT_TRUE(host.messages.empty());
    // Once only.
    EXPECT_FALSE(app.InitInstance({dir.File("ferdix"), "", "", ""}));
}

TEST_F(ShellTest, StartsWithTheClaimNamedOnTheCommandLine) {
    std::string path = SavedClaim("reise.tur");
    ASSERT_TRUE(Start(path));
    EXPECT_EQ(doc->GetTitle(), "reise.tur");
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Claim().Traveller().Name(), "Kari Nordmann");
    EXPECT_EQ(Text(kIdName), "Kari Nordmann");
    // The total pane shows the opened claim's net amount at once.
    EXPECT_NE(NetText(), "0,00");
    EXPECT_EQ(host.LastStatus(), std::string("Beløp: "_cp) + NetText());
    EXPECT_EQ(app.RecentFiles().Entries(), (std::vector<std::string>{path}));
    EXPECT_EQ(platform.kept, app.RecentFiles().Entries());
}

// The form's first set-up is skipped while a claim loads, so the start-up must have set the
// form up before it reads the claim named on the command line.
TEST_F(ShellTest, AClaimFromTheCommandLineFindsTheFormSetUp) {
    ASSERT_TRUE(Start(SavedClaim("reise.tur")));
    EXPECT_FALSE(controls.Columns(kIdTravelList).empty());
    EXPECT_FALSE(controls.Columns(kIdOutlayList).empty());
    EXPECT_GT(controls.Rows(kIdTravelList).size(), 0u);
    EXPECT_FALSE(controls.Items(kIdDayCountry).empty());
    EXPECT_FALSE(controls.Items(kIdTravelCurrency).empty());
    EXPECT_FALSE(controls.Items(kIdTravelMeans).empty());
    EXPECT_TRUE(controls.HasFixedFont(kIdTravelList));
}

TEST_F(ShellTest, AClaimThatCannotBeReadIsReportedAndANewClaimStarts) {
    std::string path = dir.File("finnes ikke.tur");
    ASSERT_TRUE(Start(path));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(LastMessage().text.find(path), std::string::npos);
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Text(kIdDayDomesticOver12hRate), "445,00");
    EXPECT_EQ(host.LastStatus(), "Beløp: 0,00"_cp);
    EXPECT_TRUE(app.RecentFiles().Empty());
}

TEST_F(ShellTest, AFolderOnTheCommandLineStartsANewClaim) {
    std::filesystem::create_directory(dir.File("mappe.tur"));
    ASSERT_TRUE(Start(dir.File("mappe.tur")));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(doc->GetTitle(), "Untitled");
}

TEST_F(ShellTest, CommandLineIsOneTextAndARelativePathIsKeptInFull) {
    std::vector<std::string> args = {"min", "reise.tur"};
    EXPECT_EQ(CommandLineText(args), "min reise.tur");
    EXPECT_EQ(CommandLineText({}), "");

    std::string path = SavedClaim("min reise.tur");
    auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    bool started = Start(CommandLineText(args));
    std::filesystem::current_path(before);
    ASSERT_TRUE(started);
    EXPECT_EQ(doc->GetTitle(), "min reise.tur");
    // Saving later goes to the same file from any working folder.
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(app.RecentFiles().Entries().front(), path);
}

struct StartSettingsCase {
    const char* name;
    std::string ferdixOppsett;  // lines of section Oppsett in ferdix.ini, UTF-8
    std::string profileOppsett;
    std::string program;
    int standard;
    DateOrder order;
};

class StartSettingsTest : public ShellFixture,
                          public ::testing::WithParamInterface<StartSettingsCase> {};

TEST_P(StartSettingsTest, DecidesWrittenStandardAndDateOrder) {
    const StartSettingsCase& c = GetParam();
    WriteFile(dir.File("ferdix.ini"),
              test::TestFerdixIni() + Utf8ToCp1252("[Oppsett]\r\n" + c.ferdixOppsett));
    std::filesystem::create_directory(dir.File("config"));
    WriteFile(dir.File("config/reisende.ini"), Utf8ToCp1252("[Oppsett]\r\n" + c.profileOppsett));
    ASSERT_TRUE(Start("", c.program));
    EXPECT_EQ(app.Locale().standard, c.standard);
    EXPECT_EQ(app.Locale().dateOrder, c.order);
    // The form and the total pane are in that standard from the first showing.
    bool nynorsk = c.standard == kNynorsk;
    EXPECT_EQ(Text(kIdNameLabel), nynorsk ? "Namn" : "Navn");
    EXPECT_EQ(host.LastStatus(), nynorsk ? "Sum: 0,00" : "Beløp: 0,00"_cp);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, StartSettingsTest,
    ::testing::Values(
        StartSettingsCase{"Defaults", "", "", "ferdix", kBokmal, DateOrder::DayFirst},
        StartSettingsCase{"NynorskInFerdixIni", "Oppstartingsspråk=nynorsk\r\n", "", "ferdix",
                          kNynorsk, DateOrder::DayFirst},
        StartSettingsCase{"ProfileWins", "Oppstartingsspråk=nynorsk\r\nDatoformat=ddmmyy\r\n",
                          "Oppstartingsspråk=bokmål\r\nDatoformat=YYMMDD\r\n", "ferdix", kBokmal,
                          DateOrder::YearFirst},
        StartSettingsCase{"ProgramNamedWithN", "", "", "ferdixn", kNynorsk, DateOrder::DayFirst}),
    [](const auto& param) { return std::string(param.param.name); });

// Started through a link named "ferdixn": the name decides the written standard, and the rate
// files are still found beside the program the link points to.
TEST_F(ShellTest, TheNameTheProgramWasStartedByDecidesTheWrittenStandard) {
    StartupArgs args{dir.File("ferdix"), "", dir.File("config"), "/usr/bin/ferdixn"};
    ASSERT_TRUE(app.InitInstance(args));
    EXPECT_EQ(app.Locale().standard, kNynorsk);
    EXPECT_EQ(app.Files().sharedFerdixIni, std::vector<std::string>{dir.File("ferdix.ini")});
    EXPECT_EQ(Text(kIdDayDomesticOver12hRate), "445,00");
}

TEST_F(ShellTest, WithoutTheStartNameTheProgramPathDecides) {
    StartupArgs args{dir.File("ferdix"), "", dir.File("config"), ""};
    ASSERT_TRUE(app.InitInstance(args));
    EXPECT_EQ(app.Locale().standard, kBokmal);
}

// Switched while the program runs, the written standard is the one everything then speaks: the
// form, the total, the print-out, the help, the boxes and the messages; switched back, all of
// it is bokmål again.
TEST_F(ShellTest, AWrittenStandardSwitchedAtRunTimeHoldsThroughout) {
    ASSERT_TRUE(Start());
    const std::string missing = dir.File("finst-ikkje.tur");
    struct Case {
        int command;
        int standard;
        const char* label;
        std::string_view total;
        int help;
        const char* files;
        const char* openFailure;
    };
    const Case cases[] = {
        {kCmdNynorsk, kNynorsk, "Namn", "Sum: 0,00", kHelpTopicNynorsk, "Satsane og",
         "Kan ikkje lese fila\n"},
        {kCmdBokmalToolbar, kBokmal, "Navn", "Beløp: 0,00"_cp, kHelpTopicBokmal, "Satsene og",
         "Kan ikke lese filen\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(app.Execute(c.command));
        EXPECT_EQ(app.Locale().standard, c.standard);
        EXPECT_EQ(Text(kIdNameLabel), c.label);
        EXPECT_EQ(host.LastStatus(), c.total);
        EXPECT_EQ(PrintSourceOf(*doc, controls).writtenStandard, c.standard);
        ASSERT_TRUE(app.Execute(kCmdHelpIndex));
        EXPECT_EQ(platform.calls.back(), "help " + std::to_string(c.help));
        platform.aboutTexts.clear();
        ASSERT_TRUE(app.Execute(kCmdAppAbout));
        ASSERT_EQ(platform.aboutTexts.size(), 5u);
        EXPECT_EQ(Cp1252ToUtf8(platform.aboutTexts[4]).rfind(c.files, 0), 0u)
            << platform.aboutTexts[4];
        host.messages.clear();
        EXPECT_FALSE(app.OpenDocumentFile(missing));
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().text, c.openFailure + missing);
    }
}

// The configuration is told about once, at start-up, before the first claim takes its rates.
TEST_F(ShellTest, ARepeatedSectionIsToldOnceAtStartUp) {
    WriteFile(dir.File("ferdix.ini"),
              "[Satser]\r\nBil under 9000km=3,65\r\n" + test::TestFerdixIni());
    ASSERT_TRUE(Start());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Ferdix");
    EXPECT_NE(host.messages[0].text.find(dir.File("ferdix.ini") + " har avsnittet [Satser] mer"),
              std::string::npos)
        << host.messages[0].text;
    // Read as the platform reads it: the first section alone.
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "3,65");
    EXPECT_EQ(doc->Claim().LineValue(4, kRateColumn), 0.0f);
    app.Execute(kCmdFileNew);
    EXPECT_EQ(host.messages.size(), 1u);
}

// The user's own rate was saved against the office's rates of 2009; the office now has those of
// 01.03.2010. The user is asked once; the answer holds for later starts.
class OfficeRatesTest : public ShellTest {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.File("config"));
        WriteFile(dir.File("config/ferdix.ini"),
                  "[Satser]\r\nBil under 9000km=4,00\r\n[Oppsett]\r\nDatoformat=DDMMYY\r\n"
                  "[Informasjon]\r\nKontoretsSatserGyldigFra=01.03.2009\r\n");
    }
    // Another run of the program over the same files: what it asked.
    std::vector<MessageRequest> StartAgain() {
        test::FakeHost nextHost;
        test::FakeShellPlatform nextPlatform;
        MemoryControls nextControls(FormTemplate());
        CFerdixApp next(nextHost, nextPlatform, nextControls, clock, &ticks);
        nextControls.SetEvents(&next.FormEvents());
        EXPECT_TRUE(next.InitInstance({dir.File("ferdix"), "", dir.File("config"), ""}));
        nextRate = Cp1252ToUtf8(nextControls.GetText(kIdCarUpTo9000Rate));
        return nextHost.messages;
    }
    std::string nextRate;
};

TEST_F(OfficeRatesTest, YesTakesTheOfficesRates) {
    host.answers.push_back(MsgAnswer::Yes);
    ASSERT_TRUE(Start());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_NE(host.messages[0].text.find("Bil under 9000km: dine 4,00, kontorets 3,65"),
              std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "3,65");
    EXPECT_EQ(ReadFile(dir.File("config/ferdix.ini")),
              "[Satser]\r\n[Oppsett]\r\nDatoformat=DDMMYY\r\n[Informasjon]\r\n"
              "KontoretsSatserGyldigFra=01.03.2010\r\n");
    EXPECT_TRUE(StartAgain().empty());
    EXPECT_EQ(nextRate, "3,65");
}

TEST_F(OfficeRatesTest, NoKeepsTheUsersOwn) {
    host.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(Start());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "4,00");
    EXPECT_TRUE(StartAgain().empty());
    EXPECT_EQ(nextRate, "4,00");
    // The office's date moves again: asked again.
    WriteFile(dir.File("ferdix.ini"),
              "[Informasjon]\r\nSatserGyldigFra=01.01.2024\r\n[Satser]\r\n"
              "Bil under 9000km=4,50\r\n");
    EXPECT_EQ(StartAgain().size(), 1u);
}

TEST_F(OfficeRatesTest, AnAnswerThatCannotBeKeptIsToldAndAskedAgain) {
    ::chmod(dir.File("config/ferdix.ini").c_str(), 0444);
    host.answers.push_back(MsgAnswer::Yes);
    ASSERT_TRUE(Start());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].caption, "Advarsel");
    EXPECT_EQ(Text(kIdCarUpTo9000Rate), "4,00");  // as the message says
    std::vector<MessageRequest> again = StartAgain();
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again[0].buttons, MsgButtons::YesNo);
}

TEST_F(ShellTest, FolderSettingsReachTheFileDialogsAndTheProfile) {
    WriteFile(dir.File("ferdix.ini"),
              test::TestFerdixIni() +
                  Utf8ToCp1252("[Oppsett]\r\nStandard lagreområde=" + dir.File("krav") +
                               "\r\nStandard personområde=" + dir.File("personer") + "\r\n"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(app.Files().profile, dir.File("personer") + "/reisende.ini");
    EXPECT_TRUE(app.Settings().hasDefaultClaimFolder);
    app.Execute(kCmdFileOpen);
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].initialFolder, dir.File("krav"));
}

// ---------------------------------------------------------------------------------------------
// Commands: enable and check rules.

// The window updates its commands and texts after each event, once the form has stored it.
TEST_F(ShellTest, ThePlatformHearsOfEveryFormEvent) {
    ASSERT_TRUE(Start());
    int before = platform.formEvents;
    ASSERT_TRUE(controls.Type(kIdName, "Kari"));
    controls.Leave(kIdName);
    EXPECT_EQ(platform.formEvents - before, 5);
    EXPECT_EQ(doc->Claim().Traveller().Name(), "Kari");
}

TEST_F(ShellTest, NoCommandBeforeStartUp) {
    for (const CommandInfo& c : CommandTable()) {
        EXPECT_FALSE(app.UpdateCommand(c.id).enabled) << c.id;
        EXPECT_FALSE(app.Execute(c.id)) << c.id;
    }
}

TEST_F(ShellTest, EveryCommandFollowsItsEnableAndCheckRule) {
    ASSERT_TRUE(Start());
    // Disabled in this state: nothing on the clipboard, no row selected, no recent file, one
    // pane.
    const std::set<int> disabled = {kCmdPaste,    kCmdEditTravelLine, kCmdEditOutlayLine,
                                    kCmdFileMru1, kCmdNextPane,       kCmdPrevPane};
    const std::set<int> checked = {kCmdViewToolBar, kCmdViewStatusBar, kCmdBokmal,
                                   kCmdBokmalToolbar};
    for (const CommandInfo& c : CommandTable()) {
        CommandState s = app.UpdateCommand(c.id);
        EXPECT_EQ(s.enabled, !disabled.contains(c.id)) << c.id;
        EXPECT_EQ(s.checked, checked.contains(c.id)) << c.id;
    }
    EXPECT_FALSE(app.UpdateCommand(12345).enabled);
    EXPECT_FALSE(app.Execute(12345));

    // Paste with text on the clipboard.
    controls.SetClipboard("Bergen");
    EXPECT_TRUE(app.UpdateCommand(kCmdPaste).enabled);

    // Taking back a line while its list has a selected row.
    controls.Type(kIdTravelFrom, "Oslo");
    controls.Type(kIdTravelTo, "Bergen");
    controls.Click(kIdTravelRegister);
    controls.Type(kIdOutlayText, "Hotell");
    controls.Click(kIdOutlayRegister);
    EXPECT_FALSE(app.UpdateCommand(kCmdEditTravelLine).enabled);
    ASSERT_TRUE(controls.SelectRow(kIdTravelList, 0));
    EXPECT_TRUE(app.UpdateCommand(kCmdEditTravelLine).enabled);
    EXPECT_FALSE(app.UpdateCommand(kCmdEditOutlayLine).enabled);
    ASSERT_TRUE(controls.SelectRow(kIdOutlayList, 0));
    EXPECT_TRUE(app.UpdateCommand(kCmdEditOutlayLine).enabled);

    // The bars' check marks follow their visibility, however it changed.
    platform.toolBar = false;
    EXPECT_FALSE(app.UpdateCommand(kCmdViewToolBar).checked);
    EXPECT_TRUE(app.UpdateCommand(kCmdViewStatusBar).checked);

    // The written-standard marks, menu and toolbar alike.
    app.Execute(kCmdNynorskToolbar);
    for (int id : {kCmdBokmal, kCmdBokmalToolbar}) {
        EXPECT_FALSE(app.UpdateCommand(id).checked) << id;
        EXPECT_TRUE(app.UpdateCommand(id).enabled) << id;
    }
    for (int id : {kCmdNynorsk, kCmdNynorskToolbar}) {
        EXPECT_TRUE(app.UpdateCommand(id).checked) << id;
    }
    // The window shows a check mark on a toggle only.
    for (const CommandInfo& c : CommandTable()) {
        if (app.UpdateCommand(c.id).checked) {
            EXPECT_EQ(c.kind, CommandKind::Toggle) << c.id;
        }
    }

    // One recent-file entry per claim on the list, up to its size.
    host.answers.push_back(MsgAnswer::No);
    app.OnDropFiles(std::vector<std::string>{SavedClaim("a.tur")});
    EXPECT_TRUE(app.UpdateCommand(kCmdFileMru1).enabled);
    EXPECT_FALSE(app.UpdateCommand(kCmdFileMru1 + 1).enabled);
    EXPECT_FALSE(app.UpdateCommand(kCmdFileMruLast).enabled);
}

TEST_F(ShellTest, DisabledCommandsDoNothing) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(controls.FocusTo(kIdName));
    EXPECT_FALSE(app.Execute(kCmdPaste));
    EXPECT_EQ(controls.GetText(kIdName), "");
    EXPECT_FALSE(app.Execute(kCmdNextPane));
    EXPECT_FALSE(app.Execute(kCmdFileMru1));
    EXPECT_TRUE(platform.calls.empty());
}

// ---------------------------------------------------------------------------------------------
// Commands: routing.

struct PlatformRoute {
    int command;
    const char* call;
};

TEST_F(ShellTest, PlatformCommandsReachThePlatform) {
    ASSERT_TRUE(Start());
    const PlatformRoute routes[] = {
        {kCmdFilePrint, "print"},
        {kCmdFilePrintPreview, "preview"},
        {kCmdFilePrintSetup, "printer setup"},
        {kCmdFileExportPdf, "export pdf"},
        {kCmdHelpIndex, "help 101"},
        {kCmdContextHelp, "context help"},
        {kCmdViewToolBar, "toolbar off"},
        {kCmdViewToolBar, "toolbar on"},
        {kCmdViewStatusBar, "status bar off"},
        {kCmdAppAbout, "about"},
        {kCmdRatesDialog, "rates dialog"},
        {kCmdKmSoFar, "km dialog"},
        {kCmdAppExit, "close"},
    };
    for (const PlatformRoute& r : routes) {
        platform.calls.clear();
        EXPECT_TRUE(app.Execute(r.command)) << r.command;
        EXPECT_EQ(platform.calls, std::vector<std::string>{r.call}) << r.command;
    }
    EXPECT_TRUE(platform.closed);

    app.Execute(kCmdNynorsk);
    platform.calls.clear();
    app.Execute(kCmdHelpIndex);
    EXPECT_EQ(platform.calls, std::vector<std::string>{"help 102"});
}

TEST_F(ShellTest, FormAndDocumentCommandsReachTheirParts) {
    ASSERT_TRUE(Start());
    // Clipboard requests go to the field with the focus.
    controls.SetClipboard("Bergen");
    ASSERT_TRUE(controls.FocusTo(kIdPostTown));
    EXPECT_TRUE(app.Execute(kCmdPaste));
    EXPECT_EQ(controls.GetText(kIdPostTown), "Bergen");

    // Scrolling, the written standard, Save As.
    EXPECT_TRUE(app.Execute(kCmdScrollDown));
    EXPECT_GT(controls.ScrollPosition(), 0);
    EXPECT_TRUE(app.Execute(kCmdScrollUp));
    EXPECT_EQ(controls.ScrollPosition(), 0);
    EXPECT_TRUE(app.Execute(kCmdNynorsk));
    EXPECT_EQ(app.Locale().standard, kNynorsk);
    EXPECT_EQ(Text(kIdNameLabel), "Namn");
    EXPECT_TRUE(app.Execute(kCmdBokmalToolbar));
    EXPECT_EQ(Text(kIdNameLabel), "Navn");
    std::string path = dir.File("ny.tur");
    host.paths.push_back(path);
    EXPECT_TRUE(app.Execute(kCmdFileSaveAs));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(doc->GetTitle(), path);

    // The rate update of an old claim warns first.
    host.messages.clear();
    EXPECT_TRUE(app.Execute(kCmdUpdateRates));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Advarsel");
}

TEST_F(ShellTest, PrintingTakesTheFieldBeingEdited) {
    ASSERT_TRUE(Start());
    const std::pair<int, const char*> commands[] = {
        {kCmdFilePrint, "Kari"}, {kCmdFilePrintPreview, "Ola"}, {kCmdFileExportPdf, "Per"}};
    std::string seen;
    platform.onOutput = [&](const std::string&) { seen = doc->Claim().Traveller().Name(); };
    for (auto [command, name] : commands) {
        EXPECT_TRUE(app.UpdateCommand(command).enabled) << command;
        ASSERT_TRUE(controls.Type(kIdName, name));
        EXPECT_NE(doc->Claim().Traveller().Name(), name);
        app.Execute(command);
        EXPECT_EQ(seen, name) << command;
        // The focus stays where the user was typing.
        EXPECT_EQ(controls.GetFocus(), kIdName);
    }
}

TEST_F(ShellTest, SaveAsTakesTheFieldBeingEdited) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(controls.Type(kIdName, "Kari"));
    std::string path = dir.File("kari.tur");
    host.paths.push_back(path);
    app.Execute(kCmdFileSaveAs);
    EXPECT_EQ(doc->Claim().Traveller().Name(), "Kari");
    EXPECT_NE(ReadFile(path).find("Kari"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// New and closing.

TEST_F(ShellTest, NewAsksAboutAModifiedClaim) {
    ASSERT_TRUE(Start());
    Modify();
    host.answers.push_back(MsgAnswer::Cancel);
    app.Execute(kCmdFileNew);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->Claim().LineValue(4, kCountColumn), 1.0f);

    host.answers.push_back(MsgAnswer::No);
    app.Execute(kCmdFileNew);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Claim().LineValue(4, kCountColumn), 0.0f);
    EXPECT_EQ(Text(kIdDayDomesticOver12hCount), "");
    EXPECT_EQ(host.messages.size(), 2u);

    // Yes saves first: an untitled claim asks for a name.
    Modify();
    std::string path = dir.File("lagret.tur");
    host.answers.push_back(MsgAnswer::Yes);
    host.paths.push_back(path);
    app.Execute(kCmdFileNew);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), "Untitled");

    // An unmodified claim is replaced without a question.
    app.Execute(kCmdFileNew);
    EXPECT_EQ(host.messages.size(), 3u);
}

TEST_F(ShellTest, ClosingAsksAndCancelKeepsTheWindowOpen) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app.QueryClose());
    EXPECT_TRUE(host.messages.empty());

    Modify();
    host.answers.push_back(MsgAnswer::Cancel);
    app.Execute(kCmdAppExit);
    EXPECT_FALSE(platform.closed);
    EXPECT_EQ(LastMessage().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(LastMessage().text, "Ønsker du å lagre før du lukker\nreiseregningen?"_cp);
    EXPECT_TRUE(doc->IsModified());

    // The close box.
    host.answers.push_back(MsgAnswer::Cancel);
    EXPECT_FALSE(app.QueryClose());

    host.answers.push_back(MsgAnswer::No);
    app.Execute(kCmdAppExit);
    EXPECT_TRUE(platform.closed);
    EXPECT_EQ(host.messages.size(), 3u);
}

// ---------------------------------------------------------------------------------------------
// Dropped files and the recent-file list.

// The window starts the focus over only for a claim shown anew: a save that renamed the claim
// before a cancelled open is no new claim.
TEST_F(ShellTest, CommandsSayWhetherTheyReplacedTheClaim) {
    ASSERT_TRUE(Start());
    std::string a = SavedClaim("a.tur");
    struct Step {
        const char* what;
        int command;
        std::vector<MsgAnswer> answers;
        std::vector<std::optional<std::string>> paths;
        bool replaced;
    };
    const Step steps[] = {
        {"new, kept", kCmdFileNew, {MsgAnswer::Cancel}, {}, false},
        {"new", kCmdFileNew, {MsgAnswer::No}, {}, true},
        {"saved, then no file", kCmdFileOpen, {MsgAnswer::Yes}, {dir.File("s.tur"), {}}, false},
        {"unreadable", kCmdFileOpen, {MsgAnswer::No}, {dir.File("finnes-ikke.tur")}, false},
        {"open", kCmdFileOpen, {MsgAnswer::No}, {a}, true},
        {"recent, kept", kCmdFileMru1, {MsgAnswer::Cancel}, {}, false},
        {"recent", kCmdFileMru1, {MsgAnswer::No}, {}, true},
        {"save", kCmdFileSave, {}, {}, false},
    };
    for (const Step& step : steps) {
        Modify();
        host.answers.assign(step.answers.begin(), step.answers.end());
        host.paths.assign(step.paths.begin(), step.paths.end());
        CommandResult result = app.Execute(step.command);
        EXPECT_TRUE(result.done) << step.what;
        EXPECT_EQ(result.claimReplaced, step.replaced) << step.what;
    }
    EXPECT_FALSE(app.Execute(kCmdNextPane).claimReplaced);

    Modify();
    host.answers.push_back(MsgAnswer::Cancel);
    EXPECT_FALSE(app.OnDropFiles(std::vector<std::string>{a}));
    host.answers.push_back(MsgAnswer::No);
    EXPECT_TRUE(app.OnDropFiles(std::vector<std::string>{a}));
}

TEST_F(ShellTest, ADroppedFileOpensAsByTheFrameworkPath) {
    ASSERT_TRUE(Start());
    std::string a = SavedClaim("a.tur");
    std::string b = SavedClaim("b.tur");
    Modify();
    host.answers.push_back(MsgAnswer::Cancel);
    app.OnDropFiles(std::vector<std::string>{a, b});
    EXPECT_EQ(doc->GetTitle(), "Untitled *");

    host.answers.push_back(MsgAnswer::No);
    app.OnDropFiles(std::vector<std::string>{a, b});
    EXPECT_EQ(doc->GetTitle(), "a.tur");
    EXPECT_EQ(doc->Claim().Traveller().Name(), "Kari Nordmann");
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{a});
    app.OnDropFiles({});
    EXPECT_EQ(doc->GetTitle(), "a.tur");
}

TEST_F(ShellTest, RecentFilesOpenAfterTheSaveQuestion) {
    std::string a = SavedClaim("a.tur");
    std::string b = SavedClaim("b.tur");
    platform.kept = {a, b};
    ASSERT_TRUE(Start());
    Modify();

    host.answers.push_back(MsgAnswer::Cancel);
    EXPECT_TRUE(app.Execute(kCmdFileMru1 + 1));
    EXPECT_EQ(doc->GetTitle(), "Untitled *");
    EXPECT_EQ(app.RecentFiles().Entries(), (std::vector<std::string>{a, b}));

    host.answers.push_back(MsgAnswer::No);
    EXPECT_TRUE(app.Execute(kCmdFileMru1 + 1));
    EXPECT_EQ(doc->GetTitle(), "b.tur");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), b);
    EXPECT_EQ(app.RecentFiles().Entries(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(platform.kept, app.RecentFiles().Entries());
}

TEST_F(ShellTest, ARecentFileThatIsGoneLeavesTheClaimAndTheList) {
    std::string a = SavedClaim("a.tur");
    std::string gone = dir.File("borte.tur");
    platform.kept = {gone, a};
    ASSERT_TRUE(Start());
    Modify();
    host.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(app.OpenRecentFile(0));
    EXPECT_NE(LastMessage().text.find(gone), std::string::npos);
    EXPECT_EQ(doc->GetTitle(), "Untitled *");
    EXPECT_EQ(doc->Claim().LineValue(4, kCountColumn), 1.0f);
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{a});
    EXPECT_EQ(platform.kept, std::vector<std::string>{a});
    EXPECT_FALSE(app.OpenRecentFile(5));
}

TEST_F(ShellTest, ARecentFileThatCannotBeReadStaysOnTheList) {
    // It exists but is no file, as a file on a drive that is not mounted at the moment.
    std::string folder = dir.File("mappe.tur");
    std::filesystem::create_directory(folder);
    platform.kept = {folder};
    ASSERT_TRUE(Start());
    EXPECT_FALSE(app.OpenRecentFile(0));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{folder});
}

TEST_F(ShellTest, SaveAfterOpeningByTheFrameworkListsTheFullPath) {
    std::string path = SavedClaim("reise.tur");
    ASSERT_TRUE(Start(path));
    app.Execute(kCmdFileNew);
    ASSERT_TRUE(app.OpenRecentFile(0));
    Modify();
    app.Execute(kCmdFileSave);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(app.RecentFiles().Entries(), std::vector<std::string>{path});
    // And the entry opens the claim again.
    app.Execute(kCmdFileNew);
    EXPECT_TRUE(app.Execute(kCmdFileMru1));
    EXPECT_EQ(doc->GetPathName(), path);
}

TEST_F(ShellTest, OwnOpenAndSaveAsKeepTheListMostRecentFirst) {
    ASSERT_TRUE(Start());
    std::vector<std::string> paths;
    for (const char* name : {"1.tur", "2.tur", "3.tur", "4.tur", "5.tur"}) {
        paths.push_back(SavedClaim(name));
        host.paths.push_back(paths.back());
        app.Execute(kCmdFileOpen);
    }
    EXPECT_EQ(app.RecentFiles().Entries(),
              (std::vector<std::string>{paths[4], paths[3], paths[2], paths[1]}));
    host.paths.push_back(paths[2]);
    app.Execute(kCmdFileSaveAs);
    EXPECT_EQ(app.RecentFiles().Entries(),
              (std::vector<std::string>{paths[2], paths[4], paths[3], paths[1]}));
    EXPECT_EQ(platform.kept, app.RecentFiles().Entries());
}

}  // namespace
}  // namespace ferdix
