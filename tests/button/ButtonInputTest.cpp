#include <gtest/gtest.h>

#include "controls/button/vornButton.h"
#include "support/ControlHarness.h"

namespace vorn {
namespace {

using ButtonHarness = test::Harness<vornButton>;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xC00000;

// Hover (MousePos timer), row by row:
//   move onto the button          MouseMove raised, timer on, no repaint
//   tick, cursor within 1 px      bsHot (bsPressed while the left button is down)
//   cursor 2 px away, tick        bsNormal, timer off
TEST(ButtonHover, TickShowsHotThenNormalOnceTheCursorLeaves) {
  ButtonHarness b(100, 30);
  b.MoveTo(30, 15);
  EXPECT_EQ(b.log.Joined(), "MouseMove(0, 0, 30, 15)");
  EXPECT_TRUE(b->MousePos().Enabled());
  EXPECT_EQ(b->State(), bsNormal);  // no repaint on the move itself
  b.Tick();
  EXPECT_EQ(b->State(), bsHot);
  EXPECT_EQ(b.Pixel(0, 0), PaletteHot(kWhite, kBlue, kWhite)[2]);
  b.host.MoveMouse(b.ToScreen(31, 16));  // within 1 px: still resting (a move also renews the anchor)
  b.Tick();
  EXPECT_EQ(b->State(), bsHot);
  b.host.MoveMouse(b.ToScreen(300, 200));  // off the button: no MouseMove reaches it
  b.Tick();
  EXPECT_EQ(b->State(), bsNormal);
  EXPECT_FALSE(b->MousePos().Enabled());
  EXPECT_EQ(b.Pixel(0, 0), 0xF9E6E6u);
}

TEST(ButtonHover, PressedLookWhileTheLeftButtonIsDown) {
  ButtonHarness b(100, 30);
  b.MoveTo(30, 15);
  b.Press();
  b.Tick();
  EXPECT_EQ(b->State(), bsPressed);
  EXPECT_EQ(b.Pixel(0, 0), PalettePressed(kWhite, kBlue, kWhite)[2]);
  b.Release();
  b.Tick();
  EXPECT_EQ(b->State(), bsHot);
}

TEST(ButtonMouse, ClickComesBeforeMouseUpAlsoAfterDraggingOut) {
  ButtonHarness b(100, 30);
  b.MoveTo(30, 15);
  b.Press();
  b.MoveTo(200, 100);
  b.Release();
  EXPECT_EQ(b.log.Joined(),
            "MouseMove(0, 0, 30, 15); MouseDown(1, 0, 30, 15); MouseMove(1, 0, 200, 100); Click(); "
            "MouseUp(1, 0, 200, 100)");
}

TEST(ButtonMouse, ClickInsideRaisesClickOnce) {
  ButtonHarness b(100, 30);
  b.ClickAt(10, 10);
  EXPECT_EQ(b.log.Count("Click"), 1);
  EXPECT_FALSE(b->MouseDownFlag());
}

TEST(ButtonMouse, RightButtonRaisesNothing) {
  ButtonHarness b(100, 30);
  b.MoveTo(10, 10);
  b.log.Clear();
  b.Press(2);
  b.Release(2);
  EXPECT_EQ(b.log.Joined(), "");
  EXPECT_FALSE(b->MouseDownFlag());
}

TEST(ButtonMouse, DisablingClearsTheMouseDownFlag) {
  ButtonHarness b(100, 30);
  b.MoveTo(10, 10);
  b.Press();
  EXPECT_TRUE(b->MouseDownFlag());
  b->put_Enabled(false);
  EXPECT_FALSE(b->MouseDownFlag());
  b->put_Enabled(true);
  b.Release();
  EXPECT_EQ(b.log.Count("Click"), 0);
}

TEST(ButtonKeys, SpaceAndEnterPressAndClick) {
  ButtonHarness b(100, 30);
  b.host.SetFocus(&b.Window());
  b.host.KeyDown(32);
  EXPECT_EQ(b->State(), bsPressed);
  EXPECT_EQ(b.log.Joined(), "KeyDown(32, 0); Click()");
  b.host.KeyDown(32);  // a held key repeats
  EXPECT_EQ(b.log.Count("Click"), 2);
  b.host.KeyUp(32);
  EXPECT_EQ(b->State(), bsNormal);
  b.host.KeyDown(13);
  EXPECT_EQ(b.log.Count("Click"), 3);
  b.host.KeyPress(97);
  EXPECT_EQ(b.log.lines.back(), "KeyPress(97)");
}

TEST(ButtonKeys, AHandlerThatZeroesSpaceStopsTheClick) {
  ButtonHarness b(100, 30);
  b.log.handler = [](const std::string& name, std::span<Variant> args) {
    if (name == "KeyDown" && args[0].ToInteger() == 32) args[0] = Variant(int16_t{0});
  };
  b.host.SetFocus(&b.Window());
  b.host.KeyDown(32);
  EXPECT_EQ(b.log.Count("Click"), 0);
  EXPECT_NE(b->State(), bsPressed);
}

TEST(ButtonKeys, TypedSinkSeesTheSameEvents) {
  struct Sink : ButtonEvents {
    int clicks = 0;
    void Click() override { ++clicks; }
    void KeyDown(int16_t& k, int16_t&) override {
      if (k == 13) k = 0;
    }
  } sink;
  ButtonHarness b(100, 30);
  b->SetEventSink(&sink);
  b.host.SetFocus(&b.Window());
  b.host.KeyDown(32);
  b.host.KeyDown(13);  // zeroed by the sink
  EXPECT_EQ(sink.clicks, 1);
  EXPECT_EQ(b.log.lines.size(), 0u);  // generic sinks are not fed while a typed sink replaces them
  b->SetEventSink(nullptr);
  b.host.KeyDown(13);
  EXPECT_EQ(b.log.Count("Click"), 1);
}

}  // namespace
}  // namespace vorn
