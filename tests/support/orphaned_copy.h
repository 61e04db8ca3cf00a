// What a run of the program leaves in the recovery folder when it is killed: its copy, the name
// file beside it (unless told otherwise) and a lock file that nobody holds any more.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "app/recovery.h"
#include "support/temp_folder.h"

namespace ferdix::test {

// The path of the copy; `ageSeconds` dates its last change back.
inline std::string MakeOrphanedCopy(const std::string& folder, const std::string& stem,
                                    const std::string& claim, std::optional<std::string> oldName,
                                    int ageSeconds = 0) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    std::string base = folder + "/" + stem;
    WriteFile(base + ".tur", claim);
    if (oldName) {
        WriteFile(base + ".navn", RecoveryNameText(*oldName));
    }
    WriteFile(base + ".lock", "");
    fs::last_write_time(base + ".tur",
                        fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
    return base + ".tur";
}

}  // namespace ferdix::test
