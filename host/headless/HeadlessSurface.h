#pragma once
#include <string>
#include <vector>

#include "foundation/Geometry.h"
#include "host/raster/RasterSurface.h"

namespace vorn {

class HeadlessHost;

enum class WindowKind { Form, Control, Picture };

/// A window of the virtual screen: a raster surface with a place in the window tree, a position
/// (pixels, relative to its parent or to the screen when top-level), visibility, enabled state,
/// window-manager state (extended style, owner, topmost, opacity) and its input handler.
class HeadlessSurface final : public RasterSurface {
 public:
  HeadlessSurface(HeadlessHost& host, WindowKind kind, std::string name, HeadlessSurface* parent, RectL pixelRect,
                  Ref<Font> font, Color backColor);
  ~HeadlessSurface() override;

  // Surface: window half (twips outside, pixels inside).
  int32_t Left() const override;
  int32_t Top() const override;
  int32_t Width() const override;
  int32_t Height() const override;
  void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  WindowHandle hWnd() const override { return handle_; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  void SetEventHandler(SurfaceEvents* handler) override { handler_ = handler; }
  /// What the virtual screen can show of the window: its part inside the screen and inside every
  /// ancestor, whether it is visible now or not.
  RectL Exposed() const override;

  // Host side.
  WindowKind Kind() const noexcept { return kind_; }
  const std::string& Name() const noexcept { return name_; }
  HeadlessSurface* Parent() const noexcept { return parent_; }
  const std::vector<HeadlessSurface*>& Children() const noexcept { return children_; }
  SurfaceEvents* Handler() const noexcept { return handler_; }
  HeadlessHost& Host() const noexcept { return host_; }
  int32_t LeftPx() const noexcept { return leftPx_; }
  int32_t TopPx() const noexcept { return topPx_; }
  /// Rectangle on the screen in pixels (right and bottom exclusive).
  RectL ScreenRect() const noexcept;
  /// Visible, and every ancestor too.
  bool Showing() const noexcept;
  /// Enabled, and every ancestor too.
  bool Reachable() const noexcept;
  void MovePx(int32_t left, int32_t top, int32_t width, int32_t height);
  /// True when the pixels changed since ClearDirty (a new window starts dirty), so that a host
  /// showing the screen can skip the windows that are as they were.
  bool Dirty() const noexcept { return dirty_; }
  void ClearDirty() noexcept { dirty_ = false; }

  int32_t exStyle = 0;
  WindowHandle owner = 0;
  bool topmost = false;
  uint8_t alpha = 255;
  std::string className;

 protected:
  void Touched() override { dirty_ = true; }

 private:
  friend class HeadlessHost;
  HeadlessHost& host_;
  WindowKind kind_;
  std::string name_;
  HeadlessSurface* parent_;
  std::vector<HeadlessSurface*> children_;
  WindowHandle handle_ = 0;
  int32_t leftPx_;
  int32_t topPx_;
  bool visible_;
  bool enabled_ = true;
  bool dirty_ = true;
  SurfaceEvents* handler_ = nullptr;
};

}  // namespace vorn
