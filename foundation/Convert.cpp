#include "foundation/Convert.h"

#include <cmath>

#include "foundation/RuntimeError.h"

namespace vorn {

namespace {
double RoundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which is round-to-nearest-even by default.
  return std::nearbyint(value);
}
}  // namespace

int16_t ToInteger(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -32768.0 && r <= 32767.0)) Raise(errOverflow);
  return static_cast<int16_t>(r);
}

int32_t ToLong(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) Raise(errOverflow);
  return static_cast<int32_t>(r);
}

int16_t CheckedInteger(int64_t value) {
  if (value < INT16_MIN || value > INT16_MAX) Raise(errOverflow);
  return static_cast<int16_t>(value);
}

int32_t CheckedLong(int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) Raise(errOverflow);
  return static_cast<int32_t>(value);
}

int32_t AddLong(int32_t a, int32_t b) { return CheckedLong(int64_t{a} + b); }
int32_t SubLong(int32_t a, int32_t b) { return CheckedLong(int64_t{a} - b); }
int16_t AddInteger(int16_t a, int16_t b) { return CheckedInteger(int64_t{a} + b); }

int32_t Fix(double value) {
  const double t = std::trunc(value);
  if (!(t >= -2147483648.0 && t <= 2147483647.0)) Raise(errOverflow);
  return static_cast<int32_t>(t);
}

}  // namespace vorn
