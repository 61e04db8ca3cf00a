#include "base/text_convert.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ferdix {

namespace {

// The C locale's white space; the program's locale must never change how files read.
bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void AppendTwoDigits(std::string& s, int v) {
    v = ((v % 100) + 100) % 100;
    s.push_back(static_cast<char>('0' + v / 10));
    s.push_back(static_cast<char>('0' + v % 10));
}

template <typename T>
void AppendInt(std::string& s, T v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, r.ptr);
}

// A date text seen through its character positions (0-based).
class DateText {
  public:
    explicit DateText(std::string_view t) : m_t(t) {}
    bool Digit(std::size_t i) const { return i < m_t.size() && IsDigit(m_t[i]); }
    char At(std::size_t i) const { return i < m_t.size() ? m_t[i] : '\0'; }
    // Every listed position must hold a digit.
    bool Digits(std::initializer_list<std::size_t> positions) const {
        for (std::size_t p : positions) {
            if (!Digit(p))
                return false;
        }
        return true;
    }
    // The number in [first, first + count), read as atoi does: it ends at the first
    // character that is not a digit (untested positions may hold a separator).
    int Number(std::size_t first, std::size_t count) const {
        int v = 0;
        for (std::size_t i = first; i < first + count && Digit(i); ++i) {
            v = v * 10 + (m_t[i] - '0');
        }
        return v;
    }

  private:
    std::string_view m_t;
};

int MonthLength(int month) {
    static constexpr int kLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month - 1];
}

// 00-79 are 2000-2079 and 80-99 are 1980-1999: the file writes day-first dates with two
// digits, and every date that can be typed must read back as the same date.
int CenturyOf(int twoDigitYear) {
    return twoDigitYear < 80 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}

// Year-first files write "%Y.%m.%d"; only that form may stand in for a day-first date.
bool BeginsWithFourDigitYear(std::string_view text) {
    DateText t(text);
    return t.Digits({0, 1, 2, 3}) && !t.Digit(4);
}

// A day-first claim file keeps two digits of the year, so a later year could not be opened again.
constexpr int kLastYear = 2079;

bool FinishDate(int day, int month, int year, DateParts& out) {
    bool ok = month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(month) && year >= 1996 &&
              year <= kLastYear && !(month == 2 && day == 29 && year % 4 != 0);
    out = ok ? DateParts{day, month, year} : DateParts{};
    return ok;
}

}  // namespace

std::string FormatAmount(double x, bool withDecimals) {
    if (!std::isfinite(x) || (x > -0.05 && x < 0.05)) {
        return withDecimals ? "0,00" : "0";
    }
    std::string s;
    if (x < 0) {
        s.push_back('-');
    }
    double a = std::fabs(x);
    double scaled = a * 100.0 + 0.4;
    // Cents in 64 bits; beyond that (far past any real claim) whole kroner only.
    if (scaled >= 9.0e18) {
        char buf[400];
        auto r = std::to_chars(buf, buf + sizeof buf, std::floor(a), std::chars_format::fixed, 0);
        s.append(buf, r.ptr);
        if (withDecimals) {
            s += ",00";
        }
        return s;
    }
    auto cents = static_cast<std::int64_t>(scaled);
    AppendInt(s, cents / 100);
    auto r = static_cast<int>(cents % 100);
    if (r == 0) {
        if (withDecimals) {
            s += ",00";
        }
    } else {
        s.push_back(',');
        AppendTwoDigits(s, r);
    }
    return s;
}

double ParseDecimal(std::string_view text, std::size_t* consumed) {
    std::size_t i = 0;
    auto setConsumed = [&](std::size_t n) {
        if (consumed)
            *consumed = n;
    };
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t start = i;
    std::size_t intDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++intDigits;
    }
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++fracDigits;
        }
        if (intDigits + fracDigits > 0) {
            i = j;
        }
    }
    if (intDigits + fracDigits == 0) {
        setConsumed(0);
        return 0.0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    double v = 0.0;
    auto res = std::from_chars(text.data() + start, text.data() + i, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Huge exponents saturate as strtod does; tiny ones underflow to zero.
        std::string_view digits = text.substr(start, i - start);
        auto e = digits.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    setConsumed(i);
    return negative ? -v : v;
}

float ParseAmount(std::string_view text) {
    // A sign does not count, so that every amount FormatAmount writes reads back whole.
    std::size_t length = !text.empty() && (text[0] == '-' || text[0] == '+') ? 40 : 39;
    std::string copy(text.substr(0, length));
    for (char& c : copy) {
        if (c == ',')
            c = '.';
    }
    double v = ParseDecimal(copy);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) {
        return 0.0f;
    }
    return static_cast<float>(v);
}

std::string IntToText(int n) {
    std::string s;
    AppendInt(s, n);
    return s;
}

std::string UIntToText(int n) {
    std::string s;
    AppendInt(s, static_cast<std::uint32_t>(n));
    return s;
}

int TextToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t acc = 0;
    constexpr std::uint64_t kCap = 0xFFFFFFFFull;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        acc = acc * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (acc > kCap)
            acc = kCap;
    }
    auto bits = static_cast<std::uint32_t>(acc);
    if (negative)
        bits = 0u - bits;
    return static_cast<int>(bits);
}

bool ParseTime(std::string_view text, int& hour, int& minute) {
    hour = 0;
    minute = 0;
    if (text.size() != 4 && text.size() != 5) {
        return false;
    }
    char h1 = text[0];
    char h2 = text[1];
    char m1 = text[text.size() - 2];
    char m2 = text[text.size() - 1];
    bool ok = h1 >= '0' && h1 <= '2' && IsDigit(h2) && (h1 != '2' || h2 <= '3') && m1 >= '0' &&
              m1 <= '5' && IsDigit(m2);
    if (!ok) {
        return false;
    }
    hour = (h1 - '0') * 10 + (h2 - '0');
    minute = (m1 - '0') * 10 + (m2 - '0');
    return true;
}

bool ParseDateDayFirst(std::string_view text, DateParts& out) {
    out = DateParts{};
    std::size_t n = text.size();
    DateText t(text);
    if (n < 5 || n > 10 || !t.Digit(0)) {
        return false;
    }
    int day = 0, month = 0, year = 0;
    bool ok = false;
    auto oneToNine = [&] { return t.At(0) >= '1' && t.At(0) <= '9'; };
    switch (n) {
        case 5:  // DMMYY
            ok = t.Digits({0, 1, 2, 3, 4});
            day = t.Number(0, 1), month = t.Number(1, 2), year = t.Number(3, 2);
            break;
        case 6:
            if (!t.Digit(1)) {  // D?M?YY
                ok = t.Digits({0, 2, 4, 5});
                day = t.Number(0, 1), month = t.Number(2, 1), year = t.Number(4, 2);
            } else {  // DDMMYY
                ok = t.Digits({0, 1, 2, 3, 4, 5});
                day = t.Number(0, 2), month = t.Number(2, 2), year = t.Number(4, 2);
            }
            break;
        case 7:
            if (t.Digit(2)) {  // D?MM?YY
                ok = oneToNine() && t.Digits({0, 2, 3, 5, 6});
                day = t.Number(0, 1), month = t.Number(2, 2), year = t.Number(5, 2);
            } else {  // DD?M?YY, the day's second character untested
                ok = oneToNine() && t.Digits({3, 5, 6});
                day = t.Number(0, 2), month = t.Number(3, 1), year = t.Number(5, 2);
            }
            break;
        case 8:
            if (!t.Digit(2)) {  // DD?MM?YY
                ok = t.Digits({0, 1, 3, 4, 6, 7});
                day = t.Number(0, 2), month = t.Number(3, 2), year = t.Number(6, 2);
            } else {  // DDMMYYYY
                ok = (t.At(2) == '0' || t.At(2) == '1') && t.Digits({0, 1, 2, 3, 4, 5, 6, 7});
                day = t.Number(0, 2), month = t.Number(2, 2), year = t.Number(4, 4);
            }
            break;
        case 9:
            if (!t.Digit(1)) {  // D?MM?YYYY
                ok = t.Digits({0, 2, 3, 5, 6, 7, 8});
                day = t.Number(0, 1), month = t.Number(2, 2), year = t.Number(5, 4);
            } else {  // DD?M?YYYY
                ok = t.Digits({0, 1, 3, 5, 6, 7, 8});
                day = t.Number(0, 2), month = t.Number(3, 1), year = t.Number(5, 4);
            }
            break;
        default:  // 10: DD?MM?YYYY
            ok = t.Digits({0, 1, 3, 4, 6, 7, 8, 9});
            day = t.Number(0, 2), month = t.Number(3, 2), year = t.Number(6, 4);
            break;
    }
    if (!ok) {
        return false;
    }
    if (year < 100) {
        year = CenturyOf(year);
    }
    return FinishDate(day, month, year, out);
}

bool ParseDateYearFirst(std::string_view text, DateParts& out) {
    out = DateParts{};
    std::size_t n = text.size();
    DateText t(text);
    if ((n != 6 && n != 8 && n != 10) || !t.Digit(0)) {
        return false;
    }
    int day = 0, month = 0, year = 0;
    bool ok = false;
    if (n == 6) {
        if (t.Digit(2)) {  // YYMMDD
            ok = t.Digits({0, 1, 2, 3, 4, 5});
            year = t.Number(0, 2), month = t.Number(2, 2), day = t.Number(4, 2);
        } else {  // YY?M?D
            ok = t.Digits({0, 1, 3, 5});
            year = t.Number(0, 2), month = t.Number(3, 1), day = t.Number(5, 1);
        }
    } else if (n == 8) {  // YY?MM?DD
        ok = t.Digits({0, 1, 3, 4, 6, 7});
        year = t.Number(0, 2), month = t.Number(3, 2), day = t.Number(6, 2);
    } else {  // YYYY?MM?DD
        ok = (t.At(0) == '1' || t.At(0) == '2') && (t.At(5) == '0' || t.At(5) == '1') &&
             (t.At(8) >= '0' && t.At(8) <= '3') && t.Digits({0, 1, 2, 3, 5, 6, 8, 9});
        year = t.Number(0, 4), month = t.Number(5, 2), day = t.Number(8, 2);
    }
    if (!ok) {
        return false;
    }
    if (year < 100) {
        year = CenturyOf(year);
    } else {
        if (year < 1900)
            year += 1900;
        if (year < 1938)
            year += 100;
    }
    return FinishDate(day, month, year, out);
}

bool ParseDate(std::string_view text, DateParts& out, DateOrder order) {
    if (order == DateOrder::DayFirst) {
        return ParseDateDayFirst(text, out) ||
               (BeginsWithFourDigitYear(text) && ParseDateYearFirst(text, out));
    }
    return ParseDateYearFirst(text, out) || ParseDateDayFirst(text, out);
}

std::string FormatDateDayFirst(const CivilTime& t) {
    std::string s;
    AppendTwoDigits(s, t.day);
    s.push_back('.');
    AppendTwoDigits(s, t.month);
    s.push_back('.');
    AppendTwoDigits(s, t.year % 100);
    return s;
}

std::string FormatDate(const CivilTime& t, DateOrder order) {
    if (IsNoDateDay(t)) {
        return std::string(8, ' ');
    }
    if (order == DateOrder::DayFirst) {
        return FormatDateDayFirst(t);
    }
    std::string s;
    AppendInt(s, t.year);
    s.push_back('.');
    AppendTwoDigits(s, t.month);
    s.push_back('.');
    AppendTwoDigits(s, t.day);
    return s;
}

std::string FormatTime(const CivilTime& t) {
    std::string s;
    AppendTwoDigits(s, t.hour);
    s.push_back(':');
    AppendTwoDigits(s, t.minute);
    return s;
}

bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != lowerPrefix[i]) {
            return false;
        }
    }
    return true;
}

void StripLineEnd(std::string& text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.pop_back();
    }
}

namespace {

// "%g" with the given precision; with forceExponent the exponent form whatever the exponent.
std::string FormatG(double x, int precision, bool forceExponent) {
    char buf[64];
    std::to_chars_result r{};
    if (forceExponent) {
        r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, precision - 1);
    } else {
        r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, precision);
    }
    std::string s(buf, r.ptr);
    auto e = s.find('e');
    if (forceExponent && e != std::string::npos && s.find('.') != std::string::npos) {
        // As "%g" does: no trailing zeros in the digits, and no point without digits after it.
        std::size_t last = s.find_last_not_of('0', e - 1);
        if (s[last] == '.') {
            --last;
        }
        s.erase(last + 1, e - last - 1);
        e = s.find('e');
    }
    if (e != std::string::npos && e + 1 < s.size()) {
        std::size_t digitsAt = e + 2;  // after "e+" or "e-"
        std::size_t digits = s.size() - digitsAt;
        if (digits < 3) {
            s.insert(digitsAt, 3 - digits, '0');
        }
    }
    return s;
}

}  // namespace

std::string FormatShortG(double x) {
    return FormatG(x, 6, false);
}

std::string FormatFloatExact(float x) {
    std::string text = FormatShortG(static_cast<double>(x));
    if (!std::isfinite(x)) {
        return text;
    }
    // Read back as the claim reader reads a record's number: as a double, then narrowed.
    auto readsBack = [x](const std::string& t) { return static_cast<float>(ParseDecimal(t)) == x; };
    for (int precision = 7; precision <= 9 && !readsBack(text); ++precision) {
        text = FormatG(static_cast<double>(x), precision, std::fabs(x) >= 1.0e6f);
    }
    return text;
}

}  // namespace ferdix
