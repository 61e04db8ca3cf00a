// Laying out the printed form of a long claim: on the recording surface, which keeps every
// operation, and on a surface that only counts them, which leaves the layout's own cost; and
// remarks of megabytes, one word or many.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "base/written_standard.h"
#include "bench_claims.h"
#include "claim/ferdix_doc.h"
#include "print/print_job.h"
#include "print/remarks_wrap.h"
#include "support/recording_surface.h"

namespace {

// Measures text as the recording surface does and keeps nothing but a count.
class CountingSurface final : public ferdix::DrawingSurface {
  public:
    void SetPageMapping(int, int, int, int, int, int) override {}
    void SetTransparentBackground() override {}
    ferdix::FontResult MakeFont(const ferdix::FontSpec& wanted) override {
        m_fonts[m_next] = wanted;
        return {ferdix::FontStatus::Made, m_next++};
    }
    void ReleaseFont(ferdix::FontId font) override { m_fonts.erase(font); }
    ferdix::FontId SelectFont(ferdix::FontId font) override {
        return std::exchange(m_current, font);
    }
    ferdix::StockBrush SelectStockBrush(ferdix::StockBrush brush) override {
        return std::exchange(m_brush, brush);
    }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override { ++ops; }
    void Rectangle(int, int, int, int) override { ++ops; }
    ferdix::TextAlign SetTextAlign(ferdix::TextAlign align) override {
        return std::exchange(m_align, align);
    }
    void TextOut(int, int, std::string_view) override { ++ops; }
    void ClippedTextOut(int, int, const ferdix::PageRect&, std::string_view) override { ++ops; }
    ferdix::TextSize MeasureText(std::string_view text) override {
        auto it = m_fonts.find(m_current);
        ferdix::FontSpec font = it == m_fonts.end() ? m_default : it->second;
        return {ferdix::test::RecordingSurface::Width(font, text), font.height};
    }
    bool IsPreview() const override { return false; }
    void DrawPicture(ferdix::Picture, const ferdix::PageRect&) override { ++ops; }

    long ops = 0;

  private:
    std::map<ferdix::FontId, ferdix::FontSpec> m_fonts;
    ferdix::FontSpec m_default{"System", 30, 400, ferdix::FontPitch::Default,
                               ferdix::FontFamily::Swiss};
    ferdix::FontId m_next = 1;
    ferdix::FontId m_current = ferdix::kDefaultFont;
    ferdix::StockBrush m_brush = ferdix::StockBrush::White;
    ferdix::TextAlign m_align = ferdix::TextAlign::Left;
};

void LongClaim(ferdix::CFerdixDoc& doc, int lines) {
    ferdix::bench::FillClaim(doc, lines);
    std::string remarks;
    for (int i = 0; i < 2000; ++i) {
        remarks += "merknad " + std::to_string(i) + (i % 40 == 39 ? "\r\n" : " ");
    }
    doc.SetRemarks(remarks);
}

void BM_PrintLongClaim(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    LongClaim(doc, static_cast<int>(state.range(0)));
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

void BM_PrintLayoutOnly(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    LongClaim(doc, static_cast<int>(state.range(0)));
    long ops = 0;
    for (auto _ : state) {
        CountingSurface surface;
        ferdix::CPrintJob job(doc, ferdix::kBokmal, "01.04.2006");
        ferdix::PrintInfo info;
        info.printableWidth = 2080;
        info.printableHeight = 3000;
        if (!job.BeginPrinting(surface, info)) {
            state.SkipWithError("the print run gave up");
            break;
        }
        for (int page = info.minPage; page <= info.maxPage; ++page) {
            info.currentPage = page;
            job.PrintPage(surface, info);
        }
        job.EndPrinting(surface, info);
        ops = surface.ops;
    }
    state.counters["ops"] = static_cast<double>(ops);
}
BENCHMARK(BM_PrintLayoutOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Measures as a font does: every character's advance added up, so a measurement costs time in
// proportion to the text measured, as on the printer.
int Advances(std::string_view text) {
    int width = 0;
    for (char c : text) {
        width += 16 + (c & 1);
    }
    return width;
}

// Breaking remarks into printed lines: one word of 1 MB and of 10 MB, 10 MB of ordinary
// remarks. Arguments: bytes, and 1 for ordinary words.
void BM_WrapRemarks(benchmark::State& state) {
    const std::string remarks =
        ferdix::bench::LongRemarks(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
    std::size_t lines = 0;
    for (auto _ : state) {
        std::string text = remarks;
        ferdix::WrapRemarks(text, Advances);
        ferdix::BreakLongLines(text, Advances);
        lines = ferdix::CountLineBreaks(text);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_WrapRemarks)
    ->Args({1000000, 0})
    ->Args({10000000, 0})
    ->Args({10000000, 1})
    ->Unit(benchmark::kMillisecond);

// The whole print run of a claim with such remarks, on the counting surface: wrap, plan and
// every page.
void BM_PrintLongRemarks(benchmark::State& state) {
    ferdix::CFerdixDoc doc;
    ferdix::bench::FillClaim(doc, 10);
    doc.SetRemarks(
        ferdix::bench::LongRemarks(static_cast<std::size_t>(state.range(0)), state.range(1) != 0));
    int pages = 0;
    for (auto _ : state) {
        CountingSurface surface;
        ferdix::CPrintJob job(doc, ferdix::kBokmal, "01.04.2006");
        ferdix::PrintInfo info;
        info.printableWidth = 2080;
        info.printableHeight = 3000;
        if (!job.BeginPrinting(surface, info)) {
            state.SkipWithError("the print run gave up");
            break;
        }
        for (int page = info.minPage; page <= info.maxPage; ++page) {
            info.currentPage = page;
            job.PrintPage(surface, info);
        }
        job.EndPrinting(surface, info);
        pages = info.maxPage;
    }
    state.counters["pages"] = pages;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_PrintLongRemarks)
    ->Args({1000000, 0})
    ->Args({10000000, 0})
    ->Args({10000000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
