// Any text as a time: a time read is a real time of day, its "HH:MM" text reads back to it,
// and a failure leaves hour and minute 0.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/civil_time.h"
#include "base/text_convert.h"
#include "fuzz_check.h"

namespace {

using ferdix::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ferdix;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    int hour = -1;
    int minute = -1;
    bool ok = ParseTime(text, hour, minute);
    if (!ok) {
        Check(hour == 0 && minute == 0);
        return 0;
    }
    Check(text.size() == 4 || text.size() == 5);
    Check(hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59);
    std::string written = FormatTime(CivilTime{2006, 3, 14, hour, minute, 0});
    Check(written.size() == 5 && written[2] == ':');
    int h = -1;
    int m = -1;
    Check(ParseTime(written, h, m) && h == hour && m == minute);
    // The separator is never looked at, and the colon-less form is the same time.
    std::string bare = written.substr(0, 2) + written.substr(3);
    Check(ParseTime(bare, h, m) && h == hour && m == minute);
    return 0;
}
