#include "host/headless/HeadlessSurface.h"

#include <algorithm>
#include <cmath>

#include "host/headless/HeadlessHost.h"

namespace vorn {

namespace {
int32_t TwipsToPx(int32_t twips, int32_t factor) {
  return static_cast<int32_t>(std::floor(static_cast<double>(twips) / factor + 0.5));
}
}  // namespace

HeadlessSurface::HeadlessSurface(HeadlessHost& host, WindowKind kind, std::string name, HeadlessSurface* parent,
                                 RectL r, Ref<Font> font, Color backColor)
    : RasterSurface(std::max(0, r.right - r.left), std::max(0, r.bottom - r.top), std::move(font)),
      host_(host),
      kind_(kind),
      name_(std::move(name)),
      parent_(parent),
      leftPx_(r.left),
      topPx_(r.top),
      visible_(kind != WindowKind::Picture) {
  className = kind == WindowKind::Form ? "Form" : kind == WindowKind::Control ? "UserControl" : "PictureBox";
  SetBackColor(backColor);
  host_.Register(this);
}

HeadlessSurface::~HeadlessSurface() { host_.Unregister(this); }

int32_t HeadlessSurface::Left() const { return leftPx_ * host_.TwipsPerPixelX(); }
int32_t HeadlessSurface::Top() const { return topPx_ * host_.TwipsPerPixelY(); }
int32_t HeadlessSurface::Width() const { return Pixels().Width() * host_.TwipsPerPixelX(); }
int32_t HeadlessSurface::Height() const { return Pixels().Height() * host_.TwipsPerPixelY(); }

void HeadlessSurface::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
  MovePx(TwipsToPx(left, host_.TwipsPerPixelX()), TwipsToPx(top, host_.TwipsPerPixelY()),
         TwipsToPx(width, host_.TwipsPerPixelX()), TwipsToPx(height, host_.TwipsPerPixelY()));
}

void HeadlessSurface::MovePx(int32_t left, int32_t top, int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  CheckWindowSize(width, height);
  leftPx_ = left;
  topPx_ = top;
  const bool resized = width != Pixels().Width() || height != Pixels().Height();
  if (resized) {
    ResizePixels(width, height);
    host_.Deliver(this, [](SurfaceEvents& h) { h.Resize(); });
  }
}

void HeadlessSurface::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  host_.VisibilityChanged(this);
}

void HeadlessSurface::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) host_.VisibilityChanged(this);
}

RectL HeadlessSurface::ScreenRect() const noexcept {
  int32_t x = leftPx_;
  int32_t y = topPx_;
  for (const HeadlessSurface* p = parent_; p; p = p->parent_) {
    x = AddCoord(x, p->leftPx_);
    y = AddCoord(y, p->topPx_);
  }
  return RectL{x, y, AddCoord(x, Pixels().Width()), AddCoord(y, Pixels().Height())};
}

RectL HeadlessSurface::Exposed() const {
  const RectL r = ScreenRect();
  RectL shown = Intersect(r, RectL{0, 0, host_.WidthPx(), host_.HeightPx()});
  for (const HeadlessSurface* p = parent_; p; p = p->parent_) shown = Intersect(shown, p->ScreenRect());
  if (IsEmpty(shown)) return RectL{};
  return RectL{AddCoord(shown.left, -int64_t{r.left}), AddCoord(shown.top, -int64_t{r.top}),
               AddCoord(shown.right, -int64_t{r.left}), AddCoord(shown.bottom, -int64_t{r.top})};
}

bool HeadlessSurface::Showing() const noexcept {
  for (const HeadlessSurface* w = this; w; w = w->parent_) {
    if (!w->visible_) return false;
  }
  return true;
}

bool HeadlessSurface::Reachable() const noexcept {
  for (const HeadlessSurface* w = this; w; w = w->parent_) {
    if (!w->enabled_) return false;
  }
  return true;
}

}  // namespace vorn
