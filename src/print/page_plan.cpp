#include "print/page_plan.h"

#include <algorithm>
#include <cstdint>

#include "print/remarks_wrap.h"

namespace ferdix {

using namespace backpage;

namespace {

// Lines of 64 units that fit between a cursor at y and the frame's bottom.
std::size_t LinesBelow(std::int64_t y) {
    return y >= kFrameBottom ? 0 : static_cast<std::size_t>((kFrameBottom - y) / kLinePitch);
}

// The travel lines a sheet can hold when their sums, the explanation box and the outlay head
// follow on it.
constexpr std::size_t kTravelLinesBesideOutlays =
    (kFrameBottom - kTravelLinesTop - kTravelFooterDepth - kOutlayGap - kExplanationBoxHeight) /
    kLinePitch;

int RowHeight(const BackPageInput& in) {
    return std::max(1, in.textHeight + 10);
}

// Remarks rows that fit under a heading at top, the frame ending on the page frame.
std::size_t RemarksRowsBelow(int top, int row) {
    return static_cast<std::size_t>(std::max(1, (kFrameBottom - top) / row - 1));
}

void AddRemarksSheets(std::vector<BackSheet>& sheets, std::size_t from, std::size_t rows, int row) {
    while (from < rows) {
        BackSheet& s = sheets.emplace_back();
        s.hasRemarks = true;
        s.remarksContinued = true;
        s.remarksTop = kRemarksSheetTop;
        s.remarksFrom = from;
        s.remarksTo = std::min(rows, from + RemarksRowsBelow(kRemarksSheetTop, row));
        from = s.remarksTo;
    }
}

}  // namespace

BackSheet LodgingSheet(const BackPageInput& in) {
    int row = RowHeight(in);
    std::size_t rows = in.remarksBreaks + 1;
    BackSheet s;
    s.hasLodging = true;
    s.lodgingTop = kLodgingSheetTop;
    s.hasRemarks = true;
    s.remarksTop = kLodgingSheetTop + kRemarksBelowLodging;
    // The three-page form's own test for its third page keeps every claim it printed whole as it
    // was.
    auto space = static_cast<std::int64_t>(kFrameBottom - s.remarksTop);
    bool whole =
        space >= static_cast<std::int64_t>(in.remarksBreaks) * static_cast<std::int64_t>(row) + 70;
    s.remarksTo = whole ? rows : std::min(rows, RemarksRowsBelow(s.remarksTop, row));
    return s;
}

std::vector<BackSheet> PlanBackPages(const BackPageInput& in) {
    std::vector<BackSheet> sheets;

    std::size_t from = 0;
    for (;;) {
        BackSheet& s = sheets.emplace_back();
        s.hasTravel = true;
        s.travelContinued = from > 0;
        s.travelFrom = from;
        std::size_t left = in.travelLines - from;
        if (left <= kTravelLinesBesideOutlays) {
            s.travelTo = in.travelLines;
            s.travelEnds = true;
            break;
        }
        // Leave at least one line to stand above the sums.
        s.travelTo = from + std::min(LinesBelow(kTravelLinesTop), left - 1);
        from = s.travelTo;
    }

    std::int64_t top =
        kTravelLinesTop +
        static_cast<std::int64_t>(sheets.back().travelTo - sheets.back().travelFrom) * kLinePitch +
        kTravelFooterDepth + kOutlayGap;
    std::int64_t bottom = 0;
    from = 0;
    for (bool first = true;; first = false) {
        BackSheet& s = first ? sheets.back() : sheets.emplace_back();
        s.hasOutlays = true;
        s.outlaysContinued = !first;
        s.explanationBox = first;
        s.outlayTop = static_cast<int>(top);
        s.outlayFrom = from;
        std::size_t left = in.outlayLines - from;
        std::int64_t cursor = top + kOutlayLinesTop;
        // The carried total takes one more row under the lines.
        if (left <= LinesBelow(cursor + kLinePitch)) {
            s.outlayTo = in.outlayLines;
            s.outlaysEnd = true;
            bottom = cursor + static_cast<std::int64_t>(left + 1) * kLinePitch;
            if (first) {
                bottom = std::max(bottom, top + kExplanationBoxHeight);
            }
            break;
        }
        s.outlayTo = from + std::min(LinesBelow(cursor), left - 1);
        from = s.outlayTo;
        top = kOutlaySheetTop;
    }

    int row = RowHeight(in);
    std::size_t rows = in.remarksBreaks + 1;
    std::int64_t lodging = bottom + kLodgingGap;
    std::int64_t remarksTop = lodging + kRemarksBelowLodging;
    bool fit = remarksTop + static_cast<std::int64_t>(rows + 1) * row <= kFrameBottom;
    if (sheets.size() == 1) {
        fit = fit && RemarksFitOnSecondPage(in.travelLines, in.outlayLines, in.remarksBreaks,
                                            in.textHeight);
    }
    if (fit) {
        BackSheet& s = sheets.back();
        s.hasLodging = true;
        s.lodgingBelowLists = true;
        s.lodgingTop = static_cast<int>(lodging);
        s.hasRemarks = true;
        s.remarksTop = static_cast<int>(remarksTop);
        s.remarksTo = rows;
        return sheets;
    }
    sheets.push_back(LodgingSheet(in));
    AddRemarksSheets(sheets, sheets.back().remarksTo, rows, row);
    return sheets;
}

}  // namespace ferdix
