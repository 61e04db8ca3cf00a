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
#include "form/bound_fields.h"
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

// The trip's car kilometres: those of its car legs. Legs without car kilometres leave those
// typed on lines 15 and 16 as the trip's, so that a new split or a refresh never empties them.
std::int64_t TripCarKm(const ClaimData& claim) {
    std::int64_t legs = CarKilometres(claim);
    if (legs != 0) {
        return legs;
    }
    return WholeKm(claim.LineValue(CarUpTo9000, kCountColumn)) +
           WholeKm(claim.LineValue(CarOver9000, kCountColumn));
}

template <typename Kind, std::size_t N>
const KindButton<Kind>* FindButton(const std::array<KindButton<Kind>, N>& buttons, int id) {
    auto it = std::find_if(buttons.begin(), buttons.end(),
                           [id](const KindButton<Kind>& b) { return b.id == id; });
    return it == buttons.end() ? nullptr : &*it;
}

}  // namespace

CFerdixView::CFerdixView(CFerdixDoc& doc, IFormControls& controls, IViewHost* host)
    : m_doc(doc), m_controls(controls), m_pHost(host), m_entries(doc, controls) {}

// ---------------------------------------------------------------------------------------------
// Set-up, clearing and refreshing.

void CFerdixView::InitialiseForm() {
    if (!m_bLoading) {
        FillLists();
        for (int id : {kIdTravelList, kIdOutlayList, kIdRemarks}) {
            m_controls.UseFixedFont(id);
        }
        SetColumns();
        for (const BoundField& f : BoundFields()) {
            if (f.limit != 0) {
                m_controls.LimitText(f.id, static_cast<int>(f.limit));
            }
        }
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
    for (const BoundField& f : BoundFields()) {
        m_controls.SetText(f.id, "");
    }
    m_entries.Clear();
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
    m_entries.ShowKronerEntries();
    m_nTypedIn = 0;
    m_bFilling = false;
}

void CFerdixView::RefreshForm() {
    m_bFilling = true;
    const ClaimData& claim = m_doc.Claim();
    for (const BoundField& f : BoundFields()) {
        m_controls.SetText(f.id, f.shown(claim, m_doc.Locale().dateOrder));
    }
    KindOfTrip trip = TripKindOf(claim);
    for (const auto& b : kTripKindButtons) {
        m_controls.SetCheck(b.id, b.kind == trip);
    }
    // The free text belongs to "Annet" and is editable only with it.
    m_controls.Enable(kIdTripOtherText, trip == KindOfTrip::Other);
    KindOfLodging lodging = LodgingKindOf(claim);
    bool overnight = lodging != KindOfLodging::None;
    for (const auto& b : kLodgingKindButtons) {
        m_controls.SetCheck(b.id,
                            b.kind == lodging || (b.kind == KindOfLodging::Other && !overnight));
    }
    m_controls.SetCheck(kIdAdminDomestic, true);
    m_controls.SetCheck(kIdAdminAbroad, false);

    m_entries.FillTravelList();
    m_entries.FillOutlayList();
    for (int line = 0; line < kAllowanceLineCount; ++line) {
        RefreshGridLine(line);
    }
    RefreshCarFields();
    // The travel row's means shows the last uncommon means of the claim.
    m_controls.SetText(kIdTravelMeans, claim.OtherTransport());

    m_controls.SetCheck(kIdOvernight, overnight);
    m_nOvernight = overnight ? 1 : 0;
    for (const auto& b : kLodgingKindButtons) {
        m_controls.Enable(b.id, overnight);
    }
    m_entries.ShowKronerEntries();
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
    CarSplit s = SplitCar(a, TripCarKm(m_doc.Claim()));
    for (auto [line, enabled] :
         {std::pair{CarUpTo9000, s.upTo9000Enabled}, std::pair{CarOver9000, s.over9000Enabled}}) {
        const AllowanceLineFields& info = AllowanceFields(line);
        m_controls.Enable(info.countField, enabled);
        if (enabled) {
            RefreshGridLine(line);
        } else {
            m_controls.SetText(info.countField, "");
            m_controls.SetText(info.amountField, "");
        }
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
    if (const BoundField* f = FindBoundField(id)) {
        StoreField(*f, true);
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
    if (BindGridChange(id) || m_entries.OnChange(id)) {
        return;
    }
    const BoundField* f = FindBoundField(id);
    if (f && f->kind == BoundKind::Country) {
        f->store(m_doc, m_controls.GetText(id));
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
    if (const BoundField* f = FindBoundField(id)) {
        StoreField(*f, false);
        return;
    }
    switch (id) {
        case kIdWrittenDate: {
            std::string normal = DayFirstDateOf(m_controls.GetText(id), m_doc.Locale().dateOrder);
            if (!normal.empty()) {
                m_controls.SetText(id, normal);
            }
            break;
        }
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
        default:
            m_entries.OnLeave(id, !m_bHandingOver);
            break;
    }
}

// The text a field shows into the claim, on leaving it or, `inProgress`, for the edit not yet
// left: then without a message, without rewriting the field and without what only leaving may
// do (reading a profile). A field takes the user's text as it stands: the control holds it to
// the field's limit as it is typed, and a longer text read from a file stays as it is.
void CFerdixView::StoreField(const BoundField& f, bool inProgress) {
    std::string text = m_controls.GetText(f.id);
    const ClaimData& claim = m_doc.Claim();
    // A field left as it was filled holds no edit. Storing what it shows could change what the
    // claim was read with: an employee number of -1 or a tax percent below 0.1 show empty.
    if (text == f.shown(claim, m_doc.Locale().dateOrder)) {
        return;
    }
    switch (f.kind) {
        case BoundKind::Text:
            if (f.storedWhileLoading || !m_bLoading) {
                f.store(m_doc, text);
            }
            return;
        case BoundKind::Country:
            // Typing has stored the name already.
            if (!inProgress) {
                f.store(m_doc, text);
            }
            return;
        case BoundKind::Identity:
            if (inProgress) {
                return;
            }
            [[fallthrough]];
        case BoundKind::Normalised:
            f.store(m_doc, text);
            if (!inProgress) {
                m_controls.SetText(f.id, f.shown(claim, m_doc.Locale().dateOrder));
            }
            return;
        case BoundKind::Date:
        case BoundKind::Time: {
            const BoundField& date = f.kind == BoundKind::Date ? f : *FindBoundField(f.partner);
            const BoundField& time = f.kind == BoundKind::Time ? f : *FindBoundField(f.partner);
            // A date or time half typed would raise a message or clear its partner: in
            // progress, only a text accepted as it stands is taken.
            if (inProgress) {
                DateParts parts;
                int hour = 0, minute = 0;
                bool waits = f.kind == BoundKind::Date
                                 ? !ParseDate(text, parts, m_doc.Locale().dateOrder)
                                 : !ParseTime(text, hour, minute) ||
                                       date.shown(claim, m_doc.Locale().dateOrder).empty();
                if (waits) {
                    return;
                }
            }
            f.store(m_doc, text);
            if (!inProgress) {
                m_controls.SetText(date.id, date.shown(claim, m_doc.Locale().dateOrder));
                m_controls.SetText(time.id, time.shown(claim, m_doc.Locale().dateOrder));
            }
            return;
        }
    }
}

void CFerdixView::OnClick(int id) {
    if (const auto* b = FindButton(kTripKindButtons, id)) {
        bool other = b->kind == KindOfTrip::Other;
        m_doc.SetTripKind(static_cast<int>(b->kind));
        m_controls.Enable(kIdTripOtherText, other);
        if (other) {
            m_controls.SetFocus(kIdTripOtherText);
        }
        return;
    }
    if (const auto* b = FindButton(kLodgingKindButtons, id)) {
        m_doc.SetLodgingKind(static_cast<int>(b->kind));
        return;
    }
    switch (id) {
        case kIdOvernight: {
            bool checked = m_controls.IsChecked(kIdOvernight);
            m_nOvernight = checked ? 1 : 0;
            for (const auto& b : kLodgingKindButtons) {
                m_controls.Enable(b.id, checked);
            }
            if (!checked) {
                m_doc.SetLodgingKind(static_cast<int>(KindOfLodging::None));
            }
            break;
        }
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
            m_entries.RegisterOutlayLine();
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
        default:
            m_entries.OnSelChange(id);
            break;
    }
}

void CFerdixView::OnDoubleClick(int id) {
    if (id == kIdTravelList) {
        TakeBackTravelLine();
    } else if (id == kIdOutlayList) {
        m_entries.TakeBackOutlayLine();
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
        FindBoundField(id)->store(m_doc, picked);
    }
}

// ---------------------------------------------------------------------------------------------
// Travel lines and the car kilometres.

void CFerdixView::RegisterTravelLine() {
    m_entries.RegisterTravelLine();
    SplitCarKilometres();
    m_entries.StartNextTravelLine();
}

void CFerdixView::TakeBackTravelLine() {
    if (m_entries.TakeBackTravelLine()) {
        SplitCarKilometres();
    }
}

void CFerdixView::SplitCarKilometres() {
    SplitCarKilometres(CarKilometres(m_doc.Claim()));
}

// A new figure of kilometres so far.
void CFerdixView::RecomputeMileageRows() {
    SplitCarKilometres(TripCarKm(m_doc.Claim()));
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
            m_entries.TakeBackOutlayLine();
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
