// Any text as an amount: the result is a finite float, and a formatted amount reads back to a
// text that formats the same; the input's first bytes also serve as a float to format.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "base/text_convert.h"
#include "fuzz_check.h"

namespace {

using ferdix::fuzz::Check;

void CheckFormatted(float x) {
    using namespace ferdix;
    for (bool withDecimals : {true, false}) {
        std::string text = FormatAmount(x, withDecimals);
        Check(!text.empty() && text.find('.') == std::string::npos);
        float back = ParseAmount(text);
        Check(std::isfinite(back));
        // Formatting is rounding to cents: once rounded, the text stays.
        Check(FormatAmount(back, withDecimals) == text);
        // Below 0,05 the text is "0,00"; above, the cents are rounded up from 0,6.
        if (std::isfinite(x) && std::fabs(x) < 1.0e7f) {
            double off = std::fabs(static_cast<double>(back) - x);
            // and the text read back is the float nearest to it.
            double nearest = std::fabs(static_cast<double>(x)) * 0x1p-24;
            Check(std::fabs(x) < 0.05f ? back == 0.0f : off <= 0.0061 + nearest);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ferdix;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    float value = ParseAmount(text);
    Check(std::isfinite(value));
    // "," and "." read alike.
    std::string points(text);
    for (char& c : points) {
        if (c == ',') {
            c = '.';
        }
    }
    Check(ParseAmount(points) == value || (std::isnan(value) && std::isnan(ParseAmount(points))));
    CheckFormatted(value);
    if (size >= sizeof(float)) {
        float raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckFormatted(raw);
    }
    return 0;
}
