#pragma once
#include <initializer_list>
#include <memory>
#include <utility>

#include "controls/range/vornScrollBar.h"
#include "support/ControlHarness.h"

namespace vorn::test {

using BarHarness = Harness<vornScrollBar>;

/// A scroll bar loaded from stored properties (name, value pairs); a horizontal one unless the
/// properties say otherwise.
inline std::unique_ptr<BarHarness> StoredBar(int32_t width, int32_t height,
                                             std::initializer_list<std::pair<const char*, Variant>> props = {}) {
  MemoryPropertyBag bag;
  bag.stored["Orientation"] = Variant(int32_t{1});
  for (const auto& [name, value] : props) bag.stored[name] = value;
  return std::make_unique<BarHarness>(width, height, &bag);
}

/// The normal scheme of a default bar (white on blue).
inline ColorScheme NormalBarScheme() { return PaletteNormal(0xFFFFFF, 0xC00000, 0xFFFFFF); }

/// Pixels of one colour on a row between two columns (inclusive).
inline int CountOnRow(HarnessBase& h, int32_t y, int32_t x0, int32_t x1, Color c) {
  int n = 0;
  for (int32_t x = x0; x <= x1; ++x) n += h.Pixel(x, y) == c;
  return n;
}

}  // namespace vorn::test
