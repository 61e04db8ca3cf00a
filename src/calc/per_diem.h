// Rates taken from a picked country.
#pragma once

namespace ferdix {

// The short abroad day (6-12 hours): two thirds of the per-diem rate, rounded up to a multiple
// of 5 kroner (a remainder below 0.01 of a step is dropped).
int ShortAbroadDayRate(int perDiemRate);

}  // namespace ferdix
