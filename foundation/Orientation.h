#pragma once
#include <cstdint>

namespace vorn {

/// Orientation of the scroll bar, the slider and the progress bar. Controls store any value they
/// are given and draw nothing orientation-specific for values other than these two.
enum MyOrientation : int32_t { pbHorizontal = 1, pbVertical = 2 };

}  // namespace vorn
