#pragma once
#include <cstdint>

namespace vorn {

/// The scroll bar's mapping between values and thumb offsets. Along the bar (L its length, A the
/// arrow zone = the arrow buttons' edge + 5) the thumb is L/2 - A long whatever the range, and
/// travels L - thumb - 2A pixels in whole percent of the range; the thumb at offset P covers
/// A + P .. A + P + thumb - 1.
///
/// Degenerate cases, which the arithmetic alone would turn into divisions by zero:
///   thumb or travel < 0   (a bar shorter than its two arrow zones) held at 0: no thumb shows
///   Max = Min             a value above Min shows at the end, any other at the start
///   travel 0              a pointer offset maps to Max when past the start, else to Min
/// A bar of an orientation that lays nothing out has length 0.
struct ScrollBarScale {
  int32_t Min = 0;
  int32_t Max = 0;
  double Length = 0;
  int32_t ArrowZone = 0;

  /// max(0, nearest(L / 2 - A)).
  int32_t ThumbLength() const;
  /// max(0, nearest(L - thumb - 2A)).
  int32_t Travel() const;
  /// The thumb's offset for a value: truncate(percent x travel / 100), percent = nearest((v - Min)
  /// / (Max - Min) x 100) held to 0 .. 100 (only a stored value can lie outside the range).
  int32_t ThumbPos(int32_t value) const;
  /// The value whose thumb lies at offset d: percent = nearest(d / (L - thumb - 2A) x 100), the
  /// divisor unrounded; value = truncate(percent x (Max - Min) / 100) + Min, limited to Min .. Max.
  int32_t ValueAt(float offset) const;
};

}  // namespace vorn
