#include "form/field_map.h"

#include <gtest/gtest.h>

#include <set>

#include "form/control_ids.h"
#include "form/form_template.h"

namespace ferdix {
namespace {

bool OnTheForm(int id) {
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.id == id) {
            return true;
        }
    }
    return false;
}

TEST(FieldMap, EveryAllowanceFieldIsOnTheFormAndBelongsToOneLine) {
    EXPECT_EQ(AllowanceFields(4).countField, kIdDayDomesticOver12hCount);
    EXPECT_EQ(AllowanceFields(4).amountField, 1221);
    EXPECT_EQ(AllowanceFields(27).countField, 1260);
    std::set<int> fields;
    int count = 0;
    for (const AllowanceLineFields& info : kAllowanceFields) {
        for (int f : {info.countField, info.rateField, info.amountField}) {
            if (f != 0) {
                EXPECT_TRUE(OnTheForm(f)) << f;
                fields.insert(f);
                ++count;
            }
        }
    }
    EXPECT_EQ(fields.size(), static_cast<std::size_t>(count));
}

// A rate shows in its line's rate field; the meals and the admin rate abroad in none.
TEST(FieldMap, RatesShowInTheRateFieldsOfTheirLines) {
    RateTable t;
    for (int i = 0; i < t.Size(); ++i) {
        SCOPED_TRACE(i);
        int field = RateEntryField(t.Entry(i));
        if (i < kRateBreakfast) {
            EXPECT_EQ(field, AllowanceFields(i).rateField);
            EXPECT_NE(field, 0);
        } else {
            EXPECT_EQ(field, 0);
        }
    }
    EXPECT_EQ(RateEntryField(t.Entry(kRateAdmin)), kIdAdminAllowanceRate);
    EXPECT_EQ(RateFieldTexts(t, false).size(), static_cast<std::size_t>(kRateBreakfast));
    EXPECT_TRUE(RateFieldTexts(t, true).empty());  // every rate is 0
}

TEST(FieldMap, EachTravellerFieldHasItsOwnControl) {
    std::set<int> controls;
    for (int f = 0; f <= static_cast<int>(TravellerField::DutyStationNumber); ++f) {
        int id = TravellerFieldControl(static_cast<TravellerField>(f));
        EXPECT_TRUE(OnTheForm(id)) << f;
        controls.insert(id);
    }
    EXPECT_EQ(controls.size(), 13u);
    EXPECT_EQ(TravellerFieldControl(TravellerField::AccountNumber), kIdBankAccount);
    EXPECT_EQ(TravellerFieldControl(TravellerField::DutyStationNumber), kIdDutyStation);
}

}  // namespace
}  // namespace ferdix
