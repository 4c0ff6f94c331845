// Repaint cost of the progress bar: frame, cells or trail, and the caption printed 17 times
// (16 halo prints and the text), which the glyph cache must keep cheap.
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
