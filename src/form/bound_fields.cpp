#include "form/bound_fields.h"

#include <algorithm>

#include "base/text_convert.h"
#include "claim/ferdix_doc.h"
#include "form/control_ids.h"

namespace ferdix {

namespace {

template <const std::string& (CTraveller::*Get)() const>
std::string TravellerShows(const ClaimData& claim, DateOrder) {
    return (claim.Traveller().*Get)();
}
template <std::string (CTraveller::*Get)() const>
std::string TravellerNumberShows(const ClaimData& claim, DateOrder) {
    return (claim.Traveller().*Get)();
}
template <bool (CTraveller::*Set)(std::string_view)>
void StoreTravellerText(CFerdixDoc& doc, std::string_view text) {
    doc.ChangeTraveller(Set, text);
}
template <bool (CTraveller::*Set)(int)>
void StoreTravellerNumber(CFerdixDoc& doc, std::string_view text) {
    doc.ChangeTraveller(Set, TextToInt(text));
}

template <const std::string& (ClaimData::*Get)() const>
std::string ClaimShows(const ClaimData& claim, DateOrder) {
    return (claim.*Get)();
}
template <std::string (ClaimData::*Get)() const>
std::string ClaimTextShows(const ClaimData& claim, DateOrder) {
    return (claim.*Get)();
}
template <void (CFerdixDoc::*Set)(std::string_view)>
void StoreClaimText(CFerdixDoc& doc, std::string_view text) {
    (doc.*Set)(text);
}

template <const std::string& (CTraveller::*Get)() const, bool (CTraveller::*Set)(std::string_view)>
constexpr BoundField TravellerText(int id) {
    return {id, BoundKind::Text, 0, TravellerShows<Get>, StoreTravellerText<Set>};
}
template <std::string (CTraveller::*Get)() const, bool (CTraveller::*Set)(int)>
constexpr BoundField TravellerNumber(int id) {
    return {id, BoundKind::Normalised, 0, TravellerNumberShows<Get>, StoreTravellerNumber<Set>};
}
template <const std::string& (ClaimData::*Get)() const, void (CFerdixDoc::*Set)(std::string_view)>
constexpr BoundField ClaimText(int id, BoundKind kind = BoundKind::Text, std::size_t limit = 0) {
    return {id, kind, limit, ClaimShows<Get>, StoreClaimText<Set>};
}

// clang-format off
const std::array kBoundFields = {
    BoundField{kIdPersonId, BoundKind::Identity, 0, TravellerShows<&CTraveller::PersonId>,
               StoreClaimText<&CFerdixDoc::SetPersonId>},
    TravellerText<&CTraveller::Name, &CTraveller::SetName>(kIdName),
    TravellerText<&CTraveller::StreetAddress, &CTraveller::SetStreetAddress>(kIdStreet),
    TravellerNumber<&CTraveller::Postcode, &CTraveller::SetPostcodeNumber>(kIdPostcode),
    TravellerText<&CTraveller::PostTown, &CTraveller::SetPostTown>(kIdPostTown),
    TravellerText<&CTraveller::TaxMunicipality, &CTraveller::SetTaxMunicipality>(
        kIdTaxMunicipality),
    TravellerNumber<&CTraveller::MunicipalityNumberText, &CTraveller::SetMunicipalityNumber>(
        kIdMunicipalityNumber),
    TravellerNumber<&CTraveller::DutyStationNumberText, &CTraveller::SetDutyStationNumber>(
        kIdDutyStation),
    TravellerText<&CTraveller::AccountToCharge, &CTraveller::SetAccountToCharge>(
        kIdAccountToCharge),
    TravellerText<&CTraveller::Position, &CTraveller::SetPosition>(kIdPosition),
    BoundField{kIdBankAccount, BoundKind::Normalised, 0,
               TravellerShows<&CTraveller::AccountNumber>,
               StoreTravellerText<&CTraveller::SetAccountNumber>},
    TravellerText<&CTraveller::Department, &CTraveller::SetDepartment>(kIdDepartment),
    TravellerNumber<&CTraveller::EmployeeNumberText, &CTraveller::SetEmployeeNumber>(
        kIdEmployeeNumber),
    TravellerText<&CTraveller::Agency, &CTraveller::SetAgency>(kIdAgency),
    BoundField{kIdTaxPercent, BoundKind::Normalised, 0,
               TravellerNumberShows<&CTraveller::TaxPercentText>,
               [](CFerdixDoc& doc, std::string_view text) {
                   doc.ChangeTraveller(&CTraveller::SetTaxPercent, ParseAmount(text));
               }},
    ClaimText<&ClaimData::TripNumber, &CFerdixDoc::SetTripNumber>(kIdTripNumber),
    ClaimText<&ClaimData::Concerns, &CFerdixDoc::SetConcerns>(kIdTripOtherText,
                                                              BoundKind::Text, 25),
    ClaimText<&ClaimData::Purpose, &CFerdixDoc::SetPurpose>(kIdPurpose),
    BoundField{kIdDepartureDate, BoundKind::Date, 0,
               [](const ClaimData& claim, DateOrder order) { return claim.DepartureDateText(order); },
               [](CFerdixDoc& doc, std::string_view text) { doc.SetDepartureDate(text); },
               kIdDepartureTime},
    BoundField{kIdDepartureTime, BoundKind::Time, 0,
               ClaimTextShows<&ClaimData::DepartureTimeText>,
               StoreClaimText<&CFerdixDoc::SetDepartureTime>, kIdDepartureDate},
    BoundField{kIdReturnDate, BoundKind::Date, 0, [](const ClaimData& claim, DateOrder order) { return claim.ReturnDateText(order); },
               [](CFerdixDoc& doc, std::string_view text) { doc.SetReturnDate(text); },
               kIdReturnTime},
    BoundField{kIdReturnTime, BoundKind::Time, 0, ClaimTextShows<&ClaimData::ReturnTimeText>,
               StoreClaimText<&CFerdixDoc::SetReturnTime>, kIdReturnDate},
    // Picking a day country writes its rates at once; the name is stored on leaving.
    ClaimText<&ClaimData::AbroadDayCountry, &CFerdixDoc::SetAbroadDayCountry>(kIdDayCountry),
    ClaimText<&ClaimData::AbroadNightCountry1, &CFerdixDoc::SetAbroadNightCountry1>(
        kIdNightCountry1, BoundKind::Country),
    ClaimText<&ClaimData::AbroadNightCountry2, &CFerdixDoc::SetAbroadNightCountry2>(
        kIdNightCountry2, BoundKind::Country),
    ClaimText<&ClaimData::UnverifiedNightCountry1, &CFerdixDoc::SetUnverifiedNightCountry1>(
        kIdUnverifiedCountry1, BoundKind::Country),
    ClaimText<&ClaimData::UnverifiedNightCountry2, &CFerdixDoc::SetUnverifiedNightCountry2>(
        kIdUnverifiedCountry2, BoundKind::Country),
    ClaimText<&ClaimData::AdvancePlace, &CFerdixDoc::SetAdvancePlace>(kIdAdvancePlace,
                                                                      BoundKind::Text, 18),
    ClaimText<&ClaimData::Lodging, &CFerdixDoc::SetLodging>(kIdLodging),
    ClaimText<&ClaimData::Remarks, &CFerdixDoc::SetRemarks>(kIdRemarks),
    ClaimText<&ClaimData::InterimAccount, &CFerdixDoc::SetInterimAccount>(kIdInterimAccount),
    // A leave while a claim is loaded keeps the description the claim was read with.
    BoundField{kIdOtherAdditions, BoundKind::Text, 10, ClaimShows<&ClaimData::OtherAdditions>,
               StoreClaimText<&CFerdixDoc::SetOtherAdditions>, 0, false},
};
// clang-format on

}  // namespace

std::span<const BoundField> BoundFields() {
    return kBoundFields;
}

const BoundField* FindBoundField(int id) {
    auto it = std::find_if(kBoundFields.begin(), kBoundFields.end(),
                           [id](const BoundField& f) { return f.id == id; });
    return it == kBoundFields.end() ? nullptr : &*it;
}

const std::array<KindButton<KindOfTrip>, 3> kTripKindButtons = {{
    {kIdTripCourse, KindOfTrip::Course},
    {kIdTripOfficial, KindOfTrip::Official},
    {kIdTripOther, KindOfTrip::Other},
}};

const std::array<KindButton<KindOfLodging>, 3> kLodgingKindButtons = {{
    {kIdHotel, KindOfLodging::Hotel},
    {kIdBoardingHouse, KindOfLodging::BoardingHouse},
    {kIdLodgingOther, KindOfLodging::Other},
}};

KindOfTrip TripKindOf(const ClaimData& claim) {
    int kind = claim.TripKind();
    return kind == 0 || kind == 1 ? static_cast<KindOfTrip>(kind) : KindOfTrip::Other;
}

KindOfLodging LodgingKindOf(const ClaimData& claim) {
    int kind = claim.LodgingKind();
    return kind >= 0 && kind <= 2 ? static_cast<KindOfLodging>(kind) : KindOfLodging::None;
}

}  // namespace ferdix
