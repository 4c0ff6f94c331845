#pragma once
#include <cstdint>

#include "foundation/ColorScheme.h"
#include "foundation/Surface.h"

namespace vorn {

/// Paints the slider's pointed knob pixel by pixel with its body starting at K along the slider:
/// 11 pixels wide (K .. K + 10), a flat back at 3 across and the point at (K + 5, 20). A vertical
/// slider gets the same picture with x and y exchanged. Other orientations paint nothing.
void DrawSliderKnob(Surface& surface, const ColorScheme& scheme, int32_t K, int32_t orientation);

}  // namespace vorn
