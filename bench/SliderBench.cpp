// Repaint cost of the slider: the full repaint every hover tick performs, per tick style and
// orientation, and the tick itself.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "controls/range/vornSlider.h"

namespace vorn {
namespace {

struct SliderBench {
  SliderBench(int32_t width, int32_t height, int32_t orientation, int32_t tickStyle) : s(width, height) {
    slider = Ref<vornSlider>(new vornSlider(*s.site));
    StartControl(*slider, nullptr);
    slider->put_Max(100);
    slider->put_Orientation(orientation);
    slider->put_TickStyle(tickStyle);
    slider->put_Value(37);
    slider->RedrawSlider(true);  // the first paint renders and caches the glyphs
  }
  bench::BenchSite s;
  Ref<vornSlider> slider;
};

void BM_SliderRepaint(benchmark::State& state) {
  const bool vertical = state.range(0) == pbVertical;
  SliderBench b(vertical ? 60 : 220, vertical ? 220 : 41, static_cast<int32_t>(state.range(0)),
                static_cast<int32_t>(state.range(1)));
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.slider->RedrawSlider(true);
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_SliderRepaint)
    ->ArgNames({"orientation", "ticks"})
    ->Args({pbHorizontal, Tick_None})
    ->Args({pbHorizontal, Tick_Four})
    ->Args({pbHorizontal, Tick_Four_Value})
    ->Args({pbVertical, Tick_Four_Value});

void BM_SliderHoverTick(benchmark::State& state) {
  SliderBench b(220, 41, pbHorizontal, Tick_Four_Value);
  b.s.host.MoveMouse({10 + 90, 10 + 10});  // on the knob of 37: the tick repaints the hot look
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.slider->MousePos_Timer();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_SliderHoverTick);

// A knob drag: the Value let from a pointer position, with its repaint and ValueChange.
void BM_SliderDragStep(benchmark::State& state) {
  SliderBench b(220, 41, pbHorizontal, Tick_Four_Value);
  b.slider->UserControl_MouseDown(1, 0, 10, 10);  // holds the knob: every move drags it
  float x = 10;
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    x = x >= 210 ? 10 : x + 1;
    b.slider->UserControl_MouseMove(1, 0, x, 10);
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_SliderDragStep);

// The button's tick, measured in the same run as this control's.
BENCHMARK(bench::ButtonHoverTick)->Name("BM_ButtonHoverTick");

}  // namespace
}  // namespace vorn
