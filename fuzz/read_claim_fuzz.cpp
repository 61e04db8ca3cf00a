// Any bytes read as a claim file must not crash, hang or read past the end, and the claim the
// writer then writes must read back to the same file, and whole: what this program writes is
// never reported damaged. The version line's numbers pick the layout, so the corpus holds files
// of both; the first byte's low bit picks the date order.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/text_convert.h"
#include "fuzz_check.h"
#include "fuzz_claim.h"

namespace {

using namespace ferdix;

// The date parsers take no year after 2079, the last that a two-digit year of day-first text
// gives back; a later one could only come from elsewhere and would be lost on the way.
bool DatesSurviveWriting(const CFerdixDoc& doc) {
    int lastYear = 2079;
    auto fits = [&](const CivilTime& t) { return IsNoDateDay(t) || t.year <= lastYear; };
    bool ok = fits(doc.Claim().m_tDeparture) && fits(doc.Claim().m_tReturn);
    for (const auto& line : doc.Claim().m_travelLines) {
        ok = ok && fits(line->Date());
    }
    for (const auto& line : doc.Claim().m_outlayLines) {
        ok = ok && fits(line->Date());
    }
    return ok;
}

std::string ReadAndWrite(const std::string& bytes, DateOrder order, bool* datesSurvive = nullptr,
                         bool* damaged = nullptr) {
    fuzz::ReadDocument read(bytes, UserLocale{kBokmal, order});
    if (datesSurvive) {
        *datesSurvive = DatesSurviveWriting(read.doc);
    }
    if (damaged) {
        *damaged = read.damage.Any();
    }
    return read.Written();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    DateOrder order = size > 0 && (data[0] & 1) != 0 ? DateOrder::YearFirst : DateOrder::DayFirst;

    bool datesSurvive = true;
    std::string once = ReadAndWrite(input, order, &datesSurvive);
    bool damaged = true;
    std::string twice = ReadAndWrite(once, order, nullptr, &damaged);
    fuzz::Check(!damaged);
    // Such a date is dropped on the way: allow that one change, then the file must stay.
    fuzz::Check(datesSurvive ? twice == once : ReadAndWrite(twice, order) == twice);
    return 0;
}
