#include "base/text_convert.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace ferdix {
namespace {

TEST(FormatAmount, RoundsAtSixTenthsOfACent) {
    struct Case {
        double x;
        bool decimals;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, true, "1234,50"}, {-7, true, "-7,00"},       {-7, false, "-7"},
        {2.5, false, "2,50"},      {0.049, true, "0,00"},     {0.04, true, "0,00"},
        {0.05, true, "0,05"},      {-0.04, true, "0,00"},     {-0.04, false, "0"},
        {100, false, "100"},       {100.25, false, "100,25"}, {12.345, true, "12,34"},
        {12.346, true, "12,35"},   {0.07, true, "0,07"},      {-0.05, true, "-0,05"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatAmount(c.x, c.decimals), c.text) << c.x;
    }
}

TEST(FormatAmount, LargeMagnitudesDoNotOverflow) {
    // Beyond 2^31 cents, which a 32-bit cent counter could not hold.
    EXPECT_EQ(FormatAmount(30000000.5, true), "30000000,50");
    EXPECT_EQ(FormatAmount(-1e12, true), "-1000000000000,00");
    // Beyond 64-bit cents: whole kroner, never garbage.
    EXPECT_EQ(FormatAmount(1e20, true), "100000000000000000000,00");
    EXPECT_EQ(FormatAmount(3.4e38, false).size(), 39u);
}

TEST(ParseAmount, CommaOrPointAndLongestPrefix) {
    EXPECT_FLOAT_EQ(ParseAmount("12,50"), 12.5f);
    EXPECT_FLOAT_EQ(ParseAmount("12.50"), 12.5f);
    EXPECT_FLOAT_EQ(ParseAmount("1.234,50"), 1.234f);
    EXPECT_FLOAT_EQ(ParseAmount("  -3,25kr"), -3.25f);
    EXPECT_FLOAT_EQ(ParseAmount("+4"), 4.0f);
    EXPECT_FLOAT_EQ(ParseAmount("1e3"), 1000.0f);
    EXPECT_FLOAT_EQ(ParseAmount("2e"), 2.0f);
    EXPECT_FLOAT_EQ(ParseAmount(",5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseAmount("7,"), 7.0f);
}

TEST(ParseAmount, BadTextGivesZero) {
    for (const char* text : {"", "abc", ",", "-", "e5", "inf", "nan", "0x10", "1e999"}) {
        EXPECT_EQ(ParseAmount(text), 0.0f) << text;
    }
    // Only the first 39 characters take part in the number.
    std::string digits(45, '1');
    EXPECT_FLOAT_EQ(ParseAmount(digits), 1.11111111e38f);
}

TEST(ParseAmount, ReadsBackEveryFormattedExtreme) {
    // The minus sign made the largest negative amounts one character too long to read back.
    for (float x : {3.4e38f, -3.4e38f, -1.0e38f, -std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::max(), -9.99e37f}) {
        for (bool decimals : {true, false}) {
            std::string text = FormatAmount(x, decimals);
            EXPECT_EQ(ParseAmount(text), x) << text;
        }
    }
}

TEST(ParseDecimal, ReportsWhatItConsumed) {
    std::size_t used = 99;
    EXPECT_DOUBLE_EQ(ParseDecimal(" 1.5e+2x", &used), 150.0);
    EXPECT_EQ(used, 7u);
    EXPECT_DOUBLE_EQ(ParseDecimal("x", &used), 0.0);
    EXPECT_EQ(used, 0u);
    // A comma is not a decimal point here.
    EXPECT_DOUBLE_EQ(ParseDecimal("36,5"), 36.0);
}

TEST(IntegerText, SignedUnsignedAndPrefix) {
    EXPECT_EQ(IntToText(-1), "-1");
    EXPECT_EQ(UIntToText(-1), "4294967295");
    EXPECT_EQ(TextToInt("  -42abc"), -42);
    EXPECT_EQ(TextToInt("+7"), 7);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt(""), 0);
    // Unsigned texts round-trip through the 32 bits.
    EXPECT_EQ(TextToInt(UIntToText(-5)), -5);
    EXPECT_EQ(TextToInt("99999999999999999999"), -1);
}

TEST(ParseTime, FormsAndLimits) {
    struct Case {
        const char* text;
        bool ok;
        int h, m;
    };
    const Case cases[] = {
        {"0730", true, 7, 30},  {"07:30", true, 7, 30},  {"07.30", true, 7, 30},
        {"2359", true, 23, 59}, {"7:30", false, 0, 0},   {"24:00", false, 0, 0},
        {"2400", false, 0, 0},  {"12:60", false, 0, 0},  {"     ", false, 0, 0},
        {"", false, 0, 0},      {"123456", false, 0, 0}, {"19x45", true, 19, 45},
    };
    for (const Case& c : cases) {
        int h = -1, m = -1;
        EXPECT_EQ(ParseTime(c.text, h, m), c.ok) << c.text;
        EXPECT_EQ(h, c.h) << c.text;
        EXPECT_EQ(m, c.m) << c.text;
    }
}

struct DateCase {
    const char* text;
    bool ok;
    int day, month, year;
};

void ExpectDates(bool (*parse)(std::string_view, DateParts&),
                 std::initializer_list<DateCase> cases) {
    for (const DateCase& c : cases) {
        DateParts d{9, 9, 9};
        EXPECT_EQ(parse(c.text, d), c.ok) << c.text;
        EXPECT_EQ(d.day, c.day) << c.text;
        EXPECT_EQ(d.month, c.month) << c.text;
        EXPECT_EQ(d.year, c.year) << c.text;
    }
}

TEST(ParseDate, DayFirstForms) {
    ExpectDates(ParseDateDayFirst, {
                                       {"50306", true, 5, 3, 2006},
                                       {"5.1.06", true, 5, 1, 2006},
                                       {"050106", true, 5, 1, 2006},
                                       {"5.01.06", true, 5, 1, 2006},
                                       {"15.1.06", true, 15, 1, 2006},
                                       {"05.1.06", false, 0, 0, 0},
                                       {"05.01.06", true, 5, 1, 2006},
                                       {"05012006", true, 5, 1, 2006},
                                       {"05212006", false, 0, 0, 0},
                                       {"5.01.2006", true, 5, 1, 2006},
                                       {"05.1.2006", true, 5, 1, 2006},
                                       {"05-01-2006", true, 5, 1, 2006},
                                       {"05/01/37", true, 5, 1, 2037},
                                       {"05/01/98", true, 5, 1, 1998},
                                       {"2006.03.05", false, 0, 0, 0},
                                       {".5.1.06", false, 0, 0, 0},
                                       {"1234", false, 0, 0, 0},
                                       {"01.01.12345", false, 0, 0, 0},
                                   });
}

TEST(ParseDate, YearFirstForms) {
    ExpectDates(ParseDateYearFirst, {
                                        {"060305", true, 5, 3, 2006},
                                        {"06.3.5", true, 5, 3, 2006},
                                        {"06.03.05", true, 5, 3, 2006},
                                        {"2006.03.05", true, 5, 3, 2006},
                                        {"2006-3-5xx", false, 0, 0, 0},
                                        {"3006.03.05", false, 0, 0, 0},
                                        {"2006.23.05", false, 0, 0, 0},
                                        {"2006.03.45", false, 0, 0, 0},
                                        {"1936.03.05", true, 5, 3, 2036},
                                        {"0603051", false, 0, 0, 0},
                                    });
}

TEST(ParseDate, CalendarChecks) {
    ExpectDates(ParseDateDayFirst, {
                                       {"29.02.2004", true, 29, 2, 2004},
                                       {"29.02.2005", false, 0, 0, 0},
                                       {"31.04.06", false, 0, 0, 0},
                                       {"30.04.06", true, 30, 4, 2006},
                                       {"01.01.95", false, 0, 0, 0},
                                       {"01.01.96", true, 1, 1, 1996},
                                       {"00.01.06", false, 0, 0, 0},
                                       {"01.13.06", false, 0, 0, 0},
                                       {"32.01.06", false, 0, 0, 0},
                                   });
}

TEST(ParseDate, EachOrderTriesItsOwnParserFirst) {
    DateParts d;
    ASSERT_TRUE(ParseDate("060305", d, DateOrder::DayFirst));
    EXPECT_EQ(d.year, 2005);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 6);
    ASSERT_TRUE(ParseDate("2006.03.05", d, DateOrder::DayFirst));
    EXPECT_EQ(d.day, 5);

    ASSERT_TRUE(ParseDate("060305", d, DateOrder::YearFirst));
    EXPECT_EQ(d.year, 2006);
    EXPECT_EQ(d.day, 5);
    ASSERT_TRUE(ParseDate("05.03.2006", d, DateOrder::YearFirst));
    EXPECT_EQ(d.day, 5);
    EXPECT_EQ(d.year, 2006);
    EXPECT_FALSE(ParseDate("rubbish", d, DateOrder::YearFirst));
    EXPECT_EQ(d.year, 0);
}

// A date in a claim file means one day whatever the order the program runs in: the writer
// wrote "%d.%m.%y" or "%Y.%m.%d", and the shape tells which.
TEST(ParseDate, FileDatesReadTheSameInEitherOrder) {
    struct Case {
        const char* text;
        DateParts date;
    };
    const Case cases[] = {
        {"05.03.06", {5, 3, 2006}},  {"2006.03.05", {5, 3, 2006}},   {"31.12.79", {31, 12, 2079}},
        {"29.02.04", {29, 2, 2004}}, {"1999.12.31", {31, 12, 1999}},
    };
    for (const Case& c : cases) {
        DateParts d;
        ASSERT_TRUE(ParseDate(c.text, d, kFileDateOrder)) << c.text;
        EXPECT_EQ(d.day, c.date.day) << c.text;
        EXPECT_EQ(d.month, c.date.month) << c.text;
        EXPECT_EQ(d.year, c.date.year) << c.text;
    }
    // Typed, the order still decides.
    DateParts typed;
    ASSERT_TRUE(ParseDate("05.03.06", typed, DateOrder::YearFirst));
    EXPECT_EQ(typed.year, 2005);
    EXPECT_FALSE(ParseDate("ugyldig", typed, kFileDateOrder));
}

// Two-digit years 00-79 are 2000-2079 and 80-99 are 1980-1999, so that a date the file writes
// with two digits reads back the same; with day-first order only a four-digit year may stand
// first, so a mistyped day never becomes a far-off year.
TEST(ParseDate, TwoDigitYearsAndTheYearFirstFallback) {
    ExpectDates(
        [](std::string_view text, DateParts& d) { return ParseDate(text, d, DateOrder::DayFirst); },
        {
            {"05.03.40", true, 5, 3, 2040},   {"050338", true, 5, 3, 2038},
            {"31.12.79", true, 31, 12, 2079}, {"29.2.76", true, 29, 2, 2076},
            {"01.01.80", false, 0, 0, 0},     {"01.01.95", false, 0, 0, 0},
            {"01.01.96", true, 1, 1, 1996},   {"31.12.99", true, 31, 12, 1999},
            {"05/01/37", true, 5, 1, 2037},   {"05.03.2079", true, 5, 3, 2079},
            {"01.01.2080", false, 0, 0, 0},  // the file could not keep it
            {"31.04.06", false, 0, 0, 0},     {"45.03.06", false, 0, 0, 0},
            {"45.03.2006", false, 0, 0, 0},   {"060305", true, 6, 3, 2005},
            {"450306", false, 0, 0, 0},       {"2006.03.05", true, 5, 3, 2006},
            {"2040-03-05", true, 5, 3, 2040}, {"1936.03.05", true, 5, 3, 2036},
        });
    ExpectDates([](std::string_view text,
                   DateParts& d) { return ParseDate(text, d, DateOrder::YearFirst); },
                {
                    {"400305", true, 5, 3, 2040},
                    {"79.12.31", true, 31, 12, 2079},
                    {"06.3.5", true, 5, 3, 2006},
                    {"80.01.01", false, 0, 0, 0},
                    {"2040.03.05", true, 5, 3, 2040},
                    {"2080.01.01", false, 0, 0, 0},
                    {"1936.03.05", true, 5, 3, 2036},
                    {"05.03.40", true, 5, 3, 2040},  // the day-first fallback
                    {"31.04.06", true, 6, 4, 2031},  // the year-first order's own
                });
}

TEST(FormatDateTime, ByDateOrderAndEmptyDay) {
    CivilTime t{2006, 3, 5, 14, 7, 0};
    EXPECT_EQ(FormatDate(t, DateOrder::DayFirst), "05.03.06");
    EXPECT_EQ(FormatDate(CivilTime{1986, 2, 2, 12, 0, 0}, DateOrder::DayFirst), "        ");
    EXPECT_EQ(FormatDate(kNoDate, DateOrder::YearFirst), "        ");
    EXPECT_EQ(FormatDate(t, DateOrder::YearFirst), "2006.03.05");
    EXPECT_EQ(FormatDateDayFirst(t), "05.03.06");
    EXPECT_EQ(FormatTime(t), "14:07");
}

TEST(StripLineEnd, RemovesEveryTrailingCrAndLf) {
    std::string s = "text\r\r\n";
    StripLineEnd(s);
    EXPECT_EQ(s, "text");
    s = "a\rb\n";
    StripLineEnd(s);
    EXPECT_EQ(s, "a\rb");
    s = "\r\n";
    StripLineEnd(s);
    EXPECT_EQ(s, "");
}

TEST(StartsWithNoCase, AsciiCaseOnly) {
    EXPECT_TRUE(StartsWithNoCase("BIL (egen)", "bil"));
    EXPECT_TRUE(StartsWithNoCase("Untitled *", "untitled"));
    EXPECT_FALSE(StartsWithNoCase("bi", "bil"));
    EXPECT_FALSE(StartsWithNoCase("Æble", "æble"));  // only A-Z fold
    EXPECT_TRUE(StartsWithNoCase("", ""));
}

TEST(FormatShortG, AsThePlatformWritesIt) {
    EXPECT_EQ(FormatShortG(36.5), "36.5");
    EXPECT_EQ(FormatShortG(36), "36");
    EXPECT_EQ(FormatShortG(0), "0");
    EXPECT_EQ(FormatShortG(1234.5), "1234.5");
    EXPECT_EQ(FormatShortG(999999), "999999");
    EXPECT_EQ(FormatShortG(1234567.0), "1.23457e+006");
    EXPECT_EQ(FormatShortG(-2.5e-7), "-2.5e-007");
    EXPECT_EQ(FormatShortG(static_cast<double>(0.1f)), "0.1");
    EXPECT_EQ(FormatShortG(1e300), "1e+300");
}

// Every float comes back from its text, and the six-digit text stays wherever it already did.
TEST(FormatFloatExact, ReadsBackExactlyWithTheFewestDigitsFromSix) {
    std::uint32_t x = 2463534242u;
    int longer = 0;
    for (int i = 0; i < 200000; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        // Amounts as claims hold them: cents up to a hundred million kroner, and any float.
        float value =
            i % 2 == 0 ? static_cast<float>(x % 10000000000ull) / 100.0f : std::bit_cast<float>(x);
        if (!std::isfinite(value)) {
            continue;
        }
        std::string text = FormatFloatExact(value);
        ASSERT_EQ(static_cast<float>(ParseDecimal(text)), value) << text;
        std::string six = FormatShortG(static_cast<double>(value));
        if (static_cast<float>(ParseDecimal(six)) == value) {
            ASSERT_EQ(text, six);
        } else {
            ++longer;
            ASSERT_GT(text.size(), 0u);
            // The platform's "%g" form: an exponent of three digits from one million up.
            if (std::fabs(value) >= 1.0e6f) {
                ASSERT_NE(text.find("e+"), std::string::npos) << text;
                ASSERT_EQ(text.size() - text.find("e+"), 5u) << text;
            }
            ASSERT_EQ(text.find(','), std::string::npos);
        }
    }
    EXPECT_GT(longer, 0);
    EXPECT_EQ(FormatFloatExact(12345.67f), "12345.67");
    EXPECT_EQ(FormatFloatExact(1018518.77f), "1.01851875e+006");
    EXPECT_EQ(FormatFloatExact(1.0e10f), "1e+010");
}

TEST(CivilTime, NoDateIsEqualOnlyToItselfAndSortsFirst) {
    CivilTime sameDay{1986, 2, 2, 1, 59, 0};
    EXPECT_NE(sameDay, kNoDate);
    EXPECT_EQ(kNoDate, (CivilTime{1986, 2, 2, 1, 59, 59}));
    EXPECT_LT(kNoDate, (CivilTime{1900, 1, 1, 0, 0, 0}));
    EXPECT_GT((CivilTime{1900, 1, 1, 0, 0, 0}), kNoDate);
    EXPECT_LT((CivilTime{2006, 3, 5, 8, 0, 0}), (CivilTime{2006, 3, 5, 8, 0, 1}));
    // Past the 32-bit seconds counter.
    EXPECT_LT((CivilTime{2038, 1, 19, 3, 14, 7}), (CivilTime{2038, 1, 19, 3, 14, 8}));
}

}  // namespace
}  // namespace ferdix
