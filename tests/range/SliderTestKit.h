#pragma once
#include <initializer_list>
#include <memory>
#include <utility>

#include "controls/range/vornSlider.h"
#include "support/ControlHarness.h"

namespace vorn::test {

using SliderHarness = Harness<vornSlider>;

/// A slider started from stored properties (ReadProperties), the rest at their defaults.
inline std::unique_ptr<SliderHarness> StoredSlider(int32_t width, int32_t height,
                                                   std::initializer_list<std::pair<const char*, Variant>> props) {
  MemoryPropertyBag bag;
  for (const auto& [name, value] : props) bag.stored[name] = value;
  return std::make_unique<SliderHarness>(width, height, &bag);
}

/// The scheme of a slider at rest with the default colours.
inline ColorScheme RestingScheme() { return PaletteNormal(0xFFFFFF, 0xC00000, 0xFFFFFF); }

/// Whether any pixel of column x (rows y0 .. y1) has colour c.
inline bool ColumnHas(HarnessBase& h, int32_t x, int32_t y0, int32_t y1, Color c) {
  for (int32_t y = y0; y <= y1; ++y) {
    if (h.Pixel(x, y) == c) return true;
  }
  return false;
}

}  // namespace vorn::test
