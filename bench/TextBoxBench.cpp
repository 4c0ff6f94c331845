// Repaint cost of a text box holding a line of typed text, and of typing a long one.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "controls/textbox/vornTextBox.h"

namespace vorn {
namespace {

void BM_TextBoxRepaint(benchmark::State& state) {
  bench::BenchSite s(200, 24);
  Ref<vornTextBox> t(new vornTextBox(*s.site));
  StartControl(*t, nullptr);
  for (char c : std::string("Typed text")) {
    int16_t code = c;
    t->UserControl_KeyPress(code);  // the last one paints and caches the glyphs
  }
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    t->RedrawTextBox();
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_repaint"] =
      benchmark::Counter(static_cast<double>(bench::Allocations() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TextBoxRepaint);

// Typing N characters into a text box (each key repaints all it holds): the time per character
// stays flat as N grows, because printing stops at the surface's edge.
void BM_TextBoxTyping(benchmark::State& state) {
  for (auto _ : state) {
    bench::BenchSite s(200, 24);
    Ref<vornTextBox> t(new vornTextBox(*s.site));
    StartControl(*t, nullptr);
    for (int64_t i = 0; i < state.range(0); ++i) {
      int16_t code = static_cast<int16_t>('a' + i % 26);
      t->UserControl_KeyPress(code);
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TextBoxTyping)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorn
