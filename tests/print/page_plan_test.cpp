#include "print/page_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace ferdix {
namespace {

struct PlanCase {
    std::size_t travel;
    std::size_t outlays;
    std::size_t breaks;
    std::size_t sheets;
    std::size_t travelOnFirst;
    std::size_t outlaysOnFirst;
    bool lodgingUnderLists;
};

TEST(PagePlan, SheetBoundaries) {
    const PlanCase cases[] = {
        // The two- and three-page forms.
        {0, 0, 0, 1, 0, 0, true},
        {0, 0, 26, 1, 0, 0, true},
        {0, 0, 27, 2, 0, 0, false},
        {25, 0, 0, 2, 25, 0, false},
        {0, 33, 0, 2, 0, 33, false},
        // The estimate keeps these remarks on page 2, but with the outlays printed under
        // their head they would run past the frame there.
        {0, 28, 3, 2, 0, 28, false},
        // One travel line more than page 2 holds beside the outlays.
        {26, 0, 0, 2, 25, 0, true},
        // One outlay more than fits: the last goes on with the total to a sheet of its own.
        {0, 34, 0, 2, 0, 33, true},
        // The remarks of the third page that the three-page form's rule keeps whole stay whole.
        {0, 0, 51, 2, 0, 0, false},
        {0, 0, 52, 3, 0, 0, false},
        {200, 0, 0, 6, 41, 0, true},
    };
    for (const PlanCase& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.travel << " travel, " << tc.outlays << " outlays, "
                                        << tc.breaks << " breaks");
        std::vector<BackSheet> plan = PlanBackPages({tc.travel, tc.outlays, tc.breaks, 40});
        ASSERT_EQ(plan.size(), tc.sheets);
        EXPECT_EQ(plan[0].travelTo, tc.travelOnFirst);
        EXPECT_EQ(plan[0].hasOutlays ? plan[0].outlayTo : 0, tc.outlaysOnFirst);
        const BackSheet* lodging = nullptr;
        for (const BackSheet& s : plan) {
            if (s.hasLodging) {
                lodging = &s;
            }
        }
        ASSERT_NE(lodging, nullptr);
        EXPECT_EQ(lodging->lodgingBelowLists, tc.lodgingUnderLists);
        if (!tc.lodgingUnderLists) {
            EXPECT_EQ(lodging->lodgingTop, 30);
            EXPECT_EQ(lodging->remarksTop, 160);
        }
    }
}

// Every line and every remarks row is planned once, in order; the travel sums, the
// explanation box and the outlay total once; and every block ends within the frame.
TEST(PagePlan, EverythingOnceAndWithinTheFrame) {
    for (std::size_t travel : {0, 1, 25, 26, 40, 41, 42, 67, 200}) {
        for (std::size_t outlays : {0, 7, 8, 33, 34, 100}) {
            for (std::size_t breaks : {0, 26, 27, 52, 300}) {
                SCOPED_TRACE(testing::Message() << travel << "/" << outlays << "/" << breaks);
                std::vector<BackSheet> plan = PlanBackPages({travel, outlays, breaks, 40});
                std::size_t nextTravel = 0, nextOutlay = 0, nextRow = 0;
                int sums = 0, boxes = 0, totals = 0, lodgings = 0;
                for (const BackSheet& s : plan) {
                    if (s.hasTravel) {
                        EXPECT_EQ(s.travelFrom, nextTravel);
                        EXPECT_EQ(s.travelContinued, nextTravel > 0);
                        nextTravel = s.travelTo;
                        sums += s.travelEnds;
                        EXPECT_LE(126 + 64 * static_cast<int>(s.travelTo - s.travelFrom), 2780);
                    }
                    if (s.hasOutlays) {
                        EXPECT_EQ(s.outlayFrom, nextOutlay);
                        nextOutlay = s.outlayTo;
                        boxes += s.explanationBox;
                        totals += s.outlaysEnd;
                        int bottom =
                            s.outlayTop + 126 +
                            64 * static_cast<int>(s.outlayTo - s.outlayFrom + s.outlaysEnd);
                        EXPECT_LE(bottom, 2780);
                        if (s.explanationBox) {
                            EXPECT_LE(s.outlayTop + 697, 2780);
                        }
                    }
                    lodgings += s.hasLodging;
                    if (s.hasRemarks) {
                        EXPECT_EQ(s.remarksFrom, nextRow);
                        EXPECT_EQ(s.remarksContinued, !s.hasLodging);
                        nextRow = s.remarksTo;
                        EXPECT_LE(
                            s.remarksTop + 50 * static_cast<int>(s.remarksTo - s.remarksFrom + 1),
                            2780);
                    }
                }
                EXPECT_EQ(nextTravel, travel);
                EXPECT_EQ(nextOutlay, outlays);
                EXPECT_EQ(nextRow, breaks + 1);
                EXPECT_EQ(sums, 1);
                EXPECT_EQ(boxes, 1);
                EXPECT_EQ(totals, 1);
                EXPECT_EQ(lodgings, 1);
            }
        }
    }
}

TEST(PagePlan, LodgingSheetSplitsOnlyWhatTheThirdPageCannotHold) {
    BackSheet whole = LodgingSheet({0, 0, 51, 40});
    EXPECT_EQ(whole.remarksTo, 52u);
    BackSheet split = LodgingSheet({0, 0, 60, 40});
    EXPECT_EQ(split.remarksTop, 160);
    EXPECT_EQ(split.remarksTo, 51u);  // 160 + 52 x 50 == 2760
}

}  // namespace
}  // namespace ferdix
