// Claims of a chosen size for the benchmarks and the whole-process figures: half legs, half
// outlays, in date order, with the traveller block, allowances and remarks a real claim has.
#pragma once

#include <string>

#include "claim/ferdix_doc.h"

namespace ferdix::bench {

// Replaces the claim's lines by `lines` lines (legs first in count when odd).
void FillClaim(CFerdixDoc& doc, int lines);
// The claim file of such a claim, as the program saves it.
std::string ClaimText(int lines);

}  // namespace ferdix::bench
