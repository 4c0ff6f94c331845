#pragma once
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/ControlSite.h"
#include "foundation/InputCodes.h"
#include "foundation/Platform.h"
#include "host/headless/HeadlessSurface.h"
#include "host/headless/VirtualClock.h"
#include "host/window/PointerRouter.h"

namespace vorn {

/// The deterministic virtual screen: windows with z-order, visibility and opacity; a pointer and
/// mouse buttons with capture while a button is held (the rule of host/window/PointerRouter.h);
/// keyboard focus; a virtual clock; DoEvents fed from a queue of pending input.
///
/// A press on a control takes the focus; one on a form's background takes it from another
/// top-level window's control.
class HeadlessHost : public ScreenInfo, public Platform, private PointerRouter::Seat {
 public:
  explicit HeadlessHost(int32_t widthPx = 1024, int32_t heightPx = 768);
  ~HeadlessHost() override;

  // ScreenInfo
  int32_t TwipsPerPixelX() const override { return 15; }
  int32_t TwipsPerPixelY() const override { return 15; }
  int32_t Width() const override { return widthPx_ * 15; }
  int32_t Height() const override { return heightPx_ * 15; }
  int32_t WidthPx() const noexcept { return widthPx_; }
  int32_t HeightPx() const noexcept { return heightPx_; }

  // Platform
  PointL GetCursorPos() override { return pointer_; }
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
  bool RedrawWindow(WindowHandle, const RectL*, uint32_t) override { return true; }

  // Windows.
  HeadlessSurface* Find(WindowHandle handle) const;
  /// Top-level windows from bottom to top (topmost ones after the others).
  std::vector<HeadlessSurface*> ZOrder() const;
  /// The deepest visible window under a screen point (topmost child first), or null.
  HeadlessSurface* WindowAt(PointL screen) const;

  // Input, in screen pixels.
  void MoveMouse(PointL screen);
  void PressButton(int16_t button);
  void ReleaseButton(int16_t button);
  /// Key events go to the focused window; shift -1 takes the state of the modifier keys.
  void KeyDown(int16_t keyCode, int16_t shift = -1);
  void KeyUp(int16_t keyCode, int16_t shift = -1);
  void KeyPress(int16_t keyAscii);
  void SetFocus(HeadlessSurface* window);
  HeadlessSurface* Focus() const noexcept { return focus_; }
  /// Where the host last moved the pointer (GetCursorPos may read another source).
  PointL Pointer() const noexcept { return pointer_; }
  HeadlessSurface* Capture() const noexcept { return static_cast<HeadlessSurface*>(router_.Capture()); }
  int16_t Buttons() const noexcept { return buttons_; }
  int16_t ShiftState() const noexcept { return shift_; }

  // Time and event pumping.
  VirtualClock& Clock() noexcept { return clock_; }
  void Advance(uint64_t ms) { clock_.Advance(ms); }
  std::unique_ptr<Timer> CreateTimer(std::string_view name, uint32_t intervalMs, std::function<void()> onTick);
  /// Runs the next pending input, if any. Timer handlers see none (their input lies in the future).
  /// With nothing pending while a button is held, releases the buttons and says so, so that a
  /// handler waiting for a release always ends (inside a timer tick, after many idle calls). A host
  /// with real input replaces this.
  virtual void DoEvents();
  /// Whether buttons were let go because a waiting control had no input left (and forgets it).
  bool TakeReleasedForWaiter() noexcept { return std::exchange(releasedForWaiter_, false); }
  /// The source of pending input: runs one item and returns true, or returns false when empty.
  /// Returns the source it replaces.
  std::function<bool()> SetPendingInput(std::function<bool()> source) {
    return std::exchange(pending_, std::move(source));
  }
  /// Where the host's remarks and the errors raised by handlers go (one line each).
  void SetNoteSink(std::function<void(const std::string&)> sink) { notes_ = std::move(sink); }
  void Note(const std::string& line) const;

  /// The screen picture of a rectangle: windows in z-order, translucent ones blended, shadows.
  PixelBuffer Snapshot(const RectL& area) const;
  static constexpr Color kDesktopColor = 0x6B5A3A;
  /// Draws a window and its visible children onto target with the window's top-left at (x, y),
  /// each child clipped to its parent's area, as a window system clips child windows.
  static void CompositeTree(const HeadlessSurface& w, PixelBuffer& target, int32_t x, int32_t y);

  /// Marks event handling that runs inside other event handling for as long as it lives: an
  /// event handler's script (Handler), or input a control's DoEvents runs (Input). Beyond
  /// limits::kNestedEvents levels it raises Out of stack space (28) instead, so that a handler
  /// that raises its own event again ends with an error rather than a stack overflow; so does a
  /// handler beyond limits::kHandlerRuns within one outermost event (handlers that each raise
  /// several events would otherwise run exponentially often below the depth limit).
  class Nested {
   public:
    enum Kind { Handler, Input };
    Nested(HeadlessHost& host, Kind kind);
    ~Nested();
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

   private:
    HeadlessHost& host_;
    Kind kind_;
    int savedRuns_ = 0;
  };
  /// How deep event handling is nested now (0 outside any).
  int Nesting() const noexcept { return nesting_; }

  /// Runs f on a window's input handler, reporting a run-time error raised by it.
  template <class F>
  void Deliver(HeadlessSurface* w, F&& f) {
    if (!w || !w->Handler()) return;
    try {
      f(*w->Handler());
    } catch (const std::exception& e) {
      ReportHandlerError(w, e);
    }
  }

 protected:
  /// Runs one item of pending input; false when there is none.
  bool RunPendingInput() { return pending_ && pending_(); }

 private:
  friend class HeadlessSurface;
  void Register(HeadlessSurface* w);
  void Unregister(HeadlessSurface* w);
  void VisibilityChanged(HeadlessSurface* w);
  void BringToTop(HeadlessSurface* w);
  void ReportHandlerError(HeadlessSurface* w, const std::exception& e) const;
  HeadlessSurface* HitChild(HeadlessSurface* w, PointL screen) const;
  /// CompositeTree inside clip (pixels of target).
  static void CompositeTree(const HeadlessSurface& w, PixelBuffer& target, int32_t x, int32_t y, RectL clip);
  /// Where pointer input goes now: the capture, else the window under the pointer.
  HeadlessSurface* Target() const {
    return static_cast<HeadlessSurface*>(router_.Target([this] { return WindowAt(pointer_); }));
  }
  void DeliverButton(WindowSurface& w, PointerRouter::Event e, int16_t button);
  // PointerRouter::Seat
  void FocusOnPress(WindowSurface& w) override;
  bool PointerOver(const WindowSurface* w) override { return WindowAt(pointer_) == w; }
  void ApplyShift(int16_t keyCode, bool down);
  void ReleaseHeldButtons();
  static constexpr int kIdleSpinLimit = 1000;

  int32_t widthPx_;
  int32_t heightPx_;
  std::unordered_map<WindowHandle, HeadlessSurface*> windows_;
  std::vector<HeadlessSurface*> topLevels_;  // bottom first
  std::map<std::string, uint32_t> classStyles_;
  WindowHandle nextHandle_ = 0x100;
  PointL pointer_{};
  int16_t buttons_ = 0;
  int16_t shift_ = 0;
  PointerRouter router_{*this};
  HeadlessSurface* focus_ = nullptr;
  VirtualClock clock_;
  std::function<bool()> pending_;
  bool releasedForWaiter_ = false;
  uint64_t idleSpinsAt_ = 0;  // the millisecond in which DoEvents found nothing to do
  int idleSpins_ = 0;
  int nesting_ = 0;
  int handlerRuns_ = 0;  // handlers run within the current outermost event (or pumped input)
  std::function<void(const std::string&)> notes_;
};

}  // namespace vorn
