#include "calc/allowance_table.h"

#include "base/cp1252.h"
#include "base/text_convert.h"

namespace ferdix {

// clang-format off
const std::array<AllowanceLineInfo, kAllowanceLineCount> kAllowanceLines = {{
    {"AdminAllowance", "Admin. godtgjøring"_cp, "Admin godtgjøring"_cp, "1057", "619"},
    {"DayDomesticUnder5h", "Innland: Under 5 timer", "Kost innenlands, under 5timer", "1041", ""},
    {"DayDomestic5to9h", "Innland: 5-9 timer", "Kost innenlands, 5-9timer", "1083", "614"},
    {"DayDomestic9to12h", "Innland: 9-12 timer", "Kost innenlands, 9-12timer", "1084", "614"},
    {"DayDomesticOver12h", "Innland: Over 12 timer", "Kost innenlands, >12timer", "1085", "614"},
    {"DayAbroad6to12h", "Utland 6-12 timer", "Kost utenlands, 6-12timer", "1042", "614"},
    {"DayAbroadOver12h", "Utland: Over 12 t.", "Kost utenlands, >12timer", "1042", "614"},
    {"OvernightDomestic8to12h", "Innland: 8-12 timer", "Kost ved overnatting innenlands, 8-12timer", "1086", "610"},
    {"OvernightDomesticOver12h", "Innland: Over 12 timer", "Kost ved overnatting innenlands, >12timer", "1087", "610"},
    {"OvernightAbroad1", "Utland", "Kost ved overnatting utenlands", "1052", "610"},
    {"OvernightAbroad2", "Utland", "Kost ved overnatting utenlands", "1052", "610"},
    {"NightDomestic", "Innland", "Kost ved overnatting innlands ulegitimert", "1053", "610"},
    {"NightDomesticHotel", "Innland overnatting hotell", "Innland overnatting hotell", "1078", "610"},
    {"NightAbroad1", "Utland", "Kost ved overnatting utenlands ulegitimert", "1056", "610"},
    {"NightAbroad2", "Utland", "Kost ved overnatting utenlands ulegitimert", "1056", "610"},
    {"CarUpTo9000", "Bil: 0-9000 km", "Bil under 9000km", "", ""},
    {"CarOver9000", "Bil: over 9000 km", "Bil over 9000km", "", ""},
    {"HomeWorkTaxable", "Hjem - arbeid skattepliktig", "Hjem-arbeid skattepliktig", "1069", "111"},
    {"PassengerSupplement", "Passasjertillegg", "Passasjertillegg", "1045", "714"},
    {"OtherOwnTransport", "Annet", "Annet", "", ""},
    {"LongStayBoard", "Kostgodtgjørelse"_cp, "Kost - opphold over 28 døgn"_cp, "", ""},
    {"LongStayNight", "Nattillegg", "Nattillegg - opphold over 28 døgn"_cp, "", ""},
    {"OtherAllowance", "Annet", "", "", ""},
    {"MealDeductionNoOvernight", "Frokost/lunsj/middag Uten overnatting", "", "1049", "614"},
    {"MealDeductionOvernight1", "Frokost/lunsj/middag Med overnatting", "", "1050", "610"},
    {"MealDeductionOvernight2", "Frokost/lunsj/middag Med overnatting", "", "1050", "610"},
    {"AdminAllowanceAbroadRate", "", "Admin godtgjøring utenlands"_cp, "", ""},
    {"BoardLodgingDaysCovered", "Antall kost- og overnattingsdøgn dekket etter regning"_cp, "", "", ""},
    {"Advance", "Reiseforskudd", "", "8020", ""},
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
