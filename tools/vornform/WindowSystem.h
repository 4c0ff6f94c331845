#pragma once
#include <memory>
#include <string>

#include "host/headless/HeadlessHost.h"

namespace vorn {

/// The window system as vornform uses it. It lives in a module of its own (vornform-window.so,
/// on the desktop host and SDL) that vornform loads only when it shows a window: loading SDL and
/// the libraries it needs took longer than rendering the gallery, and a machine without them
/// can still render, replay and compare.
struct WindowSystem {
  /// Opens the window system: a host whose top-level windows are real windows, or null with the
  /// reason in why.
  std::unique_ptr<HeadlessHost> (*open)(std::string& why);
  /// Titles a top-level window of a host open returned, then shows its windows and handles
  /// events until a form's window is closed or the program is asked to quit.
  void (*show)(HeadlessHost& host, WindowHandle window, const std::string& caption);
};

/// The name under which the module exports its WindowSystem.
inline constexpr const char* kWindowSystemSymbol = "vornformWindowSystem";

/// The module, loaded the first time: from beside the program (a build tree), else from the
/// folder it is installed to. Null, with the reason in why, when it cannot be loaded.
const WindowSystem* LoadWindowSystem(std::string& why);

}  // namespace vorn
