#include "calc/allowance_table.h"

#include "base/cp1252.h"
#include "base/text_convert.h"

namespace ferdix {

// clang-format off
const std::array<AllowanceLineInfo, kAllowanceLineCount> kAllowanceLines = {{
    {"AdminAllowance", "Admin. godtgjøring"_cp, 1251, 1253, 1254, "Admin godtgjøring"_cp, "1057", "619"},
    {"DayDomesticUnder5h", "Innland: Under 5 timer", 1062, 1073, 1075, "Kost innenlands, under 5timer", "1041", ""},
    {"DayDomestic5to9h", "Innland: 5-9 timer", 1067, 1074, 1076, "Kost innenlands, 5-9timer", "1083", "614"},
    {"DayDomestic9to12h", "Innland: 9-12 timer", 1252, 1255, 1256, "Kost innenlands, 9-12timer", "1084", "614"},
    {"DayDomesticOver12h", "Innland: Over 12 timer", 1199, 1220, 1221, "Kost innenlands, >12timer", "1085", "614"},
    {"DayAbroad6to12h", "Utland 6-12 timer", 1068, 1077, 1079, "Kost utenlands, 6-12timer", "1042", "614"},
    {"DayAbroadOver12h", "Utland: Over 12 t.", 1070, 1078, 1080, "Kost utenlands, >12timer", "1042", "614"},
    {"OvernightDomestic8to12h", "Innland: 8-12 timer", 1082, 1083, 1084, "Kost ved overnatting innenlands, 8-12timer", "1086", "610"},
    {"OvernightDomesticOver12h", "Innland: Over 12 timer", 1223, 1224, 1225, "Kost ved overnatting innenlands, >12timer", "1087", "610"},
    {"OvernightAbroad1", "Utland", 1086, 1087, 1088, "Kost ved overnatting utenlands", "1052", "610"},
    {"OvernightAbroad2", "Utland", 1090, 1091, 1092, "Kost ved overnatting utenlands", "1052", "610"},
    {"NightDomestic", "Innland", 1108, 1109, 1110, "Kost ved overnatting innlands ulegitimert", "1053", "610"},
    {"NightDomesticHotel", "Innland overnatting hotell", 1227, 1228, 1229, "Innland overnatting hotell", "1078", "610"},
    {"NightAbroad1", "Utland", 1111, 1112, 1113, "Kost ved overnatting utenlands ulegitimert", "1056", "610"},
    {"NightAbroad2", "Utland", 1118, 1119, 1120, "Kost ved overnatting utenlands ulegitimert", "1056", "610"},
    {"CarUpTo9000", "Bil: 0-9000 km", 1093, 1094, 1095, "Bil under 9000km", "", ""},
    {"CarOver9000", "Bil: over 9000 km", 1097, 1098, 1099, "Bil over 9000km", "", ""},
    {"HomeWorkTaxable", "Hjem - arbeid skattepliktig", 1127, 1128, 1129, "Hjem-arbeid skattepliktig", "1069", "111"},
    {"PassengerSupplement", "Passasjertillegg", 1101, 1102, 1103, "Passasjertillegg", "1045", "714"},
    {"OtherOwnTransport", "Annet", 1105, 1106, 1107, "Annet", "", ""},
    {"LongStayBoard", "Kostgodtgjørelse"_cp, 1121, 1122, 1123, "Kost - opphold over 28 døgn"_cp, "", ""},
    {"LongStayNight", "Nattillegg", 1124, 1125, 1126, "Nattillegg - opphold over 28 døgn"_cp, "", ""},
    {"OtherAllowance", "Annet", 1130, 1131, 1132, "", "", ""},
    {"MealDeductionNoOvernight", "Frokost/lunsj/middag Uten overnatting", 0, 0, 1134, "", "1049", "614"},
    {"MealDeductionOvernight1", "Frokost/lunsj/middag Med overnatting", 0, 0, 1135, "", "1050", "610"},
    {"MealDeductionOvernight2", "Frokost/lunsj/middag Med overnatting", 0, 0, 1136, "", "1050", "610"},
    {"AdminAllowanceAbroadRate", "", 0, 0, 0, "Admin godtgjøring utenlands"_cp, "", ""},
    {"BoardLodgingDaysCovered", "Antall kost- og overnattingsdøgn dekket etter regning"_cp, 1260, 0, 0, "", "", ""},
    {"Advance", "Reiseforskudd", 0, 0, 1138, "", "8020", ""},
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
