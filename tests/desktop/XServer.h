#pragma once
#include <memory>
#include <optional>
#include <vector>
#include <string>

#include "ChildProcess.h"
#include "foundation/Geometry.h"
#include "host/pixels/PixelBuffer.h"

namespace vorn::test {

/// A virtual X server (Xvfb) of its own for one test, on a display number Xvfb picks itself, so
/// that tests running side by side never meet.
class Xvfb {
 public:
  /// Starts it and waits until it accepts clients; throws std::runtime_error when it cannot.
  Xvfb(int width, int height);
  const std::string& Display() const noexcept { return display_; }

 private:
  std::unique_ptr<ChildProcess> server_;
  std::string display_;
};

/// A client connection to an X server for looking at what is on its screen.
class XScreen {
 public:
  explicit XScreen(const std::string& display);
  ~XScreen();
  XScreen(const XScreen&) = delete;
  XScreen& operator=(const XScreen&) = delete;

  /// The shown top-level window with this title, waiting up to timeout (0: looking once); 0 when
  /// none appears.
  unsigned long WaitForWindow(const std::string& title, milliseconds timeout);
  /// The window's inside on the screen, in pixels.
  RectL Geometry(unsigned long window);
  /// The screen's pixels in a rectangle, as &HBBGGRR: what a user sees there.
  PixelBuffer Grab(const RectL& area);
  /// Asks the window to close, as a window manager's close button does.
  void RequestClose(unsigned long window);
  /// True for a window the window manager leaves alone (no frame, no focus, placed by its program).
  bool Unmanaged(unsigned long window);
  /// The names in an atom-list property, such as _NET_WM_STATE.
  std::vector<std::string> Atoms(unsigned long window, const std::string& property);
  /// A 32-bit property, such as _NET_WM_WINDOW_OPACITY; nothing when the window has none.
  std::optional<uint32_t> Cardinal(unsigned long window, const std::string& property);
  /// Makes the server answer BadWindow, to a message sent to a window that does not exist
  /// (send true) or to mapping one, and waits for the answer.
  void ProvokeBadWindow(bool send);

 private:
  std::string Title(unsigned long window);
  void* display_;  // Display*
};

/// Counts the X errors of this process while it lives, in place of Xlib's handler (which exits).
class XErrorCounter {
 public:
  XErrorCounter();
  ~XErrorCounter();
  XErrorCounter(const XErrorCounter&) = delete;
  XErrorCounter& operator=(const XErrorCounter&) = delete;
  int Count() const noexcept;
};

}  // namespace vorn::test
