// Claims of a chosen size for the benchmarks and the whole-process figures: half legs, half
// outlays, in date order, with the traveller block, allowances and remarks a real claim has.
#pragma once

#include <cstddef>
#include <string>

#include "claim/ferdix_doc.h"

namespace ferdix::bench {

// Replaces the claim's lines by `lines` lines (legs first in count when odd).
void FillClaim(ClaimData& claim, int lines);
void FillClaim(CFerdixDoc& doc, int lines);
// The claim file of such a claim, as the program saves it.
std::string ClaimText(int lines);
// The same with the given remarks.
std::string ClaimText(int lines, const std::string& remarks);
// Remarks of `bytes` characters: one word without a blank, or ordinary sentences in lines of
// a few hundred characters.
std::string LongRemarks(std::size_t bytes, bool words);

}  // namespace ferdix::bench
