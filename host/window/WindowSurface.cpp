#include "host/window/WindowSurface.h"

#include <algorithm>
#include <cmath>

namespace vorn {

namespace {

// Twips to pixels, halves away from zero for positive values (floor(v + 0.5)).
int32_t TwipsToPx(int32_t twips, int32_t factor) {
  return static_cast<int32_t>(std::floor(static_cast<double>(twips) / factor + 0.5));
}

}  // namespace

WindowSurface::WindowSurface(const ScreenInfo& screen, WindowSurface* parent, RectL r, bool visible, Ref<Font> font)
    : RasterSurface(std::max(0, r.right - r.left), std::max(0, r.bottom - r.top), std::move(font)),
      screen_(screen),
      parent_(parent),
      leftPx_(r.left),
      topPx_(r.top),
      visible_(visible) {}

RectL WindowSurface::PlacePx() const {
  return {leftPx_, topPx_, AddCoord(leftPx_, Pixels().Width()), AddCoord(topPx_, Pixels().Height())};
}

int32_t WindowSurface::Left() const { return PlacePx().left * screen_.TwipsPerPixelX(); }
int32_t WindowSurface::Top() const { return PlacePx().top * screen_.TwipsPerPixelY(); }
int32_t WindowSurface::Width() const { return Pixels().Width() * screen_.TwipsPerPixelX(); }
int32_t WindowSurface::Height() const { return Pixels().Height() * screen_.TwipsPerPixelY(); }

void WindowSurface::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  const int32_t tx = screen_.TwipsPerPixelX();
  const int32_t ty = screen_.TwipsPerPixelY();
  MovePx(TwipsToPx(left, tx), TwipsToPx(top, ty), TwipsToPx(width, tx), TwipsToPx(height, ty));
}

void WindowSurface::MovePx(int32_t left, int32_t top, int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  CheckWindowSize(width, height);
  leftPx_ = left;
  topPx_ = top;
  Placed(RectL{left, top, AddCoord(left, width), AddCoord(top, height)});
  if (width == Pixels().Width() && height == Pixels().Height()) return;
  ResizePixels(width, height);
  Resized();
}

void WindowSurface::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibilityChanged();
}

void WindowSurface::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnabledSet();
}

bool WindowSurface::Showing() const noexcept {
  for (const WindowSurface* w = this; w; w = w->parent_) {
    if (!w->visible_) return false;
  }
  return HasWindow();
}

bool WindowSurface::Reachable() const noexcept {
  for (const WindowSurface* w = this; w; w = w->parent_) {
    if (!w->enabled_) return false;
  }
  return true;
}

bool WindowSurface::Holds(const WindowSurface* w) const noexcept {
  for (; w; w = w->parent_) {
    if (w == this) return true;
  }
  return false;
}

}  // namespace vorn
