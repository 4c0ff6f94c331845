#include "controls/button/GlassFace.h"

#include "foundation/Convert.h"
#include "foundation/Gradient.h"

namespace vorn {

void DrawGlassFace(Surface& surface, const ColorScheme& scheme, int middleEntry, int32_t orientation) {
  DeviceContext& dc = surface.hDC();
  const float sw = surface.ScaleWidth();
  const float sh = surface.ScaleHeight();
  GlassGradient(dc, 0, 0, Nearest(sw), Nearest(sh), scheme[2], scheme[middleEntry], scheme[4], orientation);
  LinearGradient(dc, 1, 0, Nearest(sw - 2), 1, scheme[5], scheme[6]);
  LinearGradient(dc, 0, 1, Nearest(sh - 2), 2, scheme[5], scheme[7]);
  surface.Line(1, sh - 1, sw - 1, sh - 1, scheme[7]);
  LinearGradient(dc, Nearest(sw - 1), 1, Nearest(sh - 2), 2, scheme[6], scheme[7]);
}

}  // namespace vorn
