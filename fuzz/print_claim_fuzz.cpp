// Any bytes read as a claim and printed in either written standard: the run lays out every
// page, hands back every font it made, and keeps to the logical page. The first byte picks the
// written standard and the written-date text's length.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/written_standard.h"
#include "fuzz_check.h"
#include "fuzz_claim.h"
#include "print/print_job.h"
#include "support/recording_surface.h"

namespace {

using ferdix::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ferdix;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::uint8_t control = size > 0 ? data[0] : 0;
    int standard = (control & 1) != 0 ? kNynorsk : kBokmal;
    fuzz::ReadDocument read(bytes, UserLocale{standard, DateOrder::DayFirst});
    // Seven characters or more print as typed; fewer print today's date.
    std::string writtenDate(bytes.substr(size > 0 ? 1 : 0, (control >> 1) % 12));

    test::RecordingSurface surface;
    CPrintJob job(read.doc, standard, writtenDate);
    int pages = test::PrintAll(job, surface);
    Check(pages >= 2 && pages == job.PageCount());
    Check(surface.LiveFonts() == 0 && surface.misuses == 0);
    for (const test::RecordedOp& op : surface.ops) {
        // The run maps the page before it measures the remarks, before the first page.
        Check(op.page <= pages && (op.page >= 1 || op.kind == test::OpKind::Mapping));
        if (op.kind == test::OpKind::Line || op.kind == test::OpKind::Rectangle) {
            // The logical page is 2080 x 3000 with its origin at (100, 170).
            Check(op.x >= -100 && op.x <= 1980 && op.x2 >= -100 && op.x2 <= 1980);
            Check(op.y >= -170 && op.y <= 2830 && op.y2 >= -170 && op.y2 <= 2830);
        }
    }
    return 0;
}
