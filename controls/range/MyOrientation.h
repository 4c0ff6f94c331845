#pragma once
#include <cstdint>

namespace vorn {

/// Orientation of the range controls and the progress bar. Controls store any value; only these
/// two lay anything out.
enum MyOrientation : int32_t {
  pbHorizontal = 1,
  pbVertical = 2,
};

}  // namespace vorn
