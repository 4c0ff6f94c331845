#include "host/desktop/DesktopHost.h"

#include <SDL.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "host/desktop/WindowPlan.h"

namespace vorn {

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
