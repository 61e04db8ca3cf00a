#include "base/cp1252.h"

#include <gtest/gtest.h>

namespace ferdix {
namespace {

TEST(Cp1252, LiteralsConvertAtCompileTime) {
    static_assert("Beløp"_cp == std::string_view("Bel\xF8p"));
    EXPECT_EQ("æøåÆØÅ¤€"_cp, std::string_view("\xE6\xF8\xE5\xC6\xD8\xC5\xA4\x80"));
    EXPECT_EQ("plain\n"_cp, std::string_view("plain\n"));
}

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, KnownMappings) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\xE5"), "å");
    EXPECT_EQ(Cp1252ToUtf8("\x96"), "–");
    EXPECT_EQ(Utf8ToCp1252("„Å…"), "\x84\xC5\x85");
}

TEST(Cp1252, CharactersOutsideBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("Ω≠😀x"), "???x");
    // Malformed UTF-8: a lone continuation byte and a truncated sequence.
    EXPECT_EQ(Utf8ToCp1252("a\x80z"), "a?z");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
}

}  // namespace
}  // namespace ferdix
