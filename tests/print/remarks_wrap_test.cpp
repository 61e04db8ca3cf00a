#include "print/remarks_wrap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace ferdix {
namespace {

// The fixed font of the recording surface: 16 units a character, so 112 characters fit.
int CourierWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 16;
}

std::string Word(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

struct WrapCase {
    const char* name;
    std::string text;
    std::string wrapped;  // after WrapRemarks
    std::string broken;   // after BreakLongLines as well
};

TEST(RemarksWrap, BreaksAtTheLastSpaceThatFitsAndMendsWhatTheWrapLeavesWide) {
    const std::string a60b50 = Word('a', 60) + " " + Word('b', 50);
    const WrapCase cases[] = {
        {"fits", "kort merknad", "kort merknad", "kort merknad"},
        {"break at last fitting space", a60b50 + " " + Word('c', 10) + " slutt",
         a60b50 + "\n" + Word('c', 10) + " slutt", a60b50 + "\n" + Word('c', 10) + " slutt"},
        // The wrap never measures a paragraph's last word.
        {"last word", Word('a', 100) + " " + Word('b', 30), Word('a', 100) + " " + Word('b', 30),
         Word('a', 100) + "\n" + Word('b', 30)},
        // Nor breaks a line whose first word is too wide; the mend cuts the word.
        {"wide first word", Word('a', 120) + " x y", Word('a', 120) + " x y",
         Word('a', 112) + "\n" + Word('a', 8) + " x y"},
        {"fitting line before a long one", "kort\n" + a60b50 + " " + Word('c', 10) + " slutt",
         "kort\n" + a60b50 + "\n" + Word('c', 10) + " slutt",
         "kort\n" + a60b50 + "\n" + Word('c', 10) + " slutt"},
        // A break in the text forgets the candidate of the line before it.
        {"break clears candidate", Word('a', 50) + " b\n" + Word('c', 120) + " d",
         Word('a', 50) + " b\n" + Word('c', 120) + " d",
         Word('a', 50) + " b\n" + Word('c', 112) + "\n" + Word('c', 8) + " d"},
        {"carriage return kept", "abc\r\ndef", "abc\r\ndef", "abc\r\ndef"},
        {"empty", "", "", ""},
    };
    for (const WrapCase& tc : cases) {
        SCOPED_TRACE(tc.name);
        std::string text = tc.text;
        WrapRemarks(text, CourierWidth);
        EXPECT_EQ(text, tc.wrapped);
        BreakLongLines(text, CourierWidth);
        EXPECT_EQ(text, tc.broken);
    }
}

TEST(RemarksWrap, WrappingAgainChangesNothingAndEveryLineFits) {
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += Word(static_cast<char>('a' + i % 26), 1 + (i * 7) % 13);
        text += i % 97 == 0 ? "\r\n" : " ";
    }
    text += Word('z', 300);
    WrapRemarks(text, CourierWidth);
    BreakLongLines(text, CourierWidth);
    std::string again = text;
    WrapRemarks(again, CourierWidth);
    BreakLongLines(again, CourierWidth);
    EXPECT_EQ(again, text);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        EXPECT_LE(CourierWidth(std::string_view(text).substr(start, end - start)), kRemarksWidth);
        start = end + 1;
    }
}

// Measuring a text costs time in proportion to its length, so the wrap may measure only a
// bounded number of characters for each character of the remarks, whatever their shape:
// one word longer than any line, ordinary words, and characters that take no width.
TEST(RemarksWrap, MeasuresInProportionToTheRemarksAndKeepsThemWhole) {
    constexpr std::size_t kLength = 200000;
    std::string words;
    while (words.size() < kLength) {
        words += "ord merknad ";
    }
    std::string invisible;
    while (invisible.size() < kLength) {
        invisible += std::string(500, '\xAD') + " ";
    }
    const std::pair<const char*, std::string> cases[] = {
        {"one word", Word('x', kLength)},
        {"words", words},
        {"a short line, then one word", "kort linje\r\n" + Word('x', kLength)},
        {"words, then one word", words.substr(0, 5000) + Word('x', kLength)},
        {"no width", invisible},
    };
    for (const auto& [name, original] : cases) {
        SCOPED_TRACE(name);
        // 16 units a character, none for a soft hyphen.
        auto model = [](std::string_view text) {
            return static_cast<int>(16 * (text.size() - static_cast<std::size_t>(std::count(
                                                            text.begin(), text.end(), '\xAD'))));
        };
        std::size_t measured = 0;
        TextWidth width = [&measured, &model](std::string_view text) {
            measured += text.size();
            return model(text);
        };
        std::string text = original;
        WrapRemarks(text, width);
        BreakLongLines(text, width);
        EXPECT_LE(measured, 32 * original.size());
        // Every line fits, and only breaks were put in or put for spaces.
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = std::min(text.find('\n', start), text.size());
            EXPECT_LE(model(std::string_view(text).substr(start, end - start)), kRemarksWidth);
            start = end + 1;
        }
        auto letters = [](std::string t) {
            std::erase_if(t, [](char c) { return c == ' ' || c == '\n'; });
            return t;
        };
        EXPECT_EQ(letters(text), letters(original));
    }
}

TEST(RemarksWrap, CountLineBreaks) {
    EXPECT_EQ(CountLineBreaks(""), 0u);
    EXPECT_EQ(CountLineBreaks("en linje"), 0u);
    EXPECT_EQ(CountLineBreaks("a\r\nb\n"), 2u);
    EXPECT_EQ(CountLineBreaks("\n\n\n"), 3u);
}

struct FitCase {
    std::size_t travel;
    std::size_t outlays;
    std::size_t breaks;
    int textHeight;
    bool fits;
};

TEST(RemarksWrap, SecondPageEstimateFitsOnEquality) {
    const FitCase cases[] = {
        // Few outlays: the lists count as 955 units below the travel table.
        {0, 0, 26, 40, true},
        {0, 0, 27, 40, false},
        {1, 0, 11, 103, true},  // 2780 - 1337 == 11 x 113 + 200
        {1, 0, 12, 103, false},
        // Many outlays: 64 units each.
        {0, 28, 3, 40, true},  // 2780 - 2430 == 3 x 50 + 200
        {0, 28, 4, 40, false},
        {0, 9, 0, 40, true},
        {100000, 100000, 0, 40, false},
    };
    for (const FitCase& tc : cases) {
        EXPECT_EQ(RemarksFitOnSecondPage(tc.travel, tc.outlays, tc.breaks, tc.textHeight), tc.fits)
            << tc.travel << " travel, " << tc.outlays << " outlays, " << tc.breaks << " breaks";
    }
}

}  // namespace
}  // namespace ferdix
