#pragma once
#include <cstdint>

#include "foundation/Picture.h"

namespace vorn {

/// One vertex of a gradient fill: position, then 16-bit channels (component x 256).
struct TriVertex {
  int32_t x;
  int32_t y;
  uint16_t Red;
  uint16_t Green;
  uint16_t Blue;
  uint16_t Alpha;
};

/// Indices of the two vertices spanning a gradient rectangle.
struct GradientRectIndex {
  uint32_t UpperLeft;
  uint32_t LowerRight;
};

constexpr uint32_t GRADIENT_FILL_RECT_H = 0;
constexpr uint32_t GRADIENT_FILL_RECT_V = 1;
constexpr uint32_t DST_ICON = 3;
constexpr uint32_t DSS_MONO = 0x80;

/// A surface's device context (its hDC): the fill and icon operations of the platform.
class DeviceContext {
 public:
  virtual ~DeviceContext() = default;
  /// Rectangle-mode gradient fill; right and bottom edges exclusive. Returns false on bad input.
  virtual bool GradientFill(const TriVertex* vertices, uint32_t vertexCount, const GradientRectIndex* rects,
                            uint32_t rectCount, uint32_t mode) = 0;
  /// Draws an icon unscaled at (x, y), cx x cy pixels of it; flags DST_ICON, optionally DSS_MONO.
  virtual bool DrawState(const Picture* icon, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) = 0;
};

}  // namespace vorn
