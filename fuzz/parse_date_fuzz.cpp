// Any text as a date, in both date orders: a date read is a real calendar day within the
// years the program takes, and its text in either order reads back to the same day.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/civil_time.h"
#include "base/text_convert.h"
#include "fuzz_check.h"

namespace {

using namespace ferdix;

using fuzz::Check;

bool LeapYear(int y) {
    return y % 4 == 0;
}

void CheckDate(bool ok, const DateParts& d) {
    if (!ok) {
        Check(d.day == 0 && d.month == 0 && d.year == 0);
        return;
    }
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Check(d.month >= 1 && d.month <= 12);
    Check(d.day >= 1 && d.day <= kDays[d.month - 1]);
    Check(d.month != 2 || d.day != 29 || LeapYear(d.year));
    Check(d.year >= 1996 && d.year <= 2079);
}

bool Same(const DateParts& a, const DateParts& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    DateParts dayFirst;
    DateParts yearFirst;
    bool byDay = ParseDateDayFirst(text, dayFirst);
    bool byYear = ParseDateYearFirst(text, yearFirst);
    CheckDate(byDay, dayFirst);
    CheckDate(byYear, yearFirst);

    for (DateOrder order : {DateOrder::DayFirst, DateOrder::YearFirst}) {
        DateParts d;
        bool ok = ParseDate(text, d, order);
        CheckDate(ok, d);
        // The order's own parser wins when both read the text.
        bool ownFirst = order == DateOrder::DayFirst ? byDay : byYear;
        const DateParts& own = order == DateOrder::DayFirst ? dayFirst : yearFirst;
        const DateParts& other = order == DateOrder::DayFirst ? yearFirst : dayFirst;
        // With day-first order the year-first parser only takes texts with four-digit years.
        Check(order == DateOrder::DayFirst ? ok == byDay || (ok && byYear)
                                           : ok == (byDay || byYear));
        if (!ok) {
            continue;
        }
        Check(Same(d, ownFirst ? own : other));
        CivilTime t{d.year, d.month, d.day, 12, 0, 0};
        // Written in the order in force, read back in it; the four-digit year reads in both.
        std::string again = FormatDate(t, order);
        DateParts back;
        Check(ParseDate(again, back, order) && Same(back, d));
        if (order == DateOrder::YearFirst) {
            Check(ParseDate(again, back, DateOrder::DayFirst) && Same(back, d));
        }
        Check(FormatDateDayFirst(t).size() == 8);
    }
    return 0;
}
