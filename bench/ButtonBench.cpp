// Repaint cost of the push button: the full Redraw a hover tick performs, and the tick itself.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "BenchSupport.h"
#include "controls/button/vornButton.h"
#include "host/form/ImageList.h"

namespace vorn {
namespace {

void BM_ButtonRepaint(benchmark::State& state) {
  bench::BenchSite s(100, 30);
  Ref<vornButton> b(new vornButton(*s.site));
  StartControl(*b, nullptr);
  b->put_Caption("Cancel");
  b->Redraw();  // the first paint renders and caches the glyphs
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b->Redraw();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ButtonRepaint);

// With a 32 x 32 icon beside the caption: the icon is reached by member name on every repaint.
void BM_ButtonRepaintWithIcon(benchmark::State& state) {
  bench::BenchSite s(110, 40);
  Ref<vornButton> b(new vornButton(*s.site));
  StartControl(*b, nullptr);
  auto list = MakeRef<ImageList>("icons", int16_t{32}, int16_t{32});
  list->Add(MakeRef<Picture>(32, 32, std::vector<uint32_t>(32 * 32, 0xFF2080C0u)));
  b->putref_Imagelist(list);
  b->put_ImageIndex(1);
  b->put_Caption("Open");
  b->Redraw();
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b->Redraw();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ButtonRepaintWithIcon);

BENCHMARK(bench::ButtonHoverTick)->Name("BM_ButtonHoverTick");

// The floor: a button without caption or icon is the glass face alone (clear, two gradient bands,
// four edges), next to a memset of the same pixels.
void BM_ButtonFace(benchmark::State& state) {
  const auto w = static_cast<int32_t>(state.range(0));
  const auto h = static_cast<int32_t>(state.range(1));
  bench::BenchSite s(w, h);
  Ref<vornButton> b(new vornButton(*s.site));
  StartControl(*b, nullptr);
  b->put_Caption("");
  b->Redraw();
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b->Redraw();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ButtonFace)->ArgNames({"w", "h"})->Args({100, 30})->Args({400, 300});

void BM_Memset(benchmark::State& state) {
  std::vector<uint32_t> px(static_cast<size_t>(state.range(0) * state.range(1)));
  for (auto _ : state) {
    std::memset(px.data(), 0xFF, px.size() * 4);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({100, 30})->Args({400, 300});

}  // namespace
}  // namespace vorn
