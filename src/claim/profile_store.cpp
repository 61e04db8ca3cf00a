#include "claim/profile_store.h"

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "rates/ini_file.h"

namespace ferdix {

namespace {

constexpr std::string_view kName = "Navn";
constexpr std::string_view kStreet = "Gateadresse";
constexpr std::string_view kPostcode = "Postnummer";
constexpr std::string_view kPostTown = "Poststed";
constexpr std::string_view kPosition = "Stilling";
constexpr std::string_view kAccount = "Kontonummer";
constexpr std::string_view kAgency = "Etat";
constexpr std::string_view kDepartment = "Avdeling";
constexpr std::string_view kEmployee = "TilsattNummer";
constexpr std::string_view kTaxMunicipality = "SkatteKommune";
constexpr std::string_view kMunicipalityNumber = "KommuneNummer";
constexpr std::string_view kDutyStation = "Tjenestestedsnummer";
constexpr std::string_view kTaxPercent = "TrekkProsent";
constexpr std::string_view kKmSoFar = "Km hittil i år"_cp;
constexpr std::string_view kLanguage = "Språkpreferanse"_cp;
constexpr std::string_view kStartLanguage = "Oppstartingsspråk"_cp;

std::string_view StandardName(int standard) {
    return standard == kBokmal ? "bokmål"_cp : "nynorsk";
}

}  // namespace

TravellerProfile CProfileStore::Read(const std::string& personId) const {
    TravellerProfile p;
    if (!m_pFiles) {
        return p;
    }
    IniDocument profile;
    profile.Load(m_pFiles->profile);
    auto read = [&](std::string_view key) {
        return profile.GetString(personId, key, "", kProfileReadMax);
    };
    p.name = read(kName);
    p.street = read(kStreet);
    p.postcode = read(kPostcode);
    p.postTown = read(kPostTown);
    p.position = read(kPosition);
    p.account = read(kAccount);
    p.agency = read(kAgency);
    p.department = read(kDepartment);
    p.employeeNumber = read(kEmployee);
    p.taxMunicipality = read(kTaxMunicipality);
    p.municipalityNumber = read(kMunicipalityNumber);
    p.taxPercent = read(kTaxPercent);
    p.kmSoFar = read(kKmSoFar);
    p.dutyStation = read(kDutyStation);
    p.language = read(kStartLanguage);
    if (p.language.size() < 2) {
        p.language = read(kLanguage);
    }
    return p;
}

bool CProfileStore::Write(const CTraveller& t, int writtenStandard) const {
    if (!m_pFiles) {
        return false;
    }
    IniDocument profile;
    profile.Load(m_pFiles->profile);
    const std::string& section = t.PersonId();
    auto write = [&](std::string_view key, std::string_view value) {
        profile.SetString(section, key, value);
    };
    write(kName, t.Name());
    write(kStreet, t.StreetAddress());
    write(kPostcode, t.Postcode());
    write(kPostTown, t.PostTown());
    write(kPosition, t.Position());
    write(kAccount, t.AccountNumber());
    write(kAgency, t.Agency());
    write(kDepartment, t.Department());
    write(kEmployee, t.EmployeeNumberText());
    write(kTaxMunicipality, t.TaxMunicipality());
    write(kMunicipalityNumber, t.MunicipalityNumberText());
    write(kDutyStation, t.DutyStationNumberText());
    write(kTaxPercent, t.TaxPercentText());
    write(kKmSoFar, t.KmSoFarText());
    write(kLanguage, StandardName(writtenStandard));
    return SaveProfile(*m_pFiles, profile);
}

bool CProfileStore::WriteStartLanguage(const std::string& personId, int standard) const {
    if (!m_pFiles) {
        return false;
    }
    return WriteProfileString(*m_pFiles, personId, kStartLanguage, StandardName(standard));
}

}  // namespace ferdix
