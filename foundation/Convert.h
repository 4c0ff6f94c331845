#pragma once
#include <cstdint>

namespace vorn {

/// Conversions with the widths and rounding of the automation types: round to nearest with ties
/// to even, Overflow (error 6) when the result does not fit.
int16_t ToInteger(double value);
int32_t ToLong(double value);

/// nearest(x) of the drawing code: the 32-bit conversion.
inline int32_t Nearest(double value) { return ToLong(value); }

/// Arithmetic in a declared width that raises Overflow instead of wrapping.
int16_t CheckedInteger(int64_t value);
int32_t CheckedLong(int64_t value);
int32_t AddLong(int32_t a, int32_t b);
int32_t SubLong(int32_t a, int32_t b);
int16_t AddInteger(int16_t a, int16_t b);

/// Truncation toward zero of a real (the Fix / ⌊⌋ of the drawing code), to 32 bits with Overflow.
int32_t Fix(double value);

}  // namespace vorn
