#include "foundation/Color.h"

#include <cmath>

#include "foundation/RuntimeError.h"

namespace vorn {

Color BlendColor(Color first, Color second, int32_t weight) noexcept {
  const Color a = TranslateColor(first);
  const Color b = TranslateColor(second);
  if (weight >= 0 && weight <= 255) return BlendRgb(a, b, static_cast<uint32_t>(weight));
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

void detail::RaiseInvalidVertexColor() { Raise(errInvalidProcedureCall); }

}  // namespace vorn
