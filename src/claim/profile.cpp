// The traveller profile, reisende.ini: one section per traveller, named by the identity number.

#include "base/control_ids.h"
#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "rates/ini_file.h"
#include "rates/program_settings.h"

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

void CFerdixDoc::ReadProfile() {
    const FileLocations* files = Files();
    if (!files) {
        return;
    }
    IniDocument profile;
    profile.Load(files->profile);
    const std::string section = GetPersonId();
    auto read = [&](std::string_view key) {
        return profile.GetString(section, key, "", kProfileReadMax);
    };
    auto show = [&](int field, const std::string& text) {
        if (m_pView) {
            m_pView->SetFieldText(field, text);
        }
    };
    CTraveller& t = m_traveller;
    // A key with an empty value changes neither the claim nor the form.
    auto text = [&](std::string_view key, void (CTraveller::*set)(std::string_view), int field) {
        std::string v = read(key);
        if (!v.empty()) {
            (t.*set)(v);
            show(field, v);
        }
    };
    auto number = [&](std::string_view key, void (CTraveller::*set)(int), int field) {
        std::string v = read(key);
        if (!v.empty()) {
            (t.*set)(TextToInt(v));
            show(field, v);
        }
    };

    text(kName, &CTraveller::SetName, kIdName);
    text(kStreet, &CTraveller::SetStreetAddress, kIdStreet);
    if (std::string v = read(kPostcode); !v.empty()) {
        t.SetPostcode(v);
        show(kIdPostcode, t.Postcode());
    }
    text(kPostTown, &CTraveller::SetPostTown, kIdPostTown);
    text(kPosition, &CTraveller::SetPosition, kIdPosition);
    if (std::string v = read(kAccount); !v.empty()) {
        t.SetAccountNumber(v);
        show(kIdBankAccount, t.AccountNumber());
    }
    text(kAgency, &CTraveller::SetAgency, kIdAgency);
    text(kDepartment, &CTraveller::SetDepartment, kIdDepartment);
    if (std::string v = read(kEmployee); !v.empty()) {
        t.SetEmployeeNumber(TextToInt(v));
        show(kIdEmployeeNumber, t.EmployeeNumberText());
    }
    text(kTaxMunicipality, &CTraveller::SetTaxMunicipality, kIdTaxMunicipality);
    number(kMunicipalityNumber, &CTraveller::SetMunicipalityNumber, kIdMunicipalityNumber);
    if (std::string v = read(kTaxPercent); !v.empty()) {
        t.SetTaxPercent(static_cast<float>(ParseDecimal(v)));
        show(kIdTaxPercent, v);
    }
    if (std::string v = read(kKmSoFar); !v.empty()) {
        t.SetKmSoFar(static_cast<std::uint32_t>(TextToInt(v)));
        if (m_pView) {
            m_pView->RecomputeMileageRows();
        }
    }
    // Last: older profiles were written without it.
    number(kDutyStation, &CTraveller::SetDutyStationNumber, kIdDutyStation);

    std::string language = read(kStartLanguage);
    if (language.size() < 2) {
        language = read(kLanguage);
    }
    // Only the value: the status total is not refreshed from here.
    SetWrittenStandardValue(StartsWithNoCase(language, "nynorsk") ? kNynorsk : kBokmal);
    if (m_pView) {
        m_pView->RelabelForm();
    }
}

bool CFerdixDoc::WriteProfile() {
    const FileLocations* files = Files();
    if (!files) {
        return false;
    }
    IniDocument profile;
    profile.Load(files->profile);
    const std::string section = GetPersonId();
    const CTraveller& t = m_traveller;
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
    write(kLanguage, StandardName(WrittenStandard()));
    return SaveProfile(*files, profile);
}

bool CFerdixDoc::WriteProfileStartLanguage(int standard) {
    const FileLocations* files = Files();
    if (!files) {
        return false;
    }
    return WriteProfileString(*files, GetPersonId(), kStartLanguage, StandardName(standard));
}

}  // namespace ferdix
