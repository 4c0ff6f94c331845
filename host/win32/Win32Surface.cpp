#include "host/win32/Win32Surface.h"

#include <algorithm>
#include <cmath>

#include "host/win32/Win32Platform.h"
#include "host/win32/Win32Site.h"

namespace vorn {

namespace {

// Where the left button went down, for the Click rule; one pointer serves the whole thread.
Win32Surface* g_pressedOn = nullptr;

int32_t TwipsToPx(int32_t twips, int32_t factor) {
  return static_cast<int32_t>(std::floor(static_cast<double>(twips) / factor + 0.5));
}

}  // namespace

Win32Surface::Win32Surface(Kind kind, Win32Site& site, Win32Surface* parent, RectL r, Ref<Font> font, Color backColor)
    : RasterSurface(std::max(0, r.right - r.left), std::max(0, r.bottom - r.top), std::move(font)),
      kind_(kind),
      site_(site),
      parent_(parent),
      leftPx_(r.left),
      topPx_(r.top),
      visible_(kind == Kind::Control) {
  SetBackColor(backColor);
  const WindowHandle parentWindow = parent ? parent->hwnd_ : site.ParkingWindow();
  hwnd_ = win32::CreateHostWindow(kind == Kind::Control ? win32::WindowKind::Control : win32::WindowKind::Picture,
                                  this, parentWindow, r, visible_);
  if (parent_) parent_->children_.push_back(this);
}

Win32Surface::~Win32Surface() {
  if (g_pressedOn == this) g_pressedOn = nullptr;
  win32::DestroyHostWindow(hwnd_);
  if (parent_) std::erase(parent_->children_, this);
  for (Win32Surface* c : children_) c->parent_ = nullptr;
}

RectL Win32Surface::PlacePx() const {
  if (win32::IsLiveWindow(hwnd_)) return win32::WindowPlace(hwnd_);
  return {leftPx_, topPx_, leftPx_ + Pixels().Width(), topPx_ + Pixels().Height()};
}

int32_t Win32Surface::Left() const { return PlacePx().left * Win32Platform::Instance().TwipsPerPixelX(); }
int32_t Win32Surface::Top() const { return PlacePx().top * Win32Platform::Instance().TwipsPerPixelY(); }
int32_t Win32Surface::Width() const { return Pixels().Width() * Win32Platform::Instance().TwipsPerPixelX(); }
int32_t Win32Surface::Height() const { return Pixels().Height() * Win32Platform::Instance().TwipsPerPixelY(); }

void Win32Surface::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  const Win32Platform& screen = Win32Platform::Instance();
  MovePx(TwipsToPx(left, screen.TwipsPerPixelX()), TwipsToPx(top, screen.TwipsPerPixelY()),
         TwipsToPx(width, screen.TwipsPerPixelX()), TwipsToPx(height, screen.TwipsPerPixelY()));
}

void Win32Surface::MovePx(int32_t left, int32_t top, int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  CheckWindowSize(width, height);
  leftPx_ = left;
  topPx_ = top;
  if (hwnd_) win32::PlaceWindow(hwnd_, RectL{left, top, AddCoord(left, width), AddCoord(top, height)});
  if (width == Pixels().Width() && height == Pixels().Height()) return;
  ResizePixels(width, height);
  Deliver([](SurfaceEvents& h) { h.Resize(); });
  site_.SizeChanged(*this);
}

void Win32Surface::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (hwnd_) win32::ShowHostWindow(hwnd_, visible);
}

void Win32Surface::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (hwnd_) win32::EnableHostWindow(hwnd_, enabled);
}

void Win32Surface::Compose(PixelBuffer& target, int32_t x, int32_t y) const {
  target.Composite(Pixels(), x, y, 255);
  for (const Win32Surface* c : children_) {
    // A picture that became a top-level window (a popup) is no part of the control's picture.
    if (!c->visible_ || !c->hwnd_ || win32::ParentWindow(c->hwnd_) != hwnd_) continue;
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

bool Win32Surface::Reachable() const {
  for (const Win32Surface* s = this; s; s = s->parent_) {
    if (!s->enabled_) return false;
  }
  return true;
}

bool Win32Surface::Showing() const {
  for (const Win32Surface* s = this; s; s = s->parent_) {
    if (!s->visible_) return false;
  }
  return hwnd_ != 0;
}

// Runs f on the surface's input handler with the control kept alive; a run-time error a handler
// raises ends that handler and goes to the debugger's output (no exception crosses Windows).
template <class F>
void Win32Surface::Deliver(F&& f) {
  if (!handler_) return;
  const Ref<Object> keep = site_.KeepAlive();
  try {
    f(*handler_);
  } catch (const std::exception& e) {
    site_.Report(site_.Name(), e);
  }
}

void Win32Surface::MouseButton(int16_t button, bool down, int16_t held, int16_t shift, int32_t x, int32_t y) {
  if (!Reachable()) return;
  const Ref<Object> keep = site_.KeepAlive();  // the Click rule looks at the window after the handlers
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  if (down) {
    if (!win32::MouseCapture()) win32::CaptureMouse(hwnd_);
    if (button == 1) g_pressedOn = this;
    if (win32::FocusedWindow() != hwnd_) win32::FocusWindow(hwnd_);
    if (!Showing()) return;  // the focus change hid it
    Deliver([&](SurfaceEvents& h) { h.MouseDown(button, shift, fx, fy); });
    return;
  }
  if (held == 0 && win32::MouseCapture() == hwnd_) win32::ReleaseMouse();
  Win32Surface* pressed = button == 1 ? g_pressedOn : nullptr;
  if (button == 1) g_pressedOn = nullptr;
  Deliver([&](SurfaceEvents& h) { h.MouseUp(button, shift, fx, fy); });
  if (pressed == this && hwnd_ && win32::UnderCursor(hwnd_) && Showing()) {
    Deliver([](SurfaceEvents& h) { h.Click(); });
  }
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
  if (g_pressedOn == this) g_pressedOn = nullptr;
}

}  // namespace vorn
