// An invariant of a fuzz target: a broken one names its line and stops the run with the input.
#pragma once

#include <cstdio>

namespace ferdix::fuzz {

inline void Check(bool ok, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken at %s:%d\n", file, line);
        __builtin_trap();
    }
}

}  // namespace ferdix::fuzz
