#include "host/desktop/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

#include "host/desktop/WindowCompositor.h"

namespace vorn {

namespace {

uint32_t CreationFlags(const WindowPlan& plan) {
  uint32_t flags = SDL_WINDOW_HIDDEN;
  if (!plan.framed) flags |= SDL_WINDOW_BORDERLESS;
  if (plan.toolWindow) {
    // An unframed tool window is a popup: on X11 the window manager neither frames, places nor
    // focuses it, and no taskbar lists it.
    flags |= SDL_WINDOW_SKIP_TASKBAR | (plan.framed ? SDL_WINDOW_UTILITY : SDL_WINDOW_POPUP_MENU);
  }
  if (plan.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  return flags;
}

}  // namespace

SdlWindow::SdlWindow(const WindowPlan& plan, const std::string& title) : plan_(plan) {
  const RectL& r = plan.rect;
  window_ = SDL_CreateWindow(title.c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top, CreationFlags(plan));
  if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
  plan_.alpha = 255;  // as created; Apply sets the planned opacity
}

SdlWindow::SdlWindow(SDL_Window* programs) : window_(programs), id_(SDL_GetWindowID(programs)), owned_(false) {}

SdlWindow::~SdlWindow() {
  if (owned_) SDL_DestroyWindow(window_);
}

bool SdlWindow::Fits(const WindowPlan& plan) const noexcept {
  return !owned_ || (plan.framed == plan_.framed && plan.toolWindow == plan_.toolWindow);
}

void SdlWindow::Apply(const WindowPlan& plan) {
  if (!owned_) {  // the program's own window stays where and as the program has it
    plan_ = plan;
    shown_ = true;
    return;
  }
  const RectL& r = plan.rect;
  if (r.left != plan_.rect.left || r.top != plan_.rect.top) SDL_SetWindowPosition(window_, r.left, r.top);
  if (r.right - r.left != plan_.rect.right - plan_.rect.left || r.bottom - r.top != plan_.rect.bottom - plan_.rect.top) {
    SDL_SetWindowSize(window_, r.right - r.left, r.bottom - r.top);
  }
  if (plan.topmost != plan_.topmost) SDL_SetWindowAlwaysOnTop(window_, plan.topmost ? SDL_TRUE : SDL_FALSE);
  // Without a compositing window manager the window stays opaque; nothing else can be done there.
  if (plan.alpha != plan_.alpha) SDL_SetWindowOpacity(window_, static_cast<float>(plan.alpha) / 255.0f);
  plan_ = plan;
  if (!shown_) {
    SDL_ShowWindow(window_);
    shown_ = true;
  }
}

void SdlWindow::Hide() {
  if (!shown_) return;
  if (!owned_) {
    shown_ = false;
    return;
  }
  SDL_HideWindow(window_);
  shown_ = false;
}

void SdlWindow::Moved(PointL p) noexcept {
  const int32_t w = plan_.rect.right - plan_.rect.left;
  const int32_t h = plan_.rect.bottom - plan_.rect.top;
  plan_.rect = {p.x, p.y, p.x + w, p.y + h};
}

PointL SdlWindow::Position() const {
  PointL p;
  SDL_GetWindowPosition(window_, &p.x, &p.y);
  return p;
}

void SdlWindow::SetTitle(const std::string& title) {
  if (owned_) SDL_SetWindowTitle(window_, title.c_str());
}

void SdlWindow::Upload(const PixelBuffer& picture, const RectL& area) {
  Draw(picture, area);
  Show({area});
}

void SdlWindow::Show(const std::vector<RectL>& areas) {
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  if (!s) return;
  std::vector<SDL_Rect> rects;
  for (const RectL& a : areas) {
    const RectL r = Intersect(a, {0, 0, s->w, s->h});
    if (!IsEmpty(r)) rects.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

void SdlWindow::Draw(const PixelBuffer& picture, const RectL& area) {
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  if (!s) return;
  const RectL r = Intersect(area, {0, 0, std::min(s->w, picture.Width()), std::min(s->h, picture.Height())});
  if (IsEmpty(r)) return;
  if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return;
  auto* dst = static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(r.top) * s->pitch +
              static_cast<ptrdiff_t>(r.left) * s->format->BytesPerPixel;
  // The picture holds &HBBGGRR values: red in the low byte, which SDL calls XBGR8888.
  SDL_ConvertPixels(r.right - r.left, r.bottom - r.top, SDL_PIXELFORMAT_XBGR8888, picture.Row(r.top) + r.left,
                    picture.Width() * 4, s->format->format, dst, s->pitch);
  if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
}

}  // namespace vorn
