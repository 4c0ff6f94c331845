#include "foundation/Gradient.h"

#include <cmath>

#include "foundation/Convert.h"

namespace vorn {

void GradientRect(DeviceContext& dc, int32_t x, int32_t y, int32_t width, int32_t height, VertexColor start,
                  VertexColor end, int16_t mode) {
  const TriVertex v[2] = {
      {x, y, start.Red, start.Green, start.Blue, 0},
      {AddLong(x, width), AddLong(y, height), end.Red, end.Green, end.Blue, 0},
  };
  const GradientRectIndex r{1, 0};
  dc.GradientFill(v, 2, &r, 1, static_cast<uint32_t>(mode));
}

void GlassGradient(DeviceContext& dc, int32_t x, int32_t y, int32_t width, int32_t height, Color c1, Color c2,
                   Color c3, int32_t orientation) {
  if (orientation == 1) {
    const int32_t half = height / 2;  // truncation toward zero, as C++ integer division does
    GradientRect(dc, x, y, width, AddLong(half, 1), ColorToVertex(c1), ColorToVertex(c2), GRADIENT_FILL_RECT_V);
    GradientRect(dc, x, SubLong(height, half), width, half, ColorToVertex(c2), ColorToVertex(c3),
                 GRADIENT_FILL_RECT_V);
  } else if (orientation == 2) {
    const int32_t half = width / 2;
    GradientRect(dc, x, y, AddLong(half, 1), height, ColorToVertex(c1), ColorToVertex(c2), GRADIENT_FILL_RECT_H);
    GradientRect(dc, SubLong(width, half), y, half, height, ColorToVertex(c2), ColorToVertex(c3),
                 GRADIENT_FILL_RECT_H);
  }
}

void LinearGradient(DeviceContext& dc, int32_t x, int32_t y, int32_t length, int32_t orientation, Color start,
                    Color end) {
  if (orientation == 2) {
    GradientRect(dc, x, y, 1, length, ColorToVertex(start), ColorToVertex(end), GRADIENT_FILL_RECT_V);
  } else {
    GradientRect(dc, x, y, length, 1, ColorToVertex(start), ColorToVertex(end), GRADIENT_FILL_RECT_H);
  }
}

int32_t PercentOf(int32_t value, int16_t percent) noexcept {
  const double r = (value / 10.0) * (percent / 10.0) * 100.0 / 100.0;
  const double t = std::trunc(r);
  if (!(t >= -2147483648.0 && t <= 2147483647.0)) return 0;
  return static_cast<int32_t>(t);
}

}  // namespace vorn
