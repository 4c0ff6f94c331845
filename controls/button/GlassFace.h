#pragma once
#include "foundation/ColorScheme.h"
#include "foundation/Surface.h"

namespace vorn {

/// The face shared by the buttons, the text box and the progress bar: a full-surface glass
/// gradient (entries 2, middle, 4; bands stacked for orientation 1, side by side for 2, none for
/// any other value) and four edges. Implementation notes:
///   top edge    x 1 .. SW-2 on row 0, entry 5 -> 6
///   left edge   y 1 .. SH-2 on column 0, entry 5 -> 7
///   bottom edge x 1 .. SW-2 on row SH-1, entry 7 (a line whose end point is excluded)
///   right edge  y 1 .. SH-2 on column SW-1, entry 6 -> 7
/// The four corner pixels keep the colour of the glass.
void DrawGlassFace(Surface& surface, const ColorScheme& scheme, int middleEntry, int32_t orientation = 1);

}  // namespace vorn
