#include "BenchSupport.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "controls/button/vornButton.h"

namespace {
std::atomic<uint64_t> g_allocations{0};
}

void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vorn::bench {

uint64_t Allocations() noexcept { return g_allocations.load(std::memory_order_relaxed); }

void ReportAllocationsPerRepaint(benchmark::State& state, uint64_t before) {
  state.counters["allocs_per_repaint"] =
      benchmark::Counter(static_cast<double>(Allocations() - before) / static_cast<double>(state.iterations()));
}

void ButtonHoverTick(benchmark::State& state) {
  BenchSite s(100, 30);
  Ref<vornButton> b(new vornButton(*s.site));
  StartControl(*b, nullptr);
  s.host.MoveMouse({40, 25});  // over the button: the tick repaints the hot look
  s.host.Advance(1);
  const uint64_t before = Allocations();
  for (auto _ : state) {
    b->MousePos_Timer();
    benchmark::ClobberMemory();
  }
  ReportAllocationsPerRepaint(state, before);
}

BenchSite::BenchSite(int32_t width, int32_t height) {
  ambient = std::make_shared<FormAmbient>();
  ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
  form = std::make_unique<HeadlessSurface>(host, WindowKind::Form, "Form1", nullptr, RectL{0, 0, 640, 480},
                                           ambient->font->Clone(), 0xF0F0F0);
  site = std::make_unique<HeadlessSite>(host, form.get(), "Control1", RectL{10, 10, 10 + width, 10 + height}, ambient);
}

}  // namespace vorn::bench
