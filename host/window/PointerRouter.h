#pragma once
#include <cstdint>
#include <utility>

#include "foundation/InputCodes.h"
#include "host/window/WindowSurface.h"

namespace vorn {

/// The press, capture and Click rule, the one every host keeps. The host routes each button
/// press and release to a window (Target: the capture, else the window under the pointer; a
/// window system that routes by itself passes the window the input came to) and hands it here
/// with a deliver(window, event) that puts the event to the window's handler. A Seat supplies the
/// rest that differs between hosts.
///
///   input    target T              capture       then, when T is reachable (enabled, and its parents)
///   press    capture, else under   T, unless     a left press notes T for Click; the press takes the
///                                  one is held   focus as the host gives it; MouseDown, unless the
///                                                focus change hid T
///   release  capture, else under   ends when no  MouseUp; Click when the left button's note was on T,
///                                  button is     the pointer is (still) over T and T is showing; the
///                                  held          note goes with every left release
///   move     capture, else under   -             MouseMove (the host routes and delivers it alone)
///
/// A window hidden or disabled loses the capture it (or a window inside it) holds; a window gone
/// loses the capture and the note.
class PointerRouter {
 public:
  enum class Event { Down, Up, Click };

  /// What a host supplies besides delivery.
  class Seat {
   public:
    virtual ~Seat() = default;
    /// A press on w takes the keyboard focus as this host gives it.
    virtual void FocusOnPress(WindowSurface& w) = 0;
    /// Whether the pointer is over w, asked after the handlers ran (false for a window gone).
    virtual bool PointerOver(const WindowSurface* w) = 0;
    /// The capture went from one window to another (either may be null).
    virtual void CaptureMoved(WindowSurface* from, WindowSurface* to) {
      (void)from;
      (void)to;
    }
  };

  explicit PointerRouter(Seat& seat) noexcept : seat_(seat) {}
  PointerRouter(const PointerRouter&) = delete;
  PointerRouter& operator=(const PointerRouter&) = delete;

  WindowSurface* Capture() const noexcept { return capture_; }
  /// Where pointer input goes: the window holding the capture, else under() (the window under the
  /// pointer, looked for only when nothing holds the capture).
  template <class Under>
  WindowSurface* Target(Under&& under) const {
    return capture_ ? capture_ : under();
  }

  template <class Deliver>
  void Press(int16_t button, WindowSurface* target, Deliver&& deliver) {
    if (!target || !target->Reachable()) return;
    if (!capture_) MoveCapture(target);
    if (button == kLeftButton) pressedOn_ = target;
    seat_.FocusOnPress(*target);
    if (!target->Showing()) return;  // the focus change hid it
    deliver(*target, Event::Down);
  }

  /// held: the buttons still down after this release.
  template <class Deliver>
  void Release(int16_t button, int16_t held, WindowSurface* target, Deliver&& deliver) {
    if (held == 0) MoveCapture(nullptr);
    WindowSurface* pressed = button == kLeftButton ? std::exchange(pressedOn_, nullptr) : nullptr;
    if (!target || !target->Reachable()) return;
    deliver(*target, Event::Up);
    if (pressed && pressed == target && seat_.PointerOver(target) && target->Showing()) deliver(*target, Event::Click);
  }

  /// w was hidden or disabled: the capture it or a window inside it holds ends.
  void Withdraw(const WindowSurface& w) {
    if (w.Holds(capture_)) MoveCapture(nullptr);
  }
  /// w is gone: it holds neither the capture nor the note.
  void Forget(const WindowSurface* w) noexcept;
  /// The window system took the capture away (it keeps its own): ours ends too.
  void CaptureLost() noexcept { capture_ = nullptr; }

 private:
  void MoveCapture(WindowSurface* to);

  Seat& seat_;
  WindowSurface* capture_ = nullptr;
  WindowSurface* pressedOn_ = nullptr;  // where the left button went down
};

}  // namespace vorn
