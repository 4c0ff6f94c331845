#pragma once
#include <cstdint>

#include "foundation/Platform.h"

namespace vorn {

/// Gives the window's class the drop-shadow style (so every window of that class gets it).
void EnableDropShadow(Platform& platform, WindowHandle window);
/// Makes the whole window uniformly translucent with opacity alpha / 255.
void SetWindowAlpha(Platform& platform, WindowHandle window, uint8_t alpha);
/// Removes that translucency and asks for the window to be repainted.
void ClearWindowAlpha(Platform& platform, WindowHandle window);

}  // namespace vorn
