#pragma once
#include <vector>

#include "host/raster/RasterSurface.h"
#include "host/win32/Win32Window.h"

namespace vorn {

class Win32Site;

/// A surface of the Windows host: the raster picture of a real window, which WM_PAINT blits. A
/// control's surface is a child window of its container's window (or of the host's parking
/// window until a container shows it), an inner picture a hidden child window of its control.
///
/// Input keeps the host rules the controls rely on (as in the headless and desktop hosts):
///   press    the window takes the capture (unless one is held) and the focus, then MouseDown
///   move     Windows routes it: the captured window, else the window under the pointer
///   release  the capture ends when no button is held; MouseUp; then Click when it was the left
///            button, pressed on this window, and the pointer is still over it
///   Tab      moves the focus between the tab stops of the top-level window; no control sees it
class Win32Surface final : public RasterSurface, private win32::WindowClient {
 public:
  enum class Kind { Control, Picture };
  Win32Surface(Kind kind, Win32Site& site, Win32Surface* parent, RectL pixelRect, Ref<Font> font, Color backColor);
  ~Win32Surface() override;

  int32_t Left() const override;
  int32_t Top() const override;
  int32_t Width() const override;
  int32_t Height() const override;
  void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  WindowHandle hWnd() const override { return hwnd_; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  void SetEventHandler(SurfaceEvents* handler) override { handler_ = handler; }

  /// Position (pixels of the parent's client area, or of the screen at the top level) and size.
  void MovePx(int32_t left, int32_t top, int32_t width, int32_t height);
  RectL PlacePx() const;
  /// Draws the picture and those of the visible child windows onto target at (x, y).
  void Compose(PixelBuffer& target, int32_t x, int32_t y) const;

 protected:
  void Touched() override;

 private:
  // WindowClient
  void MouseButton(int16_t button, bool down, int16_t held, int16_t shift, int32_t x, int32_t y) override;
  void MouseMove(int16_t buttons, int16_t shift, int32_t x, int32_t y) override;
  void Key(int16_t keyCode, bool down, int16_t shift) override;
  void Char(int16_t code) override;
  void Focus(bool gained) override;
  win32::PixelsView Picture() const override;
  void Destroyed() override;

  bool Reachable() const;
  bool Showing() const;
  template <class F>
  void Deliver(F&& f);

  Kind kind_;
  Win32Site& site_;
  Win32Surface* parent_;
  std::vector<Win32Surface*> children_;
  WindowHandle hwnd_ = 0;
  int32_t leftPx_;
  int32_t topPx_;
  bool visible_;
  bool enabled_ = true;
  mutable bool paintAsked_ = false;  // an invalidation is on its way to WM_PAINT
  SurfaceEvents* handler_ = nullptr;
};

}  // namespace vorn
