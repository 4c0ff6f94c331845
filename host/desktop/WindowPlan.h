#pragma once
#include <vector>

#include "host/headless/HeadlessHost.h"

namespace vorn {

/// How one top-level window of the host should look on the real screen.
struct WindowPlan {
  WindowHandle handle = 0;
  RectL rect;               // screen pixels, right and bottom exclusive
  bool framed = false;      // a form: title bar, border, taskbar entry; else borderless
  bool toolWindow = false;  // no taskbar entry, placed by the program rather than the window manager
  bool topmost = false;     // above every normal window
  uint8_t alpha = 255;      // opacity
  friend bool operator==(const WindowPlan&, const WindowPlan&) = default;
};

/// The visible top-level windows of the host from bottom to top. Windows without pixels are left
/// out: a window system cannot show them.
std::vector<WindowPlan> PlanWindows(const HeadlessHost& host);

}  // namespace vorn
