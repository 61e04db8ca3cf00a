#include "calc/allowance_table.h"

#include "base/control_ids.h"
#include "base/cp1252.h"
#include "base/text_convert.h"

namespace ferdix {

// clang-format off
const std::array<AllowanceLineInfo, kAllowanceLineCount> kAllowanceLines = {{
    {"AdminAllowance", "Admin. godtgjøring"_cp, kIdAdminAllowanceCount, kIdAdminAllowanceRate, kIdAdminAllowanceAmount, "Admin godtgjøring"_cp, "1057", "619"},
    {"DayDomesticUnder5h", "Innland: Under 5 timer", kIdDayDomesticUnder5hCount, kIdDayDomesticUnder5hRate, kIdDayDomesticUnder5hAmount, "Kost innenlands, under 5timer", "1041", ""},
    {"DayDomestic5to9h", "Innland: 5-9 timer", kIdDayDomestic5to9hCount, kIdDayDomestic5to9hRate, kIdDayDomestic5to9hAmount, "Kost innenlands, 5-9timer", "1083", "614"},
    {"DayDomestic9to12h", "Innland: 9-12 timer", kIdDayDomestic9to12hCount, kIdDayDomestic9to12hRate, kIdDayDomestic9to12hAmount, "Kost innenlands, 9-12timer", "1084", "614"},
    {"DayDomesticOver12h", "Innland: Over 12 timer", kIdDayDomesticOver12hCount, kIdDayDomesticOver12hRate, kIdDayDomesticOver12hAmount, "Kost innenlands, >12timer", "1085", "614"},
    {"DayAbroad6to12h", "Utland 6-12 timer", kIdDayAbroad6to12hCount, kIdDayAbroad6to12hRate, kIdDayAbroad6to12hAmount, "Kost utenlands, 6-12timer", "1042", "614"},
    {"DayAbroadOver12h", "Utland: Over 12 t.", kIdDayAbroadOver12hCount, kIdDayAbroadOver12hRate, kIdDayAbroadOver12hAmount, "Kost utenlands, >12timer", "1042", "614"},
    {"OvernightDomestic8to12h", "Innland: 8-12 timer", kIdOvernightDomestic8to12hCount, kIdOvernightDomestic8to12hRate, kIdOvernightDomestic8to12hAmount, "Kost ved overnatting innenlands, 8-12timer", "1086", "610"},
    {"OvernightDomesticOver12h", "Innland: Over 12 timer", kIdOvernightDomesticOver12hCount, kIdOvernightDomesticOver12hRate, kIdOvernightDomesticOver12hAmount, "Kost ved overnatting innenlands, >12timer", "1087", "610"},
    {"OvernightAbroad1", "Utland", kIdOvernightAbroad1Count, kIdOvernightAbroad1Rate, kIdOvernightAbroad1Amount, "Kost ved overnatting utenlands", "1052", "610"},
    {"OvernightAbroad2", "Utland", kIdOvernightAbroad2Count, kIdOvernightAbroad2Rate, kIdOvernightAbroad2Amount, "Kost ved overnatting utenlands", "1052", "610"},
    {"NightDomestic", "Innland", kIdNightDomesticCount, kIdNightDomesticRate, kIdNightDomesticAmount, "Kost ved overnatting innlands ulegitimert", "1053", "610"},
    {"NightDomesticHotel", "Innland overnatting hotell", kIdNightDomesticHotelCount, kIdNightDomesticHotelRate, kIdNightDomesticHotelAmount, "Innland overnatting hotell", "1078", "610"},
    {"NightAbroad1", "Utland", kIdNightAbroad1Count, kIdNightAbroad1Rate, kIdNightAbroad1Amount, "Kost ved overnatting utenlands ulegitimert", "1056", "610"},
    {"NightAbroad2", "Utland", kIdNightAbroad2Count, kIdNightAbroad2Rate, kIdNightAbroad2Amount, "Kost ved overnatting utenlands ulegitimert", "1056", "610"},
    {"CarUpTo9000", "Bil: 0-9000 km", kIdCarUpTo9000Count, kIdCarUpTo9000Rate, kIdCarUpTo9000Amount, "Bil under 9000km", "", ""},
    {"CarOver9000", "Bil: over 9000 km", kIdCarOver9000Count, kIdCarOver9000Rate, kIdCarOver9000Amount, "Bil over 9000km", "", ""},
    {"HomeWorkTaxable", "Hjem - arbeid skattepliktig", kIdHomeWorkTaxableCount, kIdHomeWorkTaxableRate, kIdHomeWorkTaxableAmount, "Hjem-arbeid skattepliktig", "1069", "111"},
    {"PassengerSupplement", "Passasjertillegg", kIdPassengerSupplementCount, kIdPassengerSupplementRate, kIdPassengerSupplementAmount, "Passasjertillegg", "1045", "714"},
    {"OtherOwnTransport", "Annet", kIdOtherOwnTransportCount, kIdOtherOwnTransportRate, kIdOtherOwnTransportAmount, "Annet", "", ""},
    {"LongStayBoard", "Kostgodtgjørelse"_cp, kIdLongStayBoardCount, kIdLongStayBoardRate, kIdLongStayBoardAmount, "Kost - opphold over 28 døgn"_cp, "", ""},
    {"LongStayNight", "Nattillegg", kIdLongStayNightCount, kIdLongStayNightRate, kIdLongStayNightAmount, "Nattillegg - opphold over 28 døgn"_cp, "", ""},
    {"OtherAllowance", "Annet", kIdOtherAllowanceCount, kIdOtherAllowanceRate, kIdOtherAllowanceAmount, "", "", ""},
    {"MealDeductionNoOvernight", "Frokost/lunsj/middag Uten overnatting", 0, 0, kIdMealDeductionNoOvernightAmount, "", "1049", "614"},
    {"MealDeductionOvernight1", "Frokost/lunsj/middag Med overnatting", 0, 0, kIdMealDeductionOvernight1Amount, "", "1050", "610"},
    {"MealDeductionOvernight2", "Frokost/lunsj/middag Med overnatting", 0, 0, kIdMealDeductionOvernight2Amount, "", "1050", "610"},
    {"AdminAllowanceAbroadRate", "", 0, 0, 0, "Admin godtgjøring utenlands"_cp, "", ""},
    {"BoardLodgingDaysCovered", "Antall kost- og overnattingsdøgn dekket etter regning"_cp, kIdBoardLodgingDaysCoveredCount, 0, 0, "", "", ""},
    {"Advance", "Reiseforskudd", 0, 0, kIdAdvanceAmount, "", "8020", ""},
}};
// clang-format on

namespace {

bool InRange(int line, int column) {
    return line >= 0 && line < kAllowanceLineCount && column >= 0 && column <= 2;
}

}  // namespace

bool AllowanceTable::Set(int line, int column, float value) {
    if (!InRange(line, column)) {
        return false;
    }
    AllowanceLine& l = m_lines[static_cast<std::size_t>(line)];
    float& slot = column == 0 ? l.count : column == 1 ? l.rate : l.amount;
    // Exact comparison on purpose: only a value equal to the stored one changes nothing.
    if (slot == value) {
        return false;
    }
    slot = value;
    if (column != kAmountColumn) {
        l.amount = l.count * l.rate;
    }
    return true;
}

float AllowanceTable::Value(int line, int column) const {
    return InRange(line, column) ? m_lines[static_cast<std::size_t>(line)].Get(column) : 0.0f;
}

std::string AllowanceTable::ValueText(int line, int column) const {
    if (!InRange(line, column)) {
        return {};
    }
    std::string text = FormatAmount(Value(line, column), column != kCountColumn);
    return (text == "0,00" || text == "0") ? std::string() : text;
}

double AllowanceTable::GrossAllowances() const {
    double sum = 0.0;
    for (int line = 0; line <= OtherAllowance; ++line) {
        sum += static_cast<double>(m_lines[static_cast<std::size_t>(line)].amount);
    }
    return sum;
}

double AllowanceTable::DeductionsTotal() const {
    double sum = 0.0;
    for (int line : {MealDeductionNoOvernight, MealDeductionOvernight1, MealDeductionOvernight2,
                     BoardLodgingDaysCovered}) {
        sum += static_cast<double>(m_lines[static_cast<std::size_t>(line)].amount);
    }
    return sum;
}

float AllowanceTable::AdvanceAmount() const {
    return m_lines[Advance].amount;
}

}  // namespace ferdix
