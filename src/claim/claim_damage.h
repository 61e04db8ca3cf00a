// What reading a claim file found that a whole file would not have: where it ended before its
// layout did, counts that do not fit their records, a version newer than this program.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace ferdix {

// A version as "Versjon X.Y.Z" names it.
struct ClaimVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};
// This program's own version, the one its files name.
ClaimVersion ProgramClaimVersion();
// The numbers of a version line ("Versjon 2.3.19"; the build may be missing); nothing when the
// line is not one.
std::optional<ClaimVersion> ParseClaimVersion(std::string_view line);

// Where in the layout a read stopped because the file had ended.
struct ClaimPart {
    enum Kind {
        VersionLine,
        SavedLine,
        Field,
        TravelCount,
        TravelRecord,
        OutlayCount,
        OutlayRecord,
        Allowances,
    };
    Kind kind = VersionLine;
    std::string_view key;  // Field: its key (Windows-1252)
    int number = 0;        // TravelRecord, OutlayRecord: 1 for the first
};

// A count line that does not fit the records that follow it.
struct ClaimCountMismatch {
    bool travel = true;  // else the outlays
    int said = 0;
    int found = 0;
};

// What a read found that a whole claim file would not have; empty for a file as this program
// (or an older one) writes it.
struct ClaimDamage {
    bool notAClaim = false;             // the first line is no version line
    std::optional<ClaimVersion> newer;  // a version newer than this program
    std::optional<ClaimPart> endedAt;   // the file ended before its layout did
    std::vector<ClaimCountMismatch> counts;
    bool Any() const { return notAClaim || newer || endedAt || !counts.empty(); }
};

}  // namespace ferdix
