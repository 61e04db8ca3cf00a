#include "form/field_text.h"

#include <gtest/gtest.h>

#include "base/cp1252.h"

namespace ferdix {
namespace {

TEST(FieldText, RefusesWhatTheClaimCannotStoreAndNothingElse) {
    const struct {
        const char* utf8;
        bool multiLine;
        std::u32string characters;
        bool lineBreak;
    } cases[] = {
        {"Łukasz Dvořák €", false, U"Łř", false},
        {"Łódź, Łomża", true, U"Ł\u017A\u017C", false},  // each character once
        // Typographic characters that Windows-1252 holds, and its letters.
        {"€ – — “” ‘’ „ … • ™ ‰ Œœ Šš Žž Ÿ ƒ", false, U"", false},
        {"Åse Ødegård, Sæbø", false, U"", false},
        {"😀 ok", false, U"😀", false},
        {"\u0100\u2212", false, U"\u0100\u2212", false},  // Ā and the minus sign
        // A line break belongs in the multi-line fields only.
        {"Bergen\nVoss", false, U"", true},
        {"Bergen\r\nVoss", true, U"", false},
        {"tab\tstays", false, U"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        RefusedText refused = RefusedIn(c.utf8, c.multiLine);
        EXPECT_EQ(refused.characters, c.characters);
        EXPECT_EQ(refused.lineBreak, c.lineBreak);
        EXPECT_EQ(refused.Any(), !c.characters.empty() || c.lineBreak);
        // What is not refused survives the way to the file unchanged.
        if (!refused.Any()) {
            EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(c.utf8)), c.utf8);
        }
    }
}

}  // namespace
}  // namespace ferdix
