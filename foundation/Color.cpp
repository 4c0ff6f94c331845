#include "foundation/Color.h"

#include <cmath>

#include "foundation/RuntimeError.h"

namespace vorn {

Color BlendColor(Color first, Color second, int32_t weight) noexcept {
  const Color a = TranslateColor(first);
  const Color b = TranslateColor(second);
  if (weight >= 0 && weight <= 255) {
    // Per channel round((cb * (255 - weight) + ca * weight) / 255), red and blue in one word and
    // green in another: each 16-bit field holds at most 255 * 255 + 127, and
    // floor(t / 255) = (t + floor(t / 256) + 1) / 256 there. The sum is never an exact half, as
    // 255 is odd, so this is the rounding that the sum of the two quotients in double precision
    // always gave.
    const uint32_t w = static_cast<uint32_t>(weight);
    const uint32_t rb = (b & 0xFF00FF) * (255 - w) + (a & 0xFF00FF) * w + 0x7F007F;
    const uint32_t g = ((b >> 8) & 0xFF) * (255 - w) + ((a >> 8) & 0xFF) * w + 0x7F;
    return (((rb + ((rb >> 8) & 0xFF00FF) + 0x010001) >> 8) & 0xFF00FF) | ((g + (g >> 8) + 1) >> 8) << 8;
  }
  Color result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int32_t ca = (a >> shift) & 0xFF;
    const int32_t cb = (b >> shift) & 0xFF;
    const int32_t p = cb * (255 - weight);
    const int32_t q = ca * weight;
    const double s = p / 255.0 + q / 255.0;
    result |= static_cast<Color>(s + 0.5) << shift;
  }
  return result;
}

VertexColor ColorToVertex(Color c) {
  // Six hexadecimal digits at most; a longer text would ask for a negative count of padding zeros.
  if (c > 0xFFFFFF) Raise(errInvalidProcedureCall);
  return VertexColor{static_cast<uint16_t>(RedOf(c) << 8), static_cast<uint16_t>(GreenOf(c) << 8),
                     static_cast<uint16_t>(BlueOf(c) << 8)};
}

}  // namespace vorn
