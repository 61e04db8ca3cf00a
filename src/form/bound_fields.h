// The header fields of the form, each bound to one value of the claim: what the field shows of
// the claim, how an edit of it is stored back, and how many bytes it takes. One table fills the
// fields from the claim and stores the user's edits, and it alone holds the fields' limits.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "claim/claim_data.h"

namespace ferdix {

class CFerdixDoc;

enum class BoundKind {
    Text,        // stored as it stands; the field keeps what the user typed
    Normalised,  // stored, then the field shows the stored form (numbers, postcode, account)
    Identity,    // as Normalised, but only on leaving: a new number reads a profile
    Date,        // departure or return: stored, then shown again with its time
    Time,        // stored only once its date is set, then shown again with the date
    Country,     // a country box whose typed name is stored as it changes, not only on leaving
};

struct BoundField {
    int id;
    BoundKind kind;
    std::size_t limit;  // bytes the field takes as the user types; 0 for no limit
    // In the run's date order.
    std::string (*shown)(const ClaimData&, DateOrder);
    void (*store)(CFerdixDoc&, std::string_view text);
    // The date field a time is stored with, or the time a date is shown with; 0 for none.
    int partner = 0;
    // False: a leave while a claim is loaded stores nothing.
    bool storedWhileLoading = true;
};

std::span<const BoundField> BoundFields();
// nullptr for a control without a binding.
const BoundField* FindBoundField(int id);

// The kind of trip and of lodging, by the numbers the claim keeps.
enum class KindOfTrip : int { Course = 0, Official = 1, Other = 2 };
enum class KindOfLodging : int { Hotel = 0, BoardingHouse = 1, Other = 2, None = 3 };

template <typename Kind>
struct KindButton {
    int id;
    Kind kind;
};

extern const std::array<KindButton<KindOfTrip>, 3> kTripKindButtons;
// The lodging without an overnight stay has no button: "Annet" shows it, disabled.
extern const std::array<KindButton<KindOfLodging>, 3> kLodgingKindButtons;

KindOfTrip TripKindOf(const ClaimData& claim);
KindOfLodging LodgingKindOf(const ClaimData& claim);

}  // namespace ferdix
