// Marks of the start-up's phases for bench/startup_phases.sh: built only with the compile
// definition FERDIX_STARTUP_MARKS (CMake option of the same name, off in every other build),
// each prints "phase NAME MICROSECONDS-SINCE-THE-EPOCH" to stderr; otherwise nothing is left.
#pragma once

#ifdef FERDIX_STARTUP_MARKS
#include <chrono>
#include <cstdio>
#endif

namespace ferdix {

inline void StartupMark([[maybe_unused]] const char* phase) {
#ifdef FERDIX_STARTUP_MARKS
    auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "phase %s %lld\n", phase,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
#endif
}

}  // namespace ferdix
