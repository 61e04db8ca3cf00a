#include "app/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "base/cp1252.h"

namespace ferdix {
namespace {

std::vector<int> MenuCommands(const MenuInfo& menu) {
    std::vector<int> ids;
    for (const MenuEntry& e : menu.entries) {
        ids.push_back(e.kind == MenuEntryKind::Command     ? e.command
                      : e.kind == MenuEntryKind::Separator ? 0
                                                           : -1);
    }
    return ids;
}

TEST(CommandTableTest, EveryCommandOnceWithItsPromptAndTooltip) {
    std::set<int> ids;
    for (const CommandInfo& c : CommandTable()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        EXPECT_EQ(FindCommand(c.id), &c);
        // Texts are Windows-1252: a UTF-8 "å" or "ø" would show as "Ã".
        for (std::string_view text : {c.menuText, c.prompt}) {
            EXPECT_EQ(text.find('\xC3'), std::string_view::npos) << c.id;
        }
        // A menu item or toolbar button shows a prompt; a command with keys names them.
        if (!c.menuText.empty() || c.onToolBar) {
            EXPECT_FALSE(StatusPrompt(c).empty()) << c.id;
        }
        if (c.onToolBar) {
            EXPECT_FALSE(ToolTip(c).empty()) << c.id;
        }
    }
    EXPECT_EQ(FindCommand(kCmdFileMru1 + 3), FindCommand(kCmdFileMru1));
    EXPECT_EQ(FindCommand(kCmdFileMruLast), FindCommand(kCmdFileMru1));
    EXPECT_EQ(FindCommand(kCmdFileMruLast + 1), nullptr);
    EXPECT_EQ(FindCommand(kToolBarGap), nullptr);
}

TEST(CommandTableTest, TextsSplitIntoLabelKeysPromptAndTooltip) {
    const CommandInfo& open = *FindCommand(kCmdFileOpen);
    EXPECT_EQ(MenuLabel(open), "&Åpne..."_cp);
    EXPECT_EQ(MenuKeyText(open), "Ctrl+O");
    EXPECT_EQ(StatusPrompt(open), "Åpner en eksisterende reiseregning"_cp);
    EXPECT_EQ(ToolTip(open), "Åpne"_cp);
    EXPECT_EQ(open.keys[0], "Ctrl+O");
    // The stored menu text is shown as it is; the key is Alt+H all the same.
    const CommandInfo& outlay = *FindCommand(kCmdEditOutlayLine);
    EXPECT_EQ(MenuKeyText(outlay), "Atl+H");
    EXPECT_EQ(outlay.keys[0], "Alt+H");
    const CommandInfo& saveAs = *FindCommand(kCmdFileSaveAs);
    EXPECT_EQ(MenuKeyText(saveAs), "");
    EXPECT_EQ(saveAs.keys[0], "");
    // A prompt without a tooltip.
    const CommandInfo& recent = *FindCommand(kCmdFileMru1);
    EXPECT_EQ(StatusPrompt(recent), "Åpner denne reiseregningen"_cp);
    EXPECT_EQ(ToolTip(recent), "");
    EXPECT_EQ(MenuLabel(recent), "Recent File");
    EXPECT_EQ(kIdleText, "Klar");
}

TEST(CommandTableTest, KeysReachTheirCommandsOnlyOnce) {
    std::map<std::string_view, int> byKey;
    for (const CommandInfo& c : CommandTable()) {
        for (std::string_view key : c.keys) {
            if (!key.empty()) {
                EXPECT_TRUE(byKey.emplace(key, c.id).second) << key;
            }
        }
        // The key shown in a menu is one of the command's keys.
        std::string_view shown = MenuKeyText(c);
        if (!shown.empty() && c.id != kCmdEditOutlayLine) {
            EXPECT_TRUE(shown == c.keys[0] || shown == c.keys[1]) << c.id;
        }
    }
    EXPECT_EQ(byKey.at("Shift+Del"), kCmdCut);
    EXPECT_EQ(byKey.at("Ctrl+Ins"), kCmdCopy);
    EXPECT_EQ(byKey.at("Shift+Ins"), kCmdPaste);
    EXPECT_EQ(byKey.at("PgDown"), kCmdScrollDown);
    EXPECT_EQ(byKey.at("PgUp"), kCmdScrollUp);
    EXPECT_EQ(byKey.at("F1"), kCmdContextHelp);
    EXPECT_EQ(byKey.at("Shift+F6"), kCmdPrevPane);
    EXPECT_EQ(byKey.count("Ctrl+Z"), 0u);
    EXPECT_EQ(byKey.count("Esc"), 0u);
}

TEST(CommandTableTest, MenusAndToolBarShowOnlyKnownCommands) {
    auto menus = MainMenu();
    ASSERT_EQ(menus.size(), 4u);
    // The recent files stand between separators; the rate commands close "&Editer".
    EXPECT_EQ(MenuCommands(menus[0]).size(), 13u);
    EXPECT_EQ(MenuCommands(menus[0])[10], -1);
    // The PDF export follows the preview.
    EXPECT_EQ(MenuCommands(menus[0])[7], kCmdFileExportPdf);
    EXPECT_EQ(MenuCommands(menus[0])[6], kCmdFilePrintPreview);
    EXPECT_EQ(MenuCommands(menus[1]).back(), kCmdUpdateRates);

    // Every command on a menu has a menu text, and its mnemonic is unique in that menu but
    // for the pairs of the Windows program ("L&agre som", "&Avslutt"; "&reisespesifikasjon",
    // "&Registrer").
    const std::set<std::pair<std::string_view, char>> shared = {{"&Fil", 'a'}, {"&Editer", 'r'}};
    for (const MenuInfo& menu : menus) {
        std::map<char, int> mnemonics;
        std::vector<int> ids = MenuCommands(menu);
        EXPECT_NE(ids.front(), 0) << menu.title;
        EXPECT_NE(ids.back(), 0) << menu.title;
        for (int id : ids) {
            if (id <= 0) {
                continue;
            }
            const CommandInfo* c = FindCommand(id);
            ASSERT_NE(c, nullptr) << id;
            std::size_t amp = c->menuText.find('&');
            ASSERT_NE(amp, std::string_view::npos) << id;
            ++mnemonics[static_cast<char>(
                std::tolower(static_cast<unsigned char>(c->menuText[amp + 1])))];
        }
        for (auto [m, n] : mnemonics) {
            EXPECT_EQ(n, shared.contains({menu.title, m}) ? 2 : 1) << menu.title << " " << m;
        }
    }

    // The toolbar holds each toolbar command once, with single gaps between groups.
    std::vector<int> bar(ToolBarLayout().begin(), ToolBarLayout().end());
    EXPECT_NE(bar.front(), kToolBarGap);
    EXPECT_NE(bar.back(), kToolBarGap);
    EXPECT_EQ(std::adjacent_find(bar.begin(), bar.end(),
                                 [](int a, int b) { return a == kToolBarGap && b == a; }),
              bar.end());
    std::multiset<int> onBar(bar.begin(), bar.end());
    // A button without a picture would show its tooltip's text.
    for (const CommandInfo& c : CommandTable()) {
        EXPECT_EQ(onBar.count(c.id), c.onToolBar ? 1u : 0u) << c.id;
        EXPECT_EQ(!c.icon.empty(), c.onToolBar) << c.id;
    }
}

TEST(MainWindowTest, SizeFollowsTheWorkArea) {
    const std::pair<int, int> cases[] = {
        {768, 738}, {600, 570}, {800, 770}, {801, 770}, {1024, 770}};
    for (auto [bottom, height] : cases) {
        WindowSize s = MainWindowSize(bottom);
        EXPECT_EQ(s.width, 640) << bottom;
        EXPECT_EQ(s.height, height) << bottom;
    }
    EXPECT_EQ(WindowCaption("reise.tur *"), "Ferdix - reise.tur *");
}

}  // namespace
}  // namespace ferdix
