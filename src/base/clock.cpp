#include "base/clock.h"

#include <ctime>

namespace ferdix {

CivilTime SystemClock::Now() const {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return CivilTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

const IClock& DefaultClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace ferdix
