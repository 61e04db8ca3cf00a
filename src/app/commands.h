// The main window as data: every command with its menu text, toolbar place, keys, status prompt
// and tooltip; the menus, the toolbar and the status bar panes. The Qt layer builds its
// QActions, QMenus, QToolBar and QStatusBar from these tables and asks CFerdixApp whether a
// command is enabled or checked. Texts are Windows-1252 and exactly as the program shows them.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "form/ferdix_view.h"

namespace ferdix {

// Commands carried out by the shell, the document or the platform. The form's own commands
// (clipboard, line editing, kilometres, person details, scrolling, rate update, written
// standard) are the FormCommand ids of form/ferdix_view.h.
inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdFileSave = 57603;
inline constexpr int kCmdFileSaveAs = 57604;
inline constexpr int kCmdFilePrintSetup = 57606;
inline constexpr int kCmdFilePrint = 57607;
inline constexpr int kCmdFilePrintPreview = 57609;
// The recent-file entries: 57616 + position on the list.
inline constexpr int kCmdFileMru1 = 57616;
inline constexpr int kCmdFileMruLast = 57631;
inline constexpr int kCmdAppAbout = 57664;
inline constexpr int kCmdAppExit = 57665;
inline constexpr int kCmdHelpIndex = 57666;
inline constexpr int kCmdContextHelp = 57670;
inline constexpr int kCmdNextPane = 57680;
inline constexpr int kCmdPrevPane = 57681;
inline constexpr int kCmdViewToolBar = 59392;
inline constexpr int kCmdViewStatusBar = 59393;
inline constexpr int kCmdRatesDialog = 32776;
// The printed form as a PDF file.
inline constexpr int kCmdFileExportPdf = 32800;

inline constexpr int kRecentFileCount = 4;

// Help topics of the help index, by written standard.
inline constexpr int kHelpTopicBokmal = 101;
inline constexpr int kHelpTopicNynorsk = 102;

// What a command is to the window beyond carrying it out.
enum class CommandKind {
    Plain,
    Toggle,      // its menu item and button show a check mark
    OpensClaim,  // it may show another claim, with which the focus starts over
};

struct CommandInfo {
    int id;
    // "&Ny\tCtrl+N": "&" marks the mnemonic, the text after "\t" names the keys; empty when
    // the command has no menu item.
    std::string_view menuText;
    bool onToolBar;
    // Qt's portable key text ("Ctrl+N", "Shift+Del", "PgDown"); empty slots unused.
    std::array<std::string_view, 2> keys;
    // "status prompt\ntooltip" as stored; empty when the command has none.
    std::string_view prompt;
    // The toolbar button's picture among the embedded icons (resources/icons); empty for none.
    std::string_view icon = {};
    CommandKind kind = CommandKind::Plain;
};

// Every command, in the order of the main window's resources. The keys Ctrl+Z, Alt+Backspace
// and Escape of the Windows program's accelerator table have no command and are left out, so that
// the widget with the focus keeps them. Alt+H (32778) is also the mnemonic of "&Hjelp"; the command
// wins, as on Windows.
std::span<const CommandInfo> CommandTable();
// The entry of a command, or null; every recent-file id gives the recent-file entry.
const CommandInfo* FindCommand(int id);
// Plain for an unknown command.
CommandKind KindOf(int id);

// The menu text before "\t", and the key names after it.
std::string_view MenuLabel(const CommandInfo& command);
std::string_view MenuKeyText(const CommandInfo& command);
// The status-bar text (before "\n") and the tooltip (after it).
std::string_view StatusPrompt(const CommandInfo& command);
std::string_view ToolTip(const CommandInfo& command);

enum class MenuEntryKind {
    Command,
    Separator,
    RecentFiles,  // the recent-file entries, or the greyed placeholder while the list is empty
};

struct MenuEntry {
    MenuEntryKind kind;
    int command = 0;  // for Command
};

struct MenuInfo {
    std::string_view title;  // "&Fil"
    std::span<const MenuEntry> entries;
};

// "&Fil", "&Editer", "&Vis", "&Hjelp".
std::span<const MenuInfo> MainMenu();

// The toolbar's buttons from left to right; kToolBarGap is a gap between groups.
inline constexpr int kToolBarGap = 0;
std::span<const int> ToolBarLayout();

// Status bar panes from left to right. The message pane stretches and shows command prompts,
// and kIdleText when nothing is pointed at; the total pane shows the claim's net amount.
inline constexpr int kPaneMessage = 0;
inline constexpr int kPaneTotal = 1;
inline constexpr int kPaneCapsLock = 59137;
inline constexpr int kPaneNumLock = 59138;
inline constexpr int kPaneScrollLock = 59139;
struct StatusPane {
    int id;
    int widthPixels;        // 0: the width of its text, or the rest for the message pane
    std::string_view text;  // indicator text, shown while the key is locked
};
std::span<const StatusPane> StatusPanes();
inline constexpr std::string_view kIdleText = "Klar";

// The per-user settings that hold the recent-file list: organisation "Tovrand", application
// "Ferdix22".
inline constexpr std::string_view kSettingsOrganisation = "Tovrand";
inline constexpr std::string_view kSettingsApplication = "Ferdix22";

// The window caption: "Ferdix - " and the document's title.
std::string WindowCaption(std::string_view documentTitle);

struct WindowSize {
    int width;
    int height;
};
// 640 pixels wide; as high as the desktop work area less 30, at most 770.
WindowSize MainWindowSize(int workAreaBottom);

}  // namespace ferdix
