#include "claim/traveller.h"

#include "base/text_convert.h"

namespace ferdix {

bool CTraveller::StoreText(std::string& field, std::string_view text) {
    if (field == text) {
        return false;
    }
    field.assign(text);
    return true;
}

bool CTraveller::SetAccountNumber(std::string_view text) {
    return StoreText(m_strAccountNumber, text);
}
bool CTraveller::SetAgency(std::string_view text) {
    return StoreText(m_strAgency, text);
}
bool CTraveller::SetDepartment(std::string_view text) {
    return StoreText(m_strDepartment, text);
}
bool CTraveller::SetTaxMunicipality(std::string_view text) {
    return StoreText(m_strTaxMunicipality, text);
}
bool CTraveller::SetName(std::string_view text) {
    return StoreText(m_strName, text);
}
bool CTraveller::SetStreetAddress(std::string_view text) {
    return StoreText(m_strStreetAddress, text);
}
bool CTraveller::SetPostTown(std::string_view text) {
    return StoreText(m_strPostTown, text);
}
bool CTraveller::SetPosition(std::string_view text) {
    return StoreText(m_strPosition, text);
}
bool CTraveller::SetAccountToCharge(std::string_view text) {
    return StoreText(m_strAccountToCharge, text);
}

bool CTraveller::SetEmployeeNumber(int n) {
    if (n >= 0 && n < 1000000 && n != m_nEmployeeNumber) {
        m_nEmployeeNumber = n;
        return true;
    }
    return false;
}

bool CTraveller::SetMunicipalityNumber(int n) {
    if (n != m_nMunicipalityNumber) {
        m_nMunicipalityNumber = n;
        return true;
    }
    return false;
}

bool CTraveller::SetDutyStationNumber(int n) {
    if (n != m_nDutyStationNumber) {
        m_nDutyStationNumber = n;
        return true;
    }
    return false;
}

bool CTraveller::SetTaxPercent(float percent) {
    if (percent != m_fTaxPercent) {
        m_fTaxPercent = percent;
        return true;
    }
    return false;
}

bool CTraveller::SetKmSoFar(std::uint32_t km) {
    if (km != m_nKmSoFar) {
        m_nKmSoFar = km;
        return true;
    }
    return false;
}

bool CTraveller::SetPersonId(std::string_view text) {
    if (text.empty()) {
        return false;
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
    return StoreText(m_strPersonId, id);
}

bool CTraveller::SetPostcode(std::string_view text) {
    std::string code;
    if (text.size() >= 4) {
        code.assign(text.substr(text.size() - 4));
    } else if (!text.empty()) {
        code.assign(4 - text.size(), '0');
        code.append(text);
    }
    return StoreText(m_strPostcode, code);
}

bool CTraveller::SetPostcodeNumber(int n) {
    if (n == 0 && m_strPostcode.empty()) {
        return false;
    }
    return SetPostcode(IntToText(n));
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
