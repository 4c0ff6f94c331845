#include "foundation/WindowRoutines.h"

namespace vorn {

void EnableDropShadow(Platform& platform, WindowHandle window) {
  const uint32_t style = platform.GetClassLong(window, GCL_STYLE);
  platform.SetClassLong(window, GCL_STYLE, style | CS_DROPSHADOW);
}

void SetWindowAlpha(Platform& platform, WindowHandle window, uint8_t alpha) {
  const int32_t ex = platform.GetWindowLong(window, GWL_EXSTYLE);
  platform.SetWindowLong(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  platform.SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

void ClearWindowAlpha(Platform& platform, WindowHandle window) {
  const int32_t ex = platform.GetWindowLong(window, GWL_EXSTYLE);
  platform.SetWindowLong(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
  const RectL update{0, 0, 0, 0};
  platform.RedrawWindow(window, &update, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace vorn
