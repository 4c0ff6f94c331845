// Repaint cost of a 200 x 17 horizontal scroll bar: the full DrawTrack every change and every hover
// tick performs, the hover tick itself, and a drag move that changes the value.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "controls/range/vornScrollBar.h"

namespace vorn {
namespace {

struct HorizontalBar {
  HorizontalBar() : s(200, 17), bar(new vornScrollBar(*s.site)) {
    StartControl(*bar, nullptr);
    bar->put_Orientation(pbHorizontal);
    // A new bar is vertical, which held its width to 25 pixels: give it its length back.
    Surface& w = bar->UserControl();
    w.Move(w.Left(), w.Top(), 200 * 15, 17 * 15);
    bar->DrawTrack();  // the first paint renders and caches the glyphs
  }
  bench::BenchSite s;
  Ref<vornScrollBar> bar;
};

void BM_ScrollBarRepaint(benchmark::State& state) {
  HorizontalBar h;
  if (h.bar->ThumbLength() != 82) state.SkipWithError("not a 200 x 17 bar");
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    h.bar->DrawTrack();
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_repaint"] =
      benchmark::Counter(static_cast<double>(bench::Allocations() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ScrollBarRepaint);

void BM_ScrollBarHoverTick(benchmark::State& state) {
  HorizontalBar h;
  h.s.host.MoveMouse({10 + 80, 10 + 8});  // resting on the thumb: every tick repaints the hot look
  h.s.host.Advance(1);
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    h.bar->MousePos_Timer();
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_tick"] =
      benchmark::Counter(static_cast<double>(bench::Allocations() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ScrollBarHoverTick);

void BM_ScrollBarDragMove(benchmark::State& state) {
  HorizontalBar h;
  h.bar->UserControl_MouseDown(1, 0, 80, 8);
  if (!h.bar->Dragging()) state.SkipWithError("the press missed the thumb");
  float x = 80;
  for (auto _ : state) {
    x = x > 150 ? 30 : x + 7;  // each move lands on another value
    h.bar->UserControl_MouseMove(1, 0, x, 8);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ScrollBarDragMove);

// The button's tick, measured in the same run as this control's.
BENCHMARK(bench::ButtonHoverTick)->Name("BM_ButtonHoverTick");

}  // namespace
}  // namespace vorn
