#include <gtest/gtest.h>

#include <memory>

#include "host/desktop/WindowPlan.h"

namespace vorn {
namespace {

struct WindowPlanMapping : testing::Test {
  HeadlessHost host;
  std::unique_ptr<HeadlessSurface> form = Make(WindowKind::Form, nullptr, {20, 30, 220, 130});
  std::unique_ptr<HeadlessSurface> control = Make(WindowKind::Control, form.get(), {10, 10, 60, 40});
  std::unique_ptr<HeadlessSurface> popup = Make(WindowKind::Picture, control.get(), {0, 0, 80, 50});

  std::unique_ptr<HeadlessSurface> Make(WindowKind kind, HeadlessSurface* parent, RectL r) {
    return std::make_unique<HeadlessSurface>(host, kind, "W", parent, r, MakeRef<Font>(), 0xFFFFFF);
  }
  // The platform calls a popup menu makes to become a translucent top-level tool window.
  void OpenAsPopup() {
    const WindowHandle h = popup->hWnd();
    host.SetWindowLong(h, GWL_EXSTYLE, host.GetWindowLong(h, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    host.SetWindowLong(h, GWL_HWNDPARENT, static_cast<int32_t>(form->hWnd()));
    host.SetParent(h, 0);
    popup->Move(300 * 15, 200 * 15, 80 * 15, 50 * 15);
    host.SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    popup->SetVisible(true);
    host.SetWindowLong(h, GWL_EXSTYLE, host.GetWindowLong(h, GWL_EXSTYLE) | WS_EX_LAYERED);
    host.SetLayeredWindowAttributes(h, 0, 230, LWA_ALPHA);
  }
};

TEST_F(WindowPlanMapping, AFormIsOneFramedOpaqueWindowAtItsScreenPlace) {
  const std::vector<WindowPlan> plans = PlanWindows(host);
  ASSERT_EQ(plans.size(), 1u);  // controls and hidden pictures are drawn inside it
  const WindowPlan want{form->hWnd(), RectL{20, 30, 220, 130}, true, false, false, 255};
  EXPECT_EQ(plans[0], want);
}

TEST_F(WindowPlanMapping, APopupBecomesABorderlessTopmostTranslucentToolWindowAboveTheForm) {
  OpenAsPopup();
  const std::vector<WindowPlan> plans = PlanWindows(host);
  ASSERT_EQ(plans.size(), 2u);
  EXPECT_EQ(plans[0].handle, form->hWnd());
  const WindowPlan want{popup->hWnd(), RectL{300, 200, 380, 250}, false, true, true, 230};
  EXPECT_EQ(plans[1], want);
}

TEST_F(WindowPlanMapping, TopmostWindowsStayAboveALaterForm) {
  OpenAsPopup();
  auto later = Make(WindowKind::Form, nullptr, {0, 0, 50, 50});
  const std::vector<WindowPlan> plans = PlanWindows(host);
  ASSERT_EQ(plans.size(), 3u);
  EXPECT_EQ(plans[1].handle, later->hWnd());
  EXPECT_EQ(plans[2].handle, popup->hWnd());
}

TEST_F(WindowPlanMapping, HiddenEmptyAndReparentedWindowsHaveNoRealWindow) {
  OpenAsPopup();
  popup->SetVisible(false);
  EXPECT_EQ(PlanWindows(host).size(), 1u);
  popup->SetVisible(true);
  popup->MovePx(300, 200, 0, 50);
  EXPECT_EQ(PlanWindows(host).size(), 1u);
  popup->MovePx(300, 200, 80, 50);
  host.SetParent(popup->hWnd(), form->hWnd());
  EXPECT_EQ(PlanWindows(host).size(), 1u);
}

TEST_F(WindowPlanMapping, OpacityBelongsToLayeredWindowsOnly) {
  OpenAsPopup();
  // ClearWindowAlpha: the layered style goes, and with it the translucency.
  const WindowHandle h = popup->hWnd();
  host.SetWindowLong(h, GWL_EXSTYLE, host.GetWindowLong(h, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  EXPECT_EQ(PlanWindows(host).back().alpha, 255);
}

}  // namespace
}  // namespace vorn
