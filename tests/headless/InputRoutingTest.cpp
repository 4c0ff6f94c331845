#include <gtest/gtest.h>

#include "foundation/RuntimeError.h"
#include "host/headless/SnapshotRows.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

// Records what a window receives.
struct Recorder : SurfaceEvents {
  std::vector<std::string> got;
  void MouseDown(int16_t b, int16_t, float x, float y) override { Add("down", b, x, y); }
  void MouseMove(int16_t b, int16_t, float x, float y) override { Add("move", b, x, y); }
  void MouseUp(int16_t b, int16_t, float x, float y) override { Add("up", b, x, y); }
  void Click() override { got.push_back("click"); }
  void GotFocus() override { got.push_back("focus"); }
  void LostFocus() override { got.push_back("blur"); }
  void KeyDown(int16_t& k, int16_t& s) override { got.push_back("key" + std::to_string(k) + "/" + std::to_string(s)); }
  void Add(const char* what, int16_t b, float x, float y) {
    got.push_back(std::string(what) + std::to_string(b) + "@" + std::to_string(static_cast<int>(x)) + "," +
                  std::to_string(static_cast<int>(y)));
  }
};

struct Screen : testing::Test {
  HeadlessHost host;
  std::unique_ptr<HeadlessSurface> form =
      std::make_unique<HeadlessSurface>(host, WindowKind::Form, "Form", nullptr, RectL{100, 100, 400, 300},
                                        MakeRef<Font>(), 0xF0F0F0);
  std::unique_ptr<HeadlessSurface> a = Child("A", RectL{10, 10, 60, 40});
  std::unique_ptr<HeadlessSurface> b = Child("B", RectL{100, 10, 150, 40});
  Recorder ra, rb;
  void SetUp() override {
    a->SetEventHandler(&ra);
    b->SetEventHandler(&rb);
  }
  std::unique_ptr<HeadlessSurface> Child(const char* name, RectL r) {
    return std::make_unique<HeadlessSurface>(host, WindowKind::Control, name, form.get(), r, MakeRef<Font>(), 0);
  }
};

TEST_F(Screen, PressCapturesMovesAndReleaseOutsideTheControl) {
  host.MoveMouse({115, 115});
  host.PressButton(kLeftButton);
  host.MoveMouse({300, 250});  // far outside A: still A's
  host.ReleaseButton(kLeftButton);
  const std::vector<std::string> expected{"move0@5,5", "focus", "down1@5,5", "move1@190,140", "up1@190,140"};
  EXPECT_EQ(ra.got, expected);
  EXPECT_TRUE(rb.got.empty());
  EXPECT_EQ(host.Capture(), nullptr);
}

TEST_F(Screen, ClickNeedsPressAndReleaseOverTheSameWindow) {
  host.MoveMouse({115, 115});
  host.PressButton(kLeftButton);
  host.ReleaseButton(kLeftButton);
  EXPECT_EQ(ra.got.back(), "click");
  ra.got.clear();
  host.PressButton(kLeftButton);
  host.MoveMouse({205, 115});  // over B, but A holds the capture
  host.ReleaseButton(kLeftButton);
  EXPECT_EQ(std::count(ra.got.begin(), ra.got.end(), "click"), 0);
  EXPECT_TRUE(rb.got.empty());
}

TEST_F(Screen, RightButtonNeverClicks) {
  host.MoveMouse({115, 115});
  host.PressButton(kRightButton);
  host.ReleaseButton(kRightButton);
  EXPECT_EQ(ra.got.back(), "up2@5,5");
}

TEST_F(Screen, DisabledAndHiddenWindowsGetNoInput) {
  a->SetEnabled(false);
  host.MoveMouse({115, 115});
  host.PressButton(kLeftButton);
  host.ReleaseButton(kLeftButton);
  EXPECT_TRUE(ra.got.empty());
  b->SetVisible(false);
  host.MoveMouse({205, 115});
  EXPECT_TRUE(rb.got.empty());
  EXPECT_EQ(host.WindowAt({205, 115}), form.get());
}

TEST_F(Screen, FocusMovesWithPressesAndKeysGoToIt) {
  host.MoveMouse({115, 115});
  host.PressButton(kLeftButton);
  host.ReleaseButton(kLeftButton);
  host.MoveMouse({205, 115});
  host.PressButton(kLeftButton);
  host.ReleaseButton(kLeftButton);
  EXPECT_NE(std::find(ra.got.begin(), ra.got.end(), "blur"), ra.got.end());
  host.KeyDown(16);  // shift held
  host.KeyDown(65);
  EXPECT_EQ(rb.got.back(), "key65/1");
  host.KeyDown(66, 4);
  EXPECT_EQ(rb.got.back(), "key66/4");
}

TEST_F(Screen, TopmostPopupsLieAboveAndTopLevelChildrenKeepTheirScreenPlace) {
  auto popup = std::make_unique<HeadlessSurface>(host, WindowKind::Picture, "Popup", a.get(), RectL{0, 0, 30, 30},
                                                 MakeRef<Font>(), 0);
  popup->SetVisible(true);
  EXPECT_EQ(host.WindowAt({115, 115}), popup.get());
  host.SetParent(popup->hWnd(), 0);
  EXPECT_EQ(popup->Parent(), nullptr);
  EXPECT_EQ(host.GetWindowRect(popup->hWnd()), (RectL{110, 110, 140, 140}));
  host.SetWindowPos(popup->hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  popup->Move(200 * 15, 100 * 15, 30 * 15, 30 * 15);
  auto other = std::make_unique<HeadlessSurface>(host, WindowKind::Form, "Later", nullptr, RectL{0, 0, 500, 500},
                                                 MakeRef<Font>(), 0);
  EXPECT_EQ(host.WindowAt({210, 110}), popup.get());  // topmost wins over a later form
}

TEST(Clock, TimersFireOnlyWhenTheClockAdvances) {
  HeadlessHost host;
  int ticks = 0;
  auto t = host.CreateTimer("t", 1, [&] { ++ticks; });
  host.Advance(5);
  EXPECT_EQ(ticks, 0);  // disabled at start
  t->SetEnabled(true);
  host.Advance(3);
  EXPECT_EQ(ticks, 3);
  t->SetInterval(2);
  host.Advance(4);
  EXPECT_EQ(ticks, 5);
}

TEST(Clock, HandlerErrorsAreReportedAndTimersGoOn) {
  HeadlessHost host;
  std::vector<std::string> notes;
  host.SetNoteSink([&](const std::string& l) { notes.push_back(l); });
  int ticks = 0;
  auto t = host.CreateTimer("Boom", 1, [&] {
    ++ticks;
    Raise(errOverflow);
  });
  t->SetEnabled(true);
  host.Advance(2);
  EXPECT_EQ(ticks, 2);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0], "error: Boom: Overflow (6)");
}

TEST(DoEvents, RunsPendingInputButNotInsideTimers) {
  HeadlessHost host;
  int pending = 3, ran = 0;
  host.SetPendingInput([&] {
    if (pending == 0) return false;
    --pending;
    ++ran;
    return true;
  });
  host.DoEvents();
  EXPECT_EQ(ran, 1);
  auto t = host.CreateTimer("t", 1, [&] { host.DoEvents(); });
  t->SetEnabled(true);
  host.Advance(1);
  EXPECT_EQ(ran, 1);
}

TEST(DoEvents, ReleasesHeldButtonsWhenNothingIsLeftAndSaysSo) {
  HeadlessHost host;
  std::vector<std::string> notes;
  host.SetNoteSink([&](const std::string& l) { notes.push_back(l); });
  host.PressButton(kLeftButton);
  EXPECT_NE(host.GetAsyncKeyState(VK_LBUTTON), 0);
  host.DoEvents();
  EXPECT_EQ(host.GetAsyncKeyState(VK_LBUTTON), 0);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("left button"), std::string::npos);
}

TEST(DoEvents, AWaitForTheButtonsInsideATimerTickEndsByReleasingThem) {
  HeadlessHost host;
  std::vector<std::string> notes;
  host.SetNoteSink([&](const std::string& l) { notes.push_back(l); });
  host.PressButton(kLeftButton);
  int pumps = 0;
  auto t = host.CreateTimer("wait", 1, [&] {
    while (host.GetAsyncKeyState(VK_LBUTTON) != 0) {
      host.DoEvents();
      ++pumps;
    }
  });
  t->SetEnabled(true);
  host.Advance(1);
  EXPECT_EQ(host.Buttons(), 0);
  EXPECT_EQ(pumps, 1000);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("left button"), std::string::npos);
}

TEST(DoEvents, OnePumpPerTickLeavesAHeldButtonHeld) {
  HeadlessHost host;
  host.PressButton(kLeftButton);
  auto hover = host.CreateTimer("hover", 1, [&] { host.DoEvents(); });
  auto second = host.CreateTimer("second", 1, [&] { host.DoEvents(); });
  hover->SetEnabled(true);
  second->SetEnabled(true);
  host.Advance(3000);
  EXPECT_EQ(host.Buttons(), kLeftButton);
}

TEST(Snapshot, BlendsTranslucentWindowsOverTheForm) {
  HeadlessHost host;
  HeadlessSurface form(host, WindowKind::Form, "F", nullptr, RectL{0, 0, 20, 20}, MakeRef<Font>(), 0x000000);
  HeadlessSurface pop(host, WindowKind::Picture, "P", nullptr, RectL{5, 5, 15, 15}, MakeRef<Font>(), 0xFFFFFF);
  pop.SetVisible(true);
  pop.exStyle = WS_EX_LAYERED;
  host.SetLayeredWindowAttributes(pop.hWnd(), 0, 230, LWA_ALPHA);
  const PixelBuffer shot = host.Snapshot({0, 0, 20, 20});
  EXPECT_EQ(shot.Get(0, 0), 0u);
  EXPECT_EQ(shot.Get(10, 10), 0xE6E6E6u);  // 255 * 230 / 255 over black
}

TEST(Snapshot, ChildWindowsAreClippedToTheirParent) {
  HeadlessHost host;
  HeadlessSurface form(host, WindowKind::Form, "F", nullptr, RectL{0, 0, 40, 40}, MakeRef<Font>(), 0x000000);
  HeadlessSurface panel(host, WindowKind::Control, "P", &form, RectL{20, 20, 30, 30}, MakeRef<Font>(), 0x0000FF);
  // Mostly left of and above the panel, as a control parks an inner placeholder out of sight.
  HeadlessSurface inner(host, WindowKind::Control, "I", &panel, RectL{-15, -15, 2, 2}, MakeRef<Font>(), 0x00FF00);
  const PixelBuffer shot = host.Snapshot({0, 0, 40, 40});
  EXPECT_EQ(shot.Get(10, 10), 0x000000u);  // on the form, outside the panel: not the inner window
  EXPECT_EQ(shot.Get(19, 21), 0x000000u);
  EXPECT_EQ(shot.Get(20, 20), 0x00FF00u);  // the part inside the panel shows
  EXPECT_EQ(shot.Get(21, 21), 0x00FF00u);
  EXPECT_EQ(shot.Get(22, 22), 0x0000FFu);
}

// Composed a band of rows at a time for writing, the picture is the one Snapshot composes whole:
// shadows, translucent windows and clipped children across band edges, areas partly off screen.
TEST(Snapshot, RowsComposedInBandsAreThoseOfTheWholePicture) {
  HeadlessHost host;
  HeadlessSurface form(host, WindowKind::Form, "F", nullptr, RectL{0, 0, 90, 120}, MakeRef<Font>(), 0x204060);
  HeadlessSurface child(host, WindowKind::Control, "C", &form, RectL{50, 20, 110, 80}, MakeRef<Font>(), 0x00FF00);
  HeadlessSurface pop(host, WindowKind::Picture, "P", nullptr, RectL{30, 25, 70, 100}, MakeRef<Font>(), 0xFFFFFF);
  pop.SetVisible(true);
  pop.exStyle = WS_EX_LAYERED;
  host.SetLayeredWindowAttributes(pop.hWnd(), 0, 200, LWA_ALPHA);
  host.SetClassLong(pop.hWnd(), GCL_STYLE, CS_DROPSHADOW);
  for (Surface* s : {static_cast<Surface*>(&form), static_cast<Surface*>(&child), static_cast<Surface*>(&pop)}) {
    for (int i = 0; i < 120; i += 7) s->Line(0, static_cast<float>(i), 120, static_cast<float>(i / 2), 0x0000FF + i);
  }
  for (const RectL area : {RectL{0, 0, 90, 120}, RectL{-7, 13, 95, 110}, RectL{3, -40, 50, 70}, RectL{0, 31, 90, 33},
                           RectL{5, 5, 5, 5}, RectL{INT32_MIN, INT32_MIN, INT32_MIN + 10, INT32_MIN + 40}}) {
    const PixelBuffer whole = host.Snapshot(area);
    SnapshotRows rows(host, area);
    ASSERT_EQ(rows.Width(), whole.Width());
    ASSERT_EQ(rows.Height(), whole.Height());
    for (int32_t y = 0; y < rows.Height(); ++y) {
      const uint32_t* row = rows.Row(y);
      ASSERT_TRUE(std::equal(row, row + rows.Width(), whole.Row(y)))
          << "row " << y << " of " << area.left << "," << area.top << "," << area.right << "," << area.bottom;
    }
  }
}

}  // namespace
}  // namespace vorn
