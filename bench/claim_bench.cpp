// Reading and writing claims, loading the configuration, and the form's own work.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "claim/claim_file.h"
#include "claim/ferdix_doc.h"
#include "form/ferdix_view.h"
#include "form/form_template.h"
#include "rates/countries.h"
#include "rates/ini_file.h"
#include "rates/program_settings.h"
#include "support/memory_controls.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string& FullClaim() {
    static const std::string bytes = ReadAll(FERDIX_TEST_DATA_DIR "/claims/full_claim.tur");
    return bytes;
}

void BM_ReadClaim(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    for (auto _ : state) {
        std::istringstream in(FullClaim());
        ferdix::ReadClaim(doc, in);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * FullClaim().size()));
}
BENCHMARK(BM_ReadClaim);

void BM_WriteClaim(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    std::istringstream in(FullClaim());
    ferdix::ReadClaim(doc, in);
    for (auto _ : state) {
        std::ostringstream out;
        ferdix::WriteClaim(doc, out);
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(BM_WriteClaim);

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

// New claim on the whole form: clearing, the default rates through the bindings, refreshing.
void BM_FormNewClaim(benchmark::State& state) {
    ferdix::FileLocations files;
    files.ferdixIni = FERDIX_RESOURCES_DIR "/ferdix.ini";
    files.landIni = FERDIX_RESOURCES_DIR "/land.ini";
    ferdix::CFerdixDoc doc(ferdix::DefaultClock(), &files);
    ferdix::MemoryControls controls(ferdix::FormTemplate());
    ferdix::CFerdixView view(doc, controls);
    controls.SetEvents(&view);
    doc.SetView(&view);
    for (auto _ : state) {
        doc.OnNewDocument();
    }
}
BENCHMARK(BM_FormNewClaim)->Unit(benchmark::kMicrosecond);

// One keystroke in a count field: binding, product, amount field and net amount.
void BM_FormTypeCount(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    ferdix::MemoryControls controls(ferdix::FormTemplate());
    ferdix::CFerdixView view(doc, controls);
    controls.SetEvents(&view);
    doc.SetView(&view);
    doc.OnNewDocument();
    int n = 0;
    for (auto _ : state) {
        controls.Type(1199, std::to_string(++n % 50));
    }
}
BENCHMARK(BM_FormTypeCount);

}  // namespace
