#pragma once
#include <climits>

#include "controls/progress/vornProgressBar.h"
#include "support/ControlHarness.h"

namespace vorn::test {

using ProgressHarness = Harness<vornProgressBar>;

constexpr auto StoredBar = Stored<vornProgressBar>;

/// The box (inclusive) of the pixels where two controls of the same size differ; left > right
/// when they are identical.
inline RectL DiffBounds(HarnessBase& a, HarnessBase& b) {
  RectL r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  const PixelBuffer& pa = a.Window().Pixels();
  const PixelBuffer& pb = b.Window().Pixels();
  for (int32_t y = 0; y < pa.Height(); ++y) {
    for (int32_t x = 0; x < pa.Width(); ++x) {
      if (pa.Get(x, y) == pb.Get(x, y)) continue;
      r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x), std::max(r.bottom, y)};
    }
  }
  return r;
}

inline bool Identical(HarnessBase& a, HarnessBase& b) { return DiffBounds(a, b).left == INT32_MAX; }

/// Pixels of text ink in a dark fore colour over a light face: red and green both below 0x80.
inline int CountDark(HarnessBase& h) {
  int n = 0;
  const PixelBuffer& p = h.Window().Pixels();
  for (int32_t y = 0; y < p.Height(); ++y)
    for (int32_t x = 0; x < p.Width(); ++x) n += RedOf(p.Get(x, y)) < 0x80 && GreenOf(p.Get(x, y)) < 0x80;
  return n;
}

/// Pixels of exactly colour c.
inline int CountOf(HarnessBase& h, Color c) {
  int n = 0;
  const PixelBuffer& p = h.Window().Pixels();
  for (int32_t y = 0; y < p.Height(); ++y)
    for (int32_t x = 0; x < p.Width(); ++x) n += p.Get(x, y) == c;
  return n;
}

}  // namespace vorn::test
