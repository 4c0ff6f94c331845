#pragma once
#include <cmath>
#include <cstdint>

namespace vorn {

// The drawing code converts and adds a few dozen times a repaint: the conversions below are
// inline, and only raising Overflow is a call.
namespace detail {
[[noreturn]] void RaiseOverflow();
}  // namespace detail

/// Round to nearest, ties to even, as nearbyint in the default rounding mode, without the call:
/// adding 2^52 leaves no fraction bits, so the addition rounds; larger magnitudes, infinities
/// and NaN come back as they are.
inline double RoundHalfEven(double value) noexcept {
  constexpr double kNoFraction = 4503599627370496.0;  // 2^52
  const double magnitude = std::fabs(value);
  if (!(magnitude < kNoFraction)) return value;
  return std::copysign((magnitude + kNoFraction) - kNoFraction, value);
}

/// Conversions with the widths and rounding of the automation types: round to nearest with ties
/// to even, Overflow (error 6) when the result does not fit.
int16_t ToInteger(double value);
inline int32_t ToLong(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) detail::RaiseOverflow();
  return static_cast<int32_t>(r);
}

/// nearest(x) of the drawing code: the 32-bit conversion.
inline int32_t Nearest(double value) { return ToLong(value); }

/// Arithmetic in a declared width that raises Overflow instead of wrapping.
int16_t CheckedInteger(int64_t value);
inline int32_t CheckedLong(int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) detail::RaiseOverflow();
  return static_cast<int32_t>(value);
}
inline int32_t AddLong(int32_t a, int32_t b) { return CheckedLong(int64_t{a} + b); }
inline int32_t SubLong(int32_t a, int32_t b) { return CheckedLong(int64_t{a} - b); }
int16_t AddInteger(int16_t a, int16_t b);

/// Truncation toward zero of a real (the Fix / ⌊⌋ of the drawing code), to 32 bits with Overflow.
inline int32_t Fix(double value) {
  const double t = std::trunc(value);
  if (!(t >= -2147483648.0 && t <= 2147483647.0)) detail::RaiseOverflow();
  return static_cast<int32_t>(t);
}

}  // namespace vorn
