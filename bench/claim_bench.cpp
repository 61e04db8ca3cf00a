// Reading and writing claims, loading the configuration, and the form's own work on long claims.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include "app/claim_json.h"
#include "bench_claims.h"
#include "claim/claim_file.h"
#include "claim/ferdix_doc.h"
#include "form/control_ids.h"
#include "form/ferdix_view.h"
#include "form/form_template.h"
#include "rates/countries.h"
#include "rates/ini_file.h"
#include "rates/program_settings.h"
#include "support/fake_host.h"
#include "support/memory_controls.h"

namespace {

// The sizes every per-claim cost is measured at: 10 000 to 100 000 shows whether it is linear.
void ClaimSizes(benchmark::internal::Benchmark* b) {
    for (int lines : {10, 1000, 10000, 100000}) {
        b->Arg(lines);
    }
}

// Counts what is written and keeps nothing, through a buffer as a file stream has: the writers'
// own cost, without a string of the whole claim growing (and faulting in fresh pages) each time.
class CountingBuffer final : public std::streambuf {
  public:
    CountingBuffer() { setp(m_buf, m_buf + sizeof m_buf); }
    std::size_t Count() const { return m_count + static_cast<std::size_t>(pptr() - pbase()); }

  protected:
    int_type overflow(int_type c) override {
        m_count += static_cast<std::size_t>(pptr() - pbase());
        setp(m_buf, m_buf + sizeof m_buf);
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

  private:
    char m_buf[1 << 16];
    std::size_t m_count = 0;
};

ferdix::FileLocations ResourceFiles() {
    ferdix::FileLocations files;
    files.ferdixIni = FERDIX_RESOURCES_DIR "/ferdix.ini";
    files.landIni = FERDIX_RESOURCES_DIR "/land.ini";
    return files;
}

void BM_WriteClaim(benchmark::State& state) {
    ferdix::ClaimData claim;
    ferdix::bench::FillClaim(claim, static_cast<int>(state.range(0)));
    const ferdix::CivilTime today = ferdix::DefaultClock().Now();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        ferdix::WriteClaim(claim, ferdix::DateOrder::DayFirst, today, out);
        bytes = buffer.Count();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteClaim)->Apply(ClaimSizes)->Unit(benchmark::kMicrosecond);

void BM_ReadClaim(benchmark::State& state) {
    const std::string text = ferdix::bench::ClaimText(static_cast<int>(state.range(0)));
    ferdix::ClaimData claim;
    for (auto _ : state) {
        std::istringstream in(text);
        ferdix::ReadClaim(claim, in);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadClaim)->Apply(ClaimSizes)->Unit(benchmark::kMicrosecond);

// `ferdix --json` after the read: the whole claim as JSON.
void BM_WriteClaimJson(benchmark::State& state) {
    ferdix::ClaimData claim;
    ferdix::bench::FillClaim(claim, static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        ferdix::WriteClaimJson(claim, ferdix::DateOrder::DayFirst, out);
        bytes = buffer.Count();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteClaimJson)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A land.ini of 100 000 keys, of which the first 205 usable are kept.
void BM_LoadCountries100k(benchmark::State& state) {
    std::string text = "[Land]\r\n";
    for (int i = 0; i < 100000; ++i) {
        text += "Land nummer " + std::to_string(i) + "=" + std::to_string(i % 900) + "#600\r\n";
    }
    std::string path = (std::filesystem::temp_directory_path() / "ferdix-bench-land.ini").string();
    std::ofstream(path, std::ios::binary) << text;
    for (auto _ : state) {
        std::vector<ferdix::CountryRate> countries;
        std::string from;
        ferdix::LoadCountries(countries, from, path);
        benchmark::DoNotOptimize(countries.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadCountries100k)->Unit(benchmark::kMillisecond);

// The document, the in-memory form and a host with a main window, wired as the program does.
struct FormOnClaim {
    explicit FormOnClaim(int lines)
        : files(ResourceFiles()),
          doc(ferdix::DefaultClock(), &files),
          controls(ferdix::FormTemplate()),
          view(doc, controls) {
        controls.SetEvents(&view);
        doc.SetView(&view);
        doc.SetHost(&host);
        doc.OnNewDocument();
        if (lines > 0) {
            doc.LoadClaim(ferdix::bench::ClaimText(lines));
            view.InitialiseForm();
        }
    }
    ferdix::FileLocations files;
    ferdix::test::FakeHost host;
    ferdix::CFerdixDoc doc;
    ferdix::MemoryControls controls;
    ferdix::CFerdixView view;
};

// New claim on the whole form: clearing, the default rates through the bindings, refreshing.
void BM_FormNewClaim(benchmark::State& state) {
    FormOnClaim form(0);
    for (auto _ : state) {
        form.doc.OnNewDocument();
    }
}
BENCHMARK(BM_FormNewClaim)->Unit(benchmark::kMicrosecond);

// Reading a claim into the form: the claim, every field and both lists.
void BM_FormOpenClaim(benchmark::State& state) {
    FormOnClaim form(0);
    const std::string text = ferdix::bench::ClaimText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        form.doc.LoadClaim(text);
        form.view.InitialiseForm();
    }
}
BENCHMARK(BM_FormOpenClaim)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_NetAmount(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    ferdix::bench::FillClaim(doc, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.Claim().NetAmount());
    }
}
// The sizes between show where the lines stop fitting in the caches (per-line time steps up).
BENCHMARK(BM_NetAmount)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(30000)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(300000)
    ->Unit(benchmark::kMicrosecond);

// One keystroke in a count field: binding, product, amount field and the status text.
void BM_AllowanceKeystroke(benchmark::State& state) {
    FormOnClaim form(static_cast<int>(state.range(0)));
    int n = 0;
    for (auto _ : state) {
        // One character, a different count each time, so every key is an effective change.
        form.controls.Type(ferdix::kIdDayDomesticOver12hCount, std::to_string(1 + ++n % 9));
    }
    if (form.host.LastStatus().empty()) {
        state.SkipWithError("no status text");
    }
}
BENCHMARK(BM_AllowanceKeystroke)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// "Registrer" of one car leg: insertion by date, the list refilled, the car kilometres split.
void BM_RegisterTravelLine(benchmark::State& state) {
    FormOnClaim form(static_cast<int>(state.range(0)));
    ferdix::MemoryControls& c = form.controls;
    for (auto _ : state) {
        state.PauseTiming();
        c.SetText(ferdix::kIdTravelDate, "15.06.06");
        c.SetText(ferdix::kIdTravelTime, "08:00");
        c.SetText(ferdix::kIdTravelFrom, "Hamar");
        c.SetText(ferdix::kIdTravelTo, "Lillehammer");
        c.SetText(ferdix::kIdTravelArrival, "09:00");
        c.SetText(ferdix::kIdTravelMeans, "Bil");
        c.SetText(ferdix::kIdTravelKm, "62");
        std::size_t before = form.doc.Claim().m_travelLines.size();
        state.ResumeTiming();

        c.Click(ferdix::kIdTravelRegister);

        state.PauseTiming();
        // Out again, so that every round registers into a claim of the same size.
        for (std::size_t i = 0; i < form.doc.Claim().m_travelLines.size(); ++i) {
            if (form.doc.Claim().m_travelLines[i]->Text() == "Hamar") {
                form.doc.RemoveTravelLine(i);
                break;
            }
        }
        if (form.doc.Claim().m_travelLines.size() != before) {
            state.SkipWithError("the leg was not registered");
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RegisterTravelLine)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
