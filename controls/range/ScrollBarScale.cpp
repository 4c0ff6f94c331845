#include "controls/range/ScrollBarScale.h"

#include <algorithm>
#include <cmath>

#include "foundation/Convert.h"

namespace vorn {

int32_t ScrollBarScale::ThumbLength() const { return std::max(0, Nearest(Length / 2.0 - ArrowZone)); }

int32_t ScrollBarScale::Travel() const { return std::max(0, Nearest(Length - ThumbLength() - 2.0 * ArrowZone)); }

// Whole percent of the range, ties to even, in double precision: Max - Min may not fit 32 bits.
int32_t ScrollBarScale::ThumbPos(int32_t value) const {
  int32_t percent = 0;
  if (value == Min) {
    percent = 0;
  } else if (Max == Min) {
    percent = value > Min ? 100 : 0;
  } else {
    const double p = (static_cast<double>(value) - Min) / (static_cast<double>(Max) - Min) * 100.0;
    percent = Nearest(std::clamp(p, 0.0, 100.0));
  }
  return Fix(percent * static_cast<double>(Travel()) / 100.0);
}

// The percent is held to 0..100: beyond the ends the result is Min or Max anyway, and the product
// with a range wider than a Long could hold must not overflow.
int32_t ScrollBarScale::ValueAt(float offset) const {
  double p = 0;
  if (offset != 0) {
    const double travel = Length - ThumbLength() - 2.0 * ArrowZone;
    p = travel > 0 ? Nearest(std::clamp(offset / travel * 100.0, 0.0, 100.0)) : (offset > 0 ? 100 : 0);
  }
  double v = std::trunc(p * (static_cast<double>(Max) - Min) / 100.0) + Min;
  if (v < Min) v = Min;
  if (v > Max) v = Max;
  return static_cast<int32_t>(v);
}

}  // namespace vorn
