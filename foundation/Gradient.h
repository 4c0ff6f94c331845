#pragma once
#include <cstdint>

#include "foundation/Color.h"
#include "foundation/DeviceContext.h"

namespace vorn {

/// One two-colour rectangle from (x, y) to (x + width, y + height), right and bottom exclusive;
/// mode GRADIENT_FILL_RECT_H runs left to right, GRADIENT_FILL_RECT_V top to bottom.
void GradientRect(DeviceContext& dc, int32_t x, int32_t y, int32_t width, int32_t height, VertexColor start,
                  VertexColor end, int16_t mode);

/// Two stacked bands, c1 to c2 then c2 to c3, split at the middle along orientation 1 (rows) or
/// 2 (columns). The second band is placed from the surface's origin, not from y (or x): callers
/// rely on that for equal margins. Other orientations draw nothing.
void GlassGradient(DeviceContext& dc, int32_t x, int32_t y, int32_t width, int32_t height, Color c1, Color c2,
                   Color c3, int32_t orientation);

/// A gradient line one pixel thick: vertical for orientation 2, horizontal otherwise.
void LinearGradient(DeviceContext& dc, int32_t x, int32_t y, int32_t length, int32_t orientation, Color start,
                    Color end);

/// value x percent / 100, truncated; 0 when the result does not fit 32 bits.
int32_t PercentOf(int32_t value, int16_t percent) noexcept;

}  // namespace vorn
