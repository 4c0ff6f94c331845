#include "foundation/Color.h"

#include <cmath>

#include "foundation/RuntimeError.h"

namespace vorn {

Color TranslateColor(Color c) noexcept {
  if (!(c & kSystemColorBit)) return c;
  return SystemColor(c & ~kSystemColorBit);
}

Color BlendColor(Color first, Color second, int32_t weight) noexcept {
  const Color a = TranslateColor(first);
  const Color b = TranslateColor(second);
  Color result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int32_t ca = (a >> shift) & 0xFF;
    const int32_t cb = (b >> shift) & 0xFF;
    const int32_t p = cb * (255 - weight);
    const int32_t q = ca * weight;
    const double s = p / 255.0 + q / 255.0;
    // s is never negative and never an exact half, so adding a half and truncating rounds it.
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
