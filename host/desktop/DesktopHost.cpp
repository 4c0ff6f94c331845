#include "host/desktop/DesktopHost.h"

#include <SDL.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "foundation/CodePage1252.h"
#include "host/desktop/KeyMap.h"
#include "host/desktop/WindowPlan.h"
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

std::unique_ptr<DesktopHost> DesktopHost::Open(std::string& error) {
  const bool ownsSdl = SDL_WasInit(SDL_INIT_EVERYTHING) == 0;
  auto filter = std::make_unique<XErrorFilter>();
  if (ownsSdl) {
    // Pictures go to the window system as they are (X11: shared-memory images), not through an
    // OpenGL texture, which would load a GPU driver (or a software rasteriser with its threads)
    // to show a few changed rectangles. Keep a compositing window manager compositing (it draws
    // the popups' translucency), let the screen saver run, and take the first click on an
    // inactive window as a click. A program that started SDL itself has chosen its own.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    if (ownsSdl) SDL_Quit();
    return nullptr;
  }
  // Without a window system SDL falls back to drivers that show nothing and never close a window;
  // a host waiting for its window to close would wait forever. Unless such a driver was asked for
  // (tests ask for "dummy"), that is no display.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  const bool invisible = driver && (std::string_view(driver) == "offscreen" || std::string_view(driver) == "dummy");
  if (invisible && !(asked && *asked)) {
    error = std::string("no display (SDL found no window system and fell back to its \"") + driver +
            "\" driver; is DISPLAY or WAYLAND_DISPLAY set?)";
    SDL_Quit();
    return nullptr;
  }
  SDL_Rect screen{0, 0, 1024, 768};
  SDL_GetDisplayBounds(0, &screen);
  auto host = std::unique_ptr<DesktopHost>(new DesktopHost(screen.w, screen.h));
  host->errorFilter_ = std::move(filter);
  host->ownsSdl_ = ownsSdl;
  return host;
}

DesktopHost::DesktopHost(int32_t widthPx, int32_t heightPx)
    : HeadlessHost(widthPx, heightPx), time_(Clock(), &DesktopHost::NowMs) {}

DesktopHost::~DesktopHost() {
  shown_.clear();
  // The program's SDL goes on: only the host's share of the video subsystem ends.
  if (ownsSdl_) {
    SDL_Quit();
  } else {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
}

uint64_t DesktopHost::NowMs() { return SDL_GetTicks64(); }

void DesktopHost::SetCaption(WindowHandle window, std::string caption) {
  auto it = shown_.find(window);
  if (it != shown_.end()) it->second.window->SetTitle(caption);
  captions_[window] = std::move(caption);
}

PointL DesktopHost::GetCursorPos() { return globalPointer_.Position(); }

int16_t DesktopHost::GetAsyncKeyState(int32_t virtualKey) {
  constexpr auto kDown = static_cast<int16_t>(0x8000);
  uint32_t mask = 0;
  if (virtualKey == VK_LBUTTON) mask = SDL_BUTTON_LMASK;
  if (virtualKey == VK_RBUTTON) mask = SDL_BUTTON_RMASK;
  if (virtualKey == VK_MBUTTON) mask = SDL_BUTTON_MMASK;
  if (mask) {
    // Held now, and (the low bit) pressed since the last question, however briefly.
    const bool held = (globalPointer_.Held() & mask) != 0;
    const bool pressed = globalPointer_.PressedSinceAsked(mask);
    return static_cast<int16_t>((held ? kDown : 0) | (pressed ? 1 : 0));
  }
  const SDL_Keymod mod = SDL_GetModState();
  if (virtualKey == 16) return (mod & KMOD_SHIFT) ? kDown : int16_t{0};
  if (virtualKey == 17) return (mod & KMOD_CTRL) ? kDown : int16_t{0};
  if (virtualKey == 18) return (mod & KMOD_ALT) ? kDown : int16_t{0};
  return 0;  // the controls ask for the mouse buttons only
}

void DesktopHost::Run() {
  Refresh();
  while (!quit_) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, time_.WaitMs()) != 0) {
      Handle(e);
      PollAll();
    }
    Refresh();
  }
}

void DesktopHost::DoEvents() {
  if (Clock().Dispatching()) {
    SDL_PumpEvents();
    return;
  }
  if (RunPendingInput()) return;  // a script's input comes first, as in the headless host
  if (!PollAll()) {
    SDL_Event e;
    const int wait = time_.WaitMs();
    if (wait != 0 && SDL_WaitEventTimeout(&e, 1) != 0) {
      Handle(e);
      PollAll();
    }
  }
  Refresh();
}

bool DesktopHost::PollAll() {
  bool any = false;
  SDL_Event e;
  std::vector<SDL_Event> programs;
  while (!quit_ && SDL_PollEvent(&e)) {
    any = true;
    if (programs_.empty()) {
      Handle(e);
    } else if (!HandleEvent(e)) {
      programs.push_back(e);
    }
  }
  // A control pumping events (DoEvents) in a program's loop leaves the program's events, SDL_QUIT
  // among them, for that loop.
  for (SDL_Event& p : programs) SDL_PushEvent(&p);
  return any;
}

void DesktopHost::Refresh() {
  RunDueTimers();
  Present();
}

void DesktopHost::RunDueTimers() { time_.CatchUp(); }

void DesktopHost::ShowIn(HeadlessSurface& form, SDL_Window* window) {
  programs_[form.hWnd()] = window;
  shown_.erase(form.hWnd());
  PointL at;
  SDL_GetWindowPosition(window, &at.x, &at.y);
  int w = 0, h = 0;
  SDL_GetWindowSize(window, &w, &h);
  form.MovePx(at.x, at.y, w, h);
}

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

const SdlWindow* DesktopHost::RealWindow(WindowHandle window) const {
  auto it = shown_.find(window);
  return it == shown_.end() ? nullptr : it->second.window.get();
}

DesktopHost::Shown* DesktopHost::ShownById(uint32_t windowId, WindowHandle* handle) {
  for (auto& [h, s] : shown_) {
    if (s.window->Id() != windowId) continue;
    if (handle) *handle = h;
    return &s;
  }
  return nullptr;
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

void DesktopHost::SyncWindows() {
  const std::vector<WindowPlan> plans = PlanWindows(*this);
  for (const WindowPlan& p : plans) {
    auto it = shown_.find(p.handle);
    if (it != shown_.end() && !it->second.window->Fits(p)) {
      shown_.erase(it);
      it = shown_.end();
    }
    if (it == shown_.end()) {
      if (failed_.count(p.handle)) continue;
      const auto caption = captions_.find(p.handle);
      const HeadlessSurface* w = Find(p.handle);
      const auto programs = programs_.find(p.handle);
      try {
        Shown s;
        if (programs != programs_.end()) {
          s.window = std::make_unique<SdlWindow>(programs->second);
        } else {
          s.window = std::make_unique<SdlWindow>(p, caption != captions_.end() ? caption->second : w->Name());
        }
        it = shown_.emplace(p.handle, std::move(s)).first;
      } catch (const std::exception& e) {
        failed_.insert(p.handle);
        Note("error: " + w->Name() + ": " + e.what());
        continue;
      }
    }
    Shown& s = it->second;
    const bool wasShown = s.window->Shown();
    s.window->Apply(p);
    if (!wasShown) {
      s.exposed = true;
      if (p.framed && !s.window->Programs()) {
        // The window manager may have placed the form elsewhere than asked.
        const PointL at = s.window->Position();
        if (at != PointL{p.rect.left, p.rect.top}) {
          s.window->Moved(at);
          if (HeadlessSurface* w = Find(p.handle)) w->MovePx(at.x, at.y, w->Pixels().Width(), w->Pixels().Height());
        }
      }
    }
  }
  // Hidden top-level windows keep their real window for the next show; the others lose it.
  for (auto it = shown_.begin(); it != shown_.end();) {
    const bool planned = std::any_of(plans.begin(), plans.end(), [&](const WindowPlan& p) { return p.handle == it->first; });
    const HeadlessSurface* w = Find(it->first);
    if (planned) {
      ++it;
    } else if (w && !w->Parent()) {
      it->second.window->Hide();
      ++it;
    } else {
      it = shown_.erase(it);
    }
  }
}

void DesktopHost::Present() {
  SyncWindows();
  for (auto& [handle, s] : shown_) {
    if (!s.window->Shown()) continue;
    HeadlessSurface* w = Find(handle);
    if (!w) continue;
    if (s.window->Programs()) {
      PresentInProgramsWindow(*w, s);
      continue;
    }
    RectL changed = s.compositor.Update(*w);
    if (s.exposed) {
      changed = {0, 0, w->Pixels().Width(), w->Pixels().Height()};
      s.exposed = false;
    }
    if (!IsEmpty(changed)) s.window->Upload(s.compositor.Picture(), changed);
  }
}

void DesktopHost::PresentInProgramsWindow(HeadlessSurface& form, Shown& s) {
  const RectL changed = s.compositor.Update(form);
  const RectL origin = form.ScreenRect();
  std::vector<RectL> show;
  for (const HeadlessSurface* c : form.Children()) {
    if (!c->Visible()) continue;
    const RectL r = c->ScreenRect();
    const RectL area{r.left - origin.left, r.top - origin.top, r.right - origin.left, r.bottom - origin.top};
    s.window->Draw(s.compositor.Picture(), area);
    const RectL shown = s.exposed ? area : Intersect(changed, area);
    if (!IsEmpty(shown)) show.push_back(shown);
  }
  s.exposed = false;
  s.window->Show(show);
}

}  // namespace vorn
