#include "claim/claim_data.h"

#include <algorithm>
#include <array>

#include "base/cp1252.h"
#include "calc/mileage.h"

namespace ferdix {

namespace {

template <typename Line>
std::vector<std::unique_ptr<Line>> CopyLines(const std::vector<std::unique_ptr<Line>>& lines) {
    std::vector<std::unique_ptr<Line>> copy;
    copy.reserve(lines.size());
    for (const auto& line : lines) {
        copy.push_back(std::make_unique<Line>(*line));
    }
    return copy;
}

template <typename Line>
void InsertOrdered(std::vector<std::unique_ptr<Line>>& lines, std::unique_ptr<Line> line) {
    auto at = std::find_if(lines.begin(), lines.end(), [&](const std::unique_ptr<Line>& l) {
        return !(l->Date() < line->Date());
    });
    lines.insert(at, std::move(line));
}

template <typename Line>
std::unique_ptr<Line> RemoveAt(std::vector<std::unique_ptr<Line>>& lines, std::size_t index) {
    if (index >= lines.size()) {
        return nullptr;
    }
    std::unique_ptr<Line> line = std::move(lines[index]);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return line;
}

void Warn(ClaimWarnings& warnings, std::string_view caption, std::string_view text) {
    MessageRequest m;
    m.caption.assign(caption);
    m.text.assign(text);
    warnings.push_back(std::move(m));
}

bool SetDate(CivilTime& value, int& dateSet, int& timeSet, std::string_view text,
             std::string_view caption, DateOrder order, ClaimWarnings& warnings) {
    CivilTime before = value;
    DateParts d;
    if (ParseDate(text, d, order)) {
        value = CivilTime{d.year, d.month, d.day, value.hour, value.minute, 0};
        dateSet = 1;
    } else {
        if (!text.empty()) {
            Warn(warnings, caption, "Feil i datoformat");
        }
        value = kNoDate;
        dateSet = 0;
        timeSet = 0;
    }
    return value != before;
}

bool SetTime(CivilTime& value, int& timeSet, std::string_view text, std::string_view noDateText,
             ClaimWarnings& warnings) {
    CivilTime before = value;
    int h = 0, m = 0;
    bool parsed = ParseTime(text, h, m);
    if (!parsed || value == kNoDate) {
        if (!text.empty()) {
            if (value == kNoDate) {
                Warn(warnings, "Advarsel", noDateText);
            } else {
                Warn(warnings, "Advarsel", "Feil i klokkeslettformat\n");
                value = value.WithTime(0, 0, 0);
            }
        }
        timeSet = 0;
    } else {
        value = value.WithTime(h, m, 0);
        timeSet = 1;
    }
    return value != before;
}

}  // namespace

ClaimData::ClaimData(const ClaimData& other)
    : m_strLodging(other.m_strLodging),
      m_nLodgingKind(other.m_nLodgingKind),
      m_traveller(other.m_traveller),
      m_nTripKind(other.m_nTripKind),
      m_strConcerns(other.m_strConcerns),
      m_strPurpose(other.m_strPurpose),
      m_travelLines(CopyLines(other.m_travelLines)),
      m_outlayLines(CopyLines(other.m_outlayLines)),
      m_allowance(other.m_allowance),
      m_strRemarks(other.m_strRemarks),
      m_strOtherAdditions(other.m_strOtherAdditions),
      m_strOtherDeductions(other.m_strOtherDeductions),
      m_tDeparture(other.m_tDeparture),
      m_tReturn(other.m_tReturn),
      m_strOtherTransport(other.m_strOtherTransport),
      m_strAdvancePlace(other.m_strAdvancePlace),
      m_strAbroadDayCountry(other.m_strAbroadDayCountry),
      m_strAbroadNightCountry1(other.m_strAbroadNightCountry1),
      m_strAbroadNightCountry2(other.m_strAbroadNightCountry2),
      m_strUnverifiedNightCountry1(other.m_strUnverifiedNightCountry1),
      m_strUnverifiedNightCountry2(other.m_strUnverifiedNightCountry2),
      m_strUnverifiedNightCountry3(other.m_strUnverifiedNightCountry3),
      m_strSpare(other.m_strSpare),
      m_strTripNumber(other.m_strTripNumber),
      m_bDepartureDateSet(other.m_bDepartureDateSet),
      m_bReturnDateSet(other.m_bReturnDateSet),
      m_bDepartureTimeSet(other.m_bDepartureTimeSet),
      m_bReturnTimeSet(other.m_bReturnTimeSet),
      m_strTTCode(other.m_strTTCode),
      m_strInterimAccount(other.m_strInterimAccount) {}

ClaimData& ClaimData::operator=(const ClaimData& other) {
    if (this != &other) {
        ClaimData copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void ClaimData::Reset() {
    *this = ClaimData();
    m_nTripKind = 1;
}

bool ClaimData::SetText(std::string& field, std::string_view text) {
    if (field == text) {
        return false;
    }
    field.assign(text);
    return true;
}

bool ClaimData::SetTripKind(int kind) {
    if (kind >= 0 && kind <= 2 && kind != m_nTripKind) {
        m_nTripKind = kind;
        return true;
    }
    return false;
}

bool ClaimData::SetTripKindFromText(std::string_view text) {
    if (text == "Kurs") {
        return SetTripKind(0);
    }
    if (text == "Tjenestereise" || text == "Tenestereise") {
        return SetTripKind(1);
    }
    return SetTripKind(2);
}

std::string ClaimData::TripKindText() const {
    switch (m_nTripKind) {
        case 0:
            return "Kurs";
        case 1:
            return "Tjenestereise";
        default:
            return "Annet";
    }
}

bool ClaimData::SetLodgingKind(int kind) {
    int stored = (kind >= 0 && kind <= 2) ? kind : 3;
    if (stored == m_nLodgingKind) {
        return false;
    }
    m_nLodgingKind = stored;
    return true;
}

bool ClaimData::SetOtherTransportCandidate(std::string_view text) {
    static constexpr std::array<std::string_view, 8> kCommon = {"bil",    "tog",   "buss", "taxi",
                                                                "drosje", "ferje", "ann",  "fly"};
    for (std::string_view common : kCommon) {
        if (StartsWithNoCase(text, common)) {
            return false;
        }
    }
    return SetText(m_strOtherTransport, text);
}

bool ClaimData::RecomputeOtherTransport() {
    m_strOtherTransport.clear();
    bool stored = false;
    for (const auto& line : m_travelLines) {
        stored = SetOtherTransportCandidate(line->Transport()) || stored;
    }
    return stored;
}

bool ClaimData::SetDepartureDate(std::string_view text, DateOrder order, ClaimWarnings& warnings) {
    return SetDate(m_tDeparture, m_bDepartureDateSet, m_bDepartureTimeSet, text, "Advarsel", order,
                   warnings);
}

bool ClaimData::SetReturnDate(std::string_view text, DateOrder order, ClaimWarnings& warnings) {
    return SetDate(m_tReturn, m_bReturnDateSet, m_bReturnTimeSet, text, "Feil", order, warnings);
}

bool ClaimData::SetDepartureTime(std::string_view text, ClaimWarnings& warnings) {
    return SetTime(m_tDeparture, m_bDepartureTimeSet, text, "Utreisedato må være satt"_cp,
                   warnings);
}

bool ClaimData::SetReturnTime(std::string_view text, ClaimWarnings& warnings) {
    return SetTime(m_tReturn, m_bReturnTimeSet, text, "Innreisedato må være satt"_cp, warnings);
}

std::string ClaimData::DepartureDateText(DateOrder order) const {
    return (m_tDeparture == kNoDate || !m_bDepartureDateSet) ? std::string()
                                                             : FormatDate(m_tDeparture, order);
}

std::string ClaimData::ReturnDateText(DateOrder order) const {
    return (m_tReturn == kNoDate || !m_bReturnDateSet) ? std::string()
                                                       : FormatDate(m_tReturn, order);
}

std::string ClaimData::DepartureTimeText() const {
    return (m_tDeparture == kNoDate || !m_bDepartureTimeSet) ? std::string()
                                                             : FormatTime(m_tDeparture);
}

std::string ClaimData::ReturnTimeText() const {
    return (m_tReturn == kNoDate || !m_bReturnTimeSet) ? std::string() : FormatTime(m_tReturn);
}

bool ClaimData::HasUnverifiedNightAbroad() const {
    return m_allowance.Value(NightAbroad1, kAmountColumn) > 0.0f ||
           m_allowance.Value(NightAbroad2, kAmountColumn) > 0.0f;
}

void ClaimData::AddTravelLine(std::unique_ptr<CTravelLine> line) {
    InsertOrdered(m_travelLines, std::move(line));
}

void ClaimData::AddOutlayLine(std::unique_ptr<CExpenseLine> line) {
    InsertOrdered(m_outlayLines, std::move(line));
}

std::unique_ptr<CTravelLine> ClaimData::RemoveTravelLine(std::size_t index) {
    return RemoveAt(m_travelLines, index);
}

std::unique_ptr<CExpenseLine> ClaimData::RemoveOutlayLine(std::size_t index) {
    return RemoveAt(m_outlayLines, index);
}

void ClaimData::DestroyAllLines() {
    m_travelLines.clear();
    m_outlayLines.clear();
}

const CTravelLine* ClaimData::GetTravelLine(std::size_t index) const {
    return index < m_travelLines.size() ? m_travelLines[index].get() : nullptr;
}

const CExpenseLine* ClaimData::GetOutlayLine(std::size_t index) const {
    return index < m_outlayLines.size() ? m_outlayLines[index].get() : nullptr;
}

float ClaimData::OutlaysSum() const {
    float sum = 0.0f;
    for (const auto& line : m_outlayLines) {
        sum += line->Amount();
    }
    return sum;
}

float ClaimData::TravelSum() const {
    float sum = 0.0f;
    for (const auto& line : m_travelLines) {
        sum += line->Amount();
    }
    return sum;
}

float ClaimData::NetAmount() const {
    float t1 = TravelSum() + OutlaysSum();
    auto t2 = static_cast<float>(GrossAllowances() + static_cast<double>(t1));
    auto t3 = static_cast<float>(static_cast<double>(t2) - DeductionsTotal());
    return t3 - AdvanceAmount();
}

std::int64_t CarKilometres(const ClaimData& claim) {
    std::int64_t km = 0;
    for (const auto& line : claim.m_travelLines) {
        if (IsCarTransport(line->Transport())) {
            km += line->Km();
        }
    }
    return km;
}

std::int64_t OtherVehicleKilometres(const ClaimData& claim) {
    std::int64_t km = 0;
    for (const auto& line : claim.m_travelLines) {
        if (!IsCarTransport(line->Transport())) {
            km += line->Km();
        }
    }
    return km;
}

}  // namespace ferdix
