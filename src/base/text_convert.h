// The one set of conversions between the claim's values and the texts the user types, sees
// and the claim file stores. All texts are Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

#include "base/civil_time.h"

namespace ferdix {

enum class DateOrder { DayFirst, YearFirst };

struct DateParts {
    int day = 0;
    int month = 0;
    int year = 0;
};

// Decimal comma, two decimals (or none for a whole number when !withDecimals).
std::string FormatAmount(double x, bool withDecimals);

// Never fails: "," counts as the decimal point, the longest leading number is taken, anything
// unreadable (or beyond the range of a float) gives 0.
float ParseAmount(std::string_view text);

std::string IntToText(int n);
// "%u" of the value's 32 bits.
std::string UIntToText(int n);
// Decimal prefix after optional blanks and sign; 0 when there is none. Values up to 2^32 - 1
// wrap into the 32 bits, so UIntToText round-trips.
int TextToInt(std::string_view text);

// HHMM or HH?MM, hour 00..23, minute 00..59.
bool ParseTime(std::string_view text, int& hour, int& minute);

// A claim file's writer wrote "%d.%m.%y" or "%Y.%m.%d" whatever the order of the program
// reading it: its dates are read as day-first typing reads them, by their shape.
inline constexpr DateOrder kFileDateOrder = DateOrder::DayFirst;

// A date as typed in the given order. Two-digit years 00-79 are 2000-2079, 80-99 are
// 1980-1999; years before 1996 or after 2079 are no date. In day-first order the year-first
// parser is tried only on a text that begins with a four-digit year.
bool ParseDate(std::string_view text, DateParts& out, DateOrder order);
bool ParseDateDayFirst(std::string_view text, DateParts& out);
bool ParseDateYearFirst(std::string_view text, DateParts& out);

// Eight blanks for the calendar day of kNoDate; else "%d.%m.%y" (day first) or "%Y.%m.%d".
std::string FormatDate(const CivilTime& t, DateOrder order);
// Always "%d.%m.%y", whatever the date order (the claim file's save date, the printed date).
std::string FormatDateDayFirst(const CivilTime& t);
// "%H:%M".
std::string FormatTime(const CivilTime& t);

// Whether text begins with prefix, ignoring ASCII letter case; prefix is given in lower case.
bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix);

// Removes trailing CR and LF characters.
void StripLineEnd(std::string& text);

// The shortest form with at most 6 significant digits and a full stop, as the platform's "%g"
// writes it: 36.5, 0, 1.23457e+006 (three exponent digits).
std::string FormatShortG(double x);

// A float in the same form, with as many significant digits beyond 6 (at most 9) as it needs to
// read back exactly; from one million up always in the exponent form (1.01851875e+006).
std::string FormatFloatExact(float x);

// Reads a decimal number with a full stop as decimal point (blanks skipped, optional sign,
// digits, optional fraction and exponent); the longest valid prefix, 0 when there is none.
// consumed receives the number of characters read, blanks included (0 when no number).
double ParseDecimal(std::string_view text, std::size_t* consumed = nullptr);

}  // namespace ferdix
