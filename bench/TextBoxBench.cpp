// Repaint cost of a text box holding a line of typed text.
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

}  // namespace
}  // namespace vorn
