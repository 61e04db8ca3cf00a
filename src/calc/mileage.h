// The mileage rules: car kilometres split at 9000 km a year between lines 15 and 16, and the
// kilometres of other vehicles on line 19.
#pragma once

#include <cstdint>
#include <string_view>

namespace ferdix {

inline constexpr std::int64_t kCarThresholdKm = 9000;

// A means of transport that counts as car: its first three letters are "bil" in any case.
bool IsCarTransport(std::string_view means);

struct CarSplit {
    std::int64_t upTo9000 = 0;  // line 15's count
    std::int64_t over9000 = 0;  // line 16's count
    bool upTo9000Enabled = true;
    bool over9000Enabled = false;
};

// The split of a trip's car kilometres given the kilometres driven earlier this year.
CarSplit SplitCar(std::int64_t kmSoFar, std::int64_t carKm);

// Leaving the line-15 count field with x typed: a new split when it crosses 9000 km, else none.
struct TypedSplit {
    bool applies = false;
    double upTo9000 = 0;
    double over9000 = 0;
};
TypedSplit SplitTypedCarKm(std::int64_t kmSoFar, double typedKm);

}  // namespace ferdix
