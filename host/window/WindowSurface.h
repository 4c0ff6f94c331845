#pragma once
#include "foundation/ControlSite.h"
#include "host/raster/RasterSurface.h"

namespace vorn {

/// The window half of a surface, the same in every host: a parent in a window tree, a position
/// in pixels (of the parent's client area, or of the screen at the top level), twips outside and
/// pixels inside, visibility, an enabled state and the input handler. A host derives it for the
/// placement of its windows (the hooks below) and the delivery of their input.
class WindowSurface : public RasterSurface {
 public:
  // Surface: twips outside, pixels inside, by the screen's factors.
  int32_t Left() const override;
  int32_t Top() const override;
  int32_t Width() const override;
  int32_t Height() const override;
  void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  void SetEventHandler(SurfaceEvents* handler) override { handler_ = handler; }

  SurfaceEvents* Handler() const noexcept { return handler_; }
  int32_t LeftPx() const noexcept { return leftPx_; }
  int32_t TopPx() const noexcept { return topPx_; }
  /// Moves and sizes the window in pixels: a size below 0 counts as 0, one beyond the hosts'
  /// limits raises error 7, and a new size delivers Resize.
  void MovePx(int32_t left, int32_t top, int32_t width, int32_t height);
  /// Visible, and every ancestor too, with a window to show in.
  bool Showing() const noexcept;
  /// Enabled, and every ancestor too.
  bool Reachable() const noexcept;
  /// w is this window or one inside it.
  bool Holds(const WindowSurface* w) const noexcept;

 protected:
  WindowSurface(const ScreenInfo& screen, WindowSurface* parent, RectL pixelRect, bool visible, Ref<Font> font);

  WindowSurface* ParentWindow() const noexcept { return parent_; }
  void SetParentWindow(WindowSurface* parent) noexcept { parent_ = parent; }
  /// A new position without a move (a window given another parent keeps its place on the screen).
  void SetPositionPx(int32_t left, int32_t top) noexcept {
    leftPx_ = left;
    topPx_ = top;
  }

  /// The window's place in pixels; a host whose window system may move the window asks it there.
  virtual RectL PlacePx() const;
  /// MovePx set a new place, before a new size is delivered: a window system moves the window.
  virtual void Placed(RectL) {}
  /// The pixels have a new size: Resize goes to the handler.
  virtual void Resized() = 0;
  /// False once a window system destroyed the window under the surface.
  virtual bool HasWindow() const noexcept { return true; }
  /// Visible changed.
  virtual void VisibilityChanged() {}
  /// SetEnabled ran (also when the state stayed).
  virtual void EnabledSet() {}

 private:
  const ScreenInfo& screen_;
  WindowSurface* parent_;
  int32_t leftPx_;
  int32_t topPx_;
  bool visible_;
  bool enabled_ = true;
  SurfaceEvents* handler_ = nullptr;
};

}  // namespace vorn
