// The help pages against the program: every menu command and key they name exists, and every
// menu command with a key of its own is in their keyboard table.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "app/commands.h"
#include "base/cp1252.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

std::string Page(const char* name) {
    return test::ReadFile(std::string(FERDIX_RESOURCES_DIR) + "/help/" + name);
}

// A menu label as the help writes it: without the mnemonic and the trailing "...", in UTF-8.
std::string Plain(std::string_view label) {
    std::string out;
    for (char c : label) {
        if (c != '&') {
            out.push_back(c);
        }
    }
    if (out.ends_with("...")) {
        out.resize(out.size() - 3);
    }
    return Cp1252ToUtf8(out);
}

// The key as the help's table writes it.
std::string KeyName(std::string_view key) {
    if (key == "PgDown") {
        return "Page Down";
    }
    if (key == "PgUp") {
        return "Page Up";
    }
    return std::string(key);
}

class HelpPagesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(HelpPagesTest, NameOnlyWhatTheProgramHasAndEveryKeyItHas) {
    std::string page = Page(GetParam());
    ASSERT_FALSE(page.empty());

    std::set<std::string> menuItems;
    std::set<std::string> keys = {"Tab", "Shift+Tab"};  // the form's own
    std::set<std::string> menuKeys;                     // of commands on a menu
    for (const MenuInfo& menu : MainMenu()) {
        for (const MenuEntry& entry : menu.entries) {
            const CommandInfo* command = FindCommand(entry.command);
            if (entry.kind != MenuEntryKind::Command || !command) {
                continue;
            }
            menuItems.insert(Plain(menu.title) + " – " + Plain(MenuLabel(*command)));
            if (!command->keys[0].empty()) {
                menuKeys.insert(KeyName(command->keys[0]));
            }
        }
    }
    for (const CommandInfo& command : CommandTable()) {
        for (std::string_view key : command.keys) {
            if (!key.empty()) {
                keys.insert(KeyName(key));
            }
        }
    }

    // "<b>Fil – Lagre</b>": a menu and its item.
    std::regex menuPath("<b>((?:Fil|Editer|Vis|Hjelp) –\\s+[^<]+)</b>");
    int paths = 0;
    for (std::sregex_iterator it(page.begin(), page.end(), menuPath), end; it != end; ++it) {
        std::string path = std::regex_replace((*it)[1].str(), std::regex("\\s+"), " ");
        EXPECT_TRUE(menuItems.count(path)) << path;
        ++paths;
    }
    EXPECT_GT(paths, 10);

    // The keyboard table: the keys in its first column.
    std::set<std::string> listed;
    std::regex row("<tr><td>([^<]+)</td>");
    for (std::sregex_iterator it(page.begin(), page.end(), row), end; it != end; ++it) {
        std::string cell = (*it)[1].str();
        std::regex key("[^,/]+");
        for (std::sregex_iterator k(cell.begin(), cell.end(), key), kend; k != kend; ++k) {
            std::string name = std::regex_replace(k->str(), std::regex("^\\s+|\\s+$"), "");
            if (name.find_first_of("+") == std::string::npos && name.size() > 3 &&
                name.rfind("Page", 0) != 0 && name != "Tab") {
                continue;  // a word such as the arrow keys', not a key name
            }
            listed.insert(name);
            EXPECT_TRUE(keys.count(name)) << name << " is bound to nothing";
        }
    }
    for (const std::string& key : menuKeys) {
        EXPECT_TRUE(listed.count(key)) << key << " is missing from the keyboard table";
    }
}

INSTANTIATE_TEST_SUITE_P(BothStandards, HelpPagesTest,
                         ::testing::Values("ferdix_nb.html", "ferdix_nn.html"));

}  // namespace
}  // namespace ferdix
