// The message boxes about the configuration files and the run's rates. The rates layer finds
// what there is to say; the texts the user reads are made here, above it.
#pragma once

#include <string>

#include "claim/messages.h"
#include "rates/program_settings.h"
#include "rates/rate_table.h"

namespace ferdix {

// What ConfigurationNoticeText found, as the start-up shows it.
MessageRequest ConfigurationNotice(std::string text);
// Tells the user that the changed rates hold for this run only.
MessageRequest RatesNotSavedMessage(const RatesSaveResult& result);
// The texts below are in the given written standard.
// Yes takes the office's rates, No keeps the user's own.
MessageRequest NewerOfficeRatesQuestion(int standard, const NewerOfficeRates& found,
                                        const std::string& ownPath);
// The answer could not be written: the own rates hold this time and the question comes again.
MessageRequest OwnRatesNotChangedMessage(int standard, const std::string& error);
// The box of the "?" buttons beside the meal deductions.
MessageRequest MealRateMessage(int standard, const RateTable& table);
// The warning of the rate update of an old claim.
MessageRequest UpdateRatesWarning();

}  // namespace ferdix
