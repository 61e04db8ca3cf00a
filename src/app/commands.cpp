#include "app/commands.h"

#include <algorithm>

#include "base/cp1252.h"

namespace ferdix {

namespace {

using Keys = std::array<std::string_view, 2>;

// clang-format off
constexpr CommandInfo kCommands[] = {
    {kCmdFileNew, "&Ny\tCtrl+N", true, Keys{"Ctrl+N"},
     "Oppretter en ny reiseregning\nNy", "new", CommandKind::OpensClaim},
    {kCmdFileOpen, "&Åpne...\tCtrl+O"_cp, true, Keys{"Ctrl+O"},
     "Åpner en eksisterende reiseregning\nÅpne"_cp, "open", CommandKind::OpensClaim},
    {kCmdFileSave, "&Lagre\tCtrl+S", true, Keys{"Ctrl+S"},
     "Lagrer reiseregningen\nLagre", "save"},
    {kCmdFileSaveAs, "L&agre som...", false, Keys{},
     "Lagrer en kopi av reiseregningen i en egen fil\nLagre som"},
    {kCmdFilePrint, "&Utskrift...\tCtrl+P", true, Keys{"Ctrl+P"},
     "Skriver ut reiseregningen\nSkriv ut", "print"},
    {kCmdFilePrintPreview, "Forhånds&visning"_cp, true, Keys{},
     "Viser reiseregningen slik som den vil bli skrevet ut\nForhåndsvisning"_cp, "preview"},
    // Not Ctrl+E: on X11 a line edit takes that key to the end of its line.
    {kCmdFileExportPdf, "Eksporter til &PDF...\tCtrl+Shift+E", false, Keys{"Ctrl+Shift+E"},
     "Lagrer reiseregningen som PDF-fil slik den blir skrevet ut\nEksporter til PDF"},
    {kCmdFilePrintSetup, "S&kriveroppsett...", false, Keys{},
     "Endrer utskriftformatet\nUtskriftsformat"},
    {kCmdFileMru1, "Recent File", false, Keys{},
     "Åpner denne reiseregningen"_cp, "", CommandKind::OpensClaim},
    {kCmdAppExit, "&Avslutt\tCtrl+Q", false, Keys{"Ctrl+Q"},
     "Avslutter reiseregningen; spør om du ønsker å lagre reiseregningen\nAvslutt"_cp},
    {kCmdCut, "Klipp &ut\tCtrl+X", true, Keys{"Ctrl+X", "Shift+Del"},
     "Klipper ut merket område og legger det i utklippstavlen\nKlipp ut"_cp, "cut"},
    {kCmdCopy, "&Kopier\tCtrl+C", true, Keys{"Ctrl+C", "Ctrl+Ins"},
     "Kopier merket område til utklippstavlen\nKopier"_cp, "copy"},
    {kCmdPaste, "&Lim inn\tCtrl+V", true, Keys{"Ctrl+V", "Shift+Ins"},
     "Setter inn innholdet i utklippstavlen ved insettingspunktet\nLim inn", "paste"},
    {kCmdEditTravelLine, "Endre &reisespesifikasjon\tAlt+R", true, Keys{"Alt+R"},
     "Endrer reisespesifikasjon\nEndre reisespesifikasjon", "edit_travel"},
    {kCmdEditOutlayLine, "Endre &hotellutlegg\tAtl+H", true, Keys{"Alt+H"},
     "Endrer hotellspesifikasjon\nEndre hotellspesifikasjon", "edit_outlay"},
    {kCmdKmSoFar, "Km hittil i &år\tAlt+K"_cp, true, Keys{"Alt+K"},
     "Endrer kilometer kjørt hittil i år\nKilometer hittil i år"_cp, "km"},
    {kCmdRegisterPerson, "&Registrer persondetaljer\tCtrl+R", true, Keys{"Ctrl+R"},
     "Lagrer persondetaljer\nLagre persondetaljer", "person"},
    {kCmdViewToolBar, "&Verktøylinje"_cp, false, Keys{},
     "Vis eller skjul verktøylinjen\nVis/Skjul verktøylinje"_cp, "", CommandKind::Toggle},
    {kCmdViewStatusBar, "&Statuslinje", false, Keys{},
     "Vis eller skjul statuslinja\nVis/Skjul Statuslinja", "", CommandKind::Toggle},
    {kCmdBokmal, "&Bokmål"_cp, false, Keys{},
     "Velger Bokmål som målform\nBokmål"_cp, "", CommandKind::Toggle},
    {kCmdNynorsk, "&Nynorsk", false, Keys{},
     "Vel nynorsk som målform\nnynorsk"_cp, "", CommandKind::Toggle},
    {kCmdBokmalToolbar, "", true, Keys{},
     "Endre målform til bokmål\nBokmål"_cp, "bokmal", CommandKind::Toggle},
    {kCmdNynorskToolbar, "", true, Keys{},
     "Endre målform til nynorsk\nNynorsk"_cp, "nynorsk", CommandKind::Toggle},
    {kCmdHelpIndex, "&Indeks", true, Keys{},
     "Åpner hjelpsystemet\nHjelp"_cp, "help"},
    {kCmdAppAbout, "&Om Ferdix...", false, Keys{},
     "Viser program informasjon og versjons nummer\nOm"},
    {kCmdContextHelp, "", false, Keys{"F1"}, ""},
    {kCmdScrollDown, "", false, Keys{"PgDown"},
     "Ruller ned\nRull ned"},
    {kCmdScrollUp, "", false, Keys{"PgUp"},
     "Ruller opp\nRull opp"},
    {kCmdNextPane, "", false, Keys{"F6"}, ""},
    {kCmdPrevPane, "", false, Keys{"Shift+F6"}, ""},
    // The Windows program offers these two on no menu; the menu texts are ours.
    {kCmdRatesDialog, "Endre &satser...", false, Keys{},
     "Endrer satser brukt av programmet\nEndre satser"},
    {kCmdUpdateRates, "&Oppdater satser", false, Keys{},
     "Oppdaterer satsene i en gammel reiseregning\nOppdater satser"},
};

constexpr MenuEntry Cmd(int id) {
    return {MenuEntryKind::Command, id};
}
constexpr MenuEntry kSeparator{MenuEntryKind::Separator, 0};

constexpr MenuEntry kFileMenu[] = {
    Cmd(kCmdFileNew), Cmd(kCmdFileOpen), Cmd(kCmdFileSave), Cmd(kCmdFileSaveAs),
    kSeparator,
    Cmd(kCmdFilePrint), Cmd(kCmdFilePrintPreview), Cmd(kCmdFileExportPdf),
    Cmd(kCmdFilePrintSetup),
    kSeparator,
    {MenuEntryKind::RecentFiles, 0},
    kSeparator,
    Cmd(kCmdAppExit),
};

constexpr MenuEntry kEditMenu[] = {
    Cmd(kCmdCut), Cmd(kCmdCopy), Cmd(kCmdPaste),
    kSeparator,
    Cmd(kCmdEditTravelLine), Cmd(kCmdEditOutlayLine), Cmd(kCmdKmSoFar), Cmd(kCmdRegisterPerson),
    kSeparator,
    Cmd(kCmdRatesDialog), Cmd(kCmdUpdateRates),
};

constexpr MenuEntry kViewMenu[] = {
    Cmd(kCmdViewToolBar), Cmd(kCmdViewStatusBar),
    kSeparator,
    Cmd(kCmdBokmal), Cmd(kCmdNynorsk),
};

constexpr MenuEntry kHelpMenu[] = {
    Cmd(kCmdHelpIndex),
    kSeparator,
    Cmd(kCmdAppAbout),
};

constexpr MenuInfo kMenus[] = {
    {"&Fil", kFileMenu},
    {"&Editer", kEditMenu},
    {"&Vis", kViewMenu},
    {"&Hjelp", kHelpMenu},
};

constexpr int kToolBar[] = {
    kCmdFileNew, kCmdFileOpen, kCmdFileSave,
    kToolBarGap,
    kCmdFilePrint, kCmdFilePrintPreview,
    kToolBarGap,
    kCmdCut, kCmdCopy, kCmdPaste,
    kToolBarGap,
    kCmdEditTravelLine, kCmdEditOutlayLine,
    kToolBarGap,
    kCmdNynorskToolbar, kCmdBokmalToolbar,
    kToolBarGap,
    kCmdKmSoFar, kCmdRegisterPerson,
    kToolBarGap,
    kCmdHelpIndex,
};

constexpr StatusPane kPanes[] = {
    {kPaneMessage, 0, ""},
    {kPaneTotal, 100, ""},
    {kPaneCapsLock, 0, "CAP"},
    {kPaneNumLock, 0, "NUM"},
    {kPaneScrollLock, 0, "SCRL"},
};
// clang-format on

std::pair<std::string_view, std::string_view> SplitAt(std::string_view text, char separator) {
    std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

}  // namespace

std::span<const CommandInfo> CommandTable() {
    return kCommands;
}

const CommandInfo* FindCommand(int id) {
    if (id >= kCmdFileMru1 && id <= kCmdFileMruLast) {
        id = kCmdFileMru1;
    }
    auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                           [id](const CommandInfo& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

CommandKind KindOf(int id) {
    const CommandInfo* command = FindCommand(id);
    return command ? command->kind : CommandKind::Plain;
}

std::string_view MenuLabel(const CommandInfo& command) {
    return SplitAt(command.menuText, '\t').first;
}

std::string_view MenuKeyText(const CommandInfo& command) {
    return SplitAt(command.menuText, '\t').second;
}

std::string_view StatusPrompt(const CommandInfo& command) {
    return SplitAt(command.prompt, '\n').first;
}

std::string_view ToolTip(const CommandInfo& command) {
    return SplitAt(command.prompt, '\n').second;
}

std::span<const MenuInfo> MainMenu() {
    return kMenus;
}

std::span<const int> ToolBarLayout() {
    return kToolBar;
}

std::span<const StatusPane> StatusPanes() {
    return kPanes;
}

std::string WindowCaption(std::string_view documentTitle) {
    std::string caption = "Ferdix - ";
    caption += documentTitle;
    return caption;
}

WindowSize MainWindowSize(int workAreaBottom) {
    return {640, workAreaBottom <= 800 ? workAreaBottom - 30 : 770};
}

}  // namespace ferdix
