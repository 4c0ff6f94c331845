#include "host/desktop/WindowPlan.h"

namespace vorn {

std::vector<WindowPlan> PlanWindows(const HeadlessHost& host) {
  std::vector<WindowPlan> plans;
  for (const HeadlessSurface* w : host.ZOrder()) {
    const RectL r = w->ScreenRect();
    if (!w->Visible() || r.right <= r.left || r.bottom <= r.top) continue;
    WindowPlan p;
    p.handle = w->hWnd();
    p.rect = r;
    p.framed = w->Kind() == WindowKind::Form;
    p.toolWindow = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    p.topmost = w->topmost;
    // Opacity belongs to layered windows only; the host keeps 255 for the others anyway.
    p.alpha = (w->exStyle & WS_EX_LAYERED) ? w->alpha : uint8_t{255};
    plans.push_back(p);
  }
  return plans;
}

}  // namespace vorn
