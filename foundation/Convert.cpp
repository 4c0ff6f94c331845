#include "foundation/Convert.h"

#include <cmath>

#include "foundation/RuntimeError.h"

namespace vorn {

void detail::RaiseOverflow() { Raise(errOverflow); }

int16_t ToInteger(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -32768.0 && r <= 32767.0)) Raise(errOverflow);
  return static_cast<int16_t>(r);
}

int16_t CheckedInteger(int64_t value) {
  if (value < INT16_MIN || value > INT16_MAX) Raise(errOverflow);
  return static_cast<int16_t>(value);
}

int16_t AddInteger(int16_t a, int16_t b) { return CheckedInteger(int64_t{a} + b); }

}  // namespace vorn
