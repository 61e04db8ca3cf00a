#include "claim/ferdix_doc.h"

#include <algorithm>
#include <array>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "calc/mileage.h"

namespace ferdix {

namespace {}  // namespace

CFerdixDoc::CFerdixDoc(const IClock& clock, const FileLocations* files)
    : m_traveller(this), m_pClock(&clock) {
    if (files) {
        m_files = *files;
        LoadCountries(*this);
        LoadRates(*this);
    }
}

CFerdixDoc::~CFerdixDoc() = default;

void CFerdixDoc::SetTitle(std::string title) {
    m_strTitle = std::move(title);
    if (m_pHost) {
        m_pHost->TitleChanged(m_strTitle);
    }
}

void CFerdixDoc::SetModified(bool modified) {
    SetModifiedFlag(modified);
    if (m_strTitle.empty()) {
        return;
    }
    if (modified && m_strTitle.back() != '*') {
        SetTitle(m_strTitle + " *");
    } else if (!modified && m_strTitle.back() == '*' && m_strTitle.size() > 1) {
        SetTitle(m_strTitle.substr(0, m_strTitle.size() - 2));
    }
}

void CFerdixDoc::StoreText(std::string& field, std::string_view text) {
    if (field != text) {
        field.assign(text);
        SetModified(true);
    }
}

void CFerdixDoc::SetConcerns(std::string_view text) {
    StoreText(m_strConcerns, text);
}
void CFerdixDoc::SetPurpose(std::string_view text) {
    StoreText(m_strPurpose, text);
}
void CFerdixDoc::SetOtherAdditions(std::string_view text) {
    StoreText(m_strOtherAdditions, text);
}
void CFerdixDoc::SetAdvancePlace(std::string_view text) {
    StoreText(m_strAdvancePlace, text);
}
void CFerdixDoc::SetTripNumber(std::string_view text) {
    StoreText(m_strTripNumber, text);
}
void CFerdixDoc::SetLodging(std::string_view text) {
    StoreText(m_strLodging, text);
}
void CFerdixDoc::SetRemarks(std::string_view text) {
    StoreText(m_strRemarks, text);
}
void CFerdixDoc::SetAbroadDayCountry(std::string_view text) {
    StoreText(m_strAbroadDayCountry, text);
}
void CFerdixDoc::SetAbroadNightCountry1(std::string_view text) {
    StoreText(m_strAbroadNightCountry1, text);
}
void CFerdixDoc::SetAbroadNightCountry2(std::string_view text) {
    StoreText(m_strAbroadNightCountry2, text);
}
void CFerdixDoc::SetUnverifiedNightCountry1(std::string_view text) {
    StoreText(m_strUnverifiedNightCountry1, text);
}
void CFerdixDoc::SetUnverifiedNightCountry2(std::string_view text) {
    StoreText(m_strUnverifiedNightCountry2, text);
}
void CFerdixDoc::SetUnverifiedNightCountry3(std::string_view text) {
    StoreText(m_strUnverifiedNightCountry3, text);
}
// Compared and marked like every other text, so an edit of these is never lost on closing.
void CFerdixDoc::SetInterimAccount(std::string_view text) {
    StoreText(m_strInterimAccount, text);
}
void CFerdixDoc::SetTTCode(std::string_view text) {
    StoreText(m_strTTCode, text);
}

void CFerdixDoc::SetTripKind(int kind) {
    if (kind >= 0 && kind <= 2 && kind != m_nTripKind) {
        m_nTripKind = kind;
        SetModified(true);
    }
}

void CFerdixDoc::SetTripKindFromText(std::string_view text) {
    if (text == "Kurs") {
        SetTripKind(0);
    } else if (text == "Tjenestereise" || text == "Tenestereise") {
        SetTripKind(1);
    } else {
        SetTripKind(2);
    }
}

std::string CFerdixDoc::TripKindText() const {
    switch (m_nTripKind) {
        case 0:
            return "Kurs";
        case 1:
            return "Tjenestereise";
        default:
            return "Annet";
    }
}

void CFerdixDoc::SetLodgingKind(int kind) {
    int stored = (kind >= 0 && kind <= 2) ? kind : 3;
    if (stored != m_nLodgingKind) {
        m_nLodgingKind = stored;
        SetModified(true);
    }
}

void CFerdixDoc::SetOtherTransportCandidate(std::string_view text) {
    static constexpr std::array<std::string_view, 8> kCommon = {"bil",    "tog",   "buss", "taxi",
                                                                "drosje", "ferje", "ann",  "fly"};
    for (std::string_view common : kCommon) {
        if (StartsWithNoCase(text, common)) {
            return;
        }
    }
    StoreText(m_strOtherTransport, text);
}

void CFerdixDoc::RecomputeOtherTransport() {
    m_strOtherTransport.clear();
    for (const auto& line : m_travelLines) {
        SetOtherTransportCandidate(line->Transport());
    }
}

void CFerdixDoc::ShowWarning(std::string_view caption, std::string_view text) {
    if (m_pHost) {
        MessageRequest m;
        m.caption.assign(caption);
        m.text.assign(text);
        m_pHost->ShowMessage(m);
    }
}

void CFerdixDoc::SetDate(CivilTime& value, int& dateSet, int& timeSet, std::string_view text,
                         std::string_view caption, DateReading reading) {
    CivilTime before = value;
    DateParts d;
    if (ParseDate(text, d, reading)) {
        value = CivilTime{d.year, d.month, d.day, value.hour, value.minute, 0};
        dateSet = 1;
    } else {
        if (!text.empty()) {
            ShowWarning(caption, "Feil i datoformat");
        }
        value = kNoDate;
        dateSet = 0;
        timeSet = 0;
    }
    if (value != before) {
        SetModified(true);
    }
}

void CFerdixDoc::SetTime(CivilTime& value, int& timeSet, std::string_view text,
                         std::string_view noDateText) {
    CivilTime before = value;
    int h = 0, m = 0;
    bool parsed = ParseTime(text, h, m);
    if (!parsed || value == kNoDate) {
        if (!text.empty()) {
            if (value == kNoDate) {
                ShowWarning("Advarsel", noDateText);
            } else {
                ShowWarning("Advarsel", "Feil i klokkeslettformat\n");
                value = value.WithTime(0, 0, 0);
            }
        }
        timeSet = 0;
    } else {
        value = value.WithTime(h, m, 0);
        timeSet = 1;
    }
    if (value != before) {
        SetModified(true);
    }
}

void CFerdixDoc::SetDepartureDate(std::string_view text, DateReading reading) {
    SetDate(m_tDeparture, m_bDepartureDateSet, m_bDepartureTimeSet, text, "Advarsel", reading);
}

void CFerdixDoc::SetReturnDate(std::string_view text, DateReading reading) {
    SetDate(m_tReturn, m_bReturnDateSet, m_bReturnTimeSet, text, "Feil", reading);
}

void CFerdixDoc::SetDepartureTime(std::string_view text) {
    SetTime(m_tDeparture, m_bDepartureTimeSet, text, "Utreisedato må være satt"_cp);
}

void CFerdixDoc::SetReturnTime(std::string_view text) {
    SetTime(m_tReturn, m_bReturnTimeSet, text, "Innreisedato må være satt"_cp);
}

std::string CFerdixDoc::DepartureDateText() const {
    return (m_tDeparture == kNoDate || !m_bDepartureDateSet) ? std::string()
                                                             : FormatDate(m_tDeparture);
}

std::string CFerdixDoc::ReturnDateText() const {
    return (m_tReturn == kNoDate || !m_bReturnDateSet) ? std::string() : FormatDate(m_tReturn);
}

std::string CFerdixDoc::DepartureTimeText() const {
    return (m_tDeparture == kNoDate || !m_bDepartureTimeSet) ? std::string()
                                                             : FormatTime(m_tDeparture);
}

std::string CFerdixDoc::ReturnTimeText() const {
    return (m_tReturn == kNoDate || !m_bReturnTimeSet) ? std::string() : FormatTime(m_tReturn);
}

bool CFerdixDoc::HasUnverifiedNightAbroad() const {
    return m_allowance.Value(NightAbroad1, kAmountColumn) > 0.0f ||
           m_allowance.Value(NightAbroad2, kAmountColumn) > 0.0f;
}

namespace {

template <typename Line>
void InsertOrdered(std::vector<std::unique_ptr<Line>>& lines, std::unique_ptr<Line> line) {
    auto at = std::find_if(lines.begin(), lines.end(), [&](const std::unique_ptr<Line>& l) {
        return !(l->Date() < line->Date());
    });
    lines.insert(at, std::move(line));
}

}  // namespace

void CFerdixDoc::AddTravelLine(std::unique_ptr<CTravelLine> line) {
    InsertOrdered(m_travelLines, std::move(line));
    RefreshStatusSum();
    SetModified(true);
}

void CFerdixDoc::AddOutlayLine(std::unique_ptr<CExpenseLine> line) {
    InsertOrdered(m_outlayLines, std::move(line));
    RefreshStatusSum();
    SetModified(true);
}

std::unique_ptr<CTravelLine> CFerdixDoc::RemoveTravelLine(std::size_t index) {
    if (index >= m_travelLines.size()) {
        return nullptr;
    }
    std::unique_ptr<CTravelLine> line = std::move(m_travelLines[index]);
    m_travelLines.erase(m_travelLines.begin() + static_cast<std::ptrdiff_t>(index));
    RefreshStatusSum();
    SetModified(true);
    return line;
}

std::unique_ptr<CExpenseLine> CFerdixDoc::RemoveOutlayLine(std::size_t index) {
    if (index >= m_outlayLines.size()) {
        return nullptr;
    }
    std::unique_ptr<CExpenseLine> line = std::move(m_outlayLines[index]);
    m_outlayLines.erase(m_outlayLines.begin() + static_cast<std::ptrdiff_t>(index));
    RefreshStatusSum();
    SetModified(true);
    return line;
}

CTravelLine* CFerdixDoc::GetTravelLine(std::size_t index) const {
    return index < m_travelLines.size() ? m_travelLines[index].get() : nullptr;
}

CExpenseLine* CFerdixDoc::GetOutlayLine(std::size_t index) const {
    return index < m_outlayLines.size() ? m_outlayLines[index].get() : nullptr;
}

void CFerdixDoc::DestroyAllLines() {
    m_travelLines.clear();
    m_outlayLines.clear();
}

void CFerdixDoc::SetLineValue(int line, int column, float value) {
    if (m_allowance.Set(line, column, value)) {
        RefreshStatusSum();
        SetModified(true);
    }
}

float CFerdixDoc::OutlaysSum() const {
    float sum = 0.0f;
    for (const auto& line : m_outlayLines) {
        sum += line->Amount();
    }
    return sum;
}

float CFerdixDoc::TravelSum() const {
    float sum = 0.0f;
    for (const auto& line : m_travelLines) {
        sum += line->Amount();
    }
    return sum;
}

float CFerdixDoc::NetAmount() const {
    float t1 = TravelSum() + OutlaysSum();
    auto t2 = static_cast<float>(GrossAllowances() + static_cast<double>(t1));
    auto t3 = static_cast<float>(static_cast<double>(t2) - DeductionsTotal());
    return t3 - AdvanceAmount();
}

void CFerdixDoc::RefreshStatusSum() {
    if (!m_pHost || !m_pHost->HasMainWindow()) {
        return;
    }
    std::string text(ByStandard("Beløp: "_cp, "Sum: "));
    text += FormatAmount(NetAmount(), true);
    m_pHost->SetStatusTotal(text);
}

void CFerdixDoc::SetWrittenStandard(int standard) {
    SetWrittenStandardValue(standard);
    RefreshStatusSum();
}

void LoadRates(CFerdixDoc& doc) {
    if (const FileLocations* files = doc.Files()) {
        LoadRates(doc.m_rates, doc.m_strRatesFrom, LoadFerdixIni(*files));
    }
}

RatesSaveResult SaveRates(const CFerdixDoc& doc) {
    const FileLocations* files = doc.Files();
    if (!files) {
        return SaveRates(doc.m_rates, std::string());
    }
    // The office's date beside the user's rates tells a later start whether the office's
    // rates have changed since.
    std::string officeRatesFrom =
        IniLayers(files->sharedFerdixIni).GetString("Informasjon", "SatserGyldigFra");
    return SaveRates(doc.m_rates, files->ferdixIni, officeRatesFrom);
}

void LoadCountries(CFerdixDoc& doc) {
    if (const FileLocations* files = doc.Files()) {
        LoadCountries(doc.m_countries, doc.m_strAbroadRatesFrom, LoadLandIni(*files));
    }
}

std::int64_t CarKilometres(const CFerdixDoc& doc) {
    std::int64_t km = 0;
    for (const auto& line : doc.m_travelLines) {
        if (IsCarTransport(line->Transport())) {
            km += line->Km();
        }
    }
    return km;
}

std::int64_t OtherVehicleKilometres(const CFerdixDoc& doc) {
    std::int64_t km = 0;
    for (const auto& line : doc.m_travelLines) {
        if (!IsCarTransport(line->Transport())) {
            km += line->Km();
        }
    }
    return km;
}

}  // namespace ferdix
