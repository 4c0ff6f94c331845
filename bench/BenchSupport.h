#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "host/headless/HeadlessSite.h"

namespace vorn::bench {

/// Heap allocations made by this process so far (operator new is counted).
uint64_t Allocations() noexcept;

/// Reports the heap allocations made since before, per iteration, as "allocs_per_repaint".
void ReportAllocationsPerRepaint(benchmark::State& state, uint64_t before);

/// The hover tick of a 100 x 30 button with its caption, the pointer resting on it: the baseline
/// of the other controls' ticks, registered in each program that compares with it, so that the
/// two are measured in the same run.
void ButtonHoverTick(benchmark::State& state);

/// A form window and one control site on it, as the benchmarks need them.
struct BenchSite {
  BenchSite(int32_t width, int32_t height);
  HeadlessHost host;
  std::shared_ptr<FormAmbient> ambient;
  std::unique_ptr<HeadlessSurface> form;
  std::unique_ptr<HeadlessSite> site;
};

}  // namespace vorn::bench
