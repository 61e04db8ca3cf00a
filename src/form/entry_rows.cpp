#include "form/entry_rows.h"

#include <memory>

#include "base/text_convert.h"
#include "calc/mileage.h"
#include "claim/ferdix_doc.h"
#include "form/control_ids.h"
#include "rates/currencies.h"

namespace ferdix {

namespace {

constexpr int kTravelAmountFields[] = {kIdTravelAmount, kIdTravelRate, kIdTravelSum,
                                       kIdTravelCurrency};

std::string TimeOf(std::string_view text, bool* parsed) {
    int h = 0, m = 0;
    *parsed = ParseTime(text, h, m);
    return *parsed ? FormatTime(CivilTime{0, 0, 0, h, m, 0}) : std::string();
}

// One field of an entry row: what it shows of a line taken back, and how a line being
// registered takes its text.
template <typename Line>
struct EntryField {
    int id;
    std::string (*shown)(const Line&, DateOrder);
    void (*store)(Line&, const std::string&, DateOrder);
};

// In the order a line is put into its row and read from it: the kroner sum after the amount
// and the rate, so that the line gets the sum the row shows.
// clang-format off
const EntryField<CTravelLine> kTravelFields[] = {
    {kIdTravelDate, [](const CTravelLine& l, DateOrder o) { return l.DateText(o); },
     [](CTravelLine& l, const std::string& t, DateOrder o) { l.SetDate(t, o); }},
    {kIdTravelTime, [](const CTravelLine& l, DateOrder) { return l.StartTimeText(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetStartTime(t); }},
    {kIdTravelFrom, [](const CTravelLine& l, DateOrder) { return l.Text(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetText(t); }},
    {kIdTravelTo, [](const CTravelLine& l, DateOrder) { return l.To(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetTo(t); }},
    {kIdTravelArrival, [](const CTravelLine& l, DateOrder) { return l.ArrivalTimeText(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetArrivalTime(t); }},
    {kIdTravelMeans, [](const CTravelLine& l, DateOrder) { return l.Transport(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetTransport(t); }},
    {kIdTravelKm, [](const CTravelLine& l, DateOrder) { return l.KmText(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetKm(TextToInt(t)); }},
    {kIdTravelAmount, [](const CTravelLine& l, DateOrder) { return l.ForeignAmountText(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetForeignAmount(ParseAmount(t)); }},
    {kIdTravelRate, [](const CTravelLine& l, DateOrder) { return l.RateText(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetRate(ParseAmount(t)); }},
    {kIdTravelSum, [](const CTravelLine& l, DateOrder) { return l.AmountText(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetAmount(ParseAmount(t)); }},
    {kIdTravelCurrency, [](const CTravelLine& l, DateOrder) { return l.Currency(); },
     [](CTravelLine& l, const std::string& t, DateOrder) { l.SetCurrency(t); }},
};

const EntryField<CExpenseLine> kOutlayFields[] = {
    {kIdOutlayDate, [](const CExpenseLine& l, DateOrder o) { return l.DateText(o); },
     [](CExpenseLine& l, const std::string& t, DateOrder o) { l.SetDate(t, o); }},
    {kIdOutlayText, [](const CExpenseLine& l, DateOrder) { return l.Text(); },
     [](CExpenseLine& l, const std::string& t, DateOrder) { l.SetText(t); }},
    {kIdOutlayAmount, [](const CExpenseLine& l, DateOrder) { return l.ForeignAmountText(); },
     [](CExpenseLine& l, const std::string& t, DateOrder) { l.SetForeignAmount(ParseAmount(t)); }},
    {kIdOutlayRate, [](const CExpenseLine& l, DateOrder) { return l.RateText(); },
     [](CExpenseLine& l, const std::string& t, DateOrder) { l.SetRate(ParseAmount(t)); }},
    {kIdOutlaySum, [](const CExpenseLine& l, DateOrder) { return l.AmountText(); },
     [](CExpenseLine& l, const std::string& t, DateOrder) { l.SetAmount(ParseAmount(t)); }},
    {kIdOutlayCurrency, [](const CExpenseLine& l, DateOrder) { return l.Currency(); },
     [](CExpenseLine& l, const std::string& t, DateOrder) { l.SetCurrency(t); }},
};
// clang-format on

template <typename Line, std::size_t N>
std::unique_ptr<Line> LineOfRow(const IFormControls& controls, const EntryField<Line> (&fields)[N],
                                DateOrder order) {
    auto line = std::make_unique<Line>();
    for (const EntryField<Line>& f : fields) {
        f.store(*line, controls.GetText(f.id), order);
    }
    return line;
}

template <typename Line, std::size_t N>
void ShowInRow(IFormControls& controls, const EntryField<Line> (&fields)[N], const Line& line,
               DateOrder order) {
    for (const EntryField<Line>& f : fields) {
        controls.SetText(f.id, f.shown(line, order));
    }
}

}  // namespace

std::string DayFirstDateOf(std::string_view text, DateOrder order) {
    DateParts d;
    if (!ParseDate(text, d, order)) {
        return {};
    }
    return FormatDateDayFirst(CivilTime{d.year, d.month, d.day, 0, 0, 0});
}

CEntryRows::CEntryRows(CFerdixDoc& doc, IFormControls& controls)
    : m_doc(doc), m_controls(controls) {}

void CEntryRows::Clear() {
    for (int id : {kIdTravelDate, kIdTravelTime, kIdTravelFrom, kIdTravelArrival, kIdTravelTo}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetText(kIdTravelCurrency, "NOK");
    for (int id : {kIdTravelAmount, kIdTravelRate, kIdTravelSum, kIdTravelKm, kIdOutlayDate,
                   kIdOutlayText}) {
        m_controls.SetText(id, "");
    }
    m_controls.SetText(kIdOutlayCurrency, "NOK");
    // The entries convert with the code their field shows.
    m_travel.SetCurrency("NOK");
    m_outlay.SetCurrency("NOK");
    for (int id : {kIdOutlayAmount, kIdOutlayRate, kIdOutlaySum}) {
        m_controls.SetText(id, "");
    }
}

bool CEntryRows::OnChange(int id) {
    switch (id) {
        case kIdTravelAmount:
        case kIdTravelRate: {
            float v = ParseAmount(m_controls.GetText(id));
            if (id == kIdTravelAmount) {
                m_travel.SetForeignAmount(v);
            } else {
                m_travel.SetRate(v);
            }
            m_controls.SetText(kIdTravelSum, FormatAmount(m_travel.Amount(), true));
            return true;
        }
        case kIdOutlayAmount:
        case kIdOutlayRate: {
            float v = ParseAmount(m_controls.GetText(id));
            if (id == kIdOutlayAmount) {
                m_outlay.SetForeignAmount(v);
            } else {
                m_outlay.SetRate(v);
            }
            m_controls.SetText(kIdOutlaySum, FormatAmount(m_outlay.Amount(), true));
            return true;
        }
        case kIdOutlayCurrency:
            OutlayCurrencyChanged(false);
            return true;
        default:
            return false;
    }
}

bool CEntryRows::OnLeave(int id, bool moveFocus) {
    switch (id) {
        case kIdTravelDate:
        case kIdOutlayDate:
            m_controls.SetText(id,
                               DayFirstDateOf(m_controls.GetText(id), m_doc.Locale().dateOrder));
            return true;
        case kIdTravelTime: {
            bool parsed = false;
            m_controls.SetText(id, TimeOf(m_controls.GetText(id), &parsed));
            return true;
        }
        case kIdTravelArrival: {
            bool parsed = false;
            std::string t = TimeOf(m_controls.GetText(id), &parsed);
            if (parsed) {
                m_controls.SetText(id, t);
            }
            return true;
        }
        case kIdOutlayCurrency:
            OutlayCurrencyChanged(moveFocus);
            return true;
        case kIdTravelCurrency:
            TravelCurrencyLeft(moveFocus);
            return true;
        case kIdTravelMeans:
            TransportLeft();
            return true;
        default:
            return false;
    }
}

bool CEntryRows::OnSelChange(int id) {
    switch (id) {
        case kIdTravelCurrency:
            EnableTravelAmounts(true, true);
            return true;
        case kIdOutlayCurrency:
            for (int f : {kIdOutlayAmount, kIdOutlayRate, kIdOutlaySum}) {
                m_controls.Enable(f, true);
            }
            return true;
        default:
            return false;
    }
}

void CEntryRows::OutlayCurrencyChanged(bool moveFocus) {
    std::string code = m_controls.GetText(kIdOutlayCurrency);
    m_outlay.SetCurrency(code);
    bool nok = IsNokCurrency(code);
    m_controls.Enable(kIdOutlayAmount, !nok);
    m_controls.Enable(kIdOutlayRate, !nok);
    m_controls.Enable(kIdOutlaySum, nok);
    if (moveFocus) {
        m_controls.SetFocus(nok ? kIdOutlaySum : kIdOutlayAmount);
    }
}

void CEntryRows::EnableTravelAmounts(bool foreign, bool kroner) {
    m_controls.Enable(kIdTravelAmount, foreign);
    m_controls.Enable(kIdTravelRate, foreign);
    m_controls.Enable(kIdTravelSum, kroner);
}

void CEntryRows::DisableCarAmounts() {
    m_controls.SetText(kIdTravelSum, "");
    for (int f : kTravelAmountFields) {
        m_controls.Enable(f, false);
    }
}

void CEntryRows::ShowKronerEntries() {
    std::string outlay = m_controls.GetText(kIdOutlayCurrency);
    m_outlay.SetCurrency(outlay);
    if (IsNokCurrency(outlay)) {
        m_controls.Enable(kIdOutlayAmount, false);
        m_controls.Enable(kIdOutlayRate, false);
        m_controls.Enable(kIdOutlaySum, true);
    }
    std::string travel = m_controls.GetText(kIdTravelCurrency);
    m_travel.SetCurrency(travel);
    // A car leg keeps its own rule: no sum, no currency.
    if (IsCarTransport(m_controls.GetText(kIdTravelMeans))) {
        return;
    }
    m_controls.Enable(kIdTravelCurrency, true);
    if (travel.starts_with("NOK")) {
        EnableTravelAmounts(false, true);
    }
}

void CEntryRows::TravelCurrencyLeft(bool moveFocus) {
    std::string code = m_controls.GetText(kIdTravelCurrency);
    m_travel.SetCurrency(code);
    bool nok = code == "NOK";
    // Enabled before the focus moves: a disabled field refuses the focus, and a focus that
    // passes through a field only to leave it again raises a leave inside this one.
    int next = 0;
    if (IsCarTransport(m_controls.GetText(kIdTravelMeans))) {
        DisableCarAmounts();
        next = kIdTravelRegister;
    } else {
        EnableTravelAmounts(!nok, nok);
        next = nok ? kIdTravelSum : kIdTravelAmount;
    }
    if (moveFocus) {
        m_controls.SetFocus(next);
    }
}

void CEntryRows::TransportLeft() {
    std::string means = m_controls.GetText(kIdTravelMeans);
    m_doc.SetOtherTransportCandidate(means);
    if (IsCarTransport(means)) {
        DisableCarAmounts();
        return;
    }
    for (int f : kTravelAmountFields) {
        m_controls.Enable(f, true);
    }
}

void CEntryRows::RegisterTravelLine() {
    m_doc.AddTravelLine(LineOfRow(m_controls, kTravelFields, m_doc.Locale().dateOrder));
    FillTravelList();
}

void CEntryRows::StartNextTravelLine() {
    // The next leg starts where this one arrived.
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

void CEntryRows::RegisterOutlayLine() {
    std::unique_ptr<CExpenseLine> line =
        LineOfRow(m_controls, kOutlayFields, m_doc.Locale().dateOrder);
    for (int id : {kIdOutlayText, kIdOutlayAmount, kIdOutlayRate, kIdOutlaySum}) {
        m_controls.SetText(id, "");
    }
    m_doc.AddOutlayLine(std::move(line));
    FillOutlayList();
    m_controls.SetFocus(kIdOutlayDate);
    ShowKronerEntries();
}

int CEntryRows::SelectedLinePosition(int list) const {
    int row = m_controls.FirstSelectedRow(list);
    return row < 0 ? -1 : m_controls.RowData(list, row);
}

bool CEntryRows::TakeBackTravelLine() {
    int pos = SelectedLinePosition(kIdTravelList);
    const CTravelLine* line =
        pos < 0 ? nullptr : m_doc.Claim().GetTravelLine(static_cast<std::size_t>(pos));
    if (!line) {
        return false;
    }
    ShowInRow(m_controls, kTravelFields, *line, m_doc.Locale().dateOrder);

    std::unique_ptr<CTravelLine> taken = m_doc.RemoveTravelLine(static_cast<std::size_t>(pos));
    FillTravelList();
    m_doc.RecomputeOtherTransport();

    m_controls.SetFocus(kIdTravelDate);
    m_travel.SetCurrency(taken->Currency());
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
    return true;
}

bool CEntryRows::TakeBackOutlayLine() {
    int pos = SelectedLinePosition(kIdOutlayList);
    const CExpenseLine* line =
        pos < 0 ? nullptr : m_doc.Claim().GetOutlayLine(static_cast<std::size_t>(pos));
    if (!line) {
        return false;
    }
    ShowInRow(m_controls, kOutlayFields, *line, m_doc.Locale().dateOrder);
    OutlayCurrencyChanged(false);
    m_doc.RemoveOutlayLine(static_cast<std::size_t>(pos));
    FillOutlayList();
    m_controls.SetFocus(kIdOutlayDate);
    return true;
}

void CEntryRows::FillTravelList() {
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

void CEntryRows::FillOutlayList() {
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

}  // namespace ferdix
