// The fixed table of 29 allowance lines of the claim: count, rate and amount per line, with the
// form fields, rate keys and accounting codes of each line as data.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ferdix {

enum AllowanceLineId : int {
    AdminAllowance = 0,
    DayDomesticUnder5h = 1,
    DayDomestic5to9h = 2,
    DayDomestic9to12h = 3,
    DayDomesticOver12h = 4,
    DayAbroad6to12h = 5,
    DayAbroadOver12h = 6,
    OvernightDomestic8to12h = 7,
    OvernightDomesticOver12h = 8,
    OvernightAbroad1 = 9,
    OvernightAbroad2 = 10,
    NightDomestic = 11,
    NightDomesticHotel = 12,
    NightAbroad1 = 13,
    NightAbroad2 = 14,
    CarUpTo9000 = 15,
    CarOver9000 = 16,
    HomeWorkTaxable = 17,
    PassengerSupplement = 18,
    OtherOwnTransport = 19,
    LongStayBoard = 20,
    LongStayNight = 21,
    OtherAllowance = 22,
    MealDeductionNoOvernight = 23,
    MealDeductionOvernight1 = 24,
    MealDeductionOvernight2 = 25,
    AdminAllowanceAbroadRate = 26,
    BoardLodgingDaysCovered = 27,
    Advance = 28,
};

inline constexpr int kAllowanceLineCount = 29;

enum AllowanceColumn : int { kCountColumn = 0, kRateColumn = 1, kAmountColumn = 2 };

// One row of the form's computation block (its fields: form/allowance_fields.h).
struct AllowanceLineInfo {
    std::string_view id;
    std::string_view label;    // Windows-1252
    std::string_view rateKey;  // Windows-1252; empty when the rate is not from the rate table
    std::string_view ttCode;
    std::string_view sdCode;
};

extern const std::array<AllowanceLineInfo, kAllowanceLineCount> kAllowanceLines;

struct AllowanceLine {
    float count = 0.0f;
    float rate = 0.0f;
    float amount = 0.0f;

    float Get(int column) const { return column == 0 ? count : column == 1 ? rate : amount; }
};

class AllowanceTable {
  public:
    // Stores the value when it differs from the stored one; a new count or rate recomputes the
    // amount as count x rate in single precision. Returns whether anything changed. Lines above
    // 28 and columns above 2 are ignored.
    bool Set(int line, int column, float value);
    // 0 out of range.
    float Value(int line, int column) const;
    // The text a form field or printed cell shows: empty for zero and out of range.
    std::string ValueText(int line, int column) const;

    // Lines 0..22, summed in double precision.
    double GrossAllowances() const;
    // Lines 23, 24, 25, then 27, in double precision.
    double DeductionsTotal() const;
    // Line 28.
    float AdvanceAmount() const;

    void Clear() { m_lines = {}; }
    const AllowanceLine& Line(int line) const { return m_lines.at(static_cast<std::size_t>(line)); }

  private:
    std::array<AllowanceLine, kAllowanceLineCount> m_lines{};
};

}  // namespace ferdix
