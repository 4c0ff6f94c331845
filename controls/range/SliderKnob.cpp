#include "controls/range/SliderKnob.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "foundation/Axes.h"
#include "foundation/Gradient.h"
#include "foundation/Orientation.h"

namespace vorn {

namespace {

// One step of the knob, in horizontal coordinates: a along the slider (relative to K), c across.
//   Line      (K + a1, c1) - (K + a2, c2), end point excluded
//   Gradient  origin (K + a1, c1), size a2 x c2 along x across, from entry to entry2
//   Pixels    the picture in pixels, its first row at (K + a1, c1): a row per c, a character per a,
//             the scheme entry in hexadecimal ('.' leaves the pixel)
// A vertical slider exchanges the two axes, sizes included; gradient modes stay as they are.
struct KnobStep {
  enum Kind : uint8_t { Line, Gradient, Pixels } kind;
  int8_t a1, c1, a2 = 0, c2 = 0;
  uint8_t entry = 0;
  uint8_t entry2 = 0;
  int16_t mode = 0;
  std::span<const std::string_view> pixels{};
};

// The shading of the point and its flanks, then the tip over the shine.
constexpr std::string_view kPointShade[] = {
    "...634.",  // c 14, a 4 .. 10
    "...6477",  // c 15
    "226377.",  // c 16
    "26344..",  // c 17
    ".347...",  // c 18
    "..4....",  // c 19
};
constexpr std::string_view kTip[] = {
    ".6.",  // c 17, a 3 .. 5
    "43.",  // c 18
    ".43",  // c 19
    "..4",  // c 20
};

constexpr int HexDigit(char e) { return e <= '9' ? e - '0' : e - 'A' + 10; }

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
    {KnobStep::Pixels, 4, 14, 0, 0, 0, 0, 0, kPointShade},
    {KnobStep::Line, 1, 14, 4, 17, 5},  // shine along the left flank
    {KnobStep::Line, 1, 15, 4, 18, 5},
    {KnobStep::Pixels, 3, 17, 0, 0, 0, 0, 0, kTip},
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
      case KnobStep::Gradient:
        GradientRect(surface.hDC(), ax.X(a1, c1), ax.Y(a1, c1), ax.X(s.a2, s.c2), ax.Y(s.a2, s.c2),
                     ColorToVertex(c), ColorToVertex(key[s.entry2]), s.mode);
        break;
      case KnobStep::Pixels:
        for (int32_t row = 0; row < static_cast<int32_t>(s.pixels.size()); ++row) {
          for (int32_t col = 0; col < static_cast<int32_t>(s.pixels[row].size()); ++col) {
            const char e = s.pixels[row][col];
            if (e != '.') surface.PSet(ax.X(a1 + col, c1 + row), ax.Y(a1 + col, c1 + row), key[HexDigit(e)]);
          }
        }
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
