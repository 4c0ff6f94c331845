#include <gtest/gtest.h>

#include <memory>

#include "host/desktop/WindowCompositor.h"
#include "host/headless/HeadlessHost.h"

namespace vorn {
namespace {

constexpr Color kForm = 0xF0F0F0;
constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;

struct WindowCompositorDamage : testing::Test {
  HeadlessHost host;
  std::unique_ptr<HeadlessSurface> form = Make(WindowKind::Form, nullptr, {10, 10, 110, 70}, kForm);
  std::unique_ptr<HeadlessSurface> a = Make(WindowKind::Control, form.get(), {10, 10, 40, 30}, kRed);
  std::unique_ptr<HeadlessSurface> b = Make(WindowKind::Control, form.get(), {50, 10, 90, 50}, kGreen);
  WindowCompositor compositor;

  std::unique_ptr<HeadlessSurface> Make(WindowKind kind, HeadlessSurface* parent, RectL r, Color c) {
    return std::make_unique<HeadlessSurface>(host, kind, "W", parent, r, MakeRef<Font>(), c);
  }
  // The incremental picture must always equal a full composition of the same windows.
  void ExpectSameAsFullComposition() {
    const RectL r = form->ScreenRect();
    const PixelBuffer full = host.Snapshot(r);
    const PixelBuffer& got = compositor.Picture();
    ASSERT_EQ(got.Width(), full.Width());
    ASSERT_EQ(got.Height(), full.Height());
    for (int32_t y = 0; y < full.Height(); ++y) {
      for (int32_t x = 0; x < full.Width(); ++x) ASSERT_EQ(got.Get(x, y), full.Get(x, y)) << x << "," << y;
    }
  }
};

TEST_F(WindowCompositorDamage, TheFirstFrameIsTheWholeWindowAndAnUnchangedOneIsNothing) {
  EXPECT_EQ(compositor.Update(*form), (RectL{0, 0, 100, 60}));
  ExpectSameAsFullComposition();
  EXPECT_TRUE(IsEmpty(compositor.Update(*form)));
  EXPECT_FALSE(a->Dirty());
  EXPECT_FALSE(form->Dirty());
}

TEST_F(WindowCompositorDamage, ARepaintOfTheSamePixelsSendsNothing) {
  compositor.Update(*form);
  // What a hover tick does: clear and draw the same face again.
  a->PSet(5, 5, kRed);
  a->Line(0, 0, 30, 0, kRed);
  EXPECT_TRUE(a->Dirty());
  EXPECT_TRUE(IsEmpty(compositor.Update(*form)));
  EXPECT_FALSE(a->Dirty());
}

TEST_F(WindowCompositorDamage, OnlyThePixelsThatChangedAreReported) {
  compositor.Update(*form);
  a->PSet(5, 5, 0xFFFFFF);
  a->PSet(7, 6, 0xFFFFFF);
  EXPECT_EQ(compositor.Update(*form), (RectL{15, 15, 18, 17}));
  EXPECT_EQ(compositor.Picture().Get(15, 15), 0xFFFFFFu);
  ExpectSameAsFullComposition();
}

TEST_F(WindowCompositorDamage, HidingShowsWhatLiesBelow) {
  compositor.Update(*form);
  b->SetVisible(false);
  EXPECT_EQ(compositor.Update(*form), (RectL{50, 10, 90, 50}));
  EXPECT_EQ(compositor.Picture().Get(60, 20), kForm);
  b->SetVisible(true);
  EXPECT_EQ(compositor.Update(*form), (RectL{50, 10, 90, 50}));
  ExpectSameAsFullComposition();
}

TEST_F(WindowCompositorDamage, MovingRepaintsTheOldAndTheNewPlace) {
  compositor.Update(*form);
  a->MovePx(0, 0, 30, 20);
  EXPECT_EQ(compositor.Update(*form), (RectL{0, 0, 40, 30}));
  EXPECT_EQ(compositor.Picture().Get(35, 25), kForm);
  ExpectSameAsFullComposition();
}

TEST_F(WindowCompositorDamage, RaisingAWindowRepaintsWhereItCoversAnother) {
  b->MovePx(30, 20, 70, 50);  // overlaps a at x 30..39, y 20..29; b lies above
  compositor.Update(*form);
  EXPECT_EQ(compositor.Picture().Get(35, 25), kGreen);
  host.SetWindowPos(a->hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(compositor.Update(*form), (RectL{30, 20, 40, 30}));
  EXPECT_EQ(compositor.Picture().Get(35, 25), kRed);
}

TEST_F(WindowCompositorDamage, DestroyedAndReparentedWindowsLeaveTheirPlace) {
  compositor.Update(*form);
  b.reset();
  EXPECT_EQ(compositor.Update(*form), (RectL{50, 10, 90, 50}));
  host.SetParent(a->hWnd(), 0);  // now a top-level window of its own, shown in a window of its own
  EXPECT_EQ(compositor.Update(*form), (RectL{10, 10, 40, 30}));
  EXPECT_EQ(compositor.Picture().Get(15, 15), kForm);
  EXPECT_EQ(compositor.Picture().Get(60, 20), kForm);
}

TEST_F(WindowCompositorDamage, InnerWindowsCountOnlyWhileShowing) {
  auto inner = Make(WindowKind::Picture, a.get(), {2, 2, 12, 12}, 0x123456);  // pictures start hidden
  compositor.Update(*form);
  inner->PSet(1, 1, 0xFFFFFF);
  EXPECT_TRUE(IsEmpty(compositor.Update(*form)));
  inner->SetVisible(true);
  EXPECT_EQ(compositor.Update(*form), (RectL{12, 12, 22, 22}));
  inner->PSet(3, 4, 0x00FFFF);
  EXPECT_EQ(compositor.Update(*form), (RectL{15, 16, 16, 17}));
  ExpectSameAsFullComposition();
}

TEST_F(WindowCompositorDamage, ANewSizeIsAWholeNewFrame) {
  compositor.Update(*form);
  form->MovePx(10, 10, 120, 60);
  EXPECT_EQ(compositor.Update(*form), (RectL{0, 0, 120, 60}));
  ExpectSameAsFullComposition();
}

}  // namespace
}  // namespace vorn
