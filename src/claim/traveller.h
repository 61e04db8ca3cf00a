// The traveller block of the claim: personal and job details, also kept in the profile.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ferdix {

// The fields a profile read puts into the form, each by the text the form is to show.
enum class TravellerField {
    Name,
    StreetAddress,
    Postcode,
    PostTown,
    Position,
    AccountNumber,
    Agency,
    Department,
    EmployeeNumber,
    TaxMunicipality,
    MunicipalityNumber,
    TaxPercent,
    DutyStationNumber,
};

// A value: each setter returns whether it changed the traveller, and the document marks the
// claim modified for it.
class CTraveller {
  public:
    // Empties every field.
    void Reset() { *this = CTraveller(); }

    bool SetAccountNumber(std::string_view text);
    bool SetAgency(std::string_view text);
    bool SetDepartment(std::string_view text);
    // Taken only for 0 <= n < 1000000.
    bool SetEmployeeNumber(int n);
    bool SetTaxMunicipality(std::string_view text);
    bool SetMunicipalityNumber(int n);
    bool SetDutyStationNumber(int n);
    bool SetTaxPercent(float percent);
    // Digits into 12 positions with a blank at the seventh; an empty text keeps the number.
    bool SetPersonId(std::string_view text);
    bool SetName(std::string_view text);
    bool SetStreetAddress(std::string_view text);
    // The last 4 characters, or left-padded with "0" to 4; empty stays empty.
    bool SetPostcode(std::string_view text);
    bool SetPostcodeNumber(int n);
    bool SetPostTown(std::string_view text);
    bool SetPosition(std::string_view text);
    bool SetAccountToCharge(std::string_view text);
    bool SetKmSoFar(std::uint32_t km);

    const std::string& AccountNumber() const { return m_strAccountNumber; }
    const std::string& Agency() const { return m_strAgency; }
    const std::string& Department() const { return m_strDepartment; }
    int EmployeeNumber() const { return m_nEmployeeNumber; }
    std::string EmployeeNumberText() const;
    const std::string& TaxMunicipality() const { return m_strTaxMunicipality; }
    int MunicipalityNumber() const { return m_nMunicipalityNumber; }
    std::string MunicipalityNumberText() const;
    int DutyStationNumber() const { return m_nDutyStationNumber; }
    std::string DutyStationNumberText() const;
    float TaxPercent() const { return m_fTaxPercent; }
    std::string TaxPercentText() const;
    const std::string& PersonId() const { return m_strPersonId; }
    const std::string& Name() const { return m_strName; }
    const std::string& StreetAddress() const { return m_strStreetAddress; }
    std::string Postcode() const;
    const std::string& PostTown() const { return m_strPostTown; }
    const std::string& Position() const { return m_strPosition; }
    const std::string& AccountToCharge() const { return m_strAccountToCharge; }
    std::uint32_t KmSoFar() const { return m_nKmSoFar; }
    std::string KmSoFarText() const;

  private:
    // The claim file reads and writes the fields as stored, past the setters' rules.
    friend struct TravellerFileFields;

    std::string m_strAccountNumber;
    std::string m_strAgency;
    std::string m_strDepartment;
    int m_nEmployeeNumber = -1;
    std::string m_strTaxMunicipality;
    int m_nMunicipalityNumber = 0;
    int m_nDutyStationNumber = 0;
    float m_fTaxPercent = 0.0f;
    std::string m_strPersonId;
    std::string m_strName;
    std::string m_strStreetAddress;
    std::string m_strPostcode;
    std::string m_strPostTown;
    std::string m_strPosition;
    std::string m_strAccountToCharge;
    std::uint32_t m_nKmSoFar = 0;

    static bool StoreText(std::string& field, std::string_view text);
};

// The tax percent's text in the form, the profile and the claim file: shortest form with 6
// significant digits, more where the value needs them to read back, and a full stop; empty
// below 0.1.
std::string TaxPercentToText(float percent);

}  // namespace ferdix
