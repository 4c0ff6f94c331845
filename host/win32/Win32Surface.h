#pragma once
#include <vector>

#include "host/window/WindowSurface.h"
#include "host/win32/Win32Window.h"

namespace vorn {

class Win32Site;

/// A surface of the Windows host: the window half every host shares (WindowSurface) on a real
/// window, whose raster picture WM_PAINT blits. A control's surface is a child window of its
/// container's window (or of the host's parking window until a container shows it), an inner
/// picture a hidden child window of its control.
///
/// Windows routes the pointer's input (to the window holding the capture, else the one under the
/// pointer); presses and releases then keep the rule of host/window/PointerRouter.h, with the
/// capture mirrored to the window system's. Tab moves the focus between the tab stops of the
/// top-level window; no control sees it.
class Win32Surface final : public WindowSurface, private win32::WindowClient {
 public:
  enum class Kind { Control, Picture };
  Win32Surface(Kind kind, Win32Site& site, Win32Surface* parent, RectL pixelRect, Ref<Font> font, Color backColor);
  ~Win32Surface() override;

  WindowHandle hWnd() const override { return hwnd_; }
  /// Position (pixels of the parent's client area, or of the screen at the top level) and size,
  /// as the window system has them.
  RectL PlacePx() const override;
  /// Draws the picture and those of the visible child windows onto target at (x, y).
  void Compose(PixelBuffer& target, int32_t x, int32_t y) const;

 protected:
  void Touched() override;
  bool HasWindow() const noexcept override { return hwnd_ != 0; }
  void Placed(RectL rect) override;
  void Resized() override;
  void VisibilityChanged() override;
  void EnabledSet() override;

 private:
  // WindowClient
  void MouseButton(int16_t button, bool down, int16_t held, int16_t shift, int32_t x, int32_t y) override;
  void MouseMove(int16_t buttons, int16_t shift, int32_t x, int32_t y) override;
  void Key(int16_t keyCode, bool down, int16_t shift) override;
  void Char(int16_t code) override;
  void Focus(bool gained) override;
  win32::PixelsView Picture() const override;
  void Destroyed() override;

  Win32Surface* Parent() const noexcept { return static_cast<Win32Surface*>(ParentWindow()); }
  template <class F>
  void Deliver(F&& f);

  Win32Site& site_;
  std::vector<Win32Surface*> children_;
  WindowHandle hwnd_ = 0;
  mutable bool paintAsked_ = false;  // an invalidation is on its way to WM_PAINT
};

}  // namespace vorn
