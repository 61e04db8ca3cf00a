// Dates and times of the claim: a civil local date-time (no seconds counter, so no year-2038
// limit and no daylight-saving gaps).
#pragma once

#include <compare>

namespace ferdix {

struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend constexpr bool operator==(const CivilTime&, const CivilTime&) = default;
    friend constexpr std::strong_ordering operator<=>(const CivilTime& a, const CivilTime& b);

    constexpr bool SameDay(const CivilTime& o) const {
        return year == o.year && month == o.month && day == o.day;
    }
    constexpr CivilTime WithTime(int h, int m, int s) const {
        return CivilTime{year, month, day, h, m, s};
    }
};

// The empty value of every date and time of the claim.
inline constexpr CivilTime kNoDate{1986, 2, 2, 1, 59, 59};

constexpr std::strong_ordering operator<=>(const CivilTime& a, const CivilTime& b) {
    if (a == b) {
        return std::strong_ordering::equal;
    }
    // The empty value sorts before every real date, whatever its calendar fields.
    if (a == kNoDate) {
        return std::strong_ordering::less;
    }
    if (b == kNoDate) {
        return std::strong_ordering::greater;
    }
    if (auto c = a.year <=> b.year; c != 0)
        return c;
    if (auto c = a.month <=> b.month; c != 0)
        return c;
    if (auto c = a.day <=> b.day; c != 0)
        return c;
    if (auto c = a.hour <=> b.hour; c != 0)
        return c;
    if (auto c = a.minute <=> b.minute; c != 0)
        return c;
    return a.second <=> b.second;
}

// True for any time on the calendar day of kNoDate: such a date reads as empty.
constexpr bool IsNoDateDay(const CivilTime& t) {
    return t.SameDay(kNoDate);
}

}  // namespace ferdix
