#include "host/headless/HeadlessHost.h"

#include <algorithm>

#include "foundation/Limits.h"
#include "foundation/RuntimeError.h"

namespace vorn {

HeadlessHost::HeadlessHost(int32_t widthPx, int32_t heightPx) : widthPx_(widthPx), heightPx_(heightPx) {}

HeadlessHost::~HeadlessHost() {
  // Windows outliving the host must not call back into it.
  for (auto& [handle, w] : windows_) w->SetParentWindow(nullptr);
}

void HeadlessHost::Register(HeadlessSurface* w) {
  w->handle_ = nextHandle_++;
  windows_[w->handle_] = w;
  if (w->Parent()) {
    w->Parent()->children_.push_back(w);
  } else {
    topLevels_.push_back(w);
  }
}

void HeadlessHost::Unregister(HeadlessSurface* w) {
  windows_.erase(w->handle_);
  if (w->Parent()) {
    std::erase(w->Parent()->children_, w);
  } else {
    std::erase(topLevels_, w);
  }
  for (HeadlessSurface* c : w->children_) c->SetParentWindow(nullptr);
  router_.Forget(w);
  if (focus_ == w) focus_ = nullptr;
}

HeadlessSurface* HeadlessHost::Find(WindowHandle handle) const {
  auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second;
}

std::vector<HeadlessSurface*> HeadlessHost::ZOrder() const {
  std::vector<HeadlessSurface*> order;
  for (HeadlessSurface* w : topLevels_) {
    if (!w->topmost) order.push_back(w);
  }
  for (HeadlessSurface* w : topLevels_) {
    if (w->topmost) order.push_back(w);
  }
  return order;
}

void HeadlessHost::BringToTop(HeadlessSurface* w) {
  if (w->Parent()) {
    auto& siblings = w->Parent()->children_;
    std::erase(siblings, w);
    siblings.push_back(w);
  } else {
    std::erase(topLevels_, w);
    topLevels_.push_back(w);
  }
}

void HeadlessHost::VisibilityChanged(HeadlessSurface* w) {
  if (w->Visible() && w->Enabled()) {
    if (!w->Parent()) BringToTop(w);
    return;
  }
  // A hidden window gives up the capture and the focus it (or a child) holds. A disabled one gives
  // up the capture only: it keeps the focus but gets no keys until it is enabled again.
  router_.Withdraw(*w);
  if (!w->Visible() && w->Holds(focus_)) SetFocus(nullptr);
}

HeadlessSurface* HeadlessHost::HitChild(HeadlessSurface* w, PointL p) const {
  for (auto it = w->children_.rbegin(); it != w->children_.rend(); ++it) {
    HeadlessSurface* c = *it;
    if (!c->Visible()) continue;
    const RectL r = c->ScreenRect();
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return HitChild(c, p);
  }
  return w;
}

HeadlessSurface* HeadlessHost::WindowAt(PointL p) const {
  const std::vector<HeadlessSurface*> order = ZOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    HeadlessSurface* w = *it;
    if (!w->Visible()) continue;
    const RectL r = w->ScreenRect();
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return HitChild(w, p);
  }
  return nullptr;
}

void HeadlessHost::ReportHandlerError(HeadlessSurface* w, const std::exception& e) const {
  std::string line = "error: " + w->name_ + ": " + e.what();
  if (auto* re = dynamic_cast<const RuntimeError*>(&e)) line += " (" + std::to_string(re->Number()) + ")";
  Note(line);
}

void HeadlessHost::Note(const std::string& line) const {
  if (notes_) notes_(line);
}

void HeadlessHost::MoveMouse(PointL screen) {
  pointer_ = screen;
  HeadlessSurface* target = Target();
  if (!target || !target->Reachable()) return;
  const RectL r = target->ScreenRect();
  const float x = static_cast<float>(int64_t{screen.x} - r.left);
  const float y = static_cast<float>(int64_t{screen.y} - r.top);
  Deliver(target, [&](SurfaceEvents& h) { h.MouseMove(buttons_, shift_, x, y); });
}

void HeadlessHost::PressButton(int16_t button) {
  if (buttons_ & button) return;
  buttons_ |= button;
  router_.Press(button, Target(), [&](WindowSurface& w, PointerRouter::Event e) { DeliverButton(w, e, button); });
}

void HeadlessHost::ReleaseButton(int16_t button) {
  if (!(buttons_ & button)) return;
  buttons_ &= static_cast<int16_t>(~button);
  router_.Release(button, buttons_, Target(),
                  [&](WindowSurface& w, PointerRouter::Event e) { DeliverButton(w, e, button); });
}

// The pointer in the window's pixels, where it is when the event goes out.
void HeadlessHost::DeliverButton(WindowSurface& w, PointerRouter::Event e, int16_t button) {
  auto* target = static_cast<HeadlessSurface*>(&w);
  if (e == PointerRouter::Event::Click) {
    Deliver(target, [](SurfaceEvents& h) { h.Click(); });
    return;
  }
  const RectL r = target->ScreenRect();
  const float x = static_cast<float>(int64_t{pointer_.x} - r.left);
  const float y = static_cast<float>(int64_t{pointer_.y} - r.top);
  if (e == PointerRouter::Event::Down) {
    Deliver(target, [&](SurfaceEvents& h) { h.MouseDown(button, shift_, x, y); });
  } else {
    Deliver(target, [&](SurfaceEvents& h) { h.MouseUp(button, shift_, x, y); });
  }
}

void HeadlessHost::FocusOnPress(WindowSurface& w) {
  auto* target = static_cast<HeadlessSurface*>(&w);
  if (target->kind_ != WindowKind::Form) {
    SetFocus(target);
  } else if (focus_) {
    // A press on a form's background takes the focus away from another top-level window.
    const HeadlessSurface* a = focus_;
    while (a->Parent()) a = a->Parent();
    const HeadlessSurface* b = target;
    while (b->Parent()) b = b->Parent();
    if (a != b) SetFocus(nullptr);
  }
}

void HeadlessHost::ApplyShift(int16_t keyCode, bool down) {
  int16_t bit = 0;
  if (keyCode == 16) bit = 1;
  if (keyCode == 17) bit = 2;
  if (keyCode == 18) bit = 4;
  if (down) {
    shift_ |= bit;
  } else {
    shift_ &= static_cast<int16_t>(~bit);
  }
}

void HeadlessHost::KeyDown(int16_t keyCode, int16_t shiftArg) {
  ApplyShift(keyCode, true);
  if (!focus_ || !focus_->Reachable()) return;
  int16_t code = keyCode;
  int16_t shift = shiftArg < 0 ? shift_ : shiftArg;
  Deliver(focus_, [&](SurfaceEvents& h) { h.KeyDown(code, shift); });
}

void HeadlessHost::KeyUp(int16_t keyCode, int16_t shiftArg) {
  ApplyShift(keyCode, false);
  if (!focus_ || !focus_->Reachable()) return;
  int16_t code = keyCode;
  int16_t shift = shiftArg < 0 ? shift_ : shiftArg;
  Deliver(focus_, [&](SurfaceEvents& h) { h.KeyUp(code, shift); });
}

void HeadlessHost::KeyPress(int16_t keyAscii) {
  if (!focus_ || !focus_->Reachable()) return;
  int16_t code = keyAscii;
  Deliver(focus_, [&](SurfaceEvents& h) { h.KeyPress(code); });
}

void HeadlessHost::SetFocus(HeadlessSurface* window) {
  if (window == focus_) return;
  HeadlessSurface* old = focus_;
  focus_ = window;
  Deliver(old, [](SurfaceEvents& h) { h.LostFocus(); });
  if (focus_ == window) Deliver(window, [](SurfaceEvents& h) { h.GotFocus(); });
}

std::unique_ptr<Timer> HeadlessHost::CreateTimer(std::string_view name, uint32_t intervalMs,
                                                 std::function<void()> onTick) {
  std::string label(name);
  auto guarded = [this, label, fn = std::move(onTick)] {
    try {
      fn();
    } catch (const std::exception& e) {
      std::string line = "error: " + label + ": " + e.what();
      if (auto* re = dynamic_cast<const RuntimeError*>(&e)) line += " (" + std::to_string(re->Number()) + ")";
      Note(line);
    }
  };
  return clock_.CreateTimer(std::move(label), intervalMs, std::move(guarded));
}

HeadlessHost::Nested::Nested(HeadlessHost& host, Kind kind) : host_(host), kind_(kind) {
  if (host_.nesting_ >= limits::kNestedEvents) {
    Raise(errOutOfStackSpace, "Out of stack space: event handling nested deeper than " +
                                  std::to_string(limits::kNestedEvents) + " levels");
  }
  if (kind_ == Handler) {
    if (host_.handlerRuns_ >= limits::kHandlerRuns) {
      Raise(errOutOfStackSpace, "Out of stack space: event handlers ran " + std::to_string(limits::kHandlerRuns) +
                                    " times within one event");
    }
    ++host_.handlerRuns_;
  } else {
    // Input pumped by a control is an outermost event of its own.
    savedRuns_ = std::exchange(host_.handlerRuns_, 0);
  }
  ++host_.nesting_;
}

HeadlessHost::Nested::~Nested() {
  --host_.nesting_;
  if (kind_ == Input) {
    host_.handlerRuns_ = savedRuns_;
  } else if (host_.nesting_ == 0) {
    host_.handlerRuns_ = 0;
  }
}

void HeadlessHost::DoEvents() {
  if (clock_.Dispatching()) {
    // Input lies in the future of a timer tick, so a handler that waits inside one for the
    // buttons to come up would wait forever: after many idle calls in the same millisecond,
    // let go as below. (A hover tick calls DoEvents once and is not affected.)
    if (buttons_ == 0) return;
    if (clock_.Now() != idleSpinsAt_) {
      idleSpinsAt_ = clock_.Now();
      idleSpins_ = 0;
    }
    if (++idleSpins_ < kIdleSpinLimit) return;
    idleSpins_ = 0;
    ReleaseHeldButtons();
    return;
  }
  // Input run from here may reach a control that pumps events again; past the nesting limit the
  // input waits, as if none were pending, and a control waiting for the buttons is let go.
  if (nesting_ < limits::kNestedEvents) {
    const Nested nested(*this, Nested::Input);
    if (RunPendingInput()) return;
  }
  ReleaseHeldButtons();
}

void HeadlessHost::ReleaseHeldButtons() {
  if (buttons_ == 0) return;
  releasedForWaiter_ = true;
  const char* names[] = {"left", "right", "middle"};
  const int16_t bits[] = {kLeftButton, kRightButton, kMiddleButton};
  for (int i = 0; i < 3; ++i) {
    if (buttons_ & bits[i]) {
      Note(std::string("note: no input left while a control waits for the ") + names[i] +
           " button; released it");
      ReleaseButton(bits[i]);
    }
  }
}

int16_t HeadlessHost::GetAsyncKeyState(int32_t virtualKey) {
  int16_t bit = 0;
  if (virtualKey == VK_LBUTTON) bit = kLeftButton;
  if (virtualKey == VK_RBUTTON) bit = kRightButton;
  if (virtualKey == VK_MBUTTON) bit = kMiddleButton;
  return (buttons_ & bit) ? static_cast<int16_t>(0x8000) : 0;
}

RectL HeadlessHost::GetWindowRect(WindowHandle window) {
  HeadlessSurface* w = Find(window);
  return w ? w->ScreenRect() : RectL{};
}

bool HeadlessHost::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx,
                                int32_t cy, uint32_t flags) {
  HeadlessSurface* w = Find(window);
  if (!w) return false;
  if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) {
    w->MovePx((flags & SWP_NOMOVE) ? w->LeftPx() : x, (flags & SWP_NOMOVE) ? w->TopPx() : y,
              (flags & SWP_NOSIZE) ? w->Pixels().Width() : cx, (flags & SWP_NOSIZE) ? w->Pixels().Height() : cy);
  }
  if (!(flags & SWP_NOZORDER) && insertAfter == HWND_TOPMOST) {
    w->topmost = true;
    BringToTop(w);
  }
  return true;
}

int32_t HeadlessHost::GetWindowLong(WindowHandle window, int32_t index) {
  HeadlessSurface* w = Find(window);
  if (!w) return 0;
  if (index == GWL_EXSTYLE) return w->exStyle;
  if (index == GWL_HWNDPARENT) return static_cast<int32_t>(w->owner);
  return 0;
}

int32_t HeadlessHost::SetWindowLong(WindowHandle window, int32_t index, int32_t value) {
  HeadlessSurface* w = Find(window);
  if (!w) return 0;
  int32_t old = 0;
  if (index == GWL_EXSTYLE) {
    old = w->exStyle;
    w->exStyle = value;
    if (!(value & WS_EX_LAYERED)) w->alpha = 255;
  } else if (index == GWL_HWNDPARENT) {
    old = static_cast<int32_t>(w->owner);
    w->owner = static_cast<WindowHandle>(value);
  }
  return old;
}

WindowHandle HeadlessHost::SetParent(WindowHandle child, WindowHandle parent) {
  HeadlessSurface* c = Find(child);
  if (!c) return 0;
  HeadlessSurface* p = parent ? Find(parent) : nullptr;
  if ((parent && !p) || c->Holds(p)) return 0;  // a window cannot go inside itself
  HeadlessSurface* old = c->Parent();
  if (old == p) return old ? old->handle_ : 0;
  // The window keeps its place on the screen.
  const RectL screen = c->ScreenRect();
  if (old) {
    std::erase(old->children_, c);
  } else {
    std::erase(topLevels_, c);
  }
  c->SetParentWindow(p);
  if (p) {
    p->children_.push_back(c);
    const RectL pr = p->ScreenRect();
    c->SetPositionPx(AddCoord(screen.left, -int64_t{pr.left}), AddCoord(screen.top, -int64_t{pr.top}));
  } else {
    topLevels_.push_back(c);
    c->SetPositionPx(screen.left, screen.top);
  }
  return old ? old->handle_ : 0;
}

uint32_t HeadlessHost::GetClassLong(WindowHandle window, int32_t index) {
  HeadlessSurface* w = Find(window);
  if (!w || index != GCL_STYLE) return 0;
  return classStyles_[w->className];
}

uint32_t HeadlessHost::SetClassLong(WindowHandle window, int32_t index, uint32_t value) {
  HeadlessSurface* w = Find(window);
  if (!w || index != GCL_STYLE) return 0;
  return std::exchange(classStyles_[w->className], value);
}

bool HeadlessHost::SetLayeredWindowAttributes(WindowHandle window, Color, uint8_t alpha, uint32_t flags) {
  HeadlessSurface* w = Find(window);
  if (!w || !(w->exStyle & WS_EX_LAYERED)) return false;
  if (flags & LWA_ALPHA) w->alpha = alpha;
  return true;
}

void HeadlessHost::CompositeTree(const HeadlessSurface& w, PixelBuffer& target, int32_t ox, int32_t oy) {
  CompositeTree(w, target, ox, oy, RectL{0, 0, target.Width(), target.Height()});
}

void HeadlessHost::CompositeTree(const HeadlessSurface& w, PixelBuffer& target, int32_t ox, int32_t oy,
                                 RectL clip) {
  target.Composite(w.Pixels(), ox, oy, 255, clip);
  const RectL inner{std::max(clip.left, ox), std::max(clip.top, oy),
                    std::min(clip.right, AddCoord(ox, w.Pixels().Width())),
                    std::min(clip.bottom, AddCoord(oy, w.Pixels().Height()))};
  if (inner.left >= inner.right || inner.top >= inner.bottom) return;  // nothing of the children shows
  for (const HeadlessSurface* c : w.children_) {
    if (c->Visible()) CompositeTree(*c, target, AddCoord(ox, c->LeftPx()), AddCoord(oy, c->TopPx()), inner);
  }
}

PixelBuffer HeadlessHost::Snapshot(const RectL& area) const {
  PixelBuffer out(std::max(0, AddCoord(area.right, -int64_t{area.left})),
                  std::max(0, AddCoord(area.bottom, -int64_t{area.top})), kDesktopColor);
  for (const HeadlessSurface* w : ZOrder()) {
    if (!w->Visible()) continue;
    const RectL r = w->ScreenRect();
    const int32_t ox = AddCoord(r.left, -int64_t{area.left});
    const int32_t oy = AddCoord(r.top, -int64_t{area.top});
    const int32_t width = w->Pixels().Width();
    const int32_t height = w->Pixels().Height();
    // A window wholly outside the area adds nothing (and needs no layer).
    if (ox >= out.Width() || oy >= out.Height() || int64_t{ox} + width + 3 <= 0 || int64_t{oy} + height + 3 <= 0) {
      continue;
    }
    auto it = classStyles_.find(w->className);
    if (it != classStyles_.end() && (it->second & CS_DROPSHADOW)) {
      // A soft shadow below and right of the window.
      PixelBuffer shade(width, height, 0);
      out.Composite(shade, AddCoord(ox, 3), AddCoord(oy, 3), 48);
    }
    if (w->alpha == 255) {
      CompositeTree(*w, out, ox, oy);
    } else {
      PixelBuffer layer(width, height);
      CompositeTree(*w, layer, 0, 0);
      out.Composite(layer, ox, oy, w->alpha);
    }
  }
  return out;
}

}  // namespace vorn
