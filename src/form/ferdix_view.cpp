#include "form/ferdix_view.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/text_convert.h"
#include "base/written_standard.h"
#include "calc/allowance_table.h"
#include "calc/mileage.h"
#include "calc/per_diem.h"
#include "claim/ferdix_doc.h"
#include "claim/rate_messages.h"
#include "form/control_ids.h"
#include "form/field_map.h"
#include "form/form_lists.h"
#include "form/label_table.h"
#include "rates/countries.h"
#include "rates/currencies.h"
#include "rates/rate_table.h"

namespace ferdix {

namespace {

// The allowance line and column of a grid field; line -1 when the id is no grid field.
struct GridCell {
    int line = -1;
    int column = 0;
};

GridCell FindGridCell(int id) {
    for (int line = 0; line < kAllowanceLineCount; ++line) {
        const AllowanceLineFields& info = AllowanceFields(line);
        if (info.countField == id)
            return {line, kCountColumn};
        if (info.rateField == id)
            return {line, kRateColumn};
        if (info.amountField == id)
            return {line, kAmountColumn};
    }
    return {};
}

// The whole kilometres of a car line's count. Any typed number is a count, so it is held far
// inside the 64-bit range before the cast, and the sums stay exact.
std::int64_t WholeKm(float count) {
    constexpr float kLimit = 1e15f;
    if (std::isnan(count)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::clamp(count, -kLimit, kLimit));
}

std::int64_t TypedCarKm(const CFerdixDoc& doc) {
    return WholeKm(doc.Claim().LineValue(CarUpTo9000, kCountColumn)) +
           WholeKm(doc.Claim().LineValue(CarOver9000, kCountColumn));
}

std::string DayFirstDateOf(std::string_view text, DateOrder order) {
    DateParts d;
    if (!ParseDate(text, d, order)) {
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
        for (int id : {kIdTravelList, kIdOutlayList, kIdRemarks}) {
            m_controls.UseFixedFont(id);
        }
        SetColumns();
        m_controls.LimitText(kIdTripOtherText, 25);
        m_controls.LimitText(kIdOtherAdditions, 10);
        m_controls.LimitText(kIdAdvancePlace, 18);
        // The form's own texts are bokmål.
        if (m_doc.Locale().standard == kNynorsk) {
            RelabelForm();
        }
        RefreshForm();
    }
    m_controls.SetScrollSteps(m_controls.VisibleHeight() / 2, 30);
    m_bLoading = false;
}

void CFerdixView::FillLists() {
    for (int id : {kIdTravelCurrency, kIdOutlayCurrency}) {
        m_controls.ResetContent(id);
        for (std::string_view code : kCurrencyCodes) {
            m_controls.AddString(id, code);
        }
        m_controls.SetText(id, "NOK");
    }
    m_controls.ResetContent(kIdTravelMeans);
    for (std::string_view means : MeansOfTransportChoices(m_doc.Locale().standard)) {
        m_controls.AddString(kIdTravelMeans, means);
    }
    for (int id : {kIdDayCountry, kIdNightCountry1, kIdNightCountry2, kIdUnverifiedCountry1,
                   kIdUnverifiedCountry2}) {
        m_controls.ResetContent(id);
        for (const CountryRate& c : m_doc.Rates().m_countries) {
            if (c.name.size() > 2) {
                m_controls.AddString(id, c.name);
            }
        }
    }
}

void CFerdixView::SetColumns() {
    m_controls.SetColumns(kIdTravelList, TravelListColumns(m_doc.Locale().standard));
    m_controls.SetColumns(kIdOutlayList, OutlayListColumns());
}

void CFerdixView::ClearForm() {
    m_bFilling = true;
    for (int id : {kIdPersonId, kIdName, kIdStreet, kIdTaxMunicipality, kIdPostcode,
                   kIdMunicipalityNumber, kIdPostTown, kIdTripOtherText, kIdPurpose,
                   kIdDepartureDate, kIdReturnDate, kIdReturnTime, kIdDepartureTime, kIdPosition,
                   kIdBankAccount, kIdDepartment, kIdEmployeeNumber, kIdAgency, kIdTaxPercent}) {
        m_controls.SetText(id, "");
    }
    for (int id : {kIdTravelDate, kIdTravelTime, kIdTravelFrom, kIdTravelArrival, kIdTravelTo}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetText(kIdTravelCurrency, "NOK");
    for (int id : {kIdTravelAmount, kIdTravelRate, kIdTravelSum, kIdTravelKm, kIdOutlayDate,
                   kIdOutlayText, kIdDayDomesticUnder5hCount}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetText(kIdOutlayCurrency, "NOK");
    // The entries convert with the code their field shows.
    m_travelEntry.SetCurrency("NOK");
    m_outlayEntry.SetCurrency("NOK");
    for (int id :
         {kIdOutlayAmount, kIdOutlayRate, kIdOutlaySum, kIdDayDomestic5to9hCount,
          kIdDayAbroad6to12hCount, kIdDayAbroadOver12hCount, kIdOtherAdditions, kIdAdvancePlace,
          kIdLodging, kIdRemarks, kIdAccountToCharge, kIdTripNumber, kIdInterimAccount}) {
        m_controls.SetText(id, "");
    }
    for (const AllowanceLineFields& info : kAllowanceFields) {
        for (int field : {info.countField, info.rateField, info.amountField}) {
            if (field != 0) {
                m_controls.SetText(field, "");
            }
        }
    }
    for (const RateFieldText& r : RateFieldTexts(m_doc.Rates().m_rates, false)) {
        m_controls.SetText(r.field, r.text);
    }
    m_controls.SetCheck(kIdTripCourse, true);
    m_controls.SetCheck(kIdHotel, true);
    m_controls.SetCheck(kIdAdminDomestic, true);
    m_controls.SetText(kIdWrittenDate, "");
    ShowKronerEntries();
    m_nTypedIn = 0;
    m_bFilling = false;
}

void CFerdixView::RefreshForm() {
    m_bFilling = true;
    const CTraveller& t = m_doc.Claim().Traveller();
    m_controls.SetText(kIdPersonId, t.PersonId());
    m_controls.SetText(kIdName, t.Name());
    m_controls.SetText(kIdStreet, t.StreetAddress());
    m_controls.SetText(kIdPostcode, t.Postcode());
    m_controls.SetText(kIdPostTown, t.PostTown());
    m_controls.SetText(kIdTaxMunicipality, t.TaxMunicipality());
    m_controls.SetText(kIdMunicipalityNumber, t.MunicipalityNumberText());
    m_controls.SetText(kIdDutyStation, t.DutyStationNumberText());
    m_controls.SetText(kIdAccountToCharge, t.AccountToCharge());
    m_controls.SetText(kIdTripNumber, m_doc.Claim().TripNumber());

    int kind = m_doc.Claim().TripKind();
    m_controls.SetCheck(kIdTripCourse, kind == 0);
    m_controls.SetCheck(kIdTripOfficial, kind == 1);
    m_controls.SetCheck(kIdTripOther, kind == 2);
    // The free text belongs to "Annet" and is editable only with it.
    m_controls.Enable(kIdTripOtherText, kind == 2);
    int lodging = m_doc.Claim().LodgingKind();
    m_controls.SetCheck(kIdHotel, lodging == 0);
    m_controls.SetCheck(kIdBoardingHouse, lodging == 1);
    m_controls.SetCheck(kIdLodgingOther, lodging == 2 || lodging == 3);
    m_controls.SetCheck(kIdAdminDomestic, true);
    m_controls.SetCheck(kIdAdminAbroad, false);

    m_controls.SetText(kIdTripOtherText, m_doc.Claim().Concerns());
    m_controls.SetText(kIdPurpose, m_doc.Claim().Purpose());
    m_controls.SetText(kIdDepartureDate, m_doc.Claim().DepartureDateText(m_doc.Locale().dateOrder));
    m_controls.SetText(kIdReturnDate, m_doc.Claim().ReturnDateText(m_doc.Locale().dateOrder));
    m_controls.SetText(kIdReturnTime, m_doc.Claim().ReturnTimeText());
    m_controls.SetText(kIdDepartureTime, m_doc.Claim().DepartureTimeText());
    m_controls.SetText(kIdPosition, t.Position());
    m_controls.SetText(kIdBankAccount, t.AccountNumber());
    m_controls.SetText(kIdDepartment, t.Department());
    m_controls.SetText(kIdEmployeeNumber, t.EmployeeNumberText());
    m_controls.SetText(kIdAgency, t.Agency());
    m_controls.SetText(kIdTaxPercent, t.TaxPercentText());

    FillTravelList();
    FillOutlayList();

    m_controls.SetText(kIdDayCountry, m_doc.Claim().AbroadDayCountry());
    m_controls.SetText(kIdNightCountry1, m_doc.Claim().AbroadNightCountry1());
    m_controls.SetText(kIdNightCountry2, m_doc.Claim().AbroadNightCountry2());

    for (int line = 0; line < kAllowanceLineCount; ++line) {
        RefreshGridLine(line);
    }
    RefreshCarFields();

    m_controls.SetText(kIdUnverifiedCountry1, m_doc.Claim().UnverifiedNightCountry1());
    m_controls.SetText(kIdUnverifiedCountry2, m_doc.Claim().UnverifiedNightCountry2());
    m_controls.SetText(kIdTravelMeans, m_doc.Claim().OtherTransport());
    m_controls.SetText(kIdAdvancePlace, m_doc.Claim().AdvancePlace());
    m_controls.SetText(kIdLodging, m_doc.Claim().Lodging());
    m_controls.SetText(kIdRemarks, m_doc.Claim().Remarks());
    m_controls.SetText(kIdInterimAccount, m_doc.Claim().InterimAccount());
    // Shown so that the field never reads empty while the claim holds a description.
    m_controls.SetText(kIdOtherAdditions, m_doc.Claim().OtherAdditions());

    bool overnight = lodging != 3;
    m_controls.SetCheck(kIdOvernight, overnight);
    m_nOvernight = overnight ? 1 : 0;
    for (int id : {kIdHotel, kIdBoardingHouse, kIdLodgingOther}) {
        m_controls.Enable(id, overnight);
    }
    ShowKronerEntries();
    m_nTypedIn = 0;
    m_bFilling = false;
}

void CFerdixView::ShowLineValue(int field, int line, int column) {
    if (field != 0) {
        m_controls.SetText(field, m_doc.Claim().LineValueText(line, column));
    }
}

void CFerdixView::RefreshGridLine(int line) {
    const AllowanceLineFields& info = AllowanceFields(line);
    ShowLineValue(info.countField, line, kCountColumn);
    ShowLineValue(info.rateField, line, kRateColumn);
    ShowLineValue(info.amountField, line, kAmountColumn);
}

void CFerdixView::RefreshCarFields() {
    auto a = static_cast<std::int64_t>(m_doc.Claim().Traveller().KmSoFar());
    if (a >= kCarThresholdKm) {
        m_controls.Enable(kIdCarUpTo9000Count, false);
        m_controls.SetText(kIdCarUpTo9000Count, "");
        m_controls.SetText(kIdCarUpTo9000Amount, "");
        m_controls.Enable(kIdCarOver9000Count, true);
        RefreshGridLine(CarOver9000);
        return;
    }
    m_controls.Enable(kIdCarUpTo9000Count, true);
    std::int64_t c = CarKilometres(m_doc.Claim());
    // Without car legs the kilometres typed on the car lines stand, so a refresh never
    // empties line 16.
    if (c == 0) {
        c = TypedCarKm(m_doc);
    }
    RefreshGridLine(CarUpTo9000);
    if (c + a < kCarThresholdKm) {
        m_controls.Enable(kIdCarOver9000Count, false);
        m_controls.SetText(kIdCarOver9000Count, "");
        m_controls.SetText(kIdCarOver9000Amount, "");
    } else {
        m_controls.Enable(kIdCarOver9000Count, true);
        RefreshGridLine(CarOver9000);
    }
}

void CFerdixView::WriteRateField(int field, float value) {
    m_controls.SetText(field, FormatAmount(value, true));
}

// The field being edited hands its text to the claim as leaving it would, while the focus, and
// with it the form's scroll position, stays where it is.
void CFerdixView::HandOverFocus() {
    int id = m_controls.GetFocus();
    if (id == 0 || m_bLoading) {
        return;
    }
    m_bHandingOver = true;
    OnLeave(id);
    m_bHandingOver = false;
}

void CFerdixView::HandOverTextInProgress() {
    int id = m_controls.GetFocus();
    // A field only visited is no edit: it keeps its value until it is left. While the form
    // is cleared or refreshed its fields hold the claim's values, or the last claim's.
    if (id == 0 || id != m_nTypedIn || m_bLoading || m_bFilling) {
        return;
    }
    if (BindTravellerLeave(id, true) || BindTripLeave(id, true)) {
        return;
    }
    if (id == kIdDayCountry) {
        StoreCountry(id, m_controls.GetText(id));
    }
}

void CFerdixView::MoveFocus(int id) {
    if (!m_bHandingOver) {
        m_controls.SetFocus(id);
    }
}

void CFerdixView::SetFieldText(int controlId, const std::string& text) {
    m_controls.SetText(controlId, text);
}

void CFerdixView::ShowTravellerField(TravellerField field, const std::string& text) {
    m_controls.SetText(TravellerFieldControl(field), text);
}

void CFerdixView::RelabelForm() {
    for (const RelabelStep& step : RelabelOrder()) {
        m_controls.SetText(step.id, step.Text(m_doc.Locale().standard));
    }
}

// ---------------------------------------------------------------------------------------------
// Field binding.

void CFerdixView::OnChange(int id) {
    if (id == m_controls.GetFocus() && !m_bFilling) {
        m_nTypedIn = id;
    }
    if (BindGridChange(id)) {
        return;
    }
    switch (id) {
        case kIdTravelAmount:
        case kIdTravelRate: {
            float v = ParseAmount(m_controls.GetText(id));
            if (id == kIdTravelAmount) {
                m_travelEntry.SetForeignAmount(v);
            } else {
                m_travelEntry.SetRate(v);
            }
            m_controls.SetText(kIdTravelSum, FormatAmount(m_travelEntry.Amount(), true));
            break;
        }
        case kIdOutlayAmount:
        case kIdOutlayRate: {
            float v = ParseAmount(m_controls.GetText(id));
            if (id == kIdOutlayAmount) {
                m_outlayEntry.SetForeignAmount(v);
            } else {
                m_outlayEntry.SetRate(v);
            }
            m_controls.SetText(kIdOutlaySum, FormatAmount(m_outlayEntry.Amount(), true));
            break;
        }
        case kIdOutlayCurrency:
            OutlayCurrencyChanged(false);
            break;
        case kIdNightCountry1:
        case kIdNightCountry2:
        case kIdUnverifiedCountry1:
        case kIdUnverifiedCountry2:
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
    const AllowanceLineFields& info = AllowanceFields(cell.line);
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
    if (id == m_nTypedIn && !m_bHandingOver) {
        m_nTypedIn = 0;
    }
    if (BindTravellerLeave(id) || BindTripLeave(id)) {
        return;
    }
    switch (id) {
        case kIdCarUpTo9000Count: {
            TypedSplit s = SplitTypedCarKm(m_doc.Claim().Traveller().KmSoFar(),
                                           ParseAmount(m_controls.GetText(id)));
            if (s.applies) {
                m_doc.SetLineValue(CarUpTo9000, kCountColumn, static_cast<float>(s.upTo9000));
                m_doc.SetLineValue(CarOver9000, kCountColumn, static_cast<float>(s.over9000));
                RefreshGridLine(CarUpTo9000);
                RefreshGridLine(CarOver9000);
                m_controls.Enable(kIdCarOver9000Count, true);
            }
            break;
        }
        case kIdMealDeductionNoOvernightAmount:
        case kIdMealDeductionOvernight1Amount:
        case kIdMealDeductionOvernight2Amount: {
            int line = FindGridCell(id).line;
            ShowLineValue(id, line, kAmountColumn);
            break;
        }
        case kIdAdvanceAmount:
            m_doc.SetLineValue(Advance, kAmountColumn, ParseAmount(m_controls.GetText(id)));
            ShowLineValue(id, Advance, kAmountColumn);
            break;
        case kIdDayCountry:
        case kIdNightCountry1:
        case kIdNightCountry2:
        case kIdUnverifiedCountry1:
        case kIdUnverifiedCountry2:
            StoreCountry(id, m_controls.GetText(id));
            break;
        case kIdTravelDate:
        case kIdOutlayDate:
            m_controls.SetText(id,
                               DayFirstDateOf(m_controls.GetText(id), m_doc.Locale().dateOrder));
            break;
        case kIdTravelTime: {
            bool parsed = false;
            m_controls.SetText(id, TimeOf(m_controls.GetText(id), &parsed));
            break;
        }
        case kIdTravelArrival: {
            bool parsed = false;
            std::string t = TimeOf(m_controls.GetText(id), &parsed);
            if (parsed) {
                m_controls.SetText(id, t);
            }
            break;
        }
        case kIdOutlayCurrency:
            OutlayCurrencyChanged(true);
            break;
        case kIdTravelCurrency:
            TravelCurrencyLeft();
            break;
        case kIdTravelMeans:
            TransportLeft();
            break;
        default:
            break;
    }
}

bool CFerdixView::BindTravellerLeave(int id, bool quiet) {
    const CTraveller& t = m_doc.Claim().Traveller();
    auto set = [&](auto setter, auto value) { m_doc.ChangeTraveller(setter, value); };
    std::string text = m_controls.GetText(id);
    // The field shows the stored value again, once the user has left it.
    auto show = [&](const std::string& stored) {
        if (!quiet) {
            m_controls.SetText(id, stored);
        }
    };
    switch (id) {
        case kIdPersonId:
            // A changed number reads the traveller's profile into the form: only on leaving.
            if (quiet) {
                return true;
            }
            m_doc.SetPersonId(text);
            m_controls.SetText(id, t.PersonId());
            return true;
        case kIdName:
            set(&CTraveller::SetName, text);
            return true;
        case kIdStreet:
            set(&CTraveller::SetStreetAddress, text);
            return true;
        case kIdPostcode:
            set(&CTraveller::SetPostcodeNumber, TextToInt(text));
            show(t.Postcode());
            return true;
        case kIdPostTown:
            set(&CTraveller::SetPostTown, text);
            return true;
        case kIdPosition:
            set(&CTraveller::SetPosition, text);
            return true;
        case kIdBankAccount:
            set(&CTraveller::SetAccountNumber, text);
            show(t.AccountNumber());
            return true;
        case kIdAgency:
            set(&CTraveller::SetAgency, text);
            return true;
        case kIdDepartment:
            set(&CTraveller::SetDepartment, text);
            return true;
        case kIdTaxMunicipality:
            set(&CTraveller::SetTaxMunicipality, text);
            return true;
        case kIdMunicipalityNumber:
            set(&CTraveller::SetMunicipalityNumber, TextToInt(text));
            show(t.MunicipalityNumberText());
            return true;
        case kIdEmployeeNumber:
            set(&CTraveller::SetEmployeeNumber, TextToInt(text));
            show(t.EmployeeNumberText());
            return true;
        case kIdTaxPercent:
            set(&CTraveller::SetTaxPercent, ParseAmount(text));
            show(t.TaxPercentText());
            return true;
        case kIdDutyStation:
            set(&CTraveller::SetDutyStationNumber, TextToInt(text));
            show(t.DutyStationNumberText());
            return true;
        case kIdAccountToCharge:
            set(&CTraveller::SetAccountToCharge, text);
            return true;
        default:
            return false;
    }
}

bool CFerdixView::BindTripLeave(int id, bool quiet) {
    std::string text = m_controls.GetText(id);
    // A date or time half typed would raise a message or clear its partner: in progress, only
    // a text accepted as it stands is taken.
    auto dateWaits = [&] {
        DateParts date;
        return quiet && !ParseDate(text, date, m_doc.Locale().dateOrder);
    };
    auto timeWaits = [&] {
        int hour = 0, minute = 0;
        return quiet && !ParseTime(text, hour, minute);
    };
    switch (id) {
        case kIdTripOtherText:
            m_doc.SetConcerns(text.substr(0, 25));
            return true;
        case kIdPurpose:
            m_doc.SetPurpose(text);
            return true;
        case kIdDepartureDate:
        case kIdDepartureTime:
            if (id == kIdDepartureDate
                    ? dateWaits()
                    : timeWaits() ||
                          (quiet &&
                           m_doc.Claim().DepartureDateText(m_doc.Locale().dateOrder).empty())) {
                return true;
            }
            if (id == kIdDepartureDate) {
                m_doc.SetDepartureDate(text);
            } else {
                m_doc.SetDepartureTime(text);
            }
            if (!quiet) {
                m_controls.SetText(kIdDepartureDate,
                                   m_doc.Claim().DepartureDateText(m_doc.Locale().dateOrder));
                m_controls.SetText(kIdDepartureTime, m_doc.Claim().DepartureTimeText());
            }
            return true;
        case kIdReturnDate:
        case kIdReturnTime:
            if (id == kIdReturnDate
                    ? dateWaits()
                    : timeWaits() ||
                          (quiet &&
                           m_doc.Claim().ReturnDateText(m_doc.Locale().dateOrder).empty())) {
                return true;
            }
            if (id == kIdReturnDate) {
                m_doc.SetReturnDate(text);
            } else {
                m_doc.SetReturnTime(text);
            }
            if (!quiet) {
                m_controls.SetText(kIdReturnDate,
                                   m_doc.Claim().ReturnDateText(m_doc.Locale().dateOrder));
                m_controls.SetText(kIdReturnTime, m_doc.Claim().ReturnTimeText());
            }
            return true;
        case kIdLodging:
            m_doc.SetLodging(text);
            return true;
        case kIdOtherAdditions:
            if (!m_bLoading) {
                m_doc.SetOtherAdditions(text.substr(0, 10));
            }
            return true;
        case kIdAdvancePlace:
            m_doc.SetAdvancePlace(text.substr(0, 18));
            return true;
        case kIdRemarks:
            m_doc.SetRemarks(text);
            return true;
        case kIdWrittenDate: {
            std::string normal =
                quiet ? std::string() : DayFirstDateOf(text, m_doc.Locale().dateOrder);
            if (!normal.empty()) {
                m_controls.SetText(id, normal);
            }
            return true;
        }
        case kIdTripNumber:
            m_doc.SetTripNumber(text);
            return true;
        case kIdInterimAccount:
            m_doc.SetInterimAccount(text);
            return true;
        default:
            return false;
    }
}

void CFerdixView::OnClick(int id) {
    switch (id) {
        case kIdTripCourse:
        case kIdTripOfficial:
        case kIdTripOther:
            m_doc.SetTripKind(id - kIdTripCourse);
            m_controls.Enable(kIdTripOtherText, id == kIdTripOther);
            if (id == kIdTripOther) {
                m_controls.SetFocus(kIdTripOtherText);
            }
            break;
        case kIdOvernight: {
            bool checked = m_controls.IsChecked(kIdOvernight);
            m_nOvernight = checked ? 1 : 0;
            for (int b : {kIdHotel, kIdBoardingHouse, kIdLodgingOther}) {
                m_controls.Enable(b, checked);
            }
            if (!checked) {
                m_doc.SetLodgingKind(3);
            }
            break;
        }
        case kIdHotel:
        case kIdBoardingHouse:
        case kIdLodgingOther:
            m_doc.SetLodgingKind(id - kIdHotel);
            break;
        case kIdAdminDomestic:
            m_controls.SetText(kIdAdminAllowanceRate, m_doc.Rates().m_rates.ValueText(kRateAdmin));
            break;
        case kIdAdminAbroad:
            m_controls.SetText(kIdAdminAllowanceRate,
                               m_doc.Rates().m_rates.ValueText(kRateAdminAbroad));
            break;
        case kIdTravelRegister:
            RegisterTravelLine();
            break;
        case kIdOutlayRegister:
            RegisterOutlayLine();
            break;
        case kIdMealInfo1:
        case kIdMealInfo2:
        case kIdMealInfo3:
            ShowMealRates();
            break;
        default:
            break;
    }
}

void CFerdixView::OnSelChange(int id) {
    switch (id) {
        case kIdDayCountry:
        case kIdNightCountry1:
        case kIdNightCountry2:
        case kIdUnverifiedCountry1:
        case kIdUnverifiedCountry2:
            PickCountry(id);
            break;
        case kIdTravelCurrency:
            EnableTravelAmounts(true, true);
            break;
        case kIdOutlayCurrency:
            for (int f : {kIdOutlayAmount, kIdOutlayRate, kIdOutlaySum}) {
                m_controls.Enable(f, true);
            }
            break;
        default:
            break;
    }
}

void CFerdixView::OnDoubleClick(int id) {
    if (id == kIdTravelList) {
        TakeBackTravelLine();
    } else if (id == kIdOutlayList) {
        TakeBackOutlayLine();
    }
}

// ---------------------------------------------------------------------------------------------
// Countries.

void CFerdixView::PickCountry(int id) {
    std::string picked = m_controls.GetSelectedItemText(id);
    for (const CountryRate& c : m_doc.Rates().m_countries) {
        if (c.name.size() <= 2 || c.name != picked) {
            continue;
        }
        switch (id) {
            case kIdDayCountry:
                WriteRateField(kIdDayAbroadOver12hRate, static_cast<float>(c.perDiemRate));
                WriteRateField(kIdDayAbroad6to12hRate,
                               static_cast<float>(ShortAbroadDayRate(c.perDiemRate)));
                break;
            case kIdNightCountry1:
                WriteRateField(AllowanceFields(OvernightAbroad1).rateField,
                               static_cast<float>(c.perDiemRate));
                break;
            case kIdNightCountry2:
                WriteRateField(AllowanceFields(OvernightAbroad2).rateField,
                               static_cast<float>(c.perDiemRate));
                break;
            case kIdUnverifiedCountry1:
                WriteRateField(AllowanceFields(NightAbroad1).rateField,
                               static_cast<float>(c.nightRate));
                break;
            default:
                WriteRateField(AllowanceFields(NightAbroad2).rateField,
                               static_cast<float>(c.nightRate));
                break;
        }
    }
    if (id == kIdNightCountry1 || id == kIdUnverifiedCountry1 || id == kIdUnverifiedCountry2) {
        StoreCountry(id, picked);
    }
}

void CFerdixView::StoreCountry(int id, std::string_view text) {
    switch (id) {
        case kIdDayCountry:
            m_doc.SetAbroadDayCountry(text);
            break;
        case kIdNightCountry1:
            m_doc.SetAbroadNightCountry1(text);
            break;
        case kIdNightCountry2:
            m_doc.SetAbroadNightCountry2(text);
            break;
        case kIdUnverifiedCountry1:
            m_doc.SetUnverifiedNightCountry1(text);
            break;
        case kIdUnverifiedCountry2:
            m_doc.SetUnverifiedNightCountry2(text);
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Travel and outlay entries.

void CFerdixView::OutlayCurrencyChanged(bool leaving) {
    std::string code = m_controls.GetText(kIdOutlayCurrency);
    m_outlayEntry.SetCurrency(code);
    bool nok = IsNokCurrency(code);
    m_controls.Enable(kIdOutlayAmount, !nok);
    m_controls.Enable(kIdOutlayRate, !nok);
    m_controls.Enable(kIdOutlaySum, nok);
    if (leaving) {
        MoveFocus(nok ? kIdOutlaySum : kIdOutlayAmount);
    }
}

void CFerdixView::EnableTravelAmounts(bool foreign, bool kroner) {
    m_controls.Enable(kIdTravelAmount, foreign);
    m_controls.Enable(kIdTravelRate, foreign);
    m_controls.Enable(kIdTravelSum, kroner);
}

// The entry rows as their currency boxes say: a kroner code takes the kroner sum, never a
// foreign amount or rate. Run wherever the boxes get their text other than by typing.
void CFerdixView::ShowKronerEntries() {
    std::string outlay = m_controls.GetText(kIdOutlayCurrency);
    m_outlayEntry.SetCurrency(outlay);
    if (IsNokCurrency(outlay)) {
        m_controls.Enable(kIdOutlayAmount, false);
        m_controls.Enable(kIdOutlayRate, false);
        m_controls.Enable(kIdOutlaySum, true);
    }
    std::string travel = m_controls.GetText(kIdTravelCurrency);
    m_travelEntry.SetCurrency(travel);
    // A car leg keeps its own rule: no sum, no currency.
    if (IsCarTransport(m_controls.GetText(kIdTravelMeans))) {
        return;
    }
    m_controls.Enable(kIdTravelCurrency, true);
    if (travel.starts_with("NOK")) {
        EnableTravelAmounts(false, true);
    }
}

void CFerdixView::TravelCurrencyLeft() {
    std::string code = m_controls.GetText(kIdTravelCurrency);
    m_travelEntry.SetCurrency(code);
    bool nok = code == "NOK";
    // Enabled before the focus moves: a disabled field refuses the focus, and a focus that
    // passes through a field only to leave it again raises a leave inside this one.
    // A car leg is paid by the kilometre, never with a sum of its own.
    if (IsCarTransport(m_controls.GetText(kIdTravelMeans))) {
        m_controls.SetText(kIdTravelSum, "");
        for (int f : {kIdTravelAmount, kIdTravelRate, kIdTravelSum, kIdTravelCurrency}) {
            m_controls.Enable(f, false);
        }
        MoveFocus(kIdTravelRegister);
    } else {
        EnableTravelAmounts(!nok, nok);
        MoveFocus(nok ? kIdTravelSum : kIdTravelAmount);
    }
}

void CFerdixView::TransportLeft() {
    std::string means = m_controls.GetText(kIdTravelMeans);
    m_doc.SetOtherTransportCandidate(means);
    bool car = IsCarTransport(means);
    if (car) {
        m_controls.SetText(kIdTravelSum, "");
    }
    for (int f : {kIdTravelAmount, kIdTravelRate, kIdTravelSum, kIdTravelCurrency}) {
        m_controls.Enable(f, !car);
    }
}

void CFerdixView::RegisterTravelLine() {
    auto line = std::make_unique<CTravelLine>();
    line->SetDate(m_controls.GetText(kIdTravelDate), m_doc.Locale().dateOrder);
    line->SetStartTime(m_controls.GetText(kIdTravelTime));
    line->SetText(m_controls.GetText(kIdTravelFrom));
    line->SetTo(m_controls.GetText(kIdTravelTo));
    line->SetArrivalTime(m_controls.GetText(kIdTravelArrival));
    line->SetTransport(m_controls.GetText(kIdTravelMeans));
    line->SetKm(TextToInt(m_controls.GetText(kIdTravelKm)));
    line->SetForeignAmount(ParseAmount(m_controls.GetText(kIdTravelAmount)));
    line->SetRate(ParseAmount(m_controls.GetText(kIdTravelRate)));
    line->SetAmount(ParseAmount(m_controls.GetText(kIdTravelSum)));
    line->SetCurrency(m_controls.GetText(kIdTravelCurrency));
    m_doc.AddTravelLine(std::move(line));
    FillTravelList();
    SplitCarKilometres();

    m_controls.SetText(kIdTravelTime, m_controls.GetText(kIdTravelArrival));
    m_controls.SetText(kIdTravelFrom, m_controls.GetText(kIdTravelTo));
    for (int id : {kIdTravelArrival, kIdTravelTo, kIdTravelAmount, kIdTravelRate, kIdTravelSum,
                   kIdTravelMeans, kIdTravelKm}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetFocus(kIdTravelDate);
    m_controls.Enable(kIdTravelSum, true);
    m_controls.Enable(kIdTravelCurrency, true);
    ShowKronerEntries();
}

void CFerdixView::RegisterOutlayLine() {
    auto line = std::make_unique<CExpenseLine>();
    line->SetDate(m_controls.GetText(kIdOutlayDate), m_doc.Locale().dateOrder);
    line->SetText(m_controls.GetText(kIdOutlayText));
    line->SetForeignAmount(ParseAmount(m_controls.GetText(kIdOutlayAmount)));
    line->SetRate(ParseAmount(m_controls.GetText(kIdOutlayRate)));
    line->SetAmount(ParseAmount(m_controls.GetText(kIdOutlaySum)));
    line->SetCurrency(m_controls.GetText(kIdOutlayCurrency));
    for (int id : {kIdOutlayText, kIdOutlayAmount, kIdOutlayRate, kIdOutlaySum}) {
        m_controls.SetText(id, "");
    }
    m_doc.AddOutlayLine(std::move(line));
    FillOutlayList();
    m_controls.SetFocus(kIdOutlayDate);
    ShowKronerEntries();
}

int CFerdixView::SelectedLinePosition(int list) const {
    int row = m_controls.FirstSelectedRow(list);
    return row < 0 ? -1 : m_controls.RowData(list, row);
}

void CFerdixView::TakeBackTravelLine() {
    int pos = SelectedLinePosition(kIdTravelList);
    const CTravelLine* line =
        pos < 0 ? nullptr : m_doc.Claim().GetTravelLine(static_cast<std::size_t>(pos));
    if (!line) {
        return;
    }
    m_controls.SetText(kIdTravelDate, line->DateText(m_doc.Locale().dateOrder));
    m_controls.SetText(kIdTravelTime, line->StartTimeText());
    m_controls.SetText(kIdTravelFrom, line->Text());
    m_controls.SetText(kIdTravelTo, line->To());
    m_controls.SetText(kIdTravelArrival, line->ArrivalTimeText());
    m_controls.SetText(kIdTravelMeans, line->Transport());
    m_controls.SetText(kIdTravelKm, line->KmText());
    m_controls.SetText(kIdTravelAmount, line->ForeignAmountText());
    m_controls.SetText(kIdTravelRate, line->RateText());
    m_controls.SetText(kIdTravelSum, line->AmountText());
    m_controls.SetText(kIdTravelCurrency, line->Currency());

    std::unique_ptr<CTravelLine> taken = m_doc.RemoveTravelLine(static_cast<std::size_t>(pos));
    FillTravelList();
    m_doc.RecomputeOtherTransport();

    m_controls.SetFocus(kIdTravelDate);
    m_travelEntry.SetCurrency(taken->Currency());
    if (!IsNokCurrency(taken->Currency())) {
        EnableTravelAmounts(true, false);
    } else {
        m_controls.Enable(kIdTravelAmount, false);
        m_controls.Enable(kIdTravelRate, false);
        if (IsCarTransport(taken->Transport())) {
            m_controls.SetText(kIdTravelSum, "");
            m_controls.Enable(kIdTravelSum, false);
            m_controls.SetFocus(kIdTravelRegister);
        } else {
            m_controls.Enable(kIdTravelSum, true);
        }
    }
    taken.reset();
    SplitCarKilometres();
}

void CFerdixView::TakeBackOutlayLine() {
    int pos = SelectedLinePosition(kIdOutlayList);
    const CExpenseLine* line =
        pos < 0 ? nullptr : m_doc.Claim().GetOutlayLine(static_cast<std::size_t>(pos));
    if (!line) {
        return;
    }
    m_controls.SetText(kIdOutlayDate, line->DateText(m_doc.Locale().dateOrder));
    m_controls.SetText(kIdOutlayText, line->Text());
    m_controls.SetText(kIdOutlayAmount, line->ForeignAmountText());
    m_controls.SetText(kIdOutlayRate, line->RateText());
    m_controls.SetText(kIdOutlaySum, line->AmountText());
    m_controls.SetText(kIdOutlayCurrency, line->Currency());
    OutlayCurrencyChanged(false);
    m_doc.RemoveOutlayLine(static_cast<std::size_t>(pos));
    FillOutlayList();
    m_controls.SetFocus(kIdOutlayDate);
}

void CFerdixView::FillTravelList() {
    std::vector<ListRow> rows;
    rows.reserve(m_doc.Claim().m_travelLines.size());
    int pos = 0;
    for (const auto& l : m_doc.Claim().m_travelLines) {
        rows.push_back({{l->DateTextPadded(m_doc.Locale().dateOrder), l->StartTimeText(true),
                         l->Text(), l->To(), l->ArrivalTimeText(true), l->Transport(),
                         l->ForeignAmountText(), l->Currency(), l->RateText(), l->AmountText()},
                        pos++});
    }
    m_controls.SetRows(kIdTravelList, std::move(rows));
}

void CFerdixView::FillOutlayList() {
    std::vector<ListRow> rows;
    rows.reserve(m_doc.Claim().m_outlayLines.size());
    int pos = 0;
    for (const auto& l : m_doc.Claim().m_outlayLines) {
        rows.push_back({{l->DateTextPadded(m_doc.Locale().dateOrder), l->Text(),
                         l->ForeignAmountText(), l->Currency(), l->RateText(), l->AmountText()},
                        pos++});
    }
    m_controls.SetRows(kIdOutlayList, std::move(rows));
}

void CFerdixView::SplitCarKilometres() {
    SplitCarKilometres(CarKilometres(m_doc.Claim()));
}

// A new figure of kilometres so far. Without a car leg the kilometres typed on lines 15 and 16
// are the trip's car kilometres: they are split again, never emptied.
void CFerdixView::RecomputeMileageRows() {
    bool carLeg =
        std::any_of(m_doc.Claim().m_travelLines.begin(), m_doc.Claim().m_travelLines.end(),
                    [](const auto& l) { return IsCarTransport(l->Transport()); });
    if (carLeg) {
        SplitCarKilometres();
        return;
    }
    SplitCarKilometres(TypedCarKm(m_doc));
}

void CFerdixView::SplitCarKilometres(std::int64_t carKm) {
    auto a = static_cast<std::int64_t>(m_doc.Claim().Traveller().KmSoFar());
    CarSplit s = SplitCar(a, carKm);
    m_doc.SetLineValue(CarUpTo9000, kCountColumn, static_cast<float>(s.upTo9000));
    m_doc.SetLineValue(CarOver9000, kCountColumn, static_cast<float>(s.over9000));
    if (!s.upTo9000Enabled) {
        m_controls.SetText(kIdCarUpTo9000Count, "");
    } else {
        ShowLineValue(kIdCarUpTo9000Count, CarUpTo9000, kCountColumn);
    }
    m_controls.Enable(kIdCarUpTo9000Count, s.upTo9000Enabled);
    ShowLineValue(kIdCarOver9000Count, CarOver9000, kCountColumn);
    m_controls.Enable(kIdCarOver9000Count, s.over9000Enabled);
    std::int64_t other = OtherVehicleKilometres(m_doc.Claim());
    if (other != 0) {
        m_controls.SetText(kIdOtherOwnTransportCount, std::to_string(other));
    }
}

// ---------------------------------------------------------------------------------------------
// Commands.

void CFerdixView::UpdateRates() {
    m_doc.Rates().m_rates.RestoreConfiguredRates();
    if (IClaimHost* host = m_doc.Host()) {
        host->ShowMessage(UpdateRatesWarning());
    }
    for (const RateFieldText& r : RateFieldTexts(m_doc.Rates().m_rates, true)) {
        m_controls.SetText(r.field, r.text);
    }
}

void CFerdixView::ShowMealRates() {
    if (IClaimHost* host = m_doc.Host()) {
        host->ShowMessage(MealRateMessage(m_doc.Locale().standard, m_doc.Rates().m_rates));
    }
}

void CFerdixView::RegisterPersonDetails() {
    HandOverFocus();
    m_doc.WriteProfile();
}

void CFerdixView::EditKmSoFar() {
    if (!m_pHost) {
        return;
    }
    std::optional<std::uint32_t> km = m_pHost->AskKmSoFar(m_doc.Claim().Traveller().KmSoFar());
    if (!km) {
        return;
    }
    m_doc.ChangeTraveller(&CTraveller::SetKmSoFar, *km);
    m_doc.WriteProfile();
    RecomputeMileageRows();
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
            return m_controls.FirstSelectedRow(kIdTravelList) >= 0;
        case kCmdEditOutlayLine:
            return m_controls.FirstSelectedRow(kIdOutlayList) >= 0;
        default:
            return true;
    }
}

bool CFerdixView::IsCommandChecked(int command) const {
    switch (command) {
        case kCmdBokmal:
        case kCmdBokmalToolbar:
            return m_doc.Locale().standard == kBokmal;
        case kCmdNynorsk:
        case kCmdNynorskToolbar:
            return m_doc.Locale().standard == kNynorsk;
        default:
            return false;
    }
}

}  // namespace ferdix
