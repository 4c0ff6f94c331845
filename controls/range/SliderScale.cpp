#include "controls/range/SliderScale.h"

#include <algorithm>
#include <cmath>

#include "controls/range/RangeModel.h"
#include "foundation/Convert.h"

namespace vorn {

int32_t SliderScale::Travel() const { return Nearest(static_cast<double>(Length) - 20.0); }

int32_t SliderScale::KnobPos(int32_t value) const {
  const int32_t travel = Travel();
  if (travel <= 0 || value == Min) return 0;
  // In double precision: Max - Min and value - Min may not fit 32 bits.
  const double range = static_cast<double>(Max) - Min;
  double percent;
  if (range == 0) {
    percent = value > Min ? 100.0 : 0.0;
  } else {
    percent = RoundHalfEven((static_cast<double>(value) - Min) / range * 100.0);
  }
  const double offset = std::trunc(percent * travel / 100.0);
  return static_cast<int32_t>(std::clamp(offset, -double{kFarOffset}, double{kFarOffset}));
}

int32_t SliderScale::Limit(int64_t value) const { return LimitToRange(value, Min, Max); }

int32_t SliderScale::ValueAt(float offset, int32_t current) const {
  if (Travel() <= 0) return Limit(current);
  const float divisor = Length - 20.0f;
  double percent = 0;
  if (offset != 0.0f) {
    const float ratio = offset / divisor * 100.0f;
    percent = RoundHalfEven(static_cast<double>(ratio));
  }
  const double range = static_cast<double>(Max) - Min;
  // Limited in double precision, so a pointer far outside cannot overflow the conversion.
  double value = std::trunc(percent * range / 100.0) + Min;
  if (value < Min) value = Min;
  if (value > Max) value = Max;
  return static_cast<int32_t>(value);
}

}  // namespace vorn
