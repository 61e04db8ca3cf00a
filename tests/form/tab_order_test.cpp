#include "form/tab_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "form/control_ids.h"
#include "support/form_fixture.h"

namespace ferdix {
namespace {

class TabOrderTest : public test::FormFixture {
  protected:
    // The round of Tab (or Shift+Tab) from `from` until it comes back there.
    std::vector<int> Round(int from, bool forward) {
        std::vector<int> round{from};
        for (int i = 0; i < 400; ++i) {
            int next = NextTabStop(controls, round.back(), forward);
            if (next == from || next == 0) {
                break;
            }
            round.push_back(next);
        }
        return round;
    }
};

TEST_F(TabOrderTest, ARadioGroupIsOneStopEnteredAtItsCheckedButton) {
    // A new claim: "Tjenestereise" and "Hotell" checked, the text beside "Annet" disabled.
    ASSERT_TRUE(controls.IsChecked(kIdTripOfficial));
    ASSERT_FALSE(controls.IsEnabled(kIdTripOtherText));
    const struct {
        int from;
        bool forward;
        int to;
    } cases[] = {
        // Tab from any button of a group goes to the field after the group.
        {kIdHotel, true, kIdPurpose},
        {kIdBoardingHouse, true, kIdPurpose},
        {kIdLodgingOther, true, kIdPurpose},
        {kIdTripCourse, true, kIdOvernight},
        {kIdTripOther, true, kIdOvernight},
        {kIdAdminAbroad, true, kIdAdminAllowanceCount},
        // Shift+Tab from any of them to the field before it.
        {kIdLodgingOther, false, kIdOvernight},
        {kIdBoardingHouse, false, kIdOvernight},
        {kIdTripCourse, false, kIdDutyStation},
        // Into a group: its checked button.
        {kIdOvernight, true, kIdHotel},
        {kIdPurpose, false, kIdHotel},
        {kIdDutyStation, true, kIdTripOfficial},
        {kIdOvernight, false, kIdTripOfficial},
        {kIdAdminAllowanceCount, false, kIdAdminDomestic},
        // The "?" buttons come after their amounts.
        {kIdMealDeductionNoOvernightAmount, true, kIdMealInfo1},
        {kIdMealInfo1, true, kIdMealDeductionOvernight1Amount},
        {kIdMealDeductionOvernight2Amount, false, kIdMealInfo2},
        // A computed amount one clicked into is no stop: Tab goes on from its place.
        {kIdDayDomesticOver12hAmount, true, kIdDayCountry},
        {kIdDayDomesticOver12hAmount, false, kIdDayDomesticOver12hRate},
        // The round wraps at both ends.
        {kIdInterimAccount, true, kIdPersonId},
        {kIdPersonId, false, kIdInterimAccount},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextTabStop(controls, c.from, c.forward), c.to)
            << c.from << (c.forward ? " Tab" : " Shift+Tab");
    }

    ASSERT_TRUE(controls.Click(kIdBoardingHouse));
    EXPECT_EQ(NextTabStop(controls, kIdOvernight, true), kIdBoardingHouse);
    EXPECT_EQ(NextTabStop(controls, kIdPurpose, false), kIdBoardingHouse);
    // "Annet" enables its text, which is the next stop.
    ASSERT_TRUE(controls.Click(kIdTripOther));
    EXPECT_EQ(NextTabStop(controls, kIdTripCourse, true), kIdTripOtherText);
    EXPECT_EQ(NextTabStop(controls, kIdDutyStation, true), kIdTripOther);
}

TEST_F(TabOrderTest, DisabledControlsAreSkipped) {
    // Without lodging the three buttons are disabled: the group is no stop.
    ASSERT_TRUE(controls.Click(kIdOvernight));
    ASSERT_FALSE(controls.IsEnabled(kIdHotel));
    EXPECT_EQ(NextTabStop(controls, kIdOvernight, true), kIdPurpose);
    EXPECT_EQ(NextTabStop(controls, kIdPurpose, false), kIdOvernight);
    controls.Enable(kIdOutlayAmount, false);
    controls.Enable(kIdOutlayRate, false);
    EXPECT_EQ(NextTabStop(controls, kIdOutlayCurrency, true), kIdOutlaySum);
    EXPECT_EQ(NextTabStop(controls, kIdOutlaySum, false), kIdOutlayCurrency);
}

TEST_F(TabOrderTest, TheRoundReadsTheFormAndBackTabWalksItBackwards) {
    std::vector<int> forward = Round(kIdPersonId, true);
    std::vector<int> backward = Round(kIdPersonId, false);
    ASSERT_GT(forward.size(), 60u);
    std::vector<int> reversed(forward.begin() + 1, forward.end());
    std::reverse(reversed.begin(), reversed.end());
    reversed.insert(reversed.begin(), kIdPersonId);
    EXPECT_EQ(backward, reversed);

    // Every stop once, in template order: each control lies after the one before it.
    auto place = [](int id) { return FindControl(id) - FormTemplate().data(); };
    for (std::size_t i = 1; i < forward.size(); ++i) {
        EXPECT_GT(place(forward[i]), place(forward[i - 1])) << forward[i];
    }
    for (int id : {kIdName, kIdTripOfficial, kIdOvernight, kIdHotel, kIdPurpose, kIdTravelRegister,
                   kIdTravelList, kIdOutlayList, kIdLodging, kIdMealInfo1, kIdMealInfo2,
                   kIdMealInfo3, kIdAdvanceAmount, kIdRemarks, kIdInterimAccount}) {
        EXPECT_EQ(std::count(forward.begin(), forward.end(), id), 1) << id;
    }
    for (int id : {kIdBoardingHouse, kIdLodgingOther, kIdTripCourse, kIdTripOtherText,
                   kIdDayDomesticOver12hAmount, kIdBoardLodgingDaysCoveredCount}) {
        EXPECT_EQ(std::count(forward.begin(), forward.end(), id), 0) << id;
    }
}

TEST_F(TabOrderTest, TabFromALodgingButtonNeverReachesTheIdentityNumber) {
    // Type an identity number, Tab; click "Pensjonat"; Tab; type the purpose; Tab.
    ASSERT_TRUE(controls.Type(kIdPersonId, "01017012345"));
    EXPECT_EQ(controls.PressTab(), kIdName);
    ASSERT_TRUE(controls.Click(kIdBoardingHouse));
    EXPECT_EQ(controls.PressTab(), kIdPurpose);
    ASSERT_TRUE(controls.Type(controls.GetFocus(), "Bergen og Voss"));
    controls.PressTab();
    EXPECT_EQ(doc.Claim().Traveller().PersonId(), "010170 12345");
    EXPECT_EQ(doc.Claim().Purpose(), "Bergen og Voss");
    EXPECT_EQ(doc.Claim().LodgingKind(), 1);
}

}  // namespace
}  // namespace ferdix
