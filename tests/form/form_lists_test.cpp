#include "form/form_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "base/cp1252.h"
#include "base/written_standard.h"

namespace ferdix {
namespace {

class FormListsTest : public ::testing::Test {
  protected:
};

TEST_F(FormListsTest, MeansOfTransportEndWithTheStandardsWordForOther) {
    auto bokmal = MeansOfTransportChoices(kBokmal);
    auto nynorsk = MeansOfTransportChoices(kNynorsk);
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
    auto travel = TravelListColumns(kBokmal);
    auto outlay = OutlayListColumns();
    auto travelNynorsk = TravelListColumns(kNynorsk);

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

TEST_F(FormListsTest, ColumnsShownWholeTakeTheWidthTheirValuesNeed) {
    std::span<const ListColumn> travel = TravelListColumns(kBokmal);
    const int inner = 560;
    auto total = [](const std::vector<int>& w) { return std::accumulate(w.begin(), w.end(), 0); };
    // The shares as the list has always had them: what values of the usual width get.
    std::vector<int> shares = FitColumnWidths(travel, std::vector<int>(travel.size(), 0), inner);
    ASSERT_EQ(shares.size(), travel.size());
    EXPECT_EQ(shares[2], inner * 20 / 100);
    EXPECT_EQ(total(shares), inner);
    std::vector<int> fitting(travel.size(), 10);
    EXPECT_EQ(FitColumnWidths(travel, fitting, inner), shares);

    // A seven-digit amount and sum: both shown whole; the place columns give the width, the
    // other text column (the means) as much as its share says, and the total stays.
    std::vector<int> needed = fitting;
    needed[6] = shares[6] + 30;
    needed[9] = shares[9] + 20;
    std::vector<int> widths = FitColumnWidths(travel, needed, inner);
    EXPECT_EQ(widths[6], needed[6]);
    EXPECT_EQ(widths[9], needed[9]);
    EXPECT_EQ(total(widths), inner);
    for (std::size_t i : {0u, 1u, 4u, 7u, 8u}) {
        EXPECT_EQ(widths[i], shares[i]) << i;
    }
    int given2 = shares[2] - widths[2], given3 = shares[3] - widths[3];
    int given5 = shares[5] - widths[5];
    EXPECT_EQ(given2 + given3 + given5, 50);
    EXPECT_NEAR(given2, given3, 1);
    EXPECT_GT(given2, given5);

    // More than the text columns can give: they keep their narrowest, and the list grows
    // wider than its window rather than cut a value.
    needed[9] = inner;
    widths = FitColumnWidths(travel, needed, inner);
    EXPECT_EQ(widths[9], inner);
    for (std::size_t i : {2u, 3u, 5u}) {
        EXPECT_EQ(widths[i], needed[i]) << i;
    }
    EXPECT_GT(total(widths), inner);

    // Which columns are shown whole: dates, times, amounts, codes and rates.
    for (auto columns : {TravelListColumns(kBokmal), OutlayListColumns()}) {
        for (const ListColumn& c : columns) {
            bool text = c.title == "Sted fra" || c.title == "Sted til" ||
                        c.title == "Skyssmiddel" || c.title == "Spesifikasjon";
            EXPECT_EQ(c.sample.empty(), text) << c.title;
        }
    }
}

TEST_F(FormListsTest, TheOpenListMarksTheItemTheBoxShows) {
    const std::vector<std::string> countries = {"Algerie", "Kenya", "KENYA", "Sverige",
                                                std::string("Østerrike"_cp)};
    const struct {
        std::string shown;
        int marked;
    } cases[] = {
        {"Kenya", 1},
        {"KENYA", 2},  // the exact text first
        {"kenya", 1},
        {"sVERIGE", 3},
        {std::string("østerrike"_cp), 4},  // Norwegian letters have their capitals too
        {"Ken", -1},
        {"Kenya ", -1},
        {"", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownItem(countries, c.shown), c.marked) << c.shown;
    }
}

}  // namespace
}  // namespace ferdix
