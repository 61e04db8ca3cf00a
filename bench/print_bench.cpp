// Laying out the printed form of a long claim on the recording surface.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "print/print_job.h"
#include "support/recording_surface.h"

namespace {

void BM_PrintLongClaim(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    for (int i = 0; i < state.range(0); ++i) {
        auto line = std::make_unique<ferdix::CTravelLine>();
        line->m_tDate = ferdix::CivilTime{2006, 3, 1 + i % 28, i % 24, 0, 0};
        line->m_bStartTimeSet = 1;
        line->SetText("Sted " + std::to_string(i));
        line->SetTo("Bergen");
        line->SetTransport(i % 3 == 0 ? "Bil" : "Tog");
        line->SetKm(i % 500);
        line->SetCurrency("NOK");
        line->SetAmount(static_cast<float>(i % 1000) + 0.5f);
        doc.m_travelLines.push_back(std::move(line));
    }
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
BENCHMARK(BM_PrintLongClaim)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
