#pragma once
#include "controls/range/vornSlider.h"
#include "support/ControlHarness.h"

namespace vorn::test {

using SliderHarness = Harness<vornSlider>;

constexpr auto StoredSlider = Stored<vornSlider>;

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
