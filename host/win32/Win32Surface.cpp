#include "host/win32/Win32Surface.h"

#include "host/win32/Win32Platform.h"
#include "host/win32/Win32Site.h"
#include "host/window/PointerRouter.h"

namespace vorn {

namespace {

// Windows keeps the capture; a press takes the focus with the window system's.
class Win32Seat final : public PointerRouter::Seat {
 public:
  void FocusOnPress(WindowSurface& w) override {
    if (win32::FocusedWindow() != w.hWnd()) win32::FocusWindow(w.hWnd());
  }
  bool PointerOver(const WindowSurface* w) override { return w->hWnd() && win32::UnderCursor(w->hWnd()); }
  void CaptureMoved(WindowSurface* from, WindowSurface* to) override {
    if (to) {
      win32::CaptureMouse(to->hWnd());
    } else if (from && win32::MouseCapture() == from->hWnd()) {
      win32::ReleaseMouse();
    }
  }
};

// One pointer serves the whole thread.
PointerRouter& Router() {
  static Win32Seat seat;
  static PointerRouter router(seat);
  return router;
}

}  // namespace

Win32Surface::Win32Surface(Kind kind, Win32Site& site, Win32Surface* parent, RectL r, Ref<Font> font, Color backColor)
    : WindowSurface(Win32Platform::Instance(), parent, r, kind == Kind::Control, std::move(font)), site_(site) {
  SetBackColor(backColor);
  const WindowHandle parentWindow = parent ? parent->hwnd_ : site.ParkingWindow();
  hwnd_ = win32::CreateHostWindow(kind == Kind::Control ? win32::WindowKind::Control : win32::WindowKind::Picture,
                                  this, parentWindow, r, Visible());
  if (parent) parent->children_.push_back(this);
}

Win32Surface::~Win32Surface() {
  Router().Forget(this);
  win32::DestroyHostWindow(hwnd_);
  if (Parent()) std::erase(Parent()->children_, this);
  for (Win32Surface* c : children_) c->SetParentWindow(nullptr);
}

RectL Win32Surface::PlacePx() const {
  if (win32::IsLiveWindow(hwnd_)) return win32::WindowPlace(hwnd_);
  return WindowSurface::PlacePx();
}

void Win32Surface::Placed(RectL rect) {
  if (hwnd_) win32::PlaceWindow(hwnd_, rect);
}

void Win32Surface::Resized() {
  Deliver([](SurfaceEvents& h) { h.Resize(); });
  site_.SizeChanged(*this);
}

void Win32Surface::VisibilityChanged() {
  if (hwnd_) win32::ShowHostWindow(hwnd_, Visible());
}

void Win32Surface::EnabledSet() {
  if (hwnd_) win32::EnableHostWindow(hwnd_, Enabled());
}

void Win32Surface::Compose(PixelBuffer& target, int32_t x, int32_t y) const {
  target.Composite(Pixels(), x, y, 255);
  for (const Win32Surface* c : children_) {
    // A picture that became a top-level window (a popup) is no part of the control's picture.
    if (!c->Visible() || !c->hwnd_ || win32::ParentWindow(c->hwnd_) != hwnd_) continue;
    const RectL r = c->PlacePx();
    PixelBuffer inner(c->Pixels().Width(), c->Pixels().Height());
    c->Compose(inner, 0, 0);
    target.Composite(inner, AddCoord(x, r.left), AddCoord(y, r.top), 255,
                     RectL{x, y, AddCoord(x, Pixels().Width()), AddCoord(y, Pixels().Height())});
  }
}

void Win32Surface::Touched() {
  if (hwnd_ && !paintAsked_) {
    paintAsked_ = true;
    win32::Invalidate(hwnd_);
  }
  site_.PictureChanged();
}

// Runs f on the surface's input handler with the control kept alive; a run-time error a handler
// raises ends that handler and goes to the debugger's output (no exception crosses Windows).
template <class F>
void Win32Surface::Deliver(F&& f) {
  if (!Handler()) return;
  const Ref<Object> keep = site_.KeepAlive();
  try {
    f(*Handler());
  } catch (const std::exception& e) {
    site_.Report(site_.Name(), e);
  }
}

void Win32Surface::MouseButton(int16_t button, bool down, int16_t held, int16_t shift, int32_t x, int32_t y) {
  const Ref<Object> keep = site_.KeepAlive();  // the Click rule looks at the window after the handlers
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  auto deliver = [&](WindowSurface& w, PointerRouter::Event e) {
    auto& target = static_cast<Win32Surface&>(w);  // Windows sent the input to it
    if (e == PointerRouter::Event::Click) {
      target.Deliver([](SurfaceEvents& h) { h.Click(); });
    } else if (e == PointerRouter::Event::Down) {
      target.Deliver([&](SurfaceEvents& h) { h.MouseDown(button, shift, fx, fy); });
    } else {
      target.Deliver([&](SurfaceEvents& h) { h.MouseUp(button, shift, fx, fy); });
    }
  };
  if (!down) {
    Router().Release(button, held, this, deliver);
    return;
  }
  if (!win32::MouseCapture()) Router().CaptureLost();  // the window system took it (or never gave it)
  Router().Press(button, this, deliver);
}

void Win32Surface::MouseMove(int16_t buttons, int16_t shift, int32_t x, int32_t y) {
  if (!Reachable()) return;
  Deliver([&](SurfaceEvents& h) { h.MouseMove(buttons, shift, static_cast<float>(x), static_cast<float>(y)); });
}

void Win32Surface::Key(int16_t keyCode, bool down, int16_t shift) {
  if (!Reachable()) return;
  const Ref<Object> keep = site_.KeepAlive();
  if (keyCode == 9 && (shift & ~1) == 0) {  // Tab, Shift+Tab: the focus moves on
    if (down) site_.TabFrom((shift & 1) != 0);
    return;
  }
  int16_t code = keyCode;
  int16_t s = shift;
  if (down) {
    Deliver([&](SurfaceEvents& h) { h.KeyDown(code, s); });
  } else {
    Deliver([&](SurfaceEvents& h) { h.KeyUp(code, s); });
  }
}

void Win32Surface::Char(int16_t code) {
  if (!Reachable() || code == 9) return;  // Tab moved the focus
  int16_t c = code;
  Deliver([&](SurfaceEvents& h) { h.KeyPress(c); });
}

void Win32Surface::Focus(bool gained) {
  const Ref<Object> keep = site_.KeepAlive();  // the container hears of it after the control
  if (gained) {
    Deliver([](SurfaceEvents& h) { h.GotFocus(); });
  } else {
    Deliver([](SurfaceEvents& h) { h.LostFocus(); });
  }
  site_.FocusChanged(*this, gained);
}

win32::PixelsView Win32Surface::Picture() const {
  paintAsked_ = false;
  const PixelBuffer& p = RasterSurface::Pixels();
  return {p.Data(), p.Width(), p.Height()};
}

void Win32Surface::Destroyed() {
  // Its parent or owner took it along: the picture stays, the window is gone.
  hwnd_ = 0;
  Router().Forget(this);
}

}  // namespace vorn
