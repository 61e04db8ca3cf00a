#include "form/form_lists.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "support/program_state.h"

namespace ferdix {
namespace {

class FormListsTest : public ::testing::Test {
  protected:
    test::ProgramStateGuard guard;
};

TEST_F(FormListsTest, MeansOfTransportEndWithTheStandardsWordForOther) {
    SetWrittenStandardValue(kBokmal);
    auto bokmal = MeansOfTransportChoices();
    SetWrittenStandardValue(kNynorsk);
    auto nynorsk = MeansOfTransportChoices();
    ASSERT_EQ(bokmal.size(), 9u);
    ASSERT_EQ(nynorsk.size(), bokmal.size());
    EXPECT_EQ(bokmal.back(), "Annet");
    EXPECT_EQ(nynorsk.back(), "Anna");
    for (std::size_t i = 0; i + 1 < bokmal.size(); ++i) {
        EXPECT_EQ(bokmal[i], nynorsk[i]);
    }
    EXPECT_NE(std::find(bokmal.begin(), bokmal.end(), "Motorbåt"_cp), bokmal.end());
}

TEST_F(FormListsTest, ListColumnsKeepTheStandardTheyWereTakenIn) {
    SetWrittenStandardValue(kBokmal);
    auto travel = TravelListColumns();
    auto outlay = OutlayListColumns();
    SetWrittenStandardValue(kNynorsk);
    auto travelNynorsk = TravelListColumns();

    ASSERT_EQ(travel.size(), 10u);  // one per cell of a travel row
    ASSERT_EQ(outlay.size(), 6u);
    EXPECT_EQ(travel[2].title, "Sted fra");
    EXPECT_EQ(travel[3].title, "Sted til");
    EXPECT_EQ(travelNynorsk[2].title, "Stad frå"_cp);
    EXPECT_EQ(travelNynorsk[3].title, "Stad til");
    for (std::size_t i = 0; i < travel.size(); ++i) {
        EXPECT_EQ(travel[i].widthPercent, travelNynorsk[i].widthPercent) << i;
        if (i != 2 && i != 3) {
            EXPECT_EQ(travel[i].title, travelNynorsk[i].title) << i;
        }
    }
}

}  // namespace
}  // namespace ferdix
