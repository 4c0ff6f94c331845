// Toolbar costs: the full Redraw that every hover tick performs, for a toolbar of 20 items with
// icons (every style, two drop-down menus), the tick itself, and the hit test every pointer move
// runs.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "controls/toolbar/vornToolbar.h"
#include "host/form/ImageList.h"

namespace vorn {
namespace {

struct ToolbarBench {
  ToolbarBench() : s(900, 30), t(new vornToolbar(*s.site)) {
    StartControl(*t, nullptr);
    auto list = MakeRef<ImageList>("icons", int16_t{16}, int16_t{16});
    for (uint32_t c : {0xFF2080C0u, 0xFF40C040u, 0xFFC04040u, 0xFF808080u}) {
      list->Add(MakeRef<Picture>(16, 16, std::vector<uint32_t>(256, c)));
    }
    t->putref_Imagelist(list);
    const int32_t styles[] = {mitNormalButton, mitCheckButton, mitMenu, mitMenu2, mitPlaceholder, mitSeparator,
                              mitCaption};
    for (int i = 1; i <= 20; ++i) {
      const int32_t style = styles[(i - 1) % 7];
      Ref<ToolbarItem> item = t->Add("k" + std::to_string(i), "Item " + std::to_string(i),
                                     static_cast<int16_t>(style == mitSeparator ? 0 : 1 + i % 4), style, i % 3 == 0,
                                     i % 5 != 0);
      if (item->IsMenu()) item->ToolbarMenuItems_->Add("", "Entry", 0, true, "", "", itNormal, false, false);
    }
  }
  bench::BenchSite s;
  Ref<vornToolbar> t;
};

// The hover look: the pointer rests on the second item, so one hot frame is painted too.
void BM_ToolbarRepaint20Icons(benchmark::State& state) {
  ToolbarBench b;
  b.s.host.MoveMouse({10 + 100, 10 + 12});
  b.t->Redraw();  // the first paint renders and caches the glyphs and icons
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.t->Redraw();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ToolbarRepaint20Icons)->Unit(benchmark::kMicrosecond);

// One MousePos tick with the pointer resting on the second item: the cursor poll, the full Redraw
// and DoEvents.
void BM_ToolbarHoverTick(benchmark::State& state) {
  ToolbarBench b;
  b.s.host.MoveMouse({10 + 100, 10 + 12});  // the move anchors the hover where the pointer rests
  b.t->MousePos_Timer();
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.t->MousePos_Timer();
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ToolbarHoverTick)->Unit(benchmark::kMicrosecond);

// One pointer move: the hit test walks the items up to the one under the pointer, near the end.
void BM_ToolbarPointerMoveAtTheRightEnd(benchmark::State& state) {
  ToolbarBench b;
  const float x = static_cast<float>(b.s.site->Window().ScaleWidth()) - 1;
  b.t->UserControl_MouseMove(0, 0, x, 12);
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    b.t->UserControl_MouseMove(0, 0, x, 12);
    benchmark::ClobberMemory();
  }
  bench::ReportAllocationsPerRepaint(state, before);
}
BENCHMARK(BM_ToolbarPointerMoveAtTheRightEnd)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorn
