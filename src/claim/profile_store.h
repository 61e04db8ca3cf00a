// The traveller profile, reisende.ini: one section per traveller, named by the identity number.
// The store reads and writes sections; what a read means for the claim and the form is the
// document's business.
#pragma once

#include <string>

#include "claim/traveller.h"
#include "rates/program_settings.h"

namespace ferdix {

// One section's values as the file holds them; empty where the key is missing or empty.
struct TravellerProfile {
    std::string name;
    std::string street;
    std::string postcode;
    std::string postTown;
    std::string position;
    std::string account;
    std::string agency;
    std::string department;
    std::string employeeNumber;
    std::string taxMunicipality;
    std::string municipalityNumber;
    std::string taxPercent;
    std::string kmSoFar;
    std::string dutyStation;
    // "Oppstartingsspråk", or "Språkpreferanse" when that is shorter than two characters.
    std::string language;
};

class CProfileStore {
  public:
    // Without file locations every read is empty and every write fails.
    explicit CProfileStore(const FileLocations* files = nullptr) : m_pFiles(files) {}

    TravellerProfile Read(const std::string& personId) const;
    // The traveller block into its section, with the written standard as its language; false
    // when it could not be written.
    bool Write(const CTraveller& traveller, int writtenStandard) const;
    // "Oppstartingsspråk" of the traveller's section, as the written-standard commands keep it.
    bool WriteStartLanguage(const std::string& personId, int standard) const;

  private:
    const FileLocations* m_pFiles;
};

}  // namespace ferdix
