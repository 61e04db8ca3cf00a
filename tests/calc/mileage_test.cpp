#include "calc/mileage.h"

#include <gtest/gtest.h>

#include <memory>

#include "calc/per_diem.h"
#include "claim/ferdix_doc.h"

namespace ferdix {
namespace {

TEST(Mileage, SplitAtTheYearlyThreshold) {
    struct Case {
        std::int64_t soFar, car, upTo, over;
        bool upToEnabled, overEnabled;
    };
    const Case cases[] = {
        {0, 300, 300, 0, true, false},   {8800, 300, 200, 100, true, true},
        {8700, 300, 300, 0, true, true}, {9000, 300, 0, 300, false, true},
        {12000, 0, 0, 0, false, true},   {0, 0, 0, 0, true, false},
        {8999, 1, 1, 0, true, true},     {0, 20000, 9000, 11000, true, true},
    };
    for (const Case& c : cases) {
        CarSplit s = SplitCar(c.soFar, c.car);
        EXPECT_EQ(s.upTo9000, c.upTo) << c.soFar << "+" << c.car;
        EXPECT_EQ(s.over9000, c.over) << c.soFar << "+" << c.car;
        EXPECT_EQ(s.upTo9000Enabled, c.upToEnabled) << c.soFar << "+" << c.car;
        EXPECT_EQ(s.over9000Enabled, c.overEnabled) << c.soFar << "+" << c.car;
    }
}

TEST(Mileage, TypedKilometresSplitOnlyWhenCrossing) {
    TypedSplit s = SplitTypedCarKm(8800, 500);
    ASSERT_TRUE(s.applies);
    EXPECT_DOUBLE_EQ(s.upTo9000, 200);
    EXPECT_DOUBLE_EQ(s.over9000, 300);
    EXPECT_FALSE(SplitTypedCarKm(8800, 200).applies);  // exactly 9000 is not beyond it
    EXPECT_FALSE(SplitTypedCarKm(9000, 500).applies);
    EXPECT_FALSE(SplitTypedCarKm(0, 8999.5).applies);
}

TEST(Mileage, KilometresByMeansOfTransport) {
    CFerdixDoc doc;
    auto leg = [&](const char* means, int km) {
        auto l = std::make_unique<CTravelLine>();
        l->SetTransport(means);
        l->SetKm(km);
        doc.AddTravelLine(std::move(l));
    };
    leg("Bil", 100);
    leg("BIL (egen)", 50);
    leg("bi", 7);
    leg("Motorsykkel", 120);
    leg("Tog", 400);
    EXPECT_EQ(CarKilometres(doc.Claim()), 150);
    EXPECT_EQ(OtherVehicleKilometres(doc.Claim()), 527);
    EXPECT_TRUE(IsCarTransport("biltur"));
    EXPECT_FALSE(IsCarTransport("Buss"));
}

TEST(PerDiem, ShortAbroadDayIsTwoThirdsRoundedUpToFive) {
    EXPECT_EQ(ShortAbroadDayRate(500), 335);
    EXPECT_EQ(ShortAbroadDayRate(600), 400);
    EXPECT_EQ(ShortAbroadDayRate(601), 405);
    EXPECT_EQ(ShortAbroadDayRate(610), 410);
    EXPECT_EQ(ShortAbroadDayRate(0), 0);
    // 2/15 of 7.5 is exactly 1 step; the 0.99 never adds a step for a whole one.
    EXPECT_EQ(ShortAbroadDayRate(75), 50);
}

}  // namespace
}  // namespace ferdix
