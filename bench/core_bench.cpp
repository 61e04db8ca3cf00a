// Library benchmarks: ./build-test/bench/ferdix_bench
#include <benchmark/benchmark.h>

#include <memory>

#include "base/text_convert.h"
#include "claim/ferdix_doc.h"

namespace {

void BM_FormatAmount(benchmark::State& state) {
    double x = 1234.56;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ferdix::FormatAmount(x, true));
        x += 0.01;
    }
}
BENCHMARK(BM_FormatAmount);

void BM_ParseAmount(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ferdix::ParseAmount("12345,67"));
    }
}
BENCHMARK(BM_ParseAmount);

void BM_ParseDate(benchmark::State& state) {
    ferdix::DateParts d;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ferdix::ParseDate("2006.03.05", d, ferdix::DateOrder::DayFirst));
    }
}
BENCHMARK(BM_ParseDate);

// Inserting legs in order and computing the net amount, as every edit does.
void BM_AddLinesAndNet(benchmark::State& state) {
    for (auto _ : state) {
        ferdix::CFerdixDoc doc;
        for (int i = 0; i < state.range(0); ++i) {
            auto line = std::make_unique<ferdix::CTravelLine>();
            line->m_tDate = ferdix::CivilTime{2006, 3, 1 + (i * 7) % 28, i % 24, 0, 0};
            line->SetAmount(static_cast<float>(i));
            doc.AddTravelLine(std::move(line));
        }
        benchmark::DoNotOptimize(doc.Claim().NetAmount());
    }
}
BENCHMARK(BM_AddLinesAndNet)->Arg(10)->Arg(200);

}  // namespace
