// The desktop host's input: SDL events become the window model's pointer, buttons, keys and
// focus, and the program's own events stay the program's.
#include "host/desktop/DesktopHost.h"

#include <SDL.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "foundation/CodePage1252.h"
#include "host/desktop/KeyMap.h"
#include "host/text/FontFace.h"

namespace vorn {

namespace {

int16_t ButtonOf(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return kLeftButton;
    case SDL_BUTTON_RIGHT: return kRightButton;
    case SDL_BUTTON_MIDDLE: return kMiddleButton;
    default: return 0;
  }
}

}  // namespace

bool DesktopHost::HandleEvent(const SDL_Event& e) {
  if (e.type == SDL_QUIT) return false;  // the program's to decide
  const bool claimed = Claims(e);
  // The program's windows moving, resizing or losing their picture concern both.
  if (claimed || e.type == SDL_WINDOWEVENT) Handle(e);
  return claimed;
}

bool DesktopHost::OverControl(uint32_t windowId, int32_t x, int32_t y) {
  WindowHandle handle = 0;
  Shown* s = ShownById(windowId, &handle);
  if (!s) return false;
  const RectL& r = s->window->Plan().rect;
  const HeadlessSurface* w = WindowAt({r.left + x, r.top + y});
  return w && w->hWnd() != handle;
}

bool DesktopHost::Claims(const SDL_Event& e) {
  uint32_t windowId = 0;
  switch (e.type) {
    case SDL_WINDOWEVENT: windowId = e.window.windowID; break;
    case SDL_MOUSEMOTION: windowId = e.motion.windowID; break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: windowId = e.button.windowID; break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: windowId = e.key.windowID; break;
    case SDL_TEXTINPUT: windowId = e.text.windowID; break;
    default: return false;
  }
  WindowHandle handle = 0;
  Shown* s = ShownById(windowId, &handle);
  if (!s) return Capture() != nullptr && (e.type == SDL_MOUSEMOTION || e.type == SDL_MOUSEBUTTONUP);
  if (!s->window->Programs()) return true;
  // A window of the program: the host's are its controls.
  switch (e.type) {
    case SDL_MOUSEMOTION:
      if (Capture() || OverControl(windowId, e.motion.x, e.motion.y)) return true;
      PointerTo(windowId, e.motion.x, e.motion.y);  // hover ends where the program's area begins
      return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (Capture() || OverControl(windowId, e.button.x, e.button.y)) return true;
      // A press on the program's own area takes the keyboard back from the controls.
      if (e.type == SDL_MOUSEBUTTONDOWN && Focus()) SetFocus(nullptr);
      return false;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT: {
      const HeadlessSurface* top = Focus();
      while (top && top->Parent()) top = top->Parent();
      return top && top->hWnd() == handle;
    }
    default: return false;
  }
}

void DesktopHost::Handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      quit_ = true;
      break;
    case SDL_WINDOWEVENT:
      HandleWindowEvent(e.window);
      break;
    case SDL_MOUSEMOTION:
      PointerTo(e.motion.windowID, e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int16_t button = ButtonOf(e.button.button);
      if (!button) break;
      PointerTo(e.button.windowID, e.button.x, e.button.y);
      if (e.type == SDL_MOUSEBUTTONDOWN) {
        PressButton(button);
      } else {
        ReleaseButton(button);
      }
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      HandleKey(e.key);
      break;
    case SDL_TEXTINPUT:
      HandleText(e.text.text);
      break;
    default:
      break;
  }
}

void DesktopHost::HandleWindowEvent(const SDL_WindowEvent& e) {
  WindowHandle handle = 0;
  Shown* s = ShownById(e.windowID, &handle);
  if (!s) return;
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
      if (s->window->Plan().framed && !s->window->Programs()) quit_ = true;
      break;
    case SDL_WINDOWEVENT_MOVED:
      // A form goes where the user or the window manager put it, so that the controls' screen
      // rectangles stay true; popups stay where their controls put them.
      if (s->window->Plan().framed) {
        s->window->Moved({e.data1, e.data2});
        if (HeadlessSurface* w = Find(handle)) w->MovePx(e.data1, e.data2, w->Pixels().Width(), w->Pixels().Height());
      }
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:  // a new window surface, blank
      if (s->window->Programs()) {
        if (HeadlessSurface* w = Find(handle)) w->MovePx(w->ScreenRect().left, w->ScreenRect().top, e.data1, e.data2);
      }
      s->exposed = true;
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      s->exposed = true;
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      ReleaseStaleModifiers();
      break;
    default:
      break;
  }
}

void DesktopHost::PointerTo(uint32_t windowId, int32_t x, int32_t y) {
  PointL p;
  if (Shown* s = ShownById(windowId)) {
    // Event positions are relative to the real window, wherever the window system has it.
    const RectL& r = s->window->Plan().rect;
    p = {r.left + x, r.top + y};
  } else {
    p = globalPointer_.Position();
  }
  if (p != Pointer()) MoveMouse(p);
}

void DesktopHost::HandleKey(const SDL_KeyboardEvent& e) {
  const int16_t key = VirtualKeyOf(e.keysym.sym);
  if (key == 0) return;
  const int16_t shift = ShiftOf(e.keysym.mod);
  // Tab (with Shift: backwards) moves the focus between the form's controls.
  const bool navigation = key == 9 && (shift & ~1) == 0;
  if (e.type == SDL_KEYDOWN) {
    if (navigation) {
      MoveFocus(shift & 1);
      return;
    }
    KeyDown(key, shift);
    if (const int16_t c = ControlCharOf(key)) KeyPress(c);
  } else if (!navigation) {
    KeyUp(key, shift);
  }
}

void DesktopHost::HandleText(const char* utf8) {
  const std::string_view text(utf8);
  for (size_t i = 0; i < text.size();) {
    const int32_t code = ToCodePage1252(NextCodePoint(text, i));
    KeyPress(static_cast<int16_t>(code < 0 ? '?' : code));
  }
}

void DesktopHost::ReleaseStaleModifiers() {
  // A modifier released while another program had the keyboard (Alt after Alt+Tab) would stay
  // down in the Shift argument of every later mouse event.
  const int16_t real = ShiftOf(SDL_GetModState());
  const int16_t codes[] = {16, 17, 18};
  for (int i = 0; i < 3; ++i) {
    const auto bit = static_cast<int16_t>(1 << i);
    if ((ShiftState() & bit) && !(real & bit)) KeyUp(codes[i], real);
  }
}

void DesktopHost::MoveFocus(bool backward) {
  // The form holding the focus, else the topmost visible form.
  HeadlessSurface* form = Focus();
  while (form && form->Parent()) form = form->Parent();
  if (!form) {
    for (HeadlessSurface* w : ZOrder()) {
      if (w->Kind() == WindowKind::Form && w->Visible()) form = w;
    }
  }
  if (!form) return;
  std::vector<HeadlessSurface*> stops;
  for (HeadlessSurface* c : form->Children()) {
    if (c->Kind() == WindowKind::Control && c->Showing() && c->Reachable()) stops.push_back(c);
  }
  if (stops.empty()) return;
  // The focused control's own place: the focus may sit in a control inside it.
  HeadlessSurface* current = Focus();
  while (current && current->Parent() != form) current = current->Parent();
  const auto it = std::find(stops.begin(), stops.end(), current);
  const auto n = static_cast<ptrdiff_t>(stops.size());
  ptrdiff_t next = 0;
  if (it != stops.end()) {
    next = ((it - stops.begin()) + (backward ? n - 1 : 1)) % n;
  } else if (backward) {
    next = n - 1;
  }
  SetFocus(stops[static_cast<size_t>(next)]);
}

}  // namespace vorn
