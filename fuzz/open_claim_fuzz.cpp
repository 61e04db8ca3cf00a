// Any bytes opened as a claim through the form, as the user's Open does: the form shows the
// claim without crashing, and showing it changes nothing in the claim. The first byte's low bit
// picks the date order, the next bit the written standard.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

#include "base/text_convert.h"
#include "base/written_standard.h"
#include "form/ferdix_view.h"
#include "form/form_template.h"
#include "fuzz_check.h"
#include "fuzz_claim.h"
#include "support/fake_host.h"
#include "support/memory_controls.h"

namespace {

using namespace ferdix;

class NoViewHost final : public IViewHost {
  public:
    std::optional<std::uint32_t> AskKmSoFar(std::uint32_t) override { return std::nullopt; }
};

// One file for every run, in the system's temporary folder.
const std::string& ClaimPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string p = std::string(tmp ? tmp : "/tmp") + "/ferdix-open-fuzz-" +
                        std::to_string(::getpid()) + ".tur";
        return p;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t control = size > 0 ? data[0] : 0;
    UserLocale locale{(control & 2) != 0 ? kNynorsk : kBokmal,
                      (control & 1) != 0 ? DateOrder::YearFirst : DateOrder::DayFirst};
    std::string bytes(reinterpret_cast<const char*>(data), size);

    std::FILE* f = std::fopen(ClaimPath().c_str(), "wb");
    fuzz::Check(f != nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);

    FixedClock clock(CivilTime{2006, 3, 14, 9, 0, 0});
    test::FakeHost host;
    NoViewHost viewHost;
    CFerdixDoc doc(locale, clock, nullptr);
    MemoryControls controls(FormTemplate());
    CFerdixView view(doc, controls, &viewHost);
    controls.SetEvents(&view);
    doc.SetHost(&host);
    doc.SetView(&view);
    doc.OnNewDocument();
    host.paths.push_back(ClaimPath());
    doc.OnFileOpen();

    // The same bytes read without a form give the same claim, marked modified exactly when the
    // file was damaged.
    fuzz::ReadDocument plain(bytes, locale);
    fuzz::Check(doc.IsModified() == plain.damage.Any());
    std::string throughForm;
    {
        std::ostringstream out;
        WriteClaim(doc.Claim(), locale.dateOrder, clock.Now(), out);
        throughForm = out.str();
    }
    fuzz::Check(throughForm == plain.Written());
    std::remove(ClaimPath().c_str());
    return 0;
}
