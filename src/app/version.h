#pragma once

#include <string>

namespace ferdix {

inline constexpr const char* kVersionMajor = "2";
inline constexpr const char* kVersionMinor = "3";
inline constexpr const char* kVersionBuild = "19";

// "2.3.19"
inline std::string VersionText() {
    return std::string(kVersionMajor) + "." + kVersionMinor + "." + kVersionBuild;
}

}  // namespace ferdix
