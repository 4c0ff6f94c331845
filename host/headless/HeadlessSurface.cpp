#include "host/headless/HeadlessSurface.h"

#include "host/headless/HeadlessHost.h"

namespace vorn {

HeadlessSurface::HeadlessSurface(HeadlessHost& host, WindowKind kind, std::string name, HeadlessSurface* parent,
                                 RectL r, Ref<Font> font, Color backColor)
    : WindowSurface(host, parent, r, kind != WindowKind::Picture, std::move(font)),
      host_(host),
      kind_(kind),
      name_(std::move(name)) {
  className = kind == WindowKind::Form ? "Form" : kind == WindowKind::Control ? "UserControl" : "PictureBox";
  SetBackColor(backColor);
  host_.Register(this);
}

HeadlessSurface::~HeadlessSurface() { host_.Unregister(this); }

void HeadlessSurface::Resized() {
  host_.Deliver(this, [](SurfaceEvents& h) { h.Resize(); });
}

void HeadlessSurface::VisibilityChanged() { host_.VisibilityChanged(this); }

void HeadlessSurface::EnabledSet() {
  if (!Enabled()) host_.VisibilityChanged(this);
}

RectL HeadlessSurface::ScreenRect() const noexcept {
  int32_t x = LeftPx();
  int32_t y = TopPx();
  for (const HeadlessSurface* p = Parent(); p; p = p->Parent()) {
    x = AddCoord(x, p->LeftPx());
    y = AddCoord(y, p->TopPx());
  }
  return RectL{x, y, AddCoord(x, Pixels().Width()), AddCoord(y, Pixels().Height())};
}

RectL HeadlessSurface::Exposed() const {
  const RectL r = ScreenRect();
  RectL shown = Intersect(r, RectL{0, 0, host_.WidthPx(), host_.HeightPx()});
  for (const HeadlessSurface* p = Parent(); p; p = p->Parent()) shown = Intersect(shown, p->ScreenRect());
  if (IsEmpty(shown)) return RectL{};
  return RectL{AddCoord(shown.left, -int64_t{r.left}), AddCoord(shown.top, -int64_t{r.top}),
               AddCoord(shown.right, -int64_t{r.left}), AddCoord(shown.bottom, -int64_t{r.top})};
}

}  // namespace vorn
