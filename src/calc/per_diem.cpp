#include "calc/per_diem.h"

namespace ferdix {

int ShortAbroadDayRate(int perDiemRate) {
    double x = static_cast<double>(perDiemRate) * 0.13333333333333333;
    x += 0.99;
    return 5 * static_cast<int>(x);
}

}  // namespace ferdix
