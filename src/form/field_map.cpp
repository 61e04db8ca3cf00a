#include "form/field_map.h"

#include <cassert>

#include "form/control_ids.h"

namespace ferdix {

// clang-format off
const std::array<AllowanceLineFields, kAllowanceLineCount> kAllowanceFields = {{
    {kIdAdminAllowanceCount, kIdAdminAllowanceRate, kIdAdminAllowanceAmount},  // AdminAllowance
    {kIdDayDomesticUnder5hCount, kIdDayDomesticUnder5hRate, kIdDayDomesticUnder5hAmount},  // DayDomesticUnder5h
    {kIdDayDomestic5to9hCount, kIdDayDomestic5to9hRate, kIdDayDomestic5to9hAmount},  // DayDomestic5to9h
    {kIdDayDomestic9to12hCount, kIdDayDomestic9to12hRate, kIdDayDomestic9to12hAmount},  // DayDomestic9to12h
    {kIdDayDomesticOver12hCount, kIdDayDomesticOver12hRate, kIdDayDomesticOver12hAmount},  // DayDomesticOver12h
    {kIdDayAbroad6to12hCount, kIdDayAbroad6to12hRate, kIdDayAbroad6to12hAmount},  // DayAbroad6to12h
    {kIdDayAbroadOver12hCount, kIdDayAbroadOver12hRate, kIdDayAbroadOver12hAmount},  // DayAbroadOver12h
    {kIdOvernightDomestic8to12hCount, kIdOvernightDomestic8to12hRate, kIdOvernightDomestic8to12hAmount},  // OvernightDomestic8to12h
    {kIdOvernightDomesticOver12hCount, kIdOvernightDomesticOver12hRate, kIdOvernightDomesticOver12hAmount},  // OvernightDomesticOver12h
    {kIdOvernightAbroad1Count, kIdOvernightAbroad1Rate, kIdOvernightAbroad1Amount},  // OvernightAbroad1
    {kIdOvernightAbroad2Count, kIdOvernightAbroad2Rate, kIdOvernightAbroad2Amount},  // OvernightAbroad2
    {kIdNightDomesticCount, kIdNightDomesticRate, kIdNightDomesticAmount},  // NightDomestic
    {kIdNightDomesticHotelCount, kIdNightDomesticHotelRate, kIdNightDomesticHotelAmount},  // NightDomesticHotel
    {kIdNightAbroad1Count, kIdNightAbroad1Rate, kIdNightAbroad1Amount},  // NightAbroad1
    {kIdNightAbroad2Count, kIdNightAbroad2Rate, kIdNightAbroad2Amount},  // NightAbroad2
    {kIdCarUpTo9000Count, kIdCarUpTo9000Rate, kIdCarUpTo9000Amount},  // CarUpTo9000
    {kIdCarOver9000Count, kIdCarOver9000Rate, kIdCarOver9000Amount},  // CarOver9000
    {kIdHomeWorkTaxableCount, kIdHomeWorkTaxableRate, kIdHomeWorkTaxableAmount},  // HomeWorkTaxable
    {kIdPassengerSupplementCount, kIdPassengerSupplementRate, kIdPassengerSupplementAmount},  // PassengerSupplement
    {kIdOtherOwnTransportCount, kIdOtherOwnTransportRate, kIdOtherOwnTransportAmount},  // OtherOwnTransport
    {kIdLongStayBoardCount, kIdLongStayBoardRate, kIdLongStayBoardAmount},  // LongStayBoard
    {kIdLongStayNightCount, kIdLongStayNightRate, kIdLongStayNightAmount},  // LongStayNight
    {kIdOtherAllowanceCount, kIdOtherAllowanceRate, kIdOtherAllowanceAmount},  // OtherAllowance
    {0, 0, kIdMealDeductionNoOvernightAmount},  // MealDeductionNoOvernight
    {0, 0, kIdMealDeductionOvernight1Amount},  // MealDeductionOvernight1
    {0, 0, kIdMealDeductionOvernight2Amount},  // MealDeductionOvernight2
    {0, 0, 0},  // AdminAllowanceAbroadRate
    {kIdBoardLodgingDaysCoveredCount, 0, 0},  // BoardLodgingDaysCovered
    {0, 0, kIdAdvanceAmount},  // Advance
}};
// clang-format on

const AllowanceLineFields& AllowanceFields(int line) {
    assert(line >= 0 && line < kAllowanceLineCount);
    return kAllowanceFields[static_cast<std::size_t>(line)];
}

int RateEntryField(const RateEntry& entry) {
    return entry.line >= 0 ? AllowanceFields(entry.line).rateField : 0;
}

int TravellerFieldControl(TravellerField field) {
    switch (field) {
        case TravellerField::Name:
            return kIdName;
        case TravellerField::StreetAddress:
            return kIdStreet;
        case TravellerField::Postcode:
            return kIdPostcode;
        case TravellerField::PostTown:
            return kIdPostTown;
        case TravellerField::Position:
            return kIdPosition;
        case TravellerField::AccountNumber:
            return kIdBankAccount;
        case TravellerField::Agency:
            return kIdAgency;
        case TravellerField::Department:
            return kIdDepartment;
        case TravellerField::EmployeeNumber:
            return kIdEmployeeNumber;
        case TravellerField::TaxMunicipality:
            return kIdTaxMunicipality;
        case TravellerField::MunicipalityNumber:
            return kIdMunicipalityNumber;
        case TravellerField::TaxPercent:
            return kIdTaxPercent;
        case TravellerField::DutyStationNumber:
            return kIdDutyStation;
    }
    return 0;
}

std::vector<RateFieldText> RateFieldTexts(const RateTable& table, bool positiveOnly) {
    std::vector<RateFieldText> fields;
    for (int i = 0; i < kRateCount; ++i) {
        const RateEntry& e = table.Entry(i);
        int field = RateEntryField(e);
        if (field != 0 && (!positiveOnly || e.value > 0.0f)) {
            fields.push_back(RateFieldText{field, table.ValueText(i)});
        }
    }
    return fields;
}

}  // namespace ferdix
