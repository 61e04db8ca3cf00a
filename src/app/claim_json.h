// The claim as one JSON object, for accounting and payroll systems: the claim file's own keys
// and values, the two line lists, the allowance table and the totals. UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "claim/claim_data.h"

namespace ferdix {

void WriteClaimJson(const ClaimData& claim, DateOrder order, std::ostream& out);

// A Windows-1252 text as a JSON string in UTF-8.
std::string JsonString(std::string_view cp1252);
void AppendJsonString(std::string& s, std::string_view cp1252);
// The shortest text that reads back to the same float; null when it is not finite.
std::string JsonNumber(float value);

}  // namespace ferdix
