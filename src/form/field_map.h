// Where the claim's values show on the form: the allowance lines, the run's rates and the
// traveller's fields. The domain tables (calc/allowance_table.h, rates/rate_table.h) and the
// claim name no control; this maps them to the form's fields.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/allowance_table.h"
#include "claim/traveller.h"
#include "rates/rate_table.h"

namespace ferdix {

// The count, rate and amount fields of one allowance line; 0 for a field the line does not
// have.
struct AllowanceLineFields {
    int countField;
    int rateField;
    int amountField;
};

// By allowance line, 0 to 28.
extern const std::array<AllowanceLineFields, kAllowanceLineCount> kAllowanceFields;
const AllowanceLineFields& AllowanceFields(int line);

// A rate shows in the rate field of its allowance line; 0 for a rate without a line or for a
// line without a rate field (the meals, the admin rate abroad, which shares the domestic one's
// field and is shown only when chosen).
int RateEntryField(const RateEntry& entry);

// The control that shows the traveller field.
int TravellerFieldControl(TravellerField field);

// A rate field of the form and the text it is to show.
struct RateFieldText {
    int field;
    std::string text;
};
// For every entry with a rate field, in table order; positiveOnly leaves out rates of 0 or
// less (the rate update of an old claim), else zero is included (a new claim).
std::vector<RateFieldText> RateFieldTexts(const RateTable& table, bool positiveOnly);

}  // namespace ferdix
