#pragma once
#include <cstdint>
#include <memory>

#include "host/headless/HeadlessSite.h"

namespace vorn::bench {

/// Heap allocations made by this process so far (operator new is counted).
uint64_t Allocations() noexcept;

/// A form window and one control site on it, as the benchmarks need them.
struct BenchSite {
  BenchSite(int32_t width, int32_t height);
  HeadlessHost host;
  std::shared_ptr<FormAmbient> ambient;
  std::unique_ptr<HeadlessSurface> form;
  std::unique_ptr<HeadlessSite> site;
};

}  // namespace vorn::bench
