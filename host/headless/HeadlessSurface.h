#pragma once
#include <string>
#include <vector>

#include "foundation/Geometry.h"
#include "host/window/WindowSurface.h"

namespace vorn {

class HeadlessHost;

enum class WindowKind { Form, Control, Picture };

/// A window of the virtual screen: the window half every host shares (WindowSurface), with a place
/// in the host's window tree and z-order, a handle, and window-manager state (extended style,
/// owner, topmost, opacity, class).
class HeadlessSurface final : public WindowSurface {
 public:
  HeadlessSurface(HeadlessHost& host, WindowKind kind, std::string name, HeadlessSurface* parent, RectL pixelRect,
                  Ref<Font> font, Color backColor);
  ~HeadlessSurface() override;

  WindowHandle hWnd() const override { return handle_; }
  /// What the virtual screen can show of the window: its part inside the screen and inside every
  /// ancestor, whether it is visible now or not.
  RectL Exposed() const override;

  // Host side.
  WindowKind Kind() const noexcept { return kind_; }
  const std::string& Name() const noexcept { return name_; }
  HeadlessSurface* Parent() const noexcept { return static_cast<HeadlessSurface*>(ParentWindow()); }
  const std::vector<HeadlessSurface*>& Children() const noexcept { return children_; }
  HeadlessHost& Host() const noexcept { return host_; }
  /// Rectangle on the screen in pixels (right and bottom exclusive).
  RectL ScreenRect() const noexcept;
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
  void Resized() override;
  void VisibilityChanged() override;
  void EnabledSet() override;

 private:
  friend class HeadlessHost;
  HeadlessHost& host_;
  WindowKind kind_;
  std::string name_;
  std::vector<HeadlessSurface*> children_;
  WindowHandle handle_ = 0;
  bool dirty_ = true;
};

}  // namespace vorn
