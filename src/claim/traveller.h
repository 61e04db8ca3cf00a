// The traveller block of the claim: personal and job details, also kept in the profile.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ferdix {

class CFerdixDoc;

class CTraveller {
  public:
    explicit CTraveller(CFerdixDoc* owner = nullptr) : m_pOwner(owner) {}

    // Empties every field, keeping the owner link.
    void Reset();

    void SetAccountNumber(std::string_view text);
    void SetAgency(std::string_view text);
    void SetDepartment(std::string_view text);
    // Taken only for 0 <= n < 1000000.
    void SetEmployeeNumber(int n);
    void SetTaxMunicipality(std::string_view text);
    void SetMunicipalityNumber(int n);
    void SetDutyStationNumber(int n);
    void SetTaxPercent(float percent);
    // Digits into 12 positions with a blank at the seventh; reads the profile of a new number.
    void SetPersonId(std::string_view text);
    void SetName(std::string_view text);
    void SetStreetAddress(std::string_view text);
    // The last 4 characters, or left-padded with "0" to 4; empty stays empty.
    void SetPostcode(std::string_view text);
    void SetPostcodeNumber(int n);
    void SetPostTown(std::string_view text);
    void SetPosition(std::string_view text);
    void SetAccountToCharge(std::string_view text);
    void SetKmSoFar(std::uint32_t km);

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

    CFerdixDoc* Owner() const { return m_pOwner; }

    // Public for the claim file, which stores values as read.
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

  private:
    void Changed();
    void StoreText(std::string& field, std::string_view text);

    CFerdixDoc* m_pOwner;
};

// The tax percent's text in the form, the profile and the claim file: shortest form with 6
// significant digits, more where the value needs them to read back, and a full stop; empty
// below 0.1.
std::string TaxPercentToText(float percent);

}  // namespace ferdix
