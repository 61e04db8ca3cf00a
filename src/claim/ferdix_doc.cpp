#include "claim/ferdix_doc.h"

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"

namespace ferdix {

CFerdixDoc::CFerdixDoc(const IClock& clock, const FileLocations* files)
    : CFerdixDoc(m_ownLocale, clock, files) {}

CFerdixDoc::CFerdixDoc(UserLocale& locale, const IClock& clock, const FileLocations* files)
    : m_locale(locale),
      m_pClock(&clock),
      m_files(files ? std::optional<FileLocations>(*files) : std::nullopt),
      m_profiles(Files()) {
    if (const FileLocations* f = Files()) {
        m_rates = LoadRunRates(*f);
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

void CFerdixDoc::Changed(bool changed) {
    if (changed) {
        SetModified(true);
    }
}

void CFerdixDoc::StoreText(std::string& field, std::string_view text) {
    Changed(m_claim.SetText(field, text));
}

void CFerdixDoc::SetConcerns(std::string_view text) {
    StoreText(m_claim.m_strConcerns, text);
}
void CFerdixDoc::SetPurpose(std::string_view text) {
    StoreText(m_claim.m_strPurpose, text);
}
void CFerdixDoc::SetOtherAdditions(std::string_view text) {
    StoreText(m_claim.m_strOtherAdditions, text);
}
void CFerdixDoc::SetAdvancePlace(std::string_view text) {
    StoreText(m_claim.m_strAdvancePlace, text);
}
void CFerdixDoc::SetTripNumber(std::string_view text) {
    StoreText(m_claim.m_strTripNumber, text);
}
void CFerdixDoc::SetLodging(std::string_view text) {
    StoreText(m_claim.m_strLodging, text);
}
void CFerdixDoc::SetRemarks(std::string_view text) {
    StoreText(m_claim.m_strRemarks, text);
}
void CFerdixDoc::SetAbroadDayCountry(std::string_view text) {
    StoreText(m_claim.m_strAbroadDayCountry, text);
}
void CFerdixDoc::SetAbroadNightCountry1(std::string_view text) {
    StoreText(m_claim.m_strAbroadNightCountry1, text);
}
void CFerdixDoc::SetAbroadNightCountry2(std::string_view text) {
    StoreText(m_claim.m_strAbroadNightCountry2, text);
}
void CFerdixDoc::SetUnverifiedNightCountry1(std::string_view text) {
    StoreText(m_claim.m_strUnverifiedNightCountry1, text);
}
void CFerdixDoc::SetUnverifiedNightCountry2(std::string_view text) {
    StoreText(m_claim.m_strUnverifiedNightCountry2, text);
}
void CFerdixDoc::SetUnverifiedNightCountry3(std::string_view text) {
    StoreText(m_claim.m_strUnverifiedNightCountry3, text);
}
// Compared and marked like every other text, so an edit of these is never lost on closing.
void CFerdixDoc::SetInterimAccount(std::string_view text) {
    StoreText(m_claim.m_strInterimAccount, text);
}
void CFerdixDoc::SetTTCode(std::string_view text) {
    StoreText(m_claim.m_strTTCode, text);
}

void CFerdixDoc::SetTripKind(int kind) {
    Changed(m_claim.SetTripKind(kind));
}

void CFerdixDoc::SetTripKindFromText(std::string_view text) {
    Changed(m_claim.SetTripKindFromText(text));
}

void CFerdixDoc::SetLodgingKind(int kind) {
    Changed(m_claim.SetLodgingKind(kind));
}

void CFerdixDoc::SetOtherTransportCandidate(std::string_view text) {
    Changed(m_claim.SetOtherTransportCandidate(text));
}

void CFerdixDoc::RecomputeOtherTransport() {
    Changed(m_claim.RecomputeOtherTransport());
}

void CFerdixDoc::ShowWarnings(const ClaimWarnings& warnings) {
    if (!m_pHost) {
        return;
    }
    for (const MessageRequest& m : warnings) {
        m_pHost->ShowMessage(m);
    }
}

void CFerdixDoc::SetDepartureDate(std::string_view text) {
    ClaimWarnings warnings;
    bool changed = m_claim.SetDepartureDate(text, m_locale.dateOrder, warnings);
    ShowWarnings(warnings);
    Changed(changed);
}

void CFerdixDoc::SetReturnDate(std::string_view text) {
    ClaimWarnings warnings;
    bool changed = m_claim.SetReturnDate(text, m_locale.dateOrder, warnings);
    ShowWarnings(warnings);
    Changed(changed);
}

void CFerdixDoc::SetDepartureTime(std::string_view text) {
    ClaimWarnings warnings;
    bool changed = m_claim.SetDepartureTime(text, warnings);
    ShowWarnings(warnings);
    Changed(changed);
}

void CFerdixDoc::SetReturnTime(std::string_view text) {
    ClaimWarnings warnings;
    bool changed = m_claim.SetReturnTime(text, warnings);
    ShowWarnings(warnings);
    Changed(changed);
}

void CFerdixDoc::SetPersonId(std::string_view text) {
    if (!m_claim.m_traveller.SetPersonId(text)) {
        return;
    }
    if (text.size() > 1) {
        ReadProfile();
    }
    // Marked also for a one-character text, so the change is not lost on closing.
    SetModified(true);
}

void CFerdixDoc::AddTravelLine(std::unique_ptr<CTravelLine> line) {
    m_claim.AddTravelLine(std::move(line));
    RefreshStatusSum();
    SetModified(true);
}

void CFerdixDoc::AddOutlayLine(std::unique_ptr<CExpenseLine> line) {
    m_claim.AddOutlayLine(std::move(line));
    RefreshStatusSum();
    SetModified(true);
}

std::unique_ptr<CTravelLine> CFerdixDoc::RemoveTravelLine(std::size_t index) {
    std::unique_ptr<CTravelLine> line = m_claim.RemoveTravelLine(index);
    if (line) {
        RefreshStatusSum();
        SetModified(true);
    }
    return line;
}

std::unique_ptr<CExpenseLine> CFerdixDoc::RemoveOutlayLine(std::size_t index) {
    std::unique_ptr<CExpenseLine> line = m_claim.RemoveOutlayLine(index);
    if (line) {
        RefreshStatusSum();
        SetModified(true);
    }
    return line;
}

void CFerdixDoc::SetLineValue(int line, int column, float value) {
    if (m_claim.SetLineValue(line, column, value)) {
        RefreshStatusSum();
        SetModified(true);
    }
}

void CFerdixDoc::RefreshStatusSum() {
    if (!m_pHost || !m_pHost->HasMainWindow()) {
        return;
    }
    std::string text(ByStandard(m_locale.standard, "Beløp: "_cp, "Sum: "));
    text += FormatAmount(m_claim.NetAmount(), true);
    m_pHost->SetStatusTotal(text);
}

void CFerdixDoc::SetWrittenStandard(int standard) {
    m_locale.standard = standard;
    RefreshStatusSum();
}

void CFerdixDoc::ReadProfile() {
    if (!Files()) {
        return;
    }
    TravellerProfile p = m_profiles.Read(m_claim.GetPersonId());
    const CTraveller& t = m_claim.m_traveller;
    auto show = [&](TravellerField field, const std::string& text) {
        if (m_pView) {
            m_pView->ShowTravellerField(field, text);
        }
    };
    // A key with an empty value changes neither the claim nor the form.
    auto text = [&](const std::string& v, bool (CTraveller::*set)(std::string_view),
                    TravellerField field) {
        if (!v.empty()) {
            ChangeTraveller(set, v);
            show(field, v);
        }
    };
    auto number = [&](const std::string& v, bool (CTraveller::*set)(int), TravellerField field) {
        if (!v.empty()) {
            ChangeTraveller(set, TextToInt(v));
            show(field, v);
        }
    };

    text(p.name, &CTraveller::SetName, TravellerField::Name);
    text(p.street, &CTraveller::SetStreetAddress, TravellerField::StreetAddress);
    if (!p.postcode.empty()) {
        ChangeTraveller(&CTraveller::SetPostcode, p.postcode);
        show(TravellerField::Postcode, t.Postcode());
    }
    text(p.postTown, &CTraveller::SetPostTown, TravellerField::PostTown);
    text(p.position, &CTraveller::SetPosition, TravellerField::Position);
    if (!p.account.empty()) {
        ChangeTraveller(&CTraveller::SetAccountNumber, p.account);
        show(TravellerField::AccountNumber, t.AccountNumber());
    }
    text(p.agency, &CTraveller::SetAgency, TravellerField::Agency);
    text(p.department, &CTraveller::SetDepartment, TravellerField::Department);
    if (!p.employeeNumber.empty()) {
        ChangeTraveller(&CTraveller::SetEmployeeNumber, TextToInt(p.employeeNumber));
        show(TravellerField::EmployeeNumber, t.EmployeeNumberText());
    }
    text(p.taxMunicipality, &CTraveller::SetTaxMunicipality, TravellerField::TaxMunicipality);
    number(p.municipalityNumber, &CTraveller::SetMunicipalityNumber,
           TravellerField::MunicipalityNumber);
    if (!p.taxPercent.empty()) {
        ChangeTraveller(&CTraveller::SetTaxPercent, static_cast<float>(ParseDecimal(p.taxPercent)));
        show(TravellerField::TaxPercent, p.taxPercent);
    }
    if (!p.kmSoFar.empty()) {
        ChangeTraveller(&CTraveller::SetKmSoFar, static_cast<std::uint32_t>(TextToInt(p.kmSoFar)));
        if (m_pView) {
            m_pView->RecomputeMileageRows();
        }
    }
    // Last: older profiles were written without it.
    number(p.dutyStation, &CTraveller::SetDutyStationNumber, TravellerField::DutyStationNumber);

    // Only the value: the status total is not refreshed from here.
    m_locale.standard = StartsWithNoCase(p.language, "nynorsk") ? kNynorsk : kBokmal;
    if (m_pView) {
        m_pView->RelabelForm();
    }
}

bool CFerdixDoc::WriteProfile() {
    return m_profiles.Write(m_claim.m_traveller, m_locale.standard);
}

bool CFerdixDoc::WriteProfileStartLanguage(int standard) {
    return m_profiles.WriteStartLanguage(m_claim.GetPersonId(), standard);
}

RatesSaveResult SaveRates(const CFerdixDoc& doc) {
    return SaveRates(doc.Rates(), doc.Files());
}

}  // namespace ferdix
