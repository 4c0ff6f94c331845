#include "controls/range/SliderKnob.h"

#include <algorithm>
#include <array>

#include "foundation/Axes.h"
#include "foundation/Gradient.h"
#include "foundation/Orientation.h"

namespace vorn {

namespace {

// One step of the knob, in horizontal coordinates: a along the slider (relative to K), c across.
//   Line      (K + a1, c1) - (K + a2, c2), end point excluded
//   Pixel     (K + a1, c1)
//   Gradient  origin (K + a1, c1), size a2 x c2 along x across, from entry to entry2
// A vertical slider exchanges the two axes, sizes included; gradient modes stay as they are.
struct KnobStep {
  enum Kind : uint8_t { Line, Pixel, Gradient } kind;
  int8_t a1, c1, a2, c2;
  uint8_t entry;
  uint8_t entry2 = 0;
  int16_t mode = 0;
};

constexpr KnobStep kSteps[] = {
    {KnobStep::Line, 10, 4, 10, 15, 7},  // right side
    {KnobStep::Line, 1, 3, 10, 3, 4},    // back
    {KnobStep::Line, 0, 4, 0, 15, 4},    // left side
    {KnobStep::Gradient, 1, 4, 9, 3, 3, 4, GRADIENT_FILL_RECT_V},
    {KnobStep::Gradient, 1, 7, 7, 8, 2, 2, GRADIENT_FILL_RECT_H},
    {KnobStep::Line, 9, 6, 9, 14, 4},
    {KnobStep::Line, 8, 7, 8, 14, 3},
    {KnobStep::Line, 0, 15, 3, 18, 3},  // left flank of the point
    {KnobStep::Line, 3, 15, 7, 15, 2},
    {KnobStep::Pixel, 4, 16, 0, 0, 2},
    {KnobStep::Pixel, 5, 16, 0, 0, 2},
    {KnobStep::Pixel, 4, 17, 0, 0, 2},
    {KnobStep::Pixel, 10, 15, 0, 0, 7},
    {KnobStep::Pixel, 9, 16, 0, 0, 7},
    {KnobStep::Pixel, 8, 14, 0, 0, 3},
    {KnobStep::Pixel, 7, 14, 0, 0, 6},
    {KnobStep::Pixel, 7, 15, 0, 0, 6},
    {KnobStep::Pixel, 7, 16, 0, 0, 3},
    {KnobStep::Pixel, 6, 16, 0, 0, 6},
    {KnobStep::Pixel, 6, 17, 0, 0, 3},
    {KnobStep::Pixel, 5, 17, 0, 0, 6},
    {KnobStep::Pixel, 5, 18, 0, 0, 3},
    {KnobStep::Pixel, 9, 14, 0, 0, 4},  // right flank of the point
    {KnobStep::Pixel, 8, 15, 0, 0, 4},
    {KnobStep::Pixel, 7, 17, 0, 0, 4},
    {KnobStep::Pixel, 6, 18, 0, 0, 4},
    {KnobStep::Pixel, 8, 17, 0, 0, 4},
    {KnobStep::Pixel, 6, 19, 0, 0, 4},
    {KnobStep::Pixel, 9, 15, 0, 0, 7},
    {KnobStep::Pixel, 8, 16, 0, 0, 7},
    {KnobStep::Pixel, 7, 18, 0, 0, 7},
    {KnobStep::Line, 1, 14, 4, 17, 5},  // shine along the left flank
    {KnobStep::Line, 1, 15, 4, 18, 5},
    {KnobStep::Pixel, 3, 18, 0, 0, 4},  // the point
    {KnobStep::Pixel, 4, 19, 0, 0, 4},
    {KnobStep::Pixel, 5, 20, 0, 0, 4},
    {KnobStep::Pixel, 4, 18, 0, 0, 3},
    {KnobStep::Pixel, 5, 19, 0, 0, 3},
    {KnobStep::Pixel, 4, 17, 0, 0, 6},
};

// The knob with its body starting at K along and its across positions from C0: key holds the
// scheme's entries, then the orientation.
void PaintKnob(Surface& surface, int32_t x, int32_t y, std::span<const uint32_t> key) {
  const Axes ax{key[ColorScheme::kEntries] == pbVertical};
  const int32_t K = ax.X(x, y);
  const int32_t C0 = ax.Y(x, y);
  for (const KnobStep& s : kSteps) {
    const Color c = key[s.entry];
    const int32_t a1 = K + s.a1;
    const int32_t c1 = C0 + s.c1;
    switch (s.kind) {
      case KnobStep::Line: ax.Line(surface, a1, c1, K + s.a2, C0 + s.c2, c); break;
      case KnobStep::Pixel: surface.PSet(ax.X(a1, c1), ax.Y(a1, c1), c); break;
      case KnobStep::Gradient:
        GradientRect(surface.hDC(), ax.X(a1, c1), ax.Y(a1, c1), ax.X(s.a2, s.c2), ax.Y(s.a2, s.c2),
                     ColorToVertex(c), ColorToVertex(key[s.entry2]), s.mode);
        break;
    }
  }
}

}  // namespace

void DrawSliderKnob(Surface& surface, const ColorScheme& scheme, int32_t K, int32_t orientation) {
  if (orientation != pbHorizontal && orientation != pbVertical) return;
  // Every hover tick paints it, from a handful of schemes: it is worked out once per scheme.
  std::array<uint32_t, ColorScheme::kEntries + 1> key;
  std::copy(scheme.entry.begin(), scheme.entry.end(), key.begin());
  key[ColorScheme::kEntries] = static_cast<uint32_t>(orientation);
  const Axes ax{orientation == pbVertical};
  // Its pixels lie 0 .. 10 along and 3 .. 20 across.
  const RectL bounds{ax.X(0, 3), ax.Y(0, 3), ax.X(11, 21), ax.Y(11, 21)};
  surface.PaintKept(&PaintKnob, key, ax.X(K, 0), ax.Y(K, 0), bounds);
}

}  // namespace vorn
