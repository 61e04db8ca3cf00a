#include "claim/traveller.h"

#include "base/text_convert.h"
#include "claim/ferdix_doc.h"

namespace ferdix {

void CTraveller::Reset() {
    CFerdixDoc* owner = m_pOwner;
    *this = CTraveller(owner);
}

void CTraveller::Changed() {
    if (m_pOwner) {
        m_pOwner->SetModified(true);
    }
}

void CTraveller::StoreText(std::string& field, std::string_view text) {
    if (field != text) {
        field.assign(text);
        Changed();
    }
}

void CTraveller::SetAccountNumber(std::string_view text) {
    StoreText(m_strAccountNumber, text);
}
void CTraveller::SetAgency(std::string_view text) {
    StoreText(m_strAgency, text);
}
void CTraveller::SetDepartment(std::string_view text) {
    StoreText(m_strDepartment, text);
}
void CTraveller::SetTaxMunicipality(std::string_view text) {
    StoreText(m_strTaxMunicipality, text);
}
void CTraveller::SetName(std::string_view text) {
    StoreText(m_strName, text);
}
void CTraveller::SetStreetAddress(std::string_view text) {
    StoreText(m_strStreetAddress, text);
}
void CTraveller::SetPostTown(std::string_view text) {
    StoreText(m_strPostTown, text);
}
void CTraveller::SetPosition(std::string_view text) {
    StoreText(m_strPosition, text);
}
void CTraveller::SetAccountToCharge(std::string_view text) {
    StoreText(m_strAccountToCharge, text);
}

void CTraveller::SetEmployeeNumber(int n) {
    if (n >= 0 && n < 1000000 && n != m_nEmployeeNumber) {
        m_nEmployeeNumber = n;
        Changed();
    }
}

void CTraveller::SetMunicipalityNumber(int n) {
    if (n != m_nMunicipalityNumber) {
        m_nMunicipalityNumber = n;
        Changed();
    }
}

void CTraveller::SetDutyStationNumber(int n) {
    if (n != m_nDutyStationNumber) {
        m_nDutyStationNumber = n;
        Changed();
    }
}

void CTraveller::SetTaxPercent(float percent) {
    if (percent != m_fTaxPercent) {
        m_fTaxPercent = percent;
        Changed();
    }
}

void CTraveller::SetKmSoFar(std::uint32_t km) {
    if (km != m_nKmSoFar) {
        m_nKmSoFar = km;
        Changed();
    }
}

void CTraveller::SetPersonId(std::string_view text) {
    if (text.empty()) {
        return;
    }
    std::string id(12, ' ');
    std::size_t pos = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        if (pos == 6)
            pos = 7;
        if (pos >= 12)
            break;
        id[pos++] = c;
    }
    if (id != m_strPersonId) {
        m_strPersonId = id;
        if (text.size() > 1 && m_pOwner) {
            m_pOwner->ReadProfile();
        }
        // Marked also for a one-character text, so the change is not lost on closing.
        Changed();
    }
}

void CTraveller::SetPostcode(std::string_view text) {
    std::string code;
    if (text.size() >= 4) {
        code.assign(text.substr(text.size() - 4));
    } else if (!text.empty()) {
        code.assign(4 - text.size(), '0');
        code.append(text);
    }
    StoreText(m_strPostcode, code);
}

void CTraveller::SetPostcodeNumber(int n) {
    if (n == 0 && m_strPostcode.empty()) {
        return;
    }
    SetPostcode(IntToText(n));
}

std::string CTraveller::EmployeeNumberText() const {
    return m_nEmployeeNumber <= 0 ? std::string() : IntToText(m_nEmployeeNumber);
}

std::string CTraveller::MunicipalityNumberText() const {
    if (m_nMunicipalityNumber == 0) {
        return {};
    }
    // As "%04d": zero-padded to four characters, the sign counting as one.
    long long n = m_nMunicipalityNumber;
    std::string digits = std::to_string(n < 0 ? -n : n);
    std::size_t width = n < 0 ? 3 : 4;
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return n < 0 ? "-" + digits : digits;
}

std::string CTraveller::DutyStationNumberText() const {
    return m_nDutyStationNumber == 0 ? std::string() : UIntToText(m_nDutyStationNumber);
}

std::string TaxPercentToText(float percent) {
    return percent < 0.1f ? std::string() : FormatFloatExact(percent);
}

std::string CTraveller::TaxPercentText() const {
    return TaxPercentToText(m_fTaxPercent);
}

std::string CTraveller::Postcode() const {
    return m_strPostcode.size() > 4 ? m_strPostcode.substr(m_strPostcode.size() - 4)
                                    : m_strPostcode;
}

std::string CTraveller::KmSoFarText() const {
    return UIntToText(static_cast<int>(m_nKmSoFar));
}

}  // namespace ferdix
