// Which part of the back side goes on which sheet. The paper form has one back page for
// the lists (page 2) and one for lodging and remarks (page 3); lists and remarks longer than
// those pages go on to further sheets with the same heads and a "continued" note.
#pragma once

#include <cstddef>
#include <vector>

namespace ferdix {

// Page-unit geometry of the back sheets, shared by the plan and the drawing.
namespace backpage {

inline constexpr int kFrameBottom = 2780;
inline constexpr int kLinePitch = 64;
// The cursor before the first travel line, and the top of its column rules.
inline constexpr int kTravelLinesTop = 126;
inline constexpr int kTravelColumnsTop = 128;
// From the rule under the last travel line to the bottom of the kilometre sums.
inline constexpr int kTravelFooterDepth = 192;
// From the kilometre sums to the outlay block.
inline constexpr int kOutlayGap = 120;
inline constexpr int kExplanationBoxHeight = 697;
// From the outlay block's top to the cursor before its first line, under the head.
inline constexpr int kOutlayLinesTop = 126;
inline constexpr int kLodgingGap = 30;
inline constexpr int kLodgingHeight = 108;
inline constexpr int kRemarksBelowLodging = 130;
// Tops of the blocks that open a sheet of their own.
inline constexpr int kLodgingSheetTop = 30;
inline constexpr int kRemarksSheetTop = 30;
inline constexpr int kOutlaySheetTop = 0;

}  // namespace backpage

// One back sheet. Line and row ranges are [from, to).
struct BackSheet {
    // The travel table; its kilometre sums and instructions close it on its last sheet.
    bool hasTravel = false;
    bool travelContinued = false;
    std::size_t travelFrom = 0;
    std::size_t travelTo = 0;
    bool travelEnds = false;

    // The outlay block at outlayTop, with the explanation box beside its first sheet, and the
    // carried total and footer on its last.
    bool hasOutlays = false;
    bool outlaysContinued = false;
    bool explanationBox = false;
    int outlayTop = 0;
    std::size_t outlayFrom = 0;
    std::size_t outlayTo = 0;
    bool outlaysEnd = false;

    // The lodging block, either under the lists or at the top of a sheet of its own.
    bool hasLodging = false;
    bool lodgingBelowLists = false;
    int lodgingTop = 0;

    // Rows of the wrapped remarks (row k is the text after the k-th line break).
    bool hasRemarks = false;
    bool remarksContinued = false;
    int remarksTop = 0;
    std::size_t remarksFrom = 0;
    std::size_t remarksTo = 0;
};

struct BackPageInput {
    std::size_t travelLines = 0;
    std::size_t outlayLines = 0;
    std::size_t remarksBreaks = 0;
    int textHeight = 40;
};

// The sheets after the front page, in order; the first is page 2.
std::vector<BackSheet> PlanBackPages(const BackPageInput& in);

// The lodging block at the top of a sheet with the remarks that fit under it: the third page of
// the three-page form, also drawn for a page number beyond the plan.
BackSheet LodgingSheet(const BackPageInput& in);

}  // namespace ferdix
