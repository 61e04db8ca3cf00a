// Laying out the printed form of a long claim on the recording surface.
#include <benchmark/benchmark.h>

#include <string>

#include "base/written_standard.h"
#include "bench_claims.h"
#include "claim/ferdix_doc.h"
#include "print/print_job.h"
#include "support/recording_surface.h"

namespace {

void BM_PrintLongClaim(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    ferdix::bench::FillClaim(doc, static_cast<int>(state.range(0)));
    std::string remarks;
    for (int i = 0; i < 2000; ++i) {
        remarks += "merknad " + std::to_string(i) + (i % 40 == 39 ? "\r\n" : " ");
    }
    doc.SetRemarks(remarks);
    int pages = 0;
    for (auto _ : state) {
        ferdix::test::RecordingSurface surface;
        ferdix::CPrintJob job(doc, ferdix::kBokmal, "01.04.2006");
        pages = ferdix::test::PrintAll(job, surface);
        benchmark::DoNotOptimize(surface.ops.data());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintLongClaim)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
