// Repaint cost of the progress bar: frame, cells or trail, and the caption with its halo (16
// prints around it and the text).
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "controls/progress/vornProgressBar.h"

namespace vorn {
namespace {

void BM_ProgressBarRepaint(benchmark::State& state) {
  const bool vertical = state.range(0) == pbVertical;
  bench::BenchSite s(vertical ? 24 : 200, vertical ? 200 : 24);
  Ref<vornProgressBar> bar(new vornProgressBar(*s.site));
  StartControl(*bar, nullptr);
  bar->put_Orientation(static_cast<int32_t>(state.range(0)));
  bar->put_Style(static_cast<int32_t>(state.range(1)));
  bar->put_Value(static_cast<int16_t>(state.range(2)));
  if (state.range(3) == 0) bar->put_Caption("");
  bar->Redraw();  // the first paint renders and caches the glyphs
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    bar->Redraw();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ProgressBarRepaint)
    ->ArgNames({"orientation", "style", "value", "caption"})
    ->Args({pbHorizontal, tNormal, 50, 1})
    ->Args({pbHorizontal, tNormal, 50, 0})
    ->Args({pbHorizontal, tNormal, 100, 1})
    ->Args({pbHorizontal, tSearch, 50, 1})
    ->Args({pbVertical, tNormal, 100, 1});

// The caption alone: one Print of its text, over pixels that changed since the last print (a
// pixel under it changes before every print), so that it draws; against the halo and the caption
// as the control draws them, over the same pixels again (every repaint of an unchanged bar) and
// over new ones.
struct CaptionBench {
  CaptionBench() : s(200, 24), bar(new vornProgressBar(*s.site)) {
    StartControl(*bar, nullptr);
    bar->Redraw();
  }
  bench::BenchSite s;
  Ref<vornProgressBar> bar;
};

// Over the same pixels every time, as in every repaint of an unchanged bar: printed onto its own
// result, the caption soon gives the very pixels it was printed over.
void BM_ProgressBarCaptionOverTheSamePixels(benchmark::State& state) {
  CaptionBench b;
  for (int i = 0; i < 100; ++i) b.bar->DrawCaption();
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.bar->DrawCaption();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ProgressBarCaptionOverTheSamePixels);

// Over new pixels: the caption printed once (halo 0), or with its halo as the control draws it.
void BM_ProgressBarCaptionOverNewPixels(benchmark::State& state) {
  CaptionBench b;
  Surface& w = b.s.site->Window();
  const bool halo = state.range(0) != 0;
  uint32_t i = 0;
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    w.PSet(90, 12, ++i & 0xFFFFFF);  // a pixel under the caption that was not there before
    if (halo) {
      b.bar->DrawCaption();
    } else {
      w.SetForeColor(0xC00000);
      w.SetCurrentX(85);
      w.SetCurrentY(5);
      w.Print("50 %");
    }
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ProgressBarCaptionOverNewPixels)->ArgName("halo")->Arg(0)->Arg(1);

// The host stepping the value, as a running progress display does.
void BM_ProgressBarValueStep(benchmark::State& state) {
  bench::BenchSite s(200, 24);
  Ref<vornProgressBar> bar(new vornProgressBar(*s.site));
  StartControl(*bar, nullptr);
  for (int16_t v = 0; v <= 100; ++v) bar->put_Value(v);  // every caption text once
  int16_t v = 0;
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    v = v == 100 ? 0 : static_cast<int16_t>(v + 1);
    bar->put_Value(v);
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ProgressBarValueStep);

}  // namespace
}  // namespace vorn
