#pragma once
#include <cstdint>

#include "foundation/Surface.h"

namespace vorn {

/// Positions along and across a horizontal or vertical control, turned into a surface's x and y:
/// a vertical control is painted as the horizontal one with the two exchanged (sizes too). The
/// exchange is its own inverse, so X and Y of a surface point give its place along and across.
struct Axes {
  bool vertical = false;

  float X(float along, float across) const { return vertical ? across : along; }
  float Y(float along, float across) const { return vertical ? along : across; }
  int32_t X(int32_t along, int32_t across) const { return vertical ? across : along; }
  int32_t Y(int32_t along, int32_t across) const { return vertical ? along : across; }
  /// The surface's extent along and across, in pixels.
  float Along(const Surface& s) const { return vertical ? s.ScaleHeight() : s.ScaleWidth(); }
  float Across(const Surface& s) const { return vertical ? s.ScaleWidth() : s.ScaleHeight(); }

  /// A line from (a1, c1) to (a2, c2), end point excluded.
  void Line(Surface& s, float a1, float c1, float a2, float c2, Color colour) const {
    s.Line(X(a1, c1), Y(a1, c1), X(a2, c2), Y(a2, c2), colour);
  }
  /// The outline of a0 .. a1 along by c0 .. c1 across, the corners and far edges included.
  void Frame(Surface& s, float a0, float c0, float a1, float c1, Color colour) const {
    Line(s, a0, c0, a0, c1 + 1, colour);
    Line(s, a1, c0, a1, c1 + 1, colour);
    Line(s, a0, c0, a1, c0, colour);
    Line(s, a0, c1, a1, c1, colour);
  }
};

}  // namespace vorn
