#pragma once
#include "foundation/ControlSite.h"
#include "foundation/Platform.h"

namespace vorn {

/// The platform services and the screen of the Windows host: each service is the user32 call it is
/// named after. One serves every control of the process.
class Win32Platform final : public Platform, public ScreenInfo {
 public:
  static Win32Platform& Instance();

  PointL GetCursorPos() override;
  int16_t GetAsyncKeyState(int32_t virtualKey) override;
  RectL GetWindowRect(WindowHandle window) override;
  bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                    uint32_t flags) override;
  int32_t GetWindowLong(WindowHandle window, int32_t index) override;
  int32_t SetWindowLong(WindowHandle window, int32_t index, int32_t value) override;
  WindowHandle SetParent(WindowHandle child, WindowHandle parent) override;
  uint32_t GetClassLong(WindowHandle window, int32_t index) override;
  uint32_t SetClassLong(WindowHandle window, int32_t index, uint32_t value) override;
  bool SetLayeredWindowAttributes(WindowHandle window, Color key, uint8_t alpha, uint32_t flags) override;
  bool RedrawWindow(WindowHandle window, const RectL* update, uint32_t flags) override;

  int32_t TwipsPerPixelX() const override { return twipsX_; }
  int32_t TwipsPerPixelY() const override { return twipsY_; }
  int32_t Width() const override;
  int32_t Height() const override;

 private:
  Win32Platform();
  int32_t twipsX_;
  int32_t twipsY_;
};

}  // namespace vorn
