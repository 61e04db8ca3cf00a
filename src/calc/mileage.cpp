#include "calc/mileage.h"

#include "base/text_convert.h"

namespace ferdix {

bool IsCarTransport(std::string_view means) {
    return StartsWithNoCase(means, "bil");
}

CarSplit SplitCar(std::int64_t kmSoFar, std::int64_t carKm) {
    CarSplit s;
    if (kmSoFar >= kCarThresholdKm) {
        s.upTo9000 = 0;
        s.over9000 = carKm;
        s.upTo9000Enabled = false;
        s.over9000Enabled = true;
        return s;
    }
    std::int64_t total = kmSoFar + carKm;
    if (total < kCarThresholdKm) {
        s.upTo9000 = carKm;
        s.over9000 = 0;
    } else {
        s.upTo9000 = kCarThresholdKm - kmSoFar;
        s.over9000 = total - kCarThresholdKm;
    }
    s.upTo9000Enabled = true;
    s.over9000Enabled = total >= kCarThresholdKm;
    return s;
}

TypedSplit SplitTypedCarKm(std::int64_t kmSoFar, double typedKm) {
    TypedSplit s;
    if (kmSoFar >= kCarThresholdKm) {
        return s;
    }
    auto so = static_cast<double>(kmSoFar);
    auto threshold = static_cast<double>(kCarThresholdKm);
    if (so + typedKm > threshold) {
        s.applies = true;
        s.upTo9000 = threshold - so;
        s.over9000 = typedKm - threshold + so;
    }
    return s;
}

}  // namespace ferdix
