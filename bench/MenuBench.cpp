// Popup menu costs: CreateMenu (row table, measuring every caption, sizing, two repaints), the
// DrawMenu repaint of property changes, and a pointer move that moves the highlight, for 10 and
// 1,000 items. The menu opens 700 pixels down a 1024 x 768 screen: a 1,000-item menu (20,044
// pixels high) then opens upwards and shows its last 700 pixels, about 33 rows.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "controls/menu/vornPUMenu.h"
#include "host/form/ImageList.h"

namespace vorn {
namespace {

struct MenuBench {
  explicit MenuBench(int items, bool icons = false) : s(47, 47), m(new vornPUMenu(*s.site)) {
    StartControl(*m, nullptr);
    m->UserControl_Show();
    if (icons) {
      auto list = MakeRef<ImageList>("icons", int16_t{16}, int16_t{16});
      list->Add(MakeRef<Picture>(16, 16, std::vector<uint32_t>(256, 0xFF2080C0u)));
      m->putref_Imagelist(list);
    }
    for (int i = 1; i <= items; ++i) {
      const int32_t type = i % 10 == 0 ? itPlaceholder : i % 7 == 0 ? itCheck : i % 25 == 1 ? itTitle : itNormal;
      m->MenuItem_->Add("", "Menu entry " + std::to_string(i), icons ? 1 : 0, true, "", "", type, true, i % 5 == 0);
    }
  }
  void Open() {
    int32_t x = 300 * 15;
    int32_t y = 700 * 15;
    m->CreateMenu(x, y, "", 0);
  }
  /// The middle of the n-th selectable row from the bottom, in popup pixels.
  float SelectableRowFromTheBottom(int n) {
    MenuItemListings& rows = *m->Listings();
    for (int32_t r = rows.Count(); r >= 1; --r) {
      const MenuItemListing& row = rows.At(r);
      if (row.Selectable() && --n == 0) return static_cast<float>(row.Top()) + row.Height() / 2.0f;
    }
    return 0;
  }
  bench::BenchSite s;
  Ref<vornPUMenu> m;
};

void BM_MenuCreateMenu(benchmark::State& state) {
  MenuBench b(static_cast<int>(state.range(0)));
  b.Open();
  for (auto _ : state) {
    b.Open();
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MenuCreateMenu)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

void DrawMenuBench(benchmark::State& state, bool icons) {
  MenuBench b(static_cast<int>(state.range(0)), icons);
  b.Open();
  b.m->PUMenu_MouseMove(0, 0, 20, b.SelectableRowFromTheBottom(2));  // a row highlighted, as under the pointer
  b.m->DrawMenu("");                    // the first paint renders and caches the glyphs
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.m->DrawMenu("");
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
void BM_MenuDrawMenu(benchmark::State& state) { DrawMenuBench(state, false); }
BENCHMARK(BM_MenuDrawMenu)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);
// With an icon on every row: the host's image list hands out its picture objects per draw.
void BM_MenuDrawMenuWithIcons(benchmark::State& state) { DrawMenuBench(state, true); }
BENCHMARK(BM_MenuDrawMenuWithIcons)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

// One pointer move over the popup from one row onto the next: the hit test over the row table
// and the repaint of the highlight's move.
void BM_MenuPointerMove(benchmark::State& state) {
  MenuBench b(static_cast<int>(state.range(0)));
  b.Open();
  const float y1 = b.SelectableRowFromTheBottom(2);
  const float y2 = b.SelectableRowFromTheBottom(3);
  b.m->PUMenu_MouseMove(0, 0, 20, y1);
  b.m->PUMenu_MouseMove(0, 0, 20, y2);
  if (b.m->HoverRow() == 0) state.SkipWithError("no row under the pointer");
  float y = y1;
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    y = y == y1 ? y2 : y1;
    b.m->PUMenu_MouseMove(0, 0, 20, y);
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_MenuPointerMove)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorn
