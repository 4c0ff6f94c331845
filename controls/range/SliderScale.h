#pragma once
#include <cstdint>

namespace vorn {

/// The slider's mapping between values and knob offsets. The knob travels L - 20 pixels (L the
/// length along the slider); at offset P its body covers P + 5 .. P + 15 and its centre, where a
/// value's tick goes, is P + 10.
///
/// Degenerate cases, which the arithmetic alone would turn into divisions by zero or by a
/// negative travel:
///   Max = Min        a value above Min sits at the end, one below at the start
///   travel <= 0      (L <= 20 on whole pixels) every value sits at offset 0, and pointer
///                    positions do not map to values (ValueAt keeps the current value, brought
///                    into the range)
///   far outside      offsets saturate at +-kFarOffset, well off any surface
struct SliderScale {
  int32_t Min = 0;
  int32_t Max = 0;
  float Length = 0;  // L: the scale width (horizontal) or height (vertical)

  static constexpr int32_t kFarOffset = 1 << 20;

  /// nearest(L - 20), ties to even.
  int32_t Travel() const;
  /// Offset of the knob for a value: truncate(percent x Travel / 100), percent =
  /// nearest((v - Min) / (Max - Min) x 100); not limited to the travel.
  int32_t KnobPos(int32_t value) const;
  /// The value whose knob lies at offset d, limited to Min .. Max: percent = nearest(d / (L - 20)
  /// x 100) in single precision, value = truncate(percent x (Max - Min) / 100) + Min.
  int32_t ValueAt(float offset, int32_t current) const;
  /// A value brought into Min .. Max (raised to Min first, then lowered to Max).
  int32_t Limit(int64_t value) const;
};

}  // namespace vorn
