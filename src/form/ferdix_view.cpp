#include "form/ferdix_view.h"

#include <algorithm>
#include <array>

#include "base/text_convert.h"
#include "base/written_standard.h"
#include "calc/allowance_table.h"
#include "calc/mileage.h"
#include "calc/per_diem.h"
#include "claim/ferdix_doc.h"
#include "form/form_lists.h"
#include "form/label_table.h"
#include "rates/countries.h"
#include "rates/currencies.h"
#include "rates/rate_table.h"

namespace ferdix {

namespace {

// Control ids the form's behaviour refers to by name.
constexpr int kPersonId = 1004;
constexpr int kName = 1011;
constexpr int kStreet = 1012;
constexpr int kTaxMunicipality = 1013;
constexpr int kPostcode = 1014;
constexpr int kMunicipalityNumber = 1015;
constexpr int kPostTown = 1016;
constexpr int kTripCourse = 1018;
constexpr int kTripOfficial = 1019;
constexpr int kTripOther = 1020;
constexpr int kConcerns = 1021;
constexpr int kPurpose = 1023;
constexpr int kDepartureDate = 1024;
constexpr int kReturnDate = 1026;
constexpr int kReturnTime = 1028;
constexpr int kDepartureTime = 1030;
constexpr int kPosition = 1032;
constexpr int kBankAccount = 1033;
constexpr int kDepartment = 1035;
constexpr int kEmployeeNumber = 1037;
constexpr int kAgency = 1038;
constexpr int kTaxPercent = 1039;
constexpr int kDutyStation = 1219;
constexpr int kLodging = 1001;
constexpr int kOvernight = 1246;
constexpr int kHotel = 1209;
constexpr int kBoardingHouse = 1210;
constexpr int kLodgingOther = 1211;
constexpr int kAdminDomestic = 1275;
constexpr int kAdminAbroad = 1276;
constexpr int kAdminRate = 1253;
// Travel entry.
constexpr int kTravelList = 1043;
constexpr int kTravelDate = 1044;
constexpr int kTravelTime = 1045;
constexpr int kTravelFrom = 1046;
constexpr int kTravelArrival = 1047;
constexpr int kTravelTo = 1048;
constexpr int kTravelCurrency = 1049;
constexpr int kTravelAmount = 1050;
constexpr int kTravelRate = 1051;
constexpr int kTravelSum = 1052;
constexpr int kTravelKm = 1054;
constexpr int kTravelMeans = 1117;
constexpr int kTravelRegister = 1248;
// Outlay entry.
constexpr int kOutlayList = 1057;
constexpr int kOutlayDate = 1058;
constexpr int kOutlayText = 1060;
constexpr int kOutlayCurrency = 1063;
constexpr int kOutlayAmount = 1064;
constexpr int kOutlayRate = 1065;
constexpr int kOutlaySum = 1066;
constexpr int kOutlayRegister = 1069;
// Countries and the fields their rates go into.
constexpr int kDayCountry = 1081;
constexpr int kNightCountry1 = 1085;
constexpr int kNightCountry2 = 1089;
constexpr int kUnverifiedCountry1 = 1096;
constexpr int kUnverifiedCountry2 = 1100;
constexpr int kDayAbroad6to12Rate = 1077;
constexpr int kDayAbroadOver12Rate = 1078;
// Car lines.
constexpr int kCarUpTo9000Count = 1093;
constexpr int kCarUpTo9000Amount = 1095;
constexpr int kCarOver9000Count = 1097;
constexpr int kCarOver9000Rate = 1098;
constexpr int kCarOver9000Amount = 1099;
constexpr int kOtherTransportCount = 1105;
// Other fields.
constexpr int kOtherAdditions = 1133;
constexpr int kAdvance = 1138;
constexpr int kAdvancePlace = 1140;
constexpr int kRemarks = 1171;
constexpr int kAccountToCharge = 1202;
constexpr int kWrittenDate = 1206;
constexpr int kInterimAccount = 1215;
constexpr int kTripNumber = 1237;
constexpr int kMealInfo1 = 1263;
constexpr int kMealInfo2 = 1264;
constexpr int kMealInfo3 = 1265;

// The allowance line and column of a grid field; line -1 when the id is no grid field.
struct GridCell {
    int line = -1;
    int column = 0;
};

GridCell FindGridCell(int id) {
    for (int line = 0; line < kAllowanceLineCount; ++line) {
        const AllowanceLineInfo& info = kAllowanceLines[static_cast<std::size_t>(line)];
        if (info.countField == id)
            return {line, kCountColumn};
        if (info.rateField == id)
            return {line, kRateColumn};
        if (info.amountField == id)
            return {line, kAmountColumn};
    }
    return {};
}

std::string DayFirstDateOf(std::string_view text) {
    DateParts d;
    if (!ParseDate(text, d)) {
        return {};
    }
    return FormatDateDayFirst(CivilTime{d.year, d.month, d.day, 0, 0, 0});
}

std::string TimeOf(std::string_view text, bool* parsed) {
    int h = 0, m = 0;
    *parsed = ParseTime(text, h, m);
    return *parsed ? FormatTime(CivilTime{0, 0, 0, h, m, 0}) : std::string();
}

}  // namespace

CFerdixView::CFerdixView(CFerdixDoc& doc, IFormControls& controls, IViewHost* host)
    : m_doc(doc), m_controls(controls), m_pHost(host) {}

// ---------------------------------------------------------------------------------------------
// Set-up, clearing and refreshing.

void CFerdixView::InitialiseForm() {
    if (!m_bLoading) {
        FillLists();
        for (int id : {kTravelList, kOutlayList, kRemarks}) {
            m_controls.UseFixedFont(id);
        }
        SetColumns();
        m_controls.LimitText(kConcerns, 25);
        m_controls.LimitText(kOtherAdditions, 10);
        m_controls.LimitText(kAdvancePlace, 18);
        // The form's own texts are bokmål.
        if (WrittenStandard() == kNynorsk) {
            RelabelForm();
        }
        RefreshForm();
    }
    m_controls.SetScrollSteps(m_controls.VisibleHeight() / 2, 30);
    m_bLoading = false;
}

void CFerdixView::FillLists() {
    for (int id : {kTravelCurrency, kOutlayCurrency}) {
        m_controls.ResetContent(id);
        for (std::string_view code : kCurrencyCodes) {
            m_controls.AddString(id, code);
        }
        m_controls.SetText(id, "NOK");
    }
    m_controls.ResetContent(kTravelMeans);
    for (std::string_view means : MeansOfTransportChoices()) {
        m_controls.AddString(kTravelMeans, means);
    }
    for (int id :
         {kDayCountry, kNightCountry1, kNightCountry2, kUnverifiedCountry1, kUnverifiedCountry2}) {
        m_controls.ResetContent(id);
        for (const CountryRate& c : m_doc.m_countries) {
            if (c.name.size() > 2) {
                m_controls.AddString(id, c.name);
            }
        }
    }
}

void CFerdixView::SetColumns() {
    m_controls.SetColumns(kTravelList, TravelListColumns());
    m_controls.SetColumns(kOutlayList, OutlayListColumns());
}

void CFerdixView::ClearForm() {
    for (int id :
         {kPersonId, kName, kStreet, kTaxMunicipality, kPostcode, kMunicipalityNumber, kPostTown,
          kConcerns, kPurpose, kDepartureDate, kReturnDate, kReturnTime, kDepartureTime, kPosition,
          kBankAccount, kDepartment, kEmployeeNumber, kAgency, kTaxPercent}) {
        m_controls.SetText(id, "");
    }
    for (int id : {kTravelDate, kTravelTime, kTravelFrom, kTravelArrival, kTravelTo}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetText(kTravelCurrency, "NOK");
    for (int id :
         {kTravelAmount, kTravelRate, kTravelSum, kTravelKm, kOutlayDate, kOutlayText, 1062}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetText(kOutlayCurrency, "NOK");
    // The entries convert with the code their field shows.
    m_travelEntry.SetCurrency("NOK");
    m_outlayEntry.SetCurrency("NOK");
    for (int id : {1064, 1065, 1066, 1067, 1068, 1070, kOtherAdditions, kAdvancePlace, kLodging,
                   kRemarks, kAccountToCharge, kTripNumber, kInterimAccount}) {
        m_controls.SetText(id, "");
    }
    for (const AllowanceLineInfo& info : kAllowanceLines) {
        for (int field : {info.countField, info.rateField, info.amountField}) {
            if (field != 0) {
                m_controls.SetText(field, "");
            }
        }
    }
    for (const RateFieldText& r : RateFieldTexts(m_doc.m_rates, false)) {
        m_controls.SetText(r.field, r.text);
    }
    m_controls.SetCheck(kTripCourse, true);
    m_controls.SetCheck(kHotel, true);
    m_controls.SetCheck(kAdminDomestic, true);
    m_controls.SetText(kWrittenDate, "");
}

void CFerdixView::RefreshForm() {
    const CTraveller& t = m_doc.Traveller();
    m_controls.SetText(kPersonId, t.PersonId());
    m_controls.SetText(kName, t.Name());
    m_controls.SetText(kStreet, t.StreetAddress());
    m_controls.SetText(kPostcode, t.Postcode());
    m_controls.SetText(kPostTown, t.PostTown());
    m_controls.SetText(kTaxMunicipality, t.TaxMunicipality());
    m_controls.SetText(kMunicipalityNumber, t.MunicipalityNumberText());
    m_controls.SetText(kDutyStation, t.DutyStationNumberText());
    m_controls.SetText(kAccountToCharge, t.AccountToCharge());
    m_controls.SetText(kTripNumber, m_doc.TripNumber());

    int kind = m_doc.TripKind();
    m_controls.SetCheck(kTripCourse, kind == 0);
    m_controls.SetCheck(kTripOfficial, kind == 1);
    m_controls.SetCheck(kTripOther, kind == 2);
    // The free text belongs to "Annet" and is editable only with it.
    m_controls.Enable(kConcerns, kind == 2);
    int lodging = m_doc.LodgingKind();
    m_controls.SetCheck(kHotel, lodging == 0);
    m_controls.SetCheck(kBoardingHouse, lodging == 1);
    m_controls.SetCheck(kLodgingOther, lodging == 2 || lodging == 3);
    m_controls.SetCheck(kAdminDomestic, true);
    m_controls.SetCheck(kAdminAbroad, false);

    m_controls.SetText(kConcerns, m_doc.Concerns());
    m_controls.SetText(kPurpose, m_doc.Purpose());
    m_controls.SetText(kDepartureDate, m_doc.DepartureDateText());
    m_controls.SetText(kReturnDate, m_doc.ReturnDateText());
    m_controls.SetText(kReturnTime, m_doc.ReturnTimeText());
    m_controls.SetText(kDepartureTime, m_doc.DepartureTimeText());
    m_controls.SetText(kPosition, t.Position());
    m_controls.SetText(kBankAccount, t.AccountNumber());
    m_controls.SetText(kDepartment, t.Department());
    m_controls.SetText(kEmployeeNumber, t.EmployeeNumberText());
    m_controls.SetText(kAgency, t.Agency());
    m_controls.SetText(kTaxPercent, t.TaxPercentText());

    FillTravelList();
    FillOutlayList();

    m_controls.SetText(kDayCountry, m_doc.AbroadDayCountry());
    m_controls.SetText(kNightCountry1, m_doc.AbroadNightCountry1());
    m_controls.SetText(kNightCountry2, m_doc.AbroadNightCountry2());

    for (int line = 0; line < kAllowanceLineCount; ++line) {
        RefreshGridLine(line);
    }
    RefreshCarFields();

    m_controls.SetText(kUnverifiedCountry1, m_doc.UnverifiedNightCountry1());
    m_controls.SetText(kUnverifiedCountry2, m_doc.UnverifiedNightCountry2());
    m_controls.SetText(kTravelMeans, m_doc.OtherTransport());
    m_controls.SetText(kAdvancePlace, m_doc.AdvancePlace());
    m_controls.SetText(kLodging, m_doc.Lodging());
    m_controls.SetText(kRemarks, m_doc.Remarks());
    m_controls.SetText(kInterimAccount, m_doc.InterimAccount());
    // Shown so that the field never reads empty while the claim holds a description.
    m_controls.SetText(kOtherAdditions, m_doc.OtherAdditions());

    bool overnight = lodging != 3;
    m_controls.SetCheck(kOvernight, overnight);
    m_nOvernight = overnight ? 1 : 0;
    for (int id : {kHotel, kBoardingHouse, kLodgingOther}) {
        m_controls.Enable(id, overnight);
    }
}

void CFerdixView::ShowLineValue(int field, int line, int column) {
    if (field != 0) {
        m_controls.SetText(field, m_doc.LineValueText(line, column));
    }
}

void CFerdixView::RefreshGridLine(int line) {
    const AllowanceLineInfo& info = kAllowanceLines[static_cast<std::size_t>(line)];
    ShowLineValue(info.countField, line, kCountColumn);
    ShowLineValue(info.rateField, line, kRateColumn);
    ShowLineValue(info.amountField, line, kAmountColumn);
}

void CFerdixView::RefreshCarFields() {
    auto a = static_cast<std::int64_t>(m_doc.Traveller().KmSoFar());
    if (a >= kCarThresholdKm) {
        m_controls.Enable(kCarUpTo9000Count, false);
        m_controls.SetText(kCarUpTo9000Count, "");
        m_controls.SetText(kCarUpTo9000Amount, "");
        m_controls.Enable(kCarOver9000Count, true);
        RefreshGridLine(CarOver9000);
        return;
    }
    m_controls.Enable(kCarUpTo9000Count, true);
    std::int64_t c = CarKilometres(m_doc);
    // Without car legs the kilometres typed on the car lines stand, so a refresh never
    // empties line 16.
    if (c == 0) {
        c = static_cast<std::int64_t>(m_doc.LineValue(CarUpTo9000, kCountColumn)) +
            static_cast<std::int64_t>(m_doc.LineValue(CarOver9000, kCountColumn));
    }
    RefreshGridLine(CarUpTo9000);
    if (c + a < kCarThresholdKm) {
        m_controls.Enable(kCarOver9000Count, false);
        m_controls.SetText(kCarOver9000Count, "");
        m_controls.SetText(kCarOver9000Amount, "");
    } else {
        m_controls.Enable(kCarOver9000Count, true);
        RefreshGridLine(CarOver9000);
    }
}

void CFerdixView::WriteRateField(int field, float value) {
    m_controls.SetText(field, FormatAmount(value, true));
}

void CFerdixView::HandOverFocus() {
    int had = m_controls.GetFocus();
    // Through the identity-number field, or away from it when it is the one being edited, so
    // that its own text reaches the claim too.
    m_controls.SetFocus(had == kPersonId ? 0 : kPersonId);
    m_controls.SetFocus(had);
}

void CFerdixView::SetFieldText(int controlId, const std::string& text) {
    m_controls.SetText(controlId, text);
}

void CFerdixView::RelabelForm() {
    for (const RelabelStep& step : RelabelOrder()) {
        m_controls.SetText(step.id, step.Text());
    }
}

// ---------------------------------------------------------------------------------------------
// Field binding.

void CFerdixView::OnChange(int id) {
    if (BindGridChange(id)) {
        return;
    }
    switch (id) {
        case kTravelAmount:
        case kTravelRate: {
            float v = ParseAmount(m_controls.GetText(id));
            if (id == kTravelAmount) {
                m_travelEntry.SetForeignAmount(v);
            } else {
                m_travelEntry.SetRate(v);
            }
            m_controls.SetText(kTravelSum, FormatAmount(m_travelEntry.Amount(), true));
            break;
        }
        case kOutlayAmount:
        case kOutlayRate: {
            float v = ParseAmount(m_controls.GetText(id));
            if (id == kOutlayAmount) {
                m_outlayEntry.SetForeignAmount(v);
            } else {
                m_outlayEntry.SetRate(v);
            }
            m_controls.SetText(kOutlaySum, FormatAmount(m_outlayEntry.Amount(), true));
            break;
        }
        case kOutlayCurrency:
            OutlayCurrencyChanged(false);
            break;
        case kNightCountry1:
        case kNightCountry2:
        case kUnverifiedCountry1:
        case kUnverifiedCountry2:
            StoreCountry(id, m_controls.GetText(id));
            break;
        default:
            break;
    }
}

bool CFerdixView::BindGridChange(int id) {
    GridCell cell = FindGridCell(id);
    if (cell.line < 0) {
        return false;
    }
    const AllowanceLineInfo& info = kAllowanceLines[static_cast<std::size_t>(cell.line)];
    float value = ParseAmount(m_controls.GetText(id));
    if (cell.column == kAmountColumn) {
        // Only the typed amounts (meal deductions, advance) write back, also while loading.
        if (cell.line == MealDeductionNoOvernight || cell.line == MealDeductionOvernight1 ||
            cell.line == MealDeductionOvernight2 || cell.line == Advance) {
            m_doc.SetLineValue(cell.line, kAmountColumn, value);
        }
        return true;
    }
    if (m_bLoading) {
        return true;
    }
    m_doc.SetLineValue(cell.line, cell.column, value);
    ShowLineValue(info.amountField, cell.line, kAmountColumn);
    return true;
}

void CFerdixView::OnLeave(int id) {
    if (BindTravellerLeave(id) || BindTripLeave(id)) {
        return;
    }
    switch (id) {
        case kCarUpTo9000Count: {
            TypedSplit s =
                SplitTypedCarKm(m_doc.Traveller().KmSoFar(), ParseAmount(m_controls.GetText(id)));
            if (s.applies) {
                m_doc.SetLineValue(CarUpTo9000, kCountColumn, static_cast<float>(s.upTo9000));
                m_doc.SetLineValue(CarOver9000, kCountColumn, static_cast<float>(s.over9000));
                RefreshGridLine(CarUpTo9000);
                RefreshGridLine(CarOver9000);
                m_controls.Enable(kCarOver9000Count, true);
            }
            break;
        }
        case 1134:
        case 1135:
        case 1136: {
            int line = FindGridCell(id).line;
            ShowLineValue(id, line, kAmountColumn);
            break;
        }
        case kAdvance:
            m_doc.SetLineValue(Advance, kAmountColumn, ParseAmount(m_controls.GetText(id)));
            ShowLineValue(id, Advance, kAmountColumn);
            break;
        case kDayCountry:
        case kNightCountry1:
        case kNightCountry2:
        case kUnverifiedCountry1:
        case kUnverifiedCountry2:
            StoreCountry(id, m_controls.GetText(id));
            break;
        case kTravelDate:
        case kOutlayDate:
            m_controls.SetText(id, DayFirstDateOf(m_controls.GetText(id)));
            break;
        case kTravelTime: {
            bool parsed = false;
            m_controls.SetText(id, TimeOf(m_controls.GetText(id), &parsed));
            break;
        }
        case kTravelArrival: {
            bool parsed = false;
            std::string t = TimeOf(m_controls.GetText(id), &parsed);
            if (parsed) {
                m_controls.SetText(id, t);
            }
            break;
        }
        case kOutlayCurrency:
            OutlayCurrencyChanged(true);
            break;
        case kTravelCurrency:
            TravelCurrencyLeft();
            break;
        case kTravelMeans:
            TransportLeft();
            break;
        default:
            break;
    }
}

bool CFerdixView::BindTravellerLeave(int id) {
    CTraveller& t = m_doc.Traveller();
    std::string text = m_controls.GetText(id);
    switch (id) {
        case kPersonId:
            t.SetPersonId(text);
            m_controls.SetText(id, t.PersonId());
            return true;
        case kName:
            t.SetName(text);
            return true;
        case kStreet:
            t.SetStreetAddress(text);
            return true;
        case kPostcode:
            t.SetPostcodeNumber(TextToInt(text));
            m_controls.SetText(id, t.Postcode());
            return true;
        case kPostTown:
            t.SetPostTown(text);
            return true;
        case kPosition:
            t.SetPosition(text);
            return true;
        case kBankAccount:
            t.SetAccountNumber(text);
            m_controls.SetText(id, t.AccountNumber());
            return true;
        case kAgency:
            t.SetAgency(text);
            return true;
        case kDepartment:
            t.SetDepartment(text);
            return true;
        case kTaxMunicipality:
            t.SetTaxMunicipality(text);
            return true;
        case kMunicipalityNumber:
            t.SetMunicipalityNumber(TextToInt(text));
            m_controls.SetText(id, t.MunicipalityNumberText());
            return true;
        case kEmployeeNumber:
            t.SetEmployeeNumber(TextToInt(text));
            m_controls.SetText(id, t.EmployeeNumberText());
            return true;
        case kTaxPercent:
            t.SetTaxPercent(ParseAmount(text));
            m_controls.SetText(id, t.TaxPercentText());
            return true;
        case kDutyStation:
            t.SetDutyStationNumber(TextToInt(text));
            m_controls.SetText(id, t.DutyStationNumberText());
            return true;
        case kAccountToCharge:
            t.SetAccountToCharge(text);
            return true;
        default:
            return false;
    }
}

bool CFerdixView::BindTripLeave(int id) {
    std::string text = m_controls.GetText(id);
    switch (id) {
        case kConcerns:
            m_doc.SetConcerns(text.substr(0, 25));
            return true;
        case kPurpose:
            m_doc.SetPurpose(text);
            return true;
        case kDepartureDate:
            m_doc.SetDepartureDate(text);
            m_controls.SetText(kDepartureDate, m_doc.DepartureDateText());
            m_controls.SetText(kDepartureTime, m_doc.DepartureTimeText());
            return true;
        case kDepartureTime:
            m_doc.SetDepartureTime(text);
            m_controls.SetText(kDepartureDate, m_doc.DepartureDateText());
            m_controls.SetText(kDepartureTime, m_doc.DepartureTimeText());
            return true;
        case kReturnDate:
            m_doc.SetReturnDate(text);
            m_controls.SetText(kReturnDate, m_doc.ReturnDateText());
            m_controls.SetText(kReturnTime, m_doc.ReturnTimeText());
            return true;
        case kReturnTime:
            m_doc.SetReturnTime(text);
            m_controls.SetText(kReturnDate, m_doc.ReturnDateText());
            m_controls.SetText(kReturnTime, m_doc.ReturnTimeText());
            return true;
        case kLodging:
            m_doc.SetLodging(text);
            return true;
        case kOtherAdditions:
            if (!m_bLoading) {
                m_doc.SetOtherAdditions(text.substr(0, 10));
            }
            return true;
        case kAdvancePlace:
            m_doc.SetAdvancePlace(text.substr(0, 18));
            return true;
        case kRemarks:
            m_doc.SetRemarks(text);
            return true;
        case kWrittenDate: {
            std::string normal = DayFirstDateOf(text);
            if (!normal.empty()) {
                m_controls.SetText(id, normal);
            }
            return true;
        }
        case kTripNumber:
            m_doc.SetTripNumber(text);
            return true;
        case kInterimAccount:
            m_doc.SetInterimAccount(text);
            return true;
        default:
            return false;
    }
}

void CFerdixView::OnClick(int id) {
    switch (id) {
        case kTripCourse:
        case kTripOfficial:
        case kTripOther:
            m_doc.SetTripKind(id - kTripCourse);
            m_controls.Enable(kConcerns, id == kTripOther);
            if (id == kTripOther) {
                m_controls.SetFocus(kConcerns);
            }
            break;
        case kOvernight: {
            bool checked = m_controls.IsChecked(kOvernight);
            m_nOvernight = checked ? 1 : 0;
            for (int b : {kHotel, kBoardingHouse, kLodgingOther}) {
                m_controls.Enable(b, checked);
            }
            if (!checked) {
                m_doc.SetLodgingKind(3);
            }
            break;
        }
        case kHotel:
        case kBoardingHouse:
        case kLodgingOther:
            m_doc.SetLodgingKind(id - kHotel);
            break;
        case kAdminDomestic:
            m_controls.SetText(kAdminRate, m_doc.m_rates.ValueText(kRateAdmin));
            break;
        case kAdminAbroad:
            m_controls.SetText(kAdminRate, m_doc.m_rates.ValueText(kRateAdminAbroad));
            break;
        case kTravelRegister:
            RegisterTravelLine();
            break;
        case kOutlayRegister:
            RegisterOutlayLine();
            break;
        case kMealInfo1:
        case kMealInfo2:
        case kMealInfo3:
            ShowMealRates();
            break;
        default:
            break;
    }
}

void CFerdixView::OnSelChange(int id) {
    switch (id) {
        case kDayCountry:
        case kNightCountry1:
        case kNightCountry2:
        case kUnverifiedCountry1:
        case kUnverifiedCountry2:
            PickCountry(id);
            break;
        case kTravelCurrency:
            EnableTravelAmounts(true, true);
            break;
        case kOutlayCurrency:
            for (int f : {kOutlayAmount, kOutlayRate, kOutlaySum}) {
                m_controls.Enable(f, true);
            }
            break;
        default:
            break;
    }
}

void CFerdixView::OnDoubleClick(int id) {
    if (id == kTravelList) {
        TakeBackTravelLine();
    } else if (id == kOutlayList) {
        TakeBackOutlayLine();
    }
}

// ---------------------------------------------------------------------------------------------
// Countries.

void CFerdixView::PickCountry(int id) {
    std::string picked = m_controls.GetSelectedItemText(id);
    for (const CountryRate& c : m_doc.m_countries) {
        if (c.name.size() <= 2 || c.name != picked) {
            continue;
        }
        switch (id) {
            case kDayCountry:
                WriteRateField(kDayAbroadOver12Rate, static_cast<float>(c.perDiemRate));
                WriteRateField(kDayAbroad6to12Rate,
                               static_cast<float>(ShortAbroadDayRate(c.perDiemRate)));
                break;
            case kNightCountry1:
                WriteRateField(kAllowanceLines[OvernightAbroad1].rateField,
                               static_cast<float>(c.perDiemRate));
                break;
            case kNightCountry2:
                WriteRateField(kAllowanceLines[OvernightAbroad2].rateField,
                               static_cast<float>(c.perDiemRate));
                break;
            case kUnverifiedCountry1:
                WriteRateField(kAllowanceLines[NightAbroad1].rateField,
                               static_cast<float>(c.nightRate));
                break;
            default:
                WriteRateField(kAllowanceLines[NightAbroad2].rateField,
                               static_cast<float>(c.nightRate));
                break;
        }
    }
    if (id == kNightCountry1 || id == kUnverifiedCountry1 || id == kUnverifiedCountry2) {
        StoreCountry(id, picked);
    }
}

void CFerdixView::StoreCountry(int id, std::string_view text) {
    switch (id) {
        case kDayCountry:
            m_doc.SetAbroadDayCountry(text);
            break;
        case kNightCountry1:
            m_doc.SetAbroadNightCountry1(text);
            break;
        case kNightCountry2:
            m_doc.SetAbroadNightCountry2(text);
            break;
        case kUnverifiedCountry1:
            m_doc.SetUnverifiedNightCountry1(text);
            break;
        case kUnverifiedCountry2:
            m_doc.SetUnverifiedNightCountry2(text);
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Travel and outlay entries.

void CFerdixView::OutlayCurrencyChanged(bool leaving) {
    std::string code = m_controls.GetText(kOutlayCurrency);
    m_outlayEntry.SetCurrency(code);
    bool nok = IsNokCurrency(code);
    m_controls.Enable(kOutlayAmount, !nok);
    m_controls.Enable(kOutlayRate, !nok);
    m_controls.Enable(kOutlaySum, nok);
    if (leaving) {
        m_controls.SetFocus(nok ? kOutlaySum : kOutlayAmount);
    }
}

void CFerdixView::EnableTravelAmounts(bool foreign, bool kroner) {
    m_controls.Enable(kTravelAmount, foreign);
    m_controls.Enable(kTravelRate, foreign);
    m_controls.Enable(kTravelSum, kroner);
}

void CFerdixView::TravelCurrencyLeft() {
    std::string code = m_controls.GetText(kTravelCurrency);
    m_travelEntry.SetCurrency(code);
    bool nok = code == "NOK";
    m_controls.SetFocus(nok ? kTravelSum : kTravelAmount);
    // A car leg is paid by the kilometre, never with a sum of its own.
    if (IsCarTransport(m_controls.GetText(kTravelMeans))) {
        m_controls.SetText(kTravelSum, "");
        for (int f : {kTravelAmount, kTravelRate, kTravelSum, kTravelCurrency}) {
            m_controls.Enable(f, false);
        }
        m_controls.SetFocus(kTravelRegister);
    } else {
        EnableTravelAmounts(!nok, nok);
    }
}

void CFerdixView::TransportLeft() {
    std::string means = m_controls.GetText(kTravelMeans);
    m_doc.SetOtherTransportCandidate(means);
    bool car = IsCarTransport(means);
    if (car) {
        m_controls.SetText(kTravelSum, "");
    }
    for (int f : {kTravelAmount, kTravelRate, kTravelSum, kTravelCurrency}) {
        m_controls.Enable(f, !car);
    }
}

void CFerdixView::RegisterTravelLine() {
    auto line = std::make_unique<CTravelLine>();
    line->SetDate(m_controls.GetText(kTravelDate));
    line->SetStartTime(m_controls.GetText(kTravelTime));
    line->SetText(m_controls.GetText(kTravelFrom));
    line->SetTo(m_controls.GetText(kTravelTo));
    line->SetArrivalTime(m_controls.GetText(kTravelArrival));
    line->SetTransport(m_controls.GetText(kTravelMeans));
    line->SetKm(TextToInt(m_controls.GetText(kTravelKm)));
    line->SetForeignAmount(ParseAmount(m_controls.GetText(kTravelAmount)));
    line->SetRate(ParseAmount(m_controls.GetText(kTravelRate)));
    line->SetAmount(ParseAmount(m_controls.GetText(kTravelSum)));
    line->SetCurrency(m_controls.GetText(kTravelCurrency));
    m_doc.AddTravelLine(std::move(line));
    FillTravelList();
    SplitCarKilometres();

    m_controls.SetText(kTravelTime, m_controls.GetText(kTravelArrival));
    m_controls.SetText(kTravelFrom, m_controls.GetText(kTravelTo));
    for (int id : {kTravelArrival, kTravelTo, kTravelAmount, kTravelRate, kTravelSum, kTravelMeans,
                   kTravelKm}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetFocus(kTravelDate);
    m_controls.Enable(kTravelSum, true);
    m_controls.Enable(kTravelCurrency, true);
}

void CFerdixView::RegisterOutlayLine() {
    auto line = std::make_unique<CExpenseLine>();
    line->SetDate(m_controls.GetText(kOutlayDate));
    line->SetText(m_controls.GetText(kOutlayText));
    line->SetForeignAmount(ParseAmount(m_controls.GetText(kOutlayAmount)));
    line->SetRate(ParseAmount(m_controls.GetText(kOutlayRate)));
    line->SetAmount(ParseAmount(m_controls.GetText(kOutlaySum)));
    line->SetCurrency(m_controls.GetText(kOutlayCurrency));
    for (int id : {kOutlayText, kOutlayAmount, kOutlayRate, kOutlaySum}) {
        m_controls.SetText(id, "");
    }
    m_doc.AddOutlayLine(std::move(line));
    FillOutlayList();
    m_controls.SetFocus(kOutlayDate);
}

int CFerdixView::SelectedLinePosition(int list) const {
    int row = m_controls.FirstSelectedRow(list);
    return row < 0 ? -1 : m_controls.RowData(list, row);
}

void CFerdixView::TakeBackTravelLine() {
    int pos = SelectedLinePosition(kTravelList);
    const CTravelLine* line =
        pos < 0 ? nullptr : m_doc.GetTravelLine(static_cast<std::size_t>(pos));
    if (!line) {
        return;
    }
    m_controls.SetText(kTravelDate, line->DateText());
    m_controls.SetText(kTravelTime, line->StartTimeText());
    m_controls.SetText(kTravelFrom, line->Text());
    m_controls.SetText(kTravelTo, line->To());
    m_controls.SetText(kTravelArrival, line->ArrivalTimeText());
    m_controls.SetText(kTravelMeans, line->Transport());
    m_controls.SetText(kTravelKm, line->KmText());
    m_controls.SetText(kTravelAmount, line->ForeignAmountText());
    m_controls.SetText(kTravelRate, line->RateText());
    m_controls.SetText(kTravelSum, line->AmountText());
    m_controls.SetText(kTravelCurrency, line->Currency());

    std::unique_ptr<CTravelLine> taken = m_doc.RemoveTravelLine(static_cast<std::size_t>(pos));
    FillTravelList();
    m_doc.RecomputeOtherTransport();

    m_controls.SetFocus(kTravelDate);
    m_travelEntry.SetCurrency(taken->Currency());
    if (!IsNokCurrency(taken->Currency())) {
        EnableTravelAmounts(true, false);
    } else {
        m_controls.Enable(kTravelAmount, false);
        m_controls.Enable(kTravelRate, false);
        if (IsCarTransport(taken->Transport())) {
            m_controls.SetText(kTravelSum, "");
            m_controls.Enable(kTravelSum, false);
            m_controls.SetFocus(kTravelRegister);
        } else {
            m_controls.Enable(kTravelSum, true);
        }
    }
    taken.reset();
    SplitCarKilometres();
}

void CFerdixView::TakeBackOutlayLine() {
    int pos = SelectedLinePosition(kOutlayList);
    const CExpenseLine* line =
        pos < 0 ? nullptr : m_doc.GetOutlayLine(static_cast<std::size_t>(pos));
    if (!line) {
        return;
    }
    m_controls.SetText(kOutlayDate, line->DateText());
    m_controls.SetText(kOutlayText, line->Text());
    m_controls.SetText(kOutlayAmount, line->ForeignAmountText());
    m_controls.SetText(kOutlayRate, line->RateText());
    m_controls.SetText(kOutlaySum, line->AmountText());
    m_controls.SetText(kOutlayCurrency, line->Currency());
    OutlayCurrencyChanged(false);
    m_doc.RemoveOutlayLine(static_cast<std::size_t>(pos));
    FillOutlayList();
    m_controls.SetFocus(kOutlayDate);
}

void CFerdixView::FillTravelList() {
    m_controls.DeleteAllRows(kTravelList);
    int pos = 0;
    for (const auto& l : m_doc.m_travelLines) {
        m_controls.AddRow(kTravelList,
                          {l->DateTextPadded(), l->StartTimeText(true), l->Text(), l->To(),
                           l->ArrivalTimeText(true), l->Transport(), l->ForeignAmountText(),
                           l->Currency(), l->RateText(), l->AmountText()},
                          pos++);
    }
}

void CFerdixView::FillOutlayList() {
    m_controls.DeleteAllRows(kOutlayList);
    int pos = 0;
    for (const auto& l : m_doc.m_outlayLines) {
        m_controls.AddRow(kOutlayList,
                          {l->DateTextPadded(), l->Text(), l->ForeignAmountText(), l->Currency(),
                           l->RateText(), l->AmountText()},
                          pos++);
    }
}

void CFerdixView::SplitCarKilometres() {
    auto a = static_cast<std::int64_t>(m_doc.Traveller().KmSoFar());
    CarSplit s = SplitCar(a, CarKilometres(m_doc));
    m_doc.SetLineValue(CarUpTo9000, kCountColumn, static_cast<float>(s.upTo9000));
    m_doc.SetLineValue(CarOver9000, kCountColumn, static_cast<float>(s.over9000));
    if (!s.upTo9000Enabled) {
        m_controls.SetText(kCarUpTo9000Count, "");
    } else {
        ShowLineValue(kCarUpTo9000Count, CarUpTo9000, kCountColumn);
    }
    m_controls.Enable(kCarUpTo9000Count, s.upTo9000Enabled);
    ShowLineValue(kCarOver9000Count, CarOver9000, kCountColumn);
    m_controls.Enable(kCarOver9000Count, s.over9000Enabled);
    std::int64_t other = OtherVehicleKilometres(m_doc);
    if (other != 0) {
        m_controls.SetText(kOtherTransportCount, std::to_string(other));
    }
}

// ---------------------------------------------------------------------------------------------
// Commands.

void CFerdixView::UpdateRates() {
    m_doc.m_rates.RestoreConfiguredRates();
    if (IClaimHost* host = m_doc.Host()) {
        host->ShowMessage(UpdateRatesWarning());
    }
    for (const RateFieldText& r : RateFieldTexts(m_doc.m_rates, true)) {
        m_controls.SetText(r.field, r.text);
    }
}

void CFerdixView::ShowMealRates() {
    if (IClaimHost* host = m_doc.Host()) {
        host->ShowMessage(MealRateMessage(m_doc.m_rates));
    }
}

void CFerdixView::RegisterPersonDetails() {
    int had = m_controls.GetFocus();
    m_controls.SetFocus(had == kPersonId ? 0 : kPersonId);
    m_doc.WriteProfile();
    m_controls.SetFocus(had);
}

void CFerdixView::EditKmSoFar() {
    if (!m_pHost) {
        return;
    }
    std::optional<std::uint32_t> km = m_pHost->AskKmSoFar(m_doc.Traveller().KmSoFar());
    if (!km) {
        return;
    }
    m_doc.Traveller().SetKmSoFar(*km);
    m_doc.WriteProfile();
    SplitCarKilometres();
}

void CFerdixView::SwitchWrittenStandard(int standard) {
    m_doc.SetWrittenStandard(standard);
    m_doc.WriteProfileStartLanguage(standard);
    RelabelForm();
}

void CFerdixView::ScrollPage(int direction) {
    int page = m_controls.VisibleHeight() / 2;
    int end = std::max(0, m_controls.ContentHeight() - m_controls.VisibleHeight());
    int pos = m_controls.ScrollPosition() + direction * page;
    m_controls.SetScrollPosition(std::clamp(pos, 0, end));
}

bool CFerdixView::Execute(int command) {
    switch (command) {
        case kCmdCut:
            m_controls.Cut();
            return true;
        case kCmdCopy:
            m_controls.Copy();
            return true;
        case kCmdPaste:
            m_controls.Paste();
            return true;
        case kCmdEditTravelLine:
            TakeBackTravelLine();
            return true;
        case kCmdEditOutlayLine:
            TakeBackOutlayLine();
            return true;
        case kCmdKmSoFar:
            EditKmSoFar();
            return true;
        case kCmdRegisterPerson:
            RegisterPersonDetails();
            return true;
        case kCmdScrollDown:
            ScrollPage(1);
            return true;
        case kCmdScrollUp:
            ScrollPage(-1);
            return true;
        case kCmdUpdateRates:
            UpdateRates();
            return true;
        case kCmdBokmal:
        case kCmdBokmalToolbar:
            SwitchWrittenStandard(kBokmal);
            return true;
        case kCmdNynorsk:
        case kCmdNynorskToolbar:
            SwitchWrittenStandard(kNynorsk);
            return true;
        default:
            return false;
    }
}

bool CFerdixView::IsCommandEnabled(int command) const {
    switch (command) {
        case kCmdPaste:
            return m_controls.ClipboardHasText();
        case kCmdEditTravelLine:
            return m_controls.FirstSelectedRow(kTravelList) >= 0;
        case kCmdEditOutlayLine:
            return m_controls.FirstSelectedRow(kOutlayList) >= 0;
        default:
            return true;
    }
}

bool CFerdixView::IsCommandChecked(int command) const {
    switch (command) {
        case kCmdBokmal:
        case kCmdBokmalToolbar:
            return WrittenStandard() == kBokmal;
        case kCmdNynorsk:
        case kCmdNynorskToolbar:
            return WrittenStandard() == kNynorsk;
        default:
            return false;
    }
}

}  // namespace ferdix
